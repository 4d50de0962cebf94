#include "NpvChart.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

QWidget* cambistCreateNpvChart(QWidget* parent) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    view->setObjectName(QStringLiteral("npvChart"));
    return view;
}

void cambistShowNpvCurve(QWidget* widget, const QList<QPointF>* curve, const QList<double>* roots, double irr) {
    auto* view = static_cast<QChartView*>(widget);
    QChart* chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* line = new QLineSeries;
    line->setName(QObject::tr("NPV"));
    double low = 0, high = 0;
    for (const QPointF& point : *curve) {
        if (!std::isfinite(point.y())) continue;
        line->append(point);
        low = std::min(low, point.y());
        high = std::max(high, point.y());
    }
    auto* zeros = new QScatterSeries;
    zeros->setName(QObject::tr("NPV zero"));
    zeros->setMarkerSize(9);
    auto* answer = new QScatterSeries;
    answer->setName(QObject::tr("IRR key"));
    answer->setMarkerSize(14);
    answer->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    for (double root : *roots) {
        zeros->append(root, 0);
        if (std::isfinite(irr) && std::fabs(root - irr) < 1e-6) answer->append(root, 0);
    }
    chart->addSeries(line);
    chart->addSeries(zeros);
    chart->addSeries(answer);
    auto* x = new QValueAxis;
    x->setTitleText(QObject::tr("Rate (%)"));
    x->setLabelFormat(QStringLiteral("%g"));
    auto* y = new QValueAxis;
    y->setTitleText(QObject::tr("NPV"));
    y->setLabelFormat(QStringLiteral("%g"));
    if (!curve->isEmpty()) x->setRange(curve->front().x(), curve->back().x());
    const double margin = (high - low) * 0.05 + 1e-9;
    y->setRange(low - margin, high + margin);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}
