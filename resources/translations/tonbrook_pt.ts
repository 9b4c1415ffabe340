<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>O ficheiro não existe.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Não é possível ler o ficheiro.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O ficheiro está vazio.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>O ficheiro não contém áudio num formato que possa ser descodificado.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>O áudio do ficheiro está danificado e não pode ser descodificado.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>O ficheiro é demasiado grande para ser carregado.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>A guardar o áudio | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>A guardar a música | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sem som</translation>
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
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Buffer de áudio:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Tamanho do buffer (milissegundos): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Selecionar idioma:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Seleção de idioma - é necessário reiniciar</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>O Tonbrook tem de ser reiniciado para que a mudança de idioma tenha efeito.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Abrir faixa de CD</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Abrir ficheiro de áudio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Abrir faixa de CD...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Guardar sessão &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Guardar sessão</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Ca&amp;rregar sessão...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Guardar seleção de áudio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar áudio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Guardar áudio da música...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Guardar áudio do riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Definir dispositivo de á&amp;udio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Definir &amp;pastas predefinidas</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Definir atalhos de &amp;teclado</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Definir &amp;idioma</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver a ajuda</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Acerca do Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Ficheiros recentes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir ficheiro de áudio</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>A desenhar a forma de onda | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>A desenhar a forma de onda | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Não é possível usar a pasta</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>O Tonbrook não consegue escrever na pasta &quot;%0&quot;.&lt;br /&gt;O local de gravação continua a ser &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>A descodificar o áudio | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>A descodificar o áudio | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Guardar sessão como...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Sessão do Tonbrook (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Não é possível guardar a sessão</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>O caminho da gravação contém um carácter que um ficheiro de sessão não consegue guardar:&lt;br /&gt;%1&lt;br /&gt;Mude o nome da gravação ou mova-a e volte a guardar.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>Não foi possível escrever a sessão em&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Uma sessão que já lá esteja fica inalterada.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Carregar ficheiro de sessão</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>Ficheiros MP3 (*.mp3);;Ficheiros WAV (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>Ficheiros WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Exportar áudio...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exportar o riff em WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exportar a música em WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Não é possível exportar o riff</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>O riff %1 não tem passos.&lt;br /&gt;Adicione-lhe primeiro passos no separador Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Não é possível exportar a música</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>A música não tem nenhum riff.&lt;br /&gt;Escolha primeiro riffs para as suas posições no separador Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Não é possível guardar o áudio</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>Não foi possível guardar o áudio em&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Não foi possível ler o ficheiro de sessão:&lt;br /&gt;%1&lt;br /&gt;Nada foi alterado.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Este ficheiro não é uma sessão, ou está danificado:&lt;br /&gt;%1&lt;br /&gt;Nada foi alterado.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Não é possível carregar a sessão</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>O ficheiro escolhido não é suportado.&lt;br /&gt;Escolha um ficheiro com uma das seguintes extensões:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Não é possível carregar o ficheiro</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Faixa de CD (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de carregar um novo ficheiro.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos os tipos</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Ficheiro não encontrado!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Não foi possível encontrar o ficheiro de áudio&lt;br /&gt;Quer escolher um ficheiro de áudio manualmente?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de carregar uma nova sessão.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>A análise ainda está a decorrer!&lt;br /&gt;Aguarde até o processamento terminar&lt;br /&gt;antes de criar um novo ficheiro de sessão.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Ficheiro demasiado pequeno!&lt;br /&gt;Escolha outro ficheiro.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Ficheiro demasiado grande!&lt;br /&gt;Escolha outro ficheiro.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Escolha outro ficheiro de áudio.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Não está instalado nenhum codificador MP3</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Não é possível codificar %1: sem frequência de amostragem</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Não é possível iniciar o codificador MP3 %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>O codificador MP3 deixou de aceitar áudio</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>O codificador MP3 deixou de aceitar áudio: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>O codificador MP3 não está em execução</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>O codificador MP3 não terminou</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>O codificador MP3 falhou (código de saída %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>O codificador MP3 não escreveu nada</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Não é possível criar %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Ao abrir ficheiros de áudio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Abrir a pasta do último ficheiro de áudio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Abrir sempre esta pasta:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Local de gravação do Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Local das sessões guardadas e do áudio exportado:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Selecionar a pasta de áudio predefinida</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Selecionar a pasta de gravação do Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Não é possível usar a pasta</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>O Tonbrook não consegue escrever na pasta &quot;%0&quot;.&lt;br /&gt;O local de gravação continua a ser &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Repor as pastas predefinidas</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Tem a certeza de que pretende repor as pastas predefinidas?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TEMPOS</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TEMPOS</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TEMPO</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo de áudio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Pastas predefinidas</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>A calcular os acordes</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Limpar lista</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Carregar sessão</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Baixar o metrónomo</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Subir o metrónomo</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir ficheiro de áudio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Baixar o tom (-1 meio-tom)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Subir o tom (+1 meio-tom)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Reproduzir a partir do início da seleção</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Reproduzir/Parar</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Recuar</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar áudio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Guardar sessão</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Mostrar o separador Acordes</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Mostrar o separador Ferramentas em tempo real</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Mostrar o separador Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Baixar o andamento (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Subir o andamento (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Ativar/desativar o isolamento</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Ativar/desativar o loop</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Ativar/desativar o tom</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Ativar/desativar o deslocamento</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Ativar/desativar o andamento</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver a ajuda</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Baixar o volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir o volume</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor predefinições</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atalho</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>A combinação &quot;%0&quot; já está a ser usada na ação &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Pretende substituir esse atalho?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Substituir o atalho existente?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Repor os atalhos predefinidos</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Tem a certeza de que pretende repor os atalhos de teclado?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Prima as teclas para &quot;%0&quot;:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Não é possível criar %1: formato não suportado</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Nenhum ficheiro WAV está aberto</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Não é possível escrever %1: mais longo do que um ficheiro WAV pode conter</translation>
    </message>
</context>
</TS>
