#pragma once
// Every caption and message the program shows, exactly as the program spells them in
// English, and marked for the catalogs: each entry is translated into the user's
// language where it is shown (see TranslatedText.h). File names, settings keys,
// addresses and bare formats stay plain strings: they are the same in every language.

#include <QtGlobal>

#include "CountedText.h"
#include "TranslatedText.h"

namespace lang {

// Application-wide
inline constexpr const char* AppTitle = "Brindlewave";
inline constexpr TTranslatedText AppCredit{QT_TRANSLATE_NOOP("lang", "(by Kelvaro)")};
inline constexpr const char* RegKey = "Software\\Kelvaro\\Brindlewave";
inline constexpr const char* HelpFileName = "brindlewave.html";
inline constexpr const char* TipsFileName = "tips.txt";
inline constexpr TTranslatedText FileFilter{QT_TRANSLATE_NOOP(
    "lang", "All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf")};
// The common audio files the decoders open besides Windows Media, for the open
// dialog's third entry and the drop target.
inline constexpr TTranslatedText OtherAudioFilter{QT_TRANSLATE_NOOP(
    "lang", "Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv")};

// Common buttons
inline constexpr TTranslatedText Ok{QT_TRANSLATE_NOOP("lang", "&OK")};
inline constexpr TTranslatedText Help{QT_TRANSLATE_NOOP("lang", "&Help")};
inline constexpr TTranslatedText Yes{QT_TRANSLATE_NOOP("lang", "&Yes")};
inline constexpr TTranslatedText No{QT_TRANSLATE_NOOP("lang", "&No")};
inline constexpr TTranslatedText Cancel{QT_TRANSLATE_NOOP("lang", "&Cancel")};

// Main window
inline constexpr TTranslatedText AddFiles{QT_TRANSLATE_NOOP("lang", "&Add Files")};
inline constexpr TTranslatedText Remove{QT_TRANSLATE_NOOP("lang", "&Remove")};
inline constexpr TTranslatedText Edit{QT_TRANSLATE_NOOP("lang", "&Edit")};
inline constexpr TTranslatedText Start{QT_TRANSLATE_NOOP("lang", "&Start")};
inline constexpr TTranslatedText About{QT_TRANSLATE_NOOP("lang", "A&bout")};
inline constexpr TTranslatedText TaskListCaption{QT_TRANSLATE_NOOP("lang", "Task List")};
// The task list's header: how many of its tasks are ticked
inline constexpr TTranslatedText TaskCountFormat{QT_TRANSLATE_NOOP("lang", "Task List: %L1 of %L2 ticked")};
// A line whose title other tasks share: the title, and where its file lies ("track01 — Album A/")
inline constexpr const char* SharedTitleFormat = "%1 — %2";
inline constexpr TTranslatedText RemoveAll{QT_TRANSLATE_NOOP("lang", "Remove &All...")};
inline constexpr TTranslatedText SelectAll{QT_TRANSLATE_NOOP("lang", "&Select All")};
inline constexpr TCountedText RemoveAllFormat{
    QT_TRANSLATE_N_NOOP("lang", "Remove all %Ln tasks from the list? The files themselves stay as they are.")};
inline constexpr TTranslatedText RemoveOnlyTask{
    QT_TRANSLATE_NOOP("lang", "Remove the task from the list? The file itself stays as it is.")};
inline constexpr TTranslatedText InfoPanelCaption{QT_TRANSLATE_NOOP("lang", "Conversion Settings ....")};
inline constexpr TTranslatedText AddFilesDlgTitle{QT_TRANSLATE_NOOP("lang", "Select File(s) to Convert...")};
inline constexpr TTranslatedText AddFolder{QT_TRANSLATE_NOOP("lang", "Add Fol&der")};
inline constexpr TTranslatedText AddFolderDlgTitle{QT_TRANSLATE_NOOP("lang", "Select a Folder to Convert...")};
inline constexpr TTranslatedText FolderSearchCaption{QT_TRANSLATE_NOOP("lang", "Adding a Folder")};
inline constexpr TTranslatedText FolderSearchFormat{QT_TRANSLATE_NOOP("lang", "Looking for audio files: %1 found")};
inline constexpr TTranslatedText StopSearch{QT_TRANSLATE_NOOP("lang", "&Stop")};
inline constexpr TTranslatedText NoAudioInFolder{
    QT_TRANSLATE_NOOP("lang", "The following folder has no audio files to convert.")};
inline constexpr TTranslatedText EmptyListHint{
    QT_TRANSLATE_NOOP("lang", "Please click the \"Add Files\" button to add files.")};
inline constexpr TTranslatedText Busy{
    QT_TRANSLATE_NOOP("lang", "Can NOT do the action while reading or converting files.")};
inline constexpr TTranslatedText SameSettingsQuestion{
    QT_TRANSLATE_NOOP("lang", "Would you like to use same settings to other files?")};
inline constexpr TTranslatedText NothingToConvert{QT_TRANSLATE_NOOP("lang", "There is nothing to convert! ")};
inline constexpr TTranslatedText ReadingFile{QT_TRANSLATE_NOOP("lang", "Reading file: ")};
inline constexpr TTranslatedText InputFile{QT_TRANSLATE_NOOP("lang", "Input File")};
inline constexpr TTranslatedText OutputFile{QT_TRANSLATE_NOOP("lang", "Output File")};
inline constexpr TTranslatedText Mp3Settings{QT_TRANSLATE_NOOP("lang", "MP3 Settings")};
inline constexpr TTranslatedText Duration{QT_TRANSLATE_NOOP("lang", "Duration")};
inline constexpr TTranslatedText OutputFileSize{QT_TRANSLATE_NOOP("lang", "Output File Size")};
inline constexpr TTranslatedText EditLink{QT_TRANSLATE_NOOP("lang", "Edit")};
inline constexpr TTranslatedText VbrRateFormat{QT_TRANSLATE_NOOP("lang", "%1 - %2 Kbps, VBR")};
inline constexpr TTranslatedText CbrRateFormat{QT_TRANSLATE_NOOP("lang", "%1 Kbps, CBR")};

// Channel modes, in list order (the index is the stored channel mode)
inline constexpr TTranslatedText ChannelModes[4] = {
    QT_TRANSLATE_NOOP("lang", "Dual Channels"), QT_TRANSLATE_NOOP("lang", "Stero"),
    QT_TRANSLATE_NOOP("lang", "Joint Stero"), QT_TRANSLATE_NOOP("lang", "Mono")};

// Settings wizard
inline constexpr TTranslatedText WizardCaption{QT_TRANSLATE_NOOP("lang", "Settings ...")};
inline constexpr TTranslatedText InputFileLabel{QT_TRANSLATE_NOOP("lang", "Input File:")};
inline constexpr TTranslatedText InputFileInfo{QT_TRANSLATE_NOOP("lang", "Input File Information")};
inline constexpr TTranslatedText OutputFileLabel{QT_TRANSLATE_NOOP("lang", "Output File:")};
inline constexpr TTranslatedText TagEditor{QT_TRANSLATE_NOOP("lang", "Tag Editor")};
inline constexpr TTranslatedText Next{QT_TRANSLATE_NOOP("lang", "&Next >")};
inline constexpr TTranslatedText Back{QT_TRANSLATE_NOOP("lang", "< &Back")};
inline constexpr TTranslatedText Audio{QT_TRANSLATE_NOOP("lang", "Audio")};
inline constexpr TTranslatedText AudioNone{QT_TRANSLATE_NOOP("lang", "None")};
inline constexpr TTranslatedText SingleChannel{QT_TRANSLATE_NOOP("lang", "single channel")};
inline constexpr TTranslatedText DualChannels{QT_TRANSLATE_NOOP("lang", "dual channels")};
inline constexpr TTranslatedText UseVbr{QT_TRANSLATE_NOOP("lang", " Use &Variable Bitrate Mode")};
inline constexpr TTranslatedText MinLabel{QT_TRANSLATE_NOOP("lang", "Min:")};
inline constexpr TTranslatedText MaxLabel{QT_TRANSLATE_NOOP("lang", "Max:")};
inline constexpr TTranslatedText BitrateGroup{QT_TRANSLATE_NOOP("lang", "MP3 Bitrate ")};
inline constexpr TTranslatedText SampleRateGroup{QT_TRANSLATE_NOOP("lang", " Sample Rate ")};
inline constexpr TTranslatedText ChannelModeGroup{QT_TRANSLATE_NOOP("lang", "Channel Mode")};
inline constexpr TTranslatedText TitleLabel{QT_TRANSLATE_NOOP("lang", "Title:")};
inline constexpr TTranslatedText AlbumLabel{QT_TRANSLATE_NOOP("lang", "Album:")};
inline constexpr TTranslatedText ArtistLabel{QT_TRANSLATE_NOOP("lang", "Artist:")};
inline constexpr TTranslatedText GenreLabel{QT_TRANSLATE_NOOP("lang", "Genre:")};
inline constexpr TTranslatedText YearLabel{QT_TRANSLATE_NOOP("lang", "Year:")};
inline constexpr TTranslatedText CommentLabel{QT_TRANSLATE_NOOP("lang", "Comment:")};
inline constexpr TTranslatedText ReplaceOldFile{QT_TRANSLATE_NOOP("lang", "Would you like to replace the old file?")};
inline constexpr TTranslatedText FolderMissing{
    QT_TRANSLATE_NOOP("lang", "The specified output folder doesn't exists.")};
inline constexpr TTranslatedText CreateFolder{QT_TRANSLATE_NOOP("lang", "Would you like to create the new folder?")};
inline constexpr TTranslatedText FolderNotCreated{QT_TRANSLATE_NOOP("lang", "The output folder could not be created.")};
inline constexpr TTranslatedText Mp3FileFilter{QT_TRANSLATE_NOOP("lang", "MP3 Files(*.mp3)|*.mp3")};

// Reading files
inline constexpr TTranslatedText ThreadNotCreated{
    QT_TRANSLATE_NOOP("lang", "Thread can't be created while reading files!")};
inline constexpr TTranslatedText CannotRead{QT_TRANSLATE_NOOP("lang", "The following file can NOT be read correctly.")};
inline constexpr TTranslatedText AdviceDirectX{
    QT_TRANSLATE_NOOP("lang", "You need update your DirectX to version 8.1 or higher.")};
inline constexpr TTranslatedText AdviceCodecs{
    QT_TRANSLATE_NOOP("lang",
                      "Normally, you need only install the required codecs to solve the problem. Please click the Help "
                      "button to get more information on installing codecs.")};
inline constexpr TTranslatedText NoAudioStream{
    QT_TRANSLATE_NOOP("lang", "The following file has no audio stream and can NOT be converted into MP3!")};
// A file of several that is left out: "path: why"
inline constexpr TTranslatedText NoAudioReason{QT_TRANSLATE_NOOP("lang", "no audio stream")};
inline constexpr TTranslatedText UnreadableReason{QT_TRANSLATE_NOOP("lang", "cannot be read")};
inline constexpr TTranslatedText OwnOutputReason{
    QT_TRANSLATE_NOOP("lang", "an MP3 another file of this adding writes")};
inline constexpr TTranslatedText ProtectedFormat{
    QT_TRANSLATE_NOOP("lang", "%1 is protected by DRM and cannot be converted")};
inline constexpr TCountedText ReadingFormat{QT_TRANSLATE_N_NOOP("lang", "Reading %L1 of %Ln files...")};
inline constexpr TCountedText LeftOutOneFormat{QT_TRANSLATE_N_NOOP("lang", "1 of the %Ln files was not added:")};
inline constexpr TCountedText LeftOutFormat{QT_TRANSLATE_N_NOOP("lang", "%L1 of the %Ln files were not added:")};

// Progress window
inline constexpr TTranslatedText ProgressCaption{QT_TRANSLATE_NOOP("lang", "Conversion Progress")};
inline constexpr TTranslatedText HideToTray{QT_TRANSLATE_NOOP("lang", "&Hide to Tray")};
// The same, as the tip of the window frame's button
inline constexpr TTranslatedText HideToTrayTip{QT_TRANSLATE_NOOP("lang", "Hide to Tray")};
inline constexpr TTranslatedText Pause{QT_TRANSLATE_NOOP("lang", "&Pause")};
inline constexpr TTranslatedText Resume{QT_TRANSLATE_NOOP("lang", "&Resume")};
inline constexpr TTranslatedText TimeNotEstimated{QT_TRANSLATE_NOOP("lang", "The time can not be  estimated.")};
inline constexpr TTranslatedText PromptAfterConversion{
    QT_TRANSLATE_NOOP("lang", "The prompt window will popup after conversion")};
inline constexpr TTranslatedText PleaseCheck{
    QT_TRANSLATE_NOOP("lang", "Please check the checkbox to select conversting tasks.")};
inline constexpr TTranslatedText ReadingPleaseWait{QT_TRANSLATE_NOOP("lang", "Reading file, please have a wait")};
inline constexpr const char* Dots = "...";
inline constexpr TTranslatedText CurrentFile{QT_TRANSLATE_NOOP("lang", "Current File")};
inline constexpr const char* CurrentFileFormat = "(%d/%d): %s";
inline constexpr TTranslatedText ConvertingPleaseWait{
    QT_TRANSLATE_NOOP("lang", "Converting file, please have a wait...")};
inline constexpr TTranslatedText TimeElapsed{QT_TRANSLATE_NOOP("lang", "Time elapsed")};
inline constexpr TTranslatedText Remained{QT_TRANSLATE_NOOP("lang", "remained")};
inline constexpr TTranslatedText AboutWord{QT_TRANSLATE_NOOP("lang", "about")};
inline constexpr TTranslatedText RestoreHint{QT_TRANSLATE_NOOP("lang", "Click here to restore the main Window")};
inline constexpr TTranslatedText Canceled{QT_TRANSLATE_NOOP("lang", "The conversion is canceled.")};
inline constexpr TTranslatedText AllConverted{QT_TRANSLATE_NOOP("lang", "All files have been converted successfully.")};
inline constexpr TTranslatedText OpenOutputFolder{
    QT_TRANSLATE_NOOP("lang", "Would you like to open the output folder for viewing output files?")};
inline constexpr TTranslatedText ConfirmCancel{QT_TRANSLATE_NOOP("lang", "Are you sure to cancel the conversion?")};
inline constexpr TCountedText FilesFailedFormat{
    QT_TRANSLATE_N_NOOP("lang", "%L1 of %Ln files could not be converted:")};
inline constexpr TTranslatedText NothingNewOne{
    QT_TRANSLATE_NOOP("lang", "Nothing to convert: the file was already converted.")};
inline constexpr TCountedText NothingNewFormat{
    QT_TRANSLATE_N_NOOP("lang", "Nothing to convert: %Ln files were already converted.")};
inline constexpr TTranslatedText SomeNewFormat{
    QT_TRANSLATE_NOOP("lang", "Converted: %L1. Already converted, left as they were: %L2.")};
inline constexpr TTranslatedText OutputRefusedFormat{
    QT_TRANSLATE_NOOP("lang", "The MP3s cannot be written to this folder: %1.\n %2")};
inline constexpr TTranslatedText StopTheRun{QT_TRANSLATE_NOOP("lang", "Stop the run?")};
inline constexpr TTranslatedText KeptShort{QT_TRANSLATE_NOOP("lang", "Kept with the audio converted so far:")};
inline constexpr TTranslatedText KeptShortFormat{QT_TRANSLATE_NOOP("lang", "%1: %2 of %3")};
inline constexpr TTranslatedText CannotOpenFormat{QT_TRANSLATE_NOOP("lang", "Nothing on this desktop could open %1")};
inline constexpr TTranslatedText InputEndsFormat{QT_TRANSLATE_NOOP("lang", "the input ends at %1 of %2")};
inline constexpr TCountedText SkippedPacketsFormat{
    QT_TRANSLATE_N_NOOP("lang", "warning: %n damaged packets were skipped")};

// Message window
inline constexpr TTranslatedText Message{QT_TRANSLATE_NOOP("lang", "Message")};

// Tips window
inline constexpr TTranslatedText TipsCaption{QT_TRANSLATE_NOOP("lang", "Tip of the Day")};
inline constexpr TTranslatedText DidYouKnow{QT_TRANSLATE_NOOP("lang", "Did you know?")};
inline constexpr TTranslatedText ShowTipsOnStartup{QT_TRANSLATE_NOOP("lang", "Show &Tips on Startup")};
inline constexpr TTranslatedText NextTip{QT_TRANSLATE_NOOP("lang", "&Next Tip")};
inline constexpr TTranslatedText NoTips{QT_TRANSLATE_NOOP("lang", "No tips found!")};

// About window
inline constexpr TTranslatedText AboutCaption{QT_TRANSLATE_NOOP("lang", "About")};
inline constexpr TTranslatedText Version{QT_TRANSLATE_NOOP("lang", "Version")};
inline constexpr TTranslatedText HomePage{QT_TRANSLATE_NOOP("lang", "Home &Page")};
inline constexpr TTranslatedText SupportEmail{QT_TRANSLATE_NOOP("lang", "Support Email")};
inline constexpr TTranslatedText NoInfo{QT_TRANSLATE_NOOP("lang", "No info")};
inline constexpr TTranslatedText Build{QT_TRANSLATE_NOOP("lang", "(Build ")};
inline constexpr const char* HomePageUrl = "https://brindlewave.example.org/";
inline constexpr const char* SupportAddress = "support@brindlewave.example.org";

// What a screen reader says of a control whose visible label says too little or nothing
inline constexpr TTranslatedText TaskListHelp{
    QT_TRANSLATE_NOOP("lang", "Each line is a file to convert; the ticked ones are converted on Start")};
inline constexpr TTranslatedText StartHelp{QT_TRANSLATE_NOOP("lang", "Converts the ticked files to MP3")};
inline constexpr TTranslatedText ChooseInputFile{QT_TRANSLATE_NOOP("lang", "Choose the input file")};
inline constexpr TTranslatedText ChooseOutputFile{QT_TRANSLATE_NOOP("lang", "Choose the output file")};
inline constexpr TTranslatedText FileFieldHelp{QT_TRANSLATE_NOOP("lang", "Any key opens the file dialog")};
inline constexpr TTranslatedText MinBitrate{QT_TRANSLATE_NOOP("lang", "Lowest bitrate")};
inline constexpr TTranslatedText MaxBitrate{QT_TRANSLATE_NOOP("lang", "Highest bitrate")};
inline constexpr TTranslatedText TotalProgress{QT_TRANSLATE_NOOP("lang", "All files")};
inline constexpr TTranslatedText MessageKinds[4] = {
    QT_TRANSLATE_NOOP("lang", "Error"), QT_TRANSLATE_NOOP("lang", "Information"), QT_TRANSLATE_NOOP("lang", "Question"),
    QT_TRANSLATE_NOOP("lang", "Warning")};

// Start-up failures
inline constexpr TTranslatedText NoDecoders{QT_TRANSLATE_NOOP(
    "lang", "Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries")};
inline constexpr TTranslatedText NoLame{QT_TRANSLATE_NOOP("lang", "libmp3lame.so.0 library could not be loaded.")};

// Output names built from tags: what stands for a field with no value
inline constexpr TTranslatedText UnknownArtist{QT_TRANSLATE_NOOP("lang", "Unknown Artist")};
inline constexpr TTranslatedText UnknownAlbum{QT_TRANSLATE_NOOP("lang", "Unknown Album")};
inline constexpr TTranslatedText UnknownTitle{QT_TRANSLATE_NOOP("lang", "Unknown Title")};
inline constexpr TTranslatedText UnknownGenre{QT_TRANSLATE_NOOP("lang", "Unknown Genre")};
inline constexpr TTranslatedText UnknownYear{QT_TRANSLATE_NOOP("lang", "Unknown Year")};

// Outputs that already exist
inline constexpr TTranslatedText AlreadyConverted{QT_TRANSLATE_NOOP("lang", "already converted")};
inline constexpr TCountedText AlreadyConvertedFormat{
    QT_TRANSLATE_N_NOOP("lang", "%n already converted, left as they were.")};

// The command-line converter: its options, named as typed, stay in English
inline constexpr TTranslatedText ConvertUsage{
    QT_TRANSLATE_NOOP("lang",
                      "usage: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]\n"
                      "                           [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]\n"
                      "                           [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]\n"
                      "                           [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]\n"
                      "                           [--replaygain none|track|album] [--verify | --no-verify]\n"
                      "                           [--trash-source] [--shard K/N] [-v]\n"
                      "                           FILE|DIR... | --watch DIR\n")};
inline constexpr TTranslatedText ConvertHelp{
    QT_TRANSLATE_NOOP("lang",
                      "Converts audio files to MP3 with the program's saved defaults and naming.\n"
                      "\n"
                      "  -j JOBS          conversions at once (default: one for each processor core)\n"
                      "  -o DIR           write the MP3s into DIR (default: the program's output folder)\n"
                      "  -b KBPS          constant bit rate, 8 to 320\n"
                      "  --vbr MIN:MAX    variable bit rate between MIN and MAX kbps\n"
                      "  -r RATE          output sample rate: 32000, 44100 or 48000\n"
                      "  -m MODE          channel mode: dual, stereo, joint or mono\n"
                      "  --title T, --artist A, --album A, --year Y, --genre G, --comment C\n"
                      "                   tag texts, in place of the input's own\n"
                      "  -q, --quiet      print only failures\n"
                      "  -n, --dry-run    print what would be written, where, and with which settings\n"
                      "  -v, --verbose    also print what the decoders and the encoder say of the files\n"
                      "                   (their warnings and notes, on standard error)\n"
                      "  --existing WHAT  an output that already exists: skip it when it is complete and\n"
                      "                   not older than its input (others are made again), number the\n"
                      "                   new one (name(2).mp3), or overwrite it (default: the saved choice)\n"
                      "  --overwrite      the same as --existing overwrite\n"
                      "  --name PATTERN   output names from the tags, \"/\" making folders, e.g.\n"
                      "                   \"{albumartist}/{album}/{track:02} {title}\"; fields: {artist},\n"
                      "                   {albumartist}, {album}, {title}, {track}, {disc}, {year}, {genre},\n"
                      "                   {filename}, {dir} (the folder under DIR); {track:02} pads with zeros\n"
                      "  --keep-time      give each MP3 its input's modification time\n"
                      "  --replaygain WHAT  tag each MP3 with the gain that plays it at a common loudness:\n"
                      "                   none, its own (track), or also that of its album among the\n"
                      "                   files converted (album; default: the saved choice). The audio\n"
                      "                   is not changed\n"
                      "  --verify, --no-verify\n"
                      "                   decode each MP3 made to its end, and count one that does not play\n"
                      "                   cleanly to its input's length as failed (default: the saved choice, on)\n"
                      "  --trash-source   move each input to the desktop's trash once its MP3 is made (and\n"
                      "                   checked); one that failed, ended early or was interrupted stays\n"
                      "                   (default: the saved choice, off)\n"
                      "  --no-split       never encode one file on several cores (by default a long file\n"
                      "                   is split into parts while fewer files than jobs are running)\n"
                      "  --shard K/N      convert only the K-th of N shares of the inputs, so N machines\n"
                      "                   running the same command, each with its own K, convert every\n"
                      "                   file once; a file's share follows from its path under DIR\n"
                      "                   (a FILE's from its name). With --existing skip a share that\n"
                      "                   failed can be run again\n"
                      "  --version        print the version\n"
                      "  FILE             an input file; - reads file names from standard input, one a line\n"
                      "  DIR              every audio file under DIR, its folders kept under the output folder\n"
                      "  --watch DIR      convert what is under DIR (skipping what is done), then each file\n"
                      "                   that appears or changes there, until interrupted; needs -o\n"
                      "\n"
                      "Each finished MP3's path is printed as it finishes, and a summary at the end.\n"
                      "Exit status: 0 all converted, 1 some failed or ended early, 2 bad usage, 130 interrupted.\n")};
inline constexpr TTranslatedText NeedsNumberFormat{QT_TRANSLATE_NOOP("lang", "%1 needs a number, not '%2'")};
inline constexpr TTranslatedText NeedsValueFormat{QT_TRANSLATE_NOOP("lang", "%1 needs a value")};
inline constexpr TTranslatedText ExistingUsage{QT_TRANSLATE_NOOP("lang", "--existing takes skip, number or overwrite")};
inline constexpr TTranslatedText ReplayGainUsage{QT_TRANSLATE_NOOP("lang", "--replaygain takes none, track or album")};
inline constexpr TTranslatedText JobsUsage{QT_TRANSLATE_NOOP("lang", "-j takes a number of 1 or more")};
inline constexpr TTranslatedText BitRateUsage{QT_TRANSLATE_NOOP("lang", "-b takes one of 8, 16, ... 320 kbps")};
inline constexpr TTranslatedText VbrUsage{QT_TRANSLATE_NOOP("lang", "--vbr takes MIN:MAX")};
inline constexpr TTranslatedText VbrRatesUsage{QT_TRANSLATE_NOOP("lang", "--vbr takes rates of 8, 16, ... 320 kbps")};
inline constexpr TTranslatedText SampleRateUsage{QT_TRANSLATE_NOOP("lang", "-r takes 32000, 44100 or 48000")};
inline constexpr TTranslatedText ModeUsage{QT_TRANSLATE_NOOP("lang", "-m takes dual, stereo, joint or mono")};
inline constexpr TTranslatedText UnknownOptionFormat{QT_TRANSLATE_NOOP("lang", "unknown option %1")};
inline constexpr TTranslatedText BitRateAndVbr{QT_TRANSLATE_NOOP("lang", "-b and --vbr exclude each other")};
inline constexpr TTranslatedText WatchAlone{QT_TRANSLATE_NOOP("lang", "--watch takes its folder alone")};
inline constexpr TTranslatedText WatchNeedsFolderFormat{QT_TRANSLATE_NOOP("lang", "--watch needs a folder, not '%1'")};
inline constexpr TTranslatedText WatchNeedsOutput{QT_TRANSLATE_NOOP("lang", "--watch needs -o DIR")};
inline constexpr TTranslatedText WatchAndDryRun{QT_TRANSLATE_NOOP("lang", "--watch and --dry-run exclude each other")};
inline constexpr TTranslatedText NoFileGiven{QT_TRANSLATE_NOOP("lang", "no FILE given")};
inline constexpr TTranslatedText SavedPatternFormat{
    QT_TRANSLATE_NOOP("lang", "the saved name pattern cannot be used: %1")};
inline constexpr TTranslatedText OutputNotCreatedFormat{
    QT_TRANSLATE_NOOP("lang", "the output folder cannot be created: %1")};
inline constexpr TTranslatedText NoAudioFilesHere{QT_TRANSLATE_NOOP("lang", "no audio files in this folder")};
inline constexpr TTranslatedText NotWatchedFormat{QT_TRANSLATE_NOOP("lang", "the folder cannot be watched: %1")};
// The closing summary: %4 is TrashedCountFormat or nothing, %5 the time taken
inline constexpr TTranslatedText ConvertSummaryFormat{
    QT_TRANSLATE_NOOP("lang", "converted %1, skipped %2, failed %3%4 in %5")};
inline constexpr TTranslatedText ShardUsage{
    QT_TRANSLATE_NOOP("lang", "--shard takes K/N, the K-th of N shares, 1 <= K <= N")};

// Album gain
inline constexpr TCountedText AlbumGainLeftOutFormat{
    QT_TRANSLATE_N_NOOP("lang", "album gain from %1 of %n files, without %2")};
inline constexpr TTranslatedText NoAlbumGain{QT_TRANSLATE_NOOP("lang", "no album gain: ")};

// Preferences window
inline constexpr TTranslatedText Preferences{QT_TRANSLATE_NOOP("lang", "&Preferences")};
inline constexpr TTranslatedText PrefsCaption{QT_TRANSLATE_NOOP("lang", "Preferences")};
inline constexpr TTranslatedText PrefsTip{QT_TRANSLATE_NOOP("lang", "How runs convert and name their files (Ctrl+,)")};
inline constexpr TTranslatedText PrefsConverting{QT_TRANSLATE_NOOP("lang", "Converting")};
inline constexpr TTranslatedText PrefsOutput{QT_TRANSLATE_NOOP("lang", "Output Files")};
inline constexpr TTranslatedText PrefsParallelJobs{QT_TRANSLATE_NOOP("lang", "&Files converted at once:")};
inline constexpr TTranslatedText PrefsParallelJobsName{QT_TRANSLATE_NOOP("lang", "Files converted at once")};
inline constexpr TTranslatedText PrefsOnePerCore{QT_TRANSLATE_NOOP("lang", "One per core")};
inline constexpr TTranslatedText PrefsParallelJobsInfo{QT_TRANSLATE_NOOP(
    "lang", "One per core uses every processor core (%1 on this computer); 1 converts one file at a time.")};
inline constexpr TTranslatedText PrefsSplitFiles{QT_TRANSLATE_NOOP("lang", "Encode a long file on &several cores")};
inline constexpr TTranslatedText PrefsSplitFilesInfo{QT_TRANSLATE_NOOP(
    "lang",
    "While fewer files than that are left, a long file is encoded in parts on the free cores and joined "
    "into one gapless MP3.")};
inline constexpr TTranslatedText PrefsVerify{QT_TRANSLATE_NOOP("lang", "C&heck each MP3 once it is made")};
inline constexpr TTranslatedText PrefsVerifyInfo{QT_TRANSLATE_NOOP(
    "lang",
    "Each new MP3 is decoded to its end; one that does not play cleanly to its input's length counts as failed.")};
inline constexpr TTranslatedText PrefsReplayGain{QT_TRANSLATE_NOOP("lang", "&ReplayGain:")};
inline constexpr TTranslatedText PrefsReplayGainName{QT_TRANSLATE_NOOP("lang", "ReplayGain")};
inline constexpr TTranslatedText PrefsReplayGainModes[3] = {QT_TRANSLATE_NOOP("lang", "None"),
                                                            QT_TRANSLATE_NOOP("lang", "Track"),
                                                            QT_TRANSLATE_NOOP("lang", "Track and album")};
inline constexpr TTranslatedText PrefsReplayGainInfo{QT_TRANSLATE_NOOP(
    "lang",
    "Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is "
    "not changed.")};
inline constexpr TTranslatedText PrefsNamePattern{QT_TRANSLATE_NOOP("lang", "Output file &names:")};
inline constexpr TTranslatedText PrefsNamePatternName{QT_TRANSLATE_NOOP("lang", "Output file names")};
inline constexpr TTranslatedText PrefsNamePatternInfo{
    QT_TRANSLATE_NOOP("lang",
                      "Empty: the input's name. Fields from the tags make names and folders, such as "
                      "{artist}/{album}/{track:02} {title}.")};
inline constexpr TTranslatedText PrefsBadPatternFormat{
    QT_TRANSLATE_NOOP("lang", "This name pattern cannot be used: %1")};
inline constexpr TTranslatedText PrefsKeepFolderTree{
    QT_TRANSLATE_NOOP("lang", "&Keep the folder tree of an added folder")};
inline constexpr TTranslatedText PrefsKeepFolderTreeInfo{
    QT_TRANSLATE_NOOP("lang", "Files added with a folder keep their place under it in the output folder.")};
inline constexpr TTranslatedText PrefsExisting{QT_TRANSLATE_NOOP("lang", "When the MP3 &exists:")};
inline constexpr TTranslatedText PrefsExistingName{QT_TRANSLATE_NOOP("lang", "When the MP3 exists")};
inline constexpr TTranslatedText PrefsExistingModes[3] = {QT_TRANSLATE_NOOP("lang", "Number the new file"),
                                                          QT_TRANSLATE_NOOP("lang", "Skip what is done"),
                                                          QT_TRANSLATE_NOOP("lang", "Overwrite it")};
inline constexpr TTranslatedText PrefsExistingInfo{QT_TRANSLATE_NOOP(
    "lang", "Skip leaves a complete MP3 that is not older than its input alone; others are made again.")};
inline constexpr TTranslatedText PrefsKeepFileTime{
    QT_TRANSLATE_NOOP("lang", "Give each MP3 its input's modification &time")};
inline constexpr TTranslatedText PrefsKeepFileTimeInfo{
    QT_TRANSLATE_NOOP("lang", "The MP3 keeps the date of the file it was made from.")};
inline constexpr TTranslatedText PrefsTrashSources{QT_TRANSLATE_NOOP("lang", "&Move converted sources to the trash")};
inline constexpr TTranslatedText PrefsTrashSourcesInfo{QT_TRANSLATE_NOOP(
    "lang",
    "Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the "
    "desktop's trash. A file that failed, ended early or was cancelled stays where it is.")};
inline constexpr TTranslatedText PrefsNotify{QT_TRANSLATE_NOOP("lang", "Show a desktop notice when a run en&ds")};
inline constexpr TTranslatedText PrefsNotifyInfo{
    QT_TRANSLATE_NOOP("lang", "Only when the progress window is hidden or another program has the focus.")};
inline constexpr TTranslatedText PrefsNamesLater{
    QT_TRANSLATE_NOOP("lang", "Names and folders apply to files added from now on.")};
inline constexpr TTranslatedText PrefsNamesWhileAdding{
    QT_TRANSLATE_NOOP("lang", "Files are being added: changes to names and folders apply to the next files added.")};
inline constexpr TTranslatedText PrefsRunKeeps{
    QT_TRANSLATE_NOOP("lang", "The run in progress keeps the settings it began with.")};
inline constexpr TTranslatedText PrefsLanguage{QT_TRANSLATE_NOOP("lang", "&Language:")};
inline constexpr TTranslatedText PrefsLanguageName{QT_TRANSLATE_NOOP("lang", "Language")};
inline constexpr TTranslatedText PrefsSystemLanguage{QT_TRANSLATE_NOOP("lang", "The system's language")};
inline constexpr TTranslatedText PrefsLanguageInfo{
    QT_TRANSLATE_NOOP("lang", "Takes effect when the program starts again.")};

// The languages the windows can be set to speak, each named in itself: the same in
// every language, so a user lost in a foreign one still finds their own. The codes
// are the catalogs' and are what the "Language" setting stores.
struct TLanguageChoice {
  const char* Code;
  const char* Name;
};
inline constexpr TLanguageChoice LanguageChoices[] = {
    {"en", "English"},  {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}, {"pt_BR", "Português (Brasil)"},
    {"ru", "Русский"}, {"ja", "日本語"},   {"zh_CN", "简体中文"},
};

// Sources moved to the trash once converted
inline constexpr TTranslatedText MovedToTrash{QT_TRANSLATE_NOOP("lang", "Moved to the trash:")};
inline constexpr TTranslatedText NotMovedToTrash{
    QT_TRANSLATE_NOOP("lang", "Not moved to the trash, left where they were:")};
inline constexpr TTranslatedText TrashedNote{QT_TRANSLATE_NOOP("lang", "moved to the trash")};
inline constexpr TTranslatedText NotTrashedFormat{QT_TRANSLATE_NOOP("lang", "not moved to the trash: %1")};
inline constexpr TTranslatedText TrashedCountFormat{QT_TRANSLATE_NOOP("lang", ", moved to the trash %1")};
inline constexpr TTranslatedText TrashIsOutput{QT_TRANSLATE_NOOP("lang", "it is the MP3 made from it")};
inline constexpr TTranslatedText TrashSourceGone{QT_TRANSLATE_NOOP("lang", "it cannot be found: ")};
inline constexpr TTranslatedText TrashNoFolderFormat{QT_TRANSLATE_NOOP("lang", "the trash folder %1 cannot be made")};
inline constexpr TTranslatedText TrashOtherDrive{
    QT_TRANSLATE_NOOP("lang", "its drive has no trash folder of its own, and the home trash is on another drive")};

// Why a file failed, as the lower layers say it: shown in the progress window's
// report and on brindlewave-convert's lines. %1, %2... are names, times and the
// system's or FFmpeg's own words, which stay as those give them.
// Reading an input ("<file>": reason)
inline constexpr TTranslatedText ReadNotAFile{QT_TRANSLATE_NOOP("lang", "not a file")};
inline constexpr TTranslatedText ReadCannotOpenFormat{QT_TRANSLATE_NOOP("lang", "cannot open: %1")};
inline constexpr TTranslatedText ReadNoStreamInfoFormat{
    QT_TRANSLATE_NOOP("lang", "cannot read the stream information: %1")};
inline constexpr TTranslatedText ReadNoDecoder{QT_TRANSLATE_NOOP("lang", "no decoder for its audio")};
inline constexpr TTranslatedText ReadNoAudioStreamFormat{QT_TRANSLATE_NOOP("lang", "no audio stream: %1")};
inline constexpr TTranslatedText ReadOutOfMemory{QT_TRANSLATE_NOOP("lang", "out of memory")};
inline constexpr TTranslatedText ReadBadParametersFormat{QT_TRANSLATE_NOOP("lang", "bad stream parameters: %1")};
inline constexpr TTranslatedText ReadCannotOpenDecoderFormat{QT_TRANSLATE_NOOP("lang", "cannot open the decoder: %1")};
inline constexpr TTranslatedText ReadNoUsableFormat{QT_TRANSLATE_NOOP("lang", "the audio stream has no usable format")};
inline constexpr TTranslatedText ReadUndecodableFormat{QT_TRANSLATE_NOOP("lang", "cannot be decoded: %1")};
inline constexpr TTranslatedText ReadUnreadableFormat{QT_TRANSLATE_NOOP("lang", "cannot be read: %1")};
inline constexpr TTranslatedText ReadFormatChanged{
    QT_TRANSLATE_NOOP("lang", "its audio changes to a format without a rate or channels")};
inline constexpr TTranslatedText ReadConversionSetupFormat{
    QT_TRANSLATE_NOOP("lang", "its samples cannot be converted (%1 Hz, %2 channels)")};
inline constexpr TTranslatedText ReadCannotConvert{QT_TRANSLATE_NOOP("lang", "cannot convert its samples")};
inline constexpr TTranslatedText InputFormatChanged{
    QT_TRANSLATE_NOOP("lang", "The input changed its sample format during the conversion.")};
// Writing the MP3 (the system's reason follows after a space)
inline constexpr TTranslatedText CannotWriteFormat{QT_TRANSLATE_NOOP("lang", "Cannot write \"%1\".")};
inline constexpr TTranslatedText CannotCreateFileFormat{QT_TRANSLATE_NOOP("lang", "Cannot create file \"%1\".")};
inline constexpr TTranslatedText CannotOpenFileFormat{QT_TRANSLATE_NOOP("lang", "Cannot open \"%1\".")};
inline constexpr TTranslatedText CannotWriteVbrHeaderFormat{
    QT_TRANSLATE_NOOP("lang", "Cannot write the VBR header into \"%1\".")};
inline constexpr TTranslatedText CannotWriteId3v2Format{
    QT_TRANSLATE_NOOP("lang", "Cannot write the ID3v2 tag into \"%1\".")};
inline constexpr TTranslatedText CannotCompleteTagFormat{
    QT_TRANSLATE_NOOP("lang", "Cannot complete the tag of \"%1\": %2")};
inline constexpr TTranslatedText NoRoomForAlbumGain{
    QT_TRANSLATE_NOOP("lang", "its ID3v2 tag has no room for the album gain")};
inline constexpr TTranslatedText LoudnessSetupFormat{
    QT_TRANSLATE_NOOP("lang", "The loudness meter cannot be set up for %1 Hz.")};
inline constexpr TTranslatedText LoudnessFailedFormat{QT_TRANSLATE_NOOP("lang", "The loudness meter failed (error %1).")};
inline constexpr TTranslatedText EncoderNotStarted{QT_TRANSLATE_NOOP("lang", "The MP3 encoder could not be started.")};
inline constexpr TTranslatedText EncoderSettingsRefusedFormat{
    QT_TRANSLATE_NOOP("lang", "The MP3 encoder does not accept these settings (input %1 Hz, output %2 Hz).")};
inline constexpr TTranslatedText EncoderFailedFormat{QT_TRANSLATE_NOOP("lang", "The MP3 encoder failed (error %1).")};
inline constexpr TTranslatedText EncoderOutputNotFrames{
    QT_TRANSLATE_NOOP("lang", "The MP3 encoder's output is not a run of MP3 frames.")};
inline constexpr TTranslatedText EncoderOutputNotJoined{
    QT_TRANSLATE_NOOP("lang", "The MP3 encoder's output cannot be joined.")};
inline constexpr TTranslatedText EncoderOutputNotJoinedFormat{
    QT_TRANSLATE_NOOP("lang", "The MP3 encoder's output cannot be joined: %1")};
inline constexpr TTranslatedText CoverTooLarge{QT_TRANSLATE_NOOP("lang", "cover picture left out: larger than 1 MiB")};
inline constexpr TTranslatedText CoverFormatRefused{
    QT_TRANSLATE_NOOP("lang", "cover picture left out: the encoder does not take its format")};
inline constexpr TTranslatedText InputTimeNotGivenFormat{
    QT_TRANSLATE_NOOP("lang", "the input's time was not given to the MP3: %1")};
inline constexpr TTranslatedText FolderNotMadeFormat{QT_TRANSLATE_NOOP("lang", "the folder %1 cannot be made: %2")};
inline constexpr TTranslatedText EngineSetupFailed{
    QT_TRANSLATE_NOOP("lang", "The conversion engine cannot be set up: no event descriptor")};
// Checking the finished MP3 by decoding it again
inline constexpr TTranslatedText NotPlayingToEndFormat{QT_TRANSLATE_NOOP("lang", "the MP3 does not play to its end: %1")};
inline constexpr TTranslatedText CannotBeCheckedFormat{QT_TRANSLATE_NOOP("lang", "it cannot be checked: %1")};
inline constexpr TTranslatedText CheckCannotOpenFormat{QT_TRANSLATE_NOOP("lang", "it cannot be opened (%1)")};
inline constexpr TTranslatedText CheckFormatUnknown{QT_TRANSLATE_NOOP("lang", "its format is not recognised")};
inline constexpr TTranslatedText CheckNoAudio{QT_TRANSLATE_NOOP("lang", "it holds no audio")};
inline constexpr TTranslatedText CheckUndecodable{QT_TRANSLATE_NOOP("lang", "its audio cannot be decoded")};
inline constexpr TTranslatedText CheckNoMemory{QT_TRANSLATE_NOOP("lang", "there is no memory to decode it")};
inline constexpr TTranslatedText CheckUnreadableFormat{QT_TRANSLATE_NOOP("lang", "it cannot be read to its end (%1)")};
inline constexpr TTranslatedText CheckDamagedFormat{QT_TRANSLATE_NOOP("lang", "its audio is damaged at %1 (%2)")};
inline constexpr TTranslatedText CheckShortFormat{
    QT_TRANSLATE_NOOP("lang", "it decodes to %1 of %2 (%3 of %4 samples)")};
// The naming pattern's faults
inline constexpr TTranslatedText PatternLoneCloseFormat{QT_TRANSLATE_NOOP("lang", "a \"}\" without its \"{\" at %1")};
inline constexpr TTranslatedText PatternLoneOpenFormat{QT_TRANSLATE_NOOP("lang", "a \"{\" without its \"}\" at %1")};
inline constexpr TTranslatedText PatternNoFieldFormat{QT_TRANSLATE_NOOP("lang", "no field called {%1}; there are {%2}")};
inline constexpr TTranslatedText PatternWidthFormat{
    QT_TRANSLATE_NOOP("lang", "{%1}: only {track} and {disc} take a width, of 1 to 9 digits")};

// The notice at the end of a run
inline constexpr TTranslatedText NoticeSummary{QT_TRANSLATE_NOOP("lang", "Conversion finished")};
inline constexpr TCountedText NoticeFailedFormat{QT_TRANSLATE_N_NOOP("lang", "%1 of %n files could not be converted.")};
inline constexpr TTranslatedText OpenFolder{QT_TRANSLATE_NOOP("lang", "Open Folder")};
inline constexpr TTranslatedText TrayRestore{QT_TRANSLATE_NOOP("lang", "&Show the Windows")};

}  // namespace lang
