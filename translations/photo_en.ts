<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>GegenfeldFenster</name>
    <message>
        <source>Photozelle mit Lampe, Gegenspannung und Messgerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photozelle mit einer Schicht aus %1, Gegenspannung %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, als Wellen dargestellt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, als Photonen dargestellt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lampe strahlt Licht von %1 mit der Intensität %2 ein%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lampe ist aus (eingestellt: %1, Intensität %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Messgerät zeigt einen Ausschlag von %1&#xa0;% des Vollausschlags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Messgerät zeigt keinen Ausschlag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In diesem Ablauf ausgelöste Elektronen: %1, davon am Ring angekommen: %2; gerade unterwegs: %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HallwachsFenster</name>
    <message>
        <source>Die Lampe bestrahlt %1 mit %2, Lichtintensität %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lampe ist aus (Experiment mit %1, Lichtintensität %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sind über das Messgerät und eine Spannungsquelle verbunden; es zeigt einen Ausschlag von %2&#xa0;% des Vollausschlags.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sind über das Messgerät und eine Spannungsquelle verbunden; es zeigt keinen Ausschlag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Elektron fliegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Elektron fliegt %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Elektronen fliegen %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lampenwahl</name>
    <message>
        <source>Spektrum der Lampe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontinuierliches Spektrum der Glühlampe von %1&#xa0;THz (Rot) bis %2&#xa0;THz (Violett); gewählt ist %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quecksilber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linienspektrum von %1: keine Linie zwischen %2 und %3&#xa0;THz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linienspektrum von %1 zwischen %2 und %3&#xa0;THz mit Linien bei %4&#xa0;THz; hervorgehoben ist die gewählte Linie bei %5.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormEinsteinGl</name>
    <message>
        <source>Einstein-Gerade: Energie der Photoelektronen über der Frequenz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinetische Energie der Elektronen (eV) über der Frequenz des Lichts (THz) für die %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, mit ihren Spektrallinien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; darüber der sichtbare Bereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Messpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Messpunkte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, Gerade mit den Achsenabschnitten %3&#xa0;THz und %4਎V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Metall gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metalle: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steigungsdreieck bei %1: Höhe %2਎V, Breite %3&#xa0;THz.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormHallwachs</name>
    <message>
        <source>Versuch mit Zinkplatte und Lampe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Zinkplatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platte und Metallring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Platte ist geerdet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zum Metallring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von der Platte weg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPhotozelle5</name>
    <message>
        <source>Vakuum-Photozelle mit Lampe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die lichtempfindliche Metallschicht der Photozelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metallschicht und Ring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Messgerät ist angeschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zum Ring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPlanckKonstante2</name>
    <message>
        <source>Berechnete Planck-Konstante</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
