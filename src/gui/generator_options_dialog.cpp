#include "generator_options_dialog.h"

#include "dialog_texts.h"
#include "model/number_text.h"
#include "model/settings_keys.h"
#include "option_dialog_texts.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "resources.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace mw::gui {
namespace {

constexpr int kIconSize = 32;
// More digits than any target has, so a slip cannot grow without end.
constexpr int kMaxCaloriesDigits = 10;

QString rangeMessage()
{
    return QString(texts::kEnterIntegerBetween).arg(kMinMenuTargetCalories).arg(kMaxMenuTargetCalories);
}

} // namespace

CGeneratorOptionsDlg::CGeneratorOptionsDlg(Settings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("generatorOptionsDialog"));
    setWindowTitle(option_texts::kGeneratorOptionsTitle);

    m_calories = new QLineEdit(this);
    m_calories->setObjectName(QStringLiteral("caloriesEdit"));
    m_calories->setAlignment(Qt::AlignRight);
    m_calories->setMaxLength(kMaxCaloriesDigits);
    m_calories->setFixedWidth(m_calories->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    const int stored = menuTargetCalories(settings);
    m_calories->setText(QString::number(std::clamp(stored, kMinMenuTargetCalories, kMaxMenuTargetCalories)));
    m_calories->selectAll();
    m_random = new QCheckBox(option_texts::kRandomMenu, this);
    m_random->setObjectName(QStringLiteral("randomMenuBox"));
    connect(m_random, &QCheckBox::toggled, m_calories, &QWidget::setDisabled);
    m_random->setChecked(stored == 0);

    initResources();
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("generatorIcon"));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/menu-generator.svg")).pixmap(kIconSize, kIconSize));

    auto* approximately = new QLabel(option_texts::kOfApproximately, this);
    approximately->setBuddy(m_calories);
    auto* target = new QHBoxLayout;
    target->addWidget(approximately);
    target->addWidget(m_calories);
    target->addWidget(new QLabel(option_texts::kCaloriesWhenRequested, this));
    target->addStretch(1);

    auto* text = new QVBoxLayout;
    text->addWidget(new QLabel(option_texts::kGenerateBalancedDiet, this));
    text->addLayout(target);
    text->addWidget(m_random);

    auto* top = new QHBoxLayout;
    top->addLayout(text, 1);
    top->addSpacing(24);
    top->addWidget(icon, 0, Qt::AlignTop);

    auto* ok = new QPushButton(option_texts::kGeneratorOptionsOk, this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setMinimumWidth(ok->fontMetrics().horizontalAdvance(QStringLiteral("OK")) * 5);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(option_texts::kGeneratorOptionsCancel, this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    cancel->setMinimumWidth(ok->minimumWidth());
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(24);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<int> CGeneratorOptionsDlg::readCalories()
{
    if (m_random->isChecked()) {
        return 0;
    }
    const std::optional<long long> typed = parseInteger(toStdString(m_calories->text().trimmed()));
    if (!typed) {
        rejectCalories(option_texts::kEnterPositiveInteger);
        return std::nullopt;
    }
    if (*typed < kMinMenuTargetCalories || *typed > kMaxMenuTargetCalories) {
        rejectCalories(rangeMessage());
        return std::nullopt;
    }
    return static_cast<int>(*typed);
}

void CGeneratorOptionsDlg::rejectCalories(const QString& message)
{
    Prompts::warning(this, texts::kProgramTitle, message);
    m_calories->setFocus(Qt::OtherFocusReason);
    m_calories->selectAll();
}

void CGeneratorOptionsDlg::accept()
{
    const std::optional<int> calories = readCalories();
    if (!calories) {
        return;
    }
    m_storeError = storeMenuTargetCalories(m_settings, *calories);
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    m_stored = *calories;
    QDialog::accept();
}

} // namespace mw::gui
