<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Ein Lernprogramm, das ganze Zahlen im Dual-, Oktal-, Dezimal- und Hexadezimalsystem zeigt.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Die Quorvel-Entwickler&lt;/p&gt;&lt;p&gt;Quorvel ist freie Software: Es darf unter den Bedingungen der &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, Version 3 oder später, weitergegeben und verändert werden. Es wird ohne jede Gewährleistung geliefert.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Über Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Lizenz</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>&amp;Webseite</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Zahlensystem wählen</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Erste Zahl eingeben</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Zweite Zahl eingeben</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>+ oder - klicken</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>+ oder - drücken</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, Spalte %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Zeichen über Spalte %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Borgezeichen in Spalte %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Durchstreichung in Spalte %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Negatives Ergebnis</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Oktal #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Oktalzahlen</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Neue Aufgabe im Oktalsystem (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Dezimal #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Dezimalzahlen</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Neue Aufgabe im Dezimalsystem (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Hex #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Hexadezimalzahlen</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Neue Aufgabe im Hexadezimalsystem (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Differenz berechnen</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Die zweite Zahl von der ersten abziehen (Taste -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Summe berechnen</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Die beiden Zahlen addieren (Taste +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Erste Zahl: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Zweite Zahl: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Quorvel-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>Ü&amp;ber Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Quorvel benutzen</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Schritt aufwärts</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Einen Schritt aufwärts (Taste + oder Pfeil hoch)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Schritt abwärts</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Einen Schritt abwärts (Taste - oder Pfeil runter)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Automatisch aufwärts zählen</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Jede Sekunde eins aufwärts zählen; nochmals zum Anhalten (Taste ^ oder Bild auf)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Dezimale Eingabe</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Den Wert dezimal eintippen; nochmals zum Übernehmen (Taste #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Binär:</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>Oktal:</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Dezimal:</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>Hexadezimal:</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Schritte mit + und -, Zählen mit ^ und v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Auf eine Ziffer zeigen oder Pfeil links und rechts drücken, um ihre Dualziffern hervorzuheben</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Klicken oder die Eingabetaste drücken, um den Wert dezimal einzutippen</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Automatisch abwärts zählen</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Jede Sekunde eins abwärts zählen; nochmals zum Anhalten (Taste v oder Bild ab)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Zeiger über Oktal- oder</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>Hexziffern zeigt Dualziffern</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Dezimalwert</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>Der Wert dezimal: Eingabetaste oder # übernimmt ihn, Esc lässt ihn, wie er war</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Zählt aufwärts</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Zählt abwärts</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Oktale</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimale</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>%1 Ziffer %2, binär %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Oktal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadezimal</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Oktal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Ohne Vorz.</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Mit Vorz.</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Wertetabelle</translation>
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
        <translation>Zahlenformate</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Quorvel-Webseite</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Die Quorvel-Webseite öffnen</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Seite wählen (Strg+Tab, Strg+Bild ab, Strg+Bild auf)</translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2 Byte</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4 Byte</translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation>Werte eines Bytes: 0 bis 255 oder -128 bis 127 (Pfeil runter oder rechts wählt 2 Byte)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Werte zweier Bytes: 0 bis 65535 oder -32768 bis 32767 (Pfeil hoch oder links wählt 1 Byte)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Zum Wert springen</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Einen Wert eintippen und die Eingabetaste drücken, um seine Zeile zu zeigen</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>Spalten %1 und %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; Übertrag in %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; geborgt aus %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 minus %2: Die zweite Zahl ist größer, also ist %2 minus %1 gleich %3, und das Ergebnis ist negativ: minus %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 plus %2 gleich %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 minus %2 gleich %3</translation>
    </message>
</context>
</TS>
