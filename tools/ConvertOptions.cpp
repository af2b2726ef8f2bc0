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

const char* const Usage =
    "usage: brindlewave-convert [-j JOBS] [-o DIR] [-b KBPS | --vbr MIN:MAX] [-r 32000|44100|48000]\n"
    "                           [-m dual|stereo|joint|mono] [--title T] [--artist A] [--album A]\n"
    "                           [--year Y] [--genre G] [--comment C] [-q] [-n] [--no-split]\n"
    "                           [--name PATTERN] [--existing skip|number|overwrite] [--keep-time]\n"
    "                           [--replaygain none|track|album] [--verify | --no-verify]\n"
    "                           [--trash-source] [--shard K/N] [-v]\n"
    "                           FILE|DIR... | --watch DIR\n";

const char* const Help =
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
    "Exit status: 0 all converted, 1 some failed or ended early, 2 bad usage, 130 interrupted.\n";

bool IsTableRate(int kbps) {
  for (int r : BitRateTable)
    if (r == kbps) return true;
  return false;
}

[[noreturn]] void BadUsage(const QString& why) {
  std::fprintf(stderr, "brindlewave-convert: %s\n%s", why.toLocal8Bit().constData(), Usage);
  std::exit(2);
}

int Number(const QString& text, const char* option) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok) BadUsage(QString("%1 needs a number, not '%2'").arg(option, text));
  return v;
}

}  // namespace

TConvertOptions TConvertOptions::Parse(const QStringList& args) {
  TConvertOptions o;
  for (int i = 1; i < args.size(); ++i) {
    const QString& a = args[i];
    const TValue value = [&]() -> QString {
      if (i + 1 >= args.size()) BadUsage(a + " needs a value");
      return args[++i];
    };
    if (o.ParseFlag(a) || o.ParseRunChoice(a, value) || o.ParseEncoding(a, value) || o.ParseTag(a, value)) continue;
    if (a == "-")
      o.ReadNamesFromStdin();
    else if (a.startsWith('-'))
      BadUsage("unknown option " + a);
    else
      o.files << a;
  }
  o.Check(args);
  return o;
}

bool TConvertOptions::ParseFlag(const QString& a) {
  if (a == "--help" || a == "-h") {
    std::fputs(Usage, stdout);
    std::fputs("\n", stdout);
    std::fputs(Help, stdout);
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
    if (!ways.contains(way)) BadUsage("--existing takes skip, number or overwrite");
    existing = TExistingOutput(ways.indexOf(way));
  } else if (a == "--replaygain") {
    const QStringList ways = {"none", "track", "album"};
    const QString way = value();
    if (!ways.contains(way)) BadUsage("--replaygain takes none, track or album");
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
    if (jobs < 1) BadUsage("-j takes a number of 1 or more");
  } else {
    return false;
  }
  return true;
}

bool TConvertOptions::ParseEncoding(const QString& a, const TValue& value) {
  if (a == "-b") {
    bitRate = Number(value(), "-b");
    if (!IsTableRate(*bitRate)) BadUsage("-b takes one of 8, 16, ... 320 kbps");
  } else if (a == "--vbr") {
    const QStringList parts = value().split(':');
    if (parts.size() != 2) BadUsage("--vbr takes MIN:MAX");
    vbrMin = Number(parts[0], "--vbr");
    vbrMax = Number(parts[1], "--vbr");
    if (!IsTableRate(*vbrMin) || !IsTableRate(*vbrMax)) BadUsage("--vbr takes rates of 8, 16, ... 320 kbps");
  } else if (a == "-r") {
    sampleRate = Number(value(), "-r");
    if (*sampleRate != 32000 && *sampleRate != 44100 && *sampleRate != 48000) BadUsage("-r takes 32000, 44100 or 48000");
  } else if (a == "-m") {
    const QString m = value();
    const QStringList modes = {"dual", "stereo", "joint", "mono"};
    if (!modes.contains(m)) BadUsage("-m takes dual, stereo, joint or mono");
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
  if (bitRate && vbrMin) BadUsage("-b and --vbr exclude each other");
  if (!watch.isEmpty()) {
    if (!files.isEmpty()) BadUsage("--watch takes its folder alone");
    if (!NativeIsDir(watch)) BadUsage("--watch needs a folder, not '" + watch + "'");
    if (outDir.isEmpty()) BadUsage("--watch needs -o DIR");
    if (dryRun) BadUsage("--watch and --dry-run exclude each other");
  } else if (files.isEmpty() && !args.contains("-")) {
    BadUsage("no FILE given");
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
