#pragma once

// Texts of the help window; the string table has none for it.

#include <string_view>

namespace mw::gui::texts {

inline constexpr std::string_view kHelpWindowTitle = "Mealwright Help";
inline constexpr std::string_view kHelpToolBar = "Navigation";
inline constexpr std::string_view kHelpBack = "&Back";
inline constexpr std::string_view kHelpBackTip = "Back to the page you read before";
inline constexpr std::string_view kHelpForward = "&Forward";
inline constexpr std::string_view kHelpForwardTip = "Forward to the page you went back from";
inline constexpr std::string_view kHelpHome = "&Home";
inline constexpr std::string_view kHelpHomeTip = "The page the help was opened at";
inline constexpr std::string_view kHelpContents = "&Contents";
inline constexpr std::string_view kHelpContentsTip = "The list of all help pages";
inline constexpr std::string_view kHelpFind = "Find in page";
inline constexpr std::string_view kHelpFindTip = "Type a word and press Enter; Enter again finds the next place";
inline constexpr std::string_view kHelpNotFound = "\"%1\" is not on this page.";
inline constexpr std::string_view kHelpContentsHeading = "Contents";
inline constexpr std::string_view kHelpSectionStart = "Getting started";
inline constexpr std::string_view kHelpSectionMenus = "The menus";
inline constexpr std::string_view kHelpSectionAnalysis = "Analysis and reports";
inline constexpr std::string_view kHelpSectionReference = "Reference";

} // namespace mw::gui::texts
