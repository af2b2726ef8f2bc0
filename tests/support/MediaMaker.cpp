#include "MediaMaker.h"

#include <QFile>
#include <QUuid>
#include <QtEndian>
#include <cmath>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
}

namespace {

struct Muxer {
  AVFormatContext* fmt = nullptr;
  AVCodecContext* enc = nullptr;
  AVStream* st = nullptr;
  AVPacket* pkt = av_packet_alloc();
  ~Muxer() {
    av_packet_free(&pkt);
    avcodec_free_context(&enc);
    if (fmt) {
      if (fmt->pb) avio_closep(&fmt->pb);
      avformat_free_context(fmt);
    }
  }
  bool Open(const QString& path, const char* format, AVCodecID id) {
    const QByteArray name = QFile::encodeName(path);
    if (avformat_alloc_output_context2(&fmt, nullptr, format, name.constData()) < 0) return false;
    const AVCodec* codec = avcodec_find_encoder(id);
    if (!codec) return false;
    enc = avcodec_alloc_context3(codec);
    st = avformat_new_stream(fmt, nullptr);
    return enc && st;
  }
  bool Start(const QString& path) {
    if (fmt->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(enc, enc->codec, nullptr) < 0) return false;
    avcodec_parameters_from_context(st->codecpar, enc);
    st->time_base = enc->time_base;
    const QByteArray name = QFile::encodeName(path);
    if (avio_open(&fmt->pb, name.constData(), AVIO_FLAG_WRITE) < 0) return false;
    return avformat_write_header(fmt, nullptr) >= 0;
  }
  bool Send(AVFrame* frame) {
    if (avcodec_send_frame(enc, frame) < 0) return false;
    while (avcodec_receive_packet(enc, pkt) == 0) {
      av_packet_rescale_ts(pkt, enc->time_base, st->time_base);
      pkt->stream_index = st->index;
      if (av_interleaved_write_frame(fmt, pkt) < 0) return false;
    }
    return true;
  }
  bool Finish() { return Send(nullptr) && av_write_trailer(fmt) >= 0; }
};

bool MakeAudio(const QString& path, const char* format, AVCodecID id, AVSampleFormat sf, const ToneSpec& tone,
               int bitRate, int rawBits = 0, const QByteArray& png = {}) {
  Muxer m;
  if (!m.Open(path, format, id)) return false;
  AVStream* pic = nullptr;
  if (!png.isEmpty()) {
    // A cover picture: an attached picture of its own stream, written before the audio.
    pic = avformat_new_stream(m.fmt, nullptr);
    if (!pic) return false;
    pic->disposition = AV_DISPOSITION_ATTACHED_PIC;
    pic->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
    pic->codecpar->codec_id = AV_CODEC_ID_PNG;
    pic->codecpar->width = 8;
    pic->codecpar->height = 8;
  }
  m.enc->sample_fmt = sf;
  m.enc->bits_per_raw_sample = rawBits;
  m.enc->sample_rate = tone.Rate;
  m.enc->bit_rate = bitRate;
  av_channel_layout_default(&m.enc->ch_layout, tone.Channels);
  m.enc->time_base = AVRational{1, tone.Rate};
  for (const auto& [k, v] : tone.Tags) av_dict_set(&m.fmt->metadata, k.c_str(), v.c_str(), 0);
  if (!m.Start(path)) return false;
  if (pic) {
    AVPacket* p = av_packet_alloc();
    if (av_new_packet(p, int(png.size())) < 0) return false;
    memcpy(p->data, png.constData(), png.size());
    p->stream_index = pic->index;
    p->flags |= AV_PKT_FLAG_KEY;
    const bool written = av_interleaved_write_frame(m.fmt, p) >= 0;
    av_packet_free(&p);
    if (!written) return false;
  }
  const int frameSize = m.enc->frame_size > 0 ? m.enc->frame_size : 1024;
  const long long total = std::llround(tone.Seconds * tone.Rate);
  AVFrame* frame = av_frame_alloc();
  bool ok = true;
  for (long long done = 0; ok && done < total; done += frameSize) {
    const int n = int(std::min<long long>(frameSize, total - done));
    av_frame_unref(frame);
    frame->format = sf;
    frame->sample_rate = tone.Rate;
    frame->nb_samples = (m.enc->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) || n == frameSize ? n : frameSize;
    av_channel_layout_copy(&frame->ch_layout, &m.enc->ch_layout);
    if (av_frame_get_buffer(frame, 0) < 0) {
      ok = false;
      break;
    }
    const bool planar = av_sample_fmt_is_planar(sf);
    for (int i = 0; i < frame->nb_samples; ++i) {
      for (int c = 0; c < tone.Channels; ++c) {
        const double v = i < n ? 0.3 * std::sin(2 * M_PI * (440.0 + 110 * c) * double(done + i) / tone.Rate) : 0;
        const int idx = planar ? i : i * tone.Channels + c;
        uint8_t* plane = frame->extended_data[planar ? c : 0];
        switch (sf) {
          case AV_SAMPLE_FMT_FLTP:
          case AV_SAMPLE_FMT_FLT: reinterpret_cast<float*>(plane)[idx] = float(v); break;
          case AV_SAMPLE_FMT_S16: reinterpret_cast<int16_t*>(plane)[idx] = int16_t(v * 32767); break;
          case AV_SAMPLE_FMT_S32: reinterpret_cast<int32_t*>(plane)[idx] = int32_t(v * 8388607) * 256; break;
          case AV_SAMPLE_FMT_U8: plane[idx] = uint8_t(128 + std::lround(v * 127)); break;
          default: break;
        }
      }
    }
    frame->pts = done;
    ok = m.Send(frame);
  }
  av_frame_free(&frame);
  return ok && m.Finish();
}

// ASF objects: a GUID, a 64-bit little-endian size counting the object's own
// 24-byte head, then the body.
QByteArray Le(quint64 v, int bytes) {
  QByteArray out(8, '\0');
  qToLittleEndian(v, out.data());
  return out.left(bytes);
}

quint64 ReadLe(const QByteArray& b, qsizetype at, int bytes) {
  const char* p = b.constData() + at;
  return bytes == 4 ? qFromLittleEndian<quint32>(p) : qFromLittleEndian<quint64>(p);
}

void PutLe(QByteArray& b, qsizetype at, quint64 v, int bytes) { b.replace(at, bytes, Le(v, bytes)); }

// A GUID as ASF stores it, from its usual text: the first three fields little-endian.
QByteArray AsfGuid(const char* text) {
  const QUuid u(QString::fromLatin1(text));
  return Le(u.data1, 4) + Le(u.data2, 2) + Le(u.data3, 2) + QByteArray(reinterpret_cast<const char*>(u.data4), 8);
}

// Where the first child object with `guid` lies in [from, to) of `b`, or -1.
qsizetype FindObject(const QByteArray& b, qsizetype from, qsizetype to, const QByteArray& guid) {
  for (qsizetype at = from; at + 24 <= to && ReadLe(b, at + 16, 8) >= 24; at += qsizetype(ReadLe(b, at + 16, 8)))
    if (b.mid(at, 16) == guid) return at;
  return -1;
}

}  // namespace

bool MakeWma(const QString& path, const ToneSpec& tone, int bitRate) {
  return MakeAudio(path, "asf", AV_CODEC_ID_WMAV2, AV_SAMPLE_FMT_FLTP, tone, bitRate);
}

bool MakeProtectedWma(const QString& path, const ToneSpec& tone, int which) {
  static const char* const Encryption[] = {
      "2211B3FB-BD23-11D2-B4B7-00A0C955FC6E", "298AE614-2622-4C17-B935-DAE07EE9289C",
      "43058533-6981-49E6-9B74-AD12CB86D58C", "9A04F079-9840-4286-AB92-E65BE0885F95"};
  QFile file(path);
  if (which < 0 || which > 3 || !MakeWma(path, tone) || !file.open(QIODevice::ReadOnly)) return false;
  QByteArray b = file.readAll();
  file.close();
  if (b.size() < 30) return false;
  const qsizetype headerEnd = qsizetype(ReadLe(b, 16, 8));
  // Counted fields as the Content Encryption Object has them (secret, type, key, URL);
  // libavformat reads them, the other kinds skip them.
  QByteArray body;
  for (const QByteArray& field : {QByteArray("secret"), QByteArray("DRM", 4), QByteArray("key-id", 7),
                                  QByteArray("http://licence.invalid/", 24)})
    body += Le(quint64(field.size()), 4) + field;
  const QByteArray added = AsfGuid(Encryption[which]) + Le(24 + body.size(), 8) + body;
  qsizetype at = headerEnd;  // last among the header's children
  if (which == 2) {
    // Last in the header extension, whose two sizes grow with it.
    const qsizetype ext = FindObject(b, 30, headerEnd, AsfGuid("5FBF03B5-A92E-11CF-8EE3-00C00C205365"));
    if (ext < 0) return false;
    at = ext + qsizetype(ReadLe(b, ext + 16, 8));
    PutLe(b, ext + 16, ReadLe(b, ext + 16, 8) + added.size(), 8);
    PutLe(b, ext + 42, ReadLe(b, ext + 42, 4) + added.size(), 4);
  } else {
    PutLe(b, 24, ReadLe(b, 24, 4) + 1, 4);  // the header's object count
  }
  PutLe(b, 16, quint64(headerEnd + added.size()), 8);
  // The file's size as the file properties give it; the data object's place is not recorded.
  const qsizetype props = FindObject(b, 30, headerEnd, AsfGuid("8CABDCA1-A947-11CF-8EE4-00C00C205365"));
  if (props < 0) return false;
  PutLe(b, props + 40, ReadLe(b, props + 40, 8) + added.size(), 8);
  b.insert(at, added);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(b) == b.size() && file.flush();
}

bool MakeMp3(const QString& path, const ToneSpec& tone, int bitRate, const QByteArray& cover) {
  return MakeAudio(path, "mp3", AV_CODEC_ID_MP3, AV_SAMPLE_FMT_FLTP, tone, bitRate, 0, cover);
}

bool MakeFlac24(const QString& path, const ToneSpec& tone) {
  return MakeAudio(path, "flac", AV_CODEC_ID_FLAC, AV_SAMPLE_FMT_S32, tone, 0, 24);
}

bool MakeOpus(const QString& path, const ToneSpec& tone) {
  return MakeAudio(path, "ogg", AV_CODEC_ID_OPUS, AV_SAMPLE_FMT_FLT, tone, 96000);
}

bool CutFile(const QString& from, const QString& to, double fraction) {
  QFile in(from), out(to);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = in.readAll();
  return out.write(bytes.left(qsizetype(bytes.size() * fraction))) > 0;
}

bool MakeWav(const QString& path, const ToneSpec& tone, const std::string& sampleFormat) {
  if (sampleFormat == "u8") return MakeAudio(path, "wav", AV_CODEC_ID_PCM_U8, AV_SAMPLE_FMT_U8, tone, 0);
  if (sampleFormat == "flt") return MakeAudio(path, "wav", AV_CODEC_ID_PCM_F32LE, AV_SAMPLE_FMT_FLT, tone, 0);
  return MakeAudio(path, "wav", AV_CODEC_ID_PCM_S16LE, AV_SAMPLE_FMT_S16, tone, 0);
}

bool MakeVideoOnly(const QString& path) {
  Muxer m;
  if (!m.Open(path, "avi", AV_CODEC_ID_RAWVIDEO)) return false;
  m.enc->width = 16;
  m.enc->height = 16;
  m.enc->pix_fmt = AV_PIX_FMT_YUV420P;
  m.enc->time_base = AVRational{1, 10};
  if (!m.Start(path)) return false;
  AVFrame* frame = av_frame_alloc();
  bool ok = true;
  for (int i = 0; ok && i < 10; ++i) {
    av_frame_unref(frame);
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = 16;
    frame->height = 16;
    ok = av_frame_get_buffer(frame, 0) >= 0 && av_frame_make_writable(frame) >= 0;
    if (!ok) break;
    for (int p = 0; p < 3; ++p) std::fill_n(frame->data[p], frame->linesize[p] * (p ? 8 : 16), uint8_t(i * 20));
    frame->pts = i;
    ok = m.Send(frame);
  }
  av_frame_free(&frame);
  return ok && m.Finish();
}
