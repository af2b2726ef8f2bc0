#pragma once
#include <QString>
#include <QStringList>
#include <vector>

struct TConvertResult;
struct TTask;

// What a run did to its files, gathered as their ends come, and the words of
// the report the progress window shows at the run's end.
class TRunReport {
 public:
  void Clear();
  // The file of the task at `index` (its place in the run) could not be converted,
  // or is kept short of its input. Every list is in the run's order, however the jobs ended.
  void Failed(int index, const TTask& task, const QString& reason);
  // A task's end that was not a failure: converted, skipped, cut by a cancel.
  void Ended(int index, const TTask& task, const TConvertResult& result);
  // What the album gain of the task's album left out; said once an album.
  void AlbumNote(const TTask& task, const QString& note);

  // The report's first line, of a run over `count` files; the lists under it scroll.
  QString Summary(bool cancelled, int count) const;
  QString Lists(bool cancelled, int count) const;
  // The desktop notice's text: the failures counted rather than the first line.
  QString NoticeBody(bool cancelled, int count) const;
  const QStringList& Failures() const { return Failures_.Lines; }

 private:
  // Lines in the run's order, however the jobs that tell them end.
  struct TInRunOrder {
    QStringList Lines;
    std::vector<int> At;  // the task of each line
    void Add(int index, const QString& line);
  };
  void KeptShort(int index, const TTask& task, const TConvertResult& result);

  TInRunOrder Failures_;
  TInRunOrder KeptShort_;    // files a cancel ended early, with how much they hold
  QStringList AlbumNotes_;   // what an album's gain left out, once per album
  TInRunOrder Trashed_;      // names of the inputs moved to the trash
  TInRunOrder NotTrashed_;   // inputs that could not be, with the reason of each
  int AlreadyDone_ = 0;        // outputs found complete and left alone
  int Converted_ = 0;          // files converted whole in this run
};
