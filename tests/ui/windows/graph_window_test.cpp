// The Plot button and the Graph window, driven as a person would: the equation typed, Plot
// clicked, and the window's pixels read back as the screen would show them.
#include "engine/core/engine.hpp"
#include "ui/windows/graph_window.hpp"
#include "ui/working/sketch_view.hpp"
#include "ui_test_support.hpp"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

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

    // Makes the Graph window the active one, where its shortcuts work.
    void ActivateGraph() {
        Graph()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Graph()));
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
// paints its last column and row.
TEST_F(PlotTest, GrowingPaintsTheWholeWindow) {
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
    }
}

// The picture a growing window paints from grows in steps, and never far beyond the window.
TEST(GraphPictureTest, CoversAGrowingWindowWithoutGrowingFarBeyondIt) {
    GraphPicture picture(kPixelsPerCentimetre);
    for (const qreal scale : {1.0, 2.0}) {
        for (int grown = 0; grown <= 128; ++grown) {
            const QSize window = QSize(378, 359) + QSize(grown, grown);
            picture.Cover(window, scale, {});
            const QSize needed = window * scale;
            ASSERT_GE(picture.Size().width(), needed.width()) << grown << " at scale " << scale;
            ASSERT_GE(picture.Size().height(), needed.height()) << grown << " at scale " << scale;
            ASSERT_LE(picture.Size().width(), 2 * needed.width()) << grown << " at scale " << scale;
            ASSERT_LE(picture.Size().height(), 2 * needed.height())
                << grown << " at scale " << scale;
        }
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

// With a desktop font that needs more room, the plane is drawn larger, not rescaled: a centimetre
// is 567 twips at the layout's scale, on the screen and in the picture copied from it.
TEST_F(PlotTest, AtALargerFontTheCentimetreGrowsWithTheLayout) {
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("Noto Sans"), 14)); // lines 26 pixels apart
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    // The main window, open before the font changed, keeps its layout.
    EXPECT_EQ(mainWindow->centralWidget()->size(), QSize(243, 157));
    QApplication::setFont(desktopFont);
    ASSERT_NE(Graph(), nullptr);
    const double scale = 26.0 / 14.0;
    EXPECT_EQ(Graph()->size(), QSize(702, 667)); // 5670 by 5385 twips at that scale
    const int axis = static_cast<int>(std::floor(5 * 37.8 * scale));
    const QImage screen = Screen();
    EXPECT_TRUE(IsBlack(screen, {axis, 20}));
    EXPECT_TRUE(IsWhite(screen, {axis + 2, 20}));
    EXPECT_TRUE(IsBlack(screen, {20, axis}));
    ActivateGraph();
    QTest::keyClick(Graph(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().dotsPerMeterX(),
              static_cast<int>(std::lround(3780 * scale * Graph()->devicePixelRatioF())));
}

const QString kPng = QStringLiteral("PNG image (*.png)");
const QString kSvg = QStringLiteral("SVG drawing (*.svg)");

// Copy with Ctrl+C, or Save As with Ctrl+S answered with a file name and type; or the same
// through the sketch's menu, which shares the Graph window's way of writing.
struct OutputCase {
    const char* fileName; // nullptr: Ctrl+C
    QString filter;
    bool svg;            // an SVG file is expected, otherwise the window's pixels
    bool sketch = false; // the sketch's Copy picture and Save picture… instead
};

void PrintTo(const OutputCase& c, std::ostream* os) {
    const char* copy = c.sketch ? "Copy picture" : "Ctrl+C";
    *os << (c.fileName ? c.fileName : copy) << ' ' << c.filter.toStdString();
}

// The size attributes and the polylines' points of an SVG file, as Qt writes them.
struct SvgFile {
    QString size; // width, height and viewBox
    std::vector<QPointF> vertices;
    std::vector<QPolygonF> polylines;
};

SvgFile ReadSvg(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString text = QString::fromUtf8(file.readAll());
    SvgFile svg;
    static const QRegularExpression size(
        R"re(<svg (width="[^"]*" height="[^"]*")\s+(viewBox="[^"]*"))re");
    const QRegularExpressionMatch match = size.match(text);
    svg.size = match.captured(1) + ' ' + match.captured(2);
    static const QRegularExpression polyline(R"re(<polyline [^>]*points="([^"]*)")re");
    for (const QRegularExpressionMatch& line : polyline.globalMatch(text)) {
        svg.polylines.emplace_back();
        for (const QString& point : line.captured(1).split(' ', Qt::SkipEmptyParts)) {
            svg.polylines.back() << QPointF(point.section(',', 0, 0).toDouble(),
                                            point.section(',', 1, 1).toDouble());
            svg.vertices.push_back(svg.polylines.back().constLast());
        }
    }
    return svg;
}

// Copy and Save As of the Graph window, or of a sketch of the default equation.
class ExportTest : public PlotTest {
  protected:
    // Copy or Save As, by the Graph window's keys or from the sketch's menu.
    void Export(bool fromSketch, bool save) {
        if (fromSketch) {
            sketch.ShowSketch(DefaultEquationSketch());
            sketch.findChild<QAction*>(save ? "SavePicture" : "CopyPicture")->trigger();
        } else {
            QTest::keyClick(Graph(), save ? Qt::Key_S : Qt::Key_C, Qt::ControlModifier);
        }
    }

    SketchView sketch{app};
};

class GraphOutputTest : public ExportTest, public ::testing::WithParamInterface<OutputCase> {
  protected:
    // The default curve, which leaves the window at its top edge, and the zero curve along the
    // horizontal axis, which leaves it at the left and right edges.
    void PlotTwoCurves() {
        PlotEquation(QStringLiteral("10X^2-2X-3"));
        PlotEquation(QStringLiteral("0X^2+0X+0"));
        ActivateGraph();
    }

    static std::vector<GraphPoint> CurveOf(std::u16string_view equation) {
        return PlotCurve(std::get<QuadraticCoefficients>(ParseQuadratic(equation))).points;
    }

    QTemporaryDir folder;
};

TEST_P(GraphOutputTest, IsWhatTheWindowShows) {
    const OutputCase& c = GetParam();
    PlotTwoCurves();
    const QString description = Graph()->accessibleDescription();
    const QString path = c.fileName ? folder.filePath(c.fileName) : QString();
    files.answer = SaveTarget{path, c.filter};
    Export(c.sketch, c.fileName != nullptr);
    EXPECT_TRUE(messages.prompts.isEmpty());
    EXPECT_EQ(Graph()->accessibleDescription(), description);
    if (c.fileName) {
        EXPECT_EQ(files.offered, (QStringList{kPng, kSvg}));
        EXPECT_EQ(QImageReader(path).format(), c.svg ? "svg" : "png");
    }
    if (!c.svg) {
        QWidget& shown = c.sketch ? static_cast<QWidget&>(sketch) : *Graph();
        const QImage picture = c.fileName ? QImage(path) : QGuiApplication::clipboard()->image();
        EXPECT_EQ(picture.size(), shown.size() * shown.devicePixelRatioF());
        EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
                  shown.grab().toImage().convertToFormat(QImage::Format_RGB32));
        // Its resolution gives the window's true size: 37.8 pixels a centimetre at each scale.
        const int dotsPerMetre = static_cast<int>(std::lround(3780 * shown.devicePixelRatioF()));
        EXPECT_EQ(picture.dotsPerMeterX(), dotsPerMetre);
        EXPECT_EQ(picture.dotsPerMeterY(), dotsPerMetre);
        return;
    }
    if (c.sketch) {
        // Drawn at the view's size, the page is the view: a text of another size or at another
        // place would change far more pixels than the edges of letters and lines.
        const QImage shown = sketch.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage drawn(shown.size(), QImage::Format_RGB32);
        QPainter painter(&drawn);
        QSvgRenderer(path).render(&painter);
        painter.end();
        int changed = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                changed += std::abs(qGray(shown.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 128;
            }
        }
        EXPECT_LT(changed, shown.width() * shown.height() / 100);
        return;
    }
    // The page is white where no line runs, as on the screen.
    QImage rendered(200, 190, QImage::Format_ARGB32);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    QSvgRenderer(path).render(&painter);
    painter.end();
    EXPECT_EQ(rendered.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(rendered.pixel(180, 170), qRgb(255, 255, 255));
    // 378 by 359 pixels at 37.8 a centimetre: 10 by 9.49735 cm, in six digits.
    const SvgFile svg = ReadSvg(path);
    EXPECT_EQ(svg.size, R"(width="100mm" height="94.97mm" viewBox="0 0 10 9.49735")");
    const QRectF page(0, 0, 10, 359 / 37.8);
    // The vertical axis runs from 0 to 10 cm, and stops at the bottom edge.
    EXPECT_EQ(std::count(svg.polylines.begin(), svg.polylines.end(),
                         QPolygonF{QPointF(5, 0), QPointF(5, 9.49735)}),
              1);
    const auto isVertex = [&svg](QPointF p, double within) {
        return std::any_of(svg.vertices.begin(), svg.vertices.end(), [&](QPointF v) {
            return std::abs(v.x() - p.x()) < within && std::abs(v.y() - p.y()) < within;
        });
    };
    for (const auto* equation : {u"10X^2-2X-3", u"0X^2+0X+0"}) {
        for (const GraphPoint point : CurveOf(equation)) {
            const QPointF p(point.x, point.y);
            EXPECT_TRUE(!page.contains(p) || isVertex(p, 1e-5)) << p.x() << ',' << p.y();
        }
    }
    EXPECT_TRUE(std::all_of(svg.vertices.begin(), svg.vertices.end(),
                            [&page](QPointF v) { return page.contains(v); }));
    // Lines are cut where they leave: the default curve at the top edge at 4.2 and 6 cm, the zero
    // curve at the side edges.
    for (const QPointF cut : {QPointF(4.2, 0), QPointF(6, 0), QPointF(0, 5), QPointF(10, 5)}) {
        EXPECT_TRUE(isVertex(cut, 1e-3)) << cut.x() << ',' << cut.y();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, GraphOutputTest,
    ::testing::Values(OutputCase{nullptr, {}, false}, OutputCase{"graph", kPng, false},
                      OutputCase{"graph.PNG", kSvg, false}, OutputCase{"graph.svg", kPng, true},
                      OutputCase{"graph", kSvg, true}, OutputCase{nullptr, {}, false, true},
                      OutputCase{"sketch", kPng, false, true},
                      OutputCase{"sketch", kSvg, true, true}));

// Writes beyond 1,000 bytes fail, as on a full disk, while it lives.
struct FullDisk {
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit limit{1000, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the program
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    rlimit old{};
};

struct FailureCase {
    const char* what;
    const char* fileName; // in a folder that holds a folder "folder" and a file "old"
    QString filter;
    bool fullDisk;
    bool sketch = false; // saved from the sketch's menu
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.what;
}

class SaveFailureTest : public ExportTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailureTest, LosesNothingAndSaysWhy) {
    const FailureCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
    QFile old(folder.filePath("old"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    PlotEquation(QStringLiteral("10X^2-2X-3"));
    ActivateGraph();
    const QImage before = Screen();
    const QString path = folder.filePath(c.fileName);
    files.answer = SaveTarget{path, c.filter};
    {
        std::optional<FullDisk> fullDisk;
        if (c.fullDisk) {
            fullDisk.emplace();
        }
        Export(c.sketch, true);
    }
    ASSERT_EQ(messages.prompts.size(), 1);
    const QString start = QStringLiteral("The picture could not be saved as \"%1\": ")
                              .arg(QDir::toNativeSeparators(path));
    EXPECT_TRUE(messages.prompts[0].startsWith(start)) << messages.prompts[0].toStdString();
    EXPECT_GT(messages.prompts[0].size(), start.size() + 1) << "no reason given";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"folder", "old"}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_TRUE(QDir(folder.filePath("folder")).isEmpty());
    EXPECT_EQ(Screen(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SaveFailureTest,
    ::testing::Values(FailureCase{"a name that is a folder", "folder", kPng, false},
                      FailureCase{"a folder that does not exist", "none/graph.png", kPng, false},
                      FailureCase{"a full disk, PNG over an old file", "old", kPng, true},
                      FailureCase{"a full disk, SVG over an old file", "old", kSvg, true},
                      FailureCase{"a full disk, the sketch's SVG", "old", kSvg, true, true}));

} // namespace
} // namespace veltrix::ui::testing
