#include "CalculatorWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "CalController.h"
#include "KeyCatalogue.h"

namespace cambist {

namespace {

QString strokesText(const KeySpec& spec) {
    QStringList labels;
    for (const KeyStroke& stroke : spec.strokes) labels << stroke.label();
    return labels.join(QStringLiteral(", "));
}

QLabel* registerLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Cambist"));
    setCentralWidget(buildCentralWidget());
    buildMenus();

    const auto display = [this](const char* name) { return displays_.value(QLatin1String(name)); };
    const auto button = [this](const char* name) { return keyButton(name); };
    const CalOutlets outlets{display("number_display"), display("memory_display"),
                             display("answer_display"), display("fin_pv_display"),
                             display("fin_n_display"),  display("fin_pmt_display"),
                             display("fin_fv_display"), display("fin_iy_display"),
                             display("fin_year_display"), table_,
                             button("buttonPV"),        button("buttonFV"),
                             button("buttonFVQ"),       button("buttonPMT"),
                             button("buttonCFY"),       button("buttonNCFY"),
                             button("buttonY")};
    controller_ = std::make_unique<CalController>(outlets, beeper_);
    table_->setDataSource(controller_.get());
    controller_->awakeFromNib();
    showMode();

    qApp->installEventFilter(this);
}

CalculatorWindow::~CalculatorWindow() { qApp->removeEventFilter(this); }

DisplayField* CalculatorWindow::addDisplay(const char* objectName, const QString& spokenName) {
    auto* field = new DisplayField;
    field->setObjectName(QLatin1String(objectName));
    field->setAccessibleName(spokenName);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    displays_.insert(QLatin1String(objectName), field);
    return field;
}

KeyButton* CalculatorWindow::addKey(const KeySpec& spec) {
    auto* button = new KeyButton(QString::fromUtf8(spec.caption), spec.tag);
    button->setObjectName(QLatin1String(spec.objectName));
    button->setAccessibleName(QString::fromUtf8(spec.spokenName));
    const QString help = QStringLiteral("%1 (%2)").arg(QString::fromUtf8(spec.spokenName), strokesText(spec));
    button->setToolTip(help);
    button->setAccessibleDescription(help);
    const Key key{button, findKeyAction(spec.action), &spec};
    Q_ASSERT(key.action != nullptr);
    keys_.insert(QLatin1String(spec.objectName), key);
    connect(button, &QPushButton::clicked, this, [this, key] { send(key); });
    return button;
}

KeyButton* CalculatorWindow::keyButton(const char* objectName) const {
    return keys_.value(QLatin1String(objectName)).button;
}

QWidget* CalculatorWindow::buildCentralWidget() {
    for (const KeySpec& spec : keySpecs()) addKey(spec);
    const auto k = [this](const char* name) { return keyButton(name); };

    auto* central = new QWidget;
    auto* outer = new QVBoxLayout(central);

    // The main display, with the mode shown at its left.
    auto* mainDisplay = addDisplay("number_display", QStringLiteral("Display"));
    QFont big = mainDisplay->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    mainDisplay->setFont(big);
    mainDisplay->setMinimumHeight(mainDisplay->fontMetrics().height() * 3 / 2);
    // The main display holds the focus, so a screen reader speaks each new
    // value; the keys take focus only by Tab, never by a click.
    mainDisplay->setFocusPolicy(Qt::StrongFocus);
    mainDisplay->setFocus();
    modeLabel_ = new QLabel;
    modeLabel_->setObjectName(QStringLiteral("modeLabel"));
    modeLabel_->setAccessibleName(QStringLiteral("Mode"));
    // Shown in the accent colour: a bold face would load a second font file.
    modeLabel_->setForegroundRole(QPalette::Link);
    modeLabel_->setMinimumWidth(modeLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Cash flows")) + 8);
    auto* top = new QHBoxLayout;
    top->addWidget(modeLabel_);
    // The frame is drawn once, around the display, rather than again with
    // every new value.
    mainDisplay->setFrame(false);
    auto* mainFrame = new QFrame;
    mainFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    mainFrame->setBackgroundRole(QPalette::Base);
    mainFrame->setAutoFillBackground(true);
    auto* framed = new QHBoxLayout(mainFrame);
    framed->setContentsMargins(4, 2, 4, 2);
    framed->addWidget(mainDisplay);
    top->addWidget(mainFrame, 1);
    outer->addLayout(top);

    auto* registersRow = new QHBoxLayout;
    auto* memory = addDisplay("memory_display", QStringLiteral("Memory"));
    auto* answer = addDisplay("answer_display", QStringLiteral("Answer"));
    registersRow->addWidget(registerLabel(QStringLiteral("Memory"), memory));
    registersRow->addWidget(memory, 1);
    registersRow->addWidget(registerLabel(QStringLiteral("Answer"), answer));
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
        const char* display;
        const char* spoken;
        const char* setKey;
        const char* calcKey;
    };
    const RegisterRow rows[] = {
        {"N", "fin_n_display", "N, number of periods", "setN", nullptr},
        {"I/Y", "fin_iy_display", "I/Y, interest rate per period", "setIY", "calcIY"},
        {"PV", "fin_pv_display", "Present value", "buttonPV", "calcPV"},
        {"PMT", "fin_pmt_display", "Payment", "buttonPMT", nullptr},
        {"FV", "fin_fv_display", "Future value", "buttonFV", "buttonFVQ"},
        {"Year", "fin_year_display", "Year of next cash flow", "buttonY", nullptr},
    };
    int r = 0;
    for (const RegisterRow& row : rows) {
        auto* field = addDisplay(row.display, QString::fromUtf8(row.spoken));
        registers->addWidget(registerLabel(QString::fromUtf8(row.label), field), r, 0);
        registers->addWidget(field, r, 1);
        registers->addWidget(k(row.setKey), r, 2);
        if (row.calcKey) registers->addWidget(k(row.calcKey), r, 3);
        ++r;
    }
    registers->setColumnStretch(1, 1);
    right->addLayout(registers);

    auto* cashFlowKeys = new QGridLayout;
    KeyButton* toggle = k("toggleSimpleComplex");
    toggle->setCheckable(true);
    cashFlowKeys->addWidget(toggle, 0, 0);
    cashFlowKeys->addWidget(k("buttonCFY"), 0, 1);
    cashFlowKeys->addWidget(k("buttonNCFY"), 0, 2);
    cashFlowKeys->addWidget(k("clearFinancePressed"), 0, 3);
    right->addLayout(cashFlowKeys);

    table_ = new CashFlowTable;
    table_->setObjectName(QStringLiteral("irr_entry_display"));
    table_->setAccessibleName(QStringLiteral("Cash flows"));
    right->addWidget(table_, 1);
    body->addLayout(right, 4);

    return central;
}

void CalculatorWindow::buildMenus() {
    const auto shortcutOf = [](const char* command) {
        for (const MenuShortcut& shortcut : menuShortcuts()) {
            if (qstrcmp(shortcut.command, command) == 0) {
                return QKeySequence(QKeyCombination(shortcut.stroke.modifiers,
                                                    static_cast<Qt::Key>(shortcut.stroke.key)));
            }
        }
        return QKeySequence();
    };
    // Keys reached from a menu keep their own keystroke; the menu only shows it.
    const auto keyCommand = [this](QMenu* menu, const QString& text, const char* keyName) {
        const KeySpec& spec = *keys_.value(QLatin1String(keyName)).spec;
        QAction* action = menu->addAction(text + QLatin1Char('\t') + spec.strokes.front().label());
        connect(action, &QAction::triggered, this, [this, keyName] { keyButton(keyName)->click(); });
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* quit = file->addAction(QStringLiteral("&Quit"), qApp, &QApplication::quit);
    quit->setShortcut(shortcutOf("Quit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* copy = edit->addAction(QStringLiteral("&Copy"), this, &CalculatorWindow::copyDisplay);
    copy->setShortcut(shortcutOf("Copy"));
    QAction* paste = edit->addAction(QStringLiteral("&Paste"), this, &CalculatorWindow::pasteClipboard);
    paste->setShortcut(shortcutOf("Paste"));

    QMenu* mode = menuBar()->addMenu(QStringLiteral("&Mode"));
    modeAction_ = keyCommand(mode, QStringLiteral("&Cash-flow mode"), "toggleSimpleComplex");
    modeAction_->setCheckable(true);
    keyCommand(mode, QStringLiteral("C&lear TVM and cash flows"), "clearFinancePressed");

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* shortcuts = help->addAction(QStringLiteral("&Keyboard shortcuts"), this, &CalculatorWindow::showShortcuts);
    shortcuts->setShortcut(shortcutOf("Keyboard shortcuts"));
    help->addAction(QStringLiteral("&About Cambist"), this, &CalculatorWindow::showAbout);
}

void CalculatorWindow::send(const Key& key) {
    (controller_.get()->*(key.action->handler))(*key.button);
    showMode();
}

void CalculatorWindow::showMode() {
    const bool cashFlows = controller_->inCashFlowMode();
    modeLabel_->setText(cashFlows ? QStringLiteral("Cash flows") : QStringLiteral("TVM"));
    KeyButton* toggle = keyButton("toggleSimpleComplex");
    toggle->setChecked(cashFlows);
    if (modeAction_) modeAction_->setChecked(cashFlows);
    // In cash-flow mode the two compute keys give the NPV and IRR of the list.
    KeyButton* pv = keyButton("calcPV");
    KeyButton* iy = keyButton("calcIY");
    pv->setText(cashFlows ? QStringLiteral("NPV") : QStringLiteral("CPT"));
    iy->setText(cashFlows ? QStringLiteral("IRR") : QStringLiteral("CPT"));
    pv->setAccessibleName(cashFlows ? QStringLiteral("Compute net present value")
                                    : QStringLiteral("Compute present value"));
    iy->setAccessibleName(cashFlows ? QStringLiteral("Compute internal rate of return")
                                    : QStringLiteral("Compute interest rate"));
}

bool CalculatorWindow::pressForKeyEvent(const QKeyEvent& event) {
    for (const Key& key : std::as_const(keys_)) {
        for (const KeyStroke& stroke : key.spec->strokes) {
            if (!stroke.matches(event)) continue;
            KeyButton* button = key.button;
            if (button->isEnabled()) {
                button->click();
                // A brief press shows which key the keyboard reached.
                button->setDown(true);
                QTimer::singleShot(90, button, [button] { button->setDown(false); });
            }
            return true;  // a disabled key's keystroke does nothing
        }
    }
    return false;
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        if (pressForKeyEvent(*static_cast<QKeyEvent*>(event))) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CalculatorWindow::typeText(const QString& text) {
    // Each character is a key as the key driver spells it: a digit, the
    // point, an operator, a bracket or "=". A letter is no key here, even
    // one that starts a key's name.
    std::vector<KeyPress> presses;
    for (const QChar c : text) {
        if (c.isSpace()) continue;
        const std::vector<KeyPress> keys =
            c.unicode() < 128 ? parseKeyToken(std::string(1, static_cast<char>(c.unicode()))) : std::vector<KeyPress>{};
        if (keys.empty()) {
            beeper_.beep();
            return false;
        }
        presses.insert(presses.end(), keys.begin(), keys.end());
    }
    for (const KeyPress& press : presses) clickKey(press.action->name, press.tag);
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
    QGuiApplication::clipboard()->setText(displays_.value(QStringLiteral("number_display"))->text());
}

void CalculatorWindow::pasteClipboard() { typeText(QGuiApplication::clipboard()->text()); }

void CalculatorWindow::showShortcuts() {
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Keyboard shortcuts"));
    auto* layout = new QVBoxLayout(&dialog);
    const auto specs = keySpecs();
    const auto menus = menuShortcuts();
    auto* table = new QTableWidget(static_cast<int>(specs.size() + menus.size()), 3, &dialog);
    table->setHorizontalHeaderLabels({QStringLiteral("Key"), QStringLiteral("Does"), QStringLiteral("Keyboard")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    int row = 0;
    for (const KeySpec& spec : specs) {
        table->setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(spec.caption)));
        table->setItem(row, 1, new QTableWidgetItem(QString::fromUtf8(spec.spokenName)));
        table->setItem(row, 2, new QTableWidgetItem(strokesText(spec)));
        ++row;
    }
    for (const MenuShortcut& shortcut : menus) {
        table->setItem(row, 0, new QTableWidgetItem(QStringLiteral("Menu")));
        table->setItem(row, 1, new QTableWidgetItem(QString::fromUtf8(shortcut.command)));
        table->setItem(row, 2, new QTableWidgetItem(shortcut.stroke.label()));
        ++row;
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(560, 640);
    dialog.exec();
}

void CalculatorWindow::showAbout() {
    QMessageBox::about(this, QStringLiteral("About Cambist"),
                       QStringLiteral("<b>Cambist %1</b><p>A calculator with a financial mode: "
                                      "time value of money, cash flows, NPV and IRR.</p>")
                           .arg(QStringLiteral(CAMBIST_VERSION)));
}

}  // namespace cambist
