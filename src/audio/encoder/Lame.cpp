#include "Lame.h"

#include <cstdarg>
#include <cstdio>
#include <dlfcn.h>
#include <mutex>

#include "LibraryMessages.h"

bool LameLoaded = false;
void* LameModule = nullptr;
TLameApi Lame;
std::string LameLibraryName = "libmp3lame.so.0";

namespace {
std::mutex LoadMx;
int Holders = 0;

// The encoder calls these on the thread that encodes.
void Report(QtMsgType type, const char* format, va_list args) {
  char text[1024];
  if (std::vsnprintf(text, sizeof text, format, args) >= 0) LibraryMessage(type, text);
}
void ReportError(const char* format, va_list args) { Report(QtCriticalMsg, format, args); }
void ReportMessage(const char* format, va_list args) { Report(QtInfoMsg, format, args); }
void ReportDebug(const char* format, va_list args) { Report(QtDebugMsg, format, args); }

template <typename T>
void Resolve(T& slot, const char* name) {
  slot = reinterpret_cast<T>(::dlsym(LameModule, name));
}
}  // namespace

void LoadLame() {
  std::lock_guard l(LoadMx);
  if (LameLoaded) {
    ++Holders;
    return;
  }
  LameModule = ::dlopen(LameLibraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!LameModule) return;
  LameLoaded = true;
  Holders = 1;
#define BW_LAME_ENTRY(name) Resolve(Lame.name, #name);
#include "LameEntries.inc"
#undef BW_LAME_ENTRY
  // A library without every entry we call is as good as none.
  bool complete = true;
#define BW_LAME_ENTRY(name) complete = complete && Lame.name != nullptr;
#include "LameEntries.inc"
#undef BW_LAME_ENTRY
  if (!complete) {
    ::dlclose(LameModule);
    LameModule = nullptr;
    LameLoaded = false;
    Holders = 0;
    Lame = TLameApi{};
  }
}

void UnloadLame() {
  std::lock_guard l(LoadMx);
  if (!LameLoaded || --Holders > 0) return;
  LameLoaded = false;
  if (LameModule) ::dlclose(LameModule);
  LameModule = nullptr;
  Lame = TLameApi{};
}

void RouteLameMessages(lame_t context) {
  Lame.lame_set_errorf(context, ReportError);
  Lame.lame_set_msgf(context, ReportMessage);
  Lame.lame_set_debugf(context, ReportDebug);
}

bool beWriteInfoTag(lame_t context, FILE* file) {
  bool ok = false;
  if (file && std::fflush(file) == 0) {
    Lame.lame_mp3_tags_fid(context, file);
    ok = std::fflush(file) == 0 && !std::ferror(file) && std::fseek(file, 0, SEEK_END) == 0;
  }
  Lame.lame_close(context);
  return ok;
}

int EncodePcm(lame_t context, const void* pcm, int samples, int channels, TSampleFormat format, unsigned char* out,
              int outSize) {
  if (format == TSampleFormat::sfFloat32) {
    const auto* f = static_cast<const float*>(pcm);
    return channels == 2 ? Lame.lame_encode_buffer_interleaved_ieee_float(context, f, samples, out, outSize)
                         : Lame.lame_encode_buffer_ieee_float(context, f, f, samples, out, outSize);
  }
  // The encoder's interleaved call takes a non-const buffer but does not write it.
  auto* s = static_cast<short*>(const_cast<void*>(pcm));
  return channels == 2 ? Lame.lame_encode_buffer_interleaved(context, s, samples, out, outSize)
                       : Lame.lame_encode_buffer(context, s, s, samples, out, outSize);
}
