#pragma once

#include "model/food_types.h"
#include "model/settings_keys.h"

#include <QMenu>
#include <QPointer>

class QAction;
class QTimer;

namespace mw {
class Settings;
}

namespace mw::gui {

class CFoodListBox;

// The quick-amount choices give at least 1 g and at most this much.
inline constexpr int kMaxQuickAmount = 10000;
inline constexpr double kGramsPerOunce = 28.35;

enum class QuickAmountKind
{
    kServings, // the item's value is a factor of the entry's serving weight
    kOunces,   // a number of ounces
    kGrams,    // grams
};

// The grams an item gives: the serving weight times the factor, or ounces times 28.35, or the grams;
// truncated and brought into 1..10000.
Grams quickAmount(QuickAmountKind kind, double value, float servingWeight);

// The popup a mouse button opens over an entry of the meal list to set its amount. Every item carries its value
// in its action's data. A key the popup has no use for closes it and goes on to the control that had the focus.
class QuickAmountMenu : public QMenu
{
    Q_OBJECT

public:
    // choice must not be MouseChoice::kOff.
    QuickAmountMenu(MouseChoice choice, QWidget* parent = nullptr);

    QuickAmountKind kind() const { return m_kind; }
    // Opens with its top at the point and centred on it horizontally.
    void popupCentredAt(const QPoint& globalPos);

signals:
    void amountChosen(mw::gui::QuickAmountKind kind, double value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addAmountItem(const QString& text, double value);

    QuickAmountKind m_kind;
    QPointer<QWidget> m_keyTarget;
};

// Opens the quick-amount popup of a mouse button over an entry of the meal list, which it selects first: the
// right button at once, the left one when it is held down a moment, so that a click only selects. The mouse
// options, read at every press, say which popup each button opens. A press beside the entries opens nothing.
class QuickAmountInput : public QObject
{
    Q_OBJECT

public:
    // The settings must outlive the input.
    QuickAmountInput(CFoodListBox* mealList, const Settings& settings);

signals:
    // For the entry selected in the meal list.
    void amountChosen(mw::gui::QuickAmountKind kind, double value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Selects the entry at the point and opens the button's popup there; false when there is no entry or
    // the button's popup is off.
    bool open(Qt::MouseButton button, const QPoint& point);

    CFoodListBox* m_list;
    const Settings& m_settings;
    QTimer* m_hold;
    QPoint m_pressedAt;
    QPointer<QuickAmountMenu> m_popup;
};

} // namespace mw::gui
