#include "AboutForm.h"

#include <QGridLayout>
#include <algorithm>
#include <QUrl>
#include <memory>

#include "Application.h"
#include "DoString.h"
#include "MainForm.h"
#include "MsgForm.h"
#include "Lang.h"
#include "Paths.h"

namespace {
std::unique_ptr<TaboutFrm> Instance;

QLabel* Link(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setTextFormat(Qt::RichText);
  l->setCursor(Qt::PointingHandCursor);
  l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  return l;
}
}  // namespace

TaboutFrm::TaboutFrm(QWidget* parent) : QDialog(parent), FileVersion(BRINDLEWAVE_VERSION) {
  setObjectName("aboutFrm");
  setFixedSize(360, 230);
  titleLabel = new QLabel(this);
  titleLabel->setObjectName("titleLabel");
  titleLabel->setAlignment(Qt::AlignCenter);
  titleLabel->setStyleSheet("font-size: 18px; font-weight: bold; color: #6b1f1f;");
  versionLabel = new QLabel(this);
  versionLabel->setObjectName("versionLabel");
  versionLabel2 = new QLabel(this);
  versionLabel2->setObjectName("versionLabel2");
  buildLabel = new QLabel(this);
  buildLabel->setObjectName("buildLabel");
  HomepageLabel = new QLabel(this);
  HomepageLabel->setObjectName("HomepageLabel");
  homePageUrlLabel = Link(this, "homePageUrlLabel");
  supportEmailLabel = new QLabel(this);
  supportEmailLabel->setObjectName("supportEmailLabel");
  support_Email = Link(this, "support_Email");
  okBtn = new QPushButton(this);
  okBtn->setObjectName("okBtn");
  helpBtn = new QPushButton(this);
  helpBtn->setObjectName("helpBtn");
  homePageBtn = new QPushButton(this);
  homePageBtn->setObjectName("homePageBtn");
  HomepageLabel->setBuddy(homePageBtn);  // its "&P" is the Home Page button's key
  auto* g = new QGridLayout(this);
  g->addWidget(titleLabel, 0, 0, 1, 3);
  g->addWidget(versionLabel, 1, 0);
  g->addWidget(versionLabel2, 1, 1);
  g->addWidget(buildLabel, 1, 2);
  g->addWidget(HomepageLabel, 2, 0);
  g->addWidget(homePageUrlLabel, 2, 1, 1, 2);
  g->addWidget(supportEmailLabel, 3, 0);
  g->addWidget(support_Email, 3, 1, 1, 2);
  g->addWidget(helpBtn, 4, 0);
  g->addWidget(homePageBtn, 4, 1);
  g->addWidget(okBtn, 4, 2);
  connect(okBtn, &QPushButton::clicked, this, &TaboutFrm::okBtnClick);
  connect(helpBtn, &QPushButton::clicked, this, [] { OpenHelp(); });
  connect(homePageBtn, &QPushButton::clicked, this, &TaboutFrm::homePageUrlLabelClick);
  connect(homePageUrlLabel, &QLabel::linkActivated, this, &TaboutFrm::homePageUrlLabelClick);
  connect(support_Email, &QLabel::linkActivated, this, &TaboutFrm::support_EmailClick);
}

void TaboutFrm::showEvent(QShowEvent* event) {
  FormShow();
  // Wider than drawn for English when a translation needs it.
  const QSize least = layout()->totalMinimumSize();
  setFixedSize(std::max(360, least.width()), std::max(230, least.height()));
  QDialog::showEvent(event);
}

void TaboutFrm::FormShow() {
  setWindowTitle(QString(lang::AboutCaption) + " " + lang::AppTitle);
  titleLabel->setText(lang::AppTitle);
  versionLabel->setText(QString(lang::Version) + ":");
  HomepageLabel->setText(QString(lang::HomePage) + ":");
  supportEmailLabel->setText(QString(lang::SupportEmail) + ":");
  homePageUrlLabel->setText(QString("<a href=\"url\">%1</a>").arg(QString(lang::HomePageUrl).toHtmlEscaped()));
  support_Email->setText(QString("<a href=\"mail\">%1</a>").arg(QString(lang::SupportAddress).toHtmlEscaped()));
  okBtn->setText(lang::Ok);
  helpBtn->setText(lang::Help);
  homePageBtn->setText(lang::HomePage);
  if (FileVersion.isEmpty()) {
    versionLabel2->setText(lang::NoInfo);
    return;
  }
  QStringList pieces;
  SplitString(FileVersion, ".", pieces);
  if (pieces.size() < 3) {
    // Too few parts to tell a build apart: show the whole text as the version.
    versionLabel2->setText(FileVersion);
    buildLabel->clear();
    return;
  }
  versionLabel2->setText(pieces.mid(0, std::max<qsizetype>(1, pieces.size() - 2)).join('.'));
  buildLabel->setText(QString(lang::Build) + pieces.last() + ")");
}

void TaboutFrm::okBtnClick() { done(1); }

void TaboutFrm::homePageUrlLabelClick() { OpenOnDesktop(QUrl(lang::HomePageUrl)); }

void TaboutFrm::support_EmailClick() {
  OpenOnDesktop(QUrl(QString("mailto:") + lang::SupportAddress));
}

TaboutFrm* AboutWindow() { return Instance.get(); }

void ShowAboutWindow() {
  if (!Instance) Instance = std::make_unique<TaboutFrm>(AppWindows ? AppWindows->mainFrm.get() : nullptr);
  Instance->exec();
}

void ReleaseAboutWindow() { Instance.reset(); }
