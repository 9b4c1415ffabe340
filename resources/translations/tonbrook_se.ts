<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen finns inte.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan inte läsas.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Filen är tom.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Filen innehåller inget ljud i ett format som kan avkodas.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Ljudet i filen är skadat och kan inte avkodas.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Filen är för stor för att läsas in.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Sparar ljud | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Sparar låt | %1</translation>
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
        <translation>Inget ljud</translation>
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
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Enhet:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Ljudbuffert:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Buffertstorlek (millisekunder): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Välj språk:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Språkval - omstart krävs</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook måste startas om för att språkbytet ska träda i kraft.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Starta om nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Öppna cd-spår</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Öppna ljudfil...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Öppna cd-spår...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Spara session s&amp;om...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Spara session</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Läs in session...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Spara ljudmarkering</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Spara ljud</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Spara låtens ljud...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Spara riffets ljud...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Välj &amp;ljudenhet</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Välj &amp;standardmappar</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Välj &amp;kortkommandon</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Välj s&amp;pråk</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Visa hjälp</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Om Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Senaste filer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Öppna ljudfil</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Ritar vågform | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Ritar vågform | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Rensa listan</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Mappen kan inte användas</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan inte skriva till mappen ”%0”.&lt;br /&gt;Lagringsplatsen förblir ”%1”.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Avkodar ljud | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Avkodar ljud | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Spara session som...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook-session (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Sessionen kan inte sparas</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Inspelningens sökväg innehåller ett tecken som en sessionsfil inte kan lagra:&lt;br /&gt;%1&lt;br /&gt;Byt namn på eller flytta inspelningen och spara sedan igen.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Sessionen kunde inte skrivas till&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;En session som redan finns där är oförändrad.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Läs in sessionsfil</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3-filer (*.mp3);;WAV-filer (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV-filer (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Exportera ljud...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exportera riffet som WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exportera låten som WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Riffet kan inte exporteras</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 har inga steg.&lt;br /&gt;Lägg först till steg i fliken Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Låten kan inte exporteras</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Låten har inget riff.&lt;br /&gt;Välj först riff till dess platser i fliken Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Ljudet kan inte sparas</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Ljudet kunde inte sparas i&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Sessionsfilen kunde inte läsas:&lt;br /&gt;%1&lt;br /&gt;Inget har ändrats.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Den här filen är inte en session, eller så är den skadad:&lt;br /&gt;%1&lt;br /&gt;Inget har ändrats.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Sessionen kan inte läsas in</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Den valda filen stöds inte.&lt;br /&gt;Välj en fil med något av följande filändelser:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Filen kan inte läsas in</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD-spår (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du läser in en ny fil.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alla typer</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Filen hittades inte!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Ljudfilen kunde inte hittas&lt;br /&gt;Vill du välja en ljudfil själv?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du läser in en ny session.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analysen pågår fortfarande!&lt;br /&gt;Vänta tills bearbetningen är klar&lt;br /&gt;innan du skapar en ny sessionsfil.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen är för liten!&lt;br /&gt;Välj en annan fil.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen är för stor!&lt;br /&gt;Välj en annan fil.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Välj en annan ljudfil.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Ingen MP3-kodare är installerad</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Kan inte koda %1: ingen samplingsfrekvens</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Kan inte skapa %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Kan inte starta MP3-kodaren %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3-kodaren tar inte längre emot ljud</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3-kodaren tar inte längre emot ljud: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3-kodaren körs inte</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3-kodaren blev inte klar</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3-kodaren misslyckades (slutkod %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3-kodaren skrev ingenting</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Kan inte skapa %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>När ljudfiler öppnas:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Öppna mappen för den senaste ljudfilen</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Öppna alltid den här mappen:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrooks lagringsplats</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Plats för sparade sessioner och exporterat ljud:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standard</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Välj standardmapp för ljud</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Välj Tonbrooks lagringsmapp</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Mappen kan inte användas</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan inte skriva till mappen ”%0”.&lt;br /&gt;Lagringsplatsen förblir ”%1”.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Återställ standardmappar</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Vill du verkligen återställa standardmapparna?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 SLAG</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>SLAG</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>SLAG</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Ljudenhet</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardmappar</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Kortkommandon</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Beräknar ackord</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Rensa listan</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Rensa listan</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Spola framåt</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Läs in session</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Sänk metronomen</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Höj metronomen</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Öppna ljudfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonhöjd ned (-1 halvton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonhöjd upp (+1 halvton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Spela upp från markeringens början</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Spela upp/Stoppa</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spola bakåt</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Spara ljud</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Spara session</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Visa fliken Ackord</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Visa fliken Realtidsverktyg</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Visa fliken Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo ned (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo upp (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolering på/av</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Loop på/av</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonhöjd på/av</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Rullning på/av</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo på/av</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Visa hjälp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Sänk volymen</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Höj volymen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Tilldela</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standard</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Kortkommando</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Tangentkombinationen ”%0” används redan för åtgärden ”%1”</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Vill du skriva över det kortkommandot?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Skriva över befintligt kortkommando?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Återställ standardkortkommandon</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Vill du verkligen återställa kortkommandona?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Tryck på tangenterna för ”%0”:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Kan inte skapa %1: formatet stöds inte</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Kan inte skapa %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan inte skriva %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Ingen WAV-fil är öppen</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Kan inte skriva %1: längre än en WAV-fil rymmer</translation>
    </message>
</context>
</TS>
