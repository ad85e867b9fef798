#include "app/usage_options.h"

#include "palette/fabric.h"
#include "platform/text_codec.h"

namespace app {
namespace {

enum Option { IniNo, Op1, Op2, CDef, SizeSize, SizeScale, CountX, CountY, DataDir, PutOp, Op3, OptionCount };
constexpr const char* kOptionKeys[OptionCount] = {"Ini_No",     "op1",     "op2",     "C_def",    "size_size", "size_scale",
                                                  "count_x",    "count_y", "data_dir", "put_op",  "op3"};

const std::string& value(const companion::UsageRecord& record, Option option) {
    return record.OptionValues[static_cast<std::size_t>(option)];
}

std::optional<int> wholeNumber(const companion::UsageRecord& record, Option option) {
    return platform::parseWholeNumber(platform::trimBlanks(value(record, option)));
}

}  // namespace

void nameSavedOptions(companion::UsageRecord& record) {
    for (int option = 0; option < OptionCount; ++option) record.OptionKeys[static_cast<std::size_t>(option)] = kOptionKeys[option];
}

document::SavedOptions readSavedOptions(const companion::UsageRecord& record) {
    document::SavedOptions options;
    options.systemIndex = wholeNumber(record, IniNo);
    options.smoothing = wholeNumber(record, Op1);
    options.boundary = wholeNumber(record, Op2);
    options.appearance = wholeNumber(record, Op3);
    options.maxColours = wholeNumber(record, CDef);
    options.countSize = platform::parseRealNumber(value(record, SizeSize));
    options.fabricUnit = std::string(platform::trimBlanks(value(record, SizeScale)));
    options.columns = wholeNumber(record, CountX);
    options.rows = wholeNumber(record, CountY);
    options.dataFolder = value(record, DataDir);
    options.pasteAtChartSize = value(record, PutOp) == "1";
    return options;
}

void writeSavedOptions(const document::SavedOptions& options, bool chartMade, companion::UsageRecord& record) {
    const auto set = [&record](Option option, std::string text) {
        record.OptionValues[static_cast<std::size_t>(option)] = std::move(text);
    };
    const auto number = [](const std::optional<int>& n) { return n ? std::to_string(*n) : std::string(); };
    if (chartMade) {
        set(IniNo, number(options.systemIndex));
        set(Op1, number(options.smoothing));
        set(Op2, number(options.boundary));
        set(Op3, number(options.appearance));
        set(CDef, number(options.maxColours));
        set(SizeSize, options.countSize ? palette::formatCountSize(*options.countSize) : std::string());
        set(SizeScale, options.fabricUnit);
        set(CountX, number(options.columns));
        set(CountY, number(options.rows));
    }
    set(DataDir, options.dataFolder);
    set(PutOp, options.pasteAtChartSize ? "1" : "0");
}

}  // namespace app
