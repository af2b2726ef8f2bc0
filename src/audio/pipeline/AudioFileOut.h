#pragma once
#include <QString>
#include <cstdint>

#include "AudioStreamedOutput.h"

enum class TFileOutputMode : std::uint8_t { foRewrite = 0, foAppend = 1 };

// A sink that writes to a named file.
class TAudioFileOut : public TAudioStreamedOutput {
 public:
  using TAudioStreamedOutput::TAudioStreamedOutput;

  QString FileName;
  TFileOutputMode FileMode() const { return FileMode_; }
  // Files are always written anew.
  virtual void SetFileMode(TFileOutputMode) { FileMode_ = TFileOutputMode::foRewrite; }
  std::uint32_t AccessRights = 0;

 private:
  TFileOutputMode FileMode_ = TFileOutputMode::foRewrite;
};
