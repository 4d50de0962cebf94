#include "QtControls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>

#include "CalController.h"

namespace cambist {

DisplayField::DisplayField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    setFrame(true);
}

bool DisplayField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void DisplayField::setStringValue(const std::string& text) {
    // Every refresh sets every display; only a changed text is repainted.
    const QString newText = QString::fromStdString(text);
    if (newText == this->text()) return;
    setText(newText);
    setCursorPosition(0);
}

KeyButton::KeyButton(const QString& caption, std::int32_t tagValue, QWidget* parent)
    : QPushButton(caption, parent), tag_(tagValue) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
}

QSize KeyButton::sizeHint() const {
    QSize size = QPushButton::sizeHint();
    size.rheight() = qMax(size.height(), fontMetrics().height() * 2);
    size.rwidth() = qMax(size.height() * 3 / 2, fontMetrics().horizontalAdvance(text()) + 16);
    return size;
}

CashFlowModel::CashFlowModel(const TableView& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void CashFlowModel::setDataSource(const CalController* controller) { controller_ = controller; }

void CashFlowModel::reload() {
    // The rows are asked for again, as after a reset, but the view is told
    // only what a reset would change: rows appended or removed at the end,
    // and the cells it already shows. A full reset on every key would
    // repaint the header and relayout the view for nothing.
    const int rows = controller_ ? controller_->numberOfRowsInTableView(table_) : 0;
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows({}, rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1), {Qt::DisplayRole});
}

int CashFlowModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int CashFlowModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CashFlowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || controller_ == nullptr) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const NamedTableColumn& column = columns_[static_cast<std::size_t>(index.column())];
    return QString::fromStdString(controller_->objectValueForTableColumn(table_, column, index.row()));
}

QVariant CashFlowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size())) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const QString title = QString::fromStdString(columns_[static_cast<std::size_t>(section)].identifier());
    if (role == Qt::DisplayRole) return title;
    if (role == Qt::SizeHintRole) {
        // Without a size hint the header measures its titles in a bold face,
        // which loads a second font file only to size two short words.
        const QFontMetrics metrics(QApplication::font("QHeaderView"));
        return QSize(metrics.horizontalAdvance(title) + 2 * metrics.height(), metrics.height() * 3 / 2);
    }
    return {};
}

CashFlowTable::CashFlowTable(QWidget* parent) : QTableView(parent), model_(*this) {
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Every row is selected whole; a header drawn bold for it would say nothing.
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
}

void CashFlowTable::scrollRowToVisible(std::int32_t row) {
    if (row >= 0) scrollTo(model_.index(row, 0));
}

void CashFlowTable::selectRow(std::int32_t row, bool /*byExtendingSelection*/) {
    if (row < 0) {
        clearSelection();
        return;
    }
    selectionModel()->select(model_.index(row, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void QtBeeper::beep() {
    ++beeps;
    QApplication::beep();
}

}  // namespace cambist
