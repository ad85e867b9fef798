// How files are read and replaced, met with what may stand in a file's place.

#include "platform/atomic_file.h"
#include "platform/regular_file.h"
#include "platform/scratch_files.h"

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using platform::FileProblem;

fs::perms permissions(const std::string& path) { return fs::status(path).permissions() & fs::perms::mask; }

TEST(RegularFile, ReadsOnlyRegularFilesOfBoundedSize) {
    const std::string folder = scratchFolder("read");
    writeBytes(folder + "/small.ini", "[s]\nk=v\n");
    fs::create_symlink(folder + "/small.ini", folder + "/link.ini");
    fs::create_directory(folder + "/folder.ini");
    ASSERT_EQ(::mkfifo((folder + "/fifo.ini").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder + "/zero.ini");
    writeBytes(folder + "/large.ini", std::string(101, 'x'));

    EXPECT_EQ(platform::readRegularFile(folder + "/small.ini", 100).bytes, "[s]\nk=v\n");
    EXPECT_EQ(platform::readRegularFile(folder + "/link.ini", 100).bytes, "[s]\nk=v\n");
    EXPECT_EQ(platform::readRegularFile(folder + "/large.ini", 101).bytes.size(), 101u);

    const auto problemOf = [&](const char* name) { return platform::readRegularFile(folder + "/" + name, 100).problem; };
    const auto missing = problemOf("absent.ini");
    ASSERT_TRUE(missing);
    EXPECT_TRUE(platform::isMissing(*missing));
    const auto folderProblem = problemOf("folder.ini");
    ASSERT_TRUE(folderProblem);
    EXPECT_EQ(folderProblem->error, EISDIR);
    // Neither waits for a writer nor reads without end.
    for (const char* name : {"fifo.ini", "zero.ini"}) {
        const auto problem = problemOf(name);
        ASSERT_TRUE(problem) << name;
        EXPECT_EQ(problem->kind, FileProblem::Kind::NotFile) << name;
    }
    const auto large = problemOf("large.ini");
    ASSERT_TRUE(large);
    EXPECT_EQ(large->kind, FileProblem::Kind::TooLarge);
    EXPECT_EQ(platform::englishReason(*large), "larger than 100 bytes");

    // The start of a file, to tell its format, under the same rules.
    EXPECT_EQ(platform::readRegularFileStart(folder + "/small.ini", 100, 3).bytes, "[s]");
    EXPECT_EQ(platform::readRegularFileStart(folder + "/small.ini", 100, 50).bytes, "[s]\nk=v\n");
    EXPECT_TRUE(platform::readRegularFileStart(folder + "/fifo.ini", 100, 3).problem);
    EXPECT_TRUE(platform::readRegularFileStart(folder + "/large.ini", 100, 3).problem);
}

TEST(AtomicFile, ReplacesTheFileALinkNamesAndKeepsItsBits) {
    const std::string folder = scratchFolder("link");
    fs::create_directories(folder + "/real");
    writeBytes(folder + "/real/chart.xlsx", "old");
    fs::permissions(folder + "/real/chart.xlsx", fs::perms(0640));
    fs::create_symlink("real/chart.xlsx", folder + "/chart.xlsx");

    EXPECT_FALSE(platform::replaceFileAtomically(folder + "/chart.xlsx", "new"));
    EXPECT_TRUE(fs::is_symlink(folder + "/chart.xlsx"));
    EXPECT_EQ(readBytes(folder + "/real/chart.xlsx"), "new");
    EXPECT_EQ(permissions(folder + "/real/chart.xlsx"), fs::perms(0640));
    // No temporary is left beside either name.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/real"), fs::directory_iterator()), 1);
}

TEST(AtomicFile, RefusesWhatCannotBeReplacedWholeAndLeavesIt) {
    const std::string folder = scratchFolder("refused");
    writeBytes(folder + "/kept.xlsx", "old");
    fs::permissions(folder + "/kept.xlsx", fs::perms(0444));
    fs::create_directory(folder + "/folder.xlsx");
    ASSERT_EQ(::mkfifo((folder + "/fifo.xlsx").c_str(), 0600), 0);

    const std::pair<std::string, FileProblem::Kind> cases[] = {
        {"kept.xlsx", FileProblem::Kind::WriteProtected},
        {"folder.xlsx", FileProblem::Kind::Folder},
        {"fifo.xlsx", FileProblem::Kind::NotFile},
        {"none/chart.xlsx", FileProblem::Kind::NoFolder},
    };
    for (const auto& [name, kind] : cases) {
        const auto problem = platform::replaceFileAtomically(folder + "/" + name, "new");
        ASSERT_TRUE(problem) << name;
        EXPECT_EQ(problem->kind, kind) << name;
    }
    EXPECT_EQ(readBytes(folder + "/kept.xlsx"), "old");
    EXPECT_EQ(permissions(folder + "/kept.xlsx"), fs::perms(0444));
    EXPECT_TRUE(fs::is_fifo(folder + "/fifo.xlsx"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
}

// A small file system of its own, filled up, stands for a full disk.
TEST(AtomicFile, AFullDiskIsToldAsSuchAndLeavesTheOldFile) {
    const std::string folder = scratchFolder("full");
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a file system here: " << std::strerror(errno);
    }
    writeBytes(folder + "/chart.xlsx", "old");
    writeBytes(folder + "/filler", std::string(64 * 1024, 'f'));

    const auto problem = platform::replaceFileAtomically(folder + "/chart.xlsx", std::string(16 * 1024, 'n'));
    const std::string kept = readBytes(folder + "/chart.xlsx");
    const auto entries = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    ::umount(folder.c_str());

    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->error, ENOSPC);
    EXPECT_EQ(platform::englishReason(*problem), "No space left on device");
    EXPECT_EQ(platform::japaneseReason(*problem), "ディスクに空きがありません");
    EXPECT_EQ(kept, "old");
    EXPECT_EQ(entries, 2);
}

}  // namespace
