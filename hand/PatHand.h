// One hand played whole by the engine, the player standing pat: how the
// screenshot tool and the tests find the clock second that deals the hand
// they want to show.
#pragma once

#include "hand/GameState.h"
#include "hand/HandEngine.h"

#include <cstdint>
#include <optional>

namespace velmora {

// Plays a $1 hand on `state`, dealt at `seconds`, from the bet to the
// settlement without a discard; the settlement, or nothing when the game
// cannot take a bet (an empty bank). Pass a copy to look ahead.
std::optional<SettlementResult> PlayPatHand(GameState& state, std::int64_t seconds);

}  // namespace velmora
