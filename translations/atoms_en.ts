<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Schroedinger</name>
    <message>
        <source>Orbital %1&#x2002;%2</source>
        <translation>Orbital %1&#x2002;%2</translation>
    </message>
</context>
<context>
    <name>SchroedingerBild</name>
    <message>
        <source>Entfernung vom Kern</source>
        <translation>Distance from nucleus</translation>
    </message>
    <message>
        <source>in Bohr’schen Radien</source>
        <translation>in Bohr radii</translation>
    </message>
    <message>
        <source>in Nanometer (nm)</source>
        <translation>in nanometres (nm)</translation>
    </message>
</context>
<context>
    <name>Spektren</name>
    <message>
        <source>Calcium</source>
        <comment>choice</comment>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <comment>choice</comment>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Cäsium</source>
        <comment>choice</comment>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Eisen</source>
        <comment>choice</comment>
        <translation>Iron</translation>
    </message>
    <message>
        <source>Helium</source>
        <comment>choice</comment>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Wasserstoff</source>
        <comment>choice</comment>
        <translation>Hydrogen</translation>
    </message>
    <message>
        <source>Quecksilber</source>
        <comment>choice</comment>
        <translation>Mercury</translation>
    </message>
    <message>
        <source>Kalium</source>
        <comment>choice</comment>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <comment>choice</comment>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Natrium</source>
        <comment>choice</comment>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Neon</source>
        <comment>choice</comment>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Calcium</source>
        <comment>in a sentence</comment>
        <translation>calcium</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <comment>in a sentence</comment>
        <translation>cadmium</translation>
    </message>
    <message>
        <source>Cäsium</source>
        <comment>in a sentence</comment>
        <translation>caesium</translation>
    </message>
    <message>
        <source>Eisen</source>
        <comment>in a sentence</comment>
        <translation>iron</translation>
    </message>
    <message>
        <source>Helium</source>
        <comment>in a sentence</comment>
        <translation>helium</translation>
    </message>
    <message>
        <source>Wasserstoff</source>
        <comment>in a sentence</comment>
        <translation>hydrogen</translation>
    </message>
    <message>
        <source>Quecksilber</source>
        <comment>in a sentence</comment>
        <translation>mercury</translation>
    </message>
    <message>
        <source>Kalium</source>
        <comment>in a sentence</comment>
        <translation>potassium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <comment>in a sentence</comment>
        <translation>magnesium</translation>
    </message>
    <message>
        <source>Natrium</source>
        <comment>in a sentence</comment>
        <translation>sodium</translation>
    </message>
    <message>
        <source>Neon</source>
        <comment>in a sentence</comment>
        <translation>neon</translation>
    </message>
    <message>
        <source>Spektren einatomiger Gase</source>
        <translation>Spectra of monatomic gases</translation>
    </message>
    <message>
        <source>Spektrum von %1</source>
        <translation>Spectrum of %1</translation>
    </message>
</context>
<context>
    <name>SpektrenBild</name>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
</context>
<context>
    <name>TFormSchroedinger3</name>
    <message>
        <source>Schnitt durch das Wasserstoffatom</source>
        <translation>Section through the hydrogen atom</translation>
    </message>
    <message>
        <source>%1 des Wasserstoffatoms (Hauptquantenzahl %2, Nebenquantenzahl %3), Bildausschnitt bis %4 Bohr’sche Radien vom Kern.</source>
        <translation>%1 of the hydrogen atom (principal quantum number %2, orbital quantum number %3), picture reaching %4 Bohr radii from the nucleus.</translation>
    </message>
    <message>
        <source>Graustufen (je heller, desto wahrscheinlicher ist das Elektron dort zu finden)</source>
        <translation>grey levels (the lighter, the more likely the electron is to be found there)</translation>
    </message>
    <message>
        <source>ein Pixel der Punktwolke</source>
        <translation>one pixel of the dot cloud</translation>
    </message>
    <message>
        <source>eine Punktwolke aus %1 Pixeln, dicht, wo das Elektron wahrscheinlich ist</source>
        <translation>a dot cloud of %1 pixels, dense where the electron is likely to be</translation>
    </message>
    <message>
        <source>ein gemessener Ort des Elektrons</source>
        <translation>one measured position of the electron</translation>
    </message>
    <message>
        <source>%1 gemessene Orte des Elektrons</source>
        <translation>%1 measured positions of the electron</translation>
    </message>
    <message>
        <source>Die Wahrscheinlichkeit ist noch nicht dargestellt.</source>
        <translation>The probability is not shown yet.</translation>
    </message>
    <message>
        <source>Zu sehen: %1.</source>
        <translation>Shown: %1.</translation>
    </message>
    <message>
        <source>am höchsten beim Kern</source>
        <translation>highest at the nucleus</translation>
    </message>
    <message>
        <source>zum Bildrand hin ansteigend</source>
        <translation>rising towards the edge of the picture</translation>
    </message>
    <message>
        <source>am höchsten in %1 Bohr’schen Radien Abstand vom Kern</source>
        <translation>highest at %1 Bohr radii from the nucleus</translation>
    </message>
    <message>
        <source>der Graph der Wahrscheinlichkeit entlang der waagrechten Achse, %1</source>
        <translation>the graph of the probability along the horizontal axis, %1</translation>
    </message>
    <message>
        <source>der Bohr’sche Radius als Kreisfläche</source>
        <translation>the Bohr radius as a disc</translation>
    </message>
    <message>
        <source>der Bohr’sche Radius als Kreisrand</source>
        <translation>the Bohr radius as a circle</translation>
    </message>
    <message>
        <source>die Achsen mit der Entfernung vom Kern, rechts in Bohr’schen Radien, links in Nanometern</source>
        <translation>the axes with the distance from the nucleus, on the right in Bohr radii, on the left in nanometres</translation>
    </message>
    <message>
        <source>Eingezeichnet: %1.</source>
        <translation>Drawn in: %1.</translation>
    </message>
    <message>
        <source>Das quantenmechanische Atommodell – berechnet mithilfe der Schrödinger-Gleichung</source>
        <translation>The quantum-mechanical atom model – calculated with the Schrödinger equation</translation>
    </message>
    <message>
        <source>Das H-Atommodell der Quantenmechanik</source>
        <translation>The H atom in quantum mechanics</translation>
    </message>
    <message>
        <source>Das Wasserstoff-Atommodell der Quantenmechanik</source>
        <translation>The hydrogen atom in quantum mechanics</translation>
    </message>
    <message>
        <source>Zeichne den &amp;Graphen</source>
        <translation>Draw the &amp;graph</translation>
    </message>
    <message>
        <source>der Wahrscheinlichkeit,</source>
        <translation>of the probability of</translation>
    </message>
    <message>
        <source>ein Elektron in einem</source>
        <translation>finding an electron</translation>
    </message>
    <message>
        <source>kleinen Volumen dV </source>
        <translation>in a small volume dV </translation>
    </message>
    <message>
        <source>entlang der waagrechten</source>
        <translation>along the horizontal</translation>
    </message>
    <message>
        <source>Achse zu finden</source>
        <translation>axis</translation>
    </message>
    <message>
        <source>Zeige die Größe des H-Atoms</source>
        <translation>Show the size of the H atom</translation>
    </message>
    <message>
        <source>mit dem Bohr’schen Radius</source>
        <translation>by the Bohr radius</translation>
    </message>
    <message>
        <source>als Kreisfläche</source>
        <translation>as a disc</translation>
    </message>
    <message>
        <source>als Kreisrand</source>
        <translation>as a circle</translation>
    </message>
    <message>
        <source>Zeichne ein Koordinaten-</source>
        <translation>Draw a coordinate</translation>
    </message>
    <message>
        <source>    system mit Beschriftung</source>
        <translation>    system with labels</translation>
    </message>
    <message>
        <source>Stelle die Wahrscheinlich-</source>
        <translation>Depict the probability</translation>
    </message>
    <message>
        <source>keit, ein Elektron in einem</source>
        <translation>of finding an electron</translation>
    </message>
    <message>
        <source>kleinen Volumen zu finden,</source>
        <translation>in a small volume</translation>
    </message>
    <message>
        <source>zeichnerisch dar durch</source>
        <translation>by means of</translation>
    </message>
    <message>
        <source>Graustufen</source>
        <translation>Grey levels</translation>
    </message>
    <message>
        <source>Dichte farbiger Pixel</source>
        <translation>Coloured pixel density</translation>
    </message>
    <message>
        <source>Simuliere Messungen</source>
        <translation>Simulate measurements</translation>
    </message>
    <message>
        <source>des Elektronenortes</source>
        <translation>of the electron’s position</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
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
        <source>Zeichnung &amp;löschen</source>
        <translation>&amp;Erase drawing</translation>
    </message>
    <message>
        <source>Bildausschnitt</source>
        <translation>Picture section</translation>
    </message>
    <message>
        <source>Bohr’sche Radien</source>
        <translation>in Bohr radii</translation>
    </message>
    <message>
        <source>Bohr’scher Radius = Radius der innersten Bahn im Bohr’schen Modell = 0,053&#xa0;nm</source>
        <translation>Bohr radius = radius of the innermost orbit in Bohr’s model = 0.053&#xa0;nm</translation>
    </message>
    <message>
        <source>Zeige das H-Atom</source>
        <translation>Show the H atom with</translation>
    </message>
    <message>
        <source>im Zustand mit der</source>
        <translation>the quantum numbers</translation>
    </message>
    <message>
        <source>&amp;Hauptquantenzahl</source>
        <translation>principal &amp;n</translation>
    </message>
    <message>
        <source>und der</source>
        <translation>and</translation>
    </message>
    <message>
        <source>&amp;Nebenquantenzahl</source>
        <translation>orbital &amp;l</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>nur Orbitale mit magnetischer Quantenzahl m = 0</source>
        <translation>only orbitals with magnetic quantum number m = 0</translation>
    </message>
    <message>
        <source>Hin&amp;weise </source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;resume</translation>
    </message>
    <message>
        <source>Entfernung vom Kern / Bohr’sche Radien</source>
        <translation>Distance from nucleus / Bohr radii</translation>
    </message>
    <message>
        <source>Entfernung vom Kern / nm</source>
        <translation>Distance from nucleus / nm</translation>
    </message>
    <message>
        <source>|ψ|² (relativ)</source>
        <translation>|ψ|² (relative)</translation>
    </message>
    <message>
        <source>Alt+D</source>
        <extracomment>the key of the &quot;Dichte farbiger Pixel&quot; panel; a letter no caption of the window uses</extracomment>
        <translation>Alt+C</translation>
    </message>
</context>
<context>
    <name>TFormSpektren3D</name>
    <message>
        <source>Blickrichtung von links oder rechts</source>
        <translation>Viewing direction from the left or right</translation>
    </message>
    <message>
        <source>Blickrichtung von oben</source>
        <translation>Viewing direction from above</translation>
    </message>
    <message>
        <source>Spektrum der Sonne und Linienspektrum des Gases</source>
        <translation>Spectrum of the Sun and line spectrum of the gas</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Oben das Spektrum der Sonne, nach Frequenzen geordnet von 400 bis 750&#xa0;THz (links Infrarot, rechts Ultraviolett),</source>
        <translation>At the top the spectrum of the Sun, ordered by frequency from 400 to 750&#xa0;THz (infrared on the left, ultraviolet on the right),</translation>
    </message>
    <message>
        <source>Oben das Spektrum der Sonne, nach Wellenlängen geordnet von 400 bis 750&#xa0;nm (links Ultraviolett, rechts Infrarot),</source>
        <translation>At the top the spectrum of the Sun, ordered by wavelength from 400 to 750&#xa0;nm (ultraviolet on the left, infrared on the right),</translation>
    </message>
    <message>
        <source>mit %1 dunklen Fraunhofer-Linien bei %2.</source>
        <translation>with %1 dark Fraunhofer lines at %2.</translation>
    </message>
    <message>
        <source>ohne Fraunhofer-Linien.</source>
        <translation>without Fraunhofer lines.</translation>
    </message>
    <message>
        <source>Darunter das Linienspektrum von %1 mit %2 hellen Linien bei %3.</source>
        <translation>Below it the line spectrum of %1 with %2 bright lines at %3.</translation>
    </message>
    <message>
        <source>Darunter ist noch kein Linienspektrum: Es ist kein Gas gewählt.</source>
        <translation>Below it there is no line spectrum yet: no gas is chosen.</translation>
    </message>
    <message>
        <source>Dazu die Versuchsanordnung: Das Licht der leuchtenden Röhre mit %1 fällt in den Spektralapparat, punktierte Lichtwege führen von ihm zu den Linien.</source>
        <translation>Also the set-up: the light of the glowing tube with %1 enters the spectroscope; dotted light paths lead from it to the lines.</translation>
    </message>
    <message>
        <source>Dazu die Versuchsanordnung: eine leere Röhre vor dem Spektralapparat.</source>
        <translation>Also the set-up: an empty tube in front of the spectroscope.</translation>
    </message>
    <message>
        <source>  Spektren von einatomigen Gasen</source>
        <translation>  Spectra of monatomic gases</translation>
    </message>
    <message>
        <source>&amp;Spektrum von</source>
        <translation>&amp;Spectrum of</translation>
    </message>
    <message>
        <source>Zeige zum Vergleich das</source>
        <translation>For comparison, show the</translation>
    </message>
    <message>
        <source>Spektrum der Sonne</source>
        <translation>spectrum of the Sun</translation>
    </message>
    <message>
        <source>ohne</source>
        <translation>without</translation>
    </message>
    <message>
        <source>mit</source>
        <translation>with</translation>
    </message>
    <message>
        <source>Fraunhofer-Linien</source>
        <translation>Fraunhofer lines</translation>
    </message>
    <message>
        <source>Ordne die Spektren nach</source>
        <translation>Order the spectra by</translation>
    </message>
    <message>
        <source>Frequenzen</source>
        <translation>frequency</translation>
    </message>
    <message>
        <source>Wellenlängen</source>
        <translation>wavelength</translation>
    </message>
    <message>
        <source>Blickrichtung</source>
        <translation>Viewing direction</translation>
    </message>
    <message>
        <source>von links oder rechts</source>
        <translation>from the left or right</translation>
    </message>
    <message>
        <source>von oben</source>
        <translation>from above</translation>
    </message>
    <message>
        <source>Mit Versuchs&amp;anordnung</source>
        <translation>With the set-&amp;up</translation>
    </message>
    <message>
        <source>ja </source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Beobachtung</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>d&amp;elete</translation>
    </message>
    <message>
        <source>Spektrum (1–11 Gas, 12 Sonne)</source>
        <translation>Spectrum (1–11 gas, 12 Sun)</translation>
    </message>
    <message>
        <source>Wellenlänge / nm</source>
        <translation>Wavelength / nm</translation>
    </message>
    <message>
        <source>Frequenz / THz</source>
        <translation>Frequency / THz</translation>
    </message>
</context>
</TS>
