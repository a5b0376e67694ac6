<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>¡Acertaste!</translation>
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
        <translation>¡El 0 no vale con la división!</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>¡No has elegido ningún número!</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>¡No has elegido cuántas cuentas!</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>¡No has elegido el nivel!</translation>
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
        <translation>OK</translation>
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
        <translation>&amp;OK</translation>
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
        <translation>Ay&amp;uda</translation>
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
        <translation>El Carrowby de %1</translation>
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
        <source>Seconds Remaining</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Marcador</translation>
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
