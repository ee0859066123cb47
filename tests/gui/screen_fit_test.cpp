#include "food_commands_test_support.h"

#include "qt_bridge.h"

#include <QDebug>
#include <QScreen>

using namespace mw;
using namespace mw::gui;

namespace {

bool isWholeControl(const QWidget* widget)
{
    static const QStringList kinds = QStringLiteral("QAbstractButton QLabel QLineEdit QComboBox QAbstractSpinBox "
                                                    "QAbstractItemView QTextEdit QGraphicsView QTabBar QMenuBar")
                                         .split(QLatin1Char(' '));
    return std::any_of(kinds.begin(), kinds.end(),
                       [widget](const QString& kind) { return widget->inherits(qPrintable(kind)); });
}

// What is wrong with the window as it opened and as small as it lets itself be made: off the screen's free area,
// or two visible controls over one another (a control counts whole, and as far as its parents show it).
QString faultsOf(QWidget* window)
{
    QString faults;
    QDebug say(&faults); // a debug stream over a string writes every item at once
    for (const QSize size : {window->size(), QSize(1, 1)}) {
        window->resize(size);
        QCoreApplication::processEvents();
        if (!window->screen()->availableGeometry().contains(window->frameGeometry())) {
            say << window << "leaves the screen;";
        }
        std::vector<std::pair<const QWidget*, QRect>> controls;
        for (const QWidget* child : window->findChildren<QWidget*>()) {
            QRect shown(child->mapTo(window, QPoint()), child->size());
            bool insideControl = false;
            for (const QWidget* above = child->parentWidget(); above != window; above = above->parentWidget()) {
                shown &= QRect(above->mapTo(window, QPoint()), above->size());
                insideControl = insideControl || isWholeControl(above);
            }
            if (insideControl || child->window() != window || !child->isVisibleTo(window) || shown.isEmpty() ||
                child->inherits("QSizeGrip") ||
                !(isWholeControl(child) || child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())) {
                continue;
            }
            for (const auto& [other, rect] : controls) {
                if (rect.intersects(shown)) {
                    say << child << shown << "meets" << other << rect << ";";
                }
            }
            controls.emplace_back(child, shown);
        }
    }
    return QString(faults);
}

} // namespace

class ScreenFitTest : public QObject
{
    Q_OBJECT

private:
    test::FoodCommandsFixture f;
    // What the window a command opened showed, looked at while a dialog runs; the looking ends with the row.
    QString m_faults;
    std::unique_ptr<QObject> m_row;

    void lookAtTheNextWindow(bool mainWindow)
    {
        QTimer::singleShot(10, m_row.get(), [this, mainWindow] {
            QWidget* window = mainWindow ? &f.frame() : QApplication::activeModalWidget();
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                if (window == nullptr && shown != &f.frame() && shown->isVisible() && !shown->inherits("QMenu")) {
                    window = shown;
                }
            }
            if (window == nullptr) {
                lookAtTheNextWindow(mainWindow);
                return;
            }
            m_faults = faultsOf(window) + QStringLiteral("looked");
            if (auto* dialog = qobject_cast<QDialog*>(window)) {
                dialog->reject();
            }
        });
    }

private slots:
    void init()
    {
        // The screen of screen-800x600.json, the smallest the program is made for.
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(800, 600));
        f.start("\"Home bread [1 slice]\", 30, 80, 3, 15, 1, \r\n");
        f.frame().showNormal();
        f.action("actionFileNew")->trigger();
        test::writeFile(f.dir().file("day.ypd"), std::string(12, '\0')); // an empty day to summarize
        Prompts::setNextFileNames({fromPath(f.dir().file("day.ypd"))});
        m_row = std::make_unique<QObject>();
        m_faults.clear();
    }

    void cleanup()
    {
        m_row.reset();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->setVisible(window == &f.frame()); // the frame goes with the fixture
        }
        f.stop();
    }

    void everyWindowFitsASmallScreenWithoutControlsOverOneAnother_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString& command :
             QStringLiteral(
                 "mainWindow actionAppAbout actionDesirableWeight actionCaloricNeed actionMouseOption "
                 "actionPrintNutrients actionDisplayNutrients actionMenuGeneratorOptions actionFatWarning "
                 "actionIntakePreference actionAddFood actionAddUsdaFood actionEditPersonalFood actionManageFoodLists "
                 "actionBalanceDay actionDiaryLogWeight actionScreenColor actionPrinterFont actionFilePrintSetup "
                 "actionFileSummarizeDays actionDiaryWeightChart actionFilePrintPreview actionHelp")
                 .split(QLatin1Char(' '))) {
            QTest::newRow(qPrintable(command)) << command;
        }
    }

    void everyWindowFitsASmallScreenWithoutControlsOverOneAnother()
    {
        QFETCH(QString, command);
        lookAtTheNextWindow(command == QStringLiteral("mainWindow"));
        if (command != QStringLiteral("mainWindow")) {
            f.action(command.toLatin1().constData())->trigger();
        }
        QTRY_VERIFY(m_faults.endsWith(QStringLiteral("looked")));
        QCOMPARE(m_faults, QStringLiteral("looked"));
    }
};

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
