<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message>
        <source>known</source>
        <translation>sabida</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>aprendendo</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lenta</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>not yet asked</source>
        <translation>ainda não perguntada</translation>
    </message>
    <message>
        <source>%1: not yet asked</source>
        <translation>%1: ainda não perguntada</translation>
    </message>
    <message>
        <source>%1: never asked</source>
        <translation>%1: nunca é perguntada</translation>
    </message>
    <message>
        <source>No fact has been asked yet.</source>
        <translation>Nenhuma conta foi perguntada ainda.</translation>
    </message>
    <message>
        <source>Every fact asked is right, and none is slow.</source>
        <translation>Todas as contas perguntadas estão certas, nenhuma lenta.</translation>
    </message>
    <message>
        <source>Still missed: %1.</source>
        <translation>Ainda erradas: %1.</translation>
    </message>
    <message>
        <source>Right, but slow: %1.</source>
        <translation>Certas, mas lentas: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>due again</source>
        <translation>para revisar</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoje</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>ontem</translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>há %n dia</numerusform>
            <numerusform>há %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: known since %2, due again on %3, last asked %4</source>
        <translation>%1: sabida desde %2, para revisar em %3, perguntada pela última vez %4</translation>
    </message>
    <message>
        <source>%1: due again, known since %2, last asked %3</source>
        <translation>%1: para revisar, sabida desde %2, perguntada pela última vez %3</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3 today, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, hoje %n certa de %3, a mais lenta em %4&#xa0;s</numerusform>
            <numerusform>%1: %2, hoje %n certas de %3, a mais lenta em %4&#xa0;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</source>
        <translation>
            <numerusform>%1: %2, %n certa de %3, a mais lenta em %4&#xa0;s, perguntada pela última vez %5</numerusform>
            <numerusform>%1: %2, %n certas de %3, a mais lenta em %4&#xa0;s, perguntada pela última vez %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Facts, the number taken away down and the difference across</source>
        <translation>Contas: o número tirado na vertical, a diferença na horizontal</translation>
    </message>
    <message>
        <source>Facts, the divisor down and the quotient across</source>
        <translation>Contas: o divisor na vertical, o quociente na horizontal</translation>
    </message>
    <message>
        <source>Facts, the top number down and the bottom one across</source>
        <translation>Contas: o número de cima na vertical, o de baixo na horizontal</translation>
    </message>
    <message numerus="yes">
        <source>And %n to learn in other operations.</source>
        <translation>
            <numerusform>E mais %n em outras operações.</numerusform>
            <numerusform>E mais %n em outras operações.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n addition facts</source>
        <translation>
            <numerusform>Sabidas: %1 de %n contas de somar</numerusform>
            <numerusform>Sabidas: %1 de %n contas de somar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n subtraction facts</source>
        <translation>
            <numerusform>Sabidas: %1 de %n contas de subtrair</numerusform>
            <numerusform>Sabidas: %1 de %n contas de subtrair</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n multiplication facts</source>
        <translation>
            <numerusform>Sabidas: %1 de %n contas de multiplicar</numerusform>
            <numerusform>Sabidas: %1 de %n contas de multiplicar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n division facts</source>
        <translation>
            <numerusform>Sabidas: %1 de %n contas de dividir</numerusform>
            <numerusform>Sabidas: %1 de %n contas de dividir</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2; %3.</source>
        <translation>%1, %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more than a week ago</source>
        <translation>
            <numerusform>%n a mais que há uma semana</numerusform>
            <numerusform>%n a mais que há uma semana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fewer than a week ago</source>
        <translation>
            <numerusform>%n a menos que há uma semana</numerusform>
            <numerusform>%n a menos que há uma semana</numerusform>
        </translation>
    </message>
    <message>
        <source>as many as a week ago</source>
        <translation>as mesmas que há uma semana</translation>
    </message>
    <message numerus="yes">
        <source>%n due again</source>
        <translation>
            <numerusform>%n para revisar</numerusform>
            <numerusform>%n para revisar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Known when right within %n seconds.</source>
        <translation>
            <numerusform>%1. Sabida se certa em até %n segundo.</numerusform>
            <numerusform>%1. Sabida se certa em até %n segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Due again this week: %1.</source>
        <translation>Para revisar esta semana: %1.</translation>
    </message>
</context>
<context>
    <name>ForgetQuestion</name>
    <message>
        <source>For&amp;get</source>
        <translation>A&amp;pagar</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Manter</translation>
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
        <translation>Nenhum teste foi terminado ainda.</translation>
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
        <translation>%1: um teste, em %2: %3%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n teste desde %2; nos últimos %3, de %4% para %5%</numerusform>
            <numerusform>%1: %n testes desde %2; nos últimos %3, de %4% para %5%</numerusform>
        </translation>
    </message>
    <message>
        <source>% correct</source>
        <translation>% de acertos</translation>
    </message>
    <message>
        <source>d MMM HH:mm</source>
        <comment>the first</comment>
        <translation>&apos;1º&apos; MMM HH:mm</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>the first</comment>
        <translation>&apos;1º de&apos; MMMM</translation>
    </message>
    <message>
        <source>%1: one practice, on %2: %3%</source>
        <translation>%1: uma prática, em %2: %3%</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n practices since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n prática desde %2; nas últimas %3, de %4% para %5%</numerusform>
            <numerusform>%1: %n práticas desde %2; nas últimas %3, de %4% para %5%</numerusform>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>The last ten tests</source>
        <translation>Os últimos dez testes</translation>
    </message>
    <message>
        <source>Facts</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>The last ten practices</source>
        <translation>As últimas dez práticas</translation>
    </message>
</context>
<context>
    <name>Speaker</name>
    <message>
        <source>Qt&apos;s speech library cannot be loaded: %1</source>
        <translation>Não é possível carregar a biblioteca de voz do Qt: %1</translation>
    </message>
    <message>
        <source>No speech engine is installed.</source>
        <translation>Nenhum mecanismo de voz está instalado.</translation>
    </message>
    <message>
        <source>The speech engine does not answer: %1</source>
        <translation>O mecanismo de voz não responde: %1</translation>
    </message>
    <message>
        <source>No voice here speaks English.</source>
        <translation>Nenhuma voz aqui fala português do Brasil.</translation>
    </message>
    <message>
        <source>en_GB</source>
        <comment>the locale whose voice reads this translation aloud</comment>
        <translation>pt_BR</translation>
    </message>
    <message>
        <source>English (Great Britain)</source>
        <comment>the name of the espeak-ng voice preferred for this language</comment>
        <translation>Portuguese (Brazil)</translation>
    </message>
</context>
<context>
    <name>Spreadsheet</name>
    <message>
        <source>Problem</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Digitado</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Numbers ticked</source>
        <translation>Números marcados</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Time limit (seconds)</source>
        <translation>Prazo (segundos)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Erradas</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Sem resposta</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>How it ended</source>
        <translation>Como terminou</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
</context>
<context>
    <name>TestsModel</name>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Time ran out</source>
        <translation>Acabou o tempo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrompido</translation>
    </message>
    <message>
        <source>Not ended</source>
        <translation>Não terminado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Incorrect</source>
        <translation>Erradas</translation>
    </message>
    <message>
        <source>Unanswered</source>
        <translation>Sem resposta</translation>
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
        <translation>Duração</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Prazo</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
</context>
<context>
    <name>UnwrittenQuestion</name>
    <message>
        <source>Answers Not Written Yet</source>
        <translation>Respostas ainda não salvas</translation>
    </message>
    <message>
        <source>Carrowby waits for them and closes once they are written. Leave now, and they are kept and written the next time a test starts.</source>
        <translation>O Carrowby espera por elas e fecha assim que forem salvas. Se você sair agora, elas ficam guardadas e são salvas no próximo teste.</translation>
    </message>
    <message>
        <source>&amp;Leave Now</source>
        <translation>&amp;Sair agora</translation>
    </message>
    <message>
        <source>&amp;Wait</source>
        <translation>&amp;Esperar</translation>
    </message>
    <message numerus="yes">
        <source>%n answers cannot be written to the results file yet: %1.</source>
        <translation>
            <numerusform>%n resposta ainda não pode ser salva no arquivo de resultados: %1.</numerusform>
            <numerusform>%n respostas ainda não podem ser salvas no arquivo de resultados: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>drill</name>
    <message>
        <source>Problem%1 of%2</source>
        <translation>Conta%1 de%2</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>You were right!</source>
        <translation>Acertou!</translation>
    </message>
    <message>
        <source>Oops!!!</source>
        <translation>Ops!!!</translation>
    </message>
    <message>
        <source>No test type selected!</source>
        <translation>Você não escolheu as operações!</translation>
    </message>
    <message>
        <source>Can not test 0 with Division!</source>
        <translation>Não dá para dividir por 0!</translation>
    </message>
    <message>
        <source>No numbers selected for testing!</source>
        <translation>Você não escolheu os números!</translation>
    </message>
    <message>
        <source>No number of problems selected!</source>
        <translation>Você não escolheu quantas contas fazer!</translation>
    </message>
    <message>
        <source>No difficulty selected!</source>
        <translation>Você não escolheu o nível!</translation>
    </message>
    <message>
        <source>It will come back, to be quicker.</source>
        <translation>Ela vai voltar, para você ficar mais rápido.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Carrowby icon</source>
        <translation>Ícone do Carrowby</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmAnswer</name>
    <message>
        <source>Answer: </source>
        <translation>Solução: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Número ao lado do sinal</translation>
    </message>
    <message>
        <source>The right answer</source>
        <translation>A resposta certa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The right answer is%1</source>
        <translation>A resposta certa é%1</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Solução</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Seconds Remaining </source>
        <translation>Tempo restante </translation>
    </message>
    <message>
        <source>Seconds remaining</source>
        <translation>Segundos restantes</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>Status </source>
        <translation>Placar </translation>
    </message>
    <message>
        <source>Correct:</source>
        <translation>Certas:</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Respostas certas</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Erradas:</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respostas erradas</translation>
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
        <translation>Porcentagem de acertos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Test These</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Test These </source>
        <translation>Operações </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
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
        <translation>Prazo:</translation>
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
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
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
        <translation>Contas:</translation>
    </message>
    <message>
        <source>Problem: </source>
        <translation>Conta: </translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Number beside the sign</source>
        <translation>Número ao lado do sinal</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>ENTER</source>
        <translation>PRONTO</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Começar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Results...</source>
        <translation>&amp;Resultados...</translation>
    </message>
    <message>
        <source>Personalize Carrowby</source>
        <translation>Personalizar o Carrowby</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>%1&apos;s Carrowby</source>
        <translation>Carrowby de %1</translation>
    </message>
    <message>
        <source>Settings Error</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>What is your name?</source>
        <translation>Qual é o seu nome?</translation>
    </message>
    <message>
        <source>Seconds Remaining</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>%:</source>
        <translation>%:</translation>
    </message>
    <message>
        <source>The Results window cannot be opened: %1</source>
        <translation>Não é possível abrir a janela de resultados: %1</translation>
    </message>
    <message>
        <source>“%1” is taken as %2, the name already used here, with the settings and the results kept for it.</source>
        <translation>“%1” é considerado %2, o nome já usado aqui, com suas configurações e seus resultados.</translation>
    </message>
    <message>
        <source>Facts right now</source>
        <translation>Certas agora</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n facts right now</source>
        <translation>
            <numerusform>Certas agora: %1 de %n</numerusform>
            <numerusform>Certas agora: %1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Practice </source>
        <translation>Prática </translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
    <message numerus="yes">
        <source>Time&apos;s up: %n unanswered</source>
        <translation>
            <numerusform>Fim do tempo: %n vazias</numerusform>
            <numerusform>Fim do tempo: %n vazias</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Read A&amp;loud</source>
        <translation>&amp;Ler em voz alta</translation>
    </message>
    <message>
        <source>High &amp;Contrast</source>
        <translation>Alto co&amp;ntraste</translation>
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
        <translation>O título dos testes mostrados</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>&amp;Progresso</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Last 10 Tests</source>
        <translation>Últimos 10 testes</translation>
    </message>
    <message>
        <source>Last 50 Tests</source>
        <translation>Últimos 50 testes</translation>
    </message>
    <message>
        <source>All Tests</source>
        <translation>Todos os testes</translation>
    </message>
    <message>
        <source>Percentage of each test</source>
        <translation>Porcentagem de acertos de cada teste</translation>
    </message>
    <message>
        <source>&amp;Tests</source>
        <translation>&amp;Testes</translation>
    </message>
    <message>
        <source>Tests, newest first</source>
        <translation>Testes, os mais recentes primeiro</translation>
    </message>
    <message>
        <source>&amp;Practise These</source>
        <translation>Para prati&amp;car</translation>
    </message>
    <message>
        <source>Tick These &amp;Numbers</source>
        <translation>Marcar estes &amp;números</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The results cannot be read: %1.</source>
        <translation>Não é possível ler os resultados: %1.</translation>
    </message>
    <message>
        <source>Export Tests</source>
        <translation>Exportar testes</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgulas (*.csv)</translation>
    </message>
    <message>
        <source>Forget All Results</source>
        <translation>Apagar todos os resultados</translation>
    </message>
    <message>
        <source>Not every result could be forgotten: %1.</source>
        <translation>Não foi possível apagar todos os resultados: %1.</translation>
    </message>
    <message>
        <source>The last answers wait to be written: %1.</source>
        <translation>As últimas respostas ainda não foram salvas: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n resposta desta sessão não pôde ser salva: %1.</numerusform>
            <numerusform>%n respostas desta sessão não puderam ser salvas: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>
            <numerusform>Marcados na janela principal para praticar: %1, com o número %2.</numerusform>
            <numerusform>Marcados na janela principal para praticar: %1, com os números %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Operation:</source>
        <translation>&amp;Operação:</translation>
    </message>
    <message>
        <source>The operation whose facts are shown</source>
        <translation>A operação cujas contas são mostradas</translation>
    </message>
    <message>
        <source>&amp;Known when right within:</source>
        <translation>&amp;Sabida se certa em até:</translation>
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
        <translation>Contas: o número de cima na vertical, o de baixo na horizontal</translation>
    </message>
    <message>
        <source>✓ Known</source>
        <translation>✓ Sabida</translation>
    </message>
    <message>
        <source>○ Learning</source>
        <translation>○ Aprendendo</translation>
    </message>
    <message>
        <source>… Slow</source>
        <translation>… Lenta</translation>
    </message>
    <message>
        <source>✗ Missed</source>
        <translation>✗ Errada</translation>
    </message>
    <message>
        <source>Not yet asked</source>
        <translation>Ainda não perguntada</translation>
    </message>
    <message>
        <source>Practise These F&amp;acts</source>
        <translation>Pratica&amp;r estas contas</translation>
    </message>
    <message>
        <source>The main window now shows %1.</source>
        <translation>A janela principal agora mostra %1.</translation>
    </message>
    <message>
        <source>&amp;Export as CSV</source>
        <translation>&amp;Exportar como CSV</translation>
    </message>
    <message>
        <source>Forget T&amp;hese Results...</source>
        <translation>Apagar estes resu&amp;ltados...</translation>
    </message>
    <message>
        <source>Pr&amp;int Report...</source>
        <translation>&amp;Imprimir relatório...</translation>
    </message>
    <message>
        <source>&amp;Tests of %1...</source>
        <translation>&amp;Testes do %1...</translation>
    </message>
    <message>
        <source>Every &amp;Answer of %1...</source>
        <translation>Todas as &amp;respostas do %1...</translation>
    </message>
    <message>
        <source>Tests of &amp;Every Title...</source>
        <translation>Testes de t&amp;odos os títulos...</translation>
    </message>
    <message>
        <source>Every A&amp;nswer of Every Title...</source>
        <translation>Todas as respostas de todos os tít&amp;ulos...</translation>
    </message>
    <message>
        <source>Export Answers</source>
        <translation>Exportar respostas</translation>
    </message>
    <message>
        <source>Everyone</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>answers</source>
        <translation>respostas</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>testes</translation>
    </message>
    <message>
        <source>The results could not be saved in %1 (%2).</source>
        <translation>Não foi possível salvar os resultados em %1 (%2).</translation>
    </message>
    <message>
        <source>report</source>
        <translation>relatório</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Imprimir relatório</translation>
    </message>
    <message>
        <source>Forget These Results</source>
        <translation>Apagar estes resultados</translation>
    </message>
    <message>
        <source>Forget every test of %1 recorded on this computer? They cannot be brought back.</source>
        <translation>Apagar todos os testes do %1 salvos neste computador? Eles não poderão ser recuperados.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: whose, what it holds, the day</comment>
        <translation>%2 do %1 %3</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Não foi possível imprimir o relatório.</translation>
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
        <translation>↻ Para revisar</translation>
    </message>
    <message>
        <source>Nothing to Practise Today</source>
        <translation>Nada para praticar hoje</translation>
    </message>
    <message>
        <source>Forget the &amp;Damaged Copy...</source>
        <translation>Apagar a cópia dani&amp;ficada...</translation>
    </message>
    <message>
        <source>Forget A&amp;ll Results...</source>
        <translation>Apa&amp;gar todos os resultados...</translation>
    </message>
    <message>
        <source>The report could not be saved in %1 (%2).</source>
        <translation>Não foi possível salvar o relatório em %1 (%2).</translation>
    </message>
    <message>
        <source>Forget every test recorded on this computer, of every title? They cannot be brought back.</source>
        <translation>Apagar todos os testes salvos neste computador, de todos os títulos? Eles não poderão ser recuperados.</translation>
    </message>
    <message>
        <source>Forget the Damaged Copy</source>
        <translation>Apagar a cópia danificada</translation>
    </message>
    <message>
        <source>Forget the copy of the results set aside as damaged? What could not be read from it cannot be brought back.</source>
        <translation>Apagar a cópia danificada dos resultados? O que não pôde ser lido dela não poderá ser recuperado.</translation>
    </message>
    <message>
        <source>A results file that could not be read whole is kept as %1.</source>
        <translation>Um arquivo de resultados que não pôde ser lido inteiro está guardado como %1.</translation>
    </message>
    <message>
        <source>Tests saved from it: %1. Tests that could not be read: %2. Answers that could not be read: %3.</source>
        <translation>Testes salvos: %1. Testes que não puderam ser lidos: %2. Respostas que não puderam ser lidas: %3.</translation>
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
        <translation>Contas do teste</translation>
    </message>
    <message>
        <source>Problems in order</source>
        <translation>As contas em ordem</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>Digitado</translation>
    </message>
    <message>
        <source>Right Answer</source>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Correção</translation>
    </message>
    <message>
        <source>Practise These &amp;Again</source>
        <translation>Praticar estas de &amp;novo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errado</translation>
    </message>
    <message>
        <source>Nothing was missed in this test.</source>
        <translation>Nenhum erro neste teste.</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message numerus="yes">
        <source>%n correct</source>
        <translation>
            <numerusform>%n certa</numerusform>
            <numerusform>%n certas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incorrect</source>
        <translation>
            <numerusform>%n errada</numerusform>
            <numerusform>%n erradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unanswered</source>
        <translation>
            <numerusform>%n sem resposta</numerusform>
            <numerusform>%n sem resposta</numerusform>
        </translation>
    </message>
    <message>
        <source>Missed: %1.</source>
        <translation>Erradas: %1.</translation>
    </message>
    <message>
        <source>Nothing to Practise</source>
        <translation>Nada para praticar</translation>
    </message>
    <message>
        <source>Problems of the Practice</source>
        <translation>Contas da prática</translation>
    </message>
    <message>
        <source>Nothing was missed in this practice.</source>
        <translation>Nenhum erro nesta prática.</translation>
    </message>
</context>
<context>
    <name>results</name>
    <message>
        <source>it is not open</source>
        <translation>o arquivo não está aberto</translation>
    </message>
    <message>
        <source>its tests have no column %1</source>
        <translation>os testes do arquivo não têm a coluna %1</translation>
    </message>
    <message>
        <source>it fails SQLite&apos;s check</source>
        <translation>o arquivo não passa na verificação do SQLite</translation>
    </message>
    <message>
        <source>there is no folder to keep them in: HOME and XDG_DATA_HOME are unset, and the user has no home</source>
        <translation>não há pasta para guardá-los: HOME e XDG_DATA_HOME não estão definidas e o usuário não tem pasta pessoal</translation>
    </message>
    <message>
        <source>it is no results file, and cannot be moved aside</source>
        <translation>não é um arquivo de resultados e não pode ser deixado de lado</translation>
    </message>
    <message>
        <source>a copy set aside cannot be removed (%1)</source>
        <translation>não é possível remover uma cópia deixada de lado (%1)</translation>
    </message>
    <message>
        <source>it says it is of version %1, which no Carrowby writes</source>
        <translation>diz ser da versão %1, que nenhum Carrowby grava</translation>
    </message>
    <message>
        <source>another copy of Carrowby forgot the test&apos;s results while it ran</source>
        <translation>outra cópia do Carrowby apagou os resultados do teste enquanto ele acontecia</translation>
    </message>
    <message>
        <source>its answers have no column %1</source>
        <translation>as respostas do arquivo não têm a coluna %1</translation>
    </message>
    <message>
        <source>it is damaged: some tests or answers are missing from what is read, or read twice</source>
        <translation>o arquivo está danificado: na leitura faltam testes ou respostas, ou eles aparecem duas vezes</translation>
    </message>
    <message>
        <source>another program has the results file open; what it has read stays in the file until that program closes it</source>
        <translation>outro programa está com o arquivo de resultados aberto; o que ele leu fica no arquivo até que esse programa o feche</translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message>
        <source>%1-plus</source>
        <translation>%1, mais</translation>
    </message>
    <message>
        <source>%1-minus</source>
        <translation>%1, menos</translation>
    </message>
    <message>
        <source>%1 is %2.</source>
        <translation>%1 é igual a %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n certa</numerusform>
            <numerusform>%n certas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n errada</numerusform>
            <numerusform>%n erradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not answered</source>
        <translation>
            <numerusform>%n sem resposta</numerusform>
            <numerusform>%n sem resposta</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The time is up.</source>
        <translation>O tempo acabou.</translation>
    </message>
</context>
<context>
    <name>toolkit</name>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
</context>
</TS>
