#include "rename_groups_dialog.h"

#include "dialog_test_support.h"
#include "format/food_attribute_database.h"
#include "model/settings.h"
#include "model/settings_keys.h"
#include "prompts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>

using mw::CFoodAttributeDatabase;
using mw::FoodId;
using mw::MemorySettings;
using mw::gui::CRenameGroupsDlg;
using mw::gui::Prompts;
using mw::test::clickButton;
using mw::test::typeOver;

namespace {

const QStringList kDefaultNames = {
    QStringLiteral("Good Carbohydrates"), QStringLiteral("Bad Carbohydrates"), QStringLiteral("Antioxidant Best Bets"),
    QStringLiteral("Acne Foods"),         QStringLiteral("Dry Skin Foods"),    QStringLiteral("Rosacea Foods"),
    QStringLiteral("Omega-3 Foods"),
};

std::unique_ptr<CRenameGroupsDlg> openDialog(MemorySettings& settings, CFoodAttributeDatabase& attributes)
{
    return mw::test::openDialog<CRenameGroupsDlg>(settings, attributes);
}

QLineEdit* nameEdit(const QDialog& dialog, int list)
{
    return mw::test::child<QLineEdit>(dialog, QStringLiteral("nameEdit%1").arg(list));
}

QString countText(const QDialog& dialog, int list)
{
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("countLabel%1").arg(list));
    return label ? label->text() : QStringLiteral("<missing>");
}

void clickEmpty(const QDialog& dialog, int list)
{
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("emptyGroupButton%1").arg(list));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Empty Group"));
    QTest::mouseClick(button, Qt::LeftButton);
}

std::string storedName(const MemorySettings& settings, int list)
{
    return settings.readText(mw::setting::kFoodGroups, std::to_string(list), "<missing>");
}

std::uint16_t listMask(int list)
{
    return CFoodAttributeDatabase::listMask(list);
}

// List 1 holds a standard food, the last personal food and a hidden food that is also in list 2; list 3 one
// food.
CFoodAttributeDatabase sampleLists()
{
    CFoodAttributeDatabase attributes;
    attributes.set(0, listMask(1));
    attributes.set(4642, listMask(1));
    attributes.set(17, listMask(1) | listMask(2) | CFoodAttributeDatabase::kHidden);
    attributes.set(5, listMask(3) | listMask(8));
    return attributes;
}

} // namespace

class RenameGroupsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup() { Prompts::takeShownMessages(); }

    void freshProfileShowsTheDefaultNamesAndTheCounts()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes = sampleLists();
        const auto dialog = openDialog(settings, attributes);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Rename Personal Food Groups"));
        for (int list = 1; list <= 7; ++list) {
            QCOMPARE(nameEdit(*dialog, list)->text(), kDefaultNames[list - 1]);
        }
        QCOMPARE(countText(*dialog, 1), QStringLiteral("3"));
        QCOMPARE(countText(*dialog, 2), QStringLiteral("1"));
        QCOMPARE(countText(*dialog, 3), QStringLiteral("1"));
        QCOMPARE(countText(*dialog, 7), QStringLiteral("0"));
        QVERIFY(!dialog->listsChanged());
        QVERIFY(settings.empty());
    }

    void storedNamesAreShownAndEmptyOnesFallBack()
    {
        MemorySettings settings;
        QVERIFY(!settings.writeText("foodgroups", "3", "Berries"));
        QVERIFY(!settings.writeText(mw::setting::kFoodGroups, "4", ""));
        CFoodAttributeDatabase attributes;
        const auto dialog = openDialog(settings, attributes);
        QCOMPARE(nameEdit(*dialog, 3)->text(), QStringLiteral("Berries"));
        QCOMPARE(nameEdit(*dialog, 4)->text(), QStringLiteral("Acne Foods"));
    }

    void okStoresSevenNamesAndReportsTheChange()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes = sampleLists();
        const auto dialog = openDialog(settings, attributes);
        QSignalSpy changed(dialog.get(), &CRenameGroupsDlg::foodListsChanged);
        typeOver(nameEdit(*dialog, 3), QStringLiteral("Berries & Greens"));
        typeOver(nameEdit(*dialog, 5), QStringLiteral("  Winter skin\t"));
        typeOver(nameEdit(*dialog, 6), QString());
        clickButton(*dialog, QDialogButtonBox::Ok);

        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(dialog->listsChanged());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(storedName(settings, 1), std::string("Good Carbohydrates"));
        QCOMPARE(storedName(settings, 3), std::string("Berries & Greens"));
        QCOMPARE(storedName(settings, 5), std::string("Winter skin"));
        QCOMPARE(storedName(settings, 6), std::string());
        QCOMPARE(storedName(settings, 7), std::string("Omega-3 Foods"));
        QCOMPARE(settings.writeCount(), 1);
        QCOMPARE(attributes.words(), sampleLists().words());

        // The emptied name brings the default back.
        const auto again = openDialog(settings, attributes);
        QCOMPARE(nameEdit(*again, 6)->text(), QStringLiteral("Rosacea Foods"));
        QCOMPARE(mw::foodListName(settings, 6), std::string("Rosacea Foods"));
    }

    void emptyGroupClearsOnlyThatListAndCancelKeepsItEmpty()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes = sampleLists();
        const auto dialog = openDialog(settings, attributes);
        QSignalSpy changed(dialog.get(), &CRenameGroupsDlg::foodListsChanged);
        typeOver(nameEdit(*dialog, 2), QStringLiteral("Sweets"));
        clickEmpty(*dialog, 1);

        QCOMPARE(countText(*dialog, 1), QStringLiteral("0"));
        QCOMPARE(countText(*dialog, 2), QStringLiteral("1"));
        QCOMPARE(attributes.count(listMask(1)), 0);
        QCOMPARE(attributes.test(17, 0xFFFF), std::uint16_t(listMask(2) | CFoodAttributeDatabase::kHidden));
        QCOMPARE(attributes.test(5, 0xFFFF), std::uint16_t(listMask(3) | listMask(8)));
        QVERIFY(dialog->listsChanged());
        QCOMPARE(changed.count(), 1);
        // What was typed before stays in the fields.
        QCOMPARE(nameEdit(*dialog, 2)->text(), QStringLiteral("Sweets"));
        QVERIFY(dialog->isVisible());

        clickButton(*dialog, QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(dialog->listsChanged());
        QCOMPARE(attributes.count(listMask(1)), 0);
        QVERIFY(settings.empty());
    }

    void emptyingAnEmptyListChangesNoFlag()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes = sampleLists();
        const auto dialog = openDialog(settings, attributes);
        clickEmpty(*dialog, 7);
        QCOMPARE(attributes.words(), sampleLists().words());
        QCOMPARE(countText(*dialog, 7), QStringLiteral("0"));
    }

    // Typed or pasted, a name stops at 40 characters, letters beyond ASCII counting one each.
    void namesStopAtFortyCharacters()
    {
        MemorySettings settings;
        CFoodAttributeDatabase attributes;
        const auto dialog = openDialog(settings, attributes);
        typeOver(nameEdit(*dialog, 2), QString(45, QLatin1Char('x')));
        QCOMPARE(nameEdit(*dialog, 2)->text(), QString(40, QLatin1Char('x')));
        const QString accented(40, QChar(0x00E9));
        nameEdit(*dialog, 4)->clear();
        nameEdit(*dialog, 4)->insert(accented + QChar(0x00E9));
        QCOMPARE(nameEdit(*dialog, 4)->text(), accented);
        clickButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(storedName(settings, 2), std::string(40, 'x'));
        QCOMPARE(QString::fromStdString(storedName(settings, 4)), accented);
    }

    void overlongStoredNameIsShownWholeAndRefusedOnOk()
    {
        MemorySettings settings;
        const std::string longName(45, 'n');
        QVERIFY(!settings.writeText(mw::setting::kFoodGroups, "5", longName));
        CFoodAttributeDatabase attributes;
        const auto dialog = openDialog(settings, attributes);
        QLineEdit* edit = nameEdit(*dialog, 5);
        QCOMPARE(edit->text(), QString::fromStdString(longName));
        typeOver(nameEdit(*dialog, 1), QStringLiteral("Renamed"));
        clickButton(*dialog, QDialogButtonBox::Ok);

        QVERIFY(dialog->isVisible());
        QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("Please enter no more than 40 characters.")});
        QCOMPARE(storedName(settings, 1), std::string("<missing>"));
        QVERIFY(!dialog->listsChanged());
        QCOMPARE(dialog->focusWidget(), edit);

        // Shortened, it is taken, and from then on typing stops at 40.
        edit->setText(QString(40, QLatin1Char('n')));
        QTest::keyClicks(edit, QStringLiteral("more"));
        QCOMPARE(edit->text().size(), 40);
        clickButton(*dialog, QDialogButtonBox::Ok);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(storedName(settings, 1), std::string("Renamed"));
        QCOMPARE(storedName(settings, 5), std::string(40, 'n'));
    }
};

QTEST_MAIN(RenameGroupsDialogTest)
#include "rename_groups_dialog_test.moc"
