<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GameWords</name>
    <message>
        <source>Pair</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dois pares</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Sequência</translation>
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
        <translation>Quadra</translation>
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
        <translation>dois</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>quatro</translation>
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
        <translation>sete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>King</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>Deuces</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>três</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>quatros</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>cincos</translation>
    </message>
    <message>
        <source>Sixs</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>Sevens</source>
        <translation>setes</translation>
    </message>
    <message>
        <source>Eights</source>
        <translation>oitos</translation>
    </message>
    <message>
        <source>Nines</source>
        <translation>noves</translation>
    </message>
    <message>
        <source>Tens</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>Jacks</source>
        <translation>valetes</translation>
    </message>
    <message>
        <source>Queens</source>
        <translation>damas</translation>
    </message>
    <message>
        <source>Kings</source>
        <translation>reis</translation>
    </message>
    <message>
        <source>Aces</source>
        <translation>ases</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name, &quot;Ace of Spades&quot;: %1 the rank, %2 the suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Nenhuma)</translation>
    </message>
    <message>
        <source>Hand Rank program error.. Please notify the author</source>
        <translation>Erro do programa ao avaliar a mão. Avise os autores</translation>
    </message>
    <message>
        <source>Royal Flush 
(%1)</source>
        <translation>Royal flush 
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
        <translation>Par de %1 
(kicker %2)</translation>
    </message>
    <message>
        <source>Two Pair 
(%1 and %2)</source>
        <translation>Dois pares 
(%1 e %2)</translation>
    </message>
    <message>
        <source>Full House 
(%1 over %2)</source>
        <extracomment>%1 the rank of the three, %2 the rank of the two.</extracomment>
        <translation>Full house 
(%1 com %2)</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Trinca de %1</translation>
    </message>
    <message>
        <source>%1 high Straight</source>
        <translation>Sequência até %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Quadra de %1</translation>
    </message>
    <message>
        <source>%1 high Flush 
(%2)</source>
        <translation>Flush até %1 
(de %2)</translation>
    </message>
    <message>
        <source>%1 high Straight Flush 
(%2)</source>
        <translation>Straight flush até %1 
(de %2)</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>in a card&apos;s name</comment>
        <translation>copas</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <comment>in a card&apos;s name</comment>
        <translation>ouros</translation>
    </message>
    <message>
        <source>Clubs</source>
        <comment>in a card&apos;s name</comment>
        <translation>paus</translation>
    </message>
    <message>
        <source>Spades</source>
        <comment>in a card&apos;s name</comment>
        <translation>espadas</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>%1, marked for discard</source>
        <extracomment>Spoken: %1 the card&apos;s name.</extracomment>
        <translation>%1, marcada para descarte</translation>
    </message>
    <message>
        <source>$%1 bundle</source>
        <translation>maço de $%1</translation>
    </message>
    <message>
        <source>$%1 bill</source>
        <translation>nota de $%1</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
</context>
<context>
    <name>StatFileWriting</name>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
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
        <translation>Sobre o Velmora</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
</context>
<context>
    <name>velmora::TDecks</name>
    <message>
        <source>Select a Deck</source>
        <translation>Escolher baralho</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Aleatório</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Falido!</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>View &amp;Stats</source>
        <translation>&amp;Estatísticas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>Thanks for playing</source>
        <translation>Obrigado por jogar</translation>
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
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>Betting</source>
        <translation>As apostas</translation>
    </message>
    <message>
        <source>The Deal</source>
        <translation>A distribuição</translation>
    </message>
    <message>
        <source>Drawing Cards</source>
        <translation>A troca</translation>
    </message>
    <message>
        <source>The Showdown</source>
        <translation>O showdown</translation>
    </message>
    <message>
        <source>Selecting a Deck</source>
        <translation>Escolher baralho</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Saving Game Statistics</source>
        <translation>Salvar estatísticas</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Contacting the Author</source>
        <translation>Contato</translation>
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
        <translation>#3 - Quadra</translation>
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
        <translation>#6 - Sequência</translation>
    </message>
    <message>
        <source>#7 - Three of a Kind</source>
        <translation>#7 - Trinca</translation>
    </message>
    <message>
        <source>#8 - Two Pair</source>
        <translation>#8 - Dois pares</translation>
    </message>
    <message>
        <source>#9 - Pair</source>
        <translation>#9 - Par</translation>
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
        <translation>Regras da casa:</translation>
    </message>
    <message>
        <source>Features:</source>
        <translation>Recursos:</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>Outros:</translation>
    </message>
    <message>
        <source>Hand Rankings:</source>
        <translation>Ranking das mãos:</translation>
    </message>
    <message>
        <source>Velmora Help</source>
        <translation>Ajuda do Velmora</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Hand Rankings</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
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
        <translation>Dica</translation>
    </message>
    <message>
        <source>discard choices, best first</source>
        <translation>trocas possíveis, a melhor primeiro</translation>
    </message>
    <message>
        <source>Stand pat</source>
        <extracomment>Joins the names of the cards to discard.</extracomment>
        <translation>Ficar com a mão</translation>
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
        <translation>%1 — ganha %2 %, empata %3 %, perde %4 %</translation>
    </message>
</context>
<context>
    <name>velmora::TIntroDlg</name>
    <message>
        <source>Welcome to Velmora</source>
        <translation>Bem-vindo ao Velmora</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Bem-vindo ao Velmora!</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>Select Starting Bank Amount:</source>
        <translation>Escolha a banca inicial:</translation>
    </message>
    <message>
        <source>Click card</source>
        <translation>Clique na carta</translation>
    </message>
    <message>
        <source>to select a deck</source>
        <translation>para mudar o baralho</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Aleatório</translation>
    </message>
    <message>
        <source>Sound </source>
        <translation>Som </translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Enter </source>
        <translation>&amp;Entrar </translation>
    </message>
    <message>
        <source>Illegal Name Entry</source>
        <translation>Nome inválido</translation>
    </message>
    <message>
        <source>Name must be 10 letters or less.
        Try Again..</source>
        <translation>O nome pode ter no máximo 10 letras.
        Tente de novo..</translation>
    </message>
</context>
<context>
    <name>velmora::TMainForm</name>
    <message>
        <source>Game Pot:  $%1</source>
        <translation>Pote:  $%1</translation>
    </message>
    <message>
        <source>Last Bet: $%1</source>
        <translation>Aposta: $%1</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vazio)</translation>
    </message>
    <message>
        <source>Bank: $%1</source>
        <translation>Banca: $%1</translation>
    </message>
    <message>
        <source>Bet $%1</source>
        <translation>Apostar $%1</translation>
    </message>
    <message>
        <source>Place Your Bet..</source>
        <translation>Façam suas apostas..</translation>
    </message>
    <message>
        <source>  Enter your bet and click Deal to start</source>
        <translation>  Digite a aposta e clique em Dar cartas</translation>
    </message>
    <message>
        <source>  Change your bet or click Deal to play</source>
        <translation>  Mude a aposta ou clique em Dar cartas</translation>
    </message>
    <message>
        <source>Welcome to Velmora!</source>
        <translation>Bem-vindo ao Velmora!</translation>
    </message>
    <message>
        <source>Sound Error</source>
        <translation>Erro de som</translation>
    </message>
    <message>
        <source>    Could not initiate sound file.
The Sound option will be disabled.</source>
        <translation>    Não foi possível abrir o arquivo de som.
O som será desligado.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Save current statistics?</source>
        <translation>Manter as estatísticas atuais?</translation>
    </message>
    <message>
        <source>Dealer</source>
        <translation>Crupiê</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>deck</source>
        <translation>monte</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Trocar</translation>
    </message>
    <message>
        <source>&amp;Deal</source>
        <translation>&amp;Dar cartas</translation>
    </message>
    <message>
        <source>cash tray</source>
        <translation>bandeja de dinheiro</translation>
    </message>
    <message>
        <source>bet field frame</source>
        <translation>moldura da aposta</translation>
    </message>
    <message>
        <source>New Bet</source>
        <translation>Nova aposta</translation>
    </message>
    <message>
        <source>closed cash tray</source>
        <translation>bandeja de dinheiro fechada</translation>
    </message>
    <message>
        <source>Last Bet:</source>
        <translation>Aposta:</translation>
    </message>
    <message>
        <source>Bank:</source>
        <translation>Banca:</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estatísticas...</translation>
    </message>
    <message>
        <source>&amp;Decks...</source>
        <translation>&amp;Baralhos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Conteúdo...</translation>
    </message>
    <message>
        <source>&amp;About... </source>
        <translation>S&amp;obre... </translation>
    </message>
    <message>
        <source>Bet Error</source>
        <translation>Erro na aposta</translation>
    </message>
    <message>
        <source>Illegal Draw</source>
        <translation>Troca inválida</translation>
    </message>
    <message>
        <source>Illegal Bet</source>
        <translation>Aposta inválida</translation>
    </message>
    <message>
        <source>Invalid bet charactor!</source>
        <translation>Caractere inválido na aposta!</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!</source>
        <translation>Você não tem tudo isso!</translation>
    </message>
    <message>
        <source>Your last bet exceeds your bank account!
         Decrease your bet..</source>
        <translation>Sua última aposta passa da sua banca!
         Aposte menos..</translation>
    </message>
    <message>
        <source>No betting charactors!
      Try again..</source>
        <translation>Aposta inválida!
      Tente de novo..</translation>
    </message>
    <message>
        <source>You don&apos;t have that much!
       Try again..</source>
        <translation>Você não tem tudo isso!
       Tente de novo..</translation>
    </message>
    <message>
        <source>You Can&apos;t draw 5!</source>
        <translation>Não dá para trocar 5!</translation>
    </message>
    <message>
        <source>You can only Draw 4 to an Ace!</source>
        <translation>Só se trocam 4 com um ás!</translation>
    </message>
    <message>
        <source>You must bet something..</source>
        <translation>Você precisa apostar algo..</translation>
    </message>
    <message>
        <source>  Click on cards to remove and click Draw to replace</source>
        <translation>  Clique nas cartas a descartar e depois em Trocar</translation>
    </message>
    <message>
        <source>Dealer takes %1</source>
        <translation>O crupiê pega %1</translation>
    </message>
    <message>
        <source>Dealer wins!</source>
        <translation>O crupiê ganha!</translation>
    </message>
    <message>
        <source>You&apos;re a winner!</source>
        <translation>Você ganhou!</translation>
    </message>
    <message>
        <source>Push.. Split the Pot!</source>
        <translation>Empate.. Pote dividido!</translation>
    </message>
    <message>
        <source>headline</source>
        <translation>manchete</translation>
    </message>
    <message>
        <source>announcement</source>
        <translation>anúncio</translation>
    </message>
    <message>
        <source>dealer&apos;s hand</source>
        <translation>mão do crupiê</translation>
    </message>
    <message>
        <source>your hand</source>
        <translation>sua mão</translation>
    </message>
    <message>
        <source>status line</source>
        <translation>linha de status</translation>
    </message>
    <message>
        <source>last bet</source>
        <translation>última aposta</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>banca</translation>
    </message>
    <message>
        <source>Dealer&apos;s hand: </source>
        <translation>Mão do crupiê: </translation>
    </message>
    <message>
        <source>Your hand: </source>
        <translation>Sua mão: </translation>
    </message>
    <message>
        <source>dealer&apos;s card %1</source>
        <translation>carta %1 do crupiê</translation>
    </message>
    <message>
        <source>your card %1</source>
        <translation>sua carta %1</translation>
    </message>
</context>
<context>
    <name>velmora::TStatBox</name>
    <message>
        <source>Velmora Game Stats (*.vlm)</source>
        <translation>Estatísticas do Velmora (*.vlm)</translation>
    </message>
    <message>
        <source>Save Stats...</source>
        <translation>Salvar estatísticas...</translation>
    </message>
    <message>
        <source>Current Game Stats</source>
        <translation>Estatísticas do jogo</translation>
    </message>
    <message>
        <source>Current Game Statistics</source>
        <translation>Estatísticas do jogo atual</translation>
    </message>
    <message>
        <source>S&amp;tats</source>
        <translation>Es&amp;tatísticas</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Current &amp;Game</source>
        <translation>&amp;Jogo atual</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Aj&amp;uda...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Open saved Stats..</source>
        <translation>Abrir estatísticas salvas..</translation>
    </message>
    <message>
        <source>Velmora Help...</source>
        <translation>Ajuda do Velmora...</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Accumulative</source>
        <translation>Acumulado</translation>
    </message>
    <message>
        <source>%1 won:  %2</source>
        <translation>%1 ganhou:  %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1&apos;s Best Hand:</source>
        <translation>Melhor mão de %1:</translation>
    </message>
    <message>
        <source>%1&apos;s Financial Stats:</source>
        <translation>Finanças de %1:</translation>
    </message>
    <message>
        <source>%1 Hand</source>
        <translation>%1 mão</translation>
    </message>
    <message numerus="yes">
        <source>%1 Hands</source>
        <translation>
            <numerusform>%1 mão</numerusform>
            <numerusform>%1 mãos</numerusform>
        </translation>
    </message>
    <message>
        <source>Viewing %1</source>
        <translation>Vendo %1</translation>
    </message>
    <message>
        <source>Save Velmora Game Stats As</source>
        <translation>Salvar estatísticas do Velmora como</translation>
    </message>
    <message>
        <source>Overwrite Existing Stat File</source>
        <translation>Substituir arquivo de estatísticas</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <extracomment>%1 the file, %2 the system&apos;s reason.</extracomment>
        <translation>Erro ao salvar</translation>
    </message>
    <message>
        <source>%1 could not be saved.
%2</source>
        <translation>Não foi possível salvar %1.
%2</translation>
    </message>
    <message>
        <source>Open Velmora Game Stats</source>
        <translation>Abrir estatísticas do Velmora</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>%1. File does not exist.</source>
        <translation>%1. O arquivo não existe.</translation>
    </message>
    <message>
        <source>File Open Error #%1</source>
        <translation>Erro ao abrir nº %1</translation>
    </message>
    <message>
        <source>Invalid data file!</source>
        <translation>Arquivo de dados inválido!</translation>
    </message>
    <message>
        <source>High Card:</source>
        <translation>Carta alta:</translation>
    </message>
    <message>
        <source>Pair:</source>
        <translation>Par:</translation>
    </message>
    <message>
        <source>Two Pair:</source>
        <translation>Dois pares:</translation>
    </message>
    <message>
        <source>Three of a Kind:</source>
        <translation>Trinca:</translation>
    </message>
    <message>
        <source>Straight:</source>
        <translation>Sequência:</translation>
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
        <translation>Quadra:</translation>
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
        <translation>Mãos jogadas:</translation>
    </message>
    <message>
        <source>Winning percentage:</source>
        <translation>Mãos ganhas:</translation>
    </message>
    <message>
        <source>Starting Bank:</source>
        <translation>Banca inicial:</translation>
    </message>
    <message>
        <source>Average Bank:</source>
        <translation>Banca média:</translation>
    </message>
    <message>
        <source>Highest Bank:</source>
        <translation>Banca máxima:</translation>
    </message>
    <message>
        <source>Average Bet:</source>
        <translation>Aposta média:</translation>
    </message>
    <message>
        <source>Highest Bet:</source>
        <translation>Aposta máxima:</translation>
    </message>
    <message>
        <source>Bankrupts/Resets:</source>
        <translation>Falências/Recomeços:</translation>
    </message>
    <message>
        <source>Longest Winning Streak:</source>
        <translation>Maior sequência de vitórias:</translation>
    </message>
    <message>
        <source>Dealer:</source>
        <translation>Crupiê:</translation>
    </message>
    <message>
        <source>Dealer&apos;s Best Hand:</source>
        <translation>Melhor mão do crupiê:</translation>
    </message>
    <message>
        <source>Accumulated Hand Rankings:</source>
        <translation>Mãos obtidas:</translation>
    </message>
    <message>
        <source>Total:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Accumulated Draws:</source>
        <translation>Cartas trocadas:</translation>
    </message>
    <message>
        <source>Hand Improved After Draw:</source>
        <translation>Mão melhorada na troca:</translation>
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
(de espadas)</translation>
    </message>
    <message>
        <source>The ace, king, queen, jack and ten of one suit: a straight flush topped by the ace. It is the highest hand in nothing-wild poker, and two royal flushes tie whatever their suits.</source>
        <translation>Ás, rei, dama, valete e dez do mesmo naipe: um straight flush com o ás no topo. É a maior mão do pôquer sem curingas, e dois royal flushes empatam seja qual for o naipe.</translation>
    </message>
    <message>
        <source>Straight Flush</source>
        <translation>Straight flush</translation>
    </message>
    <message>
        <source> Eight High Straight Flush 
(Diamonds)</source>
        <translation> Straight flush até oito 
(de ouros)</translation>
    </message>
    <message>
        <source>Five cards of one suit in sequence, ranked by the highest card. The ace may play low, so 5, 4, 3, 2, A is the lowest straight flush. Suits never break ties.</source>
        <translation>Cinco cartas do mesmo naipe em sequência, classificadas pela mais alta. O ás pode valer um, então 5, 4, 3, 2, A é o menor straight flush. Naipes nunca desempatam.</translation>
    </message>
    <message>
        <source>Four of a Kind</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Four Sevens</source>
        <translation>Quadra de setes</translation>
    </message>
    <message>
        <source>Four cards of one rank and one other card, the kicker. Ranked by the four: K, K, K, K, 4 beats 10, 10, 10, 10, A.</source>
        <translation>Quatro cartas do mesmo valor e mais uma carta, o kicker. Vale a quadra: K, K, K, K, 4 ganha de 10, 10, 10, 10, A.</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Full house</translation>
    </message>
    <message>
        <source>Full House
(Deuces over Fives)</source>
        <translation>Full house
(dois com cincos)</translation>
    </message>
    <message>
        <source>Three cards of one rank and two of another. Ranked by the three: 4, 4, 4, 3, 3 beats 2, 2, 2, A, A.</source>
        <translation>Três cartas de um valor e duas de outro. Vale a trinca: 4, 4, 4, 3, 3 ganha de 2, 2, 2, A, A.</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>King High Flush
(Spades)</source>
        <translation>Flush até rei
(de espadas)</translation>
    </message>
    <message>
        <source>Five cards of one suit, not in sequence. Compared card by card from the highest down: A, 7, 5, 4, 2 beats K, Q, J, 10, 8, and J, 8, 7, 5, 3 beats J, 8, 7, 5, 2. Suits never break ties.</source>
        <translation>Cinco cartas do mesmo naipe fora de sequência. Compara-se carta a carta a partir da mais alta: A, 7, 5, 4, 2 ganha de K, Q, J, 10, 8, e J, 8, 7, 5, 3 ganha de J, 8, 7, 5, 2. Naipes nunca desempatam.</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Jack High Straight</source>
        <translation>Sequência até valete</translation>
    </message>
    <message>
        <source>Five cards in sequence, not all of one suit, ranked by the highest card. The ace plays high or low: A, K, Q, J, 10 and 5, 4, 3, 2, A are both straights, but Q, K, A, 2, 3 is not.</source>
        <translation>Cinco cartas em sequência, nem todas do mesmo naipe, classificadas pela mais alta. O ás vale alto ou baixo: A, K, Q, J, 10 e 5, 4, 3, 2, A são sequências, mas Q, K, A, 2, 3 não é.</translation>
    </message>
    <message>
        <source>Three of a Kind</source>
        <translation>Trinca</translation>
    </message>
    <message>
        <source>Three Nines</source>
        <translation>Trinca de noves</translation>
    </message>
    <message>
        <source>Three cards of one rank and two unmatched cards. Ranked by the three: 9, 9, 9, 3, 2 beats 8, 8, 8, A, K.</source>
        <translation>Três cartas do mesmo valor e duas cartas soltas. Vale a trinca: 9, 9, 9, 3, 2 ganha de 8, 8, 8, A, K.</translation>
    </message>
    <message>
        <source>Two Pair</source>
        <translation>Dois pares</translation>
    </message>
    <message>
        <source>Two Pair
(Jacks and Fours)</source>
        <translation>Dois pares
(valetes e quatros)</translation>
    </message>
    <message>
        <source>Two pairs and one other card, the kicker. Ranked by the higher pair, then the lower pair, then the kicker: J, J, 4, 4, 7 beats J, J, 3, 3, A.</source>
        <translation>Dois pares e mais uma carta, o kicker. Vale o par mais alto, depois o mais baixo, depois o kicker: J, J, 4, 4, 7 ganha de J, J, 3, 3, A.</translation>
    </message>
    <message>
        <source>Pair</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Pair of Queens
(Nine Kicker)</source>
        <translation>Par de damas
(kicker nove)</translation>
    </message>
    <message>
        <source>Two cards of one rank and three kickers of different ranks. Ranked by the pair, then each kicker in turn: 4, 4, A, J, 7 beats 4, 4, A, 10, 9.</source>
        <translation>Duas cartas do mesmo valor e três kickers de valores diferentes. Vale o par, depois cada kicker pela ordem: 4, 4, A, J, 7 ganha de 4, 4, A, 10, 9.</translation>
    </message>
    <message>
        <source>High Card</source>
        <translation>Carta alta</translation>
    </message>
    <message>
        <source>Ace High
(Jack Kicker)</source>
        <translation>Carta alta: ás
(kicker valete)</translation>
    </message>
    <message>
        <source>Any hand that makes none of the other nine ranks. Compared card by card from the highest down: A, J, 6, 3, 2 beats A, 10, 9, 8, 7. Suits never break ties.</source>
        <translation>Qualquer mão que não forme nenhuma das outras nove. Compara-se carta a carta a partir da mais alta: A, J, 6, 3, 2 ganha de A, 10, 9, 8, 7. Naipes nunca desempatam.</translation>
    </message>
    <message>
        <source>Velmora is &quot;nothing-wild&quot; five-card draw poker: you against the dealer, who plays for the house, with one ordinary deck of 52 cards and no jokers or wild cards. This help holds everything you need to start playing.</source>
        <translation>Velmora é pôquer fechado de cinco cartas sem curingas: você contra o crupiê, que joga pela casa, com um baralho comum de 52 cartas. Esta ajuda traz tudo o que você precisa para começar a jogar.</translation>
    </message>
    <message>
        <source>On the welcome screen type your name, choose your starting bank ($100, $1,000 or $5,000) and click Enter. Your aim is to make that bank grow. Every hand goes the same way:</source>
        <translation>Na tela de boas-vindas digite seu nome, escolha sua banca inicial ($100, $1,000 ou $5,000) e clique em Entrar. Seu objetivo é fazer essa banca crescer. Toda mão segue o mesmo caminho:</translation>
    </message>
    <message>
        <source>1. You bet, and the dealer matches your bet into the game pot.</source>
        <translation>1. Você aposta, e o crupiê cobre sua aposta no pote.</translation>
    </message>
    <message>
        <source>2. The dealer deals two hands of five cards, one to you and one to the house.</source>
        <translation>2. O crupiê dá duas mãos de cinco cartas, uma para você e outra para a casa.</translation>
    </message>
    <message>
        <source>3. You throw away the cards you don&apos;t want and draw new ones.</source>
        <translation>3. Você descarta as cartas que não quer e compra novas.</translation>
    </message>
    <message>
        <source>4. The dealer throws away cards for the house and draws.</source>
        <translation>4. O crupiê descarta pela casa e compra.</translation>
    </message>
    <message>
        <source>5. Both hands are turned face up and compared.</source>
        <translation>5. As duas mãos são viradas e comparadas.</translation>
    </message>
    <message>
        <source>6. The better hand takes the pot; equal hands split it.</source>
        <translation>6. A melhor mão leva o pote; mãos iguais dividem.</translation>
    </message>
    <message>
        <source>7. Betting opens for the next hand.</source>
        <translation>7. Abrem-se as apostas para a próxima mão.</translation>
    </message>
    <message>
        <source>The links under &quot;House Rules:&quot; explain each step: Betting, The Deal, Drawing Cards and The Showdown. The &quot;Hand Rankings&quot; page shows the ten kinds of hand, from the Royal Flush down to High Card, with an example of each and how ties are broken.</source>
        <translation>Os links em «Regras da casa:» explicam cada passo: As apostas, A distribuição, A troca e O showdown. A página «Ranking» mostra os dez tipos de mão, do royal flush à carta alta, com um exemplo de cada e como se desempata.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Observação:</translation>
    </message>
    <message>
        <source>Unlike draw poker in a casino there is only one betting round, at the start of each hand, as in classic video poker. Once the cards are dealt you cannot raise, call or fold: your bet stands until the showdown.</source>
        <translation>Ao contrário do pôquer fechado dos cassinos, há uma só rodada de apostas, no início de cada mão, como no videopôquer clássico. Depois que as cartas são dadas você não pode aumentar, pagar nem desistir: sua aposta vale até o showdown.</translation>
    </message>
    <message>
        <source>You place one bet at the start of each hand, before any card is dealt. It can be any whole number of dollars from $1 up to all the money in your bank.</source>
        <translation>Você faz uma aposta no início de cada mão, antes de qualquer carta ser dada. Ela pode ser qualquer número inteiro de dólares, de $1 até todo o dinheiro da sua banca.</translation>
    </message>
    <message>
        <source>There are two ways to make your bet:</source>
        <translation>Há duas maneiras de apostar:</translation>
    </message>
    <message>
        <source>1. Click the bills in the cash tray at the right of the table. Each click adds that bill&apos;s amount to the New Bet field at the top of the tray. The Bank box under the tray then shows the cash you have left beside your bet, and the tray offers the bills you can still add: a few of different sizes, not a count of your cash. Click a bill again to add it again, as long as it is shown.</source>
        <translation>1. Clique nas notas da bandeja de dinheiro, à direita da mesa. Cada clique soma o valor da nota ao campo Nova aposta, no alto da bandeja. O campo Banca, embaixo da bandeja, mostra então o dinheiro que sobra além da aposta, e a bandeja oferece as notas que você ainda pode somar: algumas de valores diferentes, não a contagem do seu dinheiro. Clique de novo numa nota para somá-la outra vez, enquanto ela aparecer.</translation>
    </message>
    <message>
        <source>2. Type the amount into the New Bet field. The Bank box and the bills in the tray follow every change. This is also how you take cash back: change or clear the amount in the field.</source>
        <translation>2. Digite o valor no campo Nova aposta. A banca e as notas acompanham cada mudança. É assim também que você pega dinheiro de volta: mude ou apague o valor do campo.</translation>
    </message>
    <message>
        <source>When the amount is right, click Deal. Your bet moves from the New Bet field into the game pot and the cards are dealt. While the hand is played the Bank box shows your bank less the bet in the pot. The bet is not lost yet: if you win or tie you get it back, and it leaves your bank only if you lose.</source>
        <translation>Quando o valor estiver certo, clique em Dar cartas. Sua aposta passa do campo Nova aposta para o pote e as cartas são dadas. Durante a mão, a banca mostra seu dinheiro menos a aposta no pote. A aposta ainda não está perdida: se você ganhar ou empatar, ela volta, e só sai da sua banca se você perder.</translation>
    </message>
    <message>
        <source>Mistakes cost nothing: letters, an amount larger than your bank, or a bet of $0 are refused with a message box that says what is wrong; click OK and try again.</source>
        <translation>Erros não custam nada: letras, um valor maior que a sua banca ou uma aposta de $0 são recusados com uma mensagem que diz o que está errado; clique em OK e tente de novo.</translation>
    </message>
    <message>
        <source>If you leave the New Bet field empty, Deal bets the same amount as last time, shown in the Last Bet box at the bottom of the window, as long as your bank still covers it; if it doesn&apos;t, a message asks you to lower your bet. The first hand of a game has no last bet, so type or click an amount for it.</source>
        <translation>Se você deixar o campo Nova aposta vazio, Dar cartas aposta o mesmo valor da última vez, mostrado no campo Aposta no pé da janela, desde que sua banca o cubra; se não cobrir, uma mensagem pede que você aposte menos. A primeira mão de um jogo não tem última aposta: digite ou clique um valor.</translation>
    </message>
    <message>
        <source>When you click Deal, your bet goes into the game pot and the dealer adds a matching bet, so the pot holds twice your bet. The whole deck is shuffled for every hand, and you and the dealer get five cards each, dealt one at a time and in turn, you first.</source>
        <translation>Quando você clica em Dar cartas, sua aposta vai para o pote e o crupiê põe outra igual, então o pote tem o dobro da sua aposta. O baralho inteiro é embaralhado a cada mão, e você e o crupiê recebem cinco cartas cada um, uma de cada vez e alternadamente, você primeiro.</translation>
    </message>
    <message>
        <source>What the Deal button does:</source>
        <translation>O que o botão Dar cartas faz:</translation>
    </message>
    <message>
        <source>1. Closes betting for this hand: the New Bet field is put away and the bills can&apos;t be clicked until the hand is over.</source>
        <translation>1. Fecha as apostas desta mão: o campo Nova aposta some e as notas não podem ser clicadas até a mão acabar.</translation>
    </message>
    <message>
        <source>2. Moves your bet into the game pot and matches it: the amount in the New Bet field or, when the field is empty, the amount in the Last Bet box. The top of the table shows the Game Pot.</source>
        <translation>2. Põe sua aposta no pote e a cobre: o valor do campo Nova aposta ou, se o campo estiver vazio, o do campo Aposta. O alto da mesa mostra o pote.</translation>
    </message>
    <message>
        <source>3. Shuffles all 52 cards.</source>
        <translation>3. Embaralha as 52 cartas.</translation>
    </message>
    <message>
        <source>4. Deals the two hands: your cards face up, the dealer&apos;s face down.</source>
        <translation>4. Dá as duas mãos: suas cartas viradas para cima, as do crupiê viradas para baixo.</translation>
    </message>
    <message>
        <source>When the tenth card is down, the line at the bottom of the window reads &quot;Click on cards to remove and click Draw to replace&quot;, the Deal button has become the Draw button, and the draw begins. From the keyboard, Alt+D presses Deal or Draw, the keys 1 to 5 turn over your cards from left to right, and H opens the Hint window, which lists the draws you may make, best first, with your chances against the dealer: the arrow keys choose one, Enter turns over its cards and Escape closes the window without changing them.</source>
        <translation>Quando cai a décima carta, a linha no pé da janela diz «Clique nas cartas a descartar e depois em Trocar», o botão Dar cartas virou o botão Trocar e começa a troca. Pelo teclado, Alt+D aperta Dar cartas e Alt+T aperta Trocar, as teclas 1 a 5 viram suas cartas da esquerda para a direita e H abre a janela Dica, que lista as trocas possíveis, a melhor primeiro, com suas chances contra o crupiê: as setas escolhem uma, Enter vira as cartas dela e Esc fecha a janela sem mudá-las.</translation>
    </message>
    <message>
        <source>After the deal you and the dealer may each throw away some cards and get new ones from the deck: up to three cards, or four if the one card kept is an ace. You draw first.</source>
        <translation>Depois da distribuição, você e o crupiê podem descartar algumas cartas e receber novas do monte: até três cartas, ou quatro se a carta que fica for um ás. Você troca primeiro.</translation>
    </message>
    <message>
        <source>1. Click each card you want to replace. It turns over and shows its back; click it again if you change your mind.</source>
        <translation>1. Clique em cada carta que quer trocar. Ela vira e mostra o verso; clique de novo se mudar de ideia.</translation>
    </message>
    <message>
        <source>2. Click Draw. The cards you turned over are replaced by new ones from the deck.</source>
        <translation>2. Clique em Trocar. As cartas viradas são substituídas por novas do monte.</translation>
    </message>
    <message>
        <source>3. To keep all five cards (&quot;stand pat&quot;), click Draw without turning any card over.</source>
        <translation>3. Para ficar com as cinco cartas, clique em Trocar sem virar nenhuma.</translation>
    </message>
    <message>
        <source>If you turn over all five cards, or four while the card you keep is not an ace, the draw is refused with a message. Your cards stay turned over as you left them, so change them and click Draw again.</source>
        <translation>Se você virar as cinco cartas, ou quatro quando a que fica não é um ás, a troca é recusada com uma mensagem. Suas cartas continuam viradas como você deixou: mude-as e clique em Trocar de novo.</translation>
    </message>
    <message>
        <source>Then the dealer draws for the house and tells you how many cards it took, for example &quot;Dealer takes 3&quot; (or &quot;Dealer takes 0&quot; when it keeps all five), and its new cards are dealt face down. When the dealer has drawn, its hand is turned face up for the showdown.</source>
        <translation>Então o crupiê troca pela casa e diz quantas cartas pegou, por exemplo «O crupiê pega 3» (ou «O crupiê pega 0» quando fica com as cinco), e as cartas novas dele são dadas viradas para baixo. Depois que ele troca, a mão dele é virada para o showdown.</translation>
    </message>
    <message>
        <source>HOW THE DEALER DRAWS:</source>
        <translation>COMO O CRUPIÊ TROCA:</translation>
    </message>
    <message>
        <source>The dealer looks only at its own five cards and always follows the same rule:</source>
        <translation>O crupiê olha só as próprias cinco cartas e segue sempre a mesma regra:</translation>
    </message>
    <message>
        <source>- A straight, a flush, a full house, a straight flush or a royal flush: it stands pat and takes no card.</source>
        <translation>- Sequência, flush, full house, straight flush ou royal flush: fica com a mão e não pega nenhuma carta.</translation>
    </message>
    <message>
        <source>- Four of a kind: it keeps all five cards when the fifth card is a nine or higher, and otherwise draws one card in place of the fifth.</source>
        <translation>- Quadra: fica com as cinco cartas se a quinta for um nove ou maior; senão troca a quinta.</translation>
    </message>
    <message>
        <source>- Three of a kind: it keeps the three and draws two.</source>
        <translation>- Trinca: fica com a trinca e pega duas.</translation>
    </message>
    <message>
        <source>- Two pair: it keeps both pairs and draws one.</source>
        <translation>- Dois pares: fica com os dois pares e pega uma.</translation>
    </message>
    <message>
        <source>- One pair: it keeps the pair and draws three.</source>
        <translation>- Um par: fica com o par e pega três.</translation>
    </message>
    <message>
        <source>- No pair: it keeps an ace and a king, or, without an ace, its two highest cards, and draws three. With an ace but no king it keeps the ace alone and draws four; as it announces the draw it turns that ace face up at the left of its row.</source>
        <translation>- Nada: fica com ás e rei ou, sem ás, com suas duas cartas mais altas, e pega três. Com um ás mas sem rei fica só com o ás e pega quatro; ao anunciar a troca ele vira esse ás à esquerda da sua fileira.</translation>
    </message>
    <message>
        <source>The dealer never keeps a single unmatched card beside a pair or three of a kind, and never draws to four cards of a flush or a straight.</source>
        <translation>O crupiê nunca fica com uma carta solta ao lado de um par ou de uma trinca, e nunca compra para quatro cartas de flush ou de sequência.</translation>
    </message>
    <message>
        <source>THE BEST DRAW:</source>
        <translation>A MELHOR TROCA:</translation>
    </message>
    <message>
        <source>Because the dealer always follows that rule, every draw you could make has a chance of beating it that can be worked out, and one draw is the best. Drawing as the dealer does comes close: keep a pair, two pair or three of a kind and throw away the rest; without a pair keep an ace and a king, or an ace alone, or your two highest cards. Where the best draw differs most is four cards of a straight flush: draw one card to them. Four cards of a plain flush or straight win less often than two high cards.</source>
        <translation>Como o crupiê segue sempre essa regra, cada troca possível tem uma chance calculável de vencê-lo, e uma é a melhor. Trocar como o crupiê chega perto: fique com um par, dois pares ou uma trinca e descarte o resto; sem par, fique com ás e rei, um ás sozinho ou suas duas cartas mais altas. A melhor troca difere mais com quatro cartas de straight flush: compre uma carta para elas. Quatro cartas de um flush ou de uma sequência simples ganham menos que duas cartas altas.</translation>
    </message>
    <message>
        <source>Drawing as the dealer does makes the game even, as you then play by the dealer&apos;s own rule. The best draw does a little better: over 3,000 random hands it gained 0.15% of the bet per hand, so against the best play the house&apos;s edge is -0.15%, between -0.17% and -0.12% with 95% confidence. The house wins nothing from a player who draws the best way.</source>
        <translation>Trocar como o crupiê deixa o jogo equilibrado, pois você joga pela mesma regra dele. A melhor troca se sai um pouco melhor: em 3,000 mãos aleatórias ganhou 0.15% da aposta por mão, então contra o melhor jogo a vantagem da casa é de -0.15%, entre -0.17% e -0.12% com 95% de confiança. A casa não ganha nada de quem troca da melhor forma.</translation>
    </message>
    <message>
        <source>When both of you have drawn, the dealer&apos;s hand is turned face up and both hands are ranked. The name of each hand appears under it (a High Card hand, with no pair or better, shows no name there), and the result is announced above the dealer&apos;s cards. The &quot;Hand Rankings&quot; page shows which hand beats which.</source>
        <translation>Quando os dois trocaram, a mão do crupiê é virada e as duas mãos são classificadas. O nome de cada mão aparece embaixo dela (uma carta alta, sem par ou melhor, não mostra nome) e o resultado é anunciado acima das cartas do crupiê. A página «Ranking» mostra qual mão ganha de qual.</translation>
    </message>
    <message>
        <source>You win (&quot;You&apos;re a winner!&quot;): the pot is yours, so your bank grows by the amount of your bet.</source>
        <translation>Você ganha («Você ganhou!»): o pote é seu e sua banca cresce no valor da sua aposta.</translation>
    </message>
    <message>
        <source>The dealer wins (&quot;Dealer wins!&quot;): the pot goes to the house, so your bank drops by the amount of your bet.</source>
        <translation>O crupiê ganha («O crupiê ganha!»): o pote vai para a casa e sua banca cai no valor da sua aposta.</translation>
    </message>
    <message>
        <source>A push (&quot;Push.. Split the Pot!&quot;): the hands are equal, each side takes back its own bet and your bank stays as it was. Suits never break a tie.</source>
        <translation>Empate («Empate.. Pote dividido!»): as mãos são iguais, cada lado pega de volta sua aposta e sua banca fica como estava. Naipes nunca desempatam.</translation>
    </message>
    <message>
        <source>Then betting opens for the next hand. The cards stay on the table until you click Deal again.</source>
        <translation>Depois abrem-se as apostas para a próxima mão. As cartas ficam na mesa até você clicar em Dar cartas de novo.</translation>
    </message>
    <message>
        <source>If you lose a hand and your bank is left at $0, you are bankrupt and the game is over. The house then offers you a credit extension: click New Game to start a new game with the same name and starting bank, View Stats to look back at the game, or Exit to leave Velmora. &quot;Credit extension&quot; is only a name: nothing is owed. The new game asks whether to keep the statistics; if you keep them, the new game is counted under &quot;Bankrupts/Resets&quot;, and if you don&apos;t, every figure starts again from zero. New Game in the Game menu (F2) starts over in the same way, and is counted the same way, at any time after the first deal of a game.</source>
        <translation>Se você perder uma mão e sua banca ficar em $0, você faliu e o jogo acabou. A casa oferece então um novo crédito: clique em Novo jogo para começar outro com o mesmo nome e banca inicial, em Estatísticas para rever o jogo ou em Sair para deixar o Velmora. «Crédito» é só um nome: você não deve nada. O novo jogo pergunta se as estatísticas devem ser mantidas; se forem, o novo jogo conta em «Falências/Recomeços», e se não, todos os números voltam a zero. Novo jogo no menu Jogo (F2) recomeça do mesmo jeito, e conta do mesmo jeito, a qualquer momento depois da primeira distribuição de um jogo.</translation>
    </message>
    <message>
        <source>In Velmora a deck is the picture on the backs of the cards; every deck holds the same 52 cards. There are ten: a laughing clown, a lighthouse, a cowboy on a bucking horse, pigs playing cards, a church, the Eiffel Tower, a ship below rocky crags, swirling clouds, two clowns and a red bridge. You can choose a deck, or tick &quot;Randomize&quot; to let the dealer pick one at random before each hand.</source>
        <translation>No Velmora um baralho é a figura no verso das cartas; todo baralho tem as mesmas 52 cartas. São dez: um palhaço rindo, um farol, um caubói num cavalo corcoveando, porcos jogando cartas, uma igreja, a Torre Eiffel, um navio sob penhascos, nuvens em redemoinho, dois palhaços e uma ponte vermelha. Você pode escolher um baralho ou marcar «Aleatório» para o crupiê sortear um antes de cada mão.</translation>
    </message>
    <message>
        <source>1. On the welcome screen at the start: click the card picture until it shows the deck you want, or tick Randomize.</source>
        <translation>1. Na tela de boas-vindas: clique na figura da carta até ela mostrar o baralho que você quer, ou marque Aleatório.</translation>
    </message>
    <message>
        <source>2. During the game: while you are betting, before you click Deal, choose Decks... from the Game menu (or press F7). Click the deck you want (a red frame marks it) and click OK, or simply double-click it. Cancel keeps the deck you had.</source>
        <translation>2. Durante o jogo: enquanto aposta, antes de clicar em Dar cartas, escolha Baralhos... no menu Jogo (ou aperte F7). Clique no baralho que quer (uma moldura vermelha o marca) e em OK, ou dê um clique duplo nele. Cancelar mantém o baralho que você tinha.</translation>
    </message>
    <message>
        <source>The deck you choose is used from the very next deal on and stays until you change it, also in a new game. The Decks... dialog has its own Randomize box.</source>
        <translation>O baralho escolhido vale a partir da próxima distribuição e fica até você mudar, também num novo jogo. A janela Baralhos... tem sua própria caixa Aleatório.</translation>
    </message>
    <message>
        <source>While Randomize is ticked, single decks cannot be chosen: clicking a deck does nothing. Untick Randomize first to pick one yourself.</source>
        <translation>Enquanto Aleatório estiver marcado, não dá para escolher baralhos: clicar num baralho não faz nada. Desmarque Aleatório primeiro para escolher um você mesmo.</translation>
    </message>
    <message>
        <source>While you play, Velmora keeps statistics of the current game: hands played and won, your winning percentage, your starting, average and highest bank, your average and highest bet, bankruptcies, the longest winning streaks of you and the dealer, the best hand of each of you, how many hands of each rank you each ended with, how many cards you each drew, and how often the draw improved a hand.</source>
        <translation>Enquanto você joga, o Velmora mantém estatísticas do jogo atual: mãos jogadas e ganhas, sua porcentagem de vitórias, sua banca inicial, média e máxima, sua aposta média e máxima, as falências, as maiores sequências de vitórias suas e do crupiê, a melhor mão de cada um, quantas mãos de cada tipo cada um terminou, quantas cartas cada um trocou e quantas vezes a troca melhorou uma mão.</translation>
    </message>
    <message>
        <source>To see them, choose Statistics... from the Game menu (or press F5) at any time. The Summary page shows the figures of the game and the best hands; the Accumulative page counts the hand rankings and the draws of you and the dealer. Click Close to go back to the table.</source>
        <translation>Para vê-las, escolha Estatísticas... no menu Jogo (ou aperte F5) a qualquer momento. A página Resumo mostra os números do jogo e as melhores mãos; a página Acumulado conta as mãos obtidas e as trocas suas e do crupiê. Clique em Fechar para voltar à mesa.</translation>
    </message>
    <message>
        <source>A push counts as a hand played but not as a win. The average bank is taken over your starting bank and your bank after every hand. A draw &quot;improved&quot; a hand when the hand after the draw beats the hand as it was dealt.</source>
        <translation>Um empate conta como mão jogada, mas não como vitória. A banca média é tirada da sua banca inicial e da sua banca depois de cada mão. Uma troca «melhorou» uma mão quando a mão depois da troca ganha da mão como foi dada.</translation>
    </message>
    <message>
        <source>The statistics are updated at the end of each hand, when the winner is known; only the draws are counted as soon as they are made. A new game asks whether to keep the statistics or to start them afresh.</source>
        <translation>As estatísticas são atualizadas no fim de cada mão, quando se sabe o vencedor; só as trocas são contadas assim que feitas. Um novo jogo pergunta se as estatísticas devem ser mantidas ou zeradas.</translation>
    </message>
    <message>
        <source>Whenever the statistics window shows your current game you can save its figures, and open them again later, for instance to keep a record of your best games.</source>
        <translation>Sempre que a janela de estatísticas mostrar seu jogo atual, você pode salvar os números dele e abri-los depois, por exemplo para guardar o registro dos seus melhores jogos.</translation>
    </message>
    <message>
        <source>1. Open the statistics window: Statistics... in the Game menu, or F5.</source>
        <translation>1. Abra a janela de estatísticas: Estatísticas... no menu Jogo, ou F5.</translation>
    </message>
    <message>
        <source>2. Choose Save... from its Stats menu, or click the first of the picture buttons at its top left (its tip reads &quot;Save Stats...&quot;).</source>
        <translation>2. Escolha Salvar... no menu Estatísticas dela, ou clique no primeiro dos botões com figura no alto à esquerda (a dica dele diz «Salvar estatísticas...»).</translation>
    </message>
    <message>
        <source>3. Choose a folder and a file name and click Save. The file is given the extension .vlm. If a file of that name exists, you are asked whether to replace it.</source>
        <translation>3. Escolha uma pasta e um nome de arquivo e clique em Salvar. O arquivo recebe a extensão .vlm. Se já existir um arquivo com esse nome, você será perguntado se deseja substituí-lo.</translation>
    </message>
    <message>
        <source>VIEWING SAVED STATISTICS:</source>
        <translation>VER ESTATÍSTICAS SALVAS:</translation>
    </message>
    <message>
        <source>An opened file takes the place of the current figures in the statistics window for as long as you look at it; the window&apos;s title shows the file&apos;s name. Your current game goes on unchanged.</source>
        <translation>Um arquivo aberto ocupa o lugar dos números atuais na janela de estatísticas enquanto você o olha; o título da janela mostra o nome do arquivo. Seu jogo atual continua sem mudanças.</translation>
    </message>
    <message>
        <source>1. In the statistics window, choose Open... from the Stats menu, or click the second picture button (&quot;Open saved Stats..&quot;).</source>
        <translation>1. Na janela de estatísticas, escolha Abrir... no menu Estatísticas, ou clique no segundo botão com figura («Abrir estatísticas salvas..»).</translation>
    </message>
    <message>
        <source>2. Pick a .vlm file and click Open.</source>
        <translation>2. Escolha um arquivo .vlm e clique em Abrir.</translation>
    </message>
    <message>
        <source>3. To return to the current game, choose Current Game from the Stats menu or click the third picture button (&quot;Current Game Stats&quot;). The statistics window always opens on the current game.</source>
        <translation>3. Para voltar ao jogo atual, escolha Jogo atual no menu Estatísticas ou clique no terceiro botão com figura («Estatísticas do jogo»). A janela de estatísticas sempre abre no jogo atual.</translation>
    </message>
    <message>
        <source>Saved statistics are a record of your best games: they can only be viewed and never become the figures of the current game, so a saved game cannot be continued. While a saved file is shown, saving is switched off. A file that is damaged or was not written by Velmora is refused with a message, and the window stays as it was.</source>
        <translation>Estatísticas salvas são um registro dos seus melhores jogos: só podem ser vistas e nunca viram os números do jogo atual, então um jogo salvo não pode ser continuado. Enquanto um arquivo salvo é mostrado, salvar fica desligado. Um arquivo danificado ou que não foi escrito pelo Velmora é recusado com uma mensagem, e a janela fica como estava.</translation>
    </message>
    <message>
        <source>Velmora ver 2.10. Copyright © 2026 the Velmora developers. All Rights Reserved except as granted by the GNU General Public License, which grants you a great deal:</source>
        <translation>Velmora ver 2.10. Copyright © 2026 os desenvolvedores do Velmora. Todos os direitos reservados, exceto os concedidos pela Licença Pública Geral GNU, que concede muitos a você:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>O Velmora é software livre: você pode redistribuí-lo e/ou modificá-lo nos termos da Licença Pública Geral GNU publicada pela Free Software Foundation, na versão 3 da licença ou (a seu critério) em qualquer versão posterior.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study how it works and change it, and give copies to anyone, with or without your changes, free of charge or for a fee. Whoever passes the program on must do so under the same licence, offer its complete source code, keep every copyright and licence notice intact and add no further restrictions.</source>
        <translation>Em palavras simples: você pode usar o Velmora para qualquer fim, estudar como ele funciona e mudá-lo, e dar cópias a quem quiser, com ou sem suas mudanças, de graça ou cobrando. Quem repassar o programa deve fazê-lo sob a mesma licença, oferecer o código-fonte completo, manter intactos todos os avisos de copyright e de licença e não acrescentar outras restrições.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck &quot;svg-standard&quot; (GNU GPL version 2 or later); some card backs use public-domain clip art from the Open Clip Art Library. The file CREDITS.md names every source.</source>
        <translation>As faces das cartas vêm do baralho «svg-standard» dos jogos do KDE (GNU GPL versão 2 ou posterior); alguns versos usam imagens de domínio público da Open Clip Art Library. O arquivo CREDITS.md cita cada fonte.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>A licença completa está no arquivo COPYING que acompanha o Velmora; veja também https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>DISCLAIMER OF WARRANTY:</source>
        <translation>ISENÇÃO DE GARANTIA:</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted by applicable law. Except when otherwise stated in writing, the copyright holders and/or other parties provide the program &quot;as is&quot; without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality and performance of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.</source>
        <translation>Não há garantia para o Velmora, na medida permitida pela lei aplicável. Salvo indicação em contrário por escrito, os detentores do copyright e/ou outras partes fornecem o programa «como está», sem garantia de qualquer tipo, expressa ou implícita, incluindo, entre outras, as garantias implícitas de comercialização e de adequação a um fim específico. Todo o risco quanto à qualidade e ao desempenho do programa é seu. Se o programa apresentar defeito, você assume o custo de toda manutenção, reparo ou correção necessários.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed to in writing, will any copyright holder, or any other party who modifies and/or conveys the program as permitted above, be liable to you for damages, including any general, special, incidental or consequential damages arising out of the use or inability to use the program (including but not limited to loss of data or data being rendered inaccurate or losses sustained by you or third parties or a failure of the program to operate with any other programs), even if such holder or other party has been advised of the possibility of such damages.</source>
        <translation>Em nenhum caso, a menos que exigido pela lei aplicável ou acordado por escrito, um detentor do copyright ou qualquer outra parte que modifique e/ou distribua o programa como permitido acima será responsável perante você por danos, incluindo danos gerais, especiais, incidentais ou consequentes decorrentes do uso ou da impossibilidade de usar o programa (incluindo, entre outros, perda de dados, dados tornados imprecisos, perdas sofridas por você ou por terceiros ou falha do programa em operar com outros programas), mesmo que tal detentor ou outra parte tenha sido avisado da possibilidade de tais danos.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and no real money is ever bet, won or lost.</source>
        <translation>O Velmora é jogado por diversão: seus dólares são dinheiro de brincadeira e nunca se aposta, ganha ou perde dinheiro de verdade.</translation>
    </message>
    <message>
        <source>Velmora is made by a group of volunteers, the Velmora developers, and they would be glad to hear from you. Write to them:</source>
        <translation>O Velmora é feito por um grupo de voluntários, os desenvolvedores do Velmora, que vão gostar de ter notícias suas. Escreva para eles:</translation>
    </message>
    <message>
        <source>- to ask about new releases and what they will bring;</source>
        <translation>- para perguntar sobre novas versões e o que elas vão trazer;</translation>
    </message>
    <message>
        <source>- with comments and suggestions, or ideas for the game;</source>
        <translation>- com comentários e sugestões, ou ideias para o jogo;</translation>
    </message>
    <message>
        <source>- to report an error in the game or in this help;</source>
        <translation>- para informar um erro no jogo ou nesta ajuda;</translation>
    </message>
    <message>
        <source>- with questions about the licence, or about using Velmora&apos;s code or pictures in your own work.</source>
        <translation>- com perguntas sobre a licença, ou sobre o uso do código ou das figuras do Velmora no seu próprio trabalho.</translation>
    </message>
    <message>
        <source>WHERE TO WRITE:</source>
        <translation>ONDE ESCREVER:</translation>
    </message>
    <message>
        <source>The Velmora developers</source>
        <translation>Os desenvolvedores do Velmora</translation>
    </message>
    <message>
        <source>The project&apos;s issue tracker; see the README that comes with Velmora.</source>
        <translation>O rastreador de problemas do projeto; veja o README que acompanha o Velmora.</translation>
    </message>
    <message>
        <source>When you report an error, please say what you did, what you expected and what happened instead, and name the version: Velmora ver 2.10, as shown on the License page of About... in the Help menu.</source>
        <translation>Ao informar um erro, diga o que você fez, o que esperava e o que aconteceu no lugar, e cite a versão: Velmora ver 2.10, como mostra a página Licença de Sobre... no menu Ajuda.</translation>
    </message>
    <message>
        <source>GAME OVERVIEW:</source>
        <translation>VISÃO GERAL:</translation>
    </message>
    <message>
        <source>BETTING:</source>
        <translation>AS APOSTAS:</translation>
    </message>
    <message>
        <source>THE DEAL:</source>
        <translation>A DISTRIBUIÇÃO:</translation>
    </message>
    <message>
        <source>DRAWING CARDS:</source>
        <translation>A TROCA:</translation>
    </message>
    <message>
        <source>THE SHOWDOWN:</source>
        <translation>O SHOWDOWN:</translation>
    </message>
    <message>
        <source>SELECTING A DECK:</source>
        <translation>ESCOLHER BARALHO:</translation>
    </message>
    <message>
        <source>GAME STATISTICS:</source>
        <translation>ESTATÍSTICAS:</translation>
    </message>
    <message>
        <source>SAVING GAME STATISTICS:</source>
        <translation>SALVAR ESTATÍSTICAS:</translation>
    </message>
    <message>
        <source>LICENSE AGREEMENT:</source>
        <translation>LICENÇA:</translation>
    </message>
    <message>
        <source>CONTACTING THE AUTHOR:</source>
        <translation>CONTATO:</translation>
    </message>
    <message>
        <source>All rights are reserved except those that the GNU General</source>
        <translation>Todos os direitos reservados, exceto os que a Licença</translation>
    </message>
    <message>
        <source>Public License gives you, and it gives you a great many:</source>
        <translation>Pública Geral GNU lhe dá, e ela lhe dá muitos:</translation>
    </message>
    <message>
        <source>Velmora is free software: you can redistribute it and/or</source>
        <translation>O Velmora é software livre: você pode</translation>
    </message>
    <message>
        <source>modify it under the terms of the GNU General Public License</source>
        <translation>redistribuí-lo e/ou modificá-lo nos termos da</translation>
    </message>
    <message>
        <source>as published by the Free Software Foundation, either</source>
        <translation>Licença Pública Geral GNU publicada pela Free</translation>
    </message>
    <message>
        <source>version 3 of the License, or (at your option) any later</source>
        <translation>Software Foundation, na versão 3 da licença ou</translation>
    </message>
    <message>
        <source>version.</source>
        <translation>(a seu critério) em qualquer versão posterior.</translation>
    </message>
    <message>
        <source>In plain words: you may run Velmora for any purpose, study</source>
        <translation>Em palavras simples: você pode usar o Velmora para</translation>
    </message>
    <message>
        <source>how it works and change it, and give copies to anyone, with</source>
        <translation>qualquer fim, estudar como ele funciona e mudá-lo,</translation>
    </message>
    <message>
        <source>or without your changes, free of charge or for a fee.</source>
        <translation>e dar cópias a quem quiser, com ou sem suas mudanças,</translation>
    </message>
    <message>
        <source>Whoever passes the program on must do so under the same</source>
        <translation>de graça ou cobrando. Quem repassar o programa deve</translation>
    </message>
    <message>
        <source>licence, offer its complete source code, keep every</source>
        <translation>fazê-lo sob a mesma licença, oferecer o código-fonte</translation>
    </message>
    <message>
        <source>copyright and licence notice intact and add no further</source>
        <translation>completo, manter intactos todos os avisos de copyright</translation>
    </message>
    <message>
        <source>restrictions.</source>
        <translation>e de licença e não acrescentar outras restrições.</translation>
    </message>
    <message>
        <source>The card faces come from the KDE games card deck</source>
        <translation>As faces das cartas vêm do baralho «svg-standard» dos</translation>
    </message>
    <message>
        <source>&quot;svg-standard&quot; (GNU GPL version 2 or later); some card</source>
        <translation>jogos do KDE (GNU GPL versão 2 ou posterior); alguns</translation>
    </message>
    <message>
        <source>backs use public-domain clip art from the Open Clip Art</source>
        <translation>versos usam imagens de domínio público da Open Clip</translation>
    </message>
    <message>
        <source>Library. The file CREDITS.md names every source.</source>
        <translation>Art Library. O arquivo CREDITS.md cita cada fonte.</translation>
    </message>
    <message>
        <source>The complete licence is in the file COPYING that comes</source>
        <translation>A licença completa está no arquivo COPYING que acompanha</translation>
    </message>
    <message>
        <source>with Velmora; see also https://www.gnu.org/licenses/.</source>
        <translation>o Velmora; veja também https://www.gnu.org/licenses/.</translation>
    </message>
    <message>
        <source>There is no warranty for Velmora, to the extent permitted</source>
        <translation>Não há garantia para o Velmora, na medida permitida</translation>
    </message>
    <message>
        <source>by applicable law. Except when otherwise stated in</source>
        <translation>pela lei aplicável. Salvo indicação em contrário por</translation>
    </message>
    <message>
        <source>writing, the copyright holders and/or other parties</source>
        <translation>escrito, os detentores do copyright e/ou outras partes</translation>
    </message>
    <message>
        <source>provide the program &quot;as is&quot; without warranty of any kind,</source>
        <translation>fornecem o programa «como está», sem garantia de</translation>
    </message>
    <message>
        <source>either expressed or implied, including, but not limited</source>
        <translation>qualquer tipo, expressa ou implícita, incluindo, entre</translation>
    </message>
    <message>
        <source>to, the implied warranties of merchantability and fitness</source>
        <translation>outras, as garantias implícitas de comercialização</translation>
    </message>
    <message>
        <source>for a particular purpose. The entire risk as to the</source>
        <translation>e de adequação a um fim específico. Todo o risco</translation>
    </message>
    <message>
        <source>quality and performance of the program is with you.</source>
        <translation>quanto à qualidade e ao desempenho do programa é seu.</translation>
    </message>
    <message>
        <source>Should the program prove defective, you assume the cost</source>
        <translation>Se o programa apresentar defeito, você assume o custo</translation>
    </message>
    <message>
        <source>of all necessary servicing, repair or correction.</source>
        <translation>de toda manutenção, reparo ou correção necessários.</translation>
    </message>
    <message>
        <source>In no event, unless required by applicable law or agreed</source>
        <translation>Em nenhum caso, a menos que exigido pela lei aplicável ou</translation>
    </message>
    <message>
        <source>to in writing, will any copyright holder, or any other</source>
        <translation>acordado por escrito, um detentor do copyright ou qualquer</translation>
    </message>
    <message>
        <source>party who modifies and/or conveys the program as</source>
        <translation>outra parte que modifique e/ou distribua o programa</translation>
    </message>
    <message>
        <source>permitted above, be liable to you for damages, including</source>
        <translation>como permitido acima será responsável perante você por</translation>
    </message>
    <message>
        <source>any general, special, incidental or consequential damages</source>
        <translation>danos, incluindo danos gerais, especiais, incidentais</translation>
    </message>
    <message>
        <source>arising out of the use or inability to use the program</source>
        <translation>ou consequentes decorrentes do uso ou da impossibilidade</translation>
    </message>
    <message>
        <source>(including but not limited to loss of data or data being</source>
        <translation>de usar o programa (incluindo, entre outros, perda</translation>
    </message>
    <message>
        <source>rendered inaccurate or losses sustained by you or third</source>
        <translation>de dados, dados tornados imprecisos, perdas sofridas</translation>
    </message>
    <message>
        <source>parties or a failure of the program to operate with any</source>
        <translation>por você ou por terceiros ou falha do programa em operar</translation>
    </message>
    <message>
        <source>other programs), even if such holder or other party has</source>
        <translation>com outros programas), mesmo que tal detentor ou outra</translation>
    </message>
    <message>
        <source>been advised of the possibility of such damages.</source>
        <translation>parte tenha sido avisado da possibilidade de tais danos.</translation>
    </message>
    <message>
        <source>Velmora is played for fun: its dollars are play money and</source>
        <translation>O Velmora é jogado por diversão: seus dólares são dinheiro de</translation>
    </message>
    <message>
        <source>no real money is ever bet, won or lost.</source>
        <translation>brincadeira e nunca se aposta, ganha ou perde dinheiro de verdade.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Velmora developers</source>
        <translation>Copyright © 2026 os autores do Velmora</translation>
    </message>
    <message>
        <source>All Rights Reserved</source>
        <translation>Todos os direitos reservados</translation>
    </message>
</context>
</TS>
