<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Il file non contiene audio in un formato decodificabile.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>L&apos;audio nel file è danneggiato e non può essere decodificato.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Il file è troppo grande per essere caricato.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Salvataggio dell&apos;audio | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Salvataggio del brano | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Predefinito di sistema</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Nessun suono</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>FILTRO</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Buffer audio:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Dimensione buffer (millisecondi): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Seleziona la lingua:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Selezione della lingua - riavvio necessario</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook deve essere riavviato perché il cambio di lingua abbia effetto.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Apri traccia CD</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Apri file audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Apri traccia CD...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Salva sessione &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Salva sessione</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Ca&amp;rica sessione...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Salva selezione audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Salva audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Salva audio del brano...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Salva audio del riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Imposta dispositivo &amp;audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Imposta &amp;cartelle predefinite</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Imposta scorciatoie da &amp;tastiera</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Imposta &amp;lingua</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Visualizza la guida</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Informazioni su Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>File recenti</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Apri file audio</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Disegno della forma d&apos;onda | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Disegno della forma d&apos;onda | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Cancella elenco</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Cartella non utilizzabile</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook non può scrivere nella cartella &quot;%0&quot;.&lt;br /&gt;La posizione di salvataggio resta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Decodifica dell&apos;audio | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Decodifica dell&apos;audio | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Salva sessione con nome...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Sessione Tonbrook (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Impossibile salvare la sessione</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Il percorso della registrazione contiene un carattere che un file di sessione non può memorizzare:&lt;br /&gt;%1&lt;br /&gt;Rinomina o sposta la registrazione, poi salva di nuovo.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Impossibile scrivere la sessione in&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Una sessione già presente resta invariata.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Carica file di sessione</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>File MP3 (*.mp3);;File WAV (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>File WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Esporta audio...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Esporta il riff in WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Esporta il brano in WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Impossibile esportare il riff</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Il riff %1 non contiene passi.&lt;br /&gt;Aggiungi prima dei passi nella scheda Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Impossibile esportare il brano</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Il brano non contiene riff.&lt;br /&gt;Scegli prima i riff per i suoi slot nella scheda Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Impossibile salvare l&apos;audio</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Impossibile salvare l&apos;audio in&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Impossibile leggere il file di sessione:&lt;br /&gt;%1&lt;br /&gt;Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Questo file non è una sessione oppure è danneggiato:&lt;br /&gt;%1&lt;br /&gt;Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Impossibile caricare la sessione</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Il file scelto non è supportato.&lt;br /&gt;Scegli un file con una delle seguenti estensioni:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Impossibile caricare il file</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Traccia CD (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi la fine dell&apos;elaborazione&lt;br /&gt;prima di caricare un nuovo file.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>File non trovato!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Impossibile trovare il file audio&lt;br /&gt;Vuoi scegliere un file audio manualmente?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi la fine dell&apos;elaborazione&lt;br /&gt;prima di caricare una nuova sessione.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>L&apos;analisi è ancora in corso!&lt;br /&gt;Attendi la fine dell&apos;elaborazione&lt;br /&gt;prima di creare un nuovo file di sessione.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>File troppo piccolo!&lt;br /&gt;Scegli un altro file.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>File troppo grande!&lt;br /&gt;Scegli un altro file.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Scegli un altro file audio.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Nessun codificatore MP3 installato</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Impossibile codificare %1: nessuna frequenza di campionamento</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Impossibile avviare il codificatore MP3 %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>Il codificatore MP3 non accetta più audio</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>Il codificatore MP3 non accetta più audio: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>Il codificatore MP3 non è in esecuzione</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>Il codificatore MP3 non ha terminato</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>Il codificatore MP3 non è riuscito (codice di uscita %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>Il codificatore MP3 non ha scritto nulla</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Impossibile creare %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>All&apos;apertura dei file audio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Apri la cartella dell&apos;ultimo file audio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Apri sempre questa cartella:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Posizione di salvataggio di Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Posizione delle sessioni salvate e dell&apos;audio esportato:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Seleziona la cartella audio predefinita</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Seleziona la cartella di salvataggio di Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Cartella non utilizzabile</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook non può scrivere nella cartella &quot;%0&quot;.&lt;br /&gt;La posizione di salvataggio resta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Ripristina le cartelle predefinite</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Ripristinare davvero le cartelle predefinite?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 BATTITI</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>BATTITI</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>BATTITO</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Cartelle predefinite</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Calcolo degli accordi</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Cancella elenco</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Cancella elenco</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avanti veloce</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Carica sessione</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Abbassa il metronomo</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Alza il metronomo</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Apri file audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Abbassa la tonalità (-1 semitono)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Alza la tonalità (+1 semitono)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Riproduci dall&apos;inizio della selezione</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Riproduci/Stop</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Riavvolgi</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Salva audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Salva sessione</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Mostra la scheda Accordi</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Mostra la scheda Strumenti in tempo reale</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Mostra la scheda Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Rallenta il tempo (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Accelera il tempo (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Attiva/disattiva l&apos;isolamento</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Attiva/disattiva il loop</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Attiva/disattiva la tonalità</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Attiva/disattiva lo scorrimento</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Attiva/disattiva il tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Visualizza la guida</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Abbassa il volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Alza il volume</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Scorciatoia</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>La combinazione &quot;%0&quot; è già usata per l&apos;azione &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Sovrascrivere questa scorciatoia?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Sovrascrivere la scorciatoia esistente?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Ripristina le scorciatoie predefinite</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Reimpostare davvero le scorciatoie da tastiera?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Premi i tasti per &quot;%0&quot;:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Impossibile creare %1: formato non supportato</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Nessun file WAV aperto</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Impossibile scrivere %1: più lungo di quanto un file WAV possa contenere</translation>
    </message>
</context>
</TS>
