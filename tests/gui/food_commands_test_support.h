#pragma once

// What the tests of the search, sort, hidden-food, food-list and meal-clipboard commands share: a main
// frame over a temporary data folder, with the day views' controls found by name.

#include "app_context.h"
#include "day_window.h"
#include "fof_view.h"
#include "food_list_box.h"
#include "frame_test_support.h"
#include "main_window.h"
#include "prompts.h"
#include "resources.h"

#include "support/temp_dir.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <string>

namespace mw::test {

class FoodCommandsFixture
{
public:
    // userfood is the personal food database the program starts with.
    void start(const std::string& userfood = std::string())
    {
        gui::Prompts::setScripted(true);
        m_dir = std::make_unique<TempDir>();
        if (!userfood.empty()) {
            writeFile(m_dir->file("userfood.txt"), userfood);
        }
        auto settings = profileWithAnalysisSettings();
        m_settings = settings.get();
        m_app = std::make_unique<gui::AppContext>(m_dir->path(), std::move(settings));
        m_frame = std::make_unique<gui::CMainFrame>(*m_app, 1024);
        m_frame->resize(1100, 800);
        m_frame->show();
    }

    void stop()
    {
        if (m_frame) {
            for (gui::CDayWindow* day : m_frame->dayWindows()) {
                day->history().setClean();
            }
        }
        m_frame.reset();
        m_app.reset();
        m_dir.reset();
        gui::Prompts::takeShownMessages();
    }

    gui::CMainFrame& frame() const { return *m_frame; }
    gui::AppContext& app() const { return *m_app; }
    MemorySettings& settings() const { return *m_settings; }
    const TempDir& dir() const { return *m_dir; }

    QAction* action(const char* name) const
    {
        auto* found = m_frame->findChild<QAction*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }

    QMenu* menu(const char* name) const
    {
        auto* found = m_frame->findChild<QMenu*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no menu %s", name);
        }
        return found;
    }

    gui::CFofView* view() const
    {
        gui::CDayWindow* day = m_frame->activeDayWindow();
        return day != nullptr ? day->view() : nullptr;
    }

    template <typename T>
    T* control(const char* name) const
    {
        auto* found = view()->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }

    gui::CFoodListBox* foodList() const { return control<gui::CFoodListBox>("foodList"); }
    gui::CFoodListBox* mealList() const { return control<gui::CFoodListBox>("mealList"); }
    QComboBox* mealBox() const { return control<QComboBox>("mealBox"); }
    QComboBox* groupBox() const { return control<QComboBox>("groupBox"); }
    QLineEdit* searchEdit() const { return control<QLineEdit>("searchEdit"); }

    // The popup the view opened last under that name (a sort or find popup, a context menu).
    QMenu* popup(const char* name) const
    {
        const QList<QMenu*> menus = view()->findChildren<QMenu*>(QLatin1String(name));
        return menus.isEmpty() ? nullptr : menus.last();
    }

    // The popup's item whose data is the nutrient.
    static QAction* nutrientItem(QMenu* popup, int nutrient)
    {
        for (QAction* item : popup->actions()) {
            if (item->data().toInt() == nutrient && item->data().isValid()) {
                return item;
            }
        }
        return nullptr;
    }

    // What a user's opening of the menu brings up to date; the menu is closed again.
    void openAndClose(QMenu* menu)
    {
        menu->popup(m_frame->mapToGlobal(QPoint(40, 40)));
        QCoreApplication::processEvents();
        menu->hide();
    }

    // The pending update of the enabled states (after a selection change) takes place.
    static void settle() { QCoreApplication::processEvents(); }

    // The food list as item texts "id;Name [portion]", made from each row's FoodId.
    QStringList foodItems() const
    {
        QStringList items;
        for (int row = 0; row < foodList()->count(); ++row) {
            const std::optional<FoodId> food = foodList()->foodAt(row);
            items.append(food ? QString::fromStdString(m_app->foods().itemText(*food)) : QString());
        }
        return items;
    }

    int rowOfFood(FoodId id) const
    {
        for (int row = 0; row < foodList()->count(); ++row) {
            if (foodList()->foodAt(row) == id) {
                return row;
            }
        }
        return -1;
    }

private:
    std::unique_ptr<TempDir> m_dir;
    MemorySettings* m_settings = nullptr;
    std::unique_ptr<gui::AppContext> m_app;
    std::unique_ptr<gui::CMainFrame> m_frame;
};

} // namespace mw::test
