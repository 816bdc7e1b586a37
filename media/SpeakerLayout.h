// Which speaker each channel of a sound file is meant for, told to the audio
// server so that it can mix any number of channels down to the speakers there
// are. Without it the server knows a layout only for up to six channels and
// refuses a stream of more.
#pragma once

#include <pulse/channelmap.h>

#include <span>

namespace velmora {

// `filePositions` holds libsndfile's SF_CHANNEL_MAP_ value of each channel as
// the file names them; channels it names no speaker for are auxiliary. When
// the file names no speaker at all, the channels lie as the server lays out
// that many by default (as paplay plays such a file): up to six on speakers,
// the rest auxiliary. Auxiliary channels are not mixed into the speakers
// there are.
pa_channel_map SpeakerLayout(int channels, std::span<const int> filePositions);

}  // namespace velmora
