#pragma once

// Charts made through the document, their PDF patterns, and what the poppler tools read back from a
// PDF, as a reader's program sees it.

#include "document/chart_document.h"
#include "pattern/pattern_pdf.h"
#include "platform/bitmap.h"

#include <memory>
#include <string>
#include <vector>

namespace pattern_test {

// Four flat bands of colour, the last white: a chart with a key of a few rows.
platform::Bitmap bands(int width, int height);
// The sample photograph, which charts in nearly as many colours as a chart may keep.
platform::Bitmap garden();

std::unique_ptr<document::ChartDocument> chartDocument(platform::Bitmap picture, int columns, int rows, int colours);

// The PDF in a file of its own, removed with the object.
class PdfFile {
public:
    explicit PdfFile(const std::string& bytes);
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // The standard output of a poppler tool run on the file, e.g. run("pdfinfo").
    std::string run(const std::string& tool, const std::string& options = {}) const;
    int pageCount() const;

private:
    std::string path_;
};

// A word of `pdftotext -bbox`, in points from the page's top left.
struct Word {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};

// The words of one page, counted from 1.
std::vector<Word> pageWords(const PdfFile& pdf, int page);

}  // namespace pattern_test
