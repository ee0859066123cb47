#pragma once

#include "ui_text.h"

// Texts of the help window; the string table has none for it.

#include <string_view>

namespace mw::gui::texts {

inline constexpr UiText kHelpWindowTitle{QT_TRANSLATE_NOOP("Mealwright", "Mealwright Help")};
inline constexpr UiText kHelpToolBar{QT_TRANSLATE_NOOP("Mealwright", "Navigation")};
inline constexpr UiText kHelpBack{QT_TRANSLATE_NOOP("Mealwright", "&Back")};
inline constexpr UiText kHelpBackTip{QT_TRANSLATE_NOOP("Mealwright", "Back to the page you read before")};
inline constexpr UiText kHelpForward{QT_TRANSLATE_NOOP("Mealwright", "&Forward")};
inline constexpr UiText kHelpForwardTip{QT_TRANSLATE_NOOP("Mealwright", "Forward to the page you went back from")};
inline constexpr UiText kHelpHome{QT_TRANSLATE_NOOP("Mealwright", "&Home")};
inline constexpr UiText kHelpHomeTip{QT_TRANSLATE_NOOP("Mealwright", "The page the help was opened at")};
inline constexpr UiText kHelpContents{QT_TRANSLATE_NOOP("Mealwright", "&Contents")};
inline constexpr UiText kHelpContentsTip{QT_TRANSLATE_NOOP("Mealwright", "The list of all help pages")};
inline constexpr UiText kHelpFind{QT_TRANSLATE_NOOP("Mealwright", "Find in page")};
inline constexpr UiText kHelpFindTip{
    QT_TRANSLATE_NOOP("Mealwright", "Type a word and press Enter; Enter again finds the next place")};
inline constexpr UiText kHelpNotFound{QT_TRANSLATE_NOOP("Mealwright", "\"%1\" is not on this page.")};
inline constexpr UiText kHelpContentsHeading{QT_TRANSLATE_NOOP("Mealwright", "Contents")};
inline constexpr UiText kHelpSectionStart{QT_TRANSLATE_NOOP("Mealwright", "Getting started")};
inline constexpr UiText kHelpSectionMenus{QT_TRANSLATE_NOOP("Mealwright", "The menus")};
inline constexpr UiText kHelpSectionAnalysis{QT_TRANSLATE_NOOP("Mealwright", "Analysis and reports")};
inline constexpr UiText kHelpSectionReference{QT_TRANSLATE_NOOP("Mealwright", "Reference")};

} // namespace mw::gui::texts
