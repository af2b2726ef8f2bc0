#include "ReplayGainTag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

void PutSyncSafe(std::uint8_t* p, std::size_t v) {
  for (int i = 3; i >= 0; --i, v >>= 7) p[i] = static_cast<std::uint8_t>(v & 0x7f);
}

// Fixed-point text the same in every locale.
std::string Fixed(double v, int decimals) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, decimals).ptr;
  return std::string(text, end);
}

void AddTextFrame(std::vector<std::uint8_t>& out, const std::string& name, const std::string& value) {
  // Latin-1 text: the description, its terminator, the value.
  const std::size_t size = 1 + name.size() + 1 + value.size();
  const std::uint8_t head[10] = {'T', 'X', 'X', 'X', 0, 0, 0, 0, 0, 0};
  out.insert(out.end(), head, head + 10);
  // Small enough that both versions of the size field read the same.
  PutSyncSafe(out.data() + out.size() - 6, size);
  out.push_back(0);
  out.insert(out.end(), name.begin(), name.end());
  out.push_back(0);
  out.insert(out.end(), value.begin(), value.end());
}

}  // namespace

long TReplayGainTag::FrameSize(const std::uint8_t* p, int version) {
  if (version == 4) {
    if ((p[0] | p[1] | p[2] | p[3]) & 0x80) return -1;
    return (long(p[0]) << 21) | (long(p[1]) << 14) | (long(p[2]) << 7) | long(p[3]);
  }
  return (long(p[0]) << 24) | (long(p[1]) << 16) | (long(p[2]) << 8) | long(p[3]);
}

std::string TReplayGainTag::GainText(double gain) {
  // Rounded first, so that a gain just below zero does not read "-0.00".
  const double rounded = std::round(gain * 100) / 100;
  return (rounded >= 0 ? "+" : "") + Fixed(rounded == 0 ? 0.0 : rounded, 2) + " dB";
}

std::string TReplayGainTag::PeakText(double peak) { return Fixed(peak, 6); }

std::vector<std::uint8_t> TReplayGainTag::Frames(const char* kind, double gain, double peak) {
  std::vector<std::uint8_t> out;
  const std::string prefix = std::string("REPLAYGAIN_") + kind;
  AddTextFrame(out, prefix + "_GAIN", GainText(gain));
  AddTextFrame(out, prefix + "_PEAK", PeakText(peak));
  return out;
}

std::vector<std::uint8_t> TReplayGainTag::Reserve(const std::vector<std::uint8_t>& tag) {
  auto read = [&tag](long at, std::uint8_t* into, int count) {
    if (at < 0 || std::size_t(at) + std::size_t(count) > tag.size()) return false;
    std::memcpy(into, tag.data() + at, std::size_t(count));
    return true;
  };
  std::vector<std::uint8_t> out;
  if (tag.empty()) {
    out = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0};
  } else {
    const TLayout layout = LayoutOf(read);
    if (!layout.PaddingAt || std::size_t(layout.End) > tag.size()) return tag;
    out.assign(tag.begin(), tag.begin() + layout.PaddingAt);
  }
  const std::size_t frames = out.size();
  out.resize(std::max(frames + Room, tag.size()), 0);
  PutSyncSafe(out.data() + 6, out.size() - 10);
  return out;
}

bool TReplayGainTag::Fill(std::vector<std::uint8_t>& tag, const std::vector<std::uint8_t>& frames) {
  auto read = [&tag](long at, std::uint8_t* into, int count) {
    if (at < 0 || std::size_t(at) + std::size_t(count) > tag.size()) return false;
    std::memcpy(into, tag.data() + at, std::size_t(count));
    return true;
  };
  const TLayout layout = LayoutOf(read);
  if (!layout.PaddingAt || std::size_t(layout.End) > tag.size() ||
      std::size_t(layout.End - layout.PaddingAt) < frames.size())
    return false;
  std::copy(frames.begin(), frames.end(), tag.begin() + layout.PaddingAt);
  return true;
}
