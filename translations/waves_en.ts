<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>TFormBeugung3</name>
    <message>
        <source>Beugungsbild: Welle und Blende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idealisierte Animation: Beugung einer ebenen Welle an einer Kante; Wellenlänge %1&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idealisierte Animation: Beugung einer ebenen Welle an einem Spalt; Wellenlänge %1&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Spalt von %1&#xa0;Pixel Breite; Wellenlänge %2&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Doppelspalt, jeder Spalt %1&#xa0;Pixel breit, Abstand der Spalte %2&#xa0;Pixel; Wellenlänge %3&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Gitter mit der Gitterkonstante %1&#xa0;Pixel; Wellenlänge %2&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: Beugung an einer Kante; Wellenlänge %1&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Hindernis von %1&#xa0;Pixel Breite; Wellenlänge %2&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: eine ebene Welle ohne Blende; Wellenlänge %1&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen hinter der Blende werden gerade berechnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch ist keine Welle gezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch ist keine Welle gezeichnet, nur die Blende.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gezeigt wird die zeitlich gemittelte Intensität hinter der Blende: je heller, desto größer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die ebene Welle läuft ungehindert von links nach rechts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von links läuft die ebene Welle auf die Blende zu; dahinter zeigt die Simulation die Überlagerung der Elementarwellen aus allen offenen Stellen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wellenzug hat das Bild verlassen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die ebene Welle läuft von links auf die Blende zu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinter der Kante breitet sich die Welle auch in den Bereich des geometrischen Schattens aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinter dem Spalt breitet sich die Welle auch in den Bereich des geometrischen Schattens aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeile zeigen die Ausbreitungsrichtungen der ungebeugten und der gebeugten Welle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeile zeigen die Ausbreitungsrichtung der ungebeugten Welle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeile zeigen die Ausbreitungsrichtungen der gebeugten Welle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormDoppelspalt</name>
    <message>
        <source>Schirm mit den Auftreffpunkten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blickrichtung von links oder rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blickrichtung von oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schräge Ansicht der Versuchsanordnung: Die sehr schwache Lampe leuchtet durch den Doppelspalt auf den Schirm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schräge Ansicht der Versuchsanordnung: Lampe, Doppelspalt und Schirm; die Lampe ist aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Schirm von vorn, vergrößert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Schirm von vorn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch kein Quant ist auf dem Schirm angekommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bisher ist ein Quant auf dem Schirm angekommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bisher sind %1 Quanten auf dem Schirm angekommen, zum Teil vierfach gespiegelt eingezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bisher sind %1 Quanten auf dem Schirm angekommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die blaue Kurve der Wellenintensität hat ein einziges Maximum in der Mitte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die blaue Kurve der Wellenintensität hat ihr höchstes Maximum in der Mitte und ein weiteres zu jeder Seite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die blaue Kurve der Wellenintensität hat ihr höchstes Maximum in der Mitte und %1 weitere zu jeder Seite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graue Streifen zeigen, wie hell der Schirm nach der Wellentheorie mit starker Lichtquelle wäre.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormHeisenberg</name>
    <message>
        <source>Spalt mit Licht und Photonen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erklärung des Schritts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In wirklicher Größe: ein Spalt von %1&#xa0;Pixel Breite, dahinter abgedeckt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verkleinert im Maßstab 1 : 10: Licht der Wellenlänge %1&#xa0;Pixel fällt von links auf einen Spalt von %2&#xa0;Pixel Breite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In wirklicher Größe: Licht der Wellenlänge %1&#xa0;Pixel fällt von links auf einen Spalt von %2&#xa0;Pixel Breite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ortsachse x zeigt nach oben; zwei Pfeile von der Spaltmitte zu den Rändern markieren die Ortsunschärfe Δx = %1&#xa0;Pixel, die halbe Spaltbreite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ortsachse x zeigt nach oben, quer zur Flugrichtung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulspfeile p: einer geradeaus, zwei unter α = %1 zu den ersten Minima; ihre Querkomponente Δp ist %2·p.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impulspfeile p: einer geradeaus und zwei quer dazu, denn es gibt kein erstes Minimum; die Querkomponente Δp ist so groß wie p.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das erste Minimum der Beugung liegt unter α = %1 zur Flugrichtung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Spalt ist nicht breiter als die Wellenlänge: Es gibt kein erstes Minimum, das Licht breitet sich hinter dem Spalt nach allen Seiten aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lichtwelle hinter dem Spalt wird gerade berechnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinter dem Spalt breitet sich die Lichtwelle gebeugt aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch ist keine Lichtwelle gezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Lichtintensität hinter dem Spalt ist eingezeichnet: je heller, desto größer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photonen fliegen einzeln von links heran und werden an der Abdeckung absorbiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photonen fliegen einzeln durch den Spalt, die meisten zwischen die beiden ersten Minima.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photonen fliegen einzeln durch den Spalt, in verschiedene Richtungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ihre Flugbahnen sind als Spuren eingezeichnet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormInterferenz</name>
    <message>
        <source>Seil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seil nur mit Welle 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seil nur mit Welle 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wasseroberfläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitlich gemittelte Intensität auf der Wasseroberfläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnitt AB durch die Wasseroberfläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnitt CD durch die Wasseroberfläche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markierung der Wellenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markierung der Wellenlänge 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noch keine Wellenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine Wellenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Wellenlängen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur die Welle vom linken Ende, ohne die zweite.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur die Welle vom rechten Ende, ohne die erste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von links nach rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von rechts nach links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Wellenzug aus einem Berg und einem Tal läuft %1 über das Seil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine fortlaufende Welle läuft %1 über das Seil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von beiden Enden laufen zwei %1 Wellenzüge aus je einem Berg und einem Tal aufeinander zu; die Enden schwingen %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von beiden Enden laufen zwei %1 fortlaufende Wellen aufeinander zu; die Enden schwingen %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verschiedene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gleiche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gegenphasig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gleichphasig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf das Seil passen %1 Wellenlängen der Welle 1 und %2 der Welle 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf das Seil passen %1 Wellenlängen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Knoten ist markiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Bauch ist markiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Punkt des Seils ist markiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Punkte des Seils sind markiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Seil ist in Ruhe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Welle füllt das ganze Seil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wellenzug hat das Seil verlassen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wellenzug erreicht das andere Ende des Seils.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenfront hat %1 zurückgelegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen überlagern sich auf dem ganzen Seil.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf dem ganzen Seil schwingt eine stehende Welle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen haben sich noch nicht getroffen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenzüge treffen sich in der Mitte und überlagern sich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenzüge haben das Seil verlassen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenzüge sind durcheinander hindurchgelaufen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen überlagern sich im mittleren Teil des Seils.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>je einen Wellenzug aus einem Berg und einem Tal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fortlaufende Wellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Zentrum %1 sendet einen Wellenzug aus einem Berg und einem Tal aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Zentrum %1 sendet eine fortlaufende Welle aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>am linken Rand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>am rechten Rand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zwei Zentren, am linken und am rechten Rand, schwingen %1 und senden %2 aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zwei Zentren übereinander am linken Rand schwingen %1 und senden %2 aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist %1 Wellenlängen breit; die rote Linie AB führt waagrecht, die blaue Linie CD senkrecht durch seine Mitte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Wasser ist in Ruhe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen bedecken das ganze Bild.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Welle bedeckt das ganze Bild.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenzüge haben das Bild verlassen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wellenzug hat das Bild verlassen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenzüge laufen aus dem Bild hinaus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Wellenzug läuft aus dem Bild hinaus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenfronten sind %1 von ihren Zentren entfernt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellenfront ist %1 vom Zentrum entfernt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer: Die Intensität wird für zwei Zentren mit fortlaufenden Wellen gezeigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitlich gemittelte Intensität der beiden Wellen: hell, wo sie sich verstärken, dunkel, wo sie sich auslöschen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Linie %1 kreuzt einen hellen Streifen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Linie %1 kreuzt %2 helle Streifen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Wasser ist in Ruhe: Längs der Linie %1 zeigt die Kurve keine Auslenkung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kurve zeigt die Auslenkung der Wasseroberfläche längs der Linie %1 in diesem Augenblick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die graue Strecke auf der Nulllinie ist eine Wellenlänge lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeder Punkt dieser Linie ist von beiden Zentren gleich weit entfernt: Die Wellen verstärken sich hier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeder Punkt dieser Linie ist von beiden Zentren gleich weit entfernt; da sie gegenphasig schwingen, löschen sich die Wellen hier aus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Linie verbindet die beiden Zentren: Zwischen ihnen bildet sich eine stehende Welle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“: Die Strecke ist eine Wellenlänge lang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild der Wasseroberfläche ist %1-mal so breit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Seil ist %1-mal so lang.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormStWellen</name>
    <message>
        <source>Seil mit den sich überlagernden Wellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erste der sich überlagernden Wellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zweite der sich überlagernden Wellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markierung der gemeinsamen Wellenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Strecke neben „gemeinsame Wellenlänge“ ist eine Wellenlänge lang: %1&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erklärung des Schritts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zum festen Ende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zum losen Ende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein %1 und ein %2 laufen aufeinander zu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von beiden Enden laufen fortlaufende Wellen aufeinander zu; die Enden schwingen %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gegenphasig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gleichphasig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein %1 läuft %2 rechts; dort entsteht ein %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine fortlaufende Welle läuft %1 rechts und wird dort reflektiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Saite ist an beiden Enden eingespannt und schwingt mit einem Bauch und 2 Knoten, die Enden mitgezählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Saite ist an beiden Enden eingespannt und schwingt mit %1 Bäuchen und %2 Knoten, die Enden mitgezählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Von Knoten zu Knoten ist es eine halbe Wellenlänge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wellenlänge %1&#xa0;Pixel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Saite ist in Ruhe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Seil ist in Ruhe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die beiden haben sich noch nicht getroffen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie überlagern sich gerade in der Mitte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sie sind durcheinander hindurchgelaufen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen haben sich noch nicht getroffen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Wellen überlagern sich im mittleren Teil des Seils.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auf dem ganzen Seil schwingt eine stehende Welle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Reflexion am Ende steht noch bevor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am Ende wird gerade reflektiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Reflexion ist vorbei; der reflektierte Teil läuft nach links zurück.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Welle hat das Ende noch nicht erreicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ankommende und reflektierte Welle überlagern sich nahe dem Ende.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ankommende und reflektierte Welle bilden auf dem ganzen Seil eine stehende Welle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am festen Ende liegt ein Knoten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Am losen Ende liegt ein Bauch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Saite schwingt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer: Die sich überlagernden Wellen werden nicht getrennt gezeigt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“: diese Welle allein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch in Ruhe.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
