<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Asema</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Kansio</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tiedosto</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Turvaluokiteltu</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Salainen</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>A3 Extra</source>
        <translation>A3 ekstra</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 ekstra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 plus</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 pieni</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 ekstra</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 ekstra</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal ekstra</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter ekstra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter plus</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter pieni</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid ekstra</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arkkitehti A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arkkitehti B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arkkitehti C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arkkitehti D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arkkitehti E</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 in)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 in)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 × 13 in)</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K iso</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Tietokonepaperi US (14,875 × 11 in)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Tietokonepaperi saksalainen (8,5 × 12 in)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Tietokonepaperi saksalainen Legal (8,5 × 13 in)</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Kirjekuori henkilökohtainen</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Kirjekuori kutsu</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Kirjekuori italialainen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Kaksipuolisen tulostuksen asetukset ristiriidassa</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Kaksipuolisen tulostuksen asetuksissa on ristiriitoja. Haluatko korjata ne?</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Kaksipuolinen tulostus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Sidonta pitkältä reunalta</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Sidonta lyhyeltä reunalta</translation>
    </message>
</context>
</TS>
