#include "quick_amount_menu.h"

#include "food_list_box.h"
#include "qt_bridge.h"
#include "view_texts.h"

#include "model/settings_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
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

void QuickAmountMenu::popupCentredAt(const QPoint& globalPos)
{
    m_keyTarget = QApplication::focusWidget();
    popup(globalPos - QPoint(sizeHint().width() / 2, 0));
}

void QuickAmountMenu::keyPressEvent(QKeyEvent* event)
{
    static constexpr int kMenuKeys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home,   Qt::Key_End,
                                        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter,
                                        Qt::Key_Space,  Qt::Key_Escape,   Qt::Key_Select};
    if (std::find(std::begin(kMenuKeys), std::end(kMenuKeys), event->key()) != std::end(kMenuKeys)) {
        QMenu::keyPressEvent(event);
        return;
    }
    // Typing goes on where it was meant to go: the popup closes and hands the key over.
    const QPointer<QWidget> target = m_keyTarget;
    close();
    if (target) {
        QKeyEvent key(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat());
        QCoreApplication::sendEvent(target, &key);
    }
}

QuickAmountInput::QuickAmountInput(CFoodListBox* mealList, const Settings& settings)
    : QObject(mealList), m_list(mealList), m_settings(settings), m_hold(new QTimer(this))
{
    m_hold->setSingleShot(true);
    m_hold->setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    connect(m_hold, &QTimer::timeout, this, [this] { open(Qt::LeftButton, m_pressedAt); });
    mealList->viewport()->installEventFilter(this);
}

bool QuickAmountInput::eventFilter(QObject* watched, QEvent* event)
{
    const auto point = [event] { return static_cast<QMouseEvent*>(event)->position().toPoint(); };
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::RightButton) {
            return open(Qt::RightButton, point());
        }
        if (button == Qt::LeftButton) {
            m_pressedAt = point();
            m_hold->start();
        }
        break;
    }
    case QEvent::MouseMove:
        if ((point() - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
            m_hold->stop();
        }
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_hold->stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool QuickAmountInput::open(Qt::MouseButton button, const QPoint& point)
{
    const MouseOptions options = mouseOptions(m_settings);
    const MouseChoice choice = button == Qt::LeftButton ? options.left : options.right;
    const int row = m_list->indexAt(point).row();
    if (choice == MouseChoice::kOff || row < 0) {
        return false;
    }
    m_list->setCurrentRow(row);
    delete m_popup.data();
    auto* menu = new QuickAmountMenu(choice, m_list);
    m_popup = menu;
    connect(menu, &QuickAmountMenu::amountChosen, this, &QuickAmountInput::amountChosen);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popupCentredAt(m_list->viewport()->mapToGlobal(point));
    return true;
}

} // namespace mw::gui
