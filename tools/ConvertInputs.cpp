#include "ConvertInputs.h"

#include <QDir>
#include <QEventLoop>
#include <cstdio>

#include "ConvertOptions.h"
#include "FolderScan.h"
#include "Globals.h"
#include "Lang.h"
#include "NativePath.h"
#include "Paths.h"
#include "ReadPool.h"
#include "TaskOps.h"

void ReportFile(const QString& file, const QString& why) {
  std::fprintf(stderr, "%s: %s\n", NativePath(file).constData(), why.toLocal8Bit().constData());
}

TConvertInputs::TConvertInputs(const TConvertOptions& o, const QString& outDir) : O_(o), Settings_(DefaultSettings) {
  // Each file goes beside its own input when no output folder is set.
  Settings_.OutputFileDir = outDir;
}

bool TConvertInputs::InShare(const QString& path, const QString& subFolder) const {
  return !O_.shard || O_.shard->Holds(subFolder + FileNamePart(path));
}

void TConvertInputs::AddPaths(const QStringList& paths, std::vector<TTask*>& tasks, int& failed) {
  std::vector<TReadRequest> requests;
  int folders = 0;
  for (const QString& path : paths) folders += NativeIsDir(path) ? 1 : 0;
  for (const QString& path : paths) {
    if (!NativeIsDir(path)) {
      if (InShare(path, {})) requests.push_back({path, QString()});
      continue;
    }
    const auto found = TFolderScan::Run(path);
    if (found.empty() && !O_.quiet) ReportFile(path, lang::NoAudioFilesHere);
    // Several folders at once: each keeps its tree under its own name.
    const QString prefix = folders > 1 ? FileNamePart(QDir::cleanPath(path)) + "/" : QString();
    for (const TFoundFile& f : found)
      if (InShare(f.Path, f.SubFolder)) requests.push_back({f.Path, prefix + f.SubFolder});
  }
  AddAll(std::move(requests), tasks, failed);
}

void TConvertInputs::AddAll(std::vector<TReadRequest> files, std::vector<TTask*>& tasks, int& failed) {
  TTaskReader::LeaveOutOwnOutputs(files, Settings_);
  TReadPool pool(std::move(files), TTaskReader(Settings_, false));
  QEventLoop loop;
  const auto take = [&] {
    TReadResult r;
    while (pool.TakeNext(r))
      if (TTask* t = Take(r))
        tasks.push_back(t);
      else
        ++failed;
    if (pool.Drained()) loop.quit();
  };
  QObject::connect(&pool, &TReadPool::Ready, &loop, take);
  if (!pool.Start()) {
    ReportFile("brindlewave-convert", lang::ThreadNotCreated);
    ++failed;
    return;
  }
  loop.exec();
}

TTask* TConvertInputs::Add(const QString& file, const QString& subFolder, bool quietIfGone) {
  TReadResult r = TTaskReader(Settings_, false).Read(file, subFolder);
  if (quietIfGone && r.Outcome == TReadOutcome::Gone) return nullptr;
  return Take(r);
}

TTask* TConvertInputs::Take(TReadResult& r) {
  if (!r.Ok()) {
    if (r.Outcome == TReadOutcome::Protected)
      std::fprintf(stderr, "%s\n", QString(lang::ProtectedFormat).arg(ReadableName(r.Path)).toLocal8Bit().constData());
    else
      ReportFile(r.Path, r.Outcome == TReadOutcome::NoAudio ? QString(lang::NoAudioStream)
                         : r.Reason.isEmpty()                ? QString(lang::CannotRead)
                                                             : r.Reason);
    return nullptr;
  }
  TTask& read = r.Task;
  read.SrcFile = NativeAbsolutePath(read.SrcFile);
  TTask* earlier = nullptr;
  for (const auto& t : Tasks)
    if (t->SrcFile == read.SrcFile) earlier = t.get();
  // Its own earlier output is not another task's name.
  if (earlier) Outputs_.remove(earlier->DstFile);
  read.DstFile = OutputNameFor(read, [this](const QString& name) { return Outputs_.contains(name); }, Settings_);
  O_.ApplyTo(read);
  read.EstimatedSize = ProbeSizeEstimate(read);
  read.Checked = true;
  TTask* task = earlier;
  if (earlier) {
    *earlier = read;
  } else {
    Tasks.push_back(std::make_unique<TTask>(read));
    task = Tasks.back().get();
  }
  Outputs_.insert(task->DstFile);
  Names_[task] = r.Path;
  return task;
}
