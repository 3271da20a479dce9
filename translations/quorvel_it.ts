<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Un programma didattico che mostra i numeri interi in binario, ottale, decimale ed esadecimale.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Gli sviluppatori di Quorvel&lt;/p&gt;&lt;p&gt;Quorvel è software libero: puoi condividerlo e modificarlo secondo i termini della &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, versione 3 o successiva. Viene fornito senza alcuna garanzia.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Informazioni su Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licenza</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>Pagina &amp;web</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Scegli la base</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Scrivi il primo numero</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Scrivi il secondo numero</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Fai clic su + o -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Premi + o -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primo numero</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Secondo numero</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, colonna %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Segno sopra la colonna %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Segno di prestito della colonna %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Cifra barrata della colonna %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Risultato negativo</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Ottale #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Numeri ottali</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Inizia un calcolo in ottale (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Decimale #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Numeri decimali</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Inizia un calcolo in decimale (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Esadec. #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Numeri esadecimali</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Inizia un calcolo in esadecimale (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Calcola la differenza</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Sottrai il secondo numero dal primo (tasto -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Calcola la somma</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Addiziona i due numeri (tasto +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Primo numero: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Secondo numero: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>vuoto</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Guida di Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;Informazioni su Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Come usare Quorvel</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Aggiungi uno</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Uno in più (tasto + o freccia Su)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Togli uno</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Uno in meno (tasto - o freccia Giù)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Conta in avanti da solo</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Conta in avanti, un passo al secondo; di nuovo per fermare (tasto ^ o Pag Su)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Inserimento in decimale</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Scrivi il valore in decimale; di nuovo per confermarlo (tasto #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>Ottale</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Dec.</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>Esadecimale</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Un passo con + e -, conta da solo con ^ e v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Punta una cifra, o usa Sinistra e Destra, per illuminarne le cifre binarie</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Fai clic o premi Invio per scrivere il valore in decimale</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Conta all’indietro da solo</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Conta all’indietro, un passo al secondo; di nuovo per fermare (tasto v o Pag Giù)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Punta una cifra ottale o</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>esadecimale per vederne i bit</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Valore decimale</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>Il valore in decimale: Invio o # lo conferma, Esc lo lascia com’era</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Conteggio in avanti</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Conteggio all’indietro</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>ottale</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>esadecimale</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>Cifra %1 %2, binario %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Ottale</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimale</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Esadecimale</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Ottale</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Esadec.</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Naturale</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Con segno</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Tabella dei valori</translation>
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
        <translation>Formati numerici</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Pagina web di Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Apri la pagina web di Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Scegli una pagina (Ctrl+Tab, Ctrl+Pag Giù, Ctrl+Pag Su)</translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2 byte</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4 byte</translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation>Valori di un byte: da 0 a 255, o da -128 a 127 (Giù o Destra sceglie 2 byte)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Valori di due byte: da 0 a 65535, o da -32768 a 32767 (Su o Sinistra sceglie 1 byte)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Vai al valore</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Scrivi un valore e premi Invio per vederne la riga</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>colonne %1 e %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; riporto in %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; prestito da %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 meno %2: il secondo numero è maggiore, quindi %2 meno %1 uguale %3, e il risultato è negativo: meno %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 più %2 uguale %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 meno %2 uguale %3</translation>
    </message>
</context>
</TS>
