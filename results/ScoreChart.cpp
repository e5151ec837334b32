// SPDX-FileCopyrightText: 2026 The Spelldeck developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScoreChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

ScoreChart::ScoreChart(QWidget *parent)
    : QWidget(parent), m_chart(new QChart), m_line(new QLineSeries), m_marks(new QScatterSeries),
      m_time(new QDateTimeAxis), m_score(new QValueAxis)
{
    m_chart->setTheme(QChart::ChartThemeLight);
    m_chart->legend()->hide();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundBrush(Qt::white);

    m_line->setPen(QPen(Qt::black, 1.5));
    m_marks->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_marks->setMarkerSize(7);
    m_marks->setColor(Qt::white);
    m_marks->setBorderColor(Qt::black);
    m_chart->addSeries(m_line);
    m_chart->addSeries(m_marks);

    m_score->setRange(0, 100);
    m_score->setTickCount(6);
    m_score->setLabelFormat(QStringLiteral("%d%"));
    m_score->setTitleText(tr("Right at the first try"));
    m_time->setTitleText(tr("Date"));
    for (QAbstractAxis *axis :
         {static_cast<QAbstractAxis *>(m_time), static_cast<QAbstractAxis *>(m_score)}) {
        axis->setLabelsColor(Qt::black);
        axis->setTitleBrush(Qt::black);
        axis->setGridLineColor(QColor(0xC0, 0xC0, 0xC0));
        axis->setLinePenColor(Qt::black);
    }
    m_chart->addAxis(m_time, Qt::AlignBottom);
    m_chart->addAxis(m_score, Qt::AlignLeft);
    for (QXYSeries *series : {static_cast<QXYSeries *>(m_line), static_cast<QXYSeries *>(m_marks)}) {
        series->attachAxis(m_time);
        series->attachAxis(m_score);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    // The table beside the chart holds the same figures for a screen reader.
    m_view->setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void ScoreChart::setPoints(const QList<Report::Point> &points, bool perDay)
{
    QList<QPointF> values;
    values.reserve(points.size());
    for (const Report::Point &point : points)
        values << QPointF(qreal(point.at), point.score);
    m_line->replace(values);
    m_marks->replace(values);
    m_chart->setTitle(perDay ? tr("First-pass score, the mean of each day's tests")
                             : tr("First-pass score of each test"));
    const QDateTime first = points.isEmpty() ? QDateTime::currentDateTime()
                                             : QDateTime::fromMSecsSinceEpoch(points.constFirst().at);
    const QDateTime last = points.isEmpty() ? first : QDateTime::fromMSecsSinceEpoch(points.constLast().at);
    // A day either side, so the first and the last points are not drawn on the axes.
    m_time->setRange(first.addDays(-1), last.addDays(1));
    m_time->setFormat(first.daysTo(last) > 300 ? QStringLiteral("MMM yyyy") : QStringLiteral("d MMM"));
}
