#include "MP3EncoderBuilder.h"

#include <QString>
#include <algorithm>

#include "Lang.h"
#include "LameTag.h"
#include "MP3Frame.h"

namespace {

bool FitsLatin1(const QString& s) {
  return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 256; });
}

// LAME's UTF-16 calls want the byte order mark first and a terminating zero.
std::vector<unsigned short> Utf16WithBom(const QString& s) {
  std::vector<unsigned short> out;
  out.reserve(s.size() + 2);
  out.push_back(0xFEFF);
  for (QChar c : s) out.push_back(c.unicode());
  out.push_back(0);
  return out;
}

}  // namespace

TMP3EncoderBuilder TMP3EncoderBuilder::AtRate(int rate) const {
  TMP3EncoderBuilder b = *this;
  b.S_.InRate = b.S_.OutRate = rate;
  return b;
}

void TMP3EncoderBuilder::SetTags(lame_t context, std::string& coverNote) const {
  Lame.id3tag_init(context);
  Lame.id3tag_add_v2(context);
  struct Field {
    const std::string& text;
    int (*setLatin1)(lame_t, const char*);
    const char* frame;
  };
  // id3tag_set_* return void in some builds; wrap them uniformly.
  auto title = [](lame_t g, const char* t) { Lame.id3tag_set_title(g, t); return 0; };
  auto artist = [](lame_t g, const char* t) { Lame.id3tag_set_artist(g, t); return 0; };
  auto album = [](lame_t g, const char* t) { Lame.id3tag_set_album(g, t); return 0; };
  auto year = [](lame_t g, const char* t) { Lame.id3tag_set_year(g, t); return 0; };
  auto track = [](lame_t g, const char* t) { return Lame.id3tag_set_track(g, t); };
  auto comment = [](lame_t g, const char* t) { Lame.id3tag_set_comment(g, t); return 0; };
  auto genre = [](lame_t g, const char* t) { return Lame.id3tag_set_genre(g, t); };
  const Field fields[] = {{Tags_.Title, title, "TIT2"}, {Tags_.Artist, artist, "TPE1"}, {Tags_.Album, album, "TALB"},
                          {Tags_.Year, year, "TYER"},   {Tags_.Track, track, "TRCK"},   {Tags_.Comment, comment, nullptr},
                          {Tags_.Genre, genre, "TCON"}};
  for (const Field& f : fields) {
    const QString text = QString::fromStdString(f.text);
    if (&f.text == &Tags_.Track && text.isEmpty()) continue;  // no track: no frame
    if (FitsLatin1(text)) {
      const QByteArray latin1 = text.toLatin1();
      f.setLatin1(context, latin1.constData());
    } else if (f.frame) {
      Lame.id3tag_set_textinfo_utf16(context, f.frame, Utf16WithBom(text).data());
    } else {
      const auto empty = Utf16WithBom(QString());
      Lame.id3tag_set_comment_utf16(context, "eng", empty.data(), Utf16WithBom(text).data());
    }
  }
  // Frames the tag carries when the input has them.
  const std::pair<const std::string*, const char*> more[] = {
      {&Tags_.AlbumArtist, "TPE2"}, {&Tags_.Disc, "TPOS"}, {&Tags_.Composer, "TCOM"}};
  for (const auto& [text, frame] : more)
    if (!text->empty()) Lame.id3tag_set_textinfo_utf16(context, frame, Utf16WithBom(QString::fromStdString(*text)).data());
  coverNote.clear();
  if (Tags_.Cover.size() > MaxCoverBytes)
    coverNote = lang::Say(lang::CoverTooLarge);
  else if (!Tags_.Cover.empty() && Lame.id3tag_set_albumart(context, Tags_.Cover.data(), Tags_.Cover.size()) != 0)
    coverNote = lang::Say(lang::CoverFormatRefused);
}

lame_t TMP3EncoderBuilder::Build(TRole role, std::string& error, std::string* coverNote) const {
  return Build(S_, &role, 0, error, coverNote);
}

lame_t TMP3EncoderBuilder::Build(const TSettings& s, const TRole* role, int lowpass, std::string& error,
                                 std::string* coverNote) const {
  lame_t context = Lame.lame_init();
  if (!context) {
    error = lang::Say(lang::EncoderNotStarted);
    return nullptr;
  }
  RouteLameMessages(context);
  Lame.lame_set_in_samplerate(context, s.InRate);
  Lame.lame_set_num_channels(context, 2);
  Lame.lame_set_out_samplerate(context, s.OutRate);
  Lame.lame_set_mode(context, static_cast<MPEG_mode>(s.Mode));
  Lame.lame_set_copyright(context, s.Copyright ? 1 : 0);
  Lame.lame_set_original(context, s.Original ? 1 : 0);
  Lame.lame_set_error_protection(context, s.CRC ? 1 : 0);
  if (!s.VBR) {
    Lame.lame_set_brate(context, KbpsOf(s.BitRate));
    Lame.lame_set_quality(context, static_cast<int>(s.Quality));
  } else {
    // The encoder's own default VBR method: about 2.5 times faster than the old
    // one, and at least as good.
    if (s.FastVBR) Lame.lame_set_VBR(context, vbr_mtrh);
    Lame.lame_set_bWriteVbrTag(context, 1);
    Lame.lame_set_VBR_q(context, static_cast<int>(s.VBRQuality));
    Lame.lame_set_VBR_min_bitrate_kbps(context, std::min(s.VBRMinBitrate, s.VBRMaxBitrate));
    Lame.lame_set_VBR_max_bitrate_kbps(context, std::max(s.VBRMinBitrate, s.VBRMaxBitrate));
  }
  if (lowpass) Lame.lame_set_lowpassfreq(context, lowpass);
  if (role && *role == TRole::First) {
    // Tags go in before the parameters are applied, which fix what the encoder keeps of them.
    std::string note;
    SetTags(context, note);
    if (coverNote) *coverNote = note;
  } else if (role) {
    Lame.lame_set_bWriteVbrTag(context, 0);
  }
  Lame.lame_set_write_id3tag_automatic(context, 0);
  if (Lame.lame_init_params(context) < 0) {
    Lame.lame_close(context);
    error = lang::Say(lang::EncoderSettingsRefusedFormat, std::to_string(s.InRate), std::to_string(s.OutRate));
    return nullptr;
  }
  return context;
}

std::vector<std::uint8_t> TMP3EncoderBuilder::InfoFrame(lame_t first) const {
  if (Lame.lame_get_VBR(first) != vbr_off || Lame.lame_get_bWriteVbrTag(first) <= 0) return {};
  const int kbps = Lame.lame_get_brate(first);
  const auto header = TMP3Frame::MakeHeader(Lame.lame_get_out_samplerate(first), Lame.lame_get_mode(first) == MONO ? 1 : 2,
                                            kbps, Lame.lame_get_error_protection(first) != 0);
  const TMP3Frame::THeader stream = TMP3Frame::ReadHeader(header.data());
  if (!stream.Valid) return {};
  TSettings s = S_;
  s.OutRate = stream.SampleRate;
  // From the smallest index that should hold it, up, until the encoder makes one.
  for (int index = TLameTag::SmallestIndex(header.data()); index > stream.BitRateIndex && index < 15; ++index) {
    const auto* at = std::find(Mp3BitRateKbps.begin(), Mp3BitRateKbps.end(), TMP3Frame::Kbps(stream.Mpeg1, index));
    if (at == Mp3BitRateKbps.end()) continue;
    s.BitRate = static_cast<TMP3BitRate>(at - Mp3BitRateKbps.begin());
    std::string error;
    lame_t model = Build(s, nullptr, Lame.lame_get_lowpassfreq(first), error, nullptr);
    if (!model) continue;
    // The encoder makes its frame once it has encoded one: flushed at once, it has.
    std::vector<unsigned char> flushed(16384);
    std::vector<std::uint8_t> frame(2880);
    frame.resize(Lame.lame_encode_flush(model, flushed.data(), int(flushed.size())) < 0
                     ? 0
                     : Lame.lame_get_lametag_frame(model, frame.data(), frame.size()));
    Lame.lame_close(model);
    if (frame.size() < 4) continue;
    const TMP3Frame::THeader h = TMP3Frame::ReadHeader(frame.data());
    if (!h.Valid || h.BitRateIndex != index || h.Padding || h.SampleRate != stream.SampleRate ||
        h.Channels != stream.Channels || h.Crc != stream.Crc || !TMP3Frame::IsTagFrame(frame.data(), frame.size()))
      continue;
    TLameTag::SetStreamKbps(frame, kbps);
    return frame;
  }
  return {};
}

void TMP3EncoderBuilder::Id3Tags(lame_t first, std::vector<std::uint8_t>& v2, std::vector<std::uint8_t>& v1) {
  // The ID3v1 tag is made exactly when the encoder would write tags at all.
  v1.assign(128, 0);
  v1.resize(Lame.lame_get_id3v1_tag(first, v1.data(), v1.size()));
  v2.clear();
  if (v1.empty()) return;
  v2.resize(Lame.lame_get_id3v2_tag(first, nullptr, 0));
  v2.resize(Lame.lame_get_id3v2_tag(first, v2.data(), v2.size()));
}
