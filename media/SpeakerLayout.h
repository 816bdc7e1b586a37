// Which speaker each channel of a sound file is meant for, told to the audio
// server so that it can mix any number of channels down to the speakers there
// are. Without it the server knows a layout only for up to six channels and
// refuses a stream of more.
#pragma once

#include <pulse/channelmap.h>

#include <span>

namespace velmora {

// `filePositions` holds libsndfile's SF_CHANNEL_MAP_ value of each channel as
// the file names them, or nothing when the file names none: then the channels
// lie in the usual order of wave files (front left, front right, front
// centre, low frequency, rear left, rear right, ...). Channels without a
// speaker of their own, and those beyond the usual order, are auxiliary.
pa_channel_map SpeakerLayout(int channels, std::span<const int> filePositions);

}  // namespace velmora
