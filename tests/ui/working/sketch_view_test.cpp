// The sketch as a screen reader tells it, and as it looks under a right-to-left language.
#include "ui/working/sketch_view.hpp"
#include "ui_test_support.hpp"

#include <QAction>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>

namespace veltrix::ui::testing {
namespace {

using Kind = SketchPointKind;

struct DescriptionCase {
    const char* equation;
    SketchInput input;
    QString said;
};

void PrintTo(const DescriptionCase& c, std::ostream* os) {
    *os << c.equation;
}

class SketchDescriptionTest : public VeltrixTest,
                              public ::testing::WithParamInterface<DescriptionCase> {};

TEST_P(SketchDescriptionTest, TellsAScreenReaderWhatItShows) {
    SketchView view(app);
    view.ShowSketch(GetParam().input);
    EXPECT_EQ(view.accessibleDescription(), GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Equations, SketchDescriptionTest,
    ::testing::Values(
        // The roots from left to right, whichever Calculate shows first.
        DescriptionCase{"10X^2-2X-3", DefaultEquationSketch(),
                        "Parabola, minimum at (0.1, −3.1), roots at −0.46 and 0.66, crosses the y "
                        "axis at (0, −3)"},
        DescriptionCase{"-X^2+2X",
                        {u"-1",
                         u"2",
                         u"0",
                         {{Kind::Maximum, u"1", u"1", u"(1, 1)"},
                          {Kind::Root, u"0", u"0", u"0"},
                          {Kind::Root, u"2", u"0", u"2"},
                          {Kind::YIntercept, u"0", u"0", u"(0, 0)"}}},
                        "Parabola, maximum at (1, 1), roots at 0 and 2, crosses the y axis at "
                        "(0, 0)"},
        DescriptionCase{"X^2+2X+50",
                        {u"1",
                         u"2",
                         u"50",
                         {{Kind::Minimum, u"-1", u"49", u"(-1, 49)"},
                          {Kind::YIntercept, u"0", u"50", u"(0, 50)"}},
                         true},
                        "Parabola, minimum at (−1, 49), no real roots, crosses the y axis at "
                        "(0, 50), x axis far below the curve, not to scale"},
        DescriptionCase{
            "0X^2+2X-4",
            {u"0",
             u"2",
             u"-4",
             {{Kind::LineRoot, u"2", u"0", u"2"}, {Kind::YIntercept, u"0", u"-4", u"(0, -4)"}}},
            "Straight line, root at 2, crosses the y axis at (0, −4)"},
        DescriptionCase{"0X^2+0X+3",
                        {u"0", u"0", u"3", {{Kind::YIntercept, u"0", u"3", u"(0, 3)"}}},
                        "Straight line, no root, crosses the y axis at (0, 3)"}),
    [](const auto& row) { return std::to_string(row.index); });

// A drawing in the plane: the same picture, its numbers still written from the left, when the
// application turns to read from the right.
TEST_F(VeltrixTest, SketchIsNeverMirrored) {
    SketchView view(app);
    view.ShowSketch(DefaultEquationSketch());
    const QImage leftToRight = view.grab().toImage();
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(view.grab().toImage(), leftToRight);
}

// Copied, or saved as PNG or SVG, the sketch is black ink on white paper, which prints, though the
// theme is dark; the view itself stays dark.
TEST_F(VeltrixTest, SketchPictureIsInkOnWhitePaperOnADarkTheme) {
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEC));
    QApplication::setPalette(dark);
    SketchView view(app);
    view.ShowSketch(DefaultEquationSketch());
    EXPECT_EQ(view.grab().toImage().pixel(1, 1), dark.color(QPalette::Base).rgb());
    view.findChild<QAction*>("CopyPicture")->trigger();
    std::vector<QImage> pictures{QGuiApplication::clipboard()->image()};
    QTemporaryDir folder;
    for (const char* name : {"sketch.png", "sketch.svg"}) {
        files.answer = SaveTarget{folder.filePath(name), {}};
        view.findChild<QAction*>("SavePicture")->trigger();
        pictures.emplace_back(folder.filePath(name));
    }
    const auto byGrey = [](QRgb left, QRgb right) { return qGray(left) < qGray(right); };
    for (const QImage& picture : pictures) {
        const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
        const auto* begin = reinterpret_cast<const QRgb*>(pixels.constBits());
        EXPECT_EQ(pixels.pixel(1, 1), qRgb(255, 255, 255));
        EXPECT_LT(qGray(*std::min_element(begin, begin + pixels.sizeInBytes() / 4, byGrey)), 64);
    }
}

} // namespace
} // namespace veltrix::ui::testing
