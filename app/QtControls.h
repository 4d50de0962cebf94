// Qt widgets that stand in for the controls the controller talks to.
#pragma once

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <array>
#include <cstdint>

#include "WindowInterface.h"

namespace cambist {

class CalController;

// A read-only display line: the controller sets its text, nothing is typed
// into it. A text wider than the field is first drawn in a smaller font, down
// to a floor, and beyond that with its middle elided and its count of whole
// digits shown, so no digit is hidden without a sign. The full text stays the
// field's text: its tooltip, its accessible value and what copy takes.
class DisplayField final : public QLineEdit, public TextField {
    Q_OBJECT
public:
    explicit DisplayField(QWidget* parent = nullptr);
    void setStringValue(const std::string& text) override;
    // Whether the text is drawn shortened, and how.
    bool isElided() const { return !fit_.badge.isEmpty(); }
    QString shownText() const;

protected:
    // Keystrokes are the calculator's: a focused display claims none of them
    // as its own (so Ctrl+C copies the whole display, not a selection), and
    // takes no input-method or dead-key text.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Fit {
        QFont font;
        QString text;   // what is drawn
        QString badge;  // "31 digits" when elided
    };
    Fit fit() const;
    // Recomputes fit_ for a new text, size or font.
    void updateFit();
    QRect textArea() const;

    Fit fit_;
};

// A key of the window. Its tag is the digit value of a digit key.
class KeyButton final : public QPushButton, public Button, public Control {
    Q_OBJECT
public:
    KeyButton(const QString& caption, std::int32_t tagValue, QWidget* parent = nullptr);
    void setEnabled(bool enabled) override { QPushButton::setEnabled(enabled); }
    std::int32_t tag() const override { return tag_; }
    QSize sizeHint() const override;

private:
    std::int32_t tag_;
};

// The cash-flow table. Rows come from the controller's data source, lazily:
// a reload only resets the model, and the view asks for the cells it shows.
class CashFlowModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    CashFlowModel(const TableView& table, QObject* parent = nullptr);
    void setDataSource(const CalController* controller);
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TableView& table_;
    const CalController* controller_ = nullptr;
    int rows_ = 0;  // the count last given by the data source
    std::array<NamedTableColumn, 2> columns_{NamedTableColumn("Year"), NamedTableColumn("Amount")};
};

class CashFlowTable final : public QTableView, public TableView {
    Q_OBJECT
public:
    explicit CashFlowTable(QWidget* parent = nullptr);
    void setDataSource(const CalController* controller) { model_.setDataSource(controller); }
    void reloadData() override { model_.reload(); }
    void scrollRowToVisible(std::int32_t row) override;
    void selectRow(std::int32_t row, bool byExtendingSelection) override;
    // Room for the header and this many rows.
    static constexpr int kMinimumRows = 4;

protected:
    // A focused table moves through its rows; every other key is the
    // calculator's.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CashFlowModel model_;
};

class QtBeeper final : public Beeper {
public:
    void beep() override;
    long beeps = 0;
};

}  // namespace cambist
