#include "food_list_caption.h"

#include "food_command_texts.h"
#include "food_list_box.h"
#include "qt_bridge.h"

#include "model/string_table.h"
#include "query/food_search.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace mw::gui {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // Never wider than the food list below it, whatever the text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void CaptionLabel::setFullText(const QString& text)
{
    m_fullText = text;
    elide();
}

void CaptionLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    elide();
}

void CaptionLabel::elide()
{
    const QString shown = fontMetrics().elidedText(m_fullText, Qt::ElideRight, std::max(0, contentsRect().width()));
    setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}

FoodListCaption::FoodListCaption(const DayViewControls& controls, QObject* parent)
    : QObject(parent), m_controls(controls)
{
    m_controls.groupBox->setPlaceholderText(texts::kChooseFoodGroup);
    QAbstractItemModel* rows = m_controls.foodList->model();
    // Hiding, unhiding and filtering change the count of the listing in force.
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &FoodListCaption::refresh);
    connect(rows, &QAbstractItemModel::rowsInserted, this, &FoodListCaption::refresh);
    connect(rows, &QAbstractItemModel::modelReset, this, &FoodListCaption::refresh);
}

void FoodListCaption::showGroup()
{
    m_lastGroupIndex = std::max(0, m_controls.groupBox->currentIndex());
    show(Listing::kGroup, m_controls.groupBox->currentText(), false);
}

void FoodListCaption::showSearch(const QString& typed)
{
    show(Listing::kSearch, QString(texts::kCaptionSearch).arg(typed.trimmed()), true);
}

void FoodListCaption::showPersonalFoods()
{
    show(Listing::kPersonalFoods, texts::kCaptionPersonalFoods, false);
}

void FoodListCaption::showHiddenFoods()
{
    show(Listing::kHiddenFoods, texts::kCaptionHiddenFoods, false);
}

void FoodListCaption::showFoodList(int list, const QString& name)
{
    show(Listing::kFoodList, QString(texts::kCaptionFoodList).arg(list).arg(name), false);
}

void FoodListCaption::showNarrowedBySearch(const QString& typed)
{
    // The listing keeps its kind: narrowed hidden foods can still be unhidden.
    m_narrowed = QString(texts::kCaptionNarrowedBySearch).arg(m_title, typed.trimmed());
    refresh();
}

void FoodListCaption::showNarrowed(const QString& how)
{
    m_narrowed = QString(texts::kCaptionNarrowed).arg(m_title, QString(how).remove(u'&'));
    refresh();
}

void FoodListCaption::show(Listing listing, const QString& title, bool counted)
{
    m_listing = listing;
    m_title = title;
    m_counted = counted;
    m_narrowed.clear();
    if (listing != Listing::kGroup) {
        const QSignalBlocker blocker(m_controls.groupBox);
        m_controls.groupBox->setCurrentIndex(-1);
    }
    if (listing != Listing::kSearch && !m_controls.searchEdit->isHidden()) {
        m_controls.searchEdit->setText(toQString(LoadString(kSearchPromptText)));
        m_controls.searchEdit->selectAll();
    }
    m_controls.foodList->setSelectionMode(listing == Listing::kHiddenFoods ? QAbstractItemView::ExtendedSelection
                                                                           : QAbstractItemView::SingleSelection);
    refresh();
}

void FoodListCaption::refresh()
{
    const int count = m_controls.foodList->count();
    const QString title = m_narrowed.isEmpty() ? m_title : m_narrowed;
    if (!m_counted && m_narrowed.isEmpty()) {
        m_controls.listCaption->setFullText(title);
    } else {
        m_controls.listCaption->setFullText(count == 1 ? QString(texts::kCaptionOneFood).arg(title)
                                                       : QString(texts::kCaptionFoods).arg(title).arg(count));
    }
}

} // namespace mw::gui
