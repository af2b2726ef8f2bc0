#pragma once
#include <QString>
#include <QStringList>
#include <vector>

struct TTask;

// An output name made from a task's tags, such as "{artist}/{album}/{track:02} {title}".
// A "/" in the pattern makes folders; in a value it is replaced, with every other
// character a file system or a FAT player refuses. Fields: artist, albumartist
// (else the artist), album, title (else the file name), track and disc (":02" pads
// with zeros), year, genre, filename (without extension) and dir (the task's folder
// under the folder it was added with).
class TNamePattern {
 public:
  explicit TNamePattern(const QString& pattern);
  // Empty when the pattern can be used; else what is wrong with it.
  const QString& Error() const { return Error_; }
  // The name under the output folder, folders included, without extension. Each
  // part fits a file name of `maxBytes` bytes of UTF-8 once `reserve` bytes (the
  // extension, a number) are added to the last.
  QString Expand(const TTask& task, int maxBytes = 255, int reserve = 16) const;

  // `value` made fit to be one file or folder name: refused characters replaced,
  // no leading or trailing blanks, no trailing dots, never "." or "..".
  static QString CleanName(const QString& value);
  // The longest start of `name` whose UTF-8 takes at most `bytes` bytes, never
  // splitting a character.
  static QString CutToBytes(const QString& name, int bytes);

 private:
  struct TPiece {
    QString Text;   // literal text, or the field's name
    bool Field = false;
    int Width = 0;  // zero-padding of a number
  };
  QString Value(const TPiece& piece, const TTask& task) const;
  std::vector<TPiece> Pieces_;
  QString Error_;
};
