// The windows' own words for what the rules hand over: without a translation
// exactly the rules' English, and with one the player's language.
#include "advice/DiscardAdvice.h"
#include "app/Translations.h"
#include "cards/CardNames.h"
#include "hand/BetRules.h"
#include "media/GameWords.h"
#include "media/ToQString.h"
#include "money/CashTray.h"
#include "money/Settlement.h"
#include "stats/HandDescription.h"
#include "statswindow/HandDescriptionText.h"
#include "statswindow/StatBox.h"
#include "table/HintWindow.h"
#include "table/MainForm.h"

#include <QTest>

#include <optional>
#include <random>
#include <tuple>

using namespace velmora;

class GameTextsTest : public QObject {
  Q_OBJECT
 private slots:
  // Every rank record the description can meet, sane or damaged, as a saved
  // file may hold: fields a category uses swept over and past their tables.
  void handDescriptionsAreTheRulesEnglish() {
    QCOMPARE(HandDescriptionText({0, 0, 0, 0, 0, 0, 0}), ToQString(DescribeHand({})));
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> field(-2, 14);
    for (std::int32_t category = -1; category <= 10; ++category) {
      for (int sample = 0; sample < 400; ++sample) {
        const HandRank rank{category,      field(random), field(random),    field(random),
                            field(random), field(random), field(random) % 6};
        QCOMPARE(HandDescriptionText(rank), ToQString(DescribeHand(rank)));
      }
    }
  }

  void cardAndHandNamesAreTheRulesEnglish() {
    for (Card card = 1; card <= 52; ++card) {
      QCOMPARE(CardWords(card), ToQString(CardName(card)));
    }
    for (std::int32_t category = HighCard; category <= RoyalFlush; ++category) {
      QCOMPARE(HandCategoryWord(category),
               ToQString(HandCategoryNames[static_cast<std::size_t>(category)]));
    }
  }

  void tableMessagesAreTheRulesEnglish() {
    for (const Refusal reason :
         {Refusal::InvalidBetCharacter, Refusal::FieldOverBank, Refusal::LastBetOverBank,
          Refusal::NoBettingCharacters, Refusal::BetOverBank, Refusal::NothingBet,
          Refusal::DrawFive, Refusal::DrawFourWithoutAce}) {
      QCOMPARE(TMainForm::RefusalCaptionText(reason), ToQString(RefusalCaption(reason)));
      QCOMPARE(TMainForm::RefusalMessageText(reason), ToQString(RefusalText(reason)));
    }
    for (const std::int32_t amount : {0, 1, 250, 99999, 2147483647}) {
      QCOMPARE(TMainForm::PotText(amount), ToQString(PotText(amount)));
      QCOMPARE(TMainForm::LastBetText(amount), ToQString(LastBetText(amount)));
      QCOMPARE(TMainForm::BankText(amount), ToQString(BankLabelText(amount)));
    }
    const Hand hand{13, 26, 5, 18, 44};
    for (const DiscardChoice& choice : AdviseDiscards(hand)) {
      QCOMPARE(THintWindow::ChoiceText(hand, choice), ToQString(DescribeChoice(hand, choice)));
    }
  }

  // The desktop's first language with a translation wins; English, C and a
  // language the game does not speak keep the game's English.
  void theLanguageFollowsTheLocale() {
    const std::pair<const char*, const char*> locales[] = {
        {"de_DE", "de"}, {"de_AT", "de"}, {"fr_CA", "fr"}, {"pt_BR", "pt_BR"}, {"nl_BE", "nl"},
        {"es_MX", "es"}, {"it_IT", "it"}, {"en_US", ""},   {"C", ""},          {"ja_JP", ""},
    };
    for (const auto& [name, language] : locales) {
      const Translations translations{QLocale(QString::fromLatin1(name))};
      QCOMPARE(translations.Language(), QString::fromLatin1(language));
    }
    // The desktop's order of preference decides, English included.
    const std::pair<QStringList, const char*> preferences[] = {
        {{"en-US", "de-DE"}, ""},
        {{"ja-JP", "sv", "nl-NL", "de"}, "nl"},
        {{"pt-PT", "pt-BR"}, "pt_BR"},
        {{"C"}, ""},
        {{}, ""},
    };
    for (const auto& [languages, language] : preferences) {
      const Translations translations{languages};
      QCOMPARE(translations.Language(), QString::fromLatin1(language));
    }
    const Translations german{QLocale(QStringLiteral("de_DE"))};
    QCOMPARE(HandCategoryWord(FourOfAKind), QStringLiteral("Vierling"));
    QCOMPARE(HandDescriptionText({1, 10, 7, 3, 1, 0, 0}),
             QStringLiteral("Paar Damen \n(Kicker: Neun)"));
    QCOMPARE(CardWords(52), QStringLiteral("Pik Ass"));
  }

  // A winning streak counts by each language's plural rule: French and
  // Brazilian Portuguese say none, as one, in the singular.
  void streaksCountByTheLanguagesPlurals() {
    const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
        {"C", 0, "0 Hands"},
        {"C", 1, "1 Hand"},
        {"C", 2, "2 Hands"},
        {"C", 4294967295U, "4294967295 Hands"},
        {"fr_FR", 0, "0 main"},
        {"fr_FR", 1, "1 main"},
        {"fr_FR", 2, "2 mains"},
        {"pt_BR", 0, "0 m\u00e3o"},
        {"pt_BR", 12, "12 m\u00e3os"},
        {"de_DE", 0, "0 H\u00e4nde"},
        {"de_DE", 1, "1 Hand"},
        {"nl_NL", 0, "0 handen"},
        {"it_IT", 4294967295U, "4294967295 mani"},
    };
    for (const auto& [locale, streak, text] : cases) {
      const Translations translations{QLocale(QString::fromLatin1(locale))};
      QCOMPARE(TStatBox::StreakText(streak), QString::fromUtf8(text));
    }
  }

  void translationsGoWithTheirObject() {
    std::optional<Translations> french;
    french.emplace(QLocale(QStringLiteral("fr_FR")));
    french.reset();
    QCOMPARE(HandCategoryWord(ThreeOfAKind), QStringLiteral("Three of a Kind"));
  }
};

QTEST_MAIN(GameTextsTest)
#include "GameTextsTest.moc"
