#include <gtest/gtest.h>

#include <sstream>

#include "VirtualClock.h"
#include "cli/CliTransferSession.h"
#include "messages/StringIds.h"

namespace kavro::cli {
namespace {

// On a terminal one live line shows the countdown, then the bar with percentage and rate; a
// status ends it. The plain output for pipes is checked through the transfer commands.
TEST(CliTransferSessionTest, TerminalShowsOneLiveLineForCountdownAndBar) {
    std::ostringstream out;
    std::atomic<bool> cancel{false};
    test::VirtualClock clock;
    CliTransferSession session(out, true, cancel, 1'000'000, clock);
    session.setProgress(0);
    session.showCountdown(0);
    session.showCountdown(0);  // same second: nothing new
    session.showCountdown(1);
    session.setStatusText({});  // the receiver answered
    session.setStatus(strings::UploadHeaderDone);
    clock.now += 1000;
    session.setProgress(50);                 // 500,000 bytes in one second
    session.setStatus(strings::UploadDone);  // completes the bar, says nothing itself
    session.finish();
    EXPECT_EQ(out.str(),
              "\rRemainder : 20 Sec."
              "\rRemainder : 19 Sec.\n"
              "Successful to Upload Header.\n"
              "\r[###############...............] 50%  500.0 kB/s"
              "\r[##############################] 100%  1000.0 kB/s\n");
}

}  // namespace
}  // namespace kavro::cli
