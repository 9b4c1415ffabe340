<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Het bestand bevat geen audio in een formaat dat kan worden gedecodeerd.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>De audio in het bestand is beschadigd en kan niet worden gedecodeerd.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Het bestand is te groot om te laden.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Audio opslaan | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Song opslaan | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Geen geluid</translation>
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
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Apparaat:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Audiobuffer:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Buffergrootte (milliseconden): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Taal kiezen:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Taalkeuze - opnieuw starten vereist</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook moet opnieuw worden gestart voordat de nieuwe taal wordt gebruikt.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Nu opnieuw starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Cd-track openen</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>Audiobestand &amp;openen...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Cd-track openen...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Sessie opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>Sessie op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Sessie &amp;laden...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Audioselectie opslaan</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio opslaan</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Songaudio opslaan...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Riffaudio opslaan...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>&amp;Audioapparaat instellen</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Standaard&amp;mappen instellen</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>&amp;Sneltoetsen instellen</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>&amp;Taal instellen</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Help weergeven</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Over Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Recente bestanden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiobestand openen</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Golfvorm tekenen | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Golfvorm tekenen | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Map niet bruikbaar</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan niet schrijven in de map &quot;%0&quot;.&lt;br /&gt;De opslaglocatie blijft &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Audio decoderen | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Audio decoderen | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Sessie opslaan als...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook-sessie (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Sessie kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Het pad van de opname bevat een teken dat een sessiebestand niet kan opslaan:&lt;br /&gt;%1&lt;br /&gt;Hernoem of verplaats de opname en sla daarna opnieuw op.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>De sessie kon niet worden geschreven naar&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Een sessie die er al staat, blijft ongewijzigd.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Sessiebestand laden</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3-bestanden (*.mp3);;WAV-bestanden (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV-bestanden (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Audio exporteren...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Riff als WAV exporteren...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Song als WAV exporteren...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Riff kan niet worden geëxporteerd</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 bevat geen stappen.&lt;br /&gt;Voeg eerst stappen toe op het tabblad Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Song kan niet worden geëxporteerd</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>De song bevat geen riff.&lt;br /&gt;Kies eerst riffs voor de vakjes op het tabblad Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Audio kan niet worden opgeslagen</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>De audio kon niet worden opgeslagen in&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Het sessiebestand kon niet worden gelezen:&lt;br /&gt;%1&lt;br /&gt;Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Dit bestand is geen sessie, of het is beschadigd:&lt;br /&gt;%1&lt;br /&gt;Er is niets gewijzigd.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Sessie kan niet worden geladen</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Het gekozen bestand wordt niet ondersteund.&lt;br /&gt;Kies een bestand met een van de volgende extensies:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Bestand kan niet worden geladen</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Cd-nummer (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u een nieuw bestand laadt.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle typen</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Bestand niet gevonden!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Het audiobestand is niet gevonden&lt;br /&gt;Wilt u zelf een audiobestand kiezen?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u een nieuwe sessie laadt.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>De analyse loopt nog!&lt;br /&gt;Wacht tot de verwerking klaar is&lt;br /&gt;voordat u een nieuw sessiebestand maakt.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Bestand te klein!&lt;br /&gt;Kies een ander bestand.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Bestand te groot!&lt;br /&gt;Kies een ander bestand.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Kies een ander audiobestand.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Er is geen MP3-encoder geïnstalleerd</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>%1 kan niet worden gecodeerd: geen samplefrequentie</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>De MP3-encoder %1 kan niet worden gestart: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>De MP3-encoder neemt geen audio meer aan</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>De MP3-encoder neemt geen audio meer aan: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>De MP3-encoder draait niet</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>De MP3-encoder is niet klaar gekomen</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>De MP3-encoder is mislukt (afsluitcode %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>De MP3-encoder heeft niets geschreven</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 kan niet worden aangemaakt</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Bij het openen van audiobestanden:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Map van het vorige audiobestand openen</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Altijd deze map openen:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Opslaglocatie van Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Map voor opgeslagen sessies en geëxporteerde audio:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Standaard audiomap kiezen</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Opslagmap voor Tonbrook kiezen</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Map niet bruikbaar</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan niet schrijven in de map &quot;%0&quot;.&lt;br /&gt;De opslaglocatie blijft &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Standaardmappen herstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Weet u zeker dat u de standaardmappen wilt herstellen?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TELLEN</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TELLEN</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TEL</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Audioapparaat</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standaardmappen</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Akkoorden berekenen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Lijst wissen</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Vooruitspoelen</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Sessie laden</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronoom zachter</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronoom harder</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Audiobestand openen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Toonhoogte omlaag (-1 halve toon)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Toonhoogte omhoog (+1 halve toon)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Afspelen vanaf begin van selectie</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Afspelen/Stoppen</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Terugspoelen</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Audio opslaan</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Sessie opslaan</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Tabblad Akkoorden tonen</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Tabblad Realtime-gereedschap tonen</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Tabblad Jam tonen</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo omlaag (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo omhoog (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isoleren aan/uit</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Lus aan/uit</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Toonhoogte aan/uit</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Meescrollen aan/uit</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo aan/uit</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Help weergeven</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume lager</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume hoger</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>De toetscombinatie &quot;%0&quot; wordt al gebruikt voor de actie &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Wilt u die sneltoets overschrijven?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Bestaande sneltoets overschrijven?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Standaardsneltoetsen herstellen</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Weet u zeker dat u de sneltoetsen wilt terugzetten?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Druk op de toetsen voor &quot;%0&quot;:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>%1 kan niet worden aangemaakt: formaat niet ondersteund</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kan niet worden aangemaakt: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Er is geen WAV-bestand geopend</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>%1 kan niet worden geschreven: langer dan een WAV-bestand kan bevatten</translation>
    </message>
</context>
</TS>
