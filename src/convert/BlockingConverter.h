#pragma once
#include <functional>

#include "ConvertResult.h"
#include "Task.h"

class TMP3Out;

// Converts one task through the caller's sink, as set up, running the caller's
// event loop until it has ended. `progress` gets the per cent as it changes.
TConvertResult ConvertTask(const TTask& task, TMP3Out& sink, const std::function<void(int)>& progress = {});
