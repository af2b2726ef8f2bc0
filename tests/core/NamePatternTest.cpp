#include <gtest/gtest.h>

#include "NamePattern.h"
#include "Task.h"
#include "TestSupport.h"

namespace {

TTask Song() {
  TTask t;
  t.SrcFile = "/music/in/Song One.wma";
  t.Artist = "Band";
  t.Album = "First";
  t.Title = "Opening";
  t.Track = "3/12";
  t.Year = "1999";
  t.SubFolder = "Band/First/";
  return t;
}

QString Expand(const QString& pattern, const TTask& task) {
  const TNamePattern p(pattern);
  EXPECT_EQ(p.Error(), "") << pattern.toStdString();
  return p.Expand(task);
}

// Fields with their fallbacks, numbers padded, folders from the pattern and {dir}.
TEST(NamePattern, FieldsFallBackAndMakeFolders) {
  TTask t = Song();
  EXPECT_EQ(Expand("{albumartist}/{album}/{track:02} {title}", t), "Band/First/03 Opening");
  EXPECT_EQ(Expand("{dir}/{filename} ({year})", t), "Band/First/Song One (1999)");
  EXPECT_EQ(Expand("{disc:2}-{track}", t), "00-3");
  t.AlbumArtist = "Various";
  t.Title.clear();
  t.Album = "  ";
  t.Artist.clear();
  t.SubFolder.clear();
  EXPECT_EQ(Expand("{albumartist}/{artist}/{album}/{genre}/{title}", t),
            "Various/Unknown Artist/Unknown Album/Unknown Genre/Song One");
  EXPECT_EQ(Expand("{dir}/{title}", t), "Song One");
  t.Track = "A1";
  EXPECT_EQ(Expand("{track:03}", t), "0A1");
}

// A value never makes folders or leaves the output folder, and keeps to names a
// FAT player takes; a long name is cut whole characters at a time.
TEST(NamePattern, ValuesAreMadeSafeNames) {
  TTask t = Song();
  t.Artist = "AC/DC";
  t.Album = "..";
  t.Title = "What? \"Live\": <1> | *2*\t. ";
  EXPECT_EQ(Expand("{artist}/{album}/{title}", t), "AC_DC/_/What_ _Live__ _1_ _ _2__");
  t.Title = QString(200, QChar(0x00E9)) + QString::fromUtf8("\xF0\x9F\x8E\xB5");  // 2-byte and 4-byte characters
  const QString name = Expand("{title}", t);
  EXPECT_LE(name.toUtf8().size(), 255 - 16);
  EXPECT_EQ(name.size(), (255 - 16) / 2);
  t.Title = QString(119, 'a') + QString::fromUtf8("\xF0\x9F\x8E\xB5") + QString(200, 'b');
  EXPECT_EQ(TNamePattern::CutToBytes(t.Title, 121), QString(119, 'a'));  // not half a character
  EXPECT_EQ(TNamePattern::CutToBytes(t.Title, 123), QString(119, 'a') + QString::fromUtf8("\xF0\x9F\x8E\xB5"));
}

// A value with nothing to show falls back as an empty one does; a name of dots loses every
// trailing one, so no part is "." or ".." (which would climb out of the output folder).
TEST(NamePattern, BlankAndDotValuesNeverMakeEmptyOrClimbingNames) {
  const struct {
    const char* title;
    const char* album;
    const char* name;
  } cases[] = {
      {"   ", "First", "First/Song One"},  // a title of spaces: the file's name
      {"\t \t", "First", "First/Song One"},
      {"Opening", ".", "_/Opening"},
      {"Opening", "..", "_/Opening"},
      {"Opening", "....", "_/Opening"},
      {"Opening", ". . .", "_/Opening"},
      {"Opening", "A...", "A/Opening"},
      {"....", "First", "First/_"},
  };
  for (const auto& c : cases) {
    TTask t = Song();
    t.Title = c.title;
    t.Album = c.album;
    EXPECT_EQ(Expand("{album}/{title}", t), QString(c.name)) << c.title << " | " << c.album;
  }
}

TEST(NamePattern, AWrongPatternSaysWhy) {
  EXPECT_NE(TNamePattern("{artst}").Error(), "");
  EXPECT_NE(TNamePattern("{title").Error(), "");
  EXPECT_NE(TNamePattern("title}").Error(), "");
  EXPECT_NE(TNamePattern("{title:02}").Error(), "");
  EXPECT_EQ(TNamePattern("{Track:2} {TITLE}").Error(), "");
}

}  // namespace
