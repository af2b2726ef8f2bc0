#include "MP3Out.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "AudioException.h"
#include "Lang.h"

namespace {

std::string SystemError(const std::string& what, int error) { return what + " " + std::strerror(error); }

class TFileStream : public TOutputStream {
 public:
  TFileStream(FILE* f, std::string name) : File_(f), Name_(std::move(name)) {}
  void Write(const void* data, std::size_t size) override {
    if (size != 0 && std::fwrite(data, 1, size, File_) != size)
      throw EAudioException(SystemError("Cannot write \"" + Name_ + "\".", errno ? errno : EIO));
  }

 private:
  FILE* File_;
  std::string Name_;
};

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

TMP3Out::TMP3Out(TComponent* owner) : TAudioFileOut(owner) {
  LoadLame();
  if (!LameLoaded) throw EAudioException(lang::NoLame);
}

TMP3Out::~TMP3Out() {
  ShutdownWorker();
  if (Prepared_) {
    // Destroyed in the middle of a run: nothing of it reaches the final name.
    Failed_ = true;
    Abandon();
    CloseInputQuietly();
  }
  UnloadLame();
}

void TMP3Out::ApplySettings(const TMP3Settings& s) {
  BitRate = s.BitRate;
  VBRMinBitrate = s.VBRMinBitrate;
  VBRMaxBitrate = s.VBRMaxBitrate;
  EnableVBR = s.EnableVBR;
  WriteVBRHeader = s.WriteVBRHeader;
  Mode = s.Mode;
  SampleRate = s.SampleRate;
}

TMP3Settings TMP3Out::Settings() const {
  return {BitRate, VBRMinBitrate, VBRMaxBitrate, EnableVBR, WriteVBRHeader, Mode, SampleRate};
}

void TMP3Out::ApplyTags(const TMP3Tags& t) {
  Id3TagTitle = t.Title;
  Id3TagArtist = t.Artist;
  Id3TagAlbum = t.Album;
  Id3TagYear = t.Year;
  Id3TagTrack = t.Track;
  Id3TagComment = t.Comment;
  Id3TagGenre = t.Genre;
  Id3TagAlbumArtist = t.AlbumArtist;
  Id3TagDisc = t.Disc;
  Id3TagComposer = t.Composer;
  Id3Cover = t.Cover;
}

void TMP3Out::SetTags() {
  Lame.id3tag_init(EncoderContext);
  Lame.id3tag_add_v2(EncoderContext);
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
  const Field fields[] = {{Id3TagTitle, title, "TIT2"},   {Id3TagArtist, artist, "TPE1"},
                          {Id3TagAlbum, album, "TALB"},   {Id3TagYear, year, "TYER"},
                          {Id3TagTrack, track, "TRCK"},   {Id3TagComment, comment, nullptr},
                          {Id3TagGenre, genre, "TCON"}};
  for (const Field& f : fields) {
    const QString text = QString::fromStdString(f.text);
    if (&f.text == &Id3TagTrack && text.isEmpty()) continue;  // no track: no frame
    if (FitsLatin1(text)) {
      const QByteArray latin1 = text.toLatin1();
      f.setLatin1(EncoderContext, latin1.constData());
    } else if (f.frame) {
      Lame.id3tag_set_textinfo_utf16(EncoderContext, f.frame, Utf16WithBom(text).data());
    } else {
      const auto empty = Utf16WithBom(QString());
      Lame.id3tag_set_comment_utf16(EncoderContext, "eng", empty.data(), Utf16WithBom(text).data());
    }
  }
  // Frames the tag carries when the input has them.
  const std::pair<const std::string*, const char*> more[] = {
      {&Id3TagAlbumArtist, "TPE2"}, {&Id3TagDisc, "TPOS"}, {&Id3TagComposer, "TCOM"}};
  for (const auto& [text, frame] : more)
    if (!text->empty()) Lame.id3tag_set_textinfo_utf16(EncoderContext, frame, Utf16WithBom(QString::fromStdString(*text)).data());
  CoverNote_.clear();
  if (Id3Cover.size() > MaxCoverBytes)
    CoverNote_ = "cover picture left out: larger than 1 MiB";
  else if (!Id3Cover.empty() && Lame.id3tag_set_albumart(EncoderContext, Id3Cover.data(), Id3Cover.size()) != 0)
    CoverNote_ = "cover picture left out: the encoder does not take its format";
}

void TMP3Out::PrepareOutput() {
  Failed_ = false;
  DiscardRequest_ = false;
  if (!StreamAssigned) {
    if (FileName.isEmpty()) throw EAudioException("File name is not assigned.");
    FinalName_ = QFile::encodeName(QFileInfo(FileName).absoluteFilePath()).toStdString();
    File_.Create(FinalName_);
    FileStream_ = std::make_unique<TFileStream>(File_.Stream(), FinalName_);
    Stream = FileStream_.get();
  }
  try {
    Input()->OpenInput();
  } catch (...) {
    Failed_ = true;
    Abandon();
    throw;
  }
  Prepared_ = true;

  EncoderContext = Lame.lame_init();
  if (!EncoderContext) {
    Failed_ = true;
    Abandon();
    CloseInputQuietly();
    throw EAudioException("The MP3 encoder could not be started.");
  }
  const int inRate = Input()->GetSampleRate();
  Lame.lame_set_in_samplerate(EncoderContext, inRate);
  Lame.lame_set_num_channels(EncoderContext, 2);
  Lame.lame_set_out_samplerate(EncoderContext, HzOf(SampleRate));
  Lame.lame_set_mode(EncoderContext, static_cast<MPEG_mode>(Mode));
  Lame.lame_set_copyright(EncoderContext, Copyright ? 1 : 0);
  Lame.lame_set_original(EncoderContext, Original ? 1 : 0);
  Lame.lame_set_error_protection(EncoderContext, CRC ? 1 : 0);
  if (!EnableVBR) {
    Lame.lame_set_brate(EncoderContext, KbpsOf(BitRate));
    Lame.lame_set_quality(EncoderContext, static_cast<int>(Quality));
  } else {
    // The encoder's own default VBR method: about 2.5 times faster than the old
    // one, and at least as good.
    if (WriteVBRHeader) Lame.lame_set_VBR(EncoderContext, vbr_mtrh);
    Lame.lame_set_bWriteVbrTag(EncoderContext, 1);
    Lame.lame_set_VBR_q(EncoderContext, static_cast<int>(VBRQuality));
    if (VBRMaxBitrate < VBRMinBitrate) std::swap(VBRMinBitrate, VBRMaxBitrate);
    Lame.lame_set_VBR_min_bitrate_kbps(EncoderContext, VBRMinBitrate);
    Lame.lame_set_VBR_max_bitrate_kbps(EncoderContext, VBRMaxBitrate);
  }
  // Tags go in before the parameters are applied: that is when the encoder
  // emits the ID3v2 tag, ahead of the first frame, where players look for it.
  SetTags();
  if (Lame.lame_init_params(EncoderContext) < 0) {
    Failed_ = true;
    Abandon();
    CloseInputQuietly();
    throw EAudioException("The MP3 encoder does not accept these settings (input " + std::to_string(inRate) +
                          " Hz, output " + std::to_string(HzOf(SampleRate)) + " Hz).");
  }
  // Room for one step of the most samples per channel, scaled up when the
  // encoder resamples upwards, plus the ID3v2 tag that the first call emits.
  const int outRate = Lame.lame_get_out_samplerate(EncoderContext);  // the rate the encoder chose
  const double scale = inRate > 0 ? std::max(1.0, double(outRate) / inRate) : 1.0;
  Mp3BufferSize = std::max(17440, static_cast<int>(1.25 * 8192 * scale) + 7200 + 16384);
  if (CoverNote_.empty()) Mp3BufferSize += static_cast<int>(Id3Cover.size());  // the picture comes with the first frames
  Mp3Buffer.assign(Mp3BufferSize, 0);
}

void TMP3Out::Write(const unsigned char* data, int size) {
  if (size <= 0) return;
  try {
    Stream->Write(data, static_cast<std::size_t>(size));
  } catch (...) {
    Failed_ = true;
    throw;
  }
}

bool TMP3Out::OutputStep(bool abort) {
  if (!CanOutput) return true;
  if (abort) return false;
  int n = 0, channels = 0;
  TSampleFormat format = TSampleFormat::sfInt16;
  {
    // The input is taken once, under the lock that keeps it from being exchanged or freed.
    TSpinGuard guard(InputLock);
    if (TAudioInput* in = Input()) {
      n = in->ReadData(StepBuffer, StepBufferSize);
      channels = in->GetChannels();
      format = in->GetSampleFormat();
    }
  }
  if (n <= 0) return false;
  int m;
  unsigned char* out = Mp3Buffer.data();
  if (format == TSampleFormat::sfFloat32) {
    auto* pcm = reinterpret_cast<float*>(StepBuffer);
    // A damaged stream can decode to values far out of range, or to NaN, on
    // which the encoder aborts: clip them as the 16-bit path would.
    for (int i = 0; i < n / 4; ++i)
      if (!(pcm[i] >= -1.0f && pcm[i] <= 1.0f)) pcm[i] = pcm[i] > 1.0f ? 1.0f : pcm[i] < -1.0f ? -1.0f : 0.0f;
    m = channels == 2 ? Lame.lame_encode_buffer_interleaved_ieee_float(EncoderContext, pcm, n / 8, out, Mp3BufferSize)
                      : Lame.lame_encode_buffer_ieee_float(EncoderContext, pcm, pcm, n / 4, out, Mp3BufferSize);
  } else if (channels == 2) {
    m = Lame.lame_encode_buffer_interleaved(EncoderContext, reinterpret_cast<short*>(StepBuffer), n / 4, out,
                                            Mp3BufferSize);
  } else {
    const auto* pcm = reinterpret_cast<const short*>(StepBuffer);
    m = Lame.lame_encode_buffer(EncoderContext, pcm, pcm, n / 2, out, Mp3BufferSize);
  }
  if (m < 0) {
    Failed_ = true;
    throw EAudioException("The MP3 encoder failed (error " + std::to_string(m) + ").");
  }
  Write(Mp3Buffer.data(), m);
  return true;
}

void TMP3Out::CloseInputQuietly() {
  try {
    if (TAudioInput* in = Input()) in->CloseInput();
  } catch (...) {
  }
}

void TMP3Out::Abandon() {
  if (EncoderContext) {
    Lame.lame_close(EncoderContext);
    EncoderContext = nullptr;
  }
  Mp3Buffer.clear();
  Mp3Buffer.shrink_to_fit();
  File_.Discard();
  FileStream_.reset();
  if (!StreamAssigned) Stream = nullptr;
  Prepared_ = false;
}

void TMP3Out::FinishOutput() {
  if (!Prepared_) return;
  if (Failed_ || DiscardRequest_) {
    // Broken, or not wanted: keep whatever stood under the final name.
    Abandon();
    CloseInputQuietly();
    return;
  }
  try {
    const int m = Lame.lame_encode_flush(EncoderContext, Mp3Buffer.data(), Mp3BufferSize);
    if (m < 0) {
      Failed_ = true;
      throw EAudioException("The MP3 encoder failed (error " + std::to_string(m) + ").");
    }
    Write(Mp3Buffer.data(), m);
    lame_t context = EncoderContext;
    EncoderContext = nullptr;
    Mp3Buffer.clear();
    if (StreamAssigned) {
      Lame.lame_close(context);
    } else {
      FileStream_.reset();
      Stream = nullptr;
      const bool header = Lame.lame_get_bWriteVbrTag(context) > 0;
      if (header && !beWriteInfoTag(context, File_.Stream())) {
        Failed_ = true;
        throw EAudioException("Cannot write the VBR header into \"" + FinalName_ + "\".");
      }
      if (!header) Lame.lame_close(context);
      try {
        File_.Commit();  // flushed, synced, put in place, and the folder synced
      } catch (...) {
        Failed_ = true;
        throw;
      }
    }
    Prepared_ = false;
  } catch (...) {
    Abandon();
    CloseInputQuietly();
    throw;
  }
  if (TAudioInput* in = Input()) in->CloseInput();
}
