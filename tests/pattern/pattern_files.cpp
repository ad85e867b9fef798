#include "pattern_files.h"

#include "platform/picture_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string_view>
#include <unistd.h>

namespace pattern_test {
namespace {

constexpr int kBands = 4;

}  // namespace

platform::Bitmap bands(int width, int height) {
    const platform::Rgb colours[kBands] = {{200, 40, 40}, {40, 160, 60}, {40, 60, 200}, {255, 255, 255}};
    platform::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) picture.set(x, y, colours[x * kBands / width]);
    }
    return picture;
}

platform::Bitmap garden() {
    platform::DecodedPicture photo = platform::loadPicture(TESSALY_SOURCE_DIR "/samples/garden.png");
    EXPECT_EQ(photo.message, "");
    return std::move(photo.bitmap);
}

std::unique_ptr<document::ChartDocument> chartDocument(platform::Bitmap picture, int columns, int rows, int colours) {
    auto document = std::make_unique<document::ChartDocument>(TESSALY_SOURCE_CFG);
    EXPECT_TRUE(document->start({}).loaded());
    document->takePicture(std::move(picture));
    chart::ChartChoices choices = document->choices();
    choices.maxColours = colours;
    // One pixel of the picture area per cell, the picture stretched over it.
    EXPECT_EQ(document->makeChart({{columns, rows}, {1, 1}, choices}).message, "");
    EXPECT_EQ(document->model().columns, columns);
    EXPECT_EQ(document->model().rows, rows);
    return document;
}

PdfFile::PdfFile(const std::string& bytes) {
    static int made = 0;
    path_ = (std::filesystem::temp_directory_path() /
             ("tessaly-pattern-" + std::to_string(::getpid()) + "-" + std::to_string(++made) + ".pdf"))
                .string();
    std::ofstream(path_, std::ios::binary) << bytes;
}

PdfFile::~PdfFile() { std::filesystem::remove(path_); }

std::string PdfFile::run(const std::string& tool, const std::string& options) const {
    const std::string command = tool + " " + options + " '" + path_ + "' " + (tool == "pdftotext" ? "- " : "") + "2>/dev/null";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, read);
        ::pclose(pipe);
    }
    return output;
}

int PdfFile::pageCount() const {
    std::smatch found;
    const std::string info = run("pdfinfo");
    return std::regex_search(info, found, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(found[1]) : -1;
}

std::vector<Word> pageWords(const PdfFile& pdf, int page) {
    const std::string html = pdf.run("pdftotext", "-bbox -f " + std::to_string(page) + " -l " + std::to_string(page));
    std::vector<Word> words;
    constexpr std::string_view kOpening = "<word ";
    for (std::size_t at = html.find(kOpening); at != std::string::npos; at = html.find(kOpening, at + 1)) {
        Word word;
        int textAt = 0;
        if (std::sscanf(html.c_str() + at, R"(<word xMin="%lf" yMin="%lf" xMax="%lf" yMax="%lf">%n)", &word.xMin,
                        &word.yMin, &word.xMax, &word.yMax, &textAt) < 4 || textAt == 0) {
            continue;
        }
        const std::size_t from = at + static_cast<std::size_t>(textAt);
        word.text = html.substr(from, html.find('<', from) - from);
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace pattern_test
