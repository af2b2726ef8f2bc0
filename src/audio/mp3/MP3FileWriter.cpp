#include "MP3FileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "AudioException.h"

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
    throw EAudioException("Cannot write \"" + Name_ + "\". " + std::strerror(e));
  }
}

void TMP3FileWriter::Finish(const std::vector<std::uint8_t>& tagFrame) {
  Write(Id3v1_.data(), Id3v1_.size());
  if (Stream_) {
    Stream_ = nullptr;
    return;
  }
  FILE* f = File_.Stream();
  if (!tagFrame.empty() && (std::fflush(f) != 0 || std::fseek(f, TagFrameAt_, SEEK_SET) != 0 ||
                            std::fwrite(tagFrame.data(), 1, tagFrame.size(), f) != tagFrame.size() ||
                            std::fflush(f) != 0))
    throw EAudioException("Cannot write the VBR header into \"" + Name_ + "\".");
  File_.Commit();  // flushed, synced, put in place, and the folder synced
}

void TMP3FileWriter::Discard() {
  Stream_ = nullptr;
  File_.Discard();
  Id3v1_.clear();
  TagFrameAt_ = 0;
}
