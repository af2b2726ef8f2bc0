<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation>(von Kelvaro)</translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation>Alle unterstützten Dateien|*.wma;*.wmv;*.asf|Windows-Media-Dateien(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation>Andere Audiodateien|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Dateien hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Task List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation>Aufgabenliste: %L1 von %L2 ausgewählt</translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation>&amp;Alle entfernen...</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation>
            <numerusform>Die %Ln Aufgabe aus der Liste entfernen? Die Datei selbst bleibt unverändert.</numerusform>
            <numerusform>Alle %Ln Aufgaben aus der Liste entfernen? Die Dateien selbst bleiben unverändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation>Die Aufgabe aus der Liste entfernen? Die Datei selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation>Konvertierungseinstellungen ....</translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation>Zu konvertierende Datei(en) auswählen...</translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation>Zu konvertierenden Ordner auswählen...</translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation>Ordner wird hinzugefügt</translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation>Suche nach Audiodateien: %1 gefunden</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation>Der folgende Ordner enthält keine konvertierbaren Audiodateien.</translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation>Bitte klicken Sie auf „Dateien hinzufügen“, um Dateien hinzuzufügen.</translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation>Diese Aktion ist während des Lesens oder Konvertierens NICHT möglich.</translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation>Möchten Sie dieselben Einstellungen für die anderen Dateien verwenden?</translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation>Es gibt nichts zu konvertieren! </translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation>Datei wird gelesen: </translation>
    </message>
    <message>
        <source>Input File</source>
        <translation>Eingabedatei</translation>
    </message>
    <message>
        <source>Output File</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation>MP3-Einstellungen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation>Größe der Ausgabedatei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
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
        <translation>Zwei Kanäle</translation>
    </message>
    <message>
        <source>Stero</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation>Einstellungen ...</translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation>Eingabedatei:</translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation>Informationen zur Eingabedatei</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation>Tag-Editor</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>single channel</source>
        <translation>ein Kanal</translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation>zwei Kanäle</translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation> &amp;Variable Bitrate verwenden</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation>MP3-Bitrate </translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation> Abtastrate </translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>Kanalmodus</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>Genre:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation>Möchten Sie die alte Datei ersetzen?</translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation>Der angegebene Ausgabeordner existiert nicht.</translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation>Möchten Sie den neuen Ordner anlegen?</translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation>Der Ausgabeordner konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation>MP3-Dateien(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation>Beim Lesen der Dateien kann kein Thread erstellt werden!</translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation>Die folgende Datei kann NICHT korrekt gelesen werden.</translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation>Sie müssen DirectX auf Version 8.1 oder höher aktualisieren.</translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation>Normalerweise genügt es, die benötigten Codecs zu installieren. Klicken Sie auf „Hilfe“, um mehr über die Installation von Codecs zu erfahren.</translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation>Die folgende Datei hat keine Audiospur und kann NICHT in MP3 konvertiert werden!</translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation>keine Audiospur</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation>eine MP3, die eine andere Datei dieses Hinzufügens schreibt</translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation>%1 ist durch DRM geschützt und kann nicht konvertiert werden</translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation>
            <numerusform>Lese %L1 von %Ln Datei...</numerusform>
            <numerusform>Lese %L1 von %Ln Dateien...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation>
            <numerusform>1 von %Ln Datei wurde nicht hinzugefügt:</numerusform>
            <numerusform>1 der %Ln Dateien wurde nicht hinzugefügt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation>
            <numerusform>%L1 von %Ln Datei wurden nicht hinzugefügt:</numerusform>
            <numerusform>%L1 der %Ln Dateien wurden nicht hinzugefügt:</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation>Konvertierungsfortschritt</translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation>&amp;In den Infobereich</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation>Die Zeit kann nicht  geschätzt werden.</translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation>Das Hinweisfenster erscheint nach der Konvertierung</translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation>Bitte kreuzen Sie die zu konvertierenden Aufgaben an.</translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation>Datei wird gelesen, bitte warten</translation>
    </message>
    <message>
        <source>Current File</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation>Datei wird konvertiert, bitte warten...</translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>remained</source>
        <translation>verbleibend</translation>
    </message>
    <message>
        <source>about</source>
        <translation>etwa</translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation>Hier klicken, um das Hauptfenster wiederherzustellen</translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation>Die Konvertierung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation>Alle Dateien wurden erfolgreich konvertiert.</translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation>Möchten Sie den Ausgabeordner öffnen, um die Ausgabedateien anzusehen?</translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation>Möchten Sie die Konvertierung wirklich abbrechen?</translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation>
            <numerusform>%L1 von %Ln Datei konnte nicht konvertiert werden:</numerusform>
            <numerusform>%L1 von %Ln Dateien konnten nicht konvertiert werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation>Nichts zu konvertieren: Die Datei wurde bereits konvertiert.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation>
            <numerusform>Nichts zu konvertieren: %Ln Datei wurde bereits konvertiert.</numerusform>
            <numerusform>Nichts zu konvertieren: %Ln Dateien wurden bereits konvertiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation>Konvertiert: %L1. Bereits konvertiert, unverändert gelassen: %L2.</translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation>Die MP3s können nicht in diesen Ordner geschrieben werden: %1.
 %2</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>Den Lauf beenden?</translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation>Mit dem bisher konvertierten Audio behalten:</translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation>Nichts auf diesem Desktop kann %1 öffnen</translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation>die Eingabe endet bei %1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation>
            <numerusform>Warnung: %n beschädigtes Paket wurde übersprungen</numerusform>
            <numerusform>Warnung: %n beschädigte Pakete wurden übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation>Wussten Sie schon?</translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation>&amp;Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation>Keine Tipps gefunden!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation>Support-E-Mail</translation>
    </message>
    <message>
        <source>No info</source>
        <translation>Keine Angaben</translation>
    </message>
    <message>
        <source>(Build </source>
        <translation>(Build </translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation>Jede Zeile ist eine zu konvertierende Datei; die angekreuzten werden mit „Starten“ konvertiert</translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation>Konvertiert die angekreuzten Dateien in MP3</translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation>Eingabedatei auswählen</translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation>Ausgabedatei auswählen</translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation>Jede Taste öffnet den Dateidialog</translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation>Niedrigste Bitrate</translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation>Höchste Bitrate</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation>DX9In kann ohne die FFmpeg-Decoder nicht starten. Bitte installieren Sie die FFmpeg-Bibliotheken</translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation>Die Bibliothek libmp3lame.so.0 konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation>Unbekannter Interpret</translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation>Unbekanntes Album</translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation>Unbekannter Titel</translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation>Unbekanntes Genre</translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation>Unbekanntes Jahr</translation>
    </message>
    <message>
        <source>already converted</source>
        <translation>bereits konvertiert</translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation>
            <numerusform>%n bereits konvertiert, unverändert gelassen.</numerusform>
            <numerusform>%n bereits konvertiert, unverändert gelassen.</numerusform>
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
        <translation>Aufruf: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]
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
        <translation>Konvertiert Audiodateien mit den gespeicherten Vorgaben und der Benennung des Programms in MP3.

  -j JOBS          gleichzeitige Konvertierungen (Vorgabe: eine pro Prozessorkern)
  -o DIR           die MP3s nach DIR schreiben (Vorgabe: der Ausgabeordner des Programms)
  -b KBPS          konstante Bitrate, 8 bis 320
  --vbr MIN:MAX    variable Bitrate zwischen MIN und MAX kbit/s
  -r RATE          Abtastrate der Ausgabe: 32000, 44100 oder 48000
  -m MODE          Kanalmodus: dual, stereo, joint oder mono
  --title T, --artist A, --album A, --year Y, --genre G, --comment C
                   Tag-Texte anstelle der eigenen der Eingabe
  -q, --quiet      nur Fehlschläge ausgeben
  -n, --dry-run    ausgeben, was wohin und mit welchen Einstellungen geschrieben würde
  -v, --verbose    auch ausgeben, was Decoder und Encoder über die Dateien sagen
                   (ihre Warnungen und Hinweise, auf der Standardfehlerausgabe)
  --existing WHAT  eine bereits vorhandene Ausgabe: überspringen, wenn sie vollständig
                   und nicht älter als ihre Eingabe ist (andere werden neu erstellt), die
                   neue nummerieren (name(2).mp3) oder überschreiben (Vorgabe: die
                   gespeicherte Wahl)
  --overwrite      dasselbe wie --existing overwrite
  --name PATTERN   Ausgabenamen aus den Tags, „/“ bildet Ordner, z. B.
                   &quot;{albumartist}/{album}/{track:02} {title}&quot;; Felder: {artist},
                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},
                   {filename}, {dir} (der Ordner unter DIR); {track:02} füllt mit Nullen auf
  --keep-time      jeder MP3 die Änderungszeit ihrer Eingabe geben
  --replaygain WHAT  jede MP3 mit dem Gain versehen, der sie in einheitlicher Lautheit
                   abspielt: none, ihr eigener (track) oder auch der ihres Albums unter
                   den konvertierten Dateien (album; Vorgabe: die gespeicherte Wahl).
                   Das Audio bleibt unverändert
  --verify, --no-verify
                   jede erstellte MP3 bis zum Ende dekodieren und eine, die nicht sauber
                   bis zur Länge ihrer Eingabe spielt, als fehlgeschlagen zählen
                   (Vorgabe: die gespeicherte Wahl, an)
  --trash-source   jede Eingabe in den Papierkorb verschieben, sobald ihre MP3 erstellt
                   (und geprüft) ist; eine, die fehlschlug, zu früh endete oder
                   unterbrochen wurde, bleibt (Vorgabe: die gespeicherte Wahl, aus)
  --no-split       nie eine Datei auf mehreren Kernen kodieren (sonst wird eine lange
                   Datei in Teile zerlegt, solange weniger Dateien als Jobs laufen)
  --shard K/N      nur den K-ten von N Anteilen der Eingaben konvertieren, sodass N
                   Rechner mit demselben Befehl, jeder mit eigenem K, jede Datei einmal
                   konvertieren; der Anteil einer Datei folgt aus ihrem Pfad unter DIR
                   (bei einer FILE aus ihrem Namen). Mit --existing skip kann ein
                   fehlgeschlagener Anteil erneut laufen
  --version        die Version ausgeben
  FILE             eine Eingabedatei; - liest Dateinamen von der Standardeingabe, einen
                   pro Zeile
  DIR              jede Audiodatei unter DIR, ihre Ordner bleiben im Ausgabeordner erhalten
  --watch DIR      konvertieren, was unter DIR liegt (Fertiges wird übersprungen), dann
                   jede Datei, die dort erscheint oder sich ändert, bis zur Unterbrechung;
                   braucht -o

Der Pfad jeder fertigen MP3 wird ausgegeben, sobald sie fertig ist, und am Ende eine Zusammenfassung.
Rückgabewert: 0 alles konvertiert, 1 einiges fehlgeschlagen oder zu früh beendet, 2 falscher Aufruf, 130 unterbrochen.
</translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation>%1 braucht eine Zahl, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation>--existing nimmt skip, number oder overwrite</translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation>--replaygain nimmt none, track oder album</translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation>-j nimmt eine Zahl ab 1</translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation>-b nimmt einen der Werte 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation>--vbr nimmt MIN:MAX</translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation>--vbr nimmt Raten von 8, 16, ... 320 kbit/s</translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation>-r nimmt 32000, 44100 oder 48000</translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation>-m nimmt dual, stereo, joint oder mono</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation>-b und --vbr schließen einander aus</translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation>--watch nimmt nur seinen Ordner</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation>--watch braucht einen Ordner, nicht „%1“</translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation>--watch braucht -o DIR</translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation>--watch und --dry-run schließen einander aus</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>keine FILE angegeben</translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation>das gespeicherte Namensmuster ist unbrauchbar: %1</translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation>der Ausgabeordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation>keine Audiodateien in diesem Ordner</translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation>der Ordner kann nicht überwacht werden: %1</translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation>konvertiert %1, übersprungen %2, fehlgeschlagen %3%4 in %5</translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation>--shard nimmt K/N, den K-ten von N Anteilen, 1 &lt;= K &lt;= N</translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation>
            <numerusform>Album-Gain aus %1 von %n Datei, ohne %2</numerusform>
            <numerusform>Album-Gain aus %1 von %n Dateien, ohne %2</numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation>kein Album-Gain: </translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation>Wie Läufe konvertieren und ihre Dateien benennen (Strg+,)</translation>
    </message>
    <message>
        <source>Converting</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation>Ausgabedateien</translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation>&amp;Gleichzeitig konvertierte Dateien:</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Gleichzeitig konvertierte Dateien</translation>
    </message>
    <message>
        <source>One per core</source>
        <translation>Eine pro Kern</translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation>„Eine pro Kern“ nutzt jeden Prozessorkern (%1 auf diesem Computer); 1 konvertiert eine Datei nach der anderen.</translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation>Lange Datei auf &amp;mehreren Kernen kodieren</translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation>Solange weniger Dateien übrig sind, wird eine lange Datei in Teilen auf den freien Kernen kodiert und zu einer lückenlosen MP3 zusammengefügt.</translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation>Jede MP3 nach dem Erstellen pr&amp;üfen</translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation>Jede neue MP3 wird bis zum Ende dekodiert; eine, die nicht sauber bis zur Länge ihrer Eingabe spielt, gilt als fehlgeschlagen.</translation>
    </message>
    <message>
        <source>&amp;ReplayGain:</source>
        <translation>&amp;ReplayGain:</translation>
    </message>
    <message>
        <source>ReplayGain</source>
        <translation>ReplayGain</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation>Titel und Album</translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation>Versieht jede MP3 mit dem Gain, der sie in einheitlicher Lautheit abspielt, allein oder mit ihrem Album. Das Audio selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation>&amp;Namen der Ausgabedateien:</translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation>Namen der Ausgabedateien</translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation>Leer: der Name der Eingabe. Felder aus den Tags bilden Namen und Ordner, etwa {artist}/{album}/{track:02} {title}.</translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation>Dieses Namensmuster ist unbrauchbar: %1</translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation>Ordner&amp;struktur eines hinzugefügten Ordners beibehalten</translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation>Mit einem Ordner hinzugefügte Dateien behalten ihren Platz darunter im Ausgabeordner.</translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation>Wenn die MP3 &amp;existiert:</translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation>Wenn die MP3 existiert</translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation>Die neue Datei nummerieren</translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation>Überspringen, was fertig ist</translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation>Überspringen lässt eine vollständige MP3, die nicht älter als ihre Eingabe ist, unverändert; andere werden neu erstellt.</translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation>Jeder MP3 die Änderungs&amp;zeit ihrer Eingabe geben</translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation>Die MP3 behält das Datum der Datei, aus der sie erstellt wurde.</translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation>Konvertierte Quellen in den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation>Sobald ihre MP3 erstellt ist (und bis zum Ende gespielt hat, wenn jede MP3 geprüft wird), kommt die Eingabe in den Papierkorb der Arbeitsumgebung. Eine Datei, die fehlschlug, zu früh endete oder abgebrochen wurde, bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation>Am Ende eines Laufs eine &amp;Desktop-Benachrichtigung zeigen</translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation>Nur wenn das Fortschrittsfenster verborgen ist oder ein anderes Programm den Fokus hat.</translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation>Namen und Ordner gelten für ab jetzt hinzugefügte Dateien.</translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation>Es werden Dateien hinzugefügt: Änderungen an Namen und Ordnern gelten für die nächsten hinzugefügten Dateien.</translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation>Der laufende Vorgang behält die Einstellungen, mit denen er begann.</translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation>In den Papierkorb verschoben:</translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation>Nicht in den Papierkorb verschoben, an ihrem Ort belassen:</translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation>in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation>nicht in den Papierkorb verschoben: %1</translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation>, in den Papierkorb verschoben %1</translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation>es ist die daraus erstellte MP3</translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation>es ist nicht zu finden: </translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>der Papierkorb-Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation>sein Laufwerk hat keinen eigenen Papierkorb, und der Papierkorb im Home-Ordner liegt auf einem anderen Laufwerk</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation>
            <numerusform>%1 von %n Datei konnte nicht konvertiert werden.</numerusform>
            <numerusform>%1 von %n Dateien konnten nicht konvertiert werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation>&amp;Fenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Spra&amp;che:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>Takes effect when the program starts again.</source>
        <translation>Wirkt beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>Hide to Tray</source>
        <translation>In den Infobereich</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot read the stream information: %1</source>
        <translation>die Stream-Informationen können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no decoder for its audio</source>
        <translation>kein Decoder für den Ton</translation>
    </message>
    <message>
        <source>no audio stream: %1</source>
        <translation>kein Audiostream: %1</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
    <message>
        <source>bad stream parameters: %1</source>
        <translation>ungültige Stream-Parameter: %1</translation>
    </message>
    <message>
        <source>cannot open the decoder: %1</source>
        <translation>der Decoder kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the audio stream has no usable format</source>
        <translation>der Audiostream hat kein verwendbares Format</translation>
    </message>
    <message>
        <source>cannot be decoded: %1</source>
        <translation>kann nicht dekodiert werden: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its audio changes to a format without a rate or channels</source>
        <translation>der Ton wechselt in ein Format ohne Abtastrate oder Kanäle</translation>
    </message>
    <message>
        <source>The input changed its sample format during the conversion.</source>
        <translation>Die Eingabe hat ihr Sample-Format während der Umwandlung geändert.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot write the VBR header into &quot;%1&quot;.</source>
        <translation>Der VBR-Header kann nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot write the ID3v2 tag into &quot;%1&quot;.</source>
        <translation>Das ID3v2-Tag kann nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot complete the tag of &quot;%1&quot;: %2</source>
        <translation>Das Tag von „%1“ kann nicht vervollständigt werden: %2</translation>
    </message>
    <message>
        <source>its ID3v2 tag has no room for the album gain</source>
        <translation>das ID3v2-Tag hat keinen Platz für das Album-Gain</translation>
    </message>
    <message>
        <source>The loudness meter cannot be set up for %1 Hz.</source>
        <translation>Die Lautheitsmessung kann für %1 Hz nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>The loudness meter failed (error %1).</source>
        <translation>Die Lautheitsmessung ist fehlgeschlagen (Fehler %1).</translation>
    </message>
    <message>
        <source>cover picture left out: larger than 1 MiB</source>
        <translation>Coverbild weggelassen: größer als 1 MiB</translation>
    </message>
    <message>
        <source>cover picture left out: the encoder does not take its format</source>
        <translation>Coverbild weggelassen: der Encoder nimmt sein Format nicht an</translation>
    </message>
    <message>
        <source>the input&apos;s time was not given to the MP3: %1</source>
        <translation>die Änderungszeit der Eingabe wurde nicht auf die MP3 übertragen: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The conversion engine cannot be set up: no event descriptor</source>
        <translation>Die Umwandlung kann nicht eingerichtet werden: kein Event-Deskriptor</translation>
    </message>
    <message>
        <source>the MP3 does not play to its end: %1</source>
        <translation>die MP3 lässt sich nicht bis zum Ende abspielen: %1</translation>
    </message>
    <message>
        <source>it cannot be checked: %1</source>
        <translation>sie kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>sie kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <source>its format is not recognised</source>
        <translation>ihr Format wird nicht erkannt</translation>
    </message>
    <message>
        <source>it holds no audio</source>
        <translation>sie enthält keinen Ton</translation>
    </message>
    <message>
        <source>its audio cannot be decoded</source>
        <translation>ihr Ton kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>there is no memory to decode it</source>
        <translation>zum Dekodieren fehlt der Arbeitsspeicher</translation>
    </message>
    <message>
        <source>it cannot be read to its end (%1)</source>
        <translation>sie kann nicht bis zum Ende gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its audio is damaged at %1 (%2)</source>
        <translation>ihr Ton ist bei %1 beschädigt (%2)</translation>
    </message>
    <message>
        <source>it decodes to %1 of %2 (%3 of %4 samples)</source>
        <translation>sie ergibt beim Dekodieren %1 von %2 (%3 von %4 Samples)</translation>
    </message>
    <message>
        <source>a &quot;}&quot; without its &quot;{&quot; at %1</source>
        <translation>ein „}“ ohne sein „{“ an Stelle %1</translation>
    </message>
    <message>
        <source>a &quot;{&quot; without its &quot;}&quot; at %1</source>
        <translation>ein „{“ ohne sein „}“ an Stelle %1</translation>
    </message>
    <message>
        <source>no field called {%1}; there are {%2}</source>
        <translation>kein Feld namens {%1}; es gibt {%2}</translation>
    </message>
    <message>
        <source>{%1}: only {track} and {disc} take a width, of 1 to 9 digits</source>
        <translation>{%1}: nur {track} und {disc} nehmen eine Breite an, von 1 bis 9 Ziffern</translation>
    </message>
    <message>
        <source>its samples cannot be converted (%1 Hz, %2 channels)</source>
        <translation>die Samples können nicht umgewandelt werden (%1 Hz, %2 Kanäle)</translation>
    </message>
    <message>
        <source>cannot convert its samples</source>
        <translation>die Samples können nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Der MP3-Encoder konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).</source>
        <translation>Der MP3-Encoder nimmt diese Einstellungen nicht an (Eingabe %1 Hz, Ausgabe %2 Hz).</translation>
    </message>
    <message>
        <source>The MP3 encoder failed (error %1).</source>
        <translation>Der MP3-Encoder ist fehlgeschlagen (Fehler %1).</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output is not a run of MP3 frames.</source>
        <translation>Die Ausgabe des MP3-Encoders ist keine Folge von MP3-Frames.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined.</source>
        <translation>Die Ausgabe des MP3-Encoders kann nicht zusammengefügt werden.</translation>
    </message>
    <message>
        <source>The MP3 encoder&apos;s output cannot be joined: %1</source>
        <translation>Die Ausgabe des MP3-Encoders kann nicht zusammengefügt werden: %1</translation>
    </message>
</context>
</TS>
