<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ChartAtRest</name>
    <message>
        <source>Cannot write “%1”: %2</source>
        <translation>Impossible d’écrire «&#x202f;%1&#x202f;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the chart could not be drawn</source>
        <translation>le tableau n’a pas pu être dessiné</translation>
    </message>
    <message>
        <source>Transformer Loading Chart</source>
        <translation>Tableau de charge des transformateurs</translation>
    </message>
    <message>
        <source>The printer “%1” could not print the chart.</source>
        <translation>L’imprimante «&#x202f;%1&#x202f;» n’a pas pu imprimer le tableau.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
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
        <translation>Ceci est la version allégée gratuite, très simplifiée. La version complète offre de nombreux calculs puissants. La version actuelle est présentée sur&#xa0;:</translation>
    </message>
    <message>
        <source>Copyright © 2026 ORVELLE.
All rights reserved.</source>
        <translation>Copyright © 2026 ORVELLE.
Tous droits réservés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>sélectionnée</translation>
    </message>
    <message>
        <source>crosshair</source>
        <translation>en surbrillance</translation>
    </message>
    <message>
        <source>Compliments of ORVELLE</source>
        <translation>Avec les compliments d’ORVELLE</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site, %1</source>
        <translation>Ouvre le site web du fabricant, %1</translation>
    </message>
    <message>
        <source>BLUE GAS</source>
        <translation>ARGON</translation>
    </message>
    <message>
        <source>Diameter in mm</source>
        <translation>Diamètre en mm</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
    <message>
        <source>NEON GAS</source>
        <translation>NÉON</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Chart Only</source>
        <translation>&amp;Tableau seul</translation>
    </message>
    <message>
        <source>&amp;Crosshairs</source>
        <translation>&amp;Réticule</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Copy %1 Table</source>
        <translation>&amp;Copier le tableau %1</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Hide Crosshairs</source>
        <translation>&amp;Masquer le réticule</translation>
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
        <translation>%1 volts</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4</source>
        <comment>a cell for screen readers: grid, voltage, diameter, figure</comment>
        <translation>%1, %2, %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>&amp;Use Crosshairs</source>
        <translation>&amp;Utiliser le réticule</translation>
    </message>
</context>
</TS>
