<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>该文件不包含可解码格式的音频。</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>文件中的音频已损坏，无法解码。</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>文件太大，无法载入。</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>正在保存音频 | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>正在保存歌曲 | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>无声音</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>筛选</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>音频缓冲区：</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>缓冲区大小（毫秒）：</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>选择语言：</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>语言选择 - 需要重新启动</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>必须重新启动 Tonbrook 才能使语言更改生效。</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>立即重新启动</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>打开 CD 音轨</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>打开音频文件(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>打开 CD 音轨...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>会话另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>保存会话(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>载入会话(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>保存所选音频</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>保存音频</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>保存歌曲音频...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>保存 Riff 音频...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>设置音频设备(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>设置默认文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>设置键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>设置语言(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>查看帮助</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>关于 Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>正在绘制波形 | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>正在绘制波形 | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>清除记录(&amp;C)</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>无法使用该文件夹</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook 无法写入文件夹“%0”。&lt;br /&gt;保存位置仍为“%1”。</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>正在解码音频 | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>正在解码音频 | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>会话另存为...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook 会话 (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>无法保存会话</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>录音的路径包含会话文件无法保存的字符：&lt;br /&gt;%1&lt;br /&gt;请重命名或移动该录音，然后再次保存。</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>无法将会话写入&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;已有的会话保持不变。</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>载入会话文件</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3 文件 (*.mp3);;WAV 文件 (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV 文件 (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>导出音频...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>将 Riff 导出为 WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>将歌曲导出为 WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>无法导出 Riff</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Riff %1 中没有步骤。&lt;br /&gt;请先在“即兴”标签页中为它添加步骤。</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>无法导出歌曲</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>歌曲中没有 Riff。&lt;br /&gt;请先在“即兴”标签页中为它的位置选择 Riff。</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>无法保存音频</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>无法将音频保存到&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>无法读取会话文件：&lt;br /&gt;%1&lt;br /&gt;未做任何更改。</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>此文件不是会话，或已损坏：&lt;br /&gt;%1&lt;br /&gt;未做任何更改。</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>无法加载会话</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>不支持所选文件。&lt;br /&gt;请选择具有以下扩展名之一的文件：&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>无法加载文件</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD 音轨 (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>仍在提取元数据！&lt;br /&gt;请等待处理完成&lt;br /&gt;然后再加载新文件。</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>所有类型</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>找不到文件！</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>找不到音频文件&lt;br /&gt;要手动选择音频文件吗？</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>仍在提取元数据！&lt;br /&gt;请等待处理完成&lt;br /&gt;然后再加载新会话。</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>仍在提取元数据！&lt;br /&gt;请等待处理完成&lt;br /&gt;然后再创建新会话文件。</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>文件太小！&lt;br /&gt;请选择其他文件。</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>文件太大！&lt;br /&gt;请选择其他文件。</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>请选择其他音频文件。</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>未安装 MP3 编码器</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>无法编码 %1：没有采样率</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>无法启动 MP3 编码器 %1：%2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3 编码器不再接收音频</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3 编码器不再接收音频：%1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3 编码器未运行</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3 编码器未能完成</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3 编码器失败（退出代码 %1）：%2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3 编码器没有写入任何内容</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>打开音频文件时：</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>打开上一个音频文件所在的位置</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>始终打开此文件夹：</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrook 保存位置</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>已保存的会话和导出音频的位置：</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>选择默认音频文件夹</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>选择 Tonbrook 保存文件夹</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>无法使用该文件夹</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook 无法写入文件夹“%0”。&lt;br /&gt;保存位置仍为“%1”。</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>恢复默认文件夹</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>确定要恢复默认文件夹设置吗？</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 拍</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>拍</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>拍</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>音频设备</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>默认文件夹</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好设置</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>正在计算和弦</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>清除记录</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>清除记录(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>快进</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>载入会话</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>降低节拍器音量</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>提高节拍器音量</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>打开音频文件</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>降调（-1 半音）</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>升调（+1 半音）</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>从选区开头播放</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>播放/停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>快退</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>保存音频</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>保存会话</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>显示“和弦”标签页</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>显示“实时工具”标签页</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>显示“即兴”标签页</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>减慢速度（-1 BPM）</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>加快速度（+1 BPM）</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>开关分离工具</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>开关循环</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>开关变调工具</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>开关自动滚动</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>开关变速工具</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>查看帮助</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>降低音量</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>提高音量</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>按键“%0”已被操作“%1”使用</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>要覆盖该快捷键吗？</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>覆盖现有快捷键？</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>恢复默认快捷键</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>确定要重置键盘快捷键吗？</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>请按下“%0”的按键：</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>无法创建 %1：不支持的格式</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>没有打开的 WAV 文件</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>无法写入 %1：超出 WAV 文件所能容纳的长度</translation>
    </message>
</context>
</TS>
