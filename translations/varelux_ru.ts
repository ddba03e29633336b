<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>не удалось нарисовать таблицу</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Таблица нагрузки трансформаторов</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>Принтеру «%1» не удалось напечатать таблицу.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Документ PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Изображение PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Рисунок SVG</translation>
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
        <translation>Это сильно упрощённая бесплатная облегчённая версия. В полной версии есть множество мощных функций расчёта. Сведения о текущем выпуске доступны по адресу:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Все права защищены.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версия %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>выбрано</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>на перекрестии</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Предоставлено ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Открывает сайт производителя, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>АРГОН</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Диаметр, мм</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>В</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>НЕОН</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Только &amp;таблица</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Перекрестие</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>&amp;Копировать таблицу «%1»</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Сохранить как...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>&amp;Скрыть перекрестие</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - версия %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 мм</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 вольт</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>&amp;Включить перекрестие</translation>
    </message>
</context>
</TS>
