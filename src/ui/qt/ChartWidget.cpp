#include "ui/qt/ChartWidget.h"

#include "ui/qt/ControlWidget.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

QColor rgb(std::uint32_t colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

struct Span {
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    bool empty() const { return low > high; }
};

Span ySpan(const Chart& chart) {
    Span span;
    for (const ChartSeries& line : chart.series) {
        for (const auto& point : line.points) {
            span.low = std::min(span.low, point.second);
            span.high = std::max(span.high, point.second);
        }
    }
    return span;
}

// A logarithmic axis labels the powers of ten inside its range, so the range starts at one: a
// place in the tens shows under the "10" line, one in the hundreds under "100".
QAbstractAxis* logAxis(const Span& span) {
    auto* axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setMinorTickCount(8);
    const double low = span.empty() ? 1 : std::max(1.0, span.low);
    const double high = span.empty() ? 10 : std::max(span.high, low);
    axis->setRange(std::pow(10.0, std::floor(std::log10(low))), std::max(10.0, high * 1.15));
    return axis;
}

QAbstractAxis* linearAxis(const Span& span, bool fromOne) {
    auto* axis = new QValueAxis;
    double low = span.empty() ? 0 : span.low;
    double high = span.empty() ? 1 : span.high;
    // A flat line sits in the middle of a band around it, not on the edge of the plot.
    const double margin = high > low ? (high - low) * 0.08 : std::max(1.0, std::abs(high) * 0.1);
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
    if (fromOne && axis->min() < 1) axis->setMin(1);
    return axis;
}

} // namespace

ChartWidget::ChartWidget(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("background: transparent"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ChartWidget::draw(const Control& c, double factor, double logicalDpi) {
    const Chart& data = c.chart;
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(static_cast<qreal>(c.radius) / 15.0 * factor);
    chart->setBackgroundBrush(rgb(c.backColor));
    chart->setBackgroundPen(c.border ? QPen(rgb(c.borderColor), std::max(1.0, factor)) : QPen(Qt::NoPen));
    chart->setBackgroundVisible(!c.backTransparent);
    const int margin = std::max(2, static_cast<int>(std::lround(8 * factor)));
    chart->setMargins(QMargins(margin, margin / 2, margin, margin / 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    const QFont font = ControlWidget::scaledFont(c.font, factor, logicalDpi);
    const QColor text = rgb(c.foreColor);
    QColor grid = text;
    grid.setAlpha(60);
    QColor minorGrid = text;
    minorGrid.setAlpha(25);

    auto* xAxis = new QCategoryAxis;
    xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    xAxis->setStartValue(data.xMin);
    for (const auto& [x, label] : data.xMarks)
        xAxis->append(QString::fromStdString(label), x);
    xAxis->setRange(data.xMin, std::max(data.xMax, data.xMin + 1));
    // Within one power of ten a logarithmic axis would label a single line: a plain one reads better.
    const Span span = ySpan(data);
    const bool logarithmic = data.yLogarithmic && !span.empty() && span.high >= 10 * std::max(1.0, span.low);
    QAbstractAxis* yAxis = logarithmic ? logAxis(span) : linearAxis(span, data.yFromOne);
    yAxis->setReverse(data.yReversed);
    if (auto* log = qobject_cast<QLogValueAxis*>(yAxis)) log->setLabelFormat(QString::fromStdString(data.yFormat));
    if (auto* value = qobject_cast<QValueAxis*>(yAxis))
        value->setLabelFormat(QString::fromStdString(data.yFormat));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(xAxis), yAxis}) {
        axis->setLabelsFont(font);
        axis->setLabelsColor(text);
        axis->setLinePenColor(grid);
        axis->setGridLineColor(grid);
        axis->setMinorGridLineColor(minorGrid);
        axis->setTitleVisible(false);
    }
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    const double width = std::max(1.5, 2.5 * factor);
    for (const ChartSeries& line : data.series) {
        QXYSeries* series = nullptr;
        if (line.marks) {
            auto* scatter = new QScatterSeries;
            scatter->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
            scatter->setMarkerSize(std::max(5.0, 7 * factor));
            scatter->setColor(rgb(line.color));
            scatter->setBorderColor(rgb(line.color));
            series = scatter;
        } else {
            series = new QLineSeries;
        }
        series->setName(QString::fromStdString(line.name));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const auto& [x, y] : line.points)
            points.append(QPointF(x, y));
        series->replace(points);
        if (!line.marks) {
            QPen pen(rgb(line.color), width);
            pen.setCapStyle(Qt::RoundCap);
            pen.setJoinStyle(Qt::RoundJoin);
            series->setPen(pen);
        }
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }

    QLegend* legend = chart->legend();
    legend->setVisible(data.series.size() > 1);
    legend->setAlignment(Qt::AlignTop);
    legend->setFont(font);
    legend->setLabelColor(text);

    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

} // namespace velmora
