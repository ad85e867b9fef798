#include "app/picture_messages.h"

#include "platform/bitmap.h"
#include "platform/picture_decoder.h"

#include <QDir>

namespace app {
namespace {

using platform::PictureProblem;

QString reason(PictureProblem problem) {
    switch (problem) {
    case PictureProblem::None: break;
    case PictureProblem::FileMissing: return QStringLiteral("ファイルが見つかりません。");
    case PictureProblem::FileForbidden: return QStringLiteral("ファイルを読む権限がありません。");
    case PictureProblem::FileUnreadable: return QStringLiteral("ファイルを読むことができません。");
    case PictureProblem::Folder: return QStringLiteral("フォルダーです。画像ファイルを選んでください。");
    case PictureProblem::NotRegularFile: return QStringLiteral("普通のファイルではありません（パイプやデバイスなど）。");
    case PictureProblem::FileTooLarge:
        return QStringLiteral("データが大きすぎます。画像として読めるのは%1MBまでです。")
            .arg(platform::kMaxPictureFileBytes / 1'000'000);
    case PictureProblem::NotAPicture: return QStringLiteral("PNG、JPEG、BMPのどの画像でもありません。");
    case PictureProblem::TooManyPixels:
        return QStringLiteral("画像が大きすぎます。読み込めるのは横×縦が%1万画素までの画像です。")
            .arg(platform::kMaxPicturePixels / 10'000);
    case PictureProblem::OutOfMemory: return QStringLiteral("画像を読み込むメモリーが足りません。");
    case PictureProblem::Damaged: return QStringLiteral("画像が壊れているか途中で切れているか、読めない形式です。");
    }
    return {};
}

}  // namespace

QString clipboardRefusal(PictureProblem problem) {
    const QString failed = QStringLiteral("クリップボードからの貼付けに失敗しました");
    // The user knows this message for a paste that failed; a picture beyond what the program can
    // take is a different story, and says how much it can take.
    switch (problem) {
    case PictureProblem::FileTooLarge:
    case PictureProblem::TooManyPixels:
    case PictureProblem::OutOfMemory: return failed + QLatin1Char('\n') + reason(problem);
    default: return failed;
    }
}

QString fileRefusal(const QString& path, PictureProblem problem) {
    return QStringLiteral("画像ファイル（%1）を読み込めませんでした。\n").arg(QDir::toNativeSeparators(path)) +
           reason(problem);
}

}  // namespace app
