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
        <translation type="vanished"> Letzte Reihe wiederholen </translation>
    </message>
    <message>
        <source> Clear Row </source>
        <translation type="vanished"> Reihe leeren </translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation type="vanished">Reihe leeren</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation type="vanished">Letzte Reihe wiederholen</translation>
    </message>
    <message>
        <source> Test your selection </source>
        <translation type="vanished"> Auswahl prüfen </translation>
    </message>
    <message>
        <source>This is your score</source>
        <translation type="vanished">Das ist dein Punktestand</translation>
    </message>
    <message>
        <source>The current level - there are 36</source>
        <translation type="vanished">Das aktuelle Level – es gibt 36</translation>
    </message>
    <message>
        <source>TRUE means colors can be repeated</source>
        <translation type="vanished">JA heißt: Farben dürfen sich wiederholen</translation>
    </message>
    <message>
        <source>This is the current selected color</source>
        <translation type="vanished">Das ist die gewählte Farbe</translation>
    </message>
    <message>
        <source>Score = </source>
        <translation type="vanished">Punkte = </translation>
    </message>
    <message>
        <source>Score: 000</source>
        <translation type="vanished">Punkte: 000</translation>
    </message>
    <message>
        <source>score: %1</source>
        <translation type="vanished">Punkte: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="vanished">Level %1</translation>
    </message>
    <message>
        <source>Duplicates = True</source>
        <translation type="vanished">Doppelte = Ja</translation>
    </message>
    <message>
        <source>Duplicates = False</source>
        <translation type="vanished">Doppelte = Nein</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation type="vanished">LEVEL %1</translation>
    </message>
    <message>
        <source>SORRY!</source>
        <translation type="vanished">SCHADE!</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation type="vanished">SPIEL VORBEI</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation type="vanished">GLÜCKWUNSCH!</translation>
    </message>
    <message>
        <source>ALL 36 LEVELS SOLVED</source>
        <translation type="vanished">ALLE 36 LEVEL GESCHAFFT</translation>
    </message>
    <message>
        <source>First fill the current row.</source>
        <translation type="vanished">Fülle zuerst die aktuelle Reihe.</translation>
    </message>
    <message>
        <source>Exit Tintrix?</source>
        <translation type="vanished">Tintrix beenden?</translation>
    </message>
    <message>
        <source>Correct Combination</source>
        <translation type="vanished">Richtige Kombination</translation>
    </message>
    <message>
        <source>Correct Color Combination</source>
        <translation type="vanished">Richtige Farbkombination</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="vanished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="vanished">Abbrechen</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation type="vanished">Tintrix-Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation type="vanished">Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation type="vanished">Die Hilfedatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The help file %1 is empty.</source>
        <translation type="vanished">Die Hilfedatei %1 ist leer.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tintrix Help&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix looks for its help file in the program&apos;s folder, next to the game itself.&lt;/p&gt;</source>
        <translation type="vanished">&lt;h2&gt;Tintrix-Hilfe&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix sucht seine Hilfedatei im Ordner des Programms, gleich neben dem Spiel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tintrix looks for its help file in the program&apos;s folder, next to the game itself.</source>
        <translation type="vanished">Tintrix sucht seine Hilfedatei im Ordner des Programms, gleich neben dem Spiel.</translation>
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
        <translation type="vanished">&amp;Datei</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="vanished">Neues Spiel</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation type="vanished">Spiel beenden</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="vanished">Bestenliste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="vanished">Beenden</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation type="vanished">&amp;Level</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="vanished">&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="vanished">Stil</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation type="vanished">Wirbel</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation type="vanished">Stein</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation type="vanished">Eis</translation>
    </message>
    <message>
        <source>Cocktail</source>
        <translation type="vanished">Cocktail</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="vanished">Töne</translation>
    </message>
    <message>
        <source>On</source>
        <translation type="vanished">An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="vanished">Aus</translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="vanished">Musik</translation>
    </message>
    <message>
        <source>Color Bar</source>
        <translation type="vanished">Farbleiste</translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="vanished">Anzeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="vanished">Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="vanished">&amp;Hilfe</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation type="vanished">Tintrix-Hilfe</translation>
    </message>
    <message>
        <source>About Tintrix</source>
        <translation type="vanished">Über Tintrix</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation type="vanished">Reihe leeren</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation type="vanished">Letzte Reihe wiederholen</translation>
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
        <translation type="vanished">Tippreihen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="vanished">Bewertung</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation type="vanished">Farben</translation>
    </message>
    <message>
        <source>Row commands</source>
        <translation type="vanished">Reihenbefehle</translation>
    </message>
    <message>
        <source>Tintrix board, no game running. Control+N starts a new game.</source>
        <translation type="vanished">Tintrix-Spielbrett, kein Spiel läuft. Strg+N startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Checking row %1</source>
        <translation type="vanished">Reihe %1 wird geprüft</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation type="vanished">Spiel vorbei</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="vanished">Level %1</translation>
    </message>
    <message>
        <source>Colour in hand: </source>
        <translation type="vanished">Farbe in der Hand: </translation>
    </message>
    <message>
        <source>Colour in hand: %1</source>
        <translation type="vanished">Farbe in der Hand: %1</translation>
    </message>
    <message>
        <source>No colour in hand</source>
        <translation type="vanished">Keine Farbe in der Hand</translation>
    </message>
    <message>
        <source>%1 in hole %2.</source>
        <translation type="vanished">%1 in Loch %2.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation type="vanished">Reihe %1: %2.</translation>
    </message>
    <message>
        <source> The feedback of row 1 is hidden.</source>
        <translation type="vanished"> Die Bewertung von Reihe 1 ist verdeckt.</translation>
    </message>
    <message>
        <source> The feedback of rows 1 to %1 is hidden.</source>
        <translation type="vanished"> Die Bewertungen der Reihen 1 bis %1 sind verdeckt.</translation>
    </message>
    <message>
        <source> Solved! Level %1 won, score %2.</source>
        <translation type="vanished"> Gelöst! Level %1 gewonnen, Punktestand %2.</translation>
    </message>
    <message>
        <source> Solved! All 36 levels won, score %1.</source>
        <translation type="vanished"> Gelöst! Alle 36 Level gewonnen, Punktestand %1.</translation>
    </message>
    <message>
        <source> No rows left: the level is lost. The secret was %1.</source>
        <translation type="vanished"> Keine Reihe mehr frei: Das Level ist verloren. Die geheime Kombination war %1.</translation>
    </message>
    <message>
        <source>Row %1, hole %2, </source>
        <translation type="vanished">Reihe %1, Loch %2, </translation>
    </message>
    <message>
        <source>Row %1, hole %2, %3</source>
        <translation type="vanished">Reihe %1, Loch %2, %3</translation>
    </message>
    <message>
        <source>Row %1, feedback %2, </source>
        <translation type="vanished">Reihe %1, Bewertung %2, </translation>
    </message>
    <message>
        <source>Row %1, feedback %2, %3</source>
        <translation type="vanished">Reihe %1, Bewertung %2, %3</translation>
    </message>
    <message>
        <source>Colour %1, </source>
        <translation type="vanished">Farbe %1, </translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation type="vanished">Farbe %1, %2</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation type="vanished">nicht im Spiel</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation type="vanished">Reihe leeren</translation>
    </message>
    <message>
        <source>Takes back every peg of the current row</source>
        <translation type="vanished">Nimmt alle Stifte der aktuellen Reihe zurück</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation type="vanished">Letzte Reihe wiederholen</translation>
    </message>
    <message>
        <source>Copies the row above into the current row</source>
        <translation type="vanished">Übernimmt die Reihe darüber in die aktuelle Reihe</translation>
    </message>
    <message>
        <source>Check row %1: </source>
        <translation type="vanished">Reihe %1 prüfen: </translation>
    </message>
    <message>
        <source>Check row %1: %2</source>
        <translation type="vanished">Reihe %1 prüfen: %2</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation type="vanished">Bewertet die aktuelle Reihe</translation>
    </message>
    <message>
        <source>Peg %1, </source>
        <translation type="vanished">Stift %1, </translation>
    </message>
    <message>
        <source>Peg %1, %2</source>
        <translation type="vanished">Stift %1, %2</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation type="vanished">Nicht benutzt</translation>
    </message>
    <message>
        <source>Correct combination: </source>
        <translation type="vanished">Richtige Kombination: </translation>
    </message>
    <message>
        <source>Correct combination: %1</source>
        <translation type="vanished">Richtige Kombination: %1</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation type="vanished">Hilfethemen</translation>
    </message>
</context>
</TS>
