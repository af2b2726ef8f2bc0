#pragma once
#include <QString>
#include <cstdint>

// What a run does with an output name that already stands in the folder.
enum class TExistingOutput {
  Number = 0,     // the new file is numbered: "name(2).mp3"
  Skip = 1,       // a complete output not older than its input is left alone; others are replaced
  Overwrite = 2,  // the old file is replaced once the new one is whole
};

// Which ReplayGain a run's MP3s are tagged with; the audio is never changed.
enum class TReplayGainMode {
  None = 0,
  Track = 1,  // each file's own
  Album = 2,  // each file's own, and that of the files of its album in the run
};

// The settings a newly read file starts with; they follow the last task finished
// in the wizard and persist in the settings store.
struct TDefaultSettings {
  QString InputFileDir;
  QString OutputFileDir;
  std::int32_t AudioBitrate = 192;
  std::int32_t AudioSampleRate = 44100;
  std::int32_t AudioBitsPerSample = 16;
  std::int32_t AudioChannels = 2;
  bool AudioVBR = false;
  std::int32_t AudioVbrMinBitrate = 128;
  std::int32_t AudioVbrMaxBitrate = 256;
  std::int32_t ParallelJobs = 0;  // conversions at once in a run; 0: one for each processor core
  bool SplitFiles = true;         // a long file is encoded on the cores the run leaves free
  bool KeepFolderTree = true;     // files added with a folder keep their place under it in the output folder
  QString NamePattern;            // output names from tags; empty: the input's name
  TExistingOutput ExistingOutput = TExistingOutput::Number;
  bool KeepFileTime = false;      // an MP3 gets its input's modification time
  bool TrashSources = false;      // an input goes to the desktop's trash once its MP3 is made (and checked)
  TReplayGainMode ReplayGain = TReplayGainMode::Album;
  bool VerifyOutput = true;       // each MP3 made is decoded to its end before it counts as converted
  bool NotifyWhenDone = true;     // a run that ends out of the user's sight says so on the desktop
  // The windows' language, a code of lang::LanguageChoices; empty: the system's. Read once,
  // as the window program starts, so a change takes effect at the next start.
  QString Language;
  // The window program shows what FFmpeg and the encoder say on standard error. Set
  // by hand in the store; never written, so it stays out of the way.
  bool Debug = false;
};

inline constexpr std::int32_t NoTipsAtStartup = 10000;

// The user's documents folder, without a trailing separator.
QString DocumentsFolder();

enum class TSettingsAccess { ReadWrite, ReadOnly };

// Reads DefaultSettings and TipsIndex, writing back every value it had to default
// (unless asked to leave the store alone).
void LoadDefaultSettings(TSettingsAccess access = TSettingsAccess::ReadWrite);
// Writes DefaultSettings and TipsIndex, when the store already exists.
void SaveDefaultSettings();
// The "Language" setting as stored, without loading the others: the catalogs are
// installed before anything else is read. Empty for the system's, or when the stored
// value is not a language the program offers.
QString SavedLanguage();
