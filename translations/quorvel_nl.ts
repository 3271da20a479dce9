<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Een leerprogramma dat gehele getallen binair, octaal, decimaal en hexadecimaal laat zien.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 De ontwikkelaars van Quorvel&lt;/p&gt;&lt;p&gt;Quorvel is vrije software: je mag het delen en aanpassen onder de voorwaarden van de &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, versie 3 of later. Er wordt absoluut geen garantie op gegeven.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Over Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licentie</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>&amp;Webpagina</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Kies het talstelsel</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Voer het eerste getal in</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Voer het tweede getal in</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Klik op + of -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Druk op + of -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Eerste getal</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Tweede getal</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, kolom %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Markering boven kolom %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Leenteken in kolom %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Doorhaling in kolom %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Bewerking</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Negatieve uitkomst</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Octaal #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Octale getallen</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Begin een som in het octale talstelsel (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Decimaal #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Decimale getallen</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Begin een som in het decimale talstelsel (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Hex #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Hexadecimale getallen</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Begin een som in het hexadecimale talstelsel (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Bereken het verschil</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Trek het tweede getal af van het eerste (toets -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Bereken de som</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Tel de twee getallen op (toets +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Eerste getal: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Tweede getal: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>leeg</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Hulp bij Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>&amp;Over Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Quorvel gebruiken</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Stap omhoog</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Eén stap omhoog (toets + of Pijl omhoog)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Stap omlaag</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Eén stap omlaag (toets - of Pijl omlaag)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Vanzelf omhoog tellen</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Elke seconde één omhoog tellen; nog eens om te stoppen (toets ^ of Page Up)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Decimaal invoeren</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Typ de waarde decimaal; nog eens om haar over te nemen (toets #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Binair:</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>Oct.:</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Decim.:</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>Hexadec.:</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Stapt met + en -, telt met ^ en v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Wijs een cijfer aan, of gebruik Pijl links en Pijl rechts, om de binaire cijfers ervan op te laten lichten</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Klik of druk op Enter om de waarde decimaal te typen</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Vanzelf omlaag tellen</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Elke seconde één omlaag tellen; nog eens om te stoppen (toets v of Page Down)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Muis op een octaal- of</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>hexcijfer toont binaire cijfers</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Decimale waarde</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>De waarde decimaal: Enter of # neemt haar over, Esc laat alles zoals het was</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Telt omhoog</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Telt omlaag</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octaal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimaal</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>%1 cijfer %2, binair %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Binair</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octaal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimaal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadecimaal</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Binair</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octaal</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation>Tekenloos</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Met teken</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Karakter</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Waardetabel</translation>
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
        <translation>Talstelsels</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Webpagina van Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Open de webpagina van Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Teller</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Rekenen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabel</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Kies een pagina (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</translation>
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
        <translation>Waarden van één byte: 0 tot en met 255, of -128 tot en met 127 (Pijl omlaag of Pijl rechts kiest 2 bytes)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Waarden van twee bytes: 0 tot en met 65535, of -32768 tot en met 32767 (Pijl omhoog of Pijl links kiest 1 byte)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Spring naar waarde</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Typ een waarde en druk op Enter om de rij ervan te tonen</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>kolommen %1 en %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>; overdracht naar %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>; geleend van %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 min %2: het tweede getal is groter, dus %2 min %1 is %3, en de uitkomst is negatief: min %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 plus %2 is %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 min %2 is %3</translation>
    </message>
</context>
</TS>
