// The NPV profile chart, built as a plugin of its own so that the calculator
// loads Qt Charts only when the profile is opened. The sheet resolves these
// two functions by name.
#pragma once

#include <QList>
#include <QPointF>

class QWidget;

extern "C" {
// A chart view with no data, a child of parent.
QWidget* cambistCreateNpvChart(QWidget* parent);
// Draws the curve (rate in percent, NPV), marks the roots on the zero line
// and the IRR key's answer among them (NaN for none).
void cambistShowNpvCurve(QWidget* chart, const QList<QPointF>* curve, const QList<double>* roots, double irr);
}
