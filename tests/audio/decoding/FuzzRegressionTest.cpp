#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "InputExercise.h"

namespace {

// Every input the fuzzer once broke the program with goes through again: it must
// now be refused or converted, never crash (the sanitizer runs check the rest).
TEST(FuzzRegressions, EveryKeptInputIsHandled) {
  const QDir dir(REGRESSIONS_DIR);
  ASSERT_TRUE(dir.exists());
  for (const QString& name : dir.entryList(QDir::Files)) {
    if (name == "README") continue;
    SCOPED_TRACE(name.toStdString());
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ExerciseInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
  }
}

}  // namespace
