#include "food_list_box.h"

#include "model/settings.h"
#include "model/settings_keys.h"

#include <QImage>
#include <QTest>

using namespace mw;
using namespace mw::gui;

namespace {

const FoodListRow kMilk{QStringLiteral("Milk [1 cup]"), 0};
const FoodListRow kCheese{QStringLiteral("Cheese [1 oz]"), 1};
const FoodListRow kLong{QStringLiteral("A food with a long name that cannot fit on one line of a narrow list "
                                       "[1 large serving of some size]"),
                        7};

// The rows shown as a meal's are: asked of their source as they are drawn.
void showRows(CFoodListBox& list, QList<FoodListRow> rows)
{
    const auto count = static_cast<int>(rows.size());
    list.setFoodRows(count, [rows = std::move(rows)](int row) { return rows.at(row); });
}
const QChar kBullet(0x2022);

// How many pixels of the image have exactly this colour.
int pixelsOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    const QRgb wanted = colour.rgb();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == wanted ? 1 : 0;
        }
    }
    return n;
}

// The pixels of the first n characters' cells of a row, where the symbols are drawn.
QImage symbolArea(CFoodListBox& list, int row, int characters)
{
    const QImage image = list.viewport()->grab().toImage();
    const QRect item = list.visualRowRect(row);
    const int width = list.fontMetrics().horizontalAdvance(QString(characters, kBullet)) + 2;
    return image.copy(item.left() + FoodItemDelegate::kTextIndent, item.top(), width, item.height());
}

} // namespace

class FoodListBoxTest : public QObject
{
    Q_OBJECT

private:
    MemorySettings m_settings;
    CFoodAttributeDatabase m_attributes;

    void setColourCode(const char* code, bool bullets = true)
    {
        QVERIFY(!m_settings.writeText(setting::kFoodColorCode.section, setting::kFoodColorCode.key, code));
        QVERIFY(!m_settings.writeInt(setting::kBulletListMarkers.section, setting::kBulletListMarkers.key,
                                     bullets ? 1 : 0));
    }

    std::unique_ptr<CFoodListBox> makeList(int width = 300)
    {
        auto list = std::make_unique<CFoodListBox>(m_settings, m_attributes);
        list->resize(width, 200);
        list->show();
        if (!QTest::qWaitForWindowExposed(list.get())) {
            qFatal("list not shown");
        }
        return list;
    }

private slots:
    void init()
    {
        m_settings.clear();
        m_attributes.reset();
    }

    void itemsShowTheTextAfterTheSemicolonAndKeepTheirNumber()
    {
        auto list = makeList();
        showRows(*list, {kMilk, {QStringLiteral("Soup; hot [1 bowl]"), 643}, {QStringLiteral("Gone"), std::nullopt}});
        QCOMPARE(list->foodName(0), kMilk.name);
        QCOMPARE(list->foodAt(0), std::optional<FoodId>(0));
        QCOMPARE(list->foodAt(1), std::optional<FoodId>(643));
        QCOMPARE(list->foods(), (std::vector<FoodId>{0, 643}));
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Milk [1 cup]"));
        QCOMPARE(list->model()->index(1, 0).data(kFoodIdRole).toUInt(), 643u);
        QVERIFY(!list->model()->index(2, 0).data(kFoodIdRole).isValid());
        QCOMPARE(list->displayedText(0), QStringLiteral("- Milk [1 cup]"));
        QCOMPARE(list->displayedText(1), QStringLiteral("- Soup; hot [1 bowl]"));
        QCOMPARE(list->displayedText(3), QString());
        QCOMPARE(list->selectedRow(), -1);
        list->setCurrentRow(1);
        QCOMPARE(list->selectedRow(), 1);
    }

    void markersFollowTheColourCodeAndSymbolSetting()
    {
        const struct
        {
            const char* code;
            bool bullets;
            QString prefix;
        } cases[] = {
            {"0000000", true, QStringLiteral("-")},
            {"1000001", true, QString(2, kBullet)},
            {"1111111", false, QStringLiteral("@@@@@@@")},
            {"01", true, QString(1, kBullet)},        // missing positions are off
            {"111111111", true, QString(7, kBullet)}, // positions past the seventh are no list
            {"", true, QStringLiteral("-")},
        };
        for (const auto& c : cases) {
            setColourCode(c.code, c.bullets);
            const FoodItemMarkers markers = FoodItemMarkers::fromSettings(m_settings);
            QCOMPARE(markers.prefix(), c.prefix);
            QCOMPARE(markers.displayedText(kMilk.name), c.prefix + QStringLiteral(" Milk [1 cup]"));
        }
    }

    void symbolsTakeTheColourOfTheirListOrGray()
    {
        setColourCode("1000001");
        const FoodItemMarkers markers = FoodItemMarkers::fromSettings(m_settings);
        QCOMPARE(markers.symbolMask(0), std::uint16_t{2});
        QCOMPARE(markers.symbolMask(1), std::uint16_t{128});
        QCOMPARE(markers.symbolColor(0, 2), QColor(191, 0, 0));
        QCOMPARE(markers.symbolColor(1, 2), kNotOnListColor);
        QCOMPARE(markers.symbolColor(1, 128), QColor(255, 0, 255));
        QCOMPARE(markers.symbolColor(0, 128), kNotOnListColor);
        QCOMPARE(markers.symbolColor(2, 0xFFFF), kNotOnListColor);
    }

    void symbolsAreDrawnInTheirColours()
    {
        setColourCode("1000001");
        m_attributes.set(0, CFoodAttributeDatabase::listMask(1));
        QFont font = QApplication::font();
        font.setPixelSize(24);
        auto list = makeList();
        list->setFont(font);
        showRows(*list, {kMilk, kCheese});
        QCoreApplication::processEvents();

        // Milk is on list 1 only: its first symbol is dark red and its second gray.
        QImage milk = symbolArea(*list, 0, 2);
        QVERIFY(pixelsOf(milk, QColor(191, 0, 0)) > 0);
        QVERIFY(pixelsOf(milk, kNotOnListColor) > 0);
        QCOMPARE(pixelsOf(milk, QColor(255, 0, 255)), 0);
        QImage cheese = symbolArea(*list, 1, 2);
        QCOMPARE(pixelsOf(cheese, QColor(191, 0, 0)), 0);

        m_attributes.set(1, CFoodAttributeDatabase::listMask(7));
        list->viewport()->update();
        cheese = symbolArea(*list, 1, 2);
        QVERIFY(pixelsOf(cheese, QColor(255, 0, 255)) > 0);
    }

    void textIsBlueAndRedWhenSelectedWithoutABackground()
    {
        auto list = makeList();
        QFont font = QApplication::font();
        font.setPixelSize(20);
        list->setFont(font);
        showRows(*list, {kMilk, kCheese});
        list->setCurrentRow(1);
        list->setFocus();
        QCoreApplication::processEvents();
        const QImage image = list->viewport()->grab().toImage();
        const QImage first = image.copy(list->visualRowRect(0));
        const QImage second = image.copy(list->visualRowRect(1));
        QVERIFY(pixelsOf(first, kFoodColor) > 0);
        QCOMPARE(pixelsOf(first, kSelectedFoodColor), 0);
        QVERIFY(pixelsOf(second, kSelectedFoodColor) > 0);
        QCOMPARE(pixelsOf(second, kFoodColor), 0);
        // The selected item keeps the list's own background: no highlight is filled.
        const QColor base = list->palette().color(QPalette::Base);
        QVERIFY(pixelsOf(second, base) > second.width() * second.height() / 2);
    }

    void longNamesWrapAndTheItemGrows()
    {
        auto list = makeList(180);
        showRows(*list, {kMilk, kLong});
        QCoreApplication::processEvents();
        const int shortHeight = list->visualRowRect(0).height();
        const int longHeight = list->visualRowRect(1).height();
        QVERIFY2(longHeight >= 3 * shortHeight,
                 qPrintable(QStringLiteral("%1 vs %2").arg(longHeight).arg(shortHeight)));

        list->resize(900, 200);
        QTest::qWait(150);
        QCoreApplication::processEvents();
        QVERIFY(list->visualRowRect(1).height() < longHeight);
        QCOMPARE(list->visualRowRect(1).width(), list->viewport()->width());
    }

    void theColourCodeIsReadAgainBeforePainting()
    {
        auto list = makeList();
        showRows(*list, {kMilk});
        QCOMPARE(list->displayedText(0), QStringLiteral("- Milk [1 cup]"));
        setColourCode("0010000", false);
        list->viewport()->repaint();
        QCOMPARE(list->displayedText(0), QStringLiteral("@ Milk [1 cup]"));
    }
};

QTEST_MAIN(FoodListBoxTest)
#include "food_list_box_test.moc"
