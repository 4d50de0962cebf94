// The calculator's one window: displays, keys, the cash-flow table and the
// menus, bound to one CalController.
#pragma once

#include <QHash>
#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <string_view>

#include "KeyBindings.h"
#include "QtControls.h"

class QAction;
class QLabel;

namespace cambist {

class CalController;
struct KeyAction;

class CalculatorWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // For tests: the beeps sounded so far.
    long beeps() const { return beeper_.beeps; }
    // Types text as key presses: digits, ".", + - * / ^ ( ) =, white space
    // ignored. Any other character refuses the whole text with one beep.
    bool typeText(const QString& text);
    // Clicks the key that sends action (with tag, for a digit); false when
    // the window has no such key.
    bool clickKey(std::string_view action, std::int32_t tag = 0);

public slots:
    void copyDisplay();
    void pasteClipboard();
    void showShortcuts();
    void showAbout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Key {
        KeyButton* button;
        const KeyAction* action;
        const KeySpec* spec;
    };

    DisplayField* addDisplay(const char* objectName, const QString& spokenName);
    KeyButton* addKey(const KeySpec& spec);
    QWidget* buildCentralWidget();
    void buildMenus();
    void send(const Key& key);
    void showMode();
    KeyButton* keyButton(const char* objectName) const;
    bool pressForKeyEvent(const QKeyEvent& event);

    QtBeeper beeper_;
    QHash<QString, DisplayField*> displays_;
    QHash<QString, Key> keys_;
    CashFlowTable* table_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QAction* modeAction_ = nullptr;
    std::unique_ptr<CalController> controller_;
};

}  // namespace cambist
