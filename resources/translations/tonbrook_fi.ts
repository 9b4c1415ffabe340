<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Tiedostoa ei ole olemassa.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Tiedostoa ei voi lukea.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Tiedosto on tyhjä.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Tiedosto ei sisällä ääntä missään muodossa, jonka voi purkaa.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Tiedoston ääni on vioittunut, eikä sitä voi purkaa.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Tiedosto on liian suuri ladattavaksi.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Tallennetaan ääntä | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Tallennetaan kappaletta | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Järjestelmän oletus</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Ei ääntä</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>SUODATIN</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Laite:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Äänipuskuri:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Puskurin koko (millisekunteina): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Valitse kieli:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Käytä</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Kielen valinta - uudelleenkäynnistys tarvitaan</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook on käynnistettävä uudelleen, jotta kielen vaihto tulee voimaan.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Käynnistä uudelleen nyt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Avaa CD-raita</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Avaa äänitiedosto...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Avaa CD-raita...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Tallenna istunto &amp;nimellä...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Tallenna istunto</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Lataa istunto...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Tallenna äänivalinta</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Tallenna ääni</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Tallenna kappaleen ääni...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Tallenna riffin ääni...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Valitse &amp;äänilaite</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Valitse &amp;oletuskansiot</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Valitse &amp;pikanäppäimet</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Valitse &amp;kieli</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Näytä ohje</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Tietoja Tonbrookista</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Viimeisimmät tiedostot</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Avaa äänitiedosto</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Piirretään aaltomuotoa | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Piirretään aaltomuotoa | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Tyhjennä luettelo</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Kansiota ei voi käyttää</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook ei voi kirjoittaa kansioon &quot;%0&quot;.&lt;br /&gt;Tallennuspaikaksi jää &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Puretaan ääntä | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Puretaan ääntä | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Tallenna istunto nimellä...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook-istunto (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Istuntoa ei voi tallentaa</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Tallenteen polussa on merkki, jota istuntotiedosto ei voi tallentaa:&lt;br /&gt;%1&lt;br /&gt;Nimeä tallenne uudelleen tai siirrä se ja tallenna sitten uudelleen.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Istuntoa ei voitu kirjoittaa kohteeseen&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Siellä jo oleva istunto säilyy ennallaan.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Lataa istuntotiedosto</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3-tiedostot (*.mp3);;WAV-tiedostot (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV-tiedostot (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Vie ääni...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Vie riffi WAV-tiedostoksi...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Vie kappale WAV-tiedostoksi...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Riffiä ei voi viedä</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riffissä %1 ei ole askelia.&lt;br /&gt;Lisää siihen ensin askelia Jam-välilehdellä.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Kappaletta ei voi viedä</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Kappaleessa ei ole riffiä.&lt;br /&gt;Valitse ensin riffit sen paikkoihin Jam-välilehdellä.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Ääntä ei voi tallentaa</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Ääntä ei voitu tallentaa kohteeseen&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Istuntotiedostoa ei voitu lukea:&lt;br /&gt;%1&lt;br /&gt;Mitään ei muutettu.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Tämä tiedosto ei ole istunto, tai se on vioittunut:&lt;br /&gt;%1&lt;br /&gt;Mitään ei muutettu.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Istuntoa ei voi ladata</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Valittua tiedostoa ei tueta.&lt;br /&gt;Valitse tiedosto, jolla on jokin seuraavista päätteistä:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Tiedostoa ei voi ladata</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD-raita (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Analyysi on vielä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin lataat uuden tiedoston.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Kaikki tyypit</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Tiedostoa ei löytynyt!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Äänitiedostoa ei löytynyt&lt;br /&gt;Haluatko valita äänitiedoston itse?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Analyysi on vielä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin lataat uuden istunnon.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Analyysi on vielä käynnissä!&lt;br /&gt;Odota, kunnes käsittely on valmis,&lt;br /&gt;ennen kuin luot uuden istuntotiedoston.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Tiedosto on liian pieni!&lt;br /&gt;Valitse toinen tiedosto.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Tiedosto on liian suuri!&lt;br /&gt;Valitse toinen tiedosto.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Valitse toinen äänitiedosto.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>MP3-kooderia ei ole asennettu</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Tiedostoa %1 ei voi koodata: näytteenottotaajuus puuttuu</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Tiedostoa %1 ei voi luoda: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>MP3-kooderia %1 ei voi käynnistää: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3-kooderi lakkasi ottamasta ääntä vastaan</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3-kooderi lakkasi ottamasta ääntä vastaan: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3-kooderi ei ole käynnissä</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3-kooderi ei saanut työtään valmiiksi</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3-kooderi epäonnistui (paluukoodi %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3-kooderi ei kirjoittanut mitään</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Tiedostoa %1 ei voi luoda</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Äänitiedostoja avattaessa:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Avaa edellisen äänitiedoston kansio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Avaa aina tämä kansio:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrookin tallennuspaikka</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Tallennettujen istuntojen ja viedyn äänen sijainti:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Valitse äänen oletuskansio</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Valitse Tonbrookin tallennuskansio</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Kansiota ei voi käyttää</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook ei voi kirjoittaa kansioon &quot;%0&quot;.&lt;br /&gt;Tallennuspaikaksi jää &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Palauta oletuskansiot</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Haluatko varmasti palauttaa oletuskansiot?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 ISKUA</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>ISKUA</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>ISKU</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Äänilaite</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Oletuskansiot</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Pikanäppäimet</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Asetukset</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Lasketaan sointuja</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Tyhjennä luettelo</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Tyhjennä luettelo</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Pikakelaus eteenpäin</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Lataa istunto</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Metronomi hiljemmalle</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Metronomi kovemmalle</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Avaa äänitiedosto</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Sävelkorkeus alas (-1 puolisävel)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Sävelkorkeus ylös (+1 puolisävel)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Toista valinnan alusta</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Toista/Pysäytä</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Kelaa taaksepäin</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Tallenna ääni</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Tallenna istunto</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Näytä Soinnut-välilehti</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Näytä Reaaliaikatyökalut-välilehti</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Näytä Jam-välilehti</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Tempo alas (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Tempo ylös (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Eristys päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Silmukka päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Sävelkorkeus päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Vieritys päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Tempo päälle/pois</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Näytä ohje</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Äänenvoimakkuus alas</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Äänenvoimakkuus ylös</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Lähennä</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Loitonna</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aseta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Pikanäppäin</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Näppäinyhdistelmä &quot;%0&quot; on jo käytössä toiminnolle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Haluatko korvata tämän pikanäppäimen?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Korvataanko nykyinen pikanäppäin?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Palauta oletuspikanäppäimet</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Haluatko varmasti palauttaa pikanäppäimet?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Paina näppäimiä toiminnolle &quot;%0&quot;:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Tiedostoa %1 ei voi luoda: muotoa ei tueta</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Tiedostoa %1 ei voi luoda: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>WAV-tiedostoa ei ole avattu</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Tiedostoon %1 ei voi kirjoittaa: pidempi kuin WAV-tiedostoon mahtuu</translation>
    </message>
</context>
</TS>
