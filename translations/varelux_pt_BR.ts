<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Não é possível gravar “%1”: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>não foi possível desenhar a tabela</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Tabela de carga de transformadores</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>A impressora “%1” não conseguiu imprimir a tabela.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Desenho SVG</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Form1</source>
        <comment>the blank start-up window&apos;s caption</comment>
        <translation>Form1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>This is the very simplified free lite version. The full version has many powerful calculation features. Information on the current release is available at:</source>
        <translation>Esta é a versão lite gratuita, bastante simplificada. A versão completa tem muitos recursos de cálculo poderosos. Há informações sobre a versão atual em:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>alvo</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>mira</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Cortesia da ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Abre o site do fabricante, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGÔNIO</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Diâmetro em mm</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>NEON</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Somente a &amp;tabela</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Mira</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>&amp;Copiar tabela %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>&amp;Ocultar mira</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Versão %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 volts</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>&amp;Usar mira</translation>
    </message>
</context>
</TS>
