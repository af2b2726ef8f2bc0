#include "InputExercise.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <exception>
#include <sys/mman.h>
#include <unistd.h>

#include "AudioException.h"
#include "FFmpegIn.h"
#include "Globals.h"
#include "MP3Out.h"
#include "TaskReader.h"

namespace {

// A file with these bytes that the demuxers can open by name.
class MemoryFile {
 public:
  MemoryFile(const std::uint8_t* data, std::size_t size) : Fd_(::memfd_create("input", MFD_CLOEXEC)) {
    if (Fd_ < 0) return;
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = ::write(Fd_, data + done, size - done);
      if (n <= 0) break;
      done += std::size_t(n);
    }
  }
  ~MemoryFile() {
    if (Fd_ >= 0) ::close(Fd_);
  }
  QString Path() const { return Fd_ < 0 ? QString() : QString("/proc/self/fd/%1").arg(Fd_); }

 private:
  int Fd_;
};

class MemoryStream : public TOutputStream {
 public:
  void Write(const void*, std::size_t size) override { Bytes += size; }
  std::size_t Bytes = 0;
};

constexpr int MostBlocks = 2000;  // about three minutes of stereo float

void ReadThrough(const QString& path) {
  TFFmpegIn source;
  source.FileName = path;
  source.OpenInput();
  std::vector<char> buffer(TMP3Out::StepBufferSize);
  int blocks = 0;
  while (blocks++ < MostBlocks && source.ReadData(buffer.data(), int(buffer.size())) > 0) {
  }
  (void)source.Shortfall();
  if (source.Size > 0) {
    source.PendingSeek = source.Size / 2;
    for (int i = 0; i < 4 && source.ReadData(buffer.data(), int(buffer.size())) > 0; ++i) {
    }
  }
  source.Loop = true;
  source.PendingSeek = std::max<std::int64_t>(source.Size - 4096, 1);
  for (int i = 0; i < 8; ++i) source.ReadData(buffer.data(), int(buffer.size()));
  source.CloseInput();
}

void Encode(const QString& path) {
  TFFmpegIn source;
  source.FileName = path;
  TMP3Out sink;
  MemoryStream stream;
  sink.Stream = &stream;
  sink.StreamAssigned = true;
  TMP3OutSettings settings;
  settings.SplitPartFrames = 16;  // short inputs too are cut into parts and joined
  settings.SampleRate = TMP3SampleRate::sr41kHz;  // as the program converts: other rates are resampled first
  sink.SetSettings(settings);
  std::atomic<bool> ended{false};
  sink.OnDone = [&](TComponent*) { ended = true; };
  sink.OnThreadException = [&](TComponent*, const std::exception&) { ended = true; };
  sink.SetInput(&source);
  sink.Run();
  QElapsedTimer clock;
  clock.start();
  while (!ended) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (clock.elapsed() > 20000) sink.Stop();  // a long but valid input is not a hang
  }
  sink.Settle();
  sink.SetInput(nullptr);
}

}  // namespace

void ExerciseInput(const std::uint8_t* data, std::size_t size) {
  const MemoryFile file(data, size);
  const QString path = file.Path();
  if (path.isEmpty()) return;
  TTaskReader(DefaultSettings).Read(path);
  try {
    ReadThrough(path);
  } catch (const std::exception&) {
    // Refused with a reason: what the user would be told.
  }
  try {
    Encode(path);
  } catch (const std::exception&) {
  }
}
