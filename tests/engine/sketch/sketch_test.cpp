// The sketch of each equation, checked as a reader would look at it: every point of interest in
// the picture where the axes' numbers say it is, on the curve, and its label apart from every
// other text and mark; and the same sketch as TikZ, compiled by pdflatex.
#include "engine/sketch/sketch.hpp"
#include "engine/sketch/sketch_tikz.hpp"
#include "test_text.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace veltrix {
namespace {

using testing::Utf8;
using Kind = SketchPointKind;

struct SketchCase {
    const char* equation; // names the row
    SketchInput input;
    bool everyPointLabelled;
    // A label that has room right above its point, where a maximum's label goes first.
    const char16_t* labelAbove = nullptr;
};

void PrintTo(const SketchCase& c, std::ostream* os) {
    *os << c.equation;
}

// The working's values, written out by hand: the roots of 10x² − 2x − 3 are (1 ± √31)/10, those
// of x² − 400x + 1 are 200 ± √39999.
const std::u16string kTen400 = u"1" + std::u16string(400, u'0');
const SketchCase kCases[] = {
    {"10X^2-2X-3",
     {u"10",
      u"-2",
      u"-3",
      {{Kind::Minimum, u"0.1", u"-3.1", u"(0.1, -3.1)"},
       {Kind::Root, u"0.65677643628300219", u"0", u"0.66"},
       {Kind::Root, u"-0.45677643628300219", u"0", u"-0.46"},
       {Kind::YIntercept, u"0", u"-3", u"(0, -3)"}}},
     true},
    {"10X^2-2X-3 with a decimal comma",
     {u"10",
      u"-2",
      u"-3",
      {{Kind::Minimum, u"0.1", u"-3.1", u"(0,1; -3,1)"},
       {Kind::Root, u"0.65677643628300219", u"0", u"0,66"},
       {Kind::Root, u"-0.45677643628300219", u"0", u"-0,46"},
       {Kind::YIntercept, u"0", u"-3", u"(0; -3)"}},
      false,
      u','},
     true},
    {"x^2-5x+6 as German schools name and write its points",
     {u"1",
      u"-5",
      u"6",
      {{Kind::Minimum, u"2.5", u"-0.25", u"S(2,5 | -0,25)"},
       {Kind::Root, u"3", u"0", u"3"},
       {Kind::Root, u"2", u"0", u"2"},
       {Kind::YIntercept, u"0", u"6", u"(0 | 6)"}},
      false,
      u','},
     true},
    {"X^2-400X+1",
     {u"1",
      u"-400",
      u"1",
      {{Kind::Minimum, u"200", u"-39999", u"(200, -39999)"},
       {Kind::Root, u"399.99749998437422", u"0", u"400"},
       {Kind::Root, u"0.0025000156257812", u"0", u"0"},
       {Kind::YIntercept, u"0", u"1", u"(0, 1)"}}},
     true},
    {"X^2-2X+1",
     {u"1",
      u"-2",
      u"1",
      {{Kind::Minimum, u"1", u"0", u"(1, 0)"},
       {Kind::DoubleRoot, u"1", u"0", u"1"},
       {Kind::YIntercept, u"0", u"1", u"(0, 1)"}}},
     true},
    {"X^2+2X+5",
     {u"1",
      u"2",
      u"5",
      {{Kind::Minimum, u"-1", u"4", u"(-1, 4)"}, {Kind::YIntercept, u"0", u"5", u"(0, 5)"}},
      true},
     true},
    {"-X^2-X+2",
     {u"-1",
      u"-1",
      u"2",
      {{Kind::Maximum, u"-0.5", u"2.25", u"(-0.5, 2.25)"},
       {Kind::Root, u"-2", u"0", u"-2"},
       {Kind::Root, u"1", u"0", u"1"},
       {Kind::YIntercept, u"0", u"2", u"(0, 2)"}}},
     true},
    {"-X^2+2X+3",
     {u"-1",
      u"2",
      u"3",
      {{Kind::Maximum, u"1", u"4", u"(1, 4)"},
       {Kind::Root, u"3", u"0", u"3"},
       {Kind::Root, u"-1", u"0", u"-1"},
       {Kind::YIntercept, u"0", u"3", u"(0, 3)"}}},
     true,
     u"(1, 4)"},
    {"0X^2+2X-4",
     {u"0",
      u"2",
      u"-4",
      {{Kind::LineRoot, u"2", u"0", u"2"}, {Kind::YIntercept, u"0", u"-4", u"(0, -4)"}}},
     true},
    {"X^2",
     {u"1",
      u"0",
      u"0",
      {{Kind::Minimum, u"0", u"0", u"(0, 0)"},
       {Kind::DoubleRoot, u"0", u"0", u"0"},
       {Kind::YIntercept, u"0", u"0", u"(0, 0)"}}},
     true},
    // The turning point at x = 0 on an x axis in units of 10^-500: a zero stays 0 at any scale.
    {"1E500X^2+1E-500",
     {u"1E+500",
      u"0",
      u"1E-500",
      {{Kind::Minimum, u"0", u"1E-500", u"(0, 0)"}, {Kind::YIntercept, u"0", u"1E-500", u"(0, 0)"}},
      true},
     true},
    // Roots and turning point beyond the doubles; the rounded texts are too long for any place.
    {"1E-400X^2-X",
     {u"1E-400",
      u"-1",
      u"0",
      {{Kind::Minimum, u"5E+399", u"-2.5E+399", u"(5E+399, -2.5E+399)"},
       {Kind::Root, u"1E+400", u"0", kTen400},
       {Kind::Root, u"0", u"0", u"0"},
       {Kind::YIntercept, u"0", u"0", u"(0, 0)"}}},
     false},
    {"X^2+0.1X+100000",
     {u"1",
      u"0.1",
      u"100000",
      {{Kind::Minimum, u"-0.05", u"99999.9975", u"(-0.05, 100000)"},
       {Kind::YIntercept, u"0", u"100000", u"(0, 100000)"}}},
     true},
    {"-X^2-0.1X-100000",
     {u"-1",
      u"-0.1",
      u"-100000",
      {{Kind::Maximum, u"-0.05", u"-99999.9975", u"(-0.05, -100000)"},
       {Kind::YIntercept, u"0", u"-100000", u"(0, -100000)"}}},
     true},
    {"2X^2+3X-2",
     {u"2",
      u"3",
      u"-2",
      {{Kind::Minimum, u"-0.75", u"-3.125", u"(-0.75, -3.12)"},
       {Kind::Root, u"0.5", u"0", u"0.5"},
       {Kind::Root, u"-2", u"0", u"-2"},
       {Kind::YIntercept, u"0", u"-2", u"(0, -2)"}}},
     true},
    {"X^2-5X+6",
     {u"1",
      u"-5",
      u"6",
      {{Kind::Minimum, u"2.5", u"-0.25", u"(2.5, -0.25)"},
       {Kind::Root, u"3", u"0", u"3"},
       {Kind::Root, u"2", u"0", u"2"},
       {Kind::YIntercept, u"0", u"6", u"(0, 6)"}}},
     true},
    {"1E-401X^2+X+1",
     {u"1E-401",
      u"1",
      u"1",
      {{Kind::Minimum, u"-5E+400", u"-2.5E+400", u"(-5E+400, -2.5E+400)"},
       {Kind::Root, u"-1", u"0", u"-1"},
       {Kind::Root, u"-1E+401", u"0", u"-1E+401"},
       {Kind::YIntercept, u"0", u"1", u"(0, 1)"}}},
     true},
    {"X^2-2 at 0 places",
     {u"1",
      u"0",
      u"-2",
      {{Kind::Minimum, u"0", u"-2", u"(0, -2)"},
       {Kind::Root, u"1.4142135623730951", u"0", u"1"},
       {Kind::Root, u"-1.4142135623730951", u"0", u"-1"},
       {Kind::YIntercept, u"0", u"-2", u"(0, -2)"}}},
     true},
    {"1000000X^2-1",
     {u"1000000",
      u"0",
      u"-1",
      {{Kind::Minimum, u"0", u"-1", u"(0, -1)"},
       {Kind::Root, u"0.001", u"0", u"0"},
       {Kind::Root, u"-0.001", u"0", u"0"},
       {Kind::YIntercept, u"0", u"-1", u"(0, -1)"}}},
     true},
    {"0.01X^2+X+1",
     {u"0.01",
      u"1",
      u"1",
      {{Kind::Minimum, u"-50", u"-24", u"(-50, -24)"},
       {Kind::Root, u"-1.0102051443364381", u"0", u"-1.01"},
       {Kind::Root, u"-98.989794855663562", u"0", u"-98.99"},
       {Kind::YIntercept, u"0", u"1", u"(0, 1)"}}},
     true},
};

// A window's font: about half a line wide a character.
TextExtent Monospace(std::u16string_view text) {
    return {0.55 * static_cast<double>(text.size()), 1.0};
}

SketchPlan PlanOf(const SketchInput& input, const MeasureText& measure) {
    const SketchOutcome outcome = PlanSketch(input, measure);
    EXPECT_TRUE(std::holds_alternative<SketchPlan>(outcome));
    return std::holds_alternative<SketchPlan>(outcome) ? std::get<SketchPlan>(outcome)
                                                       : SketchPlan{};
}

MeasureText LatexMeasure(char16_t separator) {
    return [separator](std::u16string_view text) { return LatexTextExtent(text, separator); };
}

long double Value(std::u16string_view text, char16_t separator) {
    std::string ascii = std::regex_replace(Utf8(text), std::regex("\u2212"), "-");
    std::replace(ascii.begin(), ascii.end(), static_cast<char>(separator), '.');
    long double value = 0;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return value;
}

// Every text drawn, with its box.
std::vector<std::pair<std::u16string, PictureBox>> Texts(const SketchPlan& plan) {
    std::vector<std::pair<std::u16string, PictureBox>> texts;
    for (const SketchAxis* axis : {&plan.xAxis, &plan.yAxis}) {
        for (const SketchTick& tick : axis->ticks) {
            if (tick.numberBox) {
                texts.emplace_back(tick.number, *tick.numberBox);
            }
        }
    }
    for (const SketchMark& mark : plan.marks) {
        if (mark.labelBox && !mark.sharedLabel) {
            texts.emplace_back(mark.label, *mark.labelBox);
        }
    }
    return texts;
}

bool Overlap(const PictureBox& a, const PictureBox& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

bool InPicture(PicturePoint p, double margin) {
    return p.x >= margin && p.y >= margin && p.x <= kSketchWidth - margin &&
           p.y <= kSketchHeight - margin;
}

double DistanceToSegment(PicturePoint p, PicturePoint a, PicturePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    const double t =
        length == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double DistanceToCurve(const SketchPlan& plan, PicturePoint p) {
    double nearest = INFINITY;
    for (const std::vector<PicturePoint>& polyline : plan.curve) {
        for (std::size_t i = 1; i < polyline.size(); ++i) {
            nearest = std::min(nearest, DistanceToSegment(p, polyline[i - 1], polyline[i]));
        }
    }
    return nearest;
}

// What a mark's label says along an axis: a root's its x, at y = 0; a point's its coordinate.
std::u16string Shown(const SketchMark& mark, bool horizontal) {
    const std::size_t comma = mark.label.find(u", ");
    if (comma == std::u16string::npos) {
        return horizontal ? mark.label : u"0";
    }
    return horizontal ? mark.label.substr(1, comma - 1)
                      : mark.label.substr(comma + 2, mark.label.size() - comma - 3);
}

// The ticks are round steps apart, and the numbers they carry place each point where it is.
void ExpectAxisReads(const SketchAxis& axis, bool horizontal, const SketchCase& c,
                     const SketchPlan& plan) {
    std::vector<std::pair<double, long double>> read; // position, value
    for (const SketchTick& tick : axis.ticks) {
        read.emplace_back(tick.at, Value(tick.number, c.input.separator));
        EXPECT_EQ(tick.number.find(c.input.separator == u',' ? u'.' : u','), std::u16string::npos);
    }
    // Two numbers read the axis: its ticks', or a labelled root's on the x axis.
    const auto numbered =
        std::count_if(axis.ticks.begin(), axis.ticks.end(),
                      [](const SketchTick& t) { return t.numberBox.has_value(); });
    const auto roots =
        std::count_if(plan.marks.begin(), plan.marks.end(), [&](const SketchMark& m) {
            return horizontal && m.labelBox && Shown(m, false) == u"0";
        });
    ASSERT_TRUE(numbered >= 2 || (numbered == 1 && roots >= 1));
    long double step = INFINITY; // the ticks leave out 0, where the axes cross
    for (std::size_t i = 1; i < read.size(); ++i) {
        step = std::min(step, read[i].second - read[i - 1].second);
    }
    const long double leading = step / std::pow(10.0L, std::floor(std::log10(step)));
    EXPECT_TRUE(std::fabs(leading - 1) < 1e-9 || std::fabs(leading - 2) < 1e-9 ||
                std::fabs(leading - 5) < 1e-9)
        << "step " << static_cast<double>(step);
    const auto [p0, v0] = read.front();
    const auto [p1, v1] = read.back();
    // Never mirrored: x grows to the right, y upward.
    EXPECT_EQ((v1 - v0) / (p1 - p0) > 0, horizontal);
    for (std::size_t i = 0; i < c.input.points.size(); ++i) {
        const SketchPoint& point = c.input.points[i];
        const double at = horizontal ? plan.marks[i].at.x : plan.marks[i].at.y;
        const long double value = v0 + (at - p0) * (v1 - v0) / (p1 - p0);
        const long double exact = Value(horizontal ? point.x : point.y, u'.');
        EXPECT_LE(std::fabs(value - exact), std::fabs(v1 - v0) * 1e-9L)
            << Utf8(point.label) << (horizontal ? " x" : " y");
    }
}

// Whether a line of the picture passes through the box, to a fiftieth of a unit.
bool MeetsALine(const SketchPlan& plan, const PictureBox& box) {
    auto lines = plan.curve;
    lines.insert(
        lines.end(),
        {plan.axisBreak, {plan.xAxis.from, plan.xAxis.to}, {plan.yAxis.from, plan.yAxis.to}});
    for (const std::vector<PicturePoint>& line : lines) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            const auto [a, b] = std::pair(line[i - 1], line[i]);
            for (double t = 0; t <= 1;
                 t += 0.02 / std::max(0.02, std::hypot(b.x - a.x, b.y - a.y))) {
                if (Overlap(box, {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, 0, 0})) {
                    return true;
                }
            }
        }
    }
    return false;
}

// A label's coordinate reads as its own value, or as no number the axis or another label shows.
void ExpectNoLabelMisread(const SketchCase& c, const SketchPlan& plan, bool horizontal) {
    std::vector<long double> shown{0};
    for (const SketchTick& tick : (horizontal ? plan.xAxis : plan.yAxis).ticks) {
        shown.push_back(Value(tick.number, u'.'));
    }
    for (const SketchMark& mark : plan.marks) {
        shown.push_back(Value(Shown(mark, horizontal), u'.'));
    }
    for (std::size_t i = 0; i < plan.marks.size(); ++i) {
        const long double value = shown[shown.size() - plan.marks.size() + i];
        const SketchPoint& point = c.input.points[i];
        const long double exact = Value(horizontal ? point.x : point.y, u'.');
        EXPECT_TRUE(std::fabs(value - exact) <= std::fabs(exact) * 1e-12L ||
                    std::count(shown.begin(), shown.end(), value) == 1)
            << Utf8(plan.marks[i].label) << " reads as another number";
    }
}

// A parabola reaches across a fifth of the picture's height and width: its bend shows.
void ExpectBend(const std::vector<PicturePoint>& curve) {
    const auto [top, bottom] = std::minmax_element(
        curve.begin(), curve.end(), [](PicturePoint p, PicturePoint q) { return p.y < q.y; });
    const auto [left, right] = std::minmax_element(
        curve.begin(), curve.end(), [](PicturePoint p, PicturePoint q) { return p.x < q.x; });
    EXPECT_GE(bottom->y - top->y, kSketchHeight / 5);
    EXPECT_GE(right->x - left->x, kSketchWidth / 5);
}

void ExpectSound(const SketchCase& c, const SketchPlan& plan) {
    ASSERT_EQ(plan.marks.size(), c.input.points.size());
    for (const SketchMark& mark : plan.marks) {
        EXPECT_TRUE(InPicture(mark.at, kSketchMarkRadius)) << Utf8(mark.label);
        EXPECT_LT(DistanceToCurve(plan, mark.at), 0.01) << Utf8(mark.label) << " off the curve";
        EXPECT_TRUE(mark.labelBox || !c.everyPointLabelled) << Utf8(mark.label) << " unlabelled";
        const double axis = plan.yAxis.from.x;
        if (mark.labelBox && std::fabs(mark.at.x - axis) > kSketchMarkRadius) {
            EXPECT_EQ(mark.labelBox->left + mark.labelBox->width / 2 < axis, mark.at.x < axis)
                << Utf8(mark.label) << " stands across the y axis from its point";
        }
        if (c.labelAbove && mark.label == c.labelAbove) {
            ASSERT_TRUE(mark.labelBox);
            const PictureBox& box = *mark.labelBox;
            EXPECT_NEAR(box.left + box.width / 2, mark.at.x, 1e-9) << Utf8(mark.label);
            EXPECT_LE(box.Bottom(), mark.at.y - kSketchMarkRadius)
                << Utf8(mark.label) << " is not above its point";
        }
    }
    for (const std::vector<PicturePoint>& polyline : plan.curve) {
        EXPECT_TRUE(std::all_of(polyline.begin(), polyline.end(),
                                [](PicturePoint p) { return InPicture(p, 0); }));
    }
    const auto texts = Texts(plan);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto& [text, box] = texts[i];
        EXPECT_TRUE(InPicture({box.left, box.top}, 0) && InPicture({box.Right(), box.Bottom()}, 0))
            << Utf8(text) << " leaves the picture";
        EXPECT_FALSE(MeetsALine(plan, box)) << Utf8(text) << " meets a line";
        EXPECT_FALSE(std::regex_search(Utf8(text), std::regex("(^|[^E])-"))) << Utf8(text);
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(Overlap(box, texts[j].second))
                << Utf8(text) << " overlaps " << Utf8(texts[j].first);
        }
        for (const SketchMark& mark : plan.marks) {
            const double r = kSketchMarkRadius;
            EXPECT_FALSE(Overlap(box, {mark.at.x - r, mark.at.y - r, 2 * r, 2 * r}))
                << Utf8(text) << " covers the mark of " << Utf8(mark.label);
        }
    }
    ExpectAxisReads(plan.xAxis, true, c, plan);
    ExpectAxisReads(plan.yAxis, false, c, plan);
    if (c.input.separator == u'.') {
        ExpectNoLabelMisread(c, plan, true);
        ExpectNoLabelMisread(c, plan, false);
    }
    if (plan.shape == SketchCurve::Parabola) {
        ExpectBend(plan.curve.front());
    }
}

class SketchTest : public ::testing::TestWithParam<SketchCase> {};

TEST_P(SketchTest, ShowsEveryPointWhereItsAxesSayWithLabelsApart) {
    const SketchCase& c = GetParam();
    for (const MeasureText& measure : {MeasureText(Monospace), LatexMeasure(c.input.separator)}) {
        const SketchPlan plan = PlanOf(c.input, measure);
        ExpectSound(c, plan);
        EXPECT_EQ(plan.shape, c.input.a == u"0" ? SketchCurve::Line : SketchCurve::Parabola);
    }
}

// Each text of the picture, set as the picture sets it, fits the box the plan gave it; a wider
// one stops pdflatex with its name.
std::string WidthChecks(const SketchPlan& plan) {
    std::ostringstream checks;
    for (const auto& [text, box] : Texts(plan)) {
        checks << "\\setbox0=\\hbox{" << Utf8(kTikzFont) << '$'
               << Utf8(LatexText(text, plan.separator)) << "$}\n\\ifdim\\wd0>"
               << box.width * kTikzCentimetresPerUnit << "cm\\errmessage{too wide: " << Utf8(text)
               << "}\\fi\n\\ifdim\\dimexpr\\ht0+\\dp0\\relax>"
               << box.height * kTikzCentimetresPerUnit << "cm\\errmessage{too tall: " << Utf8(text)
               << "}\\fi\n";
    }
    return checks.str();
}

TEST_P(SketchTest, TikzCompilesWithPdflatexAndItsTextsFitTheirPlaces) {
    const SketchCase& c = GetParam();
    ASSERT_TRUE(std::filesystem::exists(VELTRIX_PDFLATEX))
        << "pdflatex is needed: Debian's texlive-latex-base and texlive-pictures";
    const SketchPlan plan = PlanOf(c.input, LatexMeasure(c.input.separator));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("veltrix-sketch-" + std::to_string(getpid()) + "-" + testing::NameText(c.equation));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "sketch.tex")
        << "\\documentclass{article}\n\\usepackage{tikz}\n\\begin{document}\n"
        << Utf8(TikzPicture(plan)) << WidthChecks(plan) << "\\end{document}\n";
    const std::string command = "cd '" + folder.string() +
                                "' && '" VELTRIX_PDFLATEX
                                "' -interaction=nonstopmode -halt-on-error -no-shell-escape "
                                "sketch.tex > output.txt 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream output(folder / "output.txt");
    EXPECT_EQ(status, 0) << std::string(std::istreambuf_iterator<char>(output), {});
    EXPECT_TRUE(std::filesystem::exists(folder / "sketch.pdf"));
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Equations, SketchTest, ::testing::ValuesIn(kCases), [](const auto& row) {
    return testing::RowName(row.index, {row.param.equation});
});

// A power of ten as a textbook writes it, a bare 1 before it left out but no other digit; and a
// point as a German school names it and sets its coordinates apart.
TEST(SketchTikzTest, WritesPowersOfTenAsATextbookDoes) {
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"1E+400", "10^{400}"},
        {u"\u22121E-401", "-10^{-401}"},
        {u"(5E+399; 11E+4)", "(5\\times 10^{399}; 11\\times 10^{4})"},
        {u"2,1E-07; 0,1E-07", "2{,}1\\times 10^{-7}; 0{,}1\\times 10^{-7}"},
        {u"S(2,5 | \u22120,25)", "S(2{,}5 \\mid{} -0{,}25)"},
    };
    for (const auto& [text, latex] : rows) {
        EXPECT_EQ(Utf8(LatexText(text, u',')), latex);
    }
}

} // namespace
} // namespace veltrix
