// The worksheets: read-only views over the registers and the cash-flow list,
// each in a window of its own, following the calculator as keys change it.
// A value they compute reaches the calculator only through useValue, which
// the main window types as keys.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include <span>

#include "CalController.h"
#include "CashFlowEntry.h"

class QDoubleSpinBox;
class QLabel;
class QLibrary;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableView;

namespace cambist {

// Each register's value that balances the other four, with a Use button.
class TvmSolverSheet final : public QWidget {
    Q_OBJECT
public:
    explicit TvmSolverSheet(QWidget* parent = nullptr);
    void follow(const CalController& controller);
    // The solved value's text as it would be typed, or empty.
    QString solvedText(int row) const;

signals:
    void useValue(const QString& text);

private:
    struct Row {
        QString name;
        QLabel* value;
        QPushButton* use;
        QString typed;
    };
    Row rows_[5];
};

// One row per period: payment, interest, principal and balance, computed as
// the view asks for them; a last row of totals.
class AmortizationModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    // Whole periods of a schedule the sheet shows at most.
    static constexpr int kMaxPeriods = 1'000'000;
    void follow(const CalController::Registers& registers);
    int periods() const { return periods_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The schedule as tab-separated text, header first.
    QString tabSeparated() const;

private:
    QString cell(int row, int column) const;
    CalController::Registers registers_{};
    int periods_ = 0;
};

class AmortizationSheet final : public QWidget {
    Q_OBJECT
public:
    explicit AmortizationSheet(QWidget* parent = nullptr);
    void follow(const CalController& controller);
    const AmortizationModel& model() const { return model_; }
    QString rangeText() const;
    void setRange(int first, int last);

private:
    void showRange();
    AmortizationModel model_;
    CalController::Registers registers_{};
    QLabel* status_;
    QTableView* table_;
    QSpinBox* first_;
    QSpinBox* last_;
    QLabel* range_;
};

// NPV against the rate over a range, with every rate where it is zero. The
// chart comes from a plugin loaded when the sheet is first made, so Qt
// Charts costs nothing at start-up.
class NpvProfileSheet final : public QWidget {
    Q_OBJECT
public:
    explicit NpvProfileSheet(QWidget* parent = nullptr);
    ~NpvProfileSheet() override;
    void follow(const CalController& controller);
    QStringList roots() const;
    QString verdict() const;
    bool hasChart() const { return chart_ != nullptr; }
    void setRange(double lo, double hi);

private:
    void redraw();
    std::vector<CashFlowEntry> flows_;
    QDoubleSpinBox* from_;
    QDoubleSpinBox* to_;
    QListWidget* roots_;
    QLabel* verdict_;
    QLibrary* plugin_ = nullptr;
    QWidget* chart_ = nullptr;
};

}  // namespace cambist
