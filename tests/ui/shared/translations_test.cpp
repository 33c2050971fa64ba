// Veltrix in each of its languages: every translation complete and loaded, every text it shows
// translated and whole in its control at the default font, numbers with the locale's separator,
// and a right-to-left language's windows mirrored, the graph not.
#include "ui/shared/translations.hpp"
#include "ui/windows/graph_window.hpp"
#include "ui/working/working_window.hpp"
#include "ui_test_support.hpp"

#include <QAction>
#include <QComboBox>
#include <QDomDocument>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextLayout>
#include <QTranslator>
#include <algorithm>
#include <map>

namespace veltrix::ui::testing {
namespace {

const QStringList kLanguages = {"de", "fr", "es", "it", "pt_BR", "pl", "ru", "zh_CN", "ja", "ar"};

// Texts that are the same in every language: names, and the equation's own syntax.
const QStringList kUntranslated = {"Veltrix", "X=", "Y=", "x", "0", "1", "2", "3"};

void RemoveTranslations() {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

struct Message {
    QString context, source, comment, translation;
    bool finished = false;
};

// The messages of a Qt Linguist file.
std::vector<Message> ReadLinguistFile(const QString& language) {
    QFile file(QStringLiteral(VELTRIX_TRANSLATIONS_DIR "/veltrix_%1.ts").arg(language));
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file)) {
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return {};
    }
    std::vector<Message> messages;
    const QDomNodeList contexts = document.elementsByTagName("context");
    for (int i = 0; i < contexts.size(); ++i) {
        const QDomElement context = contexts.at(i).toElement();
        const QDomNodeList items = context.elementsByTagName("message");
        for (int j = 0; j < items.size(); ++j) {
            const QDomElement item = items.at(j).toElement();
            const QDomElement translation = item.firstChildElement("translation");
            messages.push_back({context.firstChildElement("name").text(),
                                item.firstChildElement("source").text(),
                                item.firstChildElement("comment").text(), translation.text(),
                                !translation.hasAttribute("type")});
        }
    }
    return messages;
}

// "%1", "%2" and the "&" of a keyboard letter, which a translation must keep.
QStringList Markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d|&"));
    QStringList found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

// A source text as a pattern that matches it with any formula in place of its "%1" and "%2".
QRegularExpression SourcePattern(const QString& source) {
    QString pattern = QRegularExpression::escape(source);
    pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral(".*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// Whether a source text has words of its own: one of markers and punctuation alone ("%1: %2")
// matches a text in any language, and so tells none apart.
bool HasWords(const QString& source) {
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    return QString(source).remove(marker).contains(letter);
}

// A control's name and the text a person sees or hears in it.
struct ShownText {
    QString where, text;
};

// Every text of every window: captions, labels, buttons, menus and context menus, and what screen
// readers say.
std::vector<ShownText> TextsOf(const QList<QWidget*>& windows) {
    std::vector<ShownText> texts;
    for (QWidget* window : windows) {
        const QString name = window->objectName();
        texts.push_back({name + ".caption", window->windowTitle()});
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            const QString where = name + '.' + widget->objectName();
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) {
                texts.push_back({where, ControlText(*widget)});
            }
            if (auto* menu = qobject_cast<QMenu*>(widget)) {
                texts.push_back({where, menu->title()});
            }
            texts.push_back({where + ".name", widget->accessibleName()});
            texts.push_back({where + ".description", widget->accessibleDescription()});
        }
        for (QAction* action : window->findChildren<QAction*>()) {
            texts.push_back({name + '.' + action->objectName(), action->text()});
        }
        for (const WorkingView* lines : window->findChildren<WorkingView*>()) {
            for (const QString& line : lines->Lines()) {
                texts.push_back({name + '.' + lines->objectName() + ".line", line});
            }
        }
    }
    std::erase_if(texts, [](const ShownText& t) { return t.text.isEmpty(); });
    return texts;
}

// The part of a drawing that a text covers: the pixels that change clearly when the text is taken
// away (the faintest edges of antialiased letters blend differently into different backgrounds).
struct Ink {
    int pixels = 0;
    QRect box; // the bounding box, in the drawing's pixels
    QSize extent() const { return box.size(); }
};

Ink InkBetween(const QImage& with, const QImage& without) {
    constexpr int kClear = 48;
    Ink ink;
    QRect& box = ink.box;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const QRgb a = with.pixel(x, y);
            const QRgb b = without.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) >
                kClear) {
                ++ink.pixels;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

Ink InkOf(QWidget& drawn, QWidget& control) {
    const QString text = ControlText(control);
    const QImage with = drawn.grab().toImage();
    SetControlText(control, QString());
    const QImage without = drawn.grab().toImage();
    SetControlText(control, text);
    return InkBetween(with, without);
}

// The control's text as its window shows it, and as the control shows it alone in a box large
// enough for the whole text. The box grows by the same whole number of pixels on either side, so
// that a centred text lands on the same fractions of a pixel; a label that wraps keeps its width,
// so that it wraps alike.
Ink WholeInk(QWidget& control) {
    const QSize size = control.size();
    const auto* label = qobject_cast<QLabel*>(&control);
    const bool wraps = label != nullptr && label->wordWrap();
    const int wider = wraps ? 0 : 2 * std::max(size.width(), 100);
    control.resize(size.width() + wider, size.height() + 2 * std::max(size.height(), 40));
    const Ink ink = InkOf(control, control);
    control.resize(size);
    return ink;
}

void ClickOn(QWidget& window, const char* name) {
    auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr) << name;
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Every window of the program opened from its main window, as a person opens them, with its texts
// filled in: the roots of the default equation, its value at x = 1.234, the curve, the working.
QList<QWidget*> OpenEveryWindow(AppContext& app) {
    MainWindow& main = *app.Windows().Find<MainWindow>();
    for (const char* command : {"Command1", "Command3", "Command4", "Command2"}) {
        ClickOn(main, command);
    }
    app.Windows().Find<SolutionWindow>()->findChild<QAction*>("ShowWorking")->trigger();
    FindValueWindow& findValue = *app.Windows().Find<FindValueWindow>();
    findValue.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("1.234"));
    ClickOn(findValue, "Command1");
    QList<QWidget*> windows;
    for (const QString& name : app.Windows().ExistingNames()) {
        windows << app.Windows().FindByName(name);
    }
    return windows;
}

class LanguageTest : public VeltrixTest, public ::testing::WithParamInterface<QString> {
  protected:
    void SetUp() override {
        ASSERT_EQ(QLocale(InstallTranslations({GetParam()})).name(), QLocale(GetParam()).name());
        VeltrixTest::SetUp();
    }
};

TEST_P(LanguageTest, TheTranslationIsCompleteAndKeepsItsMarkers) {
    const std::vector<Message> file = ReadLinguistFile(GetParam());
    ASSERT_FALSE(file.empty());
    for (const Message& m : file) {
        const std::string what = (m.context + ": " + m.source).toStdString();
        EXPECT_TRUE(m.finished) << what;
        EXPECT_FALSE(m.translation.isEmpty()) << what;
        EXPECT_EQ(Markers(m.translation), Markers(m.source)) << what;
        // What the program gets is what the file says.
        EXPECT_EQ(QCoreApplication::translate(m.context.toUtf8(), m.source.toUtf8(),
                                              m.comment.isEmpty() ? nullptr : m.comment.toUtf8()),
                  m.translation)
            << what;
    }
}

// No text shows in English where the language says it otherwise.
TEST_P(LanguageTest, EveryTextShownIsTranslated) {
    const std::vector<ShownText> shown = TextsOf(OpenEveryWindow(app));
    std::vector<QRegularExpression> english;
    for (const Message& m : ReadLinguistFile(GetParam())) {
        if (m.translation != m.source && HasWords(m.source)) {
            english.push_back(SourcePattern(m.source));
        }
    }
    for (const ShownText& t : shown) {
        EXPECT_TRUE(std::ranges::none_of(
            english,
            [&](const QRegularExpression& source) { return source.match(t.text).hasMatch(); }))
            << t.where.toStdString() << " is still English: \"" << t.text.toStdString() << '"';
    }
    EXPECT_GT(shown.size(), 40u);
    // Qt's own texts too: a text box's context menu.
    QMenu* menu = Find<QLineEdit>(*mainWindow, "Text1").createStandardContextMenu();
    EXPECT_FALSE(menu->actions().constFirst()->text().startsWith(QStringLiteral("&Undo")));
    delete menu;
}

// Texts whose working holds each of the lines an exercise sheet's equation brings, the school's
// lines where no real root exists, and each of the reader's refusals of brackets and fractions.
const QStringList kExercises = {
    "(x-1)^2=4", "(x+2)(x-3)=0", "(x+1)/2 = x^2", "1/2x^2 - 2",
    "(x+1",      "2+()",         "(x-1)^3",       "x(x-1)(x-2)",
    "1/x",       "x/(2)",        "x/0",           "((((((((((((((((((((((x))))))))))))))))))))))",
    "x^2+2x+5"};

void ExpectEveryTextWhole(const QList<QWidget*>& windows);

// Whether a line of the working is one of the source's texts, left untranslated.
bool ReadsAsEnglish(const std::vector<QRegularExpression>& english, const QString& line) {
    return std::ranges::any_of(
        english, [&](const QRegularExpression& source) { return source.match(line).hasMatch(); });
}

// The working of an exercise's equation, its steps and the reader's refusals, in the language and
// whole in its window.
TEST_P(LanguageTest, TheWorkingOfAnExerciseIsTranslatedAndWhole) {
    OpenEveryWindow(app);
    QWidget& working = *app.Windows().FindByName("Form6");
    std::vector<QRegularExpression> english;
    for (const Message& m : ReadLinguistFile(GetParam())) {
        if (m.translation != m.source && HasWords(m.source)) {
            english.push_back(SourcePattern(m.source));
        }
    }
    // Without a school's notation, then in the school of the language's own country.
    for (const School* school : {&GeneralSchool(), &SchoolOfLocale(GetParam().toStdString())}) {
        app.Windows().Find<WorkingWindow>()->ChooseSchool(*school);
        for (const QString& exercise : kExercises) {
            Find<QLineEdit>(*mainWindow, "Text1").setText(exercise);
            const QStringList lines = Find<WorkingView>(working, "Lines").Lines();
            ASSERT_FALSE(lines.isEmpty()) << exercise.toStdString();
            for (const QString& line : lines) {
                EXPECT_FALSE(ReadsAsEnglish(english, line))
                    << school->id << ", " << exercise.toStdString() << ": \"" << line.toStdString()
                    << "\" is English";
            }
            ExpectEveryTextWhole({&working});
        }
    }
}

// A push button's text keeps a clear pixel inside its frame: its ink stays off the frame line and
// the pixel within it. A label's ink stays off its last row, where it would meet what lies below.
void ExpectInkClearOfEdges(QWidget& window, QWidget& control, const QRect& ink) {
    const QRect box(control.mapTo(&window, QPoint()), control.size());
    QRect room;
    if (qobject_cast<QPushButton*>(&control)) {
        room = box.adjusted(2, 2, -2, -2);
    } else if (qobject_cast<QLabel*>(&control)) {
        room = box.adjusted(0, 0, 0, -1);
    } else {
        return;
    }
    EXPECT_TRUE(room.contains(ink))
        << window.objectName().toStdString() << '.' << control.objectName().toStdString() << " \""
        << ControlText(control).toStdString() << "\" meets its edge: ink " << ink.x() << ','
        << ink.y() << ' ' << ink.width() << 'x' << ink.height() << " in " << box.x() << ','
        << box.y() << ' ' << box.width() << 'x' << box.height();
}

// Measured on the drawn pixels: a text is whole when its window shows as much of it as the control
// shows when it has room to spare. Every window lies on the screen too.
void ExpectEveryTextWhole(const QList<QWidget*>& windows) {
    for (QWidget* window : windows) {
        // Its client area, framed as far as the frame was known when it was placed; one larger
        // than the screen keeps its top-left corner on it.
        const QRect screen = window->screen()->availableGeometry();
        const QRect frame = window->geometry();
        const bool fits = frame.width() <= screen.width() && frame.height() <= screen.height();
        EXPECT_TRUE(fits ? screen.contains(frame) : screen.contains(frame.topLeft()))
            << window->objectName().toStdString() << " leaves the screen: " << frame.x() << ','
            << frame.y() << ' ' << frame.width() << 'x' << frame.height();
        // The working wraps its lines to the window, which grows to show them all; only a window
        // already as tall as the screen, its frame's few pixels aside, scrolls the rest.
        const int frameAndMore = window->frameGeometry().height() - frame.height() + 4;
        const bool asTallAsTheScreen = frame.height() + frameAndMore >= screen.height();
        for (const WorkingView* lines : window->findChildren<WorkingView*>()) {
            EXPECT_EQ(lines->horizontalScrollBar()->maximum(), 0);
            EXPECT_TRUE(asTallAsTheScreen || lines->verticalScrollBar()->maximum() == 0)
                << window->objectName().toStdString() << " hides lines of its working, "
                << frame.height() << " pixels tall on a screen of " << screen.height();
        }
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool hasText = qobject_cast<QLabel*>(control) ||
                                 qobject_cast<QAbstractButton*>(control) ||
                                 qobject_cast<QLineEdit*>(control);
            if (!hasText || !control->isVisibleTo(window) || ControlText(*control).isEmpty()) {
                continue;
            }
            const Ink shown = InkOf(*window, *control);
            const Ink whole = WholeInk(*control);
            EXPECT_TRUE(shown.extent().width() >= whole.extent().width() &&
                        shown.extent().height() >= whole.extent().height() &&
                        shown.pixels >= whole.pixels * 97 / 100)
                << window->objectName().toStdString() << '.' << control->objectName().toStdString()
                << " \"" << ControlText(*control).toStdString() << "\" is cut: " << shown.pixels
                << " of " << whole.pixels << " pixels, " << shown.extent().width() << " x "
                << shown.extent().height() << " of " << whole.extent().width() << " x "
                << whole.extent().height();
            ExpectInkClearOfEdges(*window, *control, shown.box);
        }
    }
}

// In English, the language of the source texts, every text shown is one that the translations
// translate: none is left out of them.
TEST_F(VeltrixTest, EveryTextShownIsOneTheTranslationsHave) {
    const QList<QWidget*> windows = OpenEveryWindow(app);
    std::vector<QRegularExpression> sources;
    for (const Message& m : ReadLinguistFile(kLanguages.first())) {
        if (HasWords(m.source)) {
            sources.push_back(SourcePattern(m.source));
        }
    }
    for (const ShownText& t : TextsOf(windows)) {
        if (t.where == "Form4.Label2" || t.where == "Form4.Label4" || t.where == "Form3.Label3" ||
            t.where == "Form6.Sketch.description") {
            continue; // the results, and the sketch's points said in translated phrases
        }
        const bool known = kUntranslated.contains(t.text) ||
                           std::ranges::any_of(sources, [&](const QRegularExpression& source) {
                               return source.match(t.text).hasMatch();
                           });
        EXPECT_TRUE(known) << t.where.toStdString() << " \"" << t.text.toStdString()
                           << "\" is in no translation";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& row) { return row.param.toStdString(); });

} // namespace
} // namespace veltrix::ui::testing

namespace veltrix::ui::testing {
namespace {

struct LocaleCase {
    QStringList languages; // the session's, most wanted first
    const char* spoken;    // the translation installed; empty: the English source texts
    char16_t separator;    // the decimal separator of the first language's locale
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.languages.join(',').toStdString();
}

using LocaleTest = ::testing::TestWithParam<LocaleCase>;

TEST_P(LocaleTest, SpeaksTheFirstLanguageItCanAndWritesNumbersAsItsLocaleDoes) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(QLocale(InstallTranslations(c.languages)).name(),
              QLocale(QString::fromLatin1(c.spoken)).name());
    EXPECT_EQ(DecimalSeparatorOf(QLocale(c.languages.constFirst())), c.separator);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, LocaleTest,
    ::testing::Values(LocaleCase{QLocale("de_AT").uiLanguages(), "de", u','},
                      LocaleCase{QLocale("fr_FR").uiLanguages(), "fr", u','},
                      LocaleCase{QLocale("pt_BR").uiLanguages(), "pt_BR", u','},
                      LocaleCase{QLocale("ru_RU").uiLanguages(), "ru", u','},
                      LocaleCase{QLocale("zh_CN").uiLanguages(), "zh_CN", u'.'},
                      LocaleCase{QLocale("ja_JP").uiLanguages(), "ja", u'.'},
                      // Arabic writes "٫", which no other program would read back.
                      LocaleCase{QLocale("ar_EG").uiLanguages(), "ar", u'.'},
                      LocaleCase{{"nl-NL", "es-ES"}, "es", u','},
                      // Another variant of the same language before the next language; none
                      // across scripts.
                      LocaleCase{QLocale("pt_PT").uiLanguages(), "pt_BR", u','},
                      LocaleCase{{"pt-AO", "en-GB"}, "pt_BR", u','},
                      LocaleCase{QLocale("es_MX").uiLanguages(), "es", u'.'},
                      LocaleCase{{"zh-TW", "en-US"}, "", u'.'},
                      // English first, then German: the source texts, as written.
                      LocaleCase{{"en-GB", "de-DE"}, "", u'.'}, LocaleCase{{"C"}, "", u'.'}),
    [](const auto& row) { return std::to_string(row.index); });

// Where the locale writes "0,66": roots, values and the plotted curve read both separators.
TEST_F(VeltrixTest, ResultsUseTheLocalesDecimalSeparator) {
    AppContext german(messages, files, u',');
    MainWindow& main = ShowMainWindow(german);
    Type(main, "Text1", "2,5X^2-2X-3");
    Click(main, "Command1");
    Click(main, "Command3");
    FindValueWindow& findValue = *german.Windows().Find<FindValueWindow>();
    Type(findValue, "Text1", "0.5");
    Click(findValue, "Command1");
    Click(main, "Command2");
    ASSERT_NE(german.Windows().Find<SolutionWindow>(), nullptr);
    SolutionWindow& solution = *german.Windows().Find<SolutionWindow>();
    EXPECT_EQ(Caption(solution, "Label2"), "1,57");
    EXPECT_EQ(Caption(solution, "Label4"), "-0,77");
    EXPECT_EQ(Caption(findValue, "Label3"), "-3,38");
    EXPECT_EQ(german.Windows().Find<GraphWindow>()->KeptLineCount(),
              kAxesAndTicks.size() + kCurvePointCount);
    EXPECT_TRUE(messages.prompts.isEmpty()) << messages.prompts.join('|').toStdString();
}

// Arabic reads from the right: every control of every window is mirrored inside its client
// area, while the Graph window, a drawing in the plane, is the same as in English.
class RightToLeftTest : public VeltrixTest {
  protected:
    void SetUp() override {
        ASSERT_FALSE(InstallTranslations({"ar"}).isEmpty());
        VeltrixTest::SetUp();
    }

    struct Place {
        QRect box;
        int clientWidth; // of the client area it is placed in
    };

    // Each control's place in its window, by window and control name.
    static std::map<QString, Place> Places(const QList<QWidget*>& windows) {
        static const QRegularExpression ours(QStringLiteral("^(Label|Text|Command|Option)\\d$"));
        std::map<QString, Place> places;
        for (QWidget* window : windows) {
            for (QWidget* control : window->findChildren<QWidget*>(ours)) {
                places[window->objectName() + '.' + control->objectName()] = {
                    control->geometry(), control->parentWidget()->width()};
            }
        }
        return places;
    }
};

TEST_F(RightToLeftTest, MirrorsEveryWindowButTheGraph) {
    ASSERT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    const QList<QWidget*> arabicWindows = OpenEveryWindow(app);
    const std::map<QString, Place> mirrored = Places(arabicWindows);
    // The Working window's choices are laid out by their texts' widths, which differ between the
    // languages: each label stands to the right of its box.
    QWidget& working = *app.Windows().FindByName("Form6");
    for (const std::string name : {"Method", "School"}) {
        const auto& box = Find<QComboBox>(working, name.c_str());
        EXPECT_GE(Find<QLabel>(working, (name + "Label").c_str()).x(), box.x() + box.width())
            << name;
    }
    const QImage arabicGraph = app.Windows().Find<GraphWindow>()->grab().toImage();
    RemoveTranslations();
    ASSERT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);

    RecordingMessageBoxes englishMessages;
    AppContext english(englishMessages, files);
    ShowMainWindow(english);
    const QList<QWidget*> englishWindows = OpenEveryWindow(english);
    const std::map<QString, Place> places = Places(englishWindows);
    ASSERT_EQ(mirrored.size(), places.size());
    for (const auto& [name, place] : places) {
        const QRect& box = place.box;
        EXPECT_EQ(mirrored.at(name).box, QRect(place.clientWidth - box.x() - box.width(), box.y(),
                                               box.width(), box.height()))
            << name.toStdString();
    }
    EXPECT_GT(places.size(), 20u);
    EXPECT_EQ(arabicGraph, english.Windows().Find<GraphWindow>()->grab().toImage());
}

// The widths of the groups of inked columns, left to right, that stand at least 4 pixels apart:
// the symbols of a formula, whatever fraction of a pixel each is drawn at.
std::vector<int> InkGroups(const QImage& drawn, QRgb background) {
    std::vector<int> groups;
    int last = -10;
    for (int x = 0; x < drawn.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < drawn.height() && !inked; ++y) {
            inked = drawn.pixel(x, y) != background;
        }
        if (!inked) {
            continue;
        }
        if (x - last >= 4) {
            groups.push_back(0);
        }
        groups.back() += x - std::max(last, x - 1);
        last = x;
    }
    return groups;
}

// A formula broken into pieces where it may break still reads from the left as a whole among
// words that read from the right: alone on its line, it is drawn alike either way.
TEST(RightToLeftFormulaTest, AFormulasPiecesKeepTheirOrder) {
    using namespace math;
    QWidget window;
    WorkingView view(window);
    view.resize(300, 60);
    const Formula chain{Chain{Formula{Variable{u'x'}},
                              {{Relation::Equals, Formula{Number{u"1"}}},
                               {Relation::Approximately, Formula{Number{u"2.34"}}}}}};
    view.SetLines({{QStringLiteral("%1"), {chain}, {}, {}}});
    const auto runs = [&](Qt::LayoutDirection direction) {
        view.setLayoutDirection(direction);
        return InkGroups(view.viewport()->grab().toImage(),
                         view.palette().color(QPalette::Base).rgb());
    };
    const std::vector<int> leftToRight = runs(Qt::LeftToRight);
    const std::vector<int> rightToLeft = runs(Qt::RightToLeft);
    ASSERT_EQ(leftToRight.size(), rightToLeft.size());
    for (std::size_t i = 0; i < leftToRight.size(); ++i) {
        EXPECT_NEAR(leftToRight[i], rightToLeft[i], 2) << i;
    }
}

// In the working's lines, which read from the right, each formula is a left-to-right run.
TEST_F(RightToLeftTest, TheWorkingReadsFromTheRightWithItsFormulasLeftToRight) {
    OpenEveryWindow(app);
    auto& lines = Find<WorkingView>(*app.Windows().FindByName("Form6"), "Lines");
    const QString roots = lines.Lines().value(2);
    EXPECT_TRUE(roots.contains(QChar(0x2066) +
                               QStringLiteral("x = (−b ± √(b² − 4ac))/(2a) = (2 ± "
                                              "√124)/20 = (1 ± √31)/10") +
                               QChar(0x2069)))
        << roots.toStdString();
    // Each line, short or long, is drawn from the right edge, whatever it begins with.
    const QImage drawn = lines.viewport()->grab().toImage();
    const QRgb base = lines.palette().color(QPalette::Base).rgb();
    for (int line = 0; line < lines.LineCount(); ++line) {
        const QRect row = lines.LineRect(line) & drawn.rect();
        int right = -1;
        for (int y = row.top(); y <= row.bottom(); ++y) {
            for (int x = row.left(); x <= row.right(); ++x) {
                right = drawn.pixel(x, y) != base ? std::max(right, x) : right;
            }
        }
        EXPECT_GE(right, drawn.width() - 8) << lines.Lines().value(line).toStdString();
    }
}

// An exercise's equation as given is a left-to-right run among the words too.
TEST_F(RightToLeftTest, TheEquationAsGivenReadsFromTheLeft) {
    OpenEveryWindow(app);
    auto& lines = Find<WorkingView>(*app.Windows().FindByName("Form6"), "Lines");
    Find<QLineEdit>(*mainWindow, "Text1").setText(QStringLiteral("(x-1)^2=4"));
    EXPECT_TRUE(lines.Lines().value(0).contains(QChar(0x2066) + QStringLiteral("(x − 1)² = 4") +
                                                QChar(0x2069)))
        << lines.Lines().value(0).toStdString();
}

} // namespace
} // namespace veltrix::ui::testing

namespace veltrix::ui::testing {
namespace {

struct FontCase {
    const char* family;
    int points;
};

void PrintTo(const FontCase& c, std::ostream* os) {
    *os << c.family << ' ' << c.points;
}

// The desktop's font, as the user chose it, while the windows of each language are made anew.
class FontSizeTest : public ::testing::TestWithParam<FontCase> {
  protected:
    void SetUp() override { QApplication::setFont(QFont(GetParam().family, GetParam().points)); }
};

// Every text of every window whole, in English and every translation: the layout grows with the
// font, by its line height.
TEST_P(FontSizeTest, EveryTextIsWholeInEveryLanguage) {
    ASSERT_EQ(QFontInfo(QApplication::font()).family(), GetParam().family);
    RecordProperty("layout_scale", std::to_string(LayoutScale()));
    for (const QString& language : QStringList{"en"} + kLanguages) {
        SCOPED_TRACE(language.toStdString());
        RemoveTranslations();
        InstallTranslations({language});
        RecordingMessageBoxes messages;
        ScriptedFileDialogs files;
        AppContext app(messages, files);
        ShowMainWindow(app);
        const QList<QWidget*> windows = OpenEveryWindow(app);
        ASSERT_TRUE(messages.prompts.isEmpty()) << messages.prompts.join('|').toStdString();
        ExpectEveryTextWhole(windows);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, FontSizeTest, ::testing::ValuesIn([] {
        std::vector<FontCase> cases;
        for (const char* family : {"DejaVu Sans", "Noto Sans", "Liberation Sans"}) {
            for (int points = 8; points <= 18; ++points) {
                cases.push_back({family, points});
            }
        }
        return cases;
    }()),
    [](const auto& row) {
        std::string name = std::string(row.param.family) + std::to_string(row.param.points);
        std::erase(name, ' ');
        return name;
    });

// At the font the layout was made for, nothing moves by a pixel.
TEST(LayoutScaleTest, IsOneAtTheDefaultFontAndFollowsTheLineHeightAbove) {
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "DejaVu Sans");
    EXPECT_EQ(QApplication::font().pointSize(), 9);
    EXPECT_EQ(LayoutScale(), 1.0);
    EXPECT_EQ(ToPixels(MainWindow::kClientArea), QRect(241, 206, 243, 157));
    EXPECT_EQ(LayoutScaleFor(12), 1.0);
    EXPECT_EQ(LayoutScaleFor(21), 1.5);
}

} // namespace
} // namespace veltrix::ui::testing
