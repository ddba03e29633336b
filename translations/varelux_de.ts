<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>Die Tabelle konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Belastungstabelle für Transformatoren</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>Der Drucker „%1“ konnte die Tabelle nicht drucken.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Grafik</translation>
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
        <translation>Dies ist die stark vereinfachte kostenlose Lite-Version. Die Vollversion bietet viele leistungsfähige Berechnungen. Informationen zur aktuellen Version gibt es unter:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>hervorgehoben</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Mit Empfehlung von ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Öffnet die Website des Herstellers, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Durchmesser in mm</translation>
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
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Nur &amp;Tabelle</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Fadenkreuz</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>%1-Tabelle &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>Fadenkreuz &amp;ausblenden</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Version %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 Volt</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>Fadenkreuz &amp;einblenden</translation>
    </message>
</context>
</TS>
