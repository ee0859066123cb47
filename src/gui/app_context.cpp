#include "app_context.h"

#include "format/diary_folder.h"

#include <QGuiApplication>

namespace mw::gui {

AppContext::AppContext(std::filesystem::path dataDir, std::unique_ptr<Settings> settings, QObject* parent)
    : QObject(parent), m_dataDir(std::move(dataDir)), m_settings(std::move(settings)), m_foods(&m_personalFoods)
{
    m_personalOpened = m_personalFoods.open(m_dataDir);
    m_attributesLoaded = m_attributes.load(m_dataDir / "fad.dat");
    // Coming back to the program after adding foods with the command-line tool shows them at once.
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive) {
                catchUpWithPersonalFoods();
            }
        });
    }
}

AppContext::~AppContext()
{
    m_attributes.saveIfChanged();
}

std::error_code AppContext::foodFlagsChanged()
{
    const std::error_code error = m_attributes.saveIfChanged();
    emit foodFlagsChangedSignal();
    return error;
}

void AppContext::personalFoodAdded()
{
    emit personalFoodAddedSignal();
}

void AppContext::personalFoodChanged(FoodId id)
{
    emit personalFoodChangedSignal(id);
}

void AppContext::catchUpWithPersonalFoods()
{
    const std::size_t known = m_personalFoods.count();
    // A file rewritten by another program is reported when the user next adds a food.
    m_personalFoods.catchUp();
    if (m_personalFoods.count() != known) {
        emit personalFoodAddedSignal();
    }
}

void AppContext::analysisSettingsChanged()
{
    emit analysisSettingsChangedSignal();
}

std::filesystem::path AppContext::diaryFolder() const
{
    return m_runDiaryFolder.empty() ? mw::diaryFolder(*m_settings) : m_runDiaryFolder;
}

void AppContext::setReversedGroupOrder(bool reversed)
{
    if (reversed == m_reversedGroupOrder) {
        return;
    }
    m_reversedGroupOrder = reversed;
    emit groupOrderChangedSignal();
}

} // namespace mw::gui
