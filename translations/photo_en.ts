<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Einstein</name>
    <message>
        <source>Natrium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Kalium</source>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Cäsium</source>
        <translation>Caesium</translation>
    </message>
</context>
<context>
    <name>EinsteinBild</name>
    <message>
        <source>Kinetische Energie Eₖᵢₙ
der Elektronen / eV</source>
        <translation>Kinetic energy Eₖᵢₙ
of the electrons / eV</translation>
    </message>
    <message>
        <source>Wellenlänge / nm</source>
        <translation>Wavelength / nm</translation>
    </message>
    <message>
        <source>Frequenz / THz</source>
        <translation>Frequency / THz</translation>
    </message>
    <message>
        <source>sichtbarer Bereich</source>
        <translation>visible range</translation>
    </message>
</context>
<context>
    <name>Gegenfeld</name>
    <message>
        <source>Natrium </source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Kalium</source>
        <translation>Potassium</translation>
    </message>
    <message>
        <source>Rubidium </source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Cäsium  </source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>1. Frequenz</source>
        <translation>1st frequency</translation>
    </message>
    <message>
        <source>2. Frequenz</source>
        <translation>2nd frequency</translation>
    </message>
    <message>
        <source>1. Spannung</source>
        <translation>1st voltage</translation>
    </message>
    <message>
        <source>2. Spannung</source>
        <translation>2nd voltage</translation>
    </message>
    <message>
        <source>Kein Eintrag für die %1!</source>
        <translation>No entry for the %1!</translation>
    </message>
    <message>
        <source>Falscher Eintrag für die %1!</source>
        <translation>Invalid entry for the %1!</translation>
    </message>
    <message>
        <source>Falsche/ungeeignete Eingabe?</source>
        <translation>Wrong or unsuitable input?</translation>
    </message>
</context>
<context>
    <name>GegenfeldFenster</name>
    <message>
        <source>Photozelle mit Lampe, Gegenspannung und Messgerät</source>
        <translation>Photocell with lamp, retarding voltage and meter</translation>
    </message>
    <message>
        <source>Photozelle mit einer Schicht aus %1, Gegenspannung %2.</source>
        <translation>Photocell with a layer of %1, retarding voltage %2.</translation>
    </message>
    <message>
        <source>Die Lampe ist aus (eingestellt: %1, Intensität %2).</source>
        <translation>The lamp is off (set to %1, intensity %2).</translation>
    </message>
    <message>
        <source>Das Messgerät zeigt einen Ausschlag von %1&#xa0;% des Vollausschlags.</source>
        <translation>The meter shows a deflection of %1&#xa0;% of full scale.</translation>
    </message>
    <message>
        <source>Das Messgerät zeigt keinen Ausschlag.</source>
        <translation>The meter shows no deflection.</translation>
    </message>
    <message>
        <source>In diesem Ablauf ausgelöste Elektronen: %1, davon am Ring angekommen: %2; gerade unterwegs: %3.</source>
        <translation>Electrons released in this run: %1; reached the ring: %2; in flight now: %3.</translation>
    </message>
    <message>
        <source>abbrechen</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>1,5&#xa0;Volt</source>
        <translation>1.5&#xa0;V</translation>
    </message>
    <message>
        <source>Intensität:</source>
        <translation>Intensity:</translation>
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
        <source>&amp;Licht</source>
        <translation>&amp;Light</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Die Lampe strahlt Licht von %1 mit der Intensität %2 ein, als Wellen dargestellt.</source>
        <translation>The lamp shines light of %1 at intensity %2, shown as waves.</translation>
    </message>
    <message>
        <source>Die Lampe strahlt Licht von %1 mit der Intensität %2 ein, als Photonen dargestellt.</source>
        <translation>The lamp shines light of %1 at intensity %2, shown as photons.</translation>
    </message>
    <message>
        <source>Die Lampe strahlt Licht von %1 mit der Intensität %2 ein.</source>
        <translation>The lamp shines light of %1 at intensity %2.</translation>
    </message>
</context>
<context>
    <name>HallwachsBild</name>
    <message>
        <source>Spannung</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>(So gepolt, dass Elektronen vom
Metallring angezogen werden)</source>
        <translation>(Polarity such that the metal
ring attracts electrons)</translation>
    </message>
    <message>
        <source>Elektronen</source>
        <translation>Electrons</translation>
    </message>
    <message>
        <source>Metall-Ring
oder -Netz
worauf
Elektronen
treffen</source>
        <translation>Metal ring
or mesh
that the
electrons
hit</translation>
    </message>
    <message>
        <source>Messgerät
für Photostrom</source>
        <translation>Meter for
photocurrent</translation>
    </message>
    <message>
        <source>Erdung</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>evakuiertes Glasgefäß</source>
        <translation>evacuated glass bulb</translation>
    </message>
    <message>
        <source>licht-
empfindliche
Metallschicht
an der
Innenseite</source>
        <translation>light-
sensitive
metal layer
on the
inside</translation>
    </message>
    <message>
        <source>Metall-Ring,
auf den
Elektronen
treffen
(„Auffänger“)</source>
        <translation>Metal ring
that the
electrons
hit
(“collector”)</translation>
    </message>
    <message>
        <source>Messgerät für Photostrom</source>
        <translation>Photocurrent meter</translation>
    </message>
    <message>
        <source>Metallplatte
(z.&#xa0;B. Zink)</source>
        <translation>Metal plate
(e.g. zinc)</translation>
    </message>
</context>
<context>
    <name>HallwachsFenster</name>
    <message>
        <source>Die Lampe bestrahlt %1 mit %2, Lichtintensität %3.</source>
        <translation>The lamp shines %2 on %1, light intensity %3.</translation>
    </message>
    <message>
        <source>Die Lampe ist aus (Experiment mit %1, Lichtintensität %2).</source>
        <translation>The lamp is off (experiment with %1, light intensity %2).</translation>
    </message>
    <message>
        <source>%1 sind über das Messgerät und eine Spannungsquelle verbunden; es zeigt einen Ausschlag von %2&#xa0;% des Vollausschlags.</source>
        <translation>%1 are connected through the meter and a voltage source; it shows a deflection of %2&#xa0;% of full scale.</translation>
    </message>
    <message>
        <source>%1 sind über das Messgerät und eine Spannungsquelle verbunden; es zeigt keinen Ausschlag.</source>
        <translation>%1 are connected through the meter and a voltage source; it shows no deflection.</translation>
    </message>
    <message>
        <source>Kein Elektron fliegt.</source>
        <translation>No electron is in flight.</translation>
    </message>
    <message>
        <source>1 Elektron fliegt %1.</source>
        <translation>1 electron is flying %1.</translation>
    </message>
    <message>
        <source>%1 Elektronen fliegen %2.</source>
        <translation>%1 electrons are flying %2.</translation>
    </message>
    <message>
        <source>Lichtintensität</source>
        <translation>Light intensity</translation>
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
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>&amp;Licht</source>
        <translation>&amp;Light</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>&amp;Hinweise/Info</source>
        <translation>&amp;Hints/info</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
</context>
<context>
    <name>Lampenwahl</name>
    <message>
        <source>Spektrum der Lampe</source>
        <translation>Spectrum of the lamp</translation>
    </message>
    <message>
        <source>Kontinuierliches Spektrum der Glühlampe von %1&#xa0;THz (Rot) bis %2&#xa0;THz (Violett); gewählt ist %3.</source>
        <translation>Continuous spectrum of the filament lamp from %1&#xa0;THz (red) to %2&#xa0;THz (violet); %3 is chosen.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>cadmium</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>helium</translation>
    </message>
    <message>
        <source>Quecksilber</source>
        <translation>mercury</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>neon</translation>
    </message>
    <message>
        <source>Linienspektrum von %1: keine Linie zwischen %2 und %3&#xa0;THz.</source>
        <translation>Line spectrum of %1: no line between %2 and %3&#xa0;THz.</translation>
    </message>
    <message>
        <source>Linienspektrum von %1 zwischen %2 und %3&#xa0;THz mit Linien bei %4&#xa0;THz; hervorgehoben ist die gewählte Linie bei %5.</source>
        <translation>Line spectrum of %1 between %2 and %3&#xa0;THz with lines at %4&#xa0;THz; the chosen line at %5 is highlighted.</translation>
    </message>
    <message>
        <source>Wähle eine der 5 Linien</source>
        <translation>Pick one of the 5 lines</translation>
    </message>
    <message>
        <source>wähle eine der 7 Linien aus</source>
        <translation>pick one of the 7 lines</translation>
    </message>
    <message>
        <source>wähle eine der 6 Linien aus</source>
        <translation>pick one of the 6 lines</translation>
    </message>
    <message>
        <source>Cd = Cadmium</source>
        <translation>Cd = cadmium</translation>
    </message>
    <message>
        <source>Hg = Quecksilber</source>
        <translation>Hg = mercury</translation>
    </message>
    <message>
        <source>Lampe</source>
        <translation>Filament lamp</translation>
    </message>
    <message>
        <source>Glüh-</source>
        <translation>Bulb</translation>
    </message>
    <message>
        <source>weißes Licht</source>
        <translation>white light</translation>
    </message>
    <message>
        <source>Zeichne Linien:</source>
        <translation>Draw lines:</translation>
    </message>
    <message>
        <source>fein</source>
        <translation>thin</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>grob</source>
        <translation>thick</translation>
    </message>
    <message>
        <source>gewählte Wellenlänge:</source>
        <translation>chosen wavelength:</translation>
    </message>
    <message>
        <source>1&#xa0;nm = 1 Nanometer = 1 millionstel Millimeter</source>
        <translation>1&#xa0;nm = 1 nanometre = 1 millionth of a millimetre</translation>
    </message>
    <message>
        <source>gewählte Frequenz:</source>
        <translation>chosen frequency:</translation>
    </message>
    <message>
        <source>1&#xa0;THz = 1 Terahertz = 10¹²&#xa0;Hz = 1 Billion Hertz</source>
        <translation>1&#xa0;THz = 1 terahertz = 10¹²&#xa0;Hz = 1 trillion hertz</translation>
    </message>
</context>
<context>
    <name>TFormEinsteinGl</name>
    <message>
        <source>Einstein-Gerade: Energie der Photoelektronen über der Frequenz</source>
        <translation>Einstein line: energy of the photoelectrons against frequency</translation>
    </message>
    <message>
        <source>Kinetische Energie der Elektronen (eV) über der Frequenz des Lichts (THz) für die %1</source>
        <translation>Kinetic energy of the electrons (eV) against the frequency of the light (THz) for the %1</translation>
    </message>
    <message>
        <source>, mit ihren Spektrallinien</source>
        <translation>, with its spectral lines</translation>
    </message>
    <message>
        <source>; darüber der sichtbare Bereich</source>
        <translation>; above it the visible range</translation>
    </message>
    <message>
        <source>1 Messpunkt</source>
        <translation>1 data point</translation>
    </message>
    <message>
        <source>%1 Messpunkte</source>
        <translation>%1 data points</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kein Metall gewählt.</source>
        <translation>No metal chosen.</translation>
    </message>
    <message>
        <source>Metalle: %1.</source>
        <translation>Metals: %1.</translation>
    </message>
    <message>
        <source> Ergebnis der Messungen mit einer Photozelle</source>
        <translation> Results of measurements with a photocell</translation>
    </message>
    <message>
        <source>Ergebnis der Experimente mit einer Photozelle </source>
        <translation>Results of the experiments with a photocell </translation>
    </message>
    <message>
        <source>Lichtempfindliches </source>
        <translation>Light-sensitive </translation>
    </message>
    <message>
        <source>&amp;Metall </source>
        <translation>&amp;metal </translation>
    </message>
    <message>
        <source>Messpunkte &amp;verbinden</source>
        <translation>&amp;Connect the data points</translation>
    </message>
    <message>
        <source>Mit 1 Steigungsdreieck</source>
        <translation>With 1 slope triangle</translation>
    </message>
    <message>
        <source>Licht&amp;quelle</source>
        <translation>Light &amp;source</translation>
    </message>
    <message>
        <source>Cadmium-Lampe</source>
        <translation>Cadmium lamp</translation>
    </message>
    <message>
        <source>Helium-Lampe</source>
        <translation>Helium lamp</translation>
    </message>
    <message>
        <source>Quecksilber-Lampe</source>
        <translation>Mercury lamp</translation>
    </message>
    <message>
        <source>Neon-Lampe</source>
        <translation>Neon lamp</translation>
    </message>
    <message>
        <source>zeige Spektral&amp;linien</source>
        <translation>show spectral &amp;lines</translation>
    </message>
    <message>
        <source>zeige &amp;Spektrum</source>
        <translation>show s&amp;pectrum</translation>
    </message>
    <message>
        <source>&amp;Hinweise</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>%1 (%2, Gerade mit den Achsenabschnitten %3&#xa0;THz und %4&#xa0;eV)</source>
        <translation>%1 (%2, straight line with the intercepts %3&#xa0;THz and %4&#xa0;eV)</translation>
    </message>
    <message>
        <source>Steigungsdreieck bei %1: Höhe %2&#xa0;eV, Breite %3&#xa0;THz.</source>
        <translation>Slope triangle for %1: height %2&#xa0;eV, width %3&#xa0;THz.</translation>
    </message>
</context>
<context>
    <name>TFormGegenfeld2</name>
    <message>
        <source>Photoeffekt – Gegenfeldmethode</source>
        <translation>Photoelectric effect – retarding-field method</translation>
    </message>
    <message>
        <source>Der Photoeffekt (= lichtelektrischer Effekt)</source>
        <translation>The photoelectric effect (photoeffect)</translation>
    </message>
    <message>
        <source>Der Photoeffekt – Licht als Wellenstrahlung</source>
        <translation>The photoelectric effect – light as waves</translation>
    </message>
    <message>
        <source>Licht</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Wähle eine Linie (und damit eine
Wellenlänge und eine Frequenz)
aus dem Spektrum von:</source>
        <translation>Choose a line (and with it a
wavelength and a frequency)
from the spectrum of:</translation>
    </message>
    <message>
        <source>Lichtempfindliche</source>
        <translation>Light-sensitive</translation>
    </message>
    <message>
        <source>Metall-Schicht</source>
        <translation>metal layer</translation>
    </message>
    <message>
        <source>Bei diesem Metall ist</source>
        <translation>For this metal, the</translation>
    </message>
    <message>
        <source>die Ablösearbeit:</source>
        <translation>work function is:</translation>
    </message>
    <message>
        <source>die Grenzwellenlänge:</source>
        <translation>threshold wavelength:</translation>
    </message>
    <message>
        <source>1&#xa0;nm = 1 milliardstel Meter</source>
        <translation>1&#xa0;nm = 1 billionth of a metre</translation>
    </message>
    <message>
        <source>Gegenspannung</source>
        <translation>Retarding voltage</translation>
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
        <source>Hinweise und Beobachtungen</source>
        <translation>Hints and observations</translation>
    </message>
    <message>
        <source>Der Photoeffekt – Licht als Teilchenstrahlung</source>
        <translation>The photoelectric effect – light as particles</translation>
    </message>
    <message>
        <source>Frequenz f / THz</source>
        <translation>Frequency f / THz</translation>
    </message>
    <message>
        <source>Ablösearbeit W_A / eV</source>
        <translation>Work function W_A / eV</translation>
    </message>
    <message>
        <source>Gegenspannung U / V</source>
        <translation>Retarding voltage U / V</translation>
    </message>
    <message>
        <source>Grenzspannung (h·f − W_A)/e / V</source>
        <translation>Stopping voltage (h·f − W_A)/e / V</translation>
    </message>
    <message>
        <source>Zeigerausschlag / Vollausschlag</source>
        <translation>Needle deflection / full deflection</translation>
    </message>
</context>
<context>
    <name>TFormHallwachs</name>
    <message>
        <source>Versuch mit Zinkplatte und Lampe</source>
        <translation>Experiment with zinc plate and lamp</translation>
    </message>
    <message>
        <source>die Zinkplatte</source>
        <translation>the zinc plate</translation>
    </message>
    <message>
        <source>Platte und Metallring</source>
        <translation>Plate and metal ring</translation>
    </message>
    <message>
        <source>Die Platte ist geerdet.</source>
        <translation>The plate is earthed.</translation>
    </message>
    <message>
        <source>zum Metallring</source>
        <translation>to the metal ring</translation>
    </message>
    <message>
        <source>von der Platte weg</source>
        <translation>away from the plate</translation>
    </message>
    <message>
        <source>  Der Hallwachs-Effekt</source>
        <translation>  The Hallwachs effect</translation>
    </message>
    <message>
        <source>Der Photoeffekt</source>
        <translation>The photoelectric effect</translation>
    </message>
    <message>
        <source>(Nach einem seiner Mit-Entdecker auch Hallwachs-Effekt genannt)</source>
        <translation>(Also called the Hallwachs effect, after one of its discoverers)</translation>
    </message>
    <message>
        <source>&amp;Experiment mit</source>
        <translation>&amp;Experiment with</translation>
    </message>
    <message>
        <source>sichtbarem Licht</source>
        <translation>visible light</translation>
    </message>
    <message>
        <source>UV-Licht</source>
        <translation>UV light</translation>
    </message>
    <message>
        <source>Schaltskizze zum Nach-
weis des Photostroms</source>
        <translation>Circuit for detecting
the photocurrent</translation>
    </message>
    <message>
        <source>Schaltskizze be&amp;schriften</source>
        <translation>Label the &amp;sketch</translation>
    </message>
</context>
<context>
    <name>TFormPhotozelle5</name>
    <message>
        <source>Vakuum-Photozelle mit Lampe</source>
        <translation>Vacuum photocell with lamp</translation>
    </message>
    <message>
        <source>die lichtempfindliche Metallschicht der Photozelle</source>
        <translation>the light-sensitive metal layer of the photocell</translation>
    </message>
    <message>
        <source>Metallschicht und Ring</source>
        <translation>Metal layer and ring</translation>
    </message>
    <message>
        <source>Kein Messgerät ist angeschlossen.</source>
        <translation>No meter is connected.</translation>
    </message>
    <message>
        <source>zum Ring</source>
        <translation>to the ring</translation>
    </message>
    <message>
        <source>Die Vakuum-Photozelle</source>
        <translation>The vacuum photocell</translation>
    </message>
    <message>
        <source>Die Photozelle</source>
        <translation>The photocell</translation>
    </message>
    <message>
        <source> &amp;Experiment mit </source>
        <translation> &amp;Experiment with </translation>
    </message>
    <message>
        <source>rotem Licht</source>
        <translation>red light</translation>
    </message>
    <message>
        <source>UV-Licht</source>
        <translation>UV light</translation>
    </message>
    <message>
        <source>Nachweis des</source>
        <translation>Measuring the</translation>
    </message>
    <message>
        <source> &amp;Photostroms: </source>
        <translation> photo&amp;current: </translation>
    </message>
    <message>
        <source>Be&amp;schriftungen</source>
        <translation>&amp;Show labels</translation>
    </message>
</context>
<context>
    <name>TFormPlanckKonstante2</name>
    <message>
        <source>Berechnete Planck-Konstante</source>
        <translation>Calculated Planck constant</translation>
    </message>
    <message>
        <source>Bestimmung der Planck’schen Konstante h</source>
        <translation>Determining Planck’s constant h</translation>
    </message>
    <message>
        <source>Veranschauliche Licht als</source>
        <translation>Depict light as</translation>
    </message>
    <message>
        <source>Welle</source>
        <translation>wave</translation>
    </message>
    <message>
        <source>Photonen</source>
        <translation>photons</translation>
    </message>
    <message>
        <source>gar nicht</source>
        <translation>not at all</translation>
    </message>
    <message>
        <source>Nur symbolische Darstellung – ohne Bedeutung für die Simulation des Photoeffekts</source>
        <translation>Symbolic depiction only – it has no effect on the simulation of the photoelectric effect</translation>
    </message>
    <message>
        <source>Deine Messungen:</source>
        <translation>Your measurements:</translation>
    </message>
    <message>
        <source>Frequenz/THz</source>
        <translation>Frequency/THz</translation>
    </message>
    <message>
        <source>Spannung/mV</source>
        <translation>Voltage/mV</translation>
    </message>
    <message>
        <source>1. Messung</source>
        <translation>Reading 1</translation>
    </message>
    <message>
        <source>2. Messung</source>
        <translation>Reading 2</translation>
    </message>
    <message>
        <source>&amp;Rechne!</source>
        <translation>&amp;Calculate!</translation>
    </message>
    <message>
        <source>lichtempfindliche</source>
        <translation>light-sensitive</translation>
    </message>
    <message>
        <source>Schicht</source>
        <translation>layer</translation>
    </message>
    <message>
        <source>Gegenspannung/Volt</source>
        <translation>Retarding voltage/V</translation>
    </message>
    <message>
        <source>&amp;Hinweise</source>
        <translation>&amp;Hints</translation>
    </message>
    <message>
        <source>Hil&amp;fe</source>
        <translation>H&amp;elp</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>Messung</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Frequenz f / THz</source>
        <translation>Frequency f / THz</translation>
    </message>
    <message>
        <source>Gegenspannung U / mV</source>
        <translation>Retarding voltage U / mV</translation>
    </message>
    <message>
        <source>Das Ergebnis h = %1&#xa0;J·s ist nicht plausibel (erwartet wird etwa 6,6&#xa0;·&#xa0;10⁻³⁴&#xa0;J·s). Es wird nicht übernommen; das Programm rechnet weiter mit h = %2&#xa0;J·s.</source>
        <translation>The result h = %1&#xa0;J·s is not plausible (about 6.6&#xa0;·&#xa0;10⁻³⁴&#xa0;J·s is expected). It is not taken over; the program goes on calculating with h = %2&#xa0;J·s.</translation>
    </message>
</context>
</TS>
