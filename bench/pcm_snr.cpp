// Prints the signal-to-noise ratio of a decoded file against its source, both raw
// 32-bit float samples of the same layout: a plain figure, not a perceptual one,
// but a broken seam shows in it.
#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pcm_snr SOURCE.f32 DECODED.f32\n");
    return 2;
  }
  std::FILE* a = std::fopen(argv[1], "rb");
  std::FILE* b = std::fopen(argv[2], "rb");
  if (!a || !b) {
    std::perror("pcm_snr");
    return 1;
  }
  double signal = 0, noise = 0;
  long long n = 0;
  float x[4096], y[4096];
  for (;;) {
    const std::size_t got = std::fread(x, sizeof(float), 4096, a), also = std::fread(y, sizeof(float), got, b);
    for (std::size_t i = 0; i < also; ++i) {
      signal += double(x[i]) * x[i];
      noise += (double(x[i]) - y[i]) * (double(x[i]) - y[i]);
    }
    n += static_cast<long long>(also);
    if (also < 4096) break;
  }
  std::printf("%.3f dB over %lld samples\n", 10 * std::log10(signal / (noise > 0 ? noise : 1e-30)), n);
  return 0;
}
