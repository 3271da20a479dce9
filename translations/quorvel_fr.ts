<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;A teaching program that shows whole numbers in binary, octal, decimal and hexadecimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 The Quorvel developers&lt;/p&gt;&lt;p&gt;Quorvel is free software: you may share and change it under the terms of the &lt;a href=&quot;%2&quot;&gt;GNU General Public License&lt;/a&gt;, version 3 or later. It comes with absolutely no warranty.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Quorvel %1&lt;/h3&gt;&lt;p&gt;Un programme d’enseignement qui montre les nombres entiers en binaire, en octal, en décimal et en hexadécimal.&lt;/p&gt;&lt;p&gt;Copyright &amp;copy; 2026 Les développeurs de Quorvel&lt;/p&gt;&lt;p&gt;Quorvel est un logiciel libre&#xa0;: vous pouvez le partager et le modifier selon les termes de la &lt;a href=&quot;%2&quot;&gt;licence publique générale GNU&lt;/a&gt; (GNU General Public License), version 3 ou ultérieure. Il est fourni sans aucune garantie.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%3&quot;&gt;%3&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>À propos de Quorvel</translation>
    </message>
    <message>
        <source>&amp;Licence</source>
        <translation>&amp;Licence</translation>
    </message>
    <message>
        <source>&amp;Web Page</source>
        <translation>Page &amp;web</translation>
    </message>
</context>
<context>
    <name>CalculatePage</name>
    <message>
        <source>Select Radix</source>
        <translation>Choisissez la base</translation>
    </message>
    <message>
        <source>Enter first number</source>
        <translation>Saisissez le premier nombre</translation>
    </message>
    <message>
        <source>Enter second number</source>
        <translation>Saisissez le deuxième nombre</translation>
    </message>
    <message>
        <source>Click + or -</source>
        <translation>Cliquez sur + ou -</translation>
    </message>
    <message>
        <source>Press + or -</source>
        <translation>Appuyez sur + ou -</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Deuxième nombre</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>%1, column %2</source>
        <translation>%1, colonne %2</translation>
    </message>
    <message>
        <source>Mark above column %1</source>
        <translation>Marque au-dessus de la colonne %1</translation>
    </message>
    <message>
        <source>Borrow mark of column %1</source>
        <translation>Marque d’emprunt de la colonne %1</translation>
    </message>
    <message>
        <source>Strike-through of column %1</source>
        <translation>Chiffre barré de la colonne %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Negative result</source>
        <translation>Résultat négatif</translation>
    </message>
    <message>
        <source>Octal #</source>
        <translation>Octal #</translation>
    </message>
    <message>
        <source>Octal numbers</source>
        <translation>Nombres octaux</translation>
    </message>
    <message>
        <source>Start a problem in octal (Alt+O)</source>
        <translation>Commencer un calcul en octal (Alt+O)</translation>
    </message>
    <message>
        <source>Decimal #</source>
        <translation>Décimal #</translation>
    </message>
    <message>
        <source>Decimal numbers</source>
        <translation>Nombres décimaux</translation>
    </message>
    <message>
        <source>Start a problem in decimal (Alt+D)</source>
        <translation>Commencer un calcul en décimal (Alt+D)</translation>
    </message>
    <message>
        <source>Hex #</source>
        <translation>Hexa #</translation>
    </message>
    <message>
        <source>Hexadecimal numbers</source>
        <translation>Nombres hexadécimaux</translation>
    </message>
    <message>
        <source>Start a problem in hexadecimal (Alt+H)</source>
        <translation>Commencer un calcul en hexadécimal (Alt+H)</translation>
    </message>
    <message>
        <source>Work the difference</source>
        <translation>Calculer la différence</translation>
    </message>
    <message>
        <source>Subtract the second number from the first (key -)</source>
        <translation>Soustraire le deuxième nombre du premier (touche -)</translation>
    </message>
    <message>
        <source>Work the sum</source>
        <translation>Calculer la somme</translation>
    </message>
    <message>
        <source>Add the two numbers (key +)</source>
        <translation>Additionner les deux nombres (touche +)</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Premier nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Deuxième nombre&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FittingLabel</name>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quorvel Help</source>
        <translation>Aide de Quorvel</translation>
    </message>
    <message>
        <source>&amp;About Quorvel</source>
        <translation>À &amp;propos de Quorvel</translation>
    </message>
    <message>
        <source>Using Quorvel</source>
        <translation>Utiliser Quorvel</translation>
    </message>
</context>
<context>
    <name>OdometerPage</name>
    <message>
        <source>Step up</source>
        <translation>Compter un de plus</translation>
    </message>
    <message>
        <source>One step up (key + or Up)</source>
        <translation>Un de plus (touche + ou flèche Haut)</translation>
    </message>
    <message>
        <source>Step down</source>
        <translation>Compter un de moins</translation>
    </message>
    <message>
        <source>One step down (key - or Down)</source>
        <translation>Un de moins (touche - ou flèche Bas)</translation>
    </message>
    <message>
        <source>Count up automatically</source>
        <translation>Compter automatiquement en montant</translation>
    </message>
    <message>
        <source>Count up once a second; again to stop (key ^ or Page Up)</source>
        <translation>Compter en montant, un pas par seconde&#xa0;; encore une fois pour arrêter (touche ^ ou Page préc.)</translation>
    </message>
    <message>
        <source>Decimal entry</source>
        <translation>Saisie en décimal</translation>
    </message>
    <message>
        <source>Type the value in decimal; again to take it (key #)</source>
        <translation>Taper la valeur en décimal&#xa0;; encore une fois pour la valider (touche #)</translation>
    </message>
    <message>
        <source>Binary:</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Octal:</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Decimal:</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Hexadecimal:</source>
        <translation>Hexadécimal</translation>
    </message>
    <message>
        <source>Steps with + and -, counts with ^ and v</source>
        <translation>Un pas avec + et -, compte tout seul avec ^ et v</translation>
    </message>
    <message>
        <source>Point at a digit, or Left and Right, to light its binary digits</source>
        <translation>Pointez un chiffre, ou utilisez Gauche et Droite, pour allumer ses chiffres binaires</translation>
    </message>
    <message>
        <source>Click or press Enter to type the value in decimal</source>
        <translation>Cliquez ou appuyez sur Entrée pour taper la valeur en décimal</translation>
    </message>
    <message>
        <source>Count down automatically</source>
        <translation>Compter automatiquement en descendant</translation>
    </message>
    <message>
        <source>Count down once a second; again to stop (key v or Page Down)</source>
        <translation>Compter en descendant, un pas par seconde&#xa0;; encore une fois pour arrêter (touche v ou Page suiv.)</translation>
    </message>
    <message>
        <source>Hold cursor over Octal or</source>
        <translation>Survolez un chiffre octal</translation>
    </message>
    <message>
        <source>Hex digits to see binary digits</source>
        <translation>ou hexa pour voir ses bits</translation>
    </message>
    <message>
        <source>Decimal value</source>
        <translation>Valeur décimale</translation>
    </message>
    <message>
        <source>The value in decimal: Return or # takes it, Escape leaves it</source>
        <translation>La valeur en décimal&#xa0;: Entrée ou # la valide, Échap la laisse comme avant</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Counting up</source>
        <translation>Compte en montant</translation>
    </message>
    <message>
        <source>Counting down</source>
        <translation>Compte en descendant</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>octal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>hexadécimal</translation>
    </message>
    <message>
        <source>%1 digit %2, binary %3</source>
        <translation>Chiffre %1 %2, binaire %3</translation>
    </message>
</context>
<context>
    <name>TOdometer</name>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Octal</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Hexadecimal</source>
        <translation>Hexadécimal</translation>
    </message>
</context>
<context>
    <name>TablePage</name>
    <message>
        <source>Binary</source>
        <translation>Binaire</translation>
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
        <translation>Non signé</translation>
    </message>
    <message>
        <source>Signed</source>
        <translation>Signé</translation>
    </message>
    <message>
        <source>Char</source>
        <translation>Caractère</translation>
    </message>
    <message>
        <source>Value table</source>
        <translation>Table des valeurs</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Tfbases</name>
    <message>
        <source>Numeric Formats</source>
        <translation>Formats numériques</translation>
    </message>
    <message>
        <source>Quorvel web page</source>
        <translation>Page web de Quorvel</translation>
    </message>
    <message>
        <source>Open the Quorvel web page</source>
        <translation>Ouvrir la page web de Quorvel</translation>
    </message>
    <message>
        <source>Odometer</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Choose a page (Ctrl+Tab, Ctrl+Page Down, Ctrl+Page Up)</source>
        <translation>Choisir une page (Ctrl+Tab, Ctrl+Page suiv., Ctrl+Page préc.)</translation>
    </message>
    <message>
        <source>1 Byte</source>
        <translation>1&#x202f;octet</translation>
    </message>
    <message>
        <source>2 bytes</source>
        <translation>2&#x202f;octets</translation>
    </message>
    <message>
        <source>4 bytes</source>
        <translation>4&#x202f;octets</translation>
    </message>
    <message>
        <source>Values of one byte: 0 to 255, or -128 to 127 (Down or Right chooses 2 bytes)</source>
        <translation>Valeurs d’un octet&#xa0;: de 0 à 255, ou de -128 à 127 (Bas ou Droite choisit 2&#xa0;octets)</translation>
    </message>
    <message>
        <source>Values of two bytes: 0 to 65535, or -32768 to 32767 (Up or Left chooses 1 Byte)</source>
        <translation>Valeurs de deux octets&#xa0;: de 0 à 65535, ou de -32768 à 32767 (Haut ou Gauche choisit 1&#xa0;octet)</translation>
    </message>
    <message>
        <source>Jump to value</source>
        <translation>Aller à la valeur</translation>
    </message>
    <message>
        <source>Type a value and press Return to show its row</source>
        <translation>Tapez une valeur et appuyez sur Entrée pour afficher sa ligne</translation>
    </message>
</context>
<context>
    <name>WorkingDescription</name>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>columns %1 and %2</source>
        <translation>colonnes %1 et %2</translation>
    </message>
    <message>
        <source>; carried into %1</source>
        <translation>&#xa0;; retenue en %1</translation>
    </message>
    <message>
        <source>; borrowed from %1</source>
        <translation>&#xa0;; emprunt en %1</translation>
    </message>
    <message>
        <source>%1 minus %2: the second number is larger, so %2 minus %1 equals %3, and the result is negative: minus %3</source>
        <translation>%1 moins %2&#xa0;: le deuxième nombre est plus grand, donc %2 moins %1 égale %3, et le résultat est négatif&#xa0;: moins %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 plus %2 égale %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 moins %2 égale %3</translation>
    </message>
</context>
</TS>
