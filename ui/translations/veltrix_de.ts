<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>Sein Inhalt konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Ungültige quadratische Gleichung</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>Sie haben entweder eine ungültige quadratische Gleichung eingegeben oder eine zu hohe Genauigkeit festgelegt.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Equation: %1, where %2</source>
        <translation>Gleichung: %1 mit %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>Keine quadratische Gleichung, da %1 ist: Der Graph ist eine Gerade.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Diskriminante: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Nullstellen: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Nullstellen: %1 oder %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Doppelte Nullstelle: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Zwei komplexe Nullstellen: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>Gerundet: %1 oder %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>Gerundet: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Scheitelpunkt: Tiefpunkt bei %1; Symmetrieachse %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Scheitelpunkt: Hochpunkt bei %1; Symmetrieachse %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Schnittpunkt mit der y-Achse: %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Scheitelpunktform: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Linearfaktorform: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Nullstelle: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Keine Nullstelle: Die Gerade schneidet die x-Achse nie.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Jedes x ist eine Nullstelle: Die Gerade ist die x-Achse.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>Der Imaginärteil ist nicht 0, wird bei dieser Genauigkeit aber auf 0 gerundet: Die Nullstellen sind nicht reell.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>„Berechnen“ liest diesen Text als %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>„Berechnen“ liest diesen Text als %1; für die hier berechnete Gleichung geben Sie %2 ein</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>„Berechnen“ kann weder diesen Text noch einen anderen für diese Gleichung lesen: Ein Koeffizient liegt außerhalb seines Wertebereichs.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>Die exakten Formen entfallen: Die Koeffizienten sind zu lang, um exakt mit ihnen zu rechnen.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Scheitelpunkt: Tiefpunkt bei etwa %1; Symmetrieachse %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Scheitelpunkt: Hochpunkt bei etwa %1; Symmetrieachse %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Schnittpunkt mit der y-Achse: etwa %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>eine leere Seite der Gleichung</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>ein Rechenzeichen ohne folgenden Term</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>zwei Terme ohne Rechenzeichen dazwischen</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>eine Zahl direkt nach x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>eine Potenz von x mit einem Exponenten über 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>eine Potenz von x mit negativem Exponenten</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>ein Exponent, der keine ganze Zahl ist</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>ein „*“, das nicht zwischen einer Zahl und x steht</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>ein zweites „=“</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>ein anderer Buchstabe als x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>eine Klammer</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>ein Zeichen, das in keine Gleichung gehört</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>ein Exponent, dessen Betrag 1000000000 übersteigt</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>Der Rechenweg kann diesen Text nicht lesen: %1, bei Zeichen %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>Der Rechenweg kann diese Terme nicht addieren: Einer von ihnen ist zu lang, um exakt mit ihm zu rechnen.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>Der Rechenweg kann nicht angezeigt werden: Der zuständige Programmteil konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Gegebene Gleichung: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 wird als %1 gelesen: Was auf den Bruch folgt, wird mit ihm multipliziert.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Ein Produkt ist 0, wenn ein Faktor 0 ist: %1 oder %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Auf beiden Seiten die Wurzel gezogen: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Beide Seiten mit %1 multipliziert: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Klammern ausmultipliziert: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Alle Terme auf eine Seite gebracht: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>Ihre Nullstellen sind die Lösungen von %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>eine Klammer, die nie geschlossen wird</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>eine leere Klammer</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>eine Klammer mit einem anderen Exponenten als 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>ein Produkt, das ausmultipliziert eine Potenz von x mit einem Exponenten über 2 ergibt</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x in einem Nenner</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>ein Nenner, der keine Zahl ist</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>eine Division durch 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>zu tief verschachtelte Klammern</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Um „Berechnen“, „Zeichnen“ und „Wert von Y ermitteln“ zu verwenden, geben Sie %1 ein</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Mit %1 kompilieren, mit diesen Zeilen vor \begin{document}:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Mit %1 kompilieren.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Beide Seiten durch %1 dividiert: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>Das absolute Glied auf die rechte Seite gebracht: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>Die quadratische Ergänzung %1 auf beiden Seiten addiert: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>Die linke Seite als Quadrat geschrieben: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Scheitelpunkt, aus der quadratischen Ergänzung abgelesen: Tiefpunkt bei %1; Symmetrieachse %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Scheitelpunkt, aus der quadratischen Ergänzung abgelesen: Hochpunkt bei %1; Symmetrieachse %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Ein vollständiges Quadrat (binomische Formel): %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x ausgeklammert: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Eine Differenz zweier Quadrate (3. binomische Formel): %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Zwei Zahlen mit dem Produkt ac = %1 und der Summe b = %2: %3 und %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>Das lineare Glied in zwei Summanden zerlegt: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>In jedem Paar den gemeinsamen Faktor ausgeklammert: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>In Faktoren zerlegt: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>pq-Formel mit %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Formel mit halbem b: %1 und %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Probe mit dem Satz von Vieta: Summe der Nullstellen %1; Produkt der Nullstellen %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Die Gleichung lässt sich nicht mit rationalen Zahlen in Faktoren zerlegen: ihre Nullstellen sind nicht rational. Mit der Lösungsformel:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>Die Formel mit halbem b verlangt ein gerades b, hier ist %1. Mit der Lösungsformel:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>Die Nullstellen lassen sich nur dann direkt ablesen, wenn die Gleichung als Produkt gleich 0 oder als Quadrat gleich einer Zahl gegeben ist. Mit der Lösungsformel:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>Das gewählte Verfahren braucht die exakten Werte der Koeffizienten, die hier zu lang sind. Mit der Lösungsformel:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>Diskriminante: %1 und %2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>Nullstellen: %1, also %2 und %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Nullstellen: %1 und %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: keine reelle Lösung; die Parabel schneidet die x-Achse nicht.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Nur am Rande, in den komplexen Zahlen:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Lösungsmenge: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Antwort: keine reellen Nullstellen.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Löse jede Gleichung und skizziere den Graphen.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>Das Arbeitsblatt %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>Das PDF-Dokument %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working liest eine einzige Gleichung aus der Standardeingabe, in einer Zeile; für mehrere, eine je Zeile, verwenden Sie --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Runden auf</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>Dezimalstellen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>Sie haben einen ungültigen Wert für die Genauigkeit eingegeben</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>Sie haben entweder eine ungültige quadratische Gleichung eingegeben, einen ungültigen oder zu großen Wert für x angegeben oder eine zu hohe Genauigkeit festgelegt.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Wert ermitteln</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>Wert von y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Gezeichnete Kurven, der Reihe nach: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix von Ostrell, E-Mail: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Hilfe finden Sie unter %1, oder schreiben Sie uns eine E-Mail an %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Geben Sie eine Gleichung der Form ax^2+ bx + c ein, z.&#xa0;B. 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Gleichung</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Wert von Y ermitteln</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Genauigkeit festlegen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Veltrix</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Kein Webbrowser konnte das Handbuch öffnen. Öffnen Sie diese Datei in einem Browser: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>Lösungsformel (Mitternachtsformel)</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Quadratische Ergänzung</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Faktorisieren</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>pq-Formel</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Formel mit halbem b</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Nullstellen direkt ablesen</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Verfahren:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>Wie an der Schule üblich</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>&amp;Schule:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Deutschland, Österreich, Schweiz</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>Spanien und Lateinamerika</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Brasilien und Portugal</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Arabische Schulen (Maschrek)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Arabische Schulen (Maghreb)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>USA</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>Tiefpunkt bei %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>Hochpunkt bei %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>Nullstellen bei %1 und %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>Nullstelle bei %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>doppelte Nullstelle bei %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>keine reellen Nullstellen</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>x-Achse weit unterhalb des Graphen, nicht maßstabsgetreu</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>x-Achse weit oberhalb des Graphen, nicht maßstabsgetreu</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>jedes x ist eine Nullstelle</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>keine Nullstelle</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parabel</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>schneidet die y-Achse bei %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Skizze des Graphen</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>Bild &amp;speichern…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Für Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>Es gibt keinen Wert von x, für den y = 0 ist</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>erster Wert von x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>zweiter Wert von x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>Rechen&amp;weg anzeigen</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Als &amp;LaTeX kopieren</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>In der Skizze nicht beschriftet: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Der Rechenweg konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Der Rechenweg konnte nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
</TS>
