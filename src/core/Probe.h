#pragma once
#include <QString>
#include <string>
#include <cstdint>

// Tag texts found in a file; a null text is absent.
struct TMediaTags {
  QString Title, Artist, Album, Year, Comment, Genre;
  QString AltComment;  // used when Comment is absent
  QString AltArtist;   // used when Artist is absent
  std::int32_t Track = 0;
  QString TrackText;   // as the file gives it ("3/12")
  QString AlbumArtist, Disc, Composer;
};

enum TProbeResult : std::int32_t { prPending = -1, prRead = 0, prUnreadable = 1, prNoAudio = 2 };

// Reads ProbeFileName into CurrentTask (only when it can be used), naming its
// output when AutoNameOutput is set; stores ProbeResult, then sets ProbeFinished.
void ProbeInputFile();
// Called first by every probe; lets a test stand in for a slow disk.
extern void (*ProbeStartHook)();
void ReadMediaTags(const QString& path, TMediaTags& tags);
// The file's picture: its attached picture, or else its first embedded image;
// empty when it has none.
std::string ReadCoverPicture(const QString& path);
// The ID3v1 tag at the end of a file, if it has one.
bool ReadId3v1(const QString& path, TMediaTags& tags);
