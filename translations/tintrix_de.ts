<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
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
        <translation>4 LÖCHER, 6 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>4 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>4 LÖCHER, 7 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>4 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>4 LÖCHER, 8 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>4 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>4 LÖCHER, 6 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>4 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>4 LÖCHER, 7 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>4 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>4 LÖCHER, 8 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>5 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>5 LÖCHER, 6 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>5 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>5 LÖCHER, 7 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>5 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>5 LÖCHER, 8 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>5 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>5 LÖCHER, 6 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>5 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>5 LÖCHER, 7 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>5 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>5 LÖCHER, 8 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>6 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>6 LÖCHER, 6 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>6 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>6 LÖCHER, 7 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>6 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>6 LÖCHER, 8 FARBEN, OHNE DOPPELTE</translation>
    </message>
    <message>
        <source>6 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>6 LÖCHER, 6 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>6 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>6 LÖCHER, 7 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source>6 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>6 LÖCHER, 8 FARBEN, MIT DOPPELTEN</translation>
    </message>
    <message>
        <source> Redo Last Row </source>
        <translation> Letzte Reihe wiederholen </translation>
    </message>
    <message>
        <source> Clear Row </source>
        <translation> Reihe leeren </translation>
    </message>
    <message>
        <source> Test your selection </source>
        <translation> Auswahl prüfen </translation>
    </message>
    <message>
        <source>This is your score</source>
        <translation>Das ist dein Punktestand</translation>
    </message>
    <message>
        <source>The current level - there are 36</source>
        <translation>Das aktuelle Level – es gibt 36</translation>
    </message>
    <message>
        <source>TRUE means colors can be repeated</source>
        <translation>JA heißt: Farben dürfen sich wiederholen</translation>
    </message>
    <message>
        <source>This is the current selected color</source>
        <translation>Das ist die gewählte Farbe</translation>
    </message>
    <message>
        <source>Score = </source>
        <translation>Punkte = </translation>
    </message>
    <message>
        <source>Score: 000</source>
        <translation>Punkte: 000</translation>
    </message>
    <message>
        <source>score: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Duplicates = True</source>
        <translation>Doppelte = Ja</translation>
    </message>
    <message>
        <source>Duplicates = False</source>
        <translation>Doppelte = Nein</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>LEVEL %1</translation>
    </message>
    <message>
        <source>SORRY!</source>
        <translation>SCHADE!</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>GLÜCKWUNSCH!</translation>
    </message>
    <message>
        <source>ALL 36 LEVELS SOLVED</source>
        <translation>ALLE 36 LEVEL GESCHAFFT</translation>
    </message>
    <message>
        <source>First fill the current row.</source>
        <translation>Fülle zuerst die aktuelle Reihe.</translation>
    </message>
    <message>
        <source>Exit Tintrix?</source>
        <translation>Tintrix beenden?</translation>
    </message>
    <message>
        <source>Correct Combination</source>
        <translation>Richtige Kombination</translation>
    </message>
    <message>
        <source>Correct Color Combination</source>
        <translation>Richtige Farbkombination</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation>Tintrix-Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>Die Hilfedatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The help file %1 is empty.</source>
        <translation>Die Hilfedatei %1 ist leer.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tintrix Help&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix looks for its help file in the program&apos;s folder, next to the game itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Tintrix-Hilfe&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix sucht seine Hilfedatei im Ordner des Programms, gleich neben dem Spiel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tintrix </source>
        <translation>Tintrix </translation>
    </message>
    <message>
        <source>TOURNAMENT RESUMED</source>
        <translation>TURNIER FORTGESETZT</translation>
    </message>
    <message>
        <source>LEVEL %1, SCORE %2</source>
        <translation>LEVEL %1, PUNKTE %2</translation>
    </message>
    <message>
        <source>it was saved by a newer version of Tintrix.</source>
        <translation>Es wurde von einer neueren Version von Tintrix gespeichert.</translation>
    </message>
    <message>
        <source>the file is not a saved tournament.</source>
        <translation>Die Datei ist kein gespeichertes Turnier.</translation>
    </message>
    <message>
        <source>it is a link.</source>
        <translation>Es ist ein Verweis.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>Es ist ein Ordner.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the file is damaged or cut short.</source>
        <translation>Die Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>Tintrix is already running. This window starts without the saved tournament and does not save its games.</source>
        <translation>Tintrix läuft bereits. Dieses Fenster startet ohne das gespeicherte Turnier und speichert seine Spiele nicht.</translation>
    </message>
    <message>
        <source>The tournament cannot be saved in %1: games in progress will not be kept.</source>
        <translation>Das Turnier kann nicht in %1 gespeichert werden: Laufende Spiele bleiben nicht erhalten.</translation>
    </message>
    <message>
        <source>It was left as it is, and games will not be saved until it is gone.</source>
        <translation>Sie wurde so belassen, wie sie ist; bis sie entfernt ist, werden keine Spiele gespeichert.</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>Sie wurde nach %1 verschoben.</translation>
    </message>
    <message>
        <source>The saved tournament in %1 cannot be resumed: %2 %3</source>
        <translation>Das gespeicherte Turnier in %1 kann nicht fortgesetzt werden. %2 %3</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>New High Score</source>
        <translation>Neuer Rekord</translation>
    </message>
    <message>
        <source>Enter your name (1-12 char).</source>
        <translation>Gib deinen Namen ein (1–12 Zeichen).</translation>
    </message>
    <message>
        <source>The game&apos;s folder cannot be written. </source>
        <translation>In den Ordner des Spiels kann nicht geschrieben werden. </translation>
    </message>
    <message>
        <source>%1 is a folder. </source>
        <translation>%1 ist ein Ordner. </translation>
    </message>
    <message>
        <source>%1 is a link and was left unchanged. </source>
        <translation>%1 ist ein Verweis und wurde nicht verändert. </translation>
    </message>
    <message>
        <source>%1 cannot be read and was left unchanged. </source>
        <translation>%1 kann nicht gelesen werden und wurde nicht verändert. </translation>
    </message>
    <message>
        <source>%1 is not a high score file and was left unchanged. </source>
        <translation>%1 ist keine Bestenlisten-Datei und wurde nicht verändert. </translation>
    </message>
    <message>
        <source>The high scores are kept in %1.</source>
        <translation>Die Bestenliste wird in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The high scores could not be saved in %1. They stay in the table while the game runs and are saved again with the next high score.</source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden. Sie bleibt erhalten, solange das Spiel läuft, und wird beim nächsten Rekord erneut gespeichert.</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>LEVEL </source>
        <translation>LEVEL </translation>
    </message>
    <message>
        <source>TOP PLAYERS</source>
        <translation>BESTE SPIELER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 is a folder, so the damaged high score file could not be kept and was left unchanged. </source>
        <translation>%1 ist ein Ordner, daher konnte die beschädigte Bestenlisten-Datei nicht gesichert werden und wurde nicht verändert. </translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the damaged high score file could not be kept and was left unchanged. </source>
        <translation>%1 ist keine normale Datei, daher konnte die beschädigte Bestenlisten-Datei nicht gesichert werden und wurde nicht verändert. </translation>
    </message>
    <message>
        <source>%1 is a folder, so the damaged high score file was kept as %2.</source>
        <translation>%1 ist ein Ordner, daher wurde die beschädigte Bestenlisten-Datei als %2 gesichert.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the damaged high score file was kept as %2.</source>
        <translation>%1 ist keine normale Datei, daher wurde die beschädigte Bestenlisten-Datei als %2 gesichert.</translation>
    </message>
    <message>
        <source>Another copy of the game is saving its high scores. Yours will be saved as soon as it has finished.</source>
        <translation>Eine andere Kopie des Spiels speichert gerade ihre Bestenliste. Deine wird gespeichert, sobald sie fertig ist.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Level 1  -  4 spaces  6 colors  no dupliactes</source>
        <translation>Level 1  -  4 Löcher  6 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 2  -  4 spaces  7 colors  no duplicates</source>
        <translation>Level 2  -  4 Löcher  7 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 3  -  4 spaces  8 colors  no duplicates</source>
        <translation>Level 3  -  4 Löcher  8 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 4  -  4 spaces  6 colors  duplicates</source>
        <translation>Level 4  -  4 Löcher  6 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 5  -  4 spaces  7 colors  duplicates</source>
        <translation>Level 5  -  4 Löcher  7 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 6  -  4 spaces  8 colors  duplicates</source>
        <translation>Level 6  -  4 Löcher  8 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 7  -  5 spaces  6 colors  no duplicates</source>
        <translation>Level 7  -  5 Löcher  6 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 8  -  5 spaces  7 colors  no duplicates</source>
        <translation>Level 8  -  5 Löcher  7 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 9  -  5 spaces  8 colors  no duplicates</source>
        <translation>Level 9  -  5 Löcher  8 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 10 - 5 spaces  6 colors  duplicates</source>
        <translation>Level 10 - 5 Löcher  6 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 11 - 5 spaces  7 colors  duplicates</source>
        <translation>Level 11 - 5 Löcher  7 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 12 - 5 spaces  8 colors  duplicates</source>
        <translation>Level 12 - 5 Löcher  8 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 13 - 6 spaces  6 colors  no duplicates</source>
        <translation>Level 13 - 6 Löcher  6 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 14 - 6 spaces  7 colors  no duplicates</source>
        <translation>Level 14 - 6 Löcher  7 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 15 - 6 spaces  8 colors  no duplicates</source>
        <translation>Level 15 - 6 Löcher  8 Farben  ohne Doppelte</translation>
    </message>
    <message>
        <source>Level 16 - 6 spaces  6 colors  duplicates</source>
        <translation>Level 16 - 6 Löcher  6 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 17 - 6 spaces  7 colors  duplaictes</source>
        <translation>Level 17 - 6 Löcher  7 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>Level 18 - 6 spaces  8 colors  duplicates</source>
        <translation>Level 18 - 6 Löcher  8 Farben  mit Doppelten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Wirbel</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stein</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Eis</translation>
    </message>
    <message>
        <source>Cocktail</source>
        <translation>Cocktail</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Color Bar</source>
        <translation>Farbleiste</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation>Tintrix-Hilfe</translation>
    </message>
    <message>
        <source>About Tintrix</source>
        <translation>Über Tintrix</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation>Reihe leeren</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation>Letzte Reihe wiederholen</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>hellblau</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>dunkelblau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>pink peg</source>
        <translation>rosa Stift</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>blauer Stift</translation>
    </message>
    <message>
        <source>purple peg</source>
        <translation>lila Stift</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>grüner Stift</translation>
    </message>
    <message>
        <source>orange peg</source>
        <translation>oranger Stift</translation>
    </message>
    <message>
        <source>light blue peg</source>
        <translation>hellblauer Stift</translation>
    </message>
    <message>
        <source>dark blue peg</source>
        <translation>dunkelblauer Stift</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>roter Stift</translation>
    </message>
    <message>
        <source>no</source>
        <translation>kein</translation>
    </message>
    <message>
        <source>one</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>schwarzer Stift</translation>
    </message>
    <message>
        <source>grey peg</source>
        <translation>grauer Stift</translation>
    </message>
    <message>
        <source>hidden peg</source>
        <translation>verdeckter Stift</translation>
    </message>
    <message>
        <source>Place %1: %2, score %3, level %4</source>
        <translation>Platz %1: %2, %3 Punkte, Level %4</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>No scores yet</source>
        <translation>Noch keine Einträge</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n Spieler</numerusform>
            <numerusform>%n Spieler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 black</source>
        <translation>
            <numerusform>%1 schwarzer</numerusform>
            <numerusform>%1 schwarze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 grey</source>
        <translation>
            <numerusform>%1 grauer</numerusform>
            <numerusform>%1 graue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pegs, feedback hidden</source>
        <translation>
            <numerusform>%1 Stift, Bewertung verdeckt</numerusform>
            <numerusform>%1 Stifte, Bewertung verdeckt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no black</source>
        <translation>kein schwarzer</translation>
    </message>
    <message>
        <source>no grey</source>
        <translation>kein grauer</translation>
    </message>
    <message>
        <source>one peg, feedback hidden</source>
        <translation>ein Stift, Bewertung verdeckt</translation>
    </message>
    <message>
        <source>no pegs</source>
        <translation>keine Stifte</translation>
    </message>
    <message>
        <source>Guess rows</source>
        <translation>Tippreihen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Row commands</source>
        <translation>Reihenbefehle</translation>
    </message>
    <message>
        <source>Tintrix board, no game running. Control+N starts a new game.</source>
        <translation>Tintrix-Spielbrett, kein Spiel läuft. Strg+N startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Checking row %1</source>
        <translation>Reihe %1 wird geprüft</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Colour in hand: %1</source>
        <translation>Farbe in der Hand: %1</translation>
    </message>
    <message>
        <source>No colour in hand</source>
        <translation>Keine Farbe in der Hand</translation>
    </message>
    <message>
        <source>%1 in hole %2.</source>
        <translation>%1 in Loch %2.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Reihe %1: %2.</translation>
    </message>
    <message>
        <source> The feedback of row 1 is hidden.</source>
        <translation> Die Bewertung von Reihe 1 ist verdeckt.</translation>
    </message>
    <message>
        <source> Solved! Level %1 won, score %2.</source>
        <translation> Gelöst! Level %1 gewonnen, Punktestand %2.</translation>
    </message>
    <message>
        <source> Solved! All 36 levels won, score %1.</source>
        <translation> Gelöst! Alle 36 Level gewonnen, Punktestand %1.</translation>
    </message>
    <message>
        <source> No rows left: the level is lost. The secret was %1.</source>
        <translation> Keine Reihe mehr frei: Das Level ist verloren. Die geheime Kombination war %1.</translation>
    </message>
    <message>
        <source>Row %1, hole %2, %3</source>
        <translation>Reihe %1, Loch %2, %3</translation>
    </message>
    <message>
        <source>Row %1, feedback %2, %3</source>
        <translation>Reihe %1, Bewertung %2, %3</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Farbe %1, %2</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation>nicht im Spiel</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation>Reihe leeren</translation>
    </message>
    <message>
        <source>Takes back every peg of the current row</source>
        <translation>Nimmt alle Stifte der aktuellen Reihe zurück</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation>Letzte Reihe wiederholen</translation>
    </message>
    <message>
        <source>Copies the row above into the current row</source>
        <translation>Übernimmt die Reihe darüber in die aktuelle Reihe</translation>
    </message>
    <message>
        <source>Check row %1: %2</source>
        <translation>Reihe %1 prüfen: %2</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Bewertet die aktuelle Reihe</translation>
    </message>
    <message>
        <source>Peg %1, %2</source>
        <translation>Stift %1, %2</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nicht benutzt</translation>
    </message>
    <message>
        <source>Correct combination: %1</source>
        <translation>Richtige Kombination: %1</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message numerus="yes">
        <source> The feedback of rows 1 to %n is hidden.</source>
        <translation>
            <numerusform> Die Bewertung von Reihe %n ist verdeckt.</numerusform>
            <numerusform> Die Bewertungen der Reihen 1 bis %n sind verdeckt.</numerusform>
        </translation>
    </message>
</context>
</TS>
