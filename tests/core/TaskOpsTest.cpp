#include <gtest/gtest.h>
#include <limits>

#include "TaskOps.h"
#include "TestSupport.h"

namespace {

TTask Named(const QString& title) {
  TTask t;
  t.Title = title;
  return t;
}

TEST(TaskOps, AppendTicksTheNewTaskAndRemovalKeepsOrder) {
  TestFolder t;
  CurrentTask = Named("a");
  CurrentTask.Checked = false;
  StoreCurrentTask(true, 99);
  ASSERT_EQ(Tasks.size(), 1u);
  EXPECT_TRUE(Tasks[0]->Checked);
  CurrentTask = Named("b");
  StoreCurrentTask(true, 0);
  CurrentTask = Named("c");
  StoreCurrentTask(true, 0);
  RemoveTask(0);
  ASSERT_EQ(Tasks.size(), 2u);
  EXPECT_EQ(Tasks[0]->Title, "b");
  EXPECT_EQ(Tasks[1]->Title, "c");
  RemoveTask(5);  // out of range: nothing happens
  EXPECT_EQ(Tasks.size(), 2u);
  RemoveTask(1);
  RemoveTask(0);
  EXPECT_TRUE(Tasks.empty());
}

TEST(TaskOps, EditingOverwritesInPlaceKeepingTheCopiedTick) {
  TestFolder t;
  CurrentTask = Named("a");
  StoreCurrentTask(true, 0);
  Tasks[0]->Checked = false;
  LoadTaskForEdit(0);
  CurrentTask.Title = "renamed";
  StoreCurrentTask(false, 0);
  ASSERT_EQ(Tasks.size(), 1u);
  EXPECT_EQ(Tasks[0]->Title, "renamed");
  EXPECT_FALSE(Tasks[0]->Checked);
}

TEST(TaskOps, StoringCutsTagsButNeverPaths) {
  TestFolder t;
  const QString longPath = "/" + QString(300, 'p') + "/in.wma";
  CurrentTask.SrcFile = longPath;
  CurrentTask.DstFile = longPath + ".mp3";
  CurrentTask.Title = QString(300, 't');
  // 254 letters and then a character outside the basic plane: it must not be split.
  CurrentTask.Artist = QString(254, 'a') + QString::fromUtf8("\xF0\x9F\x8E\xB5\xF0\x9F\x8E\xB5");
  StoreCurrentTask(true, 0);
  EXPECT_EQ(Tasks[0]->SrcFile, longPath);
  EXPECT_EQ(Tasks[0]->DstFile, longPath + ".mp3");
  EXPECT_EQ(Tasks[0]->Title.size(), 255);
  EXPECT_EQ(Tasks[0]->Artist.toUcs4().size(), 255);
  EXPECT_TRUE(Tasks[0]->Artist.isValidUtf16());
}

TEST(TaskOps, SizeEstimates) {
  TTask t;
  t.Duration = 2009000000;  // 3 min 20.9 s
  t.BitRate = 128;
  EXPECT_EQ(WizardSizeEstimate(t), 3200);
  t.VBR = true;
  t.VbrMinBitrate = 128;
  t.VbrMaxBitrate = 256;
  EXPECT_EQ(WizardSizeEstimate(t), 4800);
  t.BitRate = 192;
  EXPECT_EQ(ProbeSizeEstimate(t), 4966);  // uses the single rate even with VBR on
  t.Duration = 0;
  EXPECT_EQ(ProbeSizeEstimate(t), 0);
  t.Duration = std::int64_t{10} * 3600 * 10000000;  // ten hours does not overflow
  t.VBR = false;
  t.BitRate = 320;
  EXPECT_EQ(WizardSizeEstimate(t), 36000 * 320 / 8);
  t.Duration = std::int64_t{1} << 62;  // a damaged header's length saturates the estimates
  EXPECT_EQ(ProbeSizeEstimate(t), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(WizardSizeEstimate(t), std::numeric_limits<std::int32_t>::max());
}

TEST(TaskOps, DefaultsRoundTripThroughATask) {
  TestFolder t;
  TTask task;
  task.SrcFile = "/in/dir/song.wma";
  task.DstFile = "/out/x/song.mp3";
  task.BitRate = 320;
  task.SampleRate = 48000;
  task.BitsPerSample = 16;
  task.ChannelMode = 3;
  task.VBR = true;
  task.VbrMinBitrate = 32;
  task.VbrMaxBitrate = 224;
  AdoptTaskAsDefaults(task);
  EXPECT_EQ(DefaultSettings.InputFileDir, "/in/dir/");
  EXPECT_EQ(DefaultSettings.OutputFileDir, "/out/x/");
  TTask fresh;
  ApplyDefaultsToTask(fresh);
  EXPECT_EQ(fresh.BitRate, 320);
  EXPECT_EQ(fresh.SampleRate, 48000);
  EXPECT_EQ(fresh.ChannelMode, 3);
  EXPECT_TRUE(fresh.VBR);
  EXPECT_EQ(fresh.VbrMinBitrate, 32);
  EXPECT_EQ(fresh.VbrMaxBitrate, 224);
}

TEST(TaskOps, EncoderMapping) {
  TestFolder t;
  TTask task;
  task.BitRate = 192;
  task.ChannelMode = 0;
  task.SampleRate = 32000;
  task.VBR = true;
  task.VbrMinBitrate = 256;
  task.VbrMaxBitrate = 128;
  task.Title = QString::fromUtf8("Ωμέγα");
  TMP3Settings s;
  TMP3Tags tags;
  task.Track = "3/12";  // the input's own track number travels to the MP3
  ApplyTaskToEncoder(task, s, tags);
  EXPECT_EQ(s.BitRate, TMP3BitRate::br192);
  EXPECT_EQ(s.Mode, TMP3Mode::DUAL_CHANNEL);
  EXPECT_EQ(s.SampleRate, TMP3SampleRate::sr32kHz);
  EXPECT_TRUE(s.EnableVBR);
  EXPECT_TRUE(s.WriteVBRHeader);
  EXPECT_EQ(s.VBRMinBitrate, 256);
  EXPECT_EQ(s.VBRMaxBitrate, 128);
  EXPECT_EQ(tags.Title, "Ωμέγα");
  EXPECT_EQ(tags.Track, "3/12");

  // A rate outside the table keeps the previous one; odd rates and modes map to the fallbacks.
  task.BitRate = 100;
  task.SampleRate = 22050;
  task.ChannelMode = 7;
  task.VBR = false;
  ApplyTaskToEncoder(task, s, tags);
  EXPECT_EQ(s.BitRate, TMP3BitRate::br192);
  EXPECT_EQ(s.SampleRate, TMP3SampleRate::sr41kHz);
  EXPECT_EQ(s.Mode, TMP3Mode::MONO);
  EXPECT_FALSE(s.EnableVBR);
  EXPECT_FALSE(s.WriteVBRHeader);
  for (int i = 0; i < 18; ++i) EXPECT_EQ(BitRateTable[i], Mp3BitRateKbps[i]);
}

}  // namespace
