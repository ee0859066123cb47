#pragma once

#include "analysis_panel_painter.h"

#include "calc/pyramid_figure.h"

#include <QWidget>

#include <optional>
#include <span>

namespace mw::gui {

// The analysis panel under a day's food lists: a thin widget over AnalysisPanelState and paintAnalysisPanel.
// It keeps only what it was last given and repaints from it.
class AnalysisPanel : public QWidget
{
    Q_OBJECT

public:
    explicit AnalysisPanel(QWidget* parent = nullptr);

    // The rows (Weight to Total Fat are always among them) and the layout; the panel's height follows.
    void setDisplay(std::span<const NutrientIndex> displayed, PanelLayout layout);
    void setGoals(const AnalysisGoals& goals);
    // The selected entry: its totals, its servings title and its glycemic class 0..3 (any other number: no
    // picture, as for an entry whose food is out of range).
    void setFoodColumn(const NutrientVector& totals, const QString& title, int glycemicClass);
    void clearFoodColumn();
    void setMealColumn(const NutrientVector& totals);
    void setDayColumn(const NutrientVector& totals);

    const render::AnalysisPanelState& state() const { return m_state; }

    // The Food column's value cells of display positions 0..4, where the food pyramid goes.
    PyramidCells pyramidCells() const;
    // Draws the figure over the panel until its contents, size or font next change.
    void showPyramid(const PyramidFigure& figure);
    const std::optional<PyramidFigure>& pyramid() const { return m_pyramid; }
    // R: the rows of the current display and layout.
    int rowCount() const;
    // L in this widget's font.
    int lineHeight() const;
    // The height the panel needs for rows rows in this widget's font, its frame included; the view's part of it
    // is P = L x (R + 2), the rest is the frame's margin above.
    int heightForRows(int rows) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Repaints after a change of what the panel shows; the pyramid drawn over it goes.
    void changed();

    render::AnalysisPanelState m_state;
    std::optional<PyramidFigure> m_pyramid;
};

} // namespace mw::gui
