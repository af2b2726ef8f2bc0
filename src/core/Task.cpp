#include "Task.h"

QString CutText(const QString& text, int count) {
  int chars = 0;
  int i = 0;
  while (i < text.size() && chars < count) {
    i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    ++chars;
  }
  return i < text.size() ? text.left(i) : text;
}

void CutTaskTexts(TTask& task) {
  for (QString* t : {&task.Title, &task.Artist, &task.Album, &task.Comment, &task.Genre, &task.Year, &task.Track,
                     &task.AlbumArtist, &task.Disc, &task.Composer})
    *t = CutText(*t);
}
