#pragma once

#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"

namespace kavro::test {

// What a finished program left behind.
struct ProgramResult {
    int exitCode = -1;  // the exit status, or -1 when the program did not exit normally
    int signal = 0;     // the signal that ended it (a crash, or the hang guard), else 0
    bool timedOut = false;
    std::string out, err;  // everything written to stdout and to stderr

    bool exitedWith(int code) const { return signal == 0 && !timedOut && exitCode == code; }
};

// Runs `program` with `args` (no shell), nothing on its stdin; collects stdout and stderr apart.
// A program still running after two minutes is killed, so a hang fails the test.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args);
// Runs the kavro-cli built with the tests.
ProgramResult runCli(const std::vector<std::string>& args);

// The image of the demo database as writeImage builds it (no date stamp).
IrdImage demoImage();
// Writes `image` to `path`; fails the current test when that is not possible.
void writeImageFile(const std::string& path, const IrdImage& image);
// The database in `path` as the editor opens it; fails the current test when it cannot.
ChannelDatabase readDatabase(const std::string& path);

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace kavro::test
