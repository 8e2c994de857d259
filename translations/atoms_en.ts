<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>TFormSchroedinger3</name>
    <message>
        <source>Schnitt durch das Wasserstoffatom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 des Wasserstoffatoms (Hauptquantenzahl %2, Nebenquantenzahl %3), Bildausschnitt bis %4 Bohr’sche Radien vom Kern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graustufen (je heller, desto wahrscheinlicher ist das Elektron dort zu finden)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Pixel der Punktwolke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine Punktwolke aus %1 Pixeln, dicht, wo das Elektron wahrscheinlich ist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein gemessener Ort des Elektrons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gemessene Orte des Elektrons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wahrscheinlichkeit ist noch nicht dargestellt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zu sehen: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>am höchsten beim Kern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zum Bildrand hin ansteigend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>am höchsten in %1 Bohr’schen Radien Abstand vom Kern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Graph der Wahrscheinlichkeit entlang der waagrechten Achse, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Bohr’sche Radius als Kreisfläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Bohr’sche Radius als Kreisrand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Achsen mit der Entfernung vom Kern, rechts in Bohr’schen Radien, links in Nanometern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingezeichnet: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormSpektren3D</name>
    <message>
        <source>Blickrichtung von links oder rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blickrichtung von oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spektrum der Sonne und Linienspektrum des Gases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oben das Spektrum der Sonne, nach Frequenzen geordnet von 400 bis 750&#xa0;THz (links Infrarot, rechts Ultraviolett),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oben das Spektrum der Sonne, nach Wellenlängen geordnet von 400 bis 750&#xa0;nm (links Ultraviolett, rechts Infrarot),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit %1 dunklen Fraunhofer-Linien bei %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohne Fraunhofer-Linien.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darunter das Linienspektrum von %1 mit %2 hellen Linien bei %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darunter ist noch kein Linienspektrum: Es ist kein Gas gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dazu die Versuchsanordnung: Das Licht der leuchtenden Röhre mit %1 fällt in den Spektralapparat, punktierte Lichtwege führen von ihm zu den Linien.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dazu die Versuchsanordnung: eine leere Röhre vor dem Spektralapparat.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
