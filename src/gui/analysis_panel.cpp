#include "analysis_panel.h"

#include "pyramid_painter.h"

#include <QEvent>
#include <QPainter>

namespace mw::gui {

namespace {

// Wide enough for six columns of short numbers; the view gives the panel its real width.
constexpr int kMinimumWidthInLines = 24;

} // namespace

AnalysisPanel::AnalysisPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("analysisPanel"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void AnalysisPanel::setDisplay(std::span<const NutrientIndex> displayed, PanelLayout layout)
{
    m_state.displayed = render::normalizedDisplay(displayed);
    m_state.layout = layout;
    updateGeometry();
    changed();
}

void AnalysisPanel::setGoals(const AnalysisGoals& goals)
{
    m_state.goals = goals;
    changed();
}

void AnalysisPanel::setFoodColumn(const NutrientVector& totals, const QString& title, int glycemicClass)
{
    m_state.food = render::FoodColumnState{totals, title, render::glycemicClassFromInt(glycemicClass)};
    changed();
}

void AnalysisPanel::clearFoodColumn()
{
    m_state.food.reset();
    changed();
}

void AnalysisPanel::setMealColumn(const NutrientVector& totals)
{
    m_state.meal = totals;
    changed();
}

void AnalysisPanel::setDayColumn(const NutrientVector& totals)
{
    m_state.day = totals;
    changed();
}

int AnalysisPanel::rowCount() const
{
    return render::panelRowCount(static_cast<int>(m_state.displayed.size()), m_state.layout);
}

int AnalysisPanel::lineHeight() const
{
    return render::panelLineHeight(fontMetrics());
}

int AnalysisPanel::heightForRows(int rows) const
{
    return render::panelFrameHeight(lineHeight(), rows);
}

QSize AnalysisPanel::sizeHint() const
{
    return QSize(kMinimumWidthInLines * 2 * lineHeight(), heightForRows(rowCount()));
}

QSize AnalysisPanel::minimumSizeHint() const
{
    return QSize(kMinimumWidthInLines * lineHeight(), heightForRows(rowCount()));
}

PyramidCells AnalysisPanel::pyramidCells() const
{
    return render::pyramidCellsOf(render::analysisPanelGeometry(rect(), fontMetrics(), m_state));
}

void AnalysisPanel::showPyramid(const PyramidFigure& figure)
{
    m_pyramid = figure;
    update();
}

void AnalysisPanel::changed()
{
    m_pyramid.reset();
    update();
}

void AnalysisPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    render::paintAnalysisPanel(&painter, rect(), m_state);
    if (m_pyramid) {
        render::paintPyramidFigure(&painter, *m_pyramid);
    }
}

void AnalysisPanel::resizeEvent(QResizeEvent* event)
{
    // The figure was measured on the old cells.
    m_pyramid.reset();
    QWidget::resizeEvent(event);
}

void AnalysisPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        m_pyramid.reset();
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace mw::gui
