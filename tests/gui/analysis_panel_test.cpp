#include "analysis_panel.h"
#include "analysis_panel_painter.h"
#include "qt_bridge.h"
#include "resources.h"

#include "model/catalogue.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>
#include <limits>

using mw::AnalysisGoals;
using mw::IntakeLevel;
using mw::NutrientIndex;
using mw::NutrientVector;
using mw::PanelLayout;
using mw::render::AnalysisPanelGeometry;
using mw::render::AnalysisPanelState;
using mw::render::bottomEdge;
using mw::render::GlycemicClass;
using mw::render::rightEdge;
using mw::render::ValueColumn;

namespace {

const QColor kSentinel(1, 2, 3);
const QColor kLightGray(192, 192, 192);
const QColor kGray(128, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);
const QColor kRed(255, 0, 0);

QFont panelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    return font;
}

QFontMetrics metricsFor(const QImage& image)
{
    return QFontMetrics(panelFont(), &image);
}

std::vector<NutrientIndex> firstNutrients(int count)
{
    std::vector<NutrientIndex> nutrients;
    for (int j = 0; j < count; ++j) {
        nutrients.push_back(static_cast<NutrientIndex>(j));
    }
    return nutrients;
}

// Every goal 100 and every preferred range 100..200, unless a test says otherwise.
AnalysisGoals plainGoals()
{
    AnalysisGoals goals;
    mw::PreferenceTable table{};
    for (int j = 1; j < mw::kNutrientCount; ++j) {
        goals.requirements[static_cast<std::size_t>(j)] = 100.0f;
        table[static_cast<std::size_t>(j)] = {100, 200};
    }
    goals.preferences = mw::IntakePreferences(table);
    return goals;
}

AnalysisPanelState stateWith(int count, PanelLayout layout)
{
    AnalysisPanelState state;
    state.displayed = firstNutrients(count);
    state.layout = layout;
    state.goals = plainGoals();
    return state;
}

struct Rendered
{
    QImage image;
    AnalysisPanelGeometry geometry;
};

// The panel in an image exactly its height, painted over a colour the panel never uses.
Rendered render(const AnalysisPanelState& state, int width)
{
    const QImage probe(1, 1, QImage::Format_RGB32);
    const int rows = mw::render::panelRowCount(static_cast<int>(state.displayed.size()), state.layout);
    QImage image(width, mw::render::panelFrameHeight(mw::render::panelLineHeight(metricsFor(probe)), rows),
                 QImage::Format_RGB32);
    image.fill(kSentinel);
    {
        QPainter painter(&image);
        painter.setFont(panelFont());
        mw::render::paintAnalysisPanel(&painter, image.rect(), state);
    }
    return {image, mw::render::analysisPanelGeometry(image.rect(), metricsFor(image), state)};
}

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

QColor middleOf(const QImage& image, const QRect& rect)
{
    return pixel(image, rect.x() + rect.width() / 2, rect.y() + rect.height() / 2);
}

bool allPixels(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& test)
{
    for (int y = rect.top(); y < bottomEdge(rect); ++y) {
        for (int x = rect.left(); x < rightEdge(rect); ++x) {
            if (!test(image.pixelColor(x, y))) {
                return false;
            }
        }
    }
    return true;
}

bool anyPixel(const QImage& image, const QRect& rect, const std::function<bool(QColor)>& test)
{
    return !allPixels(image, rect, [&test](QColor c) { return !test(c); });
}

bool isLightGray(QColor c)
{
    return c == kLightGray;
}

bool isReddish(QColor c)
{
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}

// Every cell whose content depends on the numbers, with the percent texts' rectangles.
std::vector<QRect> dataCells(const AnalysisPanelGeometry& g)
{
    std::vector<QRect> cells;
    for (int p = 0; p < g.displayedCount(); ++p) {
        for (const ValueColumn column : {ValueColumn::kFood, ValueColumn::kMeal, ValueColumn::kDay}) {
            cells.push_back(g.valueCell(p, column));
        }
        cells.push_back(g.percentCell(p));
        cells.push_back(mw::render::percentTextRect(g.percentCell(p)));
    }
    return cells;
}

NutrientVector filled(float value)
{
    NutrientVector v;
    v.fill(value);
    return v;
}

} // namespace

class AnalysisPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { mw::gui::initResources(); }

    void percentBarsTakeTheLevelColours()
    {
        AnalysisPanelState state = stateWith(5, PanelLayout::kOneColumn);
        state.day[mw::kCalories] = 150.0f;     // in 100..200
        state.day[mw::kProtein] = 60.0f;       // below
        state.day[mw::kCarbohydrate] = 240.0f; // above: 200 <= v < 250
        state.day[mw::kTotalFat] = 250.0f;     // far above
        const Rendered r = render(state, 1800);
        const std::pair<int, QColor> expected[] = {{1, kGreen}, {2, kYellow}, {3, kMagenta}, {4, kRed}};
        for (const auto& [position, colour] : expected) {
            const QRect cell = r.geometry.percentCell(position);
            const QRect bar =
                mw::render::percentBarRect(cell, static_cast<int>(state.day[static_cast<std::size_t>(position)]));
            QCOMPARE(middleOf(r.image, bar), colour);
            QCOMPARE(pixel(r.image, bar.left(), bar.center().y()), kGray);                        // outline
            QCOMPARE(pixel(r.image, rightEdge(bar) - 2, bottomEdge(bar) - 2), QColor(Qt::white)); // highlight
            QCOMPARE(pixel(r.image, rightEdge(bar) + 1, cell.top() + 1), kLightGray);
        }
    }

    void aBarStopsAtTwoHundredPercent()
    {
        AnalysisPanelState state = stateWith(5, PanelLayout::kOneColumn);
        state.day[mw::kCalories] = 100000.0f; // 100000 %
        const Rendered r = render(state, 1800);
        const QRect cell = r.geometry.percentCell(1);
        const int end = cell.left() + 200 * cell.width() / 300;
        QCOMPARE(pixel(r.image, end - 4, cell.center().y()), kRed);
        QCOMPARE(pixel(r.image, end - 1, cell.center().y()), kGray);
        QVERIFY(allPixels(r.image, QRect(end, cell.top() + 1, cell.width() / 10, 2), isLightGray));
    }

    void aBarKeepsItsLengthAndColourUnderItsTextInANarrowCell()
    {
        AnalysisPanelState state = stateWith(28, PanelLayout::kTwoColumns);
        state.day[mw::kCalories] = 350.0f;
        const Rendered r = render(state, 800);
        const QRect cell = r.geometry.percentCell(1);
        const QRect bar = mw::render::percentBarRect(cell, 350);
        const QFontMetrics metrics(panelFont(), &r.image);
        const int textLeft = rightEdge(cell) - 2 - metrics.horizontalAdvance(mw::render::panelPercentText(350));
        QVERIFY(textLeft < rightEdge(bar)); // the text lies over the bar
        const auto isBar = [](QColor c) { return c == kRed || c == kMagenta; };
        // The bar runs its whole length, to 200 % of the scale, in its level's colour (lighter under the text).
        const auto isReddish = [](QColor c) { return c.red() > c.green() + 40 && c.red() > c.blue() + 40; };
        QVERIFY(isBar(pixel(r.image, cell.left() + 3, cell.center().y())));
        QVERIFY(anyPixel(r.image, QRect(rightEdge(bar) - 3, bar.top() + 1, 2, bar.height() - 2), isReddish));
        QVERIFY(!anyPixel(r.image, QRect(rightEdge(bar) + 1, bar.top() + 1, 2, bar.height() - 2), isReddish));
        // The text is drawn over it, dark on its light rim.
        const auto isText = [](QColor c) { return c.blue() > c.red() + 80; }; // the Calories row is blue
        QVERIFY(anyPixel(r.image, QRect(textLeft, cell.top(), rightEdge(cell) - textLeft, cell.height()), isText));
    }

    void numbersAreWholeOrAnEllipsisAndLabelsElideAtTheirEnd()
    {
        AnalysisPanelState state = stateWith(28, PanelLayout::kTwoColumns);
        state.day[mw::kWeight] = 5100.0f;
        const Rendered r = render(state, 300);
        const QFontMetrics metrics(panelFont(), &r.image);
        const QRect cell = r.geometry.valueCell(0, mw::render::ValueColumn::kDay);
        QVERIFY(metrics.horizontalAdvance(QStringLiteral("5100")) > cell.width()); // too narrow for the number
        // What the cell shows is an ellipsis, no digits: no ink right of the ellipsis' width from the right.
        const int ellipsis = metrics.horizontalAdvance(QString(QChar(0x2026)));
        const auto isInk = [](QColor c) { return c.lightness() < 110; };
        QVERIFY(!anyPixel(r.image, QRect(cell.left(), cell.top() + 1, cell.width() - ellipsis - 1, cell.height() - 2),
                          isInk));
    }

    void noPercentNoBarNoText()
    {
        AnalysisPanelState state = stateWith(5, PanelLayout::kOneColumn);
        state.goals.requirements[mw::kProtein] = 0.0f;
        state.day[mw::kProtein] = 70.0f;
        const Rendered r = render(state, 1000);
        QVERIFY(allPixels(r.image, r.geometry.percentCell(2), isLightGray));
        QVERIFY(!allPixels(r.image, r.geometry.percentCell(3).adjusted(0, 0, 0, -1), isLightGray));
    }

    void alcoholHasNoBarAgainstTheRda()
    {
        AnalysisPanelState state = stateWith(28, PanelLayout::kOneColumn);
        state.day[mw::kAlcohol] = 500.0f;
        const Rendered rda = render(state, 1000);
        const QRect cell = rda.geometry.percentCell(mw::kAlcohol);
        QVERIFY(allPixels(rda.image, cell, isLightGray));

        state.goals.usePersonalGoal = true;
        const Rendered personal = render(state, 1000);
        QCOMPARE(pixel(personal.image, cell.left() + 3, cell.center().y()), kRed);
        // The label over the column changes with the goal.
        const QRect label = rda.geometry.percentCell(0);
        QVERIFY(rda.image.copy(label) != personal.image.copy(label));
    }

    void fatBarTurnsWhiteFromTheWarningLevel()
    {
        AnalysisPanelState state = stateWith(5, PanelLayout::kOneColumn);
        state.meal[mw::kCalories] = 200.0f;
        state.meal[mw::kProtein] = 10.0f;
        state.meal[mw::kCarbohydrate] = 10.0f;
        state.meal[mw::kTotalFat] = 10.0f; // 10 x 930 / 200 = 46 %
        for (const auto& [level, colour] : {std::pair{46, QColor(Qt::white)}, std::pair{47, kGray}}) {
            state.goals.fatWarningPercent = level;
            const Rendered r = render(state, 1000);
            const QRect fatCell = r.geometry.valueCell(mw::kTotalFat, ValueColumn::kMeal);
            const QRect bar = mw::render::calorieShareBarRect(fatCell, 46);
            QVERIFY(bar.width() > 10);
            QCOMPARE(pixel(r.image, bar.left() + 2, bar.center().y()), colour);
            const QRect proteinBar =
                mw::render::calorieShareBarRect(r.geometry.valueCell(mw::kProtein, ValueColumn::kMeal), 27);
            QCOMPARE(pixel(r.image, proteinBar.left() + 2, proteinBar.center().y()), kGray);
            // The empty day draws no bar.
            const QRect dayCell = r.geometry.valueCell(mw::kTotalFat, ValueColumn::kDay);
            QCOMPARE(pixel(r.image, dayCell.left() + 2, dayCell.center().y()), kLightGray);
        }
    }

    void fewNutrientsInTwoColumnsHaveNoCalorieBars()
    {
        AnalysisPanelState state = stateWith(5, PanelLayout::kTwoColumns);
        state.meal[mw::kCalories] = 200.0f;
        state.meal[mw::kProtein] = 40.0f;
        const Rendered r = render(state, 1800);
        const QRect proteinCell = r.geometry.valueCell(mw::kProtein, ValueColumn::kMeal);
        QCOMPARE(pixel(r.image, proteinCell.left() + 2, proteinCell.center().y()), kLightGray);

        state.displayed = firstNutrients(9);
        const Rendered nine = render(state, 1800);
        const QRect cell = nine.geometry.valueCell(mw::kProtein, ValueColumn::kMeal);
        QCOMPARE(pixel(nine.image, cell.left() + 2, cell.center().y()), kGray);
    }

    void numbersNeverReachOutsideTheirCells()
    {
        for (const PanelLayout layout : {PanelLayout::kOneColumn, PanelLayout::kTwoColumns}) {
            for (const int width : {1000, 420}) {
                AnalysisPanelState empty = stateWith(28, layout);
                AnalysisPanelState full = empty;
                full.meal = filled(std::numeric_limits<float>::max());
                full.day = filled(3.0e9f);
                full.food = mw::render::FoodColumnState{filled(-5.0f), QStringLiteral("a title far too long to fit"),
                                                        GlycemicClass::kHigh};
                full.goals.requirements[mw::kCalories] = 1.0e-30f;
                full.goals.usePersonalGoal = true;
                full.goals.fatWarningPercent = 0;
                const Rendered before = render(empty, width);
                const Rendered after = render(full, width);
                QCOMPARE(after.image.pixelColor(0, 0), kGray); // the frame fills the image
                const std::vector<QRect> cells = dataCells(after.geometry);
                const QRect labelCell = mw::render::percentTextRect(after.geometry.percentCell(0));
                for (int y = 0; y < after.image.height(); ++y) {
                    for (int x = 0; x < after.image.width(); ++x) {
                        if (before.image.pixelColor(x, y) == after.image.pixelColor(x, y)) {
                            continue;
                        }
                        const QPoint point(x, y);
                        const bool inCell = std::any_of(cells.begin(), cells.end(),
                                                        [&point](const QRect& cell) { return cell.contains(point); });
                        if (!inCell && !labelCell.contains(point)) {
                            QFAIL(qPrintable(QStringLiteral("pixel %1,%2 changed outside the cells").arg(x).arg(y)));
                        }
                    }
                }
            }
        }
    }

    void nothingIsDrawnOutsideTheGivenRectangle()
    {
        AnalysisPanelState state = stateWith(12, PanelLayout::kOneColumn);
        state.day = filled(500.0f);
        state.food = mw::render::FoodColumnState{filled(20.0f), QStringLiteral("2.0 units"), GlycemicClass::kLow};
        QImage image(700, 400, QImage::Format_RGB32);
        image.fill(kSentinel);
        // Far shorter than the panel needs: the panel is cut, not spilled.
        const QRect area(40, 30, 600, 90);
        {
            QPainter painter(&image);
            painter.setFont(panelFont());
            mw::render::paintAnalysisPanel(&painter, area, state);
            // The caller's painter comes back as it was given.
            QCOMPARE(painter.font(), panelFont());
            QVERIFY(!painter.hasClipping());
        }
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                wrong += area.contains(x, y) != (image.pixelColor(x, y) != kSentinel) ? 1 : 0;
            }
        }
        QCOMPARE(wrong, 0);
    }

    void foodColumnShowsTitlePictureAndNoWeight()
    {
        AnalysisPanelState state = stateWith(5, PanelLayout::kOneColumn);
        state.food = mw::render::FoodColumnState{filled(888.0f), QString(), GlycemicClass::kHigh};
        const Rendered r = render(state, 1000);
        QVERIFY(allPixels(r.image, r.geometry.valueCell(0, ValueColumn::kFood), isLightGray));
        const QRect picture = mw::render::glycemicPictureRect(r.geometry.valueCell(mw::kProtein, ValueColumn::kFood),
                                                              r.geometry.lineHeight());
        QVERIFY(anyPixel(r.image, picture, isReddish));

        state.food->title = QStringLiteral("1.5 units");
        state.food->glycemicClass = GlycemicClass::kNone;
        const Rendered plain = render(state, 1000);
        QVERIFY(!allPixels(plain.image, plain.geometry.valueCell(0, ValueColumn::kFood), isLightGray));
        QVERIFY(!anyPixel(plain.image, picture, isReddish));
        QVERIFY(anyPixel(plain.image, picture, [](QColor c) { return c == QColor(Qt::white); }));

        state.food->glycemicClass.reset();
        QVERIFY(!anyPixel(render(state, 1000).image, picture, [](QColor c) { return c == QColor(Qt::white); }));
        state.food.reset();
        const Rendered none = render(state, 1000);
        for (int p = 0; p < 5; ++p) {
            QVERIFY(allPixels(none.image, none.geometry.valueCell(p, ValueColumn::kFood), isLightGray));
        }
    }

    void theFourPicturesDiffer()
    {
        QList<QImage> pictures;
        for (int value = 0; value < 4; ++value) {
            AnalysisPanelState state = stateWith(5, PanelLayout::kOneColumn);
            state.food =
                mw::render::FoodColumnState{NutrientVector{}, QString(), mw::render::glycemicClassFromInt(value)};
            const Rendered r = render(state, 1000);
            const QImage picture = r.image.copy(mw::render::glycemicPictureRect(
                r.geometry.valueCell(mw::kProtein, ValueColumn::kFood), r.geometry.lineHeight()));
            QVERIFY(!pictures.contains(picture));
            pictures.append(picture);
        }
    }

    void glycemicClassFromTheAttributeWord()
    {
        using mw::render::glycemicClassOf;
        QCOMPARE(glycemicClassOf(0x0100 | 0x0200 | 0x0400), GlycemicClass::kHigh);
        QCOMPARE(glycemicClassOf(0x0200 | 0x0400), GlycemicClass::kMedium);
        QCOMPARE(glycemicClassOf(0x0400 | 0x0001), GlycemicClass::kLow);
        QCOMPARE(glycemicClassOf(0x00FE), GlycemicClass::kNone);
        QCOMPARE(mw::render::glycemicClassFromInt(3), GlycemicClass::kHigh);
        QVERIFY(!mw::render::glycemicClassFromInt(4).has_value());
        QVERIFY(!mw::render::glycemicClassFromInt(-1).has_value());
    }

    void textsOfTheCells()
    {
        QCOMPARE(mw::render::panelValueText(2.45f), QStringLiteral("2"));
        QCOMPARE(mw::render::panelValueText(2.5f), QStringLiteral("3"));
        QCOMPARE(mw::render::panelValueText(-3.0f), QStringLiteral("NA "));
        QCOMPARE(mw::render::panelValueText(1.0e30f), QString::number(std::numeric_limits<int>::max()));
        QCOMPARE(mw::render::panelValueText(std::numeric_limits<float>::quiet_NaN()), QStringLiteral("0"));
        QCOMPARE(mw::render::panelPercentText(250), QStringLiteral("250%"));
        QCOMPARE(mw::render::panelPercentText(std::nullopt), QString());
        QCOMPARE(mw::render::percentBarColor(IntakeLevel::kAbove), kMagenta);
        QCOMPARE(mw::render::percentBarColor(std::nullopt), kGray);

        const QFontMetrics metrics(panelFont());
        QCOMPARE(mw::render::panelNutrientName(mw::kMonounsaturatedFat, 1000, metrics),
                 mw::toQString(mw::nutrientLongName(mw::kMonounsaturatedFat)));
        QCOMPARE(mw::render::panelNutrientName(mw::kMonounsaturatedFat, 1, metrics),
                 mw::toQString(mw::nutrientShortestName(mw::kMonounsaturatedFat)));
    }

    void widgetKeepsWhatItIsGivenAndPaintsIt()
    {
        mw::gui::AnalysisPanel panel;
        QCOMPARE(panel.objectName(), QStringLiteral("analysisPanel"));
        panel.setFont(panelFont());
        QCOMPARE(panel.rowCount(), 5);
        const std::vector<NutrientIndex> chosen = {mw::kIron, mw::kFiber};
        panel.setDisplay(chosen, PanelLayout::kTwoColumns);
        QCOMPARE(panel.state().displayed.size(), std::size_t{7});
        QCOMPARE(panel.rowCount(), 4);
        QCOMPARE(panel.lineHeight(), mw::render::panelLineHeight(QFontMetrics(panelFont())));
        QCOMPARE(panel.sizeHint().height(), panel.heightForRows(4));
        QCOMPARE(panel.heightForRows(4), mw::render::panelFrameHeight(panel.lineHeight(), 4));

        panel.setGoals(plainGoals());
        panel.setMealColumn(filled(50.0f));
        panel.setDayColumn(filled(150.0f));
        panel.setFoodColumn(filled(5.0f), QStringLiteral("1.0 u."), 2);
        QCOMPARE(panel.state().food->glycemicClass.value(), GlycemicClass::kMedium);
        QCOMPARE(panel.state().day[mw::kIron], 150.0f);

        panel.resize(900, panel.sizeHint().height());
        QImage direct(panel.size(), QImage::Format_RGB32);
        {
            QPainter painter(&direct);
            painter.setFont(panel.font());
            mw::render::paintAnalysisPanel(&painter, direct.rect(), panel.state());
        }
        QCOMPARE(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), direct);

        panel.clearFoodColumn();
        QVERIFY(!panel.state().food.has_value());
    }
};

QTEST_MAIN(AnalysisPanelTest)
#include "analysis_panel_test.moc"
