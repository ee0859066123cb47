// Prints how much the desktop program's resident memory grows when the USDA food dialog opens and
// searches: the main frame with a day is shown first, then the dialog, each painted offscreen.
#include "app_context.h"
#include "main_window.h"
#include "usda_food_dialog.h"

#include "calc/intake_preferences.h"
#include "calc/requirements.h"
#include "model/settings.h"
#include "model/settings_keys.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <fstream>
#include <iostream>
#include <string>

namespace {

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QTemporaryDir data;
    // Stored requirements and preferences, so that no first-start dialog waits for an answer.
    auto settings = std::make_unique<mw::MemorySettings>();
    const mw::CaloricNeedInputs inputs{40, 160, 5, 0};
    mw::storeCaloricNeed(*settings, inputs);
    mw::storePreferences(*settings, mw::defaultPreferences(mw::ComputeRequirements(inputs)));
    mw::gui::AppContext context(std::filesystem::path(data.path().toStdString()), std::move(settings));
    mw::gui::CMainFrame frame(context, 1024);
    frame.show();
    frame.newDay();
    settle();
    const long before = residentKilobytes();

    mw::gui::CUsdaFoodDlg dialog(context.personalFoods(), &frame);
    dialog.show();
    for (const char* typed : {"m", "mi", "mil", "milk", "milk whole"}) {
        dialog.findChild<QLineEdit*>(QStringLiteral("searchEdit"))->setText(QString::fromLatin1(typed));
        settle();
    }
    const long after = residentKilobytes();
    std::cout << "before " << before / 1024.0 << " MB, dialog open " << after / 1024.0 << " MB, growth "
              << (after - before) / 1024.0 << " MB\n";
    return 0;
}
