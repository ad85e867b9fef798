#include "app/file_messages.h"

#include <new>
#include <stdexcept>

namespace app {

std::string cannotReadMessage(const platform::FileProblem& problem) {
    return "「" + problem.path + "」を読めません。" + platform::japaneseReason(problem);
}

std::string unexpectedErrorMessage(const std::exception& error) {
    // A container asked for more than it can hold fails for the same want of memory.
    if (dynamic_cast<const std::bad_alloc*>(&error) || dynamic_cast<const std::length_error*>(&error)) {
        return "メモリが足りないため、処理を続けられません。";
    }
    return std::string("処理中に思わぬエラーが起きました。（") + error.what() + "）";
}

}  // namespace app
