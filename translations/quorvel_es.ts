<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Un programa didáctico que muestra los números enteros en binario, octal, decimal y hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Los desarrolladores de Quorvel&lt;/p&gt;&lt;p&gt;Quorvel es software libre: puedes compartirlo y modificarlo según los términos de la &lt;a href=&quot;%2&quot;&gt;Licencia Pública General de GNU&lt;/a&gt; (GNU General Public License), versión 3 o posterior. Se distribuye sin ninguna garantía.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Acerca de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licencia</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>Página &amp;web</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Elige la base</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Escribe el primer número</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Escribe el segundo número</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Haz clic en + o -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Pulsa + o -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
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
        <translation>%1, columna %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Marca sobre la columna %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Marca de préstamo de la columna %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Dígito tachado de la columna %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
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
        <translation>Números octales</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Empezar una operación en octal (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Decimal #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Números decimales</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Empezar una operación en decimal (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Hex #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Números hexadecimales</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Empezar una operación en hexadecimal (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Calcular la resta</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Restar el segundo número del primero (tecla -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Calcular la suma</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Sumar los dos números (tecla +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Primer número: %1</translation>
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
        <translation>en blanco</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Ayuda de Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;Acerca de Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Cómo usar Quorvel</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Sumar uno</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Uno más (tecla + o flecha Arriba)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Restar uno</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Uno menos (tecla - o flecha Abajo)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Contar hacia arriba automáticamente</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Contar hacia arriba, un paso por segundo; otra vez para parar (tecla ^ o Re Pág)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Entrada en decimal</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Escribir el valor en decimal; otra vez para aceptarlo (tecla #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Binario</translation>
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
        <translation>Avanza un paso con + y -, cuenta solo con ^ y v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Señala un dígito, o usa Izquierda y Derecha, para iluminar sus dígitos binarios</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Haz clic o pulsa Intro para escribir el valor en decimal</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Contar hacia abajo automáticamente</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Contar hacia abajo, un paso por segundo; otra vez para parar (tecla v o Av Pág)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Señala un dígito octal o</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>hexadecimal y verás sus bits</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Valor decimal</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>El valor en decimal: Intro o # lo acepta, Esc lo deja como estaba</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Contando hacia arriba</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Contando hacia abajo</translation>
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
        <translation>Dígito %1 %2, binario %3</translation>
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
        <translation>Binario</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Sin signo</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Con signo</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Carácter</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Tabla de valores</translation>
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
        <translation>Página web de Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Abrir la página web de Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Elegir una página (Ctrl+Tab, Ctrl+Av Pág, Ctrl+Re Pág)</translation>
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
        <translation>Valores de un byte: de 0 a 255, o de -128 a 127 (Abajo o Derecha elige 2 bytes)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Valores de dos bytes: de 0 a 65535, o de -32768 a 32767 (Arriba o Izquierda elige 1 byte)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Ir al valor</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Escribe un valor y pulsa Intro para ver su fila</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>columnas %1 y %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; acarreo en %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; préstamo de %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 menos %2: el segundo número es mayor, así que %2 menos %1 es igual a %3, y el resultado es negativo: menos %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 más %2 es igual a %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 menos %2 es igual a %3</translation>
    </message>
</context>
</TS>
