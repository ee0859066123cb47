#include "view_layout.h"

#include "analysis_panel_geometry.h"

#include <QTest>
#include <QWidget>

#include <iterator>

using namespace mw;
using namespace mw::gui;
using namespace mw::render;

namespace {

ViewMetrics metrics(int lineHeight, int charWidth = 7, int screenHeight = 768, int icon = 32)
{
    return ViewMetrics{lineHeight, charWidth, icon, icon, screenHeight};
}

QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Every control that has room lies inside the client area, above the panel, and no two overlap.
void verifyInsideAndApart(const ViewLayout& v, const QRect& client)
{
    const QRect controls[] = {v.mealBox,
                              v.groupBox,
                              v.mealList,
                              v.foodListCaption,
                              v.foodList,
                              v.deleteButton,
                              v.amountEdit,
                              v.amountOkButton,
                              v.eatButton,
                              v.normalOrderButton,
                              v.reverseOrderButton,
                              v.sortAscendingButton,
                              v.sortDescendingButton};
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const QString name = QString::number(i);
        if (controls[i].isEmpty()) {
            continue;
        }
        QVERIFY2(client.contains(controls[i]), qPrintable(name));
        QVERIFY2(!controls[i].intersects(v.panel), qPrintable(name));
        for (std::size_t j = 0; j < i; ++j) {
            QVERIFY2(!controls[i].intersects(controls[j]), qPrintable(name + u' ' + QString::number(j)));
        }
    }
    QVERIFY(client.contains(v.panel));
}

} // namespace

class ViewLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void aTypicalScreen()
    {
        const ViewLayout v = computeViewLayout(metrics(16), QRect(0, 0, 1000, 700), 15, 15);
        QCOMPARE(v.gap, 8);
        QCOMPARE(v.editHeight, 24);
        QCOMPARE(v.buttonWidth, 63);
        QCOMPARE(v.panelHeight, 16 * 17);
        QCOMPARE(v.listBottom, 700 + 16 - 32 - 4 - 272);

        QCOMPARE(v.mealBox, edges(8, 8, 421, 32));
        QCOMPARE(v.groupBox, edges(508, 8, 921, 32));
        QCOMPARE(v.searchEdit, v.groupBox);
        QCOMPARE(v.mealList, edges(8, 40, 421, 408));
        QCOMPARE(v.foodListCaption, edges(508, 40, 921, 56));
        QCOMPARE(v.foodList, edges(508, 56, 921, 408));
        QCOMPARE(v.deleteButton, edges(429, 40, 492, 72));
        QCOMPARE(v.amountOkButton, edges(429, 376, 492, 408));
        QCOMPARE(v.amountEdit, edges(429, 344, 492, 368));
        QCOMPARE(v.eatButton, edges(929, 40, 992, 72));
        // Two 32-pixel icons are wider than the button column: the pictures shrink to half of it.
        QCOMPARE(v.pictureButtonSide, 31);
        QCOMPARE(v.normalOrderButton, QRect(929, 8, 31, 31));
        QCOMPARE(v.reverseOrderButton, QRect(960, 8, 31, 31));
        QCOMPARE(v.globalSearchButton, v.normalOrderButton);
        QCOMPARE(v.localSearchButton, v.reverseOrderButton);
        QCOMPARE(v.sortAscendingButton, QRect(929, 377, 31, 31));
        QCOMPARE(v.sortDescendingButton, QRect(960, 377, 31, 31));
        // The panel frame: N = Cb - P - G, its top half a gap above.
        QCOMPARE(v.panel, edges(0, 700 - 272 - 8 - 4, 1000, 700));
        QCOMPARE(v.mealBoxVisibleItems, 7);
        QCOMPARE(v.groupBoxVisibleItems, 30);
        verifyInsideAndApart(v, QRect(0, 0, 1000, 700));
    }

    void anOddLineHeightUsesItsEvenPartForTheListEdges()
    {
        const ViewLayout v = computeViewLayout(metrics(17), QRect(0, 0, 800, 600), 5, 5);
        QCOMPARE(v.gap, 8);
        QCOMPARE(v.editHeight, 25);
        QCOMPARE(v.listTop, 25 + 16);
        QCOMPARE(v.listBottom, 600 + 16 - 32 - 4 - 17 * 7);
    }

    void shortScreensMoveTheAmountEditAndSortButtonsDown()
    {
        const QRect client(0, 0, 640, 440);
        const ViewLayout tall = computeViewLayout(metrics(16, 7, 600), client, 9, 9);
        const ViewLayout shortFew = computeViewLayout(metrics(16, 7, 479), client, 8, 8);
        const ViewLayout shortMany = computeViewLayout(metrics(16, 7, 479), client, 9, 9);
        const int yb = tall.listBottom;
        QCOMPARE(tall.amountEdit.bottom() + 1, yb - 32 - 8);
        QCOMPARE(shortFew.amountEdit.bottom() + 1, shortFew.listBottom - 32 - 8);
        QCOMPARE(shortMany.amountEdit.bottom() + 1, yb - 32 - 4);
        QCOMPARE(tall.sortAscendingButton.bottom() + 1, yb);
        QCOMPARE(shortMany.sortAscendingButton.bottom() + 1, yb + 8 / 3);
        QCOMPARE(shortFew.sortDescendingButton.bottom() + 1, shortFew.listBottom + 2);
    }

    void theListsEndAboveThePanelForEveryFont()
    {
        for (int lineHeight = 6; lineHeight <= 30; ++lineHeight) {
            for (const int rows : {3, 14, 28}) {
                const ViewLayout v = computeViewLayout(metrics(lineHeight), QRect(0, 0, 1280, 1024), rows, rows);
                QVERIFY(v.mealList.bottom() < v.panel.top());
                QVERIFY(v.amountOkButton.bottom() < v.panel.top());
                const QSize least = minimumViewSize(metrics(lineHeight), rows);
                if (least.width() <= 1280 && least.height() <= 1024) {
                    verifyInsideAndApart(v, QRect(0, 0, 1280, 1024));
                }
                // The panel draws itself in the height its own geometry asks for.
                QCOMPARE(v.panel.height(), panelFrameHeight(lineHeight, rows));
                QCOMPARE(v.panelHeight, panelContentHeight(lineHeight, rows));
            }
        }
    }

    void aTinyClientGivesEmptyRectanglesNotInvertedOnes()
    {
        const ViewLayout v = computeViewLayout(metrics(16), QRect(0, 0, 100, 80), 15, 15);
        for (const QRect& r : {v.mealBox, v.groupBox, v.mealList, v.foodList, v.amountEdit, v.panel}) {
            QVERIFY(r.width() >= 0);
            QVERIFY(r.height() >= 0);
        }
        QCOMPARE(v.columnWidth, 0);
        QCOMPARE(v.listBottom, v.listTop);
    }

    void theMinimumSizeKeepsEveryControlApart()
    {
        for (int lineHeight = 10; lineHeight <= 30; lineHeight += 4) {
            const ViewMetrics m = metrics(lineHeight, lineHeight / 2);
            const QSize least = minimumViewSize(m, 10);
            const ViewLayout v = computeViewLayout(m, QRect(QPoint(0, 0), least), 10, 10);
            QVERIFY(v.columnWidth >= 2 * v.buttonWidth);
            verifyInsideAndApart(v, QRect(QPoint(0, 0), least));
            QVERIFY(v.mealList.height() >= 4 * lineHeight);
            QVERIFY(v.foodList.height() >= 4 * lineHeight);
        }
    }

    void theFirstViewsMeasuresServeTheWholeRun()
    {
        QWidget first;
        QFont font = first.font();
        font.setPixelSize(13);
        first.setFont(font);
        const ViewMetrics taken = firstViewMetrics(first);
        QCOMPARE(taken.lineHeight, measureViewMetrics(first).lineHeight);

        QWidget second;
        font.setPixelSize(30);
        second.setFont(font);
        QVERIFY(measureViewMetrics(second).lineHeight > taken.lineHeight);
        QCOMPARE(firstViewMetrics(second).lineHeight, taken.lineHeight);
        QCOMPARE(firstViewMetrics(second).averageCharWidth, taken.averageCharWidth);
    }
};

QTEST_MAIN(ViewLayoutTest)
#include "view_layout_test.moc"
