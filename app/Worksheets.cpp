#include "Worksheets.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLibrary>
#include <QListWidget>
#include <QPointF>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "NumberText.h"
#include "Solvers.h"

namespace cambist {

namespace {

QString shown(double x) { return QString::fromStdString(formatFloat(x)); }

// A value a screen reader reaches by Tab and reads with its name.
void showValue(QLabel* label, const QString& name, const QString& text) {
    label->setText(text);
    label->setAccessibleName(QCoreApplication::translate("cambist::Worksheets", "%1: %2").arg(name, text));
}

QLabel* valueLabel(const QString& accessibleName) {
    auto* label = new QLabel;
    label->setAccessibleName(accessibleName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

// ---- TVM solver -------------------------------------------------------------

TvmSolverSheet::TvmSolverSheet(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tvmSolver"));
    setAccessibleName(tr("TVM solver"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("The value of each register that balances the other four. "
                                "Use types it into the display; then store it with the register's key."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* grid = new QGridLayout;
    const char* const names[5] = {QT_TR_NOOP("N"), QT_TR_NOOP("I/Y"), QT_TR_NOOP("PV"), QT_TR_NOOP("PMT"),
                                  QT_TR_NOOP("FV")};
    for (int r = 0; r < 5; ++r) {
        Row& row = rows_[r];
        row.name = tr("%1 that balances").arg(tr(names[r]));
        row.value = valueLabel(row.name);
        row.use = new QPushButton(tr("Use"));
        row.use->setObjectName(QStringLiteral("use%1").arg(r));
        row.use->setAccessibleName(tr("Use %1").arg(tr(names[r])));
        connect(row.use, &QPushButton::clicked, this, [this, r] { emit useValue(rows_[r].typed); });
        grid->addWidget(new QLabel(tr(names[r])), r, 0);
        grid->addWidget(row.value, r, 1);
        grid->addWidget(row.use, r, 2);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void TvmSolverSheet::follow(const CalController& controller) {
    const CalController::Registers r = controller.registers();
    const std::optional<double> solved[5] = {
        nForPv(r.pv, r.pmt, r.fv, r.iy),
        iyForPv(r.pv, r.n, r.pmt, r.fv),
        pvForN(r.n, r.pmt, r.fv, r.iy),
        pmtForPv(r.pv, r.n, r.fv, r.iy),
        fvForPv(r.pv, r.n, r.pmt, r.iy),
    };
    for (int i = 0; i < 5; ++i) {
        Row& row = rows_[i];
        const std::optional<double>& value = solved[i];
        const bool finite = value && std::isfinite(*value);
        const auto typeable = finite ? typeableText(*value, MAX_DIGITS) : std::nullopt;
        row.typed = typeable ? QString::fromStdString(*typeable) : QString();
        if (!finite) {
            showValue(row.value, row.name, i == 1 ? tr("no solution between 0 and 100 %") : tr("no solution"));
        } else {
            showValue(row.value, row.name, shown(*value));
        }
        row.use->setEnabled(!row.typed.isEmpty());
        row.use->setToolTip(row.typed.isEmpty() ? tr("Nothing a key could type")
                                                : tr("Types %1").arg(row.typed));
    }
}

QString TvmSolverSheet::solvedText(int row) const { return rows_[row].value->text(); }

// ---- Amortization -------------------------------------------------------------

void AmortizationModel::follow(const CalController::Registers& registers) {
    const double whole = std::floor(registers.n);
    const int periods = std::isfinite(whole) && whole >= 1 && whole <= kMaxPeriods ? static_cast<int>(whole) : 0;
    beginResetModel();
    registers_ = registers;
    periods_ = periods;
    endResetModel();
}

int AmortizationModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || periods_ == 0 ? 0 : periods_ + 1;
}

int AmortizationModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 5; }

QString AmortizationModel::cell(int row, int column) const {
    const bool total = row == periods_;
    const int first = total ? 1 : row + 1;
    const int last = total ? periods_ : row + 1;
    const Amortization a = amortize(registers_.pv, registers_.pmt, registers_.iy, first, last);
    switch (column) {
        case 0: return total ? tr("Total") : QString::number(row + 1);
        case 1: return shown(a.payment);
        case 2: return shown(a.interest);
        case 3: return shown(a.principal);
        default: return total ? QString() : shown(a.balance);
    }
}

QVariant AmortizationModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const QString text = cell(index.row(), index.column());
    if (role == Qt::AccessibleTextRole && index.column() > 0 && !text.isEmpty()) {
        return headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString() + QLatin1Char(' ') + text;
    }
    return text;
}

QVariant AmortizationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case 0: return tr("Period");
        case 1: return tr("Payment");
        case 2: return tr("Interest");
        case 3: return tr("Principal");
        default: return tr("Balance");
    }
}

QString AmortizationModel::tabSeparated() const {
    QStringList lines;
    QStringList header;
    for (int c = 0; c < 5; ++c) header << headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    lines << header.join(QLatin1Char('\t'));
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 5; ++c) cells << cell(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

AmortizationSheet::AmortizationSheet(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("amortization"));
    setAccessibleName(tr("Amortization schedule"));
    auto* layout = new QVBoxLayout(this);
    status_ = valueLabel(tr("Amortization schedule"));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("schedule"));
    table_->setAccessibleName(tr("Schedule"));
    table_->setModel(&model_);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(table_, 1);

    auto* rangeRow = new QHBoxLayout;
    first_ = new QSpinBox;
    last_ = new QSpinBox;
    first_->setAccessibleName(tr("First period"));
    last_->setAccessibleName(tr("Last period"));
    // No periods until a schedule is shown.
    first_->setRange(0, 0);
    last_->setRange(0, 0);
    range_ = valueLabel(tr("Sum over the periods"));
    range_->setObjectName(QStringLiteral("rangeSum"));
    rangeRow->addWidget(new QLabel(tr("Periods")));
    rangeRow->addWidget(first_);
    rangeRow->addWidget(new QLabel(tr("to")));
    rangeRow->addWidget(last_);
    rangeRow->addWidget(range_, 1);
    layout->addLayout(rangeRow);
    connect(first_, &QSpinBox::valueChanged, this, &AmortizationSheet::showRange);
    connect(last_, &QSpinBox::valueChanged, this, &AmortizationSheet::showRange);

    auto* copy = new QPushButton(tr("Copy schedule"));
    copy->setObjectName(QStringLiteral("copySchedule"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(model_.tabSeparated()); });
    layout->addWidget(copy);
}

void AmortizationSheet::follow(const CalController& controller) {
    registers_ = controller.registers();
    model_.follow(registers_);
    const int periods = model_.periods();
    if (periods == 0) {
        showValue(status_, tr("Amortization schedule"),
                  tr("N must be a whole number of periods from 1 to %1.").arg(AmortizationModel::kMaxPeriods));
    } else {
        const Amortization all = amortize(registers_.pv, registers_.pmt, registers_.iy, 1, periods);
        showValue(status_, tr("Amortization schedule"), tr("PV %1 repaid by %2 payments of %3 at %4 % per period; balance after the last: %5 "
                            "(FV %6).")
                             .arg(shown(registers_.pv), QString::number(periods), shown(registers_.pmt),
                                  shown(registers_.iy), shown(all.balance), shown(registers_.fv)));
    }
    // The first schedule shows its first year of months; later ones keep
    // the range the user chose, within their periods.
    const bool firstSchedule = last_->maximum() == 0;
    for (QSpinBox* box : {first_, last_}) {
        const QSignalBlocker blocker(box);
        box->setRange(periods > 0 ? 1 : 0, periods);
    }
    if (firstSchedule && periods > 0) {
        const QSignalBlocker blocker(last_);
        last_->setValue(std::min(12, periods));
    }
    showRange();
}

void AmortizationSheet::setRange(int first, int last) {
    first_->setValue(first);
    last_->setValue(last);
}

void AmortizationSheet::showRange() {
    const int first = first_->value();
    const int last = last_->value();
    const QString name = tr("Periods %1 to %2").arg(first).arg(last);
    if (model_.periods() == 0 || first < 1 || last < first) {
        showValue(range_, name, tr("no periods"));
        return;
    }
    const Amortization a = amortize(registers_.pv, registers_.pmt, registers_.iy, first, last);
    showValue(range_, name,
              tr("payments %1, interest %2, principal %3, balance %4")
                  .arg(shown(a.payment), shown(a.interest), shown(a.principal), shown(a.balance)));
}

QString AmortizationSheet::rangeText() const { return range_->text(); }

// ---- NPV profile ---------------------------------------------------------------

namespace {

using CreateChart = QWidget* (*)(QWidget*);
using ShowCurve = void (*)(QWidget*, const QList<QPointF>*, const QList<double>*, double);

// Where the chart plugin is: beside the program while it is being built, or
// where the package installs it.
QString chartPluginPath() {
    const QString fromEnvironment = qEnvironmentVariable("CAMBIST_PLUGIN_DIR");
    QStringList dirs;
    if (!fromEnvironment.isEmpty()) dirs << fromEnvironment;
    const QDir program(QCoreApplication::applicationDirPath());
    dirs << program.path() << program.filePath(QStringLiteral(CAMBIST_PLUGIN_DIR));
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(QStringLiteral("libcambist_npv_chart.so"));
        if (QFile::exists(path)) return path;
    }
    return {};
}

}  // namespace

NpvProfileSheet::NpvProfileSheet(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("npvProfile"));
    setAccessibleName(tr("NPV profile"));
    auto* layout = new QVBoxLayout(this);
    auto* rangeRow = new QHBoxLayout;
    from_ = new QDoubleSpinBox;
    to_ = new QDoubleSpinBox;
    for (QDoubleSpinBox* box : {from_, to_}) {
        box->setRange(-99, 10000);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" %"));
    }
    from_->setAccessibleName(tr("Lowest rate"));
    to_->setAccessibleName(tr("Highest rate"));
    from_->setValue(-50);
    to_->setValue(200);
    rangeRow->addWidget(new QLabel(tr("Rates from")));
    rangeRow->addWidget(from_);
    rangeRow->addWidget(new QLabel(tr("to")));
    rangeRow->addWidget(to_);
    rangeRow->addStretch(1);
    layout->addLayout(rangeRow);
    connect(from_, &QDoubleSpinBox::valueChanged, this, &NpvProfileSheet::redraw);
    connect(to_, &QDoubleSpinBox::valueChanged, this, &NpvProfileSheet::redraw);

    plugin_ = new QLibrary(chartPluginPath(), this);
    if (plugin_->load()) {
        if (auto create = reinterpret_cast<CreateChart>(plugin_->resolve("cambistCreateNpvChart"))) {
            chart_ = create(this);
            chart_->setAccessibleName(tr("NPV against the rate"));
            layout->addWidget(chart_, 1);
        }
    }
    if (!chart_) layout->addWidget(new QLabel(tr("The chart could not be loaded: %1").arg(plugin_->errorString())));

    verdict_ = valueLabel(tr("NPV profile"));
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verdict_->setWordWrap(true);
    layout->addWidget(verdict_);
    roots_ = new QListWidget;
    roots_->setObjectName(QStringLiteral("roots"));
    roots_->setAccessibleName(tr("Rates where the NPV is zero"));
    roots_->setMaximumHeight(fontMetrics().height() * 5);
    layout->addWidget(roots_);
}

NpvProfileSheet::~NpvProfileSheet() {
    // The chart's code lives in the plugin: the chart goes before it.
    delete chart_;
}

void NpvProfileSheet::follow(const CalController& controller) {
    const auto list = controller.cashFlows();
    flows_.assign(list.begin(), list.end());
    redraw();
}

void NpvProfileSheet::setRange(double lo, double hi) {
    from_->setValue(lo);
    to_->setValue(hi);
}

void NpvProfileSheet::redraw() {
    const double lo = from_->value();
    const double hi = to_->value();
    constexpr int kSamples = 400;
    const std::vector<double> roots = npvRoots(flows_, lo, hi, kSamples);
    const std::optional<double> irr = iyForIrrStack(flows_);
    const auto isIrr = [&irr](double root) { return irr && std::fabs(root - *irr) < 1e-6; };

    roots_->clear();
    for (double root : roots) {
        roots_->addItem(isIrr(root) ? tr("%1 % (the IRR key's answer)").arg(shown(root)) : tr("%1 %").arg(shown(root)));
    }
    QStringList words;
    if (flows_.empty()) {
        words << tr("The cash-flow list is empty.");
    } else if (roots.empty()) {
        words << tr("The NPV is zero at no rate from %1 % to %2 %.").arg(shown(lo), shown(hi));
    } else if (roots.size() > 1) {
        words << tr("The NPV is zero at %1 rates: the list has more than one internal rate of return, "
                    "and the IRR key finds at most one of them.").arg(roots.size());
    }
    const bool outside = std::any_of(roots.begin(), roots.end(), [](double r) { return r <= 0 || r >= 100; });
    if (outside) words << tr("A rate lies outside 0 to 100 %, where the IRR key does not search.");
    if (!flows_.empty()) words << (irr ? tr("The IRR key gives %1 %.").arg(shown(*irr)) : tr("The IRR key fails."));
    showValue(verdict_, tr("NPV profile"), words.join(QLatin1Char(' ')));

    if (chart_) {
        QList<QPointF> curve;
        curve.reserve(kSamples + 1);
        for (int k = 0; k <= kSamples; ++k) {
            const double rate = lo + (hi - lo) * k / kSamples;
            curve.append(QPointF(rate, pvForIrrStack(flows_, rate)));
        }
        const QList<double> marks(roots.begin(), roots.end());
        if (auto show = reinterpret_cast<ShowCurve>(plugin_->resolve("cambistShowNpvCurve"))) {
            show(chart_, &curve, &marks, irr ? *irr : std::nan(""));
        }
    }
}

QStringList NpvProfileSheet::roots() const {
    QStringList texts;
    for (int i = 0; i < roots_->count(); ++i) texts << roots_->item(i)->text();
    return texts;
}

QString NpvProfileSheet::verdict() const { return verdict_->text(); }

}  // namespace cambist
