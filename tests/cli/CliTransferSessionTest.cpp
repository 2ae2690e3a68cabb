#include <gtest/gtest.h>

#include <sstream>

#include "VirtualClock.h"
#include "cli/CliTransferSession.h"
#include "messages/StringIds.h"

namespace kavro::cli {
namespace {

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
    session.setProgress(50);  // 500,000 bytes in one second
    session.setProgress(99);
    session.setStatus(strings::UploadDone);  // completes the bar, says nothing itself
    session.finish();

    EXPECT_EQ(out.str(),
              "\rRemainder : 20 Sec."
              "\rRemainder : 19 Sec.\n"
              "Successful to Upload Header.\n"
              "\r[###############...............] 50%  500.0 kB/s"
              "\r[#############################.] 99%  990.0 kB/s"
              "\r[##############################] 100%  1000.0 kB/s\n");
}

TEST(CliTransferSessionTest, PlainOutputPrintsTenthsAndCancelOnce) {
    std::ostringstream out;
    std::atomic<bool> cancel{false};
    test::VirtualClock clock;
    CliTransferSession session(out, false, cancel, 1000, clock);

    session.setProgress(0);
    session.showCountdown(3);
    session.setStatusText({});
    for (int p = 1; p <= 25; ++p) session.setProgress(p);
    EXPECT_FALSE(session.pollCancel());
    cancel = true;  // Ctrl+C
    EXPECT_TRUE(session.pollCancel());
    EXPECT_FALSE(session.pollCancel());
    EXPECT_TRUE(session.cancelled());
    session.setStatus(strings::UploadFailed);  // the message sink says it, once

    EXPECT_EQ(out.str(),
              "Remainder : 17 Sec.\n"
              "[###...........................] 10%\n"
              "[######........................] 20%\n"
              "Cancelled.\n");
}

}  // namespace
}  // namespace kavro::cli
