<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>GameWords</name>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Twee paar</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal flush</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>King</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>tweeën</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>drieën</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>vijven</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>zessen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>zevens</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>negens</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>tienen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>boeren</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>vrouwen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>heren</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>azen</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, &quot;Ace of Spades&quot;: %1 the rank, %2 the suit.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Geen)</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Programmafout bij het waarderen van de hand. Meld dit aan de makers</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Royal flush 
(%1)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <extracomment>%1 the highest card, %2 the next one.</extracomment>
        <translation>Hoge kaart %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <extracomment>%1 the rank of the pair (several), %2 the highest other card (one).</extracomment>
        <translation>Paar %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Twee paar 
(%1 en %2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <extracomment>%1 the rank of the three, %2 the rank of the two.</extracomment>
        <translation>Full house 
(%1 en %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Drie %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Straat tot %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Vier %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Flush tot %1 
(%2)</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Straight flush tot %1 
(%2)</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>in a card&apos;s name</comment>
        <translation>harten</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>in a card&apos;s name</comment>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>in a card&apos;s name</comment>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>Spades</source>
        <comment>in a card&apos;s name</comment>
        <translation>schoppen</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>face down</source>
        <translation>gedekt</translation>
    </message>
    <message>
        <source>%1, marked for discard</source>
        <extracomment>Spoken: %1 the card&apos;s name.</extracomment>
        <translation>%1, om af te leggen</translation>
    </message>
    <message>
        <source>$%1 bundle</source>
        <translation>bundel van $%1</translation>
    </message>
    <message>
        <source>$%1 bill</source>
        <translation>biljet van $%1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>StatFileWriting</name>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>velmora::TAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Over Velmora</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
</context>
<context>
    <name>velmora::TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Kaartspel kiezen</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
<context>
    <name>velmora::TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>Blut!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Statistieken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Dank voor het spel</translation>
    </message>
    <message>
        <source>Velmora! </source>
        <translation>Velmora! </translation>
    </message>
</context>
<context>
    <name>velmora::THelpBox</name>
    <message>
        <source>Game Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>Inzetten</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>Het delen</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>Kaarten ruilen</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>De showdown</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Kaartspel kiezen</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Statistieken bewaren</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Royal flush</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Straight flush</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Carré</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full house</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Flush</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Straat</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Drie gelijke</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Twee paar</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Paar</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Hoge kaart</translation>
    </message>
    <message>
        <source>Velmora:</source>
        <translation>Velmora:</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Huisregels:</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Functies:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Overig:</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Rangorde:</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Velmora-hulp</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Rangorde</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal flush</translation>
    </message>
</context>
<context>
    <name>velmora::THintWindow</name>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>discard choices, best first</source>
        <translation>ruilmogelijkheden, de beste eerst</translation>
    </message>
    <message>
        <source>Stand pat</source>
        <extracomment>Joins the names of the cards to discard.</extracomment>
        <translation>Niets ruilen</translation>
    </message>
    <message>
        <source>Discard %1</source>
        <translation>%1 afleggen</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 — wins %2 %, pushes %3 %, loses %4 %</source>
        <extracomment>%1 the discard, %2..%4 the chances of winning, pushing and losing in percent.</extracomment>
        <translation>%1 — wint %2 %, gelijk %3 %, verliest %4 %</translation>
    </message>
</context>
<context>
    <name>velmora::TIntroDlg</name>
    <message>
        <source>Welcome to Velmora</source>
        <translation>Welkom bij Velmora</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Welkom bij Velmora!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Vul uw naam in:</translation>
    </message>
    <message>
        <source>Select Starting Bank Amount:</source>
        <translation>Kies uw startkapitaal:</translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Klik op de kaart</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>voor een ander spel</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Geluid </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Enter </source>
        <translation>&amp;Start </translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Ongeldige naam</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>De naam mag hoogstens 10 tekens hebben.
        Probeer het opnieuw..</translation>
    </message>
</context>
<context>
    <name>velmora::TMainForm</name>
    <message>
        <source>Game Pot:  $%1</source>
        <translation>Pot:  $%1</translation>
    </message>
    <message>
        <source>Last Bet: $%1</source>
        <translation>Inzet: $%1</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leeg)</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Kas: $%1</translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation>$%1 inzetten</translation>
    </message>
    <message>
        <source>Place Your Bet..</source>
        <translation>Plaats uw inzet..</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Vul uw inzet in en klik op Delen</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Wijzig de inzet of klik op Delen</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Welkom bij Velmora!</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Geluidsfout</translation>
    </message>
    <message>
        <source>    Could not initiate sound file.
The Sound option will be disabled.</source>
        <translation>    Het geluidsbestand kon niet worden geopend.
Het geluid wordt uitgezet.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Save current statistics?</source>
        <translation>De huidige statistieken bewaren?</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Deler</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>stapel</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ruilen</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Delen</translation>
    </message>
    <message>
        <source>cash tray</source>
        <translation>geldlade</translation>
    </message>
    <message>
        <source>bet field frame</source>
        <translation>kader van de inzet</translation>
    </message>
    <message>
        <source>New Bet</source>
        <translation>Nieuwe inzet</translation>
    </message>
    <message>
        <source>closed cash tray</source>
        <translation>gesloten geldlade</translation>
    </message>
    <message>
        <source>Last Bet:</source>
        <translation>Inzet:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Kas:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistieken...</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Kaartspellen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhoud...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>&amp;Over... </translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Fout in de inzet</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Ongeldige ruil</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Ongeldige inzet</translation>
    </message>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Ongeldig teken in de inzet!</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>Zoveel hebt u niet!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>Uw vorige inzet is hoger dan uw kas!
         Zet minder in..</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Geen geldige inzet!
      Probeer het opnieuw..</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>Zoveel hebt u niet!
       Probeer het opnieuw..</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>U kunt geen 5 ruilen!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>4 ruilen mag alleen bij een aas!</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>U moet iets inzetten..</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Klik op de kaarten om af te leggen, dan op Ruilen</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>Deler neemt %1</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>Deler wint!</translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>U wint!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Gelijk.. Pot gedeeld!</translation>
    </message>
    <message>
        <source>headline</source>
        <translation>kop</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>mededeling</translation>
    </message>
    <message>
        <source>dealer&apos;s hand</source>
        <translation>hand van de deler</translation>
    </message>
    <message>
        <source>your hand</source>
        <translation>uw hand</translation>
    </message>
    <message>
        <source>status line</source>
        <translation>statusregel</translation>
    </message>
    <message>
        <source>last bet</source>
        <translation>vorige inzet</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>kas</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand: </source>
        <translation>Hand van de deler: </translation>
    </message>
    <message>
        <source>Your hand: </source>
        <translation>Uw hand: </translation>
    </message>
    <message>
        <source>dealer&apos;s card %1</source>
        <translation>kaart %1 van de deler</translation>
    </message>
    <message>
        <source>your card %1</source>
        <translation>uw kaart %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatBox</name>
    <message>
        <source>Velmora Game Stats (*.vlm)</source>
        <translation>Velmora-statistieken (*.vlm)</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Statistieken bewaren...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Statistieken van het spel</translation>
    </message>
    <message>
        <source>Current Game Statistics</source>
        <translation>Statistieken van het huidige spel</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>S&amp;tatistieken</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>Op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Huidig spel</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>H&amp;ulp...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Bewaarde statistieken openen..</translation>
    </message>
    <message>
        <source>Velmora Help...</source>
        <translation>Velmora-hulp...</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Totalen</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 won:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Beste hand van %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Financiën van %1:</translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation>%1 hand</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hands</source>
        <translation>
            <numerusform>%1 hand</numerusform>
            <numerusform>%1 handen</numerusform>
        </translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Weergave van %1</translation>
    </message>
    <message>
        <source>Save Velmora Game Stats As</source>
        <translation>Velmora-statistieken opslaan als</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Statistiekbestand vervangen</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 bestaat al. Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>%1 kon niet worden opgeslagen.
%2</translation>
    </message>
    <message>
        <source>Open Velmora Game Stats</source>
        <translation>Velmora-statistieken openen</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Fout bij openen nr. %1</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>Ongeldig gegevensbestand!</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Hoge kaart:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Paar:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Twee paar:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Drie gelijke:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Straat:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Flush:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full house:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Carré:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Straight flush:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Royal flush:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 kaarten:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 kaart:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 kaarten:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 kaarten:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 kaarten:</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Gespeelde handen:</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>Starting Bank:</source>
        <translation>Startkapitaal:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Gemiddelde kas:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Hoogste kas:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Gemiddelde inzet:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Hoogste inzet:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Blut/Herstarts:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Langste winstreeks:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Deler:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Beste hand van de deler:</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Behaalde handen:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totaal:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Geruilde kaarten:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Hand verbeterd door ruil:</translation>
    </message>
</context>
<context>
    <name>velmora::help</name>
    <message>
        <source>Royal Flush</source>
        <translation>Royal flush</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Royal flush
(schoppen)</translation>
    </message>
    <message>
        <source>The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. It is the highest hand in nothing-wild poker, and two royal flushes tie whatever their suits.</source>
        <translation>Aas, heer, vrouw, boer en tien van één kleur: een straight flush met de aas bovenaan. Het is de hoogste hand bij poker zonder jokers, en twee royal flushes spelen gelijk, welke kleur ze ook hebben.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Straight flush tot acht 
(ruiten)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, ranked by the highest card. The ace may play low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.</source>
        <translation>Vijf opeenvolgende kaarten van één kleur, gewaardeerd naar de hoogste. De aas mag laag tellen, dus 5, 4, 3, 2, A is de laagste straight flush. Kleuren beslissen nooit.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Vier zevens</translation>
    </message>
    <message>
        <source>Four cards of one rank and one other card, the kicker. Ranked by the four: K, K, K, K, 4 beats 10, 10, 10, 10, A.</source>
        <translation>Vier kaarten van dezelfde waarde en nog een kaart, de kicker. Gewaardeerd naar de vier: K, K, K, K, 4 wint van 10, 10, 10, 10, A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full house
(tweeën en vijven)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. Ranked by the three: 4, 4, 4, 3, 3 beats 2, 2, 2, A, A.</source>
        <translation>Drie kaarten van de ene waarde en twee van een andere. Gewaardeerd naar de drie: 4, 4, 4, 3, 3 wint van 2, 2, 2, A, A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Flush tot heer
(schoppen)</translation>
    </message>
    <message>
        <source>Five cards of one suit, not in sequence. Compared card by card from the highest down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. Suits never break ties.</source>
        <translation>Vijf kaarten van één kleur, niet opeenvolgend. Vergeleken kaart voor kaart vanaf de hoogste: A, 7, 5, 4, 2 wint van K, Q, J, 10, 8, en J, 8, 7, 5, 3 wint van J, 8, 7, 5, 2. Kleuren beslissen nooit.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Straat tot boer</translation>
    </message>
    <message>
        <source>Five cards in sequence, not all of one suit, ranked by the highest card. The ace plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but Q, K, A, 2, 3 is not.</source>
        <translation>Vijf opeenvolgende kaarten, niet allemaal van één kleur, gewaardeerd naar de hoogste. De aas telt hoog of laag: A, K, Q, J, 10 en 5, 4, 3, 2, A zijn allebei straten, maar Q, K, A, 2, 3 niet.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drie gelijke</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Drie negens</translation>
    </message>
    <message>
        <source>Three cards of one rank and two unmatched cards. Ranked by the three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.</source>
        <translation>Drie kaarten van dezelfde waarde en twee losse kaarten. Gewaardeerd naar de drie: 9, 9, 9, 3, 2 wint van 8, 8, 8, A, K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Twee paar</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Twee paar
(boeren en vieren)</translation>
    </message>
    <message>
        <source>Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.</source>
        <translation>Twee paren en nog een kaart, de kicker. Gewaardeerd naar het hoogste paar, dan het laagste, dan de kicker: J, J, 4, 4, 7 wint van J, J, 3, 3, A.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Paar vrouwen
(kicker negen)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks. Ranked by the pair, then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.</source>
        <translation>Twee kaarten van dezelfde waarde en drie kickers van verschillende waarde. Gewaardeerd naar het paar, dan elke kicker op zijn beurt: 4, 4, A, J, 7 wint van 4, 4, A, 10, 9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Hoge kaart</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Hoge kaart aas
(kicker boer)</translation>
    </message>
    <message>
        <source>Any hand that makes none of the other nine ranks. Compared card by card from the highest down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.</source>
        <translation>Elke hand die geen van de andere negen combinaties vormt. Vergeleken kaart voor kaart vanaf de hoogste: A, J, 6, 3, 2 wint van A, 10, 9, 8, 7. Kleuren beslissen nooit.</translation>
    </message>
    <message>
        <source>Velmora is &quot;nothing-wild&quot; five-card draw poker: you against the dealer, who plays for the house, with one ordinary deck of 52 cards and no jokers or wild cards. This help holds everything you need to start playing.</source>
        <translation>Velmora is five-card draw poker zonder jokers of wilde kaarten: u tegen de deler, die voor het huis speelt, met een gewoon spel van 52 kaarten. Deze hulp bevat alles wat u nodig hebt om te beginnen.</translation>
    </message>
    <message>
        <source>On the welcome screen type your name, choose your starting bank ($100, $1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every hand goes the same way:</source>
        <translation>Vul in het welkomstvenster uw naam in, kies uw startkapitaal ($100, $1,000 of $5,000) en klik op Start. Uw doel is dat kapitaal te laten groeien. Elke hand verloopt hetzelfde:</translation>
    </message>
    <message>
        <source>1. You bet, and the dealer matches your bet into the game pot.</source>
        <translation>1. U zet in, en de deler legt hetzelfde bedrag in de pot.</translation>
    </message>
    <message>
        <source>2. The dealer deals two hands of five cards, one to you and one to the house.</source>
        <translation>2. De deler deelt twee handen van vijf kaarten, een voor u en een voor het huis.</translation>
    </message>
    <message>
        <source>3. You throw away the cards you don&apos;t want and draw new ones.</source>
        <translation>3. U legt de kaarten af die u niet wilt en trekt nieuwe.</translation>
    </message>
    <message>
        <source>4. The dealer throws away cards for the house and draws.</source>
        <translation>4. De deler legt af voor het huis en trekt.</translation>
    </message>
    <message>
        <source>5. Both hands are turned face up and compared.</source>
        <translation>5. Beide handen worden omgedraaid en vergeleken.</translation>
    </message>
    <message>
        <source>6. The better hand takes the pot; equal hands split it.</source>
        <translation>6. De beste hand wint de pot; gelijke handen delen hem.</translation>
    </message>
    <message>
        <source>7. Betting opens for the next hand.</source>
        <translation>7. Het inzetten voor de volgende hand begint.</translation>
    </message>
    <message>
        <source>The links under &quot;House Rules:&quot; explain each step: Betting, The Deal, Drawing Cards and The Showdown. The &quot;Hand Rankings&quot; page shows the ten kinds of hand, from the Royal Flush down to High Card, with an example of each and how ties are broken.</source>
        <translation>De koppelingen onder „Huisregels:” leggen elke stap uit: Inzetten, Het delen, Kaarten ruilen en De showdown. De pagina „Rangorde” toont de tien soorten handen, van royal flush tot hoge kaart, met van elk een voorbeeld en hoe een gelijke stand wordt beslist.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Let op:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino there is only one betting round, at the start of each hand, as in classic video poker. Once the cards are dealt you cannot raise, call or fold: your bet stands until the showdown.</source>
        <translation>Anders dan bij draw poker in het casino is er maar één inzetronde, aan het begin van elke hand, zoals bij klassiek videopoker. Zijn de kaarten gedeeld, dan kunt u niet verhogen, meegaan of passen: uw inzet blijft staan tot de showdown.</translation>
    </message>
    <message>
        <source>You place one bet at the start of each hand, before any card is dealt. It can be any whole number of dollars from $1 up to all the money in your bank.</source>
        <translation>U zet aan het begin van elke hand één keer in, voordat er een kaart wordt gedeeld. Dat kan elk heel aantal dollars zijn, van $1 tot al het geld in uw kas.</translation>
    </message>
    <message>
        <source>There are two ways to make your bet:</source>
        <translation>U kunt op twee manieren inzetten:</translation>
    </message>
    <message>
        <source>1. Click the bills in the cash tray at the right of the table. Each click adds that bill&apos;s amount to the New Bet field at the top of the tray. The Bank box under the tray then shows the cash you have left beside your bet, and the tray offers the bills you can still add: a few of different sizes, not a count of your cash. Click a bill again to add it again, as long as it is shown.</source>
        <translation>1. Klik op de biljetten in de geldlade rechts van de tafel. Elke klik telt het bedrag van het biljet op bij het veld Nieuwe inzet boven in de lade. Het veld Kas onder de lade toont dan wat u naast de inzet overhoudt, en de lade biedt de biljetten aan die u nog kunt toevoegen: een paar van verschillende grootte, niet uw hele geld. Klik nog eens op een biljet om het nog eens toe te voegen, zolang het te zien is.</translation>
    </message>
    <message>
        <source>2. Type the amount into the New Bet field. The Bank box and the bills in the tray follow every change. This is also how you take cash back: change or clear the amount in the field.</source>
        <translation>2. Typ het bedrag in het veld Nieuwe inzet. De kas en de biljetten volgen elke wijziging. Zo neemt u ook geld terug: wijzig of wis het bedrag in het veld.</translation>
    </message>
    <message>
        <source>When the amount is right, click Deal. Your bet moves from the New Bet field into the game pot and the cards are dealt. While the hand is played the Bank box shows your bank less the bet in the pot. The bet is not lost yet: if you win or tie you get it back, and it leaves your bank only if you lose.</source>
        <translation>Klopt het bedrag, klik dan op Delen. Uw inzet gaat van het veld Nieuwe inzet naar de pot en de kaarten worden gedeeld. Tijdens de hand toont de kas uw geld min de inzet in de pot. De inzet is nog niet verloren: wint u of speelt u gelijk, dan krijgt u hem terug; alleen als u verliest, gaat hij van uw kas af.</translation>
    </message>
    <message>
        <source>Mistakes cost nothing: letters, an amount larger than your bank, or a bet of $0 are refused with a message box that says what is wrong; click OK and try again.</source>
        <translation>Fouten kosten niets: letters, een bedrag hoger dan uw kas of een inzet van $0 worden geweigerd met een melding die zegt wat er mis is; klik op OK en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>If you leave the New Bet field empty, Deal bets the same amount as last time, shown in the Last Bet box at the bottom of the window, as long as your bank still covers it; if it doesn&apos;t, a message asks you to lower your bet. The first hand of a game has no last bet, so type or click an amount for it.</source>
        <translation>Laat u het veld Nieuwe inzet leeg, dan zet Delen hetzelfde bedrag in als de vorige keer, te zien in het veld Inzet onder in het venster, zolang uw kas het dekt; anders vraagt een melding u minder in te zetten. De eerste hand van een spel heeft geen vorige inzet: typ of klik daarvoor een bedrag.</translation>
    </message>
    <message>
        <source>When you click Deal, your bet goes into the game pot and the dealer adds a matching bet, so the pot holds twice your bet. The whole deck is shuffled for every hand, and you and the dealer get five cards each, dealt one at a time and in turn, you first.</source>
        <translation>Als u op Delen klikt, gaat uw inzet in de pot en legt de deler er evenveel bij, zodat de pot tweemaal uw inzet bevat. Voor elke hand wordt het hele spel geschud, en u en de deler krijgen elk vijf kaarten, een voor een en om beurten, u eerst.</translation>
    </message>
    <message>
        <source>What the Deal button does:</source>
        <translation>Wat de knop Delen doet:</translation>
    </message>
    <message>
        <source>1. Closes betting for this hand: the New Bet field is put away and the bills can&apos;t be clicked until the hand is over.</source>
        <translation>1. Hij sluit het inzetten voor deze hand: het veld Nieuwe inzet verdwijnt en de biljetten zijn pas na de hand weer aan te klikken.</translation>
    </message>
    <message>
        <source>2. Moves your bet into the game pot and matches it: the amount in the New Bet field or, when the field is empty, the amount in the Last Bet box. The top of the table shows the Game Pot.</source>
        <translation>2. Hij brengt uw inzet in de pot en verdubbelt die: het bedrag in het veld Nieuwe inzet of, als dat leeg is, het bedrag in het veld Inzet. Boven aan de tafel staat de pot.</translation>
    </message>
    <message>
        <source>3. Shuffles all 52 cards.</source>
        <translation>3. Hij schudt alle 52 kaarten.</translation>
    </message>
    <message>
        <source>4. Deals the two hands: your cards face up, the dealer&apos;s face down.</source>
        <translation>4. Hij deelt de twee handen: uw kaarten open, die van de deler gedekt.</translation>
    </message>
    <message>
        <source>When the tenth card is down, the line at the bottom of the window reads &quot;Click on cards to remove and click Draw to replace&quot;, the Deal button has become the Draw button, and the draw begins. From the keyboard, Alt+D presses Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H opens the Hint window, which lists the draws you may make, best first, with your chances against the dealer: the arrow keys choose one, Enter turns over its cards and Escape closes the window without changing them.</source>
        <translation>Ligt de tiende kaart, dan staat in de regel onder in het venster „Klik op de kaarten om af te leggen, dan op Ruilen”, is de knop Delen de knop Ruilen geworden en begint het ruilen. Met het toetsenbord drukt Alt+D op Delen en Alt+R op Ruilen, draaien de toetsen 1 tot 5 uw kaarten van links naar rechts om en opent H het venster Tip, met de mogelijke ruilen, de beste eerst, en uw kansen tegen de deler: de pijltoetsen kiezen er een, Enter draait de kaarten ervan om en Escape sluit het venster zonder iets te veranderen.</translation>
    </message>
    <message>
        <source>After the deal you and the dealer may each throw away some cards and get new ones from the deck: up to three cards, or four if the one card kept is an ace. You draw first.</source>
        <translation>Na het delen mogen u en de deler elk een paar kaarten afleggen en nieuwe van de stapel krijgen: tot drie kaarten, of vier als de ene kaart die u houdt een aas is. U ruilt eerst.</translation>
    </message>
    <message>
        <source>1. Click each card you want to replace. It turns over and shows its back; click it again if you change your mind.</source>
        <translation>1. Klik op elke kaart die u wilt ruilen. Ze draait om en toont haar rug; klik er nog eens op als u van gedachten verandert.</translation>
    </message>
    <message>
        <source>2. Click Draw. The cards you turned over are replaced by new ones from the deck.</source>
        <translation>2. Klik op Ruilen. De omgedraaide kaarten worden vervangen door nieuwe van de stapel.</translation>
    </message>
    <message>
        <source>3. To keep all five cards (&quot;stand pat&quot;), click Draw without turning any card over.</source>
        <translation>3. Om alle vijf kaarten te houden, klikt u op Ruilen zonder een kaart om te draaien.</translation>
    </message>
    <message>
        <source>If you turn over all five cards, or four while the card you keep is not an ace, the draw is refused with a message. Your cards stay turned over as you left them, so change them and click Draw again.</source>
        <translation>Draait u alle vijf kaarten om, of vier terwijl de kaart die u houdt geen aas is, dan wordt de ruil geweigerd met een melding. Uw kaarten blijven omgedraaid zoals u ze liet: pas ze aan en klik opnieuw op Ruilen.</translation>
    </message>
    <message>
        <source>Then the dealer draws for the house and tells you how many cards it took, for example &quot;Dealer takes 3&quot; (or &quot;Dealer takes 0&quot; when it keeps all five), and its new cards are dealt face down. When the dealer has drawn, its hand is turned face up for the showdown.</source>
        <translation>Dan ruilt de deler voor het huis en zegt hoeveel kaarten hij nam, bijvoorbeeld „Deler neemt 3” (of „Deler neemt 0” als hij alle vijf houdt), en zijn nieuwe kaarten worden gedekt gedeeld. Heeft de deler geruild, dan wordt zijn hand omgedraaid voor de showdown.</translation>
    </message>
    <message>
        <source>HOW THE DEALER DRAWS:</source>
        <translation>HOE DE DELER RUILT:</translation>
    </message>
    <message>
        <source>The dealer looks only at its own five cards and always follows the same rule:</source>
        <translation>De deler kijkt alleen naar zijn eigen vijf kaarten en volgt altijd dezelfde regel:</translation>
    </message>
    <message>
        <source>- A straight, a flush, a full house, a straight flush or a royal flush: it stands pat and takes no card.</source>
        <translation>- Straat, flush, full house, straight flush of royal flush: hij past en neemt geen kaart.</translation>
    </message>
    <message>
        <source>- Four of a kind: it keeps all five cards when the fifth card is a nine or higher, and otherwise draws one card in place of the fifth.</source>
        <translation>- Carré: hij houdt alle vijf kaarten als de vijfde een negen of hoger is, anders ruilt hij de vijfde.</translation>
    </message>
    <message>
        <source>- Three of a kind: it keeps the three and draws two.</source>
        <translation>- Drie gelijke: hij houdt de drie en neemt er twee.</translation>
    </message>
    <message>
        <source>- Two pair: it keeps both pairs and draws one.</source>
        <translation>- Twee paar: hij houdt beide paren en neemt er een.</translation>
    </message>
    <message>
        <source>- One pair: it keeps the pair and draws three.</source>
        <translation>- Eén paar: hij houdt het paar en neemt er drie.</translation>
    </message>
    <message>
        <source>- No pair: it keeps an ace and a king, or, without an ace, its two highest cards, and draws three. With an ace but no king it keeps the ace alone and draws four; as it announces the draw it turns that ace face up at the left of its row.</source>
        <translation>- Geen paar: hij houdt een aas en een heer of, zonder aas, zijn twee hoogste kaarten, en neemt er drie. Met een aas maar zonder heer houdt hij alleen de aas en neemt er vier; als hij de ruil meldt, draait hij die aas links in zijn rij open.</translation>
    </message>
    <message>
        <source>The dealer never keeps a single unmatched card beside a pair or three of a kind, and never draws to four cards of a flush or a straight.</source>
        <translation>De deler houdt nooit een losse kaart naast een paar of drie gelijke, en trekt nooit op vier kaarten van een flush of een straat.</translation>
    </message>
    <message>
        <source>THE BEST DRAW:</source>
        <translation>DE BESTE RUIL:</translation>
    </message>
    <message>
        <source>Because the dealer always follows that rule, every draw you could make has a chance of beating it that can be worked out, and one draw is the best. Drawing as the dealer does comes close: keep a pair, two pair or three of a kind and throw away the rest; without a pair keep an ace and a king, or an ace alone, or your two highest cards. Where the best draw differs most is four cards of a straight flush: draw one card to them. Four cards of a plain flush or straight win less often than two high cards.</source>
        <translation>Omdat de deler altijd die regel volgt, heeft elke ruil die u kunt maken een berekenbare kans om hem te verslaan, en één ruil is de beste. Ruilen zoals de deler komt dichtbij: houd een paar, twee paar of drie gelijke en leg de rest af; zonder paar houdt u een aas en een heer, een aas alleen of uw twee hoogste kaarten. Het meest wijkt de beste ruil af bij vier kaarten van een straight flush: trek er één kaart bij. Vier kaarten van een gewone flush of straat winnen minder vaak dan twee hoge kaarten.</translation>
    </message>
    <message>
        <source>Drawing as the dealer does makes the game even, as you then play by the dealer&apos;s own rule. The best draw does a little better: over 3,000 random hands it gained 0.15% of the bet per hand, so against the best play the house&apos;s edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The house wins nothing from a player who draws the best way.</source>
        <translation>Wie ruilt zoals de deler, speelt gelijk op, want die speelt dan volgens de regel van de deler. De beste ruil doet het iets beter: over 3,000 willekeurige handen won hij 0.15% van de inzet per hand, dus tegen het beste spel is het voordeel van het huis -0.15%, tussen -0.17% en -0.12% met 95% zekerheid. Het huis wint niets van een speler die op de beste manier ruilt.</translation>
    </message>
    <message>
        <source>When both of you have drawn, the dealer&apos;s hand is turned face up and both hands are ranked. The name of each hand appears under it (a High Card hand, with no pair or better, shows no name there), and the result is announced above the dealer&apos;s cards. The &quot;Hand Rankings&quot; page shows which hand beats which.</source>
        <translation>Hebt u allebei geruild, dan wordt de hand van de deler omgedraaid en worden beide handen gewaardeerd. Onder elke hand verschijnt haar naam (een hand met een hoge kaart, zonder paar of beter, toont daar geen naam), en de uitslag wordt boven de kaarten van de deler gemeld. De pagina „Rangorde” toont welke hand van welke wint.</translation>
    </message>
    <message>
        <source>You win (&quot;You&apos;re a winner!&quot;): the pot is yours, so your bank grows by the amount of your bet.</source>
        <translation>U wint („U wint!”): de pot is voor u, uw kas groeit met uw inzet.</translation>
    </message>
    <message>
        <source>The dealer wins (&quot;Dealer wins!&quot;): the pot goes to the house, so your bank drops by the amount of your bet.</source>
        <translation>De deler wint („Deler wint!”): de pot gaat naar het huis, uw kas daalt met uw inzet.</translation>
    </message>
    <message>
        <source>A push (&quot;Push.. Split the Pot!&quot;): the hands are equal, each side takes back its own bet and your bank stays as it was. Suits never break a tie.</source>
        <translation>Gelijkspel („Gelijk.. Pot gedeeld!”): de handen zijn gelijk, elke kant neemt zijn inzet terug en uw kas blijft zoals ze was. Kleuren beslissen nooit.</translation>
    </message>
    <message>
        <source>Then betting opens for the next hand. The cards stay on the table until you click Deal again.</source>
        <translation>Dan begint het inzetten voor de volgende hand. De kaarten blijven op tafel liggen tot u weer op Delen klikt.</translation>
    </message>
    <message>
        <source>If you lose a hand and your bank is left at $0, you are bankrupt and the game is over. The house then offers you a credit extension: click New Game to start a new game with the same name and starting bank, View Stats to look back at the game, or Exit to leave Velmora. &quot;Credit extension&quot; is only a name: nothing is owed. The new game asks whether to keep the statistics; if you keep them, the new game is counted under &quot;Bankrupts/Resets&quot;, and if you don&apos;t, every figure starts again from zero. New Game in the Game menu (F2) starts over in the same way, and is counted the same way, at any time after the first deal of a game.</source>
        <translation>Verliest u een hand en blijft er $0 in uw kas, dan bent u blut en is het spel voorbij. Het huis biedt u dan nieuw krediet aan: klik op Nieuw spel voor een nieuw spel met dezelfde naam en hetzelfde startkapitaal, op Statistieken om terug te kijken op het spel of op Afsluiten om Velmora te verlaten. „Krediet” is maar een naam: u bent niets verschuldigd. Het nieuwe spel vraagt of de statistieken moeten blijven; bewaart u ze, dan telt het nieuwe spel mee onder „Blut/Herstarts”, en anders begint elk getal weer bij nul. Nieuw spel in het menu Spel (F2) begint op elk moment na het eerste delen van een spel op dezelfde manier opnieuw, en telt net zo mee.</translation>
    </message>
    <message>
        <source>In Velmora a deck is the picture on the backs of the cards; every deck holds the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below rocky crags, swirling clouds, two clowns and a red bridge. You can choose a deck, or tick &quot;Randomize&quot; to let the dealer pick one at random before each hand.</source>
        <translation>In Velmora is een kaartspel de afbeelding op de rug van de kaarten; elk spel heeft dezelfde 52 kaarten. Er zijn er tien: een lachende clown, een vuurtoren, een cowboy op een bokkend paard, kaartende varkens, een kerk, de Eiffeltoren, een schip onder rotsen, wervelende wolken, twee clowns en een rode brug. U kunt een spel kiezen of „Willekeurig” aanvinken, zodat de deler er voor elke hand een kiest.</translation>
    </message>
    <message>
        <source>1. On the welcome screen at the start: click the card picture until it shows the deck you want, or tick Randomize.</source>
        <translation>1. In het welkomstvenster aan het begin: klik op de afbeelding van de kaart tot ze het gewenste spel toont, of vink Willekeurig aan.</translation>
    </message>
    <message>
        <source>2. During the game: while you are betting, before you click Deal, choose Decks... from the Game menu (or press F7). Click the deck you want (a red frame marks it) and click OK, or simply double-click it. Cancel keeps the deck you had.</source>
        <translation>2. Tijdens het spel: kies tijdens het inzetten, voordat u op Delen klikt, Kaartspellen... in het menu Spel (of druk op F7). Klik op het gewenste spel (een rood kader markeert het) en dan op OK, of dubbelklik erop. Annuleren houdt het spel dat u had.</translation>
    </message>
    <message>
        <source>The deck you choose is used from the very next deal on and stays until you change it, also in a new game. The Decks... dialog has its own Randomize box.</source>
        <translation>Het gekozen spel geldt vanaf het volgende delen en blijft tot u het wijzigt, ook in een nieuw spel. Het venster Kaartspellen... heeft een eigen vakje Willekeurig.</translation>
    </message>
    <message>
        <source>While Randomize is ticked, single decks cannot be chosen: clicking a deck does nothing. Untick Randomize first to pick one yourself.</source>
        <translation>Zolang Willekeurig is aangevinkt, kunnen geen losse spellen worden gekozen: klikken op een spel doet niets. Vink eerst Willekeurig uit om er zelf een te kiezen.</translation>
    </message>
    <message>
        <source>While you play, Velmora keeps statistics of the current game: hands played and won, your winning percentage, your starting, average and highest bank, your average and highest bet, bankruptcies, the longest winning streaks of you and the dealer, the best hand of each of you, how many hands of each rank you each ended with, how many cards you each drew, and how often the draw improved a hand.</source>
        <translation>Terwijl u speelt, houdt Velmora statistieken bij van het huidige spel: gespeelde en gewonnen handen, uw winstpercentage, uw start-, gemiddelde en hoogste kas, uw gemiddelde en hoogste inzet, het aantal keren blut, de langste winstreeksen van u en de deler, de beste hand van elk van u, hoeveel handen van elke rang u elk behaalde, hoeveel kaarten u elk ruilde en hoe vaak het ruilen een hand verbeterde.</translation>
    </message>
    <message>
        <source>To see them, choose Statistics... from the Game menu (or press F5) at any time. The Summary page shows the figures of the game and the best hands; the Accumulative page counts the hand rankings and the draws of you and the dealer. Click Close to go back to the table.</source>
        <translation>Om ze te zien, kiest u op elk moment Statistieken... in het menu Spel (of drukt u op F5). De pagina Overzicht toont de cijfers van het spel en de beste handen; de pagina Totalen telt de behaalde handen en de ruilen van u en de deler. Klik op Sluiten om terug te gaan naar de tafel.</translation>
    </message>
    <message>
        <source>A push counts as a hand played but not as a win. The average bank is taken over your starting bank and your bank after every hand. A draw &quot;improved&quot; a hand when the hand after the draw beats the hand as it was dealt.</source>
        <translation>Een gelijkspel telt als gespeelde hand, maar niet als winst. De gemiddelde kas wordt genomen over uw startkapitaal en uw kas na elke hand. Een ruil heeft een hand „verbeterd” als de hand na de ruil wint van de hand zoals ze gedeeld was.</translation>
    </message>
    <message>
        <source>The statistics are updated at the end of each hand, when the winner is known; only the draws are counted as soon as they are made. A new game asks whether to keep the statistics or to start them afresh.</source>
        <translation>De statistieken worden aan het eind van elke hand bijgewerkt, als de winnaar bekend is; alleen de ruilen worden geteld zodra ze gemaakt zijn. Een nieuw spel vraagt of de statistieken moeten blijven of opnieuw moeten beginnen.</translation>
    </message>
    <message>
        <source>Whenever the statistics window shows your current game you can save its figures, and open them again later, for instance to keep a record of your best games.</source>
        <translation>Zolang het statistiekvenster uw huidige spel toont, kunt u de cijfers opslaan en later weer openen, bijvoorbeeld om uw beste spellen vast te leggen.</translation>
    </message>
    <message>
        <source>1. Open the statistics window: Statistics... in the Game menu, or F5.</source>
        <translation>1. Open het statistiekvenster: Statistieken... in het menu Spel, of F5.</translation>
    </message>
    <message>
        <source>2. Choose Save... from its Stats menu, or click the first of the picture buttons at its top left (its tip reads &quot;Save Stats...&quot;).</source>
        <translation>2. Kies Opslaan... in het menu Statistieken ervan, of klik op de eerste van de beeldknoppen linksboven (de tip zegt „Statistieken bewaren...”).</translation>
    </message>
    <message>
        <source>3. Choose a folder and a file name and click Save. The file is given the extension .vlm. If a file of that name exists, you are asked whether to replace it.</source>
        <translation>3. Kies een map en een bestandsnaam en klik op Opslaan. Het bestand krijgt de extensie .vlm. Bestaat er al een bestand met die naam, dan wordt gevraagd of het vervangen moet worden.</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:</source>
        <translation>BEWAARDE STATISTIEKEN BEKIJKEN:</translation>
    </message>
    <message>
        <source>An opened file takes the place of the current figures in the statistics window for as long as you look at it; the window&apos;s title shows the file&apos;s name. Your current game goes on unchanged.</source>
        <translation>Een geopend bestand neemt in het statistiekvenster de plaats in van de huidige cijfers zolang u ernaar kijkt; de titel van het venster toont de naam van het bestand. Uw huidige spel gaat ongewijzigd door.</translation>
    </message>
    <message>
        <source>1. In the statistics window, choose Open... from the Stats menu, or click the second picture button (&quot;Open saved Stats..&quot;).</source>
        <translation>1. Kies in het statistiekvenster Openen... in het menu Statistieken, of klik op de tweede beeldknop („Bewaarde statistieken openen..”).</translation>
    </message>
    <message>
        <source>2. Pick a .vlm file and click Open.</source>
        <translation>2. Kies een .vlm-bestand en klik op Openen.</translation>
    </message>
    <message>
        <source>3. To return to the current game, choose Current Game from the Stats menu or click the third picture button (&quot;Current Game Stats&quot;). The statistics window always opens on the current game.</source>
        <translation>3. Terug naar het huidige spel gaat met Huidig spel in het menu Statistieken of de derde beeldknop („Statistieken van het spel”). Het statistiekvenster opent altijd met het huidige spel.</translation>
    </message>
    <message>
        <source>Saved statistics are a record of your best games: they can only be viewed and never become the figures of the current game, so a saved game cannot be continued. While a saved file is shown, saving is switched off. A file that is damaged or was not written by Velmora is refused with a message, and the window stays as it was.</source>
        <translation>Bewaarde statistieken leggen uw beste spellen vast: ze kunnen alleen worden bekeken en worden nooit de cijfers van het huidige spel, dus een bewaard spel kan niet worden voortgezet. Zolang een bewaard bestand wordt getoond, staat opslaan uit. Een beschadigd bestand, of een dat niet door Velmora is geschreven, wordt met een melding geweigerd, en het venster blijft zoals het was.</translation>
    </message>
    <message>
        <source>Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights Reserved except as granted by the GNU General Public License, which grants you a great deal:</source>
        <translation>Velmora ver 2.10. Copyright © 2026 de makers van Velmora. Alle rechten voorbehouden, behalve die de GNU General Public License verleent, en dat zijn er veel:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Velmora is vrije software: u kunt het verspreiden en/of wijzigen onder de voorwaarden van de GNU General Public License zoals gepubliceerd door de Free Software Foundation, versie 3 van de licentie of (naar uw keuze) een latere versie.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study how it works and change it, and give copies to anyone, with or without your changes, free of charge or for a fee. Whoever passes the program on must do so under the same licence, offer its complete source code, keep every copyright and licence notice intact and add no further restrictions.</source>
        <translation>In gewone woorden: u mag Velmora voor elk doel gebruiken, bestuderen hoe het werkt en het wijzigen, en kopieën geven aan wie u wilt, met of zonder uw wijzigingen, gratis of tegen betaling. Wie het programma doorgeeft, moet dat onder dezelfde licentie doen, de volledige broncode aanbieden, alle copyright- en licentievermeldingen intact laten en geen verdere beperkingen toevoegen.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck &quot;svg-standard&quot; (GNU GPL version 2 or later); some card backs use public-domain clip art from the Open Clip Art Library. The file CREDITS.md names every source.</source>
        <translation>De kaartvoorkanten komen uit het kaartspel „svg-standard” van de KDE-spellen (GNU GPL versie 2 of later); sommige kaartruggen gebruiken afbeeldingen uit het publieke domein van de Open Clip Art Library. Het bestand CREDITS.md noemt elke bron.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>De volledige licentie staat in het bestand COPYING dat bij Velmora hoort; zie ook https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:</source>
        <translation>UITSLUITING VAN GARANTIE:</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted by applicable law. Except when otherwise stated in writing, the copyright holders and/or other parties provide the program &quot;as is&quot; without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality and performance of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.</source>
        <translation>Er is geen garantie voor Velmora, voor zover de toepasselijke wet dat toestaat. Tenzij schriftelijk anders vermeld, leveren de houders van het auteursrecht en/of andere partijen het programma „zoals het is”, zonder enige garantie, uitdrukkelijk of stilzwijgend, met inbegrip van, maar niet beperkt tot, de stilzwijgende garanties van verkoopbaarheid en geschiktheid voor een bepaald doel. Het volledige risico voor de kwaliteit en de werking van het programma ligt bij u. Mocht het programma gebrekkig blijken, dan draagt u de kosten van alle nodige service, herstel of correctie.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed to in writing, will any copyright holder, or any other party who modifies and/or conveys the program as permitted above, be liable to you for damages, including any general, special, incidental or consequential damages arising out of the use or inability to use the program (including but not limited to loss of data or data being rendered inaccurate or losses sustained by you or third parties or a failure of the program to operate with any other programs), even if such holder or other party has been advised of the possibility of such damages.</source>
        <translation>In geen geval, tenzij de toepasselijke wet het vereist of het schriftelijk is overeengekomen, is een houder van het auteursrecht of een andere partij die het programma zoals hierboven toegestaan wijzigt en/of doorgeeft, jegens u aansprakelijk voor schade, met inbegrip van algemene, bijzondere, incidentele of gevolgschade die voortvloeit uit het gebruik of het niet kunnen gebruiken van het programma (met inbegrip van, maar niet beperkt tot, verlies van gegevens, onjuist geworden gegevens, verliezen geleden door u of derden of het niet samenwerken van het programma met andere programma’s), zelfs als die houder of andere partij op de mogelijkheid van zulke schade is gewezen.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and no real money is ever bet, won or lost.</source>
        <translation>Velmora wordt voor de lol gespeeld: de dollars zijn speelgeld en er wordt nooit echt geld ingezet, gewonnen of verloren.</translation>
    </message>
    <message>
        <source>Velmora is made by a group of volunteers, the Velmora developers, and they would be glad to hear from you. Write to them:</source>
        <translation>Velmora wordt gemaakt door een groep vrijwilligers, de makers van Velmora, en zij horen graag van u. Schrijf hun:</translation>
    </message>
    <message>
        <source>- to ask about new releases and what they will bring;</source>
        <translation>- om te vragen naar nieuwe versies en wat die brengen;</translation>
    </message>
    <message>
        <source>- with comments and suggestions, or ideas for the game;</source>
        <translation>- met opmerkingen en suggesties, of ideeën voor het spel;</translation>
    </message>
    <message>
        <source>- to report an error in the game or in this help;</source>
        <translation>- om een fout in het spel of in deze hulp te melden;</translation>
    </message>
    <message>
        <source>- with questions about the licence, or about using Velmora&apos;s code or pictures in your own work.</source>
        <translation>- met vragen over de licentie, of over het gebruik van de code of de afbeeldingen van Velmora in uw eigen werk.</translation>
    </message>
    <message>
        <source>WHERE TO WRITE:</source>
        <translation>WAAR TE SCHRIJVEN:</translation>
    </message>
    <message>
        <source>The Velmora developers</source>
        <translation>De makers van Velmora</translation>
    </message>
    <message>
        <source>The project&apos;s issue tracker; see the README that comes with Velmora.</source>
        <translation>De issuetracker van het project; zie de README die bij Velmora hoort.</translation>
    </message>
    <message>
        <source>When you report an error, please say what you did, what you expected and what happened instead, and name the version: Velmora ver 2.10, as shown on the License page of About... in the Help menu.</source>
        <translation>Als u een fout meldt, zeg dan wat u deed, wat u verwachtte en wat er in plaats daarvan gebeurde, en noem de versie: Velmora ver 2.10, zoals te zien op de pagina Licentie van Over... in het menu Help.</translation>
    </message>
    <message>
        <source>GAME OVERVIEW:</source>
        <translation>OVERZICHT:</translation>
    </message>
    <message>
        <source>BETTING:</source>
        <translation>INZETTEN:</translation>
    </message>
    <message>
        <source>THE DEAL:</source>
        <translation>HET DELEN:</translation>
    </message>
    <message>
        <source>DRAWING CARDS:</source>
        <translation>KAARTEN RUILEN:</translation>
    </message>
    <message>
        <source>THE SHOWDOWN:</source>
        <translation>DE SHOWDOWN:</translation>
    </message>
    <message>
        <source>SELECTING A DECK:</source>
        <translation>KAARTSPEL KIEZEN:</translation>
    </message>
    <message>
        <source>GAME STATISTICS:</source>
        <translation>STATISTIEKEN:</translation>
    </message>
    <message>
        <source>SAVING GAME STATISTICS:</source>
        <translation>STATISTIEKEN BEWAREN:</translation>
    </message>
    <message>
        <source>LICENSE AGREEMENT:</source>
        <translation>LICENTIE:</translation>
    </message>
    <message>
        <source>CONTACTING THE AUTHOR:</source>
        <translation>CONTACT:</translation>
    </message>
    <message>
        <source>All rights are reserved except those that the GNU General</source>
        <translation>Alle rechten voorbehouden, behalve die u de GNU</translation>
    </message>
    <message>
        <source>Public License gives you, and it gives you a great many:</source>
        <translation>General Public License geeft, en dat zijn er heel veel:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or</source>
        <translation>Velmora is vrije software: u kunt het verspreiden</translation>
    </message>
    <message>
        <source>modify it under the terms of the GNU General Public License</source>
        <translation>en/of wijzigen onder de voorwaarden van de GNU</translation>
    </message>
    <message>
        <source>as published by the Free Software Foundation, either</source>
        <translation>General Public License zoals gepubliceerd door</translation>
    </message>
    <message>
        <source>version 3 of the License, or (at your option) any later</source>
        <translation>de Free Software Foundation, versie 3 van de</translation>
    </message>
    <message>
        <source>version.</source>
        <translation>licentie of (naar uw keuze) een latere versie.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study</source>
        <translation>In gewone woorden: u mag Velmora voor elk doel gebruiken,</translation>
    </message>
    <message>
        <source>how it works and change it, and give copies to anyone, with</source>
        <translation>bestuderen hoe het werkt en het wijzigen, en kopieën</translation>
    </message>
    <message>
        <source>or without your changes, free of charge or for a fee.</source>
        <translation>geven aan wie u wilt, met of zonder uw wijzigingen, gratis</translation>
    </message>
    <message>
        <source>Whoever passes the program on must do so under the same</source>
        <translation>of tegen betaling. Wie het programma doorgeeft, moet</translation>
    </message>
    <message>
        <source>licence, offer its complete source code, keep every</source>
        <translation>dat onder dezelfde licentie doen, de volledige broncode</translation>
    </message>
    <message>
        <source>copyright and licence notice intact and add no further</source>
        <translation>aanbieden, alle copyright- en licentievermeldingen</translation>
    </message>
    <message>
        <source>restrictions.</source>
        <translation>intact laten en geen verdere beperkingen toevoegen.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck</source>
        <translation>De kaartvoorkanten komen uit het kaartspel „svg-standard” van</translation>
    </message>
    <message>
        <source>&quot;svg-standard&quot; (GNU GPL version 2 or later); some card</source>
        <translation>de KDE-spellen (GNU GPL versie 2 of later); sommige kaartruggen</translation>
    </message>
    <message>
        <source>backs use public-domain clip art from the Open Clip Art</source>
        <translation>gebruiken afbeeldingen uit het publieke domein van de Open</translation>
    </message>
    <message>
        <source>Library. The file CREDITS.md names every source.</source>
        <translation>Clip Art Library. Het bestand CREDITS.md noemt elke bron.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes</source>
        <translation>De volledige licentie staat in het bestand COPYING dat</translation>
    </message>
    <message>
        <source>with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>bij Velmora hoort; zie ook https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted</source>
        <translation>Er is geen garantie voor Velmora, voor zover</translation>
    </message>
    <message>
        <source>by applicable law. Except when otherwise stated in</source>
        <translation>de toepasselijke wet dat toestaat. Tenzij schriftelijk anders</translation>
    </message>
    <message>
        <source>writing, the copyright holders and/or other parties</source>
        <translation>vermeld, leveren de houders van het auteursrecht en/of andere</translation>
    </message>
    <message>
        <source>provide the program &quot;as is&quot; without warranty of any kind,</source>
        <translation>partijen het programma „zoals het is”, zonder enige garantie,</translation>
    </message>
    <message>
        <source>either expressed or implied, including, but not limited</source>
        <translation>uitdrukkelijk of stilzwijgend, met inbegrip van, maar niet</translation>
    </message>
    <message>
        <source>to, the implied warranties of merchantability and fitness</source>
        <translation>beperkt tot, de stilzwijgende garanties van verkoopbaarheid</translation>
    </message>
    <message>
        <source>for a particular purpose. The entire risk as to the</source>
        <translation>en geschiktheid voor een bepaald doel. Het volledige risico</translation>
    </message>
    <message>
        <source>quality and performance of the program is with you.</source>
        <translation>voor de kwaliteit en de werking van het programma ligt</translation>
    </message>
    <message>
        <source>Should the program prove defective, you assume the cost</source>
        <translation>bij u. Mocht het programma gebrekkig blijken, dan draagt</translation>
    </message>
    <message>
        <source>of all necessary servicing, repair or correction.</source>
        <translation>u de kosten van alle nodige service, herstel of correctie.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed</source>
        <translation>In geen geval, tenzij de toepasselijke</translation>
    </message>
    <message>
        <source>to in writing, will any copyright holder, or any other</source>
        <translation>wet het vereist of het schriftelijk is overeengekomen, is een</translation>
    </message>
    <message>
        <source>party who modifies and/or conveys the program as</source>
        <translation>houder van het auteursrecht of een andere partij die het programma</translation>
    </message>
    <message>
        <source>permitted above, be liable to you for damages, including</source>
        <translation>zoals hierboven toegestaan wijzigt en/of doorgeeft, jegens u</translation>
    </message>
    <message>
        <source>any general, special, incidental or consequential damages</source>
        <translation>aansprakelijk voor schade, met inbegrip van algemene, bijzondere,</translation>
    </message>
    <message>
        <source>arising out of the use or inability to use the program</source>
        <translation>incidentele of gevolgschade die voortvloeit uit het gebruik of het</translation>
    </message>
    <message>
        <source>(including but not limited to loss of data or data being</source>
        <translation>niet kunnen gebruiken van het programma (met inbegrip van, maar</translation>
    </message>
    <message>
        <source>rendered inaccurate or losses sustained by you or third</source>
        <translation>niet beperkt tot, verlies van gegevens, onjuist geworden gegevens,</translation>
    </message>
    <message>
        <source>parties or a failure of the program to operate with any</source>
        <translation>verliezen geleden door u of derden of het niet samenwerken van</translation>
    </message>
    <message>
        <source>other programs), even if such holder or other party has</source>
        <translation>het programma met andere programma’s), zelfs als die houder of</translation>
    </message>
    <message>
        <source>been advised of the possibility of such damages.</source>
        <translation>andere partij op de mogelijkheid van zulke schade is gewezen.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and</source>
        <translation>Velmora wordt voor de lol gespeeld: de dollars zijn speelgeld</translation>
    </message>
    <message>
        <source>no real money is ever bet, won or lost.</source>
        <translation>en er wordt nooit echt geld ingezet, gewonnen of verloren.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmora developers</source>
        <translation>Copyright © 2026 de makers van Velmora</translation>
    </message>
    <message>
        <source>All Rights Reserved</source>
        <translation>Alle rechten voorbehouden</translation>
    </message>
</context>
</TS>
