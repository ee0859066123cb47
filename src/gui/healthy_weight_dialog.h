#pragma once

#include "calc/healthy_weight.h"

#include <QDialog>

#include <array>
#include <system_error>

class QLabel;
class QRadioButton;
class QToolButton;

namespace mw {
class Settings;
}

namespace mw::gui {

// The healthy body-weight ranges for the user's height, sex and age group by the 1989 and 1996 guidelines.
// Opens with the "Recommended Weight" settings; OK stores them. Escape stores nothing. When the profile cannot
// be written, OK tells why and the dialog stays open.
//
// Object names: heightLabel, heightDownButton, heightUpButton, maleRadio, femaleRadio, age19To34Radio,
// over34Radio, guidelines1989Label, guidelines1996Label, okButton.
class CHealthyWeightDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CHealthyWeightDlg(Settings& settings, QWidget* parent = nullptr);

    const HealthyWeightForm& form() const { return m_form; }
    // Why the last OK could not store the values; empty once they were stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

private:
    QWidget* createHeightRow();
    QWidget* createChoices();
    QWidget* createRanges();

    void stepHeight(int delta);
    void showHeight();
    void showLines();

    Settings& m_settings;
    HealthyWeightForm m_form;
    std::error_code m_storeError;

    QLabel* m_height = nullptr;
    QToolButton* m_heightDown = nullptr;
    QToolButton* m_heightUp = nullptr;
    QRadioButton* m_male = nullptr;
    QRadioButton* m_female = nullptr;
    QRadioButton* m_age19To34 = nullptr;
    QRadioButton* m_over34 = nullptr;
    std::array<QLabel*, kWeightGuidelines.size()> m_lines{};
};

} // namespace mw::gui
