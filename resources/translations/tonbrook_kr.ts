<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>파일이 존재하지 않습니다.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>파일이 비어 있습니다.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>이 파일에는 디코딩할 수 있는 형식의 오디오가 없습니다.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>파일의 오디오가 손상되어 디코딩할 수 없습니다.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>파일이 너무 커서 불러올 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>오디오 저장 중 | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>곡 저장 중 | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>소리 없음</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>필터</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>장치:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>오디오 버퍼:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>버퍼 크기(밀리초): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>언어 선택:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>언어 선택 - 다시 시작해야 합니다</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>언어 변경을 적용하려면 Tonbrook을 다시 시작해야 합니다.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>지금 다시 시작</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>CD 트랙 열기</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>오디오 파일 열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>CD 트랙 열기...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>다른 이름으로 세션 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>세션 저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>세션 불러오기(&amp;L)...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>선택한 오디오 저장</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>오디오 저장</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>곡 오디오 저장...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>리프 오디오 저장...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>오디오 장치 설정(&amp;A)</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>기본 폴더 설정(&amp;D)</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>단축키 설정(&amp;K)</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>언어 설정(&amp;L)</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>도움말 보기</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Tonbrook 정보</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>최근 파일</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>오디오 파일 열기</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>파형 그리는 중 | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>파형 그리는 중 | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>폴더를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook이 폴더 &quot;%0&quot;에 쓸 수 없습니다.&lt;br /&gt;저장 위치는 &quot;%1&quot; 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>오디오 디코딩 중 | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>오디오 디코딩 중 | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>다른 이름으로 세션 저장...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Tonbrook 세션 (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>세션을 저장할 수 없음</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>녹음 파일 경로에 세션 파일에 저장할 수 없는 문자가 있습니다:&lt;br /&gt;%1&lt;br /&gt;녹음 파일의 이름을 바꾸거나 옮긴 후 다시 저장하세요.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>다음 위치에 세션을 쓸 수 없습니다&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;이미 있는 세션은 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>세션 파일 불러오기</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>MP3 파일 (*.mp3);;WAV 파일 (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>WAV 파일 (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>오디오 내보내기...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>리프를 WAV로 내보내기...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>곡을 WAV로 내보내기...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>리프를 내보낼 수 없음</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>리프 %1에 스텝이 없습니다.&lt;br /&gt;먼저 &apos;잼&apos; 탭에서 스텝을 추가하세요.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>곡을 내보낼 수 없음</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>곡에 리프가 없습니다.&lt;br /&gt;먼저 &apos;잼&apos; 탭에서 슬롯에 넣을 리프를 고르세요.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>오디오를 저장할 수 없음</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>다음 위치에 오디오를 저장할 수 없습니다&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>세션 파일을 읽을 수 없습니다:&lt;br /&gt;%1&lt;br /&gt;아무것도 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>이 파일은 세션이 아니거나 손상되었습니다:&lt;br /&gt;%1&lt;br /&gt;아무것도 바뀌지 않았습니다.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>세션을 불러올 수 없음</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>선택한 파일은 지원되지 않습니다.&lt;br /&gt;다음 확장자 중 하나를 가진 파일을 선택하세요:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>파일을 불러올 수 없음</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>CD 트랙 (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;새 파일을 불러오세요.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>모든 형식</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>파일을 찾을 수 없습니다!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>오디오 파일을 찾을 수 없습니다&lt;br /&gt;오디오 파일을 직접 선택하시겠습니까?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;새 세션을 불러오세요.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>분석이 아직 진행 중입니다!&lt;br /&gt;처리가 끝날 때까지 기다린 후&lt;br /&gt;새 세션 파일을 만드세요.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>파일이 너무 작습니다!&lt;br /&gt;다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>파일이 너무 큽니다!&lt;br /&gt;다른 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>다른 오디오 파일을 선택하세요.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>MP3 인코더가 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>%1을(를) 인코딩할 수 없음: 샘플 레이트 없음</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1을(를) 만들 수 없음: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>MP3 인코더 %1을(를) 시작할 수 없음: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>MP3 인코더가 오디오를 더 이상 받지 않습니다</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>MP3 인코더가 오디오를 더 이상 받지 않습니다: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>MP3 인코더가 실행 중이 아닙니다</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>MP3 인코더가 끝나지 않았습니다</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>MP3 인코더 실패(종료 코드 %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>MP3 인코더가 아무것도 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>%1을(를) 만들 수 없음</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>오디오 파일을 열 때:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>이전 오디오 파일 위치 열기</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>항상 이 폴더 열기:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Tonbrook 저장 위치</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>저장한 세션과 내보낸 오디오의 위치:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>기본 오디오 폴더 선택</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Tonbrook 저장 폴더 선택</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>폴더를 사용할 수 없음</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook이 폴더 &quot;%0&quot;에 쓸 수 없습니다.&lt;br /&gt;저장 위치는 &quot;%1&quot; 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>기본 폴더 복원</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>기본 폴더 설정을 복원하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 박</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>박</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>박</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>오디오 장치</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>기본 폴더</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>코드 계산 중</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>목록 지우기</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>빨리 감기</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>세션 불러오기</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>메트로놈 볼륨 낮추기</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>메트로놈 볼륨 높이기</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>오디오 파일 열기</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>피치 내리기 (-1 반음)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>피치 올리기 (+1 반음)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>선택 영역 처음부터 재생</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>재생/정지</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>되감기</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>오디오 저장</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>세션 저장</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>&apos;코드&apos; 탭 표시</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>&apos;실시간 도구&apos; 탭 표시</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>&apos;잼&apos; 탭 표시</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>템포 낮추기 (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>템포 높이기 (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>분리 도구 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>루프 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>피치 도구 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>스크롤 켜기/끄기</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>템포 도구 켜기/끄기</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>도움말 보기</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>볼륨 낮추기</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>볼륨 높이기</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>동작</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>키 &quot;%0&quot;은(는) 이미 &quot;%1&quot; 동작에 사용 중입니다</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>해당 단축키를 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>기존 단축키를 덮어쓰시겠습니까?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>기본 단축키 복원</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>단축키를 초기화하시겠습니까?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>&quot;%0&quot;에 사용할 키를 누르세요:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>%1을(를) 만들 수 없음: 지원되지 않는 형식</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1을(를) 만들 수 없음: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1에 쓸 수 없음: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>열린 WAV 파일이 없습니다</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>%1에 쓸 수 없음: WAV 파일이 담을 수 있는 길이를 넘습니다</translation>
    </message>
</context>
</TS>
