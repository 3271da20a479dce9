<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Program do nauki, który pokazuje liczby całkowite w systemie dwójkowym, ósemkowym, dziesiętnym i szesnastkowym.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Twórcy programu Quorvel&lt;/p&gt;&lt;p&gt;Quorvel jest wolnym oprogramowaniem: możesz go rozpowszechniać i zmieniać na warunkach licencji &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt; w wersji 3 lub późniejszej. Program nie jest objęty żadną gwarancją.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>O programie Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licencja</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>&amp;Strona WWW</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Wybierz system liczbowy</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Wpisz pierwszą liczbę</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Wpisz drugą liczbę</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Kliknij + lub -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Naciśnij + lub -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Pierwsza liczba</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Druga liczba</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, kolumna %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Oznaczenie nad kolumną %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Znak pożyczki w kolumnie %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Skreślenie w kolumnie %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Wynik ujemny</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Ósemk. #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Liczby ósemkowe</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Nowe zadanie w systemie ósemkowym (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Dziesięt. #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Liczby dziesiętne</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Nowe zadanie w systemie dziesiętnym (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Szesn. #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Liczby szesnastkowe</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Nowe zadanie w systemie szesnastkowym (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Oblicz różnicę</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Odejmij drugą liczbę od pierwszej (klawisz -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Oblicz sumę</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Dodaj obie liczby (klawisz +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Pierwsza liczba: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Druga liczba: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>puste</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Pomoc programu Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;O programie Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Korzystanie z programu Quorvel</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Krok w górę</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Jeden krok w górę (klawisz + lub strzałka w górę)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Krok w dół</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Jeden krok w dół (klawisz - lub strzałka w dół)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Licz w górę samodzielnie</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Licz w górę co sekundę; ponownie, aby zatrzymać (klawisz ^ lub Page Up)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Wpisywanie dziesiętne</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Wpisz wartość dziesiętnie; ponownie, aby ją przyjąć (klawisz #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Dwójk.:</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>Okt.:</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Dzies.:</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>Szesnastk.:</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Kroki: + i -, liczenie: ^ i v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Wskaż cyfrę albo użyj strzałek w lewo i w prawo, aby podświetlić jej cyfry dwójkowe</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Kliknij lub naciśnij Enter, aby wpisać wartość dziesiętnie</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Licz w dół samodzielnie</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Licz w dół co sekundę; ponownie, aby zatrzymać (klawisz v lub Page Down)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Kursor nad cyfrą ósemk.</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>lub szesn. pokaże jej bity</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Wartość dziesiętna</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>Wartość dziesiętnie: Enter lub # ją przyjmuje, Esc zostawia wszystko bez zmian</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Liczenie w górę</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Liczenie w dół</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>ósemkowa</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>szesnastkowa</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>Cyfra %1 %2, dwójkowo %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Dwójkowy</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Ósemkowy</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dziesiętny</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Szesnastkowy</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Dwójkowo</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Ósemkowo</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Szesn.</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Bez znaku</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Ze znakiem</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Tabela wartości</translation>
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
        <translation>Systemy liczbowe</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Strona WWW programu Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Otwórz stronę WWW programu Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Licznik</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Działania</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Wybierz stronę (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation>1 bajt</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2 bajty</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4 bajty</translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation>Wartości jednego bajtu: od 0 do 255 lub od -128 do 127 (strzałka w dół lub w prawo wybiera 2 bajty)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Wartości dwóch bajtów: od 0 do 65535 lub od -32768 do 32767 (strzałka w górę lub w lewo wybiera 1 bajt)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Skocz do wartości</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Wpisz wartość i naciśnij Enter, aby pokazać jej wiersz</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>kolumny %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>kolumn %1 i %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; przeniesienie do %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; pożyczka z %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 minus %2: druga liczba jest większa, więc %2 minus %1 równa się %3, a wynik jest ujemny: minus %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 plus %2 równa się %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 minus %2 równa się %3</translation>
    </message>
</context>
</TS>
