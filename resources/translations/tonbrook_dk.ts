<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen findes ikke.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan ikke læses.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Filen er tom.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Filen indeholder ingen lyd i et format, der kan afkodes.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Lyden i filen er beskadiget og kan ikke afkodes.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Filen er for stor til at blive indlæst.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Gemmer lyd | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Gemmer sang | %1</translation>
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
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Enhed:</translation>
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
        <translation>Vælg sprog:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Valg af sprog - genstart påkrævet</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook skal genstartes, før sprogskiftet træder i kraft.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Genstart nu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Åbn cd-spor</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Åbn lydfil...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Åbn cd-spor...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Gem session &amp;som...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Gem session</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Indlæs session...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Gem lydmarkering</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Gem lyd</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Gem sangens lyd...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Gem riffets lyd...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Vælg &amp;lydenhed</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Vælg &amp;standardmapper</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Vælg &amp;tastaturgenveje</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Vælg s&amp;prog</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjælp</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Om Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Seneste filer</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åbn lydfil</translation>
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
        <translation>&amp;Ryd listen</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Mappen kan ikke bruges</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan ikke skrive i mappen &quot;%0&quot;.&lt;br /&gt;Gemmeplaceringen forbliver &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Afkoder lyd | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Afkoder lyd | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Gem session som...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook-session (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Sessionen kan ikke gemmes</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Optagelsens sti indeholder et tegn, som en sessionsfil ikke kan gemme:&lt;br /&gt;%1&lt;br /&gt;Omdøb eller flyt optagelsen, og gem derefter igen.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Sessionen kunne ikke skrives til&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;En session, der allerede findes der, er uændret.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Indlæs sessionsfil</translation>
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
        <translation>Eksportér lyd...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Eksportér riffet som WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Eksportér sangen som WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Riffet kan ikke eksporteres</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 har ingen trin.&lt;br /&gt;Tilføj først trin til det på fanen Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Sangen kan ikke eksporteres</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Sangen har intet riff.&lt;br /&gt;Vælg først riffs til dens pladser på fanen Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Lyden kan ikke gemmes</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Lyden kunne ikke gemmes i&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Sessionsfilen kunne ikke læses:&lt;br /&gt;%1&lt;br /&gt;Intet blev ændret.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Denne fil er ikke en session, eller den er beskadiget:&lt;br /&gt;%1&lt;br /&gt;Intet blev ændret.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Sessionen kan ikke indlæses</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Den valgte fil understøttes ikke.&lt;br /&gt;Vælg en fil med en af følgende endelser:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Filen kan ikke indlæses</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD-nummer (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du indlæser en ny fil.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle typer</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Filen blev ikke fundet!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Lydfilen kunne ikke findes&lt;br /&gt;Vil du selv vælge en lydfil?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du indlæser en ny session.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analysen kører stadig!&lt;br /&gt;Vent, til behandlingen er færdig,&lt;br /&gt;før du opretter en ny sessionsfil.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for lille!&lt;br /&gt;Vælg en anden fil.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Filen er for stor!&lt;br /&gt;Vælg en anden fil.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Vælg en anden lydfil.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Der er ingen MP3-koder installeret</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>%1 kan ikke kodes: ingen samplingsfrekvens</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kan ikke oprettes: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>MP3-koderen %1 kan ikke startes: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3-koderen tager ikke længere imod lyd</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3-koderen tager ikke længere imod lyd: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3-koderen kører ikke</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3-koderen blev ikke færdig</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3-koderen fejlede (slutkode %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3-koderen skrev intet</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 kan ikke oprettes</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Ved åbning af lydfiler:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Åbn mappen med den forrige lydfil</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Åbn altid denne mappe:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrooks gemmeplacering</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Placering af gemte sessioner og eksporteret lyd:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gendan standarder</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Vælg standardmappe til lyd</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Vælg Tonbrooks gemmemappe</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Mappen kan ikke bruges</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook kan ikke skrive i mappen &quot;%0&quot;.&lt;br /&gt;Gemmeplaceringen forbliver &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Gendan standardmapper</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Er du sikker på, at du vil gendanne standardmapperne?</translation>
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
        <translation>Lydenhed</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastaturgenveje</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprog</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Indstillinger</translation>
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
        <translation>Annuller</translation>
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
        <translation>Ryd listen</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Ryd listen</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Spol frem</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Indlæs session</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronom lavere</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronom højere</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Åbn lydfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Tonehøjde ned (-1 halvtone)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Tonehøjde op (+1 halvtone)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Afspil fra starten af markeringen</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Afspil/Stop</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Spol tilbage</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Gem lyd</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Gem session</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Vis fanen Akkorder</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Vis fanen Realtidsværktøjer</translation>
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
        <translation>Tempo op (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Isolering til/fra</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Loop til/fra</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Tonehøjde til/fra</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Rulning til/fra</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo til/fra</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Vis hjælp</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Lydstyrke ned</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lydstyrke op</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom ind</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ud</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Tildel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Gendan standarder</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Genvej</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Tastekombinationen &quot;%0&quot; bruges allerede til handlingen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Vil du overskrive den genvej?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Overskriv eksisterende genvej?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Gendan standardgenveje</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Er du sikker på, at du vil nulstille tastaturgenvejene?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Tryk på tasterne til &quot;%0&quot;:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>%1 kan ikke oprettes: formatet understøttes ikke</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kan ikke oprettes: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kan ikke skrives: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Der er ingen åben WAV-fil</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>%1 kan ikke skrives: længere end en WAV-fil kan rumme</translation>
    </message>
</context>
</TS>
