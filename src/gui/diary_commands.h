#pragma once

// The commands of the Diary menu: the weight log and its chart, and weights in kilograms.

#include <QObject>

class QWidget;

namespace mw::gui {

class ActionRegistry;
class AppContext;

class DiaryCommands : public QObject
{
    Q_OBJECT

public:
    // The frame and its registry must outlive the commands.
    DiaryCommands(AppContext& app, ActionRegistry& actions, QWidget* frame);

    // The weight window, opened or brought forward.
    void showWeightChart();
    void logWeight();
    void setWeightsInKilograms(bool kilograms);

private:
    AppContext& m_app;
    QWidget* m_frame;
};

} // namespace mw::gui
