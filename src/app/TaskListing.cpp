#include "TaskListing.h"

#include <QSignalBlocker>
#include <algorithm>

#include "Globals.h"
#include "Lang.h"
#include "NativePath.h"

void TTaskListing::Fill(int current) {
  const QSignalBlocker quiet(List_);
  HintShown_ = Tasks.empty();
  if (HintShown_) {
    Lines_.Fill(Tasks);
    List_->SetLines({lang::EmptyListHint}, {false}, {});
  } else {
    std::vector<bool> ticks;
    ticks.reserve(Tasks.size());
    QStringList tips;
    tips.reserve(qsizetype(Tasks.size()));
    for (const auto& t : Tasks) {
      ticks.push_back(t->Checked);
      tips << ReadableName(t->SrcFile);
    }
    List_->SetLines(Lines_.Fill(Tasks), ticks, tips);
    if (current >= 0) List_->SelectOnly(std::min(current, List_->count() - 1));
  }
  ShowCount();
}

bool TTaskListing::Append() {
  if (HintShown_ || Lines_.Count() > int(Tasks.size())) return false;
  const QSignalBlocker quiet(List_);
  const int first = Lines_.Count();
  // A title met again gives its earlier lines their folders.
  const QStringList texts = Lines_.Append(Tasks, [this](int row, const QString& text) { Relabel(row, text); });
  std::vector<bool> ticks;
  QStringList tips;
  for (std::size_t i = std::size_t(first); i < Tasks.size(); ++i) {
    ticks.push_back(Tasks[i]->Checked);
    tips << ReadableName(Tasks[i]->SrcFile);
  }
  List_->AddLines(texts, ticks, tips);
  ShowCount();
  return true;
}

void TTaskListing::Changed(int row) {
  Lines_.Changed(Tasks, row, [this](int r, const QString& text) { Relabel(r, text); });
  List_->SetLineToolTip(row, ReadableName(Tasks[row]->SrcFile));
}

void TTaskListing::ShowCount() {
  if (Tasks.empty()) {
    Frame_->setTitle(lang::TaskListCaption);
    return;
  }
  const auto ticked = std::count_if(Tasks.begin(), Tasks.end(), [](const auto& t) { return t->Checked; });
  Frame_->setTitle(QString(lang::TaskCountFormat).arg(qlonglong(ticked)).arg(qlonglong(Tasks.size())));
}
