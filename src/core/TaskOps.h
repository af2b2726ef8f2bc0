#pragma once
#include <cstdint>
#include <vector>

#include "Globals.h"
#include "Mp3Types.h"
#include "Task.h"

// Appends CurrentTask as a new ticked task, or copies it over the task at `index`.
void StoreCurrentTask(bool append, int index);
void LoadTaskForEdit(int index);
void RemoveTask(int index);
// Removes the tasks at `rows` (in any order) in one pass, however many they are.
void RemoveTasks(const std::vector<int>& rows);
void FreeAllTasks();

void AdoptTaskAsDefaults(const TTask& task);
void ApplyDefaultsToTask(TTask& task, const TDefaultSettings& settings = DefaultSettings);

// Estimated MP3 sizes in kilobytes.
std::int32_t ProbeSizeEstimate(const TTask& task);
std::int32_t WizardSizeEstimate(const TTask& task);

// The encoder settings and tags that `task` asks for. A bit rate that is not one
// of the table's leaves `settings.BitRate` as it was.
void ApplyTaskToEncoder(const TTask& task, TMP3Settings& settings, TMP3Tags& tags);
