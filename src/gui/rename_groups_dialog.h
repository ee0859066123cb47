#pragma once

#include "model/settings_keys.h"

#include <QDialog>

#include <array>
#include <system_error>

class QLabel;
class QLineEdit;

namespace mw {
class CFoodAttributeDatabase;
}

namespace mw::gui {

// The names of food lists 1..7 and how many foods each holds. Opens with the stored names (the default name
// where none is stored). "Empty Group" takes every food out of that list at once, in the attribute store it
// was given; Cancel does not bring them back. OK refuses a name of more than 40 characters (the field gets
// the focus), else stores all seven names and accepts the dialog. Escape or Cancel stores no
// name. When the profile cannot be written, OK tells why and the dialog stays open.
//
// listsChanged() is true once a list was emptied or the names were stored: the caller then saves the
// attribute store and repaints the food and meal lists, whether the dialog was accepted or not.
//
// Object names: nameEdit1 .. nameEdit7, countLabel1 .. countLabel7, emptyGroupButton1 .. emptyGroupButton7,
// buttonBox.
class CRenameGroupsDlg : public QDialog
{
    Q_OBJECT

public:
    CRenameGroupsDlg(Settings& settings, CFoodAttributeDatabase& attributes, QWidget* parent = nullptr);

    // The names as they stand in the dialog, blanks around them dropped.
    FoodListNames names() const;
    bool listsChanged() const { return m_listsChanged; }
    // Why the last OK could not store the names; empty once they were stored.
    std::error_code storeError() const { return m_storeError; }

    void accept() override;

signals:
    // A list was emptied, or the names were stored.
    void foodListsChanged();

private:
    void emptyList(int list);
    void showCount(int list);
    void markListsChanged();
    // The first row whose name is too long, else 0.
    int firstOverlongName() const;

    Settings& m_settings;
    CFoodAttributeDatabase& m_attributes;
    bool m_listsChanged = false;
    std::error_code m_storeError;

    // By list 1..7 at index list - 1.
    std::array<QLineEdit*, kNamedFoodListCount> m_names{};
    std::array<QLabel*, kNamedFoodListCount> m_counts{};
};

} // namespace mw::gui
