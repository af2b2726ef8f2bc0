#pragma once

class TMP3Out;

// The encoder settings every run starts from, before a task's own are applied:
// the same for the windows and the command line.
void ApplyHouseSettings(TMP3Out& sink);
