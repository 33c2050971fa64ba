<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG ベクター画像 (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>画像を「%1」として保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>画像の内容を作成できませんでした</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>名前を付けて保存(&amp;A)…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>二次式が正しくありません</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>入力された二次式が正しくないか、設定された精度が高すぎます。</translation>
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
        <translation>式：%1（%2）</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>%1 なので二次式ではありません。グラフは直線です。</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>判別式：%1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>解：%1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>解：%1 又は %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>重解：%1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>2 つの虚数解：%1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>近似値：%1 又は %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>近似値：%1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>頂点：%1 で最小、軸：%2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>頂点：%1 で最大、軸：%2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>y 軸との交点：%1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>平方完成：%1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>因数分解：%1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>解：%1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>解なし：直線は x 軸と交わりません。</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>すべての x が解：直線は x 軸と一致します。</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>虚部はこの精度では 0 に丸められますが、0 ではないため、解は実数ではありません。</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>「計算」はこのテキストを %1 と解釈します</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>「計算」はこのテキストを %1 と解釈します。ここで解いた式を「計算」で解くには %2 と入力してください</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>「計算」はこのテキストも、この式を表す他のテキストも読めません：係数が範囲外です。</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>厳密な形は省略します：係数が長すぎて厳密に計算できません。</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>頂点：約 %1 で最小、軸：%2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>頂点：約 %1 で最大、軸：%2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>y 軸との交点：約 %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>空の左辺または右辺</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>後に項のない符号</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>間に符号のない 2 つの項</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>x の直後の数</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>指数が 2 より大きい x の累乗</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>指数が負の x の累乗</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>整数でない指数</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>数と x の間にない「*」</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>2 つ目の「=」</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>x 以外の文字</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>括弧</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>式に使えない文字</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>絶対値が 1000000000 を超える指数</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>途中式はこのテキストを読めません：%1（%2 文字目）</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>途中式はこれらの項を足せません：長すぎて厳密に計算できない項があります。</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>途中式を表示できません：プログラムのうち途中式を作成する部分を読み込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>与えられた方程式：%1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 は %1 と読みます：分数の後ろの部分は分数に掛けられます。</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>積が 0 になるのはいずれかの因数が 0 のとき：%1 又は %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>両辺の平方根をとる：%1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>両辺に %1 を掛ける：%2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>括弧を展開：%1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>すべての項を一方の辺に移項：%1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>その零点は %1 の解</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>閉じられていない括弧</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>空の括弧</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>指数が 2 でない括弧の累乗</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>展開すると x の次数が 2 より大きくなる積</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>分母の x</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>数でない分母</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>0 での割り算</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>入れ子が深すぎる括弧</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>「計算」「グラフを描画」「Y の値を求める」を使うには、%1 と入力してください</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>%1 でコンパイルし、\begin{document} の前に次の行を入れてください：</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>%1 でコンパイルしてください。</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>両辺を %1 で割る：%2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>定数項を右辺に移項：%1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>x の係数の半分の 2 乗 %1 を両辺に加える：%2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>左辺を平方の形にする：%1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>頂点（平方完成より）：%1 で最小、軸：%2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>頂点（平方完成より）：%1 で最大、軸：%2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>完全平方式：%1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x でくくる：%1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>平方の差：%1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>積が ac = %1、和が b = %2 となる 2 数：%3 と %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>1 次の項を 2 つに分ける：%1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>2 項ずつ共通因数でくくる：%1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>因数分解：%1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>pq 公式（%1）</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>b が偶数のときの解の公式：%1、%2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>解と係数の関係による検算：解の和 %1、解の積 %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>この方程式は有理数の範囲で因数分解できない（解が有理数でない）。解の公式より：</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>b が偶数でないので（ここでは %1）、b が偶数のときの解の公式は使えない。解の公式より：</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>解がすぐ求まるのは、方程式が積 = 0 や平方 = 数の形で与えられたときだけである。解の公式より：</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>選んだ解き方には係数の正確な値が必要だが、ここでは桁が多すぎる。解の公式より：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>判別式：%1、%2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>解：%1 より %2、%3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>解：%1、%2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1 より実数解はない。放物線は x 軸と交わらない。</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>参考：複素数の範囲では</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>解の集合：%1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>答：%1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>答：実数解はない。</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>%1 行目：%2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>練習問題</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>次の方程式を解き、グラフの概形をかきなさい。</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>(%1) %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>練習問題のファイル %1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>PDF 文書 %1 を書き込めません：%2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working は標準入力から 1 行の方程式を 1 つだけ読み込みます。複数の方程式を 1 行に 1 つずつ読み込むには --worksheet - を使ってください。</translation>
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
        <translation>結果を小数点以下</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>小数点以下の桁数</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>桁に丸めます。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>精度の値が正しくありません</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>入力された二次式が正しくないか、x の値が正しくないか大きすぎるか、設定された精度が高すぎます。</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>値を求める</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>y の値</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>描画した曲線（描画順）：%1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix（作成者：Ostrell）&#x3000;メール：%1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>ヘルプは %1 をご覧いただくか、%2 までメールでお問い合わせください</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>二次式を ax^2+ bx + c の形式で入力してください。例：10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>二次式</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>グラフを描画</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Y の値を求める</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>精度を設定</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>表示</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>途中式</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>マニュアルを開けるウェブブラウザーがありません。次のファイルをブラウザーで開いてください：%1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>解の公式</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>平方完成</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>因数分解</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>pq 公式</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>b が偶数のときの解の公式</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>解をすぐ求める</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>解き方</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>解き方(&amp;M)：</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>学校で習う方法</translation>
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
        <translation>一般</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>ドイツ・オーストリア・スイス</translation>
    </message>
    <message>
        <source>France</source>
        <translation>フランス</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>スペイン・中南米</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>イタリア</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>ブラジル・ポルトガル</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>ポーランド</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>ロシア</translation>
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
        <translation>アラブ諸国の学校（マシュリク）</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>アラブ諸国の学校（マグリブ）</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>イギリス</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>アメリカ</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>%1 で最小</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>%1 で最大</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>解は %1 と %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>解は %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>重解 %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>実数解なし</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>x 軸は曲線のはるか下（縮尺どおりではない）</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>x 軸は曲線のはるか上（縮尺どおりではない）</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>すべての x が解</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>解なし</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>放物線</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>%1 で y 軸と交わる</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>グラフの概形</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>画像をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>画像を保存(&amp;S)…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Y=0 の時  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>y = 0 となる x の値は存在しません</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>解</translation>
    </message>
    <message>
        <source>or</source>
        <translation>又は</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>x の 1 つ目の値</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>x の 2 つ目の値</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>途中式を表示(&amp;W)</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>途中式</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>LaTeX 形式でコピー(&amp;L)</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>概形にラベルのない点：%1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>PDF として保存(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>途中式を印刷できませんでした。</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>途中式を「%1」として保存できませんでした：%2。</translation>
    </message>
</context>
</TS>
