<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>TFormBohrAtom2</name>
    <message>
        <source>Zustand, in dem sich das Atom befindet (höchstens 6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wasserstoffatom nach Bohr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energiestufen des Wasserstoffatoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie abgeben durch einen Sprung auf Bahn Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie aufnehmen durch einen Sprung auf Bahn Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie abgeben durch Emission der Linie Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energie aufnehmen durch Absorption der Linie Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serie der emittierten Linie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serie der absorbierten Linie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Kern und die ersten %1 Bahnen, beschriftet mit Gesamtenergie und Nummer. Das Elektron ist auf Bahn %2 (Radius %3 · r₁, Gesamtenergie %4 eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, Bahn %1 ist als Ziel hervorgehoben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ein Photon von %1 THz fliegt aus dem Atom hinaus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Ein Photon von %1 THz fliegt auf das Elektron zu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgeblendet: „Zeige Energiestufen“ ist ausgeschaltet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stufe %1 (%2 eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Stufen 1 bis %1, darüber gestrichelt die Ionisierungsgrenze bei 0 eV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hervorgehoben sind %1 und %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hervorgehoben ist %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Markiert ist der Übergang zwischen Stufe %1 und Stufe %2, eine Linie der %3 mit %4 THz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Atom sendet dieses Photon gerade aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Atom nimmt dieses Photon gerade auf.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormHAtom3</name>
    <message>
        <source>Zeichne bis zu … Linien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erklärung des Schritts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energiestufen des Wasserstoffatoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schritt %1 von 12: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyman-, Balmer-, Paschen- und Brackett-Serie mit je %1 Linien waagerecht über der Frequenz, darunter die Skalen für Frequenz in THz, Photonenenergie in eV und Wellenlänge in nm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Die Seriengrenzen sind markiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links die Formel für die Energie E der Stufe n über dem Grundzustand, E = R · c · h · (1 − 1/n²), rechts das Energieschema des Atoms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyman-, Balmer-, Paschen- und Brackett-Serie als senkrechte Säulen, jede Linie in der Höhe der Energie ihrer Photonen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, die Energien als Balken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, rechts die Skala in eV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, die Seriengrenzen markiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Energieschema des Atoms zeigt die Stufen 1 bis %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Energieschema des Atoms zeigt die Stufen 1 und 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Energieschema des Atoms zeigt Stufe 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, hervorgehoben Stufe %1 mit %2 eV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; ein Sprung ist eingezeichnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 Sprünge sind eingezeichnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, markiert der von Stufe %1 auf Stufe %2 (%3 eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die Ionisierungsgrenze bei %1 eV ist markiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die %1 steht auf Stufe %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die %1 wird auf Stufe %2 gehoben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormHAtomProbe3</name>
    <message>
        <source>Zustand, in dem sich das Atom befindet (höchstens 9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entweder: Zustand, in den es unter Abgabe eines Photons springen soll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oder: Nummer der Linie, deren Photon es absorbieren soll (höchstens 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serie der Linie, deren Photon es absorbieren soll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo der Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energiestufen des Wasserstoffatoms mit den Serien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lyman-, Balmer-, Paschen- und Brackett-Serie als Säulen, jede auf der Stufe, auf der sie endet; links das Energieschema mit den Stufen 1 bis %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Atom springt von Stufe %1 auf Stufe %2 und sendet dabei ein Photon von %3 eV (%4 THz) aus, die %5. Linie der %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Atom absorbiert ein Photon von %3 eV (%4 THz), die %5. Linie der %6, und springt dabei von Stufe %1 auf Stufe %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Das Elektron ist auf Stufe %1 (%2 eV über dem Grundzustand).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Die Seriengrenzen und die Ionisierungsgrenze sind markiert.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormHSerien</name>
    <message>
        <source>Spektralserien des Wasserstoffatoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Serie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach Frequenzen geordnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach Wellenlängen geordnet im angepassten Maßstab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach Wellenlängen geordnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>alle auf gleicher Höhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jede in eigener Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>senkrecht gegeneinander versetzt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und mit Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die ersten %1 Serien des Wasserstoffspektrums mit je %2 Linien, %3, %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Linien reichen von %1 nm (Lyman-Serie) bis %2 nm (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Linien reichen von %1 THz (%2) bis %3 THz (Lyman-Serie)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; ab der %1 überlappen sich die Serien.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die Serien überlappen sich nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Seriengrenzen sind markiert (%1 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die ersten Linien sind dick gezeichnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oben zeigt ein Streifen das sichtbare Licht von %1 bis %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
