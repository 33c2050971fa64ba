// Starts a real QApplication on its arguments and prints, on one line, what it leaves of them.
#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QApplication application(argc, argv);
    for (int i = 1; i < argc; ++i) {
        std::printf(i == 1 ? "%s" : " %s", argv[i]);
    }
}
