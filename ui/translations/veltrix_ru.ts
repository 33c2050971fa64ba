<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Не удалось сохранить изображение как «%1»: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>не удалось создать его содержимое</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>&amp;Сохранить как…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Некорректное квадратное уравнение</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>Введено некорректное квадратное уравнение или задана слишком высокая точность.</translation>
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
        <translation>Уравнение: %1, где %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>Это не квадратное уравнение, так как %1: график — прямая.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Дискриминант: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Корни: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Корни: %1 или %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Корень кратности 2: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Два комплексно-сопряжённых корня: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>После округления: %1 или %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>После округления: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Вершина параболы: минимум в точке %1; ось симметрии %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Вершина параболы: максимум в точке %1; ось симметрии %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Точка пересечения с осью y: %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Выделение полного квадрата: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Разложение на множители: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Корень: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Корней нет: прямая не пересекает ось x.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Любое x — корень: прямая совпадает с осью x.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>Мнимая часть не равна 0, но при этой точности округляется до 0: корни не являются действительными.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>«Вычислить» понимает этот текст как %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>«Вычислить» понимает этот текст как %1; для решаемого здесь уравнения введите %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>«Вычислить» не может прочитать ни этот текст, ни другой для этого уравнения: коэффициент выходит за допустимый диапазон.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>Точные формы опущены: коэффициенты слишком длинные для точных вычислений.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Вершина параболы: минимум примерно в точке %1; ось симметрии %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Вершина параболы: максимум примерно в точке %1; ось симметрии %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Точка пересечения с осью y: примерно %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>пустая часть уравнения</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>знак, после которого нет слагаемого</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>два слагаемых без знака между ними</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>число сразу после x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>степень x с показателем больше 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>степень x с отрицательным показателем</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>показатель степени, не являющийся целым числом</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>знак «*», стоящий не между числом и x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>второй знак «=»</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>буква, отличная от x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>скобка</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>символ, которому не место в уравнении</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>показатель степени, по модулю больший 1000000000</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>Ход решения не может прочитать этот текст: %1, позиция %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>Ход решения не может сложить эти слагаемые: одно из них слишком длинное для точных вычислений.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>Невозможно показать ход решения: не удалось загрузить часть программы, которая его формирует (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Уравнение в исходном виде: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 читается как %1: то, что стоит после дроби, умножается на неё.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Произведение равно 0, если хотя бы один множитель равен 0: %1 или %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Из обеих частей извлечён корень: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Обе части умножены на %1: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Скобки раскрыты: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Все слагаемые перенесены в одну часть: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>Её нули — решения уравнения %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>незакрытая скобка</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>пустые скобки</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>скобка в степени, отличной от 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>произведение, степень которого после раскрытия скобок больше 2</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x в знаменателе</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>знаменатель, который не является числом</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>деление на 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>слишком глубоко вложенные скобки</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Чтобы воспользоваться кнопками «Вычислить», «Построить график» и «Найти значение Y», введите %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Компилировать с помощью %1, добавив перед \begin{document} строки:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Компилировать с помощью %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Ответы</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Обе части разделены на %1: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>Свободный член перенесён в правую часть: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>К обеим частям прибавлен квадрат половины коэффициента при x, %1: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>Левая часть записана в виде квадрата: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Вершина параболы, найденная выделением полного квадрата: минимум в точке %1; ось симметрии %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Вершина параболы, найденная выделением полного квадрата: максимум в точке %1; ось симметрии %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Полный квадрат: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x вынесен за скобки: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Разность квадратов: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Два числа, произведение которых ac = %1, а сумма b = %2: %3 и %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>Средний член разложен на два слагаемых: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>В каждой паре общий множитель вынесен за скобки: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>Разложено на множители: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>Формула pq, где %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Формула для чётного b: %1 и %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Проверка по теореме Виета: сумма корней %1; произведение корней %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Это уравнение не раскладывается на множители с рациональными коэффициентами: его корни иррациональны или комплексны. По общей формуле:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>Формула для чётного b неприменима: здесь %1. По общей формуле:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>Корни находятся сразу, только если уравнение дано в виде произведения, равного 0, или квадрата, равного числу. По общей формуле:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>Выбранному способу нужны точные значения коэффициентов, а они здесь слишком длинные. По общей формуле:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>Дискриминант: %1 и %2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>Корни: %1, откуда %2 и %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Корни: %1 и %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: действительных корней нет; парабола не пересекает ось x.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Для справки, во множестве комплексных чисел:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Множество решений: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Ответ: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Ответ: действительных корней нет.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Карточка с заданиями</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Решите каждое уравнение и постройте эскиз графика.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Ответы</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать карточку с заданиями %1: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>Не удаётся записать документ PDF %1: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working читает из стандартного ввода одно уравнение в одной строке; для нескольких, по одному в строке, используйте --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Точность</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Округлить до</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>знаков после запятой</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>знаков.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>Введено некорректное значение точности</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>Введено некорректное квадратное уравнение, указано некорректное или слишком большое значение x либо задана слишком высокая точность.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Найти значение</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>значение y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Построенные кривые по порядку: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix, автор — Ostrell. Эл. почта: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Справку см. в файле %1; вопросы пишите нам по адресу %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Введите уравнение вида ax^2+ bx + c, например 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Уравнение</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Построить график</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Найти значение Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Задать точность</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Справка</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Ход решения</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Ни один браузер не смог открыть руководство. Откройте этот файл в браузере: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>Формула корней</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Выделение полного квадрата</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Разложение на множители</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>Формула pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Формула для чётного b</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Корни сразу</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Способ</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Способ:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>Как учат в школе</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Школа</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>&amp;Школа:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общая</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Германия, Австрия, Швейцария</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Франция</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>Испания и Латинская Америка</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Италия</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Бразилия и Португалия</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Польша</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Россия</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Китай</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Япония</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Арабские школы (Машрик)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Арабские школы (Магриб)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Великобритания</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>США</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>минимум в точке %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>максимум в точке %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>корни %1 и %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>корень %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>двукратный корень %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>действительных корней нет</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>ось x далеко ниже графика, не в масштабе</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>ось x далеко выше графика, не в масштабе</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>любое x — корень</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>корней нет</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Прямая</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Парабола</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>пересекает ось y в точке %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Эскиз графика</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Копировать изображение</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Сохранить изображение…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>При Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>Не существует значения x, при котором y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Решение</translation>
    </message>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>первое значение x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>второе значение x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>Показать &amp;ход решения</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Ход решения</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Копировать в формате &amp;LaTeX</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>Точки без подписи на эскизе: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Сохранить как &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Не удалось напечатать ход решения.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Не удалось сохранить ход решения как «%1»: %2.</translation>
    </message>
</context>
</TS>
