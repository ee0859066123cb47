#include "command.h"

#include "format/atomic_file.h"
#include "format/day_file.h"
#include "format/ini_file.h"

#include <cstdio>
#include <string>

namespace mw::cli {
namespace {

// The profile as read once when the command starts.
class ProfileSnapshot final : public Settings
{
public:
    explicit ProfileSnapshot(IniDocument document) : m_document(std::move(document)) {}

    std::optional<std::string> readValue(std::string_view section, std::string_view key) const override
    {
        return m_document.value(section, key);
    }
    std::error_code writeValues(std::span<const SettingChange>) override
    {
        return std::make_error_code(std::errc::read_only_file_system);
    }

private:
    IniDocument m_document;
};

bool isUnreadable(PersonalFoodStatus status)
{
    return status == PersonalFoodStatus::kUnreadable || status == PersonalFoodStatus::kNotAFile ||
           status == PersonalFoodStatus::kCannotCreate;
}

} // namespace

std::string personalStatusText(PersonalFoodStatus status)
{
    switch (status) {
    case PersonalFoodStatus::kOk:
        return "no error";
    case PersonalFoodStatus::kReadOnly:
        return "the file cannot be written";
    case PersonalFoodStatus::kCannotCreate:
        return "the file is missing and cannot be created";
    case PersonalFoodStatus::kNotAFile:
        return "it is not a file";
    case PersonalFoodStatus::kUnreadable:
        return "the file cannot be read";
    case PersonalFoodStatus::kTooLarge:
        return "the file is too large; only its beginning is used";
    case PersonalFoodStatus::kTooManyLines:
        return "the file has more lines than a personal food database can hold";
    case PersonalFoodStatus::kNoFile:
        return "there is no personal food file";
    case PersonalFoodStatus::kNoSuchFood:
        return "there is no such personal food";
    case PersonalFoodStatus::kDatabaseFull:
        return "the personal food database is full (4000 foods)";
    case PersonalFoodStatus::kValueOutOfRange:
        return "a value is out of range";
    case PersonalFoodStatus::kFileChanged:
        return "another program changed the file meanwhile";
    case PersonalFoodStatus::kWriteFailed:
        return "the food could not be written";
    }
    return "unknown error";
}

std::string appendFailureText(const PersonalFoodAppendResult& result)
{
    if (result.status == PersonalFoodStatus::kWriteFailed && result.ioError) {
        return describeSaveError(result.ioError);
    }
    return personalStatusText(result.status);
}

Context::Context(ParsedArguments arguments, std::ostream& out, std::ostream& err)
    : m_args(std::move(arguments)), m_out(out), m_err(err)
{
}

Context::~Context() = default;

std::filesystem::path Context::dataDir() const
{
    return m_args.value("--data-dir").value_or(".");
}

const Settings& Context::profile()
{
    if (!m_profile) {
        const std::optional<std::string> given = m_args.value("--settings");
        const std::filesystem::path path = given ? std::filesystem::path(*given) : defaultProfilePath();
        if (path.empty()) {
            m_profile = std::make_unique<ProfileSnapshot>(IniDocument());
        } else {
            IniLoadResult loaded = loadIniFile(path);
            if (loaded.error) {
                throw FileError(path.string() + ": cannot read the settings profile: " + loaded.error.message());
            }
            m_profile = std::make_unique<ProfileSnapshot>(std::move(loaded.document));
        }
    }
    return *m_profile;
}

PersonalFoodOpenResult Context::openPersonalFoods(PersonalFoodDatabase::Access access)
{
    const bool writableNeeded = access == PersonalFoodDatabase::Access::kReadWrite &&
                                m_personalAccess == PersonalFoodDatabase::Access::kReadOnly;
    if (!m_personal || writableNeeded) {
        if (!m_personal) {
            m_personal = std::make_unique<PersonalFoodDatabase>();
        }
        const std::filesystem::path folder = dataDir();
        if (!std::filesystem::is_directory(folder)) {
            throw FileError(folder.string() + ": no such data folder");
        }
        m_personalAccess = access;
        m_personalOpened = m_personal->open(folder, access);
        if (isUnreadable(m_personalOpened.status)) {
            m_err << "mealwright-cli: warning: " << visibleText(m_personal->filePath().string()) << ": "
                  << personalStatusText(m_personalOpened.status) << "; personal foods are not available\n";
        }
    }
    return m_personalOpened;
}

PersonalFoodDatabase& Context::personalFoods()
{
    openPersonalFoods(PersonalFoodDatabase::Access::kReadOnly);
    return *m_personal;
}

PersonalFoodDatabase& Context::readablePersonalFoods()
{
    const PersonalFoodOpenResult opened = openPersonalFoods(PersonalFoodDatabase::Access::kReadOnly);
    if (isUnreadable(opened.status)) {
        throw FileError("Cannot read " + m_personal->filePath().string() + ": " + personalStatusText(opened.status));
    }
    return *m_personal;
}

PersonalFoodDatabase& Context::writablePersonalFoods()
{
    const PersonalFoodOpenResult opened = openPersonalFoods(PersonalFoodDatabase::Access::kReadWrite);
    if (isUnreadable(opened.status)) {
        throw FileError("Cannot read " + m_personal->filePath().string() + ": " + personalStatusText(opened.status));
    }
    return *m_personal;
}

const FoodOperations& Context::foods()
{
    if (!m_foods) {
        m_foods = std::make_unique<FoodOperations>(&personalFoods());
    }
    return *m_foods;
}

const CFoodAttributeDatabase& Context::attributes()
{
    if (!m_attributes) {
        m_attributes = std::make_unique<CFoodAttributeDatabase>();
        const std::filesystem::path path = dataDir() / "fad.dat";
        const FoodAttributeLoadResult loaded = m_attributes->load(path);
        if (loaded.status == FoodAttributeLoadStatus::kUnreadable) {
            throw FileError(path.string() + ": cannot be read: " + loaded.ioError.message());
        }
    }
    return *m_attributes;
}

DiaryFolder Context::diary()
{
    if (const std::optional<std::string> given = m_args.value("--diary")) {
        if (given->empty()) {
            throw UsageError("--diary needs a folder");
        }
        return DiaryFolder(*given);
    }
    const std::filesystem::path folder = diaryFolder(profile());
    if (folder.empty()) {
        throw FileError("there is no diary folder: HOME is not set; give --diary DIR");
    }
    return DiaryFolder(folder);
}

DiaryDate Context::today()
{
    if (!m_today) {
        m_today = localToday();
    }
    return *m_today;
}

void loadDay(const std::string& file, CFofDoc& document)
{
    const DayFileResult read = loadDayFile(file, document);
    if (!read.ok()) {
        throw FileError(file + ": " + describeDayFileError(read));
    }
}

void saveDay(const std::string& file, CFofDoc& document)
{
    if (const std::error_code error = saveDayFile(file, document)) {
        throw FileError(cannotWriteText(file, error));
    }
}

std::string outputOption(const ParsedArguments& args)
{
    std::string output = args.required("-o");
    if (output.empty()) {
        throw UsageError("the output file given with -o is empty");
    }
    return output;
}

void writeOutput(Context& context, const std::string& file, std::string_view bytes)
{
    if (file == "-") {
        context.out().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    if (const std::error_code error = writeOutputFile(file, bytes)) {
        throw FileError(cannotWriteText(file, error));
    }
}

std::string cannotWriteText(const std::string& file, const std::error_code& error)
{
    return "Cannot write " + file + ": " + describeSaveError(error);
}

std::string visibleText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        char escape[8] = {};
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) { // a C1 control in UTF-8
            std::snprintf(escape, sizeof escape, "\\u%04X", next);
            ++i;
        } else {
            shown += static_cast<char>(byte);
            continue;
        }
        shown += escape;
    }
    return shown;
}

MealIndex mealOption(const ParsedArguments& args)
{
    return static_cast<MealIndex>(args.requiredInteger("--meal", 0, kMealCount - 1));
}

} // namespace mw::cli
