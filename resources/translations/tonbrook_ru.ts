<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Файл не существует.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Файл не содержит звука в формате, который можно декодировать.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>Звук в файле повреждён и не может быть декодирован.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Файл слишком велик для загрузки.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Сохранение аудио | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Сохранение песни | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Системное по умолчанию</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Без звука</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>ФИЛЬТР</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Устройство:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Аудиобуфер:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Размер буфера (миллисекунды): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Выберите язык:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Выбор языка - требуется перезапуск</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Чтобы смена языка вступила в силу, Tonbrook нужно перезапустить.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Перезапустить сейчас</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Открыть дорожку CD</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Открыть аудиофайл...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Открыть дорожку CD...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Сохранить сессию &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Сохранить сессию</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Загрузить сессию...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Сохранить выделенное аудио</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Сохранить аудио</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Сохранить аудио песни...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Сохранить аудио риффа...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Выбрать &amp;аудиоустройство</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Выбрать &amp;папки по умолчанию</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Настроить &amp;сочетания клавиш</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Выбрать &amp;язык</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Открыть справку</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>О программе Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Открыть аудиофайл</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Построение осциллограммы | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Построение осциллограммы | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Невозможно использовать папку</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook не может записывать в папку «%0».&lt;br /&gt;Папкой сохранения остаётся «%1».</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Декодирование аудио | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Декодирование аудио | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Сохранить сессию как...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Сессия Tonbrook (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Невозможно сохранить сессию</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Путь к записи содержит символ, который нельзя сохранить в файле сессии:&lt;br /&gt;%1&lt;br /&gt;Переименуйте или переместите запись и сохраните снова.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Не удалось записать сессию в&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Уже существующая там сессия не изменена.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Загрузить файл сессии</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>Файлы MP3 (*.mp3);;Файлы WAV (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>Файлы WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Экспорт аудио...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Экспорт риффа в WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Экспорт песни в WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Невозможно экспортировать рифф</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>В риффе %1 нет шагов.&lt;br /&gt;Сначала добавьте шаги на вкладке «Джем».</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Невозможно экспортировать песню</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>В песне нет риффов.&lt;br /&gt;Сначала выберите риффы для её ячеек на вкладке «Джем».</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Невозможно сохранить аудио</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Не удалось сохранить аудио в&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Не удалось прочитать файл сессии:&lt;br /&gt;%1&lt;br /&gt;Ничего не изменено.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Этот файл не является сессией или повреждён:&lt;br /&gt;%1&lt;br /&gt;Ничего не изменено.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Невозможно загрузить сессию</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Выбранный файл не поддерживается.&lt;br /&gt;Выберите файл с одним из следующих расширений:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Невозможно загрузить файл</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Дорожка CD (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем загружать новый файл.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Все типы</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Файл не найден!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Аудиофайл не найден&lt;br /&gt;Выбрать аудиофайл вручную?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем загружать новую сессию.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>Анализ ещё выполняется!&lt;br /&gt;Дождитесь окончания обработки,&lt;br /&gt;прежде чем создавать новый файл сессии.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Файл слишком мал!&lt;br /&gt;Выберите другой файл.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Файл слишком велик!&lt;br /&gt;Выберите другой файл.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Выберите другой аудиофайл.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Кодировщик MP3 не установлен</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Невозможно закодировать %1: нет частоты дискретизации</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Невозможно создать %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Невозможно запустить кодировщик MP3 %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>Кодировщик MP3 перестал принимать звук</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>Кодировщик MP3 перестал принимать звук: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>Кодировщик MP3 не запущен</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>Кодировщик MP3 не завершил работу</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>Ошибка кодировщика MP3 (код выхода %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>Кодировщик MP3 ничего не записал</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Невозможно создать %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>При открытии аудиофайлов:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Открывать папку последнего аудиофайла</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Всегда открывать эту папку:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Папка сохранения Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Папка для сохранённых сессий и экспортированного аудио:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Выберите папку аудио по умолчанию</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Выберите папку сохранения Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Невозможно использовать папку</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook не может записывать в папку «%0».&lt;br /&gt;Папкой сохранения остаётся «%1».</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Восстановить папки по умолчанию</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Восстановить папки по умолчанию?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>ДОЛИ: %1</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>ДОЛИ</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>ДОЛЯ</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Аудиоустройство</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Папки по умолчанию</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Определение аккордов</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Очистить список</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Перемотка вперёд</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Загрузить сессию</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Метроном тише</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Метроном громче</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Открыть аудиофайл</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Понизить высоту (-1 полутон)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Повысить высоту (+1 полутон)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Воспроизвести с начала выделения</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Воспроизведение/Стоп</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Перемотка назад</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Сохранить аудио</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Сохранить сессию</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Показать вкладку «Аккорды»</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Показать вкладку «Инструменты реального времени»</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Показать вкладку «Джем»</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Замедлить темп (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Ускорить темп (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Вкл./выкл. выделение источника</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Вкл./выкл. петлю</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Вкл./выкл. высоту тона</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Вкл./выкл. прокрутку</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Вкл./выкл. темп</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Открыть справку</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Назначить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>Сочетание «%0» уже используется для действия «%1»</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Заменить это сочетание?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Заменить существующее сочетание?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Восстановить сочетания по умолчанию</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Сбросить сочетания клавиш?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Нажмите клавиши для «%0»:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Невозможно создать %1: формат не поддерживается</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Невозможно создать %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Невозможно записать %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Файл WAV не открыт</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Невозможно записать %1: длиннее, чем вмещает файл WAV</translation>
    </message>
</context>
</TS>
