<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Die Datei enthält kein Audio in einem Format, das sich dekodieren lässt.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Das Audio in der Datei ist beschädigt und kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Die Datei ist zu groß zum Laden.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Audio wird gespeichert | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Song wird gespeichert | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>FILTER</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Audiopuffer:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Puffergröße (Millisekunden): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Sprache auswählen:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Sprachauswahl - Neustart erforderlich</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook muss neu gestartet werden, damit die neue Sprache wirksam wird.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>CD-Titel öffnen</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>Audiodatei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD-Titel öffnen...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Session speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>Session &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Session &amp;laden...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Audioauswahl speichern</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio speichern</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Song-Audio speichern...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Riff-Audio speichern...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>&amp;Audiogerät wählen</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Standard&amp;ordner festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel festlegen</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>&amp;Sprache wählen</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Über Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Wellenform wird gezeichnet | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Wellenform wird gezeichnet | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Ordner nicht verwendbar</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kann nicht in den Ordner „%0“ schreiben.&lt;br /&gt;Der Speicherort bleibt „%1“.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Audio wird dekodiert | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Audio wird dekodiert | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Session speichern unter...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook-Session (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Session kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Der Pfad der Aufnahme enthält ein Zeichen, das eine Sessiondatei nicht speichern kann:&lt;br /&gt;%1&lt;br /&gt;Benennen Sie die Aufnahme um oder verschieben Sie sie und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Die Session konnte nicht geschrieben werden nach&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Eine dort bereits vorhandene Session bleibt unverändert.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Sessiondatei laden</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3-Dateien (*.mp3);;WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Audio exportieren...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Riff als WAV exportieren...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Song als WAV exportieren...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Riff kann nicht exportiert werden</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 enthält keine Schritte.&lt;br /&gt;Fügen Sie ihm zuerst im Jam-Tab Schritte hinzu.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Song kann nicht exportiert werden</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Der Song enthält kein Riff.&lt;br /&gt;Wählen Sie zuerst im Jam-Tab Riffs für seine Plätze.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Audio kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Das Audio konnte nicht gespeichert werden unter&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Die Session-Datei konnte nicht gelesen werden:&lt;br /&gt;%1&lt;br /&gt;Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Diese Datei ist keine Session oder sie ist beschädigt:&lt;br /&gt;%1&lt;br /&gt;Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Session kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Die gewählte Datei wird nicht unterstützt.&lt;br /&gt;Bitte wählen Sie eine Datei mit einer dieser Endungen:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Datei kann nicht geladen werden</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD-Titel (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie eine neue Datei laden.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle Typen</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Die Audiodatei wurde nicht gefunden&lt;br /&gt;Möchten Sie selbst eine Audiodatei auswählen?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie eine neue Session laden.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Die Analyse läuft noch!&lt;br /&gt;Bitte warten Sie, bis sie abgeschlossen ist,&lt;br /&gt;bevor Sie eine neue Sessiondatei anlegen.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Datei zu klein!&lt;br /&gt;Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Datei zu groß!&lt;br /&gt;Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Bitte wählen Sie eine andere Audiodatei.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Kein MP3-Encoder installiert</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>%1 kann nicht kodiert werden: keine Abtastrate</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Der MP3-Encoder %1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>Der MP3-Encoder nimmt kein Audio mehr an</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>Der MP3-Encoder nimmt kein Audio mehr an: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>Der MP3-Encoder läuft nicht</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>Der MP3-Encoder ist nicht fertig geworden</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>Der MP3-Encoder ist gescheitert (Exit-Code %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>Der MP3-Encoder hat nichts geschrieben</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Beim Öffnen von Audiodateien:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Ordner der letzten Audiodatei öffnen</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Immer diesen Ordner öffnen:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Speicherort von Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Ort für gespeicherte Sessions und exportiertes Audio:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Standard-Audioordner auswählen</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Speicherordner für Tonbrook auswählen</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Ordner nicht verwendbar</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kann nicht in den Ordner „%0“ schreiben.&lt;br /&gt;Der Speicherort bleibt „%1“.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Standardordner wiederherstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Sollen die Standardordner wirklich wiederhergestellt werden?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 SCHLÄGE</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>SCHLÄGE</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>SCHLAG</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Audiogerät</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Akkorde werden berechnet</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Vorspulen</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Session laden</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom leiser</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom lauter</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiodatei öffnen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonhöhe runter (-1 Halbton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonhöhe rauf (+1 Halbton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Ab Auswahlbeginn abspielen</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Wiedergabe/Stopp</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio speichern</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Session speichern</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Registerkarte „Akkorde“ zeigen</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Registerkarte „Echtzeit-Werkzeuge“ zeigen</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Registerkarte „Jam“ zeigen</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo runter (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo rauf (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolieren ein/aus</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Schleife ein/aus</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonhöhe ein/aus</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Mitlaufen ein/aus</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo ein/aus</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Zuweisen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Die Tastenkombination „%0“ ist bereits der Aktion „%1“ zugewiesen</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Soll dieses Tastenkürzel ersetzt werden?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Vorhandenes Tastenkürzel ersetzen?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Standard-Tastenkürzel wiederherstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Sollen die Tastenkürzel wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Tastenkombination für „%0“ drücken:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>%1 kann nicht angelegt werden: Format nicht unterstützt</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Keine WAV-Datei geöffnet</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>%1 kann nicht geschrieben werden: länger, als eine WAV-Datei fassen kann</translation>
    </message>
</context>
</TS>
