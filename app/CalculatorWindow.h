// The calculator's one window: displays, keys, the cash-flow table and the
// menus, bound to one CalController.
//
// Every key reaches the controller through the key catalogue's dispatcher,
// from a click, a keyboard shortcut, a typed character or a paste. After
// each, the window says what changed to a screen reader.
#pragma once

#include <QHash>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "History.h"
#include "KeyBindings.h"
#include "PastedText.h"
#include "QtControls.h"

class QAction;
class QDockWidget;
class QLabel;
class QListWidget;

namespace cambist {

class Announcer;
class AmortizationSheet;
class NpvProfileSheet;
class TvmSolverSheet;
class CalController;
struct KeyAction;

class CalculatorWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // For tests: the beeps sounded so far, the last thing announced, the
    // tape and expression line as kept, and the worksheets once opened.
    long beeps() const { return beeper_.beeps; }
    QString lastAnnouncement() const;
    const History& history() const { return history_; }
    TvmSolverSheet* tvmSolver() const { return tvmSolver_; }
    AmortizationSheet* amortization() const { return amortization_; }
    NpvProfileSheet* npvProfile() const { return npvProfile_; }
    // Types text as a paste does: read whole into keys, or refused whole
    // with one beep. Answers whether it was typed.
    bool typeText(const QString& text);
    // Clicks the key that sends action (with tag, for a digit); false when
    // the window has no such key.
    bool clickKey(std::string_view action, std::int32_t tag = 0);

public slots:
    void copyDisplay();
    void pasteClipboard();
    void copyTape();
    void clearTape();
    void showTape(bool shown);
    // Opens a worksheet (made the first time), in front, following the
    // calculator from then on.
    void showTvmSolver();
    void showAmortization();
    void showNpvProfile();
    void showGuide();
    void showShortcuts();
    void showAbout();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Key {
        KeyButton* button = nullptr;
        const KeyAction* action = nullptr;
        const KeySpec* spec = nullptr;
        QAction* shortcut = nullptr;  // the key's keystrokes that Qt matches itself
    };
    // What the window shows, to tell what a key changed.
    struct Shown {
        std::array<QString, 9> displays;
        int rows = 0;
        bool cashFlows = false;
    };

    DisplayField* addDisplay(const char* objectName, const QString& spokenName);
    void addKey(const KeySpec& spec);
    QWidget* buildCentralWidget();
    void buildMenus();
    void showHelp(int page);
    void deliver(const Key& key, const Control& sender);
    void pressFromKeyboard(const Key& key);
    // The key whose typed character, keypad key or dead key this is.
    const Key* keyTypedBy(const QKeyEvent& event) const;
    void showMode();
    const Key* keyNamed(const char* objectName) const;
    static QString refusalText(PasteRefusal refusal);
    // A tape line in the user's language.
    static QString tapeText(const TapeLine& line);
    KeyButton* keyButton(const char* objectName) const;
    Shown shown() const;
    // After keys: the expression line, the tape pane and what a screen
    // reader hears of them.
    void showChanges(const Shown& before, std::size_t tapeBefore, const KeyAction& lastAction);
    void announceChanges(const Shown& before, const KeyAction& action, std::size_t tapeBefore);
    void followTape();
    void followWorksheets();
    // Shows sheet as a window of its own, titled title.
    void showWorksheet(QWidget* sheet, const QString& title);
    bool tapeVisible() const;

    QtBeeper beeper_;
    std::array<DisplayField*, 9> displays_{};
    QHash<QString, Key> keys_;
    CashFlowTable* table_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QLabel* expressionLabel_ = nullptr;
    QAction* tapeAction_ = nullptr;
    // The tape pane, made the first time it is opened.
    QDockWidget* tapeDock_ = nullptr;
    QListWidget* tapeList_ = nullptr;
    std::size_t tapeFollowed_ = 0;  // History::appended() when the pane last caught up
    History history_;
    TvmSolverSheet* tvmSolver_ = nullptr;
    AmortizationSheet* amortization_ = nullptr;
    NpvProfileSheet* npvProfile_ = nullptr;
    std::unique_ptr<Announcer> announcer_;
    std::unique_ptr<CalController> controller_;
};

}  // namespace cambist
