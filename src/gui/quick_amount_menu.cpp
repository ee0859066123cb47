#include "quick_amount_menu.h"

#include "qt_bridge.h"
#include "view_texts.h"

#include <QAction>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <utility>

namespace mw::gui {
namespace {

constexpr std::array<std::pair<std::string_view, double>, 12> kServingFactors = {{
    {".1", 0.1},
    {".2", 0.2},
    {".25", 0.25},
    {".33", 0.33},
    {".5", 0.5},
    {".75", 0.75},
    {"1", 1.0},
    {"1.5", 1.5},
    {"2", 2.0},
    {"3", 3.0},
    {"4", 4.0},
    {"5", 5.0},
}};
constexpr int kOunceItems = 8;
constexpr std::array<int, 10> kGramItems = {10, 25, 50, 75, 100, 150, 200, 250, 300, 500};

QuickAmountKind kindOf(MouseChoice choice)
{
    switch (choice) {
    case MouseChoice::kOunce:
        return QuickAmountKind::kOunces;
    case MouseChoice::kGram:
        return QuickAmountKind::kGrams;
    case MouseChoice::kOff:
    case MouseChoice::kServingPortion:
        break;
    }
    return QuickAmountKind::kServings;
}

} // namespace

Grams quickAmount(QuickAmountKind kind, double value, float servingWeight)
{
    double grams = value;
    if (kind == QuickAmountKind::kServings) {
        grams = static_cast<double>(servingWeight) * value;
    } else if (kind == QuickAmountKind::kOunces) {
        grams = value * kGramsPerOunce;
    }
    if (!std::isfinite(grams)) {
        return static_cast<Grams>(grams > 0 ? kMaxQuickAmount : 1);
    }
    const double whole = std::trunc(grams);
    return static_cast<Grams>(std::clamp(whole, 1.0, static_cast<double>(kMaxQuickAmount)));
}

QuickAmountMenu::QuickAmountMenu(MouseChoice choice, QWidget* parent) : QMenu(parent), m_kind(kindOf(choice))
{
    setObjectName(QStringLiteral("quickAmountMenu"));
    switch (m_kind) {
    case QuickAmountKind::kServings:
        for (const auto& [text, factor] : kServingFactors) {
            addAmountItem(toQString(text), factor);
        }
        // Says what the numbers count; choosing it does nothing.
        addAction(toQString(LoadString(texts::kUnitsSuffix)))->setEnabled(false);
        break;
    case QuickAmountKind::kOunces:
        for (int ounces = 1; ounces <= kOunceItems; ++ounces) {
            addAmountItem(QString::number(ounces) + toQString(texts::kOunceSuffix), ounces);
        }
        break;
    case QuickAmountKind::kGrams:
        for (const int grams : kGramItems) {
            addAmountItem(QString::number(grams) + toQString(texts::kGramSuffix), grams);
        }
        break;
    }
}

void QuickAmountMenu::addAmountItem(const QString& text, double value)
{
    QAction* action = addAction(text);
    action->setData(value);
    connect(action, &QAction::triggered, this, [this, value] { emit amountChosen(m_kind, value); });
}

QList<QAction*> QuickAmountMenu::amountActions() const
{
    QList<QAction*> result;
    const QList<QAction*> all = actions();
    for (QAction* action : all) {
        if (action->data().isValid()) {
            result.append(action);
        }
    }
    return result;
}

void QuickAmountMenu::popupCentredAt(const QPoint& globalPos)
{
    popup(globalPos - QPoint(sizeHint().width() / 2, 0));
}

} // namespace mw::gui
