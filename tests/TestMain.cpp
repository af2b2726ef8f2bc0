#include <QApplication>
#include <gtest/gtest.h>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv) {
  // Offscreen, unless a test is run on a real display on purpose.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  av_log_set_level(AV_LOG_FATAL);  // damaged test inputs are expected to complain
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
