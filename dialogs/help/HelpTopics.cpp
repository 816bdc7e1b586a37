#include "dialogs/help/HelpTopics.h"

#include "dialogs/help/LicenseText.h"

#include <array>

#include <QtGlobal>

namespace velmora::help {

namespace {

constexpr Ink R = Ink::Red;
constexpr Ink K = Ink::Black;
constexpr Ink B = Ink::Blue;

constexpr auto Overview = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Velmora is \"nothing-wild\" five-card draw poker: you against the dealer, who "
            "plays for the house, with one ordinary deck of 52 cards and no jokers or wild "
            "cards. This help holds everything you need to start playing.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "On the welcome screen type your name, choose your starting bank ($100, "
            "$1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every "
            "hand goes the same way:")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP("velmora::help",
                          "1. You bet, and the dealer matches your bet into the game pot.")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "2. The dealer deals two hands of five cards, one to you and one to the house.")},
    {B, QT_TRANSLATE_NOOP("velmora::help",
                          "3. You throw away the cards you don't want and draw new ones.")},
    {B, QT_TRANSLATE_NOOP("velmora::help",
                          "4. The dealer throws away cards for the house and draws.")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "5. Both hands are turned face up and compared.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help", "6. The better hand takes the pot; equal hands split it.")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "7. Betting opens for the next hand.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The links under \"House Rules:\" explain each step: Betting, The Deal, Drawing "
            "Cards and The Showdown. The \"Hand Rankings\" page shows the ten kinds of hand, "
            "from the Royal Flush down to High Card, with an example of each and how ties "
            "are broken.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "Note:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Unlike draw poker in a casino there is only one betting round, at the start of "
            "each hand, as in classic video poker. Once the cards are dealt you cannot "
            "raise, call or fold: your bet stands until the showdown.")},
});

constexpr auto Betting = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "You place one bet at the start of each hand, before any card is dealt. It can "
            "be any whole number of dollars from $1 up to all the money in your bank.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP("velmora::help", "There are two ways to make your bet:")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "1. Click the bills in the cash tray at the right of the table. Each click adds "
            "that bill's amount to the New Bet field at the top of the tray. The Bank box "
            "under the tray then shows the cash you have left beside your bet, and the tray "
            "offers the bills you can still add: a few of different sizes, not a count of "
            "your cash. Click a bill again to add it again, as long as it is shown.")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "2. Type the amount into the New Bet field. The Bank box and the bills in the "
            "tray follow every change. This is also how you take cash back: change or "
            "clear the amount in the field.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "When the amount is right, click Deal. Your bet moves from the New Bet field "
            "into the game pot and the cards are dealt. While the hand is played the Bank "
            "box shows your bank less the bet in the pot. The bet is not lost yet: if you "
            "win or tie you get it back, and it leaves your bank only if you lose.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Mistakes cost nothing: letters, an amount larger than your bank, or a bet of "
            "$0 are refused with a message box that says what is wrong; click OK and try "
            "again.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "Note:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "If you leave the New Bet field empty, Deal bets the same amount as last time, "
            "shown in the Last Bet box at the bottom of the window, as long as your bank "
            "still covers it; if it doesn't, a message asks you to lower your bet. The "
            "first hand of a game has no last bet, so type or click an amount for it.")},
});

constexpr auto Deal = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "When you click Deal, your bet goes into the game pot and the dealer adds a "
            "matching bet, so the pot holds twice your bet. The whole deck is shuffled for "
            "every hand, and you and the dealer get five cards each, dealt one at a time "
            "and in turn, you first.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP("velmora::help", "What the Deal button does:")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "1. Closes betting for this hand: the New Bet field is put away and the bills "
            "can't be clicked until the hand is over.")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "2. Moves your bet into the game pot and matches it: the amount in the New Bet "
            "field or, when the field is empty, the amount in the Last Bet box. The top of "
            "the table shows the Game Pot.")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "3. Shuffles all 52 cards.")},
    {B, QT_TRANSLATE_NOOP("velmora::help",
                          "4. Deals the two hands: your cards face up, the dealer's face down.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "When the tenth card is down, the line at the bottom of the window reads "
            "\"Click on cards to remove and click Draw to replace\", the Deal button has "
            "become the Draw button, and the draw begins. From the keyboard, Alt+D presses "
            "Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H "
            "opens the Hint window, which lists the draws you may make, best first, with "
            "your chances against the dealer: the arrow keys choose one, Enter turns over "
            "its cards and Escape closes the window without changing them.")},
});

constexpr auto Drawing = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "After the deal you and the dealer may each throw away some cards and get new "
            "ones from the deck: up to three cards, or four if the one card kept is an "
            "ace. You draw first.")},
    {K, ""},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "1. Click each card you want to replace. It turns over and shows its back; "
                       "click it again if you change your mind.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "2. Click Draw. The cards you turned over are replaced by new ones from the "
                       "deck.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "3. To keep all five cards (\"stand pat\"), click Draw without turning any "
                       "card over.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "If you turn over all five cards, or four while the card you keep is not an "
            "ace, the draw is refused with a message. Your cards stay turned over as you "
            "left them, so change them and click Draw again.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Then the dealer draws for the house and tells you how many cards it took, "
            "for example \"Dealer takes 3\" (or \"Dealer takes 0\" when it keeps all five), "
            "and its new cards are dealt face down. When "
            "the dealer has drawn, its hand is turned face up for the showdown.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "HOW THE DEALER DRAWS:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The dealer looks only at its own five cards and always follows the same rule:")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "- A straight, a flush, a full house, a straight flush or a royal flush: it "
                       "stands pat and takes no card.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "- Four of a kind: it keeps all five cards when the fifth card is a nine or "
                       "higher, and otherwise draws one card in place of the fifth.")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "- Three of a kind: it keeps the three and draws two.")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "- Two pair: it keeps both pairs and draws one.")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "- One pair: it keeps the pair and draws three.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "- No pair: it keeps an ace and a king, or, without an ace, its two highest "
                       "cards, and draws three. With an ace but no king it keeps the ace alone and "
                       "draws four; as it announces the draw it turns that ace face up at the left "
                       "of its row.")},
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "The dealer never keeps a single unmatched card beside a pair or three of a "
                       "kind, and never draws to four cards of a flush or a straight.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "THE BEST DRAW:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Because the dealer always follows that rule, every draw you could make has a "
            "chance of beating it that can be worked out, and one draw is the best. Drawing "
            "as the dealer does comes close: keep a pair, two pair or three of a kind and "
            "throw away the rest; without a pair keep an ace and a king, or an ace alone, "
            "or your two highest cards. Where the best draw differs most is four cards of "
            "a straight flush: draw one card to them. Four cards of a plain flush or "
            "straight win less often than two high cards.")},
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "Drawing as the dealer does makes the game even, as you then play by the "
                       "dealer's own rule. The best draw does a little better: over 3,000 random "
                       "hands it gained 0.15% of the bet per hand, so against the best play the "
                       "house's edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The "
                       "house wins nothing from a player who draws the best way.")},
});

constexpr auto Showdown = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "When both of you have drawn, the dealer's hand is turned face up and both "
            "hands are ranked. The name of each hand appears under it (a High Card hand, "
            "with no pair or better, shows no name there), and the result is announced "
            "above the dealer's "
            "cards. The \"Hand Rankings\" page shows which hand beats which.")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "You win (\"You're a winner!\"): the pot is yours, so your bank grows by the "
            "amount of your bet.")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The dealer wins (\"Dealer wins!\"): the pot goes to the house, so your bank "
            "drops by the amount of your bet.")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "A push (\"Push.. Split the Pot!\"): the hands are equal, each side takes back "
            "its own bet and your bank stays as it was. Suits never break a tie.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Then betting opens for the next hand. The cards stay on the table until you "
            "click Deal again.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "Note:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "If you lose a hand and your bank is left at $0, you are bankrupt and the game "
            "is over. The house then offers you a credit extension: click New Game to start "
            "a new game with the same name and starting bank, View Stats to look back at "
            "the game, or Exit to leave Velmora. \"Credit extension\" is only a name: "
            "nothing is owed. The new game asks whether to keep the statistics; if you "
            "keep them, the new game is counted under \"Bankrupts/Resets\", and if you "
            "don't, every figure starts again from zero. New Game in the Game menu (F2) "
            "starts over in the same way, and is counted the same way, at any time after "
            "the first deal of a game.")},
});

constexpr auto SelectingDeck = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "In Velmora a deck is the picture on the backs of the cards; every deck holds "
            "the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on "
            "a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below "
            "rocky crags, swirling clouds, two clowns and a red bridge. You can choose a "
            "deck, or tick \"Randomize\" to let the dealer pick one at random before each "
            "hand.")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "1. On the welcome screen at the start: click the card picture until it shows "
            "the deck you want, or tick Randomize.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "2. During the game: while you are betting, before you click Deal, choose "
                       "Decks... from the Game menu (or press F7). Click the deck you want (a red "
                       "frame marks it) and click OK, or simply double-click it. Cancel keeps the "
                       "deck you had.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The deck you choose is used from the very next deal on and stays until you "
            "change it, also in a new game. The Decks... dialog has its own Randomize box.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "Note:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "While Randomize is ticked, single decks cannot be chosen: clicking a deck does "
            "nothing. Untick Randomize first to pick one yourself.")},
});

constexpr auto GameStatistics = std::to_array<Paragraph>({
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "While you play, Velmora keeps statistics of the current game: hands played and "
            "won, your winning percentage, your starting, average and highest bank, your "
            "average and highest bet, bankruptcies, the longest winning streaks of you and "
            "the dealer, the best hand of each of you, how many hands of each rank you each "
            "ended with, how many cards you each drew, and how often the draw improved a "
            "hand.")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "To see them, choose Statistics... from the Game menu (or press F5) at any "
            "time. The Summary page shows the figures of the game and the best hands; the "
            "Accumulative page counts the hand rankings and the draws of you and the "
            "dealer. Click Close to go back to the table.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "A push counts as a hand played but not as a win. The average bank is taken "
            "over your starting bank and your bank after every hand. A draw \"improved\" a "
            "hand when the hand after the draw beats the hand as it was dealt.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "Note:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The statistics are updated at the end of each hand, when the winner is known; "
            "only the draws are counted as soon as they are made. A new game asks whether "
            "to keep the statistics or to start them afresh.")},
});

constexpr auto SavingStatistics = std::to_array<Paragraph>({
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "Whenever the statistics window shows your current game you can save its "
                       "figures, and open them again later, for instance to keep a record of your "
                       "best games.")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP("velmora::help",
                          "1. Open the statistics window: Statistics... in the Game menu, or F5.")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "2. Choose Save... from its Stats menu, or click the first of the picture "
                       "buttons at its top left (its tip reads \"Save Stats...\").")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help",
                       "3. Choose a folder and a file name and click Save. The file is given the "
                       "extension .vlm. If a file of that name exists, you are asked whether to "
                       "replace it.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "VIEWING SAVED STATISTICS:")},
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "An opened file takes the place of the current figures in the statistics "
                       "window for as long as you look at it; the window's title shows the file's "
                       "name. Your current game goes on unchanged.")},
    {K, ""},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "1. In the statistics window, choose Open... from the Stats menu, or click the "
            "second picture button (\"Open saved Stats..\").")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "2. Pick a .vlm file and click Open.")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "3. To return to the current game, choose Current Game from the Stats menu or "
            "click the third picture button (\"Current Game Stats\"). The statistics "
            "window always opens on the current game.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "Note:")},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Saved statistics are a record of your best games: they can only be "
            "viewed and never become the figures of the current game, so a saved game "
            "cannot be continued. While a saved file is shown, saving is switched off. A "
            "file that is damaged or was not written by Velmora is refused with a message, "
            "and the window stays as it was.")},
});

constexpr auto License = std::to_array<Paragraph>({
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights "
                       "Reserved except as granted by the GNU General Public License, which grants "
                       "you a great deal:")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "Velmora is free software: you can redistribute it and/or modify it under the "
            "terms of the GNU General Public License as published by the Free Software "
            "Foundation, either version 3 of the License, or (at your option) any later "
            "version.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "In plain words: you may run Velmora for any purpose, study how it works and "
            "change it, and give copies to anyone, with or without your changes, free of "
            "charge or for a fee. Whoever passes the program on must do so under the same "
            "licence, offer its complete source code, keep every copyright and licence "
            "notice intact and add no further restrictions.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The card faces come from the KDE games card deck \"svg-standard\" (GNU GPL "
            "version 2 or later); some card backs use public-domain clip art from the Open "
            "Clip Art Library. The file CREDITS.md names every source.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "The complete licence is in the file COPYING that comes with Velmora; see also "
            "https://www.gnu.org/licenses/.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "DISCLAIMER OF WARRANTY:")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "There is no warranty for Velmora, to the extent permitted by applicable law. "
            "Except when otherwise stated in writing, the copyright holders and/or other "
            "parties provide the program \"as is\" without warranty of any kind, either "
            "expressed or implied, including, but not limited to, the implied warranties "
            "of merchantability and fitness for a particular purpose. The entire risk as "
            "to the quality and performance of the program is with you. Should the program "
            "prove defective, you assume the cost of all necessary servicing, repair or "
            "correction.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "In no event, unless required by applicable law or agreed to in writing, will "
            "any copyright holder, or any other party who modifies and/or conveys the "
            "program as permitted above, be liable to you for damages, including any "
            "general, special, incidental or consequential damages arising out of the use "
            "or inability to use the program (including but not limited to loss of data or "
            "data being rendered inaccurate or losses sustained by you or third parties or "
            "a failure of the program to operate with any other programs), even if such "
            "holder or other party has been advised of the possibility of such damages.")},
    {K, ""},
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "Velmora is played for fun: its dollars are play money and no real money is "
                       "ever bet, won or lost.")},
});

constexpr auto Contact = std::to_array<Paragraph>({
    {K,
     QT_TRANSLATE_NOOP("velmora::help",
                       "Velmora is made by a group of volunteers, the Velmora developers, and they "
                       "would be glad to hear from you. Write to them:")},
    {K, ""},
    {B,
     QT_TRANSLATE_NOOP("velmora::help", "- to ask about new releases and what they will bring;")},
    {B,
     QT_TRANSLATE_NOOP("velmora::help", "- with comments and suggestions, or ideas for the game;")},
    {B, QT_TRANSLATE_NOOP("velmora::help", "- to report an error in the game or in this help;")},
    {B, QT_TRANSLATE_NOOP(
            "velmora::help",
            "- with questions about the licence, or about using Velmora's code or pictures "
            "in your own work.")},
    {K, ""},
    {R, QT_TRANSLATE_NOOP("velmora::help", "WHERE TO WRITE:")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP("velmora::help", "The Velmora developers")},
    {B, QT_TRANSLATE_NOOP("velmora::help",
                          "The project's issue tracker; see the README that comes with Velmora.")},
    {K, ""},
    {K, QT_TRANSLATE_NOOP(
            "velmora::help",
            "When you report an error, please say what you did, what you expected and what "
            "happened instead, and name the version: Velmora ver 2.10, as shown on the "
            "License page of About... in the Help menu.")},
});

// In the order of HelpTopic.
const std::array<TopicText, 10> Topics{{
    {QT_TRANSLATE_NOOP("velmora::help", "GAME OVERVIEW:"), Overview},
    {QT_TRANSLATE_NOOP("velmora::help", "BETTING:"), Betting},
    {QT_TRANSLATE_NOOP("velmora::help", "THE DEAL:"), Deal},
    {QT_TRANSLATE_NOOP("velmora::help", "DRAWING CARDS:"), Drawing},
    {QT_TRANSLATE_NOOP("velmora::help", "THE SHOWDOWN:"), Showdown},
    {QT_TRANSLATE_NOOP("velmora::help", "SELECTING A DECK:"), SelectingDeck},
    {QT_TRANSLATE_NOOP("velmora::help", "GAME STATISTICS:"), GameStatistics},
    {QT_TRANSLATE_NOOP("velmora::help", "SAVING GAME STATISTICS:"), SavingStatistics},
    {QT_TRANSLATE_NOOP("velmora::help", "LICENSE AGREEMENT:"), License},
    {QT_TRANSLATE_NOOP("velmora::help", "CONTACTING THE AUTHOR:"), Contact},
}};

}  // namespace

const TopicText& Topic(HelpTopic topic) {
  return Topics.at(static_cast<std::size_t>(topic));
}

}  // namespace velmora::help
