#include "TrackGain.h"

#include "LameTag.h"
#include "ReplayGainTag.h"

TTrackGain::TTrackGain(int channels, int rate, const std::vector<std::uint8_t>& id3v2)
    : Meter_(std::make_unique<TLoudnessMeter>(channels, rate)), Head_(TReplayGainTag::Reserve(id3v2)) {}

void TTrackGain::Write(std::vector<std::uint8_t>& tagFrame) {
  const double gain = TLoudnessMeter::GainOf(Meter_->Loudness()), peak = Meter_->Peak();
  TLameTag::SetReplayGain(tagFrame, gain, peak);
  if (!TReplayGainTag::Fill(Head_, TReplayGainTag::Frames("TRACK", gain, peak))) Head_.clear();
}
