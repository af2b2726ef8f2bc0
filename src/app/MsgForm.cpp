#include "MsgForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWindow>
#include <memory>
#include <xcb/xcb.h>

#include "Lang.h"
#include "Paths.h"

namespace {

QPointer<TmsgFrm> Instance;

QPixmap DrawIcon(const QColor& background, const QString& glyph) {
  // In the screen's pixels, so that it is sharp on a scaled screen.
  const qreal scale = qApp->devicePixelRatio();
  QPixmap pm(QSize(42, 42) * scale);
  pm.setDevicePixelRatio(scale);
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
  details = new QPlainTextEdit(this);
  details->setObjectName("details");
  details->setReadOnly(true);
  details->setLineWrapMode(QPlainTextEdit::NoWrap);
  details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  details->hide();
  closingLabel = new QLabel(this);
  closingLabel->setObjectName("closingLabel");
  closingLabel->setTextFormat(Qt::PlainText);
  closingLabel->setWordWrap(true);
  closingLabel->hide();
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
  icon->setAccessibleName(lang::MessageKinds[std::clamp(IconIndex, 0, 3)]);
}

void TmsgFrm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TmsgFrm::SetText(const QString& text, const QString& list, const QString& closing) {
  if (list.isEmpty()) return SetText(closing.isEmpty() ? text : text + "\n" + closing);
  constexpr int Width = 560, LabelTop = 56, Left = 88, Right = 21, Gap = 8;
  SetText(text);
  Text = text + "\n" + list + (closing.isEmpty() ? "" : "\n" + closing);
  const int labelWidth = Width - Left - Right;
  msgLabel->setGeometry(Left, LabelTop, labelWidth, std::max(20, msgLabel->heightForWidth(labelWidth)));
  closingLabel->setText(closing);
  const int closingHeight = closing.isEmpty() ? 0 : closingLabel->heightForWidth(labelWidth) + Gap;
  details->setPlainText(list);
  details->setAccessibleName(text);
  const QFontMetrics fm(details->font());
  const int lines = int(list.count('\n')) + 1;
  // However long the list, the text above it, the closing line and the buttons stay on the screen.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int room = (screen ? screen->availableGeometry().height() - 260 : 400) - msgLabel->height() - closingHeight;
  const int height = std::clamp(lines * fm.lineSpacing() + 12, 3 * fm.lineSpacing(), std::clamp(room, 3 * fm.lineSpacing(), 420));
  const int top = msgLabel->geometry().bottom() + Gap;
  details->setGeometry(Left, top, labelWidth, height);
  details->show();
  closingLabel->setGeometry(Left, top + height + Gap, labelWidth, closingHeight - Gap);
  closingLabel->setVisible(!closing.isEmpty());
  const int buttons = top + height + closingHeight + 14;
  okBtn->move(Width / 2 - 75, buttons);
  helpBtn->move(Width / 2 + 10, buttons);
  skinFrame->setGeometry(0, 0, Width, 26);
  setFixedSize(Width, buttons + 27 + 28);
}

void TmsgFrm::SetText(const QString& text) {
  constexpr int BaseHeight = 215, BaseLabelHeight = 97, LabelWidth = 217;
  details->hide();
  details->clear();
  closingLabel->hide();
  skinFrame->setGeometry(0, 0, 326, 26);
  Text = text;
  const QFontMetrics fm(msgLabel->font());
  QStringList lines = text.split('\n');
  for (QString& line : lines) {
    // A word wider than the label cannot wrap: a long path is shortened in its middle.
    QStringList words = line.split(' ');
    for (QString& w : words)
      if (fm.horizontalAdvance(w) > LabelWidth) w = fm.elidedText(w, Qt::ElideMiddle, LabelWidth);
    line = words.join(' ');
  }
  msgLabel->setText(lines.join('\n'));
  const int needed = msgLabel->heightForWidth(LabelWidth);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int most = screen ? screen->availableGeometry().height() - BaseHeight + BaseLabelHeight - 80 : 600;
  const int labelHeight = std::clamp(needed, BaseLabelHeight, std::max(BaseLabelHeight, most));
  const int extra = labelHeight - BaseLabelHeight;
  msgLabel->setGeometry(88, 56, LabelWidth, labelHeight);
  okBtn->move(104, 160 + extra);
  helpBtn->move(216, 160 + extra);
  setFixedSize(326, BaseHeight + extra);
}

void TmsgFrm::okBtnClick() { done(1); }

void TmsgFrm::helpBtnClick() {
  if (helpBtn->text() == lang::Help)
    OpenHelp();
  else
    done(2);
}

TmsgFrm* MessageWindow() {
  if (!Instance) Instance = new TmsgFrm();
  return Instance;
}

void SetMessageWindow(TmsgFrm* window) { Instance = window; }

void SetOwnerWindow(QWidget* window, QWidget* owner) {
  window->winId();  // the native window, whose owner the desktop is told
  QWindow* ownerHandle = nullptr;
  if (owner && owner->isVisible()) {
    owner->winId();
    ownerHandle = owner->windowHandle();
  }
  window->windowHandle()->setTransientParent(ownerHandle);
  // Qt tells the desktop a window's owner only as it shows the window: one already
  // on screen is told here, or the desktop would go on stacking it by the old one.
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!ownerHandle || !window->isVisible() || !x11 || !x11->connection()) return;
  xcb_connection_t* c = x11->connection();
  const xcb_window_t ownerId = xcb_window_t(ownerHandle->winId());
  // Checked: refused (a window gone meanwhile), the owner Qt knows is used at the next show.
  free(xcb_request_check(c, xcb_change_property_checked(c, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                                                        XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerId)));
}

namespace {

bool OnScreen(const QWidget* w) { return w && w->isVisible() && !w->isMinimized(); }

// A window on screen, modal or kept on top, that belongs to `owner` and so stands
// above it: the preferences over the progress window.
QWidget* WindowAbove(const QWidget* owner, const QWidget* message) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != message && w != owner && OnScreen(w) && (w->isModal() || (w->windowFlags() & Qt::WindowStaysOnTopHint)) &&
        w->windowHandle() && w->windowHandle()->transientParent() == owner->windowHandle())
      return w;
  return nullptr;
}

// The window a question belongs to: the modal window on screen, else one kept
// above the others (a question owned by a window below it would be hidden under
// it), else the active one; then the topmost window that belongs to that one and
// stands above it: the question blocks that window too, and must not open under it.
QWidget* OwnerFor(const QWidget* message) {
  QWidget* owner = nullptr;
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* active = QApplication::activeWindow();
  if (modal != message && OnScreen(modal)) {
    owner = modal->window();
  } else {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (!owner && w != message && OnScreen(w) && (w->windowFlags() & Qt::WindowStaysOnTopHint)) owner = w;
    if (!owner && active != message && OnScreen(active)) owner = active->window();
  }
  for (int depth = 0; owner && depth < 8; ++depth) {
    QWidget* above = WindowAbove(owner, message);
    if (!above) break;
    owner = above;
  }
  return owner;
}

}  // namespace

int ShowMessageWindow(int Icon, const QString& Text, const QString& SecondCaption, const QString& FirstCaption) {
  return ShowMessageWindow(Icon, Text, QString(), SecondCaption, FirstCaption);
}

int ShowMessageWindow(int Icon, const QString& Text, const QString& Details, const QString& SecondCaption,
                      const QString& FirstCaption) {
  return ShowMessageWindow(Icon, Text, Details, QString(), SecondCaption, FirstCaption);
}

int ShowMessageWindow(int Icon, const QString& Text, const QString& Details, const QString& Closing,
                      const QString& SecondCaption, const QString& FirstCaption) {
  TmsgFrm* w = MessageWindow();
  // The window is already asking: a second question gets a window of its own
  // rather than a second modal loop on the same one.
  // So does one asked while the window's own loop has not yet returned from an
  // answered question (a question that waited for that answer).
  std::unique_ptr<TmsgFrm> extra;
  if (w->isVisible() || w->property("asking").toBool()) {
    extra = std::make_unique<TmsgFrm>();
    w = extra.get();
  }
  w->IconIndex = Icon;
  w->SetText(Text, Details, Closing);
  w->helpBtn->setText(SecondCaption);
  w->okBtn->setText(FirstCaption);
  SetOwnerWindow(w, OwnerFor(w));
  w->setProperty("asking", true);
  const int result = w->exec();
  w->setProperty("asking", false);
  return result == 1 ? 1 : 2;  // a close from the title bar or Escape rejects with 0
}

void WaitForAnswers() {
  for (;;) {
    TmsgFrm* open = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<TmsgFrm*>(w); m && m->isVisible()) open = m;
    if (!open) return;
    QEventLoop answered;
    QObject::connect(open, &QDialog::finished, &answered, &QEventLoop::quit);
    answered.exec();
  }
}

bool OpenOnDesktop(const QUrl& url) {
  if (QDesktopServices::openUrl(url)) return true;
  const QString what = url.isLocalFile() ? url.toLocalFile() : url.toString();
  ShowMessageWindow(miError, QString(lang::CannotOpenFormat).arg(what), lang::Cancel, lang::Ok);
  return false;
}

void OpenHelp() { OpenOnDesktop(QUrl::fromLocalFile(HelpFilePath())); }
