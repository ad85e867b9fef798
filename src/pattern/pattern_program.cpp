// tessaly-pattern: paints the printable pattern of a chart that tessaly-cli hands over on standard
// input, and writes the PDF on standard output. It is the one part of the command line that needs
// Qt's painter and fonts, so the command line itself links no toolkit and runs on a server without
// one, printing patterns where this program is installed too.

#include "pattern/pattern_pdf.h"
#include "pattern/pattern_wire.h"
#include "platform/descriptor_io.h"

#include <QGuiApplication>

#include <iostream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace {

constexpr int kPainted = 0;
constexpr int kNotPainted = 1;
constexpr int kNotAJob = 2;

// Qt's own notes on fonts and platforms would reach the user's terminal through the command line;
// a failure is told in the pattern's own words instead.
void dropQtMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(dropQtMessages);
    const std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    const std::optional<pattern::PatternJob> job = pattern::unpackPatternJob(bytes);
    if (!job) {
        std::cerr << "the pattern to print was not handed over whole" << std::flush;
        return kNotAJob;
    }
    // Fonts are found through a GUI application; a screenless platform needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const pattern::PatternPdf pdf = pattern::patternPdf(job->content, job->options);
    if (!pdf.message.empty()) {
        std::cerr << pdf.message << std::flush;
        return kNotPainted;
    }
    return platform::writeAll(STDOUT_FILENO, pdf.bytes) ? kPainted : kNotPainted;
}
