<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>lang</name>
    <message>
        <source>(by Kelvaro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task List: %L1 of %L2 ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &amp;All...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove all %Ln tasks from the list? The files themselves stay as they are.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Remove the task from the list? The file itself stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion Settings ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File(s) to Convert...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Fol&amp;der</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Folder to Convert...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding a Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for audio files: %1 found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following folder has no audio files to convert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please click the &quot;Add Files&quot; button to add files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can NOT do the action while reading or converting files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to use same settings to other files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to convert! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading file: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 Kbps, VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Kbps, CBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input File Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Use &amp;Variable Bitrate Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Bitrate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sample Rate </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to replace the old file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified output folder doesn&apos;t exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to create the new folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 Files(*.mp3)|*.mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thread can&apos;t be created while reading files!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following file can NOT be read correctly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need update your DirectX to version 8.1 or higher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normally, you need only install the required codecs to solve the problem. Please click the Help button to get more information on installing codecs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following file has no audio stream and can NOT be converted into MP3!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no audio stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an MP3 another file of this adding writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is protected by DRM and cannot be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Reading %L1 of %Ln files...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>1 of the %Ln files was not added:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%L1 of the %Ln files were not added:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hide to Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time can not be  estimated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The prompt window will popup after conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check the checkbox to select conversting tasks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading file, please have a wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting file, please have a wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remained</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to restore the main Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion is canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files have been converted successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to open the output folder for viewing output files?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to cancel the conversion?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%L1 of %Ln files could not be converted:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert: the file was already converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Nothing to convert: %Ln files were already converted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Converted: %L1. Already converted, left as they were: %L2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3s cannot be written to this folder: %1.
 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept with the audio converted so far:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on this desktop could open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input ends at %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>warning: %n damaged packets were skipped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Tips on Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tips found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Build </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each line is a file to convert; the ticked ones are converted on Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converts the ticked files to MP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the input file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any key opens the file dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libmp3lame.so.0 library could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n already converted, left as they were.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a number, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--existing takes skip, number or overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--replaygain takes none, track or album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-j takes a number of 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-b takes one of 8, 16, ... 320 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--vbr takes MIN:MAX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--vbr takes rates of 8, 16, ... 320 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-r takes 32000, 44100 or 48000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-m takes dual, stereo, joint or mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-b and --vbr exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--watch takes its folder alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--watch needs a folder, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--watch needs -o DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--watch and --dry-run exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the saved name pattern cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder cannot be created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no audio files in this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be watched: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>converted %1, skipped %2, failed %3%4 in %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--shard takes K/N, the K-th of N shares, 1 &lt;= K &lt;= N</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>album gain from %1 of %n files, without %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>no album gain: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How runs convert and name their files (Ctrl+,)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files converted at once:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One per core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One per core uses every processor core (%1 on this computer); 1 converts one file at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode a long file on &amp;several cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While fewer files than that are left, a long file is encoded in parts on the free cores and joined into one gapless MP3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;heck each MP3 once it is made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each new MP3 is decoded to its end; one that does not play cleanly to its input&apos;s length counts as failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ReplayGain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReplayGain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track and album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is not changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file &amp;names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty: the input&apos;s name. Fields from the tags make names and folders, such as {artist}/{album}/{track:02} {title}.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This name pattern cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the folder tree of an added folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files added with a folder keep their place under it in the output folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the MP3 &amp;exists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the MP3 exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip what is done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip leaves a complete MP3 that is not older than its input alone; others are made again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give each MP3 its input&apos;s modification &amp;time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 keeps the date of the file it was made from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move converted sources to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the desktop&apos;s trash. A file that failed, ended early or was cancelled stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a desktop notice when a run en&amp;ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only when the progress window is hidden or another program has the focus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names and folders apply to files added from now on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files are being added: changes to names and folders apply to the next files added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run in progress keeps the settings it began with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved to the trash:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not moved to the trash, left where they were:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not moved to the trash: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, moved to the trash %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is the MP3 made from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its drive has no trash folder of its own, and the home trash is on another drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n files could not be converted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show the Windows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
