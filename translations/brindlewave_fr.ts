<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>(par Kelvaro)</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>Tous les fichiers pris en charge|*.wma;*.wmv;*.asf|Fichiers Windows Media(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>Autres fichiers audio|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>O&amp;ui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Ajouter des &amp;fichiers</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>Déma&amp;rrer</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Liste des tâches</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>Liste des tâches : %L1 cochée(s) sur %L2</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>Supprimer &amp;tout...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Tout sél&amp;ectionner</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>Retirer la tâche de la liste ? Le fichier lui-même reste tel quel.</numerusform>
            <numerusform>Retirer les %Ln tâches de la liste ? Les fichiers eux-mêmes restent tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>Retirer la tâche de la liste ? Le fichier lui-même reste tel quel.</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>Paramètres de conversion ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>Sélectionner le(s) fichier(s) à convertir...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>Sélectionner un dossier à convertir...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>Ajout d&apos;un dossier</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>Recherche de fichiers audio : %1 trouvé(s)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>Le dossier suivant ne contient aucun fichier audio à convertir.</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>Cliquez sur le bouton « Ajouter des fichiers » pour ajouter des fichiers.</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>Action IMPOSSIBLE pendant la lecture ou la conversion des fichiers.</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>Voulez-vous utiliser les mêmes paramètres pour les autres fichiers ?</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>Il n&apos;y a rien à convertir ! </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>Lecture du fichier : </translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>Paramètres MP3</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>Taille du fichier de sortie</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>%1 - %2 Kbps, VBR</source>
        <translation>%1 - %2 kbit/s, VBR</translation>
    </message>
    <message>
        <source>%1 Kbps, CBR</source>
        <translation>%1 kbit/s, CBR</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Deux canaux</translation>
    </message>
    <message>
        <source>Stero</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation>Stéréo jointe</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation>Paramètres ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Fichier d&apos;entrée :</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>Informations sur le fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>Fichier de sortie :</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>Éditeur d&apos;étiquettes</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>un canal</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>deux canaux</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> Utiliser le débit &amp;variable</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min :</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max :</translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation>Débit MP3 </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> Fréquence d&apos;échantillonnage </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Mode des canaux</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album :</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artiste :</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre :</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>Voulez-vous remplacer l&apos;ancien fichier ?</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>Le dossier de sortie indiqué n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>Voulez-vous créer le nouveau dossier ?</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>Le dossier de sortie n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>Fichiers MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>Impossible de créer un thread pendant la lecture des fichiers !</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>Le fichier suivant ne peut PAS être lu correctement.</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>Vous devez mettre à jour DirectX en version 8.1 ou supérieure.</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>Normalement, il suffit d&apos;installer les codecs nécessaires pour résoudre le problème. Cliquez sur le bouton Aide pour en savoir plus sur l&apos;installation des codecs.</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>Le fichier suivant n&apos;a pas de flux audio et ne peut PAS être converti en MP3 !</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>pas de flux audio</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>un MP3 qu&apos;écrit un autre fichier de cet ajout</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 est protégé par DRM et ne peut pas être converti</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>Lecture de %L1 fichier sur %Ln...</numerusform>
            <numerusform>Lecture de %L1 fichiers sur %Ln...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>Le fichier n&apos;a pas été ajouté :</numerusform>
            <numerusform>1 des %Ln fichiers n&apos;a pas été ajouté :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>%L1 fichier sur %Ln n&apos;a pas été ajouté :</numerusform>
            <numerusform>%L1 des %Ln fichiers n&apos;ont pas été ajoutés :</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>&amp;Masquer dans la zone de notification</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>Le temps ne peut pas être  estimé.</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>La fenêtre de message s&apos;affichera après la conversion</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>Cochez les cases des tâches à convertir.</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>Lecture du fichier, veuillez patienter</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Fichier en cours</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>Conversion du fichier, veuillez patienter...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>restant</translation>
    </message>
    <message>
        <source>about</source>
        <translation>environ</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>Cliquez ici pour restaurer la fenêtre principale</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>La conversion est annulée.</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>Tous les fichiers ont été convertis avec succès.</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>Voulez-vous ouvrir le dossier de sortie pour voir les fichiers créés ?</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>Voulez-vous vraiment annuler la conversion ?</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>%L1 fichier sur %Ln n&apos;a pas pu être converti :</numerusform>
            <numerusform>%L1 fichiers sur %Ln n&apos;ont pas pu être convertis :</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>Rien à convertir : le fichier a déjà été converti.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>Rien à convertir : %Ln fichier a déjà été converti.</numerusform>
            <numerusform>Rien à convertir : %Ln fichiers ont déjà été convertis.</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>Convertis : %L1. Déjà convertis, laissés tels quels : %L2.</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>Les MP3 ne peuvent pas être écrits dans ce dossier : %1.
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>Arrêter la conversion ?</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>Conservés avec l&apos;audio converti jusqu&apos;ici :</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>Rien sur ce bureau n&apos;a pu ouvrir %1</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>l&apos;entrée s&apos;arrête à %1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>avertissement : %n paquet endommagé a été ignoré</numerusform>
            <numerusform>avertissement : %n paquets endommagés ont été ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Le saviez-vous ?</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>Afficher les &amp;astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>Aucune astuce trouvée !</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>Site &amp;Web</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>Courriel d&apos;assistance</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>Aucune information</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>(Build </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>Chaque ligne est un fichier à convertir ; les lignes cochées sont converties par Démarrer</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>Convertit les fichiers cochés en MP3</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>Choisir le fichier d&apos;entrée</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>Choisir le fichier de sortie</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>Toute touche ouvre la boîte de dialogue de fichier</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>Débit le plus bas</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>Débit le plus haut</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>DX9In ne peut pas démarrer sans les décodeurs FFmpeg. Veuillez installer les bibliothèques FFmpeg</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>La bibliothèque libmp3lame.so.0 n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>Artiste inconnu</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Album inconnu</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>Titre inconnu</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>Genre inconnu</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>Année inconnue</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>déjà converti</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n déjà converti, laissé tel quel.</numerusform>
            <numerusform>%n déjà convertis, laissés tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>usage: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
                           [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]
                           [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]
                           [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]
                           [--replaygain none|track|album] [--verify | --no-verify]
                           [--trash-source] [--shard K/N] [-v]
                           FILE|DIR... | --watch DIR
</source>
        <translation>usage : brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
                            [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]
                            [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]
                            [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]
                            [--replaygain none|track|album] [--verify | --no-verify]
                            [--trash-source] [--shard K/N] [-v]
                            FILE|DIR... | --watch DIR
</translation>
    </message>
    <message>
        <source>Converts audio files to MP3 with the program&apos;s saved defaults and naming.

  -j JOBS          conversions at once (default: one for each processor core)
  -o DIR           write the MP3s into DIR (default: the program&apos;s output folder)
  -b KBPS          constant bit rate, 8 to 320
  --vbr MIN:MAX    variable bit rate between MIN and MAX kbps
  -r RATE          output sample rate: 32000, 44100 or 48000
  -m MODE          channel mode: dual, stereo, joint or mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   tag texts, in place of the input&apos;s own
  -q, --quiet      print only failures
  -n, --dry-run    print what would be written, where, and with which settings
  -v, --verbose    also print what the decoders and the encoder say of the files
                   (their warnings and notes, on standard error)
  --existing WHAT  an output that already exists: skip it when it is complete and
                   not older than its input (others are made again), number the
                   new one (name(2).mp3), or overwrite it (default: the saved choice)
  --overwrite      the same as --existing overwrite
  --name PATTERN   output names from the tags, &quot;/&quot; making folders, e.g.
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;; fields: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (the folder under DIR); {track:02} pads with zeros
  --keep-time      give each MP3 its input&apos;s modification time
  --replaygain WHAT  tag each MP3 with the gain that plays it at a common loudness:
                   none, its own (track), or also that of its album among the
                   files converted (album; default: the saved choice). The audio
                   is not changed
  --verify, --no-verify
                   decode each MP3 made to its end, and count one that does not play
                   cleanly to its input&apos;s length as failed (default: the saved choice, on)
  --trash-source   move each input to the desktop&apos;s trash once its MP3 is made (and
                   checked); one that failed, ended early or was interrupted stays
                   (default: the saved choice, off)
  --no-split       never encode one file on several cores (by default a long file
                   is split into parts while fewer files than jobs are running)
  --shard K/N      convert only the K-th of N shares of the inputs, so N machines
                   running the same command, each with its own K, convert every
                   file once; a file&apos;s share follows from its path under DIR
                   (a FILE&apos;s from its name). With --existing skip a share that
                   failed can be run again
  --version        print the version
  FILE             an input file; - reads file names from standard input, one a line
  DIR              every audio file under DIR, its folders kept under the output folder
  --watch DIR      convert what is under DIR (skipping what is done), then each file
                   that appears or changes there, until interrupted; needs -o

Each finished MP3&apos;s path is printed as it finishes, and a summary at the end.
Exit status: 0 all converted, 1 some failed or ended early, 2 bad usage, 130 interrupted.
</source>
        <translation>Convertit des fichiers audio en MP3 avec les réglages enregistrés et le nommage du programme.

  -j JOBS          conversions simultanées (par défaut : une par cœur du processeur)
  -o DIR           écrire les MP3 dans DIR (par défaut : le dossier de sortie du programme)
  -b KBPS          débit constant, de 8 à 320
  --vbr MIN:MAX    débit variable entre MIN et MAX kbit/s
  -r RATE          fréquence d&apos;échantillonnage de sortie : 32000, 44100 ou 48000
  -m MODE          mode des canaux : dual, stereo, joint ou mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   textes des étiquettes, à la place de ceux de l&apos;entrée
  -q, --quiet      n&apos;afficher que les échecs
  -n, --dry-run    afficher ce qui serait écrit, où, et avec quels réglages
  -v, --verbose    afficher aussi ce que les décodeurs et l&apos;encodeur disent des fichiers
                   (leurs avertissements et remarques, sur la sortie d&apos;erreur)
  --existing WHAT  une sortie qui existe déjà : l&apos;ignorer si elle est complète et pas
                   plus ancienne que son entrée (les autres sont refaites), numéroter la
                   nouvelle (name(2).mp3) ou l&apos;écraser (par défaut : le choix enregistré)
  --overwrite      identique à --existing overwrite
  --name PATTERN   noms de sortie tirés des étiquettes, « / » créant des dossiers, ex.
                   &quot;{albumartist}/{album}/{track:02} {title}&quot; ; champs : {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (le dossier sous DIR) ; {track:02} complète par des zéros
  --keep-time      donner à chaque MP3 la date de modification de son entrée
  --replaygain WHAT  étiqueter chaque MP3 avec le gain qui le joue à un volume commun :
                   none, le sien (track), ou aussi celui de son album parmi les fichiers
                   convertis (album ; par défaut : le choix enregistré). L&apos;audio n&apos;est
                   pas modifié
  --verify, --no-verify
                   décoder chaque MP3 créé jusqu&apos;au bout, et compter comme échec celui qui
                   ne se lit pas proprement jusqu&apos;à la durée de son entrée (par défaut :
                   le choix enregistré, activé)
  --trash-source   mettre chaque entrée à la corbeille une fois son MP3 créé (et vérifié) ;
                   celle qui a échoué, s&apos;est arrêtée trop tôt ou a été interrompue reste
                   (par défaut : le choix enregistré, désactivé)
  --no-split       ne jamais encoder un fichier sur plusieurs cœurs (par défaut un long
                   fichier est découpé tant que moins de fichiers que de tâches tournent)
  --shard K/N      ne convertir que la K-ième de N parts des entrées, afin que N machines
                   lançant la même commande, chacune avec son K, convertissent chaque
                   fichier une fois ; la part d&apos;un fichier découle de son chemin sous DIR
                   (celle d&apos;un FILE, de son nom). Avec --existing skip, une part en échec
                   peut être relancée
  --version        afficher la version
  FILE             un fichier d&apos;entrée ; - lit les noms de fichiers sur l&apos;entrée standard,
                   un par ligne
  DIR              chaque fichier audio sous DIR, ses dossiers conservés sous le dossier
                   de sortie
  --watch DIR      convertir ce qui se trouve sous DIR (en ignorant ce qui est fait), puis
                   chaque fichier qui y apparaît ou change, jusqu&apos;à interruption ; exige -o

Le chemin de chaque MP3 terminé est affiché dès qu&apos;il est fini, et un résumé à la fin.
Code de sortie : 0 tout converti, 1 échecs ou fins prématurées, 2 mauvais usage, 130 interrompu.
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 attend un nombre, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing accepte skip, number ou overwrite</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain accepte none, track ou album</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j attend un nombre supérieur ou égal à 1</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b accepte l&apos;une des valeurs 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr attend MIN:MAX</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr accepte des débits de 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r accepte 32000, 44100 ou 48000</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m accepte dual, stereo, joint ou mono</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b et --vbr s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch n&apos;accepte que son dossier</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch attend un dossier, pas « %1 »</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch nécessite -o DIR</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch et --dry-run s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>aucun FILE indiqué</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>le modèle de nom enregistré est inutilisable : %1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>le dossier de sortie ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>aucun fichier audio dans ce dossier</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>le dossier ne peut pas être surveillé : %1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>convertis %1, ignorés %2, en échec %3%4 en %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard attend K/N, la K-ième de N parts, 1 &lt;= K &lt;= N</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>gain d&apos;album sur %1 fichier sur %n, sans %2</numerusform>
            <numerusform>gain d&apos;album sur %1 fichiers sur %n, sans %2</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>pas de gain d&apos;album : </translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>Préfére&amp;nces</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>Comment les conversions traitent et nomment leurs fichiers (Ctrl+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>Fichiers de sortie</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>&amp;Fichiers convertis en même temps :</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Fichiers convertis en même temps</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>Un par cœur</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>Un par cœur utilise chaque cœur du processeur (%1 sur cet ordinateur) ; 1 convertit un fichier à la fois.</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>Encoder un long fichier sur &amp;plusieurs cœurs</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>Tant qu&apos;il reste moins de fichiers que cela, un long fichier est encodé par parties sur les cœurs libres puis réuni en un seul MP3 sans blanc.</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>&amp;Vérifier chaque MP3 une fois créé</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>Chaque nouveau MP3 est décodé jusqu&apos;au bout ; celui qui ne se lit pas proprement jusqu&apos;à la durée de son entrée compte comme un échec.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain:</source>
        <translation>&amp;ReplayGain :</translation>
    </message>
    <message>
        <source>ReplayGain</source>
        <translation>ReplayGain</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Piste et album</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>Étiquette chaque MP3 avec le gain qui le joue à un volume commun, seul ou avec son album. L&apos;audio n&apos;est pas modifié.</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>&amp;Noms des fichiers de sortie :</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>Noms des fichiers de sortie</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>Vide : le nom de l&apos;entrée. Les champs des étiquettes forment noms et dossiers, par exemple {artist}/{album}/{track:02} {title}.</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>Ce modèle de nom est inutilisable : %1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>&amp;Garder l&apos;arborescence d&apos;un dossier ajouté</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>Les fichiers ajoutés avec un dossier gardent leur place sous celui-ci dans le dossier de sortie.</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>Si le MP3 &amp;existe :</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>Si le MP3 existe</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>Numéroter le nouveau fichier</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>Ignorer ce qui est fait</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>L&apos;écraser</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>Ignorer laisse intact un MP3 complet qui n&apos;est pas plus ancien que son entrée ; les autres sont refaits.</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>Donner à chaque MP3 la date de &amp;modification de son entrée</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>Le MP3 garde la date du fichier dont il est issu.</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>Mettre les sources converties à la &amp;corbeille</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>Une fois son MP3 créé (et lu jusqu&apos;au bout, si chaque MP3 est vérifié), l&apos;entrée va dans la corbeille du bureau. Un fichier en échec, terminé trop tôt ou annulé reste où il est.</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>Afficher une notification du bureau en fin de &amp;lot</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>Seulement quand la fenêtre de progression est masquée ou qu&apos;un autre programme a le focus.</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>Les noms et dossiers s&apos;appliquent aux fichiers ajoutés à partir de maintenant.</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>Des fichiers sont en cours d&apos;ajout : les changements de noms et de dossiers s&apos;appliquent aux prochains fichiers ajoutés.</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>La conversion en cours garde les paramètres avec lesquels elle a commencé.</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>Mis à la corbeille :</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>Non mis à la corbeille, laissés où ils étaient :</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>mis à la corbeille</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>non mis à la corbeille : %1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>, mis à la corbeille %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>c&apos;est le MP3 créé à partir de lui</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>il est introuvable : </translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>le dossier de corbeille %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>son disque n&apos;a pas de corbeille propre, et la corbeille personnelle est sur un autre disque</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>%1 fichier sur %n n&apos;a pas pu être converti.</numerusform>
            <numerusform>%1 fichiers sur %n n&apos;ont pas pu être convertis.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>&amp;Afficher les fenêtres</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Langue de l&apos;&amp;interface :</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>Prend effet au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>Masquer dans la zone de notification</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>ouverture impossible : %1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>impossible de lire les informations du flux : %1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>aucun décodeur pour son audio</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>aucun flux audio : %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>paramètres de flux incorrects : %1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>impossible d&apos;ouvrir le décodeur : %1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>le flux audio n&apos;a aucun format utilisable</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>décodage impossible : %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>lecture impossible : %1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>son audio passe à un format sans fréquence ni canaux</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>L&apos;entrée a changé de format d&apos;échantillon pendant la conversion.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire « %1 ».</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Impossible de créer le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir « %1 ».</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire l&apos;en-tête VBR dans « %1 ».</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire la balise ID3v2 dans « %1 ».</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>Impossible de compléter la balise de « %1 » : %2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>sa balise ID3v2 n&apos;a pas de place pour le gain d&apos;album</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>Le mesureur de sonie ne peut pas être préparé pour %1 Hz.</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>Le mesureur de sonie a échoué (erreur %1).</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>pochette omise : plus grande que 1 Mio</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>pochette omise : l&apos;encodeur n&apos;accepte pas son format</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>la date de l&apos;entrée n&apos;a pas été reportée sur le MP3 : %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>le dossier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>Le moteur de conversion ne peut pas être préparé : aucun descripteur d&apos;événement</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>le MP3 ne se lit pas jusqu&apos;au bout : %1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>il ne peut pas être vérifié : %1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>il ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>son format n&apos;est pas reconnu</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>il ne contient pas d&apos;audio</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>son audio ne peut pas être décodé</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>la mémoire manque pour le décoder</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>il ne peut pas être lu jusqu&apos;au bout (%1)</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>son audio est endommagé à %1 (%2)</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>il se décode en %1 sur %2 (%3 échantillons sur %4)</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>un « } » sans son « { » à la position %1</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>un « { » sans son « } » à la position %1</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>aucun champ nommé {%1} ; les champs sont {%2}</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1} : seuls {track} et {disc} acceptent une largeur, de 1 à 9 chiffres</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>ses échantillons ne peuvent pas être convertis (%1 Hz, %2 canaux)</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>impossible de convertir ses échantillons</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>L&apos;encodeur MP3 n&apos;a pas pu être démarré.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>L&apos;encodeur MP3 n&apos;accepte pas ces réglages (entrée %1 Hz, sortie %2 Hz).</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>L&apos;encodeur MP3 a échoué (erreur %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>La sortie de l&apos;encodeur MP3 n&apos;est pas une suite de trames MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>La sortie de l&apos;encodeur MP3 ne peut pas être assemblée.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>La sortie de l&apos;encodeur MP3 ne peut pas être assemblée : %1</translation>
    </message>
</context>
</TS>
