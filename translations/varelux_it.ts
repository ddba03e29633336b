<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Impossibile scrivere «%1»: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>non è stato possibile disegnare la tabella</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Tabella di carico dei trasformatori</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>La stampante «%1» non è riuscita a stampare la tabella.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Immagine PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Disegno SVG</translation>
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
        <translation>Questa è la versione lite gratuita, molto semplificata. La versione completa offre molte e potenti funzioni di calcolo. Le informazioni sulla versione attuale sono disponibili su:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>bersaglio</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>mirino</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Omaggio di ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Apre il sito web del produttore, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Diametro in mm</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>NEON</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Solo &amp;tabella</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Mirino</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>&amp;Copia tabella %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con &amp;nome...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>&amp;Nascondi mirino</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Versione %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 volt</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>&amp;Usa mirino</translation>
    </message>
</context>
</TS>
