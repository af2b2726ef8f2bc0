#pragma once
#include <QString>
#include <atomic>
#include <memory>

class TmainFrm;
class TprgFrm;
class TmsgFrm;
class TaddFrm;
class TTipsFrm;

// The program's windows, created at start-up in their fixed order.
struct TAppWindows {
  std::unique_ptr<TmainFrm> mainFrm;
  std::unique_ptr<TaddFrm> addFrm;
  std::unique_ptr<TprgFrm> prgFrm;
  std::unique_ptr<TmsgFrm> msgFrm;
  std::unique_ptr<TTipsFrm> tipsFrm;
  ~TAppWindows();
};

extern TAppWindows* AppWindows;

// Start-up up to the message loop: globals, bit-rate table, defaults, windows.
// Throws (an EAudioException when the encoder is missing) with the text to show
// when a window cannot be built.
std::unique_ptr<TAppWindows> StartApplication(const QString& programPath);
// Releases the windows and the task list.
void ShutdownApplication(std::unique_ptr<TAppWindows> windows);

// Set once the program has been asked to end (a termination signal): nothing new
// is started, no question is asked.
extern std::atomic<bool> ShutdownRequested;
// Ends the program as soon as it can without losing data: a run is ended (the
// file being written is discarded), open questions and dialogs are dismissed, a
// file being read is let finish, then the main window closes the normal way.
void RequestShutdown();
