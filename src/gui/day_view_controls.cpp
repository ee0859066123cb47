#include "day_view_controls.h"

#include "analysis_panel.h"
#include "food_list_box.h"
#include "food_list_caption.h"
#include "qt_bridge.h"
#include "view_layout.h"
#include "view_texts.h"

#include "analysis_panel_geometry.h"

#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace mw::gui {
namespace {

QPushButton* makeButton(std::string_view caption, std::string_view tip, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(toQString(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toQString(tip));
    button->setAutoDefault(false);
    return button;
}

// The picture buttons beside the food list; each is enabled where its command is connected (search and
// sort, group order).
QToolButton* makeIconButton(UiText caption, std::string_view tip, const char* icon, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(toQString(caption));
    button->setToolTip(toQString(tip));
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setFocusPolicy(Qt::NoFocus);
    // A press on the button is not a press on the view's own area.
    button->setAttribute(Qt::WA_NoMousePropagation);
    button->setEnabled(false);
    return button;
}

QComboBox* makeBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

CFoodListBox* makeList(const char* name, const Settings& settings, const CFoodAttributeDatabase& attributes,
                       QWidget* parent)
{
    auto* list = new CFoodListBox(settings, attributes, parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

// The standard rectangle widened to the right edge of another.
QRect extendedTo(const QRect& standard, int left, int right)
{
    return QRect(QPoint(left, standard.top()), QPoint(right - 1, standard.bottom()));
}

} // namespace

DayViewControls createDayViewControls(QWidget* view, const Settings& settings, const CFoodAttributeDatabase& attributes)
{
    DayViewControls c;
    // Created in tab order: boxes, lists, delete, search edit, eat, amount edit, amount OK.
    c.mealBox = makeBox("mealBox", view);
    c.groupBox = makeBox("groupBox", view);
    c.mealList = makeList("mealList", settings, attributes, view);
    c.foodList = makeList("foodList", settings, attributes, view);
    c.listCaption = new CaptionLabel(view);
    c.listCaption->setObjectName(QStringLiteral("foodListCaption"));
    c.deleteButton = makeButton(LoadString(texts::kDeleteButton), LoadString(texts::kDeleteTip), "deleteButton", view);
    c.searchEdit = new QLineEdit(view);
    c.searchEdit->setObjectName(QStringLiteral("searchEdit"));
    c.searchEdit->hide();
    c.eatButton = makeButton(LoadString(texts::kEatButton), LoadString(texts::kEatTip), "eatButton", view);
    c.amountEdit = new QLineEdit(view);
    c.amountEdit->setObjectName(QStringLiteral("amountEdit"));
    c.amountEdit->setToolTip(toQString(LoadString(texts::kAmountEditTip)));
    c.amountOkButton =
        makeButton(LoadString(texts::kAmountOkButton), LoadString(texts::kAmountOkTip), "amountOkButton", view);

    c.globalSearchButton = makeIconButton(texts::kGlobalSearchButton, LoadString(texts::kGlobalSearchTip),
                                          ":/icons/search-global.svg", "globalSearchButton", view);
    c.localSearchButton = makeIconButton(texts::kLocalSearchButton, LoadString(texts::kLocalSearchTip),
                                         ":/icons/search-local.svg", "localSearchButton", view);
    c.globalSearchButton->hide();
    c.localSearchButton->hide();
    c.normalOrderButton = makeIconButton(texts::kNormalOrderButton, LoadString(texts::kNormalOrderTip),
                                         ":/icons/order-normal.svg", "normalOrderButton", view);
    c.reverseOrderButton = makeIconButton(texts::kReverseOrderButton, LoadString(texts::kReverseOrderTip),
                                          ":/icons/order-reverse.svg", "reverseOrderButton", view);
    c.sortAscendingButton = makeIconButton(texts::kSortAscendingName, LoadString(texts::kSortAscendingTip),
                                           ":/icons/sort-ascending.svg", "sortAscendingButton", view);
    c.sortDescendingButton = makeIconButton(texts::kSortDescendingName, LoadString(texts::kSortDescendingTip),
                                            ":/icons/sort-descending.svg", "sortDescendingButton", view);
    c.panel = new AnalysisPanel(view);

    QWidget* const order[] = {c.mealBox,    c.groupBox,  c.mealList,   c.foodList,      c.deleteButton,
                              c.searchEdit, c.eatButton, c.amountEdit, c.amountOkButton};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    // Whenever the view itself is given the focus, the eat button takes it.
    view->setFocusProxy(c.eatButton);
    return c;
}

void placeDayViewControls(const DayViewControls& c, const ViewLayout& layout, FoodListWidth width)
{
    c.mealBox->setGeometry(layout.mealBox);
    c.mealBox->setMaxVisibleItems(layout.mealBoxVisibleItems);
    c.groupBox->setGeometry(layout.groupBox);
    c.groupBox->setMaxVisibleItems(layout.groupBoxVisibleItems);
    c.searchEdit->setGeometry(layout.searchEdit);
    c.mealList->setGeometry(layout.mealList);
    c.foodList->setGeometry(layout.foodList);
    c.listCaption->setGeometry(layout.foodListCaption);
    c.deleteButton->setGeometry(layout.deleteButton);
    c.amountOkButton->setGeometry(layout.amountOkButton);
    c.amountEdit->setGeometry(layout.amountEdit);
    c.eatButton->setGeometry(layout.eatButton);
    c.normalOrderButton->setGeometry(layout.normalOrderButton);
    c.reverseOrderButton->setGeometry(layout.reverseOrderButton);
    c.globalSearchButton->setGeometry(layout.globalSearchButton);
    c.localSearchButton->setGeometry(layout.localSearchButton);
    c.sortAscendingButton->setGeometry(layout.sortAscendingButton);
    c.sortDescendingButton->setGeometry(layout.sortDescendingButton);
    const QSize icon(layout.pictureButtonSide * 3 / 4, layout.pictureButtonSide * 3 / 4);
    for (QToolButton* button : {c.normalOrderButton, c.reverseOrderButton, c.globalSearchButton, c.localSearchButton,
                                c.sortAscendingButton, c.sortDescendingButton}) {
        button->setIconSize(icon);
    }
    c.panel->setGeometry(layout.panel);

    const int listRight = layout.rightButtons + layout.buttonWidth;
    switch (width) {
    case FoodListWidth::kNormal:
        break;
    case FoodListWidth::kWider:
        c.foodList->setGeometry(extendedTo(layout.foodList, layout.foodList.left(), listRight));
        c.listCaption->setGeometry(extendedTo(layout.foodListCaption, layout.foodList.left(), listRight));
        break;
    case FoodListWidth::kWidest:
        c.foodList->setGeometry(extendedTo(layout.foodList, layout.middleButtons, listRight));
        c.listCaption->setGeometry(extendedTo(layout.foodListCaption, layout.middleButtons, listRight));
        c.groupBox->setGeometry(extendedTo(layout.groupBox, layout.middleButtons, render::rightEdge(layout.groupBox)));
        c.searchEdit->setGeometry(
            extendedTo(layout.searchEdit, layout.middleButtons, render::rightEdge(layout.searchEdit)));
        break;
    }
}

void showControlsForListWidth(const DayViewControls& c, FoodListWidth width)
{
    const bool normal = width == FoodListWidth::kNormal;
    const bool widest = width == FoodListWidth::kWidest;
    c.eatButton->setVisible(normal);
    c.sortAscendingButton->setVisible(normal);
    c.sortDescendingButton->setVisible(normal);
    c.deleteButton->setVisible(!widest);
    c.amountEdit->setVisible(!widest);
    c.amountOkButton->setVisible(!widest);
}

} // namespace mw::gui
