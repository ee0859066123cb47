#pragma once

#include "model/food_types.h"
#include "model/settings_keys.h"

#include <QMenu>

class QAction;

namespace mw::gui {

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

// The popup a mouse button opens on the day view's own area to set the selected entry's amount.
// Every item carries its value in its action's data.
class QuickAmountMenu : public QMenu
{
    Q_OBJECT

public:
    // choice must not be MouseChoice::kOff.
    QuickAmountMenu(MouseChoice choice, QWidget* parent = nullptr);

    QuickAmountKind kind() const { return m_kind; }
    // The items that choose an amount, in menu order.
    QList<QAction*> amountActions() const;
    // Opens with its top at the point and centred on it horizontally.
    void popupCentredAt(const QPoint& globalPos);

signals:
    void amountChosen(mw::gui::QuickAmountKind kind, double value);

private:
    void addAmountItem(const QString& text, double value);

    QuickAmountKind m_kind;
};

} // namespace mw::gui
