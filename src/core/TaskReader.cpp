#include "TaskReader.h"

#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

extern "C" {
#include <libavformat/avformat.h>
}

#include "Lang.h"
#include "MediaLength.h"
#include "NativePath.h"
#include "Paths.h"
#include "Probe.h"
#include "Protection.h"
#include "TaskOps.h"

namespace {

QString SystemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The title a file without one is shown and named by: its name without extension.
QString NameTitle(const QString& path) {
  const QString name = ReadableName(FileNamePart(path));
  const int dot = name.lastIndexOf('.');
  return dot < 0 ? name : name.left(dot);
}

void FillTexts(TTask& t, const TMediaTags& tags) {
  t.Title = !tags.Title.trimmed().isEmpty() ? tags.Title : NameTitle(t.SrcFile);
  t.Artist = !tags.Artist.isNull() ? tags.Artist : !tags.AltArtist.isNull() ? tags.AltArtist : QString("");
  t.Comment = !tags.Comment.isNull() ? tags.Comment : !tags.AltComment.isNull() ? tags.AltComment : QString("");
  t.Year = tags.Year.isNull() ? QString("") : tags.Year;
  t.Genre = tags.Genre.isNull() ? QString("") : tags.Genre;
  t.Album = tags.Album.isNull() ? QString("") : tags.Album;
  t.Track = !tags.TrackText.isEmpty() ? tags.TrackText : tags.Track > 0 ? QString::number(tags.Track) : QString();
  t.AlbumArtist = tags.AlbumArtist;
  t.Disc = tags.Disc;
  t.Composer = tags.Composer;
  CutTaskTexts(t);
}

struct TFormat {
  AVFormatContext* Context = nullptr;
  ~TFormat() { avformat_close_input(&Context); }
};

}  // namespace

TTaskReader::TTaskReader(const TDefaultSettings& settings, bool nameOutput, bool withCover)
    : Settings_(settings), NameOutput_(nameOutput), WithCover_(withCover) {}

TReadResult TTaskReader::Read(const QString& path, const QString& subFolder) const {
  TReadResult r;
  r.Path = path;
  const QByteArray native = NativePath(path);
  struct stat st {};
  if (::stat(native.constData(), &st) != 0) {
    r.Outcome = errno == ENOENT || errno == ENOTDIR ? TReadOutcome::Gone : TReadOutcome::Unreadable;
    r.Reason = SystemText(errno);
    return r;
  }
  if (!S_ISREG(st.st_mode)) return r;
  if (IsCopyProtected(path)) {
    r.Outcome = TReadOutcome::Protected;
    return r;
  }
  TFormat fmt;
  if (const int error = avformat_open_input(&fmt.Context, native.constData(), nullptr, nullptr); error < 0) {
    // Gone between the look and the opening.
    if (error == AVERROR(ENOENT)) {
      r.Outcome = TReadOutcome::Gone;
      r.Reason = SystemText(ENOENT);
    }
    return r;
  }
  // The container's header often says all a task needs (rate, channels, length):
  // then no audio is read to find it out.
  const AVCodec* codec = nullptr;
  int si = av_find_best_stream(fmt.Context, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  const bool described = si >= 0 && codec && fmt.Context->streams[si]->codecpar->sample_rate > 0 &&
                         fmt.Context->streams[si]->codecpar->ch_layout.nb_channels > 0;
  std::int64_t stated = described ? StatedDuration(path, fmt.Context) : -1;
  if (stated <= 0) {
    if (avformat_find_stream_info(fmt.Context, nullptr) < 0) return r;
    si = av_find_best_stream(fmt.Context, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  }
  if (si == AVERROR_STREAM_NOT_FOUND) {
    r.Outcome = TReadOutcome::NoAudio;
    return r;
  }
  if (si < 0 || !codec || fmt.Context->streams[si]->codecpar->sample_rate <= 0) return r;  // audio we cannot decode

  TTask& t = r.Task;
  const AVCodecParameters* audio = fmt.Context->streams[si]->codecpar;
  t.SrcFile = path;
  t.SubFolder = subFolder;
  t.HasAudio = true;
  t.SrcSampleRate = audio->sample_rate;
  t.SrcChannels = audio->ch_layout.nb_channels;
  t.Duration = stated > 0 ? stated : MediaDuration(path, fmt.Context, si);
  ApplyDefaultsToTask(t, Settings_);
  TMediaTags tags;
  ReadMediaTags(path, fmt.Context, tags);
  FillTexts(t, tags);
  if (NameOutput_) t.DstFile = OutputNameFor(t, {}, Settings_);  // names may come from the tags just read
  t.EstimatedSize = ProbeSizeEstimate(t);
  if (WithCover_) r.Cover = ReadCoverPicture(fmt.Context);
  r.Outcome = TReadOutcome::Read;
  return r;
}

QString TTaskReader::Describe(const TReadResult& r) {
  const QString name = ReadableName(r.Path);
  switch (r.Outcome) {
    case TReadOutcome::Read: return {};
    case TReadOutcome::NoAudio: return name + ": " + lang::NoAudioReason;
    case TReadOutcome::Protected: return QString(lang::ProtectedFormat).arg(name);
    case TReadOutcome::Gone:
    case TReadOutcome::Unreadable: break;
  }
  return name + ": " + (r.Reason.isEmpty() ? QString(lang::UnreadableReason) : r.Reason);
}

int TTaskReader::LeaveOutOwnOutputs(std::vector<TReadRequest>& files, const TDefaultSettings& settings) {
  // A name pattern names by tags, not known before the files are read.
  if (!settings.NamePattern.isEmpty()) return 0;
  QSet<QString> written;
  const auto isMp3 = [](const QString& path) { return path.endsWith(".mp3", Qt::CaseInsensitive); };
  for (const TReadRequest& f : files) {
    if (isMp3(f.Path)) continue;
    TTask t;
    t.SrcFile = f.Path;
    t.SubFolder = f.SubFolder;
    written.insert(OutputFolderFor(t, settings) + RelativeOutputName(t, settings) + ".mp3");
  }
  const auto own = [&](const TReadRequest& f) { return isMp3(f.Path) && written.contains(f.Path); };
  const auto end = std::remove_if(files.begin(), files.end(), own);
  const int count = int(files.end() - end);
  files.erase(end, files.end());
  return count;
}
