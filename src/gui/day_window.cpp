#include "day_window.h"

#include "app_context.h"
#include "dated_day_saver.h"
#include "diary_date_text.h"
#include "fof_view.h"
#include "frame_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "recent_file_list.h"

#include "format/atomic_file.h"
#include "format/day_file.h"
#include "format/diary_folder.h"
#include "format/file_lock.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScrollArea>

namespace mw::gui {
namespace {

QString messageTitle()
{
    return toQString(texts::kMainFrameTitle);
}

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The cause as the end of a sentence that starts with it.
QString sentenceCase(const std::string& cause)
{
    QString text = toQString(cause);
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

} // namespace

CDayWindow* CDayWindow::createNew(AppContext& app, const QString& untitledName)
{
    return new CDayWindow(app, std::make_unique<CFofDoc>(app.foods()), QString(), untitledName);
}

CDayWindow* CDayWindow::openFile(AppContext& app, const QString& path, QString* errorText)
{
    auto document = std::make_unique<CFofDoc>(app.foods());
    const FileStamp stamp = fileStamp(toPath(path));
    const DayFileResult result = loadDayFile(toPath(path), *document);
    if (!result.ok()) {
        if (errorText != nullptr) {
            *errorText =
                toQString(texts::kCannotOpenDay).arg(shownPath(path), sentenceCase(describeDayFileError(result)));
        }
        return nullptr;
    }
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    auto* window = new CDayWindow(app, std::move(document), absolute, QFileInfo(path).fileName());
    window->m_diskStamp = stamp;
    return window;
}

CDayWindow* CDayWindow::openDate(AppContext& app, const DiaryFolder& diary, const DiaryDate& date)
{
    auto* window = new CDayWindow(app, std::make_unique<CFofDoc>(app.foods()), QString(), QString());
    window->showDate(diary, date);
    new DatedDaySaver(*window);
    return window;
}

CDayWindow::CDayWindow(AppContext& app, std::unique_ptr<CFofDoc> document, const QString& path, const QString& title)
    : m_app(app), m_document(std::move(document)), m_history(new QUndoStack(this)), m_path(path), m_title(title)
{
    m_history->setObjectName(QStringLiteral("dayHistory"));
    connect(m_history, &QUndoStack::indexChanged, this, &CDayWindow::followHistory);
    setObjectName(QStringLiteral("dayWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/icons/day-document.svg")));
    setWindowTitle(m_title + QStringLiteral("[*]"));
    refreshModifiedMark();
}

void CDayWindow::createView()
{
    if (m_view != nullptr) {
        return;
    }
    // On a small or magnified screen the day scrolls rather than squeezing its controls over one another.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("dayScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    m_view = new CFofView(m_app, *m_document, *m_history, scroller);
    m_view->setObjectName(QStringLiteral("dayView"));
    scroller->setWidget(m_view);
    setWidget(scroller);
    // A child added to a window already on screen stays hidden until shown.
    scroller->show();
    connect(m_view, &CFofView::documentModified, this, &CDayWindow::refreshModifiedMark);
    connect(m_view, &CFofView::documentModified, this, &CDayWindow::documentModified);
    connect(m_view, &CFofView::statusMessage, this, &CDayWindow::statusMessage);
    followReadOnly();
}

CDayWindow::~CDayWindow()
{
    // The view uses the day until it is gone, and child widgets outlive the members otherwise. The history
    // ends with the window.
    disconnect(m_history, nullptr, this, nullptr);
    delete m_view;
    m_view = nullptr;
    delete m_history;
    m_history = nullptr;
}

void CDayWindow::followHistory()
{
    refreshModifiedMark();
    emit documentModified();
}

bool CDayWindow::isModified() const
{
    return !m_history->isClean();
}

void CDayWindow::refreshModifiedMark()
{
    setWindowModified(isModified());
}

void CDayWindow::showDate(const DiaryFolder& diary, const DiaryDate& date)
{
    m_date = date;
    m_path = fromPath(diary.dayFile(date));
    m_title = longDateText(date);
    setWindowTitle(m_title + QStringLiteral("[*]"));
    setToolTip(shownPath(m_path));
    if (!reload()) {
        // What cannot be read is shown as an empty day that nothing is saved from.
        replaceDay(DayMeals{});
    }
    emit dayReplaced();
}

bool CDayWindow::changedOnDisk() const
{
    return fileStamp(toPath(m_path)) != m_diskStamp;
}

bool CDayWindow::reload()
{
    const FileStamp stamp = fileStamp(toPath(m_path));
    // Even a file that cannot be read is this version of it: only a later one is worth another try.
    m_diskStamp = stamp;
    DayMeals meals;
    if (stamp.exists) {
        const DayFileResult result = readDayFile(toPath(m_path), meals);
        if (!result.ok()) {
            m_readError =
                toQString(texts::kCannotOpenDay).arg(shownPath(m_path), sentenceCase(describeDayFileError(result)));
            followReadOnly();
            return false;
        }
    }
    m_readError.clear();
    replaceDay(std::move(meals));
    followReadOnly();
    return true;
}

void CDayWindow::replaceDay(DayMeals meals)
{
    m_document->replaceMeals(std::move(meals));
    m_history->clear();
    refreshModifiedMark();
}

void CDayWindow::followReadOnly()
{
    if (m_view != nullptr) {
        m_view->setEnabled(!isReadOnly());
    }
}

bool CDayWindow::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool CDayWindow::saveAs()
{
    const QString chosen = Prompts::saveFileName(this, toQString(texts::kSaveDayCaption), suggestedFileName(),
                                                 toQString(texts::kDayFileFilter));
    return !chosen.isEmpty() && saveTo(withDayFileExtension(chosen));
}

bool CDayWindow::saveTo(const QString& path)
{
    const bool ownFile = !m_path.isEmpty() && samePath(path, m_path);
    if (ownFile && isReadOnly()) {
        // A file that could not be read may hold what this program does not understand: it stays as it is.
        Prompts::warning(this, messageTitle(), m_readError);
        return false;
    }
    // Held from the check to the rename, so a command-line edit cannot slip in between. A diary date's file
    // may not exist yet; then the turn covers its folder.
    std::unique_ptr<RewriteTurn> datedTurn;
    std::unique_ptr<FileLock> turn;
    if (m_date && ownFile) {
        // The diary's folder is made by its first save.
        const std::filesystem::path folder = toPath(path).parent_path();
        if (const std::error_code error = DiaryFolder(folder).ensureExists()) {
            Prompts::warning(
                this, messageTitle(),
                toQString(texts::kDiaryFolderNotCreated).arg(shownPath(fromPath(folder)), toQString(error.message())));
            return false;
        }
        datedTurn = std::make_unique<RewriteTurn>(toPath(path));
    } else {
        turn = FileLock::lockReplacedFile(toPath(path));
    }
    if (!mayWriteOver(path)) {
        return false;
    }
    const std::error_code error = saveDayFile(toPath(path), *m_document);
    refreshModifiedMark();
    if (error) {
        Prompts::warning(this, messageTitle(),
                         toQString(texts::kCannotSaveDay).arg(shownPath(path), sentenceCase(describeSaveError(error))));
        return false;
    }
    m_history->setClean();
    m_diskStamp = fileStamp(toPath(path));
    if (m_date && ownFile) {
        refreshModifiedMark();
    } else {
        // Saved under a name of the user's choosing, the day is no longer the diary's.
        m_date.reset();
        setToolTip(QString());
        setFile(path);
    }
    emit saved(m_path);
    return true;
}

bool CDayWindow::queryClose()
{
    if (!isModified()) {
        return true;
    }
    // A diary day asks nothing: its change is saved now. Only when that fails is the user asked.
    if (m_date && !isReadOnly() && save()) {
        return true;
    }
    const auto answer =
        Prompts::question(this, messageTitle(), toQString(texts::kSaveChangesQuestion).arg(m_title),
                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QString CDayWindow::withDayFileExtension(const QString& fileName)
{
    return QFileInfo(fileName).suffix().isEmpty() ? fileName + toQString(texts::kDayFileExtension) : fileName;
}

void CDayWindow::closeEvent(QCloseEvent* event)
{
    if (!queryClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CDayWindow::setFile(const QString& path)
{
    m_path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_title = QFileInfo(m_path).fileName();
    setWindowTitle(m_title + QStringLiteral("[*]"));
    refreshModifiedMark();
}

bool CDayWindow::mayWriteOver(const QString& path)
{
    const bool ownFile = !m_path.isEmpty() && QDir::cleanPath(QFileInfo(path).absoluteFilePath()) == m_path;
    const FileStamp now = fileStamp(toPath(path));
    if (!ownFile || !now.exists || now == m_diskStamp) {
        return true;
    }
    const auto answer = Prompts::question(this, messageTitle(), toQString(texts::kDayChangedOnDisk).arg(m_title),
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

QString CDayWindow::suggestedFileName() const
{
    if (!m_path.isEmpty()) {
        return m_path;
    }
    return QDir::current().filePath(withDayFileExtension(m_title));
}

} // namespace mw::gui
