#include "media/SpeakerLayout.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdint>

namespace velmora {

namespace {

// libsndfile's name of a speaker in the server's words; invalid for none.
pa_channel_position_t ServerPosition(int filePosition) {
  switch (filePosition) {
    case SF_CHANNEL_MAP_MONO:
      return PA_CHANNEL_POSITION_MONO;
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT:
      return PA_CHANNEL_POSITION_FRONT_LEFT;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT:
      return PA_CHANNEL_POSITION_FRONT_RIGHT;
    case SF_CHANNEL_MAP_CENTER:
    case SF_CHANNEL_MAP_FRONT_CENTER:
      return PA_CHANNEL_POSITION_FRONT_CENTER;
    case SF_CHANNEL_MAP_REAR_CENTER:
      return PA_CHANNEL_POSITION_REAR_CENTER;
    case SF_CHANNEL_MAP_REAR_LEFT:
      return PA_CHANNEL_POSITION_REAR_LEFT;
    case SF_CHANNEL_MAP_REAR_RIGHT:
      return PA_CHANNEL_POSITION_REAR_RIGHT;
    case SF_CHANNEL_MAP_LFE:
      return PA_CHANNEL_POSITION_LFE;
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER:
      return PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER;
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER:
      return PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER;
    case SF_CHANNEL_MAP_SIDE_LEFT:
      return PA_CHANNEL_POSITION_SIDE_LEFT;
    case SF_CHANNEL_MAP_SIDE_RIGHT:
      return PA_CHANNEL_POSITION_SIDE_RIGHT;
    case SF_CHANNEL_MAP_TOP_CENTER:
      return PA_CHANNEL_POSITION_TOP_CENTER;
    case SF_CHANNEL_MAP_TOP_FRONT_LEFT:
      return PA_CHANNEL_POSITION_TOP_FRONT_LEFT;
    case SF_CHANNEL_MAP_TOP_FRONT_RIGHT:
      return PA_CHANNEL_POSITION_TOP_FRONT_RIGHT;
    case SF_CHANNEL_MAP_TOP_FRONT_CENTER:
      return PA_CHANNEL_POSITION_TOP_FRONT_CENTER;
    case SF_CHANNEL_MAP_TOP_REAR_LEFT:
      return PA_CHANNEL_POSITION_TOP_REAR_LEFT;
    case SF_CHANNEL_MAP_TOP_REAR_RIGHT:
      return PA_CHANNEL_POSITION_TOP_REAR_RIGHT;
    case SF_CHANNEL_MAP_TOP_REAR_CENTER:
      return PA_CHANNEL_POSITION_TOP_REAR_CENTER;
    default:
      return PA_CHANNEL_POSITION_INVALID;  // ambisonics, or nothing
  }
}

}  // namespace

pa_channel_map SpeakerLayout(int channels, std::span<const int> filePositions) {
  pa_channel_map layout{};
  const auto count = static_cast<unsigned>(std::clamp(channels, 0, int{PA_CHANNELS_MAX}));
  const bool named =
      filePositions.size() == count && std::ranges::any_of(filePositions, [](int position) {
        return ServerPosition(position) != PA_CHANNEL_POSITION_INVALID;
      });
  if (!named) {
    pa_channel_map_init_extend(&layout, count, PA_CHANNEL_MAP_DEFAULT);
    return layout;
  }
  layout.channels = static_cast<std::uint8_t>(count);
  int auxiliary = 0;
  for (unsigned k = 0; k < count; ++k) {
    const pa_channel_position_t position = ServerPosition(filePositions[k]);
    layout.map[k] =
        position != PA_CHANNEL_POSITION_INVALID
            ? position
            : static_cast<pa_channel_position_t>(PA_CHANNEL_POSITION_AUX0 + auxiliary++);
  }
  return layout;
}

}  // namespace velmora
