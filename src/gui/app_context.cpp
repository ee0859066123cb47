#include "app_context.h"

namespace mw::gui {

AppContext::AppContext(std::filesystem::path dataDir, std::unique_ptr<Settings> settings, QObject* parent)
    : QObject(parent), m_dataDir(std::move(dataDir)), m_settings(std::move(settings)), m_foods(&m_personalFoods)
{
    m_personalOpened = m_personalFoods.open(m_dataDir);
    m_attributesLoaded = m_attributes.load(m_dataDir / "fad.dat");
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

void AppContext::analysisSettingsChanged()
{
    emit analysisSettingsChangedSignal();
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
