<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AudioDecoder</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file holds no audio in a format that can be decoded.</source>
        <translation>Le fichier ne contient aucun audio dans un format décodable.</translation>
    </message>
    <message>
        <source>The audio in the file is damaged and cannot be decoded.</source>
        <translation>L&apos;audio du fichier est endommagé et ne peut pas être décodé.</translation>
    </message>
    <message>
        <source>The file is too large to load.</source>
        <translation>Le fichier est trop volumineux pour être chargé.</translation>
    </message>
</context>
<context>
    <name>AudioExporter</name>
    <message>
        <source>Saving Audio | %1</source>
        <translation>Enregistrement de l&apos;audio | %1</translation>
    </message>
    <message>
        <source>Saving Song | %1</source>
        <translation>Enregistrement du morceau | %1</translation>
    </message>
</context>
<context>
    <name>AudioOutput</name>
    <message>
        <source>System default</source>
        <translation>Par défaut du système</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Aucun son</translation>
    </message>
</context>
<context>
    <name>ChordsTab</name>
    <message>
        <source>FILTER</source>
        <translation>FILTRE</translation>
    </message>
</context>
<context>
    <name>DevicesTab</name>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Périphérique :</translation>
    </message>
    <message>
        <source>Audio Buffer:</source>
        <translation>Tampon audio :</translation>
    </message>
    <message>
        <source>Buffer Size (milliseconds): </source>
        <translation>Taille du tampon (millisecondes) : </translation>
    </message>
</context>
<context>
    <name>LanguageTab</name>
    <message>
        <source>Select Language:</source>
        <translation>Choisir la langue :</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Language Selection - Restart Required</source>
        <translation>Choix de la langue - redémarrage nécessaire</translation>
    </message>
    <message>
        <source>Tonbrook must be restarted for language change to take effect.</source>
        <translation>Tonbrook doit redémarrer pour que le changement de langue prenne effet.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Open CD Track</source>
        <translation>Ouvrir une piste de CD</translation>
    </message>
    <message>
        <source>&amp;Open Audio File...</source>
        <translation>&amp;Ouvrir un fichier audio...</translation>
    </message>
    <message>
        <source>Open CD Track...</source>
        <translation>Ouvrir une piste de CD...</translation>
    </message>
    <message>
        <source>Save Session &amp;As...</source>
        <translation>Enregistrer la session &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Save Session</source>
        <translation>&amp;Enregistrer la session</translation>
    </message>
    <message>
        <source>&amp;Load Session...</source>
        <translation>&amp;Charger une session...</translation>
    </message>
    <message>
        <source>Save Audio Selection</source>
        <translation>Enregistrer la sélection audio</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>Save Song Audio...</source>
        <translation>Enregistrer l&apos;audio du morceau...</translation>
    </message>
    <message>
        <source>Save Riff Audio...</source>
        <translation>Enregistrer l&apos;audio du riff...</translation>
    </message>
    <message>
        <source>Set &amp;Audio Device</source>
        <translation>Choisir le périphérique &amp;audio</translation>
    </message>
    <message>
        <source>Set &amp;Default Folders</source>
        <translation>Choisir les &amp;dossiers par défaut</translation>
    </message>
    <message>
        <source>Set &amp;Keyboard Shortcuts</source>
        <translation>Définir les raccourcis &amp;clavier</translation>
    </message>
    <message>
        <source>Set &amp;Language</source>
        <translation>Choisir la &amp;langue</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>About Tonbrook</source>
        <translation>À propos de Tonbrook</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1 - %2</source>
        <translation>Tracé de la forme d&apos;onde | %1 - %2</translation>
    </message>
    <message>
        <source>Drawing Waveform | %1</source>
        <translation>Tracé de la forme d&apos;onde | %1</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Dossier inutilisable</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook ne peut pas écrire dans le dossier « %0 ».&lt;br /&gt;L&apos;emplacement d&apos;enregistrement reste « %1 ».</translation>
    </message>
    <message>
        <source>Decoding Audio | %1 - %2</source>
        <translation>Décodage de l&apos;audio | %1 - %2</translation>
    </message>
    <message>
        <source>Decoding Audio | %1</source>
        <translation>Décodage de l&apos;audio | %1</translation>
    </message>
    <message>
        <source>Save Session As...</source>
        <translation>Enregistrer la session sous...</translation>
    </message>
    <message>
        <source>Tonbrook Session (*.tb)</source>
        <translation>Session Tonbrook (*.tb)</translation>
    </message>
    <message>
        <source>Cannot save session</source>
        <translation>Impossible d&apos;enregistrer la session</translation>
    </message>
    <message>
        <source>The recording&apos;s path holds a character a session file cannot store:&lt;br /&gt;%1&lt;br /&gt;Rename or move the recording, then save again.</source>
        <translation>Le chemin de l&apos;enregistrement contient un caractère qu&apos;un fichier de session ne peut pas conserver :&lt;br /&gt;%1&lt;br /&gt;Renommez ou déplacez l&apos;enregistrement, puis enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The session could not be written to&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;A session already there is unchanged.</source>
        <translation>La session n&apos;a pas pu être écrite dans&lt;br /&gt;%1&lt;br /&gt;%2&lt;br /&gt;Une session déjà présente reste inchangée.</translation>
    </message>
    <message>
        <source>Load Session File</source>
        <translation>Ouvrir un fichier de session</translation>
    </message>
    <message>
        <source>MP3 (*.mp3);;WAV (*.wav)</source>
        <translation>Fichiers MP3 (*.mp3);;Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>WAV (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Export Audio...</source>
        <translation>Exporter l&apos;audio...</translation>
    </message>
    <message>
        <source>Export riff wav...</source>
        <translation>Exporter le riff en WAV...</translation>
    </message>
    <message>
        <source>Export song wav...</source>
        <translation>Exporter le morceau en WAV...</translation>
    </message>
    <message>
        <source>Cannot export riff</source>
        <translation>Impossible d&apos;exporter le riff</translation>
    </message>
    <message>
        <source>Riff %1 holds no steps.&lt;br /&gt;Add steps to it in the jam tab first.</source>
        <translation>Le riff %1 ne contient aucun pas.&lt;br /&gt;Ajoutez-lui d&apos;abord des pas dans l&apos;onglet Jam.</translation>
    </message>
    <message>
        <source>Cannot export song</source>
        <translation>Impossible d&apos;exporter le morceau</translation>
    </message>
    <message>
        <source>The song holds no riff.&lt;br /&gt;Choose riffs for its slots in the jam tab first.</source>
        <translation>Le morceau ne contient aucun riff.&lt;br /&gt;Choisissez d&apos;abord des riffs pour ses cases dans l&apos;onglet Jam.</translation>
    </message>
    <message>
        <source>Cannot save audio</source>
        <translation>Impossible d&apos;enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>The audio could not be saved to&lt;br /&gt;%1&lt;br /&gt;%2</source>
        <translation>L&apos;audio n&apos;a pas pu être enregistré dans&lt;br /&gt;%1&lt;br /&gt;%2</translation>
    </message>
    <message>
        <source>The session file could not be read:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Le fichier de session n&apos;a pas pu être lu :&lt;br /&gt;%1&lt;br /&gt;Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This file is not a session, or it is damaged:&lt;br /&gt;%1&lt;br /&gt;Nothing was changed.</source>
        <translation>Ce fichier n&apos;est pas une session, ou il est endommagé :&lt;br /&gt;%1&lt;br /&gt;Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Cannot load session</source>
        <translation>Impossible de charger la session</translation>
    </message>
    <message>
        <source>Selected file is not supported.&lt;br /&gt;Please choose a file with one of the following extensions:&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</source>
        <translation>Le fichier choisi n&apos;est pas pris en charge.&lt;br /&gt;Choisissez un fichier avec l&apos;une des extensions suivantes :&lt;br /&gt;.wav .mp3 .wma .ogg .flac .m4a .mp4 .aac .aiff .aif .tb</translation>
    </message>
    <message>
        <source>Cannot load file</source>
        <translation>Impossible de charger le fichier</translation>
    </message>
    <message>
        <source>CD Track (*.aiff *.aif *.wav)</source>
        <translation>Piste de CD (*.aiff *.aif *.wav)</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new file.</source>
        <translation>L&apos;analyse est encore en cours !&lt;br /&gt;Attendez la fin du traitement&lt;br /&gt;avant de charger un nouveau fichier.</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Fichier introuvable !</translation>
    </message>
    <message>
        <source>Audio file could not be located&lt;br /&gt;Do you want to manually select an audio file?</source>
        <translation>Le fichier audio est introuvable&lt;br /&gt;Voulez-vous choisir vous-même un fichier audio ?</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before loading a new session.</source>
        <translation>L&apos;analyse est encore en cours !&lt;br /&gt;Attendez la fin du traitement&lt;br /&gt;avant de charger une nouvelle session.</translation>
    </message>
    <message>
        <source>Meta data extraction still running!&lt;br /&gt;Please wait till processing is finished&lt;br /&gt;before creating a new session file.</source>
        <translation>L&apos;analyse est encore en cours !&lt;br /&gt;Attendez la fin du traitement&lt;br /&gt;avant de créer un nouveau fichier de session.</translation>
    </message>
    <message>
        <source>File too small!&lt;br /&gt;Please choose another file.</source>
        <translation>Fichier trop petit !&lt;br /&gt;Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>File too large!&lt;br /&gt;Please choose another file.</source>
        <translation>Fichier trop volumineux !&lt;br /&gt;Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Please select a different audio file.</source>
        <translation>Choisissez un autre fichier audio.</translation>
    </message>
</context>
<context>
    <name>Mp3Encoder</name>
    <message>
        <source>No MP3 encoder is installed</source>
        <translation>Aucun encodeur MP3 n&apos;est installé</translation>
    </message>
    <message>
        <source>Cannot encode %1: no sample rate</source>
        <translation>Impossible d&apos;encoder %1 : aucune fréquence d&apos;échantillonnage</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot start the MP3 encoder %1: %2</source>
        <translation>Impossible de lancer l&apos;encodeur MP3 %1 : %2</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio</source>
        <translation>L&apos;encodeur MP3 n&apos;accepte plus l&apos;audio</translation>
    </message>
    <message>
        <source>The MP3 encoder stopped taking audio: %1</source>
        <translation>L&apos;encodeur MP3 n&apos;accepte plus l&apos;audio : %1</translation>
    </message>
    <message>
        <source>The MP3 encoder is not running</source>
        <translation>L&apos;encodeur MP3 ne tourne pas</translation>
    </message>
    <message>
        <source>The MP3 encoder did not finish</source>
        <translation>L&apos;encodeur MP3 n&apos;a pas terminé</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (exit code %1): %2</source>
        <translation>L&apos;encodeur MP3 a échoué (code de sortie %1) : %2</translation>
    </message>
    <message>
        <source>The MP3 encoder wrote nothing</source>
        <translation>L&apos;encodeur MP3 n&apos;a rien écrit</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Impossible de créer %1 </translation>
    </message>
</context>
<context>
    <name>PathsTab</name>
    <message>
        <source>Default Audio File Open Behaviour:</source>
        <translation>À l&apos;ouverture d&apos;un fichier audio :</translation>
    </message>
    <message>
        <source>Open previous audio file location</source>
        <translation>Ouvrir le dossier du dernier fichier audio</translation>
    </message>
    <message>
        <source>Always open selected folder:</source>
        <translation>Toujours ouvrir ce dossier :</translation>
    </message>
    <message>
        <source>Tonbrook Save Location</source>
        <translation>Emplacement d&apos;enregistrement de Tonbrook</translation>
    </message>
    <message>
        <source>Location of saved sessions and exported audio:</source>
        <translation>Emplacement des sessions et de l&apos;audio exporté :</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Select Default Audio Path</source>
        <translation>Choisir le dossier audio par défaut</translation>
    </message>
    <message>
        <source>Select Default Tonbrook Save Folder</source>
        <translation>Choisir le dossier d&apos;enregistrement de Tonbrook</translation>
    </message>
    <message>
        <source>Cannot Use Folder</source>
        <translation>Dossier inutilisable</translation>
    </message>
    <message>
        <source>Tonbrook cannot write to the folder &quot;%0&quot;.&lt;br /&gt;The save location stays &quot;%1&quot;.</source>
        <translation>Tonbrook ne peut pas écrire dans le dossier « %0 ».&lt;br /&gt;L&apos;emplacement d&apos;enregistrement reste « %1 ».</translation>
    </message>
    <message>
        <source>Restore Default Folder Paths</source>
        <translation>Rétablir les dossiers par défaut</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default folder settings?</source>
        <translation>Voulez-vous vraiment rétablir les dossiers par défaut ?</translation>
    </message>
</context>
<context>
    <name>PlotSelection</name>
    <message>
        <source>%1 BEATS</source>
        <translation>%1 TEMPS</translation>
    </message>
    <message>
        <source>BEATS</source>
        <translation>TEMPS</translation>
    </message>
    <message>
        <source>BEAT</source>
        <translation>TEMPS</translation>
    </message>
</context>
<context>
    <name>PreferencesMenu</name>
    <message>
        <source>Audio Device</source>
        <translation>Périphérique audio</translation>
    </message>
    <message>
        <source>Default Folders</source>
        <translation>Dossiers par défaut</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>ProcessingLabel</name>
    <message>
        <source>Calculating chords</source>
        <translation>Calcul des accords</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Recent</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>&amp;Clear Recent</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
</context>
<context>
    <name>ShortcutsTab</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rapide</translation>
    </message>
    <message>
        <source>Load Session</source>
        <translation>Ouvrir une session</translation>
    </message>
    <message>
        <source>Metronome Volume Down</source>
        <translation>Baisser le métronome</translation>
    </message>
    <message>
        <source>Metronome Volume Up</source>
        <translation>Monter le métronome</translation>
    </message>
    <message>
        <source>Open Audio File</source>
        <translation>Ouvrir un fichier audio</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pitch Down (-1 Semitone)</source>
        <translation>Transposer vers le bas (-1 demi-ton)</translation>
    </message>
    <message>
        <source>Pitch Up (+1 Semitone)</source>
        <translation>Transposer vers le haut (+1 demi-ton)</translation>
    </message>
    <message>
        <source>Play From Selection Start</source>
        <translation>Lire depuis le début de la sélection</translation>
    </message>
    <message>
        <source>Play/Stop</source>
        <translation>Lecture/Arrêt</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Retour rapide</translation>
    </message>
    <message>
        <source>Save Audio</source>
        <translation>Enregistrer l&apos;audio</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>Enregistrer la session</translation>
    </message>
    <message>
        <source>Show Chord Viewer Tab</source>
        <translation>Afficher l&apos;onglet Accords</translation>
    </message>
    <message>
        <source>Show Jam Master Tab</source>
        <translation>Afficher l&apos;onglet Outils en temps réel</translation>
    </message>
    <message>
        <source>Show Riff Builder Tab</source>
        <translation>Afficher l&apos;onglet Jam</translation>
    </message>
    <message>
        <source>Tempo Down (-1 BPM)</source>
        <translation>Ralentir le tempo (-1 BPM)</translation>
    </message>
    <message>
        <source>Tempo Up (+1 BPM)</source>
        <translation>Accélérer le tempo (+1 BPM)</translation>
    </message>
    <message>
        <source>Toggle Isolate Tool</source>
        <translation>Activer/désactiver l&apos;isolation</translation>
    </message>
    <message>
        <source>Toggle Loop</source>
        <translation>Activer/désactiver la boucle</translation>
    </message>
    <message>
        <source>Toggle Pitch Tool</source>
        <translation>Activer/désactiver la transposition</translation>
    </message>
    <message>
        <source>Toggle Scroll</source>
        <translation>Activer/désactiver le défilement</translation>
    </message>
    <message>
        <source>Toggle Tempo Tool</source>
        <translation>Activer/désactiver le tempo</translation>
    </message>
    <message>
        <source>View Help</source>
        <translation>Afficher l&apos;aide</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Baisser le volume</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Monter le volume</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Raccourci</translation>
    </message>
    <message>
        <source>The keystroke &quot;%0&quot; is currently being used for the action &quot;%1&quot;</source>
        <translation>La combinaison « %0 » est déjà utilisée pour l&apos;action « %1 »</translation>
    </message>
    <message>
        <source>Do you want to overwrite that shortcut?</source>
        <translation>Voulez-vous remplacer ce raccourci ?</translation>
    </message>
    <message>
        <source>Overwrite Existing Shortcut?</source>
        <translation>Remplacer le raccourci existant ?</translation>
    </message>
    <message>
        <source>Restore Default Shortcuts</source>
        <translation>Rétablir les raccourcis par défaut</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the keyboard shortcuts?</source>
        <translation>Voulez-vous vraiment réinitialiser les raccourcis clavier ?</translation>
    </message>
    <message>
        <source>Enter keystroke for &quot;%0&quot;:</source>
        <translation>Appuyez sur les touches pour « %0 » :</translation>
    </message>
</context>
<context>
    <name>WavWriter</name>
    <message>
        <source>Cannot create %1: unsupported format</source>
        <translation>Impossible de créer %1 : format non pris en charge</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossible de créer %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>No WAV file is open</source>
        <translation>Aucun fichier WAV n&apos;est ouvert</translation>
    </message>
    <message>
        <source>Cannot write %1: longer than a WAV file can hold</source>
        <translation>Impossible d&apos;écrire %1 : plus long qu&apos;un fichier WAV ne peut contenir</translation>
    </message>
</context>
</TS>
