#pragma once

// A text the user reads in the desktop program or on its pages, kept in the source language and translated
// when it is shown. Every text of the Qt layers is marked with QT_TRANSLATE_NOOP in the "Mealwright" context,
// so that lupdate gathers them into the translation template.

#include <QCoreApplication>
#include <QString>

namespace mw {

struct UiText
{
    const char* source;

    QString text() const { return QCoreApplication::translate("Mealwright", source); }
    operator QString() const { return text(); }
};

inline QString toQString(UiText text)
{
    return text.text();
}

} // namespace mw
