#include "CheckListBox.h"

#include <QSignalBlocker>
#include <algorithm>

namespace {
constexpr int LineHeight = 16;
}  // namespace

TCheckListBox::TCheckListBox(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!Filling_) emit ClickCheck(row(item));
  });
  // The current line is drawn as chosen: with nothing else selected, it is.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    QListWidgetItem* current = item(row);
    if (current && !selectionModel()->hasSelection()) current->setSelected(true);
  });
}

void TCheckListBox::AddLines(const QStringList& texts, const std::vector<bool>& checked,
                             const QStringList& toolTips) {
  Filling_ = true;
  const int first = count();
  // One insertion of all the rows, then their boxes and tips set with the model quiet: the view
  // lays the new rows out once, rather than once for every line.
  addItems(texts);
  {
    const QSignalBlocker quiet(model());
    for (int i = 0; i < int(texts.size()); ++i) {
      QListWidgetItem* it = item(first + i);
      it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
      it->setCheckState(i < int(checked.size()) && checked[i] ? Qt::Checked : Qt::Unchecked);
      if (i < toolTips.size()) it->setToolTip(toolTips[i]);
      it->setSizeHint(QSize(it->sizeHint().width(), LineHeight));
    }
  }
  viewport()->update();
  Filling_ = false;
}

void TCheckListBox::SetLines(const QStringList& texts, const std::vector<bool>& checked,
                             const QStringList& toolTips) {
  clear();
  AddLines(texts, checked, toolTips);
}

void TCheckListBox::SetLineText(int row, const QString& text) {
  QListWidgetItem* it = item(row);
  if (!it || it->text() == text) return;
  Filling_ = true;
  it->setText(text);
  Filling_ = false;
}

void TCheckListBox::SetLineToolTip(int row, const QString& toolTip) {
  QListWidgetItem* it = item(row);
  if (!it || it->toolTip() == toolTip) return;
  Filling_ = true;
  it->setToolTip(toolTip);
  Filling_ = false;
}

bool TCheckListBox::Checked(int row) const {
  const QListWidgetItem* it = item(row);
  return it && it->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int row, bool checked) {
  if (QListWidgetItem* it = item(row)) {
    Filling_ = true;
    it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    Filling_ = false;
  }
}

std::vector<int> TCheckListBox::SelectedRows() const {
  std::vector<int> rows;
  // By ranges: Ctrl+A over thousands of lines is one range, not thousands of indexes.
  for (const QItemSelectionRange& range : selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void TCheckListBox::SelectOnly(int row) {
  if (row < 0 || row >= count()) {
    selectionModel()->clearSelection();
    return;
  }
  setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void TCheckListBox::SelectRows(const std::vector<int>& rows) {
  QItemSelection selection;
  for (std::size_t i = 0; i < rows.size();) {
    std::size_t last = i;
    while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
    const int top = std::max(rows[i], 0), bottom = std::min(rows[last], count() - 1);
    if (top <= bottom) selection.select(model()->index(top, 0), model()->index(bottom, 0));
    i = last + 1;
  }
  selectionModel()->select(selection, QItemSelectionModel::Select);
}
