#include "hand/GameStart.h"

namespace velmora {

void StartGame(GameState& state, const WelcomeChoices& choices) {
  state.PlayerName = choices.playerName.empty() ? std::string("Player") : choices.playerName;
  state.StartingBank = choices.startingBank;
  state.Bank = choices.startingBank;
  state.Statistics.StartGameStatistics(static_cast<std::uint32_t>(state.Bank));
  state.SoundOn = choices.soundOn;
  // Random backs keep the back on the table until a deal draws one.
  state.RandomizeDeck = choices.randomBacks;
  if (!choices.randomBacks && choices.backId) {
    state.DeckBackId = *choices.backId;
  }
}

}  // namespace velmora
