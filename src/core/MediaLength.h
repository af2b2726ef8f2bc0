#pragma once
#include <QString>
#include <cstdint>

struct AVFormatContext;

// Lengths in 100-ns units.

// The length the file itself states in its header (ASF play duration, WAV data
// chunk, FLAC sample count, MP3 frame count); -1 when it states none. A length
// the demuxer only guessed from the bit rate is not a stated one.
std::int64_t StatedDuration(const QString& path, const AVFormatContext* fmt);

// The length to show and to measure progress by: what the demuxer knows, else
// the stated length, else the packets of `stream` counted one by one (joined
// streams whose bit rate changes make any guess wrong). 0 when unknown.
std::int64_t MediaDuration(const QString& path, const AVFormatContext* fmt, int stream);
