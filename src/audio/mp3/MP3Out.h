#pragma once
#include <QString>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "AudioFileOut.h"
#include "Lame.h"
#include "Mp3Types.h"
#include "SplitEncoder.h"

class TFrameConverter;

// The sink that encodes its input into an MP3 file. The file is written beside
// its final name and moved there only once it is complete.
class TMP3Out : public TAudioFileOut {
 public:
  explicit TMP3Out(TComponent* owner = nullptr);
  ~TMP3Out() override;

  static constexpr int StepBufferSize = 16384;

  TMP3BitRate BitRate = TMP3BitRate::br128;
  std::string Id3TagTitle, Id3TagArtist, Id3TagAlbum, Id3TagYear, Id3TagTrack, Id3TagComment, Id3TagGenre;
  std::string Id3TagAlbumArtist, Id3TagDisc, Id3TagComposer;
  std::string Id3Cover;  // picture bytes; empty for none
  static constexpr std::size_t MaxCoverBytes = 1024 * 1024;
  TMP3Quality Quality = TMP3Quality::ql5;
  TMP3SampleRate SampleRate = TMP3SampleRate::srDefault;
  TMP3Mode Mode = TMP3Mode::STEREO;
  bool CRC = false;
  bool Copyright = false;
  bool Original = true;
  bool WriteVBRHeader = false;
  bool EnableVBR = false;
  TMP3Quality VBRQuality = TMP3Quality::ql5;
  int VBRMinBitrate = 128;
  int VBRMaxBitrate = 192;

  void ApplySettings(const TMP3Settings& s);
  TMP3Settings Settings() const;
  void ApplyTags(const TMP3Tags& tags);
  // The run in progress, once stopped, leaves nothing: its file is discarded
  // instead of finished.
  void DiscardRun() { DiscardRequest_ = true; }
  // A long file is encoded in parts on the cores free while it runs, and joined.
  bool SplitFiles = true;
  int SplitPartFrames = 384;  // frames in a part
  struct TSplitReport {
    bool Used = false;
    int Seams = 0, Continued = 0, HelperParts = 0;
  };
  // How the last run's file was encoded.
  const TSplitReport& SplitReport() const { return SplitReport_; }
  // Why the last run's cover picture was left out; empty when it was not.
  const std::string& CoverNote() const { return CoverNote_; }

 protected:
  void PrepareOutput() override;
  bool OutputStep(bool abort) override;
  void FinishOutput() override;

 private:
  void Write(const unsigned char* data, int size);
  void SetTags(lame_t context);
  // An encoder with the sink's settings: the file's first, with its tags, or one
  // for a later part of a split file. Null, with `error` set, when it fails.
  lame_t NewEncoder(bool first, std::string& error);
  // Whether the run is encoded in parts; `outRate` is the rate the encoder would make.
  bool CanSplit(int& outRate);
  void StartSplit();
  void FinishSplit();
  void LeaveBudget();
  // Releases the encoder, the buffer and the file of a run that ends without a product.
  void Abandon();
  void CloseInputQuietly();

  alignas(16) unsigned char StepBuffer[StepBufferSize];
  lame_t EncoderContext = nullptr;
  std::vector<unsigned char> Mp3Buffer;
  int Mp3BufferSize = 0;

  bool Prepared_ = false;
  bool Failed_ = false;  // the product is broken: it must not reach its name
  std::atomic<bool> DiscardRequest_{false};
  std::string CoverNote_;
  TAtomicFile File_;
  std::string FinalName_;
  std::unique_ptr<TOutputStream> FileStream_;
  bool InBudget_ = false;
  int InRate_ = 0;
  bool Splitting_ = false;
  int ResampleTo_ = 0;  // the rate a split file is resampled to before it is cut; 0 none
  std::unique_ptr<TFrameConverter> Resampler_;
  std::vector<std::uint8_t> Resampled_;
  std::unique_ptr<TSplitEncoder> Splitter_;
  TSplitEncoder::TLayout SplitLayout_;
  std::vector<std::uint8_t> Id3v2_, Id3v1_;
  TSplitReport SplitReport_;
};
