#include "NamePattern.h"

#include "Lang.h"
#include "NativePath.h"
#include "Paths.h"
#include "Task.h"

namespace {

const QStringList Fields = {"artist", "albumartist", "album", "title", "track", "disc",
                            "year",   "genre",       "filename", "dir"};

// Pieces of the input's path are made readable: an output name is always UTF-8.
QString Stem(const QString& path) {
  const QString name = ReadableName(FileNamePart(path));
  const int dot = name.lastIndexOf('.');
  return dot <= 0 ? name : name.left(dot);
}

// "3/12" is track 3; a track with no number is 0, one that is no number ("A1") stays.
QString Number(const QString& text, int width) {
  const QString n = text.section('/', 0, 0).trimmed();
  bool ok = false;
  const int v = n.toInt(&ok);
  const QString shown = n.isEmpty() ? QStringLiteral("0") : ok && v >= 0 ? QString::number(v) : n;
  return shown.rightJustified(width, '0');
}

}  // namespace

TNamePattern::TNamePattern(const QString& pattern) {
  QString literal;
  for (int i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '}') {
      Error_ = QString(lang::PatternLoneCloseFormat).arg(i + 1);
      return;
    }
    if (pattern[i] != '{') {
      literal += pattern[i];
      continue;
    }
    const int close = pattern.indexOf('}', i);
    if (close < 0) {
      Error_ = QString(lang::PatternLoneOpenFormat).arg(i + 1);
      return;
    }
    const QString inside = pattern.mid(i + 1, close - i - 1);
    TPiece field{inside.section(':', 0, 0).trimmed().toLower(), true, 0};
    if (!Fields.contains(field.Text)) {
      Error_ = QString(lang::PatternNoFieldFormat).arg(inside, Fields.join("}, {"));
      return;
    }
    if (inside.contains(':')) {
      bool ok = false;
      const QString width = inside.section(':', 1);
      field.Width = width.toInt(&ok);
      if (!ok || field.Width < 1 || field.Width > 9 || (field.Text != "track" && field.Text != "disc")) {
        Error_ = QString(lang::PatternWidthFormat).arg(inside);
        return;
      }
    }
    if (!literal.isEmpty()) Pieces_.push_back({literal});
    literal.clear();
    Pieces_.push_back(field);
    i = close;
  }
  if (!literal.isEmpty()) Pieces_.push_back({literal});
}

QString TNamePattern::Value(const TPiece& p, const TTask& task) const {
  auto text = [](const QString& v, const QString& unknown) { return v.trimmed().isEmpty() ? unknown : v; };
  const QString& f = p.Text;
  if (f == "artist") return text(task.Artist, lang::UnknownArtist);
  if (f == "albumartist") return text(task.AlbumArtist.trimmed().isEmpty() ? task.Artist : task.AlbumArtist, lang::UnknownArtist);
  if (f == "album") return text(task.Album, lang::UnknownAlbum);
  if (f == "title") return text(task.Title.trimmed().isEmpty() ? Stem(task.SrcFile) : task.Title, lang::UnknownTitle);
  if (f == "track") return Number(task.Track, p.Width);
  if (f == "disc") return Number(task.Disc, p.Width);
  if (f == "year") return text(task.Year, lang::UnknownYear);
  if (f == "genre") return text(task.Genre, lang::UnknownGenre);
  if (f == "filename") return Stem(task.SrcFile);
  return ReadableName(task.SubFolder);  // dir: its folders stay folders
}

QString TNamePattern::Expand(const TTask& task, int maxBytes, int reserve) const {
  // Folders come from the pattern's own "/" (and {dir}'s); a value's "/" is a character.
  QString name;
  for (const TPiece& p : Pieces_) {
    if (!p.Field) {
      name += p.Text;
    } else if (p.Text == "dir") {
      QString dir = Value(p, task);
      while (dir.endsWith('/')) dir.chop(1);
      name += dir;
    } else {
      name += QString(Value(p, task)).replace('/', '_');
    }
  }
  // A title taken from the file name may still hold bytes that are not UTF-8.
  name = ReadableName(name);
  QStringList parts;
  for (const QString& part : name.split('/', Qt::SkipEmptyParts)) {
    if (part.trimmed().isEmpty()) continue;
    parts << part;
  }
  if (parts.isEmpty()) parts << Stem(task.SrcFile);
  for (int i = 0; i < parts.size(); ++i) {
    const bool last = i == parts.size() - 1;
    parts[i] = CleanName(CutToBytes(CleanName(parts[i]), maxBytes - (last ? reserve : 0)));
  }
  return parts.join('/');
}

QString TNamePattern::CleanName(const QString& value) {
  QString s;
  for (QChar c : value) {
    const ushort u = c.unicode();
    s += (u < 0x20 || u == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c)) ? QChar('_') : c;
  }
  s = s.trimmed();
  while (s.endsWith('.') || s.endsWith(' ')) s.chop(1);
  return s.isEmpty() ? QStringLiteral("_") : s;
}

QString TNamePattern::CutToBytes(const QString& name, int bytes) {
  int used = 0;
  int i = 0;
  while (i < name.size()) {
    const bool pair = name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(name[i], name[i + 1]) : name[i].unicode();
    const int n = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    if (used + n > bytes) break;
    used += n;
    i += pair ? 2 : 1;
  }
  return name.left(i);
}
