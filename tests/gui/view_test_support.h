#pragma once

// What the tests of a single day view share: the view over a new document in a temporary data folder,
// with a profile in which the analysis settings are stored, and its controls found by name.

#include "app_context.h"
#include "fof_view.h"
#include "frame_test_support.h"

#include "model/day_document.h"
#include "model/settings.h"
#include "support/temp_dir.h"

#include <QString>
#include <QTest>
#include <QUndoStack>

#include <memory>
#include <string>

namespace mw::test {

class ViewFixture
{
protected:
    // userfood is the personal food database the view starts with.
    void startApp(const std::string& userfood = std::string())
    {
        m_dir = std::make_unique<TempDir>();
        if (!userfood.empty()) {
            writeFile(m_dir->file("userfood.txt"), userfood);
        }
        auto settings = profileWithAnalysisSettings();
        m_settings = settings.get();
        m_app = std::make_unique<gui::AppContext>(m_dir->path(), std::move(settings));
        m_document = std::make_unique<CFofDoc>(m_app->foods());
    }

    void stopApp()
    {
        m_view.reset();
        m_history.reset();
        m_document.reset();
        m_app.reset();
        m_dir.reset();
    }

    void makeView()
    {
        m_history = std::make_unique<QUndoStack>();
        m_view = std::make_unique<gui::CFofView>(*m_app, *m_document, *m_history);
        m_view->resize(1000, 700);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    template <typename T>
    T* child(const char* name)
    {
        T* widget = m_view->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no child %s", name);
        }
        return widget;
    }

    std::unique_ptr<TempDir> m_dir;
    MemorySettings* m_settings = nullptr;
    std::unique_ptr<gui::AppContext> m_app;
    std::unique_ptr<CFofDoc> m_document;
    std::unique_ptr<QUndoStack> m_history;
    std::unique_ptr<gui::CFofView> m_view;
};

} // namespace mw::test
