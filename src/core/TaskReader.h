#pragma once
#include <QString>
#include <string>
#include <vector>

#include "DefaultSettings.h"
#include "Task.h"

// Why a file did not become a task.
enum class TReadOutcome {
  Read,         // the task is filled
  Unreadable,   // no demuxer or decoder takes it
  NoAudio,      // it opens, but holds no audio stream
  Protected,    // Windows Media locked by DRM: its audio would decode to noise
  Gone,         // not there (any more) when it was read
};

struct TReadResult {
  TReadOutcome Outcome = TReadOutcome::Unreadable;
  QString Path;    // as asked for
  QString Reason;  // the system's words for a file that is gone or cannot be opened
  TTask Task;      // filled when read
  std::string Cover;  // the file's picture, when the reader was asked for it
  bool Ok() const { return Outcome == TReadOutcome::Read; }
};

struct TReadRequest {
  QString Path;
  QString SubFolder;  // its folder under the folder it was added with ("" or "A/B/")
};

// Reads what a task needs to know of an input file: its audio stream's facts,
// length and tags, with the settings' encoder defaults and its output name. It
// keeps no state and writes nothing but its result, so any number may run at once.
class TTaskReader {
 public:
  // `settings` are the defaults and naming of the adding this reading belongs to,
  // fixed when it starts; `nameOutput` gives the task its output name (unnumbered:
  // the list numbers it when the task joins); `withCover` also gives the picture (a
  // list of thousands does without: a conversion reads it when it writes the tags).
  explicit TTaskReader(const TDefaultSettings& settings, bool nameOutput = true, bool withCover = false);

  // `subFolder`: the file's folder under the folder it was added with ("" or "A/B/").
  TReadResult Read(const QString& path, const QString& subFolder = QString()) const;

  // The words for a result that is not a task, as the message lists it: "path: why".
  static QString Describe(const TReadResult& result);

  // Takes out of `files` each MP3 that another of them writes, when names come from
  // the inputs' own (a folder converted beside its sources, added again, gives its
  // sources only). Gives how many it took out.
  static int LeaveOutOwnOutputs(std::vector<TReadRequest>& files, const TDefaultSettings& settings);

 private:
  TDefaultSettings Settings_;
  bool NameOutput_;
  bool WithCover_;
};
