#include "prompts.h"

#include "dialog_texts.h"
#include "qt_bridge.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

#include <utility>

namespace mw::gui {
namespace {

struct Script
{
    bool active = false;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
    QQueue<QStringList> fileNameLists;
    QStringList offered;
    QStringList shown;
};

Script& script()
{
    static Script instance;
    return instance;
}

} // namespace

void Prompts::setScripted(bool scripted)
{
    script() = Script{};
    script().active = scripted;
}

void Prompts::setNextAnswer(QMessageBox::StandardButton answer)
{
    script().answers.enqueue(answer);
}

void Prompts::setNextFileName(const QString& fileName)
{
    script().fileNames.enqueue(fileName);
}

void Prompts::setNextFileNames(const QStringList& fileNames)
{
    script().fileNameLists.enqueue(fileNames);
}

QStringList Prompts::takeOfferedFileNames()
{
    return std::exchange(script().offered, QStringList());
}

QStringList Prompts::takeShownMessages()
{
    return std::exchange(script().shown, QStringList());
}

QMessageBox::StandardButton Prompts::question(QWidget* parent, const QString& title, const QString& text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    if (script().active) {
        script().shown.append(text);
        return script().answers.isEmpty() ? defaultButton : script().answers.dequeue();
    }
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

void Prompts::warning(QWidget* parent, const QString& title, const QString& text)
{
    if (script().active) {
        script().shown.append(text);
        return;
    }
    QMessageBox::warning(parent, title, text);
}

void Prompts::information(QWidget* parent, const QString& title, const QString& text)
{
    if (script().active) {
        script().shown.append(text);
        return;
    }
    QMessageBox::information(parent, title, text);
}

QString Prompts::openFileName(QWidget* parent, const QString& caption, const QString& filter)
{
    if (script().active) {
        return script().fileNames.isEmpty() ? QString() : script().fileNames.dequeue();
    }
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString Prompts::saveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter)
{
    if (script().active) {
        return script().fileNames.isEmpty() ? QString() : script().fileNames.dequeue();
    }
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString Prompts::existingFolder(QWidget* parent, const QString& caption, const QString& start)
{
    if (script().active) {
        return script().fileNames.isEmpty() ? QString() : script().fileNames.dequeue();
    }
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

QStringList Prompts::openFileNames(QWidget* parent, const QString& caption, const QString& filter,
                                   const QStringList& offered)
{
    if (script().active) {
        script().offered.append(offered);
        return script().fileNameLists.isEmpty() ? QStringList() : script().fileNameLists.dequeue();
    }
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    // The dialog's own name field takes several quoted names, so the offered files start out chosen.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!offered.isEmpty()) {
        dialog.setDirectory(QFileInfo(offered.front()).absolutePath());
        QStringList quoted;
        for (const QString& file : offered) {
            quoted.append(QLatin1Char('"') + QFileInfo(file).absoluteFilePath() + QLatin1Char('"'));
        }
        dialog.selectFile(quoted.join(QLatin1Char(' ')));
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

bool settingsStoredOrWarned(QWidget* dialog, std::error_code storeError)
{
    if (!storeError) {
        return true;
    }
    Prompts::warning(dialog, texts::kProgramTitle,
                     QString(texts::kSettingsNotSaved).arg(toQString(storeError.message())));
    return false;
}

} // namespace mw::gui
