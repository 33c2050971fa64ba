<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>无法将图片保存为“%1”：%2。</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>无法生成图片内容</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>另存为(&amp;A)…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>无效的二次方程</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>您输入的二次方程无效，或者设置的精度过高。</translation>
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
        <translation>方程：%1，其中 %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>由于 %1，这不是二次方程：其图像是一条直线。</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>判别式：%1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>根：%1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>根：%1 或 %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>根：%1（两个相等的实数根）</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>根：%1（两个共轭复数根）</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>近似值：%1 或 %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>近似值：%1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>顶点（最低点）：%1；对称轴：%2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>顶点（最高点）：%1；对称轴：%2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>与 y 轴交于 %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>顶点式：%1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>交点式：%1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>根：%1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>无根：直线与 x 轴没有交点。</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>任意 x 都是根：直线就是 x 轴。</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>虚部在此精度下舍入为 0，但它并不为 0，因此这两个根不是实数根。</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>“计算”将此文本识别为 %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>“计算”将此文本识别为 %1；若要让它求解此处的方程，请输入 %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>“计算”无法识别此文本，也无法识别此方程的任何其他写法：某个系数超出其取值范围。</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>精确形式从略：系数过长，无法精确计算。</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>顶点（最低点）：约 %1；对称轴：%2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>顶点（最高点）：约 %1；对称轴：%2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>与 y 轴交于约 %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>方程中为空的一边</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>后面没有项的符号</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>之间没有符号的两项</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>紧跟在 x 后面的数字</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>指数大于 2 的 x 的幂</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>指数为负数的 x 的幂</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>不是整数的指数</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>不在数字和 x 之间的“*”</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>第二个“=”</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>x 以外的字母</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>括号</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>方程中不应出现的字符</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>绝对值超过 1000000000 的指数</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>解题过程无法识别此文本：%1（第 %2 个字符处）</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>解题过程无法将这些项相加：其中一项过长，无法精确计算。</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>无法显示解题过程：程序中负责生成解题过程的部分未能加载（%1）。</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>原方程：%1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 读作 %1：分数后面的部分与分数相乘。</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>积为 0 时，其中一个因式为 0：%1 或 %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>两边开平方：%1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>两边同乘 %1：%2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>去括号：%1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>移项：%1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>其零点即方程 %1 的解</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>未闭合的括号</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>空括号</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>指数不为 2 的括号的幂</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>展开后 x 的次数大于 2 的乘积</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>含 x 的分母</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>不是数的分母</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>除以 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>嵌套过深的括号</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>如需使用“计算”“绘制图形”和“求 Y 的值”，请输入 %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>请用 %1 编译，并在 \begin{document} 之前加入以下各行：</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>请用 %1 编译。</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>参考答案</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>两边同除以 %1：%2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>常数项移到右边：%1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>两边同加一次项系数一半的平方 %1：%2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>左边写成完全平方：%1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>顶点（由配方法得出，最低点）：%1；对称轴：%2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>顶点（由配方法得出，最高点）：%1；对称轴：%2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>完全平方式：%1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>提取公因式 x：%1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>平方差：%1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>积为 ac = %1、和为 b = %2 的两个数：%3 和 %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>把一次项拆成两项：%1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>分组提取公因式：%1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>因式分解：%1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>pq 公式，其中 %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>b 为偶数时的求根公式：%1，%2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>用韦达定理检验：两根之和 %1；两根之积 %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>该方程不能在有理数范围内因式分解：它的根不是有理数。用求根公式：</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>这里 %1，b 不是偶数，不能用 b 为偶数时的求根公式。用求根公式：</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>只有方程以积等于 0 或平方等于一个数的形式给出时，才能直接得出根。用求根公式：</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>所选方法需要系数的精确值，而这里的系数太长。用求根公式：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>判别式：%1，%2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>根：%1，即 %2，%3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>根：%1，%2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1，方程没有实数根；抛物线与 x 轴没有交点。</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>另外，在复数范围内：</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>解集：%1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>答：%1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>答：方程没有实数根。</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>练习题</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>解下列方程，并画出函数图象的草图。</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>参考答案</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>（%1）%2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>无法读取练习题文件 %1：%2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>无法写入 PDF 文档 %1：%2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working 只从标准输入读取一行中的一个方程；若有多个方程，每行一个，请使用 --worksheet -。</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>精度</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>结果保留</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>小数位数</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>位小数。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>您输入的精度值无效</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>您输入的二次方程无效，或者输入的 x 值无效或过大，或者设置的精度过高。</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>求值</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>y 的值</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>图形</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>已绘制的曲线（按绘制顺序）：%1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix，作者：Ostrell，电子邮件：%1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>如需帮助，请查阅 %1，或发送电子邮件至 %2 联系我们</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>请按 ax^2+ bx + c 的形式输入二次方程，例如 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>方程</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>绘制图形</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>求 Y 的值</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>设置精度</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>查看</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>解题过程</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>没有网页浏览器能打开使用手册。请在浏览器中打开此文件：%1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>使用手册</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>公式法</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>配方法</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>因式分解法</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>pq 公式</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>b 为偶数时的求根公式</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>直接写出根</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>解法</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>解法(&amp;M)：</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>按学校的教法</translation>
    </message>
    <message>
        <source>School</source>
        <translation>学校</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>学校(&amp;S)：</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>德国、奥地利、瑞士</translation>
    </message>
    <message>
        <source>France</source>
        <translation>法国</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>西班牙和拉丁美洲</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>意大利</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>巴西和葡萄牙</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>波兰</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>俄罗斯</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>阿拉伯学校（马什里克）</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>阿拉伯学校（马格里布）</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>美国</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>最低点为 %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>最高点为 %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>根为 %1 和 %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>根为 %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>两个相等的实数根为 %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>没有实数根</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>x 轴远在曲线下方，未按比例绘制</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>x 轴远在曲线上方，未按比例绘制</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>任意 x 都是根</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>无根</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>抛物线</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>与 y 轴交于 %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>曲线草图</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>复制图片(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>保存图片(&amp;S)…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Y=0 时  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>不存在使 y = 0 的 x 值</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>解</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>x 的第一个值</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>x 的第二个值</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>显示解题过程(&amp;W)</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>解题过程</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>复制为 LaTeX(&amp;L)</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>草图上未标注的点：%1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>另存为 PDF(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>无法打印解题过程。</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>无法将解题过程保存为“%1”：%2。</translation>
    </message>
</context>
</TS>
