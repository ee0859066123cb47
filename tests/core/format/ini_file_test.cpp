#include "format/ini_file.h"

#include "model/settings_keys.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace mw {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(IniFile, WritesAPlainProfile)
{
    TempDir dir;
    IniSettings settings(dir.file("mealwright.ini"));
    ASSERT_FALSE(settings.writeInt("Options", "Fat Warning Percent", 35));
    ASSERT_FALSE(settings.writeText("Options", "768x16", "1111111111111111111111111111"));
    ASSERT_FALSE(settings.writeInt("Mouse Option", "Left", 3));
    ASSERT_FALSE(settings.writeInt("Options", "Use PDA", 1));
    ASSERT_FALSE(settings.writeText("Printer Font", "FaceName", "Times New Roman"));
    EXPECT_EQ(readFile(settings.path()), "[Options]\n"
                                         "Fat Warning Percent=35\n"
                                         "768x16=1111111111111111111111111111\n"
                                         "Use PDA=1\n"
                                         "\n"
                                         "[Mouse Option]\n"
                                         "Left=3\n"
                                         "\n"
                                         "[Printer Font]\n"
                                         "FaceName=Times New Roman\n");

    const IniSettings reader(settings.path());
    EXPECT_EQ(reader.readInt("Options", "Fat Warning Percent", 0), 35);
    EXPECT_EQ(reader.readText("Printer Font", "FaceName", ""), "Times New Roman");
    EXPECT_EQ(reader.readInt("Mouse Option", "Left", 0), 3);
    EXPECT_EQ(reader.readInt("Mouse Option", "Right", 2), 2);
}

TEST(IniFile, SectionsAndKeysMatchWhateverTheirCase)
{
    TempDir dir;
    writeFile(dir.file("p.ini"), "[foodgroups]\n3=Berries\n[OPTIONS]\none column=1\n");
    IniSettings settings(dir.file("p.ini"));
    EXPECT_EQ(foodListName(settings, 3), "Berries");
    EXPECT_EQ(settings.readInt("Options", "One Column", 0), 1);

    ASSERT_FALSE(settings.writeText("FoodGroups", "4", "Snacks"));
    ASSERT_FALSE(settings.writeInt("Options", "One Column", 0));
    EXPECT_EQ(readFile(settings.path()), "[foodgroups]\n3=Berries\n4=Snacks\n[OPTIONS]\none column=0\n")
        << "names keep the spelling they were first written with";
    // Blanks around names and values are not part of them.
    writeFile(settings.path(), "[ Caloric Need ]\n  Ideal Weight  =  170  \n");
    EXPECT_EQ(settings.readInt("Caloric Need", "Ideal Weight", 0), 170);
}

TEST(IniFile, TextValuesRoundTripWhateverTheyHold)
{
    const std::vector<std::string> values = {
        "",
        "plain",
        "a=b=c",
        " leading",
        "trailing\t",
        "\"quoted\"",
        "say \"hi\"",
        "back\\slash",
        "two\nlines",
        "cr\rlf\r\n",
        std::string("nul\0byte", 8),
        "\x01\x1F\x7F",
        "; not a comment",
        "[not a section]",
        "Gr\xC3\xBCne Bohnen",
        "\\x41",
    };
    TempDir dir;
    IniSettings settings(dir.file("p.ini"));
    for (std::size_t i = 0; i < values.size(); ++i) {
        ASSERT_FALSE(settings.writeText("FoodGroups", std::to_string(i), values[i]));
    }
    const std::string file = readFile(settings.path());
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), static_cast<std::ptrdiff_t>(values.size() + 1))
        << "one line per value:\n"
        << file;
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(settings.readText("FoodGroups", std::to_string(i), "?"), values[i]) << i;
        EXPECT_EQ(unescapeIniValue(escapeIniValue(values[i])), values[i]) << i;
    }
}

TEST(IniFile, EscapedValuesHaveAFixedForm)
{
    EXPECT_EQ(escapeIniValue("Times New Roman"), "Times New Roman");
    EXPECT_EQ(escapeIniValue(" x"), "\" x\"");
    EXPECT_EQ(escapeIniValue("a\"b"), "a\"b") << "only a leading quote needs quoting";
    EXPECT_EQ(escapeIniValue("\"a\\b\""), "\"\\\"a\\\\b\\\"\"");
    EXPECT_EQ(escapeIniValue("1\n2\t\x01"), "\"1\\n2\\t\\x01\"");
}

TEST(IniFile, BrokenQuotedValuesAreRefused)
{
    const char* broken[] = {"\"",       "\"open",   "\"a\"b\"", "\"bad \\q escape\"", "\"dangling\\\"",
                            "\"\\x4\"", "\"\\xZZ\""};
    for (const char* text : broken) {
        EXPECT_EQ(unescapeIniValue(text), std::nullopt) << text;
    }
    EXPECT_EQ(unescapeIniValue("\"\""), "");
    EXPECT_EQ(unescapeIniValue("\"\\x41\\x6a\""), "Aj");
}

TEST(IniFile, MalformedLinesAreSkipped)
{
    struct Case
    {
        const char* line;
        IniLineProblem problem;
    };
    const Case cases[] = {
        {"[Options", IniLineProblem::kUnclosedSection}, {"[", IniLineProblem::kUnclosedSection},
        {"[   ]", IniLineProblem::kEmptySectionName},   {"Fat Warning Percent", IniLineProblem::kMissingEquals},
        {"   = 5", IniLineProblem::kEmptyKey},          {"Use PDA=\"1", IniLineProblem::kBadQuotedValue},
    };
    for (const Case& c : cases) {
        const std::string text = std::string("[Mouse Option]\nLeft=3\n") + c.line + "\n[Color]\nView HW=9\n";
        const IniDocument document = IniDocument::parse(text);
        ASSERT_EQ(document.skippedLines().size(), 1u) << c.line;
        EXPECT_EQ(document.skippedLines()[0].line, 3) << c.line;
        EXPECT_EQ(document.skippedLines()[0].problem, c.problem) << c.line;
        EXPECT_EQ(document.value("Mouse Option", "Left"), "3") << c.line;
        EXPECT_EQ(document.value("Color", "View HW"), "9") << c.line;
        EXPECT_EQ(document.text(), text) << "skipped lines are kept";
    }
}

TEST(IniFile, EntriesUnderABrokenHeaderBelongToNoSection)
{
    const IniDocument document = IniDocument::parse("Loose=1\n[Options]\nA=1\n[Color\nView HW=255\n[Options]\nB=2\n");
    EXPECT_EQ(document.value("Options", "View HW"), std::nullopt);
    EXPECT_EQ(document.value("Color", "View HW"), std::nullopt);
    EXPECT_EQ(document.value("Options", "Loose"), std::nullopt);
    EXPECT_EQ(document.value("Options", "B"), "2") << "a repeated section adds to the first";
    ASSERT_EQ(document.skippedLines().size(), 3u);
    EXPECT_EQ(document.skippedLines()[0].problem, IniLineProblem::kEntryOutsideSection);
    EXPECT_EQ(document.skippedLines()[1].problem, IniLineProblem::kUnclosedSection);
    EXPECT_EQ(document.skippedLines()[2].problem, IniLineProblem::kEntryOutsideSection);
    EXPECT_EQ(document.skippedLines()[2].line, 5);
}

TEST(IniFile, NewKeysJoinTheFirstBlockOfTheirSection)
{
    IniDocument document =
        IniDocument::parse("; my profile\n[Options]\nA=1\n\n# colours\n[Color]\nX=1\n[options]\nB=2\n");
    document.setValue("OPTIONS", "C", "3");
    document.setValue("Options", "B", "4");
    document.setValue("NIP", "F1", "2343");
    EXPECT_EQ(document.text(), "; my profile\n[Options]\nA=1\nC=3\n\n# colours\n[Color]\nX=1\n[options]\nB=4\n"
                               "\n[NIP]\nF1=2343\n");
}

TEST(IniFile, ReadsWindowsLineEndsAndAByteOrderMark)
{
    const IniDocument document = IniDocument::parse("\xEF\xBB\xBF[Options]\r\nWright calories=1800\r\nUse PDA=1");
    EXPECT_TRUE(document.skippedLines().empty());
    EXPECT_EQ(document.value("Options", "Wright calories"), "1800");
    EXPECT_EQ(document.value("Options", "Use PDA"), "1");
}

TEST(IniFile, EveryCutOfAProfileParses)
{
    const std::string full = "[Options]\nFat Warning Percent=45\n768x16=1111100000\n\n[Printer Font]\n"
                             "FaceName=\" Spaced \\\"Face\\\"\"\n; end\n";
    const std::map<std::pair<std::string, std::string>, std::string> complete = {
        {{"Options", "Fat Warning Percent"}, "45"},
        {{"Options", "768x16"}, "1111100000"},
        {{"Printer Font", "FaceName"}, " Spaced \"Face\""},
    };
    for (std::size_t length = 0; length <= full.size(); ++length) {
        const IniDocument document = IniDocument::parse(std::string_view(full).substr(0, length));
        EXPECT_LE(document.skippedLines().size(), 1u) << length;
        for (const auto& [name, value] : complete) {
            const std::optional<std::string> read = document.value(name.first, name.second);
            if (!read) {
                continue;
            }
            if (name.second == "FaceName" && !read->empty()) {
                EXPECT_EQ(*read, value) << length << ": a quoted value is whole or not there";
            } else {
                EXPECT_EQ(value.substr(0, read->size()), *read) << length << ": a cut value is a prefix";
            }
        }
    }
}

TEST(IniFile, TwoWritersKeepEachOthersKeys)
{
    TempDir dir;
    IniSettings desktop(dir.file("mealwright.ini"));
    IniSettings commandLine(dir.file("mealwright.ini"));
    ASSERT_FALSE(desktop.writeInt("Options", "Use PDA", 1));
    ASSERT_FALSE(commandLine.writeInt("Options", "Wright calories", 1800));
    ASSERT_FALSE(desktop.writeInt("Color", "View HW", 255));
    // a hand edit between two writes survives too
    writeFile(desktop.path(), readFile(desktop.path()) + "; keep me\n[Extra]\nNote=by hand\n");
    ASSERT_FALSE(commandLine.writeText("FoodGroups", "1", "Greens"));

    for (const IniSettings* settings : {&desktop, &commandLine}) {
        EXPECT_EQ(settings->readInt("Options", "Use PDA", 0), 1);
        EXPECT_EQ(settings->readInt("Options", "Wright calories", 0), 1800);
        EXPECT_EQ(settings->readInt("Color", "View HW", 0), 255);
        EXPECT_EQ(settings->readText("Extra", "Note", ""), "by hand");
        EXPECT_EQ(settings->readText("FoodGroups", "1", ""), "Greens");
    }
    EXPECT_NE(readFile(desktop.path()).find("; keep me\n"), std::string::npos);
}

TEST(IniFile, UnchangedValuesLeaveTheFileAlone)
{
    TempDir dir;
    const std::string original = "[Options]\r\nUse PDA=1\r\n";
    writeFile(dir.file("p.ini"), original);
    IniSettings settings(dir.file("p.ini"));
    ASSERT_FALSE(settings.writeInt("options", "use pda", 1));
    EXPECT_EQ(readFile(settings.path()), original);
}

TEST(IniFile, CreatesTheProfileFolder)
{
    TempDir dir;
    IniSettings settings(dir.path() / "config" / "Mealwright" / "mealwright.ini");
    ASSERT_FALSE(storeMenuTargetCalories(settings, 2000));
    EXPECT_EQ(menuTargetCalories(IniSettings(settings.path())), 2000);
}

TEST(IniFile, ProfileThatCannotBeWrittenIsReported)
{
    TempDir dir;
    writeFile(dir.file("file"), "not a folder");
    IniSettings underAFile(dir.file("file") / "mealwright.ini");
    EXPECT_EQ(underAFile.readInt("Options", "Fat Warning Percent", 30), 30);
    EXPECT_TRUE(underAFile.writeInt("Options", "Fat Warning Percent", 40));
    EXPECT_TRUE(storePreferences(underAFile, PreferenceTable{}));

    std::filesystem::create_directory(dir.file("folder.ini"));
    IniSettings aFolder(dir.file("folder.ini"));
    EXPECT_EQ(aFolder.load().error, std::make_error_code(std::errc::is_a_directory));
    EXPECT_EQ(fatWarningPercent(aFolder), 30);
    EXPECT_TRUE(aFolder.writeInt("Options", "Fat Warning Percent", 40));
    EXPECT_TRUE(std::filesystem::is_directory(aFolder.path()));

    IniSettings noPath{std::filesystem::path()};
    EXPECT_TRUE(noPath.writeInt("Options", "Use PDA", 1));
}

TEST(IniFile, OversizedProfileReadsAsDefaultsAndIsNotOverwritten)
{
    TempDir dir;
    const std::string huge = "[Options]\nFat Warning Percent=45\n; " + std::string(kMaxProfileBytes, 'x') + "\n";
    writeFile(dir.file("p.ini"), huge);
    IniSettings settings(dir.file("p.ini"));
    EXPECT_EQ(settings.load().error, std::make_error_code(std::errc::file_too_large));
    EXPECT_EQ(fatWarningPercent(settings), 30);
    EXPECT_EQ(settings.writeInt("Options", "Use PDA", 1), std::make_error_code(std::errc::file_too_large));
    EXPECT_EQ(readFile(settings.path()).size(), huge.size());
}

TEST(IniFile, MissingProfileIsNoError)
{
    TempDir dir;
    const IniLoadResult loaded = loadIniFile(dir.file("none.ini"));
    EXPECT_TRUE(loaded.missing);
    EXPECT_FALSE(loaded.error);
    EXPECT_EQ(loaded.document.text(), "");
}

#if !defined(_WIN32) && !defined(__APPLE__)
TEST(IniFile, ProfileLivesInTheUserConfigFolder)
{
    const auto environment = [](std::map<std::string, std::string> variables) {
        return [variables](const char* name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional(found->second);
        };
    };
    EXPECT_EQ(defaultProfilePath(environment({{"XDG_CONFIG_HOME", "/cfg"}, {"HOME", "/home/u"}})),
              std::filesystem::path("/cfg/Mealwright/mealwright.ini"));
    EXPECT_EQ(defaultProfilePath(environment({{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}})),
              std::filesystem::path("/home/u/.config/Mealwright/mealwright.ini"));
    EXPECT_EQ(defaultProfilePath(environment({{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/home/u"}})),
              std::filesystem::path("/home/u/.config/Mealwright/mealwright.ini"));
    EXPECT_EQ(defaultProfilePath(environment({})), std::filesystem::path());
}
#endif

} // namespace
} // namespace mw
