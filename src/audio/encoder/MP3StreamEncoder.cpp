#include "MP3StreamEncoder.h"

#include "CoreBudget.h"

TMP3StreamEncoder::TMP3StreamEncoder() { TCoreBudget::Enter(); }

TMP3StreamEncoder::~TMP3StreamEncoder() { TCoreBudget::Leave(); }

void TMP3StreamEncoder::Clip(void* pcm, int samples, int channels, TSampleFormat format) {
  if (format != TSampleFormat::sfFloat32) return;
  auto* f = static_cast<float*>(pcm);
  for (long i = 0, n = long(samples) * channels; i < n; ++i)
    if (!(f[i] >= -1.0f && f[i] <= 1.0f)) f[i] = f[i] > 1.0f ? 1.0f : f[i] < -1.0f ? -1.0f : 0.0f;
}
