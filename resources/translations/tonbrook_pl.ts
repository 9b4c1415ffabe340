<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Nie można odczytać pliku.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Plik nie zawiera dźwięku w formacie, który można zdekodować.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Dźwięk w pliku jest uszkodzony i nie można go zdekodować.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Plik jest zbyt duży, aby go wczytać.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Zapisywanie audio | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Zapisywanie utworu | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Domyślne systemowe</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Bez dźwięku</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>FILTR</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Urządzenie:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Bufor audio:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Rozmiar bufora (milisekundy): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Wybierz język:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Wybór języka - wymagane ponowne uruchomienie</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Aby zmiana języka zadziałała, należy ponownie uruchomić Tonbrook.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Uruchom ponownie teraz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Otwórz ścieżkę CD</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Otwórz plik audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Otwórz ścieżkę CD...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Zapisz sesję &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Zapisz sesję</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Wczytaj sesję...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Zapisz zaznaczenie audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Zapisz audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Zapisz audio utworu...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Zapisz audio riffu...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Ustaw urządzenie &amp;audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Ustaw &amp;domyślne foldery</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Ustaw &amp;skróty klawiszowe</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Ustaw &amp;język</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Wyświetl pomoc</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>O programie Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Ostatnie pliki</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Otwórz plik audio</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Rysowanie przebiegu | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Rysowanie przebiegu | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Nie można użyć folderu</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook nie może zapisywać w folderze „%0”.&lt;br /&gt;Miejscem zapisu pozostaje „%1”.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Dekodowanie audio | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Dekodowanie audio | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Zapisz sesję jako...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Sesja Tonbrook (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Nie można zapisać sesji</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Ścieżka nagrania zawiera znak, którego plik sesji nie może zapisać:&lt;br /&gt;%1&lt;br /&gt;Zmień nazwę nagrania lub je przenieś, a następnie zapisz ponownie.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Nie udało się zapisać sesji w&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Sesja, która już tam jest, pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Wczytaj plik sesji</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>Pliki MP3 (*.mp3);;Pliki WAV (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>Pliki WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Eksportuj audio...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Eksportuj riff do WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Eksportuj utwór do WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Nie można wyeksportować riffu</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 nie ma kroków.&lt;br /&gt;Najpierw dodaj do niego kroki na karcie Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Nie można wyeksportować utworu</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Utwór nie zawiera riffu.&lt;br /&gt;Najpierw wybierz riffy dla jego miejsc na karcie Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Nie można zapisać audio</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Nie udało się zapisać audio w&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Nie udało się odczytać pliku sesji:&lt;br /&gt;%1&lt;br /&gt;Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Ten plik nie jest sesją lub jest uszkodzony:&lt;br /&gt;%1&lt;br /&gt;Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Nie można wczytać sesji</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Wybrany plik nie jest obsługiwany.&lt;br /&gt;Wybierz plik z jednym z następujących rozszerzeń:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Nie można wczytać pliku</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Ścieżka CD (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analiza wciąż trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim wczytasz nowy plik.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Wszystkie typy</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Nie znaleziono pliku!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Nie znaleziono pliku audio&lt;br /&gt;Czy chcesz samodzielnie wybrać plik audio?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analiza wciąż trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim wczytasz nową sesję.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analiza wciąż trwa!&lt;br /&gt;Poczekaj na zakończenie przetwarzania,&lt;br /&gt;zanim utworzysz nowy plik sesji.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Plik jest za mały!&lt;br /&gt;Wybierz inny plik.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Plik jest za duży!&lt;br /&gt;Wybierz inny plik.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Wybierz inny plik audio.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Nie zainstalowano kodera MP3</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Nie można zakodować %1: brak częstotliwości próbkowania</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Nie można uruchomić kodera MP3 %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>Koder MP3 przestał przyjmować dźwięk</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>Koder MP3 przestał przyjmować dźwięk: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>Koder MP3 nie działa</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>Koder MP3 nie zakończył pracy</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>Koder MP3 zawiódł (kod wyjścia %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>Koder MP3 niczego nie zapisał</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Nie można utworzyć %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Przy otwieraniu plików audio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Otwieraj folder ostatniego pliku audio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Zawsze otwieraj ten folder:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Miejsce zapisu programu Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Miejsce zapisanych sesji i eksportowanego audio:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Wybierz domyślny folder audio</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Wybierz folder zapisu programu Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Nie można użyć folderu</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook nie może zapisywać w folderze „%0”.&lt;br /&gt;Miejscem zapisu pozostaje „%1”.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Przywróć domyślne foldery</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Czy na pewno przywrócić domyślne foldery?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>UDERZENIA: %1</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>UDERZENIA</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>UDERZENIE</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Urządzenie audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Domyślne foldery</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Obliczanie akordów</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Przewiń do przodu</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Wczytaj sesję</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Ciszej metronom</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Głośniej metronom</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Otwórz plik audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Obniż wysokość (-1 półton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Podwyższ wysokość (+1 półton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Odtwarzaj od początku zaznaczenia</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Odtwarzaj/Zatrzymaj</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Przewiń do tyłu</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Zapisz audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Zapisz sesję</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Pokaż kartę Akordy</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Pokaż kartę Narzędzia czasu rzeczywistego</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Pokaż kartę Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Zwolnij tempo (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Przyspiesz tempo (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Włącz/wyłącz izolację</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Włącz/wyłącz pętlę</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Włącz/wyłącz wysokość dźwięku</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Włącz/wyłącz przewijanie</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Włącz/wyłącz tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Wyświetl pomoc</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Czynność</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Skrót</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Skrót „%0” jest już używany przez czynność „%1”</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Czy zastąpić ten skrót?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Zastąpić istniejący skrót?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Przywróć domyślne skróty</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Czy na pewno przywrócić skróty klawiszowe?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Naciśnij klawisze dla „%0”:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Nie można utworzyć %1: nieobsługiwany format</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Nie można utworzyć %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Nie otwarto pliku WAV</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Nie można zapisać %1: dłuższe, niż zmieści plik WAV</translation>
    </message>
</context>
</TS>
