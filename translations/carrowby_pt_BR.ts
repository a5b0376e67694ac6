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
        <source>%1: %2, %n right out of %3, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, %n certa de %3, a mais lenta em %4 s</numerusform>
            <numerusform>%1: %2, %n certas de %3, a mais lenta em %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
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
</context>
<context>
    <name>Report</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>Contas: %1</translation>
    </message>
    <message>
        <source>The last ten tests</source>
        <translation>Os últimos dez testes</translation>
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
        <translation>Treino</translation>
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
        <source>&amp;Forget All Results...</source>
        <translation>&amp;Apagar todos os resultados...</translation>
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
        <translation>As últimas respostas aguardam para ser salvas: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n resposta desta sessão não pôde ser salva: %1.</numerusform>
            <numerusform>%n respostas desta sessão não puderam ser salvas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget every test recorded on this computer, of every title, with any copy of the results set aside as unreadable? They cannot be brought back.</source>
        <translation>Apagar todos os testes salvos neste computador, de todos os títulos, com qualquer cópia dos resultados deixada de lado por ser ilegível? Eles não poderão ser recuperados.</translation>
    </message>
    <message>
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>Marcados na janela principal para praticar: %1, com os números %2.</translation>
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
        <translation>&amp;Sabida se certa em:</translation>
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
        <source>Nothing to Practise</source>
        <translation>Nada para praticar</translation>
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
        <translation>&amp;Testes de %1...</translation>
    </message>
    <message>
        <source>Every &amp;Answer of %1...</source>
        <translation>Todas as &amp;respostas de %1...</translation>
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
        <translation>Apagar todos os testes de %1 salvos neste computador? Eles não poderão ser recuperados.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>a file&apos;s name: whose, what it holds, the day</comment>
        <translation>%2 de %1 %3</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Não foi possível imprimir o relatório.</translation>
    </message>
    <message>
        <source>The report could not be saved in %1.</source>
        <translation>Não foi possível salvar o relatório em %1.</translation>
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
        <source>another copy of Carrowby is reading them; what it has read is gone once it closes</source>
        <translation>outra cópia do Carrowby está lendo os resultados; o que ela leu some quando ela for fechada</translation>
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
