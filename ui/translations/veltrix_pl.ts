<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Rysunek SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Nie udało się zapisać obrazu jako „%1”: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>nie udało się utworzyć jego zawartości</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Zapisz &amp;jako…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Nieprawidłowe równanie kwadratowe</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>Wprowadzono nieprawidłowe równanie kwadratowe lub ustawiono zbyt dużą dokładność.</translation>
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
        <translation>Równanie: %1, gdzie %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>To nie jest równanie kwadratowe, ponieważ %1: wykres jest prostą.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Wyróżnik: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Pierwiastki: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Pierwiastki: %1 lub %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Pierwiastek podwójny: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Dwa pierwiastki zespolone sprzężone: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>Po zaokrągleniu: %1 lub %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>Po zaokrągleniu: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Wierzchołek: minimum w punkcie %1; oś symetrii %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Wierzchołek: maksimum w punkcie %1; oś symetrii %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Przecina oś y w punkcie %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Postać kanoniczna: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Postać iloczynowa: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Pierwiastek: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Brak pierwiastków: prosta nigdy nie przecina osi x.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Każda liczba x jest pierwiastkiem: prosta pokrywa się z osią x.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>Część urojona nie jest równa 0, ale przy tej dokładności zaokrągla się do 0: pierwiastki nie są rzeczywiste.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>„Oblicz” odczytuje ten tekst jako %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>„Oblicz” odczytuje ten tekst jako %1; dla rozwiązywanego tutaj równania wpisz %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>„Oblicz” nie może odczytać ani tego tekstu, ani żadnego innego dla tego równania: współczynnik wykracza poza swój zakres.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>Pominięto postaci dokładne: współczynniki są zbyt długie, by wykonać na nich dokładne obliczenia.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Wierzchołek: minimum w przybliżeniu w punkcie %1; oś symetrii %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Wierzchołek: maksimum w przybliżeniu w punkcie %1; oś symetrii %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Przecina oś y w przybliżeniu w punkcie %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>pusta strona równania</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>znak, po którym nie ma wyrazu</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>dwa wyrazy bez znaku między nimi</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>liczba tuż po x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>potęga x o wykładniku większym niż 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>potęga x o wykładniku ujemnym</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>wykładnik, który nie jest liczbą całkowitą</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>znak „*”, który nie stoi między liczbą a x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>drugi znak „=”</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>litera inna niż x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>nawias</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>znak, który nie pasuje do równania</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>wykładnik o wartości bezwzględnej większej niż 1000000000</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>Obliczenia nie mogą odczytać tego tekstu: %1, przy znaku nr %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>Obliczenia nie mogą dodać tych wyrazów: jeden z nich jest zbyt długi, by wykonać na nim dokładne obliczenia.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>Nie można pokazać obliczeń: nie udało się wczytać odpowiadającej za nie części programu (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Równanie w podanej postaci: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 czyta się jako %1: to, co stoi po ułamku, mnoży ułamek.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Iloczyn jest równy 0, gdy jeden z czynników jest równy 0: %1 lub %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Obie strony spierwiastkowane: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Obie strony pomnożone przez %1: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Po opuszczeniu nawiasów: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Wszystkie wyrazy przeniesione na jedną stronę: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>Jej miejsca zerowe są rozwiązaniami równania %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>nawias, który nie jest zamknięty</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>pusty nawias</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>potęga nawiasu o wykładniku innym niż 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>iloczyn, który po wymnożeniu ma stopień większy niż 2</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x w mianowniku</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>mianownik, który nie jest liczbą</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>dzielenie przez 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>zbyt głęboko zagnieżdżone nawiasy</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Aby użyć przycisków „Oblicz”, „Narysuj wykres” i „Znajdź wartość Y”, wpisz %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Skompiluj za pomocą %1, dodając te wiersze przed \begin{document}:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Skompiluj za pomocą %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Obie strony podzielone przez %1: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>Wyraz wolny przeniesiony na prawą stronę: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>Kwadrat połowy współczynnika przy x, %1, dodany do obu stron: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>Lewa strona zapisana jako kwadrat: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Wierzchołek, odczytany z postaci kanonicznej: minimum w punkcie %1; oś symetrii %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Wierzchołek, odczytany z postaci kanonicznej: maksimum w punkcie %1; oś symetrii %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Kwadrat sumy lub różnicy: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x wyłączony przed nawias: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Różnica kwadratów: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Dwie liczby o iloczynie ac = %1 i sumie b = %2: %3 i %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>Wyraz z x rozbity na dwa: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>Wspólny czynnik wyłączony przed nawias w każdej parze: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>Rozłożone na czynniki: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>Wzór pq, z %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Wzór z połową b: %1 oraz %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Sprawdzenie wzorami Viète’a: suma pierwiastków %1; iloczyn pierwiastków %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Tego równania nie da się rozłożyć na czynniki o wymiernych współczynnikach: jego pierwiastki nie są wymierne. Ze wzoru:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>Wzór z połową b wymaga parzystego b, a tutaj %1. Ze wzoru:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>Pierwiastki odczytuje się od razu tylko wtedy, gdy równanie jest dane jako iloczyn równy 0 lub kwadrat równy liczbie. Ze wzoru:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>Wybrana metoda wymaga dokładnych wartości współczynników, które są tu za długie. Ze wzoru:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>Wyróżnik: %1 oraz %2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>Pierwiastki: %1, więc %2 i %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Pierwiastki: %1 i %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: równanie nie ma rozwiązań rzeczywistych; parabola nie przecina osi x.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Dla ciekawości, w zbiorze liczb zespolonych:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Zbiór rozwiązań: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Odpowiedź: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Odpowiedź: równanie nie ma pierwiastków rzeczywistych.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Karta pracy</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Rozwiąż każde równanie i naszkicuj wykres.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Odpowiedzi</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>Nie można odczytać karty pracy %1: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>Nie można zapisać dokumentu PDF %1: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working czyta ze standardowego wejścia jedno równanie w jednym wierszu; dla kilku, po jednym w wierszu, użyj --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Dokładność</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Zaokrąglij do</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>miejsca po przecinku</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>miejsc.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>Wprowadzono nieprawidłową wartość dokładności</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>Wprowadzono nieprawidłowe równanie kwadratowe, podano nieprawidłową lub zbyt dużą wartość x albo ustawiono zbyt dużą dokładność.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Znajdź wartość</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>wartość y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Narysowane krzywe, w kolejności: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix, autor: Ostrell. E-mail: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Pomoc znajdziesz w pliku %1 lub pisząc do nas na adres %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Wpisz równanie w postaci ax^2+ bx + c, np. 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Równanie</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Narysuj wykres</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Znajdź wartość Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Ustaw dokładność</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Żadna przeglądarka internetowa nie mogła otworzyć podręcznika. Otwórz ten plik w przeglądarce: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Podręcznik</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>Wzory na pierwiastki</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Uzupełnianie do kwadratu</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Rozkład na czynniki</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>Wzór pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Wzór z połową b</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Pierwiastki odczytane od razu</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metoda</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metoda:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>Jak uczą w szkole</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Szkoła</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>&amp;Szkoła:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólna</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Niemcy, Austria, Szwajcaria</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francja</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>Hiszpania i Ameryka Łacińska</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Włochy</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Brazylia i Portugalia</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rosja</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chiny</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japonia</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Szkoły arabskie (Maszrek)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Szkoły arabskie (Maghreb)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Wielka Brytania</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stany Zjednoczone</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>minimum w punkcie %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>maksimum w punkcie %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>pierwiastki %1 i %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>pierwiastek %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>pierwiastek podwójny %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>brak pierwiastków rzeczywistych</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>oś x daleko pod wykresem, nie w skali</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>oś x daleko nad wykresem, nie w skali</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>każda liczba x jest pierwiastkiem</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>brak pierwiastków</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Prosta</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>przecina oś y w punkcie %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Szkic wykresu</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Kopiuj obraz</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Zapisz obraz…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Dla Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>Nie istnieje taka wartość x, dla której y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Rozwiązanie</translation>
    </message>
    <message>
        <source>or</source>
        <translation>lub</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>pierwsza wartość x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>druga wartość x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>Pokaż &amp;obliczenia</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Kopiuj jako &amp;LaTeX</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>Punkty bez podpisu na szkicu: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Zapisz jako &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Nie udało się wydrukować obliczeń.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Nie udało się zapisać obliczeń jako „%1”: %2.</translation>
    </message>
</context>
</TS>
