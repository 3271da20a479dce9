<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, denary and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Denary #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Denary numbers</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Start a problem in denary (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Denary entry</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Type the value in denary; again to take it (key #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Denary:</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Click or press Enter to type the value in denary</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Denary value</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>The value in denary: Return or # takes it, Escape leaves it</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Denary</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Char</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tfbases</name>
    <message>
        <source>Numeric Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
