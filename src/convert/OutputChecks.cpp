#include "OutputChecks.h"

#include <QtGlobal>
#include <algorithm>
#include <system_error>
#include <sys/stat.h>

#include "CoreBudget.h"
#include "Lang.h"
#include "LoudnessMeter.h"
#include "MP3FileCheck.h"
#include "NativePath.h"
#include "OutputVerifier.h"
#include "Task.h"

namespace {
// An output this much shorter than its input was not made from all of it.
constexpr qint64 ShortOfInput = 10000000;
}  // namespace

TOutputChecks::~TOutputChecks() { TakeEnded(true); }

bool TOutputChecks::Start(TCheck& check) {
  auto r = std::make_unique<TRunning>();
  TRunning* p = r.get();
  p->Check = std::move(check);
  try {
    p->Thread = std::thread([this, p, path = NativePath(p->Check.Result.Output).toStdString(),
                             samples = p->Check.Result.EncodedSamples] {
      std::string problem;
      try {
        TOutputVerifier::TOptions options;
        options.Stop = &p->Stop;
        // A core no conversion is using decodes the file's back half.
        options.TakeCore = TCoreBudget::TryTakeHelper;
        options.GiveCore = TCoreBudget::GiveHelper;
        problem = TOutputVerifier::Check(path, samples, options);
      } catch (const std::exception& e) {
        problem = lang::Say(lang::CannotBeCheckedFormat, std::string(e.what()));
      }
      p->Check.Problem = std::move(problem);
      {
        std::lock_guard l(DoneMx_);
        Done_.push_back(p);
      }
      Ended_();
    });
  } catch (const std::system_error&) {
    check = std::move(p->Check);
    return false;
  }
  Running_.push_back(std::move(r));
  return true;
}

std::vector<TOutputChecks::TCheck> TOutputChecks::TakeEnded(bool all) {
  if (all) {
    for (auto& r : Running_) r->Stop = true;
    for (auto& r : Running_)
      if (r->Thread.joinable()) r->Thread.join();
  }
  std::vector<TRunning*> done;
  {
    std::lock_guard l(DoneMx_);
    done.swap(Done_);
  }
  std::vector<TCheck> ended;
  for (TRunning* p : done) {
    const auto at = std::find_if(Running_.begin(), Running_.end(), [p](const auto& r) { return r.get() == p; });
    if (at == Running_.end()) continue;
    std::unique_ptr<TRunning> r = std::move(*at);
    Running_.erase(at);
    if (r->Thread.joinable()) r->Thread.join();
    TCheck& c = r->Check;
    if (!c.Problem.empty()) {
      c.Result.Outcome = TJobOutcome::Failed;
      c.Result.Failure = QString(lang::NotPlayingToEndFormat).arg(QString::fromStdString(c.Problem));
    }
    ended.push_back(std::move(c));
  }
  return ended;
}

bool TOutputChecks::Any(const std::function<bool(int index)>& of) const {
  return std::any_of(Running_.begin(), Running_.end(), [&of](const auto& r) { return of(r->Check.Index); });
}

bool TOutputChecks::UpToDate(const TTask& task) {
  struct stat output {}, input {};
  const QByteArray outputName = NativePath(task.DstFile);
  if (::stat(outputName.constData(), &output) != 0 || !S_ISREG(output.st_mode)) return false;
  // An input that cannot be read now leaves the output be: its conversion would fail.
  if (::stat(NativePath(task.SrcFile).constData(), &input) == 0 &&
      std::pair(output.st_mtim.tv_sec, output.st_mtim.tv_nsec) < std::pair(input.st_mtim.tv_sec, input.st_mtim.tv_nsec))
    return false;
  const TMP3FileCheck::TResult check = TMP3FileCheck::Read(outputName.toStdString());
  // A whole file that holds less than the input states (one a cancel ended) is made again.
  return check.Complete && (task.Duration <= 0 || qint64(check.Seconds() * 1e7) >= task.Duration - ShortOfInput);
}
