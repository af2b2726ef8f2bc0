#pragma once
#include <QListWidget>

// A list of lines, each with a check box.
class TCheckListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TCheckListBox(QWidget* parent = nullptr);
  void AddLine(const QString& text, bool checked = false);
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);

 signals:
  // The user toggled the box of `row`.
  void ClickCheck(int row);

 private:
  bool Filling_ = false;
};
