#include "help_window.h"

#include "command_ids.h"
#include "resources.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>
#include <vector>

using mw::gui::HelpTopic;
using mw::gui::HelpWindow;

namespace {

QString pageText(const QString& page)
{
    QFile file(QStringLiteral(":/help/") + page);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QStringList helpPages()
{
    return QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// Every href and src of a page, as written.
QStringList references(const QString& html, const QString& attribute)
{
    QStringList found;
    const QRegularExpression pattern(attribute + QStringLiteral("\\s*=\\s*\"([^\"]*)\""),
                                     QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : pattern.globalMatch(html)) {
        found.append(match.captured(1));
    }
    return found;
}

// Every topic, from the first to the last.
std::vector<HelpTopic> allHelpTopics()
{
    std::vector<HelpTopic> topics;
    for (int t = static_cast<int>(HelpTopic::kContents); t <= static_cast<int>(HelpTopic::kCommandLineTool); ++t) {
        topics.push_back(static_cast<HelpTopic>(t));
    }
    return topics;
}

QTextBrowser* browserOf(const HelpWindow& window)
{
    return window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
}

QUrl currentPageOf(const HelpWindow& window)
{
    return browserOf(window)->source();
}

bool hasAnchor(const QString& html, const QString& name)
{
    return html.contains(QStringLiteral("name=\"%1\"").arg(name)) ||
           html.contains(QStringLiteral("id=\"%1\"").arg(name));
}

QString fileOf(const QUrl& url)
{
    return url.fileName();
}

QToolButton* buttonOf(HelpWindow& window, const char* actionName)
{
    auto* action = window.findChild<QAction*>(QString::fromLatin1(actionName));
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("helpToolBar"));
    if (action == nullptr || toolBar == nullptr) {
        return nullptr;
    }
    return qobject_cast<QToolButton*>(toolBar->widgetForAction(action));
}

// The middle of the first piece of text that links to the target, in viewport coordinates.
std::optional<QPoint> linkPosition(QTextBrowser& browser, const QString& target)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() == target) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(fragment.position() + fragment.length() / 2);
                browser.setTextCursor(cursor);
                browser.ensureCursorVisible();
                return browser.cursorRect(cursor).center();
            }
        }
    }
    return std::nullopt;
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { mw::gui::initResources(); }

    void everyTopicHasItsOwnPageWithATitle()
    {
        QSet<QString> pages;
        for (const HelpTopic topic : allHelpTopics()) {
            const QString page = mw::gui::helpPageName(topic);
            QVERIFY2(!pageText(page).isEmpty(), qPrintable(page));
            QVERIFY2(!mw::gui::helpPageTitle(topic).isEmpty(), qPrintable(page));
            QCOMPARE(mw::gui::helpTopicOfPage(mw::gui::helpTopicUrl(topic)), topic);
            pages.insert(page);
        }
        QCOMPARE(pages.size(), static_cast<qsizetype>(allHelpTopics().size()));
        // Every page in the resources is a topic of the contents.
        for (const QString& page : helpPages()) {
            QVERIFY2(pages.contains(page), qPrintable(page));
        }
        QCOMPARE(mw::gui::helpPageTitle(HelpTopic::kFoodCatalogue), QStringLiteral("The food catalogue"));
    }

    void everyLinkAndPictureResolves()
    {
        for (const QString& page : helpPages()) {
            const QString html = pageText(page);
            const QUrl base(QStringLiteral("qrc:/help/") + page);
            for (const QString& link : references(html, QStringLiteral("href"))) {
                const QUrl target = base.resolved(QUrl(link));
                const QString where = page + QStringLiteral(" -> ") + link;
                // The help is read offline: every link stays inside it.
                QVERIFY2(target.scheme() == QStringLiteral("qrc"), qPrintable(where));
                const QString targetText = pageText(target.fileName());
                QVERIFY2(target.path().startsWith(QStringLiteral("/help/")) && !targetText.isEmpty(),
                         qPrintable(where));
                if (target.hasFragment()) {
                    QVERIFY2(hasAnchor(targetText, target.fragment()), qPrintable(where));
                }
            }
            for (const QString& source : references(html, QStringLiteral("src"))) {
                const QUrl target = base.resolved(QUrl(source));
                const QString where = page + QStringLiteral(" -> ") + source;
                QVERIFY2(target.scheme() == QStringLiteral("qrc"), qPrintable(where));
                QVERIFY2(!QImage(QLatin1Char(':') + target.path()).isNull(), qPrintable(where));
            }
        }
    }

    void everyPageIsReachableFromTheContents()
    {
        QSet<QString> reached{QStringLiteral("index.html")};
        QStringList queue{QStringLiteral("index.html")};
        while (!queue.isEmpty()) {
            const QString page = queue.takeFirst();
            for (const QString& link : references(pageText(page), QStringLiteral("href"))) {
                const QString target = QUrl(QStringLiteral("qrc:/help/") + page).resolved(QUrl(link)).fileName();
                if (target.endsWith(QStringLiteral(".html")) && !reached.contains(target)) {
                    reached.insert(target);
                    queue.append(target);
                }
            }
        }
        for (const QString& page : helpPages()) {
            QVERIFY2(reached.contains(page), qPrintable(page));
        }
    }

    // Each page opens with its title and text, its heading in the colour of help.css (so the style sheet was
    // found and read), and without sideways scrolling.
    void everyPageRendersWithItsStyleSheet()
    {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const HelpTopic topic : allHelpTopics()) {
            window.openTopic(topic);
            QCoreApplication::processEvents();
            const QString page = mw::gui::helpPageName(topic);
            QCOMPARE(fileOf(currentPageOf(window)), page);
            QTextDocument* document = browserOf(window)->document();
            QCOMPARE(document->metaInformation(QTextDocument::DocumentTitle), mw::gui::helpPageTitle(topic));
            const QString text = document->toPlainText();
            QVERIFY2(text.size() > 500, qPrintable(page));
            QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(page));
            QTextBlock heading = document->begin();
            while (heading.isValid() && heading.blockFormat().headingLevel() != 1) {
                heading = heading.next();
            }
            QVERIFY2(heading.isValid(), qPrintable(page));
            QCOMPARE(heading.charFormat().foreground().color(), QColor(0x9c, 0x1b, 0x54));
            QVERIFY2(browserOf(window)->horizontalScrollBar()->maximum() == 0, qPrintable(page));
        }
    }

    void contextsCommandsMenusAndViewPartsNameTheirPages()
    {
        using mw::gui::helpTopicOfCommand;
        using mw::gui::helpTopicOfContext;
        using mw::gui::helpTopicOfObjectName;
        QCOMPARE(helpTopicOfContext(99623), HelpTopic::kIntroduction);
        QCOMPARE(helpTopicOfContext(99624), HelpTopic::kTopTips);
        QCOMPARE(helpTopicOfContext(99626), HelpTopic::kFoodCatalogue);
        QCOMPARE(helpTopicOfContext(99625), std::nullopt);
        QCOMPARE(helpTopicOfCommand(34087), HelpTopic::kIntroduction);
        QCOMPARE(helpTopicOfCommand(34088), HelpTopic::kTopTips);
        QCOMPARE(helpTopicOfCommand(34090), HelpTopic::kFoodCatalogue);
        QCOMPARE(helpTopicOfCommand(57670), HelpTopic::kContents);
        QCOMPARE(helpTopicOfCommand(mw::gui::cmd::kHelpIndex), HelpTopic::kContents);
        QCOMPARE(helpTopicOfCommand(34089), std::nullopt);
        QCOMPARE(helpTopicOfCommand(mw::gui::cmd::kFileNew), std::nullopt);
        QCOMPARE(helpTopicOfObjectName(u"menuDayFile"), HelpTopic::kFileMenu);
        QCOMPARE(helpTopicOfObjectName(u"menuFile"), HelpTopic::kFileMenu);
        QCOMPARE(helpTopicOfObjectName(u"menuEdit"), HelpTopic::kEditMenu);
        QCOMPARE(helpTopicOfObjectName(u"menuDayTools"), HelpTopic::kToolsMenu);
        QCOMPARE(helpTopicOfObjectName(u"menuGlycemicIndex"), HelpTopic::kGlycemicIndexMenu);
        QCOMPARE(helpTopicOfObjectName(u"analysisPanel"), HelpTopic::kAnalysisPanel);
        QCOMPARE(helpTopicOfObjectName(u"foodList"), HelpTopic::kDayWindow);
        QCOMPARE(helpTopicOfObjectName(u"mainFrame"), std::nullopt);
    }

    void showingATopicReusesTheOneWindow()
    {
        auto owner = std::make_unique<QWidget>();
        auto* part = new QWidget(owner.get());
        QCOMPARE(HelpWindow::instance(), nullptr);
        HelpWindow::showHelpTopic(HelpTopic::kIntroduction, part);
        HelpWindow* window = HelpWindow::instance();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("Mealwright Help"));
        QCOMPARE(fileOf(currentPageOf(*window)), QStringLiteral("introduction.html"));

        HelpWindow::showHelpTopic(HelpTopic::kFoodCatalogue, owner.get());
        QCOMPARE(HelpWindow::instance(), window);
        QCOMPARE(fileOf(currentPageOf(*window)), QStringLiteral("food-catalogue.html"));

        // Closed, it only hides: the next request shows it again where the reader left off.
        window->close();
        QVERIFY(!window->isVisible());
        HelpWindow::showHelpTopic(HelpTopic::kFoodCatalogue, owner.get());
        QCOMPARE(HelpWindow::instance(), window);
        QVERIFY(window->isVisible());
        QVERIFY(browserOf(*window)->isBackwardAvailable());

        // It belongs to the top-level window it was asked from, not to the part that asked.
        delete part;
        QCOMPARE(HelpWindow::instance(), window);
        owner.reset();
        QCOMPARE(HelpWindow::instance(), nullptr);
    }

    void aClickedLinkThenBackAndForward()
    {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openTopic(HelpTopic::kContents);
        QToolButton* back = buttonOf(window, "helpBackAction");
        QToolButton* forward = buttonOf(window, "helpForwardAction");
        QVERIFY(back != nullptr && forward != nullptr);
        QVERIFY(!back->isEnabled());
        QVERIFY(!forward->isEnabled());

        const std::optional<QPoint> link = linkPosition(*browserOf(window), QStringLiteral("menu-edit.html"));
        QVERIFY(link.has_value());
        QTest::mouseClick(browserOf(window)->viewport(), Qt::LeftButton, {}, *link);
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("menu-edit.html"));
        QVERIFY(back->isEnabled());

        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("index.html"));
        QVERIFY(!back->isEnabled());
        QVERIFY(forward->isEnabled());

        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("menu-edit.html"));
        QVERIFY(!forward->isEnabled());

        // Alt+Left is Back as in any browser.
        QTest::keyClick(browserOf(window), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("index.html"));
    }

    void homeReturnsToTheTopicAndContentsToTheIndex()
    {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openTopic(HelpTopic::kTopTips);
        browserOf(window)->setSource(mw::gui::helpTopicUrl(HelpTopic::kAnalysisPanel));

        QTest::mouseClick(buttonOf(window, "helpContentsAction"), Qt::LeftButton);
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("index.html"));
        QTest::mouseClick(buttonOf(window, "helpHomeAction"), Qt::LeftButton);
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("top-tips.html"));

        // Asking again for the page on show adds nothing to the history.
        window.openTopic(HelpTopic::kTopTips);
        browserOf(window)->backward();
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("index.html"));
    }

    void escapeAndCtrlWCloseTheWindow()
    {
        for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            HelpWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::keySequence(&window, keys);
            QVERIFY2(!window.isVisible(), qPrintable(keys.toString()));
        }
    }

    void theContentsFollowAndOpenPages()
    {
        HelpWindow window;
        auto* contents = window.findChild<QTreeWidget*>(QStringLiteral("helpContents"));
        QVERIFY(contents != nullptr);
        window.openTopic(HelpTopic::kPrintedReport);
        QVERIFY(contents->currentItem() != nullptr);
        QCOMPARE(contents->currentItem()->text(0), QStringLiteral("The printed report"));

        const QList<QTreeWidgetItem*> found = contents->findItems(
            QStringLiteral("Edit menu: undo, redo and the meal clipboard"), Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        contents->setCurrentItem(found.front());
        QCOMPARE(fileOf(currentPageOf(window)), QStringLiteral("menu-edit.html"));
        QVERIFY(browserOf(window)->isBackwardAvailable());

        // Every topic is listed once.
        int listed = 0;
        for (QTreeWidgetItemIterator it(contents); *it != nullptr; ++it) {
            listed += (*it)->data(0, Qt::UserRole).toString().isEmpty() ? 0 : 1;
        }
        QCOMPARE(listed, static_cast<int>(allHelpTopics().size()));
    }

    void findGoesOnAndWrapsAndSaysWhenTextIsMissing()
    {
        HelpWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openTopic(HelpTopic::kEditMenu);
        QVERIFY(window.findText(QStringLiteral("Clipboard")));
        const int first = browserOf(window)->textCursor().selectionStart();
        QVERIFY(window.findText(QStringLiteral("Clipboard")));
        QVERIFY(browserOf(window)->textCursor().selectionStart() > first);
        // After the last one the search starts again at the top.
        while (browserOf(window)->textCursor().selectionStart() > first) {
            QVERIFY(window.findText(QStringLiteral("Clipboard")));
        }
        QCOMPARE(browserOf(window)->textCursor().selectionStart(), first);
        QVERIFY(!window.findText(QStringLiteral("no such words anywhere")));
        QVERIFY(!window.findText(QString()));

        auto* field = window.findChild<QLineEdit*>(QStringLiteral("helpFindField"));
        QVERIFY(field != nullptr);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, QStringLiteral("quinoa"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("quinoa")));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
