#include "MP3Out.h"

#include <algorithm>

extern "C" {
#include <libavutil/mathematics.h>
}

#include "AudioException.h"
#include "CoreBudget.h"
#include "FrameConverter.h"
#include "Lang.h"
#include "LoudnessMeter.h"
#include "NativePath.h"
#include "MP3Frame.h"
#include "ReplayGainTag.h"

namespace {

std::string EncoderFailed(int error) { return "The MP3 encoder failed (error " + std::to_string(error) + ")."; }

int BytesPerSample(TSampleFormat format) { return format == TSampleFormat::sfFloat32 ? 4 : 2; }

}  // namespace

TMP3Out::TMP3Out(TComponent* owner) : TAudioFileOut(owner) {
  LoadLame();
  if (!LameLoaded) throw EAudioException(QString(lang::NoLame).toStdString());
}

TMP3Out::~TMP3Out() {
  ShutdownWorker();
  // Destroyed in the middle of a run: nothing of it reaches the final name.
  if (Prepared_) EndRun(false);
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

TMP3EncoderBuilder::TSettings TMP3Out::EncoderSettings() const {
  TMP3EncoderBuilder::TSettings s;
  s.InRate = InRate_;
  s.OutRate = HzOf(SampleRate);
  s.Mode = Mode;
  s.CRC = CRC;
  s.Copyright = Copyright;
  s.Original = Original;
  s.VBR = EnableVBR;
  s.BitRate = BitRate;
  s.Quality = Quality;
  s.FastVBR = WriteVBRHeader;
  s.VBRQuality = VBRQuality;
  s.VBRMinBitrate = VBRMinBitrate;
  s.VBRMaxBitrate = VBRMaxBitrate;
  return s;
}

TMP3Tags TMP3Out::Tags() const {
  return {Id3TagTitle, Id3TagArtist, Id3TagAlbum,       Id3TagYear, Id3TagTrack,    Id3TagComment,
          Id3TagGenre, Id3TagAlbumArtist, Id3TagDisc, Id3TagComposer, Id3Cover};
}

void TMP3Out::PrepareOutput() {
  TakeLoudness();  // an earlier file's, not this one's
  Failed_ = false;
  DiscardRequest_ = false;
  Fed_ = EncodedSamples_ = 0;
  if (StreamAssigned) {
    Writer_.Attach(*Stream);
  } else {
    if (FileName.isEmpty()) throw EAudioException("File name is not assigned.");
    // By its bytes: an output beside its input may lie in a folder whose name is not UTF-8.
    Writer_.Create(NativePath(NativeAbsolutePath(FileName)).toStdString());
  }
  try {
    Input()->OpenInput();
  } catch (...) {
    Writer_.Discard();
    throw;
  }
  Prepared_ = true;
  try {
    StartEncoding();
  } catch (...) {
    EndRun(false);
    throw;
  }
}

void TMP3Out::StartEncoding() {
  InRate_ = Input()->GetSampleRate();
  // Kept: the input may be freed while the encoder still takes what it gave.
  InChannels_ = Input()->GetChannels();
  InFormat_ = Input()->GetSampleFormat();
  TCoreBudget::Enter();
  InBudget_ = true;
  CoverNote_.clear();
  SplitReport_ = {};
  if (EnableVBR && VBRMaxBitrate < VBRMinBitrate) std::swap(VBRMinBitrate, VBRMaxBitrate);
  TMP3EncoderBuilder builder(EncoderSettings(), Tags());
  // A file at another rate than the MP3's is resampled before the encoder, never
  // by it: parts meet on the frame grid of the output, and a file split or whole
  // comes out the same length.
  const TEncoderShape shape = Shape(builder);
  const int splitRate = shape.Split ? shape.Rate : 0;
  ResampleIn_ = ResampleOut_ = 0;
  Resampler_.reset();
  if (shape.Rate > 0 && shape.Rate != InRate_) {
    builder = builder.AtRate(shape.Rate);
    Resampler_ = std::make_unique<TFrameConverter>(
        Writer_.Name(), InChannels_,
        InFormat_ == TSampleFormat::sfFloat32 ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16, shape.Rate);
  }
  std::string error;
  Encoder_ = builder.Build(TMP3EncoderBuilder::TRole::First, error, &CoverNote_);
  if (!Encoder_) throw EAudioException(error);
  std::vector<std::uint8_t> id3v2, id3v1;
  TMP3EncoderBuilder::Id3Tags(Encoder_, id3v2, id3v1);
  Meter_.reset();
  Head_.clear();
  if (ReplayGain) {
    // Measured at the rate the encoders get, which a file split is resampled to first.
    const int channels = Input()->GetChannels() == 2 ? 2 : 1;
    Meter_ = std::make_unique<TLoudnessMeter>(channels, shape.Rate > 0 ? shape.Rate : InRate_);
    Head_ = TReplayGainTag::Reserve(id3v2);
    id3v2 = Head_;
  }
  Writer_.Begin(std::move(id3v2), std::move(id3v1));
  // Its size is fixed now: the finished frame goes over this one in place.
  InfoFrame_ = builder.InfoFrame(Encoder_);
  if (splitRate > 0) return StartSplit(builder);
  Written_ = {};
  const std::vector<std::uint8_t> standIn = TLameTag::StandIn(InfoFrame_);
  Writer_.Write(standIn.data(), standIn.size());
  // Room for one step of the most samples per channel, scaled up when the
  // encoder resamples upwards, and for the tag frame's stand-in the first call emits.
  const int outRate = Lame.lame_get_out_samplerate(Encoder_);
  const double scale = InRate_ > 0 ? std::max(1.0, double(outRate) / InRate_) : 1.0;
  Mp3Buffer_.assign(std::max(17440, static_cast<int>(1.25 * 8192 * scale) + 7200) + 2880, 0);
}

TMP3Out::TEncoderShape TMP3Out::Shape(const TMP3EncoderBuilder& builder) const {
  TAudioInput* in = Input();
  if (in->GetChannels() < 1 || in->GetChannels() > 2) return {};
  std::string error;
  lame_t probe = builder.Build(TMP3EncoderBuilder::TRole::Later, error);
  if (!probe) return {};
  const int outRate = Lame.lame_get_out_samplerate(probe);
  const int frameSamples = Lame.lame_get_framesize(probe);
  Lame.lame_close(probe);
  // A file too short for two parts gains nothing from them. The stated length
  // may be absurd: rescaled without overflow.
  const long long samples = in->Size / (in->GetChannels() * BytesPerSample(in->GetSampleFormat()));
  const bool longEnough = in->Size < 0 || av_rescale(samples, outRate, std::max(1, InRate_)) >=
                                              2LL * std::max(16, SplitPartFrames) * frameSamples;
  return {outRate, SplitFiles && longEnough};
}

void TMP3Out::StartSplit(const TMP3EncoderBuilder& builder) {
  TAudioInput* in = Input();
  const int rate = builder.Settings().InRate;
  TSplitEncoder::TLayout layout;
  layout.FrameSamples = Lame.lame_get_framesize(Encoder_);
  layout.Channels = in->GetChannels();
  layout.Format = in->GetSampleFormat();
  layout.PartFrames = std::max(16, SplitPartFrames);
  if (in->Size > 0) layout.ExpectedSamples = in->Size / (layout.Channels * BytesPerSample(layout.Format));
  if (rate != InRate_) layout.ExpectedSamples = av_rescale(layout.ExpectedSamples, rate, std::max(1, InRate_));
  if (EnableVBR) {
    // The largest bit-rate index within the user's ceiling.
    const bool mpeg1 = Lame.lame_get_out_samplerate(Encoder_) >= 32000;
    const int top = std::max(VBRMinBitrate, VBRMaxBitrate);
    for (int i = 1; i < 15; ++i)
      if (TMP3Frame::Kbps(mpeg1, i) <= top) layout.MaxBitRateIndex = i;
  }
  const bool tagFrame = Lame.lame_get_bWriteVbrTag(Encoder_) > 0;
  SplitLayout_ = layout;
  Splitter_ = std::make_unique<TSplitEncoder>(
      layout, Encoder_, tagFrame,
      [builder] {
        std::string error;
        return builder.Build(TMP3EncoderBuilder::TRole::Later, error);
      },
      Writer_, InfoFrame_);
  Encoder_ = nullptr;  // the splitter's now
  SplitReport_.Used = true;
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
  try {
    Encode(StepBuffer, n / (channels * BytesPerSample(format)), channels, format);
  } catch (...) {
    Failed_ = true;
    throw;
  }
  return true;
}

void TMP3Out::Measure(const void* pcm, int samples, TSampleFormat format) {
  if (Meter_) Meter_->Add(pcm, samples, format);
}

void TMP3Out::Encode(const std::uint8_t* pcm, int samples, int channels, TSampleFormat format) {
  // The parts are cut on the input's own grid, and the resampler keeps its first format.
  if ((Splitter_ || Resampler_) && (channels != InChannels_ || format != InFormat_))
    throw EAudioException("The input changed its sample format during the conversion.");
  if (!Resampler_) return Feed(pcm, samples, format, channels);
  Resampled_.clear();
  Resampler_->ConvertPacked(pcm, samples, channels,
                            format == TSampleFormat::sfFloat32 ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16, InRate_,
                            Resampled_);
  ResampleIn_ += samples;
  PushResampled(false);
}

// A resampled file holds in * out / in rate samples, rounded to the nearest: what
// the resampler holds back or lacks at the end is cut or made up with silence.
void TMP3Out::PushResampled(bool last) {
  const long long frameBytes = Resampler_->FrameBytes();
  long long count = static_cast<long long>(Resampled_.size()) / frameBytes;
  if (last) {
    const long long wanted = av_rescale_rnd(ResampleIn_, Resampler_->OutRate(), std::max(1, InRate_), AV_ROUND_NEAR_INF);
    count = std::max(0LL, wanted - ResampleOut_);
    Resampled_.resize(std::size_t(count * frameBytes), 0);
  }
  ResampleOut_ += count;
  Feed(Resampled_.data(), static_cast<int>(count), InFormat_, InChannels_);
}

// Hands samples at the encoder's rate to the one encoder or the parts.
void TMP3Out::Feed(const std::uint8_t* pcm, int samples, TSampleFormat format, int channels) {
  Measure(pcm, samples, format);
  if (Splitter_) return Splitter_->Push(pcm, samples);
  Fed_ += samples;
  const int m = EncodePcm(Encoder_, pcm, samples, channels, format, Mp3Buffer_.data(), int(Mp3Buffer_.size()));
  if (m < 0) throw EAudioException(EncoderFailed(m));
  Write(static_cast<std::size_t>(m));
}

void TMP3Out::Write(std::size_t bytes) {
  if (!InfoFrame_.empty()) Written_.Add(Mp3Buffer_.data(), bytes);
  Writer_.Write(Mp3Buffer_.data(), bytes);
}

std::vector<std::uint8_t> TMP3Out::EndEncoding() {
  std::vector<std::uint8_t> tag(2880, 0);  // room for the largest frame
  if (Resampler_) {
    Resampled_.clear();
    Resampler_->Drain(Resampled_);  // what the resampler holds back
    PushResampled(true);
  }
  if (!Splitter_) {
    const int m = Lame.lame_encode_flush(Encoder_, Mp3Buffer_.data(), int(Mp3Buffer_.size()));
    if (m < 0) throw EAudioException(EncoderFailed(m));
    Write(static_cast<std::size_t>(m));
    EncodedSamples_ = Fed_;  // at the encoder's own rate: it never resamples
    if (InfoFrame_.empty()) {
      tag.resize(Lame.lame_get_lametag_frame(Encoder_, tag.data(), tag.size()));
      return tag;
    }
    Written_.FrameSamples = Lame.lame_get_framesize(Encoder_);
    Written_.Delay = Lame.lame_get_encoder_delay(Encoder_);
    Written_.Samples = Written_.Frames * Written_.FrameSamples - Written_.Delay - Lame.lame_get_encoder_padding(Encoder_);
    TLameTag::Complete(InfoFrame_, Written_);
    return InfoFrame_;
  }
  tag = Splitter_->Finish();
  EncodedSamples_ = Splitter_->Samples();
  SplitReport_.Seams = Splitter_->Seams();
  SplitReport_.Continued = Splitter_->Continued();
  SplitReport_.HelperParts = Splitter_->HelperParts();
  return tag;
}

void TMP3Out::FinishOutput() {
  if (!Prepared_) return;
  // A broken or unwanted run keeps whatever stood under the final name.
  bool product = !Failed_ && !DiscardRequest_;
  std::exception_ptr failure;
  if (product) {
    try {
      std::vector<std::uint8_t> tagFrame = EndEncoding();
      if (Meter_) {
        const double gain = TLoudnessMeter::GainOf(Meter_->Loudness()), peak = Meter_->Peak();
        TLameTag::SetReplayGain(tagFrame, gain, peak);
        if (!TReplayGainTag::Fill(Head_, TReplayGainTag::Frames("TRACK", gain, peak))) Head_.clear();
      }
      Writer_.Finish(tagFrame, Head_);
      std::lock_guard l(MeasuredMx_);
      Measured_ = std::move(Meter_);
    } catch (...) {
      failure = std::current_exception();
      product = false;
      EncodedSamples_ = 0;
    }
  }
  EndRun(product);
  if (failure) std::rethrow_exception(failure);
}

void TMP3Out::EndRun(bool product) {
  Splitter_.reset();  // its helpers stop first
  Resampler_.reset();
  if (Encoder_) Lame.lame_close(Encoder_);
  Encoder_ = nullptr;
  if (InBudget_) TCoreBudget::Leave();
  InBudget_ = false;
  Mp3Buffer_ = {};
  InfoFrame_ = {};
  Written_ = {};
  Meter_.reset();
  Head_ = {};
  Writer_.Discard();  // a finished file is in place already
  Prepared_ = false;
  if (!product) return CloseInputQuietly();
  if (TAudioInput* in = Input()) in->CloseInput();
}

std::unique_ptr<TLoudnessMeter> TMP3Out::TakeLoudness() {
  std::lock_guard l(MeasuredMx_);
  return std::move(Measured_);
}

void TMP3Out::CloseInputQuietly() {
  try {
    if (TAudioInput* in = Input()) in->CloseInput();
  } catch (...) {
  }
}
