#include "TaskInfoPanel.h"

#include "ConversionEngine.h"
#include "DoString.h"
#include "Globals.h"
#include "Lang.h"
#include "NativePath.h"

namespace {

QString Bold(const QString& text) { return QString("<b>") + text + "</b>"; }

QString Link(const char* name, const QString& text) { return QString("<a href=\"") + name + "\"><u>" + text + "</u></a>"; }

}  // namespace

TTaskInfoPanel::TTaskInfoPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("infoPanel");
  InputLine = Line("taskInfo_1", 8, 32);
  OutputLine = Line("taskInfo_2", 8, 48);
  SettingsLine = Line("TaskInfo_5", 8, 64);
  SizeLine = Line("taskinfo_3", 8, 80);
  EditLine = Line("Taskinfo_4", 224, 80);
}

TLinkLabel* TTaskInfoPanel::Line(const char* name, int x, int y) {
  auto* l = new TLinkLabel(this);
  l->setObjectName(name);
  l->move(x, y - 14);
  connect(l, &QLabel::linkActivated, this, &TTaskInfoPanel::LinkClicked);
  return l;
}

void TTaskInfoPanel::FitLines() {
  for (TLinkLabel* l : {InputLine, OutputLine, SettingsLine}) l->resize(width() - 16, 16);
  PlaceEditLine();
}

void TTaskInfoPanel::PlaceEditLine() {
  const int beside = SizeLine->x() + SizeLine->width() + 10;
  if (SizeLine->text().isEmpty() || beside + EditLine->width() <= width() - 8)
    EditLine->move(beside, SizeLine->y());
  else
    EditLine->move(SizeLine->x(), SizeLine->y() + 16);
}

void TTaskInfoPanel::Show(int index) {
  if (index > static_cast<int>(Tasks.size()) - 1) return;
  if (index < 0) {
    InputLine->setText(QString("<a href=\"") + AddLink + "\">" + Escaped(lang::EmptyListHint) + "</a>");
    for (QLabel* l : {OutputLine, SettingsLine, SizeLine, EditLine}) l->clear();
    return;
  }
  const TTask& t = *Tasks[index];
  InputLine->setText(Bold(lang::InputFile) + ": " + Link(InputLink, Escaped(ReadableName(t.SrcFile))));
  ShowOutput(t);
  // The line describes the selected task's own settings.
  const QString channels = t.ChannelMode >= 0 && t.ChannelMode < 4 ? lang::ChannelModes[t.ChannelMode] : QString();
  const QString rate = t.VBR ? QString(lang::VbrRateFormat).arg(t.VbrMinBitrate).arg(t.VbrMaxBitrate)
                             : QString(lang::CbrRateFormat).arg(t.BitRate);
  SettingsLine->setText(Bold(lang::Mp3Settings) + ": " + channels + ", " + rate);
  SizeLine->setText(Bold(lang::Duration) + ": " + TimeText(t.Duration) + ", " + Bold(lang::OutputFileSize) +
                    ": " + lang::AboutWord + " " + SizeText(t.EstimatedSize));
  SizeLine->adjustSize();
  EditLine->setText(Link(EditTaskLink, QString(lang::EditLink) + "..."));
  EditLine->adjustSize();
  PlaceEditLine();
}

void TTaskInfoPanel::ShowOutput(const TTask& t) {
  if (!NativeIsFile(t.DstFile)) {
    OutputLine->setText(Bold(lang::OutputFile) + ": " + Escaped(t.DstFile));
    return;
  }
  // Said before the name, where a long name cannot push it out of sight.
  const bool done = DefaultSettings.ExistingOutput == TExistingOutput::Skip && TConversionEngine::UpToDate(t);
  OutputLine->setText(Bold(lang::OutputFile) + (done ? QString(" (") + lang::AlreadyConverted + ")" : QString()) +
                      ": " + Link(OutputLink, Escaped(t.DstFile)));
}
