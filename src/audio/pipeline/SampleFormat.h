#pragma once
#include <cstdint>

// How the bytes of a source's samples are to be read.
enum class TSampleFormat : std::uint8_t { sfInt16 = 0, sfFloat32 = 1 };

// Bytes of one sample of one channel.
constexpr int SampleBytes(TSampleFormat format) { return format == TSampleFormat::sfFloat32 ? 4 : 2; }
