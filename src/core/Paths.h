#pragma once
#include <QString>
#include <functional>

#include "Globals.h"

// Creates every missing folder of `folder` and returns it with a trailing "/";
// empty when a folder cannot be created (with the system's reason in `error`).
// A relative folder is placed at the root; a blank one gives `fallback`.
QString ForceFolder(const QString& folder, const QString& fallback, QString* error = nullptr);
// Some listed task already writes to `path` (exact comparison).
bool IsOutputTaken(const QString& path);
// `path` itself, or its name numbered "(2)", "(3)"... before the extension, the
// first that is not `taken` and, when `existing` counts, does not exist.
QString NextFreeName(const QString& path, const std::function<bool(const QString&)>& taken, bool existing = true);
// A task's output name under the output folder, without extension: from the name
// pattern when one is set, else its input's name; under its folder when the tree is
// kept and the pattern makes no folders of its own.
QString RelativeOutputName(const TTask& task, const TDefaultSettings& settings = DefaultSettings);
// The folder a task's output goes under: the chosen output folder, or, while none is
// chosen (empty, or the same as the last input folder), the folder its input was
// added with, so the output lies beside the input.
QString OutputFolderFor(const TTask& task, const TDefaultSettings& settings = DefaultSettings);
// Every output name is made here: the output folder and the relative name, numbered
// "(2)", "(3)"... while `taken` claims it, while it is the task's own input, and, when
// existing outputs are numbered, while a file stands under it.
QString OutputNameFor(const TTask& task, const std::function<bool(const QString&)>& taken,
                      const TDefaultSettings& settings = DefaultSettings);
// The output folder a task's MP3 was named under: its folder without the folders
// its name added (its place in a kept tree, or a name pattern's).
QString OutputBaseFolder(const TTask& task);
// CurrentTask's output name, numbered while another listed task writes it.
QString MakeOutputName();
// The folder part of `path`, with its trailing "/".
QString FolderPart(const QString& path);
// The file-name part of `path`.
QString FileNamePart(const QString& path);
// The help page: beside the program, or in the data folder.
QString HelpFilePath();
