<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar la imagen como «%1»: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>no se pudo generar su contenido</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Ecuación cuadrática no válida</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>Ha introducido una ecuación cuadrática no válida o ha establecido una precisión demasiado alta.</translation>
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
        <translation>Ecuación: %1, donde %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>No es una ecuación cuadrática, ya que %1: la gráfica es una recta.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Discriminante: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Raíces: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Raíces: %1 o %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Raíz doble: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Dos raíces complejas conjugadas: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>Redondeando: %1 o %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>Redondeando: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Vértice: mínimo en %1; eje de simetría %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Vértice: máximo en %1; eje de simetría %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Corta al eje de ordenadas en %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Forma canónica: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Forma factorizada: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Raíz: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Sin raíces: la recta no corta nunca al eje de abscisas.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Todo x es raíz: la recta es el eje de abscisas.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>La parte imaginaria no es 0, pero con esta precisión se redondea a 0: las raíces no son reales.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>«Calcular» interpreta este texto como %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>«Calcular» interpreta este texto como %1; para la ecuación resuelta aquí, escriba %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>«Calcular» no puede leer este texto ni ningún otro para esta ecuación: un coeficiente queda fuera de su rango.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>Se omiten las formas exactas: los coeficientes son demasiado largos para calcular con ellos de forma exacta.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Vértice: mínimo aproximadamente en %1; eje de simetría %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Vértice: máximo aproximadamente en %1; eje de simetría %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Corta al eje de ordenadas aproximadamente en %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>un miembro vacío de la ecuación</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>un signo sin ningún término a continuación</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>dos términos sin signo entre ellos</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>un número justo después de x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>una potencia de x de exponente mayor que 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>una potencia de x de exponente negativo</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>un exponente que no es un número entero</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>un «*» que no está entre un número y x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>un segundo «=»</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>una letra distinta de x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>un paréntesis o corchete</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>un carácter que no tiene cabida en una ecuación</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>un exponente mayor que 1000000000 en valor absoluto</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>El desarrollo no puede leer este texto: %1, en el carácter %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>El desarrollo no puede sumar estos términos: uno de ellos es demasiado largo para calcular con él de forma exacta.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>No se puede mostrar el desarrollo: no se pudo cargar la parte del programa que lo genera (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Ecuación dada: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 se lee como %1: lo que sigue a la fracción la multiplica.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Un producto es 0 cuando un factor es 0: %1 o %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Raíz cuadrada de ambos miembros: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Ambos miembros multiplicados por %1: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Paréntesis eliminados: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Todos los términos en un mismo miembro: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>Sus ceros son las soluciones de %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>un paréntesis o corchete que nunca se cierra</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>un paréntesis o corchete vacío</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>un paréntesis elevado a un exponente distinto de 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>un producto de grado mayor que 2 al desarrollarlo</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x en un denominador</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>un denominador que no es un número</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>una división entre 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>paréntesis anidados en exceso</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Para usar «Calcular», «Trazar» y «Hallar un valor de Y», escriba %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Compilar con %1, con estas líneas antes de \begin{document}:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Compilar con %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Ambos miembros divididos entre %1: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>El término independiente pasado al segundo miembro: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>El cuadrado de la mitad del coeficiente de x, %1, sumado a ambos miembros: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>El primer miembro escrito como un cuadrado: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Vértice, leído de la forma canónica: mínimo en %1; eje de simetría %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Vértice, leído de la forma canónica: máximo en %1; eje de simetría %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Un trinomio cuadrado perfecto: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>Factor común x: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Una diferencia de cuadrados: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Dos números cuyo producto es ac = %1 y cuya suma es b = %2: %3 y %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>El término en x separado en dos: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>Factor común por grupos: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>Factorizado: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>Fórmula pq, con %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Fórmula con b/2: %1 y %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Comprobación con las fórmulas de Cardano-Vieta: suma de las raíces %1; producto de las raíces %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Esta ecuación no se factoriza con números racionales: sus raíces no son racionales. Con la fórmula general:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>La fórmula con b/2 pide un b par, pero aquí %1. Con la fórmula general:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>Las raíces se leen directamente solo si la ecuación se da como un producto igual a 0 o un cuadrado igual a un número. Con la fórmula general:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>El método elegido necesita los valores exactos de los coeficientes, que aquí son demasiado largos. Con la fórmula general:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>Discriminante: %1 y %2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>Raíces: %1, luego %2 y %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Raíces: %1 y %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: no tiene solución real; la parábola no corta al eje de abscisas.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Como ampliación, en el conjunto de los números complejos:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Conjunto solución: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Respuesta: no tiene raíces reales.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de ejercicios</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Resuelve cada ecuación y esboza su gráfica.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>No se puede leer la hoja de ejercicios %1: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>No se puede escribir el documento PDF %1: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working lee una sola ecuación de la entrada estándar, en una línea; para varias, una por línea, use --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Redondear a</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>decimales</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>decimales.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>Ha introducido un valor de precisión no válido</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>Ha introducido una ecuación cuadrática no válida, ha indicado un valor de x no válido o demasiado grande, o ha establecido una precisión demasiado alta.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Hallar un valor</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>valor de y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Gráfica</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Curvas trazadas, por orden: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix, de Ostrell. Correo electrónico: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Para obtener ayuda, consulte %1 o escríbanos a %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Escriba una ecuación de la forma ax^2+ bx + c, p.&#xa0;ej. 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Ecuación</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Trazar</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Hallar un valor de Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Establecer la precisión</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Ningún navegador web pudo abrir el manual. Abra este archivo en un navegador: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>Fórmula general</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Completar el cuadrado</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Factorización</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>Fórmula pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Fórmula con b/2</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Lectura directa de raíces</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Método:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>Como se enseña en la escuela</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Escuela</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>&amp;Escuela:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Alemania, Austria, Suiza</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>España y Latinoamérica</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Brasil y Portugal</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Escuelas árabes (Mashreq)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Escuelas árabes (Magreb)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>mínimo en %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>máximo en %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>raíces en %1 y %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>raíz en %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>raíz doble en %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>sin raíces reales</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>eje de abscisas muy por debajo de la curva, fuera de escala</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>eje de abscisas muy por encima de la curva, fuera de escala</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>todo x es raíz</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>sin raíces</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Recta</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parábola</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>corta al eje de ordenadas en %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Esbozo de la curva</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Guardar imagen…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Si Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>No existe ningún valor de x para el que y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>primer valor de x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>segundo valor de x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>&amp;Mostrar el desarrollo</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Desarrollo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Copiar como &amp;LaTeX</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>Puntos sin etiqueta en el esbozo: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Guardar como &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>No se pudo imprimir el desarrollo.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar el desarrollo como «%1»: %2.</translation>
    </message>
</context>
</TS>
