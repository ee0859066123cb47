#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

class QAction;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace mw::gui {

// The pages of the help, each an HTML file under :/help.
enum class HelpTopic
{
    kContents,
    kIntroduction,
    kTopTips,
    kFoodCatalogue,
    kDayWindow,
    kFileMenu,
    kEditMenu,
    kDiaryMenu,
    kToolsMenu,
    kOptionsMenu,
    kDatabaseMenu,
    kFoodListsMenu,
    kGlycemicIndexMenu,
    kWindowMenu,
    kAnalysisPanel,
    kMenuGenerator,
    kFoodPyramid,
    kPrintedReport,
    kDayFiles,
    kCommandLineTool,
};

// The help contexts that commands name.
inline constexpr int kIntroductionContext = 99623;
inline constexpr int kTopTipsContext = 99624;
inline constexpr int kFoodCatalogueContext = 99626;

// "introduction.html" ...
QString helpPageName(HelpTopic topic);
// qrc:/help/introduction.html ...
QUrl helpTopicUrl(HelpTopic topic);
std::optional<HelpTopic> helpTopicOfPage(const QUrl& url);
std::optional<HelpTopic> helpTopicOfContext(int contextId);
// The help commands (F1, the help index and the three topic commands); other commands have no topic.
std::optional<HelpTopic> helpTopicOfCommand(int commandId);
// The page about a menu or a part of the day window, by the object name the main window gives it, so that
// context help can open the page of what was clicked.
std::optional<HelpTopic> helpTopicOfObjectName(QStringView objectName);
// The text of the page's <title>, empty when the page is missing.
QString helpPageTitle(HelpTopic topic);

// "Mealwright Help": the pages in a browser with Back, Forward, Home and Contents, the contents beside them
// and a find field. Not modal; one window serves every request.
class HelpWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the one help window at the topic, making it first when there is none.
    static void showHelpTopic(HelpTopic topic, QWidget* parent);
    // The window showHelpTopic made, or null.
    static HelpWindow* instance();

    // Goes to the topic; it also becomes the page Home returns to.
    void openTopic(HelpTopic topic);

    // Finds the text in the page after the cursor, wrapping at the end once; false when it is nowhere.
    bool findText(const QString& text);

private:
    void createActions();
    void createContents();
    void createToolBar();
    void showPageInContents(const QUrl& url);
    void goHome();
    void findFromField();

    QTextBrowser* m_browser = nullptr;
    QTreeWidget* m_contents = nullptr;
    QLineEdit* m_findField = nullptr;
    QAction* m_backAction = nullptr;
    QAction* m_forwardAction = nullptr;
    QAction* m_homeAction = nullptr;
    QAction* m_contentsAction = nullptr;
    QAction* m_findAction = nullptr;
    HelpTopic m_home = HelpTopic::kContents;
};

} // namespace mw::gui
