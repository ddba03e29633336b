<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>“%1” yazılamıyor: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>tablo çizilemedi</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Trafo Yük Tablosu</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>“%1” yazıcısı tabloyu yazdıramadı.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF belgesi</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG resmi</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG çizimi</translation>
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
        <translation>Bu, çok basitleştirilmiş ücretsiz hafif sürümdür. Tam sürümde birçok güçlü hesaplama özelliği vardır. Güncel sürümle ilgili bilgilere şu adresten ulaşabilirsiniz:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Sürüm %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>seçili</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>nişangâh çizgisinde</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>ORVELLE tarafından sunulmuştur</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Üreticinin web sitesini açar, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Boru çapı (mm)</translation>
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
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>Yalnızca &amp;Tablo</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Nişangâh</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>%1 Tablosunu &amp;Kopyala</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Yazdır...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>Nişangâhı &amp;Gizle</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - Sürüm %2.%3</translation>
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
        <translation>Nişangâhı &amp;Kullan</translation>
    </message>
</context>
</TS>
