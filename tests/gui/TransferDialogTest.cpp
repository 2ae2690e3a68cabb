#include <gtest/gtest.h>

#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "gui/transfer/PortChoices.h"
#include "gui/transfer/TransferDialog.h"

namespace kavro::gui {
namespace {

SerialPortEntry port(const std::string& name, const std::string& description = {}) {
    return {name, name, description, {}};
}

TEST(TransferPortChoices, ComPortsFirstThenPresentPortsAndCom1UnlessItIsMissing) {
    // Nothing present: the four names alone, COM1 chosen.
    PortChoices none = portChoices({});
    ASSERT_EQ(none.items.size(), 4u);
    EXPECT_EQ(none.items[3].name, "COM4");
    EXPECT_EQ(none.preselected, 0);

    // COM1 present: it stays chosen; an adapter follows with its description, COM2 is not listed
    // twice.
    PortChoices withCom1 = portChoices(
        {port("/dev/ttyUSB0", "FT232R USB UART"), port("COM1"), port("COM2", "16550A")});
    ASSERT_EQ(withCom1.items.size(), 5u);
    EXPECT_EQ(withCom1.preselected, 0);
    EXPECT_EQ(withCom1.items[1].description, "16550A");
    EXPECT_EQ(withCom1.items[4].name, "/dev/ttyUSB0");
    EXPECT_EQ(withCom1.items[4].label, "/dev/ttyUSB0  (FT232R USB UART)");

    // COM1 missing: the first port that is there, in list order.
    EXPECT_EQ(portChoices({port("/dev/ttyUSB0"), port("COM3")}).preselected, 2);
    EXPECT_EQ(portChoices({port("/dev/ttyACM0"), port("/dev/ttyUSB0")}).preselected, 4);
}

TEST(TransferDialog, PortsByNameOrPathAndCancelDuringARunOnlyAsks) {
    TransferDialog dialog(TransferDialog::Mode::Upload, {port("/dev/ttyUSB0", "FT232R")});
    dialog.show();
    QSignalSpy starts(&dialog, &TransferDialog::startRequested);
    QSignalSpy cancels(&dialog, &TransferDialog::cancelRequested);
    // COM1 is not on this machine: the adapter is proposed, and opened by its name.
    EXPECT_EQ(dialog.portName(), QStringLiteral("/dev/ttyUSB0"));
    QLineEdit* edit = dialog.portBox()->lineEdit();
    edit->clear();
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    QTest::keyClicks(edit, QStringLiteral("/dev/pts/7"));

    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0][0].toString(), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(dialog.statusText(), QStringLiteral("Remainder : 20 Sec."));
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(cancels.size(), 1);
    EXPECT_TRUE(dialog.isVisible());

    // The port could not be opened, so the receiver was never called: no countdown is left.
    dialog.endRun(false);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.statusText().isEmpty());
}

// Coloured pixels of the bar (its chunk; the groove and frame are grey), in its left and
// right halves.
std::pair<int, int> chunkPixels(QProgressBar& bar) {
    const QImage image = bar.grab().toImage();
    std::pair<int, int> count{0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).hsvSaturation() > 80)
                ++(x < image.width() / 2 ? count.first : count.second);
    return count;
}

// In a right-to-left dialog the bar fills from the right, and an empty bar shows no chunk at
// all (not a sliver at its start, as if the transfer had begun).
TEST(TransferDialog, RightToLeftBarIsEmptyAtNoughtAndFillsFromTheRight) {
    TransferDialog dialog(TransferDialog::Mode::Download, {});
    dialog.setLayoutDirection(Qt::RightToLeft);
    dialog.show();
    auto* bar = dialog.findChild<QProgressBar*>();
    ASSERT_TRUE(bar);
    dialog.showProgress(0);
    EXPECT_EQ(chunkPixels(*bar), std::make_pair(0, 0));
    dialog.showProgress(40);
    const auto [left, right] = chunkPixels(*bar);
    EXPECT_GT(right, 0);
    EXPECT_EQ(left, 0);
    dialog.showProgress(0);
    EXPECT_EQ(chunkPixels(*bar), std::make_pair(0, 0));
}

}  // namespace
}  // namespace kavro::gui
