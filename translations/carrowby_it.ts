<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message>
        <source>known</source>
        <translation>imparato</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>in corso</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>sbagliato</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>non ancora chiesto</translation>
    </message>
    <message>
        <source>%1: not yet asked</source>
        <translation>%1: non ancora chiesto</translation>
    </message>
    <message>
        <source>%1: never asked</source>
        <translation>%1: mai chiesto</translation>
    </message>
    <message>
        <source>No fact has been asked yet.</source>
        <translation>Ancora nessun calcolo chiesto.</translation>
    </message>
    <message>
        <source>Every fact asked is right, and none is slow.</source>
        <translation>Ogni calcolo chiesto è giusto, nessuno è lento.</translation>
    </message>
    <message>
        <source>Still missed: %1.</source>
        <translation>Ancora sbagliati: %1.</translation>
    </message>
    <message>
        <source>Right, but slow: %1.</source>
        <translation>Giusti, ma lenti: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>un altro</numerusform>
            <numerusform>altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>due again</source>
        <translation>da ripassare</translation>
    </message>
    <message>
        <source>today</source>
        <translation>oggi</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ieri</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n giorno fa</numerusform>
            <numerusform>%n giorni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: known since %2, due again on %3, last asked %4</source>
        <translation>%1: imparato dal giorno %2, da ripassare il giorno %3, chiesto l’ultima volta %4</translation>
    </message>
    <message>
        <source>%1: due again, known since %2, last asked %3</source>
        <translation>%1: da ripassare, imparato dal giorno %2, chiesto l’ultima volta %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3 today, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, oggi %n giusto su %3, il più lento in %4&#xa0;s</numerusform>
            <numerusform>%1: %2, oggi %n giusti su %3, il più lento in %4&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</source>
        <translation>
            <numerusform>%1: %2, %n giusto su %3, il più lento in %4&#xa0;s, chiesto l’ultima volta %5</numerusform>
            <numerusform>%1: %2, %n giusti su %3, il più lento in %4&#xa0;s, chiesto l’ultima volta %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Facts, the number taken away down and the difference across</source>
        <translation>Calcoli: il numero tolto in verticale, la differenza in orizzontale</translation>
    </message>
    <message>
        <source>Facts, the divisor down and the quotient across</source>
        <translation>Calcoli: il divisore in verticale, il quoziente in orizzontale</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Calcoli: il numero di sopra in verticale, quello di sotto in orizzontale</translation>
    </message>
    <message numerus="yes">
        <source>And %n to learn in other operations.</source>
        <translation>
            <numerusform>E ancora %n in altre operazioni.</numerusform>
            <numerusform>E ancora %n in altre operazioni.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n addition facts</source>
        <translation>
            <numerusform>Imparati: %1 su %n calcoli di addizione</numerusform>
            <numerusform>Imparati: %1 su %n calcoli di addizione</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n subtraction facts</source>
        <translation>
            <numerusform>Imparati: %1 su %n calcoli di sottrazione</numerusform>
            <numerusform>Imparati: %1 su %n calcoli di sottrazione</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n multiplication facts</source>
        <translation>
            <numerusform>Imparati: %1 su %n calcoli di moltiplicazione</numerusform>
            <numerusform>Imparati: %1 su %n calcoli di moltiplicazione</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n division facts</source>
        <translation>
            <numerusform>Imparati: %1 su %n calcoli di divisione</numerusform>
            <numerusform>Imparati: %1 su %n calcoli di divisione</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; %3.</source>
        <translation>%1, %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more than a week ago</source>
        <translation>
            <numerusform>%n in più di una settimana fa</numerusform>
            <numerusform>%n in più di una settimana fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fewer than a week ago</source>
        <translation>
            <numerusform>%n in meno di una settimana fa</numerusform>
            <numerusform>%n in meno di una settimana fa</numerusform>
        </translation>
    </message>
    <message>
        <source>as many as a week ago</source>
        <translation>quanti una settimana fa</translation>
    </message>
    <message numerus="yes">
        <source>%n due again</source>
        <translation>
            <numerusform>%n da ripassare</numerusform>
            <numerusform>%n da ripassare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Known when right within %n seconds.</source>
        <translation>
            <numerusform>%1. Imparato se giusto entro %n secondo.</numerusform>
            <numerusform>%1. Imparato se giusto entro %n secondi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Due again this week: %1.</source>
        <translation>Da ripassare questa settimana: %1.</translation>
    </message>
</context>
<context>
    <name>ForgetQuestion</name>
    <message>
        <source>For&amp;get</source>
        <translation>Ca&amp;ncella</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Tieni</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>d MMMM</source>
        <translation>d MMMM</translation>
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
        <translation>Nessuna prova è ancora finita.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>%d%</source>
        <translation>%d%</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4%, %5</source>
        <translation>%1, %2, %3: %4%, %5</translation>
    </message>
    <message>
        <source>%1: one test, on %2: %3%</source>
        <translation>%1: una prova, del giorno %2: %3%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n prova dal giorno %2; ultime %3: da %4% a %5%</numerusform>
            <numerusform>%1: %n prove dal giorno %2; ultime %3: da %4% a %5%</numerusform>
        </translation>
    </message>
    <message>
        <source>% correct</source>
        <translation>% giuste</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <comment>the first</comment>
        <translation>&apos;1°&apos; MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the first</comment>
        <translation>&apos;1°&apos; MMMM</translation>
    </message>
    <message>
        <source>%1: one practice, on %2: %3%</source>
        <translation>%1: un ripasso, del giorno %2: %3%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n practices since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n ripasso dal giorno %2; ultimi %3: da %4% a %5%</numerusform>
            <numerusform>%1: %n ripassi dal giorno %2; ultimi %3: da %4% a %5%</numerusform>
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
        <translation>Progressi</translation>
    </message>
    <message>
        <source>The last ten tests</source>
        <translation>Le ultime dieci prove</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Calcoli</translation>
    </message>
    <message>
        <source>The last ten practices</source>
        <translation>Gli ultimi dieci ripassi</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>Qt&apos;s speech library cannot be loaded: %1</source>
        <translation>Impossibile caricare la libreria vocale di Qt: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Non è installato alcun motore vocale.</translation>
    </message>
    <message>
        <source>The speech engine does not answer: %1</source>
        <translation>Il motore vocale non risponde: %1</translation>
    </message>
    <message>
        <source>No voice here speaks English.</source>
        <translation>Nessuna voce qui parla italiano.</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose voice reads this translation aloud</comment>
        <translation>it_IT</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <comment>the name of the espeak-ng voice preferred for this language</comment>
        <translation>Italian</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Problem</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Risposta giusta</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Risposta data</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Numbers ticked</source>
        <translation>Numeri spuntati</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Calcoli</translation>
    </message>
    <message>
        <source>Time limit (seconds)</source>
        <translation>Timer (secondi)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Sbagliate</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Senza risposta</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Come è finita</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Ripasso</translation>
    </message>
</context>
<context>
    <name>TestsModel</name>
    <message>
        <source>Finished</source>
        <translation>Finita</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Tempo scaduto</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotta</translation>
    </message>
    <message>
        <source>Not ended</source>
        <translation>Non finita</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Sbagliate</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Senza risposta</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Took</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Calcoli</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Ripasso</translation>
    </message>
</context>
<context>
    <name>UnwrittenQuestion</name>
    <message>
        <source>Answers Not Written Yet</source>
        <translation>Risposte non ancora salvate</translation>
    </message>
    <message>
        <source>Carrowby waits for them and closes once they are written. Leave now, and they are kept and written the next time a test starts.</source>
        <translation>Carrowby le aspetta e si chiude appena sono salvate. Se esci ora, vengono tenute e salvate alla prossima prova.</translation>
    </message>
    <message>
        <source>&amp;Leave Now</source>
        <translation>&amp;Esci ora</translation>
    </message>
    <message>
        <source>&amp;Wait</source>
        <translation>&amp;Aspetta</translation>
    </message>
    <message numerus="yes">
        <source>%n answers cannot be written to the results file yet: %1.</source>
        <translation>
            <numerusform>%n risposta non può ancora essere salvata nel file dei risultati: %1.</numerusform>
            <numerusform>%n risposte non possono ancora essere salvate nel file dei risultati: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>drill</name>
    <message>
        <source>Problem%1 of%2</source>
        <translation>Calcolo%1 di%2</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitato</translation>
    </message>
    <message>
        <source>You were right!</source>
        <translation>Giusto!</translation>
    </message>
    <message>
        <source>Oops!!!</source>
        <translation>Ops!!!</translation>
    </message>
    <message>
        <source>No test type selected!</source>
        <translation>Non hai scelto le operazioni!</translation>
    </message>
    <message>
        <source>Can not test 0 with Division!</source>
        <translation>Non si può dividere per 0!</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>Non hai scelto i numeri!</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>Non hai scelto quanti calcoli!</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>Non hai scelto il livello!</translation>
    </message>
    <message>
        <source>It will come back, to be quicker.</source>
        <translation>Tornerà, per essere più veloce.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Carrowby icon</source>
        <translation>Icona di Carrowby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmAnswer</name>
    <message>
        <source>Answer: </source>
        <translation>Soluzione: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Numero accanto al segno</translation>
    </message>
    <message>
        <source>The right answer</source>
        <translation>La risposta giusta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The right answer is%1</source>
        <translation>La risposta giusta è%1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Soluzione</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Seconds Remaining </source>
        <translation>Tempo rimasto </translation>
    </message>
    <message>
        <source>Seconds remaining</source>
        <translation>Secondi rimasti</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimitato</translation>
    </message>
    <message>
        <source>Status </source>
        <translation>Punteggio </translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Giuste:</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Risposte giuste</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Sbagliate:</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Risposte sbagliate</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Voto:</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Voto</translation>
    </message>
    <message>
        <source>Percentage right</source>
        <translation>Percentuale di risposte giuste</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Test These</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Test These </source>
        <translation>Operazioni </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Test Using</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Test Using </source>
        <translation>Numeri </translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Timer:</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 secondi</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 secondi</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minuto</translation>
    </message>
    <message>
        <source>2 Minutes</source>
        <translation>2 minuti</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 minuti</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 minuti</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Diabloish</source>
        <translation>Diabolico</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Calcoli:</translation>
    </message>
    <message>
        <source>Problem: </source>
        <translation>Calcolo: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Numero accanto al segno</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>FATTO</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Risultati...</translation>
    </message>
    <message>
        <source>Personalize Carrowby</source>
        <translation>Personalizza Carrowby</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>%1&apos;s Carrowby</source>
        <translation>Carrowby di %1</translation>
    </message>
    <message>
        <source>Settings Error</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Come ti chiami?</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Tempo rimasto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>%:</source>
        <translation>%:</translation>
    </message>
    <message>
        <source>The Results window cannot be opened: %1</source>
        <translation>Non si può aprire la finestra dei risultati: %1</translation>
    </message>
    <message>
        <source>“%1” is taken as %2, the name already used here, with the settings and the results kept for it.</source>
        <translation>«%1» è considerato %2, il nome già usato qui, con le sue impostazioni e i suoi risultati.</translation>
    </message>
    <message>
        <source>Facts right now</source>
        <translation>Giusti ora</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n facts right now</source>
        <translation>
            <numerusform>Giusti ora: %1 su %n</numerusform>
            <numerusform>Giusti ora: %1 su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Practice </source>
        <translation>Ripasso </translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Ripasso</translation>
    </message>
    <message numerus="yes">
        <source>Time&apos;s up: %n unanswered</source>
        <translation>
            <numerusform>Fine tempo: %n non fatti</numerusform>
            <numerusform>Fine tempo: %n non fatti</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Read A&amp;loud</source>
        <translation>&amp;Leggi ad alta voce</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>Alto &amp;contrasto</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>&amp;Whose results:</source>
        <translation>Risultati &amp;di:</translation>
    </message>
    <message>
        <source>The title whose tests are shown</source>
        <translation>Il titolo di cui si vedono le prove</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>&amp;Progressi</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Last 10 Tests</source>
        <translation>Ultime 10 prove</translation>
    </message>
    <message>
        <source>Last 50 Tests</source>
        <translation>Ultime 50 prove</translation>
    </message>
    <message>
        <source>All Tests</source>
        <translation>Tutte le prove</translation>
    </message>
    <message>
        <source>Percentage of each test</source>
        <translation>Percentuale di risposte giuste in ogni prova</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>Pro&amp;ve</translation>
    </message>
    <message>
        <source>Tests, newest first</source>
        <translation>Prove, dalla più recente</translation>
    </message>
    <message>
        <source>&amp;Practise These</source>
        <translation>Da &amp;ripassare</translation>
    </message>
    <message>
        <source>Tick These &amp;Numbers</source>
        <translation>Spunta questi &amp;numeri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Non si possono leggere i risultati: %1.</translation>
    </message>
    <message>
        <source>Export Tests</source>
        <translation>Esporta le prove</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valori separati da virgole (*.csv)</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Cancella tutti i risultati</translation>
    </message>
    <message>
        <source>Not every result could be forgotten: %1.</source>
        <translation>Non è stato possibile cancellare tutti i risultati: %1.</translation>
    </message>
    <message>
        <source>The last answers wait to be written: %1.</source>
        <translation>Le ultime risposte attendono di essere salvate: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n risposta di questa sessione non si è potuta salvare: %1.</numerusform>
            <numerusform>%n risposte di questa sessione non si sono potute salvare: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>
            <numerusform>Spuntati nella finestra principale per esercitarsi: %1, con il numero %2.</numerusform>
            <numerusform>Spuntati nella finestra principale per esercitarsi: %1, con i numeri %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Operazione:</translation>
    </message>
    <message>
        <source>The operation whose facts are shown</source>
        <translation>L’operazione di cui si mostrano i calcoli</translation>
    </message>
    <message>
        <source>&amp;Known when right within:</source>
        <translation>Imparato &amp;se giusto entro:</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 secondi</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 secondi</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 secondi</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 secondi</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 secondi</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Calcoli: il numero di sopra in verticale, quello di sotto in orizzontale</translation>
    </message>
    <message>
        <source>✓ Known</source>
        <translation>✓ Imparato</translation>
    </message>
    <message>
        <source>○ Learning</source>
        <translation>○ In corso</translation>
    </message>
    <message>
        <source>… Slow</source>
        <translation>… Lento</translation>
    </message>
    <message>
        <source>✗ Missed</source>
        <translation>✗ Sbagliato</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Non ancora chiesto</translation>
    </message>
    <message>
        <source>Practise These F&amp;acts</source>
        <translation>Ripassa &amp;questi calcoli</translation>
    </message>
    <message>
        <source>The main window now shows %1.</source>
        <translation>La finestra principale ora mostra %1.</translation>
    </message>
    <message>
        <source>&amp;Export as CSV</source>
        <translation>&amp;Esporta in CSV</translation>
    </message>
    <message>
        <source>Forget T&amp;hese Results...</source>
        <translation>Cance&amp;lla questi risultati...</translation>
    </message>
    <message>
        <source>Pr&amp;int Report...</source>
        <translation>S&amp;tampa il resoconto...</translation>
    </message>
    <message>
        <source>&amp;Tests of %1...</source>
        <translation>&amp;Prove di %1...</translation>
    </message>
    <message>
        <source>Every &amp;Answer of %1...</source>
        <translation>&amp;Tutte le risposte di %1...</translation>
    </message>
    <message>
        <source>Tests of &amp;Every Title...</source>
        <translation>Prove di tutti i &amp;nomi...</translation>
    </message>
    <message>
        <source>Every A&amp;nswer of Every Title...</source>
        <translation>Tutte le ri&amp;sposte di tutti i nomi...</translation>
    </message>
    <message>
        <source>Export Answers</source>
        <translation>Esporta le risposte</translation>
    </message>
    <message>
        <source>Everyone</source>
        <translation>tutti</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>risposte</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>prove</translation>
    </message>
    <message>
        <source>The results could not be saved in %1 (%2).</source>
        <translation>Non è stato possibile salvare i risultati in %1 (%2).</translation>
    </message>
    <message>
        <source>report</source>
        <translation>resoconto</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Stampa il resoconto</translation>
    </message>
    <message>
        <source>Forget These Results</source>
        <translation>Cancella questi risultati</translation>
    </message>
    <message>
        <source>Forget every test of %1 recorded on this computer? They cannot be brought back.</source>
        <translation>Cancellare tutte le prove di %1 salvate su questo computer? Non si potranno recuperare.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: whose, what it holds, the day</comment>
        <translation>%2 di %1 %3</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Non è stato possibile stampare il resoconto.</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 secondi</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 secondi</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 secondi</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 secondi</translation>
    </message>
    <message>
        <source>11 seconds</source>
        <translation>11 secondi</translation>
    </message>
    <message>
        <source>12 seconds</source>
        <translation>12 secondi</translation>
    </message>
    <message>
        <source>↻ Due again</source>
        <translation>↻ Da ripassare</translation>
    </message>
    <message>
        <source>Nothing to Practise Today</source>
        <translation>Niente da ripassare oggi</translation>
    </message>
    <message>
        <source>Forget the &amp;Damaged Copy...</source>
        <translation>Cancella la copia &amp;guasta...</translation>
    </message>
    <message>
        <source>Forget A&amp;ll Results...</source>
        <translation>&amp;Cancella tutti i risultati...</translation>
    </message>
    <message>
        <source>The report could not be saved in %1 (%2).</source>
        <translation>Non è stato possibile salvare il resoconto in %1 (%2).</translation>
    </message>
    <message>
        <source>Forget every test recorded on this computer, of every title? They cannot be brought back.</source>
        <translation>Cancellare tutte le prove salvate su questo computer, di tutti i nomi? Non si potranno recuperare.</translation>
    </message>
    <message>
        <source>Forget the Damaged Copy</source>
        <translation>Cancella la copia guasta</translation>
    </message>
    <message>
        <source>Forget the copy of the results set aside as damaged? What could not be read from it cannot be brought back.</source>
        <translation>Cancellare la copia guasta dei risultati? Quello che non si è potuto leggere non si potrà più recuperare.</translation>
    </message>
    <message>
        <source>A results file that could not be read whole is kept as %1.</source>
        <translation>Un file dei risultati che non si è potuto leggere per intero è tenuto come %1.</translation>
    </message>
    <message>
        <source>Tests saved from it: %1. Tests that could not be read: %2. Answers that could not be read: %3.</source>
        <translation>Prove salvate: %1. Prove che non si sono potute leggere: %2. Risposte che non si sono potute leggere: %3.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: everyone&apos;s, what it holds, the day</comment>
        <translation>%2 di %1 %3</translation>
    </message>
</context>
<context>
    <name>frmTestReview</name>
    <message>
        <source>Problems of the Test</source>
        <translation>Calcoli della prova</translation>
    </message>
    <message>
        <source>Problems in order</source>
        <translation>I calcoli in ordine</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Risposta data</translation>
    </message>
    <message>
        <source>Right Answer</source>
        <translation>Risposta giusta</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Practise These &amp;Again</source>
        <translation>&amp;Ripassa gli errori</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Sbagliato</translation>
    </message>
    <message>
        <source>Nothing was missed in this test.</source>
        <translation>Nessun errore in questa prova.</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n correct</source>
        <translation>
            <numerusform>%n giusta</numerusform>
            <numerusform>%n giuste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incorrect</source>
        <translation>
            <numerusform>%n sbagliata</numerusform>
            <numerusform>%n sbagliate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unanswered</source>
        <translation>
            <numerusform>%n senza risposta</numerusform>
            <numerusform>%n senza risposta</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Sbagliati: %1.</translation>
    </message>
    <message>
        <source>Nothing to Practise</source>
        <translation>Niente da ripassare</translation>
    </message>
    <message>
        <source>Problems of the Practice</source>
        <translation>Calcoli del ripasso</translation>
    </message>
    <message>
        <source>Nothing was missed in this practice.</source>
        <translation>Nessun errore in questo ripasso.</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>it is not open</source>
        <translation>il file non è aperto</translation>
    </message>
    <message>
        <source>its tests have no column %1</source>
        <translation>le prove del file non hanno la colonna %1</translation>
    </message>
    <message>
        <source>it fails SQLite&apos;s check</source>
        <translation>il file non supera il controllo di SQLite</translation>
    </message>
    <message>
        <source>there is no folder to keep them in: HOME and XDG_DATA_HOME are unset, and the user has no home</source>
        <translation>non c’è una cartella dove salvarli: HOME e XDG_DATA_HOME non sono impostate e l’utente non ha una cartella personale</translation>
    </message>
    <message>
        <source>it is no results file, and cannot be moved aside</source>
        <translation>non è un file di risultati e non si può mettere da parte</translation>
    </message>
    <message>
        <source>a copy set aside cannot be removed (%1)</source>
        <translation>non si può eliminare una copia messa da parte (%1)</translation>
    </message>
    <message>
        <source>it says it is of version %1, which no Carrowby writes</source>
        <translation>dice di essere della versione %1, che nessun Carrowby scrive</translation>
    </message>
    <message>
        <source>another copy of Carrowby forgot the test&apos;s results while it ran</source>
        <translation>un’altra copia di Carrowby ha cancellato i risultati della prova mentre si svolgeva</translation>
    </message>
    <message>
        <source>its answers have no column %1</source>
        <translation>le risposte del file non hanno la colonna %1</translation>
    </message>
    <message>
        <source>it is damaged: some tests or answers are missing from what is read, or read twice</source>
        <translation>il file è guasto: alla lettura mancano prove o risposte, o compaiono due volte</translation>
    </message>
    <message>
        <source>another program has the results file open; what it has read stays in the file until that program closes it</source>
        <translation>un altro programma ha aperto il file dei risultati; quello che ha letto resta nel file finché quel programma non lo chiude</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>%1-plus</source>
        <translation>%1, più</translation>
    </message>
    <message>
        <source>%1-minus</source>
        <translation>%1, meno</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 fa %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n giusta</numerusform>
            <numerusform>%n giuste</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n sbagliata</numerusform>
            <numerusform>%n sbagliate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not answered</source>
        <translation>
            <numerusform>%n senza risposta</numerusform>
            <numerusform>%n senza risposta</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time is up.</source>
        <translation>Il tempo è finito.</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
</context>
</TS>
