#pragma once
// The encoder library, loaded by file name at run time.

#include <cstdio>
#include <lame/lame.h>
#include <string>

#include "SampleFormat.h"

struct TLameApi {
#define BW_LAME_ENTRY(name) decltype(&::name) name = nullptr;
#include "LameEntries.inc"
#undef BW_LAME_ENTRY
};

extern bool LameLoaded;
extern void* LameModule;
extern TLameApi Lame;

// The file looked up; tests point it at a library that does not exist.
extern std::string LameLibraryName;

// Each sink loads on construction and unloads on destruction; the library stays
// loaded while any sink holds it.
void LoadLame();
void UnloadLame();

// Sends what the encoder made as `context` says to the libraries' log in place
// of standard error.
void RouteLameMessages(lame_t context);

// Writes the VBR header into the first frame of the finished file, open for
// reading and writing, and releases the context. Returns false when the file
// could not be updated.
bool beWriteInfoTag(lame_t context, FILE* file);

// Encodes `samples` samples per channel of interleaved PCM, mono or stereo, as the
// source delivers it. Float samples must already lie in -1..1. Returns what the
// encoder returns: bytes written to `out`, or a negative error.
int EncodePcm(lame_t context, const void* pcm, int samples, int channels, TSampleFormat format, unsigned char* out,
              int outSize);
