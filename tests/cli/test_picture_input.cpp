// Picture files refused without hanging, running out of memory or charting damage. Which way up a BMP
// is read is compared with Qt's reader in tests/platform/test_bmp_decoder.cpp.

#include "cli_harness.h"
#include "platform/encoded_picture.h"
#include "platform/picture_decoder.h"

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli_test {
namespace {

std::string encodedBytes(const QImage& image, const char* format) { return encoded(image, format).toStdString(); }

void put32(std::string& bytes, std::size_t offset, qint32 value) { std::memcpy(bytes.data() + offset, &value, 4); }

void expectRefused(const RunResult& run, const std::string& path, const std::string& mention) {
    EXPECT_EQ(run.exitCode, 2) << path << "\n" << run.err;
    ASSERT_EQ(lines(run.err).size(), 1u) << run.err;
    EXPECT_EQ(run.err.rfind("tessaly-cli: " + path + ": ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(mention), std::string::npos) << run.err;
}

TEST(CliPictureInput, RefusesWhatIsNoRegularFileBeforeReadingIt) {
    Workspace ws;
    const std::string fifo = ws.path("pipe.png");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = ws.path("link.png");
    std::filesystem::create_symlink("/dev/zero", link);
    const std::string folder = ws.path("folder.png");
    std::filesystem::create_directory(folder);

    // Reading any of these could hang, grow without bound or fail without naming the file.
    expectRefused(ws.run({"chart", fifo}), fifo, "not a regular file");
    expectRefused(ws.run({"chart", link}), link, "not a regular file");
    expectRefused(ws.run({"chart", folder}), folder, "folder");
}

TEST(CliPictureInput, RefusesAFileTooLargeForAnyPictureBeforeReadingIt) {
    Workspace ws;
    const std::string path = ws.writeFile("padded.png", encodedBytes(gradient(100, 100), "PNG"));
    // Sparse: the size is there without the disk space.
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, platform::kMaxPictureFileBytes + 1), 0);
    ::close(fd);
    expectRefused(ws.run({"chart", path}), path, "too large");
}

TEST(CliPictureInput, RefusesDamagedOrIncompletePicturesOnOneLine) {
    Workspace ws;
    const std::string jpeg = encodedBytes(gradient(64, 64), "JPEG");
    const std::string bmp = encodedBytes(gradient(64, 64), "BMP");
    std::string pixelsPastTheEnd = bmp;
    put32(pixelsPastTheEnd, 10, static_cast<qint32>(bmp.size()) - 100);
    const std::string cases[][2] = {
        {"half.jpg", jpeg.substr(0, jpeg.size() / 2)},
        {"noend.jpg", jpeg.substr(0, jpeg.size() - 2)},
        {"short.bmp", bmp.substr(0, bmp.size() - 64)},
        {"header.bmp", bmp.substr(0, 30)},
        {"offset.bmp", pixelsPastTheEnd},
    };
    for (const auto& [name, contents] : cases) {
        const std::string path = ws.writeFile(QString::fromStdString(name), contents);
        expectRefused(ws.run({"chart", path}), path, "the picture is damaged or incomplete");
    }
}

TEST(CliPictureInput, SaysTooLargeForHeadersThatDeclareTooManyPixels) {
    Workspace ws;
    std::string jpeg = encodedBytes(gradient(16, 16), "JPEG");
    const std::size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    jpeg.replace(frame + 5, 4, "\xFF\xFF\xFF\xFF");  // height and width of 65535
    std::string bmp = encodedBytes(gradient(4, 4), "BMP");
    put32(bmp, 18, 100000);
    put32(bmp, 22, 100000);
    for (const auto& [name, contents] : {std::pair{"huge.jpg", jpeg}, std::pair{"huge.bmp", bmp}}) {
        const std::string path = ws.writeFile(name, contents);
        expectRefused(ws.run({"chart", path}), path, "too large");
    }
}

}  // namespace
}  // namespace cli_test
