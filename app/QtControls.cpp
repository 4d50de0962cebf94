#include "QtControls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>

#include "CalController.h"

namespace cambist {

namespace {

// The smallest font a long text shrinks to, as a part of the field's own.
constexpr qreal kShrinkFloor = 0.6;
// QLineEdit's own margin between its contents rectangle and its text.
constexpr int kTextMargin = 2;

}  // namespace

DisplayField::DisplayField(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    setFrame(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool DisplayField::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    const bool handled = QLineEdit::event(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) updateFit();
    return handled;
}

void DisplayField::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void DisplayField::inputMethodEvent(QInputMethodEvent* event) { event->ignore(); }

QVariant DisplayField::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query);
}

void DisplayField::setStringValue(const std::string& text) {
    // Every refresh sets every display; only a changed text is repainted.
    const QString newText = QString::fromStdString(text);
    if (newText == this->text()) return;
    setText(newText);
    setCursorPosition(0);
    updateFit();
}

void DisplayField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    updateFit();
}

QRect DisplayField::textArea() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_LineEditContents, &option, this)
        .adjusted(kTextMargin, 0, -kTextMargin, 0);
}

DisplayField::Fit DisplayField::fit() const {
    const QString full = text();
    const int room = textArea().width();
    QFont shrunk = font();
    const qreal width = QFontMetricsF(shrunk).horizontalAdvance(full);
    if (width <= room || room <= 0) return {shrunk, full, {}};
    const qreal base = shrunk.pointSizeF();
    shrunk.setPointSizeF(std::max(base * kShrinkFloor, base * room / width * 0.98));
    const QFontMetricsF metrics(shrunk);
    if (metrics.horizontalAdvance(full) <= room) return {shrunk, full, {}};
    // Still too wide: keep both ends and say how many whole digits there are.
    const qsizetype point = full.indexOf(QLatin1Char('.'));
    const qsizetype whole = (point < 0 ? full.size() : point) - (full.startsWith(QLatin1Char('-')) ? 1 : 0);
    const QString badge = tr("%1 digits").arg(whole);
    const qreal badgeWidth = metrics.horizontalAdvance(badge + QLatin1String("  "));
    return {shrunk, metrics.elidedText(full, Qt::ElideMiddle, room - badgeWidth), badge};
}

void DisplayField::updateFit() {
    fit_ = fit();
    // The whole text is a hover away whenever it is drawn shortened.
    setToolTip(isElided() ? text() : QString());
}

QString DisplayField::shownText() const {
    return isElided() ? fit_.badge + QLatin1Char(' ') + fit_.text : fit_.text;
}

void DisplayField::paintEvent(QPaintEvent* event) {
    const Fit& shown = fit_;
    if (shown.text == text() && shown.font == font()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    if (hasFrame()) style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect area = textArea();
    painter.setFont(shown.font);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, shown.text);
    if (!shown.badge.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shown.badge);
    }
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
    const QString text = QString::fromStdString(controller_->objectValueForTableColumn(table_, column, index.row()));
    if (role == Qt::DisplayRole) return text;
    // Read aloud with its column: a row reads "Year 1, amount 300".
    return index.column() == 0 ? tr("Year %1,").arg(text) : tr("amount %1").arg(text);
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
    // Reached by Tab, so a screen reader can read the rows; a click leaves
    // the focus on the main display.
    setFocusPolicy(Qt::TabFocus);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int header = QFontMetrics(QApplication::font("QHeaderView")).height() * 3 / 2;
    setMinimumHeight(header + kMinimumRows * verticalHeader()->defaultSectionSize() + 2 * frameWidth() + 2);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Every row is selected whole; a header drawn bold for it would say nothing.
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
}

void CashFlowTable::scrollRowToVisible(std::int32_t row) {
    if (row < 0) return;
    // Rows just appended have their place in the header but not yet in the
    // scroll bar's range, which the view lays out later; without this the
    // scroll stops short of the newest rows.
    updateGeometries();
    scrollTo(model_.index(row, 0), QAbstractItemView::EnsureVisible);
}

void CashFlowTable::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & Qt::KeypadModifier) {
        event->ignore();  // the keypad's digits with NumLock off
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            QTableView::keyPressEvent(event);
            return;
        default:
            event->ignore();
    }
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
