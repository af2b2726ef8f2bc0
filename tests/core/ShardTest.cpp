#include <gtest/gtest.h>

#include "NativePath.h"
#include "Shard.h"
#include "TestSupport.h"

namespace {

TEST(Shard, ParsesKOfNAndNothingElse) {
  for (const char* good : {"1/1", "1/3", "3/3", "7/12", "01/2"}) EXPECT_TRUE(TShard::Parse(good).has_value()) << good;
  for (const char* bad : {"", "0/3", "4/3", "1/0", "0/0", "-1/2", "1/-2", "2", "1/", "/2", "1/2/3", "a/b", " 1/2",
                          "1/2 ", "1/2\n", "1.0/2", "1\xd9\xa0/2", "9999999999/9999999999", "1 / 2"})
    EXPECT_FALSE(TShard::Parse(QString::fromUtf8(bad)).has_value()) << bad;
}

// Which of `n` shares holds `path`: 0 when none does, -1 when several do.
int ShareOf(const QString& path, int n) {
  int holder = 0;
  for (int k = 1; k <= n; ++k)
    if (TShard::Parse(QString("%1/%2").arg(k).arg(n))->Holds(path)) holder = holder ? -1 : k;
  return holder;
}

// Every name falls in exactly one share of N, the shares come out near even, and
// a file's share is fixed: machines of other builds must agree on it.
TEST(Shard, SplitsALibraryIntoDisjointEvenShares) {
  for (int n = 1; n <= 5; ++n) {
    std::vector<int> sizes(n + 1);
    for (int i = 0; i < 3000; ++i) {
      const int k = ShareOf(QString("Artist %1/Album %2/%3 Track.wma").arg(i % 37).arg(i % 11).arg(i), n);
      ASSERT_GT(k, 0) << i << " of " << n;
      ++sizes[k];
    }
    for (int k = 1; k <= n; ++k) EXPECT_NEAR(sizes[k], 3000.0 / n, 3000.0 / n * 0.12) << k << " of " << n;
  }
  // The first 8 bytes of the SHA-1 of the path's bytes (not UTF-8 for the last), big-endian, mod N, plus 1.
  const struct {
    const char* path;
    int of3, of8;
  } pins[] = {{"a.wma", 2, 3}, {"Band/First/01.wma", 3, 8}, {"Ünïcode/Ça va.flac", 2, 2},
              {"Bj\xf6rk/01 Caf\xe9.wma", 2, 6}};
  for (const auto& p : pins) {
    EXPECT_EQ(ShareOf(PathFromNative(p.path), 3), p.of3) << p.path;
    EXPECT_EQ(ShareOf(PathFromNative(p.path), 8), p.of8) << p.path;
  }
}

}  // namespace
