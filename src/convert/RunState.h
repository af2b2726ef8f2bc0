#pragma once
#include <optional>

// Where a run of the conversion engine stands. The engine alone keeps it; the
// windows and the command line read it.
enum class TRunState {
  Idle,         // no run begun yet
  Running,      // tasks start as jobs come free
  Paused,       // the running files wait, nothing starts
  Cancelling,   // the running files end with the audio so far, nothing starts
  Terminating,  // the running files are discarded, nothing starts
  Finished,     // every task has ended; more may be appended
  Cancelled,    // ended by a cancel
  Terminated,   // ended at once
};

// What moves a run from one state to another.
enum class TRunEvent {
  Begin,      // a new run over a list of tasks
  Append,     // a task added at the end of the run
  Pause,
  Resume,
  Cancel,
  Terminate,
  Drained,    // nothing runs and nothing is left to start
};

// The state `event` leads to from `state`, or none when the event is refused there.
std::optional<TRunState> RunStateAfter(TRunState state, TRunEvent event);

// A run has begun and not yet ended.
bool RunActive(TRunState state);
