// The start of a game: what the welcome's choices set up before the first
// bet. The welcome dialog, the simulator, the screenshot tool and the tests
// all start their games here, so that a game starts one way only.
#pragma once

#include "hand/GameState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

struct WelcomeChoices {
  std::string playerName{};  // UTF-8, at most 10 characters; none plays as "Player"
  std::int32_t startingBank = 1000;
  bool soundOn = false;
  // Random backs: the house picks one for every deal. Otherwise the back
  // chosen is kept, when one is given.
  bool randomBacks = false;
  std::optional<int> backId{};
};

// Sets the player's name, the starting bank and the bank, sound and the card
// back, and starts the game's statistics from the starting bank.
void StartGame(GameState& state, const WelcomeChoices& choices);

}  // namespace velmora
