#include <gtest/gtest.h>

#include "Shard.h"
#include "TestSupport.h"

namespace {

TEST(Shard, ParsesKOfNAndNothingElse) {
  for (const char* good : {"1/1", "1/3", "3/3", "7/12", "01/2"}) EXPECT_TRUE(TShard::Parse(good).has_value()) << good;
  for (const char* bad : {"", "0/3", "4/3", "1/0", "0/0", "-1/2", "1/-2", "2", "1/", "/2", "1/2/3", "a/b", " 1/2",
                          "1/2 ", "1/2\n", "1.0/2", "1\xd9\xa0/2", "9999999999/9999999999", "1 / 2"})
    EXPECT_FALSE(TShard::Parse(QString::fromUtf8(bad)).has_value()) << bad;
}

// Every name falls in exactly one share of N, the shares come out near even, and
// a file's share is fixed: machines of other builds must agree on it.
TEST(Shard, SplitsALibraryIntoDisjointEvenShares) {
  QStringList names;
  for (int i = 0; i < 3000; ++i) names << QString("Artist %1/Album %2/%3 Track.wma").arg(i % 37).arg(i % 11).arg(i);
  for (int n = 1; n <= 5; ++n) {
    std::vector<TShard> shares;
    for (int k = 1; k <= n; ++k) shares.push_back(*TShard::Parse(QString("%1/%2").arg(k).arg(n)));
    std::vector<int> sizes(n);
    for (const QString& name : names) {
      int holders = 0;
      for (int k = 0; k < n; ++k)
        if (shares[k].Holds(name)) ++holders, ++sizes[k];
      ASSERT_EQ(holders, 1) << name.toStdString() << " of " << n;
    }
    for (int size : sizes) EXPECT_NEAR(size, 3000.0 / n, 3000.0 / n * 0.12) << n;
  }
  // The first 8 bytes of the SHA-1 of the path's UTF-8, big-endian, mod N, plus 1.
  const struct {
    const char* path;
    int of2, of3, of5, of8;
  } pins[] = {
      {"a.wma", 1, 2, 2, 3},          {"Band/First/01.wma", 2, 3, 1, 8}, {"Ünïcode/Ça va.flac", 2, 2, 5, 2},
      {"loose/one.wma", 1, 1, 2, 1}, {"Disc 10/t.ogg", 2, 1, 4, 2},
  };
  for (const auto& p : pins) {
    const QString path = QString::fromUtf8(p.path);
    EXPECT_TRUE(TShard::Parse(QString("%1/2").arg(p.of2))->Holds(path)) << p.path;
    EXPECT_TRUE(TShard::Parse(QString("%1/3").arg(p.of3))->Holds(path)) << p.path;
    EXPECT_TRUE(TShard::Parse(QString("%1/5").arg(p.of5))->Holds(path)) << p.path;
    EXPECT_TRUE(TShard::Parse(QString("%1/8").arg(p.of8))->Holds(path)) << p.path;
  }
}

}  // namespace
