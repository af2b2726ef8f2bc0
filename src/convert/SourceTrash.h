#pragma once
#include <QString>

// An input sent to the desktop's trash once its MP3 is final.
class TSourceTrash {
 public:
  // Moves `source` to the desktop's trash; empty, or why it stays. This runs on the
  // engine's thread, like the time given to an MP3: a rename and a small info file,
  // never a copy, as a drive without a trash of its own is refused, not copied
  // across to the home trash.
  static QString Move(const QString& source, const QString& output);
};
