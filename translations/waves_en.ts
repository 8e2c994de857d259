<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>HeisenbergBild</name>
    <message>
        <source>Spalt  </source>
        <translation>Slit  </translation>
    </message>
    <message>
        <source>Maßstab 1 : 10</source>
        <translation>Scale 1 : 10</translation>
    </message>
</context>
<context>
    <name>StWellenBild</name>
    <message>
        <source>gemeinsame Wellenlänge:</source>
        <translation>common wavelength:</translation>
    </message>
    <message>
        <source>Knoten</source>
        <translation>node</translation>
    </message>
    <message>
        <source>Bauch</source>
        <translation>antinode</translation>
    </message>
</context>
<context>
    <name>StehendeWellen</name>
    <message>
        <source>von links kommender Wellenberg</source>
        <translation>crest coming from the left</translation>
    </message>
    <message>
        <source>von links kommendes Wellental</source>
        <translation>trough coming from the left</translation>
    </message>
    <message>
        <source>von rechts kommender Wellenberg</source>
        <translation>crest coming from the right</translation>
    </message>
    <message>
        <source>von rechts kommendes Wellental</source>
        <translation>trough coming from the right</translation>
    </message>
    <message>
        <source>reflektierter Wellenberg</source>
        <translation>reflected crest</translation>
    </message>
    <message>
        <source>reflektiertes Wellental</source>
        <translation>reflected trough</translation>
    </message>
    <message>
        <source>ankommende Welle</source>
        <translation>incoming wave</translation>
    </message>
    <message>
        <source>reflektierte Welle</source>
        <translation>reflected wave</translation>
    </message>
    <message>
        <source>von links kommende Welle</source>
        <translation>wave coming from the left</translation>
    </message>
    <message>
        <source>von rechts kommende Welle</source>
        <translation>wave coming from the right</translation>
    </message>
</context>
<context>
    <name>TFormBeugung3</name>
    <message>
        <source>Beugungsbild: Welle und Blende</source>
        <translation>Diffraction picture: wave and barrier</translation>
    </message>
    <message>
        <source>Idealisierte Animation: Beugung einer ebenen Welle an einer Kante; Wellenlänge %1&#xa0;Pixel.</source>
        <translation>Idealised animation: diffraction of a plane wave at an edge; wavelength %1&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Idealisierte Animation: Beugung einer ebenen Welle an einem Spalt; Wellenlänge %1&#xa0;Pixel.</source>
        <translation>Idealised animation: diffraction of a plane wave at a slit; wavelength %1&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Spalt von %1&#xa0;Pixel Breite; Wellenlänge %2&#xa0;Pixel.</source>
        <translation>Simulation: diffraction at a slit %1&#xa0;pixels wide; wavelength %2&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Doppelspalt, jeder Spalt %1&#xa0;Pixel breit, Abstand der Spalte %2&#xa0;Pixel; Wellenlänge %3&#xa0;Pixel.</source>
        <translation>Simulation: diffraction at a double slit, each slit %1&#xa0;pixels wide, slit separation %2&#xa0;pixels; wavelength %3&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Gitter mit der Gitterkonstante %1&#xa0;Pixel; Wellenlänge %2&#xa0;Pixel.</source>
        <translation>Simulation: diffraction at a grating with a grating spacing of %1&#xa0;pixels; wavelength %2&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Simulation: Beugung an einer Kante; Wellenlänge %1&#xa0;Pixel.</source>
        <translation>Simulation: diffraction at an edge; wavelength %1&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Simulation: Beugung an einem Hindernis von %1&#xa0;Pixel Breite; Wellenlänge %2&#xa0;Pixel.</source>
        <translation>Simulation: diffraction at an obstacle %1&#xa0;pixels wide; wavelength %2&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Simulation: eine ebene Welle ohne Blende; Wellenlänge %1&#xa0;Pixel.</source>
        <translation>Simulation: a plane wave without a barrier; wavelength %1&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Die Wellen hinter der Blende werden gerade berechnet.</source>
        <translation>The waves behind the barrier are being calculated.</translation>
    </message>
    <message>
        <source>Noch ist keine Welle gezeichnet.</source>
        <translation>No wave has been drawn yet.</translation>
    </message>
    <message>
        <source>Noch ist keine Welle gezeichnet, nur die Blende.</source>
        <translation>No wave has been drawn yet, only the barrier.</translation>
    </message>
    <message>
        <source>Gezeigt wird die zeitlich gemittelte Intensität hinter der Blende: je heller, desto größer.</source>
        <translation>Shown is the time-averaged intensity behind the barrier: the brighter, the greater.</translation>
    </message>
    <message>
        <source>Die ebene Welle läuft ungehindert von links nach rechts.</source>
        <translation>The plane wave travels unobstructed from left to right.</translation>
    </message>
    <message>
        <source>Von links läuft die ebene Welle auf die Blende zu; dahinter zeigt die Simulation die Überlagerung der Elementarwellen aus allen offenen Stellen.</source>
        <translation>The plane wave travels from the left towards the barrier; behind it, the simulation shows the superposition of the wavelets from all the open points.</translation>
    </message>
    <message>
        <source>Der Wellenzug hat das Bild verlassen.</source>
        <translation>The wave train has left the picture.</translation>
    </message>
    <message>
        <source>Die ebene Welle läuft von links auf die Blende zu.</source>
        <translation>The plane wave travels from the left towards the barrier.</translation>
    </message>
    <message>
        <source>Hinter der Kante breitet sich die Welle auch in den Bereich des geometrischen Schattens aus.</source>
        <translation>Behind the edge, the wave also spreads into the region of the geometric shadow.</translation>
    </message>
    <message>
        <source>Hinter dem Spalt breitet sich die Welle auch in den Bereich des geometrischen Schattens aus.</source>
        <translation>Behind the slit, the wave also spreads into the region of the geometric shadow.</translation>
    </message>
    <message>
        <source>Pfeile zeigen die Ausbreitungsrichtungen der ungebeugten und der gebeugten Welle.</source>
        <translation>Arrows show the directions of propagation of the undiffracted and the diffracted wave.</translation>
    </message>
    <message>
        <source>Pfeile zeigen die Ausbreitungsrichtung der ungebeugten Welle.</source>
        <translation>Arrows show the direction of propagation of the undiffracted wave.</translation>
    </message>
    <message>
        <source>Pfeile zeigen die Ausbreitungsrichtungen der gebeugten Welle.</source>
        <translation>Arrows show the directions of propagation of the diffracted wave.</translation>
    </message>
    <message>
        <source>%1&#xa0;Pixel</source>
        <translation>%1&#xa0;pixels</translation>
    </message>
    <message>
        <source>Eine weitere Welleneigenschaft: Beugung</source>
        <translation>Another property of waves: diffraction</translation>
    </message>
    <message>
        <source>Beugung einer ebenen Welle</source>
        <translation>Diffraction of a plane wave</translation>
    </message>
    <message>
        <source>Zeige</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>(idealisiert)</source>
        <translation>(idealised)</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>(realistischer)</source>
        <translation>(more realistic)</translation>
    </message>
    <message>
        <source>Beugung an</source>
        <translation>Diffraction at</translation>
    </message>
    <message>
        <source>Kante</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Spalt</source>
        <translation>Slit</translation>
    </message>
    <message>
        <source>Nur 1 „Berg und Tal“</source>
        <translation>Just 1 crest + trough</translation>
    </message>
    <message>
        <source>Fortlaufende Welle</source>
        <translation>Continuous wave</translation>
    </message>
    <message>
        <source>Die Welle </source>
        <translation>The wave </translation>
    </message>
    <message>
        <source>startet erst</source>
        <translation>is just starting</translation>
    </message>
    <message>
        <source>ist schon unterwegs</source>
        <translation>is already running</translation>
    </message>
    <message>
        <source>Die Ausbreitungsrichtung</source>
        <translation>Direction of propagation</translation>
    </message>
    <message>
        <source>der ungebeugten</source>
        <translation>of the undiffracted</translation>
    </message>
    <message>
        <source>der gebeugten</source>
        <translation>of the diffracted</translation>
    </message>
    <message>
        <source>Welle</source>
        <translation>wave</translation>
    </message>
    <message>
        <source>Doppelspalt</source>
        <translation>Double slit</translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation>Grating</translation>
    </message>
    <message>
        <source>Hindernis</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>ohne</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Spaltbreite</source>
        <translation>Slit width</translation>
    </message>
    <message>
        <source>Abstand der Spalte</source>
        <translation>Slit separation</translation>
    </message>
    <message>
        <source>200&#xa0;Pixel</source>
        <translation>200&#xa0;pixels</translation>
    </message>
    <message>
        <source>Gitterkonstante</source>
        <translation>Grating spacing</translation>
    </message>
    <message>
        <source>80&#xa0;Pixel</source>
        <translation>80&#xa0;pixels</translation>
    </message>
    <message>
        <source>Zeige Intensität </source>
        <translation>Show intensity </translation>
    </message>
    <message>
        <source>Zeigt die Wellenintensität, solange die linke Maustaste darauf gedrückt ist</source>
        <translation>Shows the wave intensity while the left mouse button is held down on it</translation>
    </message>
    <message>
        <source>&amp;Hinweise</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Bilder pro Schwingung</source>
        <translation>Frames per oscillation</translation>
    </message>
    <message>
        <source>Zeichne Wellen</source>
        <translation>Draw waves</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>coarse</translation>
    </message>
    <message>
        <source> Gezeichneter Ausschnitt </source>
        <translation> Drawn area </translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Breite Einzelspalt</source>
        <translation>Width of each slit</translation>
    </message>
    <message>
        <source>Hindernisbreite</source>
        <translation>Obstacle width</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
    </message>
</context>
<context>
    <name>TFormDoppelspalt</name>
    <message>
        <source>Schirm mit den Auftreffpunkten</source>
        <translation>Screen with the points of impact</translation>
    </message>
    <message>
        <source>Blickrichtung von links oder rechts</source>
        <translation>Viewing direction from the left or right</translation>
    </message>
    <message>
        <source>Blickrichtung von oben</source>
        <translation>Viewing direction from above</translation>
    </message>
    <message>
        <source>Schräge Ansicht der Versuchsanordnung: Die sehr schwache Lampe leuchtet durch den Doppelspalt auf den Schirm.</source>
        <translation>Oblique view of the apparatus: the very faint lamp shines through the double slit onto the screen.</translation>
    </message>
    <message>
        <source>Schräge Ansicht der Versuchsanordnung: Lampe, Doppelspalt und Schirm; die Lampe ist aus.</source>
        <translation>Oblique view of the apparatus: lamp, double slit and screen; the lamp is off.</translation>
    </message>
    <message>
        <source>Der Schirm von vorn, vergrößert.</source>
        <translation>The screen from the front, enlarged.</translation>
    </message>
    <message>
        <source>Der Schirm von vorn.</source>
        <translation>The screen from the front.</translation>
    </message>
    <message>
        <source>Noch kein Quant ist auf dem Schirm angekommen.</source>
        <translation>No quantum has reached the screen yet.</translation>
    </message>
    <message>
        <source>Bisher ist ein Quant auf dem Schirm angekommen.</source>
        <translation>So far one quantum has reached the screen.</translation>
    </message>
    <message>
        <source>Bisher sind %1 Quanten auf dem Schirm angekommen, zum Teil vierfach gespiegelt eingezeichnet.</source>
        <translation>So far %1 quanta have reached the screen, some of them drawn four times by mirroring.</translation>
    </message>
    <message>
        <source>Bisher sind %1 Quanten auf dem Schirm angekommen.</source>
        <translation>So far %1 quanta have reached the screen.</translation>
    </message>
    <message>
        <source>Die rote Kurve der Wellenintensität hat ein einziges Maximum in der Mitte.</source>
        <translation>The red curve of the wave intensity has a single maximum in the middle.</translation>
    </message>
    <message>
        <source>Die rote Kurve der Wellenintensität hat ihr höchstes Maximum in der Mitte und ein weiteres zu jeder Seite.</source>
        <translation>The red curve of the wave intensity has its highest maximum in the middle and one more on each side.</translation>
    </message>
    <message>
        <source>Die rote Kurve der Wellenintensität hat ihr höchstes Maximum in der Mitte und %1 weitere zu jeder Seite.</source>
        <translation>The red curve of the wave intensity has its highest maximum in the middle and %1 more on each side.</translation>
    </message>
    <message>
        <source>Graue Streifen zeigen, wie hell der Schirm nach der Wellentheorie mit starker Lichtquelle wäre.</source>
        <translation>Grey stripes show how bright the screen would be according to the wave theory with a strong light source.</translation>
    </message>
    <message>
        <source>Doppelspaltversuch mit Elektronen oder Photonen</source>
        <translation>Double-slit experiment with electrons or photons</translation>
    </message>
    <message>
        <source>Der Doppelspaltversuch</source>
        <translation>The double-slit experiment</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>Mit &amp;Versuchsanordnung</source>
        <translation>With &amp;apparatus</translation>
    </message>
    <message>
        <source>ja </source>
        <translation>yes </translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Schirm &amp;größer zeichnen</source>
        <translation>Draw screen &amp;larger</translation>
    </message>
    <message>
        <source>Blickrichtung</source>
        <translation>Viewing angle</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Abstand der 2 Spalte</source>
        <translation>Slit separation</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>Mit &amp;Wellenintensität</source>
        <translation>With &amp;wave intensity</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>Schirm &amp;löschen</source>
        <translation>&amp;Clear screen</translation>
    </message>
    <message>
        <source>Erwartung auf Grund der Wellentheorie (mit starker Lichtquelle)</source>
        <translation>Expectation from the wave theory (with a strong light source)</translation>
    </message>
    <message>
        <source>Zur besseren Unterscheidung mit Graustufen (statt gelb)</source>
        <translation>In shades of grey (not yellow) to tell them apart</translation>
    </message>
    <message>
        <source>&amp;Infos</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
</context>
<context>
    <name>TFormHeisenberg</name>
    <message>
        <source>Spalt mit Licht und Photonen</source>
        <translation>Slit with light and photons</translation>
    </message>
    <message>
        <source>Erklärung des Schritts</source>
        <translation>Explanation of the step</translation>
    </message>
    <message>
        <source>In wirklicher Größe: ein Spalt von %1&#xa0;Pixel Breite, dahinter abgedeckt.</source>
        <translation>Actual size: a slit %1&#xa0;pixels wide, covered behind it.</translation>
    </message>
    <message>
        <source>Verkleinert im Maßstab 1 : 10: Licht der Wellenlänge %1&#xa0;Pixel fällt von links auf einen Spalt von %2&#xa0;Pixel Breite.</source>
        <translation>Reduced to a scale of 1 : 10: light of wavelength %1&#xa0;pixels falls from the left onto a slit %2&#xa0;pixels wide.</translation>
    </message>
    <message>
        <source>In wirklicher Größe: Licht der Wellenlänge %1&#xa0;Pixel fällt von links auf einen Spalt von %2&#xa0;Pixel Breite.</source>
        <translation>Actual size: light of wavelength %1&#xa0;pixels falls from the left onto a slit %2&#xa0;pixels wide.</translation>
    </message>
    <message>
        <source>Die Ortsachse x zeigt nach oben; zwei Pfeile von der Spaltmitte zu den Rändern markieren die Ortsunschärfe Δx = %1&#xa0;Pixel, die halbe Spaltbreite.</source>
        <translation>The position axis x points upwards; two arrows from the middle of the slit to its edges mark the position uncertainty Δx = %1&#xa0;pixels, half the slit width.</translation>
    </message>
    <message>
        <source>Die Ortsachse x zeigt nach oben, quer zur Flugrichtung.</source>
        <translation>The position axis x points upwards, across the direction of flight.</translation>
    </message>
    <message>
        <source>Impulspfeile p: einer geradeaus, zwei unter α = %1 zu den ersten Minima; ihre Querkomponente Δp ist %2·p.</source>
        <translation>Momentum arrows p: one straight ahead, two at α = %1 towards the first minima; their transverse component Δp is %2·p.</translation>
    </message>
    <message>
        <source>Impulspfeile p: einer geradeaus und zwei quer dazu, denn es gibt kein erstes Minimum; die Querkomponente Δp ist so groß wie p.</source>
        <translation>Momentum arrows p: one straight ahead and two at right angles to it, since there is no first minimum; the transverse component Δp is as large as p.</translation>
    </message>
    <message>
        <source>Das erste Minimum der Beugung liegt unter α = %1 zur Flugrichtung.</source>
        <translation>The first diffraction minimum lies at α = %1 to the direction of flight.</translation>
    </message>
    <message>
        <source>Der Spalt ist nicht breiter als die Wellenlänge: Es gibt kein erstes Minimum, das Licht breitet sich hinter dem Spalt nach allen Seiten aus.</source>
        <translation>The slit is no wider than the wavelength: there is no first minimum, and the light spreads out in all directions behind the slit.</translation>
    </message>
    <message>
        <source>Die Lichtwelle hinter dem Spalt wird gerade berechnet.</source>
        <translation>The light wave behind the slit is being calculated.</translation>
    </message>
    <message>
        <source>Hinter dem Spalt breitet sich die Lichtwelle gebeugt aus.</source>
        <translation>Behind the slit, the light wave spreads out by diffraction.</translation>
    </message>
    <message>
        <source>Noch ist keine Lichtwelle gezeichnet.</source>
        <translation>No light wave has been drawn yet.</translation>
    </message>
    <message>
        <source>Die Lichtintensität hinter dem Spalt ist eingezeichnet: je heller, desto größer.</source>
        <translation>The light intensity behind the slit is drawn in: the brighter, the greater.</translation>
    </message>
    <message>
        <source>Photonen fliegen einzeln von links heran und werden an der Abdeckung absorbiert.</source>
        <translation>Photons fly in one by one from the left and are absorbed by the cover.</translation>
    </message>
    <message>
        <source>Photonen fliegen einzeln durch den Spalt, die meisten zwischen die beiden ersten Minima.</source>
        <translation>Photons fly one by one through the slit, most of them between the two first minima.</translation>
    </message>
    <message>
        <source>Photonen fliegen einzeln durch den Spalt, in verschiedene Richtungen.</source>
        <translation>Photons fly one by one through the slit, in different directions.</translation>
    </message>
    <message>
        <source>Ihre Flugbahnen sind als Spuren eingezeichnet.</source>
        <translation>Their paths are drawn in as tracks.</translation>
    </message>
    <message>
        <source>Heisenberg’sche Unschärferelation</source>
        <translation>Heisenberg’s uncertainty principle</translation>
    </message>
    <message>
        <source>Die Heisenberg’sche Unschärferelation</source>
        <translation>The Heisenberg uncertainty principle</translation>
    </message>
    <message>
        <source>Infos</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Info löschen</source>
        <translation>Delete info</translation>
    </message>
    <message>
        <source>&amp;Schritt zurück</source>
        <translation>s&amp;tep back</translation>
    </message>
    <message>
        <source>zum &amp;Beginn</source>
        <translation>to the &amp;start</translation>
    </message>
    <message>
        <source>&amp;nächster Schritt</source>
        <translation>&amp;next step</translation>
    </message>
    <message>
        <source>Diesen Text neu erstellen</source>
        <translation>Write this text anew</translation>
    </message>
    <message>
        <source>Spaltbreite</source>
        <translation>Slit width</translation>
    </message>
    <message>
        <source>200&#xa0;Pixel</source>
        <translation>200&#xa0;pixels</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>80&#xa0;Pixel</source>
        <translation>80&#xa0;pixels</translation>
    </message>
    <message>
        <source>Zeichne Wellen</source>
        <translation>Draw waves</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>coarse</translation>
    </message>
    <message>
        <source>Mit Licht&amp;intensität</source>
        <translation>With light &amp;intensity</translation>
    </message>
    <message>
        <source>Zeige „Spuren“</source>
        <translation>Show “tracks”</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source> &amp;Gezeichneter Ausschnitt </source>
        <translation> &amp;Drawn area </translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
    </message>
    <message>
        <source>Zeichne Intensität</source>
        <translation>Draw intensity</translation>
    </message>
    <message>
        <source>Schritt %1 / 6</source>
        <translation>Step %1 / 6</translation>
    </message>
</context>
<context>
    <name>TFormInterferenz</name>
    <message>
        <source>Seil</source>
        <translation>Rope</translation>
    </message>
    <message>
        <source>Seil nur mit Welle 1</source>
        <translation>Rope with wave 1 only</translation>
    </message>
    <message>
        <source>Seil nur mit Welle 2</source>
        <translation>Rope with wave 2 only</translation>
    </message>
    <message>
        <source>Wasseroberfläche</source>
        <translation>Water surface</translation>
    </message>
    <message>
        <source>Zeitlich gemittelte Intensität auf der Wasseroberfläche</source>
        <translation>Time-averaged intensity on the water surface</translation>
    </message>
    <message>
        <source>Schnitt AB durch die Wasseroberfläche</source>
        <translation>Section AB through the water surface</translation>
    </message>
    <message>
        <source>Schnitt CD durch die Wasseroberfläche</source>
        <translation>Section CD through the water surface</translation>
    </message>
    <message>
        <source>Markierung der Wellenlänge</source>
        <translation>Wavelength marker</translation>
    </message>
    <message>
        <source>Markierung der Wellenlänge 2</source>
        <translation>Marker of wavelength 2</translation>
    </message>
    <message>
        <source>noch keine Wellenlänge</source>
        <translation>less than one wavelength</translation>
    </message>
    <message>
        <source>eine Wellenlänge</source>
        <translation>one wavelength</translation>
    </message>
    <message>
        <source>%1 Wellenlängen</source>
        <translation>%1 wavelengths</translation>
    </message>
    <message>
        <source>Nur die Welle vom linken Ende, ohne die zweite.</source>
        <translation>Only the wave from the left end, without the second one.</translation>
    </message>
    <message>
        <source>Nur die Welle vom rechten Ende, ohne die erste.</source>
        <translation>Only the wave from the right end, without the first one.</translation>
    </message>
    <message>
        <source>von links nach rechts</source>
        <translation>from left to right</translation>
    </message>
    <message>
        <source>von rechts nach links</source>
        <translation>from right to left</translation>
    </message>
    <message>
        <source>Ein Wellenzug aus einem Berg und einem Tal läuft %1 über das Seil.</source>
        <translation>A wave train of one crest and one trough travels along the rope %1.</translation>
    </message>
    <message>
        <source>Eine fortlaufende Welle läuft %1 über das Seil.</source>
        <translation>A continuous wave travels along the rope %1.</translation>
    </message>
    <message>
        <source>Von beiden Enden laufen zwei %1 Wellenzüge aus je einem Berg und einem Tal aufeinander zu; die Enden schwingen %2.</source>
        <translation>Two %1 wave trains, each of one crest and one trough, travel towards each other from the two ends; the ends oscillate %2.</translation>
    </message>
    <message>
        <source>Von beiden Enden laufen zwei %1 fortlaufende Wellen aufeinander zu; die Enden schwingen %2.</source>
        <translation>Two %1 continuous waves travel towards each other from the two ends; the ends oscillate %2.</translation>
    </message>
    <message>
        <source>verschiedene</source>
        <translation>different</translation>
    </message>
    <message>
        <source>gleiche</source>
        <translation>identical</translation>
    </message>
    <message>
        <source>gegenphasig</source>
        <translation>in antiphase</translation>
    </message>
    <message>
        <source>gleichphasig</source>
        <translation>in phase</translation>
    </message>
    <message>
        <source>Auf das Seil passen %1 Wellenlängen der Welle 1 und %2 der Welle 2.</source>
        <translation>The rope holds %1 wavelengths of wave 1 and %2 of wave 2.</translation>
    </message>
    <message>
        <source>Auf das Seil passen %1 Wellenlängen.</source>
        <translation>The rope holds %1 wavelengths.</translation>
    </message>
    <message>
        <source>Ein Knoten ist markiert.</source>
        <translation>A node is marked.</translation>
    </message>
    <message>
        <source>Ein Bauch ist markiert.</source>
        <translation>An antinode is marked.</translation>
    </message>
    <message>
        <source>Ein Punkt des Seils ist markiert.</source>
        <translation>One point of the rope is marked.</translation>
    </message>
    <message>
        <source>%1 Punkte des Seils sind markiert.</source>
        <translation>%1 points of the rope are marked.</translation>
    </message>
    <message>
        <source>Das Seil ist in Ruhe.</source>
        <translation>The rope is at rest.</translation>
    </message>
    <message>
        <source>Die Welle füllt das ganze Seil.</source>
        <translation>The wave fills the whole rope.</translation>
    </message>
    <message>
        <source>Der Wellenzug hat das Seil verlassen.</source>
        <translation>The wave train has left the rope.</translation>
    </message>
    <message>
        <source>Der Wellenzug erreicht das andere Ende des Seils.</source>
        <translation>The wave train is reaching the other end of the rope.</translation>
    </message>
    <message>
        <source>Die Wellenfront hat %1 zurückgelegt.</source>
        <translation>The wave front has travelled %1.</translation>
    </message>
    <message>
        <source>Die Wellen überlagern sich auf dem ganzen Seil.</source>
        <translation>The waves are superposed along the whole rope.</translation>
    </message>
    <message>
        <source>Auf dem ganzen Seil schwingt eine stehende Welle.</source>
        <translation>A standing wave oscillates along the whole rope.</translation>
    </message>
    <message>
        <source>Die Wellen haben sich noch nicht getroffen.</source>
        <translation>The waves have not met yet.</translation>
    </message>
    <message>
        <source>Die Wellenzüge treffen sich in der Mitte und überlagern sich.</source>
        <translation>The wave trains meet in the middle and are superposed.</translation>
    </message>
    <message>
        <source>Die Wellenzüge haben das Seil verlassen.</source>
        <translation>The wave trains have left the rope.</translation>
    </message>
    <message>
        <source>Die Wellenzüge sind durcheinander hindurchgelaufen.</source>
        <translation>The wave trains have passed through each other.</translation>
    </message>
    <message>
        <source>Die Wellen überlagern sich im mittleren Teil des Seils.</source>
        <translation>The waves are superposed in the middle part of the rope.</translation>
    </message>
    <message>
        <source>je einen Wellenzug aus einem Berg und einem Tal</source>
        <translation>a wave train each, made of one crest and one trough</translation>
    </message>
    <message>
        <source>fortlaufende Wellen</source>
        <translation>continuous waves</translation>
    </message>
    <message>
        <source>Ein Zentrum %1 sendet einen Wellenzug aus einem Berg und einem Tal aus.</source>
        <translation>A centre %1 sends out a wave train of one crest and one trough.</translation>
    </message>
    <message>
        <source>Ein Zentrum %1 sendet eine fortlaufende Welle aus.</source>
        <translation>A centre %1 sends out a continuous wave.</translation>
    </message>
    <message>
        <source>am linken Rand</source>
        <translation>at the left edge</translation>
    </message>
    <message>
        <source>am rechten Rand</source>
        <translation>at the right edge</translation>
    </message>
    <message>
        <source>Zwei Zentren, am linken und am rechten Rand, schwingen %1 und senden %2 aus.</source>
        <translation>Two centres, at the left and the right edge, oscillate %1 and send out %2.</translation>
    </message>
    <message>
        <source>Zwei Zentren übereinander am linken Rand schwingen %1 und senden %2 aus.</source>
        <translation>Two centres, one above the other at the left edge, oscillate %1 and send out %2.</translation>
    </message>
    <message>
        <source>Das Bild ist %1 Wellenlängen breit; die rote Linie AB führt waagrecht, die blaue Linie CD senkrecht durch seine Mitte.</source>
        <translation>The picture is %1 wavelengths wide; the red line AB runs horizontally and the blue line CD vertically through its centre.</translation>
    </message>
    <message>
        <source>Das Wasser ist in Ruhe.</source>
        <translation>The water is at rest.</translation>
    </message>
    <message>
        <source>Die Wellen bedecken das ganze Bild.</source>
        <translation>The waves cover the whole picture.</translation>
    </message>
    <message>
        <source>Die Welle bedeckt das ganze Bild.</source>
        <translation>The wave covers the whole picture.</translation>
    </message>
    <message>
        <source>Die Wellenzüge haben das Bild verlassen.</source>
        <translation>The wave trains have left the picture.</translation>
    </message>
    <message>
        <source>Der Wellenzug hat das Bild verlassen.</source>
        <translation>The wave train has left the picture.</translation>
    </message>
    <message>
        <source>Die Wellenzüge laufen aus dem Bild hinaus.</source>
        <translation>The wave trains are running out of the picture.</translation>
    </message>
    <message>
        <source>Der Wellenzug läuft aus dem Bild hinaus.</source>
        <translation>The wave train is running out of the picture.</translation>
    </message>
    <message>
        <source>Die Wellenfronten sind %1 von ihren Zentren entfernt.</source>
        <translation>The wave fronts are %1 away from their centres.</translation>
    </message>
    <message>
        <source>Die Wellenfront ist %1 vom Zentrum entfernt.</source>
        <translation>The wave front is %1 away from the centre.</translation>
    </message>
    <message>
        <source>Leer: Die Intensität wird für zwei Zentren mit fortlaufenden Wellen gezeigt.</source>
        <translation>Empty: the intensity is shown for two centres with continuous waves.</translation>
    </message>
    <message>
        <source>Zeitlich gemittelte Intensität der beiden Wellen: hell, wo sie sich verstärken, dunkel, wo sie sich auslöschen.</source>
        <translation>Time-averaged intensity of the two waves: bright where they reinforce each other, dark where they cancel each other out.</translation>
    </message>
    <message>
        <source>Die Linie %1 kreuzt einen hellen Streifen.</source>
        <translation>The line %1 crosses one bright fringe.</translation>
    </message>
    <message>
        <source>Die Linie %1 kreuzt %2 helle Streifen.</source>
        <translation>The line %1 crosses %2 bright fringes.</translation>
    </message>
    <message>
        <source>Das Wasser ist in Ruhe: Längs der Linie %1 zeigt die Kurve keine Auslenkung.</source>
        <translation>The water is at rest: along the line %1 the curve shows no displacement.</translation>
    </message>
    <message>
        <source>Die Kurve zeigt die Auslenkung der Wasseroberfläche längs der Linie %1 in diesem Augenblick.</source>
        <translation>The curve shows the displacement of the water surface along the line %1 at this moment.</translation>
    </message>
    <message>
        <source>Die graue Strecke auf der Nulllinie ist eine Wellenlänge lang.</source>
        <translation>The grey line segment on the zero line is one wavelength long.</translation>
    </message>
    <message>
        <source>Jeder Punkt dieser Linie ist von beiden Zentren gleich weit entfernt: Die Wellen verstärken sich hier.</source>
        <translation>Every point of this line is equally far from both centres: the waves reinforce each other here.</translation>
    </message>
    <message>
        <source>Jeder Punkt dieser Linie ist von beiden Zentren gleich weit entfernt; da sie gegenphasig schwingen, löschen sich die Wellen hier aus.</source>
        <translation>Every point of this line is equally far from both centres; since they oscillate in antiphase, the waves cancel each other out here.</translation>
    </message>
    <message>
        <source>Die Linie verbindet die beiden Zentren: Zwischen ihnen bildet sich eine stehende Welle.</source>
        <translation>The line joins the two centres: a standing wave forms between them.</translation>
    </message>
    <message>
        <source>„%1“: Die Strecke ist eine Wellenlänge lang.</source>
        <translation>“%1”: the line segment is one wavelength long.</translation>
    </message>
    <message>
        <source>Das Bild der Wasseroberfläche ist %1-mal so breit.</source>
        <translation>The picture of the water surface is %1 times as wide.</translation>
    </message>
    <message>
        <source>Das Seil ist %1-mal so lang.</source>
        <translation>The rope is %1 times as long.</translation>
    </message>
    <message>
        <source>Ausbreitung und Überlagerung von Wellen</source>
        <translation>Propagation and superposition of waves</translation>
    </message>
    <message>
        <source>&amp;Hinweis</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>Klick: zurück zum Text</source>
        <translation>Click: back to text</translation>
    </message>
    <message>
        <source>Schnitt AB</source>
        <translation>Section AB</translation>
    </message>
    <message>
        <source>Auslenkung</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>Schnitt CD</source>
        <translation>Section CD</translation>
    </message>
    <message>
        <source> &amp;Dimension </source>
        <translation> D&amp;imension </translation>
    </message>
    <message>
        <source>Seilwelle (1-dimens.)</source>
        <translation>Rope wave (1-dim.)</translation>
    </message>
    <message>
        <source>Wasserwelle (2-dim.)</source>
        <translation>Water wave (2-dim.)</translation>
    </message>
    <message>
        <source> Anzah&amp;l  </source>
        <translation> &amp;Number  </translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>links + rechts</source>
        <translation>left + right</translation>
    </message>
    <message>
        <source>beide links</source>
        <translation>both left</translation>
    </message>
    <message>
        <source> Die b&amp;eiden Wellen sind </source>
        <translation> The t&amp;wo waves are </translation>
    </message>
    <message>
        <source>identisch</source>
        <translation>identical</translation>
    </message>
    <message>
        <source>verschieden</source>
        <translation>different</translation>
    </message>
    <message>
        <source>  Zeige  </source>
        <translation>  Show  </translation>
    </message>
    <message>
        <source>Intensität/Helligkeit</source>
        <translation>Intensity/brightness</translation>
    </message>
    <message>
        <source>Zeichne die sich</source>
        <translation>Draw the</translation>
    </message>
    <message>
        <source>&amp;überlagernden </source>
        <translation>&amp;superposed </translation>
    </message>
    <message>
        <source>Wellen getrennt</source>
        <translation>waves separately</translation>
    </message>
    <message>
        <source> F&amp;orm </source>
        <translation> Shap&amp;e </translation>
    </message>
    <message>
        <source>nur 1 „Berg und Tal“</source>
        <translation>just 1 crest + trough</translation>
    </message>
    <message>
        <source>fortlaufende Welle</source>
        <translation>continuous wave</translation>
    </message>
    <message>
        <source> A&amp;nfangszustand: Welle </source>
        <translation> &amp;At first the wave </translation>
    </message>
    <message>
        <source>startet erst</source>
        <translation>is just starting</translation>
    </message>
    <message>
        <source>ist schon unterwegs</source>
        <translation>is already running</translation>
    </message>
    <message>
        <source> Zentren &amp;schwingen </source>
        <translation> &amp;Centres oscillate </translation>
    </message>
    <message>
        <source>gleich- (synchron)</source>
        <translation>in phase (synchr.)</translation>
    </message>
    <message>
        <source> &amp;Markiere zufällig </source>
        <translation> &amp;Mark at random </translation>
    </message>
    <message>
        <source>Punkte im Seil</source>
        <translation>points on the rope</translation>
    </message>
    <message>
        <source> Markiere </source>
        <translation> Mark </translation>
    </message>
    <message>
        <source>einen Knoten</source>
        <translation>a node</translation>
    </message>
    <message>
        <source>einen Bauch</source>
        <translation>an antinode</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Wellenlänge 1:</source>
        <translation>Wavelength 1:</translation>
    </message>
    <message>
        <source>Amplitude 1:</source>
        <translation>Amplitude 1:</translation>
    </message>
    <message>
        <source>(festgelegt)</source>
        <translation>(fixed)</translation>
    </message>
    <message>
        <source>Wellenlänge 2:</source>
        <translation>Wavelength 2:</translation>
    </message>
    <message>
        <source>Amplitude 2:</source>
        <translation>Amplitude 2:</translation>
    </message>
    <message>
        <source>Zeichne pro Schwingung</source>
        <translation>Draw per oscillation</translation>
    </message>
    <message>
        <source>&amp;Größe:</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>&amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Hoch-F</source>
        <translation>tall</translation>
    </message>
    <message>
        <source>quadrat.</source>
        <translation>square</translation>
    </message>
    <message>
        <source>Quer-F.</source>
        <translation>wide</translation>
    </message>
    <message>
        <source>Auflösung</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>coarse</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
    </message>
    <message>
        <source>Wellenlänge:</source>
        <translation>Wavelength:</translation>
    </message>
    <message>
        <source>Amplitude:</source>
        <translation>Amplitude:</translation>
    </message>
    <message>
        <source>gemeinsame Wellenlänge:</source>
        <translation>common wavelength:</translation>
    </message>
    <message>
        <source>gemeinsame Amplitude:</source>
        <translation>common amplitude:</translation>
    </message>
    <message>
        <source>Überlagerung zweier Seilwellen</source>
        <translation>Superposition of two rope waves</translation>
    </message>
    <message>
        <source>Ausbreitung einer Seilwelle</source>
        <translation>Propagation of a rope wave</translation>
    </message>
    <message>
        <source>Überlagerung zweier Wasserwellen</source>
        <translation>Superposition of two water waves</translation>
    </message>
    <message>
        <source>Ausbreitung einer Wasserwelle</source>
        <translation>Propagation of a water wave</translation>
    </message>
    <message>
        <source>Wellenlänge 2</source>
        <translation>Wavelength 2</translation>
    </message>
    <message>
        <source>32&#xa0;Bilder</source>
        <translation>32&#xa0;frames</translation>
    </message>
</context>
<context>
    <name>TFormStWellen</name>
    <message>
        <source>Seil mit den sich überlagernden Wellen</source>
        <translation>Rope with the superposed waves</translation>
    </message>
    <message>
        <source>Erste der sich überlagernden Wellen</source>
        <translation>First of the superposed waves</translation>
    </message>
    <message>
        <source>Zweite der sich überlagernden Wellen</source>
        <translation>Second of the superposed waves</translation>
    </message>
    <message>
        <source>Markierung der gemeinsamen Wellenlänge</source>
        <translation>Marker of the common wavelength</translation>
    </message>
    <message>
        <source>Die Strecke neben „gemeinsame Wellenlänge“ ist eine Wellenlänge lang: %1&#xa0;Pixel.</source>
        <translation>The line segment next to “common wavelength” is one wavelength long: %1&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Erklärung des Schritts</source>
        <translation>Explanation of the step</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>zum festen Ende</source>
        <translation>to the fixed end</translation>
    </message>
    <message>
        <source>zum losen Ende</source>
        <translation>to the free end</translation>
    </message>
    <message>
        <source>Ein %1 und ein %2 laufen aufeinander zu.</source>
        <translation>A %1 and a %2 run towards each other.</translation>
    </message>
    <message>
        <source>Von beiden Enden laufen fortlaufende Wellen aufeinander zu; die Enden schwingen %1.</source>
        <translation>Continuous waves travel towards each other from the two ends; the ends oscillate %1.</translation>
    </message>
    <message>
        <source>gegenphasig</source>
        <translation>in antiphase</translation>
    </message>
    <message>
        <source>gleichphasig</source>
        <translation>in phase</translation>
    </message>
    <message>
        <source>Ein %1 läuft %2 rechts; dort entsteht ein %3.</source>
        <translation>A %1 runs %2 on the right; there a %3 forms.</translation>
    </message>
    <message>
        <source>Eine fortlaufende Welle läuft %1 rechts und wird dort reflektiert.</source>
        <translation>A continuous wave runs %1 on the right and is reflected there.</translation>
    </message>
    <message>
        <source>Die Saite ist an beiden Enden eingespannt und schwingt mit einem Bauch und 2 Knoten, die Enden mitgezählt.</source>
        <translation>The string is fixed at both ends and vibrates with one antinode and 2 nodes, counting the ends.</translation>
    </message>
    <message>
        <source>Die Saite ist an beiden Enden eingespannt und schwingt mit %1 Bäuchen und %2 Knoten, die Enden mitgezählt.</source>
        <translation>The string is fixed at both ends and vibrates with %1 antinodes and %2 nodes, counting the ends.</translation>
    </message>
    <message>
        <source>Von Knoten zu Knoten ist es eine halbe Wellenlänge.</source>
        <translation>From node to node it is half a wavelength.</translation>
    </message>
    <message>
        <source>Wellenlänge %1&#xa0;Pixel.</source>
        <translation>Wavelength %1&#xa0;pixels.</translation>
    </message>
    <message>
        <source>Die Saite ist in Ruhe.</source>
        <translation>The string is at rest.</translation>
    </message>
    <message>
        <source>Das Seil ist in Ruhe.</source>
        <translation>The rope is at rest.</translation>
    </message>
    <message>
        <source>Die beiden haben sich noch nicht getroffen.</source>
        <translation>The two have not met yet.</translation>
    </message>
    <message>
        <source>Sie überlagern sich gerade in der Mitte.</source>
        <translation>Right now they are superposed in the middle.</translation>
    </message>
    <message>
        <source>Sie sind durcheinander hindurchgelaufen.</source>
        <translation>They have passed through each other.</translation>
    </message>
    <message>
        <source>Die Wellen haben sich noch nicht getroffen.</source>
        <translation>The waves have not met yet.</translation>
    </message>
    <message>
        <source>Die Wellen überlagern sich im mittleren Teil des Seils.</source>
        <translation>The waves are superposed in the middle part of the rope.</translation>
    </message>
    <message>
        <source>Auf dem ganzen Seil schwingt eine stehende Welle.</source>
        <translation>A standing wave oscillates along the whole rope.</translation>
    </message>
    <message>
        <source>Die Reflexion am Ende steht noch bevor.</source>
        <translation>The reflection at the end is yet to come.</translation>
    </message>
    <message>
        <source>Am Ende wird gerade reflektiert.</source>
        <translation>The reflection at the end is happening now.</translation>
    </message>
    <message>
        <source>Die Reflexion ist vorbei; der reflektierte Teil läuft nach links zurück.</source>
        <translation>The reflection is over; the reflected part travels back to the left.</translation>
    </message>
    <message>
        <source>Die Welle hat das Ende noch nicht erreicht.</source>
        <translation>The wave has not reached the end yet.</translation>
    </message>
    <message>
        <source>Ankommende und reflektierte Welle überlagern sich nahe dem Ende.</source>
        <translation>The incoming and the reflected wave are superposed near the end.</translation>
    </message>
    <message>
        <source>Ankommende und reflektierte Welle bilden auf dem ganzen Seil eine stehende Welle.</source>
        <translation>The incoming and the reflected wave form a standing wave along the whole rope.</translation>
    </message>
    <message>
        <source>Am festen Ende liegt ein Knoten.</source>
        <translation>At the fixed end there is a node.</translation>
    </message>
    <message>
        <source>Am losen Ende liegt ein Bauch.</source>
        <translation>At the free end there is an antinode.</translation>
    </message>
    <message>
        <source>Die Saite schwingt.</source>
        <translation>The string vibrates.</translation>
    </message>
    <message>
        <source>Leer: Die sich überlagernden Wellen werden nicht getrennt gezeigt.</source>
        <translation>Empty: the superposed waves are not shown separately.</translation>
    </message>
    <message>
        <source>„%1“: diese Welle allein.</source>
        <translation>“%1”: this wave alone.</translation>
    </message>
    <message>
        <source>Noch in Ruhe.</source>
        <translation>Still at rest.</translation>
    </message>
    <message>
        <source>Stehende Wellen</source>
        <translation>Standing waves</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>&amp;nächster Schritt</source>
        <translation>&amp;next step</translation>
    </message>
    <message>
        <source>Schritt zur&amp;ück</source>
        <translation>s&amp;tep back</translation>
    </message>
    <message>
        <source>zum B&amp;eginn</source>
        <translation>to the &amp;start</translation>
    </message>
    <message>
        <source>&amp;Von links kommt</source>
        <translation>From the &amp;left comes</translation>
    </message>
    <message>
        <source>Wellenberg</source>
        <translation>a crest</translation>
    </message>
    <message>
        <source>Wellental</source>
        <translation>a trough</translation>
    </message>
    <message>
        <source>Zentren &amp;schwingen</source>
        <translation>&amp;Centres oscillate</translation>
    </message>
    <message>
        <source>gleich- (synchron)</source>
        <translation>in phase (synchr.)</translation>
    </message>
    <message>
        <source>&amp;Reflexion an</source>
        <translation>Re&amp;flection at</translation>
    </message>
    <message>
        <source>festem Ende</source>
        <translation>a fixed end</translation>
    </message>
    <message>
        <source>losem Ende</source>
        <translation>a free end</translation>
    </message>
    <message>
        <source>Zeichne pro Schwingung</source>
        <translation>Draw per oscillation</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>klein</source>
        <translation>small</translation>
    </message>
    <message>
        <source>groß</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
    <message>
        <source>240&#xa0;Pixel</source>
        <translation>240&#xa0;pixels</translation>
    </message>
    <message>
        <source>Zahl der Bäuche</source>
        <translation>Number of antinodes</translation>
    </message>
    <message>
        <source>Zeige &amp;die sich über-</source>
        <translation>Sho&amp;w the super-</translation>
    </message>
    <message>
        <source>lagernden Wellen</source>
        <translation>posed waves</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>slow</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
    </message>
    <message>
        <source>zeige die sich über-
lagernden Wellen
&amp;getrennt</source>
        <translation>sho&amp;w the super-
posed waves
separately</translation>
    </message>
    <message>
        <source>zerle&amp;ge die stehende
Welle in zwei
„laufende“</source>
        <translation>split the standing
&amp;wave into two
“travelling” ones</translation>
    </message>
    <message>
        <source>32&#xa0;Bilder</source>
        <translation>32&#xa0;frames</translation>
    </message>
    <message>
        <source>Schritt %1 / 5</source>
        <translation>Step %1 / 5</translation>
    </message>
</context>
</TS>
