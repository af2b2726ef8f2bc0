#pragma once
#include <cstdio>
#include <string>
#include <unistd.h>

// An output file that appears under its name only once it is complete. It is
// written as an anonymous file (O_TMPFILE) that the kernel removes if the
// process dies, and linked into place at the end. Where the file system has no
// anonymous files, a short hidden name in the same folder stands in; it is held
// under a lock while in use, and stale ones left by a killed run are removed by
// the next file created in that folder.
class TAtomicFile {
 public:
  TAtomicFile() = default;
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  // Off in tests, to exercise the named stand-in.
  static bool AllowAnonymous;
  // The calls that make the file durable and put it in place, in this order:
  // Flush (the last writes), Sync of the file, Link or Rename into the final
  // name, Sync of the folder. Tests put recorders in their place.
  struct TSystemCalls {
    int (*Flush)(FILE*) = std::fflush;
    int (*Sync)(int fd) = ::fsync;
    int (*Link)(int fromDir, const char* from, int toDir, const char* to, int flags) = ::linkat;
    int (*Rename)(const char* from, const char* to) = std::rename;
  };
  static TSystemCalls System;
  // The prefix of the stand-in's name; nothing else in a folder is ever removed.
  static constexpr const char* StandInPrefix = ".brindlewave-";

  // Starts a file for `finalName`; throws EAudioException with the system's reason.
  void Create(const std::string& finalName);
  // Read and write, positioned at the end of what was written.
  FILE* Stream() const { return File_; }
  bool Anonymous() const { return Anonymous_; }
  // Makes the content durable and puts it under the final name, replacing what
  // stood there (a symbolic link is replaced, not followed). Throws on failure,
  // leaving the final name as it was.
  void Commit();
  // Drops the content; the final name is untouched.
  void Discard();

  // Removes our stand-ins in `folder` whose writers are gone.
  static void RemoveStale(const std::string& folder);

 private:
  [[noreturn]] void Fail(const std::string& what, int error);
  void LinkInPlace();

  FILE* File_ = nullptr;
  std::string FinalName_;
  std::string Folder_;
  std::string StandIn_;  // the hidden name while one exists
  bool Anonymous_ = false;
};
