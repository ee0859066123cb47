#include "analysis_panel.h"

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
    m_state.displayed = normalizedDisplay(displayed);
    m_state.layout = layout;
    updateGeometry();
    update();
}

void AnalysisPanel::setGoals(const AnalysisGoals& goals)
{
    m_state.goals = goals;
    update();
}

void AnalysisPanel::setFoodColumn(const NutrientVector& totals, const QString& title, int glycemicClass)
{
    m_state.food = FoodColumnState{totals, title, glycemicClassFromInt(glycemicClass)};
    update();
}

void AnalysisPanel::clearFoodColumn()
{
    m_state.food.reset();
    update();
}

void AnalysisPanel::setMealColumn(const NutrientVector& totals)
{
    m_state.meal = totals;
    update();
}

void AnalysisPanel::setDayColumn(const NutrientVector& totals)
{
    m_state.day = totals;
    update();
}

int AnalysisPanel::rowCount() const
{
    return panelRowCount(static_cast<int>(m_state.displayed.size()), m_state.layout);
}

int AnalysisPanel::lineHeight() const
{
    return panelLineHeight(fontMetrics());
}

int AnalysisPanel::heightForRows(int rows) const
{
    return panelFrameHeight(lineHeight(), rows);
}

QSize AnalysisPanel::sizeHint() const
{
    return QSize(kMinimumWidthInLines * 2 * lineHeight(), heightForRows(rowCount()));
}

QSize AnalysisPanel::minimumSizeHint() const
{
    return QSize(kMinimumWidthInLines * lineHeight(), heightForRows(rowCount()));
}

void AnalysisPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintAnalysisPanel(&painter, rect(), m_state);
}

void AnalysisPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace mw::gui
