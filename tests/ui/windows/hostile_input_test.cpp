// Texts nobody should type, typed and pasted into the real windows: emoji, combining marks,
// direction marks, control characters, a megabyte of equation and x texts of ten thousand digits.
// Each must end in the right value or the right message, and change nothing else on any window.
#include "ui_test_support.hpp"
#include "windows_shown.hpp"

namespace veltrix::ui::testing {
namespace {

enum class Entry { Pasted, Typed };

// What one command shows: the texts written into its labels, or the one message it gives.
struct Outcome {
    QStringList shown;
    QString message;
};

Outcome Shows(QStringList texts) {
    return {std::move(texts), {}};
}
Outcome Says(QString message) {
    return {{}, std::move(message)};
}

const QString kInvalid = QStringLiteral("Invalid Quadratic");

class HostileInputTest : public VeltrixTest {
  protected:
    // A program that has been used: accuracy 1 chosen and confirmed (so Form5 is hidden), the
    // roots of 2X^2-3X-2 in Form4, its value at x = 2 in Form3 and its curve in Form2. Hostile
    // input must leave all of this as it is, except what its own command writes.
    void SetUp() override {
        VeltrixTest::SetUp();
        AccuracyWindow& accuracy = ChooseAccuracy(1);
        Click(accuracy, "Command1");
        TypeEquation("2X^2-3X-2");
        Click(*mainWindow, "Command1");
        Click(*mainWindow, "Command3");
        findValue = app.Windows().Find<FindValueWindow>();
        Type(*findValue, "Text1", "2");
        Click(*findValue, "Command1");
        Click(*mainWindow, "Command2");
        ASSERT_EQ(ShownRoots(), (QStringList{"2", "-0.5"}));
        ASSERT_EQ(Caption(*findValue, "Label3"), "0");
        GraphWindow* graph = app.Windows().Find<GraphWindow>();
        ASSERT_NE(graph, nullptr);
        ASSERT_EQ(graph->KeptLineCount(), kAxesAndTicks.size() + kCurvePointCount);
        ASSERT_EQ(graph->accessibleDescription(), GraphDescription({"2X^2-3X-2"}));
        ASSERT_TRUE(messages.prompts.isEmpty());
    }

    static void Enter(QLineEdit& box, Entry entry, const QString& text) {
        entry == Entry::Pasted ? Paste(box, text) : TypeCharacters(box, text);
    }

    QLineEdit& EquationBox() { return Find<QLineEdit>(*mainWindow, "Text1"); }
    QLineEdit& XBox() { return Find<QLineEdit>(*findValue, "Text1"); }

    // Presses Calculate in the main window, Calculate in the Find-a-value window and Plot, and
    // checks that each wrote its labels, drew its curve or gave its message, and that nothing
    // else on any window changed.
    //
    // Every failure in these tests comes from a coefficient that does not convert or from an
    // equation that does not split. So Plot draws a whole new curve where Calculate finds roots;
    // where Calculate fails, Plot draws only the axes, which the window already shows, and gives
    // Calculate's words; and "Invalid Quadratic" leaves the window alone.
    void ExpectCommandsGive(const WindowsShown& before, const Outcome& roots,
                            const Outcome& value) {
        Click(*mainWindow, "Command1");
        Click(*findValue, "Command1");
        Click(*mainWindow, "Command2");

        WindowsShown expected = before;
        expected.equation = EquationBox().text();
        expected.findValue->x = XBox().text();
        QStringList prompts;
        if (roots.message.isEmpty()) {
            expected.solution->plusRoot = roots.shown.value(0);
            expected.solution->minusRoot = roots.shown.value(1);
        } else {
            prompts << roots.message;
        }
        if (value.message.isEmpty()) {
            expected.findValue->y = value.shown.value(0);
        } else {
            prompts << value.message;
        }
        if (roots.message.isEmpty()) {
            expected.graph->keptLines += kCurvePointCount;
            expected.graph->description = GraphDescription({"2X^2-3X-2", expected.equation});
        } else {
            prompts << roots.message;
        }
        EXPECT_EQ(WhatTheWindowsShow(app), expected);
        EXPECT_EQ(messages.prompts, prompts);
    }

    FindValueWindow* findValue = nullptr;
};

// The default equation at accuracy 1, and its value at x = 2.
const Outcome kDefaultRoots = Shows({"0.7", "-0.5"});
const Outcome kDefaultValue = Shows({"33"});
const Outcome kCalculateFails = Says(kCalculateFailed);
const Outcome kFindValueFails = Says(kFindValueFailed);

struct EquationCase {
    const char* name;
    Entry entry;
    QString input;
    QString boxHolds; // what the equation box holds afterwards
    Outcome roots, value;
};

void PrintTo(const EquationCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileEquationTest : public HostileInputTest,
                            public ::testing::WithParamInterface<EquationCase> {};

TEST_P(HostileEquationTest, GivesTheRightResultOrMessageAndChangesNothingElse) {
    const EquationCase& c = GetParam();
    const WindowsShown before = WhatTheWindowsShow(app);
    Enter(EquationBox(), c.entry, c.input);
    ASSERT_EQ(EquationBox().text(), c.boxHolds);
    ExpectCommandsGive(before, c.roots, c.value);
}

QString U(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Texts with characters the box takes as they come: both ways of entering them give the same.
std::vector<EquationCase> EnteredBothWays(const char* name, const QString& text, Outcome roots,
                                          Outcome value) {
    return {{name, Entry::Pasted, text, text, roots, value},
            {name, Entry::Typed, text, text, roots, value}};
}

std::vector<EquationCase> EquationCases() {
    std::vector<EquationCase> cases;
    auto add = [&cases](std::vector<EquationCase> more) {
        for (EquationCase& c : more) {
            cases.push_back(std::move(c));
        }
    };
    // An emoji is two UTF-16 units: in the two skipped after the first X it is skipped whole;
    // anywhere else it, or half of it, is part of a coefficient that does not convert.
    add(EnteredBothWays("EmojiInTheSkippedSlot", U(u"10X😀-2X-3"), kDefaultRoots, kDefaultValue));
    // A superscript two, as pasted from a web page, is the whole power: the equation is the
    // default one.
    add(EnteredBothWays("SuperscriptTwo", U(u"10X²-2X-3"), kDefaultRoots, kDefaultValue));
    add(EnteredBothWays("EmojiAfterTheConstant", U(u"10X^2-2X-3😀"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("EmojiBeforeTheFirstX", U(u"😀X^2-2X-3"), kCalculateFails, kFindValueFails));
    add(EnteredBothWays("EmojiSplitByTheSkippedSlot", U(u"10X^😀-2X-3"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("EmojiSequenceAsTheConstant", U(u"10X^2-2X👩‍👩‍👧🏽"),
                        kCalculateFails, kFindValueFails));
    add(EnteredBothWays("CombiningMarkOnTheFirstX", U(u"10X\u0302^2-2X-3"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("CombiningMarkOnADigit", U(u"10\u0301X^2-2X-3"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("RightToLeftMarkFirst", U(u"\u200F10X^2-2X-3"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("LeftToRightMarkLast", U(u"10X^2-2X-3\u200E"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("RightToLeftOverride", U(u"\u202E10X^2-2X-3\u202C"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("ZeroWidthSpaceInANumber", U(u"1\u200B0X^2-2X-3"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("NoBreakSpaceAfterTheConstant", U(u"10X^2-2X-3\u00A0"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("ArabicIndicDigits", U(u"\u0661\u0660X^2-2X-3"), kCalculateFails,
                        kFindValueFails));
    add(EnteredBothWays("FullwidthLetters", U(u"１０Ｘ^2-2Ｘ-3"), Says(kInvalid), Says(kInvalid)));
    add(EnteredBothWays("CyrillicHaForX", U(u"10\u0425^2-2\u0425-3"), Says(kInvalid),
                        Says(kInvalid)));

    // Control characters cannot be typed into the box, which drops them; pasted, they stay, and
    // fail to convert except for the tab, which the number conversion takes for a blank.
    const QString nul = QString(QChar(u'\0'));
    const struct {
        const char* name;
        QString text;
        Outcome pastedRoots, pastedValue, typedRoots, typedValue;
    } controls[] = {
        {"NulAfterTheConstant", "10X^2-2X-3" + nul, kCalculateFails, kFindValueFails, kDefaultRoots,
         kDefaultValue},
        {"NulBeforeTheFirstX", "10" + nul + "X^2-2X-3", kCalculateFails, kFindValueFails,
         kDefaultRoots, kDefaultValue},
        // Typed, the second X moves up to right after the slot: the x coefficient is empty.
        {"NulsInTheSkippedSlot", "10X" + nul + nul + "-2X-3", kDefaultRoots, kDefaultValue,
         kCalculateFails, kFindValueFails},
        {"Newline", "10X^2-2X-3\n", kCalculateFails, kFindValueFails, kDefaultRoots, kDefaultValue},
        {"CarriageReturnLineFeed", "10X^2-2X\r\n-3", kCalculateFails, kFindValueFails,
         kDefaultRoots, kDefaultValue},
        {"Escape",
         "\x1b"
         "10X^2-2X-3",
         kCalculateFails, kFindValueFails, kDefaultRoots, kDefaultValue},
        {"Delete", "10X^2-2X-3\x7f", kCalculateFails, kFindValueFails, kDefaultRoots,
         kDefaultValue},
        {"TabInsideANumber", "1\t0X^2-2X-3", kCalculateFails, kFindValueFails, kDefaultRoots,
         kDefaultValue},
        {"TabsAroundNumbers", "\t10X^2\t-2X\t-3\t", kDefaultRoots, kDefaultValue, kDefaultRoots,
         kDefaultValue},
    };
    for (const auto& c : controls) {
        cases.push_back({c.name, Entry::Pasted, c.text, c.text, c.pastedRoots, c.pastedValue});
        QString typed = c.text;
        typed.removeIf([](QChar ch) { return ch.category() == QChar::Other_Control; });
        cases.push_back({c.name, Entry::Typed, c.text, typed, c.typedRoots, c.typedValue});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileEquationTest, ::testing::ValuesIn(EquationCases()),
                         [](const auto& test) {
                             return std::string(test.param.name) +
                                    (test.param.entry == Entry::Pasted ? "_Pasted" : "_Typed");
                         });

struct XCase {
    const char* name;
    Entry entry;
    QString input;
    Outcome value; // of 2X^2-3X-2 at accuracy 1
};

void PrintTo(const XCase& c, std::ostream* os) {
    *os << c.name;
}

class HostileXTest : public HostileInputTest, public ::testing::WithParamInterface<XCase> {};

TEST_P(HostileXTest, GivesTheRightValueOrMessageAndChangesNothingElse) {
    const XCase& c = GetParam();
    const WindowsShown before = WhatTheWindowsShow(app);
    Enter(XBox(), c.entry, c.input);
    ASSERT_EQ(XBox().text(), c.input);
    Click(*findValue, "Command1");

    WindowsShown expected = before;
    expected.findValue->x = c.input;
    if (c.value.message.isEmpty()) {
        expected.findValue->y = c.value.shown.value(0);
    }
    EXPECT_EQ(WhatTheWindowsShow(app), expected);
    EXPECT_EQ(messages.prompts,
              c.value.message.isEmpty() ? QStringList{} : QStringList{c.value.message});
}

std::vector<XCase> XCases() {
    const QString nines(10'000, u'9');
    const QString zeros(9'999, u'0');
    return {
        // 10,000 digits: beyond the double range; a 1 after 9,999 zeros; and after "0.".
        {"TenThousandNines", Entry::Pasted, nines, kFindValueFails},
        {"TenThousandDigitsOfOne", Entry::Pasted, zeros + "1", Shows({"-3"})},
        {"TenThousandDigitsAfterThePoint", Entry::Pasted, "0." + QString(10'000, u'3'),
         Shows({"-2.8"})},                                                             // x = 1/3
        {"TenThousandNinesAfterThePoint", Entry::Pasted, "0." + nines, Shows({"-3"})}, // x = 1
        {"TenThousandthPlace", Entry::Pasted, "0." + zeros + "1", Shows({"-2"})},      // x = 0
        {"HalfWithTenThousandDigits", Entry::Pasted, "0.5" + zeros, Shows({"-3"})},
        {"TenThousandDigitNegativeExponent", Entry::Pasted, "1E-" + nines, Shows({"-2"})},
        {"TenThousandDigitExponent", Entry::Pasted, "1E" + nines, kFindValueFails},
        {"Emoji", Entry::Typed, U(u"1😀"), kFindValueFails},
        {"LoneEmoji", Entry::Pasted, U(u"😀"), kFindValueFails},
        {"HalfAnEmoji", Entry::Pasted, U(u"1\xD83D"), kFindValueFails},
        {"CombiningMark", Entry::Typed, U(u"1\u0301"), kFindValueFails},
        {"RightToLeftMark", Entry::Typed, U(u"\u200F1"), kFindValueFails},
        {"ArabicIndicDigit", Entry::Typed, U(u"\u0662"), kFindValueFails},
        {"FullwidthDigit", Entry::Typed, U(u"２"), kFindValueFails},
        {"Nul", Entry::Pasted, "2" + QString(QChar(u'\0')), kFindValueFails},
        {"Newline", Entry::Pasted, "2\n", kFindValueFails},
        {"Tabs", Entry::Pasted, "\t1\t", Shows({"-3"})},
    };
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileXTest, ::testing::ValuesIn(XCases()),
                         [](const auto& test) { return std::string(test.param.name); });

// A megabyte of text: 1,048,576 characters, pasted.
constexpr qsizetype kMegabyte = 1 << 20;

QString Padded(QString text, QChar padding, qsizetype length) {
    return text + QString(length - text.size(), padding);
}

QString Repeated(QString text, const QString& digits, qsizetype length) {
    while (text.size() < length) {
        text += digits.first(std::min(digits.size(), length - text.size()));
    }
    return text;
}

struct MegabyteCase {
    const char* name;
    QString equation;
    Outcome roots, value;
};

void PrintTo(const MegabyteCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<MegabyteCase> MegabyteCases() {
    const qsizetype third = kMegabyte / 3;
    return {
        {"BlanksAfterTheConstant", Padded("10X^2-2X-3", u' ', kMegabyte), kDefaultRoots,
         kDefaultValue},
        {"LongFractions",
         Padded("10.", u'0', third) + "X^2" + Padded("-2.", u'0', third - 3) + "X" +
             Padded("-3.", u'0', kMegabyte - 2 * third - 1),
         kDefaultRoots, kDefaultValue},
        {"DigitsBeyondTheDoubleRange",
         QString(third, u'7') + "X^2" + QString(third, u'5') + "X" +
             QString(kMegabyte - 2 * third - 4, u'3'),
         kCalculateFails, kFindValueFails},
        // 10/7, -20/7 and -23/7, written out to a third of a megabyte each.
        {"SignificantDigits",
         Repeated("1.", "428571", third) + "X^2" + Repeated("-2.", "857142", third - 3) + "X" +
             Repeated("-3.", "285714", kMegabyte - 2 * third - 1),
         Shows({"2.8", "-0.8"}), Shows({"-3.3"})},
        {"NoX", QString(kMegabyte, u'9'), Says(kInvalid), Says(kInvalid)},
        {"OnlyX", QString(kMegabyte, u'X'), Says(kInvalid), Says(kInvalid)},
    };
}

class MegabyteEquationTest : public HostileInputTest,
                             public ::testing::WithParamInterface<MegabyteCase> {};

TEST_P(MegabyteEquationTest, GivesItsResultOrItsMessageAndChangesNothingElse) {
    const MegabyteCase& c = GetParam();
    const WindowsShown before = WhatTheWindowsShow(app);
    Paste(EquationBox(), c.equation);
    ASSERT_EQ(EquationBox().text().size(), c.equation.size());
    ASSERT_TRUE(EquationBox().text() == c.equation);
    ExpectCommandsGive(before, c.roots, c.value);
}

INSTANTIATE_TEST_SUITE_P(Texts, MegabyteEquationTest, ::testing::ValuesIn(MegabyteCases()),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
} // namespace veltrix::ui::testing
