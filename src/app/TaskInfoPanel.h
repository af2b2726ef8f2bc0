#pragma once
#include <QGroupBox>

#include "LinkLabel.h"
#include "Task.h"

// The information panel under the task list: the selected task's input and output
// files, its MP3 settings, its length and size, and the links that open or edit it.
// With no task selected it holds the link that adds files.
class TTaskInfoPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit TTaskInfoPanel(QWidget* parent);

  // About the task at `index` in Tasks; -1 for none. An index past the list changes nothing.
  void Show(int index);
  // Fits the lines to the panel's width.
  void FitLines();

  TLinkLabel* InputLine;     // the input file, or the link that adds files
  TLinkLabel* OutputLine;    // the output file
  TLinkLabel* SettingsLine;  // channels and bit rate
  TLinkLabel* SizeLine;      // length and estimated size
  TLinkLabel* EditLine;      // the link that edits the task

  // The links' names, as the labels give them when clicked.
  static constexpr const char* AddLink = "aa";
  static constexpr const char* InputLink = "bb";
  static constexpr const char* EditTaskLink = "cc";
  static constexpr const char* OutputLink = "dd";

 signals:
  void LinkClicked(const QString& link);

 private:
  TLinkLabel* Line(const char* name, int x, int y);
  // The Edit link after the size line, or under it when a translation leaves no room beside it.
  void PlaceEditLine();
  void ShowOutput(const TTask& t);
};
