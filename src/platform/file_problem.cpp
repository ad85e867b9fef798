#include "platform/file_problem.h"

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// The system's reasons people meet with files, in the window's words; any other keeps the system's
// own text, so that no reason is lost.
std::string japaneseSystemReason(int error) {
    switch (error) {
    case ENOSPC: return "ディスクに空きがありません";
    case EDQUOT: return "ディスクの使用量が上限に達しています";
    case EACCES:
    case EPERM: return "アクセスが許可されていません";
    case EROFS: return "読み取り専用の場所です";
    case ENOENT: return "ファイルまたはフォルダがありません";
    case ENOTDIR: return "途中の名前がフォルダではありません";
    case EISDIR: return "フォルダです";
    case ENAMETOOLONG: return "名前が長すぎます";
    case ELOOP: return "シンボリックリンクが多すぎます";
    case EIO: return "読み書きの途中でエラーが起きました";
    case ENOMEM: return "メモリが足りません";
    case EFBIG: return "ファイルが大きすぎます";
    case EMFILE:
    case ENFILE: return "開いているファイルが多すぎます";
    case EBUSY:
    case ETXTBSY: return "使用中です";
    case EXDEV: return "別のディスクをまたいでいます";
    default: return std::string("システムのエラー: ") + std::strerror(error);
    }
}

std::string quoted(const std::string& path) { return "「" + path + "」"; }

}  // namespace

FileProblem systemProblem(const std::string& path, int error) {
    FileProblem problem;
    problem.kind = FileProblem::Kind::System;
    problem.error = error;
    problem.path = path;
    return problem;
}

bool isMissing(const FileProblem& problem) {
    return problem.kind == FileProblem::Kind::System && problem.error == ENOENT;
}

std::string englishReason(const FileProblem& problem) {
    using Kind = FileProblem::Kind;
    switch (problem.kind) {
    case Kind::System: return std::strerror(problem.error);
    case Kind::Folder: return problem.path + " is a folder";
    case Kind::NotFile: return "not a regular file";
    case Kind::TooLarge: return "larger than " + std::to_string(problem.limit) + " bytes";
    case Kind::NoFolder: return "there is no folder " + problem.path;
    case Kind::NotAFolder: return problem.path + " is not a folder";
    case Kind::EndsInSlash: return "a file name cannot end in /";
    case Kind::OwnerOnly: return problem.path + " lets only the owner of " + problem.other + " replace it";
    case Kind::WriteProtected: return problem.path + " is write-protected";
    }
    return {};
}

std::string japaneseReason(const FileProblem& problem) {
    using Kind = FileProblem::Kind;
    switch (problem.kind) {
    case Kind::System: return japaneseSystemReason(problem.error);
    case Kind::Folder: return quoted(problem.path) + "はフォルダです";
    case Kind::NotFile: return "普通のファイルではありません";
    case Kind::TooLarge: return "大きすぎます（" + std::to_string(problem.limit) + "バイトまで）";
    case Kind::NoFolder: return "フォルダ" + quoted(problem.path) + "がありません";
    case Kind::NotAFolder: return quoted(problem.path) + "はフォルダではありません";
    case Kind::EndsInSlash: return "ファイル名が「/」で終わっています";
    case Kind::OwnerOnly:
        return "フォルダ" + quoted(problem.path) + "では" + quoted(problem.other) + "の持ち主しか置き換えられません";
    case Kind::WriteProtected: return quoted(problem.path) + "は書き込みが禁止されています";
    }
    return {};
}

}  // namespace platform
