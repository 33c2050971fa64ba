<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Não foi possível salvar a imagem como “%1”: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>não foi possível gerar seu conteúdo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>&amp;Salvar como…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Equação do segundo grau inválida</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>Você digitou uma equação do segundo grau inválida ou definiu uma precisão alta demais.</translation>
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
        <translation>Equação: %1, com %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>Não é uma equação do segundo grau, pois %1: o gráfico é uma reta.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Discriminante: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Raízes: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Raízes: %1 ou %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Raiz dupla: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Duas raízes complexas conjugadas: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>Arredondando: %1 ou %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>Arredondando: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Vértice: mínimo em %1; eixo de simetria %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Vértice: máximo em %1; eixo de simetria %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Corta o eixo y em %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Forma canônica: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Forma fatorada: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Raiz: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Nenhuma raiz: a reta nunca corta o eixo x.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Todo x é raiz: a reta é o próprio eixo x.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>A parte imaginária não é 0, mas é arredondada para 0 nesta precisão: as raízes não são reais.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>“Calcular” interpreta este texto como %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>“Calcular” interpreta este texto como %1; para a equação resolvida aqui, digite %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>“Calcular” não consegue ler este texto nem nenhum outro para esta equação: um coeficiente está fora do seu intervalo.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>As formas exatas foram omitidas: os coeficientes são longos demais para um cálculo exato.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Vértice: mínimo em aproximadamente %1; eixo de simetria %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Vértice: máximo em aproximadamente %1; eixo de simetria %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Corta o eixo y em aproximadamente %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>um membro vazio da equação</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>um sinal sem nenhum termo em seguida</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>dois termos sem sinal entre eles</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>um número logo depois de x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>uma potência de x com expoente maior que 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>uma potência de x com expoente negativo</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>um expoente que não é um número inteiro</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>um “*” que não está entre um número e x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>um segundo “=”</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>uma letra diferente de x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>um parêntese ou colchete</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>um caractere que não pertence a uma equação</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>um expoente maior que 1000000000 em valor absoluto</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>A resolução não consegue ler este texto: %1, no caractere %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>A resolução não consegue somar estes termos: um deles é longo demais para um cálculo exato.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>A resolução não pode ser exibida: não foi possível carregar a parte do programa que a calcula (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Equação dada: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 é lido como %1: o que vem depois da fração a multiplica.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Um produto é 0 quando um fator é 0: %1 ou %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Raiz quadrada dos dois membros: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Os dois membros multiplicados por %1: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Parênteses eliminados: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Todos os termos em um só membro: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>Seus zeros são as soluções de %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>um parêntese ou colchete que nunca é fechado</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>um parêntese ou colchete vazio</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>um parêntese elevado a um expoente diferente de 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>um produto de grau maior que 2 ao ser desenvolvido</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x em um denominador</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>um denominador que não é um número</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>uma divisão por 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>parênteses aninhados demais</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Para usar “Calcular”, “Traçar gráfico” e “Encontrar um valor de Y”, digite %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Compile com o %1, acrescentando estas linhas antes de \begin{document}:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Compile com o %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Gabarito</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Os dois membros divididos por %1: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>O termo independente passado para o segundo membro: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>O quadrado da metade do coeficiente de x, %1, somado aos dois membros: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>O primeiro membro escrito como um quadrado: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Vértice, lido na forma canônica: mínimo em %1; eixo de simetria %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Vértice, lido na forma canônica: máximo em %1; eixo de simetria %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Um trinômio quadrado perfeito: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x colocado em evidência: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Uma diferença de dois quadrados: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Dois números cujo produto é ac = %1 e cuja soma é b = %2: %3 e %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>O termo em x separado em dois: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>Fator comum colocado em evidência em cada par: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>Fatorado: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>Fórmula pq, com %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Fórmula com b/2: %1 e %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Verificação pelas relações de Girard: soma das raízes %1; produto das raízes %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Esta equação não se fatora com números racionais: suas raízes não são racionais. Pela fórmula de Bhaskara:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>A fórmula com b/2 pede um b par, mas aqui %1. Pela fórmula de Bhaskara:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>As raízes só podem ser lidas diretamente quando a equação é dada como um produto igual a 0 ou um quadrado igual a um número. Pela fórmula de Bhaskara:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>O método escolhido precisa dos valores exatos dos coeficientes, que aqui são longos demais. Pela fórmula de Bhaskara:</translation>
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
        <translation>Raízes: %1, logo %2 e %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Raízes: %1 e %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: não há raízes reais; a parábola não intercepta o eixo x.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Apenas como curiosidade, no conjunto dos números complexos:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Conjunto solução: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resposta: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Resposta: não há raízes reais.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Lista de exercícios</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Resolva cada equação e esboce o gráfico.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Gabarito</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>Não é possível ler a lista de exercícios %1: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>Não é possível gravar o documento PDF %1: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working lê uma só equação da entrada padrão, em uma linha; para várias, uma por linha, use --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Precisão</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Arredondar para</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>casas decimais</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>casas decimais.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>Você digitou um valor inválido para a precisão</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>Você digitou uma equação do segundo grau inválida, informou um valor de x inválido ou grande demais, ou definiu uma precisão alta demais.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Encontrar um valor</translation>
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
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Curvas traçadas, em ordem: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix, por Ostrell. E-mail: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Para obter ajuda, consulte %1 ou envie um e-mail para %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Digite uma equação na forma ax^2+ bx + c, por&#xa0;ex. 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Equação</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Traçar gráfico</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Encontrar um valor de Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Definir precisão</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Nenhum navegador conseguiu abrir o manual. Abra este arquivo em um navegador: %1</translation>
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
        <translation>Fórmula de Bhaskara</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Completar quadrados</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Fatoração</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>Fórmula pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Fórmula com b/2</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Leitura direta das raízes</translation>
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
        <translation>Como se ensina na escola</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Escola</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>&amp;Escola:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Alemanha, Áustria, Suíça</translation>
    </message>
    <message>
        <source>France</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>Espanha e América Latina</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Brasil e Portugal</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polônia</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rússia</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Escolas árabes (Mashreq)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Escolas árabes (Magrebe)</translation>
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
        <translation>mínimo em %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>máximo em %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>raízes em %1 e %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>raiz em %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>raiz dupla em %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>nenhuma raiz real</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>eixo x muito abaixo da curva, fora de escala</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>eixo x muito acima da curva, fora de escala</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>todo x é raiz</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>nenhuma raiz</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Reta</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parábola</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>corta o eixo y em %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Esboço da curva</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Salvar imagem…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Se Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>Não existe nenhum valor de x para o qual y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>primeiro valor de x</translation>
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
        <translation>&amp;Mostrar a resolução</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Resolução</translation>
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
        <translation>Pontos sem rótulo no esboço: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Salvar como &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Não foi possível imprimir a resolução.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Não foi possível salvar a resolução como “%1”: %2.</translation>
    </message>
</context>
</TS>
