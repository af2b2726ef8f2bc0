#include "ConvertOptions.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "Globals.h"
#include "Lang.h"
#include "NamePattern.h"
#include "NativePath.h"
#include "Task.h"

namespace {

bool IsTableRate(int kbps) {
  for (int r : BitRateTable)
    if (r == kbps) return true;
  return false;
}

[[noreturn]] void BadUsage(const QString& why) {
  std::fprintf(stderr, "brindlewave-convert: %s\n%s", why.toLocal8Bit().constData(),
               QString(lang::ConvertUsage).toLocal8Bit().constData());
  std::exit(2);
}

int Number(const QString& text, const char* option) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok) BadUsage(QString(lang::NeedsNumberFormat).arg(option, text));
  return v;
}

}  // namespace

TConvertOptions TConvertOptions::Parse(const QStringList& args) {
  TConvertOptions o;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const TValue value = [&]() -> QString {
      if (i + 1 >= args.size()) BadUsage(QString(lang::NeedsValueFormat).arg(a));
      return args[++i];
    };
    if (o.ParseFlag(a) || o.ParseRunChoice(a, value) || o.ParseEncoding(a, value) || o.ParseTag(a, value)) continue;
    if (a == "-")
      o.ReadNamesFromStdin();
    else if (a.startsWith('-'))
      BadUsage(QString(lang::UnknownOptionFormat).arg(a));
    else
      o.files << a;
  }
  o.Check(args);
  return o;
}

bool TConvertOptions::ParseFlag(const QString& a) {
  if (a == "--help" || a == "-h") {
    std::fputs(QString(lang::ConvertUsage).toLocal8Bit().constData(), stdout);
    std::fputs("\n", stdout);
    std::fputs(QString(lang::ConvertHelp).toLocal8Bit().constData(), stdout);
    std::exit(0);
  } else if (a == "--version") {
    std::printf("brindlewave-convert %s\n", BRINDLEWAVE_VERSION);
    std::exit(0);
  } else if (a == "-q" || a == "--quiet") {
    quiet = true;
  } else if (a == "-v" || a == "--verbose") {
    verbose = true;
  } else if (a == "-n" || a == "--dry-run") {
    dryRun = true;
  } else if (a == "--overwrite") {
    existing = TExistingOutput::Overwrite;
  } else if (a == "--keep-time") {
    keepTime = true;
  } else if (a == "--trash-source") {
    trashSource = true;
  } else if (a == "--verify" || a == "--no-verify") {
    verify = a == "--verify";
  } else if (a == "--no-split") {
    noSplit = true;
  } else {
    return false;
  }
  return true;
}

bool TConvertOptions::ParseRunChoice(const QString& a, const TValue& value) {
  if (a == "--existing") {
    const QStringList ways = {"number", "skip", "overwrite"};
    const QString way = value();
    if (!ways.contains(way)) BadUsage(lang::ExistingUsage);
    existing = TExistingOutput(ways.indexOf(way));
  } else if (a == "--replaygain") {
    const QStringList ways = {"none", "track", "album"};
    const QString way = value();
    if (!ways.contains(way)) BadUsage(lang::ReplayGainUsage);
    replayGain = TReplayGainMode(ways.indexOf(way));
  } else if (a == "--name") {
    namePattern = ReadableName(value());
    const TNamePattern pattern(*namePattern);
    if (!pattern.Error().isEmpty()) BadUsage("--name: " + pattern.Error());
  } else if (a == "--shard") {
    shard = TShard::Parse(value());
    if (!shard) BadUsage(lang::ShardUsage);
  } else if (a == "--watch") {
    watch = value();
  } else if (a == "-o") {
    outDir = ReadableName(value());
  } else if (a == "-j") {
    jobs = Number(value(), "-j");
    if (jobs < 1) BadUsage(lang::JobsUsage);
  } else {
    return false;
  }
  return true;
}

bool TConvertOptions::ParseEncoding(const QString& a, const TValue& value) {
  if (a == "-b") {
    bitRate = Number(value(), "-b");
    if (!IsTableRate(*bitRate)) BadUsage(lang::BitRateUsage);
  } else if (a == "--vbr") {
    const QStringList parts = value().split(':');
    if (parts.size() != 2) BadUsage(lang::VbrUsage);
    vbrMin = Number(parts[0], "--vbr");
    vbrMax = Number(parts[1], "--vbr");
    if (!IsTableRate(*vbrMin) || !IsTableRate(*vbrMax)) BadUsage(lang::VbrRatesUsage);
  } else if (a == "-r") {
    sampleRate = Number(value(), "-r");
    if (*sampleRate != 32000 && *sampleRate != 44100 && *sampleRate != 48000) BadUsage(lang::SampleRateUsage);
  } else if (a == "-m") {
    const QString m = value();
    const QStringList modes = {"dual", "stereo", "joint", "mono"};
    if (!modes.contains(m)) BadUsage(lang::ModeUsage);
    mode = int(modes.indexOf(m));
  } else {
    return false;
  }
  return true;
}

bool TConvertOptions::ParseTag(const QString& a, const TValue& value) {
  std::optional<QString>* text = a == "--title"    ? &title
                                 : a == "--artist" ? &artist
                                 : a == "--album"  ? &album
                                 : a == "--year"   ? &year
                                 : a == "--genre"  ? &genre
                                 : a == "--comment" ? &comment
                                                    : nullptr;
  if (!text) return false;
  *text = ReadableName(value());
  return true;
}

// File names from standard input, one a line, as the bytes they are.
void TConvertOptions::ReadNamesFromStdin() {
  QFile in;
  if (in.open(stdin, QIODevice::ReadOnly))
    while (!in.atEnd()) {
      QByteArray line = in.readLine();
      if (line.endsWith('\n')) line.chop(line.endsWith("\r\n") ? 2 : 1);
      if (!line.isEmpty()) files << PathFromNative(line);
    }
}

void TConvertOptions::Check(const QStringList& args) const {
  if (bitRate && vbrMin) BadUsage(lang::BitRateAndVbr);
  if (!watch.isEmpty()) {
    if (!files.isEmpty()) BadUsage(lang::WatchAlone);
    if (!NativeIsDir(watch)) BadUsage(QString(lang::WatchNeedsFolderFormat).arg(watch));
    if (outDir.isEmpty()) BadUsage(lang::WatchNeedsOutput);
    if (dryRun) BadUsage(lang::WatchAndDryRun);
  } else if (files.isEmpty() && !args.contains("-")) {
    BadUsage(lang::NoFileGiven);
  }
}

void TConvertOptions::ApplyTo(TTask& t) const {
  if (bitRate) {
    t.BitRate = *bitRate;
    t.VBR = false;
  }
  if (vbrMin) {
    t.VBR = true;
    t.VbrMinBitrate = *vbrMin;
    t.VbrMaxBitrate = *vbrMax;
  }
  if (sampleRate) t.SampleRate = *sampleRate;
  if (mode) t.ChannelMode = *mode;
  if (title) t.Title = *title;
  if (artist) t.Artist = *artist;
  if (album) t.Album = *album;
  if (year) t.Year = *year;
  if (genre) t.Genre = *genre;
  if (comment) t.Comment = *comment;
}

void TConvertOptions::ApplyTo(TDefaultSettings& s) const {
  if (namePattern) s.NamePattern = *namePattern;
  // A watched folder's files already done are left alone, unless asked otherwise.
  if (existing)
    s.ExistingOutput = *existing;
  else if (!watch.isEmpty())
    s.ExistingOutput = TExistingOutput::Skip;
  s.KeepFileTime = keepTime || s.KeepFileTime;
  if (replayGain) s.ReplayGain = *replayGain;
  if (verify) s.VerifyOutput = *verify;
  s.TrashSources = trashSource || s.TrashSources;
  s.ParallelJobs = jobs;
  s.SplitFiles = !noSplit;
}
