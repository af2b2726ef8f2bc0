#pragma once
#include <QString>
#include <QtGlobal>

// How one file of a run ended.
enum class TJobOutcome {
  Converted,   // the MP3 is complete
  EndedEarly,  // the MP3 is complete, but the input's audio ended before its stated length (Shortfall)
  Failed,      // no MP3 was made, or the one made does not play to its end; Failure says why
  Cancelled,   // the run was cancelled while it ran: the MP3 holds the audio so far
  Discarded,   // the run was ended at once: nothing was kept
  Skipped,     // a complete output not older than the input was there already and left alone
};

struct TConvertResult {
  TJobOutcome Outcome = TJobOutcome::Converted;
  QString Failure;         // why no MP3 was made; empty when it was
  QString Shortfall;       // the MP3 was made but holds less than the input states
  int SkippedPackets = 0;  // damaged stretches passed over
  QString Note;            // what was left out of the MP3 (a cover picture), for the user
  qint64 Written = 0;      // audio delivered to the encoder, in 100-ns units
  qint64 Length = 0;       // the input's length in 100-ns units; 0 when unknown
  QString Output;          // the MP3's name
  qint64 EncodedSamples = 0;  // per channel at the MP3's rate, as encoded; 0 when no MP3 was made
  // With TrashSources: the input's path when it went to the trash, or why it stayed
  // where it was (the file still counts as converted).
  QString Trashed;
  QString NotTrashed;
  // With Failure: the system's reason when the output's disk is full, over its
  // quota or read-only, so that the files after this one would fail the same way.
  QString OutputRefused;

  // What keeps the file from counting as converted; empty when nothing does.
  QString Problem() const { return Failure.isEmpty() ? Shortfall : Failure; }
};
