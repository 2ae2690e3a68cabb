#pragma once

#include <string>
#include <vector>

namespace kavro::test {

// What a finished program left behind.
struct ProgramResult {
    int exitCode = -1;  // the exit status, or -1 when the program did not exit normally
    int signal = 0;     // the signal that ended it (a crash, or the hang guard), else 0
    bool timedOut = false;
    std::string out;  // everything written to stdout
    std::string err;  // everything written to stderr

    bool exitedWith(int code) const { return signal == 0 && !timedOut && exitCode == code; }
};

// Runs `program` with `args` (no shell), `input` on its stdin; collects stdout and stderr apart.
// A program still running after `hangGuardSeconds` is killed, so a hang fails the test.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = {}, int hangGuardSeconds = 120);

// Runs the kavro-cli built with the tests.
ProgramResult runCli(const std::vector<std::string>& args, const std::string& input = {});

}  // namespace kavro::test
