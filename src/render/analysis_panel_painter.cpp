#include "analysis_panel_painter.h"

#include "format/food_attribute_database.h"
#include "model/catalogue.h"
#include "panel_texts.h"
#include "qt_bridge.h"
#include "render_resources.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <memory>

namespace mw::render {

namespace {

// How much of the bar shows through the backing of a percent text over it (0..255).
constexpr int kTextBackingAlpha = 150;

// Digits with a sign, separators or a percent sign: a figure, which must be read whole.
bool isNumberText(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) {
        return c.isDigit() || c == u'-' || c == u'.' || c == u',' || c == u'%';
    });
}

using namespace panel_colors;

constexpr int kHighListNumber = 8;
constexpr int kMediumListNumber = 9;
constexpr int kLowListNumber = 10;
constexpr int kGlycemicClassCount = 4;
constexpr int kProteinPosition = 2;
constexpr int kCarbohydratePosition = 3;
constexpr int kTotalFatPosition = 4;
constexpr Qt::Alignment kValueAlignment = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kNameAlignment = Qt::AlignLeft | Qt::AlignVCenter;
// Pixels kept free between a percent bar and its text.

QColor toQColor(RgbColor color)
{
    return QColor(color.red, color.green, color.blue);
}

QColor rowTextColor(int position)
{
    return position % 2 == 0 ? QColor(Qt::black) : kOddRowText;
}

QSvgRenderer* glycemicRenderer(GlycemicClass glycemicClass)
{
    static std::array<std::unique_ptr<QSvgRenderer>, kGlycemicClassCount> renderers;
    auto& renderer = renderers[static_cast<std::size_t>(glycemicClass)];
    if (!renderer) {
        initRenderResources();
        renderer = std::make_unique<QSvgRenderer>(glycemicPicturePath(glycemicClass));
    }
    return renderer->isValid() ? renderer.get() : nullptr;
}

class PanelPainter
{
public:
    PanelPainter(QPainter* painter, const QRect& rect, const AnalysisPanelState& state)
        : m_painter(painter), m_state(state), m_rows(normalizedDisplay(state.displayed)),
          m_metrics(painter->fontMetrics()),
          m_geometry(rect, panelLineHeight(m_metrics), static_cast<int>(m_rows.size()), state.layout)
    {
    }

    void paint()
    {
        paintFrame();
        paintColumnBodies();
        paintColumnTitles();
        m_painter->setBackgroundMode(Qt::TransparentMode);
        if (m_state.food) {
            paintFoodColumn(*m_state.food);
        }
        paintValueColumn(ValueColumn::kMeal, m_state.meal);
        paintValueColumn(ValueColumn::kDay, m_state.day);
        paintNamesAndUnits();
        paintPercentColumn();
    }

private:
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int nutrientAt(int position) const { return m_rows[static_cast<std::size_t>(position)]; }

    // The outline takes the rectangle's outermost pixels, so outlined and filled cells line up.
    void outline(const QRect& rect, const QColor& color)
    {
        if (rect.isEmpty()) {
            return;
        }
        m_painter->setPen(QPen(color, 0));
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawRect(rect.adjusted(0, 0, -1, -1));
    }

    void fillAndOutline(const QRect& rect, const QColor& fill, const QColor& lineColor)
    {
        m_painter->fillRect(rect, fill);
        outline(rect, lineColor);
    }

    void line(const QLine& segment, const QColor& color)
    {
        m_painter->setPen(QPen(color, 0));
        m_painter->drawLine(segment);
    }

    // A text that does not fit its cell: a number is never shown cut (it would read as another number), so it
    // gives way to an ellipsis; a label is elided at its end.
    QString fittedText(const QString& text, int room) const
    {
        const QFontMetrics metrics = m_painter->fontMetrics();
        if (metrics.horizontalAdvance(text) <= room) {
            return text;
        }
        if (isNumberText(text)) {
            const QString ellipsis(QChar(0x2026));
            return metrics.horizontalAdvance(ellipsis) <= room ? ellipsis : QString();
        }
        return metrics.elidedText(text, Qt::ElideRight, room);
    }

    void cellText(const QRect& rect, Qt::Alignment alignment, const QString& text, const QColor& color)
    {
        const QString shown = rect.isEmpty() ? QString() : fittedText(text, rect.width());
        if (shown.isEmpty()) {
            return;
        }
        m_painter->setPen(color);
        m_painter->drawText(rect, static_cast<int>(alignment) | Qt::TextSingleLine, shown);
    }

    // Text over a bar: a translucent backing of the cell's colour keeps it legible while the bar's length and
    // colour still show through.
    void cellTextOverBar(const QRect& rect, Qt::Alignment alignment, const QString& text, const QColor& color)
    {
        const QString shown = rect.isEmpty() ? QString() : fittedText(text, rect.width());
        if (shown.isEmpty()) {
            return;
        }
        const int flags = static_cast<int>(alignment) | Qt::TextSingleLine;
        const QRect ink = m_painter->fontMetrics().boundingRect(rect, flags, shown).intersected(rect);
        QColor backing = kLightGray;
        backing.setAlpha(kTextBackingAlpha);
        m_painter->fillRect(ink, backing);
        m_painter->setPen(color);
        m_painter->drawText(rect, flags, shown);
    }

    void paintFrame() { fillAndOutline(m_geometry.frame(), kLightGray, kGray); }

    void paintColumnBodies()
    {
        for (int column = 0; column < m_geometry.columnCount(); ++column) {
            const QRect body = m_geometry.columnBody(column);
            outline(body, kGray);
            outline(body.translated(1, 1), Qt::white);
        }
    }

    void paintColumnTitles()
    {
        m_painter->setBackgroundMode(Qt::OpaqueMode);
        m_painter->setBackground(kLightGray);
        for (int column = 0; column < m_geometry.columnCount(); ++column) {
            const QRect cell = m_geometry.titleCell(column);
            const int label = m_state.layout == PanelLayout::kOneColumn ? column : column % kColumnsPerHalf;
            cellText(cell, kNameAlignment, QStringLiteral("  ") + toQString(panelColumnLabel(label)), kTitleText);
            paintRaisedEdge(cell);
        }
    }

    void paintRaisedEdge(const QRect& cell)
    {
        if (cell.isEmpty()) {
            return;
        }
        const int right = rightEdge(cell) - 1;
        const int bottom = bottomEdge(cell) - 1;
        line(QLine(cell.x(), bottom, cell.x(), cell.y()), Qt::white);
        line(QLine(cell.x(), cell.y(), right, cell.y()), Qt::white);
        line(QLine(right, cell.y(), right, bottom), kGray);
        line(QLine(cell.x(), bottom, right, bottom), kGray);
    }

    void paintFoodColumn(const FoodColumnState& food)
    {
        paintValueColumn(ValueColumn::kFood, food.totals);
        if (food.glycemicClass && m_geometry.hasPosition(kProteinPosition)) {
            paintGlycemicPicture(*food.glycemicClass, m_geometry.valueCell(kProteinPosition, ValueColumn::kFood));
        }
        const QRect titleCell = m_geometry.valueCell(0, ValueColumn::kFood);
        m_painter->fillRect(titleCell, kLightGray);
        cellText(titleCell, kValueAlignment, food.title, Qt::black);
    }

    void paintGlycemicPicture(GlycemicClass glycemicClass, const QRect& cell)
    {
        QSvgRenderer* renderer = glycemicRenderer(glycemicClass);
        const QRect picture = glycemicPictureRect(cell, m_geometry.lineHeight());
        if (renderer == nullptr || picture.isEmpty()) {
            return;
        }
        m_painter->save();
        m_painter->setClipRect(picture, Qt::IntersectClip);
        m_painter->setRenderHint(QPainter::Antialiasing, true);
        const int side = m_geometry.lineHeight();
        renderer->render(m_painter, QRectF(cell.x(), cell.y(), side, side));
        m_painter->restore();
    }

    void paintValueColumn(ValueColumn column, const NutrientVector& values)
    {
        for (int position = 0; position < rowCount(); ++position) {
            m_painter->fillRect(m_geometry.valueCell(position, column), kLightGray);
        }
        if (column != ValueColumn::kFood && m_geometry.showsCalorieBars()) {
            paintCalorieBars(column, values);
        }
        // The Food column's first row holds its title instead of the weight.
        const int first = column == ValueColumn::kFood ? 1 : 0;
        for (int position = first; position < rowCount(); ++position) {
            const auto nutrient = static_cast<std::size_t>(nutrientAt(position));
            cellText(m_geometry.valueCell(position, column), kValueAlignment, panelValueText(values[nutrient]),
                     rowTextColor(position));
        }
    }

    void paintCalorieBars(ValueColumn column, const NutrientVector& values)
    {
        const CalorieShares shares = calorieShares(values);
        const bool fatWarned = fatWarning(shares.fat, m_state.goals.fatWarningPercent, FatWarningPlace::kPanel);
        paintCalorieBar(m_geometry.valueCell(kProteinPosition, column), shares.protein, kGray);
        paintCalorieBar(m_geometry.valueCell(kCarbohydratePosition, column), shares.carbohydrate, kGray);
        paintCalorieBar(m_geometry.valueCell(kTotalFatPosition, column), shares.fat,
                        fatWarned ? QColor(Qt::white) : kGray);

        const CalorieScale scale = calorieScale(m_geometry.calorieScaleArea(column));
        if (scale.bottom <= scale.top) {
            return;
        }
        for (const int x : scale.tickXs) {
            line(QLine(x, scale.top, x, scale.bottom - 1), kLightGray);
        }
        m_painter->fillRect(scale.hundredMark, kLightGray);
    }

    void paintCalorieBar(const QRect& cell, int share, const QColor& color)
    {
        m_painter->fillRect(calorieShareBarRect(cell, share), color);
    }

    void paintNamesAndUnits()
    {
        for (int position = 0; position < rowCount(); ++position) {
            const int nutrient = nutrientAt(position);
            const QColor color = rowTextColor(position);
            const QRect nameCell = m_geometry.nameCell(position);
            cellText(nameCell, kNameAlignment, panelNutrientName(nutrient, nameCell.width(), m_metrics), color);
            if (const std::optional<QRect> unitCell = m_geometry.unitCell(position)) {
                cellText(*unitCell, kNameAlignment, toQString(nutrientPanelUnit(nutrient)), color);
            }
        }
    }

    void paintPercentColumn()
    {
        if (rowCount() == 0) {
            return;
        }
        const bool personal = m_state.goals.usePersonalGoal;
        const QRect labelCell = m_geometry.percentCell(0);
        fillAndOutline(labelCell, kLightGray, kLightGray);
        cellText(percentTextRect(labelCell), kValueAlignment,
                 toQString(LoadString(personal ? kPersonalGoalLabelText : kRdaGoalLabelText)), kTitleText);
        for (int position = 1; position < rowCount(); ++position) {
            paintPercentCell(position);
        }
    }

    void paintPercentCell(int position)
    {
        const int nutrient = nutrientAt(position);
        const QRect cell = m_geometry.percentCell(position);
        fillAndOutline(cell, kLightGray, kLightGray);
        if (!percentColumnShows(nutrient, m_state.goals.usePersonalGoal)) {
            return;
        }
        const std::optional<int> percent = percentOfGoal(m_state.day, nutrient, m_state.goals);
        const QString text = panelPercentText(percent);
        // The bar keeps the length the percent gives it, however narrow the cell: its length and colour are the
        // warning. The percent text goes over it.
        const QRect bar = percentBarRect(cell, percent);
        if (!bar.isEmpty()) {
            fillAndOutline(bar, percentBarColor(intakeLevel(m_state.day, nutrient, m_state.goals)), kGray);
            if (const std::optional<BarHighlight> highlight = percentBarHighlight(bar)) {
                line(highlight->bottom, Qt::white);
                line(highlight->right, Qt::white);
            }
        }
        const QRect textRect = percentTextRect(cell);
        const int textLeft = rightEdge(textRect) - m_painter->fontMetrics().horizontalAdvance(text);
        if (!bar.isEmpty() && rightEdge(bar) > textLeft) {
            cellTextOverBar(textRect, kValueAlignment, text, rowTextColor(position));
        } else {
            cellText(textRect, kValueAlignment, text, rowTextColor(position));
        }
    }

    QPainter* m_painter;
    const AnalysisPanelState& m_state;
    std::vector<NutrientIndex> m_rows;
    QFontMetrics m_metrics;
    AnalysisPanelGeometry m_geometry;
};

} // namespace

GlycemicClass glycemicClassOf(std::uint16_t attributeWord)
{
    if ((attributeWord & CFoodAttributeDatabase::listMask(kHighListNumber)) != 0) {
        return GlycemicClass::kHigh;
    }
    if ((attributeWord & CFoodAttributeDatabase::listMask(kMediumListNumber)) != 0) {
        return GlycemicClass::kMedium;
    }
    if ((attributeWord & CFoodAttributeDatabase::listMask(kLowListNumber)) != 0) {
        return GlycemicClass::kLow;
    }
    return GlycemicClass::kNone;
}

std::optional<GlycemicClass> glycemicClassFromInt(int value)
{
    if (value < 0 || value >= kGlycemicClassCount) {
        return std::nullopt;
    }
    return static_cast<GlycemicClass>(value);
}

QString glycemicPicturePath(GlycemicClass glycemicClass)
{
    switch (glycemicClass) {
    case GlycemicClass::kLow:
        return QStringLiteral(":/icons/glycemic-low.svg");
    case GlycemicClass::kMedium:
        return QStringLiteral(":/icons/glycemic-medium.svg");
    case GlycemicClass::kHigh:
        return QStringLiteral(":/icons/glycemic-high.svg");
    case GlycemicClass::kNone:
        break;
    }
    return QStringLiteral(":/icons/glycemic-none.svg");
}

int panelLineHeight(const QFontMetrics& metrics)
{
    // Some fonts report a negative leading; a line is never lower than the font.
    return std::max(metrics.height(), metrics.lineSpacing());
}

AnalysisPanelGeometry analysisPanelGeometry(const QRect& rect, const QFontMetrics& metrics,
                                            const AnalysisPanelState& state)
{
    const auto rows = static_cast<int>(normalizedDisplay(state.displayed).size());
    return AnalysisPanelGeometry(rect, panelLineHeight(metrics), rows, state.layout);
}

QString panelValueText(float value)
{
    const int shown = displayInteger(value);
    return shown < 0 ? toQString(LoadString(kNotAvailableValueText)) : QString::number(shown);
}

QString panelPercentText(std::optional<int> percent)
{
    return percent ? QString::number(*percent) + QStringLiteral("%") : QString();
}

QColor percentBarColor(std::optional<IntakeLevel> level)
{
    return level ? toQColor(intakeLevelColor(*level)) : kGray;
}

QString panelNutrientName(int nutrient, int width, const QFontMetrics& metrics)
{
    const TextWidthFunction measure = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(toQString(text));
    };
    return toQString(fittingNutrientName(nutrient, width, measure));
}

void paintAnalysisPanel(QPainter* painter, const QRect& rect, const AnalysisPanelState& state)
{
    if (painter == nullptr || !painter->isActive() || rect.isEmpty()) {
        return;
    }
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setRenderHint(QPainter::Antialiasing, false);
    PanelPainter(painter, rect, state).paint();
    painter->restore();
}

} // namespace mw::render
