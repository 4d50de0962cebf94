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
#include <QTimer>
#include <QAccessible>
#include <QtTest>

#include "CalculatorWindow.h"
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

    void helpShowsTheShortcutTable() {
        int rows = -1;
        QTimer::singleShot(0, [&rows] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                if (auto* table = dialog->findChild<QTableWidget*>()) rows = table->rowCount();
                dialog->close();
            }
        });
        // A watchdog, should the dialog not have come up as expected.
        QTimer::singleShot(3000, [] {
            if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
        });
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(rows, static_cast<int>(keySpecs().size() + menuShortcuts().size()));
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

private:
    static QString strokesFirstLabel(const KeySpec& spec) { return spec.strokes.front().label(); }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
