<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Disegno SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare l’immagine come «%1»: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>non è stato possibile generarne il contenuto</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>&amp;Salva come…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Equazione di secondo grado non valida</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>È stata inserita un’equazione di secondo grado non valida oppure è stata impostata una precisione troppo elevata.</translation>
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
        <translation>Equazione: %1, con %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>Non è un’equazione di secondo grado, perché %1: il grafico è una retta.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Discriminante: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Soluzioni: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Soluzioni: %1 o %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Soluzione doppia: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Due soluzioni complesse coniugate: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>Arrotondando: %1 o %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>Arrotondando: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Vertice: minimo in %1; asse di simmetria %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Vertice: massimo in %1; asse di simmetria %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Interseca l’asse delle ordinate in %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Forma del vertice: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Forma fattorizzata: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Soluzione: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Nessuna soluzione: la retta non interseca mai l’asse delle ascisse.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Ogni x è una soluzione: la retta è l’asse delle ascisse.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>La parte immaginaria non è 0, ma con questa precisione viene arrotondata a 0: le soluzioni non sono reali.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>«Calcola» interpreta questo testo come %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>«Calcola» interpreta questo testo come %1; per l’equazione risolta qui, inserisci %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>«Calcola» non può leggere né questo testo né altri per questa equazione: un coefficiente è fuori dal suo intervallo.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>Le forme esatte sono omesse: i coefficienti sono troppo lunghi per un calcolo esatto.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Vertice: minimo approssimativamente in %1; asse di simmetria %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Vertice: massimo approssimativamente in %1; asse di simmetria %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Interseca l’asse delle ordinate approssimativamente in %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>un membro vuoto dell’equazione</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>un segno non seguito da un termine</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>due termini senza segno tra loro</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>un numero subito dopo x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>una potenza di x con esponente maggiore di 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>una potenza di x con esponente negativo</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>un esponente che non è un numero intero</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>un «*» che non si trova tra un numero e x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>un secondo «=»</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>una lettera diversa da x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>una parentesi</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>un carattere che non può stare in un’equazione</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>un esponente maggiore di 1000000000 in valore assoluto</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>Il procedimento non può leggere questo testo: %1, al carattere %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>Il procedimento non può sommare questi termini: uno di essi è troppo lungo per un calcolo esatto.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>Il procedimento non può essere mostrato: non è stato possibile caricare la parte del programma che lo genera (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Equazione data: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 si legge %1: ciò che segue la frazione la moltiplica.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Legge di annullamento del prodotto: %1 o %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Radice quadrata di entrambi i membri: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Entrambi i membri moltiplicati per %1: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Eliminate le parentesi: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Tutti i termini in un solo membro: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>I suoi zeri sono le soluzioni di %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>una parentesi mai chiusa</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>una parentesi vuota</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>una parentesi elevata a un esponente diverso da 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>un prodotto che, sviluppato, ha grado maggiore di 2</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x in un denominatore</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>un denominatore che non è un numero</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>una divisione per 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>parentesi annidate troppo in profondità</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Per usare «Calcola», «Traccia» e «Trova un valore di Y», inserisci %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Compilare con %1, con queste righe prima di \begin{document}:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Compilare con %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Entrambi i membri divisi per %1: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>Il termine noto portato al secondo membro: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>Il quadrato della metà del coefficiente di x, %1, sommato a entrambi i membri: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>Il primo membro scritto come quadrato: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Vertice, letto dal completamento del quadrato: minimo in %1; asse di simmetria %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Vertice, letto dal completamento del quadrato: massimo in %1; asse di simmetria %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Un quadrato di binomio: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x raccolta a fattor comune: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Una differenza di quadrati: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Due numeri con prodotto ac = %1 e somma b = %2: %3 e %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>Il termine di primo grado scomposto in due: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>Raccoglimento parziale in ogni coppia: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>Scomposto in fattori: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>Formula pq, con %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Formula ridotta: %1 e %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Verifica con le relazioni tra soluzioni e coefficienti: somma delle soluzioni %1; prodotto delle soluzioni %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Questa equazione non si scompone in fattori con numeri razionali: le sue soluzioni non sono razionali. Con la formula risolutiva:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>La formula ridotta richiede un b pari, ma qui %1. Con la formula risolutiva:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>Le soluzioni si leggono subito solo se l’equazione è data come prodotto uguale a 0 o come quadrato uguale a un numero. Con la formula risolutiva:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>Il metodo scelto richiede i valori esatti dei coefficienti, qui troppo lunghi. Con la formula risolutiva:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>Discriminante: %1 e %2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>Soluzioni: %1, quindi %2 e %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Soluzioni: %1 e %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: nessuna soluzione reale; la parabola non interseca l’asse delle ascisse.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Per completezza, nell’insieme dei numeri complessi:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Insieme delle soluzioni: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Risposta: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Risposta: nessuna soluzione reale.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Scheda di esercizi</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Risolvi ogni equazione e disegna il grafico.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>Impossibile leggere la scheda di esercizi %1: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il documento PDF %1: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working legge una sola equazione dallo standard input, su una riga; per più equazioni, una per riga, usare --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Precisione</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Arrotonda a</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>cifre decimali</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>cifre decimali.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>È stato inserito un valore non valido per la precisione</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>È stata inserita un’equazione di secondo grado non valida, è stato indicato un valore di x non valido o troppo grande, oppure è stata impostata una precisione troppo elevata.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Trova un valore</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>valore di y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Curve tracciate, in ordine: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix di Ostrell, e-mail: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Per assistenza consulta %1 o scrivici a %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Inserisci un’equazione nella forma ax^2+ bx + c, ad&#xa0;es. 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Equazione</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Traccia</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Trova un valore di Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Imposta precisione</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Nessun browser web è riuscito ad aprire il manuale. Apri questo file in un browser: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>Formula risolutiva</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Completamento del quadrato</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Scomposizione in fattori</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>Formula pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Formula ridotta</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Soluzioni lette subito</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metodo:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>Come si insegna a scuola</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Scuola</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>&amp;Scuola:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Germania, Austria, Svizzera</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>Spagna e America Latina</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Brasile e Portogallo</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Cina</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Giappone</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Scuole arabe (Mashreq)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Scuole arabe (Maghreb)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Regno Unito</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stati Uniti</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>minimo in %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>massimo in %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>soluzioni %1 e %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>soluzione %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>soluzione doppia %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>nessuna soluzione reale</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>asse delle ascisse molto al di sotto della curva, non in scala</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>asse delle ascisse molto al di sopra della curva, non in scala</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>ogni x è una soluzione</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>nessuna soluzione</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Retta</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>interseca l’asse delle ordinate in %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Schizzo della curva</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copia immagine</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Salva immagine…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Per Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>Non esiste alcun valore di x per cui y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>primo valore di x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>secondo valore di x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>Mostra il &amp;procedimento</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Copia come &amp;LaTeX</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>Punti senza etichetta nello schizzo: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Salva come &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Impossibile stampare il procedimento.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Impossibile salvare il procedimento come «%1»: %2.</translation>
    </message>
</context>
</TS>
