// cambist-screenshot FILE.png [--tape] [--sheet tvm|amortization|npv] [KEY ...]:
// renders the real window into a PNG after clicking the keys (written as
// cambist-keys takes them). --tape opens the tape pane first; --sheet
// renders that worksheet instead of the main window, opened after the keys.
#include <QApplication>
#include <QPixmap>

#include <string>

#include "CalculatorWindow.h"
#include "KeyCatalogue.h"
#include "Worksheets.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: cambist-screenshot FILE.png [--tape] [--sheet NAME] [KEY ...]");
        return 2;
    }
    cambist::CalculatorWindow window;
    window.show();
    std::string sheet;
    int first = 2;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--tape") {
            window.showTape(true);
        } else if (arg == "--sheet" && first + 1 < argc) {
            sheet = argv[++first];
        } else {
            break;
        }
    }
    std::string keys;
    for (int i = first; i < argc; ++i) keys += std::string(argv[i]) + ' ';
    const cambist::ParsedKeys parsed = cambist::parseKeys(keys);
    if (!parsed.ok()) {
        qWarning("cambist-screenshot: unknown key '%s'", parsed.unknownToken.c_str());
        return 2;
    }
    for (const auto& press : parsed.presses) window.clickKey(press.action->name, press.tag);
    QWidget* shown = &window;
    if (sheet == "tvm") {
        window.showTvmSolver();
        shown = window.tvmSolver();
    } else if (sheet == "amortization") {
        window.showAmortization();
        shown = window.amortization();
    } else if (sheet == "npv") {
        window.showNpvProfile();
        shown = window.npvProfile();
    } else if (!sheet.empty()) {
        qWarning("cambist-screenshot: no worksheet '%s'", sheet.c_str());
        return 2;
    }
    QApplication::processEvents();
    return shown->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
