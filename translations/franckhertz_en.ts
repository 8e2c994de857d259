<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>TFormFranckHertz2</name>
    <message>
        <source>Franck-Hertz-Röhre mit Gasatomen und Schaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Gasatome mit der Anregungsenergie %2਎V, keines davon angeregt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Gasatome mit der Anregungsenergie %2਎V, davon %3 angeregt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschleunigungsspannung %1&#xa0;V, Gegenspannung %2&#xa0;V; %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kathode wird geheizt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kathode glüht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kathode ist kalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, der Schalter ist geschlossen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, der Schalter ist offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: Elektronen fliegen einzeln zum Auffänger, ihre Endpunkte bleiben eingezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: Elektronen fliegen einzeln zum Auffänger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Strommesser ist abgeschaltet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Strommesser zeigt %1&#xa0;% seines Vollausschlags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Zeiger des Strommessers steht auf null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; das erste Elektron erreichte den Auffänger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; das erste Elektron erreichte den Auffänger nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; keines der letzten %1 Elektronen erreichte den Auffänger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; eines der letzten %1 Elektronen erreichte den Auffänger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die letzten %1 Elektronen erreichten alle den Auffänger.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 der letzten %2 Elektronen erreichten den Auffänger.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormFranckHertzAnordnung2</name>
    <message>
        <source>Versuchsanordnung des Franck-Hertz-Versuchs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschlossene Glasröhre mit Glühkathode, Gitter und Auffänger; zwischen Kathode und Gitter die Beschleunigungsspannung mit Spannungsmessgerät, zwischen Gitter und Auffänger die Gegenspannung und das Messgerät für den Strom zum Auffänger, links der Heizstromkreis der Kathode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Röhre ist noch ohne Gas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Röhre ist mit %1 Gasatomen gefüllt, davon %2 angeregt; Temperatur des Gases auf Stufe %3 von %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormFranckHertzKurve2</name>
    <message>
        <source>Franck-Hertz-Röhre mit Schaltung und Messgeräten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auffängerstrom über der Beschleunigungsspannung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spannung steigt in kleinen oder großen Schritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elektronen pro Schritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gasgefüllte Röhre mit Kathode, Gitter und Auffänger; höchste Beschleunigungsspannung %1&#xa0;V, Gegenspannung %2&#xa0;V, Anregungsenergie der Atome %3਎V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Schalter ist geschlossen; das Spannungsmessgerät zeigt %1, der Strommesser %2&#xa0;% seines Vollausschlags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Schalter ist geschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Schalter ist offen, beide Zeiger stehen auf null.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Achse der Beschleunigungsspannung reicht bis %1&#xa0;V.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch keine Messwerte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgezeichnet bei %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgezeichnet von %1 bis %2 in %3 Schritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, bisher ohne Strom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Strom ab %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch kein Maximum des Auffängerstroms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Maximum des Auffängerstroms bei %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maxima des Auffängerstroms bei %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
