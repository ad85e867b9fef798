#include "companion/web_address.h"

#include "platform/text_codec.h"

#include <algorithm>
#include <cctype>

namespace companion {
namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char wanted, char given) { return std::tolower(static_cast<unsigned char>(given)) == wanted; });
}

}  // namespace

bool isWebAddress(std::string_view address) {
    address = platform::trimBlanks(address);
    std::string_view rest;
    if (startsWithNoCase(address, "https://")) {
        rest = address.substr(8);
    } else if (startsWithNoCase(address, "http://")) {
        rest = address.substr(7);
    } else {
        return false;
    }
    // A host must follow, and the address must be one word: no blanks or control characters that a
    // shell or browser could read as something else.
    if (rest.empty() || rest.front() == '/' || rest.front() == '?' || rest.front() == '#') return false;
    return std::none_of(address.begin(), address.end(), [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == 0x7f; });
}

}  // namespace companion
