<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>GameWords</name>
    <message>
        <source>Pair</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>King</source>
        <translation>re</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>due</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>fanti</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>donne</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>re</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>assi</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, &quot;Ace of Spades&quot;: %1 the rank, %2 the suit.</extracomment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Nessuna)</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Errore del programma nel valutare la mano. Avvisate gli autori</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Scala reale 
(a %1)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <extracomment>%1 the highest card, %2 the next one.</extracomment>
        <translation>Carta alta: %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <extracomment>%1 the rank of the pair (several), %2 the highest other card (one).</extracomment>
        <translation>Coppia di %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Doppia coppia 
(%1 e %2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <extracomment>%1 the rank of the three, %2 the rank of the two.</extracomment>
        <translation>Full 
(%1 con %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Tris di %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Scala fino a %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Poker di %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Colore fino a %1 
(a %2)</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Scala colore fino a %1 
(a %2)</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>in a card&apos;s name</comment>
        <translation>cuori</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>in a card&apos;s name</comment>
        <translation>quadri</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>in a card&apos;s name</comment>
        <translation>fiori</translation>
    </message>
    <message>
        <source>Spades</source>
        <comment>in a card&apos;s name</comment>
        <translation>picche</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>face down</source>
        <translation>coperta</translation>
    </message>
    <message>
        <source>%1, marked for discard</source>
        <extracomment>Spoken: %1 the card&apos;s name.</extracomment>
        <translation>%1, da scartare</translation>
    </message>
    <message>
        <source>$%1 bundle</source>
        <translation>mazzetta da $%1</translation>
    </message>
    <message>
        <source>$%1 bill</source>
        <translation>banconota da $%1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>StatFileWriting</name>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file normale</translation>
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
        <translation>Informazioni su Velmora</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
</context>
<context>
    <name>velmora::TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Scegli un mazzo</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>velmora::TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>Al verde!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Rivincita</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Statistiche</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Grazie del gioco</translation>
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
        <translation>Il gioco in breve</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>La puntata</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>La distribuzione</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>Il cambio</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>Lo showdown</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Scegliere un mazzo</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Salvare le statistiche</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Scala reale</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Scala colore</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Poker</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Colore</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Scala</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Tris</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Doppia coppia</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Coppia</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Carta alta</translation>
    </message>
    <message>
        <source>Velmora:</source>
        <translation>Velmora:</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Regole della casa:</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Funzioni:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Altro:</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Guida di Velmora</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
</context>
<context>
    <name>velmora::THintWindow</name>
    <message>
        <source>Hint</source>
        <translation>Consiglio</translation>
    </message>
    <message>
        <source>discard choices, best first</source>
        <translation>cambi possibili, il migliore prima</translation>
    </message>
    <message>
        <source>Stand pat</source>
        <extracomment>Joins the names of the cards to discard.</extracomment>
        <translation>Servito</translation>
    </message>
    <message>
        <source>Discard %1</source>
        <translation>Scarta %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 — wins %2 %, pushes %3 %, loses %4 %</source>
        <extracomment>%1 the discard, %2..%4 the chances of winning, pushing and losing in percent.</extracomment>
        <translation>%1 — vince %2 %, pareggia %3 %, perde %4 %</translation>
    </message>
</context>
<context>
    <name>velmora::TIntroDlg</name>
    <message>
        <source>Welcome to Velmora</source>
        <translation>Benvenuti in Velmora</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Benvenuti in Velmora!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Scrivete il vostro nome:</translation>
    </message>
    <message>
        <source>Select Starting Bank Amount:</source>
        <translation>Scegliete il capitale iniziale:</translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Fate clic sulla</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>carta per il mazzo</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>A caso</translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Suono </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Enter </source>
        <translation>&amp;Gioca </translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Nome non valido</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>Il nome può avere al massimo 10 lettere.
        Riprovate..</translation>
    </message>
</context>
<context>
    <name>velmora::TMainForm</name>
    <message>
        <source>Game Pot:  $%1</source>
        <translation>Piatto:  $%1</translation>
    </message>
    <message>
        <source>Last Bet: $%1</source>
        <translation>Puntata: $%1</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vuoto)</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Cassa: $%1</translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation>Punta $%1</translation>
    </message>
    <message>
        <source>Place Your Bet..</source>
        <translation>Fate il vostro gioco..</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Scrivete la puntata e fate clic su Distribuisci</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Cambiate la puntata o fate clic su Distribuisci</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Benvenuti in Velmora!</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Errore audio</translation>
    </message>
    <message>
        <source>    Could not initiate sound file.
The Sound option will be disabled.</source>
        <translation>    Impossibile aprire il file audio.
Il suono verrà disattivato.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Save current statistics?</source>
        <translation>Tenere le statistiche attuali?</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Mazziere</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>mazzo</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Cambia</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Distribuisci</translation>
    </message>
    <message>
        <source>cash tray</source>
        <translation>cassetto del denaro</translation>
    </message>
    <message>
        <source>bet field frame</source>
        <translation>cornice della puntata</translation>
    </message>
    <message>
        <source>New Bet</source>
        <translation>Nuova puntata</translation>
    </message>
    <message>
        <source>closed cash tray</source>
        <translation>cassetto del denaro chiuso</translation>
    </message>
    <message>
        <source>Last Bet:</source>
        <translation>Puntata:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Cassa:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Mazzi...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommario...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>&amp;Informazioni... </translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Errore di puntata</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Cambio non valido</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Puntata non valida</translation>
    </message>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Carattere non valido nella puntata!</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>Non avete tanto!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>L’ultima puntata supera la vostra cassa!
         Puntate meno..</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Puntata non valida!
      Riprovate..</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>Non avete tanto!
       Riprovate..</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>Non si cambiano 5 carte!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>Si cambiano 4 carte solo con un asso!</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Dovete puntare qualcosa..</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Fate clic sulle carte da scartare, poi su Cambia</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>Il mazziere cambia %1</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>Vince il mazziere!</translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>Avete vinto!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Pareggio.. Piatto diviso!</translation>
    </message>
    <message>
        <source>headline</source>
        <translation>titolo</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>annuncio</translation>
    </message>
    <message>
        <source>dealer&apos;s hand</source>
        <translation>mano del mazziere</translation>
    </message>
    <message>
        <source>your hand</source>
        <translation>la vostra mano</translation>
    </message>
    <message>
        <source>status line</source>
        <translation>riga di stato</translation>
    </message>
    <message>
        <source>last bet</source>
        <translation>ultima puntata</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>cassa</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand: </source>
        <translation>Mano del mazziere: </translation>
    </message>
    <message>
        <source>Your hand: </source>
        <translation>La vostra mano: </translation>
    </message>
    <message>
        <source>dealer&apos;s card %1</source>
        <translation>carta %1 del mazziere</translation>
    </message>
    <message>
        <source>your card %1</source>
        <translation>vostra carta %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatBox</name>
    <message>
        <source>Velmora Game Stats (*.vlm)</source>
        <translation>Statistiche di Velmora (*.vlm)</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Salva statistiche...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Statistiche della partita</translation>
    </message>
    <message>
        <source>Current Game Statistics</source>
        <translation>Statistiche della partita in corso</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>S&amp;tatistiche</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Partita in corso</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>A&amp;iuto...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Apri statistiche salvate..</translation>
    </message>
    <message>
        <source>Velmora Help...</source>
        <translation>Guida di Velmora...</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 ha vinto:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Mano migliore di %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finanze di %1:</translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation>%1 mano</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hands</source>
        <translation>
            <numerusform>%1 mano</numerusform>
            <numerusform>%1 mani</numerusform>
        </translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Visualizzazione di %1</translation>
    </message>
    <message>
        <source>Save Velmora Game Stats As</source>
        <translation>Salva statistiche di Velmora come</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Sostituire il file di statistiche</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 esiste già. Volete sostituirlo?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>Impossibile salvare %1.
%2</translation>
    </message>
    <message>
        <source>Open Velmora Game Stats</source>
        <translation>Apri statistiche di Velmora</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. Il file non esiste.</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Errore di apertura n. %1</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>File di dati non valido!</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Carta alta:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Coppia:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Doppia coppia:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Tris:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Scala:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Poker:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Scala colore:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Scala reale:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 carte:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 carta:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 carte:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 carte:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 carte:</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Mani giocate:</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Mani vinte:</translation>
    </message>
    <message>
        <source>Starting Bank:</source>
        <translation>Capitale iniziale:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Cassa media:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Cassa massima:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Puntata media:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Puntata massima:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Fallimenti/Riprese:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Serie vincente più lunga:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Mazziere:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Mano migliore del mazziere:</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Punti ottenuti:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Totale:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Carte cambiate:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Mano migliorata dal cambio:</translation>
    </message>
</context>
<context>
    <name>velmora::help</name>
    <message>
        <source>Royal Flush</source>
        <translation>Scala reale</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Scala reale
(a picche)</translation>
    </message>
    <message>
        <source>The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. It is the highest hand in nothing-wild poker, and two royal flushes tie whatever their suits.</source>
        <translation>Asso, re, donna, fante e dieci dello stesso seme: una scala colore con l’asso in testa. È la mano più alta del poker senza jolly, e due scale reali pareggiano qualunque sia il seme.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Scala colore</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Scala colore fino a otto 
(a quadri)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, ranked by the highest card. The ace may play low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.</source>
        <translation>Cinque carte dello stesso seme in sequenza, valutate dalla più alta. L’asso può contare come uno, quindi 5, 4, 3, 2, A è la scala colore più bassa. I semi non spareggiano mai.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Poker di sette</translation>
    </message>
    <message>
        <source>Four cards of one rank and one other card, the kicker. Ranked by the four: K, K, K, K, 4 beats 10, 10, 10, 10, A.</source>
        <translation>Quattro carte dello stesso valore e un’altra carta, il kicker. Si valuta dal poker: K, K, K, K, 4 batte 10, 10, 10, 10, A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full
(due con cinque)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. Ranked by the three: 4, 4, 4, 3, 3 beats 2, 2, 2, A, A.</source>
        <translation>Tre carte di un valore e due di un altro. Si valuta dal tris: 4, 4, 4, 3, 3 batte 2, 2, 2, A, A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Colore fino a re
(a picche)</translation>
    </message>
    <message>
        <source>Five cards of one suit, not in sequence. Compared card by card from the highest down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. Suits never break ties.</source>
        <translation>Cinque carte dello stesso seme non in sequenza. Si confrontano carta per carta dalla più alta: A, 7, 5, 4, 2 batte K, Q, J, 10, 8, e J, 8, 7, 5, 3 batte J, 8, 7, 5, 2. I semi non spareggiano mai.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Scala fino a fante</translation>
    </message>
    <message>
        <source>Five cards in sequence, not all of one suit, ranked by the highest card. The ace plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but Q, K, A, 2, 3 is not.</source>
        <translation>Cinque carte in sequenza, non tutte dello stesso seme, valutate dalla più alta. L’asso conta alto o basso: A, K, Q, J, 10 e 5, 4, 3, 2, A sono entrambe scale, ma Q, K, A, 2, 3 no.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Tris di nove</translation>
    </message>
    <message>
        <source>Three cards of one rank and two unmatched cards. Ranked by the three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.</source>
        <translation>Tre carte dello stesso valore e due carte spaiate. Si valuta dal tris: 9, 9, 9, 3, 2 batte 8, 8, 8, A, K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doppia coppia</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Doppia coppia
(fanti e quattro)</translation>
    </message>
    <message>
        <source>Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.</source>
        <translation>Due coppie e un’altra carta, il kicker. Si valuta dalla coppia più alta, poi dalla più bassa, poi dal kicker: J, J, 4, 4, 7 batte J, J, 3, 3, A.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Coppia di donne
(kicker nove)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks. Ranked by the pair, then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.</source>
        <translation>Due carte dello stesso valore e tre kicker di valori diversi. Si valuta dalla coppia, poi da ogni kicker a turno: 4, 4, A, J, 7 batte 4, 4, A, 10, 9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Carta alta: asso
(kicker fante)</translation>
    </message>
    <message>
        <source>Any hand that makes none of the other nine ranks. Compared card by card from the highest down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.</source>
        <translation>Ogni mano che non forma nessuno degli altri nove punti. Si confrontano carta per carta dalla più alta: A, J, 6, 3, 2 batte A, 10, 9, 8, 7. I semi non spareggiano mai.</translation>
    </message>
    <message>
        <source>Velmora is &quot;nothing-wild&quot; five-card draw poker: you against the dealer, who plays for the house, with one ordinary deck of 52 cards and no jokers or wild cards. This help holds everything you need to start playing.</source>
        <translation>Velmora è poker a cinque carte con cambio, senza jolly né carte matte: voi contro il mazziere, che gioca per la casa, con un normale mazzo di 52 carte. Questa guida contiene tutto ciò che serve per cominciare a giocare.</translation>
    </message>
    <message>
        <source>On the welcome screen type your name, choose your starting bank ($100, $1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every hand goes the same way:</source>
        <translation>Nella schermata di benvenuto scrivete il vostro nome, scegliete il capitale iniziale ($100, $1,000 o $5,000) e fate clic su Gioca. Lo scopo è far crescere quel capitale. Ogni mano si svolge allo stesso modo:</translation>
    </message>
    <message>
        <source>1. You bet, and the dealer matches your bet into the game pot.</source>
        <translation>1. Voi puntate, e il mazziere mette nel piatto la stessa somma.</translation>
    </message>
    <message>
        <source>2. The dealer deals two hands of five cards, one to you and one to the house.</source>
        <translation>2. Il mazziere distribuisce due mani di cinque carte, una a voi e una alla casa.</translation>
    </message>
    <message>
        <source>3. You throw away the cards you don&apos;t want and draw new ones.</source>
        <translation>3. Scartate le carte che non volete e ne prendete di nuove.</translation>
    </message>
    <message>
        <source>4. The dealer throws away cards for the house and draws.</source>
        <translation>4. Il mazziere scarta per la casa e pesca.</translation>
    </message>
    <message>
        <source>5. Both hands are turned face up and compared.</source>
        <translation>5. Le due mani vengono scoperte e confrontate.</translation>
    </message>
    <message>
        <source>6. The better hand takes the pot; equal hands split it.</source>
        <translation>6. La mano migliore vince il piatto; due mani uguali se lo dividono.</translation>
    </message>
    <message>
        <source>7. Betting opens for the next hand.</source>
        <translation>7. Si punta per la mano successiva.</translation>
    </message>
    <message>
        <source>The links under &quot;House Rules:&quot; explain each step: Betting, The Deal, Drawing Cards and The Showdown. The &quot;Hand Rankings&quot; page shows the ten kinds of hand, from the Royal Flush down to High Card, with an example of each and how ties are broken.</source>
        <translation>I collegamenti sotto «Regole della casa:» spiegano ogni passo: La puntata, La distribuzione, Il cambio e Lo showdown. La pagina «Punti» mostra i dieci tipi di mano, dalla scala reale alla carta alta, con un esempio per ciascuno e come si spareggia.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino there is only one betting round, at the start of each hand, as in classic video poker. Once the cards are dealt you cannot raise, call or fold: your bet stands until the showdown.</source>
        <translation>A differenza del poker con cambio dei casinò c’è un solo giro di puntate, all’inizio di ogni mano, come nel classico videopoker. Distribuite le carte non potete rilanciare, vedere né passare: la puntata resta fino allo showdown.</translation>
    </message>
    <message>
        <source>You place one bet at the start of each hand, before any card is dealt. It can be any whole number of dollars from $1 up to all the money in your bank.</source>
        <translation>Si punta una volta all’inizio di ogni mano, prima che venga data una carta. La puntata può essere qualunque numero intero di dollari, da $1 fino a tutto il denaro della vostra cassa.</translation>
    </message>
    <message>
        <source>There are two ways to make your bet:</source>
        <translation>Ci sono due modi di puntare:</translation>
    </message>
    <message>
        <source>1. Click the bills in the cash tray at the right of the table. Each click adds that bill&apos;s amount to the New Bet field at the top of the tray. The Bank box under the tray then shows the cash you have left beside your bet, and the tray offers the bills you can still add: a few of different sizes, not a count of your cash. Click a bill again to add it again, as long as it is shown.</source>
        <translation>1. Fate clic sulle banconote nel cassetto a destra del tavolo. Ogni clic aggiunge il valore della banconota al campo Nuova puntata in cima al cassetto. Il campo Cassa sotto il cassetto mostra allora il denaro che vi resta oltre alla puntata, e il cassetto offre le banconote che potete ancora aggiungere: alcune di taglio diverso, non il conto del vostro denaro. Fate di nuovo clic su una banconota per aggiungerla ancora, finché è visibile.</translation>
    </message>
    <message>
        <source>2. Type the amount into the New Bet field. The Bank box and the bills in the tray follow every change. This is also how you take cash back: change or clear the amount in the field.</source>
        <translation>2. Scrivete l’importo nel campo Nuova puntata. La cassa e le banconote seguono ogni modifica. Così si riprende anche denaro: cambiate o cancellate l’importo nel campo.</translation>
    </message>
    <message>
        <source>When the amount is right, click Deal. Your bet moves from the New Bet field into the game pot and the cards are dealt. While the hand is played the Bank box shows your bank less the bet in the pot. The bet is not lost yet: if you win or tie you get it back, and it leaves your bank only if you lose.</source>
        <translation>Quando l’importo è giusto, fate clic su Distribuisci. La puntata passa dal campo Nuova puntata al piatto e le carte vengono distribuite. Durante la mano la cassa mostra il vostro denaro meno la puntata nel piatto. La puntata non è ancora persa: se vincete o pareggiate la riavete, ed esce dalla cassa solo se perdete.</translation>
    </message>
    <message>
        <source>Mistakes cost nothing: letters, an amount larger than your bank, or a bet of $0 are refused with a message box that says what is wrong; click OK and try again.</source>
        <translation>Gli errori non costano nulla: lettere, un importo più alto della cassa o una puntata di $0 vengono rifiutati con un messaggio che dice cosa non va; fate clic su OK e riprovate.</translation>
    </message>
    <message>
        <source>If you leave the New Bet field empty, Deal bets the same amount as last time, shown in the Last Bet box at the bottom of the window, as long as your bank still covers it; if it doesn&apos;t, a message asks you to lower your bet. The first hand of a game has no last bet, so type or click an amount for it.</source>
        <translation>Se lasciate vuoto il campo Nuova puntata, Distribuisci punta la stessa somma dell’ultima volta, mostrata nel campo Puntata in fondo alla finestra, purché la cassa la copra; altrimenti un messaggio vi chiede di puntare meno. La prima mano di una partita non ha un’ultima puntata: scrivete o fate clic su un importo.</translation>
    </message>
    <message>
        <source>When you click Deal, your bet goes into the game pot and the dealer adds a matching bet, so the pot holds twice your bet. The whole deck is shuffled for every hand, and you and the dealer get five cards each, dealt one at a time and in turn, you first.</source>
        <translation>Quando fate clic su Distribuisci, la puntata va nel piatto e il mazziere ne aggiunge una uguale, quindi il piatto contiene il doppio della vostra puntata. Tutto il mazzo viene mescolato a ogni mano, e voi e il mazziere ricevete cinque carte ciascuno, una alla volta e a turno, voi per primi.</translation>
    </message>
    <message>
        <source>What the Deal button does:</source>
        <translation>Cosa fa il pulsante Distribuisci:</translation>
    </message>
    <message>
        <source>1. Closes betting for this hand: the New Bet field is put away and the bills can&apos;t be clicked until the hand is over.</source>
        <translation>1. Chiude le puntate per questa mano: il campo Nuova puntata sparisce e le banconote non si possono più cliccare fino alla fine della mano.</translation>
    </message>
    <message>
        <source>2. Moves your bet into the game pot and matches it: the amount in the New Bet field or, when the field is empty, the amount in the Last Bet box. The top of the table shows the Game Pot.</source>
        <translation>2. Mette la vostra puntata nel piatto e la pareggia: l’importo del campo Nuova puntata o, se il campo è vuoto, quello del campo Puntata. In cima al tavolo si vede il piatto.</translation>
    </message>
    <message>
        <source>3. Shuffles all 52 cards.</source>
        <translation>3. Mescola tutte le 52 carte.</translation>
    </message>
    <message>
        <source>4. Deals the two hands: your cards face up, the dealer&apos;s face down.</source>
        <translation>4. Distribuisce le due mani: le vostre carte scoperte, quelle del mazziere coperte.</translation>
    </message>
    <message>
        <source>When the tenth card is down, the line at the bottom of the window reads &quot;Click on cards to remove and click Draw to replace&quot;, the Deal button has become the Draw button, and the draw begins. From the keyboard, Alt+D presses Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H opens the Hint window, which lists the draws you may make, best first, with your chances against the dealer: the arrow keys choose one, Enter turns over its cards and Escape closes the window without changing them.</source>
        <translation>Quando cade la decima carta, la riga in fondo alla finestra dice «Fate clic sulle carte da scartare, poi su Cambia», il pulsante Distribuisci è diventato il pulsante Cambia e comincia il cambio. Da tastiera, Alt+D preme Distribuisci e Alt+C preme Cambia, i tasti da 1 a 5 girano le vostre carte da sinistra a destra e H apre la finestra Consiglio, che elenca i cambi possibili, il migliore prima, con le vostre probabilità contro il mazziere: le frecce ne scelgono uno, Invio gira le sue carte ed Esc chiude la finestra senza cambiarle.</translation>
    </message>
    <message>
        <source>After the deal you and the dealer may each throw away some cards and get new ones from the deck: up to three cards, or four if the one card kept is an ace. You draw first.</source>
        <translation>Dopo la distribuzione voi e il mazziere potete scartare alcune carte e riceverne di nuove dal mazzo: fino a tre, o quattro se la carta tenuta è un asso. Voi cambiate per primi.</translation>
    </message>
    <message>
        <source>1. Click each card you want to replace. It turns over and shows its back; click it again if you change your mind.</source>
        <translation>1. Fate clic su ogni carta che volete cambiare. Si gira e mostra il dorso; fate di nuovo clic se cambiate idea.</translation>
    </message>
    <message>
        <source>2. Click Draw. The cards you turned over are replaced by new ones from the deck.</source>
        <translation>2. Fate clic su Cambia. Le carte girate vengono sostituite da carte nuove del mazzo.</translation>
    </message>
    <message>
        <source>3. To keep all five cards (&quot;stand pat&quot;), click Draw without turning any card over.</source>
        <translation>3. Per tenere tutte e cinque le carte (essere «serviti»), fate clic su Cambia senza girare nessuna carta.</translation>
    </message>
    <message>
        <source>If you turn over all five cards, or four while the card you keep is not an ace, the draw is refused with a message. Your cards stay turned over as you left them, so change them and click Draw again.</source>
        <translation>Se girate tutte e cinque le carte, o quattro quando la carta tenuta non è un asso, il cambio viene rifiutato con un messaggio. Le carte restano girate come le avete lasciate: correggetele e fate di nuovo clic su Cambia.</translation>
    </message>
    <message>
        <source>Then the dealer draws for the house and tells you how many cards it took, for example &quot;Dealer takes 3&quot; (or &quot;Dealer takes 0&quot; when it keeps all five), and its new cards are dealt face down. When the dealer has drawn, its hand is turned face up for the showdown.</source>
        <translation>Poi il mazziere cambia per la casa e dice quante carte ha preso, per esempio «Il mazziere cambia 3» (o «Il mazziere cambia 0» se le tiene tutte e cinque), e le sue carte nuove vengono date coperte. Quando ha cambiato, la sua mano viene scoperta per lo showdown.</translation>
    </message>
    <message>
        <source>HOW THE DEALER DRAWS:</source>
        <translation>COME CAMBIA IL MAZZIERE:</translation>
    </message>
    <message>
        <source>The dealer looks only at its own five cards and always follows the same rule:</source>
        <translation>Il mazziere guarda solo le sue cinque carte e segue sempre la stessa regola:</translation>
    </message>
    <message>
        <source>- A straight, a flush, a full house, a straight flush or a royal flush: it stands pat and takes no card.</source>
        <translation>- Scala, colore, full, scala colore o scala reale: è servito e non prende carte.</translation>
    </message>
    <message>
        <source>- Four of a kind: it keeps all five cards when the fifth card is a nine or higher, and otherwise draws one card in place of the fifth.</source>
        <translation>- Poker: tiene tutte e cinque le carte se la quinta è un nove o più alta, altrimenti cambia la quinta.</translation>
    </message>
    <message>
        <source>- Three of a kind: it keeps the three and draws two.</source>
        <translation>- Tris: tiene il tris e prende due carte.</translation>
    </message>
    <message>
        <source>- Two pair: it keeps both pairs and draws one.</source>
        <translation>- Doppia coppia: tiene le due coppie e prende una carta.</translation>
    </message>
    <message>
        <source>- One pair: it keeps the pair and draws three.</source>
        <translation>- Coppia: tiene la coppia e prende tre carte.</translation>
    </message>
    <message>
        <source>- No pair: it keeps an ace and a king, or, without an ace, its two highest cards, and draws three. With an ace but no king it keeps the ace alone and draws four; as it announces the draw it turns that ace face up at the left of its row.</source>
        <translation>- Niente: tiene un asso e un re o, senza asso, le sue due carte più alte, e prende tre carte. Con un asso ma senza re tiene solo l’asso e prende quattro carte; annunciando il cambio scopre quell’asso a sinistra della sua fila.</translation>
    </message>
    <message>
        <source>The dealer never keeps a single unmatched card beside a pair or three of a kind, and never draws to four cards of a flush or a straight.</source>
        <translation>Il mazziere non tiene mai una carta spaiata accanto a una coppia o a un tris, e non pesca mai a quattro carte di colore o di scala.</translation>
    </message>
    <message>
        <source>THE BEST DRAW:</source>
        <translation>IL CAMBIO MIGLIORE:</translation>
    </message>
    <message>
        <source>Because the dealer always follows that rule, every draw you could make has a chance of beating it that can be worked out, and one draw is the best. Drawing as the dealer does comes close: keep a pair, two pair or three of a kind and throw away the rest; without a pair keep an ace and a king, or an ace alone, or your two highest cards. Where the best draw differs most is four cards of a straight flush: draw one card to them. Four cards of a plain flush or straight win less often than two high cards.</source>
        <translation>Poiché il mazziere segue sempre quella regola, ogni cambio possibile ha una probabilità calcolabile di batterlo, e uno è il migliore. Cambiare come il mazziere ci va vicino: tenete coppia, doppia coppia o tris e scartate il resto; senza coppia tenete asso e re, un asso da solo o le due carte più alte. Il cambio migliore si scosta di più con quattro carte di scala colore: cambiate una carta. Quattro carte di un colore o di una scala semplici vincono meno spesso di due carte alte.</translation>
    </message>
    <message>
        <source>Drawing as the dealer does makes the game even, as you then play by the dealer&apos;s own rule. The best draw does a little better: over 3,000 random hands it gained 0.15% of the bet per hand, so against the best play the house&apos;s edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The house wins nothing from a player who draws the best way.</source>
        <translation>Cambiare come il mazziere rende il gioco pari, perché giocate con la sua stessa regola. Il cambio migliore fa un po’ meglio: su 3,000 mani a caso ha guadagnato lo 0.15% della puntata per mano, quindi contro il gioco migliore il vantaggio della casa è -0.15%, tra -0.17% e -0.12% con il 95% di confidenza. La casa non guadagna nulla contro chi cambia nel modo migliore.</translation>
    </message>
    <message>
        <source>When both of you have drawn, the dealer&apos;s hand is turned face up and both hands are ranked. The name of each hand appears under it (a High Card hand, with no pair or better, shows no name there), and the result is announced above the dealer&apos;s cards. The &quot;Hand Rankings&quot; page shows which hand beats which.</source>
        <translation>Quando avete cambiato entrambi, la mano del mazziere viene scoperta e le due mani vengono valutate. Sotto ogni mano compare il suo nome (una carta alta, senza coppia o meglio, non mostra nome) e il risultato viene annunciato sopra le carte del mazziere. La pagina «Punti» mostra quale mano batte quale.</translation>
    </message>
    <message>
        <source>You win (&quot;You&apos;re a winner!&quot;): the pot is yours, so your bank grows by the amount of your bet.</source>
        <translation>Vincete («Avete vinto!»): il piatto è vostro e la cassa cresce dell’importo puntato.</translation>
    </message>
    <message>
        <source>The dealer wins (&quot;Dealer wins!&quot;): the pot goes to the house, so your bank drops by the amount of your bet.</source>
        <translation>Vince il mazziere («Vince il mazziere!»): il piatto va alla casa e la cassa cala dell’importo puntato.</translation>
    </message>
    <message>
        <source>A push (&quot;Push.. Split the Pot!&quot;): the hands are equal, each side takes back its own bet and your bank stays as it was. Suits never break a tie.</source>
        <translation>Pareggio («Pareggio.. Piatto diviso!»): le mani sono uguali, ognuno riprende la sua puntata e la cassa resta com’era. I semi non spareggiano mai.</translation>
    </message>
    <message>
        <source>Then betting opens for the next hand. The cards stay on the table until you click Deal again.</source>
        <translation>Poi si punta per la mano successiva. Le carte restano sul tavolo finché non fate di nuovo clic su Distribuisci.</translation>
    </message>
    <message>
        <source>If you lose a hand and your bank is left at $0, you are bankrupt and the game is over. The house then offers you a credit extension: click New Game to start a new game with the same name and starting bank, View Stats to look back at the game, or Exit to leave Velmora. &quot;Credit extension&quot; is only a name: nothing is owed. The new game asks whether to keep the statistics; if you keep them, the new game is counted under &quot;Bankrupts/Resets&quot;, and if you don&apos;t, every figure starts again from zero. New Game in the Game menu (F2) starts over in the same way, and is counted the same way, at any time after the first deal of a game.</source>
        <translation>Se perdete una mano e la cassa resta a $0, siete al verde e la partita è finita. La casa vi offre allora un nuovo credito: fate clic su Rivincita per ricominciare con lo stesso nome e capitale, su Statistiche per rivedere la partita o su Esci per lasciare Velmora. «Credito» è solo un nome: non dovete nulla. La nuova partita chiede se tenere le statistiche; se le tenete, la nuova partita si conta in «Fallimenti/Riprese», altrimenti ogni cifra riparte da zero. Nuova partita nel menu Partita (F2) ricomincia allo stesso modo, e si conta allo stesso modo, in qualsiasi momento dopo la prima distribuzione di una partita.</translation>
    </message>
    <message>
        <source>In Velmora a deck is the picture on the backs of the cards; every deck holds the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below rocky crags, swirling clouds, two clowns and a red bridge. You can choose a deck, or tick &quot;Randomize&quot; to let the dealer pick one at random before each hand.</source>
        <translation>In Velmora un mazzo è l’immagine sul dorso delle carte; ogni mazzo ha le stesse 52 carte. Ce ne sono dieci: un clown che ride, un faro, un cowboy su un cavallo che scalcia, maiali che giocano a carte, una chiesa, la torre Eiffel, una nave sotto scogliere, nuvole a vortice, due clown e un ponte rosso. Potete scegliere un mazzo o spuntare «A caso» perché il mazziere ne scelga uno prima di ogni mano.</translation>
    </message>
    <message>
        <source>1. On the welcome screen at the start: click the card picture until it shows the deck you want, or tick Randomize.</source>
        <translation>1. Nella schermata di benvenuto: fate clic sull’immagine della carta finché mostra il mazzo voluto, o spuntate A caso.</translation>
    </message>
    <message>
        <source>2. During the game: while you are betting, before you click Deal, choose Decks... from the Game menu (or press F7). Click the deck you want (a red frame marks it) and click OK, or simply double-click it. Cancel keeps the deck you had.</source>
        <translation>2. Durante la partita: mentre puntate, prima di fare clic su Distribuisci, scegliete Mazzi... nel menu Partita (o premete F7). Fate clic sul mazzo voluto (lo segna una cornice rossa) e poi su OK, o fate doppio clic su di esso. Annulla tiene il mazzo di prima.</translation>
    </message>
    <message>
        <source>The deck you choose is used from the very next deal on and stays until you change it, also in a new game. The Decks... dialog has its own Randomize box.</source>
        <translation>Il mazzo scelto vale dalla distribuzione successiva e resta finché non lo cambiate, anche in una nuova partita. La finestra Mazzi... ha la sua casella A caso.</translation>
    </message>
    <message>
        <source>While Randomize is ticked, single decks cannot be chosen: clicking a deck does nothing. Untick Randomize first to pick one yourself.</source>
        <translation>Finché A caso è spuntato non si possono scegliere singoli mazzi: fare clic su un mazzo non fa nulla. Togliete prima la spunta da A caso per sceglierne uno voi.</translation>
    </message>
    <message>
        <source>While you play, Velmora keeps statistics of the current game: hands played and won, your winning percentage, your starting, average and highest bank, your average and highest bet, bankruptcies, the longest winning streaks of you and the dealer, the best hand of each of you, how many hands of each rank you each ended with, how many cards you each drew, and how often the draw improved a hand.</source>
        <translation>Mentre giocate, Velmora tiene le statistiche della partita in corso: mani giocate e vinte, la vostra percentuale di vittorie, il capitale iniziale, medio e massimo, la puntata media e massima, i fallimenti, le serie vincenti più lunghe vostre e del mazziere, la mano migliore di ciascuno, quante mani di ogni punto ciascuno ha ottenuto, quante carte ciascuno ha cambiato e quante volte il cambio ha migliorato una mano.</translation>
    </message>
    <message>
        <source>To see them, choose Statistics... from the Game menu (or press F5) at any time. The Summary page shows the figures of the game and the best hands; the Accumulative page counts the hand rankings and the draws of you and the dealer. Click Close to go back to the table.</source>
        <translation>Per vederle scegliete in qualsiasi momento Statistiche... nel menu Partita (o premete F5). La pagina Riepilogo mostra le cifre della partita e le mani migliori; la pagina Totali conta i punti e i cambi vostri e del mazziere. Fate clic su Chiudi per tornare al tavolo.</translation>
    </message>
    <message>
        <source>A push counts as a hand played but not as a win. The average bank is taken over your starting bank and your bank after every hand. A draw &quot;improved&quot; a hand when the hand after the draw beats the hand as it was dealt.</source>
        <translation>Un pareggio conta come mano giocata ma non come vittoria. La cassa media si calcola sul capitale iniziale e sulla cassa dopo ogni mano. Un cambio ha «migliorato» una mano quando la mano dopo il cambio batte la mano com’era stata distribuita.</translation>
    </message>
    <message>
        <source>The statistics are updated at the end of each hand, when the winner is known; only the draws are counted as soon as they are made. A new game asks whether to keep the statistics or to start them afresh.</source>
        <translation>Le statistiche si aggiornano alla fine di ogni mano, quando si conosce il vincitore; solo i cambi si contano appena fatti. Una nuova partita chiede se tenere le statistiche o ricominciarle da zero.</translation>
    </message>
    <message>
        <source>Whenever the statistics window shows your current game you can save its figures, and open them again later, for instance to keep a record of your best games.</source>
        <translation>Ogni volta che la finestra delle statistiche mostra la partita in corso potete salvarne le cifre e riaprirle più tardi, per esempio per ricordare le vostre partite migliori.</translation>
    </message>
    <message>
        <source>1. Open the statistics window: Statistics... in the Game menu, or F5.</source>
        <translation>1. Aprite la finestra delle statistiche: Statistiche... nel menu Partita, o F5.</translation>
    </message>
    <message>
        <source>2. Choose Save... from its Stats menu, or click the first of the picture buttons at its top left (its tip reads &quot;Save Stats...&quot;).</source>
        <translation>2. Scegliete Salva... nel suo menu Statistiche, o fate clic sul primo dei pulsanti con immagine in alto a sinistra (il suo suggerimento dice «Salva statistiche...»).</translation>
    </message>
    <message>
        <source>3. Choose a folder and a file name and click Save. The file is given the extension .vlm. If a file of that name exists, you are asked whether to replace it.</source>
        <translation>3. Scegliete una cartella e un nome di file e fate clic su Salva. Il file riceve l’estensione .vlm. Se esiste già un file con quel nome, vi viene chiesto se sostituirlo.</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:</source>
        <translation>VEDERE LE STATISTICHE SALVATE:</translation>
    </message>
    <message>
        <source>An opened file takes the place of the current figures in the statistics window for as long as you look at it; the window&apos;s title shows the file&apos;s name. Your current game goes on unchanged.</source>
        <translation>Un file aperto prende il posto delle cifre attuali nella finestra delle statistiche finché lo guardate; il titolo della finestra mostra il nome del file. La partita in corso prosegue senza cambiamenti.</translation>
    </message>
    <message>
        <source>1. In the statistics window, choose Open... from the Stats menu, or click the second picture button (&quot;Open saved Stats..&quot;).</source>
        <translation>1. Nella finestra delle statistiche scegliete Apri... nel menu Statistiche, o fate clic sul secondo pulsante con immagine («Apri statistiche salvate..»).</translation>
    </message>
    <message>
        <source>2. Pick a .vlm file and click Open.</source>
        <translation>2. Scegliete un file .vlm e fate clic su Apri.</translation>
    </message>
    <message>
        <source>3. To return to the current game, choose Current Game from the Stats menu or click the third picture button (&quot;Current Game Stats&quot;). The statistics window always opens on the current game.</source>
        <translation>3. Per tornare alla partita in corso scegliete Partita in corso nel menu Statistiche o fate clic sul terzo pulsante con immagine («Statistiche della partita»). La finestra delle statistiche si apre sempre sulla partita in corso.</translation>
    </message>
    <message>
        <source>Saved statistics are a record of your best games: they can only be viewed and never become the figures of the current game, so a saved game cannot be continued. While a saved file is shown, saving is switched off. A file that is damaged or was not written by Velmora is refused with a message, and the window stays as it was.</source>
        <translation>Le statistiche salvate sono un ricordo delle vostre partite migliori: si possono solo guardare e non diventano mai le cifre della partita in corso, quindi una partita salvata non si può continuare. Mentre è mostrato un file salvato, il salvataggio è disattivato. Un file danneggiato o non scritto da Velmora viene rifiutato con un messaggio, e la finestra resta com’era.</translation>
    </message>
    <message>
        <source>Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights Reserved except as granted by the GNU General Public License, which grants you a great deal:</source>
        <translation>Velmora ver 2.10. Copyright © 2026 gli sviluppatori di Velmora. Tutti i diritti riservati tranne quelli concessi dalla GNU General Public License, che ve ne concede molti:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Velmora è software libero: potete ridistribuirlo e/o modificarlo secondo i termini della GNU General Public License pubblicata dalla Free Software Foundation, nella versione 3 della licenza o (a vostra scelta) in qualsiasi versione successiva.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study how it works and change it, and give copies to anyone, with or without your changes, free of charge or for a fee. Whoever passes the program on must do so under the same licence, offer its complete source code, keep every copyright and licence notice intact and add no further restrictions.</source>
        <translation>In parole semplici: potete usare Velmora per qualsiasi scopo, studiare come funziona e modificarlo, e darne copie a chiunque, con o senza le vostre modifiche, gratis o a pagamento. Chi passa il programma ad altri deve farlo con la stessa licenza, offrirne il codice sorgente completo, lasciare intatti tutti gli avvisi di copyright e di licenza e non aggiungere altre restrizioni.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck &quot;svg-standard&quot; (GNU GPL version 2 or later); some card backs use public-domain clip art from the Open Clip Art Library. The file CREDITS.md names every source.</source>
        <translation>Le facce delle carte vengono dal mazzo «svg-standard» dei giochi KDE (GNU GPL versione 2 o successiva); alcuni dorsi usano immagini di pubblico dominio della Open Clip Art Library. Il file CREDITS.md cita ogni fonte.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>La licenza completa è nel file COPYING fornito con Velmora; vedete anche https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:</source>
        <translation>ESCLUSIONE DI GARANZIA:</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted by applicable law. Except when otherwise stated in writing, the copyright holders and/or other parties provide the program &quot;as is&quot; without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality and performance of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.</source>
        <translation>Velmora non ha alcuna garanzia, nei limiti consentiti dalla legge applicabile. Salvo diversa indicazione scritta, i titolari del copyright e/o altre parti forniscono il programma «così com’è», senza garanzie di alcun tipo, espresse o implicite, incluse, a titolo esemplificativo, le garanzie implicite di commerciabilità e di idoneità a uno scopo particolare. L’intero rischio sulla qualità e sulle prestazioni del programma è vostro. Se il programma risultasse difettoso, vi assumete il costo di ogni manutenzione, riparazione o correzione necessaria.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed to in writing, will any copyright holder, or any other party who modifies and/or conveys the program as permitted above, be liable to you for damages, including any general, special, incidental or consequential damages arising out of the use or inability to use the program (including but not limited to loss of data or data being rendered inaccurate or losses sustained by you or third parties or a failure of the program to operate with any other programs), even if such holder or other party has been advised of the possibility of such damages.</source>
        <translation>In nessun caso, salvo se richiesto dalla legge applicabile o concordato per iscritto, un titolare del copyright o qualsiasi altra parte che modifichi e/o distribuisca il programma come consentito sopra sarà responsabile verso di voi per danni, inclusi danni generali, speciali, incidentali o consequenziali derivanti dall’uso o dall’impossibilità di usare il programma (inclusi, a titolo esemplificativo, perdita di dati, dati resi inesatti, perdite subite da voi o da terzi o il mancato funzionamento del programma con altri programmi), anche se tale titolare o altra parte è stato avvisato della possibilità di tali danni.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and no real money is ever bet, won or lost.</source>
        <translation>A Velmora si gioca per divertimento: i suoi dollari sono finti e non si punta, vince o perde mai denaro vero.</translation>
    </message>
    <message>
        <source>Velmora is made by a group of volunteers, the Velmora developers, and they would be glad to hear from you. Write to them:</source>
        <translation>Velmora è fatto da un gruppo di volontari, gli sviluppatori di Velmora, che saranno lieti di sentirvi. Scrivete loro:</translation>
    </message>
    <message>
        <source>- to ask about new releases and what they will bring;</source>
        <translation>- per chiedere delle nuove versioni e di cosa porteranno;</translation>
    </message>
    <message>
        <source>- with comments and suggestions, or ideas for the game;</source>
        <translation>- con commenti e suggerimenti, o idee per il gioco;</translation>
    </message>
    <message>
        <source>- to report an error in the game or in this help;</source>
        <translation>- per segnalare un errore nel gioco o in questa guida;</translation>
    </message>
    <message>
        <source>- with questions about the licence, or about using Velmora&apos;s code or pictures in your own work.</source>
        <translation>- con domande sulla licenza, o sull’uso del codice o delle immagini di Velmora nel vostro lavoro.</translation>
    </message>
    <message>
        <source>WHERE TO WRITE:</source>
        <translation>DOVE SCRIVERE:</translation>
    </message>
    <message>
        <source>The Velmora developers</source>
        <translation>Gli sviluppatori di Velmora</translation>
    </message>
    <message>
        <source>The project&apos;s issue tracker; see the README that comes with Velmora.</source>
        <translation>Il sistema di segnalazione del progetto; vedete il README fornito con Velmora.</translation>
    </message>
    <message>
        <source>When you report an error, please say what you did, what you expected and what happened instead, and name the version: Velmora ver 2.10, as shown on the License page of About... in the Help menu.</source>
        <translation>Quando segnalate un errore, dite cosa avete fatto, cosa vi aspettavate e cosa è successo invece, e indicate la versione: Velmora ver 2.10, come mostrato nella pagina Licenza di Informazioni... nel menu Aiuto.</translation>
    </message>
    <message>
        <source>GAME OVERVIEW:</source>
        <translation>IL GIOCO IN BREVE:</translation>
    </message>
    <message>
        <source>BETTING:</source>
        <translation>LA PUNTATA:</translation>
    </message>
    <message>
        <source>THE DEAL:</source>
        <translation>LA DISTRIBUZIONE:</translation>
    </message>
    <message>
        <source>DRAWING CARDS:</source>
        <translation>IL CAMBIO:</translation>
    </message>
    <message>
        <source>THE SHOWDOWN:</source>
        <translation>LO SHOWDOWN:</translation>
    </message>
    <message>
        <source>SELECTING A DECK:</source>
        <translation>SCEGLIERE UN MAZZO:</translation>
    </message>
    <message>
        <source>GAME STATISTICS:</source>
        <translation>STATISTICHE:</translation>
    </message>
    <message>
        <source>SAVING GAME STATISTICS:</source>
        <translation>SALVARE LE STATISTICHE:</translation>
    </message>
    <message>
        <source>LICENSE AGREEMENT:</source>
        <translation>LICENZA:</translation>
    </message>
    <message>
        <source>CONTACTING THE AUTHOR:</source>
        <translation>CONTATTI:</translation>
    </message>
    <message>
        <source>All rights are reserved except those that the GNU General</source>
        <translation>Tutti i diritti riservati tranne quelli che vi dà la</translation>
    </message>
    <message>
        <source>Public License gives you, and it gives you a great many:</source>
        <translation>GNU General Public License, e ve ne dà moltissimi:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or</source>
        <translation>Velmora è software libero: potete ridistribuirlo</translation>
    </message>
    <message>
        <source>modify it under the terms of the GNU General Public License</source>
        <translation>e/o modificarlo secondo i termini della GNU General</translation>
    </message>
    <message>
        <source>as published by the Free Software Foundation, either</source>
        <translation>Public License pubblicata dalla Free Software</translation>
    </message>
    <message>
        <source>version 3 of the License, or (at your option) any later</source>
        <translation>Foundation, nella versione 3 della licenza o (a</translation>
    </message>
    <message>
        <source>version.</source>
        <translation>vostra scelta) in qualsiasi versione successiva.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study</source>
        <translation>In parole semplici: potete usare Velmora per qualsiasi</translation>
    </message>
    <message>
        <source>how it works and change it, and give copies to anyone, with</source>
        <translation>scopo, studiare come funziona e modificarlo, e darne</translation>
    </message>
    <message>
        <source>or without your changes, free of charge or for a fee.</source>
        <translation>copie a chiunque, con o senza le vostre modifiche, gratis</translation>
    </message>
    <message>
        <source>Whoever passes the program on must do so under the same</source>
        <translation>o a pagamento. Chi passa il programma ad altri deve</translation>
    </message>
    <message>
        <source>licence, offer its complete source code, keep every</source>
        <translation>farlo con la stessa licenza, offrirne il codice sorgente</translation>
    </message>
    <message>
        <source>copyright and licence notice intact and add no further</source>
        <translation>completo, lasciare intatti tutti gli avvisi di copyright</translation>
    </message>
    <message>
        <source>restrictions.</source>
        <translation>e di licenza e non aggiungere altre restrizioni.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck</source>
        <translation>Le facce delle carte vengono dal mazzo «svg-standard»</translation>
    </message>
    <message>
        <source>&quot;svg-standard&quot; (GNU GPL version 2 or later); some card</source>
        <translation>dei giochi KDE (GNU GPL versione 2 o successiva); alcuni</translation>
    </message>
    <message>
        <source>backs use public-domain clip art from the Open Clip Art</source>
        <translation>dorsi usano immagini di pubblico dominio della Open</translation>
    </message>
    <message>
        <source>Library. The file CREDITS.md names every source.</source>
        <translation>Clip Art Library. Il file CREDITS.md cita ogni fonte.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes</source>
        <translation>La licenza completa è nel file COPYING fornito con</translation>
    </message>
    <message>
        <source>with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>Velmora; vedete anche https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted</source>
        <translation>Velmora non ha alcuna garanzia, nei</translation>
    </message>
    <message>
        <source>by applicable law. Except when otherwise stated in</source>
        <translation>limiti consentiti dalla legge applicabile. Salvo diversa</translation>
    </message>
    <message>
        <source>writing, the copyright holders and/or other parties</source>
        <translation>indicazione scritta, i titolari del copyright e/o altre</translation>
    </message>
    <message>
        <source>provide the program &quot;as is&quot; without warranty of any kind,</source>
        <translation>parti forniscono il programma «così com’è», senza garanzie</translation>
    </message>
    <message>
        <source>either expressed or implied, including, but not limited</source>
        <translation>di alcun tipo, espresse o implicite, incluse, a titolo</translation>
    </message>
    <message>
        <source>to, the implied warranties of merchantability and fitness</source>
        <translation>esemplificativo, le garanzie implicite di commerciabilità</translation>
    </message>
    <message>
        <source>for a particular purpose. The entire risk as to the</source>
        <translation>e di idoneità a uno scopo particolare. L’intero rischio</translation>
    </message>
    <message>
        <source>quality and performance of the program is with you.</source>
        <translation>sulla qualità e sulle prestazioni del programma è vostro.</translation>
    </message>
    <message>
        <source>Should the program prove defective, you assume the cost</source>
        <translation>Se il programma risultasse difettoso, vi assumete il costo</translation>
    </message>
    <message>
        <source>of all necessary servicing, repair or correction.</source>
        <translation>di ogni manutenzione, riparazione o correzione necessaria.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed</source>
        <translation>In nessun caso, salvo se richiesto dalla legge applicabile</translation>
    </message>
    <message>
        <source>to in writing, will any copyright holder, or any other</source>
        <translation>o concordato per iscritto, un titolare del copyright</translation>
    </message>
    <message>
        <source>party who modifies and/or conveys the program as</source>
        <translation>o qualsiasi altra parte che modifichi e/o distribuisca il</translation>
    </message>
    <message>
        <source>permitted above, be liable to you for damages, including</source>
        <translation>programma come consentito sopra sarà responsabile verso di</translation>
    </message>
    <message>
        <source>any general, special, incidental or consequential damages</source>
        <translation>voi per danni, inclusi danni generali, speciali, incidentali</translation>
    </message>
    <message>
        <source>arising out of the use or inability to use the program</source>
        <translation>o consequenziali derivanti dall’uso o dall’impossibilità</translation>
    </message>
    <message>
        <source>(including but not limited to loss of data or data being</source>
        <translation>di usare il programma (inclusi, a titolo esemplificativo,</translation>
    </message>
    <message>
        <source>rendered inaccurate or losses sustained by you or third</source>
        <translation>perdita di dati, dati resi inesatti, perdite subite da</translation>
    </message>
    <message>
        <source>parties or a failure of the program to operate with any</source>
        <translation>voi o da terzi o il mancato funzionamento del programma</translation>
    </message>
    <message>
        <source>other programs), even if such holder or other party has</source>
        <translation>con altri programmi), anche se tale titolare o altra</translation>
    </message>
    <message>
        <source>been advised of the possibility of such damages.</source>
        <translation>parte è stato avvisato della possibilità di tali danni.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and</source>
        <translation>A Velmora si gioca per divertimento: i suoi dollari sono</translation>
    </message>
    <message>
        <source>no real money is ever bet, won or lost.</source>
        <translation>finti e non si punta, vince o perde mai denaro vero.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmora developers</source>
        <translation>Copyright © 2026 gli sviluppatori di Velmora</translation>
    </message>
    <message>
        <source>All Rights Reserved</source>
        <translation>Tutti i diritti riservati</translation>
    </message>
</context>
</TS>
