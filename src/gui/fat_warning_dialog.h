#pragma once

#include <QDialog>

#include <system_error>

class QSpinBox;

namespace mw {
class Settings;
}

namespace mw::gui {

// The percentage of calories from fat above which the analysis warns, 0..99. Opens with the stored level
// (a hand-edited level outside 0..99 shows as the nearer end); OK stores it and the dialog is then accepted,
// the sign for the caller that the analysis should read it again. Escape stores nothing. When the profile
// cannot be written, OK tells why and the dialog stays open, so the user may try again or close it.
//
// Object names: percentSpinBox, buttonBox.
class CFatWarningDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CFatWarningDlg(Settings& settings, QWidget* parent = nullptr);

    // The level as it stands in the dialog.
    int percent() const;
    // Why the last OK could not store the level; empty once it was stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

private:
    Settings& m_settings;
    std::error_code m_storeError;
    QSpinBox* m_percent = nullptr;
};

} // namespace mw::gui
