// cambist-screenshot FILE.png [KEYS...]: renders the real window, after
// typing the given text, into a PNG (for the README).
#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include "CalculatorWindow.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: cambist-screenshot FILE.png [TEXT]");
        return 2;
    }
    cambist::CalculatorWindow window;
    window.resize(window.sizeHint());
    window.show();
    if (argc > 2) window.typeText(QString::fromLocal8Bit(argv[2]));
    QApplication::processEvents();
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    return saved ? 0 : 1;
}
