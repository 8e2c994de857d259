<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>TFormMain</name>
    <message>
        <source>Titelbild „Quantenpfad“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porträt von %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name des Programms, „Quantenpfad“, in blauer Schrift vor grauen Ringen um die Mitte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; ringsum die Porträts von %1 Physikern der Quantenphysik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die Porträts ringsum sind noch verdeckt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; ringsum sind %1 von %2 Porträts aufgedeckt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ein Klick deckt alle Porträts auf.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
