#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <system_error>

class QWidget;

namespace mw::gui {

// Every message box and file dialog of the program goes through here, so that tests running
// offscreen can answer them instead of blocking on a modal window.
class Prompts
{
public:
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton);
    static void warning(QWidget* parent, const QString& title, const QString& text);
    static void information(QWidget* parent, const QString& title, const QString& text);
    // An empty text when the user cancels.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter);
    // An existing folder, starting in start; an empty text when the user cancels.
    static QString existingFolder(QWidget* parent, const QString& caption, const QString& start);
    // Several existing files at once, the offered ones chosen already; an empty list when the user cancels.
    static QStringList openFileNames(QWidget* parent, const QString& caption, const QString& filter,
                                     const QStringList& offered);

    // Tests: from now on no window is shown; questions take the queued answers (else their default
    // button), file dialogs the queued names (else cancel), and every text shown is logged.
    static void setScripted(bool scripted);
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void setNextFileName(const QString& fileName);
    static void setNextFileNames(const QStringList& fileNames);
    // The files the last multiple choices offered.
    static QStringList takeOfferedFileNames();
    static QStringList takeShownMessages();
};

// What the settings dialogs do when OK could not store their values: warn with the cause and keep the dialog
// open. True when the values were stored.
bool settingsStoredOrWarned(QWidget* dialog, std::error_code storeError);

} // namespace mw::gui
