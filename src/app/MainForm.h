#pragma once
#include <QMainWindow>

// The application's main window; closing it ends the program.
class TmainFrm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TmainFrm(QWidget* parent = nullptr);

  // True when no file is being read and no run is in progress.
  bool CanAct();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  bool FormClose();
};
