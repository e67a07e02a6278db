<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>4 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>4 HUECOS, 6 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>4 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>4 HUECOS, 7 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>4 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>4 HUECOS, 8 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>4 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>4 HUECOS, 6 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>4 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>4 HUECOS, 7 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>4 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>4 HUECOS, 8 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>5 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>5 HUECOS, 6 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>5 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>5 HUECOS, 7 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>5 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>5 HUECOS, 8 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>5 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>5 HUECOS, 6 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>5 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>5 HUECOS, 7 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>5 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>5 HUECOS, 8 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>6 SPACES, 6 COLORS, NO DUPLICATES</source>
        <translation>6 HUECOS, 6 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>6 SPACES, 7 COLORS, NO DUPLICATES</source>
        <translation>6 HUECOS, 7 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>6 SPACES, 8 COLORS, NO DUPLICATES</source>
        <translation>6 HUECOS, 8 COLORES, SIN REPETIDOS</translation>
    </message>
    <message>
        <source>6 SPACES, 6 COLORS, DUPLICATES</source>
        <translation>6 HUECOS, 6 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>6 SPACES, 7 COLORS, DUPLICATES</source>
        <translation>6 HUECOS, 7 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source>6 SPACES, 8 COLORS, DUPLICATES</source>
        <translation>6 HUECOS, 8 COLORES, CON REPETIDOS</translation>
    </message>
    <message>
        <source> Redo Last Row </source>
        <translation> Repetir la fila anterior </translation>
    </message>
    <message>
        <source> Clear Row </source>
        <translation> Vaciar la fila </translation>
    </message>
    <message>
        <source> Test your selection </source>
        <translation> Comprobar tu combinación </translation>
    </message>
    <message>
        <source>This is your score</source>
        <translation>Esta es tu puntuación</translation>
    </message>
    <message>
        <source>The current level - there are 36</source>
        <translation>El nivel actual (hay 36)</translation>
    </message>
    <message>
        <source>TRUE means colors can be repeated</source>
        <translation>SÍ significa que los colores pueden repetirse</translation>
    </message>
    <message>
        <source>This is the current selected color</source>
        <translation>Este es el color elegido</translation>
    </message>
    <message>
        <source>Score = </source>
        <translation>Puntos = </translation>
    </message>
    <message>
        <source>Score: 000</source>
        <translation>Puntos: 000</translation>
    </message>
    <message>
        <source>score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Duplicates = True</source>
        <translation>Repetidos = Sí</translation>
    </message>
    <message>
        <source>Duplicates = False</source>
        <translation>Repetidos = No</translation>
    </message>
    <message>
        <source>LEVEL %1</source>
        <translation>NIVEL %1</translation>
    </message>
    <message>
        <source>SORRY!</source>
        <translation>¡LO SIENTO!</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>¡ENHORABUENA!</translation>
    </message>
    <message>
        <source>ALL 36 LEVELS SOLVED</source>
        <translation>LOS 36 NIVELES RESUELTOS</translation>
    </message>
    <message>
        <source>First fill the current row.</source>
        <translation>Primero llena la fila actual.</translation>
    </message>
    <message>
        <source>Exit Tintrix?</source>
        <translation>¿Salir de Tintrix?</translation>
    </message>
    <message>
        <source>Correct Combination</source>
        <translation>Combinación correcta</translation>
    </message>
    <message>
        <source>Correct Color Combination</source>
        <translation>Combinación de colores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation>Ayuda de Tintrix</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>No se encontró el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>The help file %1 could not be read.</source>
        <translation>No se pudo leer el archivo de ayuda %1.</translation>
    </message>
    <message>
        <source>The help file %1 is empty.</source>
        <translation>El archivo de ayuda %1 está vacío.</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Tintrix Help&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix looks for its help file in the program&apos;s folder, next to the game itself.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ayuda de Tintrix&lt;/h2&gt;&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;Tintrix busca su archivo de ayuda en la carpeta del programa, junto al propio juego.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Tintrix </source>
        <translation>Tintrix </translation>
    </message>
    <message>
        <source>TOURNAMENT RESUMED</source>
        <translation>TORNEO REANUDADO</translation>
    </message>
    <message>
        <source>LEVEL %1, SCORE %2</source>
        <translation>NIVEL %1, PUNTOS %2</translation>
    </message>
    <message>
        <source>it was saved by a newer version of Tintrix.</source>
        <translation>se guardó con una versión más reciente de Tintrix.</translation>
    </message>
    <message>
        <source>the file is not a saved tournament.</source>
        <translation>el archivo no es un torneo guardado.</translation>
    </message>
    <message>
        <source>it is a link.</source>
        <translation>es un enlace.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>the file cannot be read.</source>
        <translation>el archivo no se puede leer.</translation>
    </message>
    <message>
        <source>the file is damaged or cut short.</source>
        <translation>el archivo está dañado o incompleto.</translation>
    </message>
    <message>
        <source>Tintrix is already running. This window starts without the saved tournament and does not save its games.</source>
        <translation>Tintrix ya está abierto. Esta ventana se abre sin el torneo guardado y no guarda sus partidas.</translation>
    </message>
    <message>
        <source>The tournament cannot be saved in %1: games in progress will not be kept.</source>
        <translation>El torneo no se puede guardar en %1: las partidas en curso no se conservarán.</translation>
    </message>
    <message>
        <source>It was left as it is, and games will not be saved until it is gone.</source>
        <translation>Se ha dejado tal cual, y no se guardará ninguna partida mientras siga ahí.</translation>
    </message>
    <message>
        <source>It was moved aside to %1.</source>
        <translation>Se ha apartado a %1.</translation>
    </message>
    <message>
        <source>The saved tournament in %1 cannot be resumed: %2 %3</source>
        <translation>El torneo guardado en %1 no se puede reanudar: %2 %3</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <source>New High Score</source>
        <translation>Nuevo récord</translation>
    </message>
    <message>
        <source>Enter your name (1-12 char).</source>
        <translation>Escribe tu nombre (de 1 a 12 caracteres).</translation>
    </message>
    <message>
        <source>The game&apos;s folder cannot be written. </source>
        <translation>No se puede escribir en la carpeta del juego. </translation>
    </message>
    <message>
        <source>%1 is a folder. </source>
        <translation>%1 es una carpeta. </translation>
    </message>
    <message>
        <source>%1 is a link and was left unchanged. </source>
        <translation>%1 es un enlace y no se ha modificado. </translation>
    </message>
    <message>
        <source>%1 cannot be read and was left unchanged. </source>
        <translation>%1 no se puede leer y no se ha modificado. </translation>
    </message>
    <message>
        <source>%1 is not a high score file and was left unchanged. </source>
        <translation>%1 no es un archivo de récords y no se ha modificado. </translation>
    </message>
    <message>
        <source>The high scores are kept in %1.</source>
        <translation>Los récords se guardan en %1.</translation>
    </message>
    <message>
        <source>The high scores could not be saved in %1. They stay in the table while the game runs and are saved again with the next high score.</source>
        <translation>No se pudieron guardar los récords en %1. Se conservan en la tabla mientras el juego siga abierto y se guardarán con el próximo récord.</translation>
    </message>
    <message>
        <source>Top Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>LEVEL </source>
        <translation>NIVEL </translation>
    </message>
    <message>
        <source>TOP PLAYERS</source>
        <translation>MEJORES JUGADORES</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 is a folder, so the damaged high score file could not be kept and was left unchanged. </source>
        <translation>%1 es una carpeta, así que el archivo de récords dañado no se pudo conservar y no se ha modificado. </translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the damaged high score file could not be kept and was left unchanged. </source>
        <translation>%1 no es un archivo normal, así que el archivo de récords dañado no se pudo conservar y no se ha modificado. </translation>
    </message>
    <message>
        <source>%1 is a folder, so the damaged high score file was kept as %2.</source>
        <translation>%1 es una carpeta, así que el archivo de récords dañado se ha conservado como %2.</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the damaged high score file was kept as %2.</source>
        <translation>%1 no es un archivo normal, así que el archivo de récords dañado se ha conservado como %2.</translation>
    </message>
    <message>
        <source>Another copy of the game is saving its high scores. Yours will be saved as soon as it has finished.</source>
        <translation>Otra copia del juego está guardando sus récords. Los tuyos se guardarán en cuanto termine.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Level 1  -  4 spaces  6 colors  no dupliactes</source>
        <translation>Nivel 1  -  4 huecos  6 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 2  -  4 spaces  7 colors  no duplicates</source>
        <translation>Nivel 2  -  4 huecos  7 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 3  -  4 spaces  8 colors  no duplicates</source>
        <translation>Nivel 3  -  4 huecos  8 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 4  -  4 spaces  6 colors  duplicates</source>
        <translation>Nivel 4  -  4 huecos  6 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 5  -  4 spaces  7 colors  duplicates</source>
        <translation>Nivel 5  -  4 huecos  7 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 6  -  4 spaces  8 colors  duplicates</source>
        <translation>Nivel 6  -  4 huecos  8 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 7  -  5 spaces  6 colors  no duplicates</source>
        <translation>Nivel 7  -  5 huecos  6 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 8  -  5 spaces  7 colors  no duplicates</source>
        <translation>Nivel 8  -  5 huecos  7 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 9  -  5 spaces  8 colors  no duplicates</source>
        <translation>Nivel 9  -  5 huecos  8 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 10 - 5 spaces  6 colors  duplicates</source>
        <translation>Nivel 10 - 5 huecos  6 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 11 - 5 spaces  7 colors  duplicates</source>
        <translation>Nivel 11 - 5 huecos  7 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 12 - 5 spaces  8 colors  duplicates</source>
        <translation>Nivel 12 - 5 huecos  8 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 13 - 6 spaces  6 colors  no duplicates</source>
        <translation>Nivel 13 - 6 huecos  6 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 14 - 6 spaces  7 colors  no duplicates</source>
        <translation>Nivel 14 - 6 huecos  7 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 15 - 6 spaces  8 colors  no duplicates</source>
        <translation>Nivel 15 - 6 huecos  8 colores  sin repetidos</translation>
    </message>
    <message>
        <source>Level 16 - 6 spaces  6 colors  duplicates</source>
        <translation>Nivel 16 - 6 huecos  6 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 17 - 6 spaces  7 colors  duplaictes</source>
        <translation>Nivel 17 - 6 huecos  7 colores  con repetidos</translation>
    </message>
    <message>
        <source>Level 18 - 6 spaces  8 colors  duplicates</source>
        <translation>Nivel 18 - 6 huecos  8 colores  con repetidos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>End Game</source>
        <translation>Terminar la partida</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Level</source>
        <translation>&amp;Nivel</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Swirl</source>
        <translation>Remolino</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Piedra</translation>
    </message>
    <message>
        <source>Ice</source>
        <translation>Hielo</translation>
    </message>
    <message>
        <source>Cocktail</source>
        <translation>Cóctel</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Color Bar</source>
        <translation>Barra de colores</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Tintrix Help</source>
        <translation>Ayuda de Tintrix</translation>
    </message>
    <message>
        <source>About Tintrix</source>
        <translation>Acerca de Tintrix</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation>Vaciar la fila</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation>Repetir la fila anterior</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>azul claro</translation>
    </message>
    <message>
        <source>dark blue</source>
        <translation>azul oscuro</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>pink peg</source>
        <translation>ficha rosa</translation>
    </message>
    <message>
        <source>blue peg</source>
        <translation>ficha azul</translation>
    </message>
    <message>
        <source>purple peg</source>
        <translation>ficha morada</translation>
    </message>
    <message>
        <source>green peg</source>
        <translation>ficha verde</translation>
    </message>
    <message>
        <source>orange peg</source>
        <translation>ficha naranja</translation>
    </message>
    <message>
        <source>light blue peg</source>
        <translation>ficha azul claro</translation>
    </message>
    <message>
        <source>dark blue peg</source>
        <translation>ficha azul oscuro</translation>
    </message>
    <message>
        <source>red peg</source>
        <translation>ficha roja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>one</source>
        <translation>una</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>black peg</source>
        <translation>ficha negra</translation>
    </message>
    <message>
        <source>grey peg</source>
        <translation>ficha gris</translation>
    </message>
    <message>
        <source>hidden peg</source>
        <translation>ficha oculta</translation>
    </message>
    <message>
        <source>Place %1: %2, score %3, level %4</source>
        <translation>Puesto %1: %2, puntuación %3, nivel %4</translation>
    </message>
    <message>
        <source>score %1</source>
        <translation>puntuación %1</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nivel %1</translation>
    </message>
    <message>
        <source>No scores yet</source>
        <translation>Todavía no hay récords</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un jugador</translation>
    </message>
    <message numerus="yes">
        <source>%n players</source>
        <translation>
            <numerusform>%n jugador</numerusform>
            <numerusform>%n jugadores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 black</source>
        <translation>
            <numerusform>%1 negra</numerusform>
            <numerusform>%1 negras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 grey</source>
        <translation>
            <numerusform>%1 gris</numerusform>
            <numerusform>%1 grises</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 pegs, feedback hidden</source>
        <translation>
            <numerusform>%1 ficha, respuesta oculta</numerusform>
            <numerusform>%1 fichas, respuesta oculta</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>no black</source>
        <translation>ninguna negra</translation>
    </message>
    <message>
        <source>no grey</source>
        <translation>ninguna gris</translation>
    </message>
    <message>
        <source>one peg, feedback hidden</source>
        <translation>una ficha, respuesta oculta</translation>
    </message>
    <message>
        <source>no pegs</source>
        <translation>ninguna ficha</translation>
    </message>
    <message>
        <source>Guess rows</source>
        <translation>Filas de intentos</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Row commands</source>
        <translation>Comandos de fila</translation>
    </message>
    <message>
        <source>Tintrix board, no game running. Control+N starts a new game.</source>
        <translation>Tablero de Tintrix, no hay ninguna partida en curso. Control+N empieza una partida nueva.</translation>
    </message>
    <message>
        <source>Checking row %1</source>
        <translation>Comprobando la fila %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Colour in hand: %1</source>
        <translation>Color en la mano: %1</translation>
    </message>
    <message>
        <source>No colour in hand</source>
        <translation>Ningún color en la mano</translation>
    </message>
    <message>
        <source>%1 in hole %2.</source>
        <translation>%1 en el hueco %2.</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Fila %1: %2.</translation>
    </message>
    <message>
        <source> The feedback of row 1 is hidden.</source>
        <translation> La respuesta de la fila 1 está oculta.</translation>
    </message>
    <message>
        <source> Solved! Level %1 won, score %2.</source>
        <translation> ¡Resuelto! Nivel %1 superado, puntuación %2.</translation>
    </message>
    <message>
        <source> Solved! All 36 levels won, score %1.</source>
        <translation> ¡Resuelto! Los 36 niveles superados, puntuación %1.</translation>
    </message>
    <message>
        <source> No rows left: the level is lost. The secret was %1.</source>
        <translation> No quedan filas: has perdido el nivel. La combinación secreta era %1.</translation>
    </message>
    <message>
        <source>Row %1, hole %2, %3</source>
        <translation>Fila %1, hueco %2, %3</translation>
    </message>
    <message>
        <source>Row %1, feedback %2, %3</source>
        <translation>Fila %1, respuesta %2, %3</translation>
    </message>
    <message>
        <source>Colour %1, %2</source>
        <translation>Color %1, %2</translation>
    </message>
    <message>
        <source>not in play</source>
        <translation>fuera de juego</translation>
    </message>
    <message>
        <source>Clear Row</source>
        <translation>Vaciar la fila</translation>
    </message>
    <message>
        <source>Takes back every peg of the current row</source>
        <translation>Retira todas las fichas de la fila actual</translation>
    </message>
    <message>
        <source>Redo Last Row</source>
        <translation>Repetir la fila anterior</translation>
    </message>
    <message>
        <source>Copies the row above into the current row</source>
        <translation>Copia la fila de arriba en la fila actual</translation>
    </message>
    <message>
        <source>Check row %1: %2</source>
        <translation>Comprobar la fila %1: %2</translation>
    </message>
    <message>
        <source>Scores the current row</source>
        <translation>Evalúa la fila actual</translation>
    </message>
    <message>
        <source>Peg %1, %2</source>
        <translation>Ficha %1, %2</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>Correct combination: %1</source>
        <translation>Combinación correcta: %1</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message numerus="yes">
        <source> The feedback of rows 1 to %n is hidden.</source>
        <translation>
            <numerusform> La respuesta de la fila %n está oculta.</numerusform>
            <numerusform> Las respuestas de las filas 1 a %n están ocultas.</numerusform>
        </translation>
    </message>
</context>
</TS>
