<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Учебная программа, которая показывает целые числа в двоичной, восьмеричной, десятичной и шестнадцатеричной системах счисления.&lt;/p&gt;&lt;p&gt;Авторские права &amp;copy; 2026 Разработчики Quorvel&lt;/p&gt;&lt;p&gt;Quorvel — свободная программа: вы можете распространять и изменять её на условиях &lt;a href=&quot;%2&quot;&gt;Стандартной общественной лицензии GNU&lt;/a&gt; версии 3 или более поздней. Программа поставляется без каких-либо гарантий.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>О программе Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Лицензия</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>&amp;Веб-страница</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Выберите систему счисления</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Введите первое число</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Введите второе число</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Нажмите + или -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Нажмите клавишу + или -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Первое число</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Второе число</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, разряд %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Отметка над разрядом %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Отметка заёма в разряде %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Зачёркивание в разряде %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Отрицательный результат</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Восьм. #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Восьмеричные числа</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Начать пример в восьмеричной системе (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Десят. #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Десятичные числа</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Начать пример в десятичной системе (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Шестн. #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Шестнадцатеричные числа</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Начать пример в шестнадцатеричной системе (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Найти разность</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Вычесть второе число из первого (клавиша -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Найти сумму</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Сложить два числа (клавиша +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Первое число: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Второе число: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Справка Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;О программе Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Работа с Quorvel</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Шаг вверх</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>На один шаг вверх (клавиша + или Вверх)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Шаг вниз</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>На один шаг вниз (клавиша - или Вниз)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Автоматический счёт вверх</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Считать вверх раз в секунду; ещё раз, чтобы остановить (клавиша ^ или Page Up)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Ввод десятичного числа</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Ввести значение в десятичной системе; ещё раз, чтобы принять его (клавиша #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>2-ичн.</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>8-ичн.</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>10-ичн.</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>16-ичн.</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Шаг: + и -, счёт: ^ и v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Наведите указатель на цифру или нажимайте Влево и Вправо, чтобы подсветить её двоичные цифры</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Щёлкните или нажмите Enter, чтобы ввести значение в десятичной системе</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Автоматический счёт вниз</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Считать вниз раз в секунду; ещё раз, чтобы остановить (клавиша v или Page Down)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Наведите на цифру</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>8-/16-ичную: видны 2-ичные</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Десятичное значение</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>Значение в десятичной системе: Enter или # принимает его, Escape оставляет прежнее</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Счёт вверх</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Счёт вниз</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Восьмеричная</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Шестнадцатеричная</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>%1 цифра %2, двоичные %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Двоичное</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Восьмеричное</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Десятичное</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Шестнадцатеричное</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Двоичное</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Восьм.</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Шестн.</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Без знака</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Со знаком</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Таблица значений</translation>
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
        <translation>Форматы чисел</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Веб-страница Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Открыть веб-страницу Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Счётчик</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Выбор страницы (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation>1 байт</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2 байта</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4 байта</translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation>Значения одного байта: от 0 до 255 или от -128 до 127 (Вниз или Вправо — 2 байта)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Значения двух байтов: от 0 до 65535 или от -32768 до 32767 (Вверх или Влево — 1 байт)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Перейти к значению</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Введите значение и нажмите Enter, чтобы показать его строку</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>разряд %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>разряды %1 и %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; перенос в %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; заём: %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 минус %2: второе число больше, поэтому %2 минус %1 равно %3, и результат отрицательный: минус %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 плюс %2 равно %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 минус %2 равно %3</translation>
    </message>
</context>
</TS>
