#pragma once

#include <filesystem>

namespace kavro {

// The directory of the running program file, as an absolute path without symbolic links.
// Empty when the platform does not tell (then callers use the per-user location alone).
std::filesystem::path programDirectory();

}  // namespace kavro
