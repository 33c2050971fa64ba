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
        <source>The picture could not be saved as "%1": %2.</source>
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
</TS>
