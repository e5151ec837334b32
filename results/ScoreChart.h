// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Report.h"

#include <QWidget>

class QChart;
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// First-pass scores over time, in black on white with a marked point for each figure, so it reads the
// same printed in grey or by someone who cannot tell colours apart.
class ScoreChart : public QWidget
{
public:
    explicit ScoreChart(QWidget *parent = nullptr);

    // `perDay` says the points are days of many learners' tests, not single tests.
    void setPoints(const QList<Report::Point> &points, bool perDay);

private:
    QChart *m_chart;
    QChartView *m_view;
    QLineSeries *m_line;
    QScatterSeries *m_marks;
    QDateTimeAxis *m_time;
    QValueAxis *m_score;
};
