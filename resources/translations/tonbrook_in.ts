<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>फ़ाइल मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>फ़ाइल पढ़ी नहीं जा सकती।</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>फ़ाइल खाली है।</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>फ़ाइल में ऐसे फ़ॉर्मैट में ऑडियो नहीं है जिसे डिकोड किया जा सके।</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>फ़ाइल का ऑडियो खराब है और उसे डिकोड नहीं किया जा सकता।</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>फ़ाइल लोड करने के लिए बहुत बड़ी है।</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>ऑडियो सहेजा जा रहा है | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>गीत सहेजा जा रहा है | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>सिस्टम डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>कोई ध्वनि नहीं</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>फ़िल्टर</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>डिवाइस:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>ऑडियो बफ़र:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>बफ़र आकार (मिलीसेकंड): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>भाषा चुनें:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>भाषा चयन - पुनः आरंभ आवश्यक</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>भाषा परिवर्तन लागू करने के लिए Tonbrook को पुनः आरंभ करना होगा।</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>अभी पुनः आरंभ करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>CD ट्रैक खोलें</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>ऑडियो फ़ाइल खोलें(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD ट्रैक खोलें...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>सेशन इस रूप में सहेजें(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>सेशन सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>सेशन लोड करें(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>चयनित ऑडियो सहेजें</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>ऑडियो सहेजें</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>गीत का ऑडियो सहेजें...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>रिफ़ का ऑडियो सहेजें...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>ऑडियो डिवाइस सेट करें(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर सेट करें(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>कीबोर्ड शॉर्टकट सेट करें(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>भाषा सेट करें(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>सहायता देखें</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Tonbrook के बारे में</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>हाल की फ़ाइलें</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>विकल्प(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>ऑडियो फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>वेवफ़ॉर्म बन रहा है | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>वेवफ़ॉर्म बन रहा है | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>सूची साफ़ करें(&amp;C)</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>फ़ोल्डर का उपयोग नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook फ़ोल्डर &quot;%0&quot; में नहीं लिख सकता।&lt;br /&gt;सहेजने का स्थान &quot;%1&quot; ही रहेगा।</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>ऑडियो डिकोड हो रहा है | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>ऑडियो डिकोड हो रहा है | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>सेशन इस रूप में सहेजें...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook सेशन (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>सेशन सहेजा नहीं जा सकता</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>रिकॉर्डिंग के पथ में ऐसा अक्षर है जिसे सेशन फ़ाइल सहेज नहीं सकती:&lt;br /&gt;%1&lt;br /&gt;रिकॉर्डिंग का नाम बदलें या उसे कहीं और ले जाएँ, फिर दोबारा सहेजें।</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>सेशन यहाँ लिखा नहीं जा सका&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;वहाँ पहले से मौजूद सेशन नहीं बदला गया।</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>सेशन फ़ाइल लोड करें</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3 फ़ाइलें (*.mp3);;WAV फ़ाइलें (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV फ़ाइलें (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>ऑडियो निर्यात करें...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>रिफ़ को WAV में निर्यात करें...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>गीत को WAV में निर्यात करें...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>रिफ़ निर्यात नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>रिफ़ %1 में कोई स्टेप नहीं है।&lt;br /&gt;पहले जैम टैब में इसमें स्टेप जोड़ें।</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>गीत निर्यात नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>गीत में कोई रिफ़ नहीं है।&lt;br /&gt;पहले जैम टैब में इसके स्लॉट के लिए रिफ़ चुनें।</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>ऑडियो सहेजा नहीं जा सकता</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>ऑडियो यहाँ सहेजा नहीं जा सका&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>सेशन फ़ाइल पढ़ी नहीं जा सकी:&lt;br /&gt;%1&lt;br /&gt;कुछ भी नहीं बदला गया।</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>यह फ़ाइल सेशन नहीं है, या यह खराब हो गई है:&lt;br /&gt;%1&lt;br /&gt;कुछ भी नहीं बदला गया।</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>सेशन लोड नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>चुनी गई फ़ाइल समर्थित नहीं है।&lt;br /&gt;कृपया इनमें से किसी एक्सटेंशन वाली फ़ाइल चुनें:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>फ़ाइल लोड नहीं की जा सकती</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD ट्रैक (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रोसेसिंग पूरी होने तक प्रतीक्षा करें&lt;br /&gt;फिर नई फ़ाइल लोड करें।</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>सभी प्रकार</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>फ़ाइल नहीं मिली!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>ऑडियो फ़ाइल नहीं मिली&lt;br /&gt;क्या आप स्वयं कोई ऑडियो फ़ाइल चुनना चाहते हैं?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रोसेसिंग पूरी होने तक प्रतीक्षा करें&lt;br /&gt;फिर नया सेशन लोड करें।</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>विश्लेषण अभी चल रहा है!&lt;br /&gt;कृपया प्रोसेसिंग पूरी होने तक प्रतीक्षा करें&lt;br /&gt;फिर नई सेशन फ़ाइल बनाएँ।</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>फ़ाइल बहुत छोटी है!&lt;br /&gt;कृपया कोई दूसरी फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>फ़ाइल बहुत बड़ी है!&lt;br /&gt;कृपया कोई दूसरी फ़ाइल चुनें।</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>कृपया कोई दूसरी ऑडियो फ़ाइल चुनें।</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>कोई MP3 एन्कोडर इंस्टॉल नहीं है</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>%1 एन्कोड नहीं किया जा सकता: कोई सैंपल रेट नहीं</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 नहीं बनाई जा सकती: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>MP3 एन्कोडर %1 शुरू नहीं किया जा सकता: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3 एन्कोडर ने ऑडियो लेना बंद कर दिया</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3 एन्कोडर ने ऑडियो लेना बंद कर दिया: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3 एन्कोडर नहीं चल रहा है</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3 एन्कोडर पूरा नहीं हुआ</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3 एन्कोडर विफल रहा (निकास कोड %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3 एन्कोडर ने कुछ नहीं लिखा</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 नहीं बनाई जा सकती</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>ऑडियो फ़ाइल खोलते समय:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>पिछली ऑडियो फ़ाइल का फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>हमेशा यह फ़ोल्डर खोलें:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrook सहेजने का स्थान</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>सहेजे गए सेशनों और निर्यात किए गए ऑडियो का स्थान:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>डिफ़ॉल्ट ऑडियो फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Tonbrook सहेजने का फ़ोल्डर चुनें</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>फ़ोल्डर का उपयोग नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook फ़ोल्डर &quot;%0&quot; में नहीं लिख सकता।&lt;br /&gt;सहेजने का स्थान &quot;%1&quot; ही रहेगा।</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>क्या आप वाकई डिफ़ॉल्ट फ़ोल्डर सेटिंग पुनर्स्थापित करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 बीट</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>बीट</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>बीट</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>ऑडियो डिवाइस</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>डिफ़ॉल्ट फ़ोल्डर</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>कीबोर्ड शॉर्टकट</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>प्राथमिकताएँ</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>कॉर्ड की गणना हो रही है</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;हाँ</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;नहीं</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>सूची साफ़ करें</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>सूची साफ़ करें(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>आगे बढ़ाएँ</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>सेशन लोड करें</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>मेट्रोनोम की आवाज़ कम करें</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>मेट्रोनोम की आवाज़ बढ़ाएँ</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>ऑडियो फ़ाइल खोलें</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>पिच नीचे (-1 सेमीटोन)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>पिच ऊपर (+1 सेमीटोन)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>चयन की शुरुआत से चलाएँ</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>चलाएँ/रोकें</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>पीछे करें</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>ऑडियो सहेजें</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>सेशन सहेजें</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>कॉर्ड टैब दिखाएँ</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>रीयल-टाइम टूल टैब दिखाएँ</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>जैम टैब दिखाएँ</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>टेम्पो कम करें (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>टेम्पो बढ़ाएँ (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>आइसोलेट टूल चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>लूप चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>पिच टूल चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>स्क्रॉल चालू/बंद</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>टेम्पो टूल चालू/बंद</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>सहायता देखें</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>आवाज़ कम करें</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>आवाज़ बढ़ाएँ</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ज़ूम इन</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ज़ूम आउट</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>सेट करें</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>क्रिया</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>कुंजी &quot;%0&quot; पहले से क्रिया &quot;%1&quot; के लिए उपयोग हो रही है</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>क्या आप उस शॉर्टकट को बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>मौजूदा शॉर्टकट बदलें?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>डिफ़ॉल्ट शॉर्टकट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>क्या आप वाकई कीबोर्ड शॉर्टकट रीसेट करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>&quot;%0&quot; के लिए कुंजियाँ दबाएँ:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>%1 नहीं बनाई जा सकती: असमर्थित फ़ॉर्मैट</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 नहीं बनाई जा सकती: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 में लिखा नहीं जा सकता: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>कोई WAV फ़ाइल खुली नहीं है</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>%1 में लिखा नहीं जा सकता: WAV फ़ाइल की क्षमता से अधिक लंबा</translation>
    </message>
</context>
</TS>
