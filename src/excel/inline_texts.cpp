#include "excel/inline_texts.h"

#include <string_view>

namespace excel {
namespace {

constexpr std::string_view kInlineType[] = {"t=\"inlineStr\"", "t='inlineStr'"};

// The text of every <t> element of the inline string, outside phonetic guides (<rPh>), still
// escaped as the XML has it.
std::string joinedText(std::string_view inlineString) {
    std::string text;
    std::size_t at = 0;
    while ((at = inlineString.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = inlineString.substr(at);
        std::size_t next = std::string_view::npos;
        if (rest.starts_with("<rPh")) {
            next = inlineString.find("</rPh>", at);
        } else if (rest.starts_with("<t>") || rest.starts_with("<t ")) {
            const std::size_t tagEnd = inlineString.find('>', at);
            if (tagEnd != std::string_view::npos && inlineString[tagEnd - 1] != '/') {
                next = inlineString.find("</t>", tagEnd);
                if (next != std::string_view::npos) text += inlineString.substr(tagEnd + 1, next - tagEnd - 1);
            } else {
                next = tagEnd;
            }
        } else {
            next = inlineString.find('>', at);
        }
        if (next == std::string_view::npos) break;
        at = next + 1;
    }
    return text;
}

}  // namespace

void inlineTextsAsFormulaResults(std::string& worksheet) {
    if (worksheet.find("inlineStr") == std::string::npos) return;
    std::string rewritten;
    rewritten.reserve(worksheet.size());
    bool changed = false;
    std::size_t copied = 0;
    for (std::size_t at = worksheet.find("<c"); at != std::string::npos; at = worksheet.find("<c", at + 1)) {
        const char next = at + 2 < worksheet.size() ? worksheet[at + 2] : '\0';
        if (next != ' ' && next != '>') continue;  // <col>, <cfRule> and the like
        const std::size_t tagEnd = worksheet.find('>', at);
        if (tagEnd == std::string::npos) break;
        if (worksheet[tagEnd - 1] == '/') continue;  // an empty cell
        std::string tag = worksheet.substr(at, tagEnd - at + 1);
        std::size_t type = std::string::npos;
        for (std::string_view inlineType : kInlineType) {
            if ((type = tag.find(inlineType)) != std::string::npos) {
                tag.replace(type, inlineType.size(), "t=\"str\"");
                break;
            }
        }
        if (type == std::string::npos) continue;
        const std::size_t end = worksheet.find("</c>", tagEnd);
        if (end == std::string::npos) break;
        const std::string text = joinedText(std::string_view(worksheet).substr(tagEnd + 1, end - tagEnd - 1));
        rewritten.append(worksheet, copied, at - copied);
        // The reader takes a formula's saved result and never works a formula out, so a short
        // stand-in formula serves and keeps the text from being held twice.
        rewritten += tag + "<f>&quot;&quot;</f><v>" + text + "</v></c>";
        copied = end + 4;
        at = end;
        changed = true;
    }
    if (!changed) return;
    rewritten.append(worksheet, copied);
    worksheet = std::move(rewritten);
}

}  // namespace excel
