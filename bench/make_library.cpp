// Makes a library of one-second WMA files (44.1 kHz stereo, tagged) for the
// library benchmark: FOLDER/artistNN/albumNN/trackNN.wma over 100 artist folders,
// 20 tracks to an album. File i is artist i % 100, album i / 2000, track
// (i / 100) % 20, so any count spreads over all the artists. Files already there
// are kept, so an interrupted run picks up where it stopped; each file is written
// under a temporary name and renamed once complete.
//
// usage: make_library FOLDER FILES

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "MediaMaker.h"

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  bool ok = args.size() == 3;
  const int files = ok ? args[2].toInt(&ok) : 0;
  if (!ok || files <= 0) {
    std::fprintf(stderr, "usage: make_library FOLDER FILES\n");
    return 2;
  }
  av_log_set_level(AV_LOG_ERROR);
  const QString root = QDir(args[1]).absolutePath();
  int made = 0;
  for (int i = 0; i < files; ++i) {
    const int artist = i % 100, album = i / 2000, track = (i / 100) % 20;
    const QString a = QString("%1").arg(artist, 2, 10, QChar('0'));
    const QString b = QString("%1").arg(album, 2, 10, QChar('0'));
    const QString t = QString("%1").arg(track, 2, 10, QChar('0'));
    const QString path = QString("%1/artist%2/album%3/track%4.wma").arg(root, a, b, t);
    if (QFileInfo::exists(path)) continue;
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
      std::fprintf(stderr, "make_library: cannot make the folder of %s\n", qPrintable(path));
      return 1;
    }
    ToneSpec tone{1.0, 44100, 2,
                  {{"title", ("Track " + t).toStdString()},
                   {"artist", ("Artist " + a).toStdString()},
                   {"album", ("Album " + b + " of Artist " + a).toStdString()},
                   {"track", std::to_string(track + 1)}}};
    const QString part = path + ".part";
    if (!MakeWma(part, tone) || !QFile::rename(part, path)) {
      QFile::remove(part);
      std::fprintf(stderr, "make_library: cannot write %s\n", qPrintable(path));
      return 1;
    }
    ++made;
  }
  std::fprintf(stderr, "make_library: %d files in %s (%d made now)\n", files, qPrintable(root), made);
  return 0;
}
