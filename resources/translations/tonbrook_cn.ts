<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</TS>
