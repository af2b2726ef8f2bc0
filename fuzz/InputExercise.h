#pragma once
#include <cstddef>
#include <cstdint>

// Runs one input through everything adding and converting it runs: the probe,
// the decoding source read to the end in its own block sizes, a seek and a
// loop, and the MP3 sink encoding into memory. Never throws.
void ExerciseInput(const std::uint8_t* data, std::size_t size);
