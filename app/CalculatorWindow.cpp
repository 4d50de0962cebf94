#include "CalculatorWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "Announcer.h"
#include "CalController.h"
#include "KeyCatalogue.h"
#include "PastedText.h"
#include "Worksheets.h"

namespace cambist {

namespace {

// The nine displays in the controller's order, with the names a screen
// reader gives them and the short names its announcements use.
struct DisplayInfo {
    const char* objectName;
    const char* spokenName;
    const char* shortName;
};
constexpr std::array<DisplayInfo, 9> kDisplays = {{
    {"number_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Display"), ""},
    {"memory_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Memory"), QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Memory")},
    {"answer_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Answer"), QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Answer")},
    {"fin_pv_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Present value"), "PV"},
    {"fin_n_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "N, number of periods"), "N"},
    {"fin_pmt_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Payment"), "PMT"},
    {"fin_fv_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Future value"), "FV"},
    {"fin_iy_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "I/Y, interest rate per period"), "I/Y"},
    {"fin_year_display", QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Year of next cash flow"), "Year"},
}};
constexpr std::size_t kMainDisplay = 0;

QLabel* registerLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Keys after which the main display is spoken even when it did not change:
// the user asked for a value.
bool asksForAValue(std::string_view action) {
    return action == "equalPressed" || action == "calcPV" || action == "calcFV" || action == "calcIY" ||
           action == "memoryLoad" || action == "answerLoad" || action == "sqrtPressed" ||
           action == "percentPressed" || action == "delPressed";
}

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Cambist"));
    // The desktop's own icon; two small sizes, since a large one costs start-up
    // time and memory to decode for a title bar.
    QIcon icon;
    for (const char* size : {"32", "64"}) icon.addFile(QStringLiteral(":/icons/cambist-%1.png").arg(QLatin1String(size)));
    setWindowIcon(icon);
    setCentralWidget(buildCentralWidget());
    buildMenus();

    const auto display = [this](std::size_t i) { return displays_[i]; };
    const auto button = [this](const char* name) { return keyButton(name); };
    const CalOutlets outlets{display(0), display(1), display(2), display(3), display(4),
                             display(5), display(6), display(7), display(8), table_,
                             button("buttonPV"),  button("buttonFV"),   button("buttonFVQ"),
                             button("buttonPMT"), button("buttonCFY"),  button("buttonNCFY"),
                             button("buttonY")};
    controller_ = std::make_unique<CalController>(outlets, beeper_);
    table_->setDataSource(controller_.get());
    controller_->awakeFromNib();
    showMode();
    // Small enough for a 1920 x 1080 screen at 200 % (960 x 540, less the
    // title bar), with every key and four table rows in view.
    const QSize least = minimumSizeHint();
    resize(std::max(least.width(), 600), std::max(least.height(), 480));
}

CalculatorWindow::~CalculatorWindow() {
    // The pane is hidden as the window goes; that is no request to close it.
    if (tapeDock_) tapeDock_->disconnect();
}

QString CalculatorWindow::lastAnnouncement() const { return announcer_->message(); }

DisplayField* CalculatorWindow::addDisplay(const char* objectName, const QString& spokenName) {
    auto* field = new DisplayField;
    field->setObjectName(QLatin1String(objectName));
    field->setAccessibleName(spokenName);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
    // Every display is reached by Tab and read as its name and value.
    field->setFocusPolicy(Qt::TabFocus);
    for (std::size_t i = 0; i < kDisplays.size(); ++i) {
        if (qstrcmp(kDisplays[i].objectName, objectName) == 0) displays_[i] = field;
    }
    return field;
}

void CalculatorWindow::addKey(const KeySpec& spec) {
    auto* button = new KeyButton(keyCaption(spec), spec.tag);
    button->setObjectName(QLatin1String(spec.objectName));
    button->setAccessibleName(keySpokenName(spec));
    const QString help = tr("%1. Keys: %2").arg(keySpokenName(spec), strokesText(spec));
    button->setToolTip(help);
    button->setAccessibleDescription(help);

    Key key{button, findKeyAction(spec.action), &spec, nullptr};
    Q_ASSERT(key.action != nullptr);
    // The keystrokes Qt can match itself become one shortcut action.
    QList<QKeySequence> sequences;
    for (const KeyStroke& stroke : spec.strokes) {
        if (stroke.kind == KeyStroke::Kind::Key) sequences << stroke.sequence();
    }
    if (!sequences.isEmpty()) {
        key.shortcut = new QAction(keySpokenName(spec), this);
        key.shortcut->setObjectName(QLatin1String(spec.objectName) + QLatin1String("Shortcut"));
        key.shortcut->setShortcuts(sequences);
        key.shortcut->setShortcutContext(Qt::WindowShortcut);
        addAction(key.shortcut);
        const QString name = QLatin1String(spec.objectName);
        connect(key.shortcut, &QAction::triggered, this, [this, name] { pressFromKeyboard(keys_[name]); });
    }
    keys_.insert(QLatin1String(spec.objectName), key);
    const QString name = QLatin1String(spec.objectName);
    if (qstrcmp(spec.action, "toggleSimpleComplex") == 0) {
        // The mode key is a check box: whatever switches it (a click, the
        // keyboard, an assistive tool's toggle) switches the mode, and
        // showMode sets it back to the controller's mode.
        button->setCheckable(true);
        connect(button, &QAbstractButton::toggled, this, [this, name](bool checked) {
            if (checked != controller_->inCashFlowMode()) deliver(keys_[name], *keys_[name].button);
            showMode();
        });
    } else {
        connect(button, &QPushButton::clicked, this, [this, name] { deliver(keys_[name], *keys_[name].button); });
    }
}

const CalculatorWindow::Key* CalculatorWindow::keyNamed(const char* objectName) const {
    const auto it = keys_.constFind(QLatin1String(objectName));
    return it == keys_.constEnd() ? nullptr : &*it;
}

KeyButton* CalculatorWindow::keyButton(const char* objectName) const {
    const Key* key = keyNamed(objectName);
    return key ? key->button : nullptr;
}

QWidget* CalculatorWindow::buildCentralWidget() {
    for (const KeySpec& spec : keySpecs()) addKey(spec);
    const auto k = [this](const char* name) { return keyButton(name); };

    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);
    announcer_ = std::make_unique<Announcer>(central);

    // The main display, with the mode shown at its left.
    auto* mainDisplay = addDisplay("number_display", tr(kDisplays[kMainDisplay].spokenName));
    QFont big = mainDisplay->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    mainDisplay->setFont(big);
    mainDisplay->setMinimumHeight(mainDisplay->fontMetrics().height() * 3 / 2);
    // The main display holds the focus, so a screen reader reads it first;
    // the keys take focus only by Tab, never by a click.
    mainDisplay->setFocusPolicy(Qt::StrongFocus);
    mainDisplay->setFocus();
    modeLabel_ = new QLabel;
    modeLabel_->setObjectName(QStringLiteral("modeLabel"));
    // Shown in the accent colour: a bold face would load a second font file.
    modeLabel_->setForegroundRole(QPalette::Link);
    modeLabel_->setMinimumWidth(modeLabel_->fontMetrics().horizontalAdvance(tr("Cash flows")) + 8);
    auto* top = new QHBoxLayout;
    top->addWidget(modeLabel_);
    // The frame is drawn once, around the display, rather than again with
    // every new value.
    mainDisplay->setFrame(false);
    auto* mainFrame = new QFrame;
    mainFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    mainFrame->setBackgroundRole(QPalette::Base);
    mainFrame->setAutoFillBackground(true);
    auto* framed = new QVBoxLayout(mainFrame);
    framed->setContentsMargins(4, 2, 4, 2);
    framed->setSpacing(0);
    // What is pending above the value: "2 + 3 ×" while the display shows 3.
    expressionLabel_ = new QLabel;
    expressionLabel_->setObjectName(QStringLiteral("expressionLine"));
    expressionLabel_->setAccessibleName(tr("Expression"));
    expressionLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    expressionLabel_->setForegroundRole(QPalette::PlaceholderText);
    expressionLabel_->setMinimumHeight(expressionLabel_->fontMetrics().height());
    expressionLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    framed->addWidget(expressionLabel_);
    framed->addWidget(mainDisplay);
    top->addWidget(mainFrame, 1);
    outer->addLayout(top);

    auto* registersRow = new QHBoxLayout;
    auto* memory = addDisplay("memory_display", tr("Memory"));
    auto* answer = addDisplay("answer_display", tr("Answer"));
    registersRow->addWidget(registerLabel(tr("Memory"), memory));
    registersRow->addWidget(memory, 1);
    registersRow->addWidget(registerLabel(tr("Answer"), answer));
    registersRow->addWidget(answer, 1);
    outer->addLayout(registersRow);

    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    // Left: memory keys above the keypad.
    auto* left = new QVBoxLayout;
    auto* memoryKeys = new QGridLayout;
    const char* const memoryNames[] = {"memoryClear", "memoryLoad", "memoryIn", "memoryAdd", "memorySub", "answerLoad"};
    for (int i = 0; i < 6; ++i) memoryKeys->addWidget(k(memoryNames[i]), 0, i);
    left->addLayout(memoryKeys);

    auto* pad = new QGridLayout;
    const char* const grid[6][4] = {
        {"allClearPressed", "clearPressed", "delPressed", "negatePressed"},
        {"openBracketPressed", "closeBracketPressed", "percentPressed", "sqrtPressed"},
        {"digit7", "digit8", "digit9", "dividePressed"},
        {"digit4", "digit5", "digit6", "multiplyPressed"},
        {"digit1", "digit2", "digit3", "minusPressed"},
        {"digit0", "thousandPressed", "dotPressed", "plusPressed"},
    };
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 4; ++col) pad->addWidget(k(grid[row][col]), row, col);
    }
    pad->addWidget(k("powerPressed"), 6, 0);
    pad->addWidget(k("equalPressed"), 6, 1, 1, 3);
    // Digits stand out from the operators, equals from everything.
    for (const char* name : {"digit0", "digit1", "digit2", "digit3", "digit4", "digit5", "digit6",
                             "digit7", "digit8", "digit9", "thousandPressed", "dotPressed"}) {
        KeyButton* digit = k(name);
        QPalette palette = digit->palette();
        palette.setColor(QPalette::Button, palette.color(QPalette::Base));
        digit->setPalette(palette);
    }
    KeyButton* equals = k("equalPressed");
    QPalette accent = equals->palette();
    accent.setColor(QPalette::Button, accent.color(QPalette::Highlight));
    accent.setColor(QPalette::ButtonText, accent.color(QPalette::HighlightedText));
    equals->setPalette(accent);
    left->addLayout(pad, 1);
    body->addLayout(left, 3);

    // Right: each financial register with the keys that store and compute it,
    // then the cash-flow keys and the table.
    auto* right = new QVBoxLayout;
    auto* registers = new QGridLayout;
    struct RegisterRow {
        const char* label;
        std::size_t display;
        const char* setKey;
        const char* calcKey;
    };
    const RegisterRow rows[] = {
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "N"), 4, "setN", nullptr},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "I/Y"), 7, "setIY", "calcIY"},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "PV"), 3, "buttonPV", "calcPV"},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "PMT"), 5, "buttonPMT", nullptr},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "FV"), 6, "buttonFV", "buttonFVQ"},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Year"), 8, "buttonY", nullptr},
    };
    int r = 0;
    for (const RegisterRow& row : rows) {
        const DisplayInfo& info = kDisplays[row.display];
        auto* field = addDisplay(info.objectName, tr(info.spokenName));
        registers->addWidget(registerLabel(tr(row.label), field), r, 0);
        registers->addWidget(field, r, 1);
        registers->addWidget(k(row.setKey), r, 2);
        if (row.calcKey) registers->addWidget(k(row.calcKey), r, 3);
        ++r;
    }
    registers->setColumnStretch(1, 1);
    right->addLayout(registers);

    auto* cashFlowKeys = new QGridLayout;
    cashFlowKeys->addWidget(k("toggleSimpleComplex"), 0, 0);
    cashFlowKeys->addWidget(k("buttonCFY"), 0, 1);
    cashFlowKeys->addWidget(k("buttonNCFY"), 0, 2);
    cashFlowKeys->addWidget(k("clearFinancePressed"), 0, 3);
    right->addLayout(cashFlowKeys);

    table_ = new CashFlowTable;
    table_->setObjectName(QStringLiteral("irr_entry_display"));
    table_->setAccessibleName(tr("Cash flows"));
    right->addWidget(table_, 1);
    body->addLayout(right, 4);

    return central;
}

void CalculatorWindow::buildMenus() {
    const auto shortcutOf = [](const char* command) {
        for (const MenuShortcut& shortcut : menuShortcuts()) {
            if (qstrcmp(shortcut.command, command) == 0) return shortcut.stroke.sequence();
        }
        return QKeySequence();
    };

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* quit = file->addAction(tr("&Quit"), qApp, &QApplication::quit);
    quit->setShortcut(shortcutOf("Quit"));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* copy = edit->addAction(tr("&Copy"), this, &CalculatorWindow::copyDisplay);
    copy->setShortcut(shortcutOf("Copy"));
    QAction* paste = edit->addAction(tr("&Paste"), this, &CalculatorWindow::pasteClipboard);
    paste->setShortcut(shortcutOf("Paste"));
    edit->addSeparator();
    edit->addAction(tr("Copy &tape"), this, &CalculatorWindow::copyTape);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    tapeAction_ = view->addAction(tr("&Tape"));
    tapeAction_->setCheckable(true);
    tapeAction_->setShortcut(shortcutOf("Tape"));
    connect(tapeAction_, &QAction::toggled, this, &CalculatorWindow::showTape);
    view->addAction(tr("C&lear tape"), this, &CalculatorWindow::clearTape);

    // The mode menu holds the keys' own shortcut actions: one action, one
    // keystroke, shown beside its words.
    QMenu* mode = menuBar()->addMenu(tr("&Mode"));
    QAction* toggle = keyNamed("toggleSimpleComplex")->shortcut;
    toggle->setText(tr("&Cash-flow mode"));
    toggle->setCheckable(true);
    mode->addAction(toggle);
    QAction* clear = keyNamed("clearFinancePressed")->shortcut;
    clear->setText(tr("C&lear TVM and cash flows"));
    mode->addAction(clear);

    // The worksheets open from any of Cambist's windows, a worksheet's too.
    QMenu* sheets = menuBar()->addMenu(tr("&Worksheets"));
    const auto addSheet = [&](const QString& text, void (CalculatorWindow::*open)(), const char* command) {
        QAction* action = sheets->addAction(text, this, open);
        action->setShortcut(shortcutOf(command));
        action->setShortcutContext(Qt::ApplicationShortcut);
    };
    addSheet(tr("&TVM solver"), &CalculatorWindow::showTvmSolver, "TVM solver");
    addSheet(tr("&Amortization"), &CalculatorWindow::showAmortization, "Amortization");
    addSheet(tr("&NPV profile"), &CalculatorWindow::showNpvProfile, "NPV profile");

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* guide = help->addAction(tr("&Guide"), this, &CalculatorWindow::showGuide);
    guide->setShortcut(shortcutOf("Guide"));
    help->addAction(tr("&Keyboard shortcuts"), this, &CalculatorWindow::showShortcuts);
    help->addAction(tr("&About Cambist"), this, &CalculatorWindow::showAbout);
}

CalculatorWindow::Shown CalculatorWindow::shown() const {
    Shown s;
    for (std::size_t i = 0; i < displays_.size(); ++i) s.displays[i] = displays_[i]->text();
    s.rows = controller_->numberOfRowsInTableView(*table_);
    s.cashFlows = controller_->inCashFlowMode();
    return s;
}

void CalculatorWindow::deliver(const Key& key, const Control& sender) {
    const Shown before = shown();
    const std::size_t tapeBefore = history_.appended();
    history_.press(*controller_, *key.action, sender);
    showChanges(before, tapeBefore, *key.action);
}

void CalculatorWindow::showChanges(const Shown& before, std::size_t tapeBefore, const KeyAction& lastAction) {
    showMode();
    expressionLabel_->setText(QString::fromStdString(history_.expression()));
    followTape();
    followWorksheets();
    announceChanges(before, lastAction, tapeBefore);
}

void CalculatorWindow::followWorksheets() {
    if (tvmSolver_ && tvmSolver_->isVisible()) tvmSolver_->follow(*controller_);
    if (amortization_ && amortization_->isVisible()) amortization_->follow(*controller_);
    if (npvProfile_ && npvProfile_->isVisible()) npvProfile_->follow(*controller_);
}

void CalculatorWindow::showWorksheet(QWidget* sheet, const QString& title) {
    sheet->setWindowFlag(Qt::Window);
    sheet->setWindowTitle(title);
    sheet->setWindowIcon(windowIcon());
    sheet->show();
    sheet->raise();
    sheet->activateWindow();
    followWorksheets();
}

void CalculatorWindow::showTvmSolver() {
    if (!tvmSolver_) {
        tvmSolver_ = new TvmSolverSheet(this);
        // What the solver computes reaches the calculator as typed keys.
        // The calculator comes to the front, so the register's key that
        // stores the value can follow at once.
        connect(tvmSolver_, &TvmSolverSheet::useValue, this, [this](const QString& text) {
            typeText(text);
            raise();
            activateWindow();
        });
        tvmSolver_->resize(420, 260);
    }
    showWorksheet(tvmSolver_, tr("TVM solver"));
}

void CalculatorWindow::showAmortization() {
    if (!amortization_) {
        amortization_ = new AmortizationSheet(this);
        amortization_->resize(560, 480);
    }
    showWorksheet(amortization_, tr("Amortization schedule"));
}

void CalculatorWindow::showNpvProfile() {
    if (!npvProfile_) {
        npvProfile_ = new NpvProfileSheet(this);
        npvProfile_->resize(620, 560);
    }
    showWorksheet(npvProfile_, tr("NPV profile"));
}

void CalculatorWindow::pressFromKeyboard(const Key& key) {
    KeyButton* button = key.button;
    if (!button->isEnabled()) return;  // a disabled key's keystroke does nothing
    deliver(key, *button);
    // A brief press shows which key the keyboard reached.
    button->setDown(true);
    QTimer::singleShot(90, button, [button] { button->setDown(false); });
}

void CalculatorWindow::announceChanges(const Shown& before, const KeyAction& action, std::size_t tapeBefore) {
    // With the tape open, its new lines say what happened, result included.
    const std::size_t added = std::min(history_.appended() - tapeBefore, history_.tape().size());
    if (tapeVisible() && added > 0) {
        QStringList lines;
        for (auto it = history_.tape().end() - static_cast<std::ptrdiff_t>(added); it != history_.tape().end(); ++it) {
            lines << tapeText(*it);
        }
        announcer_->announce(lines.join(QLatin1String(". ")));
        return;
    }
    const Shown after = shown();
    QStringList parts;
    if (after.cashFlows != before.cashFlows) {
        parts << (after.cashFlows ? tr("Cash flows mode") : tr("TVM mode"));
    }
    if (action.name == "clearFinancePressed") {
        parts << tr("TVM registers, year and cash flows cleared");
    } else {
        const QString& main = after.displays[kMainDisplay];
        const bool mainChanged = main != before.displays[kMainDisplay] || asksForAValue(action.name);
        bool mainSaid = false;
        // The answer register follows every =; the display already says it.
        constexpr std::size_t kAnswer = 2;
        for (std::size_t i = 1; i < after.displays.size(); ++i) {
            if (i == kAnswer || after.displays[i] == before.displays[i]) continue;
            parts << tr(kDisplays[i].shortName) + QLatin1Char(' ') + after.displays[i];
            mainSaid = mainSaid || after.displays[i] == main;
        }
        if (mainChanged && !mainSaid) {
            parts.prepend(main == QLatin1String("- E -") ? tr("- E -, error. Escape clears it.") : main);
        }
        const auto rowsInAll = [&after] {
            return after.rows == 1 ? tr("1 row") : tr("%1 rows").arg(after.rows);
        };
        const int rowsAdded = after.rows - before.rows;
        if (rowsAdded > 0) {
            parts << (rowsAdded == 1 ? tr("1 cash flow added") : tr("%1 cash flows added").arg(rowsAdded)) +
                         QLatin1String(", ") + rowsInAll();
        } else if (rowsAdded < 0) {
            parts << tr("Newest cash flow removed") + QLatin1String(", ") + rowsInAll();
        }
    }
    announcer_->announce(parts.join(QLatin1String(", ")));
}

void CalculatorWindow::showMode() {
    const bool cashFlows = controller_->inCashFlowMode();
    const QString modeName = cashFlows ? tr("Cash flows") : tr("TVM");
    modeLabel_->setText(modeName);
    modeLabel_->setAccessibleName(tr("Mode: %1").arg(modeName));
    KeyButton* toggle = keyButton("toggleSimpleComplex");
    {
        const QSignalBlocker blocker(toggle);
        toggle->setChecked(cashFlows);
    }
    keyNamed("toggleSimpleComplex")->shortcut->setChecked(cashFlows);
    // In cash-flow mode the two compute keys give the NPV and IRR of the list.
    struct Face {
        const char* key;
        QString caption;
        QString name;
    };
    const Face faces[] = {
        {"calcPV", cashFlows ? tr("NPV") : tr("CPT"),
         cashFlows ? tr("Compute net present value of the cash flows at I/Y") : tr("Compute present value")},
        {"calcIY", cashFlows ? tr("IRR") : tr("CPT"),
         cashFlows ? tr("Compute internal rate of return of the cash flows") : tr("Compute interest rate")},
    };
    for (const Face& face : faces) {
        const Key* key = keyNamed(face.key);
        key->button->setText(face.caption);
        key->button->setAccessibleName(face.name);
        const QString help = tr("%1. Keys: %2").arg(face.name, strokesText(*key->spec));
        key->button->setToolTip(help);
        key->button->setAccessibleDescription(help);
    }
}

const CalculatorWindow::Key* CalculatorWindow::keyTypedBy(const QKeyEvent& event) const {
    // What shortcuts cannot say: characters as typed on any layout, the
    // keypad with NumLock off and dead keys.
    for (const Key& key : keys_) {
        for (const KeyStroke& stroke : key.spec->strokes) {
            if (stroke.kind != KeyStroke::Kind::Key && stroke.matches(event)) return &key;
        }
    }
    return nullptr;
}

bool CalculatorWindow::event(QEvent* event) {
    // Qt would match the keypad's Delete (the decimal key with NumLock off)
    // to the Delete shortcut; a typed key of our own is claimed first, so it
    // arrives as a key press.
    if (event->type() == QEvent::ShortcutOverride && keyTypedBy(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    if (const Key* key = keyTypedBy(*event)) {
        pressFromKeyboard(*key);
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

QString CalculatorWindow::refusalText(PasteRefusal refusal) {
    switch (refusal) {
        case PasteRefusal::None: break;
        case PasteRefusal::TooLong: return tr("the text is longer than %1 characters").arg(kMaxPastedLength);
        case PasteRefusal::UnknownCharacter: return tr("a character that is no key");
        case PasteRefusal::TooManyDigits: return tr("more digits than one number holds");
        case PasteRefusal::SecondPoint: return tr("a second decimal point");
        case PasteRefusal::PointWithoutDigit: return tr("a decimal point with no digit");
        case PasteRefusal::PointAndComma: return tr("both a point and a comma");
        case PasteRefusal::NumberAfterNumber: return tr("a number right after a number or bracket");
        case PasteRefusal::BracketAfterNumber: return tr("a bracket right after a number");
        case PasteRefusal::TwoOperators: return tr("two operators in a row");
        case PasteRefusal::BracketAfterOperator: return tr("a bracket right after an operator");
        case PasteRefusal::EqualsAfterOperator: return tr("equals right after an operator");
        case PasteRefusal::SignWithoutNumber: return tr("a minus sign with no number after it");
    }
    return {};
}

bool CalculatorWindow::typeText(const QString& text) {
    // The length is checked before the text is converted or read.
    const bool commaDecimal = QLocale().decimalPoint() == QLatin1String(",");
    QString refused;
    PastedKeys keys;
    if (static_cast<std::size_t>(text.size()) > kMaxPastedLength) {
        refused = refusalText(PasteRefusal::TooLong);
    } else if (controller_->entryState() == STATE_ERROR) {
        refused = tr("the calculator shows an error");
    } else {
        keys = keysForPastedText(text.toStdString(), commaDecimal);
        refused = refusalText(keys.refusal);
    }
    if (!refused.isEmpty()) {
        beeper_.beep();
        announcer_->announce(tr("Paste refused: %1").arg(refused));
        return false;
    }
    if (keys.presses.empty()) return true;
    const Shown before = shown();
    const std::size_t tapeBefore = history_.appended();
    for (const KeyPress& press : keys.presses) history_.press(*controller_, press);
    showChanges(before, tapeBefore, *keys.presses.back().action);
    return true;
}

bool CalculatorWindow::clickKey(std::string_view action, std::int32_t tag) {
    for (const Key& key : std::as_const(keys_)) {
        if (key.spec->action == action && key.spec->tag == tag) {
            key.button->click();
            return true;
        }
    }
    return false;
}

void CalculatorWindow::copyDisplay() {
    QGuiApplication::clipboard()->setText(displays_[kMainDisplay]->text());
}

QString CalculatorWindow::tapeText(const TapeLine& line) {
    const QString format = QCoreApplication::translate("cambist::History", line.format);
    return QString::fromStdString(fillPlaces(format.toStdString(), line.args));
}

bool CalculatorWindow::tapeVisible() const { return tapeDock_ != nullptr && tapeDock_->isVisible(); }

void CalculatorWindow::showTape(bool shown) {
    if (!tapeDock_ && shown) {
        tapeDock_ = new QDockWidget(tr("Tape"), this);
        tapeDock_->setObjectName(QStringLiteral("tapePane"));
        auto* pane = new QWidget;
        auto* layout = new QVBoxLayout(pane);
        layout->setContentsMargins(0, 0, 0, 0);
        tapeList_ = new QListWidget;
        tapeList_->setObjectName(QStringLiteral("tape"));
        tapeList_->setAccessibleName(tr("Tape"));
        tapeList_->setFocusPolicy(Qt::TabFocus);
        tapeList_->setUniformItemSizes(true);
        tapeList_->setMinimumWidth(tapeList_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 26);
        layout->addWidget(tapeList_, 1);
        auto* clear = new QPushButton(tr("Clear tape"));
        clear->setObjectName(QStringLiteral("clearTape"));
        clear->setFocusPolicy(Qt::TabFocus);
        connect(clear, &QPushButton::clicked, this, &CalculatorWindow::clearTape);
        layout->addWidget(clear);
        tapeDock_->setWidget(pane);
        tapeDock_->setFeatures(QDockWidget::DockWidgetClosable);
        addDockWidget(Qt::RightDockWidgetArea, tapeDock_);
        // Closing the pane by its own button unchecks View > Tape.
        connect(tapeDock_, &QDockWidget::visibilityChanged, tapeAction_, [this](bool visible) {
            if (!visible && !isMinimized()) tapeAction_->setChecked(false);
        });
        for (const TapeLine& line : history_.tape()) tapeList_->addItem(tapeText(line));
        tapeFollowed_ = history_.appended();
        tapeList_->scrollToBottom();
    }
    if (tapeDock_) tapeDock_->setVisible(shown);
    {
        const QSignalBlocker blocker(tapeAction_);
        tapeAction_->setChecked(shown);
    }
    const auto lines = static_cast<int>(history_.tape().size());
    announcer_->announce(!shown ? tr("Tape closed")
                         : lines == 1 ? tr("Tape open, 1 line")
                                      : tr("Tape open, %1 lines").arg(lines));
}

void CalculatorWindow::followTape() {
    if (!tapeList_) return;
    const std::size_t fresh = std::min(history_.appended() - tapeFollowed_, history_.tape().size());
    for (auto it = history_.tape().end() - static_cast<std::ptrdiff_t>(fresh); it != history_.tape().end(); ++it) {
        tapeList_->addItem(tapeText(*it));
    }
    // The oldest lines go as the tape drops them.
    while (static_cast<std::size_t>(tapeList_->count()) > history_.tape().size()) delete tapeList_->takeItem(0);
    tapeFollowed_ = history_.appended();
    if (fresh > 0) tapeList_->scrollToBottom();
}

void CalculatorWindow::copyTape() {
    QStringList lines;
    for (const TapeLine& line : history_.tape()) lines << tapeText(line);
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + (lines.isEmpty() ? QString() : QStringLiteral("\n")));
}

void CalculatorWindow::clearTape() {
    history_.clearTape();
    if (tapeList_) tapeList_->clear();
    announcer_->announce(tr("Tape cleared"));
}

void CalculatorWindow::pasteClipboard() {
    // A clipboard text past the bound is refused by its size alone.
    typeText(QGuiApplication::clipboard()->text());
}

void CalculatorWindow::showGuide() { showHelp(0); }

void CalculatorWindow::showShortcuts() { showHelp(1); }

void CalculatorWindow::showHelp(int page) {
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Cambist help"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);

    auto* guide = new QTextBrowser;
    guide->setObjectName(QStringLiteral("guide"));
    guide->setAccessibleName(tr("Guide"));
    guide->setHtml(tr(
        "<h3>Arithmetic</h3>"
        "<p>Type an expression and press = (or Return): 2 + 3 &times; 4 = gives 14. "
        "Power binds tighter than &times; and &divide;, which bind tighter than + and &minus;.</p>"
        "<h3>Money in, money out</h3>"
        "<p>Money you receive is positive, money you pay is negative. "
        "A loan you receive is a positive PV repaid with negative payments; "
        "a deposit you pay in is a negative PV that grows to a positive FV. "
        "Payments fall at the end of each period, and I/Y is the rate per period in percent.</p>"
        "<h3>Example: what is a series of payments worth today?</h3>"
        "<p>10 periods of 100 paid at 5 % per period: type 10 and press N, "
        "5 and press I/Y, 100 &plusmn; and press PMT, 0 and press FV, then press CPT beside PV. "
        "PV shows 772.173493.</p>"
        "<h3>Cash flows</h3>"
        "<p>Press CF mode. Start a new list with CLR TVM, which also sets N to 0 and the year to 0. "
        "Type the first flow (an outlay is negative: 1000 &plusmn;) and press CF+. "
        "N is the repeat count of the next CF+: type 4, press N, type 300 and press CF+ "
        "to add 300 at each of the next four years. Year sets the year of the next flow; "
        "CF&minus; removes the newest. Then type a rate, press I/Y and press NPV, or press IRR "
        "for the rate that makes the NPV zero (searched between 0 and 100 %).</p>"
        "<h3>- E -</h3>"
        "<p>- E - means the last computation could not be done: a division by zero, "
        "or a rate that could not be found. Every key but AC beeps until you press AC (Escape).</p>"));
    tabs->addTab(guide, tr("Guide"));

    const auto specs = keySpecs();
    const auto menus = menuShortcuts();
    auto* table = new QTableWidget(static_cast<int>(specs.size() + menus.size()), 3);
    table->setAccessibleName(tr("Keyboard shortcuts"));
    table->setHorizontalHeaderLabels({tr("Key"), tr("Does"), tr("Keyboard")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    int row = 0;
    for (const KeySpec& spec : specs) {
        table->setItem(row, 0, new QTableWidgetItem(keyCaption(spec)));
        table->setItem(row, 1, new QTableWidgetItem(keySpokenName(spec)));
        table->setItem(row, 2, new QTableWidgetItem(strokesText(spec)));
        ++row;
    }
    for (const MenuShortcut& shortcut : menus) {
        table->setItem(row, 0, new QTableWidgetItem(tr("Menu")));
        table->setItem(row, 1, new QTableWidgetItem(tr(shortcut.command)));
        table->setItem(row, 2, new QTableWidgetItem(shortcut.stroke.label()));
        ++row;
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    tabs->addTab(table, tr("Keyboard shortcuts"));
    tabs->setCurrentIndex(page);

    layout->addWidget(tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(560, 520);
    dialog.exec();
}

void CalculatorWindow::showAbout() {
    QMessageBox::about(this, tr("About Cambist"),
                       tr("<b>Cambist %1</b><p>A calculator with a financial mode: "
                          "time value of money, cash flows, NPV and IRR.</p>")
                           .arg(QStringLiteral(CAMBIST_VERSION)));
}

}  // namespace cambist
