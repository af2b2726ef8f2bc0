#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include "DefaultSettings.h"
#include "TestSupport.h"

namespace {

const char* const AllNames[] = {"InputFileDir", "OutputFileDir", "AudioBitrate", "AudioSampleRate",
                                "AudioBitsPerSample", "AudioChannels", "AudioVBR", "AudioVbrMinBitrate",
                                "AudioVbrMaxBitrate", "tips"};

QSettings Store(const TestFolder& t) { return QSettings(t.SettingsFile(), QSettings::IniFormat); }

void WriteStore(const TestFolder& t, std::initializer_list<std::pair<const char*, QString>> values) {
  QSettings s = Store(t);
  for (auto& [k, v] : values) s.setValue(k, v);
  s.sync();
}

TEST(DefaultSettings, FirstRunCreatesEveryValueAtItsDefault) {
  TestFolder t;
  LoadDefaultSettings();
  EXPECT_EQ(DefaultSettings.InputFileDir, DocumentsFolder());
  EXPECT_TRUE(DefaultSettings.OutputFileDir.isEmpty());
  EXPECT_EQ(DefaultSettings.AudioBitrate, 192);
  EXPECT_EQ(DefaultSettings.AudioSampleRate, 44100);
  EXPECT_EQ(DefaultSettings.AudioChannels, 2);
  EXPECT_FALSE(DefaultSettings.AudioVBR);
  EXPECT_EQ(DefaultSettings.AudioVbrMinBitrate, 128);
  EXPECT_EQ(DefaultSettings.AudioVbrMaxBitrate, 256);
  EXPECT_EQ(TipsIndex, 0);

  QSettings s = Store(t);
  for (const char* name : AllNames) EXPECT_TRUE(s.contains(name)) << name;
  EXPECT_EQ(s.value("AudioBitrate").toString(), "192");
  EXPECT_EQ(s.value("AudioBitsPerSample").toString(), "16");
  EXPECT_EQ(s.value("AudioVBR").toString(), "0");
  EXPECT_EQ(s.value("tips").toString(), "0");
  EXPECT_EQ(s.value("KeepFolderTree").toString(), "1");
  EXPECT_FALSE(DefaultSettings.Debug);
  EXPECT_FALSE(s.contains("Debug"));  // set by hand only
  s.setValue("KeepFolderTree", "0");
  s.setValue("Debug", "1");
  s.sync();
  LoadDefaultSettings();
  EXPECT_FALSE(DefaultSettings.KeepFolderTree);
  EXPECT_TRUE(DefaultSettings.Debug);
  DefaultSettings.Debug = false;
  SaveDefaultSettings();
  EXPECT_EQ(Store(t).value("Debug").toString(), "1");  // what the user set stays
}

TEST(DefaultSettings, MissingValueAloneIsDefaultedAndWrittenBack) {
  TestFolder t;
  WriteStore(t, {{"InputFileDir", "/music/in/"}, {"OutputFileDir", "/music/out/"}, {"AudioBitrate", "320"},
                 {"AudioSampleRate", "48000"}, {"AudioBitsPerSample", "16"}, {"AudioChannels", "3"},
                 {"AudioVBR", "1"}, {"AudioVbrMinBitrate", "64"}, {"tips", "7"}});
  LoadDefaultSettings();
  EXPECT_EQ(DefaultSettings.InputFileDir, "/music/in/");
  EXPECT_EQ(DefaultSettings.OutputFileDir, "/music/out/");
  EXPECT_EQ(DefaultSettings.AudioBitrate, 320);
  EXPECT_EQ(DefaultSettings.AudioSampleRate, 48000);
  EXPECT_EQ(DefaultSettings.AudioChannels, 3);
  EXPECT_TRUE(DefaultSettings.AudioVBR);
  EXPECT_EQ(DefaultSettings.AudioVbrMinBitrate, 64);
  EXPECT_EQ(DefaultSettings.AudioVbrMaxBitrate, 256);
  EXPECT_EQ(TipsIndex, 7);
  QSettings s = Store(t);
  EXPECT_EQ(s.value("AudioVbrMaxBitrate").toString(), "256");
  EXPECT_EQ(s.value("AudioBitrate").toString(), "320");  // not rewritten with a default
}

TEST(DefaultSettings, ValuesThatAreNotNumbersFallBackOneByOne) {
  TestFolder t;
  WriteStore(t, {{"InputFileDir", "/in/"}, {"AudioVBR", "5"}, {"tips", "-3"}, {"AudioBitrate", "abc"},
                 {"AudioSampleRate", "99999999999999"}, {"AudioChannels", "1.5"}, {"AudioVbrMinBitrate", ""}});
  LoadDefaultSettings();
  EXPECT_TRUE(DefaultSettings.AudioVBR);  // any non-zero number reads as true
  EXPECT_EQ(TipsIndex, 0);
  EXPECT_EQ(DefaultSettings.AudioBitrate, 192);
  EXPECT_EQ(DefaultSettings.AudioSampleRate, 44100);
  EXPECT_EQ(DefaultSettings.AudioChannels, 2);
  EXPECT_EQ(DefaultSettings.AudioVbrMinBitrate, 128);
  QSettings s = Store(t);
  EXPECT_EQ(s.value("tips").toString(), "0");
  EXPECT_EQ(s.value("AudioBitrate").toString(), "192");
  EXPECT_EQ(s.value("AudioVBR").toString(), "5");  // a valid value is left as stored
}

TEST(DefaultSettings, EmptyInputFolderBecomesTheDocumentsFolder) {
  TestFolder t;
  WriteStore(t, {{"InputFileDir", ""}, {"OutputFileDir", ""}});
  LoadDefaultSettings();
  EXPECT_EQ(DefaultSettings.InputFileDir, DocumentsFolder());
  EXPECT_EQ(Store(t).value("InputFileDir").toString(), DocumentsFolder());
}

TEST(DefaultSettings, UnwritableStoreFallsBackToDefaultsWithTheProgramFolder) {
  TestFolder t;
  // A file where the store's folder belongs: nothing can be created there.
  t.Touch("blocked");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, t.Path("blocked"));
  DefaultSettings.AudioBitrate = 8;
  TipsIndex = 55;
  LoadDefaultSettings();
  EXPECT_EQ(DefaultSettings.InputFileDir, AppDir);
  EXPECT_EQ(DefaultSettings.AudioBitrate, 192);
  EXPECT_EQ(TipsIndex, 0);
  SaveDefaultSettings();  // must quietly do nothing
}

TEST(DefaultSettings, SaveWritesOnlyAnExistingStore) {
  TestFolder t;
  SaveDefaultSettings();
  EXPECT_FALSE(QFile::exists(t.SettingsFile()));
  LoadDefaultSettings();
  DefaultSettings.AudioBitrate = 96;
  DefaultSettings.AudioVBR = true;
  TipsIndex = 10000;
  SaveDefaultSettings();
  QSettings s = Store(t);
  EXPECT_EQ(s.value("AudioBitrate").toString(), "96");
  EXPECT_EQ(s.value("AudioVBR").toString(), "1");
  EXPECT_EQ(s.value("tips").toString(), "10000");
  DefaultSettings = {};
  LoadDefaultSettings();
  EXPECT_EQ(DefaultSettings.AudioBitrate, 96);
  EXPECT_EQ(TipsIndex, 10000);
}

}  // namespace
