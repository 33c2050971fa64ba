// Every text of every window stays readable on a dark desktop theme: texts on the windows' fixed
// white and grey backgrounds are black, and the text boxes and push buttons that follow the theme
// keep its light-on-dark colours. Measured on the drawn pixels, as WCAG 2 measures contrast.
#include "ui/working/sketch_view.hpp"
#include "ui_test_support.hpp"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <optional>

namespace veltrix::ui::testing {
namespace {

// A dark theme's colours, GNOME's Adwaita-dark among them: light text on dark grey.
QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xEE, 0xEE, 0xEC);
    QPalette dark(text, window, window.lighter(130), window.darker(130), window.darker(110), text,
                  Qt::white, QColor(0x2D, 0x2D, 0x2D), window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9E));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x91, 0x91, 0x90));
    }
    return dark;
}

// WCAG 2's relative luminance of an sRGB colour, and the contrast ratio of two colours.
double Luminance(QRgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text's box: the bounding box of the pixels that differ between the window drawn with and
// without the text. The background is the commonest colour of that box without the text; the
// text's contrast is that of its pixel most contrasting with the background. Nothing when no
// pixel of the text is to be seen.
std::optional<double> TextContrast(const QImage& withText, const QImage& withoutText) {
    QRect box;
    for (int y = 0; y < withText.height(); ++y) {
        for (int x = 0; x < withText.width(); ++x) {
            if (withText.pixel(x, y) != withoutText.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    if (box.isEmpty()) {
        return std::nullopt;
    }
    QHash<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            ++counts[withoutText.pixel(x, y)];
        }
    }
    const QRgb background = std::ranges::max(counts.keys(), {}, [&](QRgb c) { return counts[c]; });
    double highest = 1.0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            highest = std::max(highest, Contrast(withText.pixel(x, y), background));
        }
    }
    return highest;
}

struct TextCase {
    const char* window;
    const char* control;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.window << '.' << c.control;
}

// Every window open, each text filled in, all drawn under the dark palette: the roots of the
// default equation in the Solution window, its value at x = 1.234 in Find a value.
class DarkThemeContrastTest : public VeltrixTest, public ::testing::WithParamInterface<TextCase> {
  protected:
    void SetUp() override {
        QApplication::setPalette(DarkPalette());
        VeltrixTest::SetUp();
        Click(*mainWindow, "Command1");
        Click(*mainWindow, "Command3");
        FindValueWindow& findValue = *app.Windows().Find<FindValueWindow>();
        Type(findValue, "Text1", "1.234");
        Click(findValue, "Command1");
        Click(*mainWindow, "Command4");
        Solution()->findChild<QAction*>("ShowWorking")->trigger();
        ASSERT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"}));
        ASSERT_EQ(Caption(findValue, "Label3"), "9.76");
    }

    QWidget& Window(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->objectName() == QLatin1String(name)) {
                return *window;
            }
        }
        throw std::runtime_error(std::string("no visible window ") + name);
    }
};

TEST_P(DarkThemeContrastTest, TextKeepsAtLeastFourAndAHalfToOne) {
    QWidget& window = Window(GetParam().window);
    QWidget& control = Find(window, GetParam().control);
    const QString text = ControlText(control);
    ASSERT_FALSE(text.isEmpty());
    const QImage withText = window.grab().toImage();
    SetControlText(control, QString());
    const QImage withoutText = window.grab().toImage();
    SetControlText(control, text);

    const std::optional<double> contrast = TextContrast(withText, withoutText);
    ASSERT_TRUE(contrast.has_value()) << "no pixel of \"" << text.toStdString() << "\" is seen";
    RecordProperty("contrast", QString::number(*contrast, 'f', 2).toStdString());
    EXPECT_GE(*contrast, 4.5) << '"' << text.toStdString() << '"';
}

INSTANTIATE_TEST_SUITE_P(
    EveryText, DarkThemeContrastTest,
    ::testing::Values(
        // On fixed backgrounds: the main window's grey, the other windows' white.
        TextCase{"Form1", "Label1"}, TextCase{"Form4", "Label1"}, TextCase{"Form4", "Label2"},
        TextCase{"Form4", "Label3"}, TextCase{"Form4", "Label4"}, TextCase{"Form3", "Label1"},
        TextCase{"Form3", "Label2"}, TextCase{"Form3", "Label3"}, TextCase{"Form5", "Label1"},
        TextCase{"Form5", "Option1"}, TextCase{"Form5", "Option2"}, TextCase{"Form5", "Option3"},
        TextCase{"Form5", "Option4"}, TextCase{"Form5", "Label2"}, TextCase{"Form5", "Command1"},
        // Following the theme, on the same windows.
        TextCase{"Form1", "Text1"}, TextCase{"Form1", "Command1"}, TextCase{"Form1", "Command4"},
        TextCase{"Form3", "Text1"}, TextCase{"Form3", "Command1"},
        // The working's words and formulas.
        TextCase{"Form6", "Lines"}),
    [](const auto& test) {
        return std::string(test.param.window) + '_' + std::string(test.param.control);
    });

// The sketch follows the theme: its numbers and labels in the palette's text colour on its base
// colour, measured against the same sketch drawn without them.
TEST_F(VeltrixTest, SketchTextsKeepAtLeastFourAndAHalfToOneOnADarkTheme) {
    SketchView sketch(app);
    sketch.setPalette(DarkPalette());
    sketch.ShowSketch(DefaultEquationSketch());
    const QImage withText = sketch.grab().toImage();
    SketchPlan bare = *sketch.Plan();
    for (SketchAxis* axis : {&bare.xAxis, &bare.yAxis}) {
        std::ranges::for_each(axis->ticks, [](SketchTick& tick) { tick.numberBox.reset(); });
    }
    std::ranges::for_each(bare.marks, [](SketchMark& mark) { mark.labelBox.reset(); });
    QImage withoutText = withText;
    QPainter painter(&withoutText);
    PaintSketch(painter, bare, sketch.palette(), QFontMetricsF(sketch.font()).lineSpacing(),
                sketch.font());
    painter.end();
    const std::optional<double> contrast = TextContrast(withText, withoutText);
    ASSERT_TRUE(contrast.has_value()) << "no text of the sketch is seen";
    EXPECT_GE(*contrast, 4.5);
}

// The Accuracy window's option indicators lie on its fixed white page as on a light theme: an
// unselected one is light inside, and the selected one's mark stands out from it by at least 3:1,
// the contrast a control's state needs. Each row is an unselected option, beside the selected "2".
class DarkThemeIndicatorTest : public DarkThemeContrastTest {
  protected:
    QImage Indicator(const char* name) {
        QWidget& window = Window("Form5");
        auto& option = Find<QRadioButton>(window, name);
        QStyleOptionButton style;
        style.initFrom(&option);
        const QRect box =
            option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, &option);
        return window.grab(box.translated(option.mapTo(&window, QPoint()))).toImage();
    }
};

TEST_P(DarkThemeIndicatorTest, TheSelectedMarkStandsOutThreeToOneOnALightIndicator) {
    ASSERT_TRUE(Find<QRadioButton>(Window("Form5"), "Option3").isChecked());
    const QImage selected = Indicator("Option3");
    const QImage unselected = Indicator(GetParam().control);
    ASSERT_EQ(selected.size(), unselected.size());
    const QPoint centre = unselected.rect().center();
    EXPECT_LT(Contrast(unselected.pixel(centre), qRgb(255, 255, 255)), 1.5)
        << "the indicator is dark inside";
    double mark = 1.0;
    for (int y = 0; y < selected.height(); ++y) {
        for (int x = 0; x < selected.width(); ++x) {
            mark = std::max(mark, Contrast(selected.pixel(x, y), unselected.pixel(x, y)));
        }
    }
    RecordProperty("contrast", QString::number(mark, 'f', 2).toStdString());
    EXPECT_GE(mark, 3.0);
}

INSTANTIATE_TEST_SUITE_P(Unselected, DarkThemeIndicatorTest,
                         ::testing::Values(TextCase{"Form5", "Option1"},
                                           TextCase{"Form5", "Option2"},
                                           TextCase{"Form5", "Option4"}),
                         [](const auto& test) { return std::string(test.param.control); });

} // namespace
} // namespace veltrix::ui::testing
