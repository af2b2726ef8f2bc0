#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "OutputStream.h"

// The one way an MP3 file's bytes reach it, in order: the ID3v2 tag, the encoded
// stream (whose first frame may be the stand-in for the stream's tag frame), and
// the ID3v1 tag. At the end the finished tag frame goes over its stand-in and the
// file appears under its name, complete. Written into a caller's stream instead,
// the stand-in stays: that stream cannot go back.
class TMP3FileWriter : public TOutputStream {
 public:
  // Starts the file for `finalName`; throws EAudioException with the system's reason.
  void Create(const std::string& finalName);
  // Writes into `stream`, which the caller owns, instead.
  void Attach(TOutputStream& stream);
  // The tags around the stream; the ID3v2 tag is written now, the ID3v1 tag at the end.
  void Begin(std::vector<std::uint8_t> id3v2, std::vector<std::uint8_t> id3v1);
  // The encoded stream, in order. Throws on failure.
  void Write(const void* data, std::size_t size) override;
  // Writes the ID3v1 tag and `tagFrame` (empty for none) over the stand-in, and
  // `id3v2`, when given, over the ID3v2 tag it must be the size of; then puts the
  // file in place. Throws on failure, leaving the final name as it was.
  void Finish(const std::vector<std::uint8_t>& tagFrame, const std::vector<std::uint8_t>& id3v2 = {});
  // Lays `frames` into the padding of the ID3v2 tag of the finished file `name`,
  // the rest made durable before the first frame's name, so that a crash at any
  // point leaves the file as readers saw it, or with the frames whole. Throws
  // EAudioException.
  static void FillPadding(const std::string& name, const std::vector<std::uint8_t>& frames);
  // Called between the two writes of FillPadding; tests stop the process there.
  static void (*BeforeFirstName)();
  // Drops what was written; the final name is untouched. Also ends an attached stream's use.
  void Discard();

  // The final name; empty for a caller's stream.
  const std::string& Name() const { return Name_; }

 private:
  TAtomicFile File_;
  TOutputStream* Stream_ = nullptr;  // a caller's, or null for the file
  std::string Name_;
  long TagFrameAt_ = 0;  // where the stream, and so its tag frame, begins
  std::vector<std::uint8_t> Id3v1_;
};
