#include "help_window.h"

#include "command_ids.h"
#include "help_texts.h"
#include "qt_bridge.h"
#include "resources.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <array>
#include <string_view>

namespace mw::gui {
namespace {

enum class Section
{
    kTop,
    kStart,
    kMenus,
    kAnalysis,
    kReference,
};

struct TopicPage
{
    HelpTopic topic;
    std::string_view page;
    Section section;
};

constexpr std::array kTopicPages = {
    TopicPage{HelpTopic::kContents, "index.html", Section::kTop},
    TopicPage{HelpTopic::kIntroduction, "introduction.html", Section::kStart},
    TopicPage{HelpTopic::kTopTips, "top-tips.html", Section::kStart},
    TopicPage{HelpTopic::kDayWindow, "day-window.html", Section::kStart},
    TopicPage{HelpTopic::kFileMenu, "menu-file.html", Section::kMenus},
    TopicPage{HelpTopic::kEditMenu, "menu-edit.html", Section::kMenus},
    TopicPage{HelpTopic::kDiaryMenu, "menu-diary.html", Section::kMenus},
    TopicPage{HelpTopic::kToolsMenu, "menu-tools.html", Section::kMenus},
    TopicPage{HelpTopic::kOptionsMenu, "menu-options.html", Section::kMenus},
    TopicPage{HelpTopic::kDatabaseMenu, "menu-database.html", Section::kMenus},
    TopicPage{HelpTopic::kFoodListsMenu, "menu-food-lists.html", Section::kMenus},
    TopicPage{HelpTopic::kGlycemicIndexMenu, "menu-glycemic-index.html", Section::kMenus},
    TopicPage{HelpTopic::kWindowMenu, "menu-window.html", Section::kMenus},
    TopicPage{HelpTopic::kAnalysisPanel, "analysis-panel.html", Section::kAnalysis},
    TopicPage{HelpTopic::kMenuGenerator, "menu-generator.html", Section::kAnalysis},
    TopicPage{HelpTopic::kFoodPyramid, "food-pyramid.html", Section::kAnalysis},
    TopicPage{HelpTopic::kPrintedReport, "printed-report.html", Section::kAnalysis},
    TopicPage{HelpTopic::kFoodCatalogue, "food-catalogue.html", Section::kReference},
    TopicPage{HelpTopic::kDayFiles, "day-files.html", Section::kReference},
    TopicPage{HelpTopic::kCommandLineTool, "command-line.html", Section::kReference},
};

struct ObjectTopic
{
    std::string_view objectName;
    HelpTopic topic;
};

// The main window's menus (both menu sets) and the parts of a day window.
constexpr std::array kObjectTopics = {
    ObjectTopic{"menuFile", HelpTopic::kFileMenu},
    ObjectTopic{"menuDayFile", HelpTopic::kFileMenu},
    ObjectTopic{"menuEdit", HelpTopic::kEditMenu},
    ObjectTopic{"menuDiary", HelpTopic::kDiaryMenu},
    ObjectTopic{"diaryCalendar", HelpTopic::kDiaryMenu},
    ObjectTopic{"diaryDateButton", HelpTopic::kDiaryMenu},
    ObjectTopic{"menuTools", HelpTopic::kToolsMenu},
    ObjectTopic{"menuDayTools", HelpTopic::kToolsMenu},
    ObjectTopic{"menuOptions", HelpTopic::kOptionsMenu},
    ObjectTopic{"menuDatabase", HelpTopic::kDatabaseMenu},
    ObjectTopic{"menuFoodLists", HelpTopic::kFoodListsMenu},
    ObjectTopic{"menuGlycemicIndex", HelpTopic::kGlycemicIndexMenu},
    ObjectTopic{"menuWindow", HelpTopic::kWindowMenu},
    ObjectTopic{"analysisPanel", HelpTopic::kAnalysisPanel},
    ObjectTopic{"dayWindow", HelpTopic::kDayWindow},
    ObjectTopic{"dayView", HelpTopic::kDayWindow},
    ObjectTopic{"fofView", HelpTopic::kDayWindow},
    ObjectTopic{"mealBox", HelpTopic::kDayWindow},
    ObjectTopic{"groupBox", HelpTopic::kDayWindow},
    ObjectTopic{"mealList", HelpTopic::kDayWindow},
    ObjectTopic{"foodList", HelpTopic::kDayWindow},
    ObjectTopic{"searchEdit", HelpTopic::kDatabaseMenu},
    ObjectTopic{"amountEdit", HelpTopic::kDayWindow},
};

const TopicPage& topicPage(HelpTopic topic)
{
    for (const TopicPage& entry : kTopicPages) {
        if (entry.topic == topic) {
            return entry;
        }
    }
    return kTopicPages.front();
}

QString sectionTitle(Section section)
{
    switch (section) {
    case Section::kStart:
        return toQString(texts::kHelpSectionStart);
    case Section::kMenus:
        return toQString(texts::kHelpSectionMenus);
    case Section::kAnalysis:
        return toQString(texts::kHelpSectionAnalysis);
    case Section::kReference:
        return toQString(texts::kHelpSectionReference);
    case Section::kTop:
        break;
    }
    return toQString(texts::kHelpContentsHeading);
}

QPointer<HelpWindow>& sharedWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// Places a new window over the middle of the window it was asked from, on screen.
void centreOver(QWidget* window, const QWidget* parent)
{
    const QWidget* anchor = parent != nullptr ? parent->window() : nullptr;
    QScreen* screen = anchor != nullptr ? anchor->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect available = screen->availableGeometry();
    window->resize(window->size().boundedTo(available.size()));
    QRect frame(QPoint(), window->size());
    frame.moveCenter(anchor != nullptr && anchor->isVisible() ? anchor->frameGeometry().center() : available.center());
    frame.moveLeft(
        std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - frame.width())));
    frame.moveTop(
        std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - frame.height())));
    window->move(frame.topLeft());
}

// The contents are shown wide enough for their longest title.
int widestTitle(QTreeWidget& tree)
{
    int widest = 0;
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it) {
        int depth = 1;
        for (const QTreeWidgetItem* parent = (*it)->parent(); parent != nullptr; parent = parent->parent()) {
            ++depth;
        }
        const int width = QFontMetrics((*it)->font(0)).horizontalAdvance((*it)->text(0));
        widest = std::max(widest, width + depth * tree.indentation());
    }
    return widest;
}

} // namespace

QString helpPageName(HelpTopic topic)
{
    return toQString(topicPage(topic).page);
}

QUrl helpTopicUrl(HelpTopic topic)
{
    return QUrl(QStringLiteral("qrc:/help/") + helpPageName(topic));
}

std::optional<HelpTopic> helpTopicOfPage(const QUrl& url)
{
    if (url.scheme() != QStringLiteral("qrc") || url.path() != QStringLiteral("/help/") + url.fileName()) {
        return std::nullopt;
    }
    const QString name = url.fileName();
    for (const TopicPage& entry : kTopicPages) {
        if (name == toQString(entry.page)) {
            return entry.topic;
        }
    }
    return std::nullopt;
}

std::optional<HelpTopic> helpTopicOfContext(int contextId)
{
    switch (contextId) {
    case kIntroductionContext:
        return HelpTopic::kIntroduction;
    case kTopTipsContext:
        return HelpTopic::kTopTips;
    case kFoodCatalogueContext:
        return HelpTopic::kFoodCatalogue;
    default:
        return std::nullopt;
    }
}

std::optional<HelpTopic> helpTopicOfCommand(int commandId)
{
    switch (commandId) {
    case cmd::kHelpIntroduction:
        return helpTopicOfContext(kIntroductionContext);
    case cmd::kHelpTopTips:
        return helpTopicOfContext(kTopTipsContext);
    case cmd::kHelpCatalogue:
        return helpTopicOfContext(kFoodCatalogueContext);
    case cmd::kHelp:
    case cmd::kHelpIndex:
    case cmd::kHelpUsing:
        return HelpTopic::kContents;
    default:
        return std::nullopt;
    }
}

std::optional<HelpTopic> helpTopicOfObjectName(QStringView objectName)
{
    for (const ObjectTopic& entry : kObjectTopics) {
        if (objectName == toQString(entry.objectName)) {
            return entry.topic;
        }
    }
    return std::nullopt;
}

QString helpPageTitle(HelpTopic topic)
{
    initResources();
    QFile page(QStringLiteral(":/help/") + helpPageName(topic));
    if (!page.open(QIODevice::ReadOnly)) {
        return {};
    }
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption |
                                              QRegularExpression::InvertedGreedinessOption);
    const QRegularExpressionMatch match = title.match(QString::fromUtf8(page.readAll()));
    if (!match.hasMatch()) {
        return {};
    }
    return QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
}

// ---- The window --------------------------------------------------------------------------------------------

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    initResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(toQString(texts::kHelpWindowTitle));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setFrameShape(QFrame::NoFrame);
    // Room around the text, as a page has; the document keeps it from page to page.
    m_browser->document()->setDocumentMargin(fontMetrics().averageCharWidth() * 2);

    createActions();
    createContents();
    createToolBar();

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("helpSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    const int charWidth = fontMetrics().averageCharWidth();
    const int contentsWidth = widestTitle(*m_contents) + 3 * charWidth;
    splitter->setSizes({contentsWidth, 110 * charWidth});
    setCentralWidget(splitter);
    statusBar()->setObjectName(QStringLiteral("helpStatusBar"));

    connect(m_browser, &QTextBrowser::backwardAvailable, m_backAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forwardAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showPageInContents);
    // The status bar names the page a link leads to while the mouse is over it.
    connect(m_browser, &QTextBrowser::highlighted, this, [this](const QUrl& link) {
        if (link.isEmpty()) {
            statusBar()->clearMessage();
            return;
        }
        const std::optional<HelpTopic> topic = helpTopicOfPage(m_browser->source().resolved(link));
        statusBar()->showMessage(topic ? helpPageTitle(*topic) : link.toString());
    });

    resize(contentsWidth + 110 * charWidth, 48 * fontMetrics().lineSpacing());
}

void HelpWindow::createActions()
{
    const auto action = [this](UiText caption, UiText tip, const char* name, QStyle::StandardPixmap icon) {
        auto* result = new QAction(style()->standardIcon(icon), toQString(caption), this);
        result->setObjectName(QString::fromLatin1(name));
        result->setToolTip(toQString(tip));
        result->setStatusTip(toQString(tip));
        addAction(result);
        return result;
    };
    m_backAction = action(texts::kHelpBack, texts::kHelpBackTip, "helpBackAction", QStyle::SP_ArrowBack);
    m_backAction->setShortcuts(QKeySequence::Back);
    m_backAction->setEnabled(false);
    connect(m_backAction, &QAction::triggered, this, [this] { m_browser->backward(); });

    m_forwardAction = action(texts::kHelpForward, texts::kHelpForwardTip, "helpForwardAction", QStyle::SP_ArrowForward);
    m_forwardAction->setShortcuts(QKeySequence::Forward);
    m_forwardAction->setEnabled(false);
    connect(m_forwardAction, &QAction::triggered, this, [this] { m_browser->forward(); });

    m_homeAction = action(texts::kHelpHome, texts::kHelpHomeTip, "helpHomeAction", QStyle::SP_DirHomeIcon);
    m_homeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    connect(m_homeAction, &QAction::triggered, this, &HelpWindow::goHome);

    m_contentsAction =
        action(texts::kHelpContents, texts::kHelpContentsTip, "helpContentsAction", QStyle::SP_FileDialogContentsView);
    connect(m_contentsAction, &QAction::triggered, this,
            [this] { m_browser->setSource(helpTopicUrl(HelpTopic::kContents)); });

    // Ctrl+F puts the cursor into the find field.
    m_findAction = new QAction(this);
    m_findAction->setObjectName(QStringLiteral("helpFindAction"));
    m_findAction->setShortcuts(QKeySequence::Find);
    addAction(m_findAction);

    // The window closes from the keyboard as other viewers do.
    auto* closeAction = new QAction(this);
    closeAction->setObjectName(QStringLiteral("helpCloseAction"));
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
}

void HelpWindow::createContents()
{
    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_contents->setRootIsDecorated(true);
    m_contents->setUniformRowHeights(true);

    QTreeWidgetItem* section = nullptr;
    Section current = Section::kTop;
    for (const TopicPage& entry : kTopicPages) {
        if (entry.section != Section::kTop && (section == nullptr || entry.section != current)) {
            section = new QTreeWidgetItem(m_contents, {sectionTitle(entry.section)});
            section->setFlags(Qt::ItemIsEnabled);
            QFont bold = section->font(0);
            bold.setBold(true);
            section->setFont(0, bold);
            current = entry.section;
        }
        auto* item = entry.section == Section::kTop ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(section);
        item->setText(0, helpPageTitle(entry.topic));
        item->setData(0, Qt::UserRole, toQString(entry.page));
    }
    m_contents->expandAll();

    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString page = item != nullptr ? item->data(0, Qt::UserRole).toString() : QString();
        if (page.isEmpty() || page == m_browser->source().fileName()) {
            return;
        }
        m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    });
}

void HelpWindow::createToolBar()
{
    QToolBar* toolBar = addToolBar(toQString(texts::kHelpToolBar));
    toolBar->setObjectName(QStringLiteral("helpToolBar"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->addAction(m_backAction);
    toolBar->addAction(m_forwardAction);
    toolBar->addSeparator();
    toolBar->addAction(m_homeAction);
    toolBar->addAction(m_contentsAction);

    auto* spacer = new QWidget(toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(spacer);

    m_findField = new QLineEdit(toolBar);
    m_findField->setObjectName(QStringLiteral("helpFindField"));
    m_findField->setPlaceholderText(toQString(texts::kHelpFind));
    m_findField->setToolTip(toQString(texts::kHelpFindTip));
    m_findField->setClearButtonEnabled(true);
    m_findField->setMaximumWidth(28 * fontMetrics().averageCharWidth());
    toolBar->addWidget(m_findField);

    connect(m_findField, &QLineEdit::returnPressed, this, &HelpWindow::findFromField);
    connect(m_findAction, &QAction::triggered, this, [this] {
        m_findField->setFocus(Qt::ShortcutFocusReason);
        m_findField->selectAll();
    });
}

void HelpWindow::showHelpTopic(HelpTopic topic, QWidget* parent)
{
    QPointer<HelpWindow>& window = sharedWindow();
    if (window.isNull()) {
        // Owned by the top-level window, so that closing a day window does not take the help with it.
        window = new HelpWindow(parent != nullptr ? parent->window() : nullptr);
        if (parent == nullptr) {
            connect(qApp, &QCoreApplication::aboutToQuit, window.data(), &QObject::deleteLater);
        }
        centreOver(window, parent);
    }
    window->openTopic(topic);
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->show();
    }
    window->raise();
    window->activateWindow();
}

HelpWindow* HelpWindow::instance()
{
    return sharedWindow().data();
}

void HelpWindow::openTopic(HelpTopic topic)
{
    m_home = topic;
    const QUrl url = helpTopicUrl(topic);
    // Asking for the page already shown must not put it into the history twice.
    if (m_browser->source().adjusted(QUrl::RemoveFragment) != url) {
        m_browser->setSource(url);
    }
}

bool HelpWindow::findText(const QString& text)
{
    if (text.isEmpty()) {
        return false;
    }
    if (m_browser->find(text)) {
        return true;
    }
    QTextCursor fromTop = m_browser->textCursor();
    fromTop.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(fromTop);
    return m_browser->find(text);
}

void HelpWindow::showPageInContents(const QUrl& url)
{
    const QString page = url.fileName();
    QTreeWidgetItemIterator it(m_contents);
    for (; *it != nullptr; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == page) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(*it);
            m_contents->scrollToItem(*it);
            break;
        }
    }
    statusBar()->clearMessage();
}

void HelpWindow::goHome()
{
    m_browser->setSource(helpTopicUrl(m_home));
}

void HelpWindow::findFromField()
{
    const QString text = m_findField->text();
    if (!text.isEmpty() && !findText(text)) {
        statusBar()->showMessage(toQString(texts::kHelpNotFound).arg(text), 5000);
    }
}

} // namespace mw::gui
