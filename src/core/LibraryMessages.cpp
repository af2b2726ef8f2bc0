#include "LibraryMessages.h"

#include <cstdarg>
#include <cstring>
#include <string>

extern "C" {
#include <libavutil/log.h>
}

// Silent by default: not even critical messages pass until shown.
Q_LOGGING_CATEGORY(libraryLog, "brindlewave.libraries", QtFatalMsg)

namespace {

bool Enabled(QtMsgType type) {
  switch (type) {
    case QtDebugMsg: return libraryLog().isDebugEnabled();
    case QtInfoMsg: return libraryLog().isInfoEnabled();
    case QtWarningMsg: return libraryLog().isWarningEnabled();
    default: return libraryLog().isCriticalEnabled();
  }
}

QtMsgType TypeOf(int avLevel) {
  if (avLevel <= AV_LOG_ERROR) return QtCriticalMsg;
  if (avLevel <= AV_LOG_WARNING) return QtWarningMsg;
  if (avLevel <= AV_LOG_INFO) return QtInfoMsg;
  return QtDebugMsg;
}

// Runs on whichever thread FFmpeg logs from. A message may come in pieces that
// end without a newline; each thread keeps its own until the line is whole.
void FromFfmpeg(void* context, int level, const char* format, va_list args) {
  level &= 0xff;  // without the colour bits
  if (level > AV_LOG_DEBUG) return;
  const QtMsgType type = TypeOf(level);
  if (!Enabled(type)) return;
  thread_local std::string pending;
  char line[1024];
  int prefix = pending.empty() ? 1 : 0;
  const int needed = av_log_format_line2(context, level, format, args, line, sizeof line, &prefix);
  const std::size_t length = std::strlen(line);
  if (length == 0) return;
  // A line cut at the buffer's end is as whole as it gets.
  const bool whole = line[length - 1] == '\n' || needed >= int(sizeof line) - 1;
  if (!whole && pending.size() < 4096) {
    pending += line;
    return;
  }
  if (pending.empty()) {
    LibraryMessage(type, line);
  } else {
    pending += line;
    LibraryMessage(type, pending.c_str());
    pending.clear();
  }
}

}  // namespace

void RouteLibraryMessages() { av_log_set_callback(FromFfmpeg); }

void ShowLibraryMessages(bool show) {
  QLoggingCategory::setFilterRules(show ? QStringLiteral("brindlewave.libraries.info=true\n"
                                                         "brindlewave.libraries.warning=true\n"
                                                         "brindlewave.libraries.critical=true")
                                        : QString());
}

void LibraryMessage(QtMsgType type, const char* text) {
  std::size_t length = std::strlen(text);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r')) --length;
  if (length == 0) return;
  const QByteArray message(text, qsizetype(length));
  switch (type) {
    case QtDebugMsg: qCDebug(libraryLog, "%s", message.constData()); break;
    case QtInfoMsg: qCInfo(libraryLog, "%s", message.constData()); break;
    case QtWarningMsg: qCWarning(libraryLog, "%s", message.constData()); break;
    default: qCCritical(libraryLog, "%s", message.constData()); break;
  }
}
