<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message>
        <source>known</source>
        <translation>acquis</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>raté</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>pas encore demandé</translation>
    </message>
    <message>
        <source>%1: not yet asked</source>
        <translation>%1&#xa0;: pas encore demandé</translation>
    </message>
    <message>
        <source>%1: never asked</source>
        <translation>%1&#xa0;: jamais demandé</translation>
    </message>
    <message>
        <source>No fact has been asked yet.</source>
        <translation>Aucun calcul n’a encore été demandé.</translation>
    </message>
    <message>
        <source>Every fact asked is right, and none is slow.</source>
        <translation>Chaque calcul demandé est juste, aucun n’est lent.</translation>
    </message>
    <message>
        <source>Still missed: %1.</source>
        <translation>Encore ratés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Right, but slow: %1.</source>
        <translation>Justes, mais lents&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>due again</source>
        <translation>à réviser</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd’hui</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>hier</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: known since %2, due again on %3, last asked %4</source>
        <translation>%1&#xa0;: acquis depuis le %2, à réviser le %3, vu %4</translation>
    </message>
    <message>
        <source>%1: due again, known since %2, last asked %3</source>
        <translation>%1&#xa0;: à réviser, acquis depuis le %2, vu %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3 today, the slowest in %4 s</source>
        <translation>
            <numerusform>%1&#xa0;: %2, %n juste sur %3 aujourd’hui, réponse la plus lente&#xa0;: %4&#xa0;s</numerusform>
            <numerusform>%1&#xa0;: %2, %n justes sur %3 aujourd’hui, réponse la plus lente&#xa0;: %4&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</source>
        <translation>
            <numerusform>%1&#xa0;: %2, %n juste sur %3, réponse la plus lente&#xa0;: %4&#xa0;s, vu %5</numerusform>
            <numerusform>%1&#xa0;: %2, %n justes sur %3, réponse la plus lente&#xa0;: %4&#xa0;s, vu %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Facts, the number taken away down and the difference across</source>
        <translation>Calculs&#xa0;: le nombre enlevé vers le bas, la différence vers la droite</translation>
    </message>
    <message>
        <source>Facts, the divisor down and the quotient across</source>
        <translation>Calculs&#xa0;: le diviseur vers le bas, le quotient vers la droite</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Calculs&#xa0;: le nombre du haut vers le bas, celui du bas vers la droite</translation>
    </message>
    <message numerus="yes">
        <source>And %n to learn in other operations.</source>
        <translation>
            <numerusform>Et %n à apprendre dans les autres opérations.</numerusform>
            <numerusform>Et %n à apprendre dans les autres opérations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n addition facts</source>
        <translation>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs d’addition</numerusform>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs d’addition</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n subtraction facts</source>
        <translation>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs de soustraction</numerusform>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs de soustraction</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n multiplication facts</source>
        <translation>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs de multiplication</numerusform>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs de multiplication</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n division facts</source>
        <translation>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs de division</numerusform>
            <numerusform>Acquis&#xa0;: %1 sur %n calculs de division</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; %3.</source>
        <translation>%1, %2&#x202f;; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more than a week ago</source>
        <translation>
            <numerusform>%n de plus qu’il y a une semaine</numerusform>
            <numerusform>%n de plus qu’il y a une semaine</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fewer than a week ago</source>
        <translation>
            <numerusform>%n de moins qu’il y a une semaine</numerusform>
            <numerusform>%n de moins qu’il y a une semaine</numerusform>
        </translation>
    </message>
    <message>
        <source>as many as a week ago</source>
        <translation>autant qu’il y a une semaine</translation>
    </message>
    <message numerus="yes">
        <source>%n due again</source>
        <translation>
            <numerusform>%n à réviser</numerusform>
            <numerusform>%n à réviser</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Known when right within %n seconds.</source>
        <translation>
            <numerusform>%1. Acquis si juste en %n seconde.</numerusform>
            <numerusform>%1. Acquis si juste en %n secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Due again this week: %1.</source>
        <translation>À réviser cette semaine&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>ForgetQuestion</name>
    <message>
        <source>For&amp;get</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Garder</translation>
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
        <translation>Aucun test n’est encore terminé.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>%d%</source>
        <translation>%d&#xa0;%</translation>
    </message>
    <message>
        <source>%1, %2, %3: %4%, %5</source>
        <translation>%1, %2, %3&#xa0;: %4&#xa0;%, %5</translation>
    </message>
    <message>
        <source>%1: one test, on %2: %3%</source>
        <translation>%1&#xa0;: un test, le %2&#xa0;: %3&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1&#xa0;: %n test depuis le %2&#x202f;; les %3 derniers&#xa0;: de %4&#xa0;% à %5&#xa0;%</numerusform>
            <numerusform>%1&#xa0;: %n tests depuis le %2&#x202f;; les %3 derniers&#xa0;: de %4&#xa0;% à %5&#xa0;%</numerusform>
        </translation>
    </message>
    <message>
        <source>% correct</source>
        <translation>%&#xa0;de réussite</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <comment>the first</comment>
        <translation>&apos;1er&apos; MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the first</comment>
        <translation>&apos;1er&apos; MMMM</translation>
    </message>
    <message>
        <source>%1: one practice, on %2: %3%</source>
        <translation>%1&#xa0;: une révision, le %2&#xa0;: %3&#xa0;%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n practices since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1&#xa0;: %n révision depuis le %2&#x202f;; les %3 dernières&#xa0;: de %4&#xa0;% à %5&#xa0;%</numerusform>
            <numerusform>%1&#xa0;: %n révisions depuis le %2&#x202f;; les %3 dernières&#xa0;: de %4&#xa0;% à %5&#xa0;%</numerusform>
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
        <translation>Progression</translation>
    </message>
    <message>
        <source>The last ten tests</source>
        <translation>Les dix derniers tests</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>The last ten practices</source>
        <translation>Les dix dernières révisions</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>Qt&apos;s speech library cannot be loaded: %1</source>
        <translation>La bibliothèque vocale de Qt ne peut pas être chargée&#xa0;: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Aucun moteur de synthèse vocale n’est installé.</translation>
    </message>
    <message>
        <source>The speech engine does not answer: %1</source>
        <translation>Le moteur de synthèse vocale ne répond pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>No voice here speaks English.</source>
        <translation>Aucune voix ici ne parle français.</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose voice reads this translation aloud</comment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <comment>the name of the espeak-ng voice preferred for this language</comment>
        <translation>French (France)</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Tapé</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Numbers ticked</source>
        <translation>Nombres cochés</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Time limit (seconds)</source>
        <translation>Délai (secondes)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Sans réponse</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Comment il a fini</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Révision</translation>
    </message>
</context>
<context>
    <name>TestsModel</name>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompu</translation>
    </message>
    <message>
        <source>Not ended</source>
        <translation>Inachevé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Sans réponse</translation>
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
        <translation>Durée</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Révision</translation>
    </message>
</context>
<context>
    <name>UnwrittenQuestion</name>
    <message>
        <source>Answers Not Written Yet</source>
        <translation>Réponses pas encore enregistrées</translation>
    </message>
    <message>
        <source>Carrowby waits for them and closes once they are written. Leave now, and they are kept and written the next time a test starts.</source>
        <translation>Carrowby les attend et se ferme dès qu’elles sont enregistrées. Si tu quittes maintenant, elles sont gardées et enregistrées au prochain test.</translation>
    </message>
    <message>
        <source>&amp;Leave Now</source>
        <translation>&amp;Quitter maintenant</translation>
    </message>
    <message>
        <source>&amp;Wait</source>
        <translation>&amp;Attendre</translation>
    </message>
    <message numerus="yes">
        <source>%n answers cannot be written to the results file yet: %1.</source>
        <translation>
            <numerusform>%n réponse ne peut pas encore être enregistrée dans le fichier des résultats&#xa0;: %1.</numerusform>
            <numerusform>%n réponses ne peuvent pas encore être enregistrées dans le fichier des résultats&#xa0;: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>drill</name>
    <message>
        <source>Problem%1 of%2</source>
        <translation>Calcul%1 sur%2</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>You were right!</source>
        <translation>C’est juste&#xa0;!</translation>
    </message>
    <message>
        <source>Oops!!!</source>
        <translation>Oups&#xa0;!!!</translation>
    </message>
    <message>
        <source>No test type selected!</source>
        <translation>Aucune opération choisie&#x202f;!</translation>
    </message>
    <message>
        <source>Can not test 0 with Division!</source>
        <translation>On ne peut pas diviser par 0&#x202f;!</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>Aucun nombre choisi&#x202f;!</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>Aucun nombre de calculs choisi&#x202f;!</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>Aucun niveau choisi&#x202f;!</translation>
    </message>
    <message>
        <source>It will come back, to be quicker.</source>
        <translation>Il reviendra, pour aller plus vite.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Carrowby icon</source>
        <translation>Icône de Carrowby</translation>
    </message>
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
    <name>frmAnswer</name>
    <message>
        <source>Answer: </source>
        <translation>Réponse&#xa0;: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Nombre à côté du signe</translation>
    </message>
    <message>
        <source>The right answer</source>
        <translation>La bonne réponse</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The right answer is%1</source>
        <translation>La bonne réponse est%1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Seconds Remaining </source>
        <translation>Temps restant </translation>
    </message>
    <message>
        <source>Seconds remaining</source>
        <translation>Secondes restantes</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Status </source>
        <translation>Bilan </translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Justes&#xa0;:</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Fausses&#xa0;:</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Percentage right</source>
        <translation>Pourcentage de réussite</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Test These</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Test These </source>
        <translation>Opérations </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Test Using</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Test Using </source>
        <translation>Nombres </translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Délai&#xa0;:</translation>
    </message>
    <message>
        <source>10 Seconds</source>
        <translation>10 secondes</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>1 Minute</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>2 Minutes</source>
        <translation>2 minutes</translation>
    </message>
    <message>
        <source>3 Minutes</source>
        <translation>3 minutes</translation>
    </message>
    <message>
        <source>4 Minutes</source>
        <translation>4 minutes</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Diabloish</source>
        <translation>Diabolique</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Calculs&#xa0;:</translation>
    </message>
    <message>
        <source>Problem: </source>
        <translation>Calcul&#xa0;: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Nombre à côté du signe</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>VALIDER</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Personalize Carrowby</source>
        <translation>Personnaliser Carrowby</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>%1&apos;s Carrowby</source>
        <translation>Carrowby pour %1</translation>
    </message>
    <message>
        <source>Settings Error</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Comment t’appelles-tu&#x202f;?</translation>
    </message>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Résultats...</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>%:</source>
        <translation>%&#xa0;:</translation>
    </message>
    <message>
        <source>The Results window cannot be opened: %1</source>
        <translation>La fenêtre des résultats ne peut pas s’ouvrir&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1” is taken as %2, the name already used here, with the settings and the results kept for it.</source>
        <translation>«&#xa0;%1&#xa0;» est considéré comme %2, le prénom déjà utilisé ici, avec ses réglages et ses résultats.</translation>
    </message>
    <message>
        <source>Facts right now</source>
        <translation>Justes maintenant</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n facts right now</source>
        <translation>
            <numerusform>Justes maintenant&#xa0;: %1 sur %n</numerusform>
            <numerusform>Justes maintenant&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Practice </source>
        <translation>Révision </translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Révision</translation>
    </message>
    <message numerus="yes">
        <source>Time&apos;s up: %n unanswered</source>
        <translation>
            <numerusform>Temps fini&#xa0;: %n non faits</numerusform>
            <numerusform>Temps fini&#xa0;: %n non faits</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Read A&amp;loud</source>
        <translation>Lire à &amp;voix haute</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>&amp;Contraste élevé</translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Whose results:</source>
        <translation>Résultats &amp;de&#xa0;:</translation>
    </message>
    <message>
        <source>The title whose tests are shown</source>
        <translation>Le titre dont les tests sont affichés</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>&amp;Progression</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Last 10 Tests</source>
        <translation>10 derniers tests</translation>
    </message>
    <message>
        <source>Last 50 Tests</source>
        <translation>50 derniers tests</translation>
    </message>
    <message>
        <source>All Tests</source>
        <translation>Tous les tests</translation>
    </message>
    <message>
        <source>Percentage of each test</source>
        <translation>Pourcentage de réussite de chaque test</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Tests</translation>
    </message>
    <message>
        <source>Tests, newest first</source>
        <translation>Tests, les plus récents d’abord</translation>
    </message>
    <message>
        <source>&amp;Practise These</source>
        <translation>À &amp;revoir</translation>
    </message>
    <message>
        <source>Tick These &amp;Numbers</source>
        <translation>Cocher ces &amp;nombres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Les résultats ne peuvent pas être lus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Export Tests</source>
        <translation>Exporter les tests</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Effacer tous les résultats</translation>
    </message>
    <message>
        <source>Not every result could be forgotten: %1.</source>
        <translation>Tous les résultats n’ont pas pu être effacés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The last answers wait to be written: %1.</source>
        <translation>Les dernières réponses attendent d’être enregistrées&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n réponse de cette séance n’a pas pu être gardée&#xa0;: %1.</numerusform>
            <numerusform>%n réponses de cette séance n’ont pas pu être gardées&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>
            <numerusform>Cochés dans la fenêtre principale pour s’entraîner&#xa0;: %1, avec le nombre %2.</numerusform>
            <numerusform>Cochés dans la fenêtre principale pour s’entraîner&#xa0;: %1, avec les nombres %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Opération&#xa0;:</translation>
    </message>
    <message>
        <source>The operation whose facts are shown</source>
        <translation>L’opération dont les calculs sont affichés</translation>
    </message>
    <message>
        <source>&amp;Known when right within:</source>
        <translation>A&amp;cquis si juste en&#xa0;:</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 secondes</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 secondes</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 secondes</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 secondes</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 secondes</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Calculs&#xa0;: le nombre du haut vers le bas, celui du bas vers la droite</translation>
    </message>
    <message>
        <source>✓ Known</source>
        <translation>✓ Acquis</translation>
    </message>
    <message>
        <source>○ Learning</source>
        <translation>○ En cours</translation>
    </message>
    <message>
        <source>… Slow</source>
        <translation>… Lent</translation>
    </message>
    <message>
        <source>✗ Missed</source>
        <translation>✗ Raté</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Pas encore demandé</translation>
    </message>
    <message>
        <source>Practise These F&amp;acts</source>
        <translation>Revoir ces ca&amp;lculs</translation>
    </message>
    <message>
        <source>The main window now shows %1.</source>
        <translation>La fenêtre principale montre maintenant %1.</translation>
    </message>
    <message>
        <source>&amp;Export as CSV</source>
        <translation>&amp;Exporter en CSV</translation>
    </message>
    <message>
        <source>Forget T&amp;hese Results...</source>
        <translation>Effacer ce&amp;s résultats...</translation>
    </message>
    <message>
        <source>Pr&amp;int Report...</source>
        <translation>&amp;Imprimer le bilan...</translation>
    </message>
    <message>
        <source>&amp;Tests of %1...</source>
        <translation>&amp;Tests de %1...</translation>
    </message>
    <message>
        <source>Every &amp;Answer of %1...</source>
        <translation>Toutes les &amp;réponses de %1...</translation>
    </message>
    <message>
        <source>Tests of &amp;Every Title...</source>
        <translation>Tests de tous &amp;les titres...</translation>
    </message>
    <message>
        <source>Every A&amp;nswer of Every Title...</source>
        <translation>Toutes les répo&amp;nses de tous les titres...</translation>
    </message>
    <message>
        <source>Export Answers</source>
        <translation>Exporter les réponses</translation>
    </message>
    <message>
        <source>Everyone</source>
        <translation>tous les enfants</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>réponses</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>tests</translation>
    </message>
    <message>
        <source>The results could not be saved in %1 (%2).</source>
        <translation>Les résultats n’ont pas pu être enregistrés dans %1 (%2).</translation>
    </message>
    <message>
        <source>report</source>
        <translation>bilan</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimer le bilan</translation>
    </message>
    <message>
        <source>Forget These Results</source>
        <translation>Effacer ces résultats</translation>
    </message>
    <message>
        <source>Forget every test of %1 recorded on this computer? They cannot be brought back.</source>
        <translation>Effacer tous les tests de %1 enregistrés sur cet ordinateur&#x202f;? Ils ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: whose, what it holds, the day</comment>
        <translation>%2 de %1 %3</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Le bilan n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 secondes</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 secondes</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 secondes</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 secondes</translation>
    </message>
    <message>
        <source>11 seconds</source>
        <translation>11 secondes</translation>
    </message>
    <message>
        <source>12 seconds</source>
        <translation>12 secondes</translation>
    </message>
    <message>
        <source>↻ Due again</source>
        <translation>↻ À réviser</translation>
    </message>
    <message>
        <source>Nothing to Practise Today</source>
        <translation>Rien à revoir aujourd’hui</translation>
    </message>
    <message>
        <source>Forget the &amp;Damaged Copy...</source>
        <translation>Effacer la copie a&amp;bîmée...</translation>
    </message>
    <message>
        <source>Forget A&amp;ll Results...</source>
        <translation>Effacer to&amp;us les résultats...</translation>
    </message>
    <message>
        <source>The report could not be saved in %1 (%2).</source>
        <translation>Le bilan n’a pas pu être enregistré dans %1 (%2).</translation>
    </message>
    <message>
        <source>Forget every test recorded on this computer, of every title? They cannot be brought back.</source>
        <translation>Effacer tous les tests enregistrés sur cet ordinateur, pour tous les titres&#x202f;? Ils ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>Forget the Damaged Copy</source>
        <translation>Effacer la copie abîmée</translation>
    </message>
    <message>
        <source>Forget the copy of the results set aside as damaged? What could not be read from it cannot be brought back.</source>
        <translation>Effacer la copie abîmée des résultats&#x202f;? Ce qui n’a pas pu y être lu ne pourra plus être récupéré.</translation>
    </message>
    <message>
        <source>A results file that could not be read whole is kept as %1.</source>
        <translation>Un fichier de résultats qui n’a pas pu être lu en entier est gardé sous le nom %1.</translation>
    </message>
    <message>
        <source>Tests saved from it: %1. Tests that could not be read: %2. Answers that could not be read: %3.</source>
        <translation>Tests sauvés&#xa0;: %1. Tests illisibles&#xa0;: %2. Réponses illisibles&#xa0;: %3.</translation>
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
        <translation>Calculs du test</translation>
    </message>
    <message>
        <source>Problems in order</source>
        <translation>Les calculs dans l’ordre</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Tapé</translation>
    </message>
    <message>
        <source>Right Answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Practise These &amp;Again</source>
        <translation>&amp;Refaire ces calculs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Nothing was missed in this test.</source>
        <translation>Aucune erreur dans ce test.</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1&#xa0;: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n correct</source>
        <translation>
            <numerusform>%n juste</numerusform>
            <numerusform>%n justes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incorrect</source>
        <translation>
            <numerusform>%n fausse</numerusform>
            <numerusform>%n fausses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unanswered</source>
        <translation>
            <numerusform>%n sans réponse</numerusform>
            <numerusform>%n sans réponse</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Ratés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nothing to Practise</source>
        <translation>Rien à revoir</translation>
    </message>
    <message>
        <source>Problems of the Practice</source>
        <translation>Calculs de la révision</translation>
    </message>
    <message>
        <source>Nothing was missed in this practice.</source>
        <translation>Aucune erreur dans cette révision.</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>it is not open</source>
        <translation>le fichier n’est pas ouvert</translation>
    </message>
    <message>
        <source>its tests have no column %1</source>
        <translation>les tests du fichier n’ont pas de colonne %1</translation>
    </message>
    <message>
        <source>it fails SQLite&apos;s check</source>
        <translation>le fichier ne passe pas la vérification de SQLite</translation>
    </message>
    <message>
        <source>there is no folder to keep them in: HOME and XDG_DATA_HOME are unset, and the user has no home</source>
        <translation>il n’y a pas de dossier où les garder&#xa0;: HOME et XDG_DATA_HOME ne sont pas définis, et l’utilisateur n’a pas de dossier personnel</translation>
    </message>
    <message>
        <source>it is no results file, and cannot be moved aside</source>
        <translation>ce n’est pas un fichier de résultats, et il ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>a copy set aside cannot be removed (%1)</source>
        <translation>une copie mise de côté ne peut pas être supprimée (%1)</translation>
    </message>
    <message>
        <source>it says it is of version %1, which no Carrowby writes</source>
        <translation>il indique la version %1, qu’aucun Carrowby n’écrit</translation>
    </message>
    <message>
        <source>another copy of Carrowby forgot the test&apos;s results while it ran</source>
        <translation>un autre exemplaire de Carrowby a effacé les résultats du test pendant qu’il se déroulait</translation>
    </message>
    <message>
        <source>its answers have no column %1</source>
        <translation>les réponses du fichier n’ont pas de colonne %1</translation>
    </message>
    <message>
        <source>it is damaged: some tests or answers are missing from what is read, or read twice</source>
        <translation>le fichier est abîmé&#xa0;: des tests ou des réponses manquent à la lecture, ou y sont deux fois</translation>
    </message>
    <message>
        <source>another program has the results file open; what it has read stays in the file until that program closes it</source>
        <translation>un autre programme a ouvert le fichier des résultats&#x202f;; ce qu’il a lu reste dans le fichier jusqu’à ce qu’il le ferme</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>%1-plus</source>
        <translation>%1, plus</translation>
    </message>
    <message>
        <source>%1-minus</source>
        <translation>%1, moins</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 égale %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n juste</numerusform>
            <numerusform>%n justes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n fausse</numerusform>
            <numerusform>%n fausses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not answered</source>
        <translation>
            <numerusform>%n sans réponse</numerusform>
            <numerusform>%n sans réponse</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The time is up.</source>
        <translation>Le temps est écoulé.</translation>
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
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
</context>
</TS>
