#include "analysis_panel.h"
#include "app_context.h"
#include "fof_view.h"
#include "food_list_box.h"
#include "prompts.h"
#include "pyramid_painter.h"
#include "qt_bridge.h"
#include "view_layout.h"
#include "view_test_support.h"

#include "calc/intake_preferences.h"
#include "calc/requirements.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "support/temp_dir.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace mw;
using namespace mw::gui;
using namespace mw::render;

namespace {

// The same run on a bare document, as the command line makes it.
std::unique_ptr<CFofDoc> referenceMenu(const FoodOperations& foods, LinearCongruentialRandom& random, int requested,
                                       GeneratedMenu* menu)
{
    auto document = std::make_unique<CFofDoc>(foods);
    *menu = MenuGenerator(*document, random).GenerateMenu(requested);
    return document;
}

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

class ViewGeneratorTest : public QObject, protected test::ViewFixture
{
    Q_OBJECT

private:
    AnalysisPanel* panel() { return child<AnalysisPanel>("analysisPanel"); }

private slots:
    void initTestCase() { Prompts::setScripted(true); }

    void init() { startApp(); }

    void cleanup()
    {
        stopApp();
        Prompts::takeShownMessages();
    }

    void aSeededRunFillsTheViewAsTheCoreFillsADocument_data()
    {
        QTest::addColumn<uint>("seed");
        QTest::addColumn<int>("requested");
        QTest::newRow("random menu, seed 1") << 1u << 0;
        QTest::newRow("2000 kcal, seed 7") << 7u << 2000;
        QTest::newRow("3000 kcal, seed 123456") << 123456u << 3000;
    }

    void aSeededRunFillsTheViewAsTheCoreFillsADocument()
    {
        QFETCH(uint, seed);
        QFETCH(int, requested);
        // A day with foods in it already: the run replaces them all.
        m_document->appendEntry(kLunch, 0, 244);
        m_document->appendEntry(kEveningSnack, 454, 100);
        makeView();
        QSignalSpy modified(m_view.get(), &CFofView::documentModified);

        LinearCongruentialRandom random(seed);
        const GeneratedMenu menu = m_view->generateMenu(random, requested);
        GeneratedMenu expectedMenu;
        LinearCongruentialRandom expectedRandom(seed);
        const std::unique_ptr<CFofDoc> expected =
            referenceMenu(m_app->foods(), expectedRandom, requested, &expectedMenu);

        // The same draws in the same order.
        QCOMPARE(menu.target, expectedMenu.target);
        QCOMPARE(random.state(), expectedRandom.state());
        QCOMPARE(menu.picks.size(), expectedMenu.picks.size());
        for (int m = 0; m < kMealCount; ++m) {
            const auto meal = static_cast<MealIndex>(m);
            const std::span<const CFood> got = m_document->meal(meal).entries();
            const std::span<const CFood> want = expected->meal(meal).entries();
            QVERIFY2(std::equal(got.begin(), got.end(), want.begin(), want.end()), qPrintable(QString::number(m)));
        }
        QVERIFY(!m_history->isClean());
        QVERIFY(modified.count() > 0);

        // The view's running totals, its meal list and its panel follow every addition.
        const DayTotals counted = computeTotals(m_document->meals(), m_app->foods());
        QCOMPARE(m_view->document().totals().day()[kCalories], counted.day()[kCalories]);
        QCOMPARE(m_view->currentMeal(), static_cast<int>(menu.shownMeal));
        QVERIFY(menu.shownMeal == kBreakfast || menu.shownMeal == kLunch || menu.shownMeal == kDinner);
        QCOMPARE(child<QComboBox>("mealBox")->currentIndex(), static_cast<int>(menu.shownMeal));
        QCOMPARE(static_cast<std::size_t>(child<CFoodListBox>("mealList")->count()),
                 m_document->entryCount(menu.shownMeal));
        QCOMPARE(panel()->state().day, m_view->document().totals().day());
        QCOMPARE(panel()->state().meal, m_view->document().totals().meal(menu.shownMeal));
        QVERIFY(!panel()->state().food.has_value());

        // The day ends no more than 10 kcal short of the target.
        QVERIFY(static_cast<int>(m_view->document().totals().day()[kCalories]) >= menu.target - 10);
    }

    void theWaitCursorIsShownOnlyDuringTheRun()
    {
        makeView();
        LinearCongruentialRandom random(5);
        m_view->generateMenu(random, 2000);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(m_view->focusWidget(), child<QComboBox>("mealBox"));
    }

    void clearDayEmptiesEveryMealAndEveryTotal()
    {
        m_document->appendEntry(kBreakfast, 0, 244);
        m_document->appendEntry(kDinner, 55, 85);
        makeView();
        m_view->clearDay();
        for (int m = 0; m < kMealCount; ++m) {
            QCOMPARE(m_document->entryCount(static_cast<MealIndex>(m)), std::size_t{0});
            QCOMPARE(m_view->document().totals().meal(m), NutrientVector{});
        }
        QCOMPARE(m_view->document().totals().day(), NutrientVector{});
        QCOMPARE(child<CFoodListBox>("mealList")->count(), 0);
        QCOMPARE(panel()->state().day, NutrientVector{});
        QVERIFY(!m_history->isClean());
    }

    void selectMealShowsTheMealEvenWhenItIsSelectedAlready()
    {
        m_document->appendEntry(kBreakfast, 0, 244);
        makeView();
        m_view->clearDay();
        // The document is changed behind the list's back; selecting breakfast again shows it anew.
        m_document->appendEntry(kBreakfast, 0, 100);
        m_view->selectMeal(kBreakfast);
        QCOMPARE(child<CFoodListBox>("mealList")->count(), 1);
        m_view->selectMeal(kDinner);
        QCOMPARE(m_view->currentMeal(), static_cast<int>(kDinner));
        QCOMPARE(child<CFoodListBox>("mealList")->count(), 0);
    }

    void thePyramidIsDrawnOverTheFoodColumnUntilThePanelChanges()
    {
        makeView();
        LinearCongruentialRandom random(3);
        m_view->generateMenu(random, 1800);
        QVERIFY(m_view->pyramidFits());
        QVERIFY(m_view->drawFoodPyramid());
        const std::optional<PyramidFigure>& shown = panel()->pyramid();
        QVERIFY(shown.has_value());
        const PyramidFigure expected = pyramidFigure(
            DayServings(*m_document), m_view->document().totals().day()[kTotalFat], panel()->pyramidCells());
        for (std::size_t g = 0; g < expected.tiers.size(); ++g) {
            QVERIFY(shown->tiers[g].rect == expected.tiers[g].rect);
        }
        QVERIFY(shown->outline == expected.outline);
        // The tiers stand on the rows Calories to Total Fat of the Food column.
        const PyramidCells cells = panel()->pyramidCells();
        QCOMPARE(shown->tiers[kPyramidSweets].rect.top, cells[1].top);
        QCOMPARE(shown->tiers[kPyramidBread].rect.top, cells[4].top);

        test::addToView(*m_view, *m_history, 0, 100);
        QVERIFY(!panel()->pyramid().has_value());
    }

    void theFoodPyramidCommandClearsTheFoodColumnFirst()
    {
        m_document->appendEntry(kBreakfast, 0, 244);
        makeView();
        test::addToView(*m_view, *m_history, 454, 100);
        QVERIFY(m_view->showFoodPyramid());
        QVERIFY(!panel()->state().food.has_value());
        QVERIFY(child<QLineEdit>("amountEdit")->text().isEmpty());
        QVERIFY(panel()->pyramid().has_value());
    }

    void noPyramidInTwoColumnsWithFewerThanNineNutrients()
    {
        QVERIFY(!storePanelLayout(*m_settings, PanelLayout::kTwoColumns));
        NutrientSelection five{};
        for (int n = 0; n <= kTotalFat; ++n) {
            five[static_cast<std::size_t>(n)] = true;
        }
        QVERIFY(!storeDisplaySelection(*m_settings, currentScreenMetrics(), five));
        m_document->appendEntry(kBreakfast, 0, 244);
        makeView();
        QCOMPARE(panel()->state().layout, PanelLayout::kTwoColumns);
        QVERIFY(!m_view->pyramidFits());
        QVERIFY(!m_view->drawFoodPyramid());
        QVERIFY(!m_view->showFoodPyramid());
        QVERIFY(!panel()->pyramid().has_value());
    }

    void thePainterFillsTheTiersAndLeavesEachSegmentsEndPoint()
    {
        PyramidCells cells;
        for (int row = 0; row < 5; ++row) {
            cells[static_cast<std::size_t>(row)] = {20, 10 + 12 * row, 180, 22 + 12 * row};
        }
        PyramidServings servings{};
        servings[kPyramidSweets] = 1.0f;
        servings[kPyramidMilk] = 2.0f;
        servings[kPyramidMeat] = 2.0f;
        servings[kPyramidVegetable] = 3.0f;
        servings[kPyramidFruit] = 3.0f;
        servings[kPyramidBread] = 6.0f;
        const PyramidFigure figure = pyramidFigure(servings, 0.0f, cells);

        QImage image(200, 90, QImage::Format_RGB32);
        image.fill(QColor(192, 192, 192));
        {
            QPainter painter(&image);
            paintPyramidFigure(&painter, figure);
        }
        const auto inside = [&](PyramidGroup group) {
            const PyramidRect& fill = figure.tiers[group].fill;
            return pixel(image, (fill.left + fill.right) / 2, (fill.top + fill.bottom) / 2);
        };
        QCOMPARE(inside(kPyramidSweets), QColor(0, 0, 0));
        QCOMPARE(inside(kPyramidMilk), QColor(255, 255, 255));
        QCOMPARE(inside(kPyramidMeat), QColor(255, 0, 0));
        QCOMPARE(inside(kPyramidVegetable), QColor(0, 128, 0));
        QCOMPARE(inside(kPyramidFruit), QColor(255, 255, 0));
        QCOMPARE(inside(kPyramidBread), QColor(0, 0, 255));

        // The top edge is grey; the right side white; nothing is drawn beyond the figure.
        const PyramidSegment& top = figure.outline[7];
        QCOMPARE(top.pen, PyramidPen::kGrey);
        QCOMPARE(pixel(image, (top.from.x + top.to.x) / 2, top.from.y), QColor(128, 128, 128));
        const PyramidSegment& down = figure.outline[8];
        QCOMPARE(down.pen, PyramidPen::kWhite);
        QCOMPARE(pixel(image, down.from.x, (down.from.y + down.to.y) / 2), QColor(255, 255, 255));
        QCOMPARE(pixel(image, 195, 5), QColor(192, 192, 192));
        // The top edge stops one pixel before its end point, which the descending segment draws in white.
        QCOMPARE(pixel(image, top.to.x, top.to.y), QColor(255, 255, 255));
    }
};

QTEST_MAIN(ViewGeneratorTest)
#include "view_generator_test.moc"
