<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>nie udało się narysować tabeli</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Tabela obciążenia transformatorów</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>Drukarka „%1” nie mogła wydrukować tabeli.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Dokument PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Obraz PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Rysunek SVG</translation>
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
        <translation>To jest bardzo uproszczona, bezpłatna wersja lite. Pełna wersja oferuje wiele zaawansowanych funkcji obliczeniowych. Informacje o bieżącej wersji są dostępne pod adresem:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Wersja %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>cel</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>celownik</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Dzięki uprzejmości ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Otwiera witrynę producenta, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Średnica w mm</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Wolty</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>NEON</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Tylko &amp;tabela</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Celownik</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>&amp;Kopiuj tabelę %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>&amp;Ukryj celownik</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Wersja %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 woltów</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>&amp;Pokaż celownik</translation>
    </message>
</context>
</TS>
