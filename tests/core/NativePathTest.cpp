#include <QStringDecoder>
#include <gtest/gtest.h>
#include <random>

#include "NativePath.h"
#include "TestSupport.h"  // PrintTo for QString

namespace {

// Each of `bytes` as a kept byte.
QString Kept(const char* bytes) {
  QString out;
  for (const char* p = bytes; *p; ++p) out += QChar(char16_t(0xDC00 + quint8(*p)));
  return out;
}

bool ValidUtf8(const QByteArray& bytes) {
  QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString ignored = strict.decode(bytes);
  return !strict.hasError();
}

// A name's bytes, what it is held as, and how it is shown.
TEST(NativePath, DecodesKeepsAndShowsNames) {
  const struct {
    const char* bytes;
    QString held, shown;
  } cases[] = {
      {"Bj\xc3\xb6rk \xf0\x9f\x8e\xb5", QString("Björk 🎵"), QString("Björk 🎵")},  // valid UTF-8 stays as it is
      {"Bj\xf6rk/Caf\xe9", "Bj" + Kept("\xf6") + "rk/Caf" + Kept("\xe9"), QString("Björk/Café")},
      {"abc\xe2\x82", "abc" + Kept("\xe2\x82"), QString("abcâ‚")},  // cut short at the end
      {"\xe2\x82x", Kept("\xe2\x82") + "x", QString("â‚x")},        // cut short inside
      {"\x80\x81\x8d\x8f\x90\x9d\x85\x99\x9f", Kept("\x80\x81\x8d\x8f\x90\x9d\x85\x99\x9f"), QString("€_____…™Ÿ")},
      {"\xc0\xaf", Kept("\xc0\xaf"), QString("À¯")},                   // overlong "/"
      {"\xe0\x80\xaf", Kept("\xe0\x80\xaf"), QString("à€¯")},         // overlong, 3 bytes
      {"\xed\xa0\x80", Kept("\xed\xa0\x80"), QString("í\u00A0€")},    // an encoded surrogate
      {"\xf4\x90\x80\x80", Kept("\xf4\x90\x80\x80"), "ô_€€"},         // past U+10FFFF
      // U+10080's low surrogate is U+DC80: a character, not a kept byte.
      {"\xf0\x90\x82\x80\xf6", QString("\U00010080") + Kept("\xf6"), QString("\U00010080ö")},
  };
  for (const auto& c : cases) {
    const QByteArray bytes(c.bytes);
    const QString held = PathFromNative(bytes);
    EXPECT_EQ(held, c.held) << c.bytes;
    EXPECT_EQ(NativePath(held), bytes) << c.bytes;
    EXPECT_EQ(ReadableName(held), c.shown) << c.bytes;
  }
  // A lone surrogate that is no kept byte cannot have come from a name; it is still shown and written validly.
  const QString stray = QString("a") + QChar(char16_t(0xD800)) + "b" + QChar(char16_t(0xDC41));
  EXPECT_EQ(ReadableName(stray), QString("a\uFFFDb\uFFFD"));
  EXPECT_EQ(NativePath(stray), "a\xef\xbf\xbd" "b\xef\xbf\xbd");
}

TEST(NativePath, AnyBytesComeBackExactly) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> length(0, 24), byte(1, 255), high(0x80, 0xFF), pick(0, 3);
  for (int n = 0; n < 5000; ++n) {
    QByteArray bytes;
    for (int i = length(random); i > 0; --i) bytes += char(pick(random) == 0 ? byte(random) : high(random));
    const QString held = PathFromNative(bytes);
    ASSERT_EQ(NativePath(held), bytes) << bytes.toHex().constData();
    ASSERT_TRUE(ValidUtf8(ReadableName(held).toUtf8())) << bytes.toHex().constData();
    // Whatever was valid UTF-8 is taken as it is, and shown unchanged.
    if (ValidUtf8(bytes)) {
      ASSERT_EQ(ReadableName(held), QString::fromUtf8(bytes)) << bytes.toHex().constData();
    }
  }
}

}  // namespace
