#include <QLocale>
#include <gtest/gtest.h>
#include <stdexcept>

#include "DoString.h"

namespace {

QStringList Split(const QString& text, const QString& sep) {
  QStringList l;
  SplitString(text, sep, l);
  return l;
}

TEST(DoString, SplitKeepsEmptyPiecesAndServesLongTexts) {
  EXPECT_EQ(Split("a/b//c/", "/"), QStringList({"a", "b", "", "c", ""}));
  EXPECT_EQ(Split("", "/"), QStringList({""}));
  EXPECT_EQ(Split("2.5.0.1234", "."), QStringList({"2", "5", "0", "1234"}));
  const QString longText = QString(300, 'x') + "." + QString(300, 'y');
  EXPECT_EQ(Split(longText, "."), QStringList({QString(300, 'x'), QString(300, 'y')}));
}

TEST(DoString, ReplaceAllEndsEvenWhenTheReplacementHoldsTheSearch) {
  EXPECT_EQ(ReplaceAll("C:/a/b", "/", "\\"), "C:\\a\\b");
  EXPECT_EQ(ReplaceAll("plain", "/", "\\"), "plain");
  EXPECT_EQ(ReplaceAll("a/b", "/", "//"), "a//b");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("aab", "ab", "b"), "b");  // each round searches the new text again
  EXPECT_EQ(ReplaceAll("a//b", "//", "/"), "a/b");
}

TEST(DoString, TrimAndCopy) {
  EXPECT_EQ(TrimBlanks(" \t  \t"), "");
  EXPECT_EQ(TrimBlanks("\n x y\r"), "x y");
  EXPECT_EQ(CopyLeft("abc", 2), "ab");
  EXPECT_EQ(CopyLeft("abc", 10), "abc");
}

TEST(DoString, LeadingNumber) {
  EXPECT_EQ(LeadingNumber("320 kbps"), 320);
  EXPECT_EQ(LeadingNumber("8 kbps"), 8);
  EXPECT_EQ(LeadingNumber("44100 Hz"), 44100);
  EXPECT_THROW(LeadingNumber(""), std::invalid_argument);
  EXPECT_THROW(LeadingNumber("kbps"), std::invalid_argument);
  EXPECT_THROW(LeadingNumber("99999999999 kbps"), std::invalid_argument);
}

TEST(DoString, SizeTextRoundsHalfAwayFromZero) {
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(SizeText(4966), "4.85 M");
  EXPECT_EQ(SizeText(3200), "3.13 M");
  EXPECT_EQ(SizeText(0), "0.00 M");
  EXPECT_EQ(SizeText(1023), "1.00 M");
  EXPECT_EQ(SizeText(10), "0.01 M");
  QLocale::setDefault(QLocale(QLocale::German));
  EXPECT_EQ(SizeText(4966), "4,85 M");
  EXPECT_EQ(SizeText(1100000), "1074,22 M");  // never grouped
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(SizeText(1100000), "1074.22 M");
  QLocale::setDefault(QLocale::c());
}

TEST(DoString, TimeText) {
  EXPECT_EQ(TimeText(2009000000), "0:03:20.9");
  EXPECT_EQ(TimeText(36000000000), "1:00:00.0");
  EXPECT_EQ(TimeText(4500000000000), "125:00:00.0");
  EXPECT_EQ(TimeText(0), "0:00:00.0");
  EXPECT_EQ(TimeText(5999999), "0:00:00.5");
  EXPECT_EQ(TimeText(600000000), "0:01:00.0");
  EXPECT_EQ(TimeText(2054000000), "0:03:25.4");
  EXPECT_EQ(ClockText(650000000), "0:01:05");
  EXPECT_EQ(ClockText(std::int64_t{25} * 3600 * 10000000), "25:00:00");
}

}  // namespace
