#include "platform/clipboard_picture.h"

#include "platform/picture_refusal.h"
#include "platform/qimage_bitmap.h"

#include <QImage>
#include <QMimeData>
#include <QStringList>

#include <algorithm>
#include <string_view>

namespace platform {
namespace {

// The forms of picture files, best first: PNG and BMP keep every pixel, JPEG does not. Programs name
// BMP in several ways.
constexpr const char* kEncodedForms[] = {"image/png", "image/bmp", "image/x-bmp", "image/x-ms-bmp", "image/jpeg"};

// A picture this program put on the clipboard travels decoded. Qt names that form also for the
// pictures of other programs, which it would then decode itself without our limits; those always
// come with a form of their own, so the decoded form alone is this program's.
const QLatin1String kDecodedForm("application/x-qt-image");

QString encodedForm(const QStringList& offered) {
    for (const char* form : kEncodedForms) {
        for (const QString& name : offered) {
            if (name.compare(QLatin1String(form), Qt::CaseInsensitive) == 0) return name;
        }
    }
    return {};
}

bool holdsOwnPicture(const QStringList& offered) {
    return offered.contains(kDecodedForm) &&
           std::none_of(offered.begin(), offered.end(), [](const QString& name) { return name.startsWith(QLatin1String("image/")); });
}

DecodedPicture fromEncoded(const QByteArray& bytes) {
    if (bytes.size() > kMaxPictureFileBytes) {
        return refusal("the picture data is too large (" + std::to_string(bytes.size()) + " bytes; at most " +
                           std::to_string(kMaxPictureFileBytes) + ")",
                       PictureProblem::FileTooLarge);
    }
    return decodePicture(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

DecodedPicture fromDecoded(const QImage& image) {
    if (image.isNull()) return refusal(kDamagedPicture);
    if (exceedsPixelLimit(image.width(), image.height())) return tooLarge(image.width(), image.height());
    DecodedPicture picture;
    picture.bitmap = bitmapFromImage(image);
    return picture;
}

}  // namespace

bool offersPicture(const QMimeData* data) {
    if (data == nullptr) return false;
    const QStringList offered = data->formats();
    return !encodedForm(offered).isEmpty() || holdsOwnPicture(offered);
}

DecodedPicture takePicture(const QMimeData* data) {
    const QStringList offered = data ? data->formats() : QStringList();
    if (const QString form = encodedForm(offered); !form.isEmpty()) return fromEncoded(data->data(form));
    if (holdsOwnPicture(offered)) return fromDecoded(qvariant_cast<QImage>(data->imageData()));
    return refusal("the clipboard holds no PNG, JPEG or BMP picture", PictureProblem::NotAPicture);
}

}  // namespace platform
