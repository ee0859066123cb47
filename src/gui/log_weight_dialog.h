#pragma once

#include "format/weight_log.h"
#include "model/diary_date.h"

#include <QDialog>

class QDateEdit;
class QLineEdit;

namespace mw::gui {

// "Log Weight": a date (today unless the user picks an earlier one) and a weight in pounds or kilograms.
class CLogWeightDialog : public QDialog
{
    Q_OBJECT

public:
    CLogWeightDialog(const DiaryDate& today, bool kilograms, QWidget* parent = nullptr);

    DiaryDate date() const;
    void setDate(const DiaryDate& date);
    // The weight typed, in tenths of a pound; valid once the dialog is accepted.
    WeightTenths weight() const { return m_weight; }

    void accept() override;

private:
    QDateEdit* m_dateEdit = nullptr;
    QLineEdit* m_weightEdit = nullptr;
    bool m_kilograms = false;
    WeightTenths m_weight = 0;
};

} // namespace mw::gui
