#include "MediaLength.h"

#include <QFile>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "NativePath.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

constexpr std::int64_t TicksPerSecond = 10000000;

std::uint64_t Le(const char* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return v;
}

bool Guessed(const AVFormatContext* fmt) { return fmt->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE; }

// The File Properties Object of the ASF header: play duration less the preroll.
std::int64_t AsfStated(QFile& f) {
  static const unsigned char header[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                           0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
  static const unsigned char fileProperties[16] = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                                   0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
  const QByteArray head = f.read(30);
  if (head.size() < 30 || std::memcmp(head.constData(), header, 16) != 0) return -1;
  const std::uint64_t headerSize = Le(head.constData() + 16, 8);
  std::uint64_t at = 30;
  while (at + 24 <= headerSize && f.seek(qint64(at))) {
    const QByteArray object = f.read(24);
    if (object.size() < 24) return -1;
    const std::uint64_t size = Le(object.constData() + 16, 8);
    if (size < 24) return -1;
    if (std::memcmp(object.constData(), fileProperties, 16) == 0) {
      const QByteArray body = f.read(80);
      if (body.size() < 80) return -1;
      const std::uint64_t play = Le(body.constData() + 40, 8);   // 100 ns
      const std::uint64_t preroll = Le(body.constData() + 56, 8); // ms
      const std::uint32_t flags = std::uint32_t(Le(body.constData() + 64, 4));
      if (flags & 1) return -1;  // a broadcast stream states no length
      // Damaged headers state anything: a length that does not fit is none.
      if (play > std::uint64_t(INT64_MAX) || preroll >= play / 10000) return -1;
      return std::int64_t(play - preroll * 10000);
    }
    at += size;
  }
  return -1;
}

// The data chunk's size at the byte rate of the fmt chunk.
std::int64_t WavStated(QFile& f) {
  const QByteArray riff = f.read(12);
  if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return -1;
  std::uint32_t byteRate = 0;
  for (;;) {
    const QByteArray chunk = f.read(8);
    if (chunk.size() < 8) return -1;
    const std::uint32_t size = std::uint32_t(Le(chunk.constData() + 4, 4));
    if (chunk.startsWith("fmt ")) {
      const QByteArray body = f.read(16);
      if (body.size() < 16) return -1;
      byteRate = std::uint32_t(Le(body.constData() + 8, 4));
      if (!f.seek(f.pos() - 16)) return -1;
    } else if (chunk.startsWith("data")) {
      if (byteRate == 0 || size == 0 || size == 0xFFFFFFFFu) return -1;  // streamed: no length
      return std::int64_t(size) * TicksPerSecond / byteRate;
    }
    if (!f.seek(f.pos() + size + (size & 1))) return -1;
  }
}

std::int64_t Counted(const QString& path, int stream) {
  AVFormatContext* fmt = nullptr;
  const QByteArray name = NativePath(path);
  if (avformat_open_input(&fmt, name.constData(), nullptr, nullptr) < 0) return 0;
  AVPacket* packet = av_packet_alloc();
  std::int64_t total = 0;
  while (packet && stream < int(fmt->nb_streams) && av_read_frame(fmt, packet) >= 0) {
    if (packet->stream_index == stream && packet->duration > 0) total += packet->duration;
    av_packet_unref(packet);
  }
  av_packet_free(&packet);
  const std::int64_t length =
      stream < int(fmt->nb_streams)
          ? av_rescale_q(total, fmt->streams[stream]->time_base, AVRational{1, int(TicksPerSecond)})
          : 0;
  avformat_close_input(&fmt);
  return length;
}

}  // namespace

std::int64_t StatedDuration(const QString& path, const AVFormatContext* fmt) {
  const std::string demuxer = fmt->iformat ? fmt->iformat->name : "";
  if (demuxer == "asf" || demuxer == "wav") {
    QFile f;
    // Opened by its bytes: QFile would lose a name that is not UTF-8.
    const int fd = ::open(NativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (!f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
      ::close(fd);
      return -1;
    }
    return demuxer == "asf" ? AsfStated(f) : WavStated(f);
  }
  if (Guessed(fmt) || fmt->duration == AV_NOPTS_VALUE || fmt->duration <= 0) return -1;
  return av_rescale(fmt->duration, TicksPerSecond, AV_TIME_BASE);
}

std::int64_t MediaDuration(const QString& path, const AVFormatContext* fmt, int stream) {
  if (!Guessed(fmt) && fmt->duration != AV_NOPTS_VALUE && fmt->duration > 0)
    return av_rescale(fmt->duration, TicksPerSecond, AV_TIME_BASE);
  const std::int64_t stated = StatedDuration(path, fmt);
  if (stated > 0) return stated;
  return Counted(path, stream);
}
