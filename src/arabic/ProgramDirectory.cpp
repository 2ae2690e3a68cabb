#include "arabic/ProgramDirectory.h"

#include <system_error>

namespace kavro {
namespace fs = std::filesystem;

fs::path programDirectory() {
    // The kernel's own link to the executable: right whatever the working directory or the
    // name the program was started by. Linux first, then the BSD and Solaris spellings.
    for (const char* link : {"/proc/self/exe", "/proc/curproc/file", "/proc/self/path/a.out"}) {
        std::error_code ec;
        fs::path program = fs::read_symlink(link, ec);
        if (ec || !program.is_absolute()) continue;
        fs::path canonical = fs::weakly_canonical(program, ec);
        return (ec ? program : canonical).parent_path();
    }
    return {};
}

}  // namespace kavro
