#include "ui/shared/geometry.hpp"
#include "ui/shared/message_boxes.hpp"
#include "ui/shared/style.hpp"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace veltrix::ui {
namespace {

TEST(TwipsTest, FifteenTwipsMakeOnePixel) {
    const struct {
        int twips, pixels;
    } cases[] = {{0, 0}, {7, 0}, {8, 1}, {15, 1}, {3645, 243}, {567, 38}, {-15, -1}, {-8, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
    }
    EXPECT_EQ(ToPixels({3615, 3090, 3645, 2355}), QRect(241, 206, 243, 157));
}

struct FitCase {
    const char* what;
    QRect client;
    QMargins frame;
    QRect expected;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.what;
}

class FitOnScreenTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitOnScreenTest, MovesTheWindowOntoTheScreen) {
    const QRect screen(0, 0, 640, 480);
    EXPECT_EQ(FitOnScreen(GetParam().client, GetParam().frame, screen), GetParam().expected)
        << GetParam().what;
}

const QMargins kFrame(4, 30, 4, 4);

INSTANTIATE_TEST_SUITE_P(
    Cases, FitOnScreenTest,
    ::testing::Values(
        FitCase{"fits", {241, 206, 243, 157}, kFrame, {241, 206, 243, 157}},
        FitCase{"too far right", {500, 100, 200, 100}, kFrame, {436, 100, 200, 100}},
        FitCase{"too far down", {100, 400, 200, 100}, kFrame, {100, 376, 200, 100}},
        FitCase{"title bar above the screen", {100, 10, 200, 100}, kFrame, {100, 30, 200, 100}},
        FitCase{"wider and taller than the screen", {50, 50, 700, 500}, kFrame, {4, 30, 700, 500}},
        FitCase{"no frame known yet", {500, 400, 200, 100}, {}, {440, 380, 200, 100}}));

// A prompt is shown as written: markup in it is text, not bold. The box makes room for every
// character of it, the tags too.
TEST(QtMessageBoxesTest, ShowsMarkupInAPromptAsText) {
    const QString prompt = QStringLiteral("<b>Invalid</b> Quadratic");
    const auto box = QtMessageBoxes::Build(prompt);
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_GE(label->sizeHint().width(), label->fontMetrics().horizontalAdvance(prompt));
}

// A style that puts icons on dialog buttons, as the GTK theme's does.
class ButtonIconStyle final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

TEST(QtMessageBoxesTest, OkHasNoIconWhereTheStylePutsIconsOnButtons) {
    QApplication::setStyle(new ButtonIconStyle);
    EXPECT_TRUE(QtMessageBoxes::Build(QStringLiteral("Invalid Quadratic"))
                    ->button(QMessageBox::Ok)
                    ->icon()
                    .isNull());
}

TEST(QtMessageBoxesTest, ShowWaitsForOkThenReturns) {
    QString seenText;
    QString seenTitle;
    // Polls for the modal box, which exists only while Show runs, and presses its OK button.
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        presser.stop();
        seenText = box->text();
        seenTitle = box->windowTitle();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    presser.start(10);
    QTimer::singleShot(5000, [] {
        if (QWidget* stuck = QApplication::activeModalWidget()) {
            stuck->close();
        }
    });

    QtMessageBoxes().Show(QStringLiteral("There is no value of y for which x=0"));
    EXPECT_EQ(seenText, QStringLiteral("There is no value of y for which x=0"));
    EXPECT_EQ(seenTitle, QStringLiteral("Veltrix v2.0"));
}

TEST(VeltrixStyleTest, TheDeferredExtensionArrowIsTheDesktopStylesOwn) {
    VeltrixStyle style;
    const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon direct =
        style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(direct.pixmap(16).isNull());
    EXPECT_EQ(deferred.pixmap(16).toImage(), direct.pixmap(16).toImage());
}

// A push button's face as `style` draws it in `palette`'s current colour group.
QImage ButtonFace(const QStyle& style, const QPalette& palette) {
    QImage face(80, 24, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    QStyleOptionButton option;
    option.rect = face.rect();
    option.palette = palette;
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    style.drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter);
    return face;
}

TEST(VeltrixStyleTest, AButtonFaceIsDrawnInItsOwnColoursWhateverFaceWasDrawnBefore) {
    QPalette seen = QApplication::palette();
    seen.setColor(QPalette::Disabled, QPalette::Button, Qt::darkGray);
    QPalette red = seen, disabled = seen;
    red.setColor(QPalette::Active, QPalette::Button, Qt::red);
    disabled.setCurrentColorGroup(QPalette::Disabled);
    VeltrixStyle style;
    ButtonFace(style, seen);
    for (const QPalette& palette : {red, disabled}) {
        EXPECT_EQ(ButtonFace(style, palette), ButtonFace(*style.baseStyle(), palette));
    }
}

} // namespace
} // namespace veltrix::ui
