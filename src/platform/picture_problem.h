#pragma once

namespace platform {

// Why a picture was not taken, so that the window can say it in its own words; the message that
// comes with it is the command line's.
enum class PictureProblem {
    None,
    FileMissing,     // no such file, or a folder on its path is missing
    FileForbidden,   // no permission to read it
    FileUnreadable,  // opening or reading it failed for another reason
    Folder,
    NotRegularFile,  // a pipe, a device or a socket
    FileTooLarge,    // more bytes than any picture within the pixel limit takes
    NotAPicture,     // neither PNG nor JPEG nor BMP
    TooManyPixels,   // more than kMaxPicturePixels
    OutOfMemory,
    Damaged,         // damaged, incomplete, or a form of its format that cannot be read
};

}  // namespace platform
