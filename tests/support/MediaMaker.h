#pragma once
// Makes the small input files the tests convert, through libavformat and libavcodec.

#include <QByteArray>
#include <QString>
#include <map>
#include <string>

struct ToneSpec {
  double Seconds = 2.0;
  int Rate = 44100;
  int Channels = 2;
  std::map<std::string, std::string> Tags;
};

// A Windows Media audio file (WMA version 2 in ASF).
bool MakeWma(const QString& path, const ToneSpec& tone, int bitRate = 128000);
// A WMA file made by MakeWma whose header then gains a DRM object: `which` 0 a
// Content Encryption Object, 1 an Extended Content Encryption Object, 2 an
// Advanced Content Encryption Object inside the header extension, 3 a PlayReady
// header. Its fields are dummies, so the audio still plays.
bool MakeProtectedWma(const QString& path, const ToneSpec& tone, int which = 0);
// An MP3 file (through the encoder FFmpeg links), with its Info frame, and the
// PNG picture `cover` when given.
bool MakeMp3(const QString& path, const ToneSpec& tone, int bitRate = 128000, const QByteArray& cover = {});
// A 24-bit FLAC file.
bool MakeFlac24(const QString& path, const ToneSpec& tone);
// An Opus file in Ogg; the rate must be 48000.
bool MakeOpus(const QString& path, const ToneSpec& tone);
// The first `fraction` of a file's bytes, as a cut download leaves it.
bool CutFile(const QString& from, const QString& to, double fraction);
// A WAV file with samples "u8", "s16" or "flt".
bool MakeWav(const QString& path, const ToneSpec& tone, const std::string& sampleFormat = "s16");
// A file with a short video stream and no audio.
bool MakeVideoOnly(const QString& path);
