#pragma once
#include <QListWidget>
#include <QStringList>
#include <vector>

// A list of lines, each with a check box. Lines can be selected several at once
// (Shift and Ctrl with a click or the arrow keys, Ctrl+A for all).
class TCheckListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TCheckListBox(QWidget* parent = nullptr);
  // Appends lines in one step: thousands are laid out once, not line by line.
  void AddLines(const QStringList& texts, const std::vector<bool>& checked, const QStringList& toolTips);
  // Replaces every line.
  void SetLines(const QStringList& texts, const std::vector<bool>& checked, const QStringList& toolTips);
  // Changes a line's text or tip; its box is not told as toggled.
  void SetLineText(int row, const QString& text);
  void SetLineToolTip(int row, const QString& toolTip);
  bool Checked(int row) const;
  void SetChecked(int row, bool checked);
  // The selected rows, in order.
  std::vector<int> SelectedRows() const;
  // Selects `row` alone and makes it the current one; -1 selects nothing.
  void SelectOnly(int row);
  // Adds `rows` (in order) to the selection, those past the last line left out.
  void SelectRows(const std::vector<int>& rows);

 signals:
  // The user toggled the box of `row`.
  void ClickCheck(int row);

 private:
  bool Filling_ = false;
};
