#pragma once

// Small screens: no window of the program opens larger than the free area of its screen, or off it, so its
// buttons are always on the screen.

class QObject;
class QWidget;

namespace mw::gui {

// Makes the window no larger than its screen's available area (as far as its minimum size allows) and moves
// it wholly onto that area.
void fitToScreen(QWidget* window);

// From now until owner is destroyed, every window and dialog is fitted so when it is shown.
void fitWindowsToScreen(QObject* owner);

} // namespace mw::gui
