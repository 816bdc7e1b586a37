<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>GameWords</name>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>Siebenen</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>Achten</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>Neunen</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>Zehnen</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>Buben</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>Damen</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>Könige</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, &quot;Ace of Spades&quot;: %1 the rank, %2 the suit.</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keine)</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Programmfehler bei der Handbewertung. Bitte den Entwicklern melden</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Royal Flush 
(%1)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <extracomment>%1 the highest card, %2 the next one.</extracomment>
        <translation>%1 hoch 
(Kicker: %2)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <extracomment>%1 the rank of the pair (several), %2 the highest other card (one).</extracomment>
        <translation>Paar %1 
(Kicker: %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Zwei Paare 
(%1 und %2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <extracomment>%1 the rank of the three, %2 the rank of the two.</extracomment>
        <translation>Full House 
(%1 über %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Drei %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Straße, %1 hoch</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Vier %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Flush, %1 hoch 
(%2)</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Straight Flush, %1 hoch 
(%2)</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>in a card&apos;s name</comment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>in a card&apos;s name</comment>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>in a card&apos;s name</comment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Spades</source>
        <comment>in a card&apos;s name</comment>
        <translation>Pik</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>face down</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>%1, marked for discard</source>
        <extracomment>Spoken: %1 the card&apos;s name.</extracomment>
        <translation>%1, zum Abwerfen markiert</translation>
    </message>
    <message>
        <source>$%1 bundle</source>
        <translation>$%1-Bündel</translation>
    </message>
    <message>
        <source>$%1 bill</source>
        <translation>$%1-Schein</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>StatFileWriting</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine gewöhnliche Datei</translation>
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
        <translation>Über Velmora</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
</context>
<context>
    <name>velmora::TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Kartendeck wählen</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>velmora::TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>Pleite!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Danke fürs Spielen</translation>
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
        <translation>Spielübersicht</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>Das Geben</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>Karten tauschen</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>Der Showdown</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Kartendeck wählen</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Statistik speichern</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Royal Flush</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Straight Flush</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Vierling</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full House</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Flush</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Straße</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Drilling</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Zwei Paare</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Paar</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Höchste Karte</translation>
    </message>
    <message>
        <source>Velmora:</source>
        <translation>Velmora:</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Hausregeln:</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Funktionen:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Sonstiges:</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Rangfolge:</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Velmora-Hilfe</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Rangfolge</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
</context>
<context>
    <name>velmora::THintWindow</name>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>discard choices, best first</source>
        <translation>Tauschmöglichkeiten, die beste zuerst</translation>
    </message>
    <message>
        <source>Stand pat</source>
        <extracomment>Joins the names of the cards to discard.</extracomment>
        <translation>Keine Karte tauschen</translation>
    </message>
    <message>
        <source>Discard %1</source>
        <translation>%1 abwerfen</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 — wins %2 %, pushes %3 %, loses %4 %</source>
        <extracomment>%1 the discard, %2..%4 the chances of winning, pushing and losing in percent.</extracomment>
        <translation>%1 — gewinnt %2 %, unentschieden %3 %, verliert %4 %</translation>
    </message>
</context>
<context>
    <name>velmora::TIntroDlg</name>
    <message>
        <source>Welcome to Velmora</source>
        <translation>Willkommen bei Velmora</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Willkommen bei Velmora!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte Namen eingeben:</translation>
    </message>
    <message>
        <source>Select Starting Bank Amount:</source>
        <translation>Startkapital wählen:</translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Karte anklicken</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>für ein anderes Deck</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Ton </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Enter </source>
        <translation>&amp;Start </translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>Der Name darf höchstens 10 Zeichen haben.
        Bitte noch einmal..</translation>
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
        <translation>Zuletzt: $%1</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Kasse: $%1</translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation>$%1 setzen</translation>
    </message>
    <message>
        <source>Place Your Bet..</source>
        <translation>Ihr Einsatz, bitte..</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Einsatz eingeben und auf Geben klicken</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Einsatz ändern oder auf Geben klicken</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Willkommen bei Velmora!</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Tonfehler</translation>
    </message>
    <message>
        <source>    Could not initiate sound file.
The Sound option will be disabled.</source>
        <translation>    Die Tondatei ließ sich nicht öffnen.
Der Ton wird ausgeschaltet.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Save current statistics?</source>
        <translation>Die bisherige Statistik behalten?</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Geber</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>Kartenstapel</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ziehen</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Geben</translation>
    </message>
    <message>
        <source>cash tray</source>
        <translation>Geldschale</translation>
    </message>
    <message>
        <source>bet field frame</source>
        <translation>Rahmen des Einsatzfelds</translation>
    </message>
    <message>
        <source>New Bet</source>
        <translation>Neuer Einsatz</translation>
    </message>
    <message>
        <source>closed cash tray</source>
        <translation>geschlossene Geldschale</translation>
    </message>
    <message>
        <source>Last Bet:</source>
        <translation>Zuletzt:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Kasse:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Kartendeck...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>Ü&amp;ber... </translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Fehler beim Einsatz</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Ungültiger Tausch</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Ungültiger Einsatz</translation>
    </message>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Ungültiges Zeichen im Einsatz!</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>So viel Geld haben Sie nicht!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>Ihr letzter Einsatz ist höher als Ihre Kasse!
         Bitte weniger setzen..</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Kein gültiger Einsatz!
      Bitte noch einmal..</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>So viel Geld haben Sie nicht!
       Bitte noch einmal..</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>Sie können nicht 5 tauschen!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>4 Karten nur zu einem Ass!</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Sie müssen etwas setzen..</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Karten zum Abwerfen anklicken, dann auf Ziehen</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>Geber nimmt %1</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>Geber gewinnt!</translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>Sie gewinnen!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Unentschieden.. Pot geteilt!</translation>
    </message>
    <message>
        <source>headline</source>
        <translation>Schlagzeile</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>dealer&apos;s hand</source>
        <translation>Hand des Gebers</translation>
    </message>
    <message>
        <source>your hand</source>
        <translation>Ihre Hand</translation>
    </message>
    <message>
        <source>status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>last bet</source>
        <translation>letzter Einsatz</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>Kasse</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand: </source>
        <translation>Hand des Gebers: </translation>
    </message>
    <message>
        <source>Your hand: </source>
        <translation>Ihre Hand: </translation>
    </message>
    <message>
        <source>dealer&apos;s card %1</source>
        <translation>Karte %1 des Gebers</translation>
    </message>
    <message>
        <source>your card %1</source>
        <translation>Ihre Karte %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatBox</name>
    <message>
        <source>Velmora Game Stats (*.vlm)</source>
        <translation>Velmora-Statistik (*.vlm)</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Statistik speichern...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Statistik des laufenden Spiels</translation>
    </message>
    <message>
        <source>Current Game Statistics</source>
        <translation>Statistik des laufenden Spiels</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>Laufendes S&amp;piel</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Gespeicherte Statistik öffnen..</translation>
    </message>
    <message>
        <source>Velmora Help...</source>
        <translation>Velmora-Hilfe...</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 gewann:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Beste Hand von %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finanzen von %1:</translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation>%1 Hand</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hands</source>
        <translation>
            <numerusform>%1 Hand</numerusform>
            <numerusform>%1 Hände</numerusform>
        </translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Ansicht: %1</translation>
    </message>
    <message>
        <source>Save Velmora Game Stats As</source>
        <translation>Velmora-Statistik speichern unter</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Statistikdatei überschreiben</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 gibt es schon. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>%1 konnte nicht gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>Open Velmora Game Stats</source>
        <translation>Velmora-Statistik öffnen</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Fehler beim Öffnen Nr. %1</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>Ungültige Datendatei!</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Höchste Karte:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Paar:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Zwei Paare:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Drilling:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Flush:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full House:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Vierling:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Straight Flush:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Royal Flush:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 Karten:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 Karte:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 Karten:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 Karten:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 Karten:</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Gespielte Hände:</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Gewonnen in %:</translation>
    </message>
    <message>
        <source>Starting Bank:</source>
        <translation>Startkapital:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Kasse im Mittel:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Höchste Kasse:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Einsatz im Mittel:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Höchster Einsatz:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Pleiten/Neustarts:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Längste Gewinnserie:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Geber:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Beste Hand des Gebers:</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Erreichte Hände:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Summe:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Getauschte Karten:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Hand durch Tausch verbessert:</translation>
    </message>
</context>
<context>
    <name>velmora::help</name>
    <message>
        <source>Royal Flush</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Royal Flush
(Pik)</translation>
    </message>
    <message>
        <source>The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. It is the highest hand in nothing-wild poker, and two royal flushes tie whatever their suits.</source>
        <translation>Ass, König, Dame, Bube und Zehn einer Farbe: ein Straight Flush bis zum Ass. Es ist die höchste Hand im Poker ohne Joker, und zwei Royal Flushes sind gleich, egal in welcher Farbe.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Straight Flush, Acht hoch 
(Karo)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, ranked by the highest card. The ace may play low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.</source>
        <translation>Fünf Karten einer Farbe in lückenloser Folge, bewertet nach der höchsten Karte. Das Ass darf unten stehen, daher ist 5, 4, 3, 2, A der niedrigste Straight Flush. Farben entscheiden nie.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Vier Siebenen</translation>
    </message>
    <message>
        <source>Four cards of one rank and one other card, the kicker. Ranked by the four: K, K, K, K, 4 beats 10, 10, 10, 10, A.</source>
        <translation>Vier Karten eines Rangs und eine weitere Karte, der Kicker. Bewertet nach dem Vierling: K, K, K, K, 4 schlägt 10, 10, 10, 10, A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full House
(Zweien über Fünfen)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. Ranked by the three: 4, 4, 4, 3, 3 beats 2, 2, 2, A, A.</source>
        <translation>Drei Karten eines Rangs und zwei eines anderen. Bewertet nach dem Drilling: 4, 4, 4, 3, 3 schlägt 2, 2, 2, A, A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Flush, König hoch
(Pik)</translation>
    </message>
    <message>
        <source>Five cards of one suit, not in sequence. Compared card by card from the highest down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. Suits never break ties.</source>
        <translation>Fünf Karten einer Farbe, nicht in Folge. Verglichen wird Karte für Karte von der höchsten abwärts: A, 7, 5, 4, 2 schlägt K, D, B, 10, 8, und B, 8, 7, 5, 3 schlägt B, 8, 7, 5, 2. Farben entscheiden nie.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Straße, Bube hoch</translation>
    </message>
    <message>
        <source>Five cards in sequence, not all of one suit, ranked by the highest card. The ace plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but Q, K, A, 2, 3 is not.</source>
        <translation>Fünf Karten in Folge, nicht alle von einer Farbe, bewertet nach der höchsten Karte. Das Ass zählt hoch oder niedrig: A, K, D, B, 10 und 5, 4, 3, 2, A sind beide Straßen, D, K, A, 2, 3 aber nicht.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Drei Neunen</translation>
    </message>
    <message>
        <source>Three cards of one rank and two unmatched cards. Ranked by the three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.</source>
        <translation>Drei Karten eines Rangs und zwei ungleiche Karten. Bewertet nach dem Drilling: 9, 9, 9, 3, 2 schlägt 8, 8, 8, A, K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Zwei Paare
(Buben und Vieren)</translation>
    </message>
    <message>
        <source>Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.</source>
        <translation>Zwei Paare und eine weitere Karte, der Kicker. Bewertet nach dem höheren Paar, dann dem niedrigeren, dann dem Kicker: B, B, 4, 4, 7 schlägt B, B, 3, 3, A.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Paar Damen
(Kicker: Neun)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks. Ranked by the pair, then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.</source>
        <translation>Zwei Karten eines Rangs und drei Kicker verschiedener Ränge. Bewertet nach dem Paar, dann Kicker für Kicker: 4, 4, A, B, 7 schlägt 4, 4, A, 10, 9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Höchste Karte</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Ass hoch
(Kicker: Bube)</translation>
    </message>
    <message>
        <source>Any hand that makes none of the other nine ranks. Compared card by card from the highest down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.</source>
        <translation>Jede Hand, die keinen der anderen neun Ränge ergibt. Verglichen wird Karte für Karte von der höchsten abwärts: A, B, 6, 3, 2 schlägt A, 10, 9, 8, 7. Farben entscheiden nie.</translation>
    </message>
    <message>
        <source>Velmora is &quot;nothing-wild&quot; five-card draw poker: you against the dealer, who plays for the house, with one ordinary deck of 52 cards and no jokers or wild cards. This help holds everything you need to start playing.</source>
        <translation>Velmora ist Five Card Draw Poker ohne Joker und ohne wilde Karten: Sie gegen den Geber, der für das Haus spielt, mit einem gewöhnlichen Blatt von 52 Karten. Diese Hilfe erklärt alles, was Sie zum Spielen brauchen.</translation>
    </message>
    <message>
        <source>On the welcome screen type your name, choose your starting bank ($100, $1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every hand goes the same way:</source>
        <translation>Geben Sie im Begrüßungsfenster Ihren Namen ein, wählen Sie Ihr Startkapital ($100, $1,000 oder $5,000) und klicken Sie auf Start. Ihr Ziel ist, dieses Kapital zu vermehren. Jede Hand läuft gleich ab:</translation>
    </message>
    <message>
        <source>1. You bet, and the dealer matches your bet into the game pot.</source>
        <translation>1. Sie setzen, und der Geber bringt denselben Betrag in den Pot.</translation>
    </message>
    <message>
        <source>2. The dealer deals two hands of five cards, one to you and one to the house.</source>
        <translation>2. Der Geber gibt zwei Hände zu fünf Karten, eine Ihnen und eine dem Haus.</translation>
    </message>
    <message>
        <source>3. You throw away the cards you don&apos;t want and draw new ones.</source>
        <translation>3. Sie werfen die Karten ab, die Sie nicht wollen, und ziehen neue.</translation>
    </message>
    <message>
        <source>4. The dealer throws away cards for the house and draws.</source>
        <translation>4. Der Geber wirft für das Haus ab und zieht.</translation>
    </message>
    <message>
        <source>5. Both hands are turned face up and compared.</source>
        <translation>5. Beide Hände werden aufgedeckt und verglichen.</translation>
    </message>
    <message>
        <source>6. The better hand takes the pot; equal hands split it.</source>
        <translation>6. Die bessere Hand gewinnt den Pot; gleiche Hände teilen ihn.</translation>
    </message>
    <message>
        <source>7. Betting opens for the next hand.</source>
        <translation>7. Die nächste Hand wird gesetzt.</translation>
    </message>
    <message>
        <source>The links under &quot;House Rules:&quot; explain each step: Betting, The Deal, Drawing Cards and The Showdown. The &quot;Hand Rankings&quot; page shows the ten kinds of hand, from the Royal Flush down to High Card, with an example of each and how ties are broken.</source>
        <translation>Die Verweise unter „Hausregeln:“ erklären jeden Schritt: Setzen, Das Geben, Karten tauschen und Der Showdown. Die Seite „Rangfolge“ zeigt die zehn Arten von Händen, vom Royal Flush bis zur Höchsten Karte, mit je einem Beispiel und wie bei Gleichstand entschieden wird.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino there is only one betting round, at the start of each hand, as in classic video poker. Once the cards are dealt you cannot raise, call or fold: your bet stands until the showdown.</source>
        <translation>Anders als beim Draw Poker im Casino gibt es nur eine Setzrunde, zu Beginn jeder Hand, wie beim klassischen Videopoker. Sind die Karten gegeben, können Sie weder erhöhen noch mitgehen noch aussteigen: Ihr Einsatz gilt bis zum Showdown.</translation>
    </message>
    <message>
        <source>You place one bet at the start of each hand, before any card is dealt. It can be any whole number of dollars from $1 up to all the money in your bank.</source>
        <translation>Sie setzen zu Beginn jeder Hand einmal, bevor eine Karte gegeben wird. Der Einsatz kann jeder ganze Dollarbetrag von $1 bis zu Ihrer ganzen Kasse sein.</translation>
    </message>
    <message>
        <source>There are two ways to make your bet:</source>
        <translation>Sie können auf zwei Arten setzen:</translation>
    </message>
    <message>
        <source>1. Click the bills in the cash tray at the right of the table. Each click adds that bill&apos;s amount to the New Bet field at the top of the tray. The Bank box under the tray then shows the cash you have left beside your bet, and the tray offers the bills you can still add: a few of different sizes, not a count of your cash. Click a bill again to add it again, as long as it is shown.</source>
        <translation>1. Klicken Sie auf die Scheine in der Geldschale rechts am Tisch. Jeder Klick fügt den Betrag des Scheins dem Feld Neuer Einsatz oben in der Schale hinzu. Das Feld Kasse unter der Schale zeigt dann, was Ihnen neben dem Einsatz bleibt, und die Schale bietet die Scheine an, die Sie noch hinzufügen können: einige verschiedener Größe, nicht Ihr ganzes Geld. Klicken Sie einen Schein erneut, um ihn noch einmal hinzuzufügen, solange er zu sehen ist.</translation>
    </message>
    <message>
        <source>2. Type the amount into the New Bet field. The Bank box and the bills in the tray follow every change. This is also how you take cash back: change or clear the amount in the field.</source>
        <translation>2. Tippen Sie den Betrag in das Feld Neuer Einsatz. Die Kasse und die Scheine in der Schale folgen jeder Änderung. So nehmen Sie auch Geld zurück: Ändern oder löschen Sie den Betrag im Feld.</translation>
    </message>
    <message>
        <source>When the amount is right, click Deal. Your bet moves from the New Bet field into the game pot and the cards are dealt. While the hand is played the Bank box shows your bank less the bet in the pot. The bet is not lost yet: if you win or tie you get it back, and it leaves your bank only if you lose.</source>
        <translation>Stimmt der Betrag, klicken Sie auf Geben. Ihr Einsatz wandert aus dem Feld Neuer Einsatz in den Pot, und die Karten werden gegeben. Während der Hand zeigt die Kasse Ihr Geld ohne den Einsatz im Pot. Verloren ist der Einsatz noch nicht: Gewinnen Sie oder endet die Hand unentschieden, bekommen Sie ihn zurück; nur wenn Sie verlieren, geht er von Ihrer Kasse ab.</translation>
    </message>
    <message>
        <source>Mistakes cost nothing: letters, an amount larger than your bank, or a bet of $0 are refused with a message box that says what is wrong; click OK and try again.</source>
        <translation>Fehler kosten nichts: Buchstaben, ein Betrag über Ihrer Kasse oder ein Einsatz von $0 werden mit einer Meldung abgelehnt, die sagt, was nicht stimmt; klicken Sie auf OK und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>If you leave the New Bet field empty, Deal bets the same amount as last time, shown in the Last Bet box at the bottom of the window, as long as your bank still covers it; if it doesn&apos;t, a message asks you to lower your bet. The first hand of a game has no last bet, so type or click an amount for it.</source>
        <translation>Lassen Sie das Feld Neuer Einsatz leer, setzt Geben denselben Betrag wie beim letzten Mal, der im Feld Zuletzt unten im Fenster steht, solange Ihre Kasse ihn deckt; sonst bittet eine Meldung Sie, weniger zu setzen. Die erste Hand eines Spiels hat keinen letzten Einsatz: Tippen oder klicken Sie dafür einen Betrag.</translation>
    </message>
    <message>
        <source>When you click Deal, your bet goes into the game pot and the dealer adds a matching bet, so the pot holds twice your bet. The whole deck is shuffled for every hand, and you and the dealer get five cards each, dealt one at a time and in turn, you first.</source>
        <translation>Wenn Sie auf Geben klicken, kommt Ihr Einsatz in den Pot, und der Geber legt denselben Betrag dazu; der Pot enthält also das Doppelte Ihres Einsatzes. Für jede Hand wird das ganze Blatt gemischt, und Sie und der Geber bekommen je fünf Karten, einzeln und abwechselnd, Sie zuerst.</translation>
    </message>
    <message>
        <source>What the Deal button does:</source>
        <translation>Was der Knopf Geben tut:</translation>
    </message>
    <message>
        <source>1. Closes betting for this hand: the New Bet field is put away and the bills can&apos;t be clicked until the hand is over.</source>
        <translation>1. Er beendet das Setzen für diese Hand: Das Feld Neuer Einsatz verschwindet, und die Scheine lassen sich erst nach der Hand wieder anklicken.</translation>
    </message>
    <message>
        <source>2. Moves your bet into the game pot and matches it: the amount in the New Bet field or, when the field is empty, the amount in the Last Bet box. The top of the table shows the Game Pot.</source>
        <translation>2. Er bringt Ihren Einsatz in den Pot und verdoppelt ihn: den Betrag im Feld Neuer Einsatz oder, wenn das Feld leer ist, den Betrag im Feld Zuletzt. Oben am Tisch steht der Pot.</translation>
    </message>
    <message>
        <source>3. Shuffles all 52 cards.</source>
        <translation>3. Er mischt alle 52 Karten.</translation>
    </message>
    <message>
        <source>4. Deals the two hands: your cards face up, the dealer&apos;s face down.</source>
        <translation>4. Er gibt die beiden Hände: Ihre Karten offen, die des Gebers verdeckt.</translation>
    </message>
    <message>
        <source>When the tenth card is down, the line at the bottom of the window reads &quot;Click on cards to remove and click Draw to replace&quot;, the Deal button has become the Draw button, and the draw begins. From the keyboard, Alt+D presses Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H opens the Hint window, which lists the draws you may make, best first, with your chances against the dealer: the arrow keys choose one, Enter turns over its cards and Escape closes the window without changing them.</source>
        <translation>Liegt die zehnte Karte, steht in der Zeile unten im Fenster „Karten zum Abwerfen anklicken, dann auf Ziehen“, aus dem Knopf Geben ist der Knopf Ziehen geworden, und der Tausch beginnt. Mit der Tastatur drückt Alt+G Geben und Alt+Z Ziehen, die Tasten 1 bis 5 drehen Ihre Karten von links nach rechts um, und H öffnet das Fenster Tipp mit den möglichen Tauschen, der beste zuerst, und Ihren Aussichten gegen den Geber: Die Pfeiltasten wählen einen, die Eingabetaste dreht seine Karten um, und Escape schließt das Fenster, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>After the deal you and the dealer may each throw away some cards and get new ones from the deck: up to three cards, or four if the one card kept is an ace. You draw first.</source>
        <translation>Nach dem Geben dürfen Sie und der Geber je einige Karten abwerfen und neue vom Stapel bekommen: bis zu drei Karten, oder vier, wenn die eine behaltene Karte ein Ass ist. Sie tauschen zuerst.</translation>
    </message>
    <message>
        <source>1. Click each card you want to replace. It turns over and shows its back; click it again if you change your mind.</source>
        <translation>1. Klicken Sie jede Karte an, die Sie tauschen wollen. Sie wird umgedreht und zeigt ihren Rücken; klicken Sie sie noch einmal an, wenn Sie es sich anders überlegen.</translation>
    </message>
    <message>
        <source>2. Click Draw. The cards you turned over are replaced by new ones from the deck.</source>
        <translation>2. Klicken Sie auf Ziehen. Die umgedrehten Karten werden durch neue vom Stapel ersetzt.</translation>
    </message>
    <message>
        <source>3. To keep all five cards (&quot;stand pat&quot;), click Draw without turning any card over.</source>
        <translation>3. Um alle fünf Karten zu behalten, klicken Sie auf Ziehen, ohne eine Karte umzudrehen.</translation>
    </message>
    <message>
        <source>If you turn over all five cards, or four while the card you keep is not an ace, the draw is refused with a message. Your cards stay turned over as you left them, so change them and click Draw again.</source>
        <translation>Drehen Sie alle fünf Karten um, oder vier, obwohl die behaltene Karte kein Ass ist, wird der Tausch mit einer Meldung abgelehnt. Ihre Karten bleiben so umgedreht, wie Sie sie gelassen haben; ändern Sie sie und klicken Sie noch einmal auf Ziehen.</translation>
    </message>
    <message>
        <source>Then the dealer draws for the house and tells you how many cards it took, for example &quot;Dealer takes 3&quot; (or &quot;Dealer takes 0&quot; when it keeps all five), and its new cards are dealt face down. When the dealer has drawn, its hand is turned face up for the showdown.</source>
        <translation>Dann zieht der Geber für das Haus und sagt, wie viele Karten er genommen hat, zum Beispiel „Geber nimmt 3“ (oder „Geber nimmt 0“, wenn er alle fünf behält), und seine neuen Karten werden verdeckt gegeben. Hat der Geber gezogen, wird seine Hand zum Showdown aufgedeckt.</translation>
    </message>
    <message>
        <source>HOW THE DEALER DRAWS:</source>
        <translation>WIE DER GEBER TAUSCHT:</translation>
    </message>
    <message>
        <source>The dealer looks only at its own five cards and always follows the same rule:</source>
        <translation>Der Geber sieht nur auf seine eigenen fünf Karten und folgt immer derselben Regel:</translation>
    </message>
    <message>
        <source>- A straight, a flush, a full house, a straight flush or a royal flush: it stands pat and takes no card.</source>
        <translation>- Straße, Flush, Full House, Straight Flush oder Royal Flush: Er bleibt stehen und nimmt keine Karte.</translation>
    </message>
    <message>
        <source>- Four of a kind: it keeps all five cards when the fifth card is a nine or higher, and otherwise draws one card in place of the fifth.</source>
        <translation>- Vierling: Er behält alle fünf Karten, wenn die fünfte eine Neun oder höher ist, sonst zieht er eine Karte für die fünfte.</translation>
    </message>
    <message>
        <source>- Three of a kind: it keeps the three and draws two.</source>
        <translation>- Drilling: Er behält den Drilling und zieht zwei.</translation>
    </message>
    <message>
        <source>- Two pair: it keeps both pairs and draws one.</source>
        <translation>- Zwei Paare: Er behält beide Paare und zieht eine.</translation>
    </message>
    <message>
        <source>- One pair: it keeps the pair and draws three.</source>
        <translation>- Ein Paar: Er behält das Paar und zieht drei.</translation>
    </message>
    <message>
        <source>- No pair: it keeps an ace and a king, or, without an ace, its two highest cards, and draws three. With an ace but no king it keeps the ace alone and draws four; as it announces the draw it turns that ace face up at the left of its row.</source>
        <translation>- Kein Paar: Er behält Ass und König oder, ohne Ass, seine zwei höchsten Karten und zieht drei. Mit einem Ass, aber ohne König, behält er nur das Ass und zieht vier; wenn er den Tausch ansagt, deckt er dieses Ass links in seiner Reihe auf.</translation>
    </message>
    <message>
        <source>The dealer never keeps a single unmatched card beside a pair or three of a kind, and never draws to four cards of a flush or a straight.</source>
        <translation>Der Geber behält nie eine einzelne Beikarte neben einem Paar oder Drilling und zieht nie auf vier Karten zu einem Flush oder einer Straße.</translation>
    </message>
    <message>
        <source>THE BEST DRAW:</source>
        <translation>DER BESTE TAUSCH:</translation>
    </message>
    <message>
        <source>Because the dealer always follows that rule, every draw you could make has a chance of beating it that can be worked out, and one draw is the best. Drawing as the dealer does comes close: keep a pair, two pair or three of a kind and throw away the rest; without a pair keep an ace and a king, or an ace alone, or your two highest cards. Where the best draw differs most is four cards of a straight flush: draw one card to them. Four cards of a plain flush or straight win less often than two high cards.</source>
        <translation>Weil der Geber immer dieser Regel folgt, hat jeder Tausch, den Sie machen könnten, eine berechenbare Aussicht, ihn zu schlagen, und ein Tausch ist der beste. Wer tauscht wie der Geber, kommt nahe heran: Paar, zwei Paare oder Drilling behalten und den Rest abwerfen; ohne Paar Ass und König, ein Ass allein oder die zwei höchsten Karten behalten. Am meisten weicht der beste Tausch bei vier Karten zu einem Straight Flush ab: Ziehen Sie eine Karte dazu. Vier Karten zu einem einfachen Flush oder einer Straße gewinnen seltener als zwei hohe Karten.</translation>
    </message>
    <message>
        <source>Drawing as the dealer does makes the game even, as you then play by the dealer&apos;s own rule. The best draw does a little better: over 3,000 random hands it gained 0.15% of the bet per hand, so against the best play the house&apos;s edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The house wins nothing from a player who draws the best way.</source>
        <translation>Wer tauscht wie der Geber, spielt ausgeglichen, denn er spielt nach der Regel des Gebers. Der beste Tausch schneidet etwas besser ab: Über 3,000 zufällige Hände gewann er 0.15% des Einsatzes je Hand; gegen das beste Spiel ist der Vorteil des Hauses also -0.15%, mit 95% Sicherheit zwischen -0.17% und -0.12%. Gegen einen Spieler, der am besten tauscht, gewinnt das Haus nichts.</translation>
    </message>
    <message>
        <source>When both of you have drawn, the dealer&apos;s hand is turned face up and both hands are ranked. The name of each hand appears under it (a High Card hand, with no pair or better, shows no name there), and the result is announced above the dealer&apos;s cards. The &quot;Hand Rankings&quot; page shows which hand beats which.</source>
        <translation>Haben Sie beide getauscht, wird die Hand des Gebers aufgedeckt, und beide Hände werden bewertet. Unter jeder Hand erscheint ihr Name (eine Hand mit Höchster Karte, ohne Paar oder Besseres, zeigt dort keinen Namen), und das Ergebnis wird über den Karten des Gebers angesagt. Die Seite „Rangfolge“ zeigt, welche Hand welche schlägt.</translation>
    </message>
    <message>
        <source>You win (&quot;You&apos;re a winner!&quot;): the pot is yours, so your bank grows by the amount of your bet.</source>
        <translation>Sie gewinnen („Sie gewinnen!“): Der Pot gehört Ihnen, Ihre Kasse wächst um Ihren Einsatz.</translation>
    </message>
    <message>
        <source>The dealer wins (&quot;Dealer wins!&quot;): the pot goes to the house, so your bank drops by the amount of your bet.</source>
        <translation>Der Geber gewinnt („Geber gewinnt!“): Der Pot geht an das Haus, Ihre Kasse sinkt um Ihren Einsatz.</translation>
    </message>
    <message>
        <source>A push (&quot;Push.. Split the Pot!&quot;): the hands are equal, each side takes back its own bet and your bank stays as it was. Suits never break a tie.</source>
        <translation>Unentschieden („Unentschieden.. Pot geteilt!“): Die Hände sind gleich, jede Seite nimmt ihren Einsatz zurück, und Ihre Kasse bleibt, wie sie war. Farben entscheiden nie.</translation>
    </message>
    <message>
        <source>Then betting opens for the next hand. The cards stay on the table until you click Deal again.</source>
        <translation>Dann wird für die nächste Hand gesetzt. Die Karten bleiben auf dem Tisch, bis Sie wieder auf Geben klicken.</translation>
    </message>
    <message>
        <source>If you lose a hand and your bank is left at $0, you are bankrupt and the game is over. The house then offers you a credit extension: click New Game to start a new game with the same name and starting bank, View Stats to look back at the game, or Exit to leave Velmora. &quot;Credit extension&quot; is only a name: nothing is owed. The new game asks whether to keep the statistics; if you keep them, the new game is counted under &quot;Bankrupts/Resets&quot;, and if you don&apos;t, every figure starts again from zero. New Game in the Game menu (F2) starts over in the same way, and is counted the same way, at any time after the first deal of a game.</source>
        <translation>Verlieren Sie eine Hand und bleiben mit $0 in der Kasse, sind Sie pleite, und das Spiel ist aus. Das Haus bietet Ihnen dann neuen Kredit an: Klicken Sie auf Neues Spiel für ein neues Spiel mit demselben Namen und Startkapital, auf Statistik für einen Blick zurück auf das Spiel oder auf Beenden, um Velmora zu verlassen. „Kredit“ ist nur ein Wort: Sie schulden nichts. Das neue Spiel fragt, ob die Statistik bleiben soll; behalten Sie sie, zählt das neue Spiel unter „Pleiten/Neustarts“, sonst beginnt jede Zahl wieder bei null. Neues Spiel im Menü Spiel (F2) beginnt jederzeit nach dem ersten Geben eines Spiels auf dieselbe Weise neu und wird ebenso gezählt.</translation>
    </message>
    <message>
        <source>In Velmora a deck is the picture on the backs of the cards; every deck holds the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below rocky crags, swirling clouds, two clowns and a red bridge. You can choose a deck, or tick &quot;Randomize&quot; to let the dealer pick one at random before each hand.</source>
        <translation>In Velmora ist ein Deck das Bild auf den Rückseiten der Karten; jedes Deck hat dieselben 52 Karten. Es gibt zehn: einen lachenden Clown, einen Leuchtturm, einen Cowboy auf einem bockenden Pferd, Karten spielende Schweine, eine Kirche, den Eiffelturm, ein Schiff unter Felsklippen, wirbelnde Wolken, zwei Clowns und eine rote Brücke. Sie können ein Deck wählen oder „Zufällig“ ankreuzen, damit der Geber vor jeder Hand eines auswählt.</translation>
    </message>
    <message>
        <source>1. On the welcome screen at the start: click the card picture until it shows the deck you want, or tick Randomize.</source>
        <translation>1. Im Begrüßungsfenster zu Beginn: Klicken Sie auf das Kartenbild, bis es das gewünschte Deck zeigt, oder kreuzen Sie Zufällig an.</translation>
    </message>
    <message>
        <source>2. During the game: while you are betting, before you click Deal, choose Decks... from the Game menu (or press F7). Click the deck you want (a red frame marks it) and click OK, or simply double-click it. Cancel keeps the deck you had.</source>
        <translation>2. Während des Spiels: Wählen Sie beim Setzen, bevor Sie auf Geben klicken, Kartendeck... im Menü Spiel (oder drücken Sie F7). Klicken Sie das gewünschte Deck an (ein roter Rahmen markiert es) und dann auf OK, oder doppelklicken Sie es einfach. Abbrechen behält das bisherige Deck.</translation>
    </message>
    <message>
        <source>The deck you choose is used from the very next deal on and stays until you change it, also in a new game. The Decks... dialog has its own Randomize box.</source>
        <translation>Das gewählte Deck gilt ab dem nächsten Geben und bleibt, bis Sie es ändern, auch in einem neuen Spiel. Das Fenster Kartendeck... hat ein eigenes Feld Zufällig.</translation>
    </message>
    <message>
        <source>While Randomize is ticked, single decks cannot be chosen: clicking a deck does nothing. Untick Randomize first to pick one yourself.</source>
        <translation>Solange Zufällig angekreuzt ist, lassen sich keine einzelnen Decks wählen: Ein Klick auf ein Deck bewirkt nichts. Nehmen Sie zuerst das Kreuz bei Zufällig weg, um selbst eines zu wählen.</translation>
    </message>
    <message>
        <source>While you play, Velmora keeps statistics of the current game: hands played and won, your winning percentage, your starting, average and highest bank, your average and highest bet, bankruptcies, the longest winning streaks of you and the dealer, the best hand of each of you, how many hands of each rank you each ended with, how many cards you each drew, and how often the draw improved a hand.</source>
        <translation>Während Sie spielen, führt Velmora eine Statistik des laufenden Spiels: gespielte und gewonnene Hände, Ihren Gewinnanteil, Ihr Start-, mittleres und höchstes Kapital, Ihren mittleren und höchsten Einsatz, Pleiten, die längsten Gewinnserien von Ihnen und dem Geber, die beste Hand jedes von Ihnen, wie viele Hände jedes Rangs jeder von Ihnen am Ende hatte, wie viele Karten jeder getauscht hat und wie oft der Tausch eine Hand verbessert hat.</translation>
    </message>
    <message>
        <source>To see them, choose Statistics... from the Game menu (or press F5) at any time. The Summary page shows the figures of the game and the best hands; the Accumulative page counts the hand rankings and the draws of you and the dealer. Click Close to go back to the table.</source>
        <translation>Um sie zu sehen, wählen Sie jederzeit Statistik... im Menü Spiel (oder drücken F5). Die Seite Übersicht zeigt die Zahlen des Spiels und die besten Hände; die Seite Gesamt zählt die erreichten Hände und die Tausche von Ihnen und dem Geber. Klicken Sie auf Schließen, um zum Tisch zurückzukehren.</translation>
    </message>
    <message>
        <source>A push counts as a hand played but not as a win. The average bank is taken over your starting bank and your bank after every hand. A draw &quot;improved&quot; a hand when the hand after the draw beats the hand as it was dealt.</source>
        <translation>Ein Unentschieden zählt als gespielte Hand, aber nicht als Gewinn. Die mittlere Kasse wird über Ihr Startkapital und Ihre Kasse nach jeder Hand genommen. Ein Tausch hat eine Hand „verbessert“, wenn die Hand nach dem Tausch die Hand schlägt, wie sie gegeben wurde.</translation>
    </message>
    <message>
        <source>The statistics are updated at the end of each hand, when the winner is known; only the draws are counted as soon as they are made. A new game asks whether to keep the statistics or to start them afresh.</source>
        <translation>Die Statistik wird am Ende jeder Hand aktualisiert, wenn der Gewinner feststeht; nur die Tausche werden gezählt, sobald sie gemacht sind. Ein neues Spiel fragt, ob die Statistik bleiben oder neu beginnen soll.</translation>
    </message>
    <message>
        <source>Whenever the statistics window shows your current game you can save its figures, and open them again later, for instance to keep a record of your best games.</source>
        <translation>Immer wenn das Statistikfenster Ihr laufendes Spiel zeigt, können Sie seine Zahlen speichern und später wieder öffnen, etwa um Ihre besten Spiele festzuhalten.</translation>
    </message>
    <message>
        <source>1. Open the statistics window: Statistics... in the Game menu, or F5.</source>
        <translation>1. Öffnen Sie das Statistikfenster: Statistik... im Menü Spiel oder F5.</translation>
    </message>
    <message>
        <source>2. Choose Save... from its Stats menu, or click the first of the picture buttons at its top left (its tip reads &quot;Save Stats...&quot;).</source>
        <translation>2. Wählen Sie Speichern... in dessen Menü Statistik, oder klicken Sie auf den ersten der Bildknöpfe oben links (sein Tipp lautet „Statistik speichern...“).</translation>
    </message>
    <message>
        <source>3. Choose a folder and a file name and click Save. The file is given the extension .vlm. If a file of that name exists, you are asked whether to replace it.</source>
        <translation>3. Wählen Sie einen Ordner und einen Dateinamen und klicken Sie auf Speichern. Die Datei erhält die Endung .vlm. Gibt es schon eine Datei dieses Namens, werden Sie gefragt, ob sie ersetzt werden soll.</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:</source>
        <translation>GESPEICHERTE STATISTIK ANSEHEN:</translation>
    </message>
    <message>
        <source>An opened file takes the place of the current figures in the statistics window for as long as you look at it; the window&apos;s title shows the file&apos;s name. Your current game goes on unchanged.</source>
        <translation>Eine geöffnete Datei tritt im Statistikfenster an die Stelle der aktuellen Zahlen, solange Sie sie ansehen; der Fenstertitel zeigt den Namen der Datei. Ihr laufendes Spiel geht unverändert weiter.</translation>
    </message>
    <message>
        <source>1. In the statistics window, choose Open... from the Stats menu, or click the second picture button (&quot;Open saved Stats..&quot;).</source>
        <translation>1. Wählen Sie im Statistikfenster Öffnen... im Menü Statistik, oder klicken Sie auf den zweiten Bildknopf („Gespeicherte Statistik öffnen..“).</translation>
    </message>
    <message>
        <source>2. Pick a .vlm file and click Open.</source>
        <translation>2. Wählen Sie eine .vlm-Datei und klicken Sie auf Öffnen.</translation>
    </message>
    <message>
        <source>3. To return to the current game, choose Current Game from the Stats menu or click the third picture button (&quot;Current Game Stats&quot;). The statistics window always opens on the current game.</source>
        <translation>3. Zurück zum laufenden Spiel geht es mit Laufendes Spiel im Menü Statistik oder dem dritten Bildknopf („Statistik des laufenden Spiels“). Das Statistikfenster öffnet sich immer mit dem laufenden Spiel.</translation>
    </message>
    <message>
        <source>Saved statistics are a record of your best games: they can only be viewed and never become the figures of the current game, so a saved game cannot be continued. While a saved file is shown, saving is switched off. A file that is damaged or was not written by Velmora is refused with a message, and the window stays as it was.</source>
        <translation>Gespeicherte Statistiken halten Ihre besten Spiele fest: Sie lassen sich nur ansehen und werden nie zu den Zahlen des laufenden Spiels; ein gespeichertes Spiel lässt sich also nicht fortsetzen. Solange eine gespeicherte Datei gezeigt wird, ist das Speichern ausgeschaltet. Eine beschädigte oder nicht von Velmora geschriebene Datei wird mit einer Meldung abgelehnt, und das Fenster bleibt, wie es war.</translation>
    </message>
    <message>
        <source>Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights Reserved except as granted by the GNU General Public License, which grants you a great deal:</source>
        <translation>Velmora ver 2.10. Copyright © 2026 die Velmora-Entwickler. Alle Rechte vorbehalten, außer denen, die die GNU General Public License gewährt, und sie gewährt Ihnen viele:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Velmora ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder ändern, entweder nach Version 3 der Lizenz oder (nach Ihrer Wahl) jeder späteren Version.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study how it works and change it, and give copies to anyone, with or without your changes, free of charge or for a fee. Whoever passes the program on must do so under the same licence, offer its complete source code, keep every copyright and licence notice intact and add no further restrictions.</source>
        <translation>Mit einfachen Worten: Sie dürfen Velmora für jeden Zweck nutzen, untersuchen, wie es funktioniert, und es ändern, und Kopien an jeden weitergeben, mit oder ohne Ihre Änderungen, kostenlos oder gegen Geld. Wer das Programm weitergibt, muss es unter derselben Lizenz tun, den vollständigen Quelltext anbieten, alle Copyright- und Lizenzhinweise erhalten und keine weiteren Einschränkungen hinzufügen.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck &quot;svg-standard&quot; (GNU GPL version 2 or later); some card backs use public-domain clip art from the Open Clip Art Library. The file CREDITS.md names every source.</source>
        <translation>Die Kartenbilder stammen aus dem KDE-Spiele-Kartendeck „svg-standard“ (GNU GPL Version 2 oder später); einige Kartenrücken nutzen gemeinfreie Cliparts der Open Clip Art Library. Die Datei CREDITS.md nennt jede Quelle.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>Die vollständige Lizenz steht in der Datei COPYING, die mit Velmora geliefert wird; siehe auch https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:</source>
        <translation>GEWÄHRLEISTUNGSAUSSCHLUSS:</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted by applicable law. Except when otherwise stated in writing, the copyright holders and/or other parties provide the program &quot;as is&quot; without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality and performance of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.</source>
        <translation>Für Velmora besteht keine Gewährleistung, soweit das anwendbare Recht dies zulässt. Sofern nicht anderweitig schriftlich angegeben, stellen die Urheberrechtsinhaber und/oder Dritte das Programm so zur Verfügung, „wie es ist“, ohne Gewährleistung jeglicher Art, weder ausdrücklich noch stillschweigend, einschließlich, aber nicht beschränkt auf die stillschweigende Gewährleistung der Marktreife oder der Eignung für einen bestimmten Zweck. Das volle Risiko bezüglich Qualität und Leistungsfähigkeit des Programms liegt bei Ihnen. Sollte sich das Programm als fehlerhaft erweisen, tragen Sie die Kosten für alle notwendigen Wartungen, Reparaturen oder Korrekturen.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed to in writing, will any copyright holder, or any other party who modifies and/or conveys the program as permitted above, be liable to you for damages, including any general, special, incidental or consequential damages arising out of the use or inability to use the program (including but not limited to loss of data or data being rendered inaccurate or losses sustained by you or third parties or a failure of the program to operate with any other programs), even if such holder or other party has been advised of the possibility of such damages.</source>
        <translation>In keinem Fall, es sei denn, anwendbares Recht verlangt es oder es wurde schriftlich vereinbart, haftet Ihnen ein Urheberrechtsinhaber oder ein Dritter, der das Programm wie oben erlaubt ändert und/oder weitergibt, für Schäden, einschließlich allgemeiner, besonderer, zufälliger oder Folgeschäden, die aus der Nutzung oder der Unmöglichkeit der Nutzung des Programms entstehen (einschließlich, aber nicht beschränkt auf Datenverlust, fehlerhaft gewordene Daten, Verluste, die Sie oder Dritte erleiden, oder ein Versagen des Programms im Zusammenspiel mit anderen Programmen), selbst wenn ein solcher Inhaber oder Dritter auf die Möglichkeit solcher Schäden hingewiesen wurde.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and no real money is ever bet, won or lost.</source>
        <translation>Velmora wird zum Vergnügen gespielt: Seine Dollars sind Spielgeld, und es wird nie echtes Geld gesetzt, gewonnen oder verloren.</translation>
    </message>
    <message>
        <source>Velmora is made by a group of volunteers, the Velmora developers, and they would be glad to hear from you. Write to them:</source>
        <translation>Velmora wird von einer Gruppe Freiwilliger gemacht, den Velmora-Entwicklern, und sie freuen sich, von Ihnen zu hören. Schreiben Sie ihnen:</translation>
    </message>
    <message>
        <source>- to ask about new releases and what they will bring;</source>
        <translation>- um nach neuen Versionen zu fragen und was sie bringen;</translation>
    </message>
    <message>
        <source>- with comments and suggestions, or ideas for the game;</source>
        <translation>- mit Anmerkungen und Vorschlägen oder Ideen für das Spiel;</translation>
    </message>
    <message>
        <source>- to report an error in the game or in this help;</source>
        <translation>- um einen Fehler im Spiel oder in dieser Hilfe zu melden;</translation>
    </message>
    <message>
        <source>- with questions about the licence, or about using Velmora&apos;s code or pictures in your own work.</source>
        <translation>- mit Fragen zur Lizenz oder zur Verwendung von Velmoras Code oder Bildern in Ihrer eigenen Arbeit.</translation>
    </message>
    <message>
        <source>WHERE TO WRITE:</source>
        <translation>WOHIN SCHREIBEN:</translation>
    </message>
    <message>
        <source>The Velmora developers</source>
        <translation>Die Velmora-Entwickler</translation>
    </message>
    <message>
        <source>The project&apos;s issue tracker; see the README that comes with Velmora.</source>
        <translation>Der Issue-Tracker des Projekts; siehe die README, die mit Velmora geliefert wird.</translation>
    </message>
    <message>
        <source>When you report an error, please say what you did, what you expected and what happened instead, and name the version: Velmora ver 2.10, as shown on the License page of About... in the Help menu.</source>
        <translation>Wenn Sie einen Fehler melden, sagen Sie bitte, was Sie getan haben, was Sie erwartet haben und was stattdessen geschah, und nennen Sie die Version: Velmora ver 2.10, wie auf der Seite Lizenz von Über... im Menü Hilfe angegeben.</translation>
    </message>
    <message>
        <source>GAME OVERVIEW:</source>
        <translation>SPIELÜBERSICHT:</translation>
    </message>
    <message>
        <source>BETTING:</source>
        <translation>SETZEN:</translation>
    </message>
    <message>
        <source>THE DEAL:</source>
        <translation>DAS GEBEN:</translation>
    </message>
    <message>
        <source>DRAWING CARDS:</source>
        <translation>KARTEN TAUSCHEN:</translation>
    </message>
    <message>
        <source>THE SHOWDOWN:</source>
        <translation>DER SHOWDOWN:</translation>
    </message>
    <message>
        <source>SELECTING A DECK:</source>
        <translation>KARTENDECK WÄHLEN:</translation>
    </message>
    <message>
        <source>GAME STATISTICS:</source>
        <translation>SPIELSTATISTIK:</translation>
    </message>
    <message>
        <source>SAVING GAME STATISTICS:</source>
        <translation>STATISTIK SPEICHERN:</translation>
    </message>
    <message>
        <source>LICENSE AGREEMENT:</source>
        <translation>LIZENZVEREINBARUNG:</translation>
    </message>
    <message>
        <source>CONTACTING THE AUTHOR:</source>
        <translation>KONTAKT:</translation>
    </message>
    <message>
        <source>All rights are reserved except those that the GNU General</source>
        <translation>Alle Rechte vorbehalten außer denen, die Ihnen die GNU</translation>
    </message>
    <message>
        <source>Public License gives you, and it gives you a great many:</source>
        <translation>General Public License gibt, und sie gibt Ihnen sehr viele:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or</source>
        <translation>Velmora ist freie Software: Sie können es unter den</translation>
    </message>
    <message>
        <source>modify it under the terms of the GNU General Public License</source>
        <translation>Bedingungen der GNU General Public License, wie von der</translation>
    </message>
    <message>
        <source>as published by the Free Software Foundation, either</source>
        <translation>Free Software Foundation veröffentlicht, weitergeben</translation>
    </message>
    <message>
        <source>version 3 of the License, or (at your option) any later</source>
        <translation>und/oder ändern, entweder nach Version 3 der Lizenz</translation>
    </message>
    <message>
        <source>version.</source>
        <translation>oder (nach Ihrer Wahl) jeder späteren Version.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study</source>
        <translation>Mit einfachen Worten: Sie dürfen Velmora für jeden Zweck</translation>
    </message>
    <message>
        <source>how it works and change it, and give copies to anyone, with</source>
        <translation>nutzen, untersuchen, wie es funktioniert, und es ändern, und</translation>
    </message>
    <message>
        <source>or without your changes, free of charge or for a fee.</source>
        <translation>Kopien an jeden weitergeben, mit oder ohne Ihre Änderungen,</translation>
    </message>
    <message>
        <source>Whoever passes the program on must do so under the same</source>
        <translation>kostenlos oder gegen Geld. Wer das Programm weitergibt,</translation>
    </message>
    <message>
        <source>licence, offer its complete source code, keep every</source>
        <translation>muss es unter derselben Lizenz tun, den vollständigen</translation>
    </message>
    <message>
        <source>copyright and licence notice intact and add no further</source>
        <translation>Quelltext anbieten, alle Copyright- und Lizenzhinweise</translation>
    </message>
    <message>
        <source>restrictions.</source>
        <translation>erhalten und keine weiteren Einschränkungen hinzufügen.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck</source>
        <translation>Die Kartenbilder stammen aus dem KDE-Spiele-Kartendeck</translation>
    </message>
    <message>
        <source>&quot;svg-standard&quot; (GNU GPL version 2 or later); some card</source>
        <translation>„svg-standard“ (GNU GPL Version 2 oder später); einige</translation>
    </message>
    <message>
        <source>backs use public-domain clip art from the Open Clip Art</source>
        <translation>Kartenrücken nutzen gemeinfreie Cliparts der Open Clip</translation>
    </message>
    <message>
        <source>Library. The file CREDITS.md names every source.</source>
        <translation>Art Library. Die Datei CREDITS.md nennt jede Quelle.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes</source>
        <translation>Die vollständige Lizenz steht in der Datei COPYING, die mit</translation>
    </message>
    <message>
        <source>with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>Velmora geliefert wird; siehe auch https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted</source>
        <translation>Für Velmora besteht keine Gewährleistung, soweit das anwendbare</translation>
    </message>
    <message>
        <source>by applicable law. Except when otherwise stated in</source>
        <translation>Recht dies zulässt. Sofern nicht anderweitig schriftlich angegeben,</translation>
    </message>
    <message>
        <source>writing, the copyright holders and/or other parties</source>
        <translation>stellen die Urheberrechtsinhaber und/oder Dritte das Programm</translation>
    </message>
    <message>
        <source>provide the program &quot;as is&quot; without warranty of any kind,</source>
        <translation>so zur Verfügung, „wie es ist“, ohne Gewährleistung jeglicher Art,</translation>
    </message>
    <message>
        <source>either expressed or implied, including, but not limited</source>
        <translation>weder ausdrücklich noch stillschweigend, einschließlich, aber nicht</translation>
    </message>
    <message>
        <source>to, the implied warranties of merchantability and fitness</source>
        <translation>beschränkt auf die stillschweigende Gewährleistung der Marktreife oder</translation>
    </message>
    <message>
        <source>for a particular purpose. The entire risk as to the</source>
        <translation>der Eignung für einen bestimmten Zweck. Das volle Risiko bezüglich</translation>
    </message>
    <message>
        <source>quality and performance of the program is with you.</source>
        <translation>Qualität und Leistungsfähigkeit des Programms liegt bei Ihnen.</translation>
    </message>
    <message>
        <source>Should the program prove defective, you assume the cost</source>
        <translation>Sollte sich das Programm als fehlerhaft erweisen, tragen Sie die</translation>
    </message>
    <message>
        <source>of all necessary servicing, repair or correction.</source>
        <translation>Kosten für alle notwendigen Wartungen, Reparaturen oder Korrekturen.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed</source>
        <translation>In keinem Fall, es sei denn, anwendbares Recht verlangt</translation>
    </message>
    <message>
        <source>to in writing, will any copyright holder, or any other</source>
        <translation>es oder es wurde schriftlich vereinbart, haftet Ihnen ein</translation>
    </message>
    <message>
        <source>party who modifies and/or conveys the program as</source>
        <translation>Urheberrechtsinhaber oder ein Dritter, der das Programm wie oben</translation>
    </message>
    <message>
        <source>permitted above, be liable to you for damages, including</source>
        <translation>erlaubt ändert und/oder weitergibt, für Schäden, einschließlich</translation>
    </message>
    <message>
        <source>any general, special, incidental or consequential damages</source>
        <translation>allgemeiner, besonderer, zufälliger oder Folgeschäden,</translation>
    </message>
    <message>
        <source>arising out of the use or inability to use the program</source>
        <translation>die aus der Nutzung oder der Unmöglichkeit der Nutzung des</translation>
    </message>
    <message>
        <source>(including but not limited to loss of data or data being</source>
        <translation>Programms entstehen (einschließlich, aber nicht beschränkt auf</translation>
    </message>
    <message>
        <source>rendered inaccurate or losses sustained by you or third</source>
        <translation>Datenverlust, fehlerhaft gewordene Daten, Verluste, die Sie oder</translation>
    </message>
    <message>
        <source>parties or a failure of the program to operate with any</source>
        <translation>Dritte erleiden, oder ein Versagen des Programms im Zusammenspiel</translation>
    </message>
    <message>
        <source>other programs), even if such holder or other party has</source>
        <translation>mit anderen Programmen), selbst wenn ein solcher Inhaber oder</translation>
    </message>
    <message>
        <source>been advised of the possibility of such damages.</source>
        <translation>Dritter auf die Möglichkeit solcher Schäden hingewiesen wurde.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and</source>
        <translation>Velmora wird zum Vergnügen gespielt: Seine Dollars sind Spielgeld,</translation>
    </message>
    <message>
        <source>no real money is ever bet, won or lost.</source>
        <translation>und es wird nie echtes Geld gesetzt, gewonnen oder verloren.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmora developers</source>
        <translation>Copyright © 2026 die Velmora-Entwickler</translation>
    </message>
    <message>
        <source>All Rights Reserved</source>
        <translation>Alle Rechte vorbehalten</translation>
    </message>
</context>
</TS>
