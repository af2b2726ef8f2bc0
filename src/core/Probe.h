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

struct AVFormatContext;

// The tag texts of a file, from its container (and its ID3v1 tag for RealMedia).
void ReadMediaTags(const QString& path, TMediaTags& tags);
// The same from a file the caller has open already.
void ReadMediaTags(const QString& path, const AVFormatContext* fmt, TMediaTags& tags);
// The file's picture: its attached picture, or else its first embedded image;
// empty when it has none.
std::string ReadCoverPicture(const QString& path);
// The same from a file the caller has open; it may read packets, so it comes last.
std::string ReadCoverPicture(AVFormatContext* fmt);
// The ID3v1 tag at the end of a file, if it has one.
bool ReadId3v1(const QString& path, TMediaTags& tags);
