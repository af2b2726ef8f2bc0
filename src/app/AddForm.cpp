#include "AddForm.h"

#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

#include "DoString.h"
#include "Genres.h"
#include "Globals.h"
#include "History.h"
#include "Lang.h"
#include "TextFit.h"
#include "MsgForm.h"
#include "NativePath.h"
#include "Paths.h"
#include "ConversionEngine.h"
#include "TaskReader.h"
#include "TaskOps.h"

namespace {

const THistoryBox HistoryBoxes[] = {{&TaddFrm::albumEdit, "album.lst"},
                                    {&TaddFrm::artistEdit, "author.lst"},
                                    {&TaddFrm::YearEdit, "year.lst"},
                                    {&TaddFrm::commentEdit, "Copyright.lst"}};

QComboBox* RateList(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  for (int kbps : Mp3BitRateKbps) c->addItem(QString::number(kbps) + " kbps");
  return c;
}

QComboBox* EditableBox(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMaxVisibleItems(12);
  // The list drops down with the entries that match what is typed.
  c->completer()->setCompletionMode(QCompleter::PopupCompletion);
  c->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  return c;
}

void SelectText(QComboBox* box, const QString& text) {
  const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i >= 0) box->setCurrentIndex(i);
}

// The leading number of a list's selected item, or `fallback` when nothing is selected.
int Chosen(const QComboBox* box, int fallback) {
  if (box->currentIndex() < 0) return fallback;
  try {
    return LeadingNumber(box->currentText());
  } catch (const std::invalid_argument&) {
    return fallback;
  }
}

// The name the task's output was given when it was read, before any numbering.
QString AutoOutputName() { return OutputFolderFor(CurrentTask) + RelativeOutputName(CurrentTask) + ".mp3"; }

}  // namespace

TaddFrm::TaddFrm(QWidget* parent) : QDialog(parent) {
  setObjectName("addFrm");
  setModal(true);
  resize(460, 340);
  addPages = new QStackedWidget(this);
  addPages->setObjectName("addPages");
  addPages->addWidget(addPage1 = MakePage1());
  addPages->addWidget(addPage2 = MakePage2());
  addPages->addWidget(addPage3 = MakePage3());

  cancelBtn = new QPushButton(lang::Cancel, this);
  cancelBtn->setObjectName("cancelBtn");
  backBtn = new QPushButton(lang::Back, this);
  backBtn->setObjectName("backBtn");
  nextBtn = new QPushButton(lang::Next, this);
  nextBtn->setObjectName("nextBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {cancelBtn, backBtn, nextBtn}) {
    // Next turns into OK on the last page: room for both.
    const QStringList texts = b == nextBtn ? QStringList{lang::Next, lang::Ok} : QStringList{b->text()};
    b->setFixedSize(TextFit::ButtonWidth(b, texts, 80), 27);
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(addPages, 1);
  layout->addLayout(buttons);

  AddFilesDlg = [this](const QString& preset) {
    return QFileDialog::getOpenFileName(this, QString(), preset);
  };
  outFileDlg = [this](const QString& preset) {
    // Page 1 asks about an existing file itself; the dialog does not ask twice.
    QStringList filter;
    SplitString(lang::Mp3FileFilter, "|", filter);
    // A folder not made yet (a kept tree, a name from tags) opens the dialog at the
    // nearest one that is, not in the working folder.
    QString start = preset;
    for (QString folder = FolderPart(preset); !folder.isEmpty() && !QFileInfo(folder).isDir();) {
      folder = FolderPart(folder.chopped(1));
      start = folder + FileNamePart(preset);
    }
    QString chosen = QFileDialog::getSaveFileName(this, QString(), start, filter.value(0) + " (" + filter.value(1) + ")",
                                                  nullptr, QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().compare("mp3", Qt::CaseInsensitive) != 0) chosen += ".mp3";
    return chosen;
  };

  // Nothing is selected until a task's settings select something.
  for (QComboBox* list : {bitRateSel, minBitrateSel, maxBitrateSel, samplerateSel, ChannelModeSel})
    list->setCurrentIndex(-1);

  connect(cancelBtn, &QPushButton::clicked, this, &TaddFrm::cancelBtnClick);
  connect(backBtn, &QPushButton::clicked, this, &TaddFrm::backBtnClick);
  connect(nextBtn, &QPushButton::clicked, this, &TaddFrm::nextBtnClick);
  connect(addFileBtn, &QPushButton::clicked, this, &TaddFrm::addFileBtnClick);
  connect(outFileBtn, &QPushButton::clicked, this, &TaddFrm::outFileBtnClick);
  connect(VBRCheck, &QCheckBox::clicked, this, &TaddFrm::VBRCheckClick);
  srcFile->installEventFilter(this);
  dstFile->installEventFilter(this);
}

QWidget* TaddFrm::MakePage1() {
  auto* page = new QWidget;
  page->setObjectName("addPage1");
  srcLabel_ = new QLabel(page);
  srcFile = new QLineEdit(page);
  srcFile->setObjectName("srcFile");
  srcFile->setReadOnly(true);
  addFileBtn = new QPushButton("...", page);
  addFileBtn->setObjectName("addFileBtn");
  dstLabel_ = new QLabel(page);
  dstFile = new QLineEdit(page);
  dstFile->setObjectName("dstFile");
  dstFile->setReadOnly(true);
  outFileBtn = new QPushButton("...", page);
  outFileBtn->setObjectName("outFileBtn");
  srcFile->setAccessibleName(lang::InputFile);
  dstFile->setAccessibleName(lang::OutputFile);
  for (QLineEdit* e : {srcFile, dstFile}) e->setAccessibleDescription(lang::FileFieldHelp);
  addFileBtn->setAccessibleName(lang::ChooseInputFile);
  outFileBtn->setAccessibleName(lang::ChooseOutputFile);
  for (QPushButton* b : {addFileBtn, outFileBtn}) {
    b->setFixedWidth(30);
    b->setAutoDefault(false);
  }
  inputFileInfoPanel = new QGroupBox(page);
  inputFileInfoPanel->setObjectName("inputFileInfoPanel");
  inFileInfoList = new QListWidget(inputFileInfoPanel);
  inFileInfoList->setObjectName("inFileInfoList");
  inFileInfoList->setAccessibleName(lang::InputFileInfo);
  auto* panel = new QVBoxLayout(inputFileInfoPanel);
  panel->addWidget(inFileInfoList);
  auto* g = new QGridLayout(page);
  g->addWidget(srcLabel_, 0, 0, 1, 2);
  g->addWidget(srcFile, 1, 0);
  g->addWidget(addFileBtn, 1, 1);
  g->addWidget(dstLabel_, 2, 0, 1, 2);
  g->addWidget(dstFile, 3, 0);
  g->addWidget(outFileBtn, 3, 1);
  g->addWidget(inputFileInfoPanel, 4, 0, 1, 2);
  return page;
}

QWidget* TaddFrm::MakePage2() {
  auto* page = new QWidget;
  page->setObjectName("addPage2");
  auto* rateGroup = new QGroupBox(lang::BitrateGroup, page);
  VBRCheck = new QCheckBox(lang::UseVbr, rateGroup);
  VBRCheck->setObjectName("VBRCheck");
  BitrateSettingsPage = new QStackedWidget(rateGroup);
  BitrateSettingsPage->setObjectName("BitrateSettingsPage");
  auto* single = new QWidget;
  bitRateSel = RateList(single, "bitRateSel");
  (new QHBoxLayout(single))->addWidget(bitRateSel);
  auto* range = new QWidget;
  minBitrateSel = RateList(range, "minBitrateSel");
  maxBitrateSel = RateList(range, "maxBitrateSel");
  bitRateSel->setAccessibleName(QString(lang::BitrateGroup).trimmed());
  bitRateSel->setAccessibleDescription(bitRateSel->accessibleName());  // it has no label of its own
  minBitrateSel->setAccessibleName(lang::MinBitrate);
  maxBitrateSel->setAccessibleName(lang::MaxBitrate);
  auto* rl = new QHBoxLayout(range);
  for (auto [label, box] : {std::pair{lang::MinLabel, minBitrateSel}, std::pair{lang::MaxLabel, maxBitrateSel}}) {
    auto* l = new QLabel(label, range);
    l->setBuddy(box);  // a screen reader's label for the list, which on Linux it takes from here
    rl->addWidget(l);
    rl->addWidget(box);
  }
  BitrateSettingsPage->addWidget(single);
  BitrateSettingsPage->addWidget(range);
  auto* rg = new QVBoxLayout(rateGroup);
  rg->addWidget(VBRCheck);
  rg->addWidget(BitrateSettingsPage);

  auto* rateBox = new QGroupBox(lang::SampleRateGroup, page);
  samplerateSel = new QComboBox(rateBox);
  samplerateSel->setObjectName("samplerateSel");
  samplerateSel->setAccessibleName(QString(lang::SampleRateGroup).trimmed());
  samplerateSel->addItems({"32000 Hz", "44100 Hz", "48000 Hz"});
  (new QVBoxLayout(rateBox))->addWidget(samplerateSel);
  auto* modeBox = new QGroupBox(lang::ChannelModeGroup, page);
  ChannelModeSel = new QComboBox(modeBox);
  ChannelModeSel->setObjectName("ChannelModeSel");
  ChannelModeSel->setAccessibleName(lang::ChannelModeGroup);
  for (const auto& m : lang::ChannelModes) ChannelModeSel->addItem(m);
  (new QVBoxLayout(modeBox))->addWidget(ChannelModeSel);

  auto* l = new QGridLayout(page);
  l->addWidget(rateGroup, 0, 0, 1, 2);
  l->addWidget(rateBox, 1, 0);
  l->addWidget(modeBox, 1, 1);
  l->setRowStretch(2, 1);
  return page;
}

QWidget* TaddFrm::MakePage3() {
  auto* page = new QWidget;
  page->setObjectName("addPage3");
  tagPanel_ = new QGroupBox(page);
  titleEdit = new QLineEdit(tagPanel_);
  titleEdit->setObjectName("titleEdit");
  albumEdit = EditableBox(tagPanel_, "albumEdit");
  artistEdit = EditableBox(tagPanel_, "artistEdit");
  GenreEdit = EditableBox(tagPanel_, "GenreEdit");
  for (const char* g : GenreNames) GenreEdit->addItem(g);
  YearEdit = EditableBox(tagPanel_, "YearEdit");
  commentEdit = EditableBox(tagPanel_, "commentEdit");
  auto* g = new QGridLayout(tagPanel_);
  const std::pair<lang::TTranslatedText, QWidget*> rows[] = {{lang::TitleLabel, titleEdit}, {lang::AlbumLabel, albumEdit},
                                                   {lang::ArtistLabel, artistEdit}, {lang::GenreLabel, GenreEdit},
                                                   {lang::YearLabel, YearEdit},   {lang::CommentLabel, commentEdit}};
  int r = 0;
  for (const auto& [label, box] : rows) {
    auto* l = new QLabel(label, tagPanel_);
    l->setBuddy(box);
    g->addWidget(l, r, 0);
    g->addWidget(box, r++, 1);
    box->setAccessibleName(QString(label).chopped(1));  // the label without its colon
    if (auto* c = qobject_cast<QComboBox*>(box)) c->lineEdit()->setAccessibleName(box->accessibleName());
  }
  (new QVBoxLayout(page))->addWidget(tagPanel_);
  return page;
}

void TaddFrm::showEvent(QShowEvent* event) {
  // Only when opened: a desktop restoring the minimised window sends show events
  // of its own, and the user's page and typing must survive them.
  if (!event->spontaneous()) {
    FormShow();
    OpenedDst_ = dstFile->text();
  }
  QDialog::showEvent(event);
}

void TaddFrm::reject() { done(2); }

void TaddFrm::FormShow() {
  setWindowTitle(lang::WizardCaption);
  srcLabel_->setText(lang::InputFileLabel);
  inputFileInfoPanel->setTitle(lang::InputFileInfo);
  dstLabel_->setText(lang::OutputFileLabel);
  tagPanel_->setTitle(lang::TagEditor);
  cancelBtn->setText(lang::Cancel);
  nextBtn->setText(lang::Next);
  backBtn->setText(lang::Back);
  ShowPage(0);
  FillPage1();
  FillPage2();
  FillPage3();
  LoadHistories();
}

void TaddFrm::ShowPage(int index) {
  addPages->setCurrentIndex(index);
  if (index == 0) addPage1Show();
  if (index == 1) addPage2Show();
  if (index == 2) addPage3Show();
}

void TaddFrm::addPage1Show() {
  backBtn->setEnabled(false);
  nextBtn->setEnabled(true);
  nextBtn->setText(lang::Next);
}

void TaddFrm::addPage2Show() {
  backBtn->setEnabled(true);
  nextBtn->setEnabled(true);
  nextBtn->setText(lang::Next);
}

void TaddFrm::addPage3Show() {
  backBtn->setEnabled(true);
  nextBtn->setEnabled(true);
  nextBtn->setText(lang::Ok);
}

void TaddFrm::FillPage1() {
  const TTask& t = CurrentTask;
  srcFile->setText(ReadableName(t.SrcFile));
  dstFile->setText(t.DstFile);
  inFileInfoList->clear();
  inFileInfoList->addItem(QString(" ") + lang::Duration + ": " + TimeText(t.Duration));
  if (t.HasAudio) {
    const QString channels = t.SrcChannels == 1 ? lang::SingleChannel : t.SrcChannels == 2 ? lang::DualChannels : QString();
    inFileInfoList->addItem(QString(" ") + lang::Audio + ": " + QString::number(t.SrcSampleRate) + "HZ, " + channels);
  } else {
    inFileInfoList->addItem(QString(" ") + lang::Audio + ": " + lang::AudioNone);
  }
}

void TaddFrm::FillPage2() {
  const TTask& t = CurrentTask;
  SelectText(bitRateSel, QString::number(t.BitRate) + " kbps");
  SelectText(minBitrateSel, QString::number(t.VbrMinBitrate) + " kbps");
  SelectText(maxBitrateSel, QString::number(t.VbrMaxBitrate) + " kbps");
  SelectText(samplerateSel, QString::number(t.SampleRate) + " Hz");
  ChannelModeSel->setCurrentIndex(t.ChannelMode >= 0 && t.ChannelMode < 4 ? t.ChannelMode : -1);
  VBRCheck->setChecked(t.VBR);
  BitrateSettingsPage->setCurrentIndex(t.VBR ? 1 : 0);
}

void TaddFrm::FillPage3() {
  const TTask& t = CurrentTask;
  titleEdit->setText(ReadableName(t.Title));  // a title taken from a file name that is not UTF-8
  artistEdit->setEditText(t.Artist);
  GenreEdit->setEditText(t.Genre);
  YearEdit->setEditText(t.Year);
  albumEdit->setEditText(t.Album);
  commentEdit->setEditText(t.Comment);
}

void TaddFrm::LoadHistories() {
  for (const THistoryBox& h : HistoryBoxes) {
    QComboBox* box = this->*h.box;
    const QString text = box->currentText();
    QStringList entries;
    // A history that cannot be read is shown empty and never written over.
    box->setProperty("historyUnreadable", !LoadHistory(h.file, entries));
    box->clear();
    box->addItems(entries);
    box->setEditText(text);
  }
}

bool TaddFrm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == srcFile || watched == dstFile) && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Keys whose virtual-key codes lie below 32 (editing and modifier keys) do not open the dialog.
    static const int below32[] = {Qt::Key_Tab,   Qt::Key_Backtab,  Qt::Key_Return, Qt::Key_Enter,
                                  Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Shift, Qt::Key_Control,
                                  Qt::Key_Alt,   Qt::Key_Meta,     Qt::Key_CapsLock, Qt::Key_Pause,
                                  Qt::Key_AltGr};
    if (std::find(std::begin(below32), std::end(below32), key) != std::end(below32)) return false;
    if (watched == srcFile)
      addFileBtnClick();
    else
      outFileBtnClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TaddFrm::addFileBtnClick() {
  const bool automatic = dstFile->text() == AutoOutputName();
  const QString chosen = AddFilesDlg(srcFile->text());
  if (chosen.isEmpty()) return;
  // Chosen on its own: no place under an added folder. A file that cannot be used
  // leaves the task as it was.
  TReadResult read = TTaskReader(DefaultSettings, false).Read(chosen);
  if (!read.Ok()) return;
  read.Task.Checked = CurrentTask.Checked;
  CurrentTask = read.Task;
  const QString output = dstFile->text();
  FillPage1();
  dstFile->setText(output);
  FillPage3();
  if (automatic) dstFile->setText(MakeOutputName());
}

void TaddFrm::outFileBtnClick() {
  const QString chosen = outFileDlg(dstFile->text());
  if (!chosen.isEmpty()) dstFile->setText(chosen);
}

void TaddFrm::VBRCheckClick() { BitrateSettingsPage->setCurrentIndex(VBRCheck->isChecked() ? 1 : 0); }

void TaddFrm::backBtnClick() {
  if (addPages->currentIndex() > 0) ShowPage(addPages->currentIndex() - 1);
}

void TaddFrm::cancelBtnClick() { done(2); }

void TaddFrm::nextBtnClick() {
  switch (addPages->currentIndex()) {
    case 0:
      if (LeavePage1()) ShowPage(1);
      break;
    case 1: ShowPage(2); break;
    default: Finish(); break;
  }
}

bool TaddFrm::LeavePage1() {
  const QString dst = dstFile->text();
  // Another task's output counts as an existing file: two tasks must not write one.
  const bool taken = dst != OpenedDst_ && IsOutputTaken(dst);
  // An output the run will leave alone as already converted is nothing to replace.
  TTask asked = CurrentTask;
  asked.DstFile = dst;
  const bool kept = !taken && DefaultSettings.ExistingOutput == TExistingOutput::Skip && TConversionEngine::UpToDate(asked);
  if ((QFileInfo::exists(dst) || taken) && !kept &&
      ShowMessageWindow(miQuestion, QString::fromLocal8Bit(std::strerror(EEXIST)) + "\n" + lang::ReplaceOldFile,
                        lang::No, lang::Yes) != 1) {
    dstFile->setFocus();
    return false;
  }
  // A name without a folder has no folder that exists: it is asked about like a
  // missing one, and placed by ForceFolder, never silently in the working folder.
  const QString folder = FolderPart(dst);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) return true;
  if (ShowMessageWindow(miQuestion,
                        QString(lang::FolderMissing) + "\n" + " " + folder + "\n" + lang::CreateFolder, lang::No,
                        lang::Yes) != 1) {
    dstFile->setFocus();
    return false;
  }
  QString error;
  const QString created = ForceFolder(folder, AppDir, &error);
  if (created.isEmpty()) {
    ShowMessageWindow(miError, QString(lang::FolderNotCreated) + "\n " + folder + "\n" + error, lang::Help, lang::Ok);
    dstFile->setFocus();
    return false;
  }
  dstFile->setText(created + FileNamePart(dst));
  return true;
}

void TaddFrm::Finish() {
  const TDefaultSettings fallback;
  TTask& t = CurrentTask;
  t.DstFile = dstFile->text();
  t.BitRate = Chosen(bitRateSel, fallback.AudioBitrate);
  t.VbrMinBitrate = Chosen(minBitrateSel, fallback.AudioVbrMinBitrate);
  t.VbrMaxBitrate = Chosen(maxBitrateSel, fallback.AudioVbrMaxBitrate);
  t.SampleRate = Chosen(samplerateSel, fallback.AudioSampleRate);
  t.ChannelMode = ChannelModeSel->currentIndex() >= 0 ? ChannelModeSel->currentIndex() : fallback.AudioChannels;
  t.VBR = VBRCheck->isChecked();
  t.Title = titleEdit->text();
  t.Artist = artistEdit->currentText();
  t.Comment = commentEdit->currentText();
  t.Genre = GenreEdit->currentText();
  t.Year = YearEdit->currentText();
  t.Album = albumEdit->currentText();
  CutTaskTexts(t);
  t.EstimatedSize = WizardSizeEstimate(t);
  AdoptTaskAsDefaults(t);
  for (const THistoryBox& h : HistoryBoxes) {
    QComboBox* box = this->*h.box;
    const QString text = box->currentText();
    QStringList entries;
    for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
    if (!box->property("historyUnreadable").toBool() && AddToHistory(entries, text)) {
      box->clear();
      box->addItems(entries);
      box->setEditText(text);
      SaveHistory(h.file, entries);  // a history that cannot be written is simply not kept
    }
  }
  SaveDefaultSettings();
  done(1);
}
