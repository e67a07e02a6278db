<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>4 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>4 TROUS, 6 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>4 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>4 TROUS, 7 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>4 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>4 TROUS, 8 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>4 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>4 TROUS, 6 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>4 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>4 TROUS, 7 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>4 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>4 TROUS, 8 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>5 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>5 TROUS, 6 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>5 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>5 TROUS, 7 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>5 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>5 TROUS, 8 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>5 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>5 TROUS, 6 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>5 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>5 TROUS, 7 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>5 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>5 TROUS, 8 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>6 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>6 TROUS, 6 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>6 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>6 TROUS, 7 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>6 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>6 TROUS, 8 COULEURS, SANS DOUBLONS</translation>
    </message>
    <message>
        <source>6 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>6 TROUS, 6 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>6 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>6 TROUS, 7 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source>6 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>6 TROUS, 8 COULEURS, AVEC DOUBLONS</translation>
    </message>
    <message>
        <source> Redo Last Row </source>
        <translation type="vanished"> Répéter la rangée précédente </translation>
    </message>
    <message>
        <source> Clear Row </source>
        <translation type="vanished"> Vider la rangée </translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation type="vanished">Vider la rangée</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation type="vanished">Répéter la rangée précédente</translation>
    </message>
    <message>
        <source> Test your selection </source>
        <translation type="vanished"> Vérifier votre choix </translation>
    </message>
    <message>
        <source>This is your score</source>
        <translation type="vanished">Voici votre score</translation>
    </message>
    <message>
        <source>The current level - there are 36</source>
        <translation type="vanished">Le niveau actuel – il y en a 36</translation>
    </message>
    <message>
        <source>TRUE means colors can be repeated</source>
        <translation type="vanished">OUI&#xa0;: les couleurs peuvent se répéter</translation>
    </message>
    <message>
        <source>This is the current selected color</source>
        <translation type="vanished">Voici la couleur choisie</translation>
    </message>
    <message>
        <source>Score = </source>
        <translation type="vanished">Score = </translation>
    </message>
    <message>
        <source>Score: 000</source>
        <translation type="vanished">Score&#xa0;: 000</translation>
    </message>
    <message>
        <source>score: %1</source>
        <translation type="vanished">Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="vanished">Niveau %1</translation>
    </message>
    <message>
        <source>Duplicates = True</source>
        <translation type="vanished">Doublons = Oui</translation>
    </message>
    <message>
        <source>Duplicates = False</source>
        <translation type="vanished">Doublons = Non</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation type="vanished">NIVEAU %1</translation>
    </message>
    <message>
        <source>SORRY!</source>
        <translation type="vanished">DOMMAGE&#xa0;!</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="vanished">PARTIE TERMINÉE</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation type="vanished">FÉLICITATIONS&#xa0;!</translation>
    </message>
    <message>
        <source>ALL 36 LEVELS SOLVED</source>
        <translation type="vanished">LES 36 NIVEAUX RÉSOLUS</translation>
    </message>
    <message>
        <source>First fill the current row.</source>
        <translation type="vanished">Remplissez d&apos;abord la rangée en cours.</translation>
    </message>
    <message>
        <source>Exit Tintrix?</source>
        <translation type="vanished">Quitter Tintrix&#xa0;?</translation>
    </message>
    <message>
        <source>Correct Combination</source>
        <translation type="vanished">Combinaison correcte</translation>
    </message>
    <message>
        <source>Correct Color Combination</source>
        <translation type="vanished">Combinaison de couleurs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">Annuler</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation type="vanished">Aide de Tintrix</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation type="vanished">Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation type="vanished">Le fichier d&apos;aide %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The help file %1 is empty.</source>
        <translation type="vanished">Le fichier d&apos;aide %1 est vide.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tintrix Help&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix looks for its help file in the program&apos;s folder, next to the game itself.&lt;/p&gt;</source>
        <translation type="vanished">&lt;h2&gt;Aide de Tintrix&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix cherche son fichier d&apos;aide dans le dossier du programme, à côté du jeu lui-même.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tintrix looks for its help file in the program&apos;s folder, next to the game itself.</source>
        <translation type="vanished">Tintrix cherche son fichier d&apos;aide dans le dossier du programme, à côté du jeu lui-même.</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>New High Score</source>
        <translation>Nouveau record</translation>
    </message>
    <message>
        <source>Enter your name (1-12 char).</source>
        <translation>Entrez votre nom (1 à 12 caractères).</translation>
    </message>
    <message>
        <source>The game&apos;s folder cannot be written. </source>
        <translation>Le dossier du jeu n&apos;est pas accessible en écriture. </translation>
    </message>
    <message>
        <source>%1 is a folder. </source>
        <translation>%1 est un dossier. </translation>
    </message>
    <message>
        <source>%1 is a link and was left unchanged. </source>
        <translation>%1 est un lien et n&apos;a pas été modifié. </translation>
    </message>
    <message>
        <source>%1 cannot be read and was left unchanged. </source>
        <translation>%1 est illisible et n&apos;a pas été modifié. </translation>
    </message>
    <message>
        <source>%1 is not a high score file and was left unchanged. </source>
        <translation>%1 n&apos;est pas un fichier de meilleurs scores et n&apos;a pas été modifié. </translation>
    </message>
    <message>
        <source>The high scores are kept in %1.</source>
        <translation>Les meilleurs scores sont conservés dans %1.</translation>
    </message>
    <message>
        <source>The high scores could not be saved in %1. They stay in the table while the game runs and are saved again with the next high score.</source>
        <translation>Les meilleurs scores n&apos;ont pas pu être enregistrés dans %1. Ils restent dans le tableau tant que le jeu est ouvert et seront enregistrés avec le prochain record.</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>LEVEL </source>
        <translation>NIVEAU </translation>
    </message>
    <message>
        <source>TOP PLAYERS</source>
        <translation>MEILLEURS JOUEURS</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Level 1  -  4 spaces  6 colors  no dupliactes</source>
        <translation>Niveau 1  -  4 trous  6 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 2  -  4 spaces  7 colors  no duplicates</source>
        <translation>Niveau 2  -  4 trous  7 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 3  -  4 spaces  8 colors  no duplicates</source>
        <translation>Niveau 3  -  4 trous  8 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 4  -  4 spaces  6 colors  duplicates</source>
        <translation>Niveau 4  -  4 trous  6 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 5  -  4 spaces  7 colors  duplicates</source>
        <translation>Niveau 5  -  4 trous  7 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 6  -  4 spaces  8 colors  duplicates</source>
        <translation>Niveau 6  -  4 trous  8 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 7  -  5 spaces  6 colors  no duplicates</source>
        <translation>Niveau 7  -  5 trous  6 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 8  -  5 spaces  7 colors  no duplicates</source>
        <translation>Niveau 8  -  5 trous  7 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 9  -  5 spaces  8 colors  no duplicates</source>
        <translation>Niveau 9  -  5 trous  8 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 10 - 5 spaces  6 colors  duplicates</source>
        <translation>Niveau 10 - 5 trous  6 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 11 - 5 spaces  7 colors  duplicates</source>
        <translation>Niveau 11 - 5 trous  7 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 12 - 5 spaces  8 colors  duplicates</source>
        <translation>Niveau 12 - 5 trous  8 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 13 - 6 spaces  6 colors  no duplicates</source>
        <translation>Niveau 13 - 6 trous  6 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 14 - 6 spaces  7 colors  no duplicates</source>
        <translation>Niveau 14 - 6 trous  7 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 15 - 6 spaces  8 colors  no duplicates</source>
        <translation>Niveau 15 - 6 trous  8 couleurs  sans doublons</translation>
    </message>
    <message>
        <source>Level 16 - 6 spaces  6 colors  duplicates</source>
        <translation>Niveau 16 - 6 trous  6 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 17 - 6 spaces  7 colors  duplaictes</source>
        <translation>Niveau 17 - 6 trous  7 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>Level 18 - 6 spaces  8 colors  duplicates</source>
        <translation>Niveau 18 - 6 trous  8 couleurs  avec doublons</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="vanished">&amp;Fichier</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="vanished">Nouvelle partie</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation type="vanished">Terminer la partie</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="vanished">Meilleurs scores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">Quitter</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation type="vanished">&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="vanished">&amp;Préférences</translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="vanished">Style</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation type="vanished">Tourbillon</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation type="vanished">Pierre</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation type="vanished">Glace</translation>
    </message>
    <message>
        <source>Cocktail</source>
        <translation type="vanished">Cocktail</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="vanished">Sons</translation>
    </message>
    <message>
        <source>On</source>
        <translation type="vanished">Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="vanished">Désactivé</translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="vanished">Musique</translation>
    </message>
    <message>
        <source>Color Bar</source>
        <translation type="vanished">Barre de couleurs</translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="vanished">Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="vanished">Masquer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Aide</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation type="vanished">Aide de Tintrix</translation>
    </message>
    <message>
        <source>About Tintrix</source>
        <translation type="vanished">À propos de Tintrix</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation type="vanished">Vider la rangée</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation type="vanished">Répéter la rangée précédente</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>bleu foncé</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>pink peg</source>
        <translation>pion rose</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>pion bleu</translation>
    </message>
    <message>
        <source>purple peg</source>
        <translation>pion violet</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>pion vert</translation>
    </message>
    <message>
        <source>orange peg</source>
        <translation>pion orange</translation>
    </message>
    <message>
        <source>light blue peg</source>
        <translation>pion bleu clair</translation>
    </message>
    <message>
        <source>dark blue peg</source>
        <translation>pion bleu foncé</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>pion rouge</translation>
    </message>
    <message>
        <source>no</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>pion noir</translation>
    </message>
    <message>
        <source>grey peg</source>
        <translation>pion gris</translation>
    </message>
    <message>
        <source>hidden peg</source>
        <translation>pion caché</translation>
    </message>
    <message>
        <source>Place %1: %2, score %3, level %4</source>
        <translation>Place %1&#xa0;: %2, score %3, niveau %4</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>score %1</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>No scores yet</source>
        <translation>Aucun score pour l&apos;instant</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un joueur</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n joueur</numerusform>
            <numerusform>%n joueurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 black</source>
        <translation>
            <numerusform>%1 noir</numerusform>
            <numerusform>%1 noirs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 grey</source>
        <translation>
            <numerusform>%1 gris</numerusform>
            <numerusform>%1 gris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pegs, feedback hidden</source>
        <translation>
            <numerusform>%1 pion, réponse masquée</numerusform>
            <numerusform>%1 pions, réponse masquée</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no black</source>
        <translation>aucun noir</translation>
    </message>
    <message>
        <source>no grey</source>
        <translation>aucun gris</translation>
    </message>
    <message>
        <source>one peg, feedback hidden</source>
        <translation>un pion, réponse masquée</translation>
    </message>
    <message>
        <source>no pegs</source>
        <translation>aucun pion</translation>
    </message>
    <message>
        <source>Guess rows</source>
        <translation type="vanished">Rangées d&apos;essai</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="vanished">Réponses</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation type="vanished">Couleurs</translation>
    </message>
    <message>
        <source>Row commands</source>
        <translation type="vanished">Commandes de rangée</translation>
    </message>
    <message>
        <source>Tintrix board, no game running. Control+N starts a new game.</source>
        <translation type="vanished">Plateau de Tintrix, aucune partie en cours. Ctrl+N commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>Checking row %1</source>
        <translation type="vanished">Vérification de la rangée %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation type="vanished">Partie terminée</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="vanished">Niveau %1</translation>
    </message>
    <message>
        <source>Colour in hand: </source>
        <translation type="vanished">Couleur en main&#xa0;: </translation>
    </message>
    <message>
        <source>Colour in hand: %1</source>
        <translation type="vanished">Couleur en main&#xa0;: %1</translation>
    </message>
    <message>
        <source>No colour in hand</source>
        <translation type="vanished">Aucune couleur en main</translation>
    </message>
    <message>
        <source>%1 in hole %2.</source>
        <translation type="vanished">%1 dans le trou %2.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation type="vanished">Rangée %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source> The feedback of row 1 is hidden.</source>
        <translation type="vanished"> La réponse de la rangée 1 est masquée.</translation>
    </message>
    <message>
        <source> The feedback of rows 1 to %1 is hidden.</source>
        <translation type="vanished"> Les réponses des rangées 1 à %1 sont masquées.</translation>
    </message>
    <message>
        <source> Solved! Level %1 won, score %2.</source>
        <translation type="vanished"> Résolu&#xa0;! Niveau %1 gagné, score %2.</translation>
    </message>
    <message>
        <source> Solved! All 36 levels won, score %1.</source>
        <translation type="vanished"> Résolu&#xa0;! Les 36 niveaux sont gagnés, score %1.</translation>
    </message>
    <message>
        <source> No rows left: the level is lost. The secret was %1.</source>
        <translation type="vanished"> Plus aucune rangée&#xa0;: le niveau est perdu. La combinaison secrète était %1.</translation>
    </message>
    <message>
        <source>Row %1, hole %2, </source>
        <translation type="vanished">Rangée %1, trou %2, </translation>
    </message>
    <message>
        <source>Row %1, hole %2, %3</source>
        <translation type="vanished">Rangée %1, trou %2, %3</translation>
    </message>
    <message>
        <source>Row %1, feedback %2, </source>
        <translation type="vanished">Rangée %1, réponse %2, </translation>
    </message>
    <message>
        <source>Row %1, feedback %2, %3</source>
        <translation type="vanished">Rangée %1, réponse %2, %3</translation>
    </message>
    <message>
        <source>Colour %1, </source>
        <translation type="vanished">Couleur %1, </translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation type="vanished">Couleur %1, %2</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation type="vanished">hors jeu</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation type="vanished">Vider la rangée</translation>
    </message>
    <message>
        <source>Takes back every peg of the current row</source>
        <translation type="vanished">Retire tous les pions de la rangée en cours</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation type="vanished">Répéter la rangée précédente</translation>
    </message>
    <message>
        <source>Copies the row above into the current row</source>
        <translation type="vanished">Copie la rangée du dessus dans la rangée en cours</translation>
    </message>
    <message>
        <source>Check row %1: </source>
        <translation type="vanished">Vérifier la rangée %1&#xa0;: </translation>
    </message>
    <message>
        <source>Check row %1: %2</source>
        <translation type="vanished">Vérifier la rangée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation type="vanished">Évalue la rangée en cours</translation>
    </message>
    <message>
        <source>Peg %1, </source>
        <translation type="vanished">Pion %1, </translation>
    </message>
    <message>
        <source>Peg %1, %2</source>
        <translation type="vanished">Pion %1, %2</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="vanished">Non utilisé</translation>
    </message>
    <message>
        <source>Correct combination: </source>
        <translation type="vanished">Combinaison correcte&#xa0;: </translation>
    </message>
    <message>
        <source>Correct combination: %1</source>
        <translation type="vanished">Combinaison correcte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation type="vanished">Rubriques d&apos;aide</translation>
    </message>
</context>
</TS>
