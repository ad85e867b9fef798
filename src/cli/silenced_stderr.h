#pragma once

namespace cli {

// Sends whatever is written to standard error to /dev/null for as long as it lives. Some picture
// libraries print their own complaints there before the decoder hears of the failure, and the
// user is to see one line that names the problem, not those as well.
class SilencedStderr {
public:
    SilencedStderr();
    ~SilencedStderr();
    SilencedStderr(const SilencedStderr&) = delete;
    SilencedStderr& operator=(const SilencedStderr&) = delete;

private:
    int saved_ = -1;
};

}  // namespace cli
