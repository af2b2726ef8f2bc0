#pragma once
#include <QString>
#include <functional>

#include "Task.h"

class TMP3Out;

// Converts one task through the decoding source and the MP3 sink, running the
// caller's event loop until the sink is done. Returns the reason on failure,
// an empty text on success. `progress` gets the per cent as it changes.
QString ConvertTask(const TTask& task, TMP3Out& sink, const std::function<void(int)>& progress = {});
