// cambist-screenshot FILE.png [KEY ...]: renders the real window into a PNG
// after clicking the keys (written as cambist-keys takes them).
#include <QApplication>
#include <QPixmap>

#include "CalculatorWindow.h"
#include "KeyCatalogue.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: cambist-screenshot FILE.png [KEY ...]");
        return 2;
    }
    cambist::CalculatorWindow window;
    window.show();
    for (int i = 2; i < argc; ++i) {
        const auto presses = cambist::parseKeyToken(argv[i]);
        if (presses.empty()) {
            qWarning("cambist-screenshot: unknown key '%s'", argv[i]);
            return 2;
        }
        for (const auto& press : presses) window.clickKey(press.action->name, press.tag);
    }
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
