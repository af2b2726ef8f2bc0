#include "MP3Out.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavutil/mathematics.h>
}

#include "AudioException.h"
#include "CoreBudget.h"
#include "FrameConverter.h"
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

void TMP3Out::SetTags(lame_t context) {
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
  const Field fields[] = {{Id3TagTitle, title, "TIT2"},   {Id3TagArtist, artist, "TPE1"},
                          {Id3TagAlbum, album, "TALB"},   {Id3TagYear, year, "TYER"},
                          {Id3TagTrack, track, "TRCK"},   {Id3TagComment, comment, nullptr},
                          {Id3TagGenre, genre, "TCON"}};
  for (const Field& f : fields) {
    const QString text = QString::fromStdString(f.text);
    if (&f.text == &Id3TagTrack && text.isEmpty()) continue;  // no track: no frame
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
      {&Id3TagAlbumArtist, "TPE2"}, {&Id3TagDisc, "TPOS"}, {&Id3TagComposer, "TCOM"}};
  for (const auto& [text, frame] : more)
    if (!text->empty()) Lame.id3tag_set_textinfo_utf16(context, frame, Utf16WithBom(QString::fromStdString(*text)).data());
  CoverNote_.clear();
  if (Id3Cover.size() > MaxCoverBytes)
    CoverNote_ = "cover picture left out: larger than 1 MiB";
  else if (!Id3Cover.empty() && Lame.id3tag_set_albumart(context, Id3Cover.data(), Id3Cover.size()) != 0)
    CoverNote_ = "cover picture left out: the encoder does not take its format";
}

lame_t TMP3Out::NewEncoder(bool first, std::string& error) {
  lame_t context = Lame.lame_init();
  if (!context) {
    error = "The MP3 encoder could not be started.";
    return nullptr;
  }
  // The input's rate as the run began: encoders for later parts are made while
  // the input may be going away, so it is not asked again. A split file that
  // needs another rate comes to the encoders resampled already.
  const int inRate = ResampleTo_ > 0 ? ResampleTo_ : InRate_;
  Lame.lame_set_in_samplerate(context, inRate);
  Lame.lame_set_num_channels(context, 2);
  Lame.lame_set_out_samplerate(context, ResampleTo_ > 0 ? ResampleTo_ : HzOf(SampleRate));
  Lame.lame_set_mode(context, static_cast<MPEG_mode>(Mode));
  Lame.lame_set_copyright(context, Copyright ? 1 : 0);
  Lame.lame_set_original(context, Original ? 1 : 0);
  Lame.lame_set_error_protection(context, CRC ? 1 : 0);
  if (!EnableVBR) {
    Lame.lame_set_brate(context, KbpsOf(BitRate));
    Lame.lame_set_quality(context, static_cast<int>(Quality));
  } else {
    // The encoder's own default VBR method: about 2.5 times faster than the old
    // one, and at least as good.
    if (WriteVBRHeader) Lame.lame_set_VBR(context, vbr_mtrh);
    Lame.lame_set_bWriteVbrTag(context, 1);
    Lame.lame_set_VBR_q(context, static_cast<int>(VBRQuality));
    if (VBRMaxBitrate < VBRMinBitrate) std::swap(VBRMinBitrate, VBRMaxBitrate);
    Lame.lame_set_VBR_min_bitrate_kbps(context, VBRMinBitrate);
    Lame.lame_set_VBR_max_bitrate_kbps(context, VBRMaxBitrate);
  }
  if (first) {
    // Tags go in before the parameters are applied: that is when the encoder
    // emits the ID3v2 tag, ahead of the first frame, where players look for it.
    SetTags(context);
  } else {
    // A later part of a split file: its frames only.
    Lame.lame_set_bWriteVbrTag(context, 0);
  }
  if (Splitting_) Lame.lame_set_write_id3tag_automatic(context, 0);
  if (Lame.lame_init_params(context) < 0) {
    Lame.lame_close(context);
    error = "The MP3 encoder does not accept these settings (input " + std::to_string(inRate) + " Hz, output " +
            std::to_string(HzOf(SampleRate)) + " Hz).";
    return nullptr;
  }
  return context;
}

bool TMP3Out::CanSplit(int& outRate) {
  if (!SplitFiles || Input()->GetChannels() < 1 || Input()->GetChannels() > 2) return false;
  std::string error;
  const bool was = Splitting_;
  Splitting_ = false;
  lame_t probe = NewEncoder(false, error);
  Splitting_ = was;
  if (!probe) return false;
  outRate = Lame.lame_get_out_samplerate(probe);
  // A file too short for two parts gains nothing from them.
  const long long samples =
      Input()->Size / (Input()->GetChannels() * (Input()->GetSampleFormat() == TSampleFormat::sfFloat32 ? 4 : 2));
  // The stated length may be absurd: rescaled without overflow.
  const bool longEnough = Input()->Size < 0 || av_rescale(samples, outRate, std::max(1, InRate_)) >=
                                                   2LL * std::max(16, SplitPartFrames) * Lame.lame_get_framesize(probe);
  Lame.lame_close(probe);
  return longEnough;
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
  InRate_ = Input()->GetSampleRate();
  TCoreBudget::Enter();
  InBudget_ = true;

  // Parts meet on the frame grid of the output: a file split at another rate than
  // its own is resampled before it is cut, not by each part's encoder.
  ResampleTo_ = 0;
  int splitRate = 0;
  Splitting_ = CanSplit(splitRate);
  if (Splitting_ && splitRate != InRate_) ResampleTo_ = splitRate;
  std::string error;
  EncoderContext = NewEncoder(true, error);
  if (!EncoderContext) {
    Failed_ = true;
    Abandon();
    CloseInputQuietly();
    throw EAudioException(error);
  }
  const int inRate = Input()->GetSampleRate();
  // Room for one step of the most samples per channel, scaled up when the
  // encoder resamples upwards, plus the ID3v2 tag that the first call emits.
  const int outRate = Lame.lame_get_out_samplerate(EncoderContext);  // the rate the encoder chose
  const double scale = inRate > 0 ? std::max(1.0, double(outRate) / inRate) : 1.0;
  Mp3BufferSize = std::max(17440, static_cast<int>(1.25 * 8192 * scale) + 7200 + 16384);
  if (CoverNote_.empty()) Mp3BufferSize += static_cast<int>(Id3Cover.size());  // the picture comes with the first frames
  Mp3Buffer.assign(Mp3BufferSize, 0);
  SplitReport_ = {};
  if (Splitting_) StartSplit();
}

void TMP3Out::StartSplit() {
  // The tags are written here, around what the encoders make; as the encoder does
  // itself, an ID3v2 tag only when there is something to say.
  const bool anyTag = !(Id3TagTitle + Id3TagArtist + Id3TagAlbum + Id3TagYear + Id3TagTrack + Id3TagComment +
                        Id3TagGenre + Id3TagAlbumArtist + Id3TagDisc + Id3TagComposer)
                           .empty() ||
                      (!Id3Cover.empty() && CoverNote_.empty());
  Id3v2_.assign(anyTag ? Lame.lame_get_id3v2_tag(EncoderContext, nullptr, 0) : 0, 0);
  Id3v2_.resize(anyTag ? Lame.lame_get_id3v2_tag(EncoderContext, Id3v2_.data(), Id3v2_.size()) : 0);
  Id3v1_.assign(128, 0);
  Id3v1_.resize(Lame.lame_get_id3v1_tag(EncoderContext, Id3v1_.data(), Id3v1_.size()));
  Write(Id3v2_.data(), static_cast<int>(Id3v2_.size()));
  TSplitEncoder::TLayout layout;
  layout.FrameSamples = Lame.lame_get_framesize(EncoderContext);
  layout.Channels = Input()->GetChannels();
  layout.Format = Input()->GetSampleFormat();
  layout.PartFrames = std::max(16, SplitPartFrames);
  if (Input()->Size > 0)
    layout.ExpectedSamples = Input()->Size / (layout.Channels * (layout.Format == TSampleFormat::sfFloat32 ? 4 : 2));
  if (ResampleTo_ > 0) {
    layout.ExpectedSamples = av_rescale(layout.ExpectedSamples, ResampleTo_, std::max(1, InRate_));
    Resampler_ = std::make_unique<TFrameConverter>(
        FinalName_, layout.Channels, layout.Format == TSampleFormat::sfFloat32 ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16,
        ResampleTo_);
  }
  if (EnableVBR) {
    // The largest bit-rate index within the user's ceiling.
    const bool mpeg1 = Lame.lame_get_out_samplerate(EncoderContext) >= 32000;
    const int top = std::max(VBRMinBitrate, VBRMaxBitrate);
    static constexpr int Mpeg1Kbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static constexpr int Mpeg2Kbps[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    for (int i = 1; i < 15; ++i)
      if ((mpeg1 ? Mpeg1Kbps : Mpeg2Kbps)[i] <= top) layout.MaxBitRateIndex = i;
  }
  const bool tagFrame = Lame.lame_get_bWriteVbrTag(EncoderContext) > 0;
  SplitLayout_ = layout;
  Splitter_ = std::make_unique<TSplitEncoder>(
      layout, EncoderContext, tagFrame,
      [this] {
        std::string error;
        return NewEncoder(false, error);
      },
      *Stream);
  EncoderContext = nullptr;  // the splitter's now
  SplitReport_.Used = true;
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
    std::lock_guard guard(InputLock);
    if (TAudioInput* in = Input()) {
      n = in->ReadData(StepBuffer, StepBufferSize);
      channels = in->GetChannels();
      format = in->GetSampleFormat();
    }
  }
  if (n <= 0) return false;
  if (format == TSampleFormat::sfFloat32) {
    auto* pcm = reinterpret_cast<float*>(StepBuffer);
    // A damaged stream can decode to values far out of range, or to NaN, on
    // which the encoder aborts: clip them as the 16-bit path would.
    for (int i = 0; i < n / 4; ++i)
      if (!(pcm[i] >= -1.0f && pcm[i] <= 1.0f)) pcm[i] = pcm[i] > 1.0f ? 1.0f : pcm[i] < -1.0f ? -1.0f : 0.0f;
  }
  channels = channels == 2 ? 2 : 1;
  const int samples = n / (channels * (format == TSampleFormat::sfFloat32 ? 4 : 2));
  if (Splitter_) {
    try {
      // The parts are cut on the input's own grid: it must keep its format.
      if (channels != SplitLayout_.Channels || format != SplitLayout_.Format)
        throw EAudioException("The input changed its sample format during the conversion.");
      if (Resampler_) {
        Resampled_.clear();
        Resampler_->ConvertPacked(StepBuffer, samples, channels,
                                  format == TSampleFormat::sfFloat32 ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16, InRate_,
                                  Resampled_);
        Splitter_->Push(Resampled_.data(), static_cast<int>(Resampled_.size() / Resampler_->FrameBytes()));
      } else {
        Splitter_->Push(StepBuffer, samples);
      }
    } catch (...) {
      Failed_ = true;
      throw;
    }
    return true;
  }
  const int m = EncodePcm(EncoderContext, StepBuffer, samples, channels, format, Mp3Buffer.data(), Mp3BufferSize);
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

void TMP3Out::LeaveBudget() {
  if (InBudget_) TCoreBudget::Leave();
  InBudget_ = false;
}

void TMP3Out::Abandon() {
  Splitter_.reset();  // its helpers stop first
  Resampler_.reset();
  LeaveBudget();
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
    if (Splitter_) {
      FinishSplit();
    } else {
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
      }
    }
    if (!StreamAssigned) {
      try {
        File_.Commit();  // flushed, synced, put in place, and the folder synced
      } catch (...) {
        Failed_ = true;
        throw;
      }
    }
    LeaveBudget();
    Prepared_ = false;
  } catch (...) {
    Abandon();
    CloseInputQuietly();
    throw;
  }
  if (TAudioInput* in = Input()) in->CloseInput();
}

void TMP3Out::FinishSplit() {
  std::vector<std::uint8_t> tag;
  try {
    if (Resampler_) {
      Resampled_.clear();
      Resampler_->Drain(Resampled_);  // what the resampler holds back
      Splitter_->Push(Resampled_.data(), static_cast<int>(Resampled_.size() / Resampler_->FrameBytes()));
      Resampler_.reset();
    }
    tag = Splitter_->Finish();
    Write(Id3v1_.data(), static_cast<int>(Id3v1_.size()));
  } catch (...) {
    Failed_ = true;
    throw;
  }
  SplitReport_.Seams = Splitter_->Seams();
  SplitReport_.Continued = Splitter_->Continued();
  SplitReport_.HelperParts = Splitter_->HelperParts();
  Splitter_.reset();
  Mp3Buffer.clear();
  if (StreamAssigned) return;
  FileStream_.reset();
  Stream = nullptr;
  if (tag.empty()) return;
  // The tag frame for the whole stream goes where its stand-in was written.
  FILE* f = File_.Stream();
  if (std::fflush(f) != 0 || std::fseek(f, static_cast<long>(Id3v2_.size()), SEEK_SET) != 0 ||
      std::fwrite(tag.data(), 1, tag.size(), f) != tag.size() || std::fflush(f) != 0 ||
      std::fseek(f, 0, SEEK_END) != 0) {
    Failed_ = true;
    throw EAudioException("Cannot write the VBR header into \"" + FinalName_ + "\".");
  }
}
