#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
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

TEST(TransferDialog, TextsAndPortByMode) {
    TransferDialog upload(TransferDialog::Mode::Upload, {port("/dev/ttyUSB0", "FT232R")});
    EXPECT_EQ(upload.windowTitle(), QStringLiteral("   Upload the data from the receiver"));
    EXPECT_EQ(upload.startButton()->text(), QStringLiteral("Upload"));
    EXPECT_EQ(upload.percentText(), QStringLiteral("0%"));
    EXPECT_TRUE(upload.statusText().isEmpty());
    // COM1 is not on this machine: the adapter is proposed, and opened by its name.
    EXPECT_EQ(upload.portName(), QStringLiteral("/dev/ttyUSB0"));

    TransferDialog download(TransferDialog::Mode::Download, {});
    EXPECT_EQ(download.windowTitle(), QStringLiteral("   Download the data to the receiver"));
    EXPECT_EQ(download.startButton()->text(), QStringLiteral("Download"));
    EXPECT_EQ(download.portName(), QStringLiteral("COM1"));

    // A typed device is taken as it is; an empty box cannot start anything.
    QLineEdit* edit = download.portBox()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(download.portName(), QStringLiteral("/dev/pts/7"));
    edit->clear();
    EXPECT_FALSE(download.startButton()->isEnabled());
}

TEST(TransferDialog, CancelDuringARunOnlyAsksAndAFailureLeavesItOpenForAnotherTry) {
    TransferDialog dialog(TransferDialog::Mode::Upload, {});
    dialog.show();
    QSignalSpy starts(&dialog, &TransferDialog::startRequested);
    QSignalSpy cancels(&dialog, &TransferDialog::cancelRequested);

    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_EQ(starts[0][0].toString(), QStringLiteral("COM1"));
    EXPECT_EQ(dialog.statusText(), QStringLiteral("Remainder : 20 Sec."));
    EXPECT_FALSE(dialog.startButton()->isEnabled());
    dialog.showProgress(130);  // filler packets: shown as 100
    EXPECT_EQ(dialog.percentText(), QStringLiteral("100%"));

    // A port that could not be opened: idle again, no frozen countdown.
    dialog.endRun(false);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.startButton()->isEnabled());
    EXPECT_TRUE(dialog.statusText().isEmpty());

    // A protocol failure keeps its text; Esc during the run asks, the end of the run closes.
    QTest::mouseClick(dialog.startButton(), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(cancels.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
    dialog.showStatus(QStringLiteral("Failed"));
    dialog.endRun(false);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.statusText(), QStringLiteral("Failed"));
    EXPECT_EQ(starts.size(), 2);
}

}  // namespace
}  // namespace kavro::gui
