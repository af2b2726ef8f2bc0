#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "InstanceChannel.h"
#include "NativePath.h"
#include "TestSupport.h"

namespace {

// A second start hands its files over by their bytes: a name that is not UTF-8, and one
// holding a line break, arrive as they were given.
TEST(InstanceChannel, HandsOverAnyFileName) {
  QTemporaryDir runtime;
  const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  const QStringList files = {PathFromNative("/music/Bj\xf6rk/01 Caf\xe9.wma"), "/music/two\nlines.wma",
                             QString("/music/Björk/02.wma")};
  QStringList received;
  {
    TInstanceChannel first;
    QEventLoop loop;
    ASSERT_TRUE(first.Listen([&](const QStringList& got) {
      received = got;
      loop.quit();
    }));
    ASSERT_TRUE(TInstanceChannel::HandOver(files));
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  qputenv("XDG_RUNTIME_DIR", before);
  EXPECT_EQ(received, files);  // kept bytes and all
}

}  // namespace
