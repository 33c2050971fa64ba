// Formulas set as a textbook sets them, checked by where their drawn boxes stand relative to one
// another, at the smallest and largest desktop fonts, in Latin letters and mirrored in Arabic
// ones, and by the ink staying inside the layout.
#include "ui/working/formula_layout.hpp"
#include "ui/working/working_rows.hpp"
#include "ui_test_support.hpp"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace veltrix::ui::testing {
namespace {

using namespace veltrix::math;

Formula N(const char16_t* text) {
    return {Number{text}};
}
Formula X() {
    return {Variable{u'x'}};
}

struct LayoutCase {
    const char* name;
    Formula formula;
    int fractions, roots, powers;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

// (p ± √d)/r, as the roots are written.
Formula RootsOver(const char16_t* p, const char16_t* d, const char16_t* r) {
    return {Fraction{
        Formula{Sum{std::nullopt, N(p), {{Sign::PlusMinus, Formula{SquareRoot{N(d)}}}}}}, N(r)}};
}

class FormulaLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

// Whether the brackets, taken from the left, each open towards what they hold: none closes
// before it has opened.
bool BracketsOpenInward(std::vector<FormulaText> texts) {
    std::ranges::sort(texts, {}, [](const FormulaText& text) { return text.at.x(); });
    int depth = 0;
    for (const FormulaText& text : texts) {
        depth += text.text == u"(" || text.text == u"{" ? 1 : 0;
        depth -= text.text == u")" || text.text == u"}" ? 1 : 0;
        if (depth < 0) {
            return false;
        }
    }
    return true;
}

TEST_P(FormulaLayoutTest, PartsStandWhereATextbookSetsThem) {
    for (const auto& [points, script] : {std::pair{8, FormulaScript::Latin},
                                         {18, FormulaScript::Latin},
                                         {8, FormulaScript::ArabicMirrored},
                                         {18, FormulaScript::ArabicMirrored}}) {
        SCOPED_TRACE(points);
        const bool mirrored = script == FormulaScript::ArabicMirrored;
        SCOPED_TRACE(mirrored ? "mirrored" : "Latin");
        const FormulaLayout layout =
            LayOut(GetParam().formula, QFont("DejaVu Sans", points), script);
        const std::vector<FormulaPart>& parts = layout.parts;
        const auto count = [&](FormulaRole role) {
            return std::ranges::count(parts, role, &FormulaPart::role);
        };
        EXPECT_EQ(count(FormulaRole::FractionRule), GetParam().fractions);
        EXPECT_EQ(count(FormulaRole::RadicalBar), GetParam().roots);
        EXPECT_EQ(count(FormulaRole::Exponent), GetParam().powers);
        const QRectF whole(0, -layout.ascent, layout.width, layout.ascent + layout.descent);
        for (std::size_t k = 0; k < parts.size(); ++k) {
            const QRectF& box = parts[k].box;
            EXPECT_TRUE(whole.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(box))
                << "part " << k << " stands out of the formula";
            if (parts[k].role == FormulaRole::FractionRule) {
                const QRectF& over = parts[k - 1].box;
                const QRectF& under = parts[k + 1].box;
                EXPECT_LE(over.bottom(), box.top());
                EXPECT_GE(under.top(), box.bottom());
                for (const QRectF& term : {over, under}) {
                    EXPECT_TRUE(box.left() <= term.left() && term.right() <= box.right());
                }
            } else if (parts[k].role == FormulaRole::RadicalBar) {
                const QRectF& radicand = parts[k - 1].box;
                EXPECT_TRUE(box.left() <= radicand.left() && radicand.right() <= box.right());
                EXPECT_LE(box.bottom(), radicand.top());
            } else if (parts[k].role == FormulaRole::Exponent) {
                EXPECT_LT(parts[k].baseline, parts[k - 1].baseline);
                if (mirrored) {
                    EXPECT_LE(box.right(), parts[k - 1].box.left()) << "at its base's upper left";
                } else {
                    EXPECT_GE(box.left(), parts[k - 1].box.right());
                }
            } else if (parts[k].role == FormulaRole::Subscript) {
                EXPECT_GT(parts[k].baseline, 0) << "below the letter, which these rows set at 0";
            }
        }
        for (const FormulaText& text : layout.texts) {
            const QChar c = text.text.front();
            EXPECT_EQ(text.font.italic(),
                      text.text.size() == 1 && c.isLetter() && c.unicode() < 128);
            // The rows' primes all have an exponent after them, which must not come between.
            const double middle = text.at.x() + text.width / 2;
            EXPECT_TRUE(c != u'′' || std::ranges::any_of(parts, [&](const FormulaPart& part) {
                            return part.role == FormulaRole::Base && part.box.left() < middle &&
                                   middle < part.box.right();
                        }));
            // Mirrored, the letters and digits are the Arabic books': no x, a, b, c or 0 to 9.
            EXPECT_FALSE(mirrored && text.text.contains(QRegularExpression("[xabc0-9]")))
                << text.text.toStdString();
        }
        EXPECT_TRUE(BracketsOpenInward(layout.texts));
        // Painted, the ink stays inside the formula's extent, so that nothing beside it is hit.
        const int margin = 8;
        QImage image(static_cast<int>(whole.width()) + 2 * margin,
                     static_cast<int>(whole.height()) + 2 * margin, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintFormula(painter, layout, {margin, margin + layout.ascent}, 0, image.width());
        painter.end();
        const QRectF room = whole.translated(margin, margin + layout.ascent).adjusted(-1, -1, 1, 1);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    ASSERT_TRUE(room.contains(QPointF(x + 0.5, y + 0.5))) << x << ',' << y;
                }
            }
        }
        // A bracket stretched to what it holds is painted that tall, not at the text's height.
        for (const FormulaText& text : layout.texts) {
            if (text.stretch > 1) {
                const int column = margin + static_cast<int>(text.at.x() + text.width / 2);
                int top = image.height(), bottom = -1;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = column - 1; x <= column + 1; ++x) {
                        if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                            top = std::min(top, y);
                            bottom = std::max(bottom, y);
                        }
                    }
                }
                EXPECT_GE(bottom - top, 0.6 * text.stretch * QFontMetricsF(text.font).height())
                    << text.text.toStdString() << " stretched by " << text.stretch;
                // ... and no taller than the fraction it holds, by a little.
                const double slack = 0.3 * QFontMetricsF(text.font).height();
                const double baseline = margin + layout.ascent;
                for (const FormulaPart& part : parts) {
                    if (part.role == FormulaRole::Numerator) {
                        EXPECT_GE(top, baseline + part.box.top() - slack);
                    } else if (part.role == FormulaRole::Denominator) {
                        EXPECT_LE(bottom, baseline + part.box.bottom() + slack);
                    } else if (part.role == FormulaRole::Exponent) {
                        // An exponent hangs at a tall bracket's shoulder, not above it.
                        EXPECT_GT(baseline + part.baseline, top);
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaLayoutTest,
    ::testing::Values(
        LayoutCase{"OneThird", {Fraction{N(u"1"), N(u"3")}}, 1, 0, 0},
        LayoutCase{"RootOfADiscriminant",
                   {SquareRoot{
                       Formula{Sum{std::nullopt,
                                   Formula{Power{Formula{Variable{u'b'}}, N(u"2")}},
                                   {{Sign::Minus, Formula{Product{{N(u"4"), Formula{Variable{u'a'}},
                                                                   Formula{Variable{u'c'}}}}}}}}}}},
                   0,
                   1,
                   1},
        LayoutCase{
            "SquareOfAGroup",
            {Power{Formula{Group{Formula{Sum{
                       std::nullopt, X(), {{Sign::Minus, Formula{Fraction{N(u"1"), N(u"3")}}}}}}}},
                   N(u"2")}},
            1,
            0,
            1},
        LayoutCase{"FractionOfARoot", RootsOver(u"2", u"124", u"20"), 1, 1, 0},
        LayoutCase{"DefaultEquationsRoots", RootsOver(u"1", u"31", u"10"), 1, 1, 0},
        // Measured in pieces, its ink still inside its extent.
        LayoutCase{"SquareOfALongNumber",
                   {Power{N(u"-0.11111111111111111111777777777777777777770000000000444"), N(u"2")}},
                   0,
                   0,
                   1},
        // 1.5 × 10 with the −7 raised; −10 to the 401 with no 1 before it.
        LayoutCase{"NumberWithAPowerOfTen", N(u"1.5E-07"), 0, 0, 1},
        LayoutCase{"CoefficientOfAPowerOfTen",
                   {Product{{N(u"-1E+401"), Formula{Power{X(), N(u"2")}}}}},
                   0,
                   0,
                   2},
        LayoutCase{"RootOverARoot",
                   {Fraction{Formula{SquareRoot{N(u"2")}}, Formula{SquareRoot{N(u"-3")}}}},
                   1,
                   2,
                   0},
        // Δ₁ < 0 upright; x₁,₂² with the 2 over the subscript; b′² with the 2 after the prime.
        LayoutCase{
            "SchoolLetters",
            {Chain{Formula{Variable{u'Δ', u"1"}},
                   {{Relation::Less, Formula{Power{Formula{Variable{u'x', u"1,2"}}, N(u"2")}}},
                    {Relation::Less, Formula{Power{Formula{Variable{u'b', {}, 1}}, N(u"2")}}}}}},
            0,
            0,
            2},
        LayoutCase{"NamedPointAndSets",
                   {List{{Formula{Product{{Formula{Variable{u'S'}},
                                           Formula{Group{Formula{List{{N(u"2,5"), N(u"-0,25")},
                                                                      ListSeparator::Bar}}}}}}},
                          Formula{Group{Formula{Fraction{N(u"1"), N(u"3")}}, Bracket::Brace}}}}},
                   1,
                   0,
                   0}),
    [](const auto& row) { return std::string(row.param.name); });

// x = (1 ± √31)/10 ≈ <last>, as the roots' line ends.
Formula RootsNear(const char16_t* last) {
    return {Chain{
        X(),
        {{Relation::Equals, RootsOver(u"1", u"31", u"10")}, {Relation::Approximately, N(last)}}}};
}

struct WrapCase {
    const char* name;
    const char16_t* words;
    std::vector<Formula> formulas;
    FormulaScript script = FormulaScript::Latin;
};

// Lines wrapped just after the first formula's last relation, and where every piece breaks.
class WorkingRowsTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WorkingRowsTest, KeepTheLastValueWithItsRelationAndEachRowAsTallAsItsContent) {
    const QFont font("DejaVu Sans", 14);
    const LaidOutLine line = LayOutLine({QString::fromUtf16(GetParam().words),
                                         GetParam().formulas,
                                         {},
                                         {},
                                         false,
                                         GetParam().script},
                                        font);
    // The first formula's last piece as it reads: its rightmost, or its leftmost if mirrored.
    const FormulaLayout& first = line.formulas.front();
    // Each piece takes up where the one before it ends, leftward if the formula is mirrored.
    for (std::size_t i = 1; i < line.pieces.size(); ++i) {
        const LinePiece &before = line.pieces[i - 1], &piece = line.pieces[i];
        EXPECT_TRUE(piece.formula != before.formula || piece.formula < 0 ||
                    (first.mirrored ? piece.to == before.from : piece.from == before.to));
    }
    const auto isLastValue = [&](const LinePiece& piece) {
        return piece.formula == 0 && (first.mirrored ? piece.from == 0 : piece.to == first.width);
    };
    double room = 1;
    for (std::size_t i = 0; !isLastValue(line.pieces[i]); ++i) {
        room += line.pieces[i].width;
    }
    const auto last = RowsOf(line, room).back().pieces.front().first;
    EXPECT_FALSE(isLastValue(line.pieces[last]))
        << "the value after the relation alone on the last row";
    const auto tall = std::ranges::count_if(RowsOf(line, 1), [&](const LineRow& row) {
        return row.ascent + row.descent > QFontMetricsF(font).height() + 1;
    });
    EXPECT_EQ(tall, 1) << "only the fraction's row stands taller than a row of words";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WorkingRowsTest,
    ::testing::Values(
        WrapCase{"Roots", u"Roots: %1", {RootsNear(u"0")}},
        WrapCase{"Both", u"Both roots: %1 or x = %2", {RootsNear(u"-0.5"), N(u"1")}},
        WrapCase{"Mirrored", u"Roots: %1", {RootsNear(u"0")}, FormulaScript::ArabicMirrored}),
    [](const auto& row) { return std::string(row.param.name); });

// x² − 5x + 6 = 0 read from the right as the Mashriq's books print it: س٢ − ٥س + ٦ = ٠.
TEST(MirroredFormulaTest, ReadsFromTheRightInArabicLettersAndDigits) {
    const Formula equation{Chain{
        Formula{Sum{std::nullopt,
                    Formula{Power{X(), N(u"2")}},
                    {{Sign::Minus, Formula{Product{{N(u"5"), X()}}}}, {Sign::Plus, N(u"6")}}}},
        {{Relation::Equals, N(u"0")}}}};
    FormulaLayout layout =
        LayOut(equation, QFont("DejaVu Sans", 12), FormulaScript::ArabicMirrored);
    std::ranges::sort(layout.texts, std::greater{}, [](const FormulaText& t) { return t.at.x(); });
    QString fromTheRight;
    for (const FormulaText& text : layout.texts) {
        fromTheRight += text.text;
    }
    EXPECT_EQ(fromTheRight, u"س٢−٥س+٦=٠");
}

} // namespace
} // namespace veltrix::ui::testing
