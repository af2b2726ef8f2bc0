#include "Protection.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "NativePath.h"

namespace {

// GUIDs as ASF stores them: the first three fields little-endian, the last eight bytes as written.
using TGuid = std::array<unsigned char, 16>;

// 75B22630-668E-11CF-A6D9-00AA0062CE6C
constexpr TGuid HeaderObject = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
// 5FBF03B5-A92E-11CF-8EE3-00C00C205365
constexpr TGuid HeaderExtension = {0xB5, 0x03, 0xBF, 0x5F, 0x2E, 0xA9, 0xCF, 0x11,
                                   0x8E, 0xE3, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
// Windows Media DRM 1 to 10 and PlayReady, each recognised by its own object.
constexpr std::array<TGuid, 4> EncryptionObjects = {{
    // Content Encryption, 2211B3FB-BD23-11D2-B4B7-00A0C955FC6E
    {0xFB, 0xB3, 0x11, 0x22, 0x23, 0xBD, 0xD2, 0x11, 0xB4, 0xB7, 0x00, 0xA0, 0xC9, 0x55, 0xFC, 0x6E},
    // Extended Content Encryption, 298AE614-2622-4C17-B935-DAE07EE9289C
    {0x14, 0xE6, 0x8A, 0x29, 0x22, 0x26, 0x17, 0x4C, 0xB9, 0x35, 0xDA, 0xE0, 0x7E, 0xE9, 0x28, 0x9C},
    // Advanced Content Encryption (inside the header extension), 43058533-6981-49E6-9B74-AD12CB86D58C
    {0x33, 0x85, 0x05, 0x43, 0x81, 0x69, 0xE6, 0x49, 0x9B, 0x74, 0xAD, 0x12, 0xCB, 0x86, 0xD5, 0x8C},
    // PlayReady header, 9A04F079-9840-4286-AB92-E65BE0885F95
    {0x79, 0xF0, 0x04, 0x9A, 0x40, 0x98, 0x86, 0x42, 0xAB, 0x92, 0xE6, 0x5B, 0xE0, 0x88, 0x5F, 0x95},
}};

constexpr std::uint64_t ObjectHead = 24;        // GUID and 64-bit size
constexpr std::uint64_t HeaderHead = 30;        // and the object count and two reserved bytes
constexpr std::uint64_t ExtensionHead = 46;     // and a reserved GUID, a reserved word and the data size
constexpr std::uint64_t MostHeaderBytes = 64 << 20;  // a real header, cover pictures and all, is far smaller
constexpr int MostObjects = 4096;               // of one level: real headers have a few dozen

std::uint64_t Le(const unsigned char* p, int bytes) {
  std::uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

class TFile {
 public:
  // Without waiting: a named pipe given as a file would otherwise block the open.
  explicit TFile(const QByteArray& name) : Fd_(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {}
  ~TFile() {
    if (Fd_ >= 0) ::close(Fd_);
  }
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;

  // The file's length, or -1 when it is not a regular file that can be read.
  std::int64_t Length() const {
    struct stat st{};
    if (Fd_ < 0 || ::fstat(Fd_, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return st.st_size;
  }
  // Exactly `size` bytes at `offset`, or false.
  bool Read(std::uint64_t offset, unsigned char* to, std::size_t size) const {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t n = ::pread(Fd_, to + done, size - done, off_t(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      done += std::size_t(n);
    }
    return true;
  }

 private:
  int Fd_;
};

bool Is(const unsigned char* bytes, const TGuid& guid) { return std::memcmp(bytes, guid.data(), guid.size()) == 0; }

// Whether the objects lying in [begin, end) of the file, or those in a header
// extension among them, include an encryption object. Only heads are read; a
// size that is too small or runs past `end` ends the walk, as nothing after it
// can be found.
bool HoldsEncryption(const TFile& file, std::uint64_t begin, std::uint64_t end, bool topLevel) {
  std::uint64_t at = begin;
  for (int count = 0; count < MostObjects && end - at >= ObjectHead; ++count) {
    unsigned char head[ExtensionHead];
    if (!file.Read(at, head, ObjectHead)) return false;
    const std::uint64_t size = Le(head + 16, 8);
    if (size < ObjectHead || size > end - at) return false;
    for (const TGuid& guid : EncryptionObjects)
      if (Is(head, guid)) return true;
    if (topLevel && Is(head, HeaderExtension) && size >= ExtensionHead &&
        file.Read(at + ObjectHead, head + ObjectHead, ExtensionHead - ObjectHead)) {
      const std::uint64_t dataSize = Le(head + 42, 4);
      if (dataSize <= size - ExtensionHead &&
          HoldsEncryption(file, at + ExtensionHead, at + ExtensionHead + dataSize, false))
        return true;
    }
    at += size;
  }
  return false;
}

}  // namespace

bool IsCopyProtected(const QString& path) {
  const TFile file(NativePath(path));
  const std::int64_t length = file.Length();
  if (length < std::int64_t(HeaderHead)) return false;
  unsigned char head[HeaderHead];
  if (!file.Read(0, head, HeaderHead) || !Is(head, HeaderObject)) return false;
  const std::uint64_t size = Le(head + 16, 8);
  if (size < HeaderHead || size > std::uint64_t(length) || size > MostHeaderBytes) return false;
  return HoldsEncryption(file, HeaderHead, size, true);
}
