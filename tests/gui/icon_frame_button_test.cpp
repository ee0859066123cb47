#include "icon_frame_button.h"

#include "about_dialog.h"
#include "resources.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QTest>

using mw::gui::CIconFrameButton;

class IconFrameButtonTest : public QObject
{
    Q_OBJECT

private:
    static QImage picture(CIconFrameButton& button)
    {
        button.resize(button.sizeHint());
        return button.grab().toImage();
    }

private slots:
    void init()
    {
        mw::gui::initResources();
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mealwright.svg")));
    }

    void itIsTwiceTheLargeIconPlusEight()
    {
        CIconFrameButton button;
        const int icon = button.style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, &button);
        QCOMPARE(button.sizeHint(), QSize(2 * icon + 8, 2 * icon + 8));
        QCOMPARE(CIconFrameButton::iconRect(QSize(72, 72)), QRect(2, 2, 64, 64));
    }

    void aFrameAShadowAndTheIconInside()
    {
        QPixmap red(16, 16);
        red.fill(Qt::red);
        QApplication::setWindowIcon(QIcon(red));
        CIconFrameButton button;
        const QImage image = picture(button);
        const int w = image.width();
        const int h = image.height();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(w - 5, h - 5), QColor(Qt::black));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
        QCOMPARE(image.pixelColor(w / 2, h / 2), QColor(Qt::red));
        QCOMPARE(image.pixelColor(w - 2, h / 2), QColor(Qt::darkGray));
        QCOMPARE(image.pixelColor(w / 2, h - 2), QColor(Qt::darkGray));
        // The shadow starts 4 pixels down and in, like a real one.
        QVERIFY(image.pixelColor(w - 2, 1) != QColor(Qt::darkGray));
        QVERIFY(image.pixelColor(1, h - 2) != QColor(Qt::darkGray));
    }

    void withoutAnIconOnlyTheFrameIsDrawn()
    {
        QApplication::setWindowIcon(QIcon());
        CIconFrameButton button;
        const QImage image = picture(button);
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), button.palette().color(QPalette::Window));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    }

    void theAboutDialogShowsTitleVersionNoticeAndIcon()
    {
        QApplication::setApplicationVersion(QStringLiteral("1.2.3"));
        mw::gui::CAboutDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Mealwright Youthplate Diet"));
        QVERIFY(dialog.findChild<CIconFrameButton*>() != nullptr);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("aboutTitle"))->text(),
                 QStringLiteral("Mealwright Youthplate Diet"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("aboutVersion"))->text(), QStringLiteral("Version 1.2.3"));
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("aboutNotice"))->text().contains(QStringLiteral("USDA")));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void everyIconOfTheProgramIsThere()
    {
        for (const char* name :
             {"mealwright",    "day-document",   "file-new",        "file-open",      "file-save",
              "print",         "about",          "find-lowest",     "find-highest",   "meal-cut",
              "meal-copy",     "meal-paste",     "meal-clear",      "caloric-need",   "intake-preference",
              "window-color",  "search-food",    "food-groups",     "personal-foods", "fat-warning",
              "mouse-option",  "sort-ascending", "sort-descending", "order-normal",   "order-reverse",
              "search-global", "search-local"}) {
            const QIcon icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
            // Without the SVG image plugin an icon is silently empty.
            QVERIFY2(!icon.pixmap(24, 24).isNull(), name);
        }
    }
};

QTEST_MAIN(IconFrameButtonTest)
#include "icon_frame_button_test.moc"
