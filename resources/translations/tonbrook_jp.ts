<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>このファイルには、デコードできる形式のオーディオが含まれていません。</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>ファイル内のオーディオが破損しているため、デコードできません。</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>ファイルが大きすぎて読み込めません。</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>オーディオを保存中 | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>ソングを保存中 | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>音なし</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>フィルター</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>デバイス:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>オーディオバッファー:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>バッファサイズ（ミリ秒）：</translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>言語を選択:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>言語の選択 - 再起動が必要です</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>言語の変更を反映するには Tonbrook を再起動する必要があります。</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>CD トラックを開く</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>オーディオファイルを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD トラックを開く...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>名前を付けてセッションを保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>セッションを保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>セッションを読み込む(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>選択範囲のオーディオを保存</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>オーディオを保存</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>ソングのオーディオを保存...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>リフのオーディオを保存...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>オーディオデバイスを設定(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>既定のフォルダーを設定(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカットを設定(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>言語を設定(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>ヘルプを表示</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Tonbrook について</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>オーディオファイルを開く</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>波形を描画中 | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>波形を描画中 | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>履歴を消去(&amp;C)</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>フォルダーを使用できません</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook はフォルダー「%0」に書き込めません。&lt;br /&gt;保存場所は「%1」のままです。</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>オーディオをデコード中 | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>オーディオをデコード中 | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>名前を付けてセッションを保存...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook セッション (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>セッションを保存できません</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>録音のパスに、セッションファイルに保存できない文字が含まれています:&lt;br /&gt;%1&lt;br /&gt;録音の名前を変更するか移動してから、もう一度保存してください。</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>セッションを次の場所に書き込めませんでした&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;既にあるセッションは変更されていません。</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>セッションファイルを読み込む</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3 ファイル (*.mp3);;WAV ファイル (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV ファイル (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>オーディオを書き出す...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>リフを WAV で書き出す...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>ソングを WAV で書き出す...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>リフを書き出せません</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>リフ %1 にはステップがありません。&lt;br /&gt;先に「ジャム」タブでステップを追加してください。</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>ソングを書き出せません</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>ソングにリフがありません。&lt;br /&gt;先に「ジャム」タブでスロットにリフを選んでください。</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>オーディオを保存できません</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>オーディオを次の場所に保存できませんでした&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>セッションファイルを読み取れませんでした：&lt;br /&gt;%1&lt;br /&gt;何も変更されていません。</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>このファイルはセッションではないか、破損しています：&lt;br /&gt;%1&lt;br /&gt;何も変更されていません。</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>セッションを読み込めません</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>選択したファイルには対応していません。&lt;br /&gt;次のいずれかの拡張子のファイルを選んでください：&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD トラック (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>解析がまだ実行中です！&lt;br /&gt;処理が終わるまでお待ちください&lt;br /&gt;新しいファイルはその後で読み込めます。</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>すべての種類</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>ファイルが見つかりません！</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>オーディオファイルが見つかりません&lt;br /&gt;オーディオファイルを手動で選びますか？</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>解析がまだ実行中です！&lt;br /&gt;処理が終わるまでお待ちください&lt;br /&gt;新しいセッションはその後で読み込めます。</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>解析がまだ実行中です！&lt;br /&gt;処理が終わるまでお待ちください&lt;br /&gt;新しいセッションファイルはその後で作成できます。</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>ファイルが小さすぎます！&lt;br /&gt;別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>ファイルが大きすぎます！&lt;br /&gt;別のファイルを選んでください。</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>別のオーディオファイルを選んでください。</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>MP3 エンコーダーがインストールされていません</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>%1 をエンコードできません：サンプルレートがありません</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 を作成できません：%2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>MP3 エンコーダー %1 を起動できません：%2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3 エンコーダーが音声を受け取らなくなりました</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3 エンコーダーが音声を受け取らなくなりました：%1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3 エンコーダーが動いていません</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3 エンコーダーが終了しませんでした</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3 エンコーダーが失敗しました（終了コード %1）：%2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3 エンコーダーは何も書き込みませんでした</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1 を作成できません</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>オーディオファイルを開くときの既定の動作:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>前回のオーディオファイルの場所を開く</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>常にこのフォルダーを開く:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrook の保存場所</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>保存したセッションと書き出したオーディオの場所:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>既定のオーディオフォルダーを選択</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Tonbrook の保存フォルダーを選択</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>フォルダーを使用できません</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook はフォルダー「%0」に書き込めません。&lt;br /&gt;保存場所は「%1」のままです。</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>既定のフォルダーに戻す</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>既定のフォルダー設定に戻しますか?</translation>
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
        <translation>オーディオデバイス</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>既定のフォルダー</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>コードを解析中</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>履歴を消去</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>履歴を消去(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>早送り</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>セッションを読み込む</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>メトロノームの音量を下げる</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>メトロノームの音量を上げる</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>オーディオファイルを開く</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>ピッチを下げる (-1 半音)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>ピッチを上げる (+1 半音)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>選択範囲の先頭から再生</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>再生/停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>オーディオを保存</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>セッションを保存</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>「コード」タブを表示</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>「リアルタイムツール」タブを表示</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>「ジャム」タブを表示</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>テンポを下げる (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>テンポを上げる (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>分離ツールのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>ループのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>ピッチツールのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>スクロールのオン/オフ</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>テンポツールのオン/オフ</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>ヘルプを表示</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ズームアウト</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>キー「%0」は操作「%1」で使用されています</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>このショートカットを上書きしますか?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>既存のショートカットを上書きしますか?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>既定のショートカットに戻す</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>キーボードショートカットをリセットしますか?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>「%0」のキーを押してください:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>%1 を作成できません：対応していない形式です</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 を作成できません：%2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>WAV ファイルが開かれていません</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>%1 に書き込めません：WAV ファイルに収まる長さを超えています</translation>
    </message>
</context>
</TS>
