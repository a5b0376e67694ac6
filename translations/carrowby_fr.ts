<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>C&apos;est juste !</translation>
    </message>
    <message>
        <source>Oops!!!</source>
        <translation>Oups !!!</translation>
    </message>
    <message>
        <source>No test type selected!</source>
        <translation>Aucune opération choisie !</translation>
    </message>
    <message>
        <source>Can not test 0 with Division!</source>
        <translation>Pas de 0 avec la division !</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>Aucun nombre choisi !</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>Aucun nombre de calculs choisi !</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>Aucun niveau choisi !</translation>
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
        <translation>Réponse : </translation>
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
        <translation>Justes :</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Fausses :</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Grade:</source>
        <translation>Note :</translation>
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
        <translation>Délai :</translation>
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
        <translation>Niveau :</translation>
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
        <translation>Calculs :</translation>
    </message>
    <message>
        <source>Problem: </source>
        <translation>Calcul : </translation>
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
        <translation>ENTRÉE</translation>
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
        <translation>Le Carrowby de %1</translation>
    </message>
    <message>
        <source>Settings Error</source>
        <translation>Erreur de réglage</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Comment t&apos;appelles-tu ?</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Bilan</translation>
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
