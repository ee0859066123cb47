#pragma once

#include "weight_painter.h"

#include "format/diary_folder.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QUndoStack;

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
QT_END_NAMESPACE

namespace mw::gui {

class AppContext;

// The weight log of a diary: a chart of the weigh-ins, their trend and the ideal weight, the rate, balance and
// maintenance sentences, and a table of the weigh-ins that can be edited and deleted. Logging, editing and
// deleting are undoable; every change is written to weight.csv at once, under the log's lock.
class CWeightWindow : public QWidget
{
    Q_OBJECT

public:
    CWeightWindow(AppContext& app, DiaryFolder diary, QWidget* parent = nullptr);
    ~CWeightWindow() override;

    const render::WeightContent& content() const { return m_content; }
    QChart* chart() const { return m_chart; }
    QStringList sentences() const;
    // What hovering over a shown day of the chart tells; empty when the chart has no such day.
    QString hoverText(int shownDay) const;

    // Puts the weight in place of the date's (none: deletes it) as one undoable step.
    void changeWeight(const DiaryDate& date, std::optional<WeightTenths> weight, const QString& text);
    // Writes the weight (none: deletes it) to the log now; used by the undo steps.
    bool writeWeight(const DiaryDate& date, std::optional<WeightTenths> weight);

public slots:
    // Reads the log, the diary's days and the settings again and shows them.
    void reload();
    void logWeight();
    void deleteSelected();
    void print();
    void printPreview();
    void exportPdf();
    void exportCsv();

private:
    void buildChart();
    void fillChart();
    void fillTable();
    void weightEdited(QTableWidgetItem* item);

    AppContext& m_app;
    DiaryFolder m_diary;
    render::WeightContent m_content;
    QUndoStack* m_undo = nullptr;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QScatterSeries* m_weighIns = nullptr;
    QLineSeries* m_trend = nullptr;
    QLineSeries* m_ideal = nullptr;
    QComboBox* m_rangeBox = nullptr;
    QLabel* m_sentences = nullptr;
    QLabel* m_problems = nullptr;
    QTableWidget* m_table = nullptr;
    bool m_filling = false;
};

} // namespace mw::gui
