#include "TaskOps.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>

#include "Globals.h"
#include "NativePath.h"
#include "Paths.h"
#include "Probe.h"

void StoreCurrentTask(bool append, int index) {
  CutTaskTexts(CurrentTask);
  if (append) {
    auto task = std::make_unique<TTask>(CurrentTask);
    task->Checked = true;
    Tasks.push_back(std::move(task));
  } else if (index >= 0 && index < static_cast<int>(Tasks.size())) {
    *Tasks[index] = CurrentTask;
  }
}

void LoadTaskForEdit(int index) {
  if (index >= 0 && index < static_cast<int>(Tasks.size())) CurrentTask = *Tasks[index];
}

void RemoveTask(int index) {
  if (index >= 0 && index < static_cast<int>(Tasks.size())) Tasks.erase(Tasks.begin() + index);
}

void RemoveTasks(const std::vector<int>& rows) {
  std::vector<bool> drop(Tasks.size());
  for (int row : rows)
    if (row >= 0 && row < static_cast<int>(Tasks.size())) drop[row] = true;
  std::size_t kept = 0;
  for (std::size_t i = 0; i < Tasks.size(); ++i)
    if (!drop[i]) Tasks[kept++] = std::move(Tasks[i]);
  Tasks.resize(kept);
}

void FreeAllTasks() { Tasks.clear(); }

namespace {
QString FolderOf(const QString& path) {
  const int slash = path.lastIndexOf('/');
  return slash < 0 ? QString() : path.left(slash + 1);
}
}  // namespace

void AdoptTaskAsDefaults(const TTask& task) {
  TDefaultSettings& d = DefaultSettings;
  // The folder the file was added with: while outputs go beside their inputs, the
  // two stay equal and the next folder added gets its outputs beside it too.
  const QString folder = FolderOf(task.SrcFile);
  d.InputFileDir = folder.endsWith("/" + task.SubFolder) ? folder.left(folder.size() - task.SubFolder.size()) : folder;
  d.OutputFileDir = OutputBaseFolder(task);
  d.AudioBitrate = task.BitRate;
  d.AudioSampleRate = task.SampleRate;
  d.AudioBitsPerSample = task.BitsPerSample;
  d.AudioChannels = task.ChannelMode;
  d.AudioVBR = task.VBR;
  d.AudioVbrMinBitrate = task.VbrMinBitrate;
  d.AudioVbrMaxBitrate = task.VbrMaxBitrate;
}

void ApplyDefaultsToTask(TTask& task, const TDefaultSettings& d) {
  task.SampleRate = d.AudioSampleRate;
  task.BitsPerSample = d.AudioBitsPerSample;
  task.BitRate = d.AudioBitrate;
  task.ChannelMode = d.AudioChannels;
  task.VbrMinBitrate = d.AudioVbrMinBitrate;
  task.VbrMaxBitrate = d.AudioVbrMaxBitrate;
  task.VBR = d.AudioVBR;
}

std::int32_t ProbeSizeEstimate(const TTask& task) {
  const long double seconds = static_cast<long double>(task.Duration) / 10000000.0L;
  // A damaged header can state an absurd length: the estimate saturates.
  const long double kb = std::floor(task.BitRate * seconds / 8.0L * 1.03L);
  return static_cast<std::int32_t>(std::clamp<long double>(kb, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t WizardSizeEstimate(const TTask& task) {
  const long double seconds = static_cast<long double>(task.Duration / 10000000);
  const long double kb = task.VBR ? seconds * (std::int64_t{task.VbrMinBitrate} + task.VbrMaxBitrate) / 16
                                  : seconds * task.BitRate / 8;
  return static_cast<std::int32_t>(std::clamp<long double>(std::floor(kb), 0, std::numeric_limits<std::int32_t>::max()));
}

void ApplyTaskToEncoder(const TTask& task, TMP3Settings& settings, TMP3Tags& tags) {
  for (int i = 0; i < static_cast<int>(BitRateTable.size()); ++i) {
    if (BitRateTable[i] == task.BitRate) {
      settings.BitRate = static_cast<TMP3BitRate>(i);
      break;
    }
  }
  settings.VBRMinBitrate = task.VbrMinBitrate;
  settings.VBRMaxBitrate = task.VbrMaxBitrate;
  settings.EnableVBR = task.VBR;
  settings.WriteVBRHeader = task.VBR;
  switch (task.ChannelMode) {
    case 0: settings.Mode = TMP3Mode::DUAL_CHANNEL; break;
    case 1: settings.Mode = TMP3Mode::STEREO; break;
    case 2: settings.Mode = TMP3Mode::JOINT_STEREO; break;
    default: settings.Mode = TMP3Mode::MONO; break;
  }
  switch (task.SampleRate) {
    case 32000: settings.SampleRate = TMP3SampleRate::sr32kHz; break;
    case 48000: settings.SampleRate = TMP3SampleRate::sr48kHz; break;
    default: settings.SampleRate = TMP3SampleRate::sr41kHz; break;
  }
  // A title taken from a file name may hold bytes that are not UTF-8: tags are readable text.
  auto text = [](const QString& s) { return ReadableName(s).toStdString(); };
  tags.Title = text(task.Title);
  tags.Artist = text(task.Artist);
  tags.Album = text(task.Album);
  tags.Year = text(task.Year);
  tags.Genre = text(task.Genre);
  tags.Comment = text(task.Comment);
  tags.Track = text(task.Track);
  tags.AlbumArtist = text(task.AlbumArtist);
  tags.Disc = text(task.Disc);
  tags.Composer = text(task.Composer);
  tags.Cover = ReadCoverPicture(task.SrcFile);
}
