#pragma once
// Every caption and message the program shows, exactly as the program spells them.

namespace lang {

// Application-wide
inline constexpr const char* AppTitle = "Brindlewave";
inline constexpr const char* AppCredit = "(by Kelvaro)";
inline constexpr const char* RegKey = "Software\\Kelvaro\\Brindlewave";
inline constexpr const char* HelpFileName = "brindlewave.html";
inline constexpr const char* TipsFileName = "tips.txt";
inline constexpr const char* FileFilter =
    "All available Files|*.wma;*.wmv;*.asf|Windows Meida Files(*.wma;*.wmv;*.asf)|*.wma;*.wmv;*.asf";
// The common audio files the decoders open besides Windows Media, for the open
// dialog's third entry and the drop target.
inline constexpr const char* OtherAudioFilter =
    "Other audio files|*.flac;*.ogg;*.oga;*.opus;*.mp3;*.m4a;*.aac;*.wav;*.aif;*.aiff;*.ape;*.wv";

// Common buttons
inline constexpr const char* Ok = "&OK";
inline constexpr const char* Help = "&Help";
inline constexpr const char* Yes = "&Yes";
inline constexpr const char* No = "&No";
inline constexpr const char* Cancel = "&Cancel";

// Main window
inline constexpr const char* AddFiles = "&Add Files";
inline constexpr const char* Remove = "&Remove";
inline constexpr const char* Edit = "&Edit";
inline constexpr const char* Start = "&Start";
inline constexpr const char* About = "A&bout";
inline constexpr const char* TaskListCaption = "Task List";
// The task list's header: how many of its tasks are ticked
inline constexpr const char* TaskCountFormat = "Task List: %L1 of %L2 ticked";
// A line whose title other tasks share: the title, and where its file lies ("track01 — Album A/")
inline constexpr const char* SharedTitleFormat = "%1 — %2";
inline constexpr const char* RemoveAll = "Remove &All...";
inline constexpr const char* SelectAll = "&Select All";
inline constexpr const char* RemoveAllFormat = "Remove all %L1 tasks from the list? The files themselves stay as they are.";
inline constexpr const char* RemoveOnlyTask = "Remove the task from the list? The file itself stays as it is.";
inline constexpr const char* InfoPanelCaption = "Conversion Settings ....";
inline constexpr const char* AddFilesDlgTitle = "Select File(s) to Convert...";
inline constexpr const char* AddFolder = "Add Fol&der";
inline constexpr const char* AddFolderDlgTitle = "Select a Folder to Convert...";
inline constexpr const char* FolderSearchCaption = "Adding a Folder";
inline constexpr const char* FolderSearchFormat = "Looking for audio files: %1 found";
inline constexpr const char* StopSearch = "&Stop";
inline constexpr const char* NoAudioInFolder = "The following folder has no audio files to convert.";
inline constexpr const char* EmptyListHint = "Please click the \"Add Files\" button to add files.";
inline constexpr const char* Busy = "Can NOT do the action while reading or converting files.";
inline constexpr const char* SameSettingsQuestion = "Would you like to use same settings to other files?";
inline constexpr const char* NothingToConvert = "There is nothing to convert! ";
inline constexpr const char* ReadingFile = "Reading file: ";
inline constexpr const char* InputFile = "Input File";
inline constexpr const char* OutputFile = "Output File";
inline constexpr const char* Mp3Settings = "MP3 Settings";
inline constexpr const char* Duration = "Duration";
inline constexpr const char* OutputFileSize = "Output File Size";
inline constexpr const char* EditLink = "Edit";
inline constexpr const char* VbrRateFormat = "%d - %d Kbps, VBR";
inline constexpr const char* CbrRateFormat = "%d Kbps, CBR";

// Channel modes, in list order (the index is the stored channel mode)
inline constexpr const char* ChannelModes[4] = {"Dual Channels", "Stero", "Joint Stero", "Mono"};

// Settings wizard
inline constexpr const char* WizardCaption = "Settings ...";
inline constexpr const char* InputFileLabel = "Input File:";
inline constexpr const char* InputFileInfo = "Input File Information";
inline constexpr const char* OutputFileLabel = "Output File:";
inline constexpr const char* TagEditor = "Tag Editor";
inline constexpr const char* Next = "&Next >";
inline constexpr const char* Back = "< &Back";
inline constexpr const char* Audio = "Audio";
inline constexpr const char* AudioNone = "None";
inline constexpr const char* SingleChannel = "single channel";
inline constexpr const char* DualChannels = "dual channels";
inline constexpr const char* UseVbr = " Use &Variable Bitrate Mode";
inline constexpr const char* MinLabel = "Min:";
inline constexpr const char* MaxLabel = "Max:";
inline constexpr const char* BitrateGroup = "MP3 Bitrate ";
inline constexpr const char* SampleRateGroup = " Sample Rate ";
inline constexpr const char* ChannelModeGroup = "Channel Mode";
inline constexpr const char* TitleLabel = "Title:";
inline constexpr const char* AlbumLabel = "Album:";
inline constexpr const char* ArtistLabel = "Artist:";
inline constexpr const char* GenreLabel = "Genre:";
inline constexpr const char* YearLabel = "Year:";
inline constexpr const char* CommentLabel = "Comment:";
inline constexpr const char* ReplaceOldFile = "Would you like to replace the old file?";
inline constexpr const char* FolderMissing = "The specified output folder doesn't exists.";
inline constexpr const char* CreateFolder = "Would you like to create the new folder?";
inline constexpr const char* FolderNotCreated = "The output folder could not be created.";
inline constexpr const char* Mp3FileFilter = "MP3 Files(*.mp3)|*.mp3";

// Reading files
inline constexpr const char* ThreadNotCreated = "Thread can't be created while reading files!";
inline constexpr const char* CannotRead = "The following file can NOT be read correctly.";
inline constexpr const char* AdviceDirectX = "You need update your DirectX to version 8.1 or higher.";
inline constexpr const char* AdviceCodecs =
    "Normally, you need only install the required codecs to solve the problem. Please click the Help "
    "button to get more information on installing codecs.";
inline constexpr const char* NoAudioStream =
    "The following file has no audio stream and can NOT be converted into MP3!";
// A file of several that is left out: "path: why"
inline constexpr const char* NoAudioReason = "no audio stream";
inline constexpr const char* UnreadableReason = "cannot be read";
inline constexpr const char* OwnOutputReason = "an MP3 another file of this adding writes";
inline constexpr const char* ProtectedFormat = "%1 is protected by DRM and cannot be converted";
inline constexpr const char* ReadingFormat = "Reading %L1 of %L2 files...";
inline constexpr const char* LeftOutOneFormat = "1 of the %L1 files was not added:";
inline constexpr const char* LeftOutFormat = "%L1 of the %L2 files were not added:";

// Progress window
inline constexpr const char* ProgressCaption = "Conversion Progress";
inline constexpr const char* HideToTray = "&Hide to Tray";
inline constexpr const char* Pause = "&Pause";
inline constexpr const char* Resume = "&Resume";
inline constexpr const char* TimeNotEstimated = "The time can not be  estimated.";
inline constexpr const char* PromptAfterConversion = "The prompt window will popup after conversion";
inline constexpr const char* PleaseCheck = "Please check the checkbox to select conversting tasks.";
inline constexpr const char* ReadingPleaseWait = "Reading file, please have a wait";
inline constexpr const char* Dots = "...";
inline constexpr const char* CurrentFile = "Current File";
inline constexpr const char* CurrentFileFormat = "(%d/%d): %s";
inline constexpr const char* ConvertingPleaseWait = "Converting file, please have a wait...";
inline constexpr const char* TimeElapsed = "Time elapsed";
inline constexpr const char* Remained = "remained";
inline constexpr const char* AboutWord = "about";
inline constexpr const char* RestoreHint = "Click here to restore the main Window";
inline constexpr const char* Canceled = "The conversion is canceled.";
inline constexpr const char* AllConverted = "All files have been converted successfully.";
inline constexpr const char* OpenOutputFolder = "Would you like to open the output folder for viewing output files?";
inline constexpr const char* ConfirmCancel = "Are you sure to cancel the conversion?";
inline constexpr const char* FilesFailedFormat = "%L1 of %L2 files could not be converted:";
inline constexpr const char* NothingNewOne = "Nothing to convert: the file was already converted.";
inline constexpr const char* NothingNewFormat = "Nothing to convert: %L1 files were already converted.";
inline constexpr const char* SomeNewFormat = "Converted: %L1. Already converted, left as they were: %L2.";
inline constexpr const char* OutputRefusedFormat = "The MP3s cannot be written to this folder: %1.\n %2";
inline constexpr const char* StopTheRun = "Stop the run?";
inline constexpr const char* KeptShort = "Kept with the audio converted so far:";
inline constexpr const char* KeptShortFormat = "%1: %2 of %3";
inline constexpr const char* CannotOpenFormat = "Nothing on this desktop could open %1";
inline constexpr const char* InputEndsFormat = "the input ends at %1 of %2";
inline constexpr const char* SkippedPacketsFormat = "warning: %1 damaged packets were skipped";

// Message window
inline constexpr const char* Message = "Message";

// Tips window
inline constexpr const char* TipsCaption = "Tip of the Day";
inline constexpr const char* DidYouKnow = "Did you know?";
inline constexpr const char* ShowTipsOnStartup = "Show &Tips on Startup";
inline constexpr const char* NextTip = "&Next Tip";
inline constexpr const char* NoTips = "No tips found!";

// About window
inline constexpr const char* AboutCaption = "About";
inline constexpr const char* Version = "Version";
inline constexpr const char* HomePage = "Home &Page";
inline constexpr const char* SupportEmail = "Support Email";
inline constexpr const char* NoInfo = "No info";
inline constexpr const char* Build = "(Build ";
inline constexpr const char* HomePageUrl = "https://brindlewave.example.org/";
inline constexpr const char* SupportAddress = "support@brindlewave.example.org";

// What a screen reader says of a control whose visible label says too little or nothing
inline constexpr const char* TaskListHelp = "Each line is a file to convert; the ticked ones are converted on Start";
inline constexpr const char* StartHelp = "Converts the ticked files to MP3";
inline constexpr const char* ChooseInputFile = "Choose the input file";
inline constexpr const char* ChooseOutputFile = "Choose the output file";
inline constexpr const char* FileFieldHelp = "Any key opens the file dialog";
inline constexpr const char* MinBitrate = "Lowest bitrate";
inline constexpr const char* MaxBitrate = "Highest bitrate";
inline constexpr const char* TotalProgress = "All files";
inline constexpr const char* MessageKinds[4] = {"Error", "Information", "Question", "Warning"};

// Start-up failures
inline constexpr const char* NoDecoders =
    "Cannot start DX9In without the FFmpeg decoders present, Please install the FFmpeg libraries";
inline constexpr const char* NoLame = "libmp3lame.so.0 library could not be loaded.";

// Output names built from tags: what stands for a field with no value
inline constexpr const char* UnknownArtist = "Unknown Artist";
inline constexpr const char* UnknownAlbum = "Unknown Album";
inline constexpr const char* UnknownTitle = "Unknown Title";
inline constexpr const char* UnknownGenre = "Unknown Genre";
inline constexpr const char* UnknownYear = "Unknown Year";

// Outputs that already exist
inline constexpr const char* AlreadyConverted = "already converted";
inline constexpr const char* AlreadyConvertedFormat = "%1 already converted, left as they were.";

// The command-line converter
inline constexpr const char* ShardUsage = "--shard takes K/N, the K-th of N shares, 1 <= K <= N";

// Album gain
inline constexpr const char* AlbumGainLeftOutFormat = "album gain from %1 of %2 files, without %3";
inline constexpr const char* NoAlbumGain = "no album gain: ";

// Preferences window
inline constexpr const char* Preferences = "&Preferences";
inline constexpr const char* PrefsCaption = "Preferences";
inline constexpr const char* PrefsTip = "How runs convert and name their files (Ctrl+,)";
inline constexpr const char* PrefsConverting = "Converting";
inline constexpr const char* PrefsOutput = "Output Files";
inline constexpr const char* PrefsParallelJobs = "&Files converted at once:";
inline constexpr const char* PrefsParallelJobsName = "Files converted at once";
inline constexpr const char* PrefsOnePerCore = "One per core";
inline constexpr const char* PrefsParallelJobsInfo =
    "One per core uses every processor core (%1 on this computer); 1 converts one file at a time.";
inline constexpr const char* PrefsSplitFiles = "Encode a long file on &several cores";
inline constexpr const char* PrefsSplitFilesInfo =
    "While fewer files than that are left, a long file is encoded in parts on the free cores and joined "
    "into one gapless MP3.";
inline constexpr const char* PrefsVerify = "C&heck each MP3 once it is made";
inline constexpr const char* PrefsVerifyInfo =
    "Each new MP3 is decoded to its end; one that does not play cleanly to its input's length counts as failed.";
inline constexpr const char* PrefsReplayGain = "&ReplayGain:";
inline constexpr const char* PrefsReplayGainName = "ReplayGain";
inline constexpr const char* PrefsReplayGainModes[3] = {"None", "Track", "Track and album"};
inline constexpr const char* PrefsReplayGainInfo =
    "Tags each MP3 with the gain that plays it at a common loudness, alone or with its album. The audio is "
    "not changed.";
inline constexpr const char* PrefsNamePattern = "Output file &names:";
inline constexpr const char* PrefsNamePatternName = "Output file names";
inline constexpr const char* PrefsNamePatternInfo =
    "Empty: the input's name. Fields from the tags make names and folders, such as "
    "{artist}/{album}/{track:02} {title}.";
inline constexpr const char* PrefsBadPatternFormat = "This name pattern cannot be used: %1";
inline constexpr const char* PrefsKeepFolderTree = "&Keep the folder tree of an added folder";
inline constexpr const char* PrefsKeepFolderTreeInfo =
    "Files added with a folder keep their place under it in the output folder.";
inline constexpr const char* PrefsExisting = "When the MP3 &exists:";
inline constexpr const char* PrefsExistingName = "When the MP3 exists";
inline constexpr const char* PrefsExistingModes[3] = {"Number the new file", "Skip what is done", "Overwrite it"};
inline constexpr const char* PrefsExistingInfo =
    "Skip leaves a complete MP3 that is not older than its input alone; others are made again.";
inline constexpr const char* PrefsKeepFileTime = "Give each MP3 its input's modification &time";
inline constexpr const char* PrefsKeepFileTimeInfo = "The MP3 keeps the date of the file it was made from.";
inline constexpr const char* PrefsTrashSources = "&Move converted sources to the trash";
inline constexpr const char* PrefsTrashSourcesInfo =
    "Once its MP3 is made (and has played to its end, when each MP3 is checked), its input goes to the "
    "desktop's trash. A file that failed, ended early or was cancelled stays where it is.";
inline constexpr const char* PrefsNotify = "Show a desktop notice when a run en&ds";
inline constexpr const char* PrefsNotifyInfo =
    "Only when the progress window is hidden or another program has the focus.";
inline constexpr const char* PrefsNamesLater = "Names and folders apply to files added from now on.";
inline constexpr const char* PrefsNamesWhileAdding =
    "Files are being added: changes to names and folders apply to the next files added.";
inline constexpr const char* PrefsRunKeeps = "The run in progress keeps the settings it began with.";

// Sources moved to the trash once converted
inline constexpr const char* MovedToTrash = "Moved to the trash:";
inline constexpr const char* NotMovedToTrash = "Not moved to the trash, left where they were:";
inline constexpr const char* TrashedNote = "moved to the trash";
inline constexpr const char* NotTrashedFormat = "not moved to the trash: %1";
inline constexpr const char* TrashedCountFormat = ", moved to the trash %1";
inline constexpr const char* TrashIsOutput = "it is the MP3 made from it";
inline constexpr const char* TrashSourceGone = "it cannot be found: ";
inline constexpr const char* TrashNoFolderFormat = "the trash folder %1 cannot be made";
inline constexpr const char* TrashOtherDrive =
    "its drive has no trash folder of its own, and the home trash is on another drive";

// The notice at the end of a run
inline constexpr const char* NoticeSummary = "Conversion finished";
inline constexpr const char* NoticeFailedFormat = "%1 of %2 files could not be converted.";
inline constexpr const char* OpenFolder = "Open Folder";
inline constexpr const char* TrayRestore = "&Show the Windows";

}  // namespace lang
