#include "AlbumGain.h"

#include <algorithm>

#include "Lang.h"
#include "ReplayGainTag.h"

void TAlbumGain::Clear() {
  AlbumOf_.clear();
  Albums_.clear();
}

void TAlbumGain::Join(int index, const TTrack& track) {
  const QString& artist = track.AlbumArtist.isEmpty() ? track.Artist : track.AlbumArtist;
  const QString key = track.Album.isEmpty() ? "folder\n" + track.Folder : "album\n" + track.Album + "\n" + artist;
  if (index >= int(AlbumOf_.size())) AlbumOf_.resize(std::size_t(index) + 1);
  AlbumOf_[std::size_t(index)] = key;
  ++Albums_[key].Pending;
}

std::optional<TAlbumGain::TDone> TAlbumGain::Ended(int index, const QString& output,
                                                   std::unique_ptr<TLoudnessMeter> meter, const QString& name) {
  if (index < 0 || index >= int(AlbumOf_.size())) return {};
  const auto found = Albums_.find(AlbumOf_[std::size_t(index)]);
  if (found == Albums_.end()) return {};
  TAlbum& album = found->second;
  if (meter)
    album.Measured.push_back({{index, output}, std::move(meter)});
  else
    album.LeftOut << name;
  if (--album.Pending > 0) return {};
  const TAlbum ended = std::move(album);
  Albums_.erase(found);
  std::vector<const TLoudnessMeter*> meters;
  double peak = 0;
  TDone done;
  for (const auto& m : ended.Measured) {
    meters.push_back(m.Meter.get());
    peak = std::max(peak, m.Meter->Peak());
    done.Measured.push_back(m.File);
  }
  done.Frames = TReplayGainTag::Frames("ALBUM", TLoudnessMeter::GainOf(TLoudnessMeter::Loudness(meters)), peak);
  if (!ended.LeftOut.isEmpty())
    done.LeftOut = lang::AlbumGainLeftOutFormat(qsizetype(ended.Measured.size()) + ended.LeftOut.size())
                       .arg(ended.Measured.size())
                       .arg(ended.LeftOut.join(", "));
  return done;
}
