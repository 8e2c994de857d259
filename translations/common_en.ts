<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>: höher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: niedriger</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimFenster</name>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ablauf ist angehalten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ablauf läuft.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
