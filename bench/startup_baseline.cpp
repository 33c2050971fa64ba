// The yardstick for Veltrix's start-up: the smallest Qt Widgets program with one line edit and one
// button, built like Veltrix and timed to its first paint by the same probe.
#include "app/first_paint_probe.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit(QStringLiteral("10X^2-2X-3")));
    layout->addWidget(new QPushButton(QStringLiteral("Calculate")));
    veltrix::InstallFirstPaintProbeIfRequested(window);
    window.show();
    return QApplication::exec();
}
