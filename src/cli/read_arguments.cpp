#include "cli/read_arguments.h"

#include <algorithm>
#include <iterator>

namespace cli {
namespace {

bool isReadValuedOption(const std::string& word) {
    static const char* const kValued[] = {"--cfg",  "--codes", "--key",    "--png",
                                          "--icon", "--pdf",   "--paper", "--strands"};
    return std::any_of(std::begin(kValued), std::end(kValued), [&](const char* o) { return word == o; });
}

}  // namespace

ParsedChartArguments parseReadArguments(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (isReadValuedOption(word)) {
            ++i;  // its value, checked by the chart parser
        } else if (word.size() > 1 && word[0] == '-' && word != "--json" && word != "--help" && word != "-h") {
            ParsedChartArguments refused;
            refused.message = "unknown option for read: " + word;
            return refused;
        }
    }
    ParsedChartArguments parsed = parseChartArguments(words);
    if (parsed.message == "no picture given") parsed.message = "no workbook given";
    if (parsed.message.rfind("only one picture", 0) == 0) {
        parsed.message = "only one workbook can be read at a time" + parsed.message.substr(parsed.message.find(':'));
    }
    return parsed;
}

}  // namespace cli
