// The loudness of tones whose level is known from their amplitude alone, and the
// album gain of a run's files.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "AlbumGain.h"
#include "LoudnessMeter.h"

namespace {

// A 997 Hz sine, read at its own level by the meter: 20 log10(amplitude) LUFS
// over two channels, 3 dB less over one.
std::unique_ptr<TLoudnessMeter> Tone(double amplitude, int channels, TSampleFormat format, double seconds = 5.0) {
  constexpr int rate = 48000;
  auto meter = std::make_unique<TLoudnessMeter>(channels, rate);
  const int n = int(seconds * rate);
  std::vector<float> f(std::size_t(n) * channels);
  std::vector<short> s(f.size());
  for (int i = 0; i < n; ++i)
    for (int c = 0; c < channels; ++c) {
      const double v = amplitude * std::sin(2 * M_PI * 997.0 * i / rate);
      f[std::size_t(i) * channels + c] = float(v);
      s[std::size_t(i) * channels + c] = short(std::lround(v * 32767));
    }
  if (format == TSampleFormat::sfFloat32)
    meter->Add(f.data(), n, format);
  else
    meter->Add(s.data(), n, format);
  return meter;
}

// The gain the frames hold for `kind`, as a reader takes it from their text.
double GainIn(const std::vector<std::uint8_t>& frames, const std::string& kind) {
  const std::string bytes(frames.begin(), frames.end());
  const std::size_t at = bytes.find("REPLAYGAIN_" + kind + "_GAIN");
  if (at == std::string::npos) return NAN;
  const std::size_t text = bytes.find_first_of("-+0123456789", at + 16 + kind.size());
  return std::stod(bytes.substr(text, 12));
}

}  // namespace

TEST(LoudnessTest, ToneAtAKnownLevelGetsTheGainThatBringsItToTheReference) {
  struct Case {
    double amplitude;
    int channels;
    TSampleFormat format;
    double gain;  // to -18 LUFS
  } cases[] = {
      {0.1, 2, TSampleFormat::sfInt16, 2.0},
      {0.5, 2, TSampleFormat::sfFloat32, -18 + 6.02},
      {0.5, 1, TSampleFormat::sfInt16, -18 + 9.03},
      {0.01, 1, TSampleFormat::sfFloat32, 22.0 + 3.01},
      {0.0, 2, TSampleFormat::sfInt16, 51.1},  // silence: as far as the field goes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.amplitude << " x " << c.channels);
    const auto meter = Tone(c.amplitude, c.channels, c.format);
    EXPECT_NEAR(TLoudnessMeter::GainOf(meter->Loudness()), c.gain, 0.1);
    EXPECT_NEAR(meter->Peak(), c.amplitude, 0.002);
  }
}

TEST(LoudnessTest, AlbumGainMeasuresTheFilesOfEachAlbumAsOne) {
  struct Track {
    const char *album, *albumArtist, *artist, *folder;
    double amplitude;  // 0: the file failed, unmeasured
  };
  struct Case {
    const char* name;
    std::vector<Track> tracks;
    std::vector<std::size_t> albums;  // the files each finished album carries, in the order they finish
    double gain;                      // of the first album
  } cases[] = {
      // One album artist, several artists: one album, heard as one.
      {"album artist", {{"A", "Various", "X", "/a", 0.1}, {"A", "Various", "Y", "/b", 0.2}}, {2}, -18 + 16.02},
      {"artist", {{"A", "", "X", "/a", 0.1}, {"A", "", "Y", "/a", 0.2}}, {1, 1}, 2.0},
      {"folder", {{"", "", "X", "/a", 0.1}, {"", "", "Y", "/a", 0.2}, {"", "", "Y", "/b", 0.2}}, {2, 1}, -18 + 16.02},
      {"left out", {{"A", "V", "X", "/a", 0.1}, {"A", "V", "Y", "/a", 0.0}}, {1}, 2.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAlbumGain albums;
    for (std::size_t i = 0; i < c.tracks.size(); ++i) {
      const Track& t = c.tracks[i];
      albums.Join(int(i), {t.album, t.albumArtist, t.artist, t.folder});
    }
    std::vector<TAlbumGain::TDone> done;
    for (std::size_t i = 0; i < c.tracks.size(); ++i) {
      const double a = c.tracks[i].amplitude;
      auto ended = albums.Ended(int(i), QString("out%1.mp3").arg(i),
                                a > 0 ? Tone(a, 2, TSampleFormat::sfInt16) : nullptr, QString("in%1").arg(i));
      if (ended) done.push_back(std::move(*ended));
    }
    ASSERT_EQ(done.size(), c.albums.size());
    for (std::size_t k = 0; k < done.size(); ++k) EXPECT_EQ(done[k].Measured.size(), c.albums[k]) << k;
    EXPECT_NEAR(GainIn(done[0].Frames, "ALBUM"), c.gain, 0.1);
    EXPECT_EQ(done[0].LeftOut.contains("in1"), std::string(c.name) == "left out");
  }
}
