#include "cli_harness.h"

#include <QFile>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace cli_test {

Workspace::Workspace() {
    EXPECT_TRUE(dir_.isValid());
    std::filesystem::copy(TESSALY_SOURCE_CFG, cfg(), std::filesystem::copy_options::recursive);
}

std::string Workspace::path(const QString& name) const { return dir_.filePath(name).toStdString(); }

std::string Workspace::savePicture(const QString& name, const QImage& image, const char* format) const {
    const std::string file = path(name);
    EXPECT_TRUE(image.save(QString::fromStdString(file), format)) << file;
    return file;
}

std::string Workspace::writeFile(const QString& name, const std::string& contents) const {
    const std::string file = path(name);
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    std::ofstream(file, std::ios::binary) << contents;
    return file;
}

QStringList Workspace::leftovers() const {
    QStringList names = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll("cfg");
    return names;
}

RunResult Workspace::run(std::vector<std::string> arguments, bool withCfg, int stdoutFd) const {
    arguments.insert(arguments.begin(), program_);
    if (withCfg) {
        arguments.push_back("--cfg");
        arguments.push_back(cfg());
    }
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The captured output goes outside the workspace, which the tests inspect.
    const std::string workspace = dir_.path().toStdString();
    const std::string outPath = workspace + ".out";
    const std::string errPath = workspace + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Started in the workspace, so that relative output names land there too.
    posix_spawn_file_actions_addchdir_np(&actions, workspace.c_str());
    if (stdoutFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    RunResult run;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    if (spawned != 0) return run;
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

QImage blackOverWhite() {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 30; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    }
    return image;
}

QImage gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    }
    return image;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

std::vector<std::string> fields(const std::string& csvLine) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = csvLine.find(',', start);
        result.push_back(csvLine.substr(start, comma - start));
        if (comma == std::string::npos) return result;
        start = comma + 1;
    }
}

QJsonObject parseJson(const std::string& text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return document.object();
}

void expectRefused(const RunResult& run, int exitCode, const std::string& mention, const std::string& context) {
    EXPECT_EQ(run.exitCode, exitCode) << context << "\n" << run.err;
    EXPECT_EQ(run.out, "") << context;
    EXPECT_EQ(lines(run.err).size(), 1u) << context << "\n" << run.err;
    EXPECT_EQ(run.err.rfind("tessaly-cli: ", 0), 0u) << context << "\n" << run.err;
    EXPECT_NE(run.err.find(mention), std::string::npos) << context << "\n" << run.err;
}

}  // namespace cli_test
