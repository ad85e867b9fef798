#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ChildRun {
    bool started = false;   // the program could be run at all
    bool finished = false;  // it ended by itself within the time given, with exitCode
    int exitCode = -1;
    std::string output;  // what it wrote on standard output
    std::string errors;  // and on standard error
};

// Runs a program with the arguments, the input on its standard input, and collects what it writes.
// A program still running when the time is up is killed. The input goes through a socket, so a
// program that ends without reading it all never ends the caller by SIGPIPE.
ChildRun runChildProgram(const std::string& program, const std::vector<std::string>& arguments,
                         std::string_view input, int seconds);

}  // namespace platform
