#pragma once
#include <atomic>
#include <cstdint>

#include "Component.h"
#include "SampleFormat.h"

// A source of PCM bytes: 16-bit signed, or 32-bit float in -1..1.
class TAudioInput : public TComponent {
 public:
  using TComponent::TComponent;

  // Written by the worker, read for progress on the GUI thread.
  std::atomic<std::int64_t> Position{0};  // bytes handed out since OpenInput
  std::atomic<std::int64_t> Size{-1};     // bytes this run will hand out; -1 unknown
  bool Busy = false;
  std::int64_t BufStart = 1;  // 1-based first unread byte of the descendant's block
  std::int64_t BufEnd = 0;    // last valid byte of that block

  virtual int GetBitsPerSample() = 0;
  virtual int GetChannels() = 0;
  virtual int GetSampleRate() = 0;
  virtual TSampleFormat GetSampleFormat() { return TSampleFormat::sfInt16; }
  virtual int GetTotalTime() { return 0; }
  // Copies at most `bufferSize` bytes; 0 when no more data will come.
  virtual int ReadData(void* buffer, int bufferSize) = 0;
  virtual void Reset();
  virtual void OpenInput() = 0;
  virtual void CloseInput() = 0;
};
