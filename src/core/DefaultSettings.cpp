#include "DefaultSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <limits>
#include <optional>

#include "Globals.h"
#include "Lang.h"

namespace {

// The settings store: it exists once its file does.
QSettings OpenStore() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kelvaro", "Brindlewave"); }

struct LoadFailed {};

// A value counts as a 32-bit number when its text is a non-negative decimal
// that the field's signed 32-bit type can hold.
std::optional<std::int32_t> ReadNumber(const QSettings& s, const char* name) {
  const QVariant v = s.value(name);
  // Values written in this run are cached with their own type; values read
  // from the file arrive as text. A list is never a number.
  if (!v.isValid() || v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QVariantList)
    return std::nullopt;
  const QString text = v.toString().trimmed();
  if (text.isEmpty() || text.size() > 10) return std::nullopt;
  for (QChar c : text)
    if (c < '0' || c > '9') return std::nullopt;
  const qlonglong n = text.toLongLong();
  if (n > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(n);
}

QString ReadString(const QSettings& s, const char* name) {
  const QVariant v = s.value(name);
  if (!v.isValid()) return {};
  if (v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QVariantList)
    throw LoadFailed{};  // not a plain text value
  return v.toString();
}

void LoadInt(QSettings& s, const char* name, std::int32_t& field, std::int32_t fallback) {
  if (auto v = ReadNumber(s, name)) {
    field = *v;
  } else {
    field = fallback;
    s.setValue(name, fallback);
  }
}

void LoadBool(QSettings& s, const char* name, bool& field, bool fallback) {
  if (auto v = ReadNumber(s, name)) {
    field = *v != 0;
  } else {
    field = fallback;
    s.setValue(name, fallback ? 1 : 0);
  }
}

void WriteAll(QSettings& s) {
  const TDefaultSettings& d = DefaultSettings;
  s.setValue("InputFileDir", d.InputFileDir);
  s.setValue("OutputFileDir", d.OutputFileDir);
  s.setValue("AudioBitrate", d.AudioBitrate);
  s.setValue("AudioSampleRate", d.AudioSampleRate);
  s.setValue("AudioBitsPerSample", d.AudioBitsPerSample);
  s.setValue("AudioChannels", d.AudioChannels);
  s.setValue("AudioVBR", d.AudioVBR ? 1 : 0);
  s.setValue("AudioVbrMinBitrate", d.AudioVbrMinBitrate);
  s.setValue("AudioVbrMaxBitrate", d.AudioVbrMaxBitrate);
  s.setValue("tips", TipsIndex);
  s.setValue("ParallelJobs", d.ParallelJobs);
  s.setValue("SplitFiles", d.SplitFiles ? 1 : 0);
  s.setValue("KeepFolderTree", d.KeepFolderTree ? 1 : 0);
  s.setValue("NamePattern", d.NamePattern);
  s.setValue("ExistingOutput", int(d.ExistingOutput));
  s.setValue("KeepFileTime", d.KeepFileTime ? 1 : 0);
  s.setValue("TrashSources", d.TrashSources ? 1 : 0);
  s.setValue("ReplayGain", int(d.ReplayGain));
  s.setValue("VerifyOutput", d.VerifyOutput ? 1 : 0);
  s.setValue("NotifyWhenDone", d.NotifyWhenDone ? 1 : 0);
  s.setValue("Language", d.Language);
}

bool StoreExists(const QSettings& s) { return QFileInfo::exists(s.fileName()); }

// A language code the preferences window offers, or empty (the system's) for anything else.
QString ReadLanguage(const QSettings& s) {
  const QVariant v = s.value("Language");
  if (v.typeId() == QMetaType::QStringList || v.typeId() == QMetaType::QVariantList) return {};
  const QString code = v.toString();
  for (const lang::TLanguageChoice& c : lang::LanguageChoices)
    if (code == QLatin1String(c.Code)) return code;
  return {};
}

void LoadFrom(QSettings& s, bool exists, const TDefaultSettings& defaults);

}  // namespace

QString DocumentsFolder() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (dir.isEmpty()) dir = QDir::homePath();
  while (dir.size() > 1 && dir.endsWith('/')) dir.chop(1);
  return dir;
}

void LoadDefaultSettings(TSettingsAccess access) {
  const TDefaultSettings defaults;
  if (access == TSettingsAccess::ReadOnly) {
    // Read from a copy, so nothing reaches the store.
    QSettings real = OpenStore();
    QTemporaryDir scratch;
    QSettings copy(scratch.filePath("copy.conf"), QSettings::IniFormat);
    const bool exists = StoreExists(real);
    for (const QString& key : real.allKeys()) copy.setValue(key, real.value(key));
    LoadFrom(copy, exists || !real.allKeys().isEmpty(), defaults);
    return;
  }
  QSettings s = OpenStore();
  LoadFrom(s, StoreExists(s), defaults);
}

namespace {
void LoadFrom(QSettings& s, bool exists, const TDefaultSettings& defaults) {
  try {
    if (exists) {
      DefaultSettings.InputFileDir = ReadString(s, "InputFileDir");
      if (DefaultSettings.InputFileDir.isEmpty()) {
        DefaultSettings.InputFileDir = DocumentsFolder();
        s.setValue("InputFileDir", DefaultSettings.InputFileDir);
      }
      DefaultSettings.OutputFileDir = ReadString(s, "OutputFileDir");
      if (DefaultSettings.OutputFileDir.isEmpty()) s.setValue("OutputFileDir", QString());
      LoadInt(s, "AudioSampleRate", DefaultSettings.AudioSampleRate, defaults.AudioSampleRate);
      LoadInt(s, "AudioBitrate", DefaultSettings.AudioBitrate, defaults.AudioBitrate);
      LoadInt(s, "AudioBitsPerSample", DefaultSettings.AudioBitsPerSample, defaults.AudioBitsPerSample);
      LoadInt(s, "AudioChannels", DefaultSettings.AudioChannels, defaults.AudioChannels);
      LoadBool(s, "AudioVBR", DefaultSettings.AudioVBR, defaults.AudioVBR);
      LoadInt(s, "AudioVbrMinBitrate", DefaultSettings.AudioVbrMinBitrate, defaults.AudioVbrMinBitrate);
      LoadInt(s, "AudioVbrMaxBitrate", DefaultSettings.AudioVbrMaxBitrate, defaults.AudioVbrMaxBitrate);
      LoadInt(s, "tips", TipsIndex, 0);
      LoadInt(s, "ParallelJobs", DefaultSettings.ParallelJobs, defaults.ParallelJobs);
      LoadBool(s, "SplitFiles", DefaultSettings.SplitFiles, defaults.SplitFiles);
      LoadBool(s, "KeepFolderTree", DefaultSettings.KeepFolderTree, defaults.KeepFolderTree);
      // A pattern written by hand with a comma and no quotes reads back as a list.
      const QVariant pattern = s.value("NamePattern");
      DefaultSettings.NamePattern =
          pattern.typeId() == QMetaType::QStringList ? pattern.toStringList().join(", ") : pattern.toString();
      if (!s.contains("NamePattern")) s.setValue("NamePattern", QString());
      std::int32_t existing = 0;
      LoadInt(s, "ExistingOutput", existing, int(defaults.ExistingOutput));
      if (existing > int(TExistingOutput::Overwrite)) {
        existing = int(defaults.ExistingOutput);
        s.setValue("ExistingOutput", existing);
      }
      DefaultSettings.ExistingOutput = TExistingOutput(existing);
      LoadBool(s, "KeepFileTime", DefaultSettings.KeepFileTime, defaults.KeepFileTime);
      LoadBool(s, "TrashSources", DefaultSettings.TrashSources, defaults.TrashSources);
      std::int32_t gain = 0;
      LoadInt(s, "ReplayGain", gain, int(defaults.ReplayGain));
      if (gain < 0 || gain > int(TReplayGainMode::Album)) {
        gain = int(defaults.ReplayGain);
        s.setValue("ReplayGain", gain);
      }
      DefaultSettings.ReplayGain = TReplayGainMode(gain);
      LoadBool(s, "VerifyOutput", DefaultSettings.VerifyOutput, defaults.VerifyOutput);
      LoadBool(s, "NotifyWhenDone", DefaultSettings.NotifyWhenDone, defaults.NotifyWhenDone);
      DefaultSettings.Language = ReadLanguage(s);
      if (!s.contains("Language") || s.value("Language").toString() != DefaultSettings.Language) s.setValue("Language", DefaultSettings.Language);
      DefaultSettings.Debug = ReadNumber(s, "Debug").value_or(0) != 0;
    } else {
      DefaultSettings = defaults;
      DefaultSettings.InputFileDir = DocumentsFolder();
      TipsIndex = 0;
      WriteAll(s);
    }
    s.sync();
    if (s.status() != QSettings::NoError) throw LoadFailed{};
  } catch (const LoadFailed&) {
    DefaultSettings = defaults;
    DefaultSettings.InputFileDir = AppDir;
    TipsIndex = 0;
  }
}
}  // namespace

void SaveDefaultSettings() {
  QSettings s = OpenStore();
  if (!StoreExists(s)) return;
  WriteAll(s);
  s.sync();
}

QString SavedLanguage() { return ReadLanguage(OpenStore()); }
