<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>no se pudo dibujar la tabla</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Tabla de carga de transformadores</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>La impresora «%1» no pudo imprimir la tabla.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
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
        <translation>Esta es la versión lite gratuita, muy simplificada. La versión completa ofrece muchos cálculos potentes. Hay información sobre la versión actual en:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>seleccionada</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>resaltada</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Cortesía de ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Abre el sitio web del fabricante, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGÓN</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Diámetro en mm</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>NEÓN</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Solo &amp;tabla</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Resaltado en cruz</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>&amp;Copiar tabla %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>&amp;Ocultar resaltado en cruz</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Versión %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 voltios</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>&amp;Usar resaltado en cruz</translation>
    </message>
</context>
</TS>
