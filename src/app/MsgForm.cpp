#include "MsgForm.h"

#include <QPainter>
#include <QPointer>

#include "Lang.h"
#include "Paths.h"

namespace {

QPointer<TmsgFrm> Instance;

QPixmap DrawIcon(const QColor& background, const QString& glyph) {
  QPixmap pm(42, 42);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(background);
  p.setPen(background.darker(130));
  p.drawEllipse(QRectF(1, 1, 40, 40));
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(28);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, 42, 42), Qt::AlignCenter, glyph);
  return pm;
}

}  // namespace

TmsgFrm::TmsgFrm(QWidget* parent) : QDialog(parent) {
  setObjectName("msgFrm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(326, 215);
  skinFrame = new TSkinFrame(this);
  skinFrame->setGeometry(0, 0, 326, 26);
  icon = new QLabel(this);
  icon->setObjectName("icon");
  icon->setGeometry(24, 64, 42, 42);
  msgLabel = new QLabel(this);
  msgLabel->setObjectName("msgLabel");
  msgLabel->setGeometry(88, 56, 217, 97);
  msgLabel->setTextFormat(Qt::PlainText);  // file names are shown as they are
  msgLabel->setWordWrap(true);
  msgLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  okBtn = new QPushButton(lang::Ok, this);
  okBtn->setObjectName("okBtn");
  okBtn->setGeometry(104, 160, 65, 27);
  helpBtn = new QPushButton(lang::Help, this);
  helpBtn->setObjectName("helpBtn");
  helpBtn->setGeometry(216, 160, 65, 27);
  for (QPushButton* b : {okBtn, helpBtn}) b->setAutoDefault(false);
  okBtn->setDefault(true);
  iconList = {DrawIcon(QColor(200, 30, 30), QString(QChar(0x2715))), DrawIcon(QColor(30, 80, 190), "i"),
              DrawIcon(QColor(30, 140, 60), "?"), DrawIcon(QColor(225, 180, 0), "!")};
  connect(okBtn, &QPushButton::clicked, this, &TmsgFrm::okBtnClick);
  connect(helpBtn, &QPushButton::clicked, this, &TmsgFrm::helpBtnClick);
  FormCreate();
}

void TmsgFrm::FormCreate() { IconIndex = 1; }

void TmsgFrm::FormShow() {
  const QString title = QString("   ") + lang::Message + " ...";
  skinFrame->SetCaption(title);
  setWindowTitle(title.trimmed());
  icon->setPixmap(iconList[std::clamp(IconIndex, 0, 3)]);
}

void TmsgFrm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TmsgFrm::okBtnClick() { done(1); }

void TmsgFrm::helpBtnClick() {
  if (helpBtn->text() == lang::Help)
    OpenHelpFile();
  else
    done(2);
}

TmsgFrm* MessageWindow() {
  if (!Instance) Instance = new TmsgFrm();
  return Instance;
}

void SetMessageWindow(TmsgFrm* window) { Instance = window; }

int ShowMessageWindow(int Icon, const QString& Text, const QString& SecondCaption, const QString& FirstCaption) {
  TmsgFrm* w = MessageWindow();
  w->IconIndex = Icon;
  w->msgLabel->setText(Text);
  w->helpBtn->setText(SecondCaption);
  w->okBtn->setText(FirstCaption);
  const int result = w->exec();
  return result == 1 ? 1 : 2;  // a close from the title bar rejects with 0
}
