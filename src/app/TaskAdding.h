#pragma once
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QSet>
#include <functional>
#include <memory>
#include <vector>

#include "DefaultSettings.h"
#include "ReadPool.h"

class QEventLoop;
class QProgressDialog;

// One adding of files to the task list: reads them on the pool while the windows
// go on, opens the wizard for the first (and for each, unless the user keeps the
// first one's settings), appends the tasks in the order given, and at its end
// names in one message the files it left out. Its settings are those at its start.
class TTaskAdding : public QObject {
  Q_OBJECT
 public:
  // `progress` shows the count and stops the reading; `listed` is told after tasks
  // were appended to Tasks, to show them.
  TTaskAdding(QProgressDialog* progress, std::function<void()> listed, QObject* parent = nullptr);
  ~TTaskAdding() override;

  // Reads `files` into the task list and returns when the adding has ended.
  // `leftOut` names files already left out ("path: why"); `given` is how many
  // files the user's choice came to, for the messages.
  void Run(std::vector<TReadRequest> files, QStringList leftOut, int given);
  // Ends the adding at once: what is listed stays, nothing more is added, no message.
  void End();
  // The pool is reading and nothing modal of ours is open: the adding can be ended at once.
  bool Reading() const { return Pool_ && !Asking_; }

 signals:
  // The count to show in the status bar ("" when the adding has ended).
  void Status(const QString& text);

 private:
  void Take();
  void Add(TReadResult& result);
  void ShowCount();
  void Finish();
  void ReportAlone(const TReadResult& result);
  // Runs the wizard or a question with the progress window out of its way.
  int Ask(const std::function<int()>& question);
  void ShowProgress();

  QPointer<QProgressDialog> Progress_;
  std::function<void()> Listed_;
  TDefaultSettings Settings_;
  std::unique_ptr<TReadPool> Pool_;
  QEventLoop* Loop_ = nullptr;
  QStringList LeftOut_;
  QSet<QString> Outputs_;  // the listed tasks' outputs, so a new one is numbered past them
  int Given_ = 0;
  bool First_ = true;
  bool SameSettings_ = false;
  bool Asking_ = false;   // the wizard or a question is open
  bool Taking_ = false;
  bool Ended_ = false;
  bool Silent_ = false;
  bool ProgressDue_ = false;
};
