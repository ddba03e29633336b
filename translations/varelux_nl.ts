<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason the system gives (in the user&apos;s language, from Qt).</extracomment>
        <translation>Kan “%1” niet schrijven: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>de tabel kon niet worden getekend</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <extracomment>The chart&apos;s name: a table of how much tubing a sign transformer of each voltage can light. It heads the printed page and names the files it is saved as.</extracomment>
        <translation>Belastingtabel voor transformatoren</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>De printer “%1” kon de tabel niet afdrukken.</translation>
    </message>
    <message>
        <source>Save As</source>
        <extracomment>The title of the dialog that saves the chart to a file.</extracomment>
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
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; where your language is written from right to left, &quot;LTR&quot; otherwise; nothing else.</extracomment>
        <translation>LTR</translation>
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
        <extracomment>The About box&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <extracomment>The version&apos;s two numbers, under the program&apos;s name.</extracomment>
        <translation>Versie %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <extracomment>What a screen reader says of the cell the user picked: its state, as in &quot;selected&quot;.</extracomment>
        <translation>geselecteerd</translation>
    </message>
    <message>
        <source>crosshair</source>
        <extracomment>What a screen reader says of a cell in the picked cell&apos;s row or column, which is tinted: its state, as in &quot;on the crosshair lines&quot;.</extracomment>
        <translation>in het dradenkruis</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Aangeboden door ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <extracomment>What a screen reader says of the link; %1 is the maker&apos;s web address.</extracomment>
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
        <translation>U in V</translation>
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
        <extracomment>A menu item that is always switched off: a view of the chart alone, in the full version.</extracomment>
        <translation>Alleen &amp;tabel</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <extracomment>The menu item that switches the crosshairs (the picked cell&apos;s row and column tinted).</extracomment>
        <translation>&amp;Dradenkruis</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <extracomment>An item of the chart&apos;s context menu; %1 is a grid&apos;s title, BLUE GAS or NEON GAS as translated above.</extracomment>
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
        <extracomment>The crosshair item while they show: what choosing it does.</extracomment>
        <translation>Dradenkruis &amp;verbergen</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <extracomment>The chart window&apos;s title: the program&apos;s name, then its version&apos;s two numbers.</extracomment>
        <translation>%1 - Versie %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <extracomment>What a screen reader says of a column header: a tube&apos;s diameter in millimetres.</extracomment>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <extracomment>What a screen reader says of a row header: a transformer&apos;s voltage, read out in words.</extracomment>
        <translation>%1 volt</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <extracomment>A cell as a screen reader says it: the grid&apos;s title, its row&apos;s voltage (&quot;6000 volts&quot;), its column&apos;s diameter (&quot;11 mm&quot;), then its figure.</extracomment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <extracomment>The crosshair item while they are off: what choosing it does, show them again.</extracomment>
        <translation>&amp;Dradenkruis tonen</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <extracomment>An item of the chart&apos;s context menu: shows the chart larger, a step at a time.</extracomment>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <extracomment>An item of the chart&apos;s context menu: shows the chart smaller, a step at a time.</extracomment>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>Actual &amp;Size</source>
        <extracomment>An item of the chart&apos;s context menu: shows the chart at its designed size again.</extracomment>
        <translation>&amp;Werkelijke grootte</translation>
    </message>
</context>
</TS>
