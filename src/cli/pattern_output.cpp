#include "cli/pattern_output.h"

#include "pattern/pattern_pdf.h"

#include <QDate>
#include <QGuiApplication>

#include <optional>

namespace cli {

std::string addPattern(OutputBatch& batch, const ChartArguments& arguments, const document::ChartDocument& document) {
    // The painter finds its fonts through a GUI application, which lives only while the pattern is
    // painted: while one exists, Qt writes the screen's resolution into every PNG it encodes, and
    // the pictures must stay what a run without --pdf makes. A screenless platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "tessaly-cli";
    char* argv[] = {name, nullptr};
    std::optional<QGuiApplication> gui;
    if (!QCoreApplication::instance()) gui.emplace(argc, argv);

    const pattern::PatternOptions options{arguments.paper, arguments.strands,
                                          QDate::currentDate().toString(Qt::ISODate).toStdString()};
    pattern::PatternPdf pdf = pattern::patternPdf(document, options);
    if (!pdf.message.empty()) return "cannot write " + *arguments.pdfPath + ": " + pdf.message;
    batch.add("--pdf", *arguments.pdfPath, std::move(pdf.bytes));
    return {};
}

}  // namespace cli
