#pragma once
#include <QPushButton>

// The main window's column of buttons beside the task list, with Preferences in the
// strip above it and Add Folder at its foot.
class TButtonColumn {
 public:
  explicit TButtonColumn(QWidget* parent);

  // Their texts, set as the window shows.
  void SetTexts();
  // The buttons' width: the English one unless a text needs more.
  int Width() const;
  // Down the column at `x`; Add Folder level with `floor` (the bottom of the task list's
  // frame) but never over About.
  void Place(int x, int floor);
  // While files are added nothing else acts; afterwards only the adding ones are enabled
  // here, the rest by the list's selection.
  void SetAdding(bool on);

  QPushButton* AddFile;
  QPushButton* Remove;
  QPushButton* Edit;
  QPushButton* Start;
  QPushButton* Help;
  QPushButton* About;
  QPushButton* AddFolder;
  QPushButton* Prefs;

 private:
  QPushButton* Button(QWidget* parent, const char* name, int y, int h);
};
