#include "NativePath.h"

#include <QDir>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char16_t KeptBase = 0xDC00;  // a kept byte b is U+DC00 + b, b >= 0x80

bool IsKept(char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }

// The length of the valid UTF-8 sequence at p[0..left), or 0. Only the shortest
// form of a scalar value counts: overlong forms and encoded surrogates are kept
// as bytes, so a name decoded here never holds a surrogate that was not a kept byte.
int SequenceAt(const unsigned char* p, qsizetype left) {
  const unsigned char b = p[0];
  if (b < 0x80) return 1;
  auto cont = [&](int i, unsigned char lo = 0x80, unsigned char hi = 0xBF) {
    return i < left && p[i] >= lo && p[i] <= hi;
  };
  if (b >= 0xC2 && b <= 0xDF) return cont(1) ? 2 : 0;
  if (b == 0xE0) return cont(1, 0xA0) && cont(2) ? 3 : 0;
  if (b == 0xED) return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;
  if (b >= 0xE1 && b <= 0xEF) return cont(1) && cont(2) ? 3 : 0;
  if (b == 0xF0) return cont(1, 0x90) && cont(2) && cont(3) ? 4 : 0;
  if (b >= 0xF1 && b <= 0xF3) return cont(1) && cont(2) && cont(3) ? 4 : 0;
  if (b == 0xF4) return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
  return 0;
}

// Windows-1252's characters for 0x80..0x9F; its five unassigned bytes are '_'
// (their Latin-1 code points are control characters, unwelcome in a name).
constexpr char16_t Cp1252High[32] = {
    0x20AC, u'_',   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, u'_',   0x017D, u'_',   u'_',   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, u'_',   0x017E, 0x0178};

}  // namespace

QByteArray NativePath(const QString& path) {
  QByteArray out;
  out.reserve(path.size() * 3);
  const qsizetype n = path.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = path[i].unicode();
    char32_t u = c;
    if (QChar::isHighSurrogate(c) && i + 1 < n && path[i + 1].isLowSurrogate()) {
      u = QChar::surrogateToUcs4(c, path[++i].unicode());
    } else if (IsKept(c)) {
      out += char(c - KeptBase);
      continue;
    } else if (QChar::isSurrogate(c)) {
      u = 0xFFFD;  // no name read from the system holds one: it cannot be given back as bytes
    }
    if (u < 0x80) {
      out += char(u);
    } else if (u < 0x800) {
      out += char(0xC0 | (u >> 6));
      out += char(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
      out += char(0xE0 | (u >> 12));
      out += char(0x80 | ((u >> 6) & 0x3F));
      out += char(0x80 | (u & 0x3F));
    } else {
      out += char(0xF0 | (u >> 18));
      out += char(0x80 | ((u >> 12) & 0x3F));
      out += char(0x80 | ((u >> 6) & 0x3F));
      out += char(0x80 | (u & 0x3F));
    }
  }
  return out;
}

QString PathFromNative(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n;) {
    const int len = SequenceAt(p + i, n - i);
    if (len == 0) {
      out += QChar(char16_t(KeptBase + p[i]));
      ++i;
      continue;
    }
    char32_t u = len == 1 ? p[i] : len == 2 ? p[i] & 0x1F : len == 3 ? p[i] & 0x0F : p[i] & 0x07;
    for (int k = 1; k < len; ++k) u = (u << 6) | (p[i + k] & 0x3F);
    if (u >= 0x10000) {
      out += QChar(QChar::highSurrogate(u));
      out += QChar(QChar::lowSurrogate(u));
    } else {
      out += QChar(char16_t(u));
    }
    i += len;
  }
  return out;
}

QString ReadableName(const QString& text) {
  QString out;
  out.reserve(text.size());
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
      out += text[i];
      out += text[++i];
    } else if (IsKept(c)) {
      const unsigned byte = c - KeptBase;
      out += QChar(byte >= 0xA0 ? char16_t(byte) : Cp1252High[byte - 0x80]);
    } else {
      out += QChar::isSurrogate(c) ? QChar(QChar::ReplacementCharacter) : text[i];
    }
  }
  return out;
}

namespace {
bool Stat(const QString& path, struct stat& st) { return ::stat(NativePath(path).constData(), &st) == 0; }
}  // namespace

bool NativeExists(const QString& path) {
  struct stat st {};
  return !path.isEmpty() && Stat(path, st);
}

bool NativeIsFile(const QString& path) {
  struct stat st {};
  return !path.isEmpty() && Stat(path, st) && S_ISREG(st.st_mode);
}

bool NativeIsDir(const QString& path) {
  struct stat st {};
  return !path.isEmpty() && Stat(path, st) && S_ISDIR(st.st_mode);
}

QString NativeAbsolutePath(const QString& path) {
  if (path.isEmpty() || path.startsWith('/')) return path.isEmpty() ? path : QDir::cleanPath(path);
  // The current folder's own name may hold kept bytes too.
  QByteArray here(4096, '\0');
  while (!::getcwd(here.data(), size_t(here.size()))) {
    if (errno != ERANGE) return QDir::cleanPath(QDir::currentPath() + '/' + path);
    here.resize(here.size() * 2);
  }
  return QDir::cleanPath(PathFromNative(QByteArray(here.constData())) + '/' + path);
}
