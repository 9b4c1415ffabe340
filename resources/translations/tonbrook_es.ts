<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>El archivo no contiene audio en un formato que se pueda decodificar.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>El audio del archivo está dañado y no se puede decodificar.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>El archivo es demasiado grande para cargarlo.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Guardando audio | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Guardando canción | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
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
        <translation>Búfer de audio:</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Tamaño del búfer (milisegundos): </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Seleccionar idioma:</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Selección de idioma - es necesario reiniciar</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook debe reiniciarse para que el cambio de idioma surta efecto.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Reiniciar ahora</translation>
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
        <translation>Abrir pista de CD</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Abrir archivo de audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Abrir pista de CD...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Guardar sesión &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Guardar sesión</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>Ca&amp;rgar sesión...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Guardar selección de audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Guardar audio de la canción...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Guardar audio del riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Elegir dispositivo de a&amp;udio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Elegir &amp;carpetas predeterminadas</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Elegir atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Elegir &amp;idioma</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver la ayuda</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>Acerca de Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir archivo de audio</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Dibujando la forma de onda | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Dibujando la forma de onda | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Borrar lista</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>No se puede usar la carpeta</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook no puede escribir en la carpeta «%0».&lt;br /&gt;La ubicación de guardado sigue siendo «%1».</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Decodificando audio | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Decodificando audio | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Guardar sesión como...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Sesión de Tonbrook (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>No se puede guardar la sesión</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>La ruta de la grabación contiene un carácter que un archivo de sesión no puede guardar:&lt;br /&gt;%1&lt;br /&gt;Cambie el nombre de la grabación o muévala y vuelva a guardar.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>No se pudo escribir la sesión en&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Una sesión que ya estuviera allí queda sin cambios.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Cargar archivo de sesión</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>Archivos MP3 (*.mp3);;Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Exportar audio...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exportar el riff en WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exportar la canción en WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>No se puede exportar el riff</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>El riff %1 no tiene pasos.&lt;br /&gt;Añádale primero pasos en la pestaña Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>No se puede exportar la canción</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>La canción no tiene ningún riff.&lt;br /&gt;Elija primero riffs para sus casillas en la pestaña Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>No se puede guardar el audio</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>No se pudo guardar el audio en&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>No se pudo leer el archivo de sesión:&lt;br /&gt;%1&lt;br /&gt;No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Este archivo no es una sesión o está dañado:&lt;br /&gt;%1&lt;br /&gt;No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>No se puede cargar la sesión</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>El archivo seleccionado no es compatible.&lt;br /&gt;Elija un archivo con una de las siguientes extensiones:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>No se puede cargar el archivo</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Pista de CD (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el proceso&lt;br /&gt;antes de cargar un archivo nuevo.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>¡No se encontró el archivo!</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>No se encontró el archivo de audio&lt;br /&gt;¿Quiere elegir un archivo de audio manualmente?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el proceso&lt;br /&gt;antes de cargar una sesión nueva.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>¡El análisis sigue en curso!&lt;br /&gt;Espere a que termine el proceso&lt;br /&gt;antes de crear un archivo de sesión nuevo.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>¡Archivo demasiado pequeño!&lt;br /&gt;Elija otro archivo.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>¡Archivo demasiado grande!&lt;br /&gt;Elija otro archivo.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Elija otro archivo de audio.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>No hay ningún codificador MP3 instalado</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>No se puede codificar %1: no hay frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>No se puede iniciar el codificador MP3 %1: %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>El codificador MP3 dejó de aceptar audio</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>El codificador MP3 dejó de aceptar audio: %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>El codificador MP3 no está en marcha</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>El codificador MP3 no terminó</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>El codificador MP3 falló (código de salida %1): %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>El codificador MP3 no escribió nada</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>No se puede crear %1</translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>Al abrir archivos de audio:</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Abrir la carpeta del último archivo de audio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Abrir siempre esta carpeta:</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Ubicación de guardado de Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Ubicación de las sesiones guardadas y del audio exportado:</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar predeterminados</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Seleccionar la carpeta de audio predeterminada</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Seleccionar la carpeta de guardado de Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>No se puede usar la carpeta</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook no puede escribir en la carpeta «%0».&lt;br /&gt;La ubicación de guardado sigue siendo «%1».</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Restaurar las carpetas predeterminadas</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>¿Seguro que quiere restaurar las carpetas predeterminadas?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TIEMPOS</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TIEMPOS</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TIEMPO</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo de audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Carpetas predeterminadas</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Calculando acordes</translation>
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
        <translation>&amp;Sí</translation>
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
        <translation>Borrar lista</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Borrar lista</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rápido</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Cargar sesión</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Bajar el metrónomo</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Subir el metrónomo</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Abrir archivo de audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Bajar el tono (-1 semitono)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Subir el tono (+1 semitono)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Reproducir desde el inicio de la selección</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Reproducir/Detener</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Guardar audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Guardar sesión</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Mostrar la pestaña Acordes</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Mostrar la pestaña Herramientas en tiempo real</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Mostrar la pestaña Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Bajar el tempo (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Subir el tempo (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Activar/desactivar el aislamiento</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Activar/desactivar el bucle</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Activar/desactivar el tono</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Activar/desactivar el desplazamiento</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Activar/desactivar el tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Ver la ayuda</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Bajar el volumen</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Subir el volumen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Asignar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar predeterminados</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>La combinación «%0» ya se usa para la acción «%1»</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>¿Quiere sustituir ese atajo?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>¿Sustituir el atajo existente?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Restaurar los atajos predeterminados</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>¿Seguro que quiere restablecer los atajos de teclado?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Pulse las teclas para «%0»:</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>No se puede crear %1: formato no compatible</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>No hay ningún archivo WAV abierto</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>No se puede escribir %1: más largo de lo que cabe en un archivo WAV</translation>
    </message>
</context>
</TS>
