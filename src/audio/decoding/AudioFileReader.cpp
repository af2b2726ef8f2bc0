#include "AudioFileReader.h"

#include "FrameConverter.h"
#include "Lang.h"
#include "MediaLength.h"
#include "NativePath.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {

constexpr std::int64_t TicksPerSecond = 10000000;

std::string ErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  if (av_strerror(code, text, sizeof text) < 0) return "Unrecognized error value.";
  return text;
}

[[noreturn]] void Fail(const QString& file, const std::string& what, int code) {
  throw EAudioReadError("\"" + ReadableName(file).toStdString() + "\": " + what, code);
}

void Check(int result, const QString& file, const lang::TTranslatedText& what) {
  if (result < 0) Fail(file, lang::Say(what, ErrorText(result)), result);
}

}  // namespace

TAudioFileReader::TAudioFileReader(const QString& fileName) : FileName(fileName) {
  try {
    if (!NativeIsFile(fileName)) Fail(fileName, lang::Say(lang::ReadNotAFile), AVERROR(ENOENT));
    const QByteArray name = NativePath(fileName);
    Check(avformat_open_input(&Format_, name.constData(), nullptr, nullptr), fileName, lang::ReadCannotOpenFormat);
    Check(avformat_find_stream_info(Format_, nullptr), fileName, lang::ReadNoStreamInfoFormat);
    const AVCodec* codec = nullptr;
    Stream_ = av_find_best_stream(Format_, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (Stream_ == AVERROR_DECODER_NOT_FOUND) Fail(fileName, lang::Say(lang::ReadNoDecoder), Stream_);
    Check(Stream_, fileName, lang::ReadNoAudioStreamFormat);
    AVStream* st = Format_->streams[Stream_];
    Decoder_ = avcodec_alloc_context3(codec);
    if (!Decoder_) Fail(fileName, lang::Say(lang::ReadOutOfMemory), AVERROR(ENOMEM));
    Check(avcodec_parameters_to_context(Decoder_, st->codecpar), fileName, lang::ReadBadParametersFormat);
    Decoder_->pkt_timebase = st->time_base;
    Check(avcodec_open2(Decoder_, codec, nullptr), fileName, lang::ReadCannotOpenDecoderFormat);
    if (Decoder_->sample_rate <= 0 || Decoder_->ch_layout.nb_channels <= 0)
      Fail(fileName, lang::Say(lang::ReadNoUsableFormat), AVERROR_INVALIDDATA);

    const AVSampleFormat inFormat = Decoder_->sample_fmt;
    const bool eightBit = inFormat == AV_SAMPLE_FMT_U8 || inFormat == AV_SAMPLE_FMT_U8P;
    // Samples finer than 16 bits (floating point, 24 and 32-bit) stay floating
    // point to the encoder rather than being quantised to 16 bits on the way.
    const AVSampleFormat packed = av_get_packed_sample_fmt(inFormat);
    const bool wide = packed == AV_SAMPLE_FMT_FLT || packed == AV_SAMPLE_FMT_DBL || packed == AV_SAMPLE_FMT_S32 ||
                      packed == AV_SAMPLE_FMT_S64;
    const AVSampleFormat outFormat = eightBit ? AV_SAMPLE_FMT_U8 : wide ? AV_SAMPLE_FMT_FLT : AV_SAMPLE_FMT_S16;
    OutChannels_ = Decoder_->ch_layout.nb_channels == 1 ? 1 : 2;
    OutBytesPerSample_ = av_get_bytes_per_sample(outFormat);

    Converter_ = std::make_unique<TFrameConverter>(ReadableName(fileName).toStdString(), OutChannels_, outFormat,
                                                   Decoder_->sample_rate);

    Packet_ = av_packet_alloc();
    Frame_ = av_frame_alloc();
    if (!Packet_ || !Frame_) Fail(fileName, lang::Say(lang::ReadOutOfMemory), AVERROR(ENOMEM));

    Duration = MediaDuration(fileName, Format_, Stream_);
    if (Duration <= 0 && st->duration != AV_NOPTS_VALUE && st->duration > 0)
      Duration = av_rescale_q(st->duration, st->time_base, AVRational{1, int(TicksPerSecond)});
    StatedDuration = ::StatedDuration(fileName, Format_);
    if (Format_->start_time != AV_NOPTS_VALUE) StartTime_ = av_rescale(Format_->start_time, TicksPerSecond, AV_TIME_BASE);

    Pcm.Float = wide;
    Pcm.SampleRate = static_cast<std::uint32_t>(Decoder_->sample_rate);
    Pcm.FrameBytes = static_cast<std::uint16_t>(OutChannels_ * OutBytesPerSample_);
    Pcm.BytesPerSecond = Pcm.SampleRate * Pcm.FrameBytes;
    Pcm.Channels = static_cast<std::uint16_t>(OutChannels_);
    Pcm.BitsPerSample = static_cast<std::uint16_t>(OutBytesPerSample_ * 8);
    MonoToStereo = Pcm.Channels == 1;
    if (MonoToStereo) Pcm.Channels = 2;
    WidenTo16Bit = Pcm.BitsPerSample == 8;
    if (WidenTo16Bit) Pcm.BitsPerSample = 16;
  } catch (...) {
    Release();
    throw;
  }
}

TAudioFileReader::~TAudioFileReader() { Release(); }

void TAudioFileReader::Release() {
  av_frame_free(&Frame_);
  av_packet_free(&Packet_);
  Converter_.reset();
  avcodec_free_context(&Decoder_);
  avformat_close_input(&Format_);
}

void TAudioFileReader::Skipped(int error, const lang::TTranslatedText& what) {
  ++SkippedPackets_;
  // A damaged stretch is passed over; one that never ends (a dying disk) fails
  // the file rather than ending it early.
  if (++ErrorsInARow_ > 50) Fail(FileName, lang::Say(what, ErrorText(error)), error);
}

// Converts the received frame into Pending_, less the lead-in a seek landed before.
void TAudioFileReader::TakeFrame() {
  std::int64_t skipTime = 0;
  if (SkipUntil_ >= 0) {
    if (Frame_->best_effort_timestamp != AV_NOPTS_VALUE) {
      const AVRational tb = Format_->streams[Stream_]->time_base;
      const std::int64_t start =
          av_rescale_q(Frame_->best_effort_timestamp, tb, AVRational{1, int(TicksPerSecond)}) - StartTime_;
      skipTime = std::max<std::int64_t>(0, SkipUntil_ - start);
    }
    SkipUntil_ = -1;
  }
  Pending_.clear();
  try {
    Converter_->Convert(Frame_, Pending_);
  } catch (...) {
    av_frame_unref(Frame_);
    throw;
  }
  av_frame_unref(Frame_);
  const std::size_t frameBytes = std::size_t(Converter_->FrameBytes());
  const std::size_t skip = std::size_t(av_rescale(skipTime, Converter_->OutRate(), TicksPerSecond)) * frameBytes;
  PendingPos_ = std::min(skip, Pending_.size());
}

bool TAudioFileReader::DecodeFrame() {
  for (;;) {
    const int got = avcodec_receive_frame(Decoder_, Frame_);
    if (got == 0) {
      ErrorsInARow_ = 0;
      TakeFrame();
      if (PendingPos_ < Pending_.size()) return true;
      continue;
    }
    if (got == AVERROR_EOF) {
      if (ConverterDrained_) return false;
      ConverterDrained_ = true;
      Pending_.clear();
      PendingPos_ = 0;
      Converter_->Drain(Pending_);
      return !Pending_.empty();
    }
    if (got != AVERROR(EAGAIN)) Skipped(got, lang::ReadUndecodableFormat);
    if (Drained_) return false;
    const int read = av_read_frame(Format_, Packet_);
    if (read == AVERROR_EOF || (read < 0 && Format_->pb && avio_feof(Format_->pb))) {
      // End of the file, or of a truncated one: let the decoder give what it holds.
      Drained_ = true;
      avcodec_send_packet(Decoder_, nullptr);
      continue;
    }
    if (read < 0) {
      Skipped(read, lang::ReadUnreadableFormat);
      continue;
    }
    if (Packet_->stream_index == Stream_) {
      const int sent = avcodec_send_packet(Decoder_, Packet_);
      if (sent < 0 && sent != AVERROR(EAGAIN)) Skipped(sent, lang::ReadUndecodableFormat);
    }
    av_packet_unref(Packet_);
  }
}

int TAudioFileReader::Read(void* buffer, int size) {
  const int frameBytes = OutChannels_ * OutBytesPerSample_;
  if (size <= 0 || size < frameBytes) throw EAudioReadError("Invalid buffer size.", EAudioReadError::InvalidBufferSize);
  const std::size_t want = std::size_t(size / frameBytes) * frameBytes;
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::size_t got = 0;
  while (got < want) {
    if (PendingPos_ >= Pending_.size() && !DecodeFrame()) break;
    const std::size_t n = std::min(want - got, Pending_.size() - PendingPos_);
    std::memcpy(out + got, Pending_.data() + PendingPos_, n);
    PendingPos_ += n;
    got += n;
  }
  if (got > 0) {
    Delivered_ += std::int64_t(got / frameBytes);
    Position_ = BaseTime_ + av_rescale(Delivered_, TicksPerSecond, Pcm.SampleRate);
  }
  return static_cast<int>(got);
}

void TAudioFileReader::RestartAt(std::int64_t time) {
  avcodec_flush_buffers(Decoder_);
  Converter_->Reset();
  Pending_.clear();
  PendingPos_ = 0;
  Drained_ = false;
  ConverterDrained_ = false;
  ErrorsInARow_ = 0;
  BaseTime_ = time;
  Delivered_ = 0;
  SkipUntil_ = time > 0 ? time : -1;
  Position_ = time;
}

void TAudioFileReader::Seek(std::int64_t time) {
  if (time == Position()) return;
  time = std::clamp<std::int64_t>(time, 0, std::max<std::int64_t>(Duration, 0));
  // Positions count from the start of the audio; the container's clock may not.
  const std::int64_t origin = av_rescale(StartTime_, AV_TIME_BASE, TicksPerSecond);
  const std::int64_t target = av_rescale(time, AV_TIME_BASE, TicksPerSecond) + origin;
  if (avformat_seek_file(Format_, -1, INT64_MIN, target, target, 0) >= 0) {
    RestartAt(time);
    return;
  }
  avformat_seek_file(Format_, -1, INT64_MIN, origin, origin, 0);
  RestartAt(0);
}

bool DecodersPresent() {
  return av_find_input_format("asf") && avcodec_find_decoder(AV_CODEC_ID_WMAV1) &&
         avcodec_find_decoder(AV_CODEC_ID_WMAV2);
}
