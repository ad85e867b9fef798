#pragma once

// Files a test makes and looks into, in a folder of its own under the test's temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// An empty folder named for the test; what an earlier run left there is gone.
inline std::string scratchFolder(const std::string& name) {
    const std::string folder = ::testing::TempDir() + "/scratch_" + name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}
