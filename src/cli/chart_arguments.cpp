#include "cli/chart_arguments.h"

#include "chart/chart_limits.h"
#include "chart/cube_size.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <utility>

namespace cli {
namespace {

std::optional<Pair> parsePair(const std::string& text, int smallest, int largest) {
    // An upper-case X is what people type as often as not; it cannot mean anything else here.
    const auto separator = text.find_first_of("xX");
    if (separator == std::string::npos) return std::nullopt;
    const auto first = platform::parseWholeNumber(std::string_view(text).substr(0, separator));
    const auto second = platform::parseWholeNumber(std::string_view(text).substr(separator + 1));
    if (!first || !second) return std::nullopt;
    if (*first < smallest || *first > largest || *second < smallest || *second > largest) return std::nullopt;
    return Pair{*first, *second};
}

std::optional<pattern::Paper> paperNamed(const std::string& text) {
    if (text == "A4") return pattern::Paper::A4;
    if (text == "Letter") return pattern::Paper::Letter;
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(ChartArguments& arguments) : a_(arguments) {}

    // Returns an error text, empty when the option was taken.
    std::string takeValued(const std::string& option, const std::string& value) {
        if (value.empty()) return option + " needs a value";
        if (option == "--cfg") {
            a_.cfgDir = value;
        } else if (option == "--system") {
            a_.system = value;
        } else if (option == "--max") {
            const auto number = platform::parseWholeNumber(value);
            if (!number) return badValue(option, value);
            a_.maxColours = *number;
        } else if (option == "--cells") {
            a_.cells = parsePair(value, chart::kMinCells, chart::kMaxCells);
            if (!a_.cells) {
                return badValue(option, value) + " (COLSxROWS, " + std::to_string(chart::kMinCells) + " to " +
                       std::to_string(chart::kMaxCells) + " each)";
            }
        } else if (option == "--cell-size") {
            const auto size = parsePair(value, 1, kLargestCellSide);
            if (!size) return badValue(option, value) + " (WxH, 1 to 10000 each)";
            a_.cellSize = *size;
        } else if (option == "--cube") {
            a_.cube = chart::findCubeSizeItem(value);
            if (!a_.cube) return badValue(option, value) + " (one of " + chart::cubeSizeItemList() + ")";
        } else if (option == "--codes") {
            a_.codesPath = value;
        } else if (option == "--key") {
            a_.keyPath = value;
        } else if (option == "--png") {
            a_.pngPath = value;
        } else if (option == "--icon") {
            a_.iconPath = value;
        } else if (option == "--xlsx") {
            a_.xlsxPath = value;
        } else if (option == "--pdf") {
            a_.pdfPath = value;
        } else if (option == "--paper") {
            const auto paper = paperNamed(value);
            if (!paper) return badValue(option, value) + " (A4 or Letter)";
            a_.paper = *paper;
        } else if (option == "--strands") {
            const auto number = platform::parseWholeNumber(value);
            if (!number || *number < pattern::kFewestStrands || *number > pattern::kMostStrands) {
                return badValue(option, value) + " (" + std::to_string(pattern::kFewestStrands) + " to " +
                       std::to_string(pattern::kMostStrands) + ")";
            }
            a_.strands = *number;
        }
        return {};
    }

    // Returns false for an option that is not a flag.
    bool takeFlag(const std::string& option) {
        if (option == "--json") {
            a_.json = true;
        } else if (option == "--smooth" || option == "--no-smooth") {
            setSwitch(a_.smoothing, option == "--smooth", smoothingGiven_);
        } else if (option == "--boundary" || option == "--no-boundary") {
            setSwitch(a_.boundary, option == "--boundary", boundaryGiven_);
        } else if (option == "--appearance" || option == "--no-appearance") {
            setSwitch(a_.appearance, option == "--appearance", appearanceGiven_);
        } else {
            return false;
        }
        return true;
    }

    std::string conflicts() const {
        if (smoothingGiven_[0] && smoothingGiven_[1]) return "--smooth and --no-smooth cannot be given together";
        if (boundaryGiven_[0] && boundaryGiven_[1]) return "--boundary and --no-boundary cannot be given together";
        if (appearanceGiven_[0] && appearanceGiven_[1]) return "--appearance and --no-appearance cannot be given together";
        return standardOutputConflict();
    }

private:
    // Two texts on one standard output would run into each other past telling apart.
    std::string standardOutputConflict() const {
        std::vector<std::string> users;
        const std::pair<const char*, const std::optional<std::string>&> outputs[] = {
            {"--codes", a_.codesPath}, {"--key", a_.keyPath}, {"--png", a_.pngPath}, {"--icon", a_.iconPath},
            {"--xlsx", a_.xlsxPath}, {"--pdf", a_.pdfPath}};
        for (const auto& [option, path] : outputs) {
            if (path == "-") users.push_back(std::string(option) + " -");
        }
        if (a_.json) users.push_back("--json");
        if (users.size() < 2) return {};
        return users[0] + " and " + users[1] + " cannot both write to standard output";
    }

    static std::string badValue(const std::string& option, const std::string& value) {
        return "bad value for " + option + ": " + value;
    }

    static void setSwitch(std::optional<bool>& target, bool on, bool (&given)[2]) {
        target = on;
        given[on ? 1 : 0] = true;
    }

    ChartArguments& a_;
    bool smoothingGiven_[2] = {false, false};
    bool boundaryGiven_[2] = {false, false};
    bool appearanceGiven_[2] = {false, false};
};

bool isValuedOption(const std::string& word) {
    static const char* const kValued[] = {"--cfg",  "--system", "--max",  "--cells", "--cell-size", "--cube",  "--codes",
                                          "--key",  "--png",    "--icon", "--xlsx",  "--pdf",       "--paper", "--strands"};
    return std::any_of(std::begin(kValued), std::end(kValued), [&](const char* o) { return word == o; });
}

bool looksLikeOption(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

}  // namespace

ParsedChartArguments parseChartArguments(const std::vector<std::string>& words) {
    ParsedChartArguments parsed;
    Parser parser(parsed.arguments);
    bool havePicture = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (isValuedOption(word)) {
            // An option in the value's place means the value was left out.
            if (i + 1 >= words.size() || words[i + 1].rfind("--", 0) == 0) {
                parsed.message = word + " needs a value";
                return parsed;
            }
            parsed.message = parser.takeValued(word, words[++i]);
            if (!parsed.message.empty()) return parsed;
        } else if (looksLikeOption(word)) {
            if (!parser.takeFlag(word)) {
                parsed.message = "unknown option: " + word;
                return parsed;
            }
        } else if (havePicture) {
            parsed.message = "only one picture can be charted at a time: " + word;
            return parsed;
        } else {
            parsed.arguments.picture = word;
            havePicture = true;
        }
    }
    parsed.message = parser.conflicts();
    if (parsed.message.empty() && !havePicture) parsed.message = "no picture given";
    return parsed;
}

}  // namespace cli
