#include "TipsForm.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <algorithm>
#include <QVBoxLayout>

#include "Globals.h"
#include "Lang.h"
#include "MsgForm.h"

TTipsFrm::TTipsFrm(QWidget* parent) : QDialog(parent) {
  setObjectName("TipsFrm");
  setWindowTitle(lang::TipsCaption);
  setFixedSize(452, 303);
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setStyleSheet("QFrame { background: white; }");
  auto* strip = new QLabel(panel);
  strip->setFixedWidth(60);
  strip->setStyleSheet("background: #6b1f1f; color: #f3e9a6; font-size: 34px; font-weight: bold;");
  strip->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  strip->setText("\n?");
  auto* heading = new QLabel(lang::DidYouKnow, panel);
  heading->setStyleSheet("font-family: serif; font-size: 20px; font-weight: bold; border-bottom: 1px solid #999;");
  TipLabel = new QLabel(panel);
  TipLabel->setObjectName("TipLabel");
  TipLabel->setTextFormat(Qt::PlainText);
  TipLabel->setWordWrap(true);
  TipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  TipLabel->setFixedSize(277, 129);
  auto* text = new QVBoxLayout;
  text->addWidget(heading);
  text->addWidget(TipLabel, 1);
  auto* pl = new QHBoxLayout(panel);
  pl->setContentsMargins(0, 0, 12, 12);
  pl->addWidget(strip);
  pl->addSpacing(16);
  pl->addLayout(text, 1);

  ifShowTips = new QCheckBox(lang::ShowTipsOnStartup, this);
  ifShowTips->setObjectName("ifShowTips");
  ifShowTips->setChecked(true);
  nextTipBtn = new QPushButton(lang::NextTip, this);
  nextTipBtn->setObjectName("nextTipBtn");
  tipsOkBtn = new QPushButton(lang::Ok, this);
  tipsOkBtn->setObjectName("tipsOkBtn");
  tipsOkBtn->setDefault(true);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ifShowTips, 1);
  bottom->addWidget(nextTipBtn);
  bottom->addWidget(tipsOkBtn);
  auto* l = new QVBoxLayout(this);
  l->addWidget(panel, 1);
  l->addLayout(bottom);
  connect(nextTipBtn, &QPushButton::clicked, this, &TTipsFrm::nextTipBtnClick);
  connect(tipsOkBtn, &QPushButton::clicked, this, &TTipsFrm::tipsOkBtnClick);
  // Wider than drawn for English when a translated caption needs it.
  const QSize least = l->totalMinimumSize();
  setFixedSize(std::max(452, least.width()), std::max(303, least.height()));
  FormCreate();
}

void TTipsFrm::FormCreate() {
  QFile f(DataFilePath(TipsFile));
  if (f.open(QIODevice::ReadOnly | QIODevice::Text)) {
    QString all = QString::fromUtf8(f.readAll());
    // A file of one empty line holds one empty tip; an empty file holds none.
    if (!all.isEmpty()) {
      if (all.endsWith('\n')) all.chop(1);
      TipList = all.split('\n');
    }
  } else if (f.exists()) {
    ShowMessageWindow(miError, f.fileName() + "\n" + f.errorString(), lang::Help, lang::Ok);
  }
  // A missing, unreadable or empty file still gives the window something to show.
  if (TipList.isEmpty()) TipList << lang::NoTips;
  ShowNextTip();
}

void TTipsFrm::ShowNextTip() {
  if (TipsIndex == NoTipsAtStartup) return;
  ++TipsIndex;
  if (TipsIndex < 0 || TipsIndex >= TipList.size()) TipsIndex = 0;
  TipLabel->setText(TipList[TipsIndex]);
}

void TTipsFrm::nextTipBtnClick() { ShowNextTip(); }

void TTipsFrm::tipsOkBtnClick() {
  if (!ifShowTips->isChecked()) TipsIndex = NoTipsAtStartup;
  accept();
}
