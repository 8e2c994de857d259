<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Bausteine</name>
    <message>
        <source>Bitte Geduld: Ich rechne!</source>
        <translation>Patience: I’m computing!</translation>
    </message>
</context>
<context>
    <name>Einstellungen</name>
    <message>
        <source>Zurzeit sucht das Programm die Dateien direkt im Startverzeichnis „%1“.</source>
        <translation>At present the program looks for the files directly in the start folder “%1”.</translation>
    </message>
    <message>
        <source>Zurzeit liest das Programm die Texte aus dem Verzeichnis „%1“.</source>
        <translation>At present the program reads the texts from the folder “%1”.</translation>
    </message>
    <message>
        <source>Das Verzeichnis „%1“ gibt es zurzeit nicht; das Programm erstellt deshalb alle Texte selbst.</source>
        <translation>The folder “%1” does not exist at present, so the program writes all texts itself.</translation>
    </message>
</context>
<context>
    <name>FensterExport</name>
    <message>
        <source>CSV mit Dezimalkomma und Semikolon (*.csv)</source>
        <translation>CSV with decimal comma and semicolon (*.csv)</translation>
    </message>
    <message>
        <source>CSV mit Dezimalpunkt und Komma (*.csv)</source>
        <translation>CSV with decimal point and comma (*.csv)</translation>
    </message>
    <message>
        <source>Bild speichern …</source>
        <translation>Save picture …</translation>
    </message>
    <message>
        <source>Bild kopieren</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Werte speichern (CSV) …</source>
        <translation>Save values (CSV) …</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht gespeichert werden:
%1</source>
        <translation>The picture could not be saved:
%1</translation>
    </message>
    <message>
        <source>Werte speichern</source>
        <translation>Save values</translation>
    </message>
    <message>
        <source>Die Werte konnten nicht gespeichert werden:
%1</source>
        <translation>The values could not be saved:
%1</translation>
    </message>
</context>
<context>
    <name>Rtf</name>
    <message>
        <source>Die Datei ist zu umfangreich und wird nur bis hierher angezeigt.</source>
        <translation>The file is too large and is shown only up to here.</translation>
    </message>
</context>
<context>
    <name>SimFenster</name>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Der Ablauf ist angehalten.</source>
        <translation>The run is paused.</translation>
    </message>
    <message>
        <source>Der Ablauf läuft.</source>
        <translation>The run is in progress.</translation>
    </message>
    <message>
        <source>&amp;zurück zum Text</source>
        <translation>&amp;back to text</translation>
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
        <source>Verschwindet mit Mausklick</source>
        <translation>Disappears with a mouse click</translation>
    </message>
    <message>
        <source>Text &amp;löschen</source>
        <translation>&amp;Delete text</translation>
    </message>
    <message>
        <source>Diesen Text neu erstellen</source>
        <translation>Write this text anew</translation>
    </message>
    <message>
        <source>&amp;Weiter</source>
        <translation>&amp;resume</translation>
    </message>
    <message>
        <source>&amp;an/aus</source>
        <translation>&amp;on/off</translation>
    </message>
</context>
<context>
    <name>Steuerelemente</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Try again</translation>
    </message>
</context>
<context>
    <name>Textdatei</name>
    <message>
        <source>Die Datei „%1“ wurde nicht gefunden.</source>
        <translation>The file “%1” was not found.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht als Text geladen werden.</source>
        <translation>The file “%1” cannot be loaded as text.</translation>
    </message>
</context>
<context>
    <name>Zugang</name>
    <message>
        <source>%1: höher</source>
        <translation>%1: higher</translation>
    </message>
    <message>
        <source>%1: niedriger</source>
        <translation>%1: lower</translation>
    </message>
</context>
</TS>
