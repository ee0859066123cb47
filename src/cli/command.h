#pragma once

#include "arguments.h"

#include "format/diary_folder.h"
#include "format/food_attribute_database.h"
#include "format/personal_food_database.h"
#include "model/day_document.h"
#include "model/diary_date.h"
#include "model/food_operations.h"
#include "model/settings.h"

#include <filesystem>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

namespace mw::cli {

// What every command gets: its parsed arguments, the output streams, the global options and the
// files of the data folder, each opened the first time a command asks for it.
class Context
{
public:
    Context(ParsedArguments arguments, std::ostream& out, std::ostream& err);
    ~Context();

    const ParsedArguments& args() const { return m_args; }
    std::ostream& out() { return m_out; }
    std::ostream& err() { return m_err; }
    bool json() const { return m_args.has("--json"); }
    std::filesystem::path dataDir() const;

    // The settings profile as read once; the tool writes it only where a command says so.
    const Settings& profile();
    // Food names and entry numbers, standard and personal.
    const FoodOperations& foods();
    // userfood.txt of the data folder for reading; a missing file is an empty database and stays missing.
    PersonalFoodDatabase& personalFoods();
    // The same, but a file that cannot be read is an error (exit code 2) instead of a warning.
    PersonalFoodDatabase& readablePersonalFoods();
    // As readablePersonalFoods, open for appending: a missing file is created empty.
    PersonalFoodDatabase& writablePersonalFoods();
    // fad.dat of the data folder, read only; a missing file means no food is hidden or listed.
    const CFoodAttributeDatabase& attributes();
    // The diary: --diary DIR, else the profile's "Diary Folder", else the default folder.
    DiaryFolder diary();
    // The local date when the command first asked, so one run never straddles midnight.
    DiaryDate today();

private:
    PersonalFoodOpenResult openPersonalFoods(PersonalFoodDatabase::Access access);

    ParsedArguments m_args;
    std::ostream& m_out;
    std::ostream& m_err;
    std::unique_ptr<Settings> m_profile;
    std::unique_ptr<PersonalFoodDatabase> m_personal;
    PersonalFoodOpenResult m_personalOpened;
    PersonalFoodDatabase::Access m_personalAccess = PersonalFoodDatabase::Access::kReadOnly;
    std::unique_ptr<FoodOperations> m_foods;
    std::unique_ptr<CFoodAttributeDatabase> m_attributes;
    std::optional<DiaryDate> m_today;
};

class Command
{
public:
    virtual ~Command() = default;
    virtual std::string_view name() const = 0;
    // One line for the general help.
    virtual std::string_view summary() const = 0;
    // The command's own help text: usage line and options.
    virtual std::string_view help() const = 0;
    virtual std::vector<OptionRule> options() const = 0;
    // Returns the exit code; throws UsageError or FileError.
    virtual int run(Context& context) = 0;
};

std::vector<std::unique_ptr<Command>> makeCommands();

// A day file read whole into a document; FileError naming the file and the cause otherwise.
void loadDay(const std::string& file, CFofDoc& document);
// The document written over the file (through a temporary file); FileError when it fails.
void saveDay(const std::string& file, CFofDoc& document);
// The file named by -o, which must not be empty (a usage error otherwise).
std::string outputOption(const ParsedArguments& args);
// Bytes written to an output option's file: "-" is standard output, a device or pipe is written to
// directly, anything else is saved atomically; FileError when it fails.
void writeOutput(Context& context, const std::string& file, std::string_view bytes);
// "Cannot write FILE: cause", for a failed save.
std::string cannotWriteText(const std::string& file, const std::error_code& error);
// Text for a terminal: control characters become visible escapes ("\x1B", "\u0085").
std::string visibleText(std::string_view text);
// The meal option "--meal M" (0..5).
MealIndex mealOption(const ParsedArguments& args);
// A short English cause for a personal food database status.
std::string personalStatusText(PersonalFoodStatus status);
// Why an append failed, with the system's reason where there is one ("no space left on device").
std::string appendFailureText(const PersonalFoodAppendResult& result);

} // namespace mw::cli
