#pragma once

#include "format/file_bytes.h"
#include "model/day_document.h"
#include "model/diary_date.h"

#include <QMdiSubWindow>
#include <QString>
#include <QUndoStack>

#include <memory>
#include <optional>

namespace mw {
class DiaryFolder;
}

namespace mw::gui {

class AppContext;
class CFofView;

// The window of one day: it owns the day (`CFofDoc`), knows its file and title, and hosts the day's one
// view. Closing it asks to save a modified day first. A day of the diary is named by its date instead and is
// saved as it is edited (see DatedDaySaver).
class CDayWindow : public QMdiSubWindow
{
    Q_OBJECT

public:
    // A new empty day, untitled until it is saved ("MenuDay1").
    static CDayWindow* createNew(AppContext& app, const QString& untitledName);
    // The day of a file; nullptr when the file cannot be read, with the cause in errorText.
    static CDayWindow* openFile(AppContext& app, const QString& path, QString* errorText);
    // The diary's day of a date: its file's day, or an empty day while it has none.
    static CDayWindow* openDate(AppContext& app, const DiaryFolder& diary, const DiaryDate& date);
    ~CDayWindow() override;

    // Creates the day's view. Called once the window stands in the MDI area and is shown, so that any dialog
    // the view opens at its start (the first-start questions) comes up over the main window.
    void createView();

    CFofDoc& document() { return *m_document; }
    // The day's undo history; the modified flag follows its saved state.
    QUndoStack& history() { return *m_history; }
    const CFofDoc& document() const { return *m_document; }
    // nullptr until createView().
    CFofView* view() const { return m_view; }
    // Empty while the day has never been saved.
    const QString& filePath() const { return m_path; }
    // "MenuDay1" or the file's name.
    const QString& title() const { return m_title; }
    // The day's history stands elsewhere than where it was last saved or opened.
    bool isModified() const;

    // The date of a diary day; none for a day of a file chosen by name.
    const std::optional<DiaryDate>& date() const { return m_date; }
    // Shows the diary's day of another date in this window; the history starts anew, as with another file.
    void showDate(const DiaryFolder& diary, const DiaryDate& date);
    // Why the date's file cannot be read; then nothing is ever written over it.
    const QString& readError() const { return m_readError; }
    bool isReadOnly() const { return !m_readError.isEmpty(); }
    // Another program wrote or replaced the day's file since it was last read or written here.
    bool changedOnDisk() const;
    // Reads the day's file again in place of the day; the history starts anew. False when it cannot be read
    // (the day is then kept and the cause is in readError()).
    bool reload();

    // Saves to the day's file, or asks for one when it has none. False when cancelled or failed (the
    // failure is reported and the day stays modified).
    bool save();
    // Asks for a file name, then saves there.
    bool saveAs();
    // Writes the day to path; on success the day takes that file and title. When path is the day's own
    // file and another program changed it since it was opened or saved, asks before writing over it.
    bool saveTo(const QString& path);
    // True when the day may go: unmodified, or saved, or the user chose not to save it.
    bool queryClose();

    // The user's name with the day file's extension added when it has none.
    static QString withDayFileExtension(const QString& fileName);

public slots:
    // Brings the title's modified mark up to date with the day.
    void refreshModifiedMark();

signals:
    // After the day was written to path (the main frame adds it to the recent files).
    void saved(const QString& path);
    // After every change of the day, its undo and redo among them.
    void documentModified();
    // A text for the status bar's message pane, from the view.
    void statusMessage(const QString& text);
    // The window shows another date, or its file was read again.
    void dayReplaced();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDayWindow(AppContext& app, std::unique_ptr<CFofDoc> document, const QString& path, const QString& title);
    void setFile(const QString& path);
    void followHistory();
    QString suggestedFileName() const;
    // False when the day's file changed on disk behind its back and the user chose to keep that version.
    bool mayWriteOver(const QString& path);
    // Puts the meals in place of the day and starts the history anew.
    void replaceDay(DayMeals meals);
    void followReadOnly();

    AppContext& m_app;
    std::unique_ptr<CFofDoc> m_document;
    QUndoStack* m_history = nullptr;
    CFofView* m_view = nullptr;
    QString m_path;
    QString m_title;
    // The day's file as it was when last read or written here.
    FileStamp m_diskStamp;
    std::optional<DiaryDate> m_date;
    QString m_readError;
};

} // namespace mw::gui
