#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "LoudnessMeter.h"

// The album gains of one run: the files of an album are measured as one once the
// last of them has ended. An album is the files sharing the album tag and album
// artist (else artist), or, untagged, a folder.
class TAlbumGain {
 public:
  struct TTrack {
    QString Album, AlbumArtist, Artist;
    QString Folder;  // the input's
  };
  struct TMember {
    int Index;
    QString Output;
  };
  struct TDone {
    std::vector<TMember> Measured;    // the files to carry the album's gain
    std::vector<std::uint8_t> Frames;  // its ReplayGain frames for their ID3v2 tags
    QString LeftOut;  // which files it leaves out, for the notes; empty when none
  };

  void Clear();
  // Counts the file at `index` in its album.
  void Join(int index, const TTrack& track);
  // The file at `index` ended: `meter` holds its measurement when it was made
  // whole, else it is null and the album leaves out `name`. The album, once this
  // was its last file.
  std::optional<TDone> Ended(int index, const QString& output, std::unique_ptr<TLoudnessMeter> meter,
                             const QString& name);

 private:
  struct TAlbum {
    int Pending = 0;
    struct TMeasured {
      TMember File;
      std::unique_ptr<TLoudnessMeter> Meter;
    };
    std::vector<TMeasured> Measured;
    QStringList LeftOut;
  };
  std::vector<QString> AlbumOf_;  // each file's album, by index
  std::map<QString, TAlbum> Albums_;
};
