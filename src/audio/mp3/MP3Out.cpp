#include "MP3Out.h"

#include "AudioException.h"
#include "Lang.h"
#include "LoudnessMeter.h"
#include "MP3EncoderChoice.h"
#include "NativePath.h"
#include "RateMatcher.h"
#include "TrackGain.h"

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

void TMP3Out::PrepareOutput() {
  TakeLoudness();  // an earlier file's, not this one's
  Failed_ = false;
  DiscardRequest_ = false;
  EncodedSamples_ = 0;
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
  TAudioInput* in = Input();
  // Taken now: the input may be freed while the encoder still takes what it gave.
  const TMP3EncoderChoice::TInput input{in->GetSampleRate(), in->GetChannels(), in->GetSampleFormat(), in->Size};
  CoverNote_.clear();
  SplitReport_ = {};
  TMP3EncoderChoice choice(Settings_, Tags_, input);
  if (choice.Rate() > 0 && choice.Rate() != input.Rate)
    Resampler_ = std::make_unique<TRateMatcher>(Writer_.Name(), input.Channels, input.Format, input.Rate, choice.Rate());
  TMP3EncoderChoice::THead head = choice.Start();
  CoverNote_ = head.CoverNote;
  if (Settings_.ReplayGain) {
    // Measured at the rate the encoders get.
    Gain_ = std::make_unique<TTrackGain>(input.Channels == 2 ? 2 : 1, choice.Rate() > 0 ? choice.Rate() : input.Rate,
                                         head.Id3v2);
    head.Id3v2 = Gain_->Head();
  }
  Writer_.Begin(std::move(head.Id3v2), std::move(head.Id3v1));
  Encoder_ = choice.Make(Writer_);
  if (TTrackGain* gain = Gain_.get())
    Encoder_->SetTap([gain](const void* pcm, int samples, TSampleFormat format) { gain->Add(pcm, samples, format); });
  SplitReport_.Used = choice.Split();
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
  channels = channels == 2 ? 2 : 1;
  try {
    Encode(StepBuffer, n / (channels * (format == TSampleFormat::sfFloat32 ? 4 : 2)), channels, format);
  } catch (...) {
    Failed_ = true;
    throw;
  }
  return true;
}

void TMP3Out::Encode(std::uint8_t* pcm, int samples, int channels, TSampleFormat format) {
  TMP3StreamEncoder::Clip(pcm, samples, channels, format);
  if (Resampler_) return Resampler_->Push(pcm, samples, channels, format, *Encoder_);
  Encoder_->Push(pcm, samples, channels, format);
}

void TMP3Out::Commit() {
  if (Resampler_) Resampler_->Finish(*Encoder_);
  std::vector<std::uint8_t> tagFrame = Encoder_->Finish();
  EncodedSamples_ = Encoder_->Samples();
  SplitReport_ = Encoder_->Report();
  std::vector<std::uint8_t> head;
  if (Gain_) {
    Gain_->Write(tagFrame);
    head = Gain_->Head();
  }
  Writer_.Finish(tagFrame, head);
  std::lock_guard l(MeasuredMx_);
  if (Gain_) Measured_ = Gain_->TakeMeter();
}

void TMP3Out::FinishOutput() {
  if (!Prepared_) return;
  // A broken or unwanted run keeps whatever stood under the final name.
  bool product = !Failed_ && !DiscardRequest_;
  std::exception_ptr failure;
  if (product) {
    try {
      Commit();
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
  Encoder_.reset();  // a split file's helpers stop first; its core goes back
  Resampler_.reset();
  Gain_.reset();
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
