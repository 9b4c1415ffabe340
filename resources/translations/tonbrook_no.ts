<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen finnes ikke.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan ikke leses.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Filen er tom.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Filen inneholder ingen lyd i et format som kan dekodes.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Lyden i filen er skadet og kan ikke dekodes.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Filen er for stor til å lastes inn.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Lagrer lyd | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Lagrer sang | %1</translation>
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
        <translation>Ingen lyd</translation>
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
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Enhet:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Lydbuffer:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Bufferstørrelse (millisekunder): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Velg språk:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Valg av språk - omstart kreves</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook må startes på nytt før språkendringen trer i kraft.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Start på nytt nå</translation>
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
        <translation>Åpne CD-spor</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Åpne lydfil...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Åpne CD-spor...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Lagre økt &amp;som...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Lagre økt</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Last &amp;inn økt...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Lagre lydutvalg</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Lagre lyd</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Lagre sanglyd...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Lagre rifflyd...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Velg &amp;lydenhet</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Velg &amp;standardmapper</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Velg &amp;hurtigtaster</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Velg s&amp;pråk</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjelp</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Om Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Nylige filer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Innstillinger</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åpne lydfil</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Tegner bølgeform | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Tegner bølgeform | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Tøm listen</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Mappen kan ikke brukes</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan ikke skrive til mappen «%0».&lt;br /&gt;Lagringsstedet forblir «%1».</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Dekoder lyd | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Dekoder lyd | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Lagre økt som...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook-økt (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Økten kan ikke lagres</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Stien til opptaket inneholder et tegn som en øktfil ikke kan lagre:&lt;br /&gt;%1&lt;br /&gt;Gi opptaket nytt navn eller flytt det, og lagre deretter på nytt.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Økten kunne ikke skrives til&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;En økt som allerede ligger der, er uendret.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Last inn øktfil</translation>
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
        <translation>Eksporter lyd...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Eksporter riffet som WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Eksporter sangen som WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Riffet kan ikke eksporteres</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 har ingen trinn.&lt;br /&gt;Legg først til trinn i fanen Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Sangen kan ikke eksporteres</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Sangen har ingen riff.&lt;br /&gt;Velg først riff til plassene i fanen Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Lyden kan ikke lagres</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Lyden kunne ikke lagres i&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Øktfilen kunne ikke leses:&lt;br /&gt;%1&lt;br /&gt;Ingenting ble endret.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Denne filen er ikke en økt, eller den er skadet:&lt;br /&gt;%1&lt;br /&gt;Ingenting ble endret.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Økten kan ikke lastes inn</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Den valgte filen støttes ikke.&lt;br /&gt;Velg en fil med en av følgende endelser:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Filen kan ikke lastes inn</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD-spor (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du laster inn en ny fil.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle typer</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Finner ikke filen!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Fant ikke lydfilen&lt;br /&gt;Vil du velge en lydfil selv?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du laster inn en ny økt.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analysen pågår fortsatt!&lt;br /&gt;Vent til behandlingen er ferdig&lt;br /&gt;før du oppretter en ny øktfil.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for liten!&lt;br /&gt;Velg en annen fil.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for stor!&lt;br /&gt;Velg en annen fil.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Velg en annen lydfil.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Ingen MP3-koder er installert</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Kan ikke kode %1: ingen samplingsfrekvens</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Kan ikke opprette %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Kan ikke starte MP3-koderen %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3-koderen tar ikke lenger imot lyd</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3-koderen tar ikke lenger imot lyd: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3-koderen kjører ikke</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3-koderen ble ikke ferdig</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3-koderen mislyktes (avslutningskode %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3-koderen skrev ingenting</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Kan ikke opprette %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Ved åpning av lydfiler:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Åpne mappen til forrige lydfil</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Åpne alltid denne mappen:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Lagringssted for Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Plassering av lagrede økter og eksportert lyd:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standard</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Velg standard lydmappe</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Velg lagringsmappe for Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Mappen kan ikke brukes</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan ikke skrive til mappen «%0».&lt;br /&gt;Lagringsstedet forblir «%1».</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Gjenopprett standardmapper</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Er du sikker på at du vil gjenopprette standardmappene?</translation>
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
        <translation>Lydenhet</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Hurtigtaster</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Innstillinger</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Beregner akkorder</translation>
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
        <translation>&amp;Nei</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Tøm listen</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Tøm listen</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Spol fremover</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Last inn økt</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom lavere</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom høyere</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åpne lydfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonehøyde ned (-1 halvtone)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonehøyde opp (+1 halvtone)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Spill av fra starten av utvalget</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Spill av/Stopp</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spol tilbake</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Lagre lyd</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Lagre økt</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Vis fanen Akkorder</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Vis fanen Sanntidsverktøy</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Vis fanen Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo ned (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo opp (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolering av/på</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Loop av/på</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonehøyde av/på</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Rulling av/på</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo av/på</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjelp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volum ned</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volum opp</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Angi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gjenopprett standard</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Hurtigtast</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Tastekombinasjonen «%0» brukes allerede til handlingen «%1»</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Vil du overskrive den hurtigtasten?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Overskrive eksisterende hurtigtast?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Gjenopprett standard hurtigtaster</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Er du sikker på at du vil tilbakestille hurtigtastene?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Trykk tastene for «%0»:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Kan ikke opprette %1: formatet støttes ikke</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Kan ikke opprette %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Kan ikke skrive %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Ingen WAV-fil er åpen</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Kan ikke skrive %1: lengre enn en WAV-fil kan romme</translation>
    </message>
</context>
</TS>
