<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Um programa didático que mostra números inteiros em binário, octal, decimal e hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Os desenvolvedores do Quorvel&lt;/p&gt;&lt;p&gt;O Quorvel é software livre: você pode compartilhá-lo e modificá-lo nos termos da &lt;a href=&quot;%2&quot;&gt;Licença Pública Geral GNU&lt;/a&gt;, versão 3 ou posterior. Ele não tem absolutamente nenhuma garantia.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Sobre o Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licença</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>&amp;Página web</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Escolha a base</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Digite o primeiro número</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Digite o segundo número</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Clique em + ou -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Pressione + ou -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primeiro número</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, coluna %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Marca acima da coluna %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Marca de empréstimo da coluna %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Risco na coluna %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Resultado negativo</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Octal #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Números octais</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Começar uma conta em octal (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Decimal #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Números decimais</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Começar uma conta em decimal (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Hexa #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Números hexadecimais</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Começar uma conta em hexadecimal (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Calcular a diferença</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Subtrair o segundo número do primeiro (tecla -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Calcular a soma</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Somar os dois números (tecla +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Primeiro número: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Segundo número: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>em branco</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Ajuda do Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;Sobre o Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Como usar o Quorvel</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Um a mais</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Conta um a mais (tecla + ou Seta para cima)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Um a menos</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Conta um a menos (tecla - ou Seta para baixo)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Contar para cima sozinho</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Conta para cima uma vez por segundo; de novo para parar (tecla ^ ou Page Up)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Entrada decimal</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Digite o valor em decimal; de novo para aceitá-lo (tecla #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Um a um com + e -, conta sozinho com ^ e v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Aponte para um algarismo, ou use Seta para a esquerda e Seta para a direita, para acender seus algarismos binários</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Clique ou pressione Enter para digitar o valor em decimal</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Contar para baixo sozinho</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Conta para baixo uma vez por segundo; de novo para parar (tecla v ou Page Down)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Deixe o mouse no octal</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>ou hexa para ver os binários</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Valor decimal</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>O valor em decimal: Enter ou # aceita, Esc deixa como estava</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Contando para cima</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Contando para baixo</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>octal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>hexadecimal</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>Algarismo %1 %2, binário %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimal</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexa</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Sem sinal</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Com sinal</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Caractere</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Tabela de valores</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Tfbases</name>
    <message>
        <source>Numeric Formats</source>
        <translation>Formatos numéricos</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Página web do Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Abrir a página web do Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Odômetro</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Escolha uma página (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2 bytes</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4 bytes</translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation>Valores de um byte: de 0 a 255, ou de -128 a 127 (Seta para baixo ou para a direita escolhe 2 bytes)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Valores de dois bytes: de 0 a 65535, ou de -32768 a 32767 (Seta para cima ou para a esquerda escolhe 1 byte)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Ir para o valor</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Digite um valor e pressione Enter para mostrar a sua linha</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>colunas %1 e %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; vai um: %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; empréstimo: %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 menos %2: o segundo número é maior, então %2 menos %1 é igual a %3, e o resultado é negativo: menos %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 mais %2 é igual a %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 menos %2 é igual a %3</translation>
    </message>
</context>
</TS>
