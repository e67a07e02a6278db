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
        <translation> Répéter la rangée précédente </translation>
    </message>
    <message>
        <source> Clear Row </source>
        <translation> Vider la rangée </translation>
    </message>
    <message>
        <source> Test your selection </source>
        <translation> Vérifier votre choix </translation>
    </message>
    <message>
        <source>This is your score</source>
        <translation>Voici votre score</translation>
    </message>
    <message>
        <source>The current level - there are 36</source>
        <translation>Le niveau actuel – il y en a 36</translation>
    </message>
    <message>
        <source>TRUE means colors can be repeated</source>
        <translation>OUI&#xa0;: les couleurs peuvent se répéter</translation>
    </message>
    <message>
        <source>This is the current selected color</source>
        <translation>Voici la couleur choisie</translation>
    </message>
    <message>
        <source>Score = </source>
        <translation>Score = </translation>
    </message>
    <message>
        <source>Score: 000</source>
        <translation>Score&#xa0;: 000</translation>
    </message>
    <message>
        <source>score: %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Duplicates = True</source>
        <translation>Doublons = Oui</translation>
    </message>
    <message>
        <source>Duplicates = False</source>
        <translation>Doublons = Non</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEAU %1</translation>
    </message>
    <message>
        <source>SORRY!</source>
        <translation>DOMMAGE&#xa0;!</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>FÉLICITATIONS&#xa0;!</translation>
    </message>
    <message>
        <source>ALL 36 LEVELS SOLVED</source>
        <translation>LES 36 NIVEAUX RÉSOLUS</translation>
    </message>
    <message>
        <source>First fill the current row.</source>
        <translation>Remplissez d&apos;abord la rangée en cours.</translation>
    </message>
    <message>
        <source>Exit Tintrix?</source>
        <translation>Quitter Tintrix&#xa0;?</translation>
    </message>
    <message>
        <source>Correct Combination</source>
        <translation>Combinaison correcte</translation>
    </message>
    <message>
        <source>Correct Color Combination</source>
        <translation>Combinaison de couleurs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation>Aide de Tintrix</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>Le fichier d&apos;aide %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The help file %1 is empty.</source>
        <translation>Le fichier d&apos;aide %1 est vide.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tintrix Help&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix looks for its help file in the program&apos;s folder, next to the game itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aide de Tintrix&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix cherche son fichier d&apos;aide dans le dossier du programme, à côté du jeu lui-même.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tintrix </source>
        <translation>Tintrix </translation>
    </message>
    <message>
        <source>TOURNAMENT RESUMED</source>
        <translation>TOURNOI REPRIS</translation>
    </message>
    <message>
        <source>LEVEL %1, SCORE %2</source>
        <translation>NIVEAU %1, SCORE %2</translation>
    </message>
    <message>
        <source>it was saved by a newer version of Tintrix.</source>
        <translation>il a été enregistré par une version plus récente de Tintrix.</translation>
    </message>
    <message>
        <source>the file is not a saved tournament.</source>
        <translation>le fichier n&apos;est pas un tournoi sauvegardé.</translation>
    </message>
    <message>
        <source>it is a link.</source>
        <translation>c&apos;est un lien.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>le fichier est illisible.</translation>
    </message>
    <message>
        <source>the file is damaged or cut short.</source>
        <translation>le fichier est endommagé ou tronqué.</translation>
    </message>
    <message>
        <source>Tintrix is already running. This window starts without the saved tournament and does not save its games.</source>
        <translation>Tintrix est déjà lancé. Cette fenêtre démarre sans le tournoi sauvegardé et n&apos;enregistre pas ses parties.</translation>
    </message>
    <message>
        <source>The tournament cannot be saved in %1: games in progress will not be kept.</source>
        <translation>Le tournoi ne peut pas être enregistré dans %1 : les parties en cours ne seront pas conservées.</translation>
    </message>
    <message>
        <source>It was left as it is, and games will not be saved until it is gone.</source>
        <translation>Il a été laissé tel quel, et aucune partie ne sera enregistrée tant qu&apos;il sera là.</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>Il a été mis de côté sous %1.</translation>
    </message>
    <message>
        <source>The saved tournament in %1 cannot be resumed: %2 %3</source>
        <translation>Le tournoi sauvegardé dans %1 ne peut pas être repris : %2 %3</translation>
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
    <message>
        <source>%1 is a folder, so the damaged high score file could not be kept and was left unchanged. </source>
        <translation>%1 est un dossier : le fichier de meilleurs scores endommagé n&apos;a donc pas pu être conservé et n&apos;a pas été modifié. </translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the damaged high score file could not be kept and was left unchanged. </source>
        <translation>%1 n&apos;est pas un fichier ordinaire : le fichier de meilleurs scores endommagé n&apos;a donc pas pu être conservé et n&apos;a pas été modifié. </translation>
    </message>
    <message>
        <source>%1 is a folder, so the damaged high score file was kept as %2.</source>
        <translation>%1 est un dossier : le fichier de meilleurs scores endommagé a donc été conservé sous %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the damaged high score file was kept as %2.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire : le fichier de meilleurs scores endommagé a donc été conservé sous %2.</translation>
    </message>
    <message>
        <source>Another copy of the game is saving its high scores. Yours will be saved as soon as it has finished.</source>
        <translation>Une autre copie du jeu enregistre ses meilleurs scores. Les vôtres seront enregistrés dès qu&apos;elle aura terminé.</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminer la partie</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Niveau</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Pierre</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Glace</translation>
    </message>
    <message>
        <source>Cocktail</source>
        <translation>Cocktail</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Color Bar</source>
        <translation>Barre de couleurs</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation>Aide de Tintrix</translation>
    </message>
    <message>
        <source>About Tintrix</source>
        <translation>À propos de Tintrix</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation>Vider la rangée</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation>Répéter la rangée précédente</translation>
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
        <translation>Rangées d&apos;essai</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Row commands</source>
        <translation>Commandes de rangée</translation>
    </message>
    <message>
        <source>Tintrix board, no game running. Control+N starts a new game.</source>
        <translation>Plateau de Tintrix, aucune partie en cours. Ctrl+N commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>Checking row %1</source>
        <translation>Vérification de la rangée %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>Colour in hand: %1</source>
        <translation>Couleur en main&#xa0;: %1</translation>
    </message>
    <message>
        <source>No colour in hand</source>
        <translation>Aucune couleur en main</translation>
    </message>
    <message>
        <source>%1 in hole %2.</source>
        <translation>%1 dans le trou %2.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Rangée %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source> The feedback of row 1 is hidden.</source>
        <translation> La réponse de la rangée 1 est masquée.</translation>
    </message>
    <message>
        <source> Solved! Level %1 won, score %2.</source>
        <translation> Résolu&#xa0;! Niveau %1 gagné, score %2.</translation>
    </message>
    <message>
        <source> Solved! All 36 levels won, score %1.</source>
        <translation> Résolu&#xa0;! Les 36 niveaux sont gagnés, score %1.</translation>
    </message>
    <message>
        <source> No rows left: the level is lost. The secret was %1.</source>
        <translation> Plus aucune rangée&#xa0;: le niveau est perdu. La combinaison secrète était %1.</translation>
    </message>
    <message>
        <source>Row %1, hole %2, %3</source>
        <translation>Rangée %1, trou %2, %3</translation>
    </message>
    <message>
        <source>Row %1, feedback %2, %3</source>
        <translation>Rangée %1, réponse %2, %3</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Couleur %1, %2</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation>hors jeu</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation>Vider la rangée</translation>
    </message>
    <message>
        <source>Takes back every peg of the current row</source>
        <translation>Retire tous les pions de la rangée en cours</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation>Répéter la rangée précédente</translation>
    </message>
    <message>
        <source>Copies the row above into the current row</source>
        <translation>Copie la rangée du dessus dans la rangée en cours</translation>
    </message>
    <message>
        <source>Check row %1: %2</source>
        <translation>Vérifier la rangée %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Évalue la rangée en cours</translation>
    </message>
    <message>
        <source>Peg %1, %2</source>
        <translation>Pion %1, %2</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Non utilisé</translation>
    </message>
    <message>
        <source>Correct combination: %1</source>
        <translation>Combinaison correcte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message numerus="yes">
        <source> The feedback of rows 1 to %n is hidden.</source>
        <translation>
            <numerusform> La réponse de la rangée %n est masquée.</numerusform>
            <numerusform> Les réponses des rangées 1 à %n sont masquées.</numerusform>
        </translation>
    </message>
</context>
</TS>
