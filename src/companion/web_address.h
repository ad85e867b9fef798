#pragma once

#include <string_view>

namespace companion {

// True for an http or https address with a host, blanks around it allowed. The homepage address comes
// from the usage record file, which anyone can edit: only such an address may go to the browser, never
// a local file or another program.
bool isWebAddress(std::string_view address);

}  // namespace companion
