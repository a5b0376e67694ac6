<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message>
        <source>known</source>
        <translation>sitzt</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>im Lernen</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>noch nicht gefragt</translation>
    </message>
    <message>
        <source>%1: not yet asked</source>
        <translation>%1: noch nicht gefragt</translation>
    </message>
    <message>
        <source>%1: never asked</source>
        <translation>%1: wird nie gefragt</translation>
    </message>
    <message>
        <source>No fact has been asked yet.</source>
        <translation>Noch keine Aufgabe gefragt.</translation>
    </message>
    <message>
        <source>Every fact asked is right, and none is slow.</source>
        <translation>Jede gefragte Aufgabe ist richtig, keine langsam.</translation>
    </message>
    <message>
        <source>Still missed: %1.</source>
        <translation>Noch falsch: %1.</translation>
    </message>
    <message>
        <source>Right, but slow: %1.</source>
        <translation>Richtig, aber langsam: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>due again</source>
        <translation>wieder dran</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>gestern</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: known since %2, due again on %3, last asked %4</source>
        <translation>%1: sitzt seit %2, wieder dran am %3, zuletzt gefragt %4</translation>
    </message>
    <message>
        <source>%1: due again, known since %2, last asked %3</source>
        <translation>%1: wieder dran, sitzt seit %2, zuletzt gefragt %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3 today, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, heute %n von %3 richtig, langsamste Antwort: %4&#xa0;s</numerusform>
            <numerusform>%1: %2, heute %n von %3 richtig, langsamste Antwort: %4&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</source>
        <translation>
            <numerusform>%1: %2, %n von %3 richtig, langsamste Antwort: %4&#xa0;s, zuletzt gefragt %5</numerusform>
            <numerusform>%1: %2, %n von %3 richtig, langsamste Antwort: %4&#xa0;s, zuletzt gefragt %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Facts, the number taken away down and the difference across</source>
        <translation>Aufgaben: die abgezogene Zahl nach unten, das Ergebnis nach rechts</translation>
    </message>
    <message>
        <source>Facts, the divisor down and the quotient across</source>
        <translation>Aufgaben: der Teiler nach unten, das Ergebnis nach rechts</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Aufgaben: die obere Zahl nach unten, die untere nach rechts</translation>
    </message>
    <message numerus="yes">
        <source>And %n to learn in other operations.</source>
        <translation>
            <numerusform>Dazu noch %n in anderen Rechenarten.</numerusform>
            <numerusform>Dazu noch %n in anderen Rechenarten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n addition facts</source>
        <translation>
            <numerusform>Sitzt: %1 von %n Plusaufgaben</numerusform>
            <numerusform>Sitzt: %1 von %n Plusaufgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n subtraction facts</source>
        <translation>
            <numerusform>Sitzt: %1 von %n Minusaufgaben</numerusform>
            <numerusform>Sitzt: %1 von %n Minusaufgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n multiplication facts</source>
        <translation>
            <numerusform>Sitzt: %1 von %n Malaufgaben</numerusform>
            <numerusform>Sitzt: %1 von %n Malaufgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n division facts</source>
        <translation>
            <numerusform>Sitzt: %1 von %n Geteiltaufgaben</numerusform>
            <numerusform>Sitzt: %1 von %n Geteiltaufgaben</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; %3.</source>
        <translation>%1, %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more than a week ago</source>
        <translation>
            <numerusform>%n mehr als vor einer Woche</numerusform>
            <numerusform>%n mehr als vor einer Woche</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fewer than a week ago</source>
        <translation>
            <numerusform>%n weniger als vor einer Woche</numerusform>
            <numerusform>%n weniger als vor einer Woche</numerusform>
        </translation>
    </message>
    <message>
        <source>as many as a week ago</source>
        <translation>so viele wie vor einer Woche</translation>
    </message>
    <message numerus="yes">
        <source>%n due again</source>
        <translation>
            <numerusform>%n wieder dran</numerusform>
            <numerusform>%n wieder dran</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Known when right within %n seconds.</source>
        <translation>
            <numerusform>%1. Sitzt, wenn richtig in %n Sekunde.</numerusform>
            <numerusform>%1. Sitzt, wenn richtig in %n Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Due again this week: %1.</source>
        <translation>Diese Woche wieder dran: %1.</translation>
    </message>
</context>
<context>
    <name>ForgetQuestion</name>
    <message>
        <source>For&amp;get</source>
        <translation>&amp;Vergessen</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>d MMMM</source>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <translation>d. MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>No test has been finished yet.</source>
        <translation>Noch ist kein Test beendet.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
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
        <translation>%1: ein Test, am %2: %3&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n Test seit dem %2; die letzten %3: von %4&#xa0;% auf %5&#xa0;%</numerusform>
            <numerusform>%1: %n Tests seit dem %2; die letzten %3: von %4&#xa0;% auf %5&#xa0;%</numerusform>
        </translation>
    </message>
    <message>
        <source>% correct</source>
        <translation>%&#xa0;richtig</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <comment>the first</comment>
        <translation>d. MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the first</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>%1: one practice, on %2: %3%</source>
        <translation>%1: eine Übung, am %2: %3&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n practices since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n Übung seit dem %2; die letzten %3: von %4&#xa0;% auf %5&#xa0;%</numerusform>
            <numerusform>%1: %n Übungen seit dem %2; die letzten %3: von %4&#xa0;% auf %5&#xa0;%</numerusform>
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
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>The last ten tests</source>
        <translation>Die letzten zehn Tests</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>The last ten practices</source>
        <translation>Die letzten zehn Übungen</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>Qt&apos;s speech library cannot be loaded: %1</source>
        <translation>Die Sprachausgabe von Qt kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Es ist keine Sprachausgabe installiert.</translation>
    </message>
    <message>
        <source>The speech engine does not answer: %1</source>
        <translation>Die Sprachausgabe antwortet nicht: %1</translation>
    </message>
    <message>
        <source>No voice here speaks English.</source>
        <translation>Keine Stimme hier spricht Deutsch.</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose voice reads this translation aloud</comment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <comment>the name of the espeak-ng voice preferred for this language</comment>
        <translation>German</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Eingetippt</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Rechenarten</translation>
    </message>
    <message>
        <source>Numbers ticked</source>
        <translation>Angekreuzte Zahlen</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Time limit (seconds)</source>
        <translation>Zeit (Sekunden)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
</context>
<context>
    <name>TestsModel</name>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Zeit um</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Not ended</source>
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Took</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
</context>
<context>
    <name>UnwrittenQuestion</name>
    <message>
        <source>Answers Not Written Yet</source>
        <translation>Antworten noch nicht gespeichert</translation>
    </message>
    <message>
        <source>Carrowby waits for them and closes once they are written. Leave now, and they are kept and written the next time a test starts.</source>
        <translation>Carrowby wartet auf sie und schließt, sobald sie gespeichert sind. Wenn du jetzt beendest, werden sie aufgehoben und beim nächsten Test gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Leave Now</source>
        <translation>Jetzt &amp;beenden</translation>
    </message>
    <message>
        <source>&amp;Wait</source>
        <translation>&amp;Warten</translation>
    </message>
    <message numerus="yes">
        <source>%n answers cannot be written to the results file yet: %1.</source>
        <translation>
            <numerusform>%n Antwort kann noch nicht in die Ergebnisdatei geschrieben werden: %1.</numerusform>
            <numerusform>%n Antworten können noch nicht in die Ergebnisdatei geschrieben werden: %1.</numerusform>
        </translation>
    </message>
</context>
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
        <translation>Richtig!</translation>
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
    <message>
        <source>It will come back, to be quicker.</source>
        <translation>Sie kommt wieder, damit du schneller wirst.</translation>
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
        <translation>Lösung: </translation>
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
        <translation>Lösung</translation>
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
        <translation>FERTIG</translation>
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
        <translation>Namen eintragen</translation>
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
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Wie heißt du?</translation>
    </message>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Ergebnisse...</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Restzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>%:</source>
        <translation>%:</translation>
    </message>
    <message>
        <source>The Results window cannot be opened: %1</source>
        <translation>Das Ergebnisfenster kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>“%1” is taken as %2, the name already used here, with the settings and the results kept for it.</source>
        <translation>„%1“ wird als %2 übernommen – diesen Namen gibt es hier schon, mit seinen Einstellungen und Ergebnissen.</translation>
    </message>
    <message>
        <source>Facts right now</source>
        <translation>Jetzt richtig</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n facts right now</source>
        <translation>
            <numerusform>Jetzt richtig: %1 von %n</numerusform>
            <numerusform>Jetzt richtig: %1 von %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Practice </source>
        <translation>Üben </translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message numerus="yes">
        <source>Time&apos;s up: %n unanswered</source>
        <translation>
            <numerusform>Zeit ist um: %n offen</numerusform>
            <numerusform>Zeit ist um: %n offen</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Read A&amp;loud</source>
        <translation>&amp;Vorlesen</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Whose results:</source>
        <translation>&amp;Wessen Ergebnisse:</translation>
    </message>
    <message>
        <source>The title whose tests are shown</source>
        <translation>Der Titel, dessen Tests gezeigt werden</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>Last 10 Tests</source>
        <translation>Letzte 10 Tests</translation>
    </message>
    <message>
        <source>Last 50 Tests</source>
        <translation>Letzte 50 Tests</translation>
    </message>
    <message>
        <source>All Tests</source>
        <translation>Alle Tests</translation>
    </message>
    <message>
        <source>Percentage of each test</source>
        <translation>Prozent richtig in jedem Test</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>Tests, newest first</source>
        <translation>Tests, die neuesten zuerst</translation>
    </message>
    <message>
        <source>&amp;Practise These</source>
        <translation>Noch &amp;üben</translation>
    </message>
    <message>
        <source>Tick These &amp;Numbers</source>
        <translation>Diese &amp;Zahlen ankreuzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Die Ergebnisse können nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Export Tests</source>
        <translation>Tests exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Alle Ergebnisse löschen</translation>
    </message>
    <message>
        <source>Not every result could be forgotten: %1.</source>
        <translation>Nicht alle Ergebnisse konnten gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>The last answers wait to be written: %1.</source>
        <translation>Die letzten Antworten warten darauf, gespeichert zu werden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n Antwort dieser Sitzung konnte nicht gespeichert werden: %1.</numerusform>
            <numerusform>%n Antworten dieser Sitzung konnten nicht gespeichert werden: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>
            <numerusform>Im Hauptfenster zum Üben angekreuzt: %1, mit der Zahl %2.</numerusform>
            <numerusform>Im Hauptfenster zum Üben angekreuzt: %1, mit den Zahlen %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Rechenart:</translation>
    </message>
    <message>
        <source>The operation whose facts are shown</source>
        <translation>Die Rechenart, deren Aufgaben gezeigt werden</translation>
    </message>
    <message>
        <source>&amp;Known when right within:</source>
        <translation>&amp;Sitzt, wenn richtig in:</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 Sekunden</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 Sekunden</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 Sekunden</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 Sekunden</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 Sekunden</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Aufgaben: die obere Zahl nach unten, die untere nach rechts</translation>
    </message>
    <message>
        <source>✓ Known</source>
        <translation>✓ Sitzt</translation>
    </message>
    <message>
        <source>○ Learning</source>
        <translation>○ Im Lernen</translation>
    </message>
    <message>
        <source>… Slow</source>
        <translation>… Langsam</translation>
    </message>
    <message>
        <source>✗ Missed</source>
        <translation>✗ Falsch</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Noch nicht gefragt</translation>
    </message>
    <message>
        <source>Practise These F&amp;acts</source>
        <translation>&amp;Diese Aufgaben üben</translation>
    </message>
    <message>
        <source>The main window now shows %1.</source>
        <translation>Das Hauptfenster zeigt jetzt %1.</translation>
    </message>
    <message>
        <source>&amp;Export as CSV</source>
        <translation>Als CSV &amp;exportieren</translation>
    </message>
    <message>
        <source>Forget T&amp;hese Results...</source>
        <translation>Diese Ergebnisse lösc&amp;hen...</translation>
    </message>
    <message>
        <source>Pr&amp;int Report...</source>
        <translation>&amp;Bericht drucken...</translation>
    </message>
    <message>
        <source>&amp;Tests of %1...</source>
        <translation>&amp;Tests aus „%1“...</translation>
    </message>
    <message>
        <source>Every &amp;Answer of %1...</source>
        <translation>Alle &amp;Antworten aus „%1“...</translation>
    </message>
    <message>
        <source>Tests of &amp;Every Title...</source>
        <translation>Tests a&amp;ller Titel...</translation>
    </message>
    <message>
        <source>Every A&amp;nswer of Every Title...</source>
        <translation>Alle A&amp;ntworten aller Titel...</translation>
    </message>
    <message>
        <source>Export Answers</source>
        <translation>Antworten exportieren</translation>
    </message>
    <message>
        <source>Everyone</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>The results could not be saved in %1 (%2).</source>
        <translation>Die Ergebnisse konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Forget These Results</source>
        <translation>Diese Ergebnisse löschen</translation>
    </message>
    <message>
        <source>Forget every test of %1 recorded on this computer? They cannot be brought back.</source>
        <translation>Alle Tests von %1 löschen, die auf diesem Computer gespeichert sind? Sie lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: whose, what it holds, the day</comment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 Sekunden</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 Sekunden</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 Sekunden</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 Sekunden</translation>
    </message>
    <message>
        <source>11 seconds</source>
        <translation>11 Sekunden</translation>
    </message>
    <message>
        <source>12 seconds</source>
        <translation>12 Sekunden</translation>
    </message>
    <message>
        <source>↻ Due again</source>
        <translation>↻ Wieder dran</translation>
    </message>
    <message>
        <source>Nothing to Practise Today</source>
        <translation>Heute nichts zu üben</translation>
    </message>
    <message>
        <source>Forget the &amp;Damaged Copy...</source>
        <translation>Beschädigte &amp;Kopie löschen...</translation>
    </message>
    <message>
        <source>Forget A&amp;ll Results...</source>
        <translation>Alle Ergebnisse &amp;löschen...</translation>
    </message>
    <message>
        <source>The report could not be saved in %1 (%2).</source>
        <translation>Der Bericht konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>Forget every test recorded on this computer, of every title? They cannot be brought back.</source>
        <translation>Alle Tests löschen, die auf diesem Computer gespeichert sind, für jeden Titel? Sie lassen sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>Forget the Damaged Copy</source>
        <translation>Beschädigte Kopie löschen</translation>
    </message>
    <message>
        <source>Forget the copy of the results set aside as damaged? What could not be read from it cannot be brought back.</source>
        <translation>Die beschädigte Kopie der Ergebnisse löschen? Was daraus nicht gelesen werden konnte, lässt sich dann nicht mehr zurückholen.</translation>
    </message>
    <message>
        <source>A results file that could not be read whole is kept as %1.</source>
        <translation>Eine Ergebnisdatei, die nicht ganz gelesen werden konnte, ist aufgehoben als %1.</translation>
    </message>
    <message>
        <source>Tests saved from it: %1. Tests that could not be read: %2. Answers that could not be read: %3.</source>
        <translation>Daraus gerettete Tests: %1. Nicht lesbare Tests: %2. Nicht lesbare Antworten: %3.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: everyone&apos;s, what it holds, the day</comment>
        <translation>%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>frmTestReview</name>
    <message>
        <source>Problems of the Test</source>
        <translation>Aufgaben des Tests</translation>
    </message>
    <message>
        <source>Problems in order</source>
        <translation>Die Aufgaben der Reihe nach</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Eingetippt</translation>
    </message>
    <message>
        <source>Right Answer</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Practise These &amp;Again</source>
        <translation>Diese noch &amp;einmal üben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Nothing was missed in this test.</source>
        <translation>In diesem Test war alles richtig.</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n correct</source>
        <translation>
            <numerusform>%n richtig</numerusform>
            <numerusform>%n richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incorrect</source>
        <translation>
            <numerusform>%n falsch</numerusform>
            <numerusform>%n falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unanswered</source>
        <translation>
            <numerusform>%n offen</numerusform>
            <numerusform>%n offen</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Falsch: %1.</translation>
    </message>
    <message>
        <source>Nothing to Practise</source>
        <translation>Nichts zu üben</translation>
    </message>
    <message>
        <source>Problems of the Practice</source>
        <translation>Aufgaben der Übung</translation>
    </message>
    <message>
        <source>Nothing was missed in this practice.</source>
        <translation>In dieser Übung war alles richtig.</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>it is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>its tests have no column %1</source>
        <translation>den Tests in der Datei fehlt die Spalte %1</translation>
    </message>
    <message>
        <source>it fails SQLite&apos;s check</source>
        <translation>die Datei besteht die Prüfung von SQLite nicht</translation>
    </message>
    <message>
        <source>there is no folder to keep them in: HOME and XDG_DATA_HOME are unset, and the user has no home</source>
        <translation>es gibt keinen Ordner dafür: HOME und XDG_DATA_HOME sind nicht gesetzt, und der Benutzer hat kein Home-Verzeichnis</translation>
    </message>
    <message>
        <source>it is no results file, and cannot be moved aside</source>
        <translation>die Datei ist keine Ergebnisdatei und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>a copy set aside cannot be removed (%1)</source>
        <translation>eine beiseitegelegte Kopie kann nicht entfernt werden (%1)</translation>
    </message>
    <message>
        <source>it says it is of version %1, which no Carrowby writes</source>
        <translation>die Datei nennt Version %1, die kein Carrowby schreibt</translation>
    </message>
    <message>
        <source>another copy of Carrowby forgot the test&apos;s results while it ran</source>
        <translation>eine andere Kopie von Carrowby hat die Ergebnisse des Tests gelöscht, während er lief</translation>
    </message>
    <message>
        <source>its answers have no column %1</source>
        <translation>den Antworten in der Datei fehlt die Spalte %1</translation>
    </message>
    <message>
        <source>it is damaged: some tests or answers are missing from what is read, or read twice</source>
        <translation>die Datei ist beschädigt: beim Lesen fehlen Tests oder Antworten, oder sie kommen doppelt</translation>
    </message>
    <message>
        <source>another program has the results file open; what it has read stays in the file until that program closes it</source>
        <translation>ein anderes Programm hat die Ergebnisdatei offen; was es gelesen hat, bleibt in der Datei, bis dieses Programm sie schließt</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>%1-plus</source>
        <translation>%1 plus</translation>
    </message>
    <message>
        <source>%1-minus</source>
        <translation>%1 minus</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 ist %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n richtig</numerusform>
            <numerusform>%n richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n falsch</numerusform>
            <numerusform>%n falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not answered</source>
        <translation>
            <numerusform>%n nicht beantwortet</numerusform>
            <numerusform>%n nicht beantwortet</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time is up.</source>
        <translation>Die Zeit ist um.</translation>
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
