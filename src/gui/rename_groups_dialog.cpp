#include "rename_groups_dialog.h"

#include "dialog_texts.h"
#include "format/food_attribute_database.h"
#include "model/text_trim.h"
#include "prompts.h"
#include "qt_bridge.h"
#include "selection_dialog_texts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstddef>

namespace mw::gui {
namespace {

constexpr int kNameColumnCharacters = 44;

std::size_t slotOf(int list)
{
    return static_cast<std::size_t>(list - 1);
}

// Characters as the user sees them: a pair of UTF-16 surrogates is one.
qsizetype characterCount(const QString& text)
{
    return static_cast<qsizetype>(text.toUcs4().size());
}

// Typing stops at the limit, as in any field with a maximum; a longer name read from the profile is shown
// whole (not cut behind the user's back) and is refused on OK until it is shortened.
void limitTypingOnceShort(QLineEdit* edit)
{
    if (edit->text().size() <= kMaxFoodListNameLength) {
        edit->setMaxLength(kMaxFoodListNameLength);
    }
}

} // namespace

CRenameGroupsDlg::CRenameGroupsDlg(Settings& settings, CFoodAttributeDatabase& attributes, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_attributes(attributes)
{
    setObjectName(QStringLiteral("renameGroupsDialog"));
    setWindowTitle(texts::kRenameGroupsTitle);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(texts::kGroupNameHeading, this), 0, 1);
    auto* countHeading = new QLabel(texts::kFoodCountHeading, this);
    grid->addWidget(countHeading, 0, 2, Qt::AlignRight);

    for (int list = 1; list <= kNamedFoodListCount; ++list) {
        auto* name = new QLineEdit(toQString(foodListName(m_settings, list)), this);
        name->setObjectName(QStringLiteral("nameEdit%1").arg(list));
        name->setMinimumWidth(name->fontMetrics().averageCharWidth() * kNameColumnCharacters);
        limitTypingOnceShort(name);
        connect(name, &QLineEdit::textChanged, this, [name] { limitTypingOnceShort(name); });

        auto* label = new QLabel(QString(texts::kGroupRowLabel).arg(list), this);
        label->setBuddy(name);

        auto* count = new QLabel(this);
        count->setObjectName(QStringLiteral("countLabel%1").arg(list));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("00000")));

        auto* empty = new QPushButton(texts::kEmptyGroupButton, this);
        empty->setObjectName(QStringLiteral("emptyGroupButton%1").arg(list));
        empty->setAutoDefault(false);
        connect(empty, &QPushButton::clicked, this, [this, list] { emptyList(list); });

        grid->addWidget(label, list, 0);
        grid->addWidget(name, list, 1);
        grid->addWidget(count, list, 2);
        grid->addWidget(empty, list, 3);
        m_names[slotOf(list)] = name;
        m_counts[slotOf(list)] = count;
        showCount(list);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(2, countHeading->sizeHint().width());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

FoodListNames CRenameGroupsDlg::names() const
{
    FoodListNames names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = std::string(trimBlanks(toStdString(m_names[i]->text())));
    }
    return names;
}

void CRenameGroupsDlg::emptyList(int list)
{
    const std::uint16_t mask = CFoodAttributeDatabase::listMask(list);
    for (std::size_t id = 0; id < kFoodAttributeWordCount; ++id) {
        m_attributes.clear(static_cast<FoodId>(id), mask);
    }
    showCount(list);
    markListsChanged();
}

void CRenameGroupsDlg::showCount(int list)
{
    m_counts[slotOf(list)]->setText(QString::number(m_attributes.count(CFoodAttributeDatabase::listMask(list))));
}

void CRenameGroupsDlg::markListsChanged()
{
    m_listsChanged = true;
    emit foodListsChanged();
}

int CRenameGroupsDlg::firstOverlongName() const
{
    for (int list = 1; list <= kNamedFoodListCount; ++list) {
        if (characterCount(m_names[slotOf(list)]->text()) > kMaxFoodListNameLength) {
            return list;
        }
    }
    return 0;
}

void CRenameGroupsDlg::accept()
{
    if (const int list = firstOverlongName()) {
        QLineEdit* name = m_names[slotOf(list)];
        Prompts::warning(this, texts::kProgramTitle, QString(texts::kEnterNoMoreThan).arg(kMaxFoodListNameLength));
        name->setFocus();
        name->selectAll();
        return;
    }
    m_storeError = storeFoodListNames(m_settings, names());
    if (!settingsStoredOrWarned(this, m_storeError)) {
        return;
    }
    markListsChanged();
    QDialog::accept();
}

} // namespace mw::gui
