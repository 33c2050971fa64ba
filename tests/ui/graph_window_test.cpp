// The Plot button and the Graph window, driven as a person would: the equation typed, Plot
// clicked, and the window's pixels read back as the screen would show them.
#include "ui/graph_window.hpp"
#include "ui_test_support.hpp"

#include <QImage>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace veltrix::ui::testing {
namespace {

// At scale 1, 1 cm is 37.8 pixels and a line covers the pixel at the right of and below its
// point: the axes run along pixel row and column 189 (5 cm).
constexpr int kAxis = 189;
constexpr QPoint kDefaultLowest{192, 306};       // (5.1, 8.1) cm
constexpr QPoint kXSquaredPlusXLowest{170, 198}; // (4.5, 5.25) cm

class PlotTest : public VeltrixTest {
  protected:
    void PlotEquation(const QString& equation) {
        TypeEquation(equation);
        Click(*mainWindow, "Command2");
    }

    GraphWindow* Graph() { return app.Windows().Find<GraphWindow>(); }

    // The window's client area as it appears on the screen.
    QImage Screen() {
        GraphWindow* graph = Graph();
        if (graph == nullptr) {
            ADD_FAILURE() << "no Graph window";
            return {};
        }
        return graph->grab().toImage();
    }

    static bool IsBlack(const QImage& image, QPoint p) { return image.pixel(p) == qRgb(0, 0, 0); }

    static bool IsWhite(const QImage& image, QPoint p) {
        return image.pixel(p) == qRgb(255, 255, 255);
    }

    // Whether any of the pixels within one of `p` is black: where the rounding of a point's
    // pixel falls exactly is the painter's business.
    static bool BlackNear(const QImage& image, QPoint p) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (IsBlack(image, p + QPoint(dx, dy))) {
                    return true;
                }
            }
        }
        return false;
    }

    // A Graph window given only the axes and ticks, at the size of the one on the screen.
    QImage AxesOnly() {
        GraphWindow reference(app);
        reference.resize(Graph()->size());
        reference.DrawLines(kAxesAndTicks);
        return reference.grab().toImage();
    }
};

TEST_F(PlotTest, GraphWindowOpensAtItsPlaceWithTheDefaultCurve) {
    Click(*mainWindow, "Command2");
    GraphWindow* graph = Graph();
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->windowTitle(), QStringLiteral("Graph"));
    EXPECT_EQ(graph->size(), QSize(378, 359)); // 5670 by 5385 twips
    EXPECT_TRUE(messages.prompts.isEmpty());

    const QImage screen = Screen();
    EXPECT_TRUE(IsBlack(screen, {kAxis, 20}));
    EXPECT_TRUE(IsBlack(screen, {kAxis, 340}));
    EXPECT_TRUE(IsBlack(screen, {20, kAxis}));
    EXPECT_TRUE(IsBlack(screen, {360, kAxis}));
    // The tick for x = 1 at 6 cm (pixel 226.8) runs from 4.85 to 5.15 cm, and no further.
    EXPECT_TRUE(IsBlack(screen, {226, 185}));
    EXPECT_TRUE(IsBlack(screen, {226, 193}));
    EXPECT_TRUE(IsWhite(screen, {226, 180}));
    EXPECT_TRUE(IsWhite(screen, {226, 197}));
    // The lowest point of the parabola, with nothing below it.
    EXPECT_TRUE(BlackNear(screen, kDefaultLowest));
    EXPECT_TRUE(IsWhite(screen, kDefaultLowest + QPoint(0, 4)));
    EXPECT_TRUE(IsWhite(screen, {300, 300}));
}

// Also run with the screen scaled by 2 (see CMakeLists.txt): the picture has the screen's
// resolution, and a line stays one device pixel wide.
TEST_F(PlotTest, LinesAreOneDevicePixelWideAtTheScreenScale) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    const QImage screen = Screen();
    const qreal scale = Graph()->devicePixelRatioF();
    EXPECT_EQ(screen.devicePixelRatio(), scale);
    const int axis = static_cast<int>(std::floor(5 * 37.8 * scale));
    const int clear = static_cast<int>(20 * scale); // well away from the curve and the ticks
    EXPECT_TRUE(IsBlack(screen, {axis, clear}));
    EXPECT_TRUE(IsWhite(screen, {axis - 1, clear}));
    EXPECT_TRUE(IsWhite(screen, {axis + 1, clear}));
    EXPECT_TRUE(IsBlack(screen, {clear, axis}));
    EXPECT_TRUE(IsWhite(screen, {clear, axis - 1}));
    EXPECT_TRUE(IsWhite(screen, {clear, axis + 1}));
}

TEST_F(PlotTest, CurvesOfSuccessivePlotsAccumulate) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    PlotEquation(QStringLiteral("X^2+X"));
    const QImage screen = Screen();
    EXPECT_TRUE(BlackNear(screen, kDefaultLowest));
    EXPECT_TRUE(BlackNear(screen, kXSquaredPlusXLowest));
    EXPECT_TRUE(messages.prompts.isEmpty());
}

TEST_F(PlotTest, InvalidQuadraticNeverOpensTheWindow) {
    for (const char* equation : {"x^2-4", "2X^2+3x+1"}) {
        PlotEquation(QString::fromLatin1(equation));
        EXPECT_EQ(Graph(), nullptr) << equation;
    }
    EXPECT_EQ(messages.prompts, QStringList({QStringLiteral("Invalid Quadratic"),
                                             QStringLiteral("Invalid Quadratic")}));
}

TEST_F(PlotTest, NoRoomForTheXTermNeverOpensTheWindow) {
    PlotEquation(QStringLiteral("X^X+1"));
    EXPECT_EQ(Graph(), nullptr);
    EXPECT_EQ(messages.prompts, QStringList{kCalculateFailed});
}

TEST_F(PlotTest, CoefficientThatDoesNotConvertFailsAfterTheAxesAreDrawn) {
    PlotEquation(QStringLiteral("-X^2+2X+1"));
    ASSERT_NE(Graph(), nullptr);
    EXPECT_TRUE(Graph()->isVisible());
    EXPECT_EQ(messages.prompts, QStringList{kCalculateFailed});
    EXPECT_EQ(Screen(), AxesOnly());
}

TEST_F(PlotTest, FailedPlotKeepsEverythingDrawnBeforeIt) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    // y = 1e36·x² + 2.5e37·x + 4.6105e37 has a root at x = -2.005, where the curve jumps from
    // 1e35 cm below the window to 1e35 cm above it: a vertical line at 2.995 cm (pixel 113).
    // Its y passes the float range at x = 8.73, and there the Plot fails.
    PlotEquation(QStringLiteral("1E36X^2+2.5E37X+4.6105E37"));
    EXPECT_EQ(messages.prompts, QStringList{kCalculateFailed});
    const QImage screen = Screen();
    EXPECT_TRUE(BlackNear(screen, kDefaultLowest));
    for (const int y : {5, 100, 250, 350}) {
        EXPECT_TRUE(IsBlack(screen, {113, y})) << "row " << y;
        EXPECT_TRUE(IsWhite(screen, {115, y})) << "row " << y;
    }
}

TEST_F(PlotTest, ResizingShowsMoreOfTheSamePlane) {
    // The zero curve runs along the horizontal axis from -4.89 cm to 15.01 cm (pixel 567.4).
    PlotEquation(QStringLiteral("0X^2+0X+0"));
    GraphWindow& graph = *Graph();
    graph.resize(200, 150);
    graph.resize(700, 450);
    const QImage large = Screen();
    EXPECT_TRUE(IsBlack(large, {kAxis, 100}));
    EXPECT_TRUE(IsBlack(large, {566, kAxis}));
    EXPECT_TRUE(IsWhite(large, {570, kAxis}));
    // The vertical axis ends at 10 cm (pixel 378), with the tick for y = -5; the tick for x = 5
    // at the right end of the horizontal axis lay on the first window's edge.
    EXPECT_TRUE(IsBlack(large, {kAxis, 377}));
    EXPECT_TRUE(IsWhite(large, {kAxis, 381}));
    EXPECT_TRUE(IsBlack(large, {185, 378}));
    EXPECT_TRUE(IsBlack(large, {378, 181}));
    EXPECT_TRUE(IsBlack(large, {378, 197}));
}

// Grown a pixel at a time through every remainder of the picture's growth step, the window
// paints its last column and row from a picture that is never far larger than itself.
TEST_F(PlotTest, GrowingPaintsTheWholeWindowFromAPictureOfAboutItsSize) {
    GraphWindow& graph = app.Windows().MakeVisible<GraphWindow>();
    const GraphLine longAxes[] = {{{5, 0}, {5, 100}}, {{0, 5}, {100, 5}}};
    graph.DrawLines(longAxes);
    for (int grown = 0; grown <= 128; ++grown) {
        graph.resize(QSize(378, 359) + QSize(grown, grown));
        const QImage screen = Screen();
        const int right = graph.width() - 1;
        const int bottom = graph.height() - 1;
        ASSERT_TRUE(IsBlack(screen, {right, kAxis}) && IsWhite(screen, {right, kAxis + 3}) &&
                    IsBlack(screen, {kAxis, bottom}) && IsWhite(screen, {kAxis + 3, bottom}))
            << "at " << graph.width() << " x " << graph.height();
        ASSERT_LE(graph.PictureSize().width(), 2 * graph.width());
        ASSERT_LE(graph.PictureSize().height(), 2 * graph.height());
    }
}

// A Plot into a window already on the screen shows there without anything else happening: the
// window asks to be repainted. (grab() would paint on demand and see the curve regardless.)
TEST_F(PlotTest, APlotIntoAnOpenWindowReachesTheScreen) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Graph()));
    QCoreApplication::processEvents();
    PlotEquation(QStringLiteral("X^2+X"));
    QCoreApplication::processEvents();
    const QImage onScreen = Graph()->screen()->grabWindow(Graph()->winId()).toImage();
    EXPECT_TRUE(BlackNear(onScreen, kDefaultLowest));
    EXPECT_TRUE(BlackNear(onScreen, kXSquaredPlusXLowest));
}

TEST_F(PlotTest, ClosingTheWindowThrowsItsDrawingAway) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    Graph()->close();
    LetClosedWindowsGo();
    EXPECT_EQ(Graph(), nullptr);
    PlotEquation(QStringLiteral("X^2+X"));
    ASSERT_NE(Graph(), nullptr);
    EXPECT_EQ(Graph()->size(), QSize(378, 359));
    const QImage screen = Screen();
    EXPECT_FALSE(BlackNear(screen, kDefaultLowest));
    EXPECT_TRUE(BlackNear(screen, kXSquaredPlusXLowest));
}

// Qt's own clipping loses a line whose ends lie 1e15 pixels away in both directions; the window
// cuts each line to what can be seen first.
TEST_F(PlotTest, FarLinesAreDrawnOnTheirCourse) {
    GraphWindow& graph = app.Windows().MakeVisible<GraphWindow>();
    const GraphLine diagonal{{-1e30F, -1e30F}, {1e30F, 1e30F}};
    graph.DrawLines({&diagonal, 1});
    const QImage screen = Screen();
    for (const int i : {0, 10, 100, 189, 300, 358}) {
        EXPECT_TRUE(BlackNear(screen, {i, i})) << i;
        EXPECT_TRUE(IsWhite(screen, {i, std::max(0, i - 5)}) || i == 0) << i;
    }
}

TEST_F(PlotTest, SameCurveTwiceIsKeptOnce) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    const std::size_t once = Graph()->KeptLineCount();
    const QImage first = Screen();
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    EXPECT_EQ(Graph()->KeptLineCount(), once);
    EXPECT_EQ(once, kAxesAndTicks.size() + kCurvePointCount);
    EXPECT_EQ(Screen(), first);
}

TEST_F(PlotTest, DescriptionListsThePlottedEquationsInOrder) {
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    ASSERT_NE(Graph(), nullptr);
    EXPECT_EQ(Graph()->accessibleDescription(),
              QStringLiteral("Curves plotted, in order: 10X^2-2X-3"));

    // A plot that draws no curve adds nothing; a repeated equation is listed again.
    PlotEquation(QStringLiteral("-X^2+2X+1"));
    PlotEquation(QStringLiteral("X^2+X"));
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    EXPECT_EQ(Graph()->accessibleDescription(),
              QStringLiteral("Curves plotted, in order: 10X^2-2X-3; X^2+X; 10X^2-2X-3"));
}

TEST_F(PlotTest, DescriptionShortensAVeryLongEquation) {
    // a is 0.000…01 with 5,000 zeros: a long text, but a number all the same.
    const QString longEquation =
        QStringLiteral("0.") + QString(5000, QLatin1Char('0')) + QStringLiteral("1X^2+X");
    PlotEquation(longEquation);
    ASSERT_NE(Graph(), nullptr);
    const QString description = Graph()->accessibleDescription();
    EXPECT_TRUE(description.startsWith(QStringLiteral("Curves plotted, in order: 0.000")));
    EXPECT_TRUE(description.endsWith(QStringLiteral("…")));
    EXPECT_LT(description.size(), 200);
}

TEST_F(PlotTest, ClosedWindowForgetsItsDescription) {
    PlotEquation(QStringLiteral("X^2+X"));
    ASSERT_NE(Graph(), nullptr);
    Graph()->close();
    LetClosedWindowsGo();
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    ASSERT_NE(Graph(), nullptr);
    EXPECT_EQ(Graph()->accessibleDescription(),
              QStringLiteral("Curves plotted, in order: 10X^2-2X-3"));
}

} // namespace
} // namespace veltrix::ui::testing
