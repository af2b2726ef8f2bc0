#pragma once
// What FFmpeg and the MP3 encoder say about the files they read and write goes to
// the "brindlewave.libraries" logging category, which is silent unless shown: a
// batch of files would otherwise flood standard error with notes that matter only
// when looking into a fault. QT_LOGGING_RULES can show it too.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(libraryLog)

// Sends FFmpeg's messages to libraryLog. Called once at start-up, before any
// thread opens a file.
void RouteLibraryMessages();

// Shows libraryLog's messages from notes up (FFmpeg's own default), or none.
void ShowLibraryMessages(bool show);

// One message of a library at `type`; a trailing newline is dropped. Any thread.
void LibraryMessage(QtMsgType type, const char* text);
