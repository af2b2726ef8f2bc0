#include "MP3FileCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "MP3Frame.h"

namespace {

std::uint32_t Get32(const std::uint8_t* p) {
  return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

// Read through pread, not a mapping: a file cut short by someone else while it
// is read must give a short read, not a bus error.
class TFileBytes {
 public:
  TFileBytes(int fd, std::size_t size) : Fd_(fd), Size_(size) {}
  std::size_t Size() const { return Size_; }
  const std::uint8_t* At(std::size_t pos, std::size_t n) {
    if (pos + n > Size_) return nullptr;
    if (pos < Base_ || pos + n > Base_ + Buffer_.size()) {
      Buffer_.resize(std::min<std::size_t>(std::max<std::size_t>(n, 1 << 16), Size_ - pos));
      const ssize_t got = ::pread(Fd_, Buffer_.data(), Buffer_.size(), off_t(pos));
      if (got < ssize_t(n)) {
        Buffer_.clear();
        return nullptr;
      }
      Buffer_.resize(std::size_t(got));
      Base_ = pos;
    }
    return Buffer_.data() + (pos - Base_);
  }

 private:
  int Fd_;
  std::size_t Size_;
  std::size_t Base_ = 0;
  std::vector<std::uint8_t> Buffer_;
};

TMP3FileCheck::TResult Check(TFileBytes& file) {
  TMP3FileCheck::TResult r;
  const std::size_t size = file.Size();
  std::size_t at = 0;
  const std::uint8_t* data = file.At(0, 10);
  if (data && std::memcmp(data, "ID3", 3) == 0) {
    const std::size_t tag = (std::size_t(data[6] & 0x7f) << 21) | (std::size_t(data[7] & 0x7f) << 14) |
                            (std::size_t(data[8] & 0x7f) << 7) | (data[9] & 0x7f);
    at = 10 + tag + ((data[5] & 0x10) ? 10 : 0);
  }
  std::size_t end = size;
  if (end >= at + 128) {
    const std::uint8_t* tail = file.At(end - 128, 3);
    if (tail && std::memcmp(tail, "TAG", 3) == 0) end -= 128;
  }
  const std::uint8_t* head = at + 4 <= end ? file.At(at, 4) : nullptr;
  if (!head) return r;
  const TMP3Frame::THeader first = TMP3Frame::ReadHeader(head);
  if (!first.Valid || at + first.Bytes > end) return r;
  // The Info tag: its flags say which counts follow; the encoder's tag after them.
  const std::uint8_t* whole = file.At(at, std::size_t(first.Bytes));
  if (!whole) return r;
  const std::vector<std::uint8_t> frame(whole, whole + first.Bytes);
  if (!TMP3Frame::IsTagFrame(frame.data(), frame.size())) return r;
  const std::uint8_t* info = frame.data();
  const std::size_t x = TMP3Frame::TagOffset(info);
  if (x + 8 > std::size_t(first.Bytes)) return r;
  const std::uint32_t flags = Get32(info + x + 4);
  std::size_t field = x + 8;
  long long frames = -1, bytes = -1;
  if (flags & 1) {
    if (field + 4 <= std::size_t(first.Bytes)) frames = Get32(info + field);
    field += 4;
  }
  if (flags & 2) {
    if (field + 4 <= std::size_t(first.Bytes)) bytes = Get32(info + field);
    field += 4;
  }
  if (flags & 4) field += 100;
  if (flags & 8) field += 4;
  if (frames < 0) return r;  // nothing to hold the file against
  int delay = 0, padding = 0;
  if (field + 24 <= std::size_t(first.Bytes)) {
    const std::uint8_t* p = info + field + 21;
    delay = (p[0] << 4) | (p[1] >> 4);
    padding = ((p[1] & 15) << 8) | p[2];
  }

  long long counted = 0;
  std::size_t pos = at + first.Bytes;
  while (pos < end) {
    const std::uint8_t* p = pos + 4 <= end ? file.At(pos, 4) : nullptr;
    if (!p) return r;
    const TMP3Frame::THeader h = TMP3Frame::ReadHeader(p);
    if (!h.Valid || h.SampleRate != first.SampleRate || h.Mpeg1 != first.Mpeg1 || pos + h.Bytes > end) return r;
    pos += h.Bytes;
    ++counted;
  }
  if (counted != frames || (bytes >= 0 && bytes != static_cast<long long>(end - at))) return r;
  const int frameSamples = first.Mpeg1 ? 1152 : 576;
  r.Complete = true;
  r.SampleRate = first.SampleRate;
  r.Samples = std::max(0LL, frames * frameSamples - delay - padding);
  return r;
}

}  // namespace

TMP3FileCheck::TResult TMP3FileCheck::Read(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  struct stat st {};
  TResult r;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    TFileBytes bytes(fd, std::size_t(st.st_size));
    r = Check(bytes);
  }
  ::close(fd);
  return r;
}
