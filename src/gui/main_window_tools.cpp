// The main window's tools, options, printing and help commands: the dialogs of the Tools, Options and
// Database menus, the view options, the menu generator and food pyramid, the printed report with its
// preview and exports, and the help.

#include "main_window.h"
#include "wait_cursor.h"

#include "add_food_dialog.h"
#include "app_context.h"
#include "command_ids.h"
#include "day_window.h"
#include "display_nutrients_dialog.h"
#include "fat_warning_dialog.h"
#include "fof_view.h"
#include "frame_texts.h"
#include "generator_options_dialog.h"
#include "healthy_weight_dialog.h"
#include "help_window.h"
#include "mouse_option_dialog.h"
#include "print_nutrients_dialog.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "rename_groups_dialog.h"
#include "report_painter.h"
#include "report_printer.h"
#include "tools_texts.h"

#include "format/atomic_file.h"
#include "format/day_csv.h"
#include "model/food_attribute_database.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace mw::gui {
namespace {

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
}

CFofView* viewOf(CDayWindow* day)
{
    return day != nullptr ? day->view() : nullptr;
}

// What the report's header names: the day's file, or its title while it has none.
QString reportDocumentPath(const CDayWindow& day)
{
    return day.filePath().isEmpty() ? day.title() : QDir::toNativeSeparators(day.filePath());
}

// A file name next to the day's file (or in the home folder), with the day's name and the extension.
QString suggestedExportName(const CDayWindow& day, std::string_view extension)
{
    const QString base = day.filePath().isEmpty()
                             ? QDir::home().filePath(day.title())
                             : QFileInfo(day.filePath()).dir().filePath(QFileInfo(day.filePath()).completeBaseName());
    return base + toQString(extension);
}

QString withExtension(const QString& fileName, std::string_view extension)
{
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + toQString(extension) : fileName;
}

// How many pages the report takes on the printer as it is set up now.
int reportPageCount(const DayReport& report, QPrinter& printer)
{
    const QSize page = printer.pageRect(QPrinter::DevicePixel).size().toSize();
    const ReportPageMetrics metrics = reportPageMetrics(page, &printer);
    const ReportFontSet fonts = fittedReportFonts(report.content, report.font, metrics, &printer);
    const DeviceTextMeasure measure(fonts, &printer);
    return static_cast<int>(layoutReport(report.content, metrics, measure).size());
}

} // namespace

// ---- Commands, menus, update rules -------------------------------------------------------------------------

void CMainFrame::createToolCommands()
{
    addCommand(cmd::kFilePrintPreview, "actionFilePrintPreview", toQString(texts::kPrintPreviewCaption));
    addCommand(cmd::kFileExportPdf, "actionFileExportPdf", toQString(texts::kExportPdfCaption));
    addCommand(cmd::kFileExportCsv, "actionFileExportCsv", toQString(texts::kExportCsvCaption));

    addCommand(cmd::kMenuGenerator, "actionMenuGenerator", toQString(texts::kMenuGeneratorRandomCaption),
               QStringLiteral("menu-generator"));
    addCommand(cmd::kFoodPyramid, "actionFoodPyramid", toQString(texts::kFoodPyramidCaption),
               QStringLiteral("food-pyramid"));
    addCommand(cmd::kMenuGeneratorOptions, "actionMenuGeneratorOptions", toQString(texts::kGeneratorOptionsCaption));

    addCommand(cmd::kHelpIntroduction, "actionHelpIntroduction", toQString(texts::kHelpIntroductionCaption));
    addCommand(cmd::kHelpTopTips, "actionHelpTopTips", toQString(texts::kHelpTopTipsCaption));
    addCommand(cmd::kHelpCatalogue, "actionHelpCatalogue", toQString(texts::kHelpCatalogueCaption));
}

void CMainFrame::addToolMenus()
{
    const auto dayMenu = [this](QLatin1String name) {
        const auto found = std::find_if(m_dayMenus.begin(), m_dayMenus.end(),
                                        [name](const QMenu* menu) { return menu->objectName() == name; });
        return found != m_dayMenus.end() ? *found : nullptr;
    };
    // The day's File menu: the preview after Print, the exports after Print Setup.
    QMenu* file = dayMenu(QLatin1String("menuDayFile"));
    const QList<QAction*> fileItems = file->actions();
    const qsizetype setup = fileItems.indexOf(commandAction(cmd::kFilePrintSetup));
    file->insertAction(commandAction(cmd::kFilePrintSetup), commandAction(cmd::kFilePrintPreview));
    QAction* afterSetup = setup + 1 < fileItems.size() ? fileItems.at(setup + 1) : nullptr;
    file->insertSeparator(afterSetup);
    file->insertAction(afterSetup, commandAction(cmd::kFileExportPdf));
    file->insertAction(afterSetup, commandAction(cmd::kFileExportCsv));

    QMenu* tools = dayMenu(QLatin1String("menuDayTools"));
    tools->addSeparator();
    tools->addAction(commandAction(cmd::kMenuGenerator));
    tools->addAction(commandAction(cmd::kFoodPyramid));
    tools->addAction(commandAction(cmd::kBalanceDay));
    tools->addAction(commandAction(cmd::kMenuGeneratorOptions));

    auto* help = new QMenu(toQString(texts::kHelpMenu), this);
    help->setObjectName(QStringLiteral("menuHelp"));
    help->addAction(commandAction(cmd::kHelp));
    help->addAction(commandAction(cmd::kContextHelp));
    help->addSeparator();
    help->addAction(commandAction(cmd::kHelpIntroduction));
    help->addAction(commandAction(cmd::kHelpTopTips));
    help->addAction(commandAction(cmd::kHelpCatalogue));
    m_noDayMenus.append(help);
    m_dayMenus.append(help);
}

void CMainFrame::connectToolCommands()
{
    const auto on = [this](int id, auto slot) { connect(commandAction(id), &QAction::triggered, this, slot); };
    on(cmd::kDesirableWeight, &CMainFrame::desirableWeight);
    on(cmd::kAddFood, &CMainFrame::addPersonalFood);
    on(cmd::kMenuGenerator, &CMainFrame::generateMenu);
    on(cmd::kFoodPyramid, &CMainFrame::foodPyramid);
    on(cmd::kMenuGeneratorOptions, &CMainFrame::menuGeneratorOptions);
    on(cmd::kFatWarning, &CMainFrame::fatWarningLevel);
    on(cmd::kMouseOption, &CMainFrame::mouseOption);
    on(cmd::kPrintNutrients, &CMainFrame::printNutrients);
    on(cmd::kDisplayNutrients, &CMainFrame::displayNutrients);
    on(cmd::kManageFoodLists, &CMainFrame::manageFoodLists);
    on(cmd::kUsePersonalPreference, &CMainFrame::toggleUsePersonalPreference);
    on(cmd::kReverseGroupList, &CMainFrame::reverseGroupList);
    on(cmd::kScreenColor, &CMainFrame::chooseScreenColor);
    on(cmd::kFilePrint, &CMainFrame::filePrint);
    on(cmd::kFilePrintPreview, &CMainFrame::filePrintPreview);
    on(cmd::kFilePrintSetup, &CMainFrame::filePrintSetup);
    on(cmd::kPrinterFont, &CMainFrame::choosePrinterFont);
    on(cmd::kFileExportPdf, &CMainFrame::exportPdf);
    on(cmd::kFileExportCsv, &CMainFrame::exportCsv);
    on(cmd::kContextHelp, &CMainFrame::startContextHelp);
    const std::pair<int, FoodListWidth> widths[] = {{cmd::kListWidthNormal, FoodListWidth::kNormal},
                                                    {cmd::kListWidthWider, FoodListWidth::kWider},
                                                    {cmd::kListWidthWidest, FoodListWidth::kWidest}};
    for (const auto& [id, width] : widths) {
        connect(commandAction(id), &QAction::triggered, this, [this, width] {
            if (CFofView* view = viewOf(activeDayWindow())) {
                view->setFoodListWidth(width);
            }
        });
    }
    for (const int id : {cmd::kHelp, cmd::kHelpIntroduction, cmd::kHelpTopTips, cmd::kHelpCatalogue}) {
        connect(commandAction(id), &QAction::triggered, this, [this, id] { showHelpOfCommand(id); });
    }
}

void CMainFrame::updateToolCommands(bool dayOpen)
{
    for (const int id :
         {cmd::kAddFood, cmd::kMenuGenerator, cmd::kMenuGeneratorOptions, cmd::kFatWarning, cmd::kPrintNutrients,
          cmd::kManageFoodLists, cmd::kUsePersonalPreference, cmd::kReverseGroupList, cmd::kListWidthNormal,
          cmd::kListWidthWider, cmd::kListWidthWidest, cmd::kScreenColor, cmd::kFilePrint, cmd::kFilePrintPreview,
          cmd::kFileExportPdf, cmd::kFileExportCsv, cmd::kBalanceDay}) {
        commandAction(id)->setEnabled(dayOpen);
    }
    // These need no day: the frame's own dialogs, the settings of printing and display, and the help.
    for (const int id :
         {cmd::kDesirableWeight, cmd::kMouseOption, cmd::kDisplayNutrients, cmd::kPrinterFont, cmd::kFilePrintSetup,
          cmd::kHelp, cmd::kContextHelp, cmd::kHelpIntroduction, cmd::kHelpTopTips, cmd::kHelpCatalogue}) {
        commandAction(id)->setEnabled(true);
    }
    const CFofView* view = viewOf(activeDayWindow());
    commandAction(cmd::kFoodPyramid)->setEnabled(view != nullptr && view->totals().day()[kWeight] != 0.0f);
    commandAction(cmd::kUsePersonalPreference)->setChecked(usePersonalPreference(m_app.settings()));

    const int calories = wrightCalories(m_app.settings());
    commandAction(cmd::kMenuGenerator)
        ->setText(calories != 0 ? toQString(texts::kMenuGeneratorTargetCaption).arg(calories)
                                : toQString(texts::kMenuGeneratorRandomCaption));
}

// ---- Tools and database ------------------------------------------------------------------------------------

void CMainFrame::desirableWeight()
{
    CHealthyWeightDlg dialog(m_app.settings(), this);
    dialog.exec();
}

void CMainFrame::addPersonalFood()
{
    CFofView* view = viewOf(activeDayWindow());
    if (view == nullptr) {
        return;
    }
    // The active view's current meal, copied: the dialog keeps nothing of the view.
    CAddFoodDlg dialog(m_app.personalFoods(), view->totals().meal(view->currentMeal()), this);
    connect(&dialog, &CAddFoodDlg::foodAdded, &m_app, &AppContext::personalFoodAdded);
    dialog.exec();
}

void CMainFrame::manageFoodLists()
{
    CRenameGroupsDlg dialog(m_app.settings(), m_app.attributes(), this);
    dialog.exec();
    if (!dialog.listsChanged()) {
        return;
    }
    if (const std::error_code error = m_app.foodFlagsChanged()) {
        Prompts::warning(
            this, messageTitle(),
            toQString(texts::kFoodFlagsNotSaved)
                .arg(QDir::toNativeSeparators(fromPath(m_app.attributes().filePath())), toQString(error.message())));
    }
    prepareMenus();
}

// ---- Menu generator and food pyramid -----------------------------------------------------------------------

void CMainFrame::generateMenu()
{
    CFofView* view = viewOf(activeDayWindow());
    if (view == nullptr) {
        return;
    }
    const int requested = wrightCalories(m_app.settings());
    showLastingStatusMessage(requested != 0 ? toQString(texts::kGeneratingTargetMenu).arg(requested)
                                            : toQString(texts::kGeneratingRandomMenu));
    // The second pane shows the requested calories (0 for a random menu) while the generator works.
    m_numLockPane->setText(QString::number(requested));
    // Shown before the work starts, which keeps the event loop waiting until it ends.
    statusBar()->repaint();
    view->generateMenu(m_app.random(), requested);
    // In two columns with fewer than nine nutrients the tiers would land on the wrong rows.
    view->drawFoodPyramid();
    refreshLockIndicators();
    showStatusMessage(toQString(texts::kReadyMessage));
    updateCommands();
}

void CMainFrame::foodPyramid()
{
    CFofView* view = viewOf(activeDayWindow());
    if (view == nullptr || view->totals().day()[kWeight] == 0.0f) {
        return;
    }
    if (!view->showFoodPyramid()) {
        showStatusMessage(toQString(texts::kPyramidNeedsRoom));
    }
}

void CMainFrame::menuGeneratorOptions()
{
    CGeneratorOptionsDlg dialog(m_app.settings(), this);
    dialog.exec();
    updateCommands();
}

// ---- Options -----------------------------------------------------------------------------------------------

void CMainFrame::fatWarningLevel()
{
    CFatWarningDlg dialog(m_app.settings(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_app.analysisSettingsChanged();
    }
}

void CMainFrame::mouseOption()
{
    // The views read the choices at every press of a mouse button.
    CMouseOptionDlg dialog(m_app.settings(), this);
    dialog.exec();
}

void CMainFrame::printNutrients()
{
    CPrintNutrientsDlg dialog(m_app.settings(), this);
    dialog.exec();
}

void CMainFrame::displayNutrients()
{
    CDisplayNutrientsDlg dialog(m_app.settings(), currentDisplayMode(), this);
    dialog.exec();
}

void CMainFrame::toggleUsePersonalPreference()
{
    const bool use = !usePersonalPreference(m_app.settings());
    if (const std::error_code error = storeUsePersonalPreference(m_app.settings(), use)) {
        // The percent column reads the profile, so a switch it could not keep would not show.
        Prompts::warning(this, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
    } else {
        m_app.analysisSettingsChanged();
    }
    updateCommands();
}

void CMainFrame::reverseGroupList()
{
    m_app.setReversedGroupOrder(!m_app.reversedGroupOrder());
}

void CMainFrame::chooseScreenColor()
{
    QColorDialog dialog(this);
    dialog.setObjectName(QStringLiteral("screenColorDialog"));
    dialog.setWindowTitle(toQString(texts::kScreenColorTitle));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    for (int i = 0; i < QColorDialog::customCount(); ++i) {
        QColorDialog::setCustomColor(i, QColor(Qt::white));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QColor chosen = dialog.selectedColor();
    const RgbColor color{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                         static_cast<std::uint8_t>(chosen.blue())};
    if (const std::error_code error = storeViewBackgroundColor(m_app.settings(), color)) {
        Prompts::warning(this, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
        return;
    }
    // Every day paints its background from the profile.
    for (CDayWindow* day : dayWindows()) {
        if (CFofView* view = day->view()) {
            view->update();
        }
    }
}

// ---- Printing and exporting --------------------------------------------------------------------------------

QPrinter& CMainFrame::reportPrinter()
{
    if (!m_printer) {
        m_printer = makeReportPrinter();
    }
    return *m_printer;
}

void CMainFrame::filePrint()
{
    CDayWindow* day = activeDayWindow();
    if (day == nullptr) {
        return;
    }
    DayReport report = dayReport(day->document(), m_app.foods(), m_app.settings(), reportDocumentPath(*day));
    report.font = m_chosenPrinterFont.value_or(report.font);
    QPrinter& printer = reportPrinter();
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::max(1, reportPageCount(report, printer)));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const WaitCursor wait;
    if (!printDayReport(&printer, report)) {
        Prompts::warning(this, messageTitle(), toQString(texts::kPrintNotStarted));
    }
}

void CMainFrame::filePrintPreview()
{
    CDayWindow* day = activeDayWindow();
    if (day == nullptr) {
        return;
    }
    DayReport report = dayReport(day->document(), m_app.foods(), m_app.settings(), reportDocumentPath(*day));
    report.font = m_chosenPrinterFont.value_or(report.font);
    QPrintPreviewDialog* preview = createDayReportPreview(report, this);
    // The pages as Print Setup set them up.
    preview->printer()->setPageLayout(reportPrinter().pageLayout());
    // Large enough to read a page, as the frame it opens over.
    preview->resize(size() * 4 / 5);
    preview->open();
}

void CMainFrame::filePrintSetup()
{
    QPageSetupDialog dialog(&reportPrinter(), this);
    dialog.setObjectName(QStringLiteral("pageSetupDialog"));
    dialog.exec();
}

void CMainFrame::choosePrinterFont()
{
    // A PDF needs no printer, so the font can be chosen without one; the status bar says why none was asked.
    if (const QString problem = printerFontProblem(); !problem.isEmpty()) {
        showStatusMessage(toQString(texts::kPrinterFontWithoutPrinter).arg(problem));
    }
    const PrinterFontSetting current = m_chosenPrinterFont.value_or(printerFont(m_app.settings()));
    QFontDialog dialog(printerFontInPoints(current), this);
    dialog.setObjectName(QStringLiteral("printerFontDialog"));
    dialog.setWindowTitle(toQString(texts::kPrinterFontTitle));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const PrinterFontSetting chosen = printerFontSetting(dialog.selectedFont());
    m_chosenPrinterFont = chosen;
    if (const std::error_code error = storePrinterFont(m_app.settings(), chosen)) {
        Prompts::warning(this, messageTitle(), toQString(texts::kSettingNotSaved).arg(toQString(error.message())));
    }
}

void CMainFrame::exportPdf()
{
    CDayWindow* day = activeDayWindow();
    if (day == nullptr) {
        return;
    }
    const QString chosen =
        Prompts::saveFileName(this, toQString(texts::kExportPdfTitle), suggestedExportName(*day, texts::kPdfExtension),
                              toQString(texts::kExportPdfFilter));
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = withExtension(chosen, texts::kPdfExtension);
    DayReport report = dayReport(day->document(), m_app.foods(), m_app.settings(), reportDocumentPath(*day));
    report.font = m_chosenPrinterFont.value_or(report.font);
    QString error;
    const WaitCursor wait;
    if (!exportDayReportPdf(report, path, &error)) {
        Prompts::warning(this, messageTitle(), error);
        return;
    }
    showStatusMessage(toQString(texts::kExportedTo).arg(QDir::toNativeSeparators(path)));
}

void CMainFrame::exportCsv()
{
    CDayWindow* day = activeDayWindow();
    if (day == nullptr) {
        return;
    }
    const QString chosen =
        Prompts::saveFileName(this, toQString(texts::kExportCsvTitle), suggestedExportName(*day, texts::kCsvExtension),
                              toQString(texts::kExportCsvFilter));
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = withExtension(chosen, texts::kCsvExtension);
    if (const std::error_code error = writeFileAtomically(toPath(path), dayCsv(day->document()))) {
        Prompts::warning(
            this, messageTitle(),
            toQString(texts::kCsvNotWritten).arg(QDir::toNativeSeparators(path), toQString(error.message())));
        return;
    }
    showStatusMessage(toQString(texts::kExportedTo).arg(QDir::toNativeSeparators(path)));
}

// ---- Help --------------------------------------------------------------------------------------------------

void CMainFrame::showHelpOfCommand(int commandId)
{
    HelpWindow::showHelpTopic(helpTopicOfCommand(commandId).value_or(HelpTopic::kContents), this);
}

void CMainFrame::startContextHelp()
{
    if (m_contextHelpMode) {
        return;
    }
    m_contextHelpMode = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    showLastingStatusMessage(toQString(texts::kContextHelpMessage));
}

bool CMainFrame::contextHelpEvent(QObject* watched, QEvent* event)
{
    const bool escape = event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    // The window hands the event on to the widget, which is where it counts.
    if ((event->type() != QEvent::MouseButtonPress && !escape) || !watched->isWidgetType()) {
        return false;
    }
    m_contextHelpMode = false;
    QApplication::restoreOverrideCursor();
    showStatusMessage(toQString(texts::kReadyMessage));
    if (escape) {
        return true;
    }

    // The command under a menu-bar title or a toolbar button names its menu; any other widget names itself
    // or one of its parents.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QAction* action = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) {
        action = bar->actionAt(mouse->position().toPoint());
    } else if (auto* button = qobject_cast<QToolButton*>(watched)) {
        action = button->defaultAction();
    }
    std::optional<HelpTopic> topic;
    if (action != nullptr) {
        if (action->menu() != nullptr) {
            topic = helpTopicOfObjectName(action->menu()->objectName());
        }
        for (const QMenu* menu : m_dayMenus + m_noDayMenus) {
            if (!topic && menu->actions().contains(action)) {
                topic = helpTopicOfObjectName(menu->objectName());
            }
        }
    }
    for (const QObject* object = watched; object != nullptr && !topic; object = object->parent()) {
        topic = helpTopicOfObjectName(object->objectName());
    }
    HelpWindow::showHelpTopic(topic.value_or(HelpTopic::kContents), this);
    return true;
}

} // namespace mw::gui
