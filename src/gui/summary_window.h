#pragma once

#include "summary_painter.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace mw::gui {

// The chart of a summary: calories per day against the calorie goal, and the % goal of one nutrient per
// day; hovering over a day shows its values.
class SummaryChart : public QWidget
{
    Q_OBJECT

public:
    explicit SummaryChart(QWidget* parent = nullptr);

    void setData(render::SummaryChartData data);
    const render::SummaryChartData& data() const { return m_data; }
    // Where the chart draws inside the widget.
    QRect chartRect() const;
    // What hovering over the point shows; empty outside the bars.
    QString toolTipAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    render::SummaryChartData m_data;
};

// Several days side by side: a table of their totals, their average and its % of the goals, a chart, and
// printing, PDF and CSV of it all. It owns its copy of the summary and deletes itself when closed.
class CSummaryWindow : public QWidget
{
    Q_OBJECT

public:
    CSummaryWindow(render::DaysSummaryContent content, QWidget* parent = nullptr);

    const render::DaysSummaryContent& content() const { return m_content; }
    // How many of the dates asked for had a day ("5 of 7 days recorded"), ahead of the average's title.
    void setCoverage(const QString& coverage);
    // The nutrient the chart shows as % of its goal.
    int chartNutrient() const;
    void setChartNutrient(int nutrient);

public slots:
    void print();
    void printPreview();
    void exportPdf();
    void exportCsv();

private:
    void fillTable();

    render::DaysSummaryContent m_content;
    QLabel* m_averageLabel = nullptr;
    QListWidget* m_unreadableList = nullptr;
    QTableWidget* m_table = nullptr;
    QComboBox* m_nutrientBox = nullptr;
    SummaryChart* m_chart = nullptr;
};

} // namespace mw::gui
