#include "log_weight_dialog.h"

#include "prompts.h"
#include "qt_bridge.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace mw::gui {
namespace {

QDate toQDate(const DiaryDate& date)
{
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

QString problemText(WeightInputError error, bool kilograms)
{
    switch (error) {
    case WeightInputError::kNotANumber:
        return QCoreApplication::translate("Mealwright", "Please type the weight as a number, for example %1.")
            .arg(kilograms ? QStringLiteral("73.5") : QStringLiteral("162.4"));
    case WeightInputError::kNotAboveZero:
        return QCoreApplication::translate("Mealwright", "The weight must be above 0.");
    case WeightInputError::kTooHeavy:
        return QCoreApplication::translate("Mealwright", "The weight must be at most 1,500 lb (680 kg).");
    case WeightInputError::kNone:
        break;
    }
    return {};
}

} // namespace

CLogWeightDialog::CLogWeightDialog(const DiaryDate& today, bool kilograms, QWidget* parent)
    : QDialog(parent), m_kilograms(kilograms)
{
    setObjectName(QStringLiteral("logWeightDialog"));
    setWindowTitle(QCoreApplication::translate("Mealwright", "Log Weight"));
    m_dateEdit = new QDateEdit(toQDate(today));
    m_dateEdit->setObjectName(QStringLiteral("logWeightDate"));
    m_dateEdit->setCalendarPopup(true);
    m_dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_dateEdit->setDateRange(toQDate(kFirstDiaryDate), toQDate(today));
    m_weightEdit = new QLineEdit;
    m_weightEdit->setObjectName(QStringLiteral("logWeightValue"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLogWeightDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLogWeightDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QCoreApplication::translate("Mealwright", "&Date:"), m_dateEdit);
    form->addRow(kilograms ? QStringLiteral("&Weight (kg):")
                           : QCoreApplication::translate("Mealwright", "&Weight (lb):"),
                 m_weightEdit);
    form->addRow(buttons);
    m_weightEdit->setFocus();
}

DiaryDate CLogWeightDialog::date() const
{
    const QDate date = m_dateEdit->date();
    return DiaryDate{std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
                     std::chrono::day{static_cast<unsigned>(date.day())}};
}

void CLogWeightDialog::setDate(const DiaryDate& date)
{
    m_dateEdit->setDate(toQDate(date));
}

void CLogWeightDialog::accept()
{
    const WeightInput input = parseWeightInput(toStdString(m_weightEdit->text()), m_kilograms);
    if (input.error != WeightInputError::kNone) {
        Prompts::warning(this, windowTitle(), problemText(input.error, m_kilograms));
        m_weightEdit->setFocus();
        return;
    }
    m_weight = input.tenths;
    QDialog::accept();
}

} // namespace mw::gui
