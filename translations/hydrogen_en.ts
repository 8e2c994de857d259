<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Bohr</name>
    <message>
        <source>Das Atom befindet sich schon in Stufe %1!</source>
        <translation>The atom is already in level %1!</translation>
    </message>
    <message>
        <source>Dazu müsste das Atom Energie erhalten!</source>
        <translation>For that the atom would have to receive energy!</translation>
    </message>
    <message>
        <source>In diesem Zustand kann das Atom keine Linie der %1 emittieren!</source>
        <translation>In this state the atom cannot emit any line of the %1!</translation>
    </message>
    <message>
        <source>In diesem Zustand kann das Atom die %1. Linie der %2 nicht emittieren!</source>
        <translation>In this state the atom cannot emit line %1 of the %2!</translation>
    </message>
    <message>
        <source>Dazu müsste das Atom Energie abgeben!</source>
        <translation>For that the atom would have to give off energy!</translation>
    </message>
    <message>
        <source>In diesem Zustand kann das Atom kein Photon aus der %1 absorbieren!</source>
        <translation>In this state the atom cannot absorb a photon of the %1!</translation>
    </message>
    <message>
        <source>Die Nummer des neuen Zustands wäre größer als %1 und kann deshalb nicht gezeigt werden!</source>
        <translation>The number of the new state would be greater than %1, so it cannot be shown!</translation>
    </message>
    <message>
        <source>Gesamtenergie des Elektrons / eV</source>
        <translation>Total energy of the electron / eV</translation>
    </message>
    <message>
        <source>Quantenzahl = Bahnnummer</source>
        <translation>Quantum number = orbit number</translation>
    </message>
</context>
<context>
    <name>BohrBild</name>
    <message>
        <source>eine Linie der</source>
        <translation>a line of the</translation>
    </message>
</context>
<context>
    <name>HAtomBild</name>
    <message>
        <source>Frequenz / THz</source>
        <translation>Frequency / THz</translation>
    </message>
    <message>
        <source>Photonenenergie / eV</source>
        <translation>Photon energy / eV</translation>
    </message>
    <message>
        <source>Wellenlänge / nm</source>
        <translation>Wavelength / nm</translation>
    </message>
    <message>
        <source>Energiestufen in eV</source>
        <translation>Energy levels in eV</translation>
    </message>
    <message>
        <source>Das Wasserstoffatom</source>
        <translation>The hydrogen atom</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Quantenzahl</source>
        <translation>Quantum number</translation>
    </message>
    <message>
        <source>Die Energie E</source>
        <translation>The energy E</translation>
    </message>
    <message>
        <source> des Wasserstoffatoms</source>
        <translation> of the hydrogen atom</translation>
    </message>
    <message>
        <source>im Zustand mit der Quantenzahl n</source>
        <translation>in the state with the quantum number n</translation>
    </message>
    <message>
        <source>errechnet sich nach der Formel</source>
        <translation>is given by the formula</translation>
    </message>
    <message>
        <source>Dabei ist</source>
        <translation>where</translation>
    </message>
    <message>
        <source>R die Rydberg-Konstante = 10&#xa0;973&#xa0;731,568&#xa0;16&#xa0;m</source>
        <translation>R is the Rydberg constant = 10&#xa0;973&#xa0;731.568&#xa0;16&#xa0;m</translation>
    </message>
    <message>
        <source>c die Lichtgeschwindigkeit = 299&#xa0;792&#xa0;458&#xa0;m·s</source>
        <translation>c is the speed of light = 299&#xa0;792&#xa0;458&#xa0;m·s</translation>
    </message>
    <message>
        <source>h die Planck-Konstante = 6,626&#xa0;070·10</source>
        <translation>h is the Planck constant = 6.626&#xa0;070·10</translation>
    </message>
    <message>
        <source>Quantenenergien in eV</source>
        <translation>Quantum energies in eV</translation>
    </message>
</context>
<context>
    <name>HAtomProbeBild</name>
    <message>
        <source>Das emittierte Photon gehört zu keiner der ersten 4 Serien; die Linie kann hier nicht gezeigt werden!</source>
        <translation>The emitted photon belongs to none of the first 4 series; the line cannot be shown here!</translation>
    </message>
    <message>
        <source>Dazu müsste das Atom Energie erhalten, nicht abgeben!</source>
        <translation>For that the atom would have to receive energy, not give it off!</translation>
    </message>
    <message>
        <source>Das Atom befindet sich in der niedrigsten Energiestufe – es kann keine Energie mehr abgeben!</source>
        <translation>The atom is in the lowest energy level – it cannot give off any more energy!</translation>
    </message>
    <message>
        <source>Das Atom befindet sich schon in Stufe %1!</source>
        <translation>The atom is already in level %1!</translation>
    </message>
    <message>
        <source>In diesem Zustand kann das Atom keine Photonen aus der gewählten Serie absorbieren!</source>
        <translation>In this state the atom cannot absorb any photons of the chosen series!</translation>
    </message>
    <message>
        <source>Die Nummer des neuen Zustands wäre größer als %1 und kann hier nicht gezeigt werden, weil die Zustände zu nahe beieinander liegen.</source>
        <translation>The number of the new state would be greater than %1 and cannot be shown here, because the states lie too close together.</translation>
    </message>
    <message>
        <source>Das Wasserstoffatom</source>
        <translation>The hydrogen atom</translation>
    </message>
    <message>
        <source>Energiestufen in eV</source>
        <translation>Energy levels in eV</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Quantenzahl</source>
        <translation>Quantum number</translation>
    </message>
</context>
<context>
    <name>HSerienBild</name>
    <message>
        <source>Frequenz / THz</source>
        <translation>Frequency / THz</translation>
    </message>
    <message>
        <source>Wellenlänge / nm</source>
        <translation>Wavelength / nm</translation>
    </message>
    <message>
        <source>Infrarot</source>
        <translation>Infrared</translation>
    </message>
    <message>
        <source>Ultraviolett</source>
        <translation>Ultraviolet</translation>
    </message>
    <message>
        <source>UV</source>
        <translation>UV</translation>
    </message>
</context>
<context>
    <name>TFormBohrAtom2</name>
    <message>
        <source>Zustand, in dem sich das Atom befindet (höchstens 6)</source>
        <translation>State the atom is in (at most 6)</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Wasserstoffatom nach Bohr</source>
        <translation>Bohr’s hydrogen atom</translation>
    </message>
    <message>
        <source>Energiestufen des Wasserstoffatoms</source>
        <translation>Energy levels of the hydrogen atom</translation>
    </message>
    <message>
        <source>Energie abgeben durch einen Sprung auf Bahn Nummer</source>
        <translation>Give off energy by a jump to orbit number</translation>
    </message>
    <message>
        <source>Energie aufnehmen durch einen Sprung auf Bahn Nummer</source>
        <translation>Take up energy by a jump to orbit number</translation>
    </message>
    <message>
        <source>Energie abgeben durch Emission der Linie Nummer</source>
        <translation>Give off energy by emitting line number</translation>
    </message>
    <message>
        <source>Energie aufnehmen durch Absorption der Linie Nummer</source>
        <translation>Take up energy by absorbing line number</translation>
    </message>
    <message>
        <source>Serie der emittierten Linie</source>
        <translation>Series of the emitted line</translation>
    </message>
    <message>
        <source>Serie der absorbierten Linie</source>
        <translation>Series of the absorbed line</translation>
    </message>
    <message>
        <source>Der Kern und die ersten %1 Bahnen, beschriftet mit Gesamtenergie und Nummer. Das Elektron ist auf Bahn %2 (Radius %3 · r₁, Gesamtenergie %4 eV)</source>
        <translation>The nucleus and the first %1 orbits, labelled with total energy and number. The electron is on orbit %2 (radius %3 · r₁, total energy %4 eV)</translation>
    </message>
    <message>
        <source>, Bahn %1 ist als Ziel hervorgehoben</source>
        <translation>, orbit %1 is highlighted as the target</translation>
    </message>
    <message>
        <source> Ein Photon von %1 THz fliegt aus dem Atom hinaus.</source>
        <translation> A photon of %1 THz flies out of the atom.</translation>
    </message>
    <message>
        <source> Ein Photon von %1 THz fliegt auf das Elektron zu.</source>
        <translation> A photon of %1 THz flies towards the electron.</translation>
    </message>
    <message>
        <source>Ausgeblendet: „Zeige Energiestufen“ ist ausgeschaltet.</source>
        <translation>Hidden: “Show energy levels” is switched off.</translation>
    </message>
    <message>
        <source>Stufe %1 (%2 eV)</source>
        <translation>level %1 (%2 eV)</translation>
    </message>
    <message>
        <source>Die Stufen 1 bis %1, darüber gestrichelt die Ionisierungsgrenze bei 0 eV.</source>
        <translation>Levels 1 to %1, above them the dashed ionisation limit at 0 eV.</translation>
    </message>
    <message>
        <source> Hervorgehoben sind %1 und %2.</source>
        <translation> Highlighted are %1 and %2.</translation>
    </message>
    <message>
        <source> Hervorgehoben ist %1.</source>
        <translation> Highlighted is %1.</translation>
    </message>
    <message>
        <source> Markiert ist der Übergang zwischen Stufe %1 und Stufe %2, eine Linie der %3 mit %4 THz.</source>
        <translation> The transition between level %1 and level %2 is marked, a line of the %3 at %4 THz.</translation>
    </message>
    <message>
        <source> Das Atom sendet dieses Photon gerade aus.</source>
        <translation> The atom is emitting this photon now.</translation>
    </message>
    <message>
        <source> Das Atom nimmt dieses Photon gerade auf.</source>
        <translation> The atom is absorbing this photon now.</translation>
    </message>
    <message>
        <source>auf Bahn Nummer</source>
        <translation>to orbit number</translation>
    </message>
    <message>
        <source>  Das Modell des Wasserstoffatoms von Niels Bohr</source>
        <translation>  Niels Bohr’s model of the hydrogen atom</translation>
    </message>
    <message>
        <source>Das Bohr’sche Atommodell: ein Planetensystem</source>
        <translation>Bohr’s model of the atom: a planetary system</translation>
    </message>
    <message>
        <source>Das Bohr’sche Atommodell</source>
        <translation>Bohr’s model of the atom</translation>
    </message>
    <message>
        <source>Ein Wasserstoffatom</source>
        <translation>A hydrogen atom</translation>
    </message>
    <message>
        <source>befindet sich</source>
        <translation>is</translation>
    </message>
    <message>
        <source>im Zustand </source>
        <translation>in state </translation>
    </message>
    <message>
        <source>max.</source>
        <translation>max.</translation>
    </message>
    <message>
        <source>&amp;beginnen</source>
        <translation>&amp;start</translation>
    </message>
    <message>
        <source>&amp;warten</source>
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
        <source>Stopp bei Änderung</source>
        <translation>Stop at each change</translation>
    </message>
    <message>
        <source>Zeige Energiestufen
des H-Atoms</source>
        <translation>Show energy levels
of the H atom</translation>
    </message>
    <message>
        <source>&amp;Hinweise</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>Es soll Energie abgeben</source>
        <translation>It is to give off energy</translation>
    </message>
    <message>
        <source>Es soll Energie aufnehmen</source>
        <translation>It is to take up energy</translation>
    </message>
    <message>
        <source>durch einen Sprung</source>
        <translation>by a jump</translation>
    </message>
    <message>
        <source>durch Emission</source>
        <translation>by emission</translation>
    </message>
    <message>
        <source>durch Absorption</source>
        <translation>by absorption</translation>
    </message>
    <message>
        <source>der</source>
        <comment>in front of the line&apos;s number</comment>
        <translation>line</translation>
    </message>
    <message>
        <source>. Linie</source>
        <translation>of</translation>
    </message>
    <message>
        <source>der</source>
        <comment>in front of the series</comment>
        <translation>the</translation>
    </message>
    <message>
        <source>Serie</source>
        <translation>series</translation>
    </message>
    <message>
        <source>ok, &amp;gib Energie ab</source>
        <translation>ok, &amp;give off energy</translation>
    </message>
    <message>
        <source>&amp;nimm Energie auf!</source>
        <translation>&amp;take up energy!</translation>
    </message>
    <message>
        <source>Nur die ersten 6 Bahnen werden gezeichnet!</source>
        <translation>Only the first 6 orbits are drawn!</translation>
    </message>
    <message>
        <source>&amp;beenden</source>
        <translation>&amp;stop</translation>
    </message>
    <message>
        <source>&amp;weiter</source>
        <translation>&amp;resume</translation>
    </message>
    <message>
        <source>Quantenzahl n</source>
        <translation>Quantum number n</translation>
    </message>
    <message>
        <source>Bahnradius / r₁</source>
        <translation>Orbit radius / r₁</translation>
    </message>
    <message>
        <source>Anregungsfrequenz / THz</source>
        <translation>Excitation frequency / THz</translation>
    </message>
    <message>
        <source>Gesamtenergie / eV</source>
        <translation>Total energy / eV</translation>
    </message>
</context>
<context>
    <name>TFormHAtom3</name>
    <message>
        <source>Zeichne bis zu … Linien</source>
        <translation>Draw up to … lines</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Erklärung des Schritts</source>
        <translation>Explanation of the step</translation>
    </message>
    <message>
        <source>Energiestufen des Wasserstoffatoms</source>
        <translation>Energy levels of the hydrogen atom</translation>
    </message>
    <message>
        <source>Schritt %1 von 12: </source>
        <translation>Step %1 of 12: </translation>
    </message>
    <message>
        <source>Lyman-, Balmer-, Paschen- und Brackett-Serie mit je %1 Linien waagerecht über der Frequenz, darunter die Skalen für Frequenz in THz, Photonenenergie in eV und Wellenlänge in nm.</source>
        <translation>Lyman, Balmer, Paschen and Brackett series with %1 lines each, laid out horizontally by frequency, below them the scales of frequency in THz, photon energy in eV and wavelength in nm.</translation>
    </message>
    <message>
        <source> Die Seriengrenzen sind markiert.</source>
        <translation> The series limits are marked.</translation>
    </message>
    <message>
        <source>links die Formel für die Energie E der Stufe n über dem Grundzustand, E = R · c · h · (1 − 1/n²), rechts das Energieschema des Atoms.</source>
        <translation>on the left the formula for the energy E of level n above the ground state, E = R · c · h · (1 − 1/n²), on the right the energy-level diagram of the atom.</translation>
    </message>
    <message>
        <source>Lyman-, Balmer-, Paschen- und Brackett-Serie als senkrechte Säulen, jede Linie in der Höhe der Energie ihrer Photonen</source>
        <translation>Lyman, Balmer, Paschen and Brackett series as upright columns, each line at the height of its photons’ energy</translation>
    </message>
    <message>
        <source>, die Energien als Balken</source>
        <translation>, the energies as bars</translation>
    </message>
    <message>
        <source>, rechts die Skala in eV</source>
        <translation>, on the right the scale in eV</translation>
    </message>
    <message>
        <source>, die Seriengrenzen markiert</source>
        <translation>, the series limits marked</translation>
    </message>
    <message>
        <source> Das Energieschema des Atoms zeigt die Stufen 1 bis %1</source>
        <translation> The energy-level diagram of the atom shows levels 1 to %1</translation>
    </message>
    <message>
        <source> Das Energieschema des Atoms zeigt die Stufen 1 und 2</source>
        <translation> The energy-level diagram of the atom shows levels 1 and 2</translation>
    </message>
    <message>
        <source> Das Energieschema des Atoms zeigt Stufe 1</source>
        <translation> The energy-level diagram of the atom shows level 1</translation>
    </message>
    <message>
        <source>, hervorgehoben Stufe %1 mit %2 eV</source>
        <translation>, level %1 at %2 eV highlighted</translation>
    </message>
    <message>
        <source>; ein Sprung ist eingezeichnet</source>
        <translation>; one jump is drawn</translation>
    </message>
    <message>
        <source>; %1 Sprünge sind eingezeichnet</source>
        <translation>; %1 jumps are drawn</translation>
    </message>
    <message>
        <source>, markiert der von Stufe %1 auf Stufe %2 (%3 eV)</source>
        <translation>, the one from level %1 to level %2 (%3 eV) marked</translation>
    </message>
    <message>
        <source>; die Ionisierungsgrenze bei %1 eV ist markiert</source>
        <translation>; the ionisation limit at %1 eV is marked</translation>
    </message>
    <message>
        <source>die %1 steht auf Stufe %2</source>
        <translation>the %1 stands on level %2</translation>
    </message>
    <message>
        <source>die %1 wird auf Stufe %2 gehoben</source>
        <translation>the %1 is being lifted onto level %2</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>  Energiestufen im Wasserstoffatom</source>
        <translation>  Energy levels in the hydrogen atom</translation>
    </message>
    <message>
        <source>Energiestufen im Wasserstoffatom</source>
        <translation>Energy levels in the hydrogen atom</translation>
    </message>
    <message>
        <source>Zeichne bis zu</source>
        <translation>Draw up to</translation>
    </message>
    <message>
        <source>12&#xa0;Linien</source>
        <translation>12&#xa0;lines</translation>
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
        <source>&amp;Markiere die Seriengrenzen</source>
        <translation>&amp;Mark the series limits</translation>
    </message>
    <message>
        <source>&amp;nächster Schritt</source>
        <translation>&amp;next step</translation>
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
        <source>&amp;Hinweise</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>Schritt %1 / 12</source>
        <translation>Step %1 / 12</translation>
    </message>
</context>
<context>
    <name>TFormHAtomProbe3</name>
    <message>
        <source>Zustand, in dem sich das Atom befindet (höchstens 9)</source>
        <translation>State the atom is in (at most 9)</translation>
    </message>
    <message>
        <source>Entweder: Zustand, in den es unter Abgabe eines Photons springen soll</source>
        <translation>Either: state it is to jump to, giving off a photon</translation>
    </message>
    <message>
        <source>Oder: Nummer der Linie, deren Photon es absorbieren soll (höchstens 4)</source>
        <translation>Or: number of the line whose photon it is to absorb (at most 4)</translation>
    </message>
    <message>
        <source>Serie der Linie, deren Photon es absorbieren soll</source>
        <translation>Series of the line whose photon it is to absorb</translation>
    </message>
    <message>
        <source>Tempo der Animation</source>
        <translation>Speed of the animation</translation>
    </message>
    <message>
        <source>Energiestufen des Wasserstoffatoms mit den Serien</source>
        <translation>Energy levels of the hydrogen atom with the series</translation>
    </message>
    <message>
        <source>Lyman-, Balmer-, Paschen- und Brackett-Serie als Säulen, jede auf der Stufe, auf der sie endet; links das Energieschema mit den Stufen 1 bis %1.</source>
        <translation>Lyman, Balmer, Paschen and Brackett series as columns, each on the level it ends on; on the left the energy-level diagram with levels 1 to %1.</translation>
    </message>
    <message>
        <source> Das Atom springt von Stufe %1 auf Stufe %2 und sendet dabei ein Photon von %3 eV (%4 THz) aus, die %5. Linie der %6.</source>
        <translation> The atom jumps from level %1 to level %2 and emits a photon of %3 eV (%4 THz), line %5 of the %6.</translation>
    </message>
    <message>
        <source> Das Atom absorbiert ein Photon von %3 eV (%4 THz), die %5. Linie der %6, und springt dabei von Stufe %1 auf Stufe %2.</source>
        <translation> The atom absorbs a photon of %3 eV (%4 THz), line %5 of the %6, and jumps from level %1 to level %2.</translation>
    </message>
    <message>
        <source> Das Elektron ist auf Stufe %1 (%2 eV über dem Grundzustand).</source>
        <translation> The electron is on level %1 (%2 eV above the ground state).</translation>
    </message>
    <message>
        <source> Die Seriengrenzen und die Ionisierungsgrenze sind markiert.</source>
        <translation> The series limits and the ionisation limit are marked.</translation>
    </message>
    <message>
        <source>  Prüfe Energiestufen im Wasserstoffatom</source>
        <translation>  Check energy levels in the hydrogen atom</translation>
    </message>
    <message>
        <source>Prüfe: Energiestufen im Wasserstoffatom</source>
        <translation>Check: energy levels in the hydrogen atom</translation>
    </message>
    <message>
        <source>Ein Wasserstoffatom</source>
        <translation>A hydrogen atom</translation>
    </message>
    <message>
        <source>befindet sich im Zustand</source>
        <translation>is in state</translation>
    </message>
    <message>
        <source>(max. 9)</source>
        <translation>(max. 9)</translation>
    </message>
    <message>
        <source> ENTWEDER:</source>
        <translation> EITHER:</translation>
    </message>
    <message>
        <source>Es soll in Zustand </source>
        <translation>It jumps to state </translation>
    </message>
    <message>
        <source>springen und</source>
        <translation>and thereby</translation>
    </message>
    <message>
        <source>dabei Energie in Form eines Photons abgeben.</source>
        <translation>gives off energy in the form of a photon.</translation>
    </message>
    <message>
        <source>&amp;emittiere!</source>
        <translation>&amp;emit!</translation>
    </message>
    <message>
        <source>     ODER:</source>
        <translation>     OR:</translation>
    </message>
    <message>
        <source>Es soll ein Photon der</source>
        <translation>It absorbs a photon of line</translation>
    </message>
    <message>
        <source>. Linie der</source>
        <translation>of the</translation>
    </message>
    <message>
        <source>-Serie absorbieren.</source>
        <translation>series.</translation>
    </message>
    <message>
        <source>(max. 4)</source>
        <translation>(max. 4)</translation>
    </message>
    <message>
        <source>&amp;absorbiere!</source>
        <translation>&amp;absorb!</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>&amp;markiere die Seriengrenzen</source>
        <translation>&amp;mark the series limits</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
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
        <source>&amp;warte</source>
        <translation>&amp;pause</translation>
    </message>
    <message>
        <source>&amp;weiter</source>
        <translation>&amp;resume</translation>
    </message>
</context>
<context>
    <name>TFormHSerien</name>
    <message>
        <source>Spektralserien des Wasserstoffatoms</source>
        <translation>Spectral series of the hydrogen atom</translation>
    </message>
    <message>
        <source>%1. Serie</source>
        <translation>%1th series</translation>
    </message>
    <message>
        <source>nach Frequenzen geordnet</source>
        <translation>ordered by frequency</translation>
    </message>
    <message>
        <source>nach Wellenlängen geordnet im angepassten Maßstab</source>
        <translation>ordered by wavelength on an adapted scale</translation>
    </message>
    <message>
        <source>nach Wellenlängen geordnet</source>
        <translation>ordered by wavelength</translation>
    </message>
    <message>
        <source>alle auf gleicher Höhe</source>
        <translation>all at the same height</translation>
    </message>
    <message>
        <source>jede in eigener Zeile</source>
        <translation>each in its own row</translation>
    </message>
    <message>
        <source>senkrecht gegeneinander versetzt</source>
        <translation>offset vertically from each other</translation>
    </message>
    <message>
        <source> und mit Namen</source>
        <translation> and with names</translation>
    </message>
    <message>
        <source>Die ersten %1 Serien des Wasserstoffspektrums mit je %2 Linien, %3, %4.</source>
        <translation>The first %1 series of the hydrogen spectrum with %2 lines each, %3, %4.</translation>
    </message>
    <message>
        <source>Die Linien reichen von %1 nm (Lyman-Serie) bis %2 nm (%3)</source>
        <translation>The lines reach from %1 nm (Lyman series) to %2 nm (%3)</translation>
    </message>
    <message>
        <source>Die Linien reichen von %1 THz (%2) bis %3 THz (Lyman-Serie)</source>
        <translation>The lines reach from %1 THz (%2) to %3 THz (Lyman series)</translation>
    </message>
    <message>
        <source>; ab der %1 überlappen sich die Serien.</source>
        <translation>; from the %1 on, the series overlap.</translation>
    </message>
    <message>
        <source>; die Serien überlappen sich nicht.</source>
        <translation>; the series do not overlap.</translation>
    </message>
    <message>
        <source>die Seriengrenzen sind markiert (%1 %2)</source>
        <translation>the series limits are marked (%1 %2)</translation>
    </message>
    <message>
        <source>die ersten Linien sind dick gezeichnet</source>
        <translation>the first lines are drawn thick</translation>
    </message>
    <message>
        <source>oben zeigt ein Streifen das sichtbare Licht von %1 bis %2 %3</source>
        <translation>at the top a strip shows the visible light from %1 to %2 %3</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>  Spektralserien des atomaren Wasserstoffs</source>
        <translation>  Spectral series of atomic hydrogen</translation>
    </message>
    <message>
        <source>Spektrum des Wasserstoffatoms</source>
        <translation>Spectrum of the hydrogen atom</translation>
    </message>
    <message>
        <source>Zeichne die ersten</source>
        <translation>Draw the first</translation>
    </message>
    <message>
        <source>6&#xa0;Serien</source>
        <translation>6&#xa0;series</translation>
    </message>
    <message>
        <source>Unterscheide sie vertikal</source>
        <translation>Separate them vertically</translation>
    </message>
    <message>
        <source>nicht</source>
        <translation>not</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>a little</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>strongly</translation>
    </message>
    <message>
        <source>Ordne sie nach</source>
        <translation>Order them by</translation>
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
        <source>Passe den
Maßstab an</source>
        <translation>Adapt the
scale</translation>
    </message>
    <message>
        <source>Zeichne pro Serie die ersten</source>
        <translation>Per series, draw the first</translation>
    </message>
    <message>
        <source>16&#xa0;Linien</source>
        <translation>16&#xa0;lines</translation>
    </message>
    <message>
        <source>Zeichne erste Linien &amp;dick</source>
        <translation>Draw first lines &amp;thick</translation>
    </message>
    <message>
        <source>&amp;Markiere die Seriengrenzen</source>
        <translation>&amp;Mark the series limits</translation>
    </message>
    <message>
        <source>Mit dem &amp;Spektrum
des sichtbaren Lichts</source>
        <translation>Show &amp;spectrum
of visible light</translation>
    </message>
    <message>
        <source>&amp;Hinweise</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>Text &amp;löschen</source>
        <translation>&amp;Delete text</translation>
    </message>
    <message>
        <source>untere Stufe n</source>
        <translation>Lower level n</translation>
    </message>
    <message>
        <source>obere Stufe m</source>
        <translation>Upper level m</translation>
    </message>
    <message>
        <source>Frequenz f / THz</source>
        <translation>Frequency f / THz</translation>
    </message>
    <message>
        <source>Wellenlänge λ / nm</source>
        <translation>Wavelength λ / nm</translation>
    </message>
</context>
<context>
    <name>Wasserstoff</name>
    <message>
        <source>Lyman-</source>
        <translation>Lyman</translation>
    </message>
    <message>
        <source>Balmer-</source>
        <translation>Balmer</translation>
    </message>
    <message>
        <source>Paschen-</source>
        <translation>Paschen</translation>
    </message>
    <message>
        <source>Brackett-</source>
        <translation>Brackett</translation>
    </message>
    <message>
        <source>Pfund-</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Lyman-Serie</source>
        <translation>Lyman series</translation>
    </message>
    <message>
        <source>Balmer-Serie</source>
        <translation>Balmer series</translation>
    </message>
    <message>
        <source>Paschen-Serie</source>
        <translation>Paschen series</translation>
    </message>
    <message>
        <source>Brackett-Serie</source>
        <translation>Brackett series</translation>
    </message>
    <message>
        <source>Pfund-Serie</source>
        <translation>Pfund series</translation>
    </message>
</context>
</TS>
