#include "food_commands_test_support.h"

#include "qt_bridge.h"

#include "format/day_file.h"
#include "model/day_document.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSizeGrip>
#include <QTabBar>
#include <QTextEdit>

#include <filesystem>
#include <fstream>

using namespace mw;
using namespace mw::gui;

namespace {

// A control is judged as a whole; other widgets are looked into.
bool isWholeControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) != nullptr || qobject_cast<const QLabel*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr || qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QGraphicsView*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QProgressBar*>(widget) != nullptr || qobject_cast<const QTabBar*>(widget) != nullptr ||
           qobject_cast<const QMenuBar*>(widget) != nullptr;
}

struct Control
{
    const QWidget* widget;
    QRect shown; // in the window's coordinates, cut to what its parents show of it
};

void collectControls(const QWidget* window, const QWidget* parent, std::vector<Control>& controls)
{
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(window) || qobject_cast<const QSizeGrip*>(child) != nullptr) {
            continue;
        }
        const bool leaf = child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
        if (!isWholeControl(child) && !leaf) {
            collectControls(window, child, controls);
            continue;
        }
        QRect shown(child->mapTo(window, QPoint(0, 0)), child->size());
        for (const QWidget* above = child->parentWidget(); above != window; above = above->parentWidget()) {
            shown &= QRect(above->mapTo(window, QPoint(0, 0)), above->size());
        }
        if (!shown.isEmpty()) {
            controls.push_back({child, shown});
        }
    }
}

QString nameOf(const Control& control)
{
    const auto* label = qobject_cast<const QLabel*>(control.widget);
    const auto* button = qobject_cast<const QAbstractButton*>(control.widget);
    const QString text = label != nullptr ? label->text() : (button != nullptr ? button->text() : QString());
    return QStringLiteral("%1 \"%2\" %3 at %4,%5 %6x%7")
        .arg(QString::fromLatin1(control.widget->metaObject()->className()), text, control.widget->objectName())
        .arg(control.shown.x())
        .arg(control.shown.y())
        .arg(control.shown.width())
        .arg(control.shown.height());
}

// What is wrong with the window as it is now: off the screen's free area, or two controls over one another.
QStringList faultsOf(const QWidget* window)
{
    QStringList faults;
    const QRect available = window->screen()->availableGeometry();
    if (!available.contains(window->frameGeometry())) {
        faults << QStringLiteral("window at %1,%2 %3x%4 leaves the screen")
                      .arg(window->x())
                      .arg(window->y())
                      .arg(window->width())
                      .arg(window->height());
    }
    std::vector<Control> controls;
    collectControls(window, window, controls);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t k = i + 1; k < controls.size(); ++k) {
            if (controls[i].shown.intersects(controls[k].shown)) {
                faults << nameOf(controls[i]) + QStringLiteral(" meets ") + nameOf(controls[k]);
            }
        }
    }
    return faults;
}

// The window as it opened and as small as it lets itself be made.
QStringList faultsAtOpenAndSmallest(QWidget* window)
{
    QStringList faults = faultsOf(window);
    window->resize(1, 1);
    QCoreApplication::processEvents();
    const QStringList smallest = faultsOf(window);
    for (const QString& fault : smallest) {
        faults << QStringLiteral("made small: ") + fault;
    }
    return faults;
}

} // namespace

class ScreenFitTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;

    QString savedDay()
    {
        CFofDoc document(f.app().foods());
        document.appendEntry(kBreakfast, 0, 244);
        const std::filesystem::path path = f.dir().file("day.ypd");
        if (saveDayFile(path, document)) {
            qFatal("day not written");
        }
        return fromPath(path);
    }

private slots:
    void initTestCase()
    {
        initResources();
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(800, 600));
    }

    void init()
    {
        f.start("\"Home bread [1 slice]\", 30, 80, 3, 15, 1, \r\n");
        f.frame().showNormal();
        f.action("actionFileNew")->trigger();
    }

    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &f.frame() && window->isVisible()) {
                window->close();
            }
        }
        test::deleteClosedWindows();
        f.stop();
    }

    void everyWindowFitsASmallScreenWithoutControlsOverOneAnother_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window"); // empty: the modal dialog the command opens
        for (const char* command :
             {"actionAppAbout", "actionDesirableWeight", "actionCaloricNeed", "actionMouseOption",
              "actionPrintNutrients", "actionDisplayNutrients", "actionMenuGeneratorOptions", "actionFatWarning",
              "actionIntakePreference", "actionAddFood", "actionAddUsdaFood", "actionEditPersonalFood",
              "actionManageFoodLists", "actionBalanceDay", "actionDiaryLogWeight", "actionScreenColor",
              "actionPrinterFont", "actionFilePrintSetup"}) {
            QTest::newRow(command) << QString::fromLatin1(command) << QString();
        }
        QTest::newRow("main window") << QString() << QStringLiteral("mainFrame");
        QTest::newRow("days summary") << QStringLiteral("actionFileSummarizeDays") << QStringLiteral("summaryWindow");
        QTest::newRow("weight chart") << QStringLiteral("actionDiaryWeightChart") << QStringLiteral("weightWindow");
        QTest::newRow("print preview") << QStringLiteral("actionFilePrintPreview")
                                       << QStringLiteral("reportPreviewDialog");
        QTest::newRow("help") << QStringLiteral("actionHelp") << QStringLiteral("helpWindow");
    }

    void everyWindowFitsASmallScreenWithoutControlsOverOneAnother()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QStringList faults;
        bool opened = false;
        if (window.isEmpty()) {
            test::whenDialogOpens([&](QDialog* dialog) {
                opened = true;
                faults = faultsAtOpenAndSmallest(dialog);
            });
        }
        Prompts::setNextFileNames({savedDay()});
        if (!command.isEmpty()) {
            f.action(command.toLatin1().constData())->trigger();
        }
        if (!window.isEmpty()) {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                if (shown->objectName() == window && shown->isVisible()) {
                    QVERIFY(QTest::qWaitForWindowExposed(shown));
                    opened = true;
                    faults = faultsAtOpenAndSmallest(shown);
                }
            }
        }
        QVERIFY2(opened, qPrintable(command));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

// The offscreen screen is 800x800 unless told otherwise: this makes it the 800x600 the program is made for.
int main(int argc, char** argv)
{
    const std::filesystem::path config = std::filesystem::temp_directory_path() / "mealwright-screen-800x600.json";
    std::ofstream(config) << R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600}]})";
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray::fromStdString(config.string()));
    QApplication application(argc, argv);
    ScreenFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
