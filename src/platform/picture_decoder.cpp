#include "platform/picture_decoder.h"

#include "platform/bmp_decoder.h"
#include "platform/jpeg_decoder.h"
#include "platform/picture_file.h"
#include "platform/picture_refusal.h"
#include "platform/png_decoder.h"

namespace platform {
namespace {

enum class Format { Png, Jpeg, Bmp, Other };

Format formatOf(std::string_view bytes) {
    if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return Format::Png;
    if (bytes.starts_with("\xFF\xD8")) return Format::Jpeg;
    if (bytes.starts_with("BM")) return Format::Bmp;
    return Format::Other;
}

}  // namespace

DecodedPicture decodePicture(std::string_view bytes) {
    switch (formatOf(bytes)) {
    case Format::Jpeg:
        return decodeJpeg(bytes);
    case Format::Png:
        return decodePng(bytes);
    case Format::Bmp:
        return decodeBmp(bytes);
    case Format::Other:
        break;
    }
    return refusal("not a PNG, JPEG or BMP picture", PictureProblem::NotAPicture);
}

bool hasPictureSignature(std::string_view firstBytes) { return formatOf(firstBytes) != Format::Other; }

DecodedPicture loadPicture(const std::string& path) {
    const PictureFile file = readPictureFile(path);
    if (!file.message.empty()) return refusal(file.message, file.problem);
    return decodePicture(file.bytes);
}

}  // namespace platform
