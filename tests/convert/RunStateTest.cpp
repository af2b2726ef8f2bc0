#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>
#include <optional>
#include <ostream>

#include "ConversionEngine.h"
#include "MediaMaker.h"
#include "TaskOps.h"
#include "TestSupport.h"

void PrintTo(TRunState state, std::ostream* os);

namespace {

using S = TRunState;
using E = TRunEvent;
constexpr S States[] = {S::Idle,     S::Running,   S::Paused,    S::Cancelling,
                        S::Terminating, S::Finished, S::Cancelled, S::Terminated};
constexpr E Events[] = {E::Begin, E::Append, E::Pause, E::Resume, E::Cancel, E::Terminate, E::Drained};
const char* const StateNames[] = {"Idle", "Running", "Paused", "Cancelling", "Terminating", "Finished", "Cancelled", "Terminated"};
const char* const EventNames[] = {"Begin", "Append", "Pause", "Resume", "Cancel", "Terminate", "Drained"};
constexpr std::optional<S> No = std::nullopt;

// The state each event leads to, by row the state it comes in; No: refused.
//                                   Begin       Append      Pause       Resume      Cancel         Terminate       Drained
const std::optional<S> Table[8][7] = {
    /* Idle        */ {S::Running, No,         No,         No,         No,            No,             No},
    /* Running     */ {No,         S::Running, S::Paused,  No,         S::Cancelling, S::Terminating, S::Finished},
    /* Paused      */ {No,         S::Paused,  No,         S::Running, S::Cancelling, S::Terminating, S::Finished},
    /* Cancelling  */ {No,         No,         No,         No,         No,            S::Terminating, S::Cancelled},
    /* Terminating */ {No,         No,         No,         No,         No,            No,             S::Terminated},
    /* Finished    */ {S::Running, S::Running, No,         No,         No,            No,             No},
    /* Cancelled   */ {S::Running, No,         No,         No,         No,            No,             No},
    /* Terminated  */ {S::Running, No,         No,         No,         No,            No,             No},
};

class RunStateTest : public ::testing::Test {
 protected:
  TestFolder t;
  TTask* long_ = nullptr;  // a file long enough to be still converting when the test acts

  void SetUp() override {
    const QString in = t.Path("long.wav");
    ASSERT_TRUE(MakeWav(in, {30.0, 44100, 2, {}}));
    long_ = &AddReadTask(in);
  }

  // Brings a new engine to `state` the way a client would: with no task, or,
  // to be ending at once, with one converting.
  void Reach(TConversionEngine& engine, S state) {
    if (state == S::Idle) return;
    engine.Begin(state == S::Terminating ? std::vector<TTask*>{long_} : std::vector<TTask*>{}, 1, false);
    if (state == S::Paused) engine.Pause();
    if (state == S::Cancelling || state == S::Cancelled) engine.Cancel();
    if (state == S::Terminating) engine.StartNext();  // the file starts converting
    if (state == S::Terminating || state == S::Terminated) engine.Terminate();
    if (state == S::Finished || state == S::Cancelled) engine.StartNext();  // nothing left: the run drains
  }

  // Applies `event` through the engine's own calls; whether it was taken, where they say.
  std::optional<bool> Apply(TConversionEngine& engine, E event) {
    switch (event) {
      case E::Begin: return engine.Begin({}, 1, false);
      case E::Append: return engine.Append(long_);
      case E::Pause: return engine.Pause();
      case E::Resume: return engine.Resume();
      case E::Cancel: return engine.Cancel();
      case E::Terminate: return engine.Terminate();
      case E::Drained:
        engine.StartNext();
        if (engine.AnyRunning()) {
          // A file still ending: the run drains when it has.
          QEventLoop loop;
          QObject::connect(&engine, &TConversionEngine::Finished, &loop, &QEventLoop::quit);
          QTimer::singleShot(20000, &loop, &QEventLoop::quit);
          loop.exec();
        }
        return std::nullopt;
    }
    return std::nullopt;
  }
};

// Every event in every state: the table allows what it should and refuses the
// rest, and the engine's calls follow it, leaving a refused one without effect.
TEST_F(RunStateTest, EachStateTakesItsEventsAndRefusesTheOthers) {
  for (const S from : States) {
    for (const E event : Events) {
      const std::optional<S> want = Table[int(from)][int(event)];
      SCOPED_TRACE(std::string(StateNames[int(from)]) + " on " + EventNames[int(event)]);
      EXPECT_EQ(RunStateAfter(from, event), want);
      TConversionEngine engine;
      Reach(engine, from);
      ASSERT_EQ(engine.State(), from);
      const std::optional<bool> taken = Apply(engine, event);
      if (taken) {
        EXPECT_EQ(*taken, want.has_value());
      }
      // With no file running, the end at once has nothing to wait for.
      const S now = want == S::Terminating && from != S::Terminating ? S::Terminated : want.value_or(from);
      EXPECT_EQ(engine.State(), now);
      EXPECT_EQ(engine.Active(), RunActive(now));
    }
  }
}

}  // namespace

void PrintTo(TRunState state, std::ostream* os) { *os << StateNames[int(state)]; }
