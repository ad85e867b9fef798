#pragma once

// Runs the built tessaly-cli as a user would, on pictures and cfg folders made in a temporary folder.

#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

namespace cli_test {

struct RunResult {
    int exitCode = -1;  // -1 when a signal ended the run
    int signal = 0;
    std::string out;
    std::string err;
};

class Workspace {
public:
    Workspace();

    // A path inside the workspace.
    std::string path(const QString& name) const;
    // A copy of the shipped cfg folder.
    std::string cfg() const { return path("cfg"); }

    std::string savePicture(const QString& name, const QImage& image, const char* format = "PNG") const;
    std::string writeFile(const QString& name, const std::string& contents) const;
    // Every entry of the workspace folder but cfg, for checking that nothing was left behind.
    QStringList leftovers() const;

    // Runs tessaly-cli in the workspace folder with these arguments and, unless one is given, --cfg pointing at the copy.
    // Its standard output is caught in `out`, or is `stdoutFd` when one is given.
    RunResult run(std::vector<std::string> arguments, bool withCfg = true, int stdoutFd = -1) const;
    // Runs this program instead of the built tessaly-cli from now on.
    void useProgram(std::string program) { program_ = std::move(program); }

private:
    QTemporaryDir dir_;
    std::string program_ = TESSALY_CLI;
};

// 30 x 30 pixels, black above white: a 10 x 10 chart of two exact thread colours.
QImage blackOverWhite();
// Colours changing along both sides, as in a photograph: many threads, reduced at small maximums.
QImage gradient(int width, int height);

std::string readFile(const std::string& path);
std::vector<std::string> lines(const std::string& text);
std::vector<std::string> fields(const std::string& csvLine);  // plain split on ','
QJsonObject parseJson(const std::string& text);

// The run ended with this exit code, no output and one line of error naming the program and `mention`.
void expectRefused(const RunResult& run, int exitCode, const std::string& mention, const std::string& context);

}  // namespace cli_test
