// cambist-screenshot FILE.png [--tape] [KEY ...]: renders the real window
// into a PNG after clicking the keys (written as cambist-keys takes them);
// --tape opens the tape pane first.
#include <QApplication>
#include <QPixmap>

#include <string>

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
    int first = 2;
    if (argc > 2 && std::string(argv[2]) == "--tape") {
        window.showTape(true);
        ++first;
    }
    std::string keys;
    for (int i = first; i < argc; ++i) keys += std::string(argv[i]) + ' ';
    const cambist::ParsedKeys parsed = cambist::parseKeys(keys);
    if (!parsed.ok()) {
        qWarning("cambist-screenshot: unknown key '%s'", parsed.unknownToken.c_str());
        return 2;
    }
    for (const auto& press : parsed.presses) window.clickKey(press.action->name, press.tag);
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
