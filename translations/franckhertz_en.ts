<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>FranckHertzBild</name>
    <message>
        <source> Gasatom im Grundzustand</source>
        <translation> Gas atom in the ground state</translation>
    </message>
    <message>
        <source> angeregtes Gasatom</source>
        <translation> Excited gas atom</translation>
    </message>
    <message>
        <source> Elektron</source>
        <translation> Electron</translation>
    </message>
</context>
<context>
    <name>FranckHertzKurveBild</name>
    <message>
        <source>Auffängerstrom</source>
        <translation>Collector current</translation>
    </message>
    <message>
        <source>Beschleunigungsspannung U</source>
        <translation>Accelerating voltage U</translation>
    </message>
</context>
<context>
    <name>TFormFranckHertz2</name>
    <message>
        <source>Franck-Hertz-Röhre mit Gasatomen und Schaltung</source>
        <translation>Franck–Hertz tube with gas atoms and circuit</translation>
    </message>
    <message>
        <source>Beschleunigungsspannung %1&#xa0;V, Gegenspannung %2&#xa0;V; %3.</source>
        <translation>Accelerating voltage %1&#xa0;V, retarding voltage %2&#xa0;V; %3.</translation>
    </message>
    <message>
        <source>Die Kathode wird geheizt</source>
        <translation>The cathode is being heated</translation>
    </message>
    <message>
        <source>Die Kathode glüht</source>
        <translation>The cathode is glowing</translation>
    </message>
    <message>
        <source>Die Kathode ist kalt</source>
        <translation>The cathode is cold</translation>
    </message>
    <message>
        <source>, der Schalter ist geschlossen</source>
        <translation>, the switch is closed</translation>
    </message>
    <message>
        <source>, der Schalter ist offen</source>
        <translation>, the switch is open</translation>
    </message>
    <message>
        <source>: Elektronen fliegen einzeln zum Auffänger, ihre Endpunkte bleiben eingezeichnet.</source>
        <translation>: electrons fly one by one to the collector, their end points stay marked.</translation>
    </message>
    <message>
        <source>: Elektronen fliegen einzeln zum Auffänger.</source>
        <translation>: electrons fly one by one to the collector.</translation>
    </message>
    <message>
        <source>Der Strommesser ist abgeschaltet</source>
        <translation>The ammeter is switched off</translation>
    </message>
    <message>
        <source>Der Strommesser zeigt %1&#xa0;% seines Vollausschlags</source>
        <translation>The ammeter shows %1&#xa0;% of its full-scale deflection</translation>
    </message>
    <message>
        <source>Der Zeiger des Strommessers steht auf null</source>
        <translation>The ammeter’s needle stands at zero</translation>
    </message>
    <message>
        <source>; das erste Elektron erreichte den Auffänger.</source>
        <translation>; the first electron reached the collector.</translation>
    </message>
    <message>
        <source>; das erste Elektron erreichte den Auffänger nicht.</source>
        <translation>; the first electron did not reach the collector.</translation>
    </message>
    <message>
        <source>; keines der letzten %1 Elektronen erreichte den Auffänger.</source>
        <translation>; none of the last %1 electrons reached the collector.</translation>
    </message>
    <message>
        <source>; eines der letzten %1 Elektronen erreichte den Auffänger.</source>
        <translation>; one of the last %1 electrons reached the collector.</translation>
    </message>
    <message>
        <source>; die letzten %1 Elektronen erreichten alle den Auffänger.</source>
        <translation>; the last %1 electrons all reached the collector.</translation>
    </message>
    <message>
        <source>; %1 der letzten %2 Elektronen erreichten den Auffänger.</source>
        <translation>; %1 of the last %2 electrons reached the collector.</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Durchführung</source>
        <translation>Franck–Hertz experiment: performing it</translation>
    </message>
    <message>
        <source>Der Franck-Hertz-Versuch: Durchführung</source>
        <translation>Performing the Franck–Hertz experiment</translation>
    </message>
    <message>
        <source>Zahl der Gasatome</source>
        <translation>Number of gas atoms</translation>
    </message>
    <message>
        <source>Bewegung der Atome</source>
        <translation>Motion of the atoms</translation>
    </message>
    <message>
        <source>nein</source>
        <comment>no motion</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>schwach</source>
        <translation>weak</translation>
    </message>
    <message>
        <source>stark</source>
        <translation>strong</translation>
    </message>
    <message>
        <source>Bewegung der Gas-
Atome simulieren</source>
        <translation>Simulate motion
of the gas atoms</translation>
    </message>
    <message>
        <source>Anregungsenergie</source>
        <translation>Excitation energy</translation>
    </message>
    <message>
        <source>Dauer der Anregung</source>
        <translation>Excitation time</translation>
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
        <source>Wahrscheinlichkeit
für Stoß (Anregung)</source>
        <translation>Probability of a
collision (excitation)</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
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
        <source>Stopp bei Stoß:</source>
        <translation>Stop at collision:</translation>
    </message>
    <message>
        <source>nein</source>
        <comment>no stop</comment>
        <translation>no</translation>
    </message>
    <message>
        <source>kurz</source>
        <translation>short</translation>
    </message>
    <message>
        <source>lang</source>
        <translation>long</translation>
    </message>
    <message>
        <source>mit &amp;Messgerät für
    Strom zum Auffänger</source>
        <translation>with a &amp;meter for
    collector current</translation>
    </message>
    <message>
        <source>mit &amp;Endpunkten der
  Elektronenbahnen</source>
        <translation>with &amp;end points of
  the electron paths</translation>
    </message>
    <message>
        <source>&amp;Hinweise/Info</source>
        <translation>&amp;Hints/info</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>Beschleunigungsspannung</source>
        <translation>Accelerating voltage</translation>
    </message>
    <message>
        <source>Beschleunigungs-
spannung</source>
        <translation>Accelerating
voltage</translation>
    </message>
    <message>
        <source>Gegenspannung</source>
        <translation>Retarding voltage</translation>
    </message>
    <message>
        <source>Schalter zu/auf</source>
        <translation>Close/open switch</translation>
    </message>
    <message>
        <source>&amp;Kathode heizen</source>
        <translation>Heat &amp;cathode</translation>
    </message>
    <message>
        <source>Keine Elektronenemission ohne glühende Kathode!</source>
        <translation>No electron emission without a glowing cathode!</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>ist %1&#xa0;eV</source>
        <translation>is %1&#xa0;eV</translation>
    </message>
    <message>
        <source>%1 Gasatome mit der Anregungsenergie %2&#xa0;eV, keines davon angeregt</source>
        <translation>%1 gas atoms with the excitation energy %2&#xa0;eV, none of them excited</translation>
    </message>
    <message>
        <source>%1 Gasatome mit der Anregungsenergie %2&#xa0;eV, davon %3 angeregt</source>
        <translation>%1 gas atoms with the excitation energy %2&#xa0;eV, %3 of them excited</translation>
    </message>
</context>
<context>
    <name>TFormFranckHertzAnordnung2</name>
    <message>
        <source>Versuchsanordnung des Franck-Hertz-Versuchs</source>
        <translation>Set-up of the Franck–Hertz experiment</translation>
    </message>
    <message>
        <source>Geschlossene Glasröhre mit Glühkathode, Gitter und Auffänger; zwischen Kathode und Gitter die Beschleunigungsspannung mit Spannungsmessgerät, zwischen Gitter und Auffänger die Gegenspannung und das Messgerät für den Strom zum Auffänger, links der Heizstromkreis der Kathode.</source>
        <translation>Sealed glass tube with hot cathode, grid and collector; between cathode and grid the accelerating voltage with a voltmeter, between grid and collector the retarding voltage and the meter for the current to the collector, on the left the heating circuit of the cathode.</translation>
    </message>
    <message>
        <source>Die Röhre ist noch ohne Gas.</source>
        <translation>The tube has no gas in it yet.</translation>
    </message>
    <message>
        <source>Die Röhre ist mit %1 Gasatomen gefüllt, davon %2 angeregt; Temperatur des Gases auf Stufe %3 von %4.</source>
        <translation>The tube is filled with %1 gas atoms, %2 of them excited; temperature of the gas at setting %3 of %4.</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Anordnung</source>
        <translation>Franck–Hertz experiment: set-up</translation>
    </message>
    <message>
        <source>Experiment von J. Franck und G. Hertz: Versuchsanordnung</source>
        <translation>Experiment by J. Franck and G. Hertz: set-up</translation>
    </message>
    <message>
        <source>Zahl der Gasatome</source>
        <translation>Number of gas atoms</translation>
    </message>
    <message>
        <source>Temperatur des Gases</source>
        <translation>Temperature of the gas</translation>
    </message>
    <message>
        <source>niedrig</source>
        <translation>low</translation>
    </message>
    <message>
        <source>hoch</source>
        <translation>high</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;warten</source>
        <translation>&amp;pause</translation>
    </message>
    <message>
        <source>Gasfüllung</source>
        <translation>Gas filling</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>Glühkathode</source>
        <translation>Hot cathode</translation>
    </message>
    <message>
        <source>Gitter</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Auffänger</source>
        <translation>Collector</translation>
    </message>
    <message>
        <source>geschlossene
Glasröhre</source>
        <translation>sealed
glass tube</translation>
    </message>
    <message>
        <source>Beschleunigungsspannung</source>
        <translation>Accelerating voltage</translation>
    </message>
    <message>
        <source>Gegenspannung</source>
        <translation>Retarding voltage</translation>
    </message>
    <message>
        <source>mit Spannungsmessgerät</source>
        <translation>with voltmeter</translation>
    </message>
    <message>
        <source>Messgerät
für Strom
zum
Auffänger</source>
        <translation>Meter for
current
to the
collector</translation>
    </message>
    <message>
        <source>Strom-
kreis
für die
Heizung
der
Kathode</source>
        <translation>Heating
circuit
of the
cathode</translation>
    </message>
    <message>
        <source>&amp;weiter</source>
        <translation>&amp;resume</translation>
    </message>
</context>
<context>
    <name>TFormFranckHertzKurve2</name>
    <message>
        <source>Franck-Hertz-Röhre mit Schaltung und Messgeräten</source>
        <translation>Franck–Hertz tube with circuit and meters</translation>
    </message>
    <message>
        <source>Auffängerstrom über der Beschleunigungsspannung</source>
        <translation>Collector current against the accelerating voltage</translation>
    </message>
    <message>
        <source>Spannung steigt in kleinen oder großen Schritten</source>
        <translation>Voltage rises in small or large steps</translation>
    </message>
    <message>
        <source>Elektronen pro Schritt</source>
        <translation>electrons per step</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Der Schalter ist geschlossen; das Spannungsmessgerät zeigt %1, der Strommesser %2&#xa0;% seines Vollausschlags.</source>
        <translation>The switch is closed; the voltmeter shows %1, the ammeter %2&#xa0;% of its full-scale deflection.</translation>
    </message>
    <message>
        <source>Der Schalter ist geschlossen.</source>
        <translation>The switch is closed.</translation>
    </message>
    <message>
        <source>Der Schalter ist offen, beide Zeiger stehen auf null.</source>
        <translation>The switch is open, both needles stand at zero.</translation>
    </message>
    <message>
        <source>Die Achse der Beschleunigungsspannung reicht bis %1&#xa0;V.</source>
        <translation>The axis of the accelerating voltage goes up to %1&#xa0;V.</translation>
    </message>
    <message>
        <source>Noch keine Messwerte.</source>
        <translation>No measured values yet.</translation>
    </message>
    <message>
        <source>Aufgezeichnet bei %1</source>
        <translation>Recorded at %1</translation>
    </message>
    <message>
        <source>Aufgezeichnet von %1 bis %2 in %3 Schritten</source>
        <translation>Recorded from %1 to %2 in %3 steps</translation>
    </message>
    <message>
        <source>, bisher ohne Strom.</source>
        <translation>, no current so far.</translation>
    </message>
    <message>
        <source>, Strom ab %1.</source>
        <translation>, current from %1 on.</translation>
    </message>
    <message>
        <source>Noch kein Maximum des Auffängerstroms.</source>
        <translation>No maximum of the collector current yet.</translation>
    </message>
    <message>
        <source>Ein Maximum des Auffängerstroms bei %1.</source>
        <translation>One maximum of the collector current, at %1.</translation>
    </message>
    <message>
        <source>Maxima des Auffängerstroms bei %1.</source>
        <translation>Maxima of the collector current at %1.</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Auffängerstrom in Abhängigkeit von der Beschleunigungsspannung</source>
        <translation>Franck–Hertz experiment: collector current as a function of the accelerating voltage</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Auffängerstrom</source>
        <translation>Franck–Hertz experiment: collector current</translation>
    </message>
    <message>
        <source>Anregungsenergie:</source>
        <translation>Excitation energy:</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit
für Stoß (Anregung)</source>
        <translation>Probability of a
collision (excitation)</translation>
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
        <source>max. Beschleunigungs-
spannung:</source>
        <translation>max. accelerating
voltage:</translation>
    </message>
    <message>
        <source>Gegenspannung:</source>
        <translation>Retarding voltage:</translation>
    </message>
    <message>
        <source>Spannung steigt</source>
        <translation>Voltage rises</translation>
    </message>
    <message>
        <source>in kleinen</source>
        <translation>in small</translation>
    </message>
    <message>
        <source>großen</source>
        <translation>large</translation>
    </message>
    <message>
        <source>Schritten</source>
        <translation>steps</translation>
    </message>
    <message>
        <source>mit</source>
        <translation>with</translation>
    </message>
    <message>
        <source>wenig</source>
        <translation>few</translation>
    </message>
    <message>
        <source>vielen</source>
        <translation>many</translation>
    </message>
    <message>
        <source>&amp;Hinweise/Info</source>
        <translation>&amp;Hints/info</translation>
    </message>
    <message>
        <source>&amp;Beobachtung</source>
        <translation>Obser&amp;vation</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>&amp;delete</translation>
    </message>
    <message>
        <source>Bitte Geduld!
Der Auffängerstrom ist (noch) sehr klein.</source>
        <translation>Please be patient!
The collector current is (still) very small.</translation>
    </message>
    <message>
        <source>%1&#xa0;Volt</source>
        <translation>%1&#xa0;volts</translation>
    </message>
    <message>
        <source>Gasgefüllte Röhre mit Kathode, Gitter und Auffänger; höchste Beschleunigungsspannung %1&#xa0;V, Gegenspannung %2&#xa0;V, Anregungsenergie der Atome %3&#xa0;eV.</source>
        <translation>Gas-filled tube with cathode, grid and collector; highest accelerating voltage %1&#xa0;V, retarding voltage %2&#xa0;V, excitation energy of the atoms %3&#xa0;eV.</translation>
    </message>
    <message>
        <source>&amp;unterbrechen</source>
        <translation>&amp;pause</translation>
    </message>
    <message>
        <source>&amp;weiter</source>
        <translation>&amp;resume</translation>
    </message>
    <message>
        <source>Beschleunigungsspannung U_a / V</source>
        <translation>Accelerating voltage U_a / V</translation>
    </message>
    <message>
        <source>Auffängerstrom / relative Einheiten</source>
        <translation>Collector current / relative units</translation>
    </message>
</context>
</TS>
