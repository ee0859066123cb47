#pragma once

// The line above a day's food list that names what the list shows ("Search: rice — 14 foods", "Hidden foods",
// a food group's name), kept in step with the list's rows.

#include "day_view_controls.h"

#include <QLabel>
#include <QObject>

namespace mw::gui {

// A one-line label that cuts a text too long for it with "…" and shows the whole text as its tooltip.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget* parent);
    void setFullText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString m_fullText;
};

// Names the food list's listing in the caption. While the list shows something other than a food group, the
// group box shows no group, and a search field left open shows its prompt again, so that neither names a
// listing that is gone. The hidden foods can be selected several at a time, since Unhide takes every
// selected one.
class FoodListCaption : public QObject
{
    Q_OBJECT

public:
    enum class Listing
    {
        kGroup,
        kSearch,
        kPersonalFoods,
        kHiddenFoods,
        kFoodList,
    };

    FoodListCaption(const DayViewControls& controls, QObject* parent);

    Listing listing() const { return m_listing; }
    // The group box's position of the group last listed, for going back to the groups.
    int lastGroupIndex() const { return m_lastGroupIndex; }

    // The group the group box shows.
    void showGroup();
    void showSearch(const QString& typed);
    void showPersonalFoods();
    void showHiddenFoods();
    void showFoodList(int list, const QString& name);
    // A local search or a filter took lines out of the listing: named after both, with the count.
    void showNarrowedBySearch(const QString& typed);
    void showNarrowed(const QString& how);

private:
    void show(Listing listing, const QString& title, bool counted);
    void refresh();

    DayViewControls m_controls;
    Listing m_listing = Listing::kGroup;
    QString m_title;
    bool m_counted = false;
    // The title with what narrowed the listing; empty while nothing did.
    QString m_narrowed;
    int m_lastGroupIndex = 0;
};

} // namespace mw::gui
