// Runs a harness over the inputs it is given (files or folders of files) without a fuzzer, so
// every build replays the kept findings and the seeds under its own sanitizers.
#include <cstdio>

#include "FuzzSupport.h"

int main(int argc, char** argv) {
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const std::string& file : kavro::fuzz::inputFiles(argv[i])) {
            const std::vector<std::uint8_t> bytes = kavro::fuzz::readInput(file);
            std::fprintf(stderr, "%s (%zu bytes)\n", file.c_str(), bytes.size());
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++runs;
        }
    }
    std::printf("%d input(s) ran\n", runs);
    return runs > 0 ? 0 : 1;  // nothing to run is a broken setup, not a pass
}
