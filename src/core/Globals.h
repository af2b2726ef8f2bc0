#pragma once
// The application's shared state, alive from start-up to exit.

#include <QString>
#include <array>
#include <atomic>
#include <memory>
#include <vector>

#include "DefaultSettings.h"
#include "Task.h"

extern std::vector<std::unique_ptr<TTask>> Tasks;
extern TTask CurrentTask;
extern TDefaultSettings DefaultSettings;
extern std::int32_t TipsIndex;
extern QString AppDir;  // the program's folder, with a trailing separator
extern std::array<std::int32_t, 18> BitRateTable;

// Texts set at start-up.
extern QString HelpFile;
extern QString TipsFile;
extern QString FileFilter;

void FillBitRateTable();

// Sets AppDir and the start-up texts; `programPath` is the program file's path.
void InitAppGlobals(const QString& programPath);

// A data file beside the program, or in the installed data folder.
QString DataFilePath(const QString& name);
