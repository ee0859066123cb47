#pragma once

#include "model/settings_keys.h"

#include <QDialog>

#include <system_error>

class QComboBox;

namespace mw::gui {

// What holding down the left and the right mouse button offers for quick amount input: nothing, servings,
// ounces or grams. Opens with the stored choices ("Serving portion" and "Ounce" by default; a stored number
// that names no choice shows as "Off"); OK stores both and the dialog is then accepted. Escape stores
// nothing. When the profile cannot be written, OK tells why and the dialog stays open.
//
// Object names: leftComboBox, rightComboBox, buttonBox.
class CMouseOptionDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CMouseOptionDlg(Settings& settings, QWidget* parent = nullptr);

    // The choices as they stand in the dialog.
    MouseOptions options() const;
    // Why the last OK could not store the choices; empty once they were stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

private:
    QComboBox* createChoiceList(const QString& objectName, MouseChoice selected);

    Settings& m_settings;
    std::error_code m_storeError;
    QComboBox* m_left = nullptr;
    QComboBox* m_right = nullptr;
};

} // namespace mw::gui
