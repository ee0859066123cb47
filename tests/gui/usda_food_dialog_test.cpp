#include "usda_food_dialog.h"

#include "app_context.h"
#include "day_window.h"
#include "dialog_test_support.h"
#include "fof_view.h"
#include "food_list_box.h"
#include "frame_test_support.h"
#include "main_window.h"
#include "prompts.h"

#include "support/temp_dir.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace mw;
using namespace mw::gui;
using mw::test::whenDialogOpens;

class UsdaFoodDialogTest : public QObject
{
    Q_OBJECT

private:
    template <typename Widget>
    static Widget* child(QDialog* dialog, const char* name)
    {
        return mw::test::child<Widget>(*dialog, QLatin1String(name));
    }

    static QString label(QDialog* dialog, const char* name) { return child<QLabel>(dialog, name)->text(); }

    static void search(QDialog* dialog, const QString& text)
    {
        auto* edit = child<QLineEdit>(dialog, "searchEdit");
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    static void chooseMeasure(QDialog* dialog, const QString& text)
    {
        auto* measures = child<QComboBox>(dialog, "measureCombo");
        const int index = measures->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        measures->setCurrentIndex(index);
    }

private slots:
    void aFoundFoodIsAddedAndEatenFromThePersonalList()
    {
        Prompts::setScripted(true);
        const test::TempDir dir;
        AppContext app(dir.path(), test::profileWithAnalysisSettings());
        CMainFrame frame(app, 1024);
        frame.show();
        frame.newDay();
        CFofView* view = frame.activeDayWindow()->view();
        frame.findChild<QAction*>(QStringLiteral("actionShowPersonalFoods"))->trigger();
        auto* foodList = view->findChild<CFoodListBox*>(QStringLiteral("foodList"));
        const int before = foodList->count();

        whenDialogOpens([](QDialog* dialog) {
            search(dialog, QStringLiteral("milk evaporated !without"));
            QCOMPARE(label(dialog, "preview11"), QStringLiteral("no data"));
            QVERIFY(label(dialog, "missingLabel").contains(QStringLiteral("Vitamin E, Alcohol")));

            search(dialog, QStringLiteral("cheddar"));
            QCOMPARE(child<QListWidget>(dialog, "resultList")->currentItem()->text(),
                     QStringLiteral("Cheese, cheddar"));
            chooseMeasure(dialog, QStringLiteral("1 slice (1 oz) (28 g)"));
            QCOMPARE(child<QLineEdit>(dialog, "portionEdit")->text(), QStringLiteral("1 slice (1 oz)"));
            QCOMPARE(label(dialog, "preview1"), QStringLiteral("112"));    // 112.8 of 403 kcal per 100 g, as stored
            QCOMPARE(label(dialog, "preview10"), QStringLiteral("76.21")); // retinol equivalents
            QTest::mouseClick(child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
            QVERIFY(label(dialog, "addedLabel")
                        .contains(QStringLiteral("“Cheese, cheddar [1 slice (1 oz)]” is now personal food 643.")));

            // The same portion again is asked about; "No" adds nothing.
            Prompts::setNextAnswer(QMessageBox::No);
            QTest::mouseClick(child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
            QVERIFY(Prompts::takeShownMessages().join(QString()).contains(QStringLiteral("Add it again?")));
            // A cup of salt holds more sodium than a personal food can.
            search(dialog, QStringLiteral("salt, table"));
            chooseMeasure(dialog, QStringLiteral("1 cup (292 g)"));
            QTest::mouseClick(child<QPushButton>(dialog, "addButton"), Qt::LeftButton);
            QVERIFY(Prompts::takeShownMessages().join(QString()).contains(QStringLiteral("Sodium: 113173")));
        });
        frame.findChild<QAction*>(QStringLiteral("actionAddUsdaFood"))->trigger();

        QCOMPARE(app.personalFoods().count(), std::size_t{1});
        QCOMPARE(foodList->count(), before + 1);
        QCOMPARE(foodList->foodAt(before), std::optional<FoodId>(643));
        QVERIFY(foodList->foodName(before).startsWith(QStringLiteral("Cheese, cheddar")));
        test::addToActiveDay(frame, 643, 28);
        QVERIFY(qAbs(view->document().totals().day()[kCalories] - 112.0f) <
                1.0f); // 403 kcal per 100 g, as the line keeps it
        frame.activeDayWindow()->history().setClean();
    }
};

QTEST_MAIN(UsdaFoodDialogTest)
#include "usda_food_dialog_test.moc"
