#pragma once

// Runs the built tessaly-cli as a user would, on pictures and configuration folders made in a
// temporary folder.

#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace cli_test {

struct RunResult {
    int exitCode = -1;
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

    // Runs tessaly-cli with these arguments and, unless one is given, --cfg pointing at the copy.
    RunResult run(std::vector<std::string> arguments, bool withCfg = true) const;

private:
    QTemporaryDir dir_;
};

std::string readFile(const std::string& path);
std::vector<std::string> lines(const std::string& text);
std::vector<std::string> fields(const std::string& csvLine);  // plain split on ','
QJsonObject parseJson(const std::string& text);

}  // namespace cli_test
