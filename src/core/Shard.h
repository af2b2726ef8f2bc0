#pragma once
#include <QString>
#include <optional>

// The K-th of N shares of a library, so that N machines each converting their
// own share convert every file once between them. A file's share follows from
// its path below the folder given (its name alone for a file given directly),
// the same on every machine and in every run.
class TShard {
 public:
  // "K/N" with 1 <= K <= N; nothing for anything else.
  static std::optional<TShard> Parse(const QString& text);
  // Whether the file at `relativePath` ("A/B/name.wma") belongs to this share.
  bool Holds(const QString& relativePath) const;

 private:
  TShard(int index, int count) : Index_(index), Count_(count) {}
  int Index_, Count_;
};
