#include "KeyBindings.h"

#include <QCoreApplication>
#include <QKeySequence>

#include <algorithm>

namespace cambist {

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier;

KeyStroke chr(char c) { return {KeyStroke::Kind::Character, c, 0, Qt::NoModifier}; }
KeyStroke key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { return {KeyStroke::Kind::Key, 0, k, m}; }
KeyStroke ctrl(int k) { return key(k, Qt::ControlModifier); }
KeyStroke shift(int k) { return key(k, Qt::ShiftModifier); }
KeyStroke pad(int k) { return {KeyStroke::Kind::KeypadKey, 0, k, Qt::NoModifier}; }
KeyStroke dead(int k) { return {KeyStroke::Kind::DeadKey, 0, k, Qt::NoModifier}; }
// A letter key, alone or with Shift.
std::vector<KeyStroke> letter(int k) { return {key(k), shift(k)}; }

// The keypad with NumLock off sends navigation keys in place of its digits.
const int kKeypadNavigation[10] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown,
                                   Qt::Key_Left,   Qt::Key_Clear, Qt::Key_Right, Qt::Key_Home,
                                   Qt::Key_Up,     Qt::Key_PageUp};

std::vector<KeySpec> buildSpecs() {
    std::vector<KeySpec> specs;
    static const char* const digitNames[10] = {"digit0", "digit1", "digit2", "digit3", "digit4",
                                               "digit5", "digit6", "digit7", "digit8", "digit9"};
    static const char* const digitCaptions[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int d = 0; d < 10; ++d) {
        specs.push_back({digitNames[d], "digitPressed", d, digitCaptions[d], digitCaptions[d],
                         {chr(static_cast<char>('0' + d)), pad(kKeypadNavigation[d])}});
    }
    const std::vector<KeySpec> others = {
        {"thousandPressed", "thousandPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "000"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Three zeros"), letter(Qt::Key_K)},
        {"dotPressed", "dotPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "."), QT_TRANSLATE_NOOP("cambist::KeySpec", "Decimal point"), {chr('.'), chr(','), pad(Qt::Key_Delete)}},
        {"delPressed", "delPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "\u232B"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Backspace"), {key(Qt::Key_Backspace)}},
        {"negatePressed", "negatePressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "\u00B1"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Change sign"), {key(Qt::Key_F9)}},
        {"clearPressed", "clearPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "C"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Clear entry"), {key(Qt::Key_Delete)}},
        {"allClearPressed", "allClearPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "AC"), QT_TRANSLATE_NOOP("cambist::KeySpec", "All clear"), {key(Qt::Key_Escape)}},
        {"plusPressed", "plusPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "+"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Plus"), {chr('+')}},
        {"minusPressed", "minusPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "\u2212"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Minus"), {chr('-')}},
        {"multiplyPressed", "multiplyPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "\u00D7"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Multiply"), {chr('*')}},
        {"dividePressed", "dividePressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "\u00F7"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Divide"), {chr('/')}},
        {"powerPressed", "powerPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "x\u02B8"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Power"), {chr('^'), dead(Qt::Key_Dead_Circumflex)}},
        {"openBracketPressed", "openBracketPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "("), QT_TRANSLATE_NOOP("cambist::KeySpec", "Open bracket"), {chr('(')}},
        {"closeBracketPressed", "closeBracketPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", ")"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Close bracket"), {chr(')')}},
        {"equalPressed", "equalPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "="), QT_TRANSLATE_NOOP("cambist::KeySpec", "Equals"),
         {chr('='), key(Qt::Key_Return), pad(Qt::Key_Enter)}},
        {"sqrtPressed", "sqrtPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "\u221A"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Square root"), {chr('@')}},
        {"percentPressed", "percentPressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "%"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Percent"), {chr('%')}},
        {"memoryClear", "memoryClear", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "MC"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Memory clear"), {ctrl(Qt::Key_L)}},
        {"memoryLoad", "memoryLoad", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "MR"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Memory recall"), {ctrl(Qt::Key_R)}},
        {"memoryIn", "memoryIn", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "MS"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Memory store"), {ctrl(Qt::Key_M)}},
        {"memoryAdd", "memoryAdd", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "M+"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Memory add"), {ctrl(Qt::Key_P)}},
        {"memorySub", "memorySub", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "M\u2212"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Memory subtract"),
         {key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier)}},
        {"answerLoad", "answerLoad", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "ANS"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Recall last answer"), {ctrl(Qt::Key_A)}},
        {"setN", "setN", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "N"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Store in N, number of periods"), letter(Qt::Key_N)},
        {"setIY", "setIY", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "I/Y"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Store in I/Y, interest rate per period"), {key(Qt::Key_I)}},
        {"buttonPV", "setPV", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "PV"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Store in present value"), {key(Qt::Key_V)}},
        {"buttonPMT", "setPMT", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "PMT"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Store in payment"), letter(Qt::Key_P)},
        {"buttonFV", "setFV", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "FV"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Store in future value"), {key(Qt::Key_F)}},
        {"calcIY", "calcIY", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CPT"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Compute interest rate"), {shift(Qt::Key_I)}},
        {"calcPV", "calcPV", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CPT"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Compute present value"), {shift(Qt::Key_V)}},
        {"buttonFVQ", "calcFV", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CPT"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Compute future value"), {shift(Qt::Key_F)}},
        {"clearFinancePressed", "clearFinancePressed", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CLR TVM"),
         QT_TRANSLATE_NOOP("cambist::KeySpec", "Clear financial registers and cash flows"), {ctrl(Qt::Key_Delete)}},
        {"toggleSimpleComplex", "toggleSimpleComplex", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CF mode"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Cash-flow mode"),
         {ctrl(Qt::Key_T)}},
        {"buttonCFY", "addCashFlow", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CF+"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Add cash flow"), letter(Qt::Key_A)},
        {"buttonNCFY", "delCashFlow", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "CF\u2212"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Delete last cash flow"), letter(Qt::Key_D)},
        {"buttonY", "setY", 0, QT_TRANSLATE_NOOP("cambist::KeySpec", "Year"), QT_TRANSLATE_NOOP("cambist::KeySpec", "Set year of next cash flow"), letter(Qt::Key_Y)},
    };
    specs.insert(specs.end(), others.begin(), others.end());
    return specs;
}

}  // namespace

bool KeyStroke::matches(const QKeyEvent& event) const {
    const Qt::KeyboardModifiers chord = event.modifiers() & kChordModifiers;
    const bool onKeypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (kind) {
        case Kind::Character:
            return !(chord & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                   event.text() == QString(QChar(character));
        case Kind::Key:
            return !onKeypad && event.key() == key && chord == modifiers;
        case Kind::KeypadKey:
            return onKeypad && event.key() == key && chord == modifiers;
        case Kind::DeadKey:
            return event.key() == key && !(chord & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    }
    return false;
}

QKeySequence KeyStroke::sequence() const {
    return kind == Kind::Key ? QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key))) : QKeySequence();
}

namespace {

QString characterName(char c) {
    switch (c) {
        case '+': return QCoreApplication::translate("cambist::KeyStroke", "plus");
        case '-': return QCoreApplication::translate("cambist::KeyStroke", "minus");
        case '*': return QCoreApplication::translate("cambist::KeyStroke", "asterisk");
        case '/': return QCoreApplication::translate("cambist::KeyStroke", "slash");
        case '^': return QCoreApplication::translate("cambist::KeyStroke", "caret");
        case '(': return QCoreApplication::translate("cambist::KeyStroke", "left bracket");
        case ')': return QCoreApplication::translate("cambist::KeyStroke", "right bracket");
        case '=': return QCoreApplication::translate("cambist::KeyStroke", "equals sign");
        case '.': return QCoreApplication::translate("cambist::KeyStroke", "period");
        case ',': return QCoreApplication::translate("cambist::KeyStroke", "comma");
        case '@': return QCoreApplication::translate("cambist::KeyStroke", "at sign");
        case '%': return QCoreApplication::translate("cambist::KeyStroke", "percent sign");
        default: return QString(QChar(c));
    }
}

// The keypad key that sends key with NumLock off, by what it shows.
QString keypadName(int key) {
    for (int d = 0; d < 10; ++d) {
        if (kKeypadNavigation[d] == key) return QCoreApplication::translate("cambist::KeyStroke", "keypad %1").arg(d);
    }
    if (key == Qt::Key_Delete) return QCoreApplication::translate("cambist::KeyStroke", "keypad decimal");
    if (key == Qt::Key_Enter) return QCoreApplication::translate("cambist::KeyStroke", "keypad Enter");
    return QCoreApplication::translate("cambist::KeyStroke", "keypad %1").arg(QKeySequence(static_cast<Qt::Key>(key)).toString(QKeySequence::NativeText));
}

}  // namespace

QString KeyStroke::label() const {
    switch (kind) {
        case Kind::Character:
            return characterName(character);
        case Kind::Key:
            return sequence().toString(QKeySequence::NativeText);
        case Kind::KeypadKey:
            return keypadName(key);
        case Kind::DeadKey:
            return QCoreApplication::translate("cambist::KeyStroke", "dead circumflex");
    }
    return {};
}

QString strokesText(const KeySpec& spec) {
    QStringList labels;
    for (const KeyStroke& stroke : spec.strokes) {
        // Shift+N beside N says nothing new to a reader.
        if (stroke.kind == KeyStroke::Kind::Key && stroke.modifiers == Qt::ShiftModifier &&
            std::any_of(spec.strokes.begin(), spec.strokes.end(), [&stroke](const KeyStroke& other) {
                return other.kind == KeyStroke::Kind::Key && other.key == stroke.key && other.modifiers == Qt::NoModifier;
            })) {
            continue;
        }
        labels << stroke.label();
    }
    if (labels.size() <= 1) return labels.join(QString());
    const QString last = labels.takeLast();
    return QCoreApplication::translate("cambist::KeyStroke", "%1 or %2").arg(labels.join(QStringLiteral(", ")), last);
}

QString keyCaption(const KeySpec& spec) { return QCoreApplication::translate("cambist::KeySpec", spec.caption); }

QString keySpokenName(const KeySpec& spec) {
    return QCoreApplication::translate("cambist::KeySpec", spec.spokenName);
}

bool KeyStroke::operator==(const KeyStroke& other) const {
    return kind == other.kind && character == other.character && key == other.key &&
           modifiers == other.modifiers;
}

std::span<const KeySpec> keySpecs() {
    static const std::vector<KeySpec> specs = buildSpecs();
    return specs;
}

std::span<const MenuShortcut> menuShortcuts() {
    static const std::vector<MenuShortcut> shortcuts = {
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Copy"), ctrl(Qt::Key_C)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Paste"), ctrl(Qt::Key_V)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Guide"), key(Qt::Key_F1)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Tape"), ctrl(Qt::Key_H)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "TVM solver"), ctrl(Qt::Key_1)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Amortization"), ctrl(Qt::Key_2)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "NPV profile"), ctrl(Qt::Key_3)},
        {QT_TRANSLATE_NOOP("cambist::CalculatorWindow", "Quit"), ctrl(Qt::Key_Q)},
    };
    return shortcuts;
}

}  // namespace cambist
