#include "ButtonColumn.h"

#include <algorithm>

#include "Lang.h"
#include "TextFit.h"

namespace {

constexpr int PrefsTop = 1, PrefsHeight = 19, LeastWidth = 97;

}  // namespace

TButtonColumn::TButtonColumn(QWidget* parent) {
  AddFile = Button(parent, "addFileBtn", 24, 27);
  Remove = Button(parent, "rmFileBtn", 64, 27);
  Edit = Button(parent, "editFileBtn", 104, 27);
  Start = Button(parent, "startBtn", 144, 41);
  Help = Button(parent, "helpBtn", 200, 27);
  About = Button(parent, "aboutBtn", 232, 27);
  AddFolder = Button(parent, "addFolderBtn", 0, 27);  // placed by Place
  Start->setAccessibleDescription(lang::StartHelp);
  // In the strip above the column, where it moves nothing placed before it.
  Prefs = Button(parent, "prefsBtn", PrefsTop, PrefsHeight);
  Prefs->setToolTip(lang::PrefsTip);
  Prefs->setAccessibleDescription(lang::PrefsTip);
  for (QPushButton* b : {Remove, Edit, Start}) b->setEnabled(false);
}

QPushButton* TButtonColumn::Button(QWidget* parent, const char* name, int y, int h) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  b->setProperty("y0", y);
  b->resize(LeastWidth, h);
  b->setAutoDefault(false);
  return b;
}

void TButtonColumn::SetTexts() {
  AddFile->setText(lang::AddFiles);
  AddFolder->setText(lang::AddFolder);
  Remove->setText(lang::Remove);
  Edit->setText(lang::Edit);
  Start->setText(lang::Start);
  Help->setText(lang::Help);
  About->setText(lang::About);
  Prefs->setText(QString(lang::Preferences) + lang::Dots);
  // One width for the column, its widest text's: English keeps its width.
  int width = LeastWidth;
  for (QPushButton* b : {AddFile, Remove, Edit, Start, Help, About, AddFolder, Prefs})
    width = std::max(width, TextFit::ButtonWidth(b, LeastWidth));
  for (QPushButton* b : {AddFile, Remove, Edit, Start, Help, About, AddFolder, Prefs}) b->resize(width, b->height());
}

int TButtonColumn::Width() const { return AddFile->width(); }

void TButtonColumn::Place(int x, int floor) {
  for (QPushButton* b : {AddFile, Remove, Edit, Start, Help, About, Prefs}) b->move(x, b->property("y0").toInt());
  AddFolder->move(x, std::max(About->y() + About->height() + 8, floor - AddFolder->height()));
}

void TButtonColumn::SetAdding(bool on) {
  if (on) {
    for (QPushButton* b : {AddFile, AddFolder, Remove, Edit, Start}) b->setEnabled(false);
  } else {
    AddFile->setEnabled(true);
    AddFolder->setEnabled(true);
  }
}
