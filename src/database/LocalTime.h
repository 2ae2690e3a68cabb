#pragma once

#include <ctime>

namespace kavro {

// The PC's present local date and time (the save stamp, the settings dialog's Update).
std::tm localTimeNow();

}  // namespace kavro
