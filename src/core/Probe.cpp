#include "Probe.h"

#include <QFileInfo>
#include <cstdio>
#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

#include "Genres.h"
#include "NativePath.h"

namespace {

// Opens a file with the demuxers, or gives nullptr.
AVFormatContext* OpenMedia(const QString& path) {
  AVFormatContext* fmt = nullptr;
  const QByteArray name = NativePath(path);
  if (avformat_open_input(&fmt, name.constData(), nullptr, nullptr) < 0) return nullptr;
  if (avformat_find_stream_info(fmt, nullptr) < 0) {
    avformat_close_input(&fmt);
    return nullptr;
  }
  return fmt;
}

QString Meta(AVDictionary* d, const char* key) {
  const AVDictionaryEntry* e = av_dict_get(d, key, nullptr, 0);
  return e ? QString::fromUtf8(e->value) : QString();
}

QString FirstOf(AVDictionary* d, std::initializer_list<const char*> keys) {
  for (const char* k : keys) {
    const QString v = Meta(d, k);
    if (!v.isNull()) return v;
  }
  return {};
}

QString Latin1Field(const char* p, int n) {
  int len = 0;
  while (len < n && p[len]) ++len;
  QString s = QString::fromLatin1(p, len);
  while (s.endsWith(' ')) s.chop(1);
  return s.isEmpty() ? QString() : s;
}

void Fill(QString& field, const QString& other) {
  if (field.isNull() && !other.isNull()) field = other;
}

}  // namespace

bool ReadId3v1(const QString& path, TMediaTags& tags) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(NativePath(path).constData(), "rb"), std::fclose);
  QByteArray tag(128, '\0');
  if (!f || std::fseek(f.get(), -128, SEEK_END) != 0 || std::fread(tag.data(), 1, 128, f.get()) != 128) return false;
  if (!tag.startsWith("TAG")) return false;
  const char* p = tag.constData();
  tags.Title = Latin1Field(p + 3, 30);
  tags.Artist = Latin1Field(p + 33, 30);
  tags.Album = Latin1Field(p + 63, 30);
  tags.Year = Latin1Field(p + 93, 4);
  tags.Comment = Latin1Field(p + 97, p[125] == 0 ? 28 : 30);
  if (p[125] == 0) tags.Track = static_cast<unsigned char>(p[126]);
  const unsigned genre = static_cast<unsigned char>(p[127]);
  if (genre < GenreNames.size()) tags.Genre = GenreNames[genre];
  return true;
}

void ReadMediaTags(const QString& path, TMediaTags& tags) {
  AVFormatContext* fmt = OpenMedia(path);
  ReadMediaTags(path, fmt, tags);
  avformat_close_input(&fmt);
}

void ReadMediaTags(const QString& path, const AVFormatContext* fmt, TMediaTags& tags) {
  tags = TMediaTags{};
  if (fmt) {
    AVDictionary* d = fmt->metadata;
    // Some containers keep their texts on the audio stream instead.
    const int si = av_find_best_stream(const_cast<AVFormatContext*>(fmt), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    AVDictionary* s = si >= 0 ? fmt->streams[si]->metadata : nullptr;
    auto pick = [&](std::initializer_list<const char*> keys) {
      const QString v = FirstOf(d, keys);
      return v.isNull() && s ? FirstOf(s, keys) : v;
    };
    tags.Title = pick({"title"});
    tags.Artist = pick({"artist"});
    tags.AltArtist = pick({"author", "album_artist", "composer"});
    tags.Album = pick({"album"});
    tags.Year = pick({"date", "year", "WM/Year"});
    tags.Comment = pick({"comment"});
    tags.AltComment = pick({"description", "copyright"});
    tags.Genre = pick({"genre"});
    tags.TrackText = pick({"track", "WM/TrackNumber", "tracknumber"});
    tags.Track = tags.TrackText.section('/', 0, 0).toInt();
    tags.AlbumArtist = pick({"album_artist", "WM/AlbumArtist", "albumartist"});
    tags.Disc = pick({"disc", "WM/PartOfSet", "discnumber"});
    tags.Composer = pick({"composer", "WM/Composer"});
  }
  const QString ext = QFileInfo(path).suffix().toUpper();
  if (ext == "RM" || ext == "RMVB") {
    TMediaTags v1;
    if (ReadId3v1(path, v1)) {
      Fill(tags.Title, v1.Title);
      Fill(tags.Artist, v1.Artist);
      Fill(tags.Album, v1.Album);
      Fill(tags.Year, v1.Year);
      Fill(tags.Comment, v1.Comment);
      Fill(tags.Genre, v1.Genre);
      Fill(tags.AltComment, v1.AltComment);
      Fill(tags.AltArtist, v1.AltArtist);
      if (tags.Track == 0) tags.Track = v1.Track;
    }
  }
}

std::string ReadCoverPicture(const QString& path) {
  AVFormatContext* fmt = OpenMedia(path);
  if (!fmt) return {};
  std::string picture = ReadCoverPicture(fmt);
  avformat_close_input(&fmt);
  return picture;
}

std::string ReadCoverPicture(AVFormatContext* fmt) {
  std::string picture;
  for (unsigned i = 0; i < fmt->nb_streams && picture.empty(); ++i) {
    const AVStream* st = fmt->streams[i];
    if ((st->disposition & AV_DISPOSITION_ATTACHED_PIC) && st->attached_pic.size > 0)
      picture.assign(reinterpret_cast<const char*>(st->attached_pic.data), std::size_t(st->attached_pic.size));
  }
  if (picture.empty()) {
    // An image stream of its own: its first frame.
    const int si = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const AVCodecID id = si >= 0 ? fmt->streams[si]->codecpar->codec_id : AV_CODEC_ID_NONE;
    if (id == AV_CODEC_ID_MJPEG || id == AV_CODEC_ID_PNG || id == AV_CODEC_ID_GIF) {
      AVPacket* packet = av_packet_alloc();
      while (packet && av_read_frame(fmt, packet) >= 0) {
        const bool found = packet->stream_index == si;
        if (found) picture.assign(reinterpret_cast<const char*>(packet->data), std::size_t(packet->size));
        av_packet_unref(packet);
        if (found) break;
      }
      av_packet_free(&packet);
    }
  }
  return picture;
}

