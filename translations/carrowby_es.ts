<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message>
        <source>known</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>aprendiendo</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lenta</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>fallada</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>aún sin preguntar</translation>
    </message>
    <message>
        <source>%1: not yet asked</source>
        <translation>%1: aún sin preguntar</translation>
    </message>
    <message>
        <source>%1: never asked</source>
        <translation>%1: nunca se pregunta</translation>
    </message>
    <message>
        <source>No fact has been asked yet.</source>
        <translation>Aún no se ha preguntado ninguna cuenta.</translation>
    </message>
    <message>
        <source>Every fact asked is right, and none is slow.</source>
        <translation>Todas las cuentas preguntadas están bien, ninguna lenta.</translation>
    </message>
    <message>
        <source>Still missed: %1.</source>
        <translation>Aún falladas: %1.</translation>
    </message>
    <message>
        <source>Right, but slow: %1.</source>
        <translation>Bien, pero lentas: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>due again</source>
        <translation>para repasar</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ayer</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: known since %2, due again on %3, last asked %4</source>
        <translation>%1: dominada desde el %2, para repasar el %3, preguntada por última vez %4</translation>
    </message>
    <message>
        <source>%1: due again, known since %2, last asked %3</source>
        <translation>%1: para repasar, dominada desde el %2, preguntada por última vez %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3 today, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, hoy %n de %3 bien, la más lenta en %4&#xa0;s</numerusform>
            <numerusform>%1: %2, hoy %n de %3 bien, la más lenta en %4&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</source>
        <translation>
            <numerusform>%1: %2, %n de %3 bien, la más lenta en %4&#xa0;s, preguntada por última vez %5</numerusform>
            <numerusform>%1: %2, %n de %3 bien, la más lenta en %4&#xa0;s, preguntada por última vez %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Facts, the number taken away down and the difference across</source>
        <translation>Cuentas: el número que se quita hacia abajo, la diferencia hacia la derecha</translation>
    </message>
    <message>
        <source>Facts, the divisor down and the quotient across</source>
        <translation>Cuentas: el divisor hacia abajo, el cociente hacia la derecha</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Cuentas: el número de arriba hacia abajo, el de abajo hacia la derecha</translation>
    </message>
    <message numerus="yes">
        <source>And %n to learn in other operations.</source>
        <translation>
            <numerusform>Y %n por aprender en otras operaciones.</numerusform>
            <numerusform>Y %n por aprender en otras operaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n addition facts</source>
        <translation>
            <numerusform>Dominadas: %1 de %n cuentas de sumar</numerusform>
            <numerusform>Dominadas: %1 de %n cuentas de sumar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n subtraction facts</source>
        <translation>
            <numerusform>Dominadas: %1 de %n cuentas de restar</numerusform>
            <numerusform>Dominadas: %1 de %n cuentas de restar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n multiplication facts</source>
        <translation>
            <numerusform>Dominadas: %1 de %n cuentas de multiplicar</numerusform>
            <numerusform>Dominadas: %1 de %n cuentas de multiplicar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n division facts</source>
        <translation>
            <numerusform>Dominadas: %1 de %n cuentas de dividir</numerusform>
            <numerusform>Dominadas: %1 de %n cuentas de dividir</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; %3.</source>
        <translation>%1, %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more than a week ago</source>
        <translation>
            <numerusform>%n más que hace una semana</numerusform>
            <numerusform>%n más que hace una semana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fewer than a week ago</source>
        <translation>
            <numerusform>%n menos que hace una semana</numerusform>
            <numerusform>%n menos que hace una semana</numerusform>
        </translation>
    </message>
    <message>
        <source>as many as a week ago</source>
        <translation>las mismas que hace una semana</translation>
    </message>
    <message numerus="yes">
        <source>%n due again</source>
        <translation>
            <numerusform>%n para repasar</numerusform>
            <numerusform>%n para repasar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Known when right within %n seconds.</source>
        <translation>
            <numerusform>%1. Dominada si está bien en %n segundo.</numerusform>
            <numerusform>%1. Dominada si está bien en %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Due again this week: %1.</source>
        <translation>Para repasar esta semana: %1.</translation>
    </message>
</context>
<context>
    <name>ForgetQuestion</name>
    <message>
        <source>For&amp;get</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>d MMMM</source>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <translation>d MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>No test has been finished yet.</source>
        <translation>Todavía no se ha terminado ninguna prueba.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>%d%</source>
        <translation>%d&#xa0;%</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4%, %5</source>
        <translation>%1, %2, %3: %4&#xa0;%, %5</translation>
    </message>
    <message>
        <source>%1: one test, on %2: %3%</source>
        <translation>%1: una prueba, el %2: %3&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n prueba desde el %2; las %3 últimas, del %4&#xa0;% al %5&#xa0;%</numerusform>
            <numerusform>%1: %n pruebas desde el %2; las %3 últimas, del %4&#xa0;% al %5&#xa0;%</numerusform>
        </translation>
    </message>
    <message>
        <source>% correct</source>
        <translation>%&#xa0;de aciertos</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <comment>the first</comment>
        <translation>d MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the first</comment>
        <translation>d &apos;de&apos; MMMM</translation>
    </message>
    <message>
        <source>%1: one practice, on %2: %3%</source>
        <translation>%1: una práctica, el %2: %3&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n practices since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n práctica desde el %2; las %3 últimas, del %4&#xa0;% al %5&#xa0;%</numerusform>
            <numerusform>%1: %n prácticas desde el %2; las %3 últimas, del %4&#xa0;% al %5&#xa0;%</numerusform>
        </translation>
    </message>
    <message>
        <source>MMM yyyy</source>
        <translation>MMM yyyy</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>The last ten tests</source>
        <translation>Las diez últimas pruebas</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>The last ten practices</source>
        <translation>Las diez últimas prácticas</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>Qt&apos;s speech library cannot be loaded: %1</source>
        <translation>No se puede cargar la biblioteca de voz de Qt: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>No hay ningún motor de voz instalado.</translation>
    </message>
    <message>
        <source>The speech engine does not answer: %1</source>
        <translation>El motor de voz no responde: %1</translation>
    </message>
    <message>
        <source>No voice here speaks English.</source>
        <translation>Ninguna voz de este equipo habla español.</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose voice reads this translation aloud</comment>
        <translation>es_ES</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <comment>the name of the espeak-ng voice preferred for this language</comment>
        <translation>Spanish (Spain)</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Problem</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Numbers ticked</source>
        <translation>Números marcados</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Time limit (seconds)</source>
        <translation>Plazo (segundos)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Sin responder</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Cómo terminó</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
</context>
<context>
    <name>TestsModel</name>
    <message>
        <source>Finished</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Se acabó el tiempo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrumpida</translation>
    </message>
    <message>
        <source>Not ended</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Sin responder</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Took</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
</context>
<context>
    <name>UnwrittenQuestion</name>
    <message>
        <source>Answers Not Written Yet</source>
        <translation>Respuestas aún sin guardar</translation>
    </message>
    <message>
        <source>Carrowby waits for them and closes once they are written. Leave now, and they are kept and written the next time a test starts.</source>
        <translation>Carrowby las espera y se cierra cuando estén guardadas. Si sales ahora, se conservan y se guardan en la próxima prueba.</translation>
    </message>
    <message>
        <source>&amp;Leave Now</source>
        <translation>&amp;Salir ahora</translation>
    </message>
    <message>
        <source>&amp;Wait</source>
        <translation>&amp;Esperar</translation>
    </message>
    <message numerus="yes">
        <source>%n answers cannot be written to the results file yet: %1.</source>
        <translation>
            <numerusform>%n respuesta aún no se puede guardar en el archivo de resultados: %1.</numerusform>
            <numerusform>%n respuestas aún no se pueden guardar en el archivo de resultados: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>drill</name>
    <message>
        <source>Problem%1 of%2</source>
        <translation>Cuenta%1 de%2</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>You were right!</source>
        <translation>¡Has acertado!</translation>
    </message>
    <message>
        <source>Oops!!!</source>
        <translation>¡¡¡Uy!!!</translation>
    </message>
    <message>
        <source>No test type selected!</source>
        <translation>¡No has elegido ninguna operación!</translation>
    </message>
    <message>
        <source>Can not test 0 with Division!</source>
        <translation>¡No se puede dividir entre 0!</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>¡No has elegido ningún número!</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>¡No has elegido cuántas cuentas hacer!</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>¡No has elegido el nivel!</translation>
    </message>
    <message>
        <source>It will come back, to be quicker.</source>
        <translation>Volverá, para que vayas más rápido.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Carrowby icon</source>
        <translation>Icono de Carrowby</translation>
    </message>
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
    <name>frmAnswer</name>
    <message>
        <source>Answer: </source>
        <translation>Respuesta: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Número junto al signo</translation>
    </message>
    <message>
        <source>The right answer</source>
        <translation>La respuesta correcta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>The right answer is%1</source>
        <translation>La respuesta correcta es%1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Seconds Remaining </source>
        <translation>Tiempo restante </translation>
    </message>
    <message>
        <source>Seconds remaining</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Status </source>
        <translation>Marcador </translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Bien:</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Mal:</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Percentage right</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Test These</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Test These </source>
        <translation>Operaciones </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Test Using</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Test Using </source>
        <translation>Números </translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Plazo:</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 segundos</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 Minutes</source>
        <translation>2 minutos</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 minutos</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 minutos</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Diabloish</source>
        <translation>Diabólico</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Cuentas:</translation>
    </message>
    <message>
        <source>Problem: </source>
        <translation>Cuenta: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Número junto al signo</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>INTRO</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Personalize Carrowby</source>
        <translation>Personalizar Carrowby</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>%1&apos;s Carrowby</source>
        <translation>Carrowby de %1</translation>
    </message>
    <message>
        <source>Settings Error</source>
        <translation>Error en los ajustes</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>¿Cómo te llamas?</translation>
    </message>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Resultados...</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>%:</source>
        <translation>%:</translation>
    </message>
    <message>
        <source>The Results window cannot be opened: %1</source>
        <translation>No se puede abrir la ventana de resultados: %1</translation>
    </message>
    <message>
        <source>“%1” is taken as %2, the name already used here, with the settings and the results kept for it.</source>
        <translation>«%1» se toma como %2, el nombre ya usado aquí, con sus ajustes y sus resultados.</translation>
    </message>
    <message>
        <source>Facts right now</source>
        <translation>Bien ahora</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n facts right now</source>
        <translation>
            <numerusform>Bien ahora: %1 de %n</numerusform>
            <numerusform>Bien ahora: %1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Practice </source>
        <translation>Práctica </translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message numerus="yes">
        <source>Time&apos;s up: %n unanswered</source>
        <translation>
            <numerusform>¡Tiempo! %n sin responder</numerusform>
            <numerusform>¡Tiempo! %n sin responder</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Read A&amp;loud</source>
        <translation>&amp;Leer en voz alta</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>Alto &amp;contraste</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Whose results:</source>
        <translation>Resultados &amp;de:</translation>
    </message>
    <message>
        <source>The title whose tests are shown</source>
        <translation>El título cuyas pruebas se muestran</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Last 10 Tests</source>
        <translation>Últimas 10 pruebas</translation>
    </message>
    <message>
        <source>Last 50 Tests</source>
        <translation>Últimas 50 pruebas</translation>
    </message>
    <message>
        <source>All Tests</source>
        <translation>Todas las pruebas</translation>
    </message>
    <message>
        <source>Percentage of each test</source>
        <translation>Porcentaje de aciertos de cada prueba</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>Pr&amp;uebas</translation>
    </message>
    <message>
        <source>Tests, newest first</source>
        <translation>Pruebas, las más recientes primero</translation>
    </message>
    <message>
        <source>&amp;Practise These</source>
        <translation>Para pra&amp;cticar</translation>
    </message>
    <message>
        <source>Tick These &amp;Numbers</source>
        <translation>Marcar estos &amp;números</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>No se pueden leer los resultados: %1.</translation>
    </message>
    <message>
        <source>Export Tests</source>
        <translation>Exportar pruebas</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Borrar todos los resultados</translation>
    </message>
    <message>
        <source>Not every result could be forgotten: %1.</source>
        <translation>No se han podido borrar todos los resultados: %1.</translation>
    </message>
    <message>
        <source>The last answers wait to be written: %1.</source>
        <translation>Las últimas respuestas esperan a guardarse: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n respuesta de esta sesión no se pudo guardar: %1.</numerusform>
            <numerusform>%n respuestas de esta sesión no se pudieron guardar: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>
            <numerusform>Marcado en la ventana principal para practicar: %1, con el número %2.</numerusform>
            <numerusform>Marcado en la ventana principal para practicar: %1, con los números %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Operación:</translation>
    </message>
    <message>
        <source>The operation whose facts are shown</source>
        <translation>La operación cuyas cuentas se muestran</translation>
    </message>
    <message>
        <source>&amp;Known when right within:</source>
        <translation>Dominad&amp;a si está bien en:</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 segundos</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 segundos</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 segundos</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 segundos</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 segundos</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Cuentas: el número de arriba hacia abajo, el de abajo hacia la derecha</translation>
    </message>
    <message>
        <source>✓ Known</source>
        <translation>✓ Dominada</translation>
    </message>
    <message>
        <source>○ Learning</source>
        <translation>○ Aprendiendo</translation>
    </message>
    <message>
        <source>… Slow</source>
        <translation>… Lenta</translation>
    </message>
    <message>
        <source>✗ Missed</source>
        <translation>✗ Fallada</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Aún sin preguntar</translation>
    </message>
    <message>
        <source>Practise These F&amp;acts</source>
        <translation>Practicar es&amp;tas cuentas</translation>
    </message>
    <message>
        <source>The main window now shows %1.</source>
        <translation>La ventana principal muestra ahora %1.</translation>
    </message>
    <message>
        <source>&amp;Export as CSV</source>
        <translation>&amp;Exportar como CSV</translation>
    </message>
    <message>
        <source>Forget T&amp;hese Results...</source>
        <translation>Borrar estos &amp;resultados...</translation>
    </message>
    <message>
        <source>Pr&amp;int Report...</source>
        <translation>&amp;Imprimir informe...</translation>
    </message>
    <message>
        <source>&amp;Tests of %1...</source>
        <translation>&amp;Pruebas de %1...</translation>
    </message>
    <message>
        <source>Every &amp;Answer of %1...</source>
        <translation>&amp;Todas las respuestas de %1...</translation>
    </message>
    <message>
        <source>Tests of &amp;Every Title...</source>
        <translation>Pruebas de t&amp;odos los títulos...</translation>
    </message>
    <message>
        <source>Every A&amp;nswer of Every Title...</source>
        <translation>Todas las r&amp;espuestas de todos los títulos...</translation>
    </message>
    <message>
        <source>Export Answers</source>
        <translation>Exportar respuestas</translation>
    </message>
    <message>
        <source>Everyone</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>respuestas</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>pruebas</translation>
    </message>
    <message>
        <source>The results could not be saved in %1 (%2).</source>
        <translation>No se han podido guardar los resultados en %1 (%2).</translation>
    </message>
    <message>
        <source>report</source>
        <translation>informe</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>Forget These Results</source>
        <translation>Borrar estos resultados</translation>
    </message>
    <message>
        <source>Forget every test of %1 recorded on this computer? They cannot be brought back.</source>
        <translation>¿Borrar todas las pruebas de %1 guardadas en este ordenador? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: whose, what it holds, the day</comment>
        <translation>%2 de %1 %3</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se ha podido imprimir el informe.</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 segundos</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 segundos</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 segundos</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 segundos</translation>
    </message>
    <message>
        <source>11 seconds</source>
        <translation>11 segundos</translation>
    </message>
    <message>
        <source>12 seconds</source>
        <translation>12 segundos</translation>
    </message>
    <message>
        <source>↻ Due again</source>
        <translation>↻ Para repasar</translation>
    </message>
    <message>
        <source>Nothing to Practise Today</source>
        <translation>Nada que practicar hoy</translation>
    </message>
    <message>
        <source>Forget the &amp;Damaged Copy...</source>
        <translation>Borrar &amp;la copia dañada...</translation>
    </message>
    <message>
        <source>Forget A&amp;ll Results...</source>
        <translation>&amp;Borrar todos los resultados...</translation>
    </message>
    <message>
        <source>The report could not be saved in %1 (%2).</source>
        <translation>No se ha podido guardar el informe en %1 (%2).</translation>
    </message>
    <message>
        <source>Forget every test recorded on this computer, of every title? They cannot be brought back.</source>
        <translation>¿Borrar todas las pruebas guardadas en este ordenador, de todos los títulos? No se podrán recuperar.</translation>
    </message>
    <message>
        <source>Forget the Damaged Copy</source>
        <translation>Borrar la copia dañada</translation>
    </message>
    <message>
        <source>Forget the copy of the results set aside as damaged? What could not be read from it cannot be brought back.</source>
        <translation>¿Borrar la copia dañada de los resultados? Lo que no se pudo leer de ella no se podrá recuperar.</translation>
    </message>
    <message>
        <source>A results file that could not be read whole is kept as %1.</source>
        <translation>Un archivo de resultados que no se pudo leer entero se guarda como %1.</translation>
    </message>
    <message>
        <source>Tests saved from it: %1. Tests that could not be read: %2. Answers that could not be read: %3.</source>
        <translation>Pruebas salvadas: %1. Pruebas que no se pudieron leer: %2. Respuestas que no se pudieron leer: %3.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: everyone&apos;s, what it holds, the day</comment>
        <translation>%2 de %1 %3</translation>
    </message>
</context>
<context>
    <name>frmTestReview</name>
    <message>
        <source>Problems of the Test</source>
        <translation>Cuentas de la prueba</translation>
    </message>
    <message>
        <source>Problems in order</source>
        <translation>Las cuentas en orden</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Right Answer</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Practise These &amp;Again</source>
        <translation>Practicar estas de &amp;nuevo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Nothing was missed in this test.</source>
        <translation>En esta prueba no hubo fallos.</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n correct</source>
        <translation>
            <numerusform>%n bien</numerusform>
            <numerusform>%n bien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incorrect</source>
        <translation>
            <numerusform>%n mal</numerusform>
            <numerusform>%n mal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unanswered</source>
        <translation>
            <numerusform>%n sin responder</numerusform>
            <numerusform>%n sin responder</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Falladas: %1.</translation>
    </message>
    <message>
        <source>Nothing to Practise</source>
        <translation>Nada que practicar</translation>
    </message>
    <message>
        <source>Problems of the Practice</source>
        <translation>Cuentas de la práctica</translation>
    </message>
    <message>
        <source>Nothing was missed in this practice.</source>
        <translation>En esta práctica no hubo fallos.</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>it is not open</source>
        <translation>el archivo no está abierto</translation>
    </message>
    <message>
        <source>its tests have no column %1</source>
        <translation>las pruebas del archivo no tienen la columna %1</translation>
    </message>
    <message>
        <source>it fails SQLite&apos;s check</source>
        <translation>el archivo no pasa la comprobación de SQLite</translation>
    </message>
    <message>
        <source>there is no folder to keep them in: HOME and XDG_DATA_HOME are unset, and the user has no home</source>
        <translation>no hay carpeta donde guardarlos: HOME y XDG_DATA_HOME no están definidas y el usuario no tiene carpeta personal</translation>
    </message>
    <message>
        <source>it is no results file, and cannot be moved aside</source>
        <translation>no es un archivo de resultados y no se puede apartar</translation>
    </message>
    <message>
        <source>a copy set aside cannot be removed (%1)</source>
        <translation>no se puede eliminar una copia apartada (%1)</translation>
    </message>
    <message>
        <source>it says it is of version %1, which no Carrowby writes</source>
        <translation>dice ser de la versión %1, que ningún Carrowby escribe</translation>
    </message>
    <message>
        <source>another copy of Carrowby forgot the test&apos;s results while it ran</source>
        <translation>otra copia de Carrowby borró los resultados de la prueba mientras se hacía</translation>
    </message>
    <message>
        <source>its answers have no column %1</source>
        <translation>las respuestas del archivo no tienen la columna %1</translation>
    </message>
    <message>
        <source>it is damaged: some tests or answers are missing from what is read, or read twice</source>
        <translation>el archivo está dañado: al leerlo faltan pruebas o respuestas, o salen dos veces</translation>
    </message>
    <message>
        <source>another program has the results file open; what it has read stays in the file until that program closes it</source>
        <translation>otro programa tiene abierto el archivo de resultados; lo que ha leído se queda en el archivo hasta que ese programa lo cierre</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>%1-plus</source>
        <translation>%1, más</translation>
    </message>
    <message>
        <source>%1-minus</source>
        <translation>%1, menos</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 es igual a %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n bien</numerusform>
            <numerusform>%n bien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n mal</numerusform>
            <numerusform>%n mal</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not answered</source>
        <translation>
            <numerusform>%n sin responder</numerusform>
            <numerusform>%n sin responder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time is up.</source>
        <translation>Se acabó el tiempo.</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido entre</translation>
    </message>
</context>
</TS>
