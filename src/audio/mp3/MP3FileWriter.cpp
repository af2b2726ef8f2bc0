#include "MP3FileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "AudioException.h"
#include "Lang.h"
#include "ReplayGainTag.h"

void (*TMP3FileWriter::BeforeFirstName)() = nullptr;

void TMP3FileWriter::Create(const std::string& finalName) {
  Discard();
  Name_ = finalName;
  File_.Create(finalName);
}

void TMP3FileWriter::Attach(TOutputStream& stream) {
  Discard();
  Name_.clear();
  Stream_ = &stream;
}

void TMP3FileWriter::Begin(std::vector<std::uint8_t> id3v2, std::vector<std::uint8_t> id3v1) {
  Id3v1_ = std::move(id3v1);
  TagFrameAt_ = static_cast<long>(id3v2.size());
  Write(id3v2.data(), id3v2.size());
}

void TMP3FileWriter::Write(const void* data, std::size_t size) {
  if (size == 0) return;
  if (Stream_) return Stream_->Write(data, size);
  if (std::fwrite(data, 1, size, File_.Stream()) != size) {
    const int e = errno ? errno : EIO;
    throw EAudioException(lang::Say(lang::CannotWriteFormat, Name_) + " " + std::strerror(e));
  }
}

void TMP3FileWriter::Finish(const std::vector<std::uint8_t>& tagFrame, const std::vector<std::uint8_t>& id3v2) {
  Write(Id3v1_.data(), Id3v1_.size());
  if (Stream_) {
    Stream_ = nullptr;
    return;
  }
  FILE* f = File_.Stream();
  if (!tagFrame.empty() && (std::fflush(f) != 0 || std::fseek(f, TagFrameAt_, SEEK_SET) != 0 ||
                            std::fwrite(tagFrame.data(), 1, tagFrame.size(), f) != tagFrame.size() ||
                            std::fflush(f) != 0))
    throw EAudioException(lang::Say(lang::CannotWriteVbrHeaderFormat, Name_));
  // The tag, now with what only the end knows, goes over its first version while
  // the file is not yet in place.
  if (!id3v2.empty() && static_cast<long>(id3v2.size()) == TagFrameAt_ &&
      (std::fseek(f, 0, SEEK_SET) != 0 || std::fwrite(id3v2.data(), 1, id3v2.size(), f) != id3v2.size() ||
       std::fflush(f) != 0))
    throw EAudioException(lang::Say(lang::CannotWriteId3v2Format, Name_));
  File_.Commit();  // flushed, synced, put in place, and the folder synced
}

void TMP3FileWriter::Discard() {
  Stream_ = nullptr;
  File_.Discard();
  Id3v1_.clear();
  TagFrameAt_ = 0;
}

void TMP3FileWriter::FillPadding(const std::string& name, const std::vector<std::uint8_t>& frames) {
  const int fd = ::open(name.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) throw EAudioException(lang::Say(lang::CannotOpenFileFormat, name) + " " + std::strerror(errno));
  auto read = [fd](long at, std::uint8_t* into, int count) { return ::pread(fd, into, count, at) == count; };
  const TReplayGainTag::TLayout layout = TReplayGainTag::LayoutOf(read);
  const long size = static_cast<long>(frames.size());
  // The first frame's name goes last: readers take a frame whose name is zeros for
  // the start of the padding, and stop there. What an earlier attempt left after
  // it is padding to them too, and is written over.
  constexpr long Name = 4;
  std::string failure;
  if (!layout.PaddingAt || size <= Name || layout.End - layout.PaddingAt < size)
    failure = lang::Say(lang::NoRoomForAlbumGain);
  else if (::pwrite(fd, frames.data() + Name, std::size_t(size - Name), layout.PaddingAt + Name) != size - Name ||
           ::fsync(fd) != 0)
    failure = std::strerror(errno);
  if (failure.empty()) {
    if (BeforeFirstName) BeforeFirstName();
    if (::pwrite(fd, frames.data(), Name, layout.PaddingAt) != Name || ::fsync(fd) != 0) failure = std::strerror(errno);
  }
  ::close(fd);
  if (!failure.empty()) throw EAudioException(lang::Say(lang::CannotCompleteTagFormat, name, failure));
}
