#pragma once
#include <QString>
#include <cstdint>

// One input file to convert, with everything the conversion needs.
struct TTask {
  QString SrcFile;
  // The folder SrcFile was found in, relative to the folder the user added ("" or "A/B/");
  // "" for a file added on its own. Lets the output mirror the added tree.
  QString SubFolder;
  QString DstFile;
  bool HasAudio = false;
  std::int64_t Duration = 0;  // 100-ns units
  std::int32_t SrcSampleRate = 0;
  std::int32_t SrcChannels = 0;
  std::int32_t EstimatedSize = 0;  // kilobytes
  std::int32_t SampleRate = 0;
  std::int32_t BitsPerSample = 0;
  std::int32_t ChannelMode = 0;  // index into lang::ChannelModes
  std::int32_t BitRate = 0;
  std::int32_t VbrMinBitrate = 0;
  std::int32_t VbrMaxBitrate = 0;
  bool VBR = false;
  QString Title;
  QString Artist;
  QString Album;
  QString Comment;
  QString Genre;
  QString Year;
  // Carried from the input to the MP3 as they are; the wizard does not show them.
  QString Track, AlbumArtist, Disc, Composer;
  bool Checked = false;
};

inline constexpr int MaxTextLength = 255;

// The first `count` characters of `text`, never splitting a character.
QString CutText(const QString& text, int count = MaxTextLength);

// Cuts the six tag texts to their stored length; paths are never cut.
void CutTaskTexts(TTask& task);
