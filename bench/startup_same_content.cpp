// A second yardstick for Veltrix's start-up: stock Qt widgets showing what Veltrix's main window
// shows in English (its menu bar, prompt, equation box and four buttons), built like Veltrix and
// timed by the same probe. Against the bare window, Veltrix also pays for drawing more text;
// against this one, only for being Veltrix.
#include "app/first_paint_probe.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>

namespace {

// The menu bar's overflow button asks the style for its icon when it is made, and the look-up loads
// Qt's image plugins; Veltrix looks the icon up only when the button shows, which it does not while
// the menus fit. Left out here too, so that the two differ in nothing but the program.
class WithoutOverflowIcon final : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        return which == SP_ToolBarHorizontalExtensionButton
                   ? QIcon()
                   : QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(new WithoutOverflowIcon);
    QMainWindow window;
    for (const char* menu : {"File", "View", "Help"}) {
        window.menuBar()->addMenu(QString::fromLatin1(menu));
    }
    auto* client = new QWidget;
    window.setCentralWidget(client);
    auto* prompt = new QLabel(
        QStringLiteral("Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3"), client);
    prompt->setWordWrap(true);
    prompt->setGeometry(0, 0, 239, 32);
    (new QLineEdit(QStringLiteral("10X^2-2X-3"), client))->setGeometry(0, 32, 239, 20);
    int top = 56;
    for (const char* caption : {"Calculate", "Plot", "Find a value of Y", "Set accuracy"}) {
        (new QPushButton(QString::fromLatin1(caption), client))->setGeometry(0, top, 239, 25);
        top += 24;
    }
    client->setFixedSize(239, top + 1);
    veltrix::InstallFirstPaintProbeIfRequested(window);
    window.show();
    return QApplication::exec();
}
