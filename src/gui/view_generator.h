#pragma once

// The menu generator working on a day view: it selects meals in the view's meal box and adds foods through
// the view, so that the meal list, the totals and the analysis panel follow every addition.

#include "calc/menu_generator.h"

namespace mw::gui {

class CFofView;

class CFofViewGenerator final : public GeneratorView
{
public:
    // The view must outlive this object.
    explicit CFofViewGenerator(CFofView& view) : m_view(view) {}

    void clearDay() override;
    void selectMeal(MealIndex meal) override;
    void addFood(FoodId food, Grams amount) override;
    const CFofDoc& document() const override;
    const DayTotals& totals() const override;

private:
    CFofView& m_view;
};

// Replaces the view's day with a generated menu for the requested target (0: a random one), with the wait
// cursor shown and the meal box focused meanwhile. The food pyramid is left to the caller.
GeneratedMenu generateMenuInView(CFofView& view, RandomSource& random, int requested);

} // namespace mw::gui
