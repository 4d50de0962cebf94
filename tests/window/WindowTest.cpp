// The real window on the offscreen platform: its widgets at start, key
// sequences by mouse and by keyboard, disabled keys, copy and paste, and the
// shortcut table.
#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSet>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTranslator>
#include <QLocale>
#include <QtTest>

#include "CalculatorWindow.h"
#include "QtControls.h"
#include "Translations.h"
#include "Worksheets.h"
#include "KeyBindings.h"
#include "KeyCatalogue.h"
#include "RecordingWindow.h"

using namespace cambist;

namespace {

const char* const kDisplayObjects[] = {"number_display", "memory_display", "answer_display",
                                       "fin_pv_display", "fin_n_display",  "fin_pmt_display",
                                       "fin_fv_display", "fin_iy_display", "fin_year_display"};

const char* const kModeKeyObjects[] = {"buttonPV",  "buttonFV",   "buttonFVQ", "buttonPMT",
                                       "buttonCFY", "buttonNCFY", "buttonY"};

const KeySpec& specFor(const KeyPress& press) {
    for (const KeySpec& spec : keySpecs()) {
        if (press.action->name == spec.action && spec.tag == press.tag) return spec;
    }
    qFatal("no key for %s", press.action->name.data());
}

std::vector<KeyPress> pressesOf(const QString& keys) {
    const ParsedKeys parsed = parseKeys(keys.toStdString());
    if (!parsed.ok()) qFatal("not a key: %s", parsed.unknownToken.c_str());
    return parsed.presses;
}

// What the recording window shows for the same keys, display by display.
QStringList expectedDisplays(const QString& keys) {
    RecordedCalculator reference;
    for (const KeyPress& press : pressesOf(keys)) reference.press(press);
    QStringList texts;
    for (std::size_t i = 0; i < kDisplayNames.size(); ++i) {
        texts << QString::fromStdString(reference.text(static_cast<cambist::Display>(i)));
    }
    return texts;
}

void typeStroke(QWidget* target, const KeyStroke& stroke) {
    switch (stroke.kind) {
        case KeyStroke::Kind::Character:
            QTest::keyClick(target, stroke.character);
            break;
        case KeyStroke::Kind::Key:
            QTest::keyClick(target, static_cast<Qt::Key>(stroke.key), stroke.modifiers);
            break;
        case KeyStroke::Kind::KeypadKey:
            QTest::keyClick(target, static_cast<Qt::Key>(stroke.key), stroke.modifiers | Qt::KeypadModifier);
            break;
        case KeyStroke::Kind::DeadKey:
            QTest::keyClick(target, static_cast<Qt::Key>(stroke.key));
            break;
    }
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CalculatorWindow> window;

    QString display(const char* name) const {
        return window->findChild<QLineEdit*>(QLatin1String(name))->text();
    }
    QPushButton* button(const char* name) const {
        auto* found = window->findChild<QPushButton*>(QLatin1String(name));
        if (!found) qFatal("no button %s", name);
        return found;
    }
    QAbstractItemModel* tableModel() const {
        return window->findChild<QTableView*>(QStringLiteral("irr_entry_display"))->model();
    }
    QStringList displays() const {
        QStringList texts;
        for (const char* name : kDisplayObjects) texts << display(name);
        return texts;
    }
    void click(const QString& keys) {
        for (const KeyPress& press : pressesOf(keys)) QVERIFY(window->clickKey(press.action->name, press.tag));
    }
    // Types each key by its first keystroke, or by every one when all is set.
    void typeKeys(const QString& keys, int strokeIndex = 0) {
        for (const KeyPress& press : pressesOf(keys)) {
            const KeySpec& spec = specFor(press);
            const std::size_t index = std::min<std::size_t>(static_cast<std::size_t>(strokeIndex), spec.strokes.size() - 1);
            typeStroke(window.get(), spec.strokes[index]);
        }
    }

private slots:
    void init() {
        window = std::make_unique<CalculatorWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void startUpShowsZerosAnEmptyTableAndSimpleMode() {
        for (const char* name : kDisplayObjects) QCOMPARE(display(name), QStringLiteral("0"));
        QCOMPARE(tableModel()->rowCount(), 0);
        QCOMPARE(tableModel()->columnCount(), 2);
        QCOMPARE(tableModel()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Year"));
        QCOMPARE(tableModel()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Amount"));
        for (int i = 0; i < 7; ++i) QCOMPARE(button(kModeKeyObjects[i])->isEnabled(), i < 4);
        QCOMPARE(window->beeps(), 0L);
    }

    void sequences_data() {
        QTest::addColumn<QString>("keys");
        QTest::newRow("precedence") << "2 + 3 * 4 =";
        QTest::newRow("brackets") << "2 * ( 3 + 4 ) =";
        QTest::newRow("division by zero") << "2 + 5 / 0 = 7 allClear 1 -";
        QTest::newRow("entry and backspace") << "0 . 1 2 3 4 5 6 7 del negate thousand";
        QTest::newRow("memory") << "2 + 3 memoryIn memoryLoad * 2 = memoryAdd 1 memorySub answerLoad sqrt percent";
        QTest::newRow("present value") << "10 setN 5 setIY 100 negate setPMT 0 setFV calcPV calcIY";
        QTest::newRow("future value") << "1000 negate setPV 10 setN 5 setIY 100 negate setPMT calcFV";
        QTest::newRow("cash flows") << "toggleSimpleComplex clearFinance 1000 negate addCashFlow 4 setN 300 "
                                       "addCashFlow 5 setIY calcPV calcIY delCashFlow 2.5 setY 7 addCashFlow";
        QTest::newRow("mode keys of the other mode") << "5 addCashFlow toggleSimpleComplex setPV calcFV 4 clear";
    }

    void sequences() {
        QFETCH(QString, keys);
        click(keys);
        QCOMPARE(displays(), expectedDisplays(keys));
    }

    void typedSequences_data() { sequences_data(); }

    void typedSequences() {
        QFETCH(QString, keys);
        typeKeys(keys);
        QCOMPARE(displays(), expectedDisplays(keys));
    }

    void everyKeystrokeOfEveryKeyWorks() {
        // Each alternative keystroke (keypad, NumLock off, comma) gives the
        // same result as the first.
        const QString keys = QStringLiteral("1 2 . 5 + 3 4 5 6 - 7 8 9 0 =");
        for (int stroke = 1; stroke < 3; ++stroke) {
            window->findChild<QPushButton*>(QStringLiteral("allClearPressed"))->click();
            typeKeys(keys, stroke);
            QCOMPARE(display("number_display"), QStringLiteral("-4421.5"));
        }
    }

    void tableFollowsTheNewestRow() {
        click(QStringLiteral("toggleSimpleComplex 100 addCashFlow 50.5 negate addCashFlow"));
        QAbstractItemModel* model = tableModel();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("0"));
        QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("100"));
        QCOMPARE(model->data(model->index(1, 0)).toString(), QStringLiteral("1"));
        QCOMPARE(model->data(model->index(1, 1)).toString(), QStringLiteral("-50.5"));
        auto* view = window->findChild<QTableView*>(QStringLiteral("irr_entry_display"));
        view->selectionModel()->select(model->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        click(QStringLiteral("5"));
        const QModelIndexList selected = view->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.front().row(), 1);
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
    }

    void disabledKeysSendNothing() {
        QVERIFY(!button("buttonCFY")->isEnabled());
        click(QStringLiteral("7"));
        button("buttonCFY")->click();
        QTest::keyClick(window.get(), Qt::Key_A);  // add cash flow's keystroke
        QTest::keyClick(window.get(), Qt::Key_Y);  // set year's
        QCOMPARE(tableModel()->rowCount(), 0);
        QCOMPARE(display("number_display"), QStringLiteral("7"));
        QCOMPARE(display("fin_year_display"), QStringLiteral("0"));
        QCOMPARE(window->beeps(), 0L);
    }

    void copyPutsTheMainDisplayOnTheClipboard() {
        typeKeys(QStringLiteral("1 2 . 5 0 negate"));
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-12.50"));
    }

    void pasteTypesTheClipboard() {
        QGuiApplication::clipboard()->setText(QStringLiteral(" 2 + 3*4\n=\t"));
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(display("number_display"), QStringLiteral("14"));
        QCOMPARE(display("answer_display"), QStringLiteral("14"));

        QGuiApplication::clipboard()->setText(QStringLiteral("9+1x"));
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(display("number_display"), QStringLiteral("14"));
        QCOMPARE(window->beeps(), 1L);
    }

    void shortcutsAreUniqueAndCoverEveryAction() {
        QList<KeyStroke> seen;
        QSet<QString> actions;
        for (const KeySpec& spec : keySpecs()) {
            QVERIFY2(!spec.strokes.empty(), spec.objectName);
            actions.insert(QString::fromUtf8(spec.action));
            for (const KeyStroke& stroke : spec.strokes) {
                QVERIFY2(!seen.contains(stroke), qPrintable(stroke.label()));
                seen << stroke;
            }
        }
        for (const MenuShortcut& shortcut : menuShortcuts()) {
            QVERIFY2(!seen.contains(shortcut.stroke), qPrintable(shortcut.stroke.label()));
            seen << shortcut.stroke;
        }
        for (const KeyAction& action : kKeyActions) {
            QVERIFY2(actions.contains(QString::fromUtf8(action.name.data(), qsizetype(action.name.size()))),
                     action.name.data());
        }
    }

    void everyKeyAndDisplayHasASpokenNameAndATooltip() {
        for (const KeySpec& spec : keySpecs()) {
            QPushButton* key = button(spec.objectName);
            QVERIFY2(!key->accessibleName().isEmpty(), spec.objectName);
            QVERIFY2(key->toolTip().contains(strokesFirstLabel(spec)), spec.objectName);
        }
        for (const char* name : kDisplayObjects) {
            QVERIFY2(!window->findChild<QLineEdit*>(QLatin1String(name))->accessibleName().isEmpty(), name);
        }
    }

    void aScreenReaderHearsNamesAndValues() {
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("number_display"));
        typeKeys(QStringLiteral("1 2 * 3 ="));
        QAccessibleInterface* main = QAccessible::queryAccessibleInterface(window->findChild<QLineEdit*>(QStringLiteral("number_display")));
        QVERIFY(main);
        QCOMPARE(main->text(QAccessible::Name), QStringLiteral("Display"));
        QCOMPARE(main->text(QAccessible::Value), QStringLiteral("36"));
        QVERIFY(main->state().readOnly);
        QAccessibleInterface* memoryAdd = QAccessible::queryAccessibleInterface(button("memoryAdd"));
        QCOMPARE(memoryAdd->role(), QAccessible::Button);
        QCOMPARE(memoryAdd->text(QAccessible::Name), QStringLiteral("Memory add"));
        QVERIFY(memoryAdd->text(QAccessible::Description).contains(QStringLiteral("Ctrl+P")));
        QAccessibleInterface* pv = QAccessible::queryAccessibleInterface(window->findChild<QLineEdit*>(QStringLiteral("fin_pv_display")));
        QCOMPARE(pv->text(QAccessible::Name), QStringLiteral("Present value"));
        QCOMPARE(pv->text(QAccessible::Value), QStringLiteral("0"));
    }

    void focusedDisplayLeavesCopyToTheCalculator() {
        typeKeys(QStringLiteral("4 2"));
        auto* main = window->findChild<QLineEdit*>(QStringLiteral("number_display"));
        main->setFocus();
        main->setSelection(0, 1);
        QTest::keyClick(main, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
        QTest::keyClick(main, Qt::Key_Backspace);
        QCOMPARE(main->text(), QStringLiteral("4"));
    }

    void helpShowsTheGuideAndTheShortcutTable() {
        int rows = -1;
        QString guide;
        QTimer::singleShot(0, [&rows, &guide] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                if (auto* table = dialog->findChild<QTableWidget*>()) rows = table->rowCount();
                if (auto* text = dialog->findChild<QTextBrowser*>(QStringLiteral("guide"))) guide = text->toPlainText();
                dialog->close();
            }
        });
        // A watchdog, should the dialog not have come up as expected.
        QTimer::singleShot(3000, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(rows, static_cast<int>(keySpecs().size() + menuShortcuts().size()));
        for (const char* topic : {"Money you receive is positive", "772.173493", "CLR TVM", "repeat count", "Escape"}) {
            QVERIFY2(guide.contains(QLatin1String(topic)), topic);
        }
    }

    void modeIsShownAtAGlance() {
        auto* toggle = button("toggleSimpleComplex");
        QVERIFY(!toggle->isChecked());
        QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(toggle->isChecked());
        QCOMPARE(button("calcIY")->text(), QStringLiteral("IRR"));
        QVERIFY(button("buttonCFY")->isEnabled());
        toggle->click();
        QVERIFY(!toggle->isChecked());
        QCOMPARE(button("calcIY")->text(), QStringLiteral("CPT"));
    }

    // ---- Paste -------------------------------------------------------------

    void copyThenPasteGivesTheSameValue_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("value");
        const char* const states[] = {"", "1 0 0", "7 *", "2 + 3 =", "2 * (", "1 / 0 ="};
        const char* const values[] = {"5 negate", "1 2 . 5 0 negate", "1 2 3 4 5 6 7 8 9 0 1 2", "0 . 0 0 1"};
        for (const char* state : states) {
            for (const char* value : values) {
                QTest::addRow("%s | %s", state, value) << QString::fromLatin1(state) << QString::fromLatin1(value);
            }
        }
    }

    void copyThenPasteGivesTheSameValue() {
        QFETCH(QString, before);
        QFETCH(QString, value);
        // Copy the value from a calculator that shows it, paste it into one
        // in the given state.
        click(QStringLiteral("allClear ") + value);
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        const QString copied = QGuiApplication::clipboard()->text();
        click(QStringLiteral("allClear ") + before);
        const bool error = display("number_display") == QStringLiteral("- E -");
        const long beeps = window->beeps();
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        if (error) {
            QCOMPARE(window->beeps(), beeps + 1);
            QCOMPARE(display("number_display"), QStringLiteral("- E -"));
            return;
        }
        QCOMPARE(window->beeps(), beeps);
        QCOMPARE(display("number_display"), copied);
    }

    void pasteAfterAnOperatorIsTheOperand() {
        click(QStringLiteral("7 *"));
        QGuiApplication::clipboard()->setText(QStringLiteral("-5"));
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        typeKeys(QStringLiteral("="));
        QCOMPARE(display("number_display"), QStringLiteral("-35"));
        click(QStringLiteral("1 0 0"));
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        click(QStringLiteral("setPV"));
        QCOMPARE(display("fin_pv_display"), QStringLiteral("-5"));
    }

    void refusedPastesChangeNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("13 digits") << "1234567890123";
        QTest::newRow("20 digits") << "12345678901234567890";
        QTest::newRow("second point") << "3.14.15";
        QTest::newRow("letter") << "9+1x";
        QTest::newRow("error text") << "- E -";
        QTest::newRow("past the bound") << QString(1001, QLatin1Char('7'));
        QTest::newRow("100 MB") << QString(100'000'000, QLatin1Char('7'));
    }

    void refusedPastesChangeNothing() {
        QFETCH(QString, text);
        click(QStringLiteral("4 2 +"));
        const QStringList before = displays();
        QGuiApplication::clipboard()->setText(text);
        text.clear();
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        QGuiApplication::clipboard()->clear();
        QCOMPARE(window->beeps(), 1L);
        QCOMPARE(displays(), before);
        QVERIFY(window->lastAnnouncement().startsWith(QStringLiteral("Paste refused")));
    }

    void aCommaIsTheDecimalPointUnderACommaLocale() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(window->typeText(QStringLiteral("1,5")));
        QCOMPARE(display("number_display"), QStringLiteral("1.5"));
        QVERIFY(!window->typeText(QStringLiteral("1.234,5")));
        QLocale::setDefault(previous);
        QVERIFY(!window->typeText(QStringLiteral("1,5")) || QLocale().decimalPoint() == QStringLiteral(","));
    }

    // ---- Keys on every layout ----------------------------------------------

    void germanLayoutKeysType() {
        // The events Qt delivers for a German layout: * and / and ( are
        // shifted keys, ^ is a dead key that types nothing on its own.
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        const auto press = [focus](Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
            QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
            QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
            QApplication::sendEvent(focus, &down);
            QApplication::sendEvent(focus, &up);
        };
        press(Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
        press(Qt::Key_Dead_Circumflex, Qt::NoModifier, QString());
        press(Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
        press(Qt::Key_Asterisk, Qt::ShiftModifier, QStringLiteral("*"));
        press(Qt::Key_ParenLeft, Qt::ShiftModifier, QStringLiteral("("));
        press(Qt::Key_9, Qt::NoModifier, QStringLiteral("9"));
        press(Qt::Key_Slash, Qt::ShiftModifier, QStringLiteral("/"));
        press(Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
        press(Qt::Key_ParenRight, Qt::ShiftModifier, QStringLiteral(")"));
        press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCOMPARE(display("number_display"), QStringLiteral("24"));  // 2^3 * (9/3)
    }

    void inputMethodTextNeverReachesADisplay() {
        auto* main = window->findChild<QLineEdit*>(QStringLiteral("number_display"));
        QVERIFY(!main->inputMethodQuery(Qt::ImEnabled).toBool());
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u00B3\u00E2\u00E9"));
        QApplication::sendEvent(main, &composed);
        QCOMPARE(main->text(), QStringLiteral("0"));
    }

    void letterKeysWorkWithShift() {
        QTest::keyClick(window.get(), Qt::Key_5);
        QTest::keyClick(window.get(), Qt::Key_K, Qt::ShiftModifier);
        QCOMPARE(display("number_display"), QStringLiteral("5000"));
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ShiftModifier);
        QCOMPARE(display("fin_n_display"), QStringLiteral("5000"));
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ShiftModifier);  // still compute PV
        QCOMPARE(display("fin_pv_display"), display("number_display"));
    }

    // ---- A voice for every change -------------------------------------------

    void everyKindOfChangeIsAnnounced_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("announced");
        QTest::newRow("equals") << "2 + 3 * 4 =" << "14";
        QTest::newRow("compute") << "10 setN 5 setIY 100 negate setPMT 0 setFV calcPV" << "PV 772.173493";
        QTest::newRow("memory recall") << "7 memoryIn allClear memoryLoad" << "7";
        QTest::newRow("square root") << "9 sqrt" << "3";
        QTest::newRow("backspace") << "1 2 del" << "1";
        QTest::newRow("store") << "4 setN" << "N 4";
        QTest::newRow("error") << "5 / 0 =" << "- E -, error. Escape clears it.";
        QTest::newRow("mode") << "toggleSimpleComplex" << "Cash flows mode";
        QTest::newRow("clear TVM") << "5 setPV clearFinance" << "TVM registers, year and cash flows cleared";
        QTest::newRow("cash flows") << "toggleSimpleComplex 3 setN 300 addCashFlow"
                                    << "N 1, Year 3, 3 cash flows added, 3 rows";
        QTest::newRow("one cash flow") << "toggleSimpleComplex 300 addCashFlow" << "N 1, Year 1, 1 cash flow added, 1 row";
        QTest::newRow("failed IRR") << "toggleSimpleComplex 100 addCashFlow calcIY" << "- E -, error. Escape clears it.";
    }

    // The offscreen platform has no accessibility bridge, so Qt calls no
    // update handler there; the test reads the notification objects the way
    // the bridge does, through their accessible interfaces.
    void everyKindOfChangeIsAnnounced() {
        QFETCH(QString, keys);
        QFETCH(QString, announced);
        click(keys);
        QCOMPARE(window->lastAnnouncement(), announced);
        int notifications = 0;
        for (QWidget* object : window->findChildren<QWidget*>(QStringLiteral("announcement"))) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), QAccessible::Notification);
            notifications += accessible->text(QAccessible::Name) == announced;
        }
        QVERIFY(notifications >= 1);
    }

    void theModeCheckBoxFollowsTheModeWhateverTogglesIt() {
        auto* toggle = button("toggleSimpleComplex");
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(toggle);
        QVERIFY(box && box->actionInterface());
        QVERIFY(box->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(toggle->isChecked());
        QVERIFY(button("buttonCFY")->isEnabled());
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("modeLabel"))->accessibleName(), QStringLiteral("Mode: Cash flows"));
        QCOMPARE(button("calcIY")->accessibleName(), QStringLiteral("Compute internal rate of return of the cash flows"));
        box->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(300);  // an animated click
        QVERIFY(!toggle->isChecked());
        QVERIFY(!button("buttonCFY")->isEnabled());
        QCOMPARE(button("calcIY")->accessibleName(), QStringLiteral("Compute interest rate"));
    }

    void displaysAndTableAreReachedByTabAndRead() {
        for (const char* name : kDisplayObjects) {
            QVERIFY2(window->findChild<QLineEdit*>(QLatin1String(name))->focusPolicy() & Qt::TabFocus, name);
        }
        auto* table = window->findChild<QTableView*>(QStringLiteral("irr_entry_display"));
        QVERIFY(table->focusPolicy() & Qt::TabFocus);
        click(QStringLiteral("toggleSimpleComplex 1 setY 300 addCashFlow"));
        QCOMPARE(tableModel()->data(tableModel()->index(0, 0), Qt::AccessibleTextRole).toString(), QStringLiteral("Year 1,"));
        QCOMPARE(tableModel()->data(tableModel()->index(0, 1), Qt::AccessibleTextRole).toString(), QStringLiteral("amount 300"));
        // Digits typed with the table focused still reach the calculator.
        table->setFocus();
        QTest::keyClick(table, Qt::Key_7);
        QCOMPARE(display("number_display"), QStringLiteral("7"));
    }

    void menusAndTooltipsReadAsWords() {
        for (QAction* action : window->findChildren<QAction*>()) {
            QVERIFY2(!action->text().contains(QLatin1Char('\t')), qPrintable(action->text()));
        }
        QCOMPARE(button("digit7")->toolTip(), QStringLiteral("7. Keys: 7 or keypad 7"));
        QCOMPARE(button("dotPressed")->toolTip(), QStringLiteral("Decimal point. Keys: period, comma or keypad decimal"));
    }

    // ---- No hidden digit, the table, the window's size ------------------------

    void longTextsAreShortenedWithASign() {
        auto* main = window->findChild<DisplayField*>(QStringLiteral("number_display"));
        click(QStringLiteral("1 0 ^ 3 0 ="));
        QVERIFY(main->isElided());
        QVERIFY(main->shownText().startsWith(QStringLiteral("31 digits 1")));
        QVERIFY(main->shownText().contains(QChar(0x2026)));
        QCOMPARE(main->toolTip(), main->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(main)->text(QAccessible::Value), main->text());
        click(QStringLiteral("allClear 1 0 ^ 3 0 0 ="));
        QVERIFY(main->shownText().startsWith(QStringLiteral("301 digits 1")));
        click(QStringLiteral("allClear 1 2 3 4 5 6"));
        QVERIFY(!main->isElided());
        QCOMPARE(main->shownText(), QStringLiteral("123456"));
        // A register field shows 1.5e23 with its digit count too.
        auto* fv = window->findChild<DisplayField*>(QStringLiteral("fin_fv_display"));
        window->resize(window->minimumSizeHint());
        QApplication::processEvents();
        click(QStringLiteral("allClear 1 . 5 * 1 0 ^ 2 3 = setFV"));
        QVERIFY(fv->isElided());
        QVERIFY2(fv->shownText().startsWith(QStringLiteral("24 digits")), qPrintable(fv->shownText() + QLatin1Char(' ') + fv->text()));
    }

    void theNewestRowIsWhollyInViewAfterAMultiRowAppend() {
        auto* table = window->findChild<QTableView*>(QStringLiteral("irr_entry_display"));
        for (const char* keys : {"toggleSimpleComplex 20 setN 5 addCashFlow", "1 addCashFlow", "30 setN 2 addCashFlow"}) {
            click(QString::fromLatin1(keys));
            const int newest = tableModel()->rowCount() - 1;
            const QRect row = table->visualRect(tableModel()->index(newest, 0));
            QVERIFY2(table->viewport()->rect().contains(row), keys);
        }
    }

    void theWindowFitsASmallScreen() {
        const QSize least = window->minimumSizeHint();
        QVERIFY2(least.width() <= 960 && least.height() <= 500, qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
        QVERIFY(window->width() <= 960 && window->height() <= 500);
        window->resize(least);
        QApplication::processEvents();
        auto* table = window->findChild<QTableView*>(QStringLiteral("irr_entry_display"));
        QVERIFY(table->viewport()->height() >= CashFlowTable::kMinimumRows * table->verticalHeader()->defaultSectionSize());
        for (const KeySpec& spec : keySpecs()) {
            QPushButton* key = button(spec.objectName);
            QVERIFY2(key->isVisible() && key->height() >= key->fontMetrics().height(), spec.objectName);
            QVERIFY2(window->rect().contains(QRect(key->mapTo(window.get(), QPoint(0, 0)), key->size())), spec.objectName);
        }
    }

    // ---- Expression line and tape ---------------------------------------

    void theExpressionLineShowsWhatIsPending() {
        auto* line = window->findChild<QLabel*>(QStringLiteral("expressionLine"));
        QVERIFY(line);
        typeKeys(QStringLiteral("2 + 3 *"));
        QCOMPARE(line->text(), QStringLiteral("2 + 3 \u00D7"));
        QCOMPARE(display("number_display"), QStringLiteral("3"));
        typeKeys(QStringLiteral("4 ="));
        QCOMPARE(line->text(), QStringLiteral("2 + 3 \u00D7 4 ="));
        QCOMPARE(display("number_display"), QStringLiteral("14"));
        typeKeys(QStringLiteral("allClear"));
        QCOMPARE(line->text(), QString());
    }

    void theTapeOpensFollowsCopiesAndClears() {
        QVERIFY2(!window->findChild<QListWidget*>(QStringLiteral("tape")), "made only when first opened");
        click(QStringLiteral("2 + 3 * 4 = 5 memoryAdd"));
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        auto* tape = window->findChild<QListWidget*>(QStringLiteral("tape"));
        QVERIFY(tape && tape->isVisible());
        QCOMPARE(window->lastAnnouncement(), QStringLiteral("Tape open, 2 lines"));
        QCOMPARE(tape->count(), 2);
        QCOMPARE(tape->item(0)->text(), QStringLiteral("2 + 3 \u00D7 4 = 14"));
        QCOMPARE(QAccessible::queryAccessibleInterface(tape)->role(), QAccessible::List);

        // New lines are appended, spoken and scrolled to.
        for (int i = 0; i < 40; ++i) click(QStringLiteral("1 memoryAdd"));
        QCOMPARE(tape->count(), 42);
        QCOMPARE(window->lastAnnouncement(), QStringLiteral("M+ 1 \u2192 M = 45"));
        QApplication::processEvents();
        const QRect newest = tape->visualItemRect(tape->item(tape->count() - 1));
        QVERIFY(tape->viewport()->rect().contains(newest));

        window->copyTape();
        const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(copied.size(), 42);
        QCOMPARE(copied.first(), QStringLiteral("2 + 3 \u00D7 4 = 14"));

        window->findChild<QPushButton*>(QStringLiteral("clearTape"))->click();
        QCOMPARE(tape->count(), 0);
        QVERIFY(window->history().tape().empty());
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!tape->isVisible());
        QVERIFY(window->width() <= 960);
    }

    // ---- The user's language ------------------------------------------------

    // Under a German locale (the system's, when this runs under de_DE.UTF-8)
    // the menus, keys and announcements are German; numbers keep the point.
    void theWindowSpeaksGermanUnderAGermanLocale() {
        const QLocale german = QLocale::system().language() == QLocale::German ? QLocale::system()
                                                                               : QLocale(QLocale::German, QLocale::Germany);
        window.reset();
        QVERIFY(installTranslations(*qApp, german));
        window = std::make_unique<CalculatorWindow>();
        window->show();
        QStringList menus;
        for (QAction* action : window->menuBar()->actions()) menus << action->text();
        QCOMPARE(menus, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Modus", "&Arbeitsbl\u00E4tter", "&Hilfe"}));
        QCOMPARE(button("memoryAdd")->accessibleName(), QStringLiteral("Zum Speicher addieren"));
        QCOMPARE(button("toggleSimpleComplex")->text(), QStringLiteral("CF-Modus"));
        click(QStringLiteral("1 . 5 * 3 ="));
        QCOMPARE(display("number_display"), QStringLiteral("4.5"));
        QCOMPARE(window->lastAnnouncement(), QStringLiteral("4.5"));
        click(QStringLiteral("5 / 0 ="));
        QCOMPARE(window->lastAnnouncement(), QStringLiteral("- E -, Fehler. Escape löscht ihn."));
        click(QStringLiteral("allClear toggleSimpleComplex 2 setN 3 addCashFlow"));
        QCOMPARE(tableModel()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Year"));
        QCOMPARE(tableModel()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Amount"));
        window->showTape(true);
        auto* tape = window->findChild<QListWidget*>(QStringLiteral("tape"));
        QCOMPARE(tape->item(tape->count() - 1)->text(),
                 QStringLiteral("CF+ 3 \u00D7 2, Jahre 0\u20131"));
        window.reset();
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // ---- Worksheets -----------------------------------------------------------

    void theTvmSolverBalancesEachRegisterAndTypesItsValue() {
        click(QStringLiteral("360 setN 0.5 setIY 200000 setPV 0 setFV"));
        QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
        TvmSolverSheet* solver = window->tvmSolver();
        QVERIFY(solver && solver->isVisible());
        QCOMPARE(solver->solvedText(3), QStringLiteral("-1199.10105"));  // PMT
        QStringList spoken;
        for (QLabel* label : solver->findChildren<QLabel*>()) spoken << label->accessibleName();
        QVERIFY(spoken.contains(QStringLiteral("PMT that balances: -1199.10105")));
        // Use types the value, rounded to twelve digits, as keys (the display
        // shows six decimals of what was typed, padded to the digits typed).
        solver->findChild<QPushButton*>(QStringLiteral("use3"))->click();
        QCOMPARE(display("number_display"), QStringLiteral("-1199.10105000"));
        QCOMPARE(window->history().tape().size(), std::size_t{4});  // typing is no action of its own
        click(QStringLiteral("setPMT"));
        QCOMPARE(display("fin_pmt_display"), QStringLiteral("-1199.10105"));
        // It follows the registers: now N balances at 360.
        QCOMPARE(solver->solvedText(0), QStringLiteral("360"));
        QCOMPARE(solver->solvedText(1), QStringLiteral("0.5"));
        click(QStringLiteral("1000 setPV 50 negate setPMT 5 setIY"));
        QCOMPARE(solver->solvedText(0), QStringLiteral("no solution"));
        QVERIFY(!solver->findChild<QPushButton*>(QStringLiteral("use0"))->isEnabled());
    }

    void theAmortizationScheduleOfALoan() {
        click(QStringLiteral("360 setN 0.5 setIY 200000 setPV 0 setFV 1199.10105034 negate setPMT"));
        QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
        AmortizationSheet* sheet = window->amortization();
        QVERIFY(sheet && sheet->isVisible());
        const AmortizationModel& model = sheet->model();
        QCOMPARE(model.rowCount(), 361);
        const auto cell = [&model](int row, int column) { return model.data(model.index(row, column), Qt::DisplayRole).toString(); };
        QCOMPARE(cell(0, 1), QStringLiteral("-1199.10105"));
        QCOMPARE(cell(0, 2), QStringLiteral("1000"));
        QCOMPARE(cell(0, 3), QStringLiteral("199.10105"));
        QVERIFY(std::fabs(cell(359, 4).toDouble()) < 0.01);
        QCOMPARE(cell(360, 0), QStringLiteral("Total"));
        QCOMPARE(model.data(model.index(0, 2), Qt::AccessibleTextRole).toString(), QStringLiteral("Interest 1000"));
        QVERIFY2(sheet->rangeText().startsWith(QStringLiteral("payments -14389.2126")), "opens on the first twelve periods");
        sheet->setRange(1, 12);
        QVERIFY(sheet->rangeText().startsWith(QStringLiteral("payments -14389.2126")));
        sheet->findChild<QPushButton*>(QStringLiteral("copySchedule"))->click();
        const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 362);
        QCOMPARE(lines.at(1), QStringLiteral("1\t-1199.10105\t1000\t199.10105\t199800.89895"));
        // A long schedule opens at once: rows are computed as they are shown.
        click(QStringLiteral("100000 setN"));
        QCOMPARE(model.rowCount(), 100001);
        QVERIFY(!cell(99999, 4).isEmpty());
    }

    void theNpvProfileFindsEveryRoot() {
        click(QStringLiteral("toggleSimpleComplex 100 negate addCashFlow 270 addCashFlow 176 negate addCashFlow"));
        QTest::keyClick(window.get(), Qt::Key_3, Qt::ControlModifier);
        NpvProfileSheet* sheet = window->npvProfile();
        QVERIFY(sheet && sheet->isVisible());
        QVERIFY2(sheet->hasChart(), "the chart plugin loads");
        QCOMPARE(sheet->roots(), (QStringList{"10 %", "60 % (the IRR key's answer)"}));
        QVERIFY(sheet->verdict().contains(QStringLiteral("more than one")));
        // It follows the list: roots at -20 % and 150 %, both outside the key's search.
        click(QStringLiteral("clearFinance 100 negate addCashFlow 330 addCashFlow 200 negate addCashFlow"));
        QCOMPARE(sheet->roots(), (QStringList{"-20 %", "150 %"}));
        QVERIFY(sheet->verdict().contains(QStringLiteral("outside 0 to 100 %")));
        QVERIFY(sheet->verdict().contains(QStringLiteral("The IRR key fails")));
        sheet->setRange(0, 100);
        QCOMPARE(sheet->roots(), QStringList());
    }

private:
    static QString strokesFirstLabel(const KeySpec& spec) { return spec.strokes.front().label(); }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
