<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>「%1」に書き込めません：%2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>表を描画できませんでした</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>トランス負荷表</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>プリンター「%1」で表を印刷できませんでした。</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 画像</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG 図形</translation>
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
        <translation>これは大幅に簡略化された無料のライト版です。完全版には強力な計算機能が多数あります。最新リリースの情報は次のサイトでご覧いただけます：</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
無断転載を禁じます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>バージョン %1.%2</translation>
    </message>
</context>
<context>
    <name>frmCharts</name>
    <message>
        <source>target</source>
        <translation>選択中</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>十字線上</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>ORVELLE 提供</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>製造元のウェブサイトを開きます：%1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>アルゴン</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>管径（mm）</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>電圧</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>表のみ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>十字線(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>%1の表をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>十字線を非表示(&amp;H)</translation>
    </message>
    <message>
        <source>%1 - Version %2.%3</source>
        <translation>%1 - バージョン %2.%3</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 ボルト</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1、%2、%3：%4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>十字線を表示(&amp;U)</translation>
    </message>
</context>
</TS>
