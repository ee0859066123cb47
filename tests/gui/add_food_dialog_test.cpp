#include "add_food_dialog.h"

#include "format/personal_food_database.h"
#include "prompts.h"
#include "support/temp_dir.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <string>

using mw::NutrientVector;
using mw::PersonalFoodDatabase;
using mw::gui::CAddFoodDlg;
using mw::gui::Prompts;
using mw::test::readFile;
using mw::test::TempDir;
using mw::test::writeFile;

namespace {

const QString kPrompt = QStringLiteral("Please enter food or recipe name here.");

QLineEdit* edit(const QDialog& dialog, const QString& name)
{
    auto* field = dialog.findChild<QLineEdit*>(name);
    if (!field) {
        qFatal("no edit %s", qPrintable(name));
    }
    return field;
}

QLineEdit* nameEdit(const QDialog& dialog)
{
    return edit(dialog, QStringLiteral("nameEdit"));
}

QLineEdit* unitEdit(const QDialog& dialog)
{
    return edit(dialog, QStringLiteral("unitEdit"));
}

QLineEdit* valueEdit(const QDialog& dialog, int nutrient)
{
    return edit(dialog, QStringLiteral("value%1").arg(nutrient));
}

void typeInto(QLineEdit* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    }
    QTest::keyClicks(field, text);
}

void click(const QDialog& dialog, const char* name)
{
    auto* button = dialog.findChild<QPushButton*>(QLatin1String(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString text(const std::string& bytes)
{
    return QString::fromStdString(bytes);
}

// A stew of 300 g as the view keeps a meal's totals.
NutrientVector stewTotals()
{
    NutrientVector totals;
    totals[mw::kWeight] = 300.0f;
    totals[mw::kCalories] = 1234.5678f;
    totals[mw::kProtein] = 20.25f;
    totals[mw::kTotalFat] = 12.345f;
    totals[mw::kVitaminC] = 0.07f;
    totals[mw::kSodium] = 2345.6f;
    return totals;
}

// The 28 values of a line after the weight and calories given, all others 0.
std::string line(const std::string& nameAndPortion, const std::string& weight, const std::string& calories)
{
    std::string text = "\"" + nameAndPortion + "\", " + weight + ", " + calories + ", ";
    for (int i = 2; i < mw::kNutrientCount; ++i) {
        text += "0, ";
    }
    return text + "\r\n";
}

// A userfood.txt of count foods.
std::string foodFile(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += line("Food " + std::to_string(i) + " [1 cup]", "100", "50");
    }
    return bytes;
}

struct Fixture
{
    TempDir dir;
    PersonalFoodDatabase foods;
    std::unique_ptr<CAddFoodDlg> dialog;
    std::unique_ptr<QSignalSpy> added;

    std::filesystem::path file() const { return dir.file("userfood.txt"); }
    std::string fileBytes() const { return readFile(file()); }
    QString fileText() const { return text(fileBytes()); }

    void open(const NutrientVector& totals,
              PersonalFoodDatabase::Access access = PersonalFoodDatabase::Access::kReadWrite)
    {
        const mw::PersonalFoodOpenResult opened = foods.open(dir.path(), access);
        QVERIFY(opened.status == mw::PersonalFoodStatus::kOk || opened.status == mw::PersonalFoodStatus::kReadOnly);
        dialog = std::make_unique<CAddFoodDlg>(foods, totals);
        added = std::make_unique<QSignalSpy>(dialog.get(), &CAddFoodDlg::foodAdded);
        dialog->open();
    }
};

} // namespace

class AddFoodDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setScripted(true); }
    void cleanup()
    {
        Prompts::takeShownMessages();
        QLocale::setDefault(QLocale::c());
    }

    void opensWithTheMealTotalsInSixDigits()
    {
        Fixture f;
        f.open(stewTotals());
        const QDialog& dialog = *f.dialog;

        QCOMPARE(nameEdit(dialog)->text(), kPrompt);
        QCOMPARE(nameEdit(dialog)->selectedText(), kPrompt);
        QCOMPARE(dialog.focusWidget(), nameEdit(dialog));
        QCOMPARE(unitEdit(dialog)->text(), QStringLiteral("1 serving"));
        QCOMPARE(valueEdit(dialog, mw::kWeight)->text(), QStringLiteral("300"));
        QCOMPARE(valueEdit(dialog, mw::kCalories)->text(), QStringLiteral("1234.57"));
        QCOMPARE(valueEdit(dialog, mw::kProtein)->text(), QStringLiteral("20.25"));
        QCOMPARE(valueEdit(dialog, mw::kTotalFat)->text(), QStringLiteral("12.345"));
        QCOMPARE(valueEdit(dialog, mw::kVitaminC)->text(), QStringLiteral("0.07"));
        QCOMPARE(valueEdit(dialog, mw::kSodium)->text(), QStringLiteral("2345.6"));
        QCOMPARE(valueEdit(dialog, mw::kAlcohol)->text(), QStringLiteral("0"));
        QCOMPARE(f.added->count(), 0);
        QCOMPARE(f.fileBytes(), std::string());
        // Only Add and Close; Add is the default.
        QCOMPARE(dialog.findChildren<QPushButton*>().size(), 2);
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("addButton"))->isDefault());
    }

    void anEmptyMealFailsOnTheWeightUntilOneIsTyped()
    {
        Fixture f;
        f.open(NutrientVector{});
        click(*f.dialog, "addButton");

        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("Weight: Please enter a number between 1 and 9999.")});
        QCOMPARE(f.dialog->focusWidget(), valueEdit(*f.dialog, mw::kWeight));
        QCOMPARE(valueEdit(*f.dialog, mw::kWeight)->selectedText(), QStringLiteral("0"));
        QCOMPARE(f.added->count(), 0);
        QCOMPARE(f.foods.count(), 0u);
        QCOMPARE(f.fileBytes(), std::string());
        QCOMPARE(nameEdit(*f.dialog)->text(), kPrompt);

        typeInto(valueEdit(*f.dialog, mw::kWeight), QStringLiteral("150"));
        typeInto(nameEdit(*f.dialog), QStringLiteral("Toast"));
        typeInto(unitEdit(*f.dialog), QStringLiteral("2 slices"));
        typeInto(valueEdit(*f.dialog, mw::kCalories), QStringLiteral(" 2604.9 "));
        click(*f.dialog, "addButton");

        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QCOMPARE(f.fileText(), text(line("Toast [2 slices]", "150", "2605")));
        QCOMPARE(f.added->count(), 1);
        QCOMPARE(f.foods.count(), 1u);
        QCOMPARE(valueEdit(*f.dialog, mw::kCalories)->text(), QStringLiteral("2604.9"));
    }

    void eachAddCountsAndKeepsTheValues()
    {
        Fixture f;
        f.open(stewTotals());
        typeInto(nameEdit(*f.dialog), QStringLiteral("Stew"));
        click(*f.dialog, "addButton");
        const auto told = [&f] { return f.dialog->findChild<QLabel*>(QStringLiteral("addedLabel"))->text(); };
        QCOMPARE(told(), QStringLiteral("“Stew [1 serving]” is now personal food 643."));
        QVERIFY(nameEdit(*f.dialog)->text().isEmpty());
        QCOMPARE(unitEdit(*f.dialog)->text(), QStringLiteral("1 serving"));
        QCOMPARE(valueEdit(*f.dialog, mw::kCalories)->text(), QStringLiteral("1234.57"));
        QCOMPARE(f.dialog->focusWidget(), nameEdit(*f.dialog));

        // Enter presses Add; a second press without a new name stores nothing.
        QTest::keyClick(nameEdit(*f.dialog), Qt::Key_Return);
        QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("Name: Please type the food's name.")});
        QCOMPARE(f.foods.count(), 1u);
        typeInto(nameEdit(*f.dialog), QStringLiteral("Big stew"));
        QTest::keyClick(nameEdit(*f.dialog), Qt::Key_Return);
        typeInto(valueEdit(*f.dialog, mw::kWeight), QStringLiteral("150"));
        typeInto(nameEdit(*f.dialog), QStringLiteral("Half stew"));
        click(*f.dialog, "addButton");
        QCOMPARE(told(), QStringLiteral("“Half stew [1 serving]” is now personal food 645. 3 foods added so far."));
        QVERIFY(f.dialog->isVisible());

        QCOMPARE(f.added->count(), 3);
        QCOMPARE(f.added->at(0).at(0).value<mw::FoodId>(), mw::FoodId{643});
        QCOMPARE(f.added->at(2).at(0).value<mw::FoodId>(), mw::FoodId{645});
        QCOMPARE(f.foods.count(), 3u);
        QCOMPARE(f.foods.record(0)->text, std::string("Stew [1 serving]"));
        QCOMPARE(f.foods.record(1)->text, std::string("Big stew [1 serving]"));
        QCOMPARE(f.foods.record(2)->text, std::string("Half stew [1 serving]"));
        const QString stew =
            QStringLiteral("\"Stew [1 serving]\", 300, 1235, 20.25, 0, 12.35, 0, 0, 0, 0, 0, 0, 0, 0.1, ");
        QCOMPARE(f.fileText().left(stew.size()), stew);
        QVERIFY(Prompts::takeShownMessages().isEmpty());
    }

    void quotesAndBracketsAreWrittenAsBlanks()
    {
        Fixture f;
        f.open(stewTotals());
        typeInto(nameEdit(*f.dialog), QStringLiteral("Mom's \"best\" [stew]"));
        typeInto(unitEdit(*f.dialog), QStringLiteral("1 [big] bowl"));
        click(*f.dialog, "addButton");

        const std::string written = f.fileBytes();
        QVERIFY2(written.starts_with("\"Mom's  best   stew  [1  big  bowl]\", 300, "), written.c_str());
        QCOMPARE(f.foods.record(0)->text, std::string("Mom's  best   stew  [1  big  bowl]"));
    }

    void aBlankNameIsRefused()
    {
        Fixture f;
        f.open(stewTotals());
        typeInto(nameEdit(*f.dialog), QStringLiteral("  "));
        click(*f.dialog, "addButton");
        QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("Name: Please type the food's name.")});
        QCOMPARE(f.dialog->focusWidget(), nameEdit(*f.dialog));
        QCOMPARE(f.fileBytes(), std::string());
        QCOMPARE(f.added->count(), 0);
    }

    void theNameAndUnitTakeNoMoreThanTheirLength()
    {
        Fixture f;
        f.open(stewTotals());
        typeInto(nameEdit(*f.dialog), QString(90, QLatin1Char('n')));
        typeInto(unitEdit(*f.dialog), QString(30, QLatin1Char('u')));
        QCOMPARE(nameEdit(*f.dialog)->text().size(), 80);
        QCOMPARE(unitEdit(*f.dialog)->text().size(), 20);
        click(*f.dialog, "addButton");
        QCOMPARE(f.foods.record(0)->text, std::string(80, 'n') + " [" + std::string(20, 'u') + "]");
    }

    void aBadValueIsNamedFocusedAndNothingIsWritten_data()
    {
        QTest::addColumn<int>("nutrient");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const QString number = QStringLiteral("Please enter a number.");
        const QString upTo9999 = QStringLiteral("Please enter a number between 0 and 9999.");
        QTest::newRow("weight under 1") << int(mw::kWeight) << QStringLiteral("0.5")
                                        << QStringLiteral("Weight: Please enter a number between 1 and 9999.");
        QTest::newRow("weight over 9999") << int(mw::kWeight) << QStringLiteral("10000")
                                          << QStringLiteral("Weight: Please enter a number between 1 and 9999.");
        QTest::newRow("letters") << int(mw::kProtein) << QStringLiteral("abc") << QStringLiteral("Protein: ") + number;
        QTest::newRow("empty") << int(mw::kFiber) << QString() << QStringLiteral("Fiber: ") + number;
        QTest::newRow("decimal comma") << int(mw::kCalories) << QStringLiteral("1,5")
                                       << QStringLiteral("Energy: ") + number;
        QTest::newRow("trailing unit") << int(mw::kIron) << QStringLiteral("12mg") << QStringLiteral("Iron: ") + number;
        QTest::newRow("not a number") << int(mw::kZinc) << QStringLiteral("nan") << QStringLiteral("Zinc: ") + number;
        QTest::newRow("infinite") << int(mw::kCopper) << QStringLiteral("inf") << QStringLiteral("Copper: ") + number;
        QTest::newRow("negative") << int(mw::kSaturatedFat) << QStringLiteral("-1")
                                  << QStringLiteral("Saturated Fat: ") + upTo9999;
        QTest::newRow("exponent too large")
            << int(mw::kAlcohol) << QStringLiteral("1e300") << QStringLiteral("Alcohol: ") + upTo9999;
        QTest::newRow("just over") << int(mw::kPotassium) << QStringLiteral("9999.5")
                                   << QStringLiteral("Potassium: ") + upTo9999;
        QTest::newRow("meal total over 9999")
            << int(mw::kSodium) << QStringLiteral("123456") << QStringLiteral("Sodium: ") + upTo9999;
    }

    void aBadValueIsNamedFocusedAndNothingIsWritten()
    {
        QFETCH(int, nutrient);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        NutrientVector totals;
        totals[mw::kWeight] = 100.0f;
        Fixture f;
        f.open(totals);
        QLineEdit* field = valueEdit(*f.dialog, nutrient);
        typeInto(field, typed);
        click(*f.dialog, "addButton");

        QCOMPARE(Prompts::takeShownMessages(), QStringList{message});
        QCOMPARE(f.dialog->focusWidget(), field);
        QCOMPARE(field->selectedText(), field->text());
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.added->count(), 0);
        QCOMPARE(f.fileBytes(), std::string());
        QCOMPARE(nameEdit(*f.dialog)->text(), kPrompt);
    }

    void theFirstBadFieldInOrderIsReported()
    {
        NutrientVector totals;
        totals[mw::kWeight] = 100.0f;
        Fixture f;
        f.open(totals);
        typeInto(valueEdit(*f.dialog, mw::kFolate), QStringLiteral("x"));
        typeInto(valueEdit(*f.dialog, mw::kCholesterol), QStringLiteral("-3"));
        typeInto(valueEdit(*f.dialog, mw::kCalcium), QStringLiteral("99999"));

        click(*f.dialog, "addButton");
        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("Cholesterol: Please enter a number between 0 and 9999.")});
        typeInto(valueEdit(*f.dialog, mw::kCholesterol), QStringLiteral("3"));
        click(*f.dialog, "addButton");
        QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("Folate: Please enter a number.")});
        QCOMPARE(f.dialog->focusWidget(), valueEdit(*f.dialog, mw::kFolate));
        typeInto(valueEdit(*f.dialog, mw::kFolate), QStringLiteral("40"));
        click(*f.dialog, "addButton");
        QCOMPARE(Prompts::takeShownMessages(),
                 QStringList{QStringLiteral("Calcium: Please enter a number between 0 and 9999.")});
        QCOMPARE(f.fileBytes(), std::string());
    }

    void numbersAreTheSameInEveryLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Fixture f;
        f.open(stewTotals());
        QCOMPARE(valueEdit(*f.dialog, mw::kProtein)->text(), QStringLiteral("20.25"));
        typeInto(valueEdit(*f.dialog, mw::kProtein), QStringLiteral("2.5"));
        click(*f.dialog, "addButton");
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QCOMPARE(f.foods.record(0)->values[mw::kProtein], 2.5f);

        typeInto(valueEdit(*f.dialog, mw::kProtein), QStringLiteral("2,5"));
        typeInto(nameEdit(*f.dialog), QStringLiteral("Stew"));
        click(*f.dialog, "addButton");
        QCOMPARE(Prompts::takeShownMessages(), QStringList{QStringLiteral("Protein: Please enter a number.")});
    }

    // A database that cannot take the food is reported; the dialog keeps what was typed and counts nothing.
    void aDatabaseThatCannotTakeTheFoodIsReported_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("read-only") << 2 << true << QStringLiteral("Stew")
                                   << QStringList{QStringLiteral("cannot be written"), QStringLiteral("userfood.txt")};
        QTest::newRow("full") << int(mw::kMaxPersonalFoods) << false << QString()
                              << QStringList{QStringLiteral("full"), QStringLiteral("4000")};
    }

    void aDatabaseThatCannotTakeTheFoodIsReported()
    {
        QFETCH(int, stored);
        QFETCH(bool, readOnly);
        QFETCH(QString, name);
        QFETCH(QStringList, told);
        Fixture f;
        writeFile(f.file(), foodFile(stored));
        f.open(stewTotals(),
               readOnly ? PersonalFoodDatabase::Access::kReadOnly : PersonalFoodDatabase::Access::kReadWrite);
        if (!name.isEmpty()) {
            typeInto(nameEdit(*f.dialog), name);
        }
        click(*f.dialog, "addButton");

        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        for (const QString& part : told) {
            QVERIFY2(shown.front().contains(part), qPrintable(shown.front()));
        }
        QCOMPARE(nameEdit(*f.dialog)->text(), name.isEmpty() ? kPrompt : name);
        QCOMPARE(f.added->count(), 0);
        QCOMPARE(f.foods.count(), std::size_t(stored));
        QCOMPARE(f.fileBytes(), foodFile(stored));
        QVERIFY(f.dialog->isVisible());
    }

    void foodsAnotherProgramAddedMeanwhileAreKeptButARewrittenFileIsReported()
    {
        Fixture f;
        writeFile(f.file(), foodFile(1));
        f.open(stewTotals());
        click(*f.dialog, "addButton");
        QCOMPARE(f.added->count(), 1);

        // Another program adds a line behind this one's back: it is read in and this food goes after it.
        writeFile(f.file(), f.fileBytes() + line("Other [1 cup]", "10", "5"));
        typeInto(nameEdit(*f.dialog), QStringLiteral("Second"));
        click(*f.dialog, "addButton");
        QVERIFY(Prompts::takeShownMessages().isEmpty());
        QCOMPARE(f.added->count(), 2);
        QCOMPARE(f.foods.count(), 4u);
        QCOMPARE(QString::fromStdString(f.foods.record(2)->text), QStringLiteral("Other [1 cup]"));

        // A file cut back by another program cannot take the line at the end this one expects.
        writeFile(f.file(), foodFile(1));
        typeInto(nameEdit(*f.dialog), QStringLiteral("Third"));
        click(*f.dialog, "addButton");
        const QStringList shown = Prompts::takeShownMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.front().contains(QStringLiteral("changed")), qPrintable(shown.front()));
        QCOMPARE(nameEdit(*f.dialog)->text(), QStringLiteral("Third"));
        QCOMPARE(f.added->count(), 2);
        QCOMPARE(f.foods.count(), 4u);
        QCOMPARE(f.fileBytes(), foodFile(1));
    }

    void closeAndEscapeKeepWhatWasAdded()
    {
        for (const bool escape : {false, true}) {
            Fixture f;
            f.open(stewTotals());
            click(*f.dialog, "addButton");
            typeInto(nameEdit(*f.dialog), QStringLiteral("Not added"));
            if (escape) {
                QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
            } else {
                click(*f.dialog, "closeButton");
            }
            QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
            QVERIFY(!f.dialog->isVisible());
            QCOMPARE(f.foods.count(), 1u);
            PersonalFoodDatabase reread;
            reread.open(f.dir.path());
            QCOMPARE(reread.count(), 1u);
            QCOMPARE(reread.record(0)->text, kPrompt.toStdString() + " [1 serving]");
        }
    }
};

QTEST_MAIN(AddFoodDialogTest)
#include "add_food_dialog_test.moc"
