<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Fensterliste</name>
    <message>
        <source>Ausbreitung und Überlagerung von Wellen</source>
        <translation>Propagation and superposition of waves</translation>
    </message>
    <message>
        <source>Beugung</source>
        <translation>Diffraction</translation>
    </message>
    <message>
        <source>Strahlung eines schwarzen Körpers</source>
        <translation>Black-body radiation</translation>
    </message>
    <message>
        <source>Das Strahlungsgesetz von Max Planck</source>
        <translation>Max Planck’s radiation law</translation>
    </message>
    <message>
        <source>Bestimmung der Planck’schen Konstante</source>
        <translation>Determining Planck’s constant</translation>
    </message>
    <message>
        <source>Der Hallwachs-Effekt</source>
        <translation>The Hallwachs effect</translation>
    </message>
    <message>
        <source>Photoeffekt – Gegenfeldmethode</source>
        <translation>Photoelectric effect – retarding-field method</translation>
    </message>
    <message>
        <source>Ergebnis der Messungen mit einer Photozelle</source>
        <translation>Results of the measurements with a photocell</translation>
    </message>
    <message>
        <source>Spektralserien des atomaren Wasserstoffs</source>
        <translation>Spectral series of atomic hydrogen</translation>
    </message>
    <message>
        <source>Spektren von einatomigen Gasen</source>
        <translation>Spectra of monatomic gases</translation>
    </message>
    <message>
        <source>Energiestufen im Wasserstoffatom</source>
        <translation>Energy levels in the hydrogen atom</translation>
    </message>
    <message>
        <source>Prüfe Energiestufen im Wasserstoffatom</source>
        <translation>Test energy levels in the hydrogen atom</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Durchführung</source>
        <translation>Franck–Hertz experiment: procedure</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Anordnung</source>
        <translation>Franck–Hertz experiment: set-up</translation>
    </message>
    <message>
        <source>Franck-Hertz-Versuch: Auffängerstrom</source>
        <translation>Franck–Hertz experiment: collector current</translation>
    </message>
    <message>
        <source>Das Modell des Wasserstoffatoms von Niels Bohr</source>
        <translation>Niels Bohr’s model of the hydrogen atom</translation>
    </message>
    <message>
        <source>Doppelspaltversuch mit Elektronen oder Photonen</source>
        <translation>Double-slit experiment with electrons or photons</translation>
    </message>
    <message>
        <source>Heisenberg’sche Unschärferelation</source>
        <translation>Heisenberg’s uncertainty principle</translation>
    </message>
    <message>
        <source>Stehende Wellen</source>
        <translation>Standing waves</translation>
    </message>
    <message>
        <source>Das quantenmechanische Atommodell</source>
        <translation>The quantum-mechanical model of the atom</translation>
    </message>
    <message>
        <source>Die Vakuum-Photozelle</source>
        <translation>The vacuum photocell</translation>
    </message>
</context>
<context>
    <name>Kommandozeile</name>
    <message>
        <source>Unbekannte Option „%1%2“.</source>
        <translation>Unknown option “%1%2”.</translation>
    </message>
    <message>
        <source>Nach „%1“ fehlt ein Wert.</source>
        <translation>Missing value after “%1”.</translation>
    </message>
    <message>
        <source>Unbekannte Sprache „%1“: möglich sind de und en.</source>
        <translation>Unknown language “%1”: choose de or en.</translation>
    </message>
    <message>
        <source>Unerwartetes Argument „%1“.</source>
        <translation>Unexpected argument “%1”.</translation>
    </message>
    <message>
        <source>Ungültige Seitennummer „%1“: Der Leitfaden hat die Seiten 1 bis %2.</source>
        <translation>Invalid page number “%1”: the guide has pages 1 to %2.</translation>
    </message>
    <message>
        <source>Unbekanntes Fenster „%1“. Möglich sind: %2.</source>
        <translation>Unknown window “%1”. Known windows: %2.</translation>
    </message>
    <message>
        <source>Das Textverzeichnis „%1“ gibt es nicht.</source>
        <translation>The text folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>quantenpfad: %1
Hilfe: quantenpfad --help
</source>
        <translation>quantenpfad: %1
Help: quantenpfad --help
</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Titelbild „Quantenpfad“</source>
        <translation>Title picture “Quantenpfad”</translation>
    </message>
    <message>
        <source>Porträt von %1</source>
        <translation>Portrait of %1</translation>
    </message>
    <message>
        <source>Freie Software · GPL 3</source>
        <translation>Free software · GPL 3</translation>
    </message>
    <message>
        <source>GNU General Public License, Version 3 oder jede spätere Version</source>
        <translation>GNU General Public License, version 3 or any later version</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Info zum &amp;Programm</source>
        <translation>&amp;About the program</translation>
    </message>
    <message>
        <source>&amp;Texte, Einstellungen</source>
        <translation>&amp;Texts, settings</translation>
    </message>
    <message>
        <source>&amp;Auf geht’s!</source>
        <translation>&amp;Let’s go!</translation>
    </message>
    <message>
        <source>Hochdeutsch: lasset uns beginnen</source>
        <translation>Formally: let us begin</translation>
    </message>
    <message>
        <source>Programm &amp;Ende</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Der Name des Programms, „Quantenpfad“, in roter Schrift vor grauen Ringen um die Mitte; ringsum die Porträts von %1 Physikern der Quantenphysik.</source>
        <translation>The program’s name, “Quantenpfad”, in red letters in front of grey rings around the centre; around it the portraits of %1 physicists of quantum physics.</translation>
    </message>
    <message>
        <source>Der Name des Programms, „Quantenpfad“, in roter Schrift vor grauen Ringen um die Mitte; die Porträts ringsum sind noch verdeckt. Ein Klick deckt alle Porträts auf.</source>
        <translation>The program’s name, “Quantenpfad”, in red letters in front of grey rings around the centre; the portraits around it are still hidden. A click reveals all portraits.</translation>
    </message>
    <message>
        <source>Der Name des Programms, „Quantenpfad“, in roter Schrift vor grauen Ringen um die Mitte; ringsum sind %1 von %2 Porträts aufgedeckt. Ein Klick deckt alle Porträts auf.</source>
        <translation>The program’s name, “Quantenpfad”, in red letters in front of grey rings around the centre; %1 of the %2 portraits around it are revealed. A click reveals all portraits.</translation>
    </message>
</context>
</TS>
