#include "RunState.h"

std::optional<TRunState> RunStateAfter(TRunState state, TRunEvent event) {
  using S = TRunState;
  switch (event) {
    case TRunEvent::Begin:
      // A run ends before the next begins: its jobs and names are still in use.
      if (RunActive(state)) return std::nullopt;
      return S::Running;
    case TRunEvent::Append:
      // A cancelled or ended run takes nothing more: the user stopped it.
      if (state == S::Running || state == S::Paused) return state;
      if (state == S::Finished) return S::Running;
      return std::nullopt;
    case TRunEvent::Pause:
      if (state == S::Running) return S::Paused;
      return std::nullopt;
    case TRunEvent::Resume:
      if (state == S::Paused) return S::Running;
      return std::nullopt;
    case TRunEvent::Cancel:
      if (state == S::Running || state == S::Paused) return S::Cancelling;
      return std::nullopt;
    case TRunEvent::Terminate:
      // Also over a cancel: the program's end does not wait for its files.
      if (state == S::Running || state == S::Paused || state == S::Cancelling) return S::Terminating;
      return std::nullopt;
    case TRunEvent::Drained:
      if (state == S::Running || state == S::Paused) return S::Finished;
      if (state == S::Cancelling) return S::Cancelled;
      if (state == S::Terminating) return S::Terminated;
      return std::nullopt;
  }
  return std::nullopt;
}

bool RunActive(TRunState state) {
  return state == TRunState::Running || state == TRunState::Paused || state == TRunState::Cancelling ||
         state == TRunState::Terminating;
}
