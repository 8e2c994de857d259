<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>TFormGuide</name>
    <message>
        <source>Text der Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biografie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porträt von %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, der Physiker zu Seite %1 „%2“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ein Klick zeigt seine Biografie über dem Text der Seite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ein Klick schließt seine Biografie wieder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geh direkt zu Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche Begriff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Begriff findet sich auf Seite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzeichnis der Texte (vollständiger Pfad)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
