<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GameWords</name>
    <message>
        <source>Pair</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Deuce</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>doses</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>treses</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>cuatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>seises</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>sietes</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>ochos</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>nueves</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>dieces</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>jotas</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>reinas</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>reyes</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, &quot;Ace of Spades&quot;: %1 the rank, %2 the suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Error del programa al valorar la mano. Avise a los autores</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Escalera real 
(de %1)</translation>
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
        <translation>Pareja de %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Doble pareja 
(%1 y %2)</translation>
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
        <translation>Trío de %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Escalera hasta %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Póker de %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Color hasta %1 
(de %2)</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Escalera de color hasta %1 
(de %2)</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>in a card&apos;s name</comment>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>in a card&apos;s name</comment>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>in a card&apos;s name</comment>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Spades</source>
        <comment>in a card&apos;s name</comment>
        <translation>picas</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>%1, marked for discard</source>
        <extracomment>Spoken: %1 the card&apos;s name.</extracomment>
        <translation>%1, marcada para descartar</translation>
    </message>
    <message>
        <source>$%1 bundle</source>
        <translation>fajo de $%1</translation>
    </message>
    <message>
        <source>$%1 bill</source>
        <translation>billete de $%1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
</context>
<context>
    <name>StatFileWriting</name>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>velmora::TAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>About Velmora</source>
        <translation>Acerca de Velmora</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
</context>
<context>
    <name>velmora::TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Elegir baraja</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>velmora::TExitDlg</name>
    <message>
        <source>Bankrupt!</source>
        <translation>¡En bancarrota!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Revancha</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Gracias por jugar</translation>
    </message>
    <message>
        <source>Velmora! </source>
        <translation>¡Velmora! </translation>
    </message>
</context>
<context>
    <name>velmora::THelpBox</name>
    <message>
        <source>Game Overview</source>
        <translation>Resumen del juego</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>Las apuestas</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>El reparto</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>El descarte</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>La mano final</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Elegir baraja</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Guardar estadísticas</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>#1 - Royal Flush</source>
        <translation>#1 - Escalera real</translation>
    </message>
    <message>
        <source>#2 - Straight Flush</source>
        <translation>#2 - Escalera de color</translation>
    </message>
    <message>
        <source>#3 - Four of a Kind</source>
        <translation>#3 - Póker</translation>
    </message>
    <message>
        <source>#4 - Full House</source>
        <translation>#4 - Full</translation>
    </message>
    <message>
        <source>#5 - Flush</source>
        <translation>#5 - Color</translation>
    </message>
    <message>
        <source>#6 - Straight</source>
        <translation>#6 - Escalera</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Trío</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Doble pareja</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Pareja</translation>
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
        <translation>Reglas de la casa:</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Funciones:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Otros:</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Jugadas:</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Ayuda de Velmora</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
</context>
<context>
    <name>velmora::THintWindow</name>
    <message>
        <source>Hint</source>
        <translation>Consejo</translation>
    </message>
    <message>
        <source>discard choices, best first</source>
        <translation>descartes posibles, el mejor primero</translation>
    </message>
    <message>
        <source>Stand pat</source>
        <extracomment>Joins the names of the cards to discard.</extracomment>
        <translation>Servirse</translation>
    </message>
    <message>
        <source>Discard %1</source>
        <translation>Descartar %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 — wins %2 %, pushes %3 %, loses %4 %</source>
        <extracomment>%1 the discard, %2..%4 the chances of winning, pushing and losing in percent.</extracomment>
        <translation>%1 — gana %2 %, empata %3 %, pierde %4 %</translation>
    </message>
</context>
<context>
    <name>velmora::TIntroDlg</name>
    <message>
        <source>Welcome to Velmora</source>
        <translation>Bienvenido a Velmora</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>¡Bienvenido a Velmora!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Escriba su nombre:</translation>
    </message>
    <message>
        <source>Select Starting Bank Amount:</source>
        <translation>Elija el capital inicial:</translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Pulse la carta</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>para elegir baraja</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Sonido </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Enter </source>
        <translation>&amp;Entrar </translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>El nombre tiene como mucho 10 letras.
        Inténtelo otra vez..</translation>
    </message>
</context>
<context>
    <name>velmora::TMainForm</name>
    <message>
        <source>Game Pot:  $%1</source>
        <translation>Bote:  $%1</translation>
    </message>
    <message>
        <source>Last Bet: $%1</source>
        <translation>Apuesta: $%1</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vacío)</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Caja: $%1</translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation>Apostar $%1</translation>
    </message>
    <message>
        <source>Place Your Bet..</source>
        <translation>Hagan sus apuestas..</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Escriba su apuesta y pulse Repartir</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Cambie la apuesta o pulse Repartir</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>¡Bienvenido a Velmora!</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Error de sonido</translation>
    </message>
    <message>
        <source>    Could not initiate sound file.
The Sound option will be disabled.</source>
        <translation>    No se pudo abrir el archivo de sonido.
Se desactivará el sonido.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Save current statistics?</source>
        <translation>¿Conservar las estadísticas actuales?</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Crupier</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>mazo</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Repartir</translation>
    </message>
    <message>
        <source>cash tray</source>
        <translation>bandeja de dinero</translation>
    </message>
    <message>
        <source>bet field frame</source>
        <translation>marco de la apuesta</translation>
    </message>
    <message>
        <source>New Bet</source>
        <translation>Nueva apuesta</translation>
    </message>
    <message>
        <source>closed cash tray</source>
        <translation>bandeja de dinero cerrada</translation>
    </message>
    <message>
        <source>Last Bet:</source>
        <translation>Apuesta:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Caja:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Barajas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>&amp;Acerca de... </translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Error de apuesta</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Descarte no válido</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Apuesta no válida</translation>
    </message>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>¡Carácter no válido en la apuesta!</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>¡No tiene tanto!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>¡Su última apuesta supera su caja!
         Apueste menos..</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>¡Apuesta no válida!
      Inténtelo otra vez..</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>¡No tiene tanto!
       Inténtelo otra vez..</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>¡No puede cambiar 5!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>¡Solo se cambian 4 con un as!</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Tiene que apostar algo..</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Pulse las cartas a descartar y luego Cambiar</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>El crupier toma %1</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>¡Gana el crupier!</translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>¡Usted gana!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Empate.. ¡Bote repartido!</translation>
    </message>
    <message>
        <source>headline</source>
        <translation>titular</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>anuncio</translation>
    </message>
    <message>
        <source>dealer&apos;s hand</source>
        <translation>mano del crupier</translation>
    </message>
    <message>
        <source>your hand</source>
        <translation>su mano</translation>
    </message>
    <message>
        <source>status line</source>
        <translation>línea de estado</translation>
    </message>
    <message>
        <source>last bet</source>
        <translation>última apuesta</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>caja</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand: </source>
        <translation>Mano del crupier: </translation>
    </message>
    <message>
        <source>Your hand: </source>
        <translation>Su mano: </translation>
    </message>
    <message>
        <source>dealer&apos;s card %1</source>
        <translation>carta %1 del crupier</translation>
    </message>
    <message>
        <source>your card %1</source>
        <translation>su carta %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatBox</name>
    <message>
        <source>Velmora Game Stats (*.vlm)</source>
        <translation>Estadísticas de Velmora (*.vlm)</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Guardar estadísticas...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Estadísticas de la partida</translation>
    </message>
    <message>
        <source>Current Game Statistics</source>
        <translation>Estadísticas de la partida actual</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Partida actual</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>A&amp;yuda...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Abrir estadísticas guardadas..</translation>
    </message>
    <message>
        <source>Velmora Help...</source>
        <translation>Ayuda de Velmora...</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Acumulado</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 ganó:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Mejor mano de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finanzas de %1:</translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation>%1 mano</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hands</source>
        <translation>
            <numerusform>%1 mano</numerusform>
            <numerusform>%1 manos</numerusform>
        </translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Viendo %1</translation>
    </message>
    <message>
        <source>Save Velmora Game Stats As</source>
        <translation>Guardar estadísticas de Velmora como</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Sustituir archivo de estadísticas</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Quiere sustituirlo?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>No se pudo guardar %1.
%2</translation>
    </message>
    <message>
        <source>Open Velmora Game Stats</source>
        <translation>Abrir estadísticas de Velmora</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. El archivo no existe.</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Error al abrir n.º %1</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>¡Archivo de datos no válido!</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Carta alta:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Pareja:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Doble pareja:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Trío:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Escalera:</translation>
    </message>
    <message>
        <source>Flush:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Full House:</source>
        <translation>Full:</translation>
    </message>
    <message>
        <source>Four of a Kind:</source>
        <translation>Póker:</translation>
    </message>
    <message>
        <source>Straight Flush:</source>
        <translation>Esc. de color:</translation>
    </message>
    <message>
        <source>Royal Flush:</source>
        <translation>Escalera real:</translation>
    </message>
    <message>
        <source>0 Cards:</source>
        <translation>0 cartas:</translation>
    </message>
    <message>
        <source>1 Card:</source>
        <translation>1 carta:</translation>
    </message>
    <message>
        <source>2 Cards:</source>
        <translation>2 cartas:</translation>
    </message>
    <message>
        <source>3 Cards:</source>
        <translation>3 cartas:</translation>
    </message>
    <message>
        <source>4 Cards:</source>
        <translation>4 cartas:</translation>
    </message>
    <message>
        <source>Total hands played:</source>
        <translation>Manos jugadas:</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Manos ganadas:</translation>
    </message>
    <message>
        <source>Starting Bank:</source>
        <translation>Capital inicial:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Caja media:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Caja máxima:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Apuesta media:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Apuesta máxima:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Bancarrotas/Reinicios:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Mejor racha ganadora:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Crupier:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Mejor mano del crupier:</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Jugadas obtenidas:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Cartas cambiadas:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Mano mejorada al cambiar:</translation>
    </message>
</context>
<context>
    <name>velmora::help</name>
    <message>
        <source>Royal Flush</source>
        <translation>Escalera real</translation>
    </message>
    <message>
        <source>Royal Flush
(Spades)</source>
        <translation>Escalera real
(de picas)</translation>
    </message>
    <message>
        <source>The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. It is the highest hand in nothing-wild poker, and two royal flushes tie whatever their suits.</source>
        <translation>El as, el rey, la reina, la jota y el diez de un mismo palo: una escalera de color encabezada por el as. Es la mejor mano del póquer sin comodines, y dos escaleras reales empatan sea cual sea su palo.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Escalera de color</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Escalera de color hasta ocho 
(de diamantes)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, ranked by the highest card. The ace may play low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.</source>
        <translation>Cinco cartas seguidas de un mismo palo, valoradas por la más alta. El as puede jugar bajo, así que 5, 4, 3, 2, A es la escalera de color más baja. Los palos nunca deshacen empates.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Póker de sietes</translation>
    </message>
    <message>
        <source>Four cards of one rank and one other card, the kicker. Ranked by the four: K, K, K, K, 4 beats 10, 10, 10, 10, A.</source>
        <translation>Cuatro cartas del mismo valor y otra carta, el kicker. Se valora por las cuatro: K, K, K, K, 4 gana a 10, 10, 10, 10, A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full
(doses con cincos)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. Ranked by the three: 4, 4, 4, 3, 3 beats 2, 2, 2, A, A.</source>
        <translation>Tres cartas de un valor y dos de otro. Se valora por el trío: 4, 4, 4, 3, 3 gana a 2, 2, 2, A, A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Color hasta rey
(de picas)</translation>
    </message>
    <message>
        <source>Five cards of one suit, not in sequence. Compared card by card from the highest down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. Suits never break ties.</source>
        <translation>Cinco cartas de un mismo palo que no van seguidas. Se comparan carta a carta desde la más alta: A, 7, 5, 4, 2 gana a K, Q, J, 10, 8, y J, 8, 7, 5, 3 gana a J, 8, 7, 5, 2. Los palos nunca deshacen empates.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Escalera hasta jota</translation>
    </message>
    <message>
        <source>Five cards in sequence, not all of one suit, ranked by the highest card. The ace plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but Q, K, A, 2, 3 is not.</source>
        <translation>Cinco cartas seguidas, no todas del mismo palo, valoradas por la más alta. El as juega alto o bajo: A, K, Q, J, 10 y 5, 4, 3, 2, A son escaleras, pero Q, K, A, 2, 3 no lo es.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trío</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Trío de nueves</translation>
    </message>
    <message>
        <source>Three cards of one rank and two unmatched cards. Ranked by the three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.</source>
        <translation>Tres cartas del mismo valor y dos cartas sueltas. Se valora por el trío: 9, 9, 9, 3, 2 gana a 8, 8, 8, A, K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Doble pareja</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Doble pareja
(jotas y cuatros)</translation>
    </message>
    <message>
        <source>Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.</source>
        <translation>Dos parejas y otra carta, el kicker. Se valora por la pareja alta, luego la baja y luego el kicker: J, J, 4, 4, 7 gana a J, J, 3, 3, A.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Pareja de reinas
(kicker nueve)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks. Ranked by the pair, then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.</source>
        <translation>Dos cartas del mismo valor y tres kickers de valores distintos. Se valora por la pareja y luego por cada kicker: 4, 4, A, J, 7 gana a 4, 4, A, 10, 9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Carta alta: as
(kicker jota)</translation>
    </message>
    <message>
        <source>Any hand that makes none of the other nine ranks. Compared card by card from the highest down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.</source>
        <translation>Cualquier mano que no forme ninguna de las otras nueve jugadas. Se comparan carta a carta desde la más alta: A, J, 6, 3, 2 gana a A, 10, 9, 8, 7. Los palos nunca deshacen empates.</translation>
    </message>
    <message>
        <source>Velmora is &quot;nothing-wild&quot; five-card draw poker: you against the dealer, who plays for the house, with one ordinary deck of 52 cards and no jokers or wild cards. This help holds everything you need to start playing.</source>
        <translation>Velmora es póquer cubierto de cinco cartas sin comodines: usted contra el crupier, que juega por la casa, con una baraja normal de 52 cartas. Esta ayuda contiene todo lo necesario para empezar a jugar.</translation>
    </message>
    <message>
        <source>On the welcome screen type your name, choose your starting bank ($100, $1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every hand goes the same way:</source>
        <translation>En la pantalla de bienvenida escriba su nombre, elija su capital inicial ($100, $1,000 o $5,000) y pulse Entrar. Su objetivo es hacer crecer ese capital. Todas las manos siguen el mismo camino:</translation>
    </message>
    <message>
        <source>1. You bet, and the dealer matches your bet into the game pot.</source>
        <translation>1. Usted apuesta y el crupier iguala su apuesta en el bote.</translation>
    </message>
    <message>
        <source>2. The dealer deals two hands of five cards, one to you and one to the house.</source>
        <translation>2. El crupier reparte dos manos de cinco cartas, una para usted y otra para la casa.</translation>
    </message>
    <message>
        <source>3. You throw away the cards you don&apos;t want and draw new ones.</source>
        <translation>3. Usted descarta las cartas que no quiere y toma otras nuevas.</translation>
    </message>
    <message>
        <source>4. The dealer throws away cards for the house and draws.</source>
        <translation>4. El crupier descarta por la casa y toma cartas.</translation>
    </message>
    <message>
        <source>5. Both hands are turned face up and compared.</source>
        <translation>5. Las dos manos se destapan y se comparan.</translation>
    </message>
    <message>
        <source>6. The better hand takes the pot; equal hands split it.</source>
        <translation>6. La mejor mano se lleva el bote; dos manos iguales se lo reparten.</translation>
    </message>
    <message>
        <source>7. Betting opens for the next hand.</source>
        <translation>7. Se abren las apuestas para la mano siguiente.</translation>
    </message>
    <message>
        <source>The links under &quot;House Rules:&quot; explain each step: Betting, The Deal, Drawing Cards and The Showdown. The &quot;Hand Rankings&quot; page shows the ten kinds of hand, from the Royal Flush down to High Card, with an example of each and how ties are broken.</source>
        <translation>Los enlaces bajo «Reglas de la casa:» explican cada paso: Las apuestas, El reparto, El descarte y La mano final. La página «Jugadas» muestra las diez clases de mano, de la escalera real a la carta alta, con un ejemplo de cada una y cómo se deshacen los empates.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino there is only one betting round, at the start of each hand, as in classic video poker. Once the cards are dealt you cannot raise, call or fold: your bet stands until the showdown.</source>
        <translation>A diferencia del póquer cubierto de casino, solo hay una ronda de apuestas, al principio de cada mano, como en el videopóquer clásico. Una vez repartidas las cartas no puede subir, igualar ni retirarse: su apuesta se mantiene hasta el final.</translation>
    </message>
    <message>
        <source>You place one bet at the start of each hand, before any card is dealt. It can be any whole number of dollars from $1 up to all the money in your bank.</source>
        <translation>Usted hace una apuesta al principio de cada mano, antes de repartir ninguna carta. Puede ser cualquier número entero de dólares, desde $1 hasta todo el dinero de su caja.</translation>
    </message>
    <message>
        <source>There are two ways to make your bet:</source>
        <translation>Hay dos maneras de apostar:</translation>
    </message>
    <message>
        <source>1. Click the bills in the cash tray at the right of the table. Each click adds that bill&apos;s amount to the New Bet field at the top of the tray. The Bank box under the tray then shows the cash you have left beside your bet, and the tray offers the bills you can still add: a few of different sizes, not a count of your cash. Click a bill again to add it again, as long as it is shown.</source>
        <translation>1. Pulse los billetes de la bandeja de dinero, a la derecha de la mesa. Cada pulsación suma el valor del billete al campo Nueva apuesta, arriba en la bandeja. El campo Caja, debajo de la bandeja, muestra el dinero que le queda aparte de la apuesta, y la bandeja ofrece los billetes que aún puede añadir: unos pocos de distinto valor, no la cuenta de su dinero. Pulse otra vez un billete para añadirlo de nuevo mientras se vea.</translation>
    </message>
    <message>
        <source>2. Type the amount into the New Bet field. The Bank box and the bills in the tray follow every change. This is also how you take cash back: change or clear the amount in the field.</source>
        <translation>2. Escriba la cantidad en el campo Nueva apuesta. La caja y los billetes de la bandeja siguen cada cambio. Así también recupera dinero: cambie o borre la cantidad del campo.</translation>
    </message>
    <message>
        <source>When the amount is right, click Deal. Your bet moves from the New Bet field into the game pot and the cards are dealt. While the hand is played the Bank box shows your bank less the bet in the pot. The bet is not lost yet: if you win or tie you get it back, and it leaves your bank only if you lose.</source>
        <translation>Cuando la cantidad sea la correcta, pulse Repartir. Su apuesta pasa del campo Nueva apuesta al bote y se reparten las cartas. Durante la mano, la caja muestra su dinero menos la apuesta del bote. La apuesta aún no está perdida: si gana o empata la recupera, y solo sale de su caja si pierde.</translation>
    </message>
    <message>
        <source>Mistakes cost nothing: letters, an amount larger than your bank, or a bet of $0 are refused with a message box that says what is wrong; click OK and try again.</source>
        <translation>Los errores no cuestan nada: letras, una cantidad mayor que su caja o una apuesta de $0 se rechazan con un mensaje que dice qué falla; pulse Aceptar e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>If you leave the New Bet field empty, Deal bets the same amount as last time, shown in the Last Bet box at the bottom of the window, as long as your bank still covers it; if it doesn&apos;t, a message asks you to lower your bet. The first hand of a game has no last bet, so type or click an amount for it.</source>
        <translation>Si deja vacío el campo Nueva apuesta, Repartir apuesta la misma cantidad que la vez anterior, que se ve en el campo Apuesta al pie de la ventana, siempre que su caja la cubra; si no, un mensaje le pide que apueste menos. La primera mano de una partida no tiene apuesta anterior, así que escriba o pulse una cantidad.</translation>
    </message>
    <message>
        <source>When you click Deal, your bet goes into the game pot and the dealer adds a matching bet, so the pot holds twice your bet. The whole deck is shuffled for every hand, and you and the dealer get five cards each, dealt one at a time and in turn, you first.</source>
        <translation>Al pulsar Repartir, su apuesta va al bote y el crupier añade otra igual, así que el bote tiene el doble de su apuesta. Toda la baraja se mezcla en cada mano, y usted y el crupier reciben cinco cartas cada uno, de una en una y por turnos, usted primero.</translation>
    </message>
    <message>
        <source>What the Deal button does:</source>
        <translation>Lo que hace el botón Repartir:</translation>
    </message>
    <message>
        <source>1. Closes betting for this hand: the New Bet field is put away and the bills can&apos;t be clicked until the hand is over.</source>
        <translation>1. Cierra las apuestas de esta mano: el campo Nueva apuesta se retira y los billetes no se pueden pulsar hasta que acabe la mano.</translation>
    </message>
    <message>
        <source>2. Moves your bet into the game pot and matches it: the amount in the New Bet field or, when the field is empty, the amount in the Last Bet box. The top of the table shows the Game Pot.</source>
        <translation>2. Pasa su apuesta al bote y la iguala: la cantidad del campo Nueva apuesta o, si está vacío, la del campo Apuesta. Arriba en la mesa se ve el bote.</translation>
    </message>
    <message>
        <source>3. Shuffles all 52 cards.</source>
        <translation>3. Mezcla las 52 cartas.</translation>
    </message>
    <message>
        <source>4. Deals the two hands: your cards face up, the dealer&apos;s face down.</source>
        <translation>4. Reparte las dos manos: sus cartas boca arriba y las del crupier boca abajo.</translation>
    </message>
    <message>
        <source>When the tenth card is down, the line at the bottom of the window reads &quot;Click on cards to remove and click Draw to replace&quot;, the Deal button has become the Draw button, and the draw begins. From the keyboard, Alt+D presses Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H opens the Hint window, which lists the draws you may make, best first, with your chances against the dealer: the arrow keys choose one, Enter turns over its cards and Escape closes the window without changing them.</source>
        <translation>Cuando cae la décima carta, la línea al pie de la ventana dice «Pulse las cartas a descartar y luego Cambiar», el botón Repartir se ha convertido en el botón Cambiar y empieza el descarte. Con el teclado, Alt+R pulsa Repartir y Alt+C pulsa Cambiar, las teclas 1 a 5 dan la vuelta a sus cartas de izquierda a derecha y H abre la ventana Consejo, que muestra los descartes posibles, el mejor primero, con sus probabilidades frente al crupier: las flechas eligen uno, Intro da la vuelta a sus cartas y Escape cierra la ventana sin cambiarlas.</translation>
    </message>
    <message>
        <source>After the deal you and the dealer may each throw away some cards and get new ones from the deck: up to three cards, or four if the one card kept is an ace. You draw first.</source>
        <translation>Tras el reparto, usted y el crupier pueden descartar algunas cartas y recibir otras nuevas del mazo: hasta tres, o cuatro si la carta que se queda es un as. Usted descarta primero.</translation>
    </message>
    <message>
        <source>1. Click each card you want to replace. It turns over and shows its back; click it again if you change your mind.</source>
        <translation>1. Pulse cada carta que quiera cambiar. Se da la vuelta y muestra el dorso; púlsela otra vez si cambia de idea.</translation>
    </message>
    <message>
        <source>2. Click Draw. The cards you turned over are replaced by new ones from the deck.</source>
        <translation>2. Pulse Cambiar. Las cartas vueltas se sustituyen por otras nuevas del mazo.</translation>
    </message>
    <message>
        <source>3. To keep all five cards (&quot;stand pat&quot;), click Draw without turning any card over.</source>
        <translation>3. Para quedarse con las cinco cartas («servirse»), pulse Cambiar sin dar la vuelta a ninguna.</translation>
    </message>
    <message>
        <source>If you turn over all five cards, or four while the card you keep is not an ace, the draw is refused with a message. Your cards stay turned over as you left them, so change them and click Draw again.</source>
        <translation>Si da la vuelta a las cinco cartas, o a cuatro cuando la que se queda no es un as, el descarte se rechaza con un mensaje. Sus cartas siguen vueltas como las dejó: cámbielas y pulse Cambiar otra vez.</translation>
    </message>
    <message>
        <source>Then the dealer draws for the house and tells you how many cards it took, for example &quot;Dealer takes 3&quot; (or &quot;Dealer takes 0&quot; when it keeps all five), and its new cards are dealt face down. When the dealer has drawn, its hand is turned face up for the showdown.</source>
        <translation>Luego el crupier descarta por la casa y dice cuántas cartas ha tomado, por ejemplo «El crupier toma 3» (o «El crupier toma 0» si se queda con las cinco), y sus cartas nuevas se reparten boca abajo. Cuando ha descartado, su mano se destapa para el final.</translation>
    </message>
    <message>
        <source>HOW THE DEALER DRAWS:</source>
        <translation>CÓMO DESCARTA EL CRUPIER:</translation>
    </message>
    <message>
        <source>The dealer looks only at its own five cards and always follows the same rule:</source>
        <translation>El crupier solo mira sus cinco cartas y sigue siempre la misma regla:</translation>
    </message>
    <message>
        <source>- A straight, a flush, a full house, a straight flush or a royal flush: it stands pat and takes no card.</source>
        <translation>- Escalera, color, full, escalera de color o escalera real: se sirve y no toma ninguna carta.</translation>
    </message>
    <message>
        <source>- Four of a kind: it keeps all five cards when the fifth card is a nine or higher, and otherwise draws one card in place of the fifth.</source>
        <translation>- Póker: se queda con las cinco cartas si la quinta es un nueve o más; si no, cambia la quinta.</translation>
    </message>
    <message>
        <source>- Three of a kind: it keeps the three and draws two.</source>
        <translation>- Trío: se queda con el trío y toma dos.</translation>
    </message>
    <message>
        <source>- Two pair: it keeps both pairs and draws one.</source>
        <translation>- Doble pareja: se queda con las dos parejas y toma una.</translation>
    </message>
    <message>
        <source>- One pair: it keeps the pair and draws three.</source>
        <translation>- Una pareja: se queda con la pareja y toma tres.</translation>
    </message>
    <message>
        <source>- No pair: it keeps an ace and a king, or, without an ace, its two highest cards, and draws three. With an ace but no king it keeps the ace alone and draws four; as it announces the draw it turns that ace face up at the left of its row.</source>
        <translation>- Nada: se queda con un as y un rey o, sin as, con sus dos cartas más altas, y toma tres. Con un as pero sin rey se queda solo con el as y toma cuatro; al anunciar el descarte pone ese as boca arriba a la izquierda de su fila.</translation>
    </message>
    <message>
        <source>The dealer never keeps a single unmatched card beside a pair or three of a kind, and never draws to four cards of a flush or a straight.</source>
        <translation>El crupier nunca se queda con una carta suelta junto a una pareja o un trío, y nunca va a por cuatro cartas de color o de escalera.</translation>
    </message>
    <message>
        <source>THE BEST DRAW:</source>
        <translation>EL MEJOR DESCARTE:</translation>
    </message>
    <message>
        <source>Because the dealer always follows that rule, every draw you could make has a chance of beating it that can be worked out, and one draw is the best. Drawing as the dealer does comes close: keep a pair, two pair or three of a kind and throw away the rest; without a pair keep an ace and a king, or an ace alone, or your two highest cards. Where the best draw differs most is four cards of a straight flush: draw one card to them. Four cards of a plain flush or straight win less often than two high cards.</source>
        <translation>Como el crupier sigue siempre esa regla, cada descarte posible tiene una probabilidad calculable de ganarle, y uno es el mejor. Descartar como el crupier se acerca mucho: quédese con una pareja, doble pareja o trío y tire el resto; sin pareja, quédese con as y rey, un as solo o sus dos cartas más altas. Donde más se aparta el mejor descarte es con cuatro cartas de escalera de color: cambie una carta. Cuatro cartas de un color o de una escalera simple ganan menos que dos cartas altas.</translation>
    </message>
    <message>
        <source>Drawing as the dealer does makes the game even, as you then play by the dealer&apos;s own rule. The best draw does a little better: over 3,000 random hands it gained 0.15% of the bet per hand, so against the best play the house&apos;s edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The house wins nothing from a player who draws the best way.</source>
        <translation>Descartar como el crupier hace el juego equilibrado, porque entonces juega con la misma regla que él. El mejor descarte lo hace un poco mejor: en 3,000 manos al azar ganó un 0.15% de la apuesta por mano, así que frente al mejor juego la ventaja de la casa es de -0.15%, entre -0.17% y -0.12% con un 95% de confianza. La casa no gana nada a quien descarta de la mejor manera.</translation>
    </message>
    <message>
        <source>When both of you have drawn, the dealer&apos;s hand is turned face up and both hands are ranked. The name of each hand appears under it (a High Card hand, with no pair or better, shows no name there), and the result is announced above the dealer&apos;s cards. The &quot;Hand Rankings&quot; page shows which hand beats which.</source>
        <translation>Cuando los dos han descartado, la mano del crupier se destapa y se valoran las dos manos. El nombre de cada mano aparece debajo (una carta alta, sin pareja ni nada mejor, no muestra nombre) y el resultado se anuncia sobre las cartas del crupier. La página «Jugadas» muestra qué mano gana a cuál.</translation>
    </message>
    <message>
        <source>You win (&quot;You&apos;re a winner!&quot;): the pot is yours, so your bank grows by the amount of your bet.</source>
        <translation>Usted gana («¡Usted gana!»): el bote es suyo y su caja crece en lo que apostó.</translation>
    </message>
    <message>
        <source>The dealer wins (&quot;Dealer wins!&quot;): the pot goes to the house, so your bank drops by the amount of your bet.</source>
        <translation>Gana el crupier («¡Gana el crupier!»): el bote es para la casa y su caja baja en lo que apostó.</translation>
    </message>
    <message>
        <source>A push (&quot;Push.. Split the Pot!&quot;): the hands are equal, each side takes back its own bet and your bank stays as it was. Suits never break a tie.</source>
        <translation>Empate («Empate.. ¡Bote repartido!»): las manos son iguales, cada uno recupera su apuesta y su caja queda igual. Los palos nunca deshacen empates.</translation>
    </message>
    <message>
        <source>Then betting opens for the next hand. The cards stay on the table until you click Deal again.</source>
        <translation>Después se abren las apuestas para la mano siguiente. Las cartas siguen en la mesa hasta que pulse Repartir de nuevo.</translation>
    </message>
    <message>
        <source>If you lose a hand and your bank is left at $0, you are bankrupt and the game is over. The house then offers you a credit extension: click New Game to start a new game with the same name and starting bank, View Stats to look back at the game, or Exit to leave Velmora. &quot;Credit extension&quot; is only a name: nothing is owed. The new game asks whether to keep the statistics; if you keep them, the new game is counted under &quot;Bankrupts/Resets&quot;, and if you don&apos;t, every figure starts again from zero. New Game in the Game menu (F2) starts over in the same way, and is counted the same way, at any time after the first deal of a game.</source>
        <translation>Si pierde una mano y su caja se queda en $0, está en bancarrota y la partida termina. La casa le ofrece entonces un nuevo crédito: pulse Revancha para empezar otra con el mismo nombre y capital inicial, Estadísticas para repasar la partida o Salir para dejar Velmora. «Crédito» es solo un nombre: no debe nada. La nueva partida pregunta si conservar las estadísticas; si las conserva, la nueva partida cuenta en «Bancarrotas/Reinicios», y si no, todas las cifras vuelven a cero. Nueva partida en el menú Juego (F2) empieza de nuevo igual, y cuenta igual, en cualquier momento tras el primer reparto de una partida.</translation>
    </message>
    <message>
        <source>In Velmora a deck is the picture on the backs of the cards; every deck holds the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below rocky crags, swirling clouds, two clowns and a red bridge. You can choose a deck, or tick &quot;Randomize&quot; to let the dealer pick one at random before each hand.</source>
        <translation>En Velmora una baraja es el dibujo del dorso de las cartas; todas tienen las mismas 52 cartas. Hay diez: un payaso riendo, un faro, un vaquero en un caballo que corcovea, cerdos jugando a las cartas, una iglesia, la torre Eiffel, un barco bajo acantilados, nubes en remolino, dos payasos y un puente rojo. Puede elegir una baraja o marcar «Al azar» para que el crupier escoja una antes de cada mano.</translation>
    </message>
    <message>
        <source>1. On the welcome screen at the start: click the card picture until it shows the deck you want, or tick Randomize.</source>
        <translation>1. En la pantalla de bienvenida: pulse el dibujo de la carta hasta que muestre la baraja que quiere, o marque Al azar.</translation>
    </message>
    <message>
        <source>2. During the game: while you are betting, before you click Deal, choose Decks... from the Game menu (or press F7). Click the deck you want (a red frame marks it) and click OK, or simply double-click it. Cancel keeps the deck you had.</source>
        <translation>2. Durante la partida: mientras apuesta, antes de pulsar Repartir, elija Barajas... en el menú Juego (o pulse F7). Pulse la baraja que quiere (un marco rojo la señala) y luego Aceptar, o haga doble clic en ella. Cancelar mantiene la baraja que tenía.</translation>
    </message>
    <message>
        <source>The deck you choose is used from the very next deal on and stays until you change it, also in a new game. The Decks... dialog has its own Randomize box.</source>
        <translation>La baraja elegida se usa desde el siguiente reparto y sigue hasta que la cambie, también en una partida nueva. La ventana Barajas... tiene su propia casilla Al azar.</translation>
    </message>
    <message>
        <source>While Randomize is ticked, single decks cannot be chosen: clicking a deck does nothing. Untick Randomize first to pick one yourself.</source>
        <translation>Mientras Al azar esté marcada no se pueden elegir barajas sueltas: pulsar una baraja no hace nada. Desmarque primero Al azar para elegir una usted.</translation>
    </message>
    <message>
        <source>While you play, Velmora keeps statistics of the current game: hands played and won, your winning percentage, your starting, average and highest bank, your average and highest bet, bankruptcies, the longest winning streaks of you and the dealer, the best hand of each of you, how many hands of each rank you each ended with, how many cards you each drew, and how often the draw improved a hand.</source>
        <translation>Mientras juega, Velmora lleva estadísticas de la partida actual: manos jugadas y ganadas, su porcentaje de victorias, su capital inicial, medio y máximo, su apuesta media y máxima, las bancarrotas, las rachas ganadoras más largas de usted y del crupier, la mejor mano de cada uno, cuántas manos de cada jugada terminó cada uno, cuántas cartas cambió cada uno y cuántas veces el descarte mejoró una mano.</translation>
    </message>
    <message>
        <source>To see them, choose Statistics... from the Game menu (or press F5) at any time. The Summary page shows the figures of the game and the best hands; the Accumulative page counts the hand rankings and the draws of you and the dealer. Click Close to go back to the table.</source>
        <translation>Para verlas, elija Estadísticas... en el menú Juego (o pulse F5) cuando quiera. La página Resumen muestra las cifras de la partida y las mejores manos; la página Acumulado cuenta las jugadas y los descartes de usted y del crupier. Pulse Cerrar para volver a la mesa.</translation>
    </message>
    <message>
        <source>A push counts as a hand played but not as a win. The average bank is taken over your starting bank and your bank after every hand. A draw &quot;improved&quot; a hand when the hand after the draw beats the hand as it was dealt.</source>
        <translation>Un empate cuenta como mano jugada pero no como victoria. La caja media se calcula sobre su capital inicial y su caja tras cada mano. Un descarte «mejoró» una mano cuando la mano después del descarte gana a la mano tal como se repartió.</translation>
    </message>
    <message>
        <source>The statistics are updated at the end of each hand, when the winner is known; only the draws are counted as soon as they are made. A new game asks whether to keep the statistics or to start them afresh.</source>
        <translation>Las estadísticas se actualizan al final de cada mano, cuando se conoce el ganador; solo los descartes se cuentan en cuanto se hacen. Una partida nueva pregunta si conservar las estadísticas o empezarlas de cero.</translation>
    </message>
    <message>
        <source>Whenever the statistics window shows your current game you can save its figures, and open them again later, for instance to keep a record of your best games.</source>
        <translation>Siempre que la ventana de estadísticas muestre su partida actual puede guardar sus cifras y abrirlas más tarde, por ejemplo para recordar sus mejores partidas.</translation>
    </message>
    <message>
        <source>1. Open the statistics window: Statistics... in the Game menu, or F5.</source>
        <translation>1. Abra la ventana de estadísticas: Estadísticas... en el menú Juego, o F5.</translation>
    </message>
    <message>
        <source>2. Choose Save... from its Stats menu, or click the first of the picture buttons at its top left (its tip reads &quot;Save Stats...&quot;).</source>
        <translation>2. Elija Guardar... en su menú Estadísticas, o pulse el primero de los botones con dibujo de arriba a la izquierda (su ayuda dice «Guardar estadísticas...»).</translation>
    </message>
    <message>
        <source>3. Choose a folder and a file name and click Save. The file is given the extension .vlm. If a file of that name exists, you are asked whether to replace it.</source>
        <translation>3. Elija una carpeta y un nombre de archivo y pulse Guardar. El archivo recibe la extensión .vlm. Si ya existe un archivo con ese nombre, se le pregunta si quiere sustituirlo.</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:</source>
        <translation>VER ESTADÍSTICAS GUARDADAS:</translation>
    </message>
    <message>
        <source>An opened file takes the place of the current figures in the statistics window for as long as you look at it; the window&apos;s title shows the file&apos;s name. Your current game goes on unchanged.</source>
        <translation>Un archivo abierto ocupa el lugar de las cifras actuales en la ventana de estadísticas mientras lo mira; el título de la ventana muestra el nombre del archivo. Su partida actual sigue sin cambios.</translation>
    </message>
    <message>
        <source>1. In the statistics window, choose Open... from the Stats menu, or click the second picture button (&quot;Open saved Stats..&quot;).</source>
        <translation>1. En la ventana de estadísticas, elija Abrir... en el menú Estadísticas, o pulse el segundo botón con dibujo («Abrir estadísticas guardadas..»).</translation>
    </message>
    <message>
        <source>2. Pick a .vlm file and click Open.</source>
        <translation>2. Elija un archivo .vlm y pulse Abrir.</translation>
    </message>
    <message>
        <source>3. To return to the current game, choose Current Game from the Stats menu or click the third picture button (&quot;Current Game Stats&quot;). The statistics window always opens on the current game.</source>
        <translation>3. Para volver a la partida actual, elija Partida actual en el menú Estadísticas o pulse el tercer botón con dibujo («Estadísticas de la partida»). La ventana de estadísticas siempre se abre con la partida actual.</translation>
    </message>
    <message>
        <source>Saved statistics are a record of your best games: they can only be viewed and never become the figures of the current game, so a saved game cannot be continued. While a saved file is shown, saving is switched off. A file that is damaged or was not written by Velmora is refused with a message, and the window stays as it was.</source>
        <translation>Las estadísticas guardadas son un recuerdo de sus mejores partidas: solo se pueden ver y nunca pasan a ser las cifras de la partida actual, así que una partida guardada no se puede continuar. Mientras se ve un archivo guardado, guardar está desactivado. Un archivo dañado o que no escribió Velmora se rechaza con un mensaje, y la ventana queda como estaba.</translation>
    </message>
    <message>
        <source>Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights Reserved except as granted by the GNU General Public License, which grants you a great deal:</source>
        <translation>Velmora ver 2.10. Copyright © 2026 los desarrolladores de Velmora. Todos los derechos reservados salvo los que concede la Licencia Pública General de GNU, que le concede muchos:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Velmora es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU publicada por la Free Software Foundation, ya sea la versión 3 de la licencia o (a su elección) cualquier versión posterior.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study how it works and change it, and give copies to anyone, with or without your changes, free of charge or for a fee. Whoever passes the program on must do so under the same licence, offer its complete source code, keep every copyright and licence notice intact and add no further restrictions.</source>
        <translation>En pocas palabras: puede usar Velmora para cualquier fin, estudiar cómo funciona y cambiarlo, y dar copias a quien quiera, con o sin sus cambios, gratis o cobrando. Quien pase el programa a otros debe hacerlo con la misma licencia, ofrecer su código fuente completo, mantener intactos todos los avisos de copyright y de licencia y no añadir más restricciones.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck &quot;svg-standard&quot; (GNU GPL version 2 or later); some card backs use public-domain clip art from the Open Clip Art Library. The file CREDITS.md names every source.</source>
        <translation>Las caras de las cartas proceden de la baraja «svg-standard» de los juegos de KDE (GNU GPL versión 2 o posterior); algunos dorsos usan imágenes de dominio público de la Open Clip Art Library. El archivo CREDITS.md cita cada fuente.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>La licencia completa está en el archivo COPYING que acompaña a Velmora; vea también https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:</source>
        <translation>RENUNCIA DE GARANTÍA:</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted by applicable law. Except when otherwise stated in writing, the copyright holders and/or other parties provide the program &quot;as is&quot; without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality and performance of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.</source>
        <translation>Velmora no tiene garantía, en la medida en que lo permita la ley aplicable. Salvo que se indique otra cosa por escrito, los titulares del copyright y/u otras partes ofrecen el programa «tal cual», sin garantía de ningún tipo, ni expresa ni implícita, incluidas, entre otras, las garantías implícitas de comerciabilidad y de idoneidad para un fin determinado. Todo el riesgo en cuanto a la calidad y el funcionamiento del programa es suyo. Si el programa resultara defectuoso, usted asume el coste de todo mantenimiento, reparación o corrección necesarios.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed to in writing, will any copyright holder, or any other party who modifies and/or conveys the program as permitted above, be liable to you for damages, including any general, special, incidental or consequential damages arising out of the use or inability to use the program (including but not limited to loss of data or data being rendered inaccurate or losses sustained by you or third parties or a failure of the program to operate with any other programs), even if such holder or other party has been advised of the possibility of such damages.</source>
        <translation>En ningún caso, salvo que lo exija la ley aplicable o se haya acordado por escrito, ningún titular del copyright ni ninguna otra parte que modifique y/o distribuya el programa como se permite arriba será responsable ante usted por daños, incluidos los daños generales, especiales, incidentales o consecuentes que se deriven del uso o de la imposibilidad de usar el programa (incluidas, entre otras, la pérdida de datos, datos que resulten inexactos, pérdidas sufridas por usted o por terceros o un fallo del programa al funcionar con otros programas), aunque dicho titular u otra parte haya sido advertido de la posibilidad de tales daños.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and no real money is ever bet, won or lost.</source>
        <translation>A Velmora se juega por diversión: sus dólares son dinero de juego y nunca se apuesta, gana ni pierde dinero real.</translation>
    </message>
    <message>
        <source>Velmora is made by a group of volunteers, the Velmora developers, and they would be glad to hear from you. Write to them:</source>
        <translation>Velmora lo hace un grupo de voluntarios, los desarrolladores de Velmora, que estarán encantados de saber de usted. Escríbales:</translation>
    </message>
    <message>
        <source>- to ask about new releases and what they will bring;</source>
        <translation>- para preguntar por nuevas versiones y lo que traerán;</translation>
    </message>
    <message>
        <source>- with comments and suggestions, or ideas for the game;</source>
        <translation>- con comentarios y sugerencias, o ideas para el juego;</translation>
    </message>
    <message>
        <source>- to report an error in the game or in this help;</source>
        <translation>- para informar de un error en el juego o en esta ayuda;</translation>
    </message>
    <message>
        <source>- with questions about the licence, or about using Velmora&apos;s code or pictures in your own work.</source>
        <translation>- con preguntas sobre la licencia, o sobre el uso del código o las imágenes de Velmora en su propio trabajo.</translation>
    </message>
    <message>
        <source>WHERE TO WRITE:</source>
        <translation>DÓNDE ESCRIBIR:</translation>
    </message>
    <message>
        <source>The Velmora developers</source>
        <translation>Los desarrolladores de Velmora</translation>
    </message>
    <message>
        <source>The project&apos;s issue tracker; see the README that comes with Velmora.</source>
        <translation>El gestor de incidencias del proyecto; vea el README que acompaña a Velmora.</translation>
    </message>
    <message>
        <source>When you report an error, please say what you did, what you expected and what happened instead, and name the version: Velmora ver 2.10, as shown on the License page of About... in the Help menu.</source>
        <translation>Cuando informe de un error, diga qué hizo, qué esperaba y qué pasó en su lugar, e indique la versión: Velmora ver 2.10, como se ve en la página Licencia de Acerca de... en el menú Ayuda.</translation>
    </message>
    <message>
        <source>GAME OVERVIEW:</source>
        <translation>RESUMEN DEL JUEGO:</translation>
    </message>
    <message>
        <source>BETTING:</source>
        <translation>LAS APUESTAS:</translation>
    </message>
    <message>
        <source>THE DEAL:</source>
        <translation>EL REPARTO:</translation>
    </message>
    <message>
        <source>DRAWING CARDS:</source>
        <translation>EL DESCARTE:</translation>
    </message>
    <message>
        <source>THE SHOWDOWN:</source>
        <translation>LA MANO FINAL:</translation>
    </message>
    <message>
        <source>SELECTING A DECK:</source>
        <translation>ELEGIR BARAJA:</translation>
    </message>
    <message>
        <source>GAME STATISTICS:</source>
        <translation>ESTADÍSTICAS:</translation>
    </message>
    <message>
        <source>SAVING GAME STATISTICS:</source>
        <translation>GUARDAR ESTADÍSTICAS:</translation>
    </message>
    <message>
        <source>LICENSE AGREEMENT:</source>
        <translation>LICENCIA:</translation>
    </message>
    <message>
        <source>CONTACTING THE AUTHOR:</source>
        <translation>CONTACTO:</translation>
    </message>
    <message>
        <source>All rights are reserved except those that the GNU General</source>
        <translation>Todos los derechos reservados salvo los que le da la</translation>
    </message>
    <message>
        <source>Public License gives you, and it gives you a great many:</source>
        <translation>Licencia Pública General de GNU, que le da muchísimos:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or</source>
        <translation>Velmora es software libre: puede redistribuirlo</translation>
    </message>
    <message>
        <source>modify it under the terms of the GNU General Public License</source>
        <translation>y/o modificarlo según los términos de la Licencia</translation>
    </message>
    <message>
        <source>as published by the Free Software Foundation, either</source>
        <translation>Pública General de GNU publicada por la Free Software</translation>
    </message>
    <message>
        <source>version 3 of the License, or (at your option) any later</source>
        <translation>Foundation, ya sea la versión 3 de la licencia</translation>
    </message>
    <message>
        <source>version.</source>
        <translation>o (a su elección) cualquier versión posterior.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study</source>
        <translation>En pocas palabras: puede usar Velmora para</translation>
    </message>
    <message>
        <source>how it works and change it, and give copies to anyone, with</source>
        <translation>cualquier fin, estudiar cómo funciona y cambiarlo,</translation>
    </message>
    <message>
        <source>or without your changes, free of charge or for a fee.</source>
        <translation>y dar copias a quien quiera, con o sin sus cambios,</translation>
    </message>
    <message>
        <source>Whoever passes the program on must do so under the same</source>
        <translation>gratis o cobrando. Quien pase el programa a otros</translation>
    </message>
    <message>
        <source>licence, offer its complete source code, keep every</source>
        <translation>debe hacerlo con la misma licencia, ofrecer su código</translation>
    </message>
    <message>
        <source>copyright and licence notice intact and add no further</source>
        <translation>fuente completo, mantener intactos todos los avisos de</translation>
    </message>
    <message>
        <source>restrictions.</source>
        <translation>copyright y de licencia y no añadir más restricciones.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck</source>
        <translation>Las caras de las cartas proceden de la baraja «svg-standard»</translation>
    </message>
    <message>
        <source>&quot;svg-standard&quot; (GNU GPL version 2 or later); some card</source>
        <translation>de los juegos de KDE (GNU GPL versión 2 o posterior);</translation>
    </message>
    <message>
        <source>backs use public-domain clip art from the Open Clip Art</source>
        <translation>algunos dorsos usan imágenes de dominio público de la Open</translation>
    </message>
    <message>
        <source>Library. The file CREDITS.md names every source.</source>
        <translation>Clip Art Library. El archivo CREDITS.md cita cada fuente.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes</source>
        <translation>La licencia completa está en el archivo COPYING que acompaña</translation>
    </message>
    <message>
        <source>with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>a Velmora; vea también https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted</source>
        <translation>Velmora no tiene garantía, en la medida en que lo</translation>
    </message>
    <message>
        <source>by applicable law. Except when otherwise stated in</source>
        <translation>permita la ley aplicable. Salvo que se indique otra cosa</translation>
    </message>
    <message>
        <source>writing, the copyright holders and/or other parties</source>
        <translation>por escrito, los titulares del copyright y/u otras partes</translation>
    </message>
    <message>
        <source>provide the program &quot;as is&quot; without warranty of any kind,</source>
        <translation>ofrecen el programa «tal cual», sin garantía de ningún</translation>
    </message>
    <message>
        <source>either expressed or implied, including, but not limited</source>
        <translation>tipo, ni expresa ni implícita, incluidas, entre otras,</translation>
    </message>
    <message>
        <source>to, the implied warranties of merchantability and fitness</source>
        <translation>las garantías implícitas de comerciabilidad y de idoneidad</translation>
    </message>
    <message>
        <source>for a particular purpose. The entire risk as to the</source>
        <translation>para un fin determinado. Todo el riesgo en cuanto a la</translation>
    </message>
    <message>
        <source>quality and performance of the program is with you.</source>
        <translation>calidad y el funcionamiento del programa es suyo. Si el</translation>
    </message>
    <message>
        <source>Should the program prove defective, you assume the cost</source>
        <translation>programa resultara defectuoso, usted asume el coste de</translation>
    </message>
    <message>
        <source>of all necessary servicing, repair or correction.</source>
        <translation>todo mantenimiento, reparación o corrección necesarios.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed</source>
        <translation>En ningún caso, salvo que lo exija la ley</translation>
    </message>
    <message>
        <source>to in writing, will any copyright holder, or any other</source>
        <translation>aplicable o se haya acordado por escrito, ningún titular del</translation>
    </message>
    <message>
        <source>party who modifies and/or conveys the program as</source>
        <translation>copyright ni ninguna otra parte que modifique y/o distribuya</translation>
    </message>
    <message>
        <source>permitted above, be liable to you for damages, including</source>
        <translation>el programa como se permite arriba será responsable ante</translation>
    </message>
    <message>
        <source>any general, special, incidental or consequential damages</source>
        <translation>usted por daños, incluidos los daños generales, especiales,</translation>
    </message>
    <message>
        <source>arising out of the use or inability to use the program</source>
        <translation>incidentales o consecuentes que se deriven del uso o de la</translation>
    </message>
    <message>
        <source>(including but not limited to loss of data or data being</source>
        <translation>imposibilidad de usar el programa (incluidas, entre otras,</translation>
    </message>
    <message>
        <source>rendered inaccurate or losses sustained by you or third</source>
        <translation>la pérdida de datos, datos que resulten inexactos, pérdidas</translation>
    </message>
    <message>
        <source>parties or a failure of the program to operate with any</source>
        <translation>sufridas por usted o por terceros o un fallo del programa al</translation>
    </message>
    <message>
        <source>other programs), even if such holder or other party has</source>
        <translation>funcionar con otros programas), aunque dicho titular u otra</translation>
    </message>
    <message>
        <source>been advised of the possibility of such damages.</source>
        <translation>parte haya sido advertido de la posibilidad de tales daños.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and</source>
        <translation>A Velmora se juega por diversión: sus dólares son dinero</translation>
    </message>
    <message>
        <source>no real money is ever bet, won or lost.</source>
        <translation>de juego y nunca se apuesta, gana ni pierde dinero real.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmora developers</source>
        <translation>Copyright © 2026 los autores de Velmora</translation>
    </message>
    <message>
        <source>All Rights Reserved</source>
        <translation>Todos los derechos reservados</translation>
    </message>
</context>
</TS>
