<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>GameWords</name>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>six</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>valets</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>dames</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>rois</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, &quot;Ace of Spades&quot;: %1 the rank, %2 the suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Erreur du programme dans le rang de la main. Merci de la signaler</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Quinte flush royale 
(à %1)</translation>
    </message>
    <message>
        <source>%1 high 
(%2 kicker)</source>
        <extracomment>%1 the highest card, %2 the next one.</extracomment>
        <translation>Hauteur %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Pair of %1 
(%2 kicker)</source>
        <extracomment>%1 the rank of the pair (several), %2 the highest other card (one).</extracomment>
        <translation>Paire de %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Double paire 
(%1 et %2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <extracomment>%1 the rank of the three, %2 the rank of the two.</extracomment>
        <translation>Full 
(%1 par les %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Brelan de %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Quinte hauteur %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Carré de %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Couleur hauteur %1 
(à %2)</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Quinte flush hauteur %1 
(à %2)</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>in a card&apos;s name</comment>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>in a card&apos;s name</comment>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>in a card&apos;s name</comment>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Spades</source>
        <comment>in a card&apos;s name</comment>
        <translation>pique</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>face down</source>
        <translation>face cachée</translation>
    </message>
    <message>
        <source>%1, marked for discard</source>
        <extracomment>Spoken: %1 the card&apos;s name.</extracomment>
        <translation>%1, à écarter</translation>
    </message>
    <message>
        <source>$%1 bundle</source>
        <translation>liasse de $%1</translation>
    </message>
    <message>
        <source>$%1 bill</source>
        <translation>billet de $%1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>StatFileWriting</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
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
        <translation>À propos de Velmora</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>velmora::TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Choisir un jeu</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>velmora::TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>Ruiné !</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Rejouer</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Merci d’avoir joué</translation>
    </message>
    <message>
        <source>Velmora! </source>
        <translation>Velmora ! </translation>
    </message>
</context>
<context>
    <name>velmora::THelpBox</name>
    <message>
        <source>Game Overview</source>
        <translation>Présentation du jeu</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>La mise</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>La donne</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>L’écart</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>L’abattage</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Choisir un jeu</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Enregistrer les statistiques</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Nous écrire</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Quinte flush royale</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Quinte flush</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Carré</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Couleur</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Quinte</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Brelan</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Double paire</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Paire</translation>
    </message>
    <message>
        <source>#10 - High Card</source>
        <translation>#10 - Carte haute</translation>
    </message>
    <message>
        <source>Velmora:</source>
        <translation>Velmora :</translation>
    </message>
    <message>
        <source>House Rules:</source>
        <translation>Règles de la maison :</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Fonctions :</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Divers :</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Rang des mains :</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Aide de Velmora</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Rang des mains</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
</context>
<context>
    <name>velmora::THintWindow</name>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>discard choices, best first</source>
        <translation>écarts possibles, le meilleur d’abord</translation>
    </message>
    <message>
        <source>Stand pat</source>
        <extracomment>Joins the names of the cards to discard.</extracomment>
        <translation>Servi</translation>
    </message>
    <message>
        <source>Discard %1</source>
        <translation>Écarter %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 — wins %2 %, pushes %3 %, loses %4 %</source>
        <extracomment>%1 the discard, %2..%4 the chances of winning, pushing and losing in percent.</extracomment>
        <translation>%1 — gagne %2 %, égalité %3 %, perd %4 %</translation>
    </message>
</context>
<context>
    <name>velmora::TIntroDlg</name>
    <message>
        <source>Welcome to Velmora</source>
        <translation>Bienvenue à Velmora</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Bienvenue à Velmora !</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Select Starting Bank Amount:</source>
        <translation>Choisissez votre capital de départ :</translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Cliquez la carte</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>pour changer de jeu</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Son </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Enter </source>
        <translation>&amp;Jouer </translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Nom non valable</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>Le nom a 10 lettres au plus.
        Recommencez..</translation>
    </message>
</context>
<context>
    <name>velmora::TMainForm</name>
    <message>
        <source>Game Pot:  $%1</source>
        <translation>Pot :  $%1</translation>
    </message>
    <message>
        <source>Last Bet: $%1</source>
        <translation>Mise : $%1</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vide)</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Caisse : $%1</translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation>Miser $%1</translation>
    </message>
    <message>
        <source>Place Your Bet..</source>
        <translation>Faites vos jeux..</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Entrez votre mise et cliquez sur Donner</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Changez la mise ou cliquez sur Donner</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Bienvenue à Velmora !</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Erreur de son</translation>
    </message>
    <message>
        <source>    Could not initiate sound file.
The Sound option will be disabled.</source>
        <translation>    Impossible d’ouvrir le fichier son.
Le son sera coupé.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Save current statistics?</source>
        <translation>Garder les statistiques actuelles ?</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Donneur</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>paquet</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>É&amp;changer</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Donner</translation>
    </message>
    <message>
        <source>cash tray</source>
        <translation>caisse</translation>
    </message>
    <message>
        <source>bet field frame</source>
        <translation>cadre de la mise</translation>
    </message>
    <message>
        <source>New Bet</source>
        <translation>Nouvelle mise</translation>
    </message>
    <message>
        <source>closed cash tray</source>
        <translation>caisse fermée</translation>
    </message>
    <message>
        <source>Last Bet:</source>
        <translation>Mise :</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Caisse :</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Jeux de cartes...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>À &amp;propos... </translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Erreur de mise</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Écart non valable</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Mise non valable</translation>
    </message>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Caractère non valable dans la mise !</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>Vous n’avez pas autant !</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>Votre dernière mise dépasse votre caisse !
         Misez moins..</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Mise non valable !
      Recommencez..</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>Vous n’avez pas autant !
       Recommencez..</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>Pas d’écart de 5 cartes !</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>Écart de 4 seulement avec un as !</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Il faut miser quelque chose..</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Cliquez les cartes à écarter puis Échanger</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>Le donneur prend %1</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>Le donneur gagne !</translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>Vous gagnez !</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Égalité.. Pot partagé !</translation>
    </message>
    <message>
        <source>headline</source>
        <translation>titre</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>annonce</translation>
    </message>
    <message>
        <source>dealer&apos;s hand</source>
        <translation>main du donneur</translation>
    </message>
    <message>
        <source>your hand</source>
        <translation>votre main</translation>
    </message>
    <message>
        <source>status line</source>
        <translation>ligne d’état</translation>
    </message>
    <message>
        <source>last bet</source>
        <translation>dernière mise</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>caisse</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand: </source>
        <translation>Main du donneur : </translation>
    </message>
    <message>
        <source>Your hand: </source>
        <translation>Votre main : </translation>
    </message>
    <message>
        <source>dealer&apos;s card %1</source>
        <translation>carte %1 du donneur</translation>
    </message>
    <message>
        <source>your card %1</source>
        <translation>votre carte %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatBox</name>
    <message>
        <source>Velmora Game Stats (*.vlm)</source>
        <translation>Statistiques Velmora (*.vlm)</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Enregistrer les statistiques...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Statistiques de la partie</translation>
    </message>
    <message>
        <source>Current Game Statistics</source>
        <translation>Statistiques de la partie en cours</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Partie en cours</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Ouvrir des statistiques..</translation>
    </message>
    <message>
        <source>Velmora Help...</source>
        <translation>Aide de Velmora...</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Cumul</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 a gagné :  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Meilleure main de %1 :</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finances de %1 :</translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation>%1 main</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hands</source>
        <translation>
            <numerusform>%1 main</numerusform>
            <numerusform>%1 mains</numerusform>
        </translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Save Velmora Game Stats As</source>
        <translation>Enregistrer les statistiques Velmora sous</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Remplacer le fichier</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Erreur d’enregistrement</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>Impossible d’enregistrer %1.
%2</translation>
    </message>
    <message>
        <source>Open Velmora Game Stats</source>
        <translation>Ouvrir des statistiques Velmora</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. Ce fichier n’existe pas.</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Erreur d’ouverture n° %1</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>Fichier de données non valable !</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Carte haute :</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Paire :</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Double paire :</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Brelan :</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Quinte :</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full :</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Carré :</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Quinte flush :</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Q. flush royale :</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 carte :</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 carte :</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 cartes :</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 cartes :</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 cartes :</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Mains jouées :</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Mains gagnées :</translation>
    </message>
    <message>
        <source>Starting Bank:</source>
        <translation>Capital de départ :</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Caisse moyenne :</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Caisse maximale :</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Mise moyenne :</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Mise maximale :</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Ruines/Reprises :</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Plus longue série gagnante :</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Donneur :</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Meilleure main du donneur :</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Mains obtenues :</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total :</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Cartes échangées :</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Main améliorée par l’écart :</translation>
    </message>
</context>
<context>
    <name>velmora::help</name>
    <message>
        <source>Royal Flush</source>
        <translation>Quinte flush royale</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Quinte flush royale
(à pique)</translation>
    </message>
    <message>
        <source>The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. It is the highest hand in nothing-wild poker, and two royal flushes tie whatever their suits.</source>
        <translation>L’as, le roi, la dame, le valet et le dix d’une même couleur : une quinte flush à l’as. C’est la plus forte main du poker sans joker, et deux quintes flush royales font égalité quelle que soit leur couleur.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Quinte flush</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Quinte flush hauteur huit 
(à carreau)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, ranked by the highest card. The ace may play low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.</source>
        <translation>Cinq cartes de même couleur qui se suivent, classées selon la plus haute. L’as peut compter pour un, donc 5, 4, 3, 2, A est la plus petite quinte flush. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Carré de sept</translation>
    </message>
    <message>
        <source>Four cards of one rank and one other card, the kicker. Ranked by the four: K, K, K, K, 4 beats 10, 10, 10, 10, A.</source>
        <translation>Quatre cartes de même valeur et une autre carte, le kicker. Classé selon le carré : R, R, R, R, 4 bat 10, 10, 10, 10, A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full
(deux par les cinq)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. Ranked by the three: 4, 4, 4, 3, 3 beats 2, 2, 2, A, A.</source>
        <translation>Trois cartes d’une valeur et deux d’une autre. Classé selon le brelan : 4, 4, 4, 3, 3 bat 2, 2, 2, A, A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Couleur hauteur roi
(à pique)</translation>
    </message>
    <message>
        <source>Five cards of one suit, not in sequence. Compared card by card from the highest down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. Suits never break ties.</source>
        <translation>Cinq cartes de même couleur qui ne se suivent pas. On compare carte par carte depuis la plus haute : A, 7, 5, 4, 2 bat R, D, V, 10, 8, et V, 8, 7, 5, 3 bat V, 8, 7, 5, 2. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Quinte</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Quinte hauteur valet</translation>
    </message>
    <message>
        <source>Five cards in sequence, not all of one suit, ranked by the highest card. The ace plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but Q, K, A, 2, 3 is not.</source>
        <translation>Cinq cartes qui se suivent, pas toutes de même couleur, classées selon la plus haute. L’as compte en haut ou en bas : A, R, D, V, 10 et 5, 4, 3, 2, A sont deux quintes, mais D, R, A, 2, 3 n’en est pas une.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Brelan de neuf</translation>
    </message>
    <message>
        <source>Three cards of one rank and two unmatched cards. Ranked by the three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.</source>
        <translation>Trois cartes de même valeur et deux cartes dépareillées. Classé selon le brelan : 9, 9, 9, 3, 2 bat 8, 8, 8, A, R.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Double paire</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Double paire
(valets et quatre)</translation>
    </message>
    <message>
        <source>Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.</source>
        <translation>Deux paires et une autre carte, le kicker. Classée selon la paire haute, puis la paire basse, puis le kicker : V, V, 4, 4, 7 bat V, V, 3, 3, A.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Paire de dames
(kicker neuf)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks. Ranked by the pair, then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.</source>
        <translation>Deux cartes de même valeur et trois kickers de valeurs différentes. Classée selon la paire, puis chaque kicker à son tour : 4, 4, A, V, 7 bat 4, 4, A, 10, 9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Carte haute</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Hauteur as
(kicker valet)</translation>
    </message>
    <message>
        <source>Any hand that makes none of the other nine ranks. Compared card by card from the highest down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.</source>
        <translation>Toute main qui ne forme aucune des neuf autres combinaisons. On compare carte par carte depuis la plus haute : A, V, 6, 3, 2 bat A, 10, 9, 8, 7. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Velmora is &quot;nothing-wild&quot; five-card draw poker: you against the dealer, who plays for the house, with one ordinary deck of 52 cards and no jokers or wild cards. This help holds everything you need to start playing.</source>
        <translation>Velmora est un poker fermé à cinq cartes sans joker ni carte joker : vous contre le donneur, qui joue pour la maison, avec un jeu ordinaire de 52 cartes. Cette aide contient tout ce qu’il faut pour commencer à jouer.</translation>
    </message>
    <message>
        <source>On the welcome screen type your name, choose your starting bank ($100, $1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every hand goes the same way:</source>
        <translation>Dans la fenêtre d’accueil, tapez votre nom, choisissez votre capital de départ ($100, $1,000 ou $5,000) et cliquez sur Jouer. Votre but est de faire grossir ce capital. Chaque main se déroule de la même façon :</translation>
    </message>
    <message>
        <source>1. You bet, and the dealer matches your bet into the game pot.</source>
        <translation>1. Vous misez, et le donneur met la même somme dans le pot.</translation>
    </message>
    <message>
        <source>2. The dealer deals two hands of five cards, one to you and one to the house.</source>
        <translation>2. Le donneur distribue deux mains de cinq cartes, une pour vous et une pour la maison.</translation>
    </message>
    <message>
        <source>3. You throw away the cards you don&apos;t want and draw new ones.</source>
        <translation>3. Vous écartez les cartes dont vous ne voulez pas et en tirez de nouvelles.</translation>
    </message>
    <message>
        <source>4. The dealer throws away cards for the house and draws.</source>
        <translation>4. Le donneur écarte des cartes pour la maison et tire.</translation>
    </message>
    <message>
        <source>5. Both hands are turned face up and compared.</source>
        <translation>5. Les deux mains sont retournées et comparées.</translation>
    </message>
    <message>
        <source>6. The better hand takes the pot; equal hands split it.</source>
        <translation>6. La meilleure main remporte le pot ; deux mains égales le partagent.</translation>
    </message>
    <message>
        <source>7. Betting opens for the next hand.</source>
        <translation>7. Les mises s’ouvrent pour la main suivante.</translation>
    </message>
    <message>
        <source>The links under &quot;House Rules:&quot; explain each step: Betting, The Deal, Drawing Cards and The Showdown. The &quot;Hand Rankings&quot; page shows the ten kinds of hand, from the Royal Flush down to High Card, with an example of each and how ties are broken.</source>
        <translation>Les liens sous « Règles de la maison : » expliquent chaque étape : La mise, La donne, L’écart et L’abattage. La page « Rang des mains » montre les dix sortes de mains, de la quinte flush royale à la carte haute, avec un exemple de chacune et la façon de départager les égalités.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino there is only one betting round, at the start of each hand, as in classic video poker. Once the cards are dealt you cannot raise, call or fold: your bet stands until the showdown.</source>
        <translation>Contrairement au poker fermé des casinos, il n’y a qu’un tour de mises, au début de chaque main, comme au vidéo-poker classique. Une fois les cartes distribuées, vous ne pouvez ni relancer, ni suivre, ni vous coucher : votre mise tient jusqu’à l’abattage.</translation>
    </message>
    <message>
        <source>You place one bet at the start of each hand, before any card is dealt. It can be any whole number of dollars from $1 up to all the money in your bank.</source>
        <translation>Vous misez une fois au début de chaque main, avant qu’aucune carte ne soit distribuée. La mise peut être n’importe quel nombre entier de dollars, de $1 jusqu’à tout l’argent de votre caisse.</translation>
    </message>
    <message>
        <source>There are two ways to make your bet:</source>
        <translation>Il y a deux façons de miser :</translation>
    </message>
    <message>
        <source>1. Click the bills in the cash tray at the right of the table. Each click adds that bill&apos;s amount to the New Bet field at the top of the tray. The Bank box under the tray then shows the cash you have left beside your bet, and the tray offers the bills you can still add: a few of different sizes, not a count of your cash. Click a bill again to add it again, as long as it is shown.</source>
        <translation>1. Cliquez les billets dans la caisse à droite de la table. Chaque clic ajoute le montant du billet au champ Nouvelle mise en haut de la caisse. Le champ Caisse sous la caisse montre alors l’argent qui vous reste à côté de la mise, et la caisse propose les billets que vous pouvez encore ajouter : quelques-uns de valeurs différentes, pas le compte de votre argent. Cliquez de nouveau un billet pour l’ajouter encore, tant qu’il est affiché.</translation>
    </message>
    <message>
        <source>2. Type the amount into the New Bet field. The Bank box and the bills in the tray follow every change. This is also how you take cash back: change or clear the amount in the field.</source>
        <translation>2. Tapez le montant dans le champ Nouvelle mise. La caisse et les billets suivent chaque changement. C’est aussi ainsi que vous reprenez de l’argent : changez ou effacez le montant du champ.</translation>
    </message>
    <message>
        <source>When the amount is right, click Deal. Your bet moves from the New Bet field into the game pot and the cards are dealt. While the hand is played the Bank box shows your bank less the bet in the pot. The bet is not lost yet: if you win or tie you get it back, and it leaves your bank only if you lose.</source>
        <translation>Quand le montant est bon, cliquez sur Donner. Votre mise passe du champ Nouvelle mise dans le pot et les cartes sont distribuées. Pendant la main, la caisse montre votre argent moins la mise dans le pot. La mise n’est pas encore perdue : si vous gagnez ou faites égalité, vous la récupérez ; elle ne quitte votre caisse que si vous perdez.</translation>
    </message>
    <message>
        <source>Mistakes cost nothing: letters, an amount larger than your bank, or a bet of $0 are refused with a message box that says what is wrong; click OK and try again.</source>
        <translation>Les erreurs ne coûtent rien : des lettres, un montant supérieur à votre caisse ou une mise de $0 sont refusés par un message qui dit ce qui ne va pas ; cliquez sur OK et recommencez.</translation>
    </message>
    <message>
        <source>If you leave the New Bet field empty, Deal bets the same amount as last time, shown in the Last Bet box at the bottom of the window, as long as your bank still covers it; if it doesn&apos;t, a message asks you to lower your bet. The first hand of a game has no last bet, so type or click an amount for it.</source>
        <translation>Si vous laissez le champ Nouvelle mise vide, Donner mise le même montant que la dernière fois, affiché dans le champ Mise en bas de la fenêtre, tant que votre caisse le couvre ; sinon un message vous demande de miser moins. La première main d’une partie n’a pas de dernière mise : tapez ou cliquez un montant.</translation>
    </message>
    <message>
        <source>When you click Deal, your bet goes into the game pot and the dealer adds a matching bet, so the pot holds twice your bet. The whole deck is shuffled for every hand, and you and the dealer get five cards each, dealt one at a time and in turn, you first.</source>
        <translation>Quand vous cliquez sur Donner, votre mise va dans le pot et le donneur ajoute la même somme : le pot contient donc le double de votre mise. Tout le jeu est battu à chaque main, et vous et le donneur recevez cinq cartes chacun, une à une et à tour de rôle, vous d’abord.</translation>
    </message>
    <message>
        <source>What the Deal button does:</source>
        <translation>Ce que fait le bouton Donner :</translation>
    </message>
    <message>
        <source>1. Closes betting for this hand: the New Bet field is put away and the bills can&apos;t be clicked until the hand is over.</source>
        <translation>1. Il ferme les mises pour cette main : le champ Nouvelle mise disparaît et les billets ne peuvent plus être cliqués jusqu’à la fin de la main.</translation>
    </message>
    <message>
        <source>2. Moves your bet into the game pot and matches it: the amount in the New Bet field or, when the field is empty, the amount in the Last Bet box. The top of the table shows the Game Pot.</source>
        <translation>2. Il met votre mise dans le pot et l’égale : le montant du champ Nouvelle mise ou, si le champ est vide, celui du champ Mise. Le haut de la table montre le pot.</translation>
    </message>
    <message>
        <source>3. Shuffles all 52 cards.</source>
        <translation>3. Il bat les 52 cartes.</translation>
    </message>
    <message>
        <source>4. Deals the two hands: your cards face up, the dealer&apos;s face down.</source>
        <translation>4. Il distribue les deux mains : vos cartes face visible, celles du donneur face cachée.</translation>
    </message>
    <message>
        <source>When the tenth card is down, the line at the bottom of the window reads &quot;Click on cards to remove and click Draw to replace&quot;, the Deal button has become the Draw button, and the draw begins. From the keyboard, Alt+D presses Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H opens the Hint window, which lists the draws you may make, best first, with your chances against the dealer: the arrow keys choose one, Enter turns over its cards and Escape closes the window without changing them.</source>
        <translation>Quand la dixième carte est posée, la ligne en bas de la fenêtre indique « Cliquez les cartes à écarter puis Échanger », le bouton Donner est devenu le bouton Échanger et l’écart commence. Au clavier, Alt+D appuie sur Donner et Alt+C sur Échanger, les touches 1 à 5 retournent vos cartes de gauche à droite et H ouvre la fenêtre Conseil, qui liste les écarts possibles, le meilleur d’abord, avec vos chances contre le donneur : les flèches en choisissent un, Entrée retourne ses cartes et Échap ferme la fenêtre sans rien changer.</translation>
    </message>
    <message>
        <source>After the deal you and the dealer may each throw away some cards and get new ones from the deck: up to three cards, or four if the one card kept is an ace. You draw first.</source>
        <translation>Après la donne, vous et le donneur pouvez chacun écarter des cartes et en recevoir de nouvelles du paquet : jusqu’à trois cartes, ou quatre si la carte gardée est un as. Vous écartez en premier.</translation>
    </message>
    <message>
        <source>1. Click each card you want to replace. It turns over and shows its back; click it again if you change your mind.</source>
        <translation>1. Cliquez chaque carte à remplacer. Elle se retourne et montre son dos ; cliquez-la de nouveau si vous changez d’avis.</translation>
    </message>
    <message>
        <source>2. Click Draw. The cards you turned over are replaced by new ones from the deck.</source>
        <translation>2. Cliquez sur Échanger. Les cartes retournées sont remplacées par de nouvelles cartes du paquet.</translation>
    </message>
    <message>
        <source>3. To keep all five cards (&quot;stand pat&quot;), click Draw without turning any card over.</source>
        <translation>3. Pour garder vos cinq cartes (être « servi »), cliquez sur Échanger sans retourner de carte.</translation>
    </message>
    <message>
        <source>If you turn over all five cards, or four while the card you keep is not an ace, the draw is refused with a message. Your cards stay turned over as you left them, so change them and click Draw again.</source>
        <translation>Si vous retournez les cinq cartes, ou quatre alors que la carte gardée n’est pas un as, l’écart est refusé par un message. Vos cartes restent retournées comme vous les avez laissées : changez-les et cliquez de nouveau sur Échanger.</translation>
    </message>
    <message>
        <source>Then the dealer draws for the house and tells you how many cards it took, for example &quot;Dealer takes 3&quot; (or &quot;Dealer takes 0&quot; when it keeps all five), and its new cards are dealt face down. When the dealer has drawn, its hand is turned face up for the showdown.</source>
        <translation>Puis le donneur écarte pour la maison et annonce combien de cartes il a prises, par exemple « Le donneur prend 3 » (ou « Le donneur prend 0 » s’il garde les cinq), et ses nouvelles cartes sont distribuées face cachée. Quand il a tiré, sa main est retournée pour l’abattage.</translation>
    </message>
    <message>
        <source>HOW THE DEALER DRAWS:</source>
        <translation>COMMENT ÉCARTE LE DONNEUR :</translation>
    </message>
    <message>
        <source>The dealer looks only at its own five cards and always follows the same rule:</source>
        <translation>Le donneur ne regarde que ses cinq cartes et suit toujours la même règle :</translation>
    </message>
    <message>
        <source>- A straight, a flush, a full house, a straight flush or a royal flush: it stands pat and takes no card.</source>
        <translation>- Une quinte, une couleur, un full, une quinte flush ou une quinte flush royale : il est servi et ne prend aucune carte.</translation>
    </message>
    <message>
        <source>- Four of a kind: it keeps all five cards when the fifth card is a nine or higher, and otherwise draws one card in place of the fifth.</source>
        <translation>- Un carré : il garde ses cinq cartes si la cinquième est un neuf ou plus, sinon il tire une carte à la place de la cinquième.</translation>
    </message>
    <message>
        <source>- Three of a kind: it keeps the three and draws two.</source>
        <translation>- Un brelan : il garde le brelan et tire deux cartes.</translation>
    </message>
    <message>
        <source>- Two pair: it keeps both pairs and draws one.</source>
        <translation>- Une double paire : il garde les deux paires et tire une carte.</translation>
    </message>
    <message>
        <source>- One pair: it keeps the pair and draws three.</source>
        <translation>- Une paire : il garde la paire et tire trois cartes.</translation>
    </message>
    <message>
        <source>- No pair: it keeps an ace and a king, or, without an ace, its two highest cards, and draws three. With an ace but no king it keeps the ace alone and draws four; as it announces the draw it turns that ace face up at the left of its row.</source>
        <translation>- Rien : il garde un as et un roi ou, sans as, ses deux plus hautes cartes, et tire trois cartes. Avec un as mais sans roi, il ne garde que l’as et tire quatre cartes ; en annonçant l’écart, il retourne cet as à gauche de sa rangée.</translation>
    </message>
    <message>
        <source>The dealer never keeps a single unmatched card beside a pair or three of a kind, and never draws to four cards of a flush or a straight.</source>
        <translation>Le donneur ne garde jamais une carte isolée à côté d’une paire ou d’un brelan, et ne tire jamais à quatre cartes d’une couleur ou d’une quinte.</translation>
    </message>
    <message>
        <source>THE BEST DRAW:</source>
        <translation>LE MEILLEUR ÉCART :</translation>
    </message>
    <message>
        <source>Because the dealer always follows that rule, every draw you could make has a chance of beating it that can be worked out, and one draw is the best. Drawing as the dealer does comes close: keep a pair, two pair or three of a kind and throw away the rest; without a pair keep an ace and a king, or an ace alone, or your two highest cards. Where the best draw differs most is four cards of a straight flush: draw one card to them. Four cards of a plain flush or straight win less often than two high cards.</source>
        <translation>Comme le donneur suit toujours cette règle, chaque écart possible a une chance calculable de le battre, et l’un d’eux est le meilleur. Écarter comme le donneur s’en approche : gardez une paire, une double paire ou un brelan et jetez le reste ; sans paire, gardez un as et un roi, un as seul ou vos deux plus hautes cartes. Le meilleur écart diffère surtout avec quatre cartes d’une quinte flush : tirez une carte. Quatre cartes d’une simple couleur ou d’une quinte gagnent moins souvent que deux hautes cartes.</translation>
    </message>
    <message>
        <source>Drawing as the dealer does makes the game even, as you then play by the dealer&apos;s own rule. The best draw does a little better: over 3,000 random hands it gained 0.15% of the bet per hand, so against the best play the house&apos;s edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The house wins nothing from a player who draws the best way.</source>
        <translation>Écarter comme le donneur rend le jeu équitable, puisque vous jouez alors selon sa propre règle. Le meilleur écart fait un peu mieux : sur 3,000 mains au hasard, il a gagné 0.15% de la mise par main ; contre le meilleur jeu, l’avantage de la maison est donc de -0.15%, entre -0.17% et -0.12% avec 95% de confiance. La maison ne gagne rien contre un joueur qui écarte au mieux.</translation>
    </message>
    <message>
        <source>When both of you have drawn, the dealer&apos;s hand is turned face up and both hands are ranked. The name of each hand appears under it (a High Card hand, with no pair or better, shows no name there), and the result is announced above the dealer&apos;s cards. The &quot;Hand Rankings&quot; page shows which hand beats which.</source>
        <translation>Quand vous avez tous deux écarté, la main du donneur est retournée et les deux mains sont classées. Le nom de chaque main apparaît dessous (une main sans paire ni mieux, la carte haute, n’affiche pas de nom) et le résultat est annoncé au-dessus des cartes du donneur. La page « Rang des mains » montre quelle main bat laquelle.</translation>
    </message>
    <message>
        <source>You win (&quot;You&apos;re a winner!&quot;): the pot is yours, so your bank grows by the amount of your bet.</source>
        <translation>Vous gagnez (« Vous gagnez ! ») : le pot est à vous, votre caisse augmente du montant de votre mise.</translation>
    </message>
    <message>
        <source>The dealer wins (&quot;Dealer wins!&quot;): the pot goes to the house, so your bank drops by the amount of your bet.</source>
        <translation>Le donneur gagne (« Le donneur gagne ! ») : le pot va à la maison, votre caisse diminue du montant de votre mise.</translation>
    </message>
    <message>
        <source>A push (&quot;Push.. Split the Pot!&quot;): the hands are equal, each side takes back its own bet and your bank stays as it was. Suits never break a tie.</source>
        <translation>Égalité (« Égalité.. Pot partagé ! ») : les mains sont égales, chacun reprend sa mise et votre caisse reste la même. Les couleurs ne départagent jamais.</translation>
    </message>
    <message>
        <source>Then betting opens for the next hand. The cards stay on the table until you click Deal again.</source>
        <translation>Puis les mises s’ouvrent pour la main suivante. Les cartes restent sur la table jusqu’à ce que vous cliquiez de nouveau sur Donner.</translation>
    </message>
    <message>
        <source>If you lose a hand and your bank is left at $0, you are bankrupt and the game is over. The house then offers you a credit extension: click New Game to start a new game with the same name and starting bank, View Stats to look back at the game, or Exit to leave Velmora. &quot;Credit extension&quot; is only a name: nothing is owed. The new game asks whether to keep the statistics; if you keep them, the new game is counted under &quot;Bankrupts/Resets&quot;, and if you don&apos;t, every figure starts again from zero. New Game in the Game menu (F2) starts over in the same way, and is counted the same way, at any time after the first deal of a game.</source>
        <translation>Si vous perdez une main et qu’il reste $0 dans votre caisse, vous êtes ruiné et la partie est finie. La maison vous offre alors un nouveau crédit : cliquez sur Rejouer pour recommencer avec le même nom et le même capital, sur Statistiques pour revoir la partie, ou sur Quitter pour quitter Velmora. « Crédit » n’est qu’un mot : vous ne devez rien. La nouvelle partie demande s’il faut garder les statistiques ; si vous les gardez, la nouvelle partie est comptée sous « Ruines/Reprises », sinon tous les chiffres repartent de zéro. Nouvelle partie dans le menu Partie (F2) recommence de la même façon, et est comptée de même, à tout moment après la première donne d’une partie.</translation>
    </message>
    <message>
        <source>In Velmora a deck is the picture on the backs of the cards; every deck holds the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below rocky crags, swirling clouds, two clowns and a red bridge. You can choose a deck, or tick &quot;Randomize&quot; to let the dealer pick one at random before each hand.</source>
        <translation>Dans Velmora, un jeu est l’image au dos des cartes ; chaque jeu a les mêmes 52 cartes. Il y en a dix : un clown qui rit, un phare, un cow-boy sur un cheval qui rue, des cochons qui jouent aux cartes, une église, la tour Eiffel, un navire sous des falaises, des nuages en tourbillon, deux clowns et un pont rouge. Vous pouvez choisir un jeu, ou cocher « Au hasard » pour que le donneur en tire un avant chaque main.</translation>
    </message>
    <message>
        <source>1. On the welcome screen at the start: click the card picture until it shows the deck you want, or tick Randomize.</source>
        <translation>1. Dans la fenêtre d’accueil : cliquez l’image de la carte jusqu’à voir le jeu voulu, ou cochez Au hasard.</translation>
    </message>
    <message>
        <source>2. During the game: while you are betting, before you click Deal, choose Decks... from the Game menu (or press F7). Click the deck you want (a red frame marks it) and click OK, or simply double-click it. Cancel keeps the deck you had.</source>
        <translation>2. Pendant la partie : pendant les mises, avant de cliquer sur Donner, choisissez Jeux de cartes... dans le menu Partie (ou appuyez sur F7). Cliquez le jeu voulu (un cadre rouge le marque) puis OK, ou double-cliquez-le. Annuler garde le jeu actuel.</translation>
    </message>
    <message>
        <source>The deck you choose is used from the very next deal on and stays until you change it, also in a new game. The Decks... dialog has its own Randomize box.</source>
        <translation>Le jeu choisi sert dès la donne suivante et reste jusqu’à ce que vous le changiez, même dans une nouvelle partie. La fenêtre Jeux de cartes... a sa propre case Au hasard.</translation>
    </message>
    <message>
        <source>While Randomize is ticked, single decks cannot be chosen: clicking a deck does nothing. Untick Randomize first to pick one yourself.</source>
        <translation>Tant que Au hasard est coché, on ne peut pas choisir de jeu : cliquer un jeu ne fait rien. Décochez d’abord Au hasard pour en choisir un vous-même.</translation>
    </message>
    <message>
        <source>While you play, Velmora keeps statistics of the current game: hands played and won, your winning percentage, your starting, average and highest bank, your average and highest bet, bankruptcies, the longest winning streaks of you and the dealer, the best hand of each of you, how many hands of each rank you each ended with, how many cards you each drew, and how often the draw improved a hand.</source>
        <translation>Pendant que vous jouez, Velmora tient les statistiques de la partie en cours : mains jouées et gagnées, votre pourcentage de gains, votre capital de départ, moyen et maximal, votre mise moyenne et maximale, les ruines, les plus longues séries gagnantes de vous et du donneur, la meilleure main de chacun, combien de mains de chaque rang chacun a obtenues, combien de cartes chacun a échangées et combien de fois l’écart a amélioré une main.</translation>
    </message>
    <message>
        <source>To see them, choose Statistics... from the Game menu (or press F5) at any time. The Summary page shows the figures of the game and the best hands; the Accumulative page counts the hand rankings and the draws of you and the dealer. Click Close to go back to the table.</source>
        <translation>Pour les voir, choisissez à tout moment Statistiques... dans le menu Partie (ou appuyez sur F5). La page Résumé montre les chiffres de la partie et les meilleures mains ; la page Cumul compte les mains obtenues et les écarts de vous et du donneur. Cliquez sur Fermer pour revenir à la table.</translation>
    </message>
    <message>
        <source>A push counts as a hand played but not as a win. The average bank is taken over your starting bank and your bank after every hand. A draw &quot;improved&quot; a hand when the hand after the draw beats the hand as it was dealt.</source>
        <translation>Une égalité compte comme main jouée mais pas comme gain. La caisse moyenne est prise sur votre capital de départ et votre caisse après chaque main. Un écart a « amélioré » une main quand la main après l’écart bat la main telle qu’elle a été distribuée.</translation>
    </message>
    <message>
        <source>The statistics are updated at the end of each hand, when the winner is known; only the draws are counted as soon as they are made. A new game asks whether to keep the statistics or to start them afresh.</source>
        <translation>Les statistiques sont mises à jour à la fin de chaque main, quand le gagnant est connu ; seuls les écarts sont comptés dès qu’ils sont faits. Une nouvelle partie demande s’il faut garder les statistiques ou les remettre à zéro.</translation>
    </message>
    <message>
        <source>Whenever the statistics window shows your current game you can save its figures, and open them again later, for instance to keep a record of your best games.</source>
        <translation>Tant que la fenêtre des statistiques montre votre partie en cours, vous pouvez enregistrer ses chiffres et les rouvrir plus tard, par exemple pour garder la trace de vos meilleures parties.</translation>
    </message>
    <message>
        <source>1. Open the statistics window: Statistics... in the Game menu, or F5.</source>
        <translation>1. Ouvrez la fenêtre des statistiques : Statistiques... dans le menu Partie, ou F5.</translation>
    </message>
    <message>
        <source>2. Choose Save... from its Stats menu, or click the first of the picture buttons at its top left (its tip reads &quot;Save Stats...&quot;).</source>
        <translation>2. Choisissez Enregistrer... dans son menu Statistiques, ou cliquez le premier des boutons à image en haut à gauche (son info-bulle dit « Enregistrer les statistiques... »).</translation>
    </message>
    <message>
        <source>3. Choose a folder and a file name and click Save. The file is given the extension .vlm. If a file of that name exists, you are asked whether to replace it.</source>
        <translation>3. Choisissez un dossier et un nom de fichier et cliquez sur Enregistrer. Le fichier reçoit l’extension .vlm. Si un fichier de ce nom existe, on vous demande s’il faut le remplacer.</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:</source>
        <translation>CONSULTER DES STATISTIQUES ENREGISTRÉES :</translation>
    </message>
    <message>
        <source>An opened file takes the place of the current figures in the statistics window for as long as you look at it; the window&apos;s title shows the file&apos;s name. Your current game goes on unchanged.</source>
        <translation>Un fichier ouvert remplace les chiffres actuels dans la fenêtre des statistiques aussi longtemps que vous le regardez ; le titre de la fenêtre montre le nom du fichier. Votre partie en cours continue sans changement.</translation>
    </message>
    <message>
        <source>1. In the statistics window, choose Open... from the Stats menu, or click the second picture button (&quot;Open saved Stats..&quot;).</source>
        <translation>1. Dans la fenêtre des statistiques, choisissez Ouvrir... dans le menu Statistiques, ou cliquez le deuxième bouton à image (« Ouvrir des statistiques.. »).</translation>
    </message>
    <message>
        <source>2. Pick a .vlm file and click Open.</source>
        <translation>2. Choisissez un fichier .vlm et cliquez sur Ouvrir.</translation>
    </message>
    <message>
        <source>3. To return to the current game, choose Current Game from the Stats menu or click the third picture button (&quot;Current Game Stats&quot;). The statistics window always opens on the current game.</source>
        <translation>3. Pour revenir à la partie en cours, choisissez Partie en cours dans le menu Statistiques ou cliquez le troisième bouton à image (« Statistiques de la partie »). La fenêtre des statistiques s’ouvre toujours sur la partie en cours.</translation>
    </message>
    <message>
        <source>Saved statistics are a record of your best games: they can only be viewed and never become the figures of the current game, so a saved game cannot be continued. While a saved file is shown, saving is switched off. A file that is damaged or was not written by Velmora is refused with a message, and the window stays as it was.</source>
        <translation>Les statistiques enregistrées gardent la trace de vos meilleures parties : on peut seulement les regarder, elles ne deviennent jamais les chiffres de la partie en cours, et une partie enregistrée ne peut donc pas être continuée. Pendant qu’un fichier enregistré est affiché, l’enregistrement est désactivé. Un fichier abîmé ou qui n’a pas été écrit par Velmora est refusé par un message, et la fenêtre reste comme elle était.</translation>
    </message>
    <message>
        <source>Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights Reserved except as granted by the GNU General Public License, which grants you a great deal:</source>
        <translation>Velmora ver 2.10. Copyright © 2026 les développeurs de Velmora. Tous droits réservés, sauf ceux qu’accorde la Licence publique générale GNU, qui vous en accorde beaucoup :</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Velmora est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study how it works and change it, and give copies to anyone, with or without your changes, free of charge or for a fee. Whoever passes the program on must do so under the same licence, offer its complete source code, keep every copyright and licence notice intact and add no further restrictions.</source>
        <translation>En clair : vous pouvez utiliser Velmora pour tout usage, étudier son fonctionnement et le modifier, et en donner des copies à qui vous voulez, avec ou sans vos modifications, gratuitement ou contre paiement. Qui transmet le programme doit le faire sous la même licence, en offrir le code source complet, laisser intacts tous les avis de copyright et de licence et n’ajouter aucune autre restriction.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck &quot;svg-standard&quot; (GNU GPL version 2 or later); some card backs use public-domain clip art from the Open Clip Art Library. The file CREDITS.md names every source.</source>
        <translation>Les faces des cartes viennent du jeu de cartes « svg-standard » des jeux KDE (GNU GPL version 2 ou ultérieure) ; certains dos de cartes utilisent des images du domaine public de l’Open Clip Art Library. Le fichier CREDITS.md cite chaque source.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>La licence complète se trouve dans le fichier COPYING fourni avec Velmora ; voir aussi https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:</source>
        <translation>EXCLUSION DE GARANTIE :</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted by applicable law. Except when otherwise stated in writing, the copyright holders and/or other parties provide the program &quot;as is&quot; without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality and performance of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.</source>
        <translation>Velmora n’est couvert par aucune garantie, dans les limites permises par la loi applicable. Sauf mention écrite contraire, les titulaires du copyright et/ou les autres parties fournissent le programme « tel quel », sans garantie d’aucune sorte, expresse ou implicite, y compris, sans s’y limiter, les garanties implicites de qualité marchande et d’adéquation à un usage particulier. Tout le risque quant à la qualité et aux performances du programme est pour vous. Si le programme se révèle défectueux, vous assumez le coût de tout entretien, réparation ou correction nécessaire.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed to in writing, will any copyright holder, or any other party who modifies and/or conveys the program as permitted above, be liable to you for damages, including any general, special, incidental or consequential damages arising out of the use or inability to use the program (including but not limited to loss of data or data being rendered inaccurate or losses sustained by you or third parties or a failure of the program to operate with any other programs), even if such holder or other party has been advised of the possibility of such damages.</source>
        <translation>En aucun cas, sauf si la loi applicable l’exige ou si cela a été convenu par écrit, un titulaire du copyright ou toute autre partie qui modifie et/ou transmet le programme comme permis ci-dessus ne sera responsable envers vous des dommages, y compris les dommages généraux, spéciaux, accessoires ou indirects résultant de l’utilisation ou de l’impossibilité d’utiliser le programme (y compris, sans s’y limiter, la perte de données, des données rendues inexactes, des pertes subies par vous ou par des tiers ou l’incapacité du programme à fonctionner avec d’autres programmes), même si ce titulaire ou cette autre partie a été averti de la possibilité de tels dommages.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and no real money is ever bet, won or lost.</source>
        <translation>Velmora se joue pour le plaisir : ses dollars sont de l’argent fictif, et jamais de l’argent réel n’est misé, gagné ni perdu.</translation>
    </message>
    <message>
        <source>Velmora is made by a group of volunteers, the Velmora developers, and they would be glad to hear from you. Write to them:</source>
        <translation>Velmora est fait par un groupe de bénévoles, les développeurs de Velmora, qui seront heureux d’avoir de vos nouvelles. Écrivez-leur :</translation>
    </message>
    <message>
        <source>- to ask about new releases and what they will bring;</source>
        <translation>- pour vous renseigner sur les nouvelles versions et ce qu’elles apporteront ;</translation>
    </message>
    <message>
        <source>- with comments and suggestions, or ideas for the game;</source>
        <translation>- avec vos remarques et suggestions, ou des idées pour le jeu ;</translation>
    </message>
    <message>
        <source>- to report an error in the game or in this help;</source>
        <translation>- pour signaler une erreur dans le jeu ou dans cette aide ;</translation>
    </message>
    <message>
        <source>- with questions about the licence, or about using Velmora&apos;s code or pictures in your own work.</source>
        <translation>- avec des questions sur la licence, ou sur l’emploi du code ou des images de Velmora dans votre propre travail.</translation>
    </message>
    <message>
        <source>WHERE TO WRITE:</source>
        <translation>OÙ ÉCRIRE :</translation>
    </message>
    <message>
        <source>The Velmora developers</source>
        <translation>Les développeurs de Velmora</translation>
    </message>
    <message>
        <source>The project&apos;s issue tracker; see the README that comes with Velmora.</source>
        <translation>Le suivi des tickets du projet ; voir le README fourni avec Velmora.</translation>
    </message>
    <message>
        <source>When you report an error, please say what you did, what you expected and what happened instead, and name the version: Velmora ver 2.10, as shown on the License page of About... in the Help menu.</source>
        <translation>Quand vous signalez une erreur, dites ce que vous avez fait, ce que vous attendiez et ce qui s’est passé à la place, et indiquez la version : Velmora ver 2.10, comme sur la page Licence de À propos... dans le menu Aide.</translation>
    </message>
    <message>
        <source>GAME OVERVIEW:</source>
        <translation>PRÉSENTATION DU JEU :</translation>
    </message>
    <message>
        <source>BETTING:</source>
        <translation>LA MISE :</translation>
    </message>
    <message>
        <source>THE DEAL:</source>
        <translation>LA DONNE :</translation>
    </message>
    <message>
        <source>DRAWING CARDS:</source>
        <translation>L’ÉCART :</translation>
    </message>
    <message>
        <source>THE SHOWDOWN:</source>
        <translation>L’ABATTAGE :</translation>
    </message>
    <message>
        <source>SELECTING A DECK:</source>
        <translation>CHOISIR UN JEU :</translation>
    </message>
    <message>
        <source>GAME STATISTICS:</source>
        <translation>STATISTIQUES :</translation>
    </message>
    <message>
        <source>SAVING GAME STATISTICS:</source>
        <translation>ENREGISTRER LES STATISTIQUES :</translation>
    </message>
    <message>
        <source>LICENSE AGREEMENT:</source>
        <translation>LICENCE :</translation>
    </message>
    <message>
        <source>CONTACTING THE AUTHOR:</source>
        <translation>NOUS ÉCRIRE :</translation>
    </message>
    <message>
        <source>All rights are reserved except those that the GNU General</source>
        <translation>Tous droits réservés, sauf ceux que vous donne la Licence</translation>
    </message>
    <message>
        <source>Public License gives you, and it gives you a great many:</source>
        <translation>publique générale GNU, et elle vous en donne beaucoup :</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or</source>
        <translation>Velmora est un logiciel libre : vous pouvez</translation>
    </message>
    <message>
        <source>modify it under the terms of the GNU General Public License</source>
        <translation>le redistribuer et/ou le modifier selon les termes de</translation>
    </message>
    <message>
        <source>as published by the Free Software Foundation, either</source>
        <translation>la Licence publique générale GNU publiée par la Free</translation>
    </message>
    <message>
        <source>version 3 of the License, or (at your option) any later</source>
        <translation>Software Foundation, soit la version 3 de la licence,</translation>
    </message>
    <message>
        <source>version.</source>
        <translation>soit (à votre choix) toute version ultérieure.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study</source>
        <translation>En clair : vous pouvez utiliser Velmora pour tout usage,</translation>
    </message>
    <message>
        <source>how it works and change it, and give copies to anyone, with</source>
        <translation>étudier son fonctionnement et le modifier, et en donner des</translation>
    </message>
    <message>
        <source>or without your changes, free of charge or for a fee.</source>
        <translation>copies à qui vous voulez, avec ou sans vos modifications,</translation>
    </message>
    <message>
        <source>Whoever passes the program on must do so under the same</source>
        <translation>gratuitement ou contre paiement. Qui transmet le programme</translation>
    </message>
    <message>
        <source>licence, offer its complete source code, keep every</source>
        <translation>doit le faire sous la même licence, en offrir le code</translation>
    </message>
    <message>
        <source>copyright and licence notice intact and add no further</source>
        <translation>source complet, laisser intacts tous les avis de copyright</translation>
    </message>
    <message>
        <source>restrictions.</source>
        <translation>et de licence et n’ajouter aucune autre restriction.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck</source>
        <translation>Les faces des cartes viennent du jeu de cartes « svg-standard</translation>
    </message>
    <message>
        <source>&quot;svg-standard&quot; (GNU GPL version 2 or later); some card</source>
        <translation>» des jeux KDE (GNU GPL version 2 ou ultérieure) ; certains</translation>
    </message>
    <message>
        <source>backs use public-domain clip art from the Open Clip Art</source>
        <translation>dos de cartes utilisent des images du domaine public de l’Open</translation>
    </message>
    <message>
        <source>Library. The file CREDITS.md names every source.</source>
        <translation>Clip Art Library. Le fichier CREDITS.md cite chaque source.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes</source>
        <translation>La licence complète se trouve dans le fichier COPYING fourni</translation>
    </message>
    <message>
        <source>with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>avec Velmora ; voir aussi https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted</source>
        <translation>Velmora n’est couvert par aucune garantie, dans les</translation>
    </message>
    <message>
        <source>by applicable law. Except when otherwise stated in</source>
        <translation>limites permises par la loi applicable. Sauf mention écrite</translation>
    </message>
    <message>
        <source>writing, the copyright holders and/or other parties</source>
        <translation>contraire, les titulaires du copyright et/ou les autres</translation>
    </message>
    <message>
        <source>provide the program &quot;as is&quot; without warranty of any kind,</source>
        <translation>parties fournissent le programme « tel quel », sans garantie</translation>
    </message>
    <message>
        <source>either expressed or implied, including, but not limited</source>
        <translation>d’aucune sorte, expresse ou implicite, y compris, sans s’y</translation>
    </message>
    <message>
        <source>to, the implied warranties of merchantability and fitness</source>
        <translation>limiter, les garanties implicites de qualité marchande et</translation>
    </message>
    <message>
        <source>for a particular purpose. The entire risk as to the</source>
        <translation>d’adéquation à un usage particulier. Tout le risque quant à</translation>
    </message>
    <message>
        <source>quality and performance of the program is with you.</source>
        <translation>la qualité et aux performances du programme est pour vous.</translation>
    </message>
    <message>
        <source>Should the program prove defective, you assume the cost</source>
        <translation>Si le programme se révèle défectueux, vous assumez le coût</translation>
    </message>
    <message>
        <source>of all necessary servicing, repair or correction.</source>
        <translation>de tout entretien, réparation ou correction nécessaire.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed</source>
        <translation>En aucun cas, sauf si la loi applicable l’exige</translation>
    </message>
    <message>
        <source>to in writing, will any copyright holder, or any other</source>
        <translation>ou si cela a été convenu par écrit, un titulaire du copyright</translation>
    </message>
    <message>
        <source>party who modifies and/or conveys the program as</source>
        <translation>ou toute autre partie qui modifie et/ou transmet le programme</translation>
    </message>
    <message>
        <source>permitted above, be liable to you for damages, including</source>
        <translation>comme permis ci-dessus ne sera responsable envers vous des</translation>
    </message>
    <message>
        <source>any general, special, incidental or consequential damages</source>
        <translation>dommages, y compris les dommages généraux, spéciaux, accessoires</translation>
    </message>
    <message>
        <source>arising out of the use or inability to use the program</source>
        <translation>ou indirects résultant de l’utilisation ou de l’impossibilité</translation>
    </message>
    <message>
        <source>(including but not limited to loss of data or data being</source>
        <translation>d’utiliser le programme (y compris, sans s’y limiter, la perte</translation>
    </message>
    <message>
        <source>rendered inaccurate or losses sustained by you or third</source>
        <translation>de données, des données rendues inexactes, des pertes subies par</translation>
    </message>
    <message>
        <source>parties or a failure of the program to operate with any</source>
        <translation>vous ou par des tiers ou l’incapacité du programme à fonctionner</translation>
    </message>
    <message>
        <source>other programs), even if such holder or other party has</source>
        <translation>avec d’autres programmes), même si ce titulaire ou cette</translation>
    </message>
    <message>
        <source>been advised of the possibility of such damages.</source>
        <translation>autre partie a été averti de la possibilité de tels dommages.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and</source>
        <translation>Velmora se joue pour le plaisir : ses dollars sont de l’argent</translation>
    </message>
    <message>
        <source>no real money is ever bet, won or lost.</source>
        <translation>fictif, et jamais de l’argent réel n’est misé, gagné ni perdu.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmora developers</source>
        <translation>Copyright © 2026 les développeurs de Velmora</translation>
    </message>
    <message>
        <source>All Rights Reserved</source>
        <translation>Tous droits réservés</translation>
    </message>
</context>
</TS>
