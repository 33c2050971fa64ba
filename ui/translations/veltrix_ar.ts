<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>صورة PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>رسم SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>تعذّر حفظ الصورة باسم «%1»: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>تعذّر إنشاء محتواها</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>حفظ &amp;باسم…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>معادلة تربيعية غير صالحة</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>إما أنك أدخلت معادلة تربيعية غير صالحة، وإما أنك ضبطت دقة عالية جدًا.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Equation: %1, where %2</source>
        <translation>المعادلة: %1، حيث %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>ليست معادلة تربيعية، لأن %1: التمثيل البياني خط مستقيم.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>المميز: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>الجذران: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>الجذران: %1 أو %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>جذر مكرّر: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>جذران مركّبان مترافقان: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>بالتقريب: %1 أو %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>بالتقريب: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>الرأس: نقطة صغرى عند %1؛ محور التماثل %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>الرأس: نقطة عظمى عند %1؛ محور التماثل %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>نقطة التقاطع مع محور y: %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>صيغة الرأس: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>صيغة التحليل إلى عوامل: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>الجذر: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>لا جذر: المستقيم لا يقطع محور x أبدًا.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>كل قيمة لـ x جذر: المستقيم هو محور x نفسه.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>الجزء التخيلي لا يساوي 0، لكنه يُقرَّب إلى 0 بهذه الدقة: الجذران ليسا حقيقيين.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>يقرأ «حساب» هذا النص على أنه %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>يقرأ «حساب» هذا النص على أنه %1؛ للمعادلة المحلولة هنا، اكتب %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>لا يستطيع «حساب» قراءة هذا النص ولا أي نص آخر لهذه المعادلة: أحد المعاملات خارج نطاقه.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>حُذفت الصيغ الدقيقة: المعاملات أطول من أن يُحسب بها بدقة.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>الرأس: نقطة صغرى عند %1 تقريبًا؛ محور التماثل %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>الرأس: نقطة عظمى عند %1 تقريبًا؛ محور التماثل %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>نقطة التقاطع مع محور y: %1 تقريبًا</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>طرف فارغ في المعادلة</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>إشارة لا يليها حد</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>حدّان بلا إشارة بينهما</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>عدد بعد x مباشرة</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>قوة لـ x أسّها أكبر من 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>قوة لـ x أسّها سالب</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>أس ليس عددًا صحيحًا</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>علامة «*» لا تقع بين عدد و x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>علامة «=» ثانية</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>حرف غير x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>قوس</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>رمز لا مكان له في المعادلة</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>أس تتجاوز قيمته المطلقة 1000000000</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>لا تستطيع خطوات الحل قراءة هذا النص: %1، عند الحرف %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>لا تستطيع خطوات الحل جمع هذه الحدود: أحدها أطول من أن يُحسب به بدقة.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>لا يمكن عرض خطوات الحل: تعذّر تحميل الجزء الخاص بها من البرنامج (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>المعادلة كما أُعطيت: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>تُقرأ %2 على أنها %1: ما يلي الكسر يُضرب فيه.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>حاصل الضرب يساوي 0 عندما يساوي أحد العوامل 0: %1 أو %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>أخذ الجذر التربيعي للطرفين: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>ضرب الطرفين في %1: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>فك الأقواس: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>نقل كل الحدود إلى طرف واحد: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>أصفارها هي حلول المعادلة %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>قوس غير مغلق</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>قوس فارغ</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>قوس مرفوع لأسّ غير 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>حاصل ضرب درجته أكبر من 2 بعد فكّه</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x في مقام</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>مقام ليس عددًا</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>قسمة على 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>أقواس متداخلة بعمق زائد</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>لاستخدام «حساب» و«رسم المنحنى» و«إيجاد قيمة Y»، اكتب %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>صرِّف الملف باستخدام %1، مع إضافة هذه الأسطر قبل \begin{document}:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>صرِّف الملف باستخدام %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>قسمة الطرفين على %1: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>نقل الحد الثابت إلى الطرف الأيمن: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>إضافة مربع نصف معامل x، أي %1، إلى الطرفين: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>كتابة الطرف الأيسر على صورة مربع: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>الرأس، مقروءًا من إكمال المربع: نقطة صغرى عند %1؛ محور التماثل %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>الرأس، مقروءًا من إكمال المربع: نقطة عظمى عند %1؛ محور التماثل %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>مربع كامل: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>إخراج x عاملًا مشتركًا: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>فرق بين مربعين: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>عددان حاصل ضربهما ac = %1 ومجموعهما b = %2: %3 و%4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>تجزئة الحد الأوسط إلى حدين: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>إخراج عامل مشترك من كل زوج: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>التحليل إلى عوامل: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>صيغة pq، حيث %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>صيغة نصف b: %1، و%2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>التحقق بعلاقات فييت: مجموع الجذرين %1؛ حاصل ضرب الجذرين %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>لا تتحلل هذه المعادلة إلى عوامل بأعداد نسبية: جذراها ليسا نسبيين. بالقانون العام:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>صيغة نصف b تتطلب أن يكون b زوجيًا، لكن هنا %1. بالقانون العام:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>تُقرأ الجذور مباشرة فقط حين تُعطى المعادلة على صورة حاصل ضرب يساوي 0 أو مربع يساوي عددًا. بالقانون العام:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>الطريقة المختارة تحتاج إلى القيم الدقيقة للمعاملات، وهي هنا أطول من اللازم. بالقانون العام:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>المميز: %1، و%2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>الجذران: %1، إذن %2 و%3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>الجذران: %1 و%2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1: لا توجد جذور حقيقية؛ القطع المكافئ لا يقطع محور x.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>للاطلاع، في مجموعة الأعداد المركّبة:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>مجموعة الحل = %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>الإجابة: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>الإجابة: لا توجد جذور حقيقية.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>ورقة عمل</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>حُلّ كل معادلة وارسم منحناها رسمًا تقريبيًا.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1) %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>تعذّرت قراءة ورقة العمل %1: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>تعذّرت كتابة مستند PDF %1: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>يقرأ الخيار --working معادلة واحدة من الدخل القياسي في سطر واحد؛ ولعدة معادلات، واحدة في كل سطر، استخدم --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>الدقة</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>التقريب إلى</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>منازل عشرية</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>منازل عشرية.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>أدخلت قيمة غير صالحة للدقة</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>إما أنك أدخلت معادلة تربيعية غير صالحة، وإما أنك أدخلت قيمة غير صالحة أو كبيرة جدًا لـ x، وإما أنك ضبطت دقة عالية جدًا.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>إيجاد قيمة</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>قيمة y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>الرسم البياني</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>المنحنيات المرسومة بالترتيب: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>برنامج Veltrix من تطوير Ostrell، البريد الإلكتروني: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>للمساعدة، راجع %1 أو راسلنا على %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>اكتب معادلة على الصورة ax^2+ bx + c، مثل 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>المعادلة</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>رسم المنحنى</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>إيجاد قيمة Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>ضبط الدقة</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>خطوات الحل</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>تعذّر على متصفحات الويب فتح الدليل. افتح هذا الملف في أحدها: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>دليل المستخدم</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>القانون العام</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>إكمال المربع</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>التحليل إلى عوامل</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>صيغة pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>صيغة نصف b</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>الجذور مباشرة</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>الطريقة</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;الطريقة:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>كما يُدرَّس في المدرسة</translation>
    </message>
    <message>
        <source>School</source>
        <translation>المدرسة</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>المد&amp;رسة:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عامة</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>ألمانيا والنمسا وسويسرا</translation>
    </message>
    <message>
        <source>France</source>
        <translation>فرنسا</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>إسبانيا وأمريكا اللاتينية</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>إيطاليا</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>البرازيل والبرتغال</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>بولندا</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>روسيا</translation>
    </message>
    <message>
        <source>China</source>
        <translation>الصين</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>اليابان</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>المدارس العربية (المشرق)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>المدارس العربية (المغرب العربي)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>المملكة المتحدة</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>الولايات المتحدة</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>نقطة صغرى عند %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>نقطة عظمى عند %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>الجذران عند %1 و %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>الجذر عند %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>جذر مكرّر عند %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>لا جذور حقيقية</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>محور x بعيد أسفل المنحنى، ليس بمقياس الرسم</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>محور x بعيد أعلى المنحنى، ليس بمقياس الرسم</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>كل قيمة لـ x جذر</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>لا جذر</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>خط مستقيم</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>قطع مكافئ</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>يقطع محور y عند %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>، </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>رسم تقريبي للمنحنى</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;نسخ الصورة</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;حفظ الصورة…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>عند Y=0‏  X=‎</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>لا توجد قيمة لـ x تكون عندها y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>الحل</translation>
    </message>
    <message>
        <source>or</source>
        <translation>أو</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>القيمة الأولى لـ x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>القيمة الثانية لـ x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>عرض &amp;خطوات الحل</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>خطوات الحل</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>نسخ ب&amp;صيغة LaTeX</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>نقاط بلا تسمية على الرسم التقريبي: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>&amp;حفظ بصيغة PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>تعذّرت طباعة خطوات الحل.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>مستند PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>تعذّر حفظ خطوات الحل باسم «%1»: %2.</translation>
    </message>
</context>
</TS>
