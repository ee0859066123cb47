#pragma once

#include <QDialog>

#include <optional>
#include <system_error>

class QCheckBox;
class QLineEdit;

namespace mw {
class Settings;
}

namespace mw::gui {

// The calorie target of the menu generator ("Options" / "Wright calories"), 800..3000 kcal, or none (0): a
// random menu. Opens with the stored target brought into that range, or with "Random menu" ticked when none is
// stored; OK stores the typed number, or 0 while "Random menu" is ticked, and accepts, after which calories()
// is the generator's new target. Cancel, Escape or closing the window stores nothing. A number out of range,
// or a profile that cannot be written, is reported and the dialog stays open.
//
// Object names: caloriesEdit, randomMenuBox, okButton, cancelButton.
class CGeneratorOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CGeneratorOptionsDlg(Settings& settings, QWidget* parent = nullptr);

    // The stored target once OK succeeded, else nullopt.
    std::optional<int> calories() const { return m_stored; }
    // Why the last OK could not store the target; empty once it was stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

private:
    // The typed target, or nullopt after telling the user what is wrong with it.
    std::optional<int> readCalories();
    void rejectCalories(const QString& message);

    Settings& m_settings;
    std::optional<int> m_stored;
    std::error_code m_storeError;
    QLineEdit* m_calories = nullptr;
    QCheckBox* m_random = nullptr;
};

} // namespace mw::gui
