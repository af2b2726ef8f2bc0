// Encodes 44.1 kHz stereo PCM through the MP3 sink and through the encoder called
// directly with the same settings, and compares the times. The PCM is 180 s of
// generated tones, or the raw 16-bit little-endian file given as the argument (the
// convert benchmark passes the decoded benchmark input, so the direct run is the
// encoder alone on the very samples the converter encodes).

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "AudioInput.h"
#include "MP3Out.h"

namespace {

constexpr int Rate = 44100;
constexpr int Seconds = 180;

std::vector<short> MakePcm() {
  std::vector<short> pcm(std::size_t(Rate) * Seconds * 2);
  for (std::size_t i = 0; i < pcm.size() / 2; ++i) {
    const double t = double(i) / Rate;
    pcm[2 * i] = short(9000 * std::sin(2 * M_PI * 440 * t) + 3000 * std::sin(2 * M_PI * 3520 * t));
    pcm[2 * i + 1] = short(9000 * std::sin(2 * M_PI * 660 * t) + 2000 * std::sin(2 * M_PI * 5000 * t));
  }
  return pcm;
}

class MemoryInput : public TAudioInput {
 public:
  explicit MemoryInput(const std::vector<short>& pcm) : Pcm_(pcm) {}
  int GetBitsPerSample() override { return 16; }
  int GetChannels() override { return 2; }
  int GetSampleRate() override { return Rate; }
  void OpenInput() override {
    Position = 0;
    Size = std::int64_t(Pcm_.size()) * 2;
    Busy = true;
  }
  void CloseInput() override { Busy = false; }
  int ReadData(void* buffer, int size) override {
    const int n = int(std::min<std::int64_t>(size, Size - Position));
    std::memcpy(buffer, reinterpret_cast<const char*>(Pcm_.data()) + Position, n);
    Position += n;
    return n;
  }

 private:
  const std::vector<short>& Pcm_;
};

using Clock = std::chrono::steady_clock;

double ThroughSink(const std::vector<short>& pcm, const QString& path) {
  TMP3Out sink;
  TMP3OutSettings settings;
  settings.BitRate = TMP3BitRate::br192;
  settings.Quality = TMP3Quality::ql2;
  settings.SampleRate = TMP3SampleRate::sr41kHz;
  settings.Mode = TMP3Mode::JOINT_STEREO;
  settings.Original = false;
  sink.SetSettings(settings);
  MemoryInput input(pcm);
  sink.SetInput(&input);
  sink.FileName = path;
  QEventLoop loop;
  sink.OnDone = [&](TComponent*) { loop.quit(); };
  const auto start = Clock::now();
  sink.Run();
  loop.exec();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

lame_t Encoder() {
  lame_t g = Lame.lame_init();
  Lame.lame_set_in_samplerate(g, Rate);
  Lame.lame_set_num_channels(g, 2);
  Lame.lame_set_out_samplerate(g, Rate);
  Lame.lame_set_mode(g, JOINT_STEREO);
  Lame.lame_set_original(g, 0);
  Lame.lame_set_brate(g, 192);
  Lame.lame_set_quality(g, 2);
  Lame.lame_init_params(g);
  return g;
}

// The encoder alone on interleaved stereo samples, in the steps the sink takes
// for that sample format.
double DirectEncode(const void* pcm, std::size_t frames, TSampleFormat format, const QString& path) {
  const auto start = Clock::now();
  lame_t g = Encoder();
  FILE* f = std::fopen(path.toLocal8Bit().constData(), "w+b");
  std::vector<unsigned char> out(17440 + 16384);
  const std::size_t step = format == TSampleFormat::sfFloat32 ? 2048 : 4096;
  const std::size_t bytes = format == TSampleFormat::sfFloat32 ? 8 : 4;
  for (std::size_t i = 0; i < frames; i += step) {
    const int n = int(std::min(step, frames - i));
    const int m = EncodePcm(g, static_cast<const char*>(pcm) + i * bytes, n, 2, format, out.data(), int(out.size()));
    std::fwrite(out.data(), 1, m, f);
  }
  const int m = Lame.lame_encode_flush(g, out.data(), int(out.size()));
  std::fwrite(out.data(), 1, m, f);
  beWriteInfoTag(g, f);
  std::fclose(f);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Direct(const std::vector<short>& pcm, const QString& path) {
  return DirectEncode(pcm.data(), pcm.size() / 2, TSampleFormat::sfInt16, path);
}

// The encoder alone on interleaved float samples, as the float path feeds it.
double DirectFloat(const std::vector<float>& pcm, const QString& path) {
  return DirectEncode(pcm.data(), pcm.size() / 2, TSampleFormat::sfFloat32, path);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::vector<short> ReadPcm(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  std::vector<short> pcm(std::size_t(bytes.size()) / 4 * 2);
  std::memcpy(pcm.data(), bytes.constData(), pcm.size() * sizeof(short));
  return pcm;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc > 2 && std::strcmp(argv[1], "--float") == 0) {
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly)) return 2;
    const QByteArray bytes = file.readAll();
    std::vector<float> pcm(std::size_t(bytes.size()) / 8 * 2);
    std::memcpy(pcm.data(), bytes.constData(), pcm.size() * sizeof(float));
    QTemporaryDir dir;
    TMP3Out holder;
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) times.push_back(DirectFloat(pcm, dir.filePath("float.mp3")));
    std::printf("median lame float: %.3f s\n", Median(times));
    return 0;
  }
  const std::vector<short> pcm = argc > 1 ? ReadPcm(QString::fromLocal8Bit(argv[1])) : MakePcm();
  if (pcm.empty()) {
    std::fprintf(stderr, "usage: encode_bench [RAW-S16LE-STEREO-44100-FILE | --float RAW-F32LE-STEREO-44100-FILE]\n");
    return 2;
  }
  QTemporaryDir dir;
  TMP3Out holder;  // keeps the encoder library loaded for the direct runs
  std::vector<double> sink, direct;
  for (int i = 0; i < 3; ++i) {
    sink.push_back(ThroughSink(pcm, dir.filePath("sink.mp3")));
    direct.push_back(Direct(pcm, dir.filePath("direct.mp3")));
    std::printf("run %d: sink %.3f s, lame %.3f s\n", i + 1, sink.back(), direct.back());
  }
  std::printf("median sink: %.3f s\nmedian lame: %.3f s\n", Median(sink), Median(direct));
  std::printf("sink/lame time ratio: %.2f\n", Median(sink) / Median(direct));
  return 0;
}
