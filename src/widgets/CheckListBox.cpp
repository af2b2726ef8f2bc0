#include "CheckListBox.h"

TCheckListBox::TCheckListBox(QWidget* parent) : QListWidget(parent) {
  setUniformItemSizes(true);
  connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!Filling_) emit ClickCheck(row(item));
  });
  // The current line is drawn as chosen: with nothing else selected, it is.
  connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
    QListWidgetItem* current = item(row);
    if (current && selectedItems().isEmpty()) current->setSelected(true);
  });
}

void TCheckListBox::AddLine(const QString& text, bool checked) {
  Filling_ = true;
  auto* item = new QListWidgetItem(text, this);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  item->setSizeHint(QSize(item->sizeHint().width(), 16));
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
