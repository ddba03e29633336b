<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Kan “%1” niet schrijven: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>de tabel kon niet worden getekend</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Belastingtabel voor transformatoren</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>De printer “%1” kon de tabel niet afdrukken.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-document</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-afbeelding</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-tekening</translation>
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
        <translation>Dit is de sterk vereenvoudigde, gratis lite-versie. De volledige versie heeft veel krachtige rekenfuncties. Informatie over de huidige versie is te vinden op:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>doel</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>dradenkruis</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Aangeboden door ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Opent de website van de fabrikant, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Diameter in mm</translation>
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
        <translation>&amp;Weergave</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Alleen &amp;tabel</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Dradenkruis</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>Tabel %1 &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Opslaan als...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>Dradenkruis &amp;verbergen</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Versie %2.%3</translation>
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
        <translation>Dradenkruis &amp;gebruiken</translation>
    </message>
</context>
</TS>
