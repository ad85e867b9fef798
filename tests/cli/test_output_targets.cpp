// Where the outputs may go, and the names refused before any old file is replaced.

#include "cli_harness.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace cli_test {
namespace {

namespace fs = std::filesystem;

fs::perms permissions(const std::string& path) { return fs::status(path).permissions(); }

TEST(CliTargets, ReplacesFilesThroughLinksKeepingTheirPermissions) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const std::string codes = ws.writeFile("codes.csv", "old\n");
    fs::permissions(codes, fs::perms(0640));
    const std::string real = ws.writeFile("sub/real.csv", "old\n");
    fs::permissions(real, fs::perms(0600));
    fs::create_symlink("sub/real.csv", ws.path("link.csv"));
    fs::create_symlink("sub/new.png", ws.path("dangling.png"));
    // With the temporary named after it, a name this long would no longer fit.
    const std::string longName = std::string(250, 'n') + ".png";
    const mode_t mask = umask(0);
    umask(mask);

    const RunResult run = ws.run({"chart", picture, "--codes", codes, "--key", ws.path("link.csv"), "--png",
                                  ws.path("dangling.png"), "--icon", ws.path(QString::fromStdString(longName))});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lines(readFile(codes)).size(), 10u);
    EXPECT_EQ(permissions(codes), fs::perms(0640));
    EXPECT_TRUE(fs::is_symlink(ws.path("link.csv")));
    EXPECT_EQ(lines(readFile(real))[0], "symbol,code,name,count,R,G,B");
    EXPECT_EQ(permissions(real), fs::perms(0600));
    EXPECT_TRUE(fs::is_symlink(ws.path("dangling.png")));
    EXPECT_EQ(permissions(ws.path("sub/new.png")), fs::perms(0666 & ~mask));
    EXPECT_EQ(QImage(QString::fromStdString(ws.path(QString::fromStdString(longName)))).size(), QSize(10, 10));
    EXPECT_EQ(ws.leftovers(), (QStringList{"codes.csv", "dangling.png", "link.csv", QString::fromStdString(longName),
                                           "p.png", "sub"}));
    EXPECT_EQ(QDir(QString::fromStdString(ws.path("sub"))).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"new.png", "real.csv"}));
}

TEST(CliTargets, WritesDevicesAndFifosInPlace) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const std::string fifo = ws.path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Open for reading without waiting, so the run can open it for writing; the few codes it
    // writes fit in the pipe and are read after it ends.
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);

    const RunResult run = ws.run({"chart", picture, "--png", "/dev/null", "--codes", fifo, "--key", ws.path("key.csv")});
    std::string fromFifo(4096, '\0');
    fromFifo.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(reader, fromFifo.data(), fromFifo.size()))));
    ::close(reader);

    EXPECT_EQ(run.exitCode, 0) << run.err;
    if (!fs::is_character_file("/dev/null")) {
        ADD_FAILURE() << "/dev/null was replaced by a plain file";
        // Put the system's device back, as far as this user may.
        ::unlink("/dev/null");
        ::mknod("/dev/null", S_IFCHR | 0666, makedev(1, 3));
        ::chmod("/dev/null", 0666);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(lines(fromFifo).size(), 10u);
    EXPECT_EQ(lines(readFile(ws.path("key.csv")))[0], "symbol,code,name,count,R,G,B");
    EXPECT_EQ(ws.leftovers(), (QStringList{"fifo", "key.csv", "p.png"}));
}

TEST(CliTargets, OneOutputMayGoToStandardOutput) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const RunResult codesOut = ws.run({"chart", picture, "--codes", "-", "--key", ws.path("key.csv")});
    const RunResult keyOut = ws.run({"chart", picture, "--key", "-", "--codes", ws.path("codes.csv")});
    ASSERT_EQ(codesOut.exitCode, 0) << codesOut.err;
    ASSERT_EQ(keyOut.exitCode, 0) << keyOut.err;
    EXPECT_EQ(lines(codesOut.out).size(), 10u);
    EXPECT_EQ(codesOut.out, readFile(ws.path("codes.csv")));
    EXPECT_EQ(keyOut.out, readFile(ws.path("key.csv")));
    EXPECT_EQ(ws.leftovers(), (QStringList{"codes.csv", "key.csv", "p.png"}));
}

TEST(CliTargets, AReaderThatIsGoneLeavesNoFileBehind) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ::close(ends[0]);
    const RunResult run = ws.run({"chart", picture, "--codes", "-", "--key", ws.path("key.csv")}, true, ends[1]);
    ::close(ends[1]);
    // Ended by SIGPIPE as a filter is, or, where that signal is ignored, refused.
    EXPECT_TRUE(run.signal == SIGPIPE || run.exitCode == 2) << run.exitCode << " " << run.err;
    EXPECT_EQ(ws.leftovers(), QStringList{"p.png"});
}

TEST(CliTargets, RefusesUnusableNamesBeforeReplacingAnyFile) {
    Workspace ws;
    const std::string picture = ws.savePicture("p.png", blackOverWhite());
    const std::string old = ws.writeFile("old.csv", "old\n");
    ws.writeFile("folder/readme.txt", "");
    fs::create_symlink("old.csv", ws.path("link.csv"));
    const std::string kept = ws.writeFile("kept.png", "kept\n");
    fs::permissions(kept, fs::perms(0444));
    const QStringList before = ws.leftovers();

    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--key", "-", "--png", "-"}, "--key - and --png - cannot both write to standard output"},
        {{"--icon", "-", "--json"}, "--icon - and --json cannot both write to standard output"},
        {{"--key", ws.path("folder/../old.csv")}, "--codes and --key name the same file"},
        {{"--key", ws.path("link.csv")}, "--codes and --key name the same file"},
        {{"--png", "new.png", "--icon", "./new.png"}, "--png and --icon name the same file"},
        {{"--png", ws.path("folder")}, ws.path("folder") + " is a folder"},
        {{"--png", ws.path("folder") + "/"}, ws.path("folder") + "/ is a folder"},
        {{"--png", ws.path("new") + "/"}, "a file name cannot end in /"},
        {{"--png", picture + "/chart.png"}, picture + " is not a folder"},
        {{"--png", ws.path("no/such/chart.png")}, "there is no folder " + ws.path("no/such")},
        {{"--png", kept}, "cannot write " + kept + ": " + kept + " is write-protected"},
    };
    for (const auto& [outputs, mention] : cases) {
        std::vector<std::string> arguments = {"chart", picture, "--codes", old};
        arguments.insert(arguments.end(), outputs.begin(), outputs.end());
        expectRefused(ws.run(arguments), 2, mention, mention);
        EXPECT_EQ(readFile(old), "old\n") << mention;
        EXPECT_EQ(readFile(kept), "kept\n") << mention;
        EXPECT_EQ(ws.leftovers(), before) << mention;
    }
}

}  // namespace
}  // namespace cli_test
