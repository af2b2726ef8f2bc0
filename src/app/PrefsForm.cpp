#include "PrefsForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>

#include "Application.h"
#include "DefaultSettings.h"
#include "Globals.h"
#include "Lang.h"
#include "TextFit.h"
#include "MainForm.h"
#include "MsgForm.h"
#include "NamePattern.h"
#include "PrgForm.h"

namespace {

QPointer<TPrefsForm> Instance;
bool AddingUnderWay = false;

constexpr int FormWidth = 470;
constexpr int CheckIndent = 22;
constexpr int ChoiceWidth = 170;  // an explanation under a check box starts under its text

// A caption without its "&" key marker, for a screen reader.
QString Plain(QString text) { return text.remove('&'); }

QLabel* Explanation(const QString& text, int indent = 0) {
  auto* l = new QLabel(text);
  l->setObjectName("explanation");
  l->setTextFormat(Qt::PlainText);
  l->setWordWrap(true);
  l->setStyleSheet("color: #4c4c3c; font-size: 11px;");
  l->setContentsMargins(indent, 0, 0, 4);
  return l;
}

QCheckBox* Check(const char* name, const QString& caption, const QString& info, QGridLayout* grid) {
  auto* c = new QCheckBox(caption);
  c->setObjectName(name);
  c->setAccessibleName(Plain(caption));
  c->setAccessibleDescription(info);
  const int row = grid->rowCount();
  grid->addWidget(c, row, 0, 1, 2);
  grid->addWidget(Explanation(info, CheckIndent), row + 1, 0, 1, 2);
  return c;
}

// A labelled control in the grid, its explanation under both.
template <class T>
T* Labelled(T* control, const char* name, const QString& caption, const QString& accessible, const QString& info,
            QGridLayout* grid) {
  control->setObjectName(name);
  control->setAccessibleName(accessible);
  control->setAccessibleDescription(info);
  auto* label = new QLabel(caption);
  label->setBuddy(control);
  const int row = grid->rowCount();
  grid->addWidget(label, row, 0);
  // Lists and numbers are as wide as their choices; a text field takes the row.
  if (!qobject_cast<QLineEdit*>(control)) control->setMinimumWidth(ChoiceWidth);
  grid->addWidget(control, row, 1, qobject_cast<QLineEdit*>(control) ? Qt::Alignment() : Qt::AlignLeft);
  grid->addWidget(Explanation(info), row + 1, 0, 1, 2);
  return control;
}

QGridLayout* Group(const QString& title, const char* name, QVBoxLayout* into) {
  auto* box = new QGroupBox(title);
  box->setObjectName(name);
  box->setAccessibleName(title);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(12, 14, 12, 6);
  grid->setVerticalSpacing(2);
  grid->setColumnStretch(1, 1);
  grid->setColumnMinimumWidth(0, 150);  // the two groups' fields line up
  into->addWidget(box);
  return grid;
}

// Each check box and the setting it shows, read and saved through this one table.
struct TCheckSetting {
  QCheckBox* TPrefsForm::*Box;
  bool TDefaultSettings::*Setting;
};
constexpr TCheckSetting CheckSettings[] = {
    {&TPrefsForm::splitCheck, &TDefaultSettings::SplitFiles},
    {&TPrefsForm::verifyCheck, &TDefaultSettings::VerifyOutput},
    {&TPrefsForm::notifyCheck, &TDefaultSettings::NotifyWhenDone},
    {&TPrefsForm::treeCheck, &TDefaultSettings::KeepFolderTree},
    {&TPrefsForm::timeCheck, &TDefaultSettings::KeepFileTime},
    {&TPrefsForm::trashCheck, &TDefaultSettings::TrashSources},
};

}  // namespace

TPrefsForm::TPrefsForm(QWidget* parent) : QDialog(parent) {
  setObjectName("prefsFrm");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(lang::PrefsCaption);
  auto* root = new QVBoxLayout(this);
  root->setContentsMargins(0, 0, 0, 0);
  root->setSpacing(0);
  skinFrame = new TSkinFrame(this);
  root->addWidget(skinFrame);
  auto* body = new QVBoxLayout;
  body->setContentsMargins(16, 6, 16, 14);
  body->setSpacing(8);
  root->addLayout(body);
  BuildConverting(body);
  BuildOutput(body);
  BuildLanguage(body);
  BuildNotes(body);
  BuildButtons(body);
  ShowSettings();
  setFixedWidth(FormWidth);
  setFixedHeight(root->totalHeightForWidth(FormWidth));
}

void TPrefsForm::BuildConverting(QVBoxLayout* body) {
  QGridLayout* run = Group(lang::PrefsConverting, "convertingGroup", body);
  const int cores = std::max(QThread::idealThreadCount(), 1);
  jobsSpin = Labelled(new QSpinBox, "jobsSpin", lang::PrefsParallelJobs, lang::PrefsParallelJobsName,
                      QString(lang::PrefsParallelJobsInfo).arg(cores), run);
  jobsSpin->setRange(0, std::max(64, int(DefaultSettings.ParallelJobs)));  // a larger number set by hand stays
  jobsSpin->setSpecialValueText(lang::PrefsOnePerCore);  // 0 in the settings
  splitCheck = Check("splitCheck", lang::PrefsSplitFiles, lang::PrefsSplitFilesInfo, run);
  verifyCheck = Check("verifyCheck", lang::PrefsVerify, lang::PrefsVerifyInfo, run);
  gainBox = Labelled(new QComboBox, "gainBox", lang::PrefsReplayGain, lang::PrefsReplayGainName,
                     lang::PrefsReplayGainInfo, run);
  for (const auto& mode : lang::PrefsReplayGainModes) gainBox->addItem(mode);  // in TReplayGainMode order
  notifyCheck = Check("notifyCheck", lang::PrefsNotify, lang::PrefsNotifyInfo, run);
}

void TPrefsForm::BuildOutput(QVBoxLayout* body) {
  QGridLayout* out = Group(lang::PrefsOutput, "outputGroup", body);
  patternEdit = Labelled(new QLineEdit, "patternEdit", lang::PrefsNamePattern, lang::PrefsNamePatternName,
                         lang::PrefsNamePatternInfo, out);
  patternError = new QLabel(this);
  patternError->setObjectName("patternError");
  patternError->setTextFormat(Qt::PlainText);
  patternError->setWordWrap(true);
  patternError->setStyleSheet("color: #b00000;");
  patternError->setAccessibleName(lang::PrefsNamePatternName);
  patternError->hide();
  out->addWidget(patternError, out->rowCount(), 0, 1, 2);
  treeCheck = Check("treeCheck", lang::PrefsKeepFolderTree, lang::PrefsKeepFolderTreeInfo, out);
  existingBox = Labelled(new QComboBox, "existingBox", lang::PrefsExisting, lang::PrefsExistingName,
                         lang::PrefsExistingInfo, out);
  for (const auto& mode : lang::PrefsExistingModes) existingBox->addItem(mode);  // in TExistingOutput order
  timeCheck = Check("timeCheck", lang::PrefsKeepFileTime, lang::PrefsKeepFileTimeInfo, out);
  trashCheck = Check("trashCheck", lang::PrefsTrashSources, lang::PrefsTrashSourcesInfo, out);
  out->addWidget(Explanation(lang::PrefsNamesLater), out->rowCount(), 0, 1, 2);
}

void TPrefsForm::BuildLanguage(QVBoxLayout* body) {
  // Below the groups, in no group: it is about the windows, not the files. Indented as their fields.
  auto* grid = new QGridLayout;
  grid->setContentsMargins(13, 0, 13, 0);
  grid->setVerticalSpacing(2);
  grid->setColumnStretch(1, 1);
  grid->setColumnMinimumWidth(0, 150);
  body->addLayout(grid);
  languageBox = Labelled(new QComboBox, "languageBox", lang::PrefsLanguage, lang::PrefsLanguageName,
                         lang::PrefsLanguageInfo, grid);
  languageBox->addItem(lang::PrefsSystemLanguage, QString());
  for (const lang::TLanguageChoice& c : lang::LanguageChoices) languageBox->addItem(c.Name, QString(c.Code));
}

void TPrefsForm::BuildNotes(QVBoxLayout* body) {
  const auto note = [&](const QString& text, const char* name) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    body->addWidget(l);
    return l;
  };
  runNote = note(lang::PrefsRunKeeps, "runNote");
  addingNote = note(lang::PrefsNamesWhileAdding, "addingNote");
}

void TPrefsForm::BuildButtons(QVBoxLayout* body) {
  okBtn = new QPushButton(lang::Ok, this);
  okBtn->setObjectName("okBtn");
  cancelBtn = new QPushButton(lang::Cancel, this);
  cancelBtn->setObjectName("cancelBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {okBtn, cancelBtn}) {
    b->setFixedSize(TextFit::ButtonWidth(b, 80), 27);
    b->setAutoDefault(false);
    b->setAccessibleName(Plain(b == okBtn ? lang::Ok : lang::Cancel));
    buttons->addWidget(b);
  }
  okBtn->setDefault(true);
  body->addLayout(buttons);
  connect(okBtn, &QPushButton::clicked, this, &TPrefsForm::okBtnClick);
  connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(patternEdit, &QLineEdit::textChanged, this, &TPrefsForm::ShowPatternError);
}

void TPrefsForm::ShowSettings() {
  const TDefaultSettings& d = DefaultSettings;
  jobsSpin->setValue(d.ParallelJobs);
  gainBox->setCurrentIndex(int(d.ReplayGain));
  patternEdit->setText(d.NamePattern);
  existingBox->setCurrentIndex(int(d.ExistingOutput));
  languageBox->setCurrentIndex(std::max(languageBox->findData(d.Language), 0));
  for (const TCheckSetting& c : CheckSettings) (this->*c.Box)->setChecked(d.*c.Setting);
  ShowPatternError();
}

void TPrefsForm::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TPrefsForm::FormShow() {
  skinFrame->SetCaption(QString("   ") + lang::PrefsCaption + " ...");
  const TprgFrm* run = AppWindows ? AppWindows->prgFrm.get() : nullptr;
  runNote->setVisible(run && run->Running());
  addingNote->setVisible(AddingUnderWay);
  // As wide as drawn for English unless a translated caption needs more.
  const int width = std::max(FormWidth, layout()->totalMinimumSize().width());
  setFixedWidth(width);
  setFixedHeight(layout()->totalHeightForWidth(width));
}

void TPrefsForm::ShowPatternError() {
  const QString error = TNamePattern(patternEdit->text()).Error();
  const QString text = error.isEmpty() ? QString() : QString(lang::PrefsBadPatternFormat).arg(error);
  patternError->setText(text);
  patternError->setVisible(!text.isEmpty());
  // Read out with the field, so the reason is heard where it is typed.
  patternEdit->setAccessibleDescription(text.isEmpty() ? QString(lang::PrefsNamePatternInfo) : text);
  if (isVisible()) setFixedHeight(layout()->totalHeightForWidth(width()));
}

void TPrefsForm::okBtnClick() {
  if (!TNamePattern(patternEdit->text()).Error().isEmpty()) {
    ShowPatternError();
    patternEdit->setFocus();
    return;
  }
  TDefaultSettings& d = DefaultSettings;
  d.ParallelJobs = jobsSpin->value();
  d.ReplayGain = TReplayGainMode(gainBox->currentIndex());
  d.NamePattern = patternEdit->text();
  d.ExistingOutput = TExistingOutput(existingBox->currentIndex());
  d.Language = languageBox->currentData().toString();
  for (const TCheckSetting& c : CheckSettings) d.*c.Setting = (this->*c.Box)->isChecked();
  SaveDefaultSettings();
  accept();
}

TPrefsForm* PrefsWindow() { return Instance; }

void SetAddingUnderWay(bool adding) {
  AddingUnderWay = adding;
  if (Instance && Instance->isVisible()) {
    Instance->addingNote->setVisible(adding);
    Instance->setFixedHeight(Instance->layout()->totalHeightForWidth(Instance->width()));
  }
}

void RunOver() {
  if (Instance && Instance->isVisible() && Instance->runNote->isVisible()) {
    Instance->runNote->hide();
    Instance->setFixedHeight(Instance->layout()->totalHeightForWidth(Instance->width()));
  }
}

void ShowPrefsWindow() {
  if (Instance) {
    Instance->raise();
    Instance->activateWindow();
    return;
  }
  TprgFrm* run = AppWindows ? AppWindows->prgFrm.get() : nullptr;
  // Asked from the tray's menu while the windows are hidden there: they come back
  // first, and this one opens over them as from the progress window. Opened
  // alone, it would stand apart from them, and the desktop would stack them and
  // their questions above or below it by chance as they came back.
  if (run && run->HiddenToTray() && run->TrayIcon->isVisible()) run->TrayIconClick();
  // Opened during a run, or over its report, it belongs to the progress window:
  // shown again from the tray, that window would otherwise lock this one out
  // until the run ends.
  QWidget* owner = nullptr;
  const bool overRun = run && (run->Running() || run->isVisible());
  if (overRun)
    owner = run;
  else if (AppWindows)
    owner = AppWindows->mainFrm.get();
  TPrefsForm w(owner);
  // The progress window is kept above the others; this one goes above it.
  if (overRun) w.setWindowFlag(Qt::WindowStaysOnTopHint);
  // Modal to its owner only: the tray icon still answers while it is open.
  if (owner) w.setWindowModality(Qt::WindowModal);
  SetOwnerWindow(&w, owner);  // kept above it by the desktop, when it is on screen
  Instance = &w;
  w.exec();
}
