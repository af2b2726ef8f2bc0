#pragma once
#include <QObject>

// Once the program is to end, every question, on screen or yet to come, is answered No as it
// opens, so that a file being read and a run end. A run's window is no question: it ends with
// its run. Works from its making until it goes.
class TQuestionRefusal : public QObject {
  Q_OBJECT
 public:
  explicit TQuestionRefusal(QObject* parent);
  ~TQuestionRefusal() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void Refuse(QObject* window);
};
