#include "prompts.h"

#include "dialog_texts.h"
#include "qt_bridge.h"

#include <QFileDialog>
#include <QQueue>

#include <utility>

namespace mw::gui {
namespace {

struct Script
{
    bool active = false;
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> fileNames;
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
