<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>drill</name>
    <message>
        <source>Problem%1 of%2</source>
        <translation>Aufgabe%1 von%2</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>You were right!</source>
        <translation>Das war richtig!</translation>
    </message>
    <message>
        <source>Oops!!!</source>
        <translation>Hoppla!!!</translation>
    </message>
    <message>
        <source>No test type selected!</source>
        <translation>Keine Rechenart gewählt!</translation>
    </message>
    <message>
        <source>Can not test 0 with Division!</source>
        <translation>Durch 0 kann man nicht teilen!</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>Keine Zahlen gewählt!</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>Keine Anzahl Aufgaben gewählt!</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>Keine Stufe gewählt!</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Carrowby icon</source>
        <translation>Carrowby-Symbol</translation>
    </message>
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
    <name>frmAnswer</name>
    <message>
        <source>Answer: </source>
        <translation>Antwort: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Zahl neben dem Zeichen</translation>
    </message>
    <message>
        <source>The right answer</source>
        <translation>Die richtige Antwort</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The right answer is%1</source>
        <translation>Die richtige Antwort ist%1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Seconds Remaining </source>
        <translation>Restzeit </translation>
    </message>
    <message>
        <source>Seconds remaining</source>
        <translation>Verbleibende Sekunden</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>Status </source>
        <translation>Stand </translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Falsch:</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Percentage right</source>
        <translation>Prozent richtig</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Test These</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Test These </source>
        <translation>Rechenarten </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Test Using</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Test Using </source>
        <translation>Zahlen </translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 Sekunden</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 Minute</translation>
    </message>
    <message>
        <source>2 Minutes</source>
        <translation>2 Minuten</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 Minuten</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 Minuten</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Diabloish</source>
        <translation>Teuflisch</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Aufgaben:</translation>
    </message>
    <message>
        <source>Problem: </source>
        <translation>Aufgabe: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Zahl neben dem Zeichen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>EINGABE</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Personalize Carrowby</source>
        <translation>Carrowby anpassen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>%1&apos;s Carrowby</source>
        <translation>Carrowby von %1</translation>
    </message>
    <message>
        <source>Settings Error</source>
        <translation>Fehler in den Einstellungen</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
</TS>
