<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Glossar</name>
    <message>
        <source>Ablösearbeit</source>
        <translation>Work function</translation>
    </message>
    <message>
        <source>Alkali-Metall</source>
        <translation>Alkali metal</translation>
    </message>
    <message>
        <source>Alpha-Teilchen</source>
        <translation>Alpha particle</translation>
    </message>
    <message>
        <source>anregen</source>
        <translation>Excitation</translation>
    </message>
    <message>
        <source>Äther</source>
        <translation>Aether</translation>
    </message>
    <message>
        <source>Atomhülle</source>
        <translation>Electron shell</translation>
    </message>
    <message>
        <source>Atomkern</source>
        <translation>Atomic nucleus</translation>
    </message>
    <message>
        <source>Auslenkung</source>
        <translation>Displacement</translation>
    </message>
    <message>
        <source>Beugung</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Bohr</source>
        <translation>Bohr</translation>
    </message>
    <message>
        <source>Compton-Effekt </source>
        <translation>Compton effect</translation>
    </message>
    <message>
        <source>De Broglie</source>
        <translation>de Broglie</translation>
    </message>
    <message>
        <source>Determinismus</source>
        <translation>Determinism</translation>
    </message>
    <message>
        <source>Doppelspalt</source>
        <translation>Double slit</translation>
    </message>
    <message>
        <source>Dualismus</source>
        <translation>Wave–particle duality</translation>
    </message>
    <message>
        <source>Einstein</source>
        <translation>Einstein</translation>
    </message>
    <message>
        <source>elektromagnetische Strahlung</source>
        <translation>Electromagnetic radiation</translation>
    </message>
    <message>
        <source>Elektronvolt</source>
        <translation>Electronvolt</translation>
    </message>
    <message>
        <source>Energie und Spannung</source>
        <translation>Energy and voltage</translation>
    </message>
    <message>
        <source>Ernest Rutherford</source>
        <translation>Rutherford, Ernest</translation>
    </message>
    <message>
        <source>Franck</source>
        <translation>Franck</translation>
    </message>
    <message>
        <source>Fraunhofer-Linien</source>
        <translation>Fraunhofer lines</translation>
    </message>
    <message>
        <source>Heisenberg</source>
        <translation>Heisenberg</translation>
    </message>
    <message>
        <source>Hertz Gustav</source>
        <translation>Hertz, Gustav</translation>
    </message>
    <message>
        <source>Hertz Heinrich</source>
        <translation>Hertz, Heinrich</translation>
    </message>
    <message>
        <source>Huygens</source>
        <translation>Huygens</translation>
    </message>
    <message>
        <source>Impuls</source>
        <translation>Momentum</translation>
    </message>
    <message>
        <source>Intensität</source>
        <translation>Intensity</translation>
    </message>
    <message>
        <source>Interferenz</source>
        <translation>Interference</translation>
    </message>
    <message>
        <source>Korpuskel</source>
        <translation>Corpuscle</translation>
    </message>
    <message>
        <source>Lichtquant</source>
        <translation>Light quantum</translation>
    </message>
    <message>
        <source>Lichtwellen</source>
        <translation>Light waves</translation>
    </message>
    <message>
        <source>Materiewellen</source>
        <translation>Matter waves</translation>
    </message>
    <message>
        <source>Orbital</source>
        <translation>Orbital</translation>
    </message>
    <message>
        <source>Photoelektronen</source>
        <translation>Photoelectrons</translation>
    </message>
    <message>
        <source>Photon</source>
        <translation>Photon</translation>
    </message>
    <message>
        <source>Photozelle</source>
        <translation>Photocell</translation>
    </message>
    <message>
        <source>Planck</source>
        <translation>Planck</translation>
    </message>
    <message>
        <source>Quanten</source>
        <translation>Quanta</translation>
    </message>
    <message>
        <source>Ruhemasse</source>
        <translation>Rest mass</translation>
    </message>
    <message>
        <source>Schrödinger</source>
        <translation>Schrödinger</translation>
    </message>
    <message>
        <source>Schwarzer Körper</source>
        <translation>Black body</translation>
    </message>
    <message>
        <source>Seriengrenze</source>
        <translation>Series limit</translation>
    </message>
    <message>
        <source>Spektrum</source>
        <translation>Spectrum</translation>
    </message>
    <message>
        <source>Stehende Welle</source>
        <translation>Standing wave</translation>
    </message>
    <message>
        <source>Strahlungsgesetze</source>
        <translation>Radiation laws</translation>
    </message>
    <message>
        <source>Strahlungskurve</source>
        <translation>Radiation curve</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>Wavelength</translation>
    </message>
</context>
<context>
    <name>Seiten</name>
    <message>
        <source>: Licht: Wellen- oder Teilchenstrahlung?</source>
        <translation>: Light: a wave or a stream of particles?</translation>
    </message>
    <message>
        <source>      1: Licht zeigt eine Welleneigenschaft: Interferenz</source>
        <translation>      1: Light shows a property of waves: interference</translation>
    </message>
    <message>
        <source>: Eine weitere Welleneigenschaft?</source>
        <translation>: Another property of waves?</translation>
    </message>
    <message>
        <source>      2: Eine weitere Welleneigenschaft: Beugung</source>
        <translation>      2: Another property of waves: diffraction</translation>
    </message>
    <message>
        <source>: Die Strahlung eines Schwarzen Körpers</source>
        <translation>: The radiation of a black body</translation>
    </message>
    <message>
        <source>      3: Die Strahlung eines Schwarzen Körpers</source>
        <translation>      3: The radiation of a black body</translation>
    </message>
    <message>
        <source>: Das Planck’sche Strahlungsgesetz</source>
        <translation>: Planck’s radiation law</translation>
    </message>
    <message>
        <source>      4: Das Planck’sche Strahlungsgesetz</source>
        <translation>      4: Planck’s radiation law</translation>
    </message>
    <message>
        <source>: Worum geht’s beim Photoeffekt?</source>
        <translation>: What is the photoelectric effect about?</translation>
    </message>
    <message>
        <source>      5: Worum geht’s beim Photoeffekt?</source>
        <translation>      5: What is the photoelectric effect about?</translation>
    </message>
    <message>
        <source>: Die Photozelle</source>
        <translation>: The photocell</translation>
    </message>
    <message>
        <source>      6: Die Photozelle</source>
        <translation>      6: The photocell</translation>
    </message>
    <message>
        <source>: Experimente mit der Gegenfeldmethode</source>
        <translation>: Experiments with the retarding-field method</translation>
    </message>
    <message>
        <source>      7: Experimente mit der Gegenfeldmethode</source>
        <translation>      7: Experiments with the retarding-field method</translation>
    </message>
    <message>
        <source>: Die Einstein-Gleichung</source>
        <translation>: Einstein’s equation</translation>
    </message>
    <message>
        <source>      8: Die Einstein-Gleichung</source>
        <translation>      8: Einstein’s equation</translation>
    </message>
    <message>
        <source>: Photoeffekt aus der Sicht der Quantentheorie</source>
        <translation>: The photoelectric effect in the light of quantum theory</translation>
    </message>
    <message>
        <source>      9: Photoeffekt aus der Sicht der Quantentheorie</source>
        <translation>      9: The photoelectric effect in the light of quantum theory</translation>
    </message>
    <message>
        <source>: Bestimmung der Planck-Konstanten</source>
        <translation>: Measuring the Planck constant</translation>
    </message>
    <message>
        <source>    10: Bestimmung der Planck-Konstanten</source>
        <translation>    10: Measuring the Planck constant</translation>
    </message>
    <message>
        <source>: Spektren von Gasen</source>
        <translation>: Spectra of gases</translation>
    </message>
    <message>
        <source>    11: Spektren von Gasen</source>
        <translation>    11: Spectra of gases</translation>
    </message>
    <message>
        <source>: Ordnung im Spektrum des Wasserstoffatoms</source>
        <translation>: Order in the spectrum of the hydrogen atom</translation>
    </message>
    <message>
        <source>    12: Ordnung im Spektrum des Wasserstoffatoms</source>
        <translation>    12: Order in the spectrum of the hydrogen atom</translation>
    </message>
    <message>
        <source>: H-Atom: vom Spektrum zum Bau</source>
        <translation>: The H atom: from the spectrum to its structure</translation>
    </message>
    <message>
        <source>    13: H-Atom: vom Spektrum zum Bau</source>
        <translation>    13: The H atom: from the spectrum to its structure</translation>
    </message>
    <message>
        <source>: H-Atom: Emission und Absorption von Photonen</source>
        <translation>: The H atom: emission and absorption of photons</translation>
    </message>
    <message>
        <source>    14: H-Atom: Emission und Absorption von Photonen</source>
        <translation>    14: The H atom: emission and absorption of photons</translation>
    </message>
    <message>
        <source>: Franck-Hertz-Versuch: Anordnung</source>
        <translation>: The Franck–Hertz experiment: set-up</translation>
    </message>
    <message>
        <source>    15: Franck-Hertz-Versuch – Anordnung</source>
        <translation>    15: The Franck–Hertz experiment – set-up</translation>
    </message>
    <message>
        <source>: Franck-Hertz-Versuch: Experimentieren</source>
        <translation>: The Franck–Hertz experiment: experimenting</translation>
    </message>
    <message>
        <source>    16: Franck-Hertz-Versuch – Versuchsdurchführung</source>
        <translation>    16: The Franck–Hertz experiment – carrying it out</translation>
    </message>
    <message>
        <source>: Franck-Hertz-Kurve</source>
        <translation>: The Franck–Hertz curve</translation>
    </message>
    <message>
        <source>    17: Franck-Hertz-Versuch – Der Auffängerstrom</source>
        <translation>    17: The Franck–Hertz experiment – the collector current</translation>
    </message>
    <message>
        <source>: H-Atom: Modell nach Niels Bohr</source>
        <translation>: The H atom: Niels Bohr’s model</translation>
    </message>
    <message>
        <source>    18: H-Atom: Modell nach Niels Bohr</source>
        <translation>    18: The H atom: Niels Bohr’s model</translation>
    </message>
    <message>
        <source>: Materiewellen</source>
        <translation>: Matter waves</translation>
    </message>
    <message>
        <source>    19: Materiewellen – Welle-Teilchen-Dualismus</source>
        <translation>    19: Matter waves – wave–particle duality</translation>
    </message>
    <message>
        <source>: Die Heisenberg’sche Unschärferelation</source>
        <translation>: Heisenberg’s uncertainty principle</translation>
    </message>
    <message>
        <source>    20: Die Unschärferelation von W. Heisenberg</source>
        <translation>    20: W. Heisenberg’s uncertainty principle</translation>
    </message>
    <message>
        <source>: Stehende Wellen</source>
        <translation>: Standing waves</translation>
    </message>
    <message>
        <source>    21: Nachtrag: Stehende Wellen</source>
        <translation>    21: Supplement: standing waves</translation>
    </message>
    <message>
        <source>: Das Atommodell der Quantenmechanik</source>
        <translation>: The quantum-mechanical model of the atom</translation>
    </message>
    <message>
        <source>    22: Das Atommodell der Quantenmechanik</source>
        <translation>    22: The quantum-mechanical model of the atom</translation>
    </message>
    <message>
        <source>: Quantenphysik und modernes Weltbild</source>
        <translation>: Quantum physics and the modern view of the world</translation>
    </message>
    <message>
        <source>    23: Quantenphysik und modernes Weltbild</source>
        <translation>    23: Quantum physics and the modern view of the world</translation>
    </message>
    <message>
        <source>Christiaan &amp;Huygens</source>
        <translation>Christiaan &amp;Huygens</translation>
    </message>
    <message>
        <source>Max &amp;Planck</source>
        <translation>&amp;Max Planck</translation>
    </message>
    <message>
        <source>Albert &amp;Einstein</source>
        <translation>Albert &amp;Einstein</translation>
    </message>
    <message>
        <source>James &amp;Franck</source>
        <translation>James &amp;Franck</translation>
    </message>
    <message>
        <source>Gustav &amp;Hertz</source>
        <translation>Gustav &amp;Hertz</translation>
    </message>
    <message>
        <source>Niels &amp;Bohr</source>
        <translation>Niels B&amp;ohr</translation>
    </message>
    <message>
        <source>Louis-Victor de &amp;Broglie</source>
        <translation>&amp;Louis-Victor de Broglie</translation>
    </message>
    <message>
        <source>Werner &amp;Heisenberg</source>
        <translation>Werner &amp;Heisenberg</translation>
    </message>
    <message>
        <source>Erwin Sc&amp;hrödinger</source>
        <translation>Erwin Sc&amp;hrödinger</translation>
    </message>
    <message>
        <source>Heinrich Hertz</source>
        <translation>Heinrich Hertz</translation>
    </message>
</context>
<context>
    <name>TFormGuide</name>
    <message>
        <source>Text der Seite</source>
        <translation>Text of the page</translation>
    </message>
    <message>
        <source>Biografie</source>
        <translation>Biography</translation>
    </message>
    <message>
        <source>Porträt von %1</source>
        <translation>Portrait of %1</translation>
    </message>
    <message>
        <source>, der Physiker zu Seite %1 „%2“</source>
        <translation>, the physicist of page %1, “%2”</translation>
    </message>
    <message>
        <source> Ein Klick zeigt seine Biografie über dem Text der Seite.</source>
        <translation> A click shows his biography over the text of the page.</translation>
    </message>
    <message>
        <source> Ein Klick schließt seine Biografie wieder.</source>
        <translation> Another click closes his biography.</translation>
    </message>
    <message>
        <source>Geh direkt zu Seite</source>
        <translation>Go to page</translation>
    </message>
    <message>
        <source>Suche Begriff</source>
        <translation>Look up a term</translation>
    </message>
    <message>
        <source>Der Begriff findet sich auf Seite</source>
        <translation>The term is found on page</translation>
    </message>
    <message>
        <source>Diesen Text neu erstellen</source>
        <translation>Write this text anew</translation>
    </message>
    <message>
        <source>Biografie löschen</source>
        <translation>Close biography</translation>
    </message>
    <message>
        <source>Foto G. Hertz: nächste Seite</source>
        <translation>Photo of G. Hertz: next page</translation>
    </message>
    <message>
        <source>zeig’s &amp;mir!</source>
        <translation>&amp;show me!</translation>
    </message>
    <message>
        <source>&amp;weiter</source>
        <translation>&amp;next</translation>
    </message>
    <message>
        <source>zur&amp;ück</source>
        <translation>&amp;back</translation>
    </message>
    <message>
        <source>zur &amp;Seite 1</source>
        <translation>to &amp;page 1</translation>
    </message>
    <message>
        <source>&amp;zurück zur Titelseite</source>
        <translation>back to the &amp;title page</translation>
    </message>
    <message>
        <source>Für gezielte Suche:</source>
        <translation>Direct search:</translation>
    </message>
    <message>
        <source>Geh direkt zu Seite . . . </source>
        <translation>Go to page . . . </translation>
    </message>
    <message>
        <source>Info zum Begriff</source>
        <translation>About a term</translation>
    </message>
    <message>
        <source>findet sich auf Seite</source>
        <translation>is found on page</translation>
    </message>
    <message>
        <source>(Suche Begriff)</source>
        <translation>(Look up a term)</translation>
    </message>
    <message>
        <source>Doppelklick führt auf die entsprechende Seite</source>
        <translation>A double-click takes you to the matching page</translation>
    </message>
    <message>
        <source>Doppelklick führt auf diese Seite</source>
        <translation>A double-click takes you to this page</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>  Seite %1%2 </source>
        <translation>  Page %1%2 </translation>
    </message>
    <message>
        <source>Die Simulation zu dieser Seite ist noch in Arbeit und kommt mit einer späteren Version.</source>
        <translation>The simulation for this page is still being worked on and will come with a later version.</translation>
    </message>
    <message>
        <source>zeig’s &amp;mir nochmal!</source>
        <translation>&amp;show me again!</translation>
    </message>
    <message>
        <source>Du bist schon auf der gesuchten Seite.</source>
        <translation>You are already on the page you are looking for.</translation>
    </message>
    <message>
        <source>Fehlerhafte Seiten-Nummer?</source>
        <translation>Wrong page number?</translation>
    </message>
    <message>
        <source>(max. 23)</source>
        <translation>(max. 23)</translation>
    </message>
</context>
<context>
    <name>TFormInfo</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Verzeichnis der Texte (vollständiger Pfad)</source>
        <translation>Folder of the texts (full path)</translation>
    </message>
    <message>
        <source>&amp;Vorwort</source>
        <translation>&amp;Preface</translation>
    </message>
    <message>
        <source>&amp;Themen</source>
        <translation>&amp;Topics</translation>
    </message>
    <message>
        <source>&amp;Inhaltsverzeichnis</source>
        <translation>Table of &amp;contents</translation>
    </message>
    <message>
        <source>Inhalt der &amp;Seiten</source>
        <translation>Pa&amp;ge summaries</translation>
    </message>
    <message>
        <source>&amp;Probleme</source>
        <translation>Prob&amp;lems</translation>
    </message>
    <message>
        <source>&amp;Arbeiten damit</source>
        <translation>&amp;Working with it</translation>
    </message>
    <message>
        <source>&amp;Quellen etc.</source>
        <translation>&amp;Sources etc.</translation>
    </message>
    <message>
        <source>Te&amp;xte</source>
        <translation>Te&amp;xts</translation>
    </message>
    <message>
        <source>S&amp;onstiges</source>
        <translation>&amp;Other settings</translation>
    </message>
    <message>
        <source>zur&amp;ück zur Titelseite</source>
        <translation>&amp;back to title page</translation>
    </message>
    <message>
        <source>Vorwort</source>
        <translation>Preface</translation>
    </message>
    <message>
        <source>Zum Inhalt:</source>
        <translation>About the contents:</translation>
    </message>
    <message>
        <source>Zum Programm:</source>
        <translation>About the program:</translation>
    </message>
    <message>
        <source>Voreinstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Die oben genannten Texte befinden sich im Verzeichnis </source>
        <translation>The texts named above are in the folder </translation>
    </message>
    <message>
        <source>(vollständigen Pfad angeben):</source>
        <translation>(enter its full path):</translation>
    </message>
    <message>
        <source>Texte erst zur &amp;Laufzeit erstellen</source>
        <translation>Write texts only at &amp;run time</translation>
    </message>
    <message>
        <source>Co&amp;mputer, sei stad!</source>
        <translation>Computer, be &amp;quiet!</translation>
    </message>
    <message>
        <source>Dieses Verzeichnis existiert nicht! (Schreibfehler?)</source>
        <translation>This folder does not exist! (Typing error?)</translation>
    </message>
    <message>
        <source>Sp&amp;rache (ab dem nächsten Start):</source>
        <translation>L&amp;anguage (from the next start):</translation>
    </message>
    <message>
        <source>Sprache ab dem nächsten Start</source>
        <translation>Language from the next start</translation>
    </message>
</context>
</TS>
