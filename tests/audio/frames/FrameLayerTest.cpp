// The frame layer on frames built bit by bit here: headers and side information,
// the reader that takes a stream apart, the joiner that lays frames anew, and the
// tag frame's counts and check sums.

#include <gtest/gtest.h>
#include <cstring>
#include <random>
#include <stdexcept>

#include "FrameBits.h"
#include "FrameJoiner.h"
#include "FrameReader.h"
#include "LameTag.h"
#include "MP3Frame.h"

using namespace framebits;

namespace {

std::vector<std::uint8_t> RandomBytes(std::size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(gen());
  return b;
}

// Granules whose lengths in bits add up to `bytes` of main data, the last byte
// only partly used.
std::vector<Granule> GranulesFor(int bytes, int count, const std::vector<int>& blockTypes = {}) {
  std::vector<Granule> g(count);
  const int bits = bytes > 0 ? 8 * bytes - 5 : 0;
  for (int i = 0; i < count; ++i) {
    g[i].part23 = bits / count + (i == count - 1 ? bits % count : 0);
    if (i < int(blockTypes.size())) g[i].blockType = blockTypes[i];
  }
  return g;
}

TMP3Frame MakeFrame(const HeaderFields& h, int mainBytes, unsigned seed, int begin = 0,
                    const std::vector<int>& blockTypes = {}) {
  TMP3Frame f;
  f.Header = MakeHeader(h);
  const Frame info = *ReadFrame(f.Header.data());
  f.Side = MakeSide(info.mpeg1, info.channels,
                    {begin, GranulesFor(mainBytes, (info.mpeg1 ? 2 : 1) * info.channels, blockTypes)});
  f.Main = RandomBytes(mainBytes, seed);
  f.MainDataBegin = begin;
  return f;
}

// A stream of frames and the main data of each, taken apart by hand.
struct Parsed {
  std::vector<Frame> frames;
  std::vector<Side> sides;
  std::vector<std::vector<std::uint8_t>> headers, mains;
  std::vector<bool> crcHolds;
};

Parsed Parse(const std::vector<std::uint8_t>& s) {
  Parsed out;
  std::vector<std::uint8_t> areas;
  for (std::size_t at = 0; at + 4 <= s.size();) {
    const std::optional<Frame> f = ReadFrame(&s[at]);
    if (!f || at + f->bytes > s.size()) {
      ADD_FAILURE() << "no frame at byte " << at;
      break;
    }
    const std::uint8_t* side = &s[at + 4 + (f->crc ? 2 : 0)];
    const Side sd = ReadSide(f->mpeg1, f->channels, side);
    if (f->crc) {
      std::vector<std::uint8_t> covered{s[at + 2], s[at + 3]};
      covered.insert(covered.end(), side, side + f->sideBytes);
      out.crcHolds.push_back(FrameCrc(covered) == ((s[at + 4] << 8) | s[at + 5]));
    }
    long long bits = 0;
    for (const Granule& g : sd.granules) bits += g.part23;
    const std::size_t length = static_cast<std::size_t>((bits + 7) / 8);
    const std::size_t from = areas.size() - std::min<std::size_t>(sd.mainDataBegin, areas.size());
    areas.insert(areas.end(), s.begin() + at + f->HeadBytes(), s.begin() + at + f->bytes);
    if (from + length > areas.size()) ADD_FAILURE() << "frame " << out.frames.size() << ": its data runs past its frame";
    out.mains.emplace_back(areas.begin() + from, areas.begin() + std::min(from + length, areas.size()));
    out.headers.emplace_back(s.begin() + at, s.begin() + at + 4);
    out.frames.push_back(*f);
    out.sides.push_back(sd);
    at += f->bytes;
  }
  return out;
}

}  // namespace

// Headers of every version, padded, protected, of every channel mode, and those a
// reader must refuse; and the side information the joiner works from.
TEST(FrameLayer, HeadersAndSideInformation) {
  struct HeaderCase {
    HeaderFields h;
    int rate, channels, bytes, sideBytes, headBytes, maxBegin;
  };
  const HeaderCase good[] = {
      {{.version = Mpeg1, .bitRateIndex = 9, .rateIndex = 0}, 44100, 2, 417, 32, 36, 511},
      {{.version = Mpeg1, .bitRateIndex = 9, .rateIndex = 0, .padding = true}, 44100, 2, 418, 32, 36, 511},
      {{.version = Mpeg1, .bitRateIndex = 14, .rateIndex = 1, .crc = true, .mode = 3}, 48000, 1, 960, 17, 23, 511},
      {{.version = Mpeg1, .bitRateIndex = 1, .rateIndex = 2, .mode = 0}, 32000, 2, 144, 32, 36, 511},
      {{.version = Mpeg2, .bitRateIndex = 8, .rateIndex = 0}, 22050, 2, 208, 17, 21, 255},
      {{.version = Mpeg2, .bitRateIndex = 1, .rateIndex = 2, .padding = true, .crc = true, .mode = 3}, 16000, 1, 37, 9, 15, 255},
      {{.version = Mpeg25, .bitRateIndex = 1, .rateIndex = 2, .mode = 3}, 8000, 1, 72, 9, 13, 255},
      {{.version = Mpeg25, .bitRateIndex = 14, .rateIndex = 1, .padding = true, .mode = 2}, 12000, 2, 961, 17, 21, 255},
      {{.version = Mpeg25, .bitRateIndex = 4, .rateIndex = 0, .crc = true}, 11025, 2, 208, 17, 23, 255},
  };
  for (const HeaderCase& c : good) {
    const auto bytes = MakeHeader(c.h);
    SCOPED_TRACE(testing::Message() << "version " << c.h.version << ", index " << c.h.bitRateIndex << ", " << c.rate);
    const TMP3Frame::THeader h = TMP3Frame::ReadHeader(bytes.data());
    ASSERT_TRUE(h.Valid);
    EXPECT_EQ(h.Mpeg1, c.h.version == Mpeg1);
    EXPECT_EQ(h.Crc, c.h.crc);
    EXPECT_EQ(h.BitRateIndex, c.h.bitRateIndex);
    EXPECT_EQ(h.SampleRate, c.rate);
    EXPECT_EQ(h.Channels, c.channels);
    EXPECT_EQ(h.Padding, c.h.padding);
    EXPECT_EQ(h.Bytes, c.bytes);
    EXPECT_EQ(h.SideBytes, c.sideBytes);
    EXPECT_EQ(h.HeadBytes(), c.headBytes);
    EXPECT_EQ(h.MaxBegin(), c.maxBegin);
  }
  auto broken = [](HeaderFields h, std::uint8_t clearInSecond = 0) {
    auto b = MakeHeader(h);
    b[1] &= static_cast<std::uint8_t>(~clearInSecond);
    return b;
  };
  const std::array<std::uint8_t, 4> bad[] = {
      broken({.sync = 0xFE}),        broken({}, 0x20),               // the sync
      broken({.version = 1}),                                         // reserved version
      broken({.layer = 2}),          broken({.layer = 3}), broken({.layer = 0}),  // Layers II, I, reserved
      broken({.bitRateIndex = 0}),   broken({.bitRateIndex = 15}),    // free format, reserved
      broken({.rateIndex = 3}),      broken({.version = Mpeg25, .rateIndex = 3}),
  };
  for (const auto& b : bad) EXPECT_FALSE(TMP3Frame::ReadHeader(b.data()).Valid) << int(b[0]) << " " << int(b[1]) << " " << int(b[2]);

  struct SideCase {
    HeaderFields h;
    Side side;
    std::size_t mainBytes;
    std::array<bool, 2> opens, closes;
  };
  const SideCase sides[] = {
      // MPEG-1 stereo: a granule per channel, twice; the begin spans two bytes.
      {{.version = Mpeg1},
       {0x1A5, {{1000, 0}, {2001, 3}, {7, 1}, {4095, 2}}},
       888,  // 7103 bits
       {false, true},
       {true, true}},
      {{.version = Mpeg1, .crc = true, .mode = 3}, {511, {{8, 2}, {16, 0}}}, 3, {true, true}, {false, false}},
      {{.version = Mpeg2, .rateIndex = 1}, {255, {{800, 1}, {9, 3}}}, 102, {false, true}, {true, false}},
      {{.version = Mpeg25, .bitRateIndex = 5, .mode = 3}, {17, {{4095, 2}}}, 512, {true, true}, {true, true}},
      {{.version = Mpeg2, .bitRateIndex = 5, .mode = 3}, {0, {{0, 0}}}, 0, {false, false}, {false, false}},
  };
  for (const SideCase& c : sides) {
    SCOPED_TRACE(testing::Message() << "version " << c.h.version << ", begin " << c.side.mainDataBegin);
    TMP3Frame f;
    f.Header = MakeHeader(c.h);
    const TMP3Frame::THeader h = TMP3Frame::ReadHeader(f.Header.data());
    f.Side = MakeSide(h.Mpeg1, h.Channels, c.side);
    ASSERT_EQ(int(f.Side.size()), h.SideBytes);
    EXPECT_EQ(f.ReadSide(), c.mainBytes);
    EXPECT_EQ(f.MainDataBegin, c.side.mainDataBegin);
    EXPECT_EQ(f.OpensShort, c.opens);
    EXPECT_EQ(f.ClosesShort, c.closes);
  }
}

// A stream handed over in pieces, cut anywhere, gives the frames it gives whole:
// main data gathered from as far back as the reservoir reaches, past stuffing,
// through protected and padded frames. A blank tag frame in front is passed over;
// bytes that are no frame end the stream with an error after the frames before.
TEST(FrameLayer, TheReaderGivesTheSameFramesWhereverTheStreamIsCut) {
  struct Laid {
    bool crc, padding;
    int begin, main;
    std::vector<int> blockTypes;
  };
  // Mono MPEG-1 at 32 kbps: 104 bytes, 83 of them for main data (81 protected).
  const Laid laid[] = {
      {false, false, 0, 50, {0, 1}},
      {false, false, 20, 100, {2, 2}},   // 13 bytes of stuffing before it
      {true, false, 3, 84, {3, 0}},      // fills its frame to the end
      {false, false, 0, 0, {}},
      {false, false, 0, 0, {}},
      {false, false, 166, 216, {}},      // from three areas back into its own
      {false, true, 33, 117, {}},
      {false, false, 0, 0, {}}, {false, false, 0, 0, {}}, {false, false, 0, 0, {}}, {false, false, 0, 0, {}},
      {false, false, 0, 0, {}}, {false, false, 0, 0, {}}, {false, false, 0, 0, {}},
      {false, false, 511, 594, {1, 2}},  // as far back as a begin reaches, seven areas
  };
  std::vector<std::uint8_t> stream, areas;
  std::vector<TMP3Frame> expected;
  for (const Laid& s : laid) {
    TMP3Frame f = MakeFrame({.bitRateIndex = 1, .padding = s.padding, .crc = s.crc, .mode = 3}, s.main,
                            unsigned(expected.size()), s.begin, s.blockTypes);
    const Frame info = *ReadFrame(f.Header.data());
    std::vector<std::uint8_t> area(info.bytes - info.HeadBytes(), 0xAA);
    // The data goes `begin` bytes back from the frame's own area.
    const std::size_t from = areas.size() - s.begin;
    areas.insert(areas.end(), area.begin(), area.end());
    ASSERT_LE(from + f.Main.size(), areas.size());
    std::copy(f.Main.begin(), f.Main.end(), areas.begin() + from);
    f.ReadSide();
    expected.push_back(f);
  }
  for (std::size_t i = 0, at = 0; i < expected.size(); ++i) {
    const Frame info = *ReadFrame(expected[i].Header.data());
    stream.insert(stream.end(), expected[i].Header.begin(), expected[i].Header.end());
    if (info.crc) stream.insert(stream.end(), {0x12, 0x34});
    stream.insert(stream.end(), expected[i].Side.begin(), expected[i].Side.end());
    const std::size_t area = info.bytes - info.HeadBytes();
    stream.insert(stream.end(), areas.begin() + at, areas.begin() + at + area);
    at += area;
  }
  ASSERT_EQ(stream.size(), 104u * 15 + 1);

  std::vector<std::uint8_t> blank(104, 0);
  const auto blankHeader = MakeHeader({.bitRateIndex = 1, .mode = 3});
  std::copy(blankHeader.begin(), blankHeader.end(), blank.begin());
  const std::size_t junkAt = 3 * 104;  // after the third frame
  std::vector<std::uint8_t> junked(stream.begin(), stream.begin() + junkAt);
  for (char c : std::string("junk")) junked.push_back(std::uint8_t(c));
  junked.insert(junked.end(), stream.begin() + junkAt, stream.end());

  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool blankFirst;
    std::size_t frames;
    bool fails;
  };
  std::vector<std::uint8_t> withBlank = blank;
  withBlank.insert(withBlank.end(), stream.begin(), stream.end());
  const Case cases[] = {
      {"plain", stream, false, expected.size(), false},
      {"blank tag frame first", withBlank, true, expected.size(), false},
      {"junk after three frames", junked, false, 3, true},
  };
  auto same = [](const TMP3Frame& a, const TMP3Frame& b) {
    return a.Header == b.Header && a.Side == b.Side && a.Main == b.Main && a.MainDataBegin == b.MainDataBegin &&
           a.OpensShort == b.OpensShort && a.ClosesShort == b.ClosesShort;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Cut once at every byte, and fed a byte at a time (cut everywhere).
    for (std::size_t cut = 0; cut <= c.bytes.size() + 1; ++cut) {
      TFrameReader reader;
      if (c.blankFirst) reader.SkipBlankFirst();
      std::vector<TMP3Frame> got;
      bool failed = false;
      try {
        if (cut <= c.bytes.size()) {
          reader.Add(c.bytes.data(), cut);
          reader.Take(false, got);
          reader.Add(c.bytes.data() + cut, c.bytes.size() - cut);
        } else {
          for (std::uint8_t b : c.bytes) {
            reader.Add(&b, 1);
            reader.Take(false, got);
          }
        }
        reader.Take(true, got);
      } catch (const std::runtime_error&) {
        failed = true;
      }
      SCOPED_TRACE(cut);
      EXPECT_EQ(failed, c.fails);
      ASSERT_EQ(got.size(), c.frames);
      for (std::size_t i = 0; i < got.size(); ++i) EXPECT_TRUE(same(got[i], expected[i])) << "frame " << i;
      if (c.blankFirst) {
        EXPECT_EQ(reader.Skipped(), blank);
      }
    }
  }
}

// Each frame's data is laid as far back as the reservoir allows and its side
// information says where; a frame whose data does not fit grows by padding (or,
// with variable rate, by bit rate) or is refused with nothing changed. Every
// frame's data comes back out of the joined stream intact.
TEST(FrameLayer, TheJoinerLaysTheReservoirAnew) {
  struct Step {
    int main;
    int index = 0;        // the bit-rate index it is laid with; 0 its own
    bool padded = false;  // padding added
    bool refused = false;
  };
  struct Case {
    const char* name;
    HeaderFields h;
    int maxIndex;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      // MPEG-1 stereo, 32 kbps: 68 bytes of room a frame, 69 padded.
      {"constant rate",
       {.bitRateIndex = 1},
       0,
       {{0}, {100}, {104}, {69, 0, true}, {70, 0, false, true}, {68}, {0}}},
      // Up to 48 kbps: 94 and 120 bytes at 40 and 48 kbps.
      {"variable rate",
       {.bitRateIndex = 1},
       3,
       {{0}, {200, 0, false, true}, {180, 3}, {103, 2, true}, {0}}},
      // 320 kbps at 48 kHz, protected: 922 bytes of room, but 511 reach back.
      {"MPEG-1 reach", {.bitRateIndex = 14, .rateIndex = 1, .crc = true}, 0, {{0}, {1433}, {300}, {1134}, {1221}, {0}}},
      // MPEG-2 mono at 16 kHz and 32 kbps, protected: 129 bytes of room, 255 reach back.
      {"MPEG-2 reach",
       {.version = Mpeg2, .bitRateIndex = 4, .rateIndex = 2, .crc = true, .mode = 3},
       0,
       {{0}, {0}, {384}, {100}, {159, 0, true}, {131, 0, false, true}, {0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TFrameJoiner joiner(c.maxIndex);
    std::vector<std::uint8_t> out;
    std::vector<TMP3Frame> laid;
    std::vector<int> begins;
    std::vector<Step> laidSteps;
    const int maxBegin = c.h.version == Mpeg1 ? 511 : 255;
    int room = 0;
    long long bytes = 0;
    for (const Step& s : c.steps) {
      SCOPED_TRACE(testing::Message() << "step " << laid.size() << ", " << s.main << " bytes");
      // The begin it came with is its own stream's: the joiner must replace it.
      const TMP3Frame f = MakeFrame(c.h, s.main, unsigned(100 + laid.size()), c.h.version == Mpeg1 ? 0x155 : 0x55);
      ASSERT_EQ(joiner.Room(), room);
      ASSERT_EQ(joiner.Append(f), !s.refused);
      joiner.TakeFinished(out);
      if (s.refused) continue;
      EXPECT_EQ(joiner.LastKeptSize(), !s.index && !s.padded);
      HeaderFields grown = c.h;
      if (s.index) grown.bitRateIndex = s.index;
      grown.padding = s.padded;
      const Frame size = *ReadFrame(MakeHeader(grown).data());
      begins.push_back(room);
      room = std::min(maxBegin, room + size.bytes - size.HeadBytes() - s.main);
      bytes += size.bytes;
      laid.push_back(f);
      laidSteps.push_back(s);
    }
    EXPECT_EQ(joiner.Frames(), static_cast<long long>(laid.size()));
    joiner.TakeFinished(out, true);
    EXPECT_EQ(static_cast<long long>(out.size()), bytes);

    const Parsed p = Parse(out);
    ASSERT_EQ(p.frames.size(), laid.size());
    for (std::size_t i = 0; i < laid.size(); ++i) {
      SCOPED_TRACE(i);
      const Step& s = laidSteps[i];
      EXPECT_EQ(p.frames[i].bitRateIndex, s.index ? s.index : c.h.bitRateIndex);
      EXPECT_EQ(p.frames[i].padding, s.padded);
      EXPECT_EQ(p.sides[i].mainDataBegin, begins[i]);
      const Side given = ReadSide(p.frames[i].mpeg1, p.frames[i].channels, laid[i].Side.data());
      for (std::size_t g = 0; g < given.granules.size(); ++g) EXPECT_EQ(p.sides[i].granules[g].part23, given.granules[g].part23);
      EXPECT_EQ(p.mains[i], laid[i].Main);
      if (c.h.crc) {
        EXPECT_TRUE(p.crcHolds[i]);
      }
    }
  }
}

// The tag frame's counts, music length, delay and padding, and both check sums,
// against values worked out here; the check sum runs on across pieces as the
// stream is written in pieces.
TEST(FrameLayer, TheTagFrameCountsAndChecksTheStream) {
  struct Case {
    HeaderFields h;
    std::uint32_t flags;  // frames, bytes, table of contents, quality
  };
  const Case cases[] = {
      {{.bitRateIndex = 9}, 0x0F},                  // 417 bytes, the tag at 36
      {{.bitRateIndex = 5, .mode = 3}, 0x03},       // mono: the tag at 21, no table
      {{.version = Mpeg2, .bitRateIndex = 8}, 0x07},  // MPEG-2: at 21, 576 samples a frame
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "flags " << c.flags);
    const auto header = MakeHeader(c.h);
    const Frame info = *ReadFrame(header.data());
    std::vector<std::uint8_t> frame(info.bytes, 0);
    std::copy(header.begin(), header.end(), frame.begin());
    const std::size_t x = 4 + info.sideBytes;
    std::memcpy(&frame[x], "Info", 4);
    frame[x + 7] = static_cast<std::uint8_t>(c.flags);
    const std::size_t lame = x + 8 + (c.flags & 1 ? 4 : 0) + (c.flags & 2 ? 4 : 0) + (c.flags & 4 ? 100 : 0) +
                             (c.flags & 8 ? 4 : 0);
    std::memcpy(&frame[lame], "LAME3.100", 9);
    ASSERT_TRUE(TMP3Frame::IsTagFrame(frame.data(), frame.size()));
    ASSERT_EQ(std::size_t(TMP3Frame::TagOffset(frame.data())), x);

    // The audio, written in pieces of odd sizes.
    const std::vector<std::uint8_t> audio = RandomBytes(9001, 7);
    std::uint16_t music = 0;
    for (std::size_t at = 0, n = 1; at < audio.size(); at += n, n = n * 3 + 1)
      music = TLameTag::Crc(audio.data() + at, std::min(n, audio.size() - at), music);
    ASSERT_EQ(music, TagCrc(audio.data(), audio.size()));

    TLameTag::TStream s;
    s.Frames = 23;
    s.AudioBytes = static_cast<long long>(audio.size());
    for (int i = 0; i < s.Frames; ++i) s.FrameOffsets.push_back(static_cast<std::uint32_t>(i * audio.size() / s.Frames));
    s.FrameSamples = info.mpeg1 ? 1152 : 576;
    s.Delay = 576;
    s.Samples = s.Frames * s.FrameSamples - 576 - 1000;
    s.MusicCrc = music;
    TLameTag::Complete(frame, s);

    auto be = [&](std::size_t at, int n) {
      long long v = 0;
      for (int i = 0; i < n; ++i) v = (v << 8) | frame[at + i];
      return v;
    };
    const long long total = static_cast<long long>(frame.size() + audio.size());
    std::size_t at = x + 8;
    if (c.flags & 1) {
      EXPECT_EQ(be(at, 4), s.Frames);
      at += 4;
    }
    if (c.flags & 2) {
      EXPECT_EQ(be(at, 4), total);
      at += 4;
    }
    if (c.flags & 4) {
      EXPECT_EQ(frame[at], frame.size() * 256 / total);  // the first audio frame
      for (int i = 1; i < 100; ++i) EXPECT_GE(frame[at + i], frame[at + i - 1]);
    }
    EXPECT_EQ(std::memcmp(&frame[lame], "LAME3.100", 9), 0);
    EXPECT_EQ(be(lame + 21, 3), (576 << 12) | 1000);  // delay and padding, 12 bits each
    EXPECT_EQ(be(lame + 28, 4), total);
    EXPECT_EQ(be(lame + 32, 2), TagCrc(audio.data(), audio.size()));
    EXPECT_EQ(be(lame + 34, 2), TagCrc(frame.data(), lame + 34));
    if (c.flags == 0x0F) {
      EXPECT_EQ(lame + 34, 190u);  // the tag's check sum covers the first 190 bytes
    }
  }
}
