#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "gui/dialogs/ChannelDialog.h"
#include "gui/dialogs/SatelliteDialog.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

template <typename Widget = QLineEdit>
Widget* control(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QPushButton* okButton(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    for (QAbstractButton* b : buttons->buttons())
        if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole)
            return qobject_cast<QPushButton*>(b);
    return nullptr;
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Shown as the user meets it: the active window, so leaving a box moves the focus.
void showActive(QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Types `text` into `box` and tabs out of it.
void typeAndLeave(QLineEdit* box, const QString& text) {
    box->setFocus();
    retype(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

ChannelDatabase sample() {
    test::DatabaseBuilder b;
    b.satellite("Nile").transponder(11000).channel("News").channel("Sport");
    return b.satellite("Empty").build();
}

class EditDialogsTest : public ::testing::Test {
protected:
    ChannelDialog editChannel(int k) {
        auto form = ChannelForm::open(db, ChannelRef{std::uint16_t(k), std::uint16_t(k), 0, 0}, {},
                                      messages);
        EXPECT_TRUE(form && form->mode == ChannelForm::Edit);
        return ChannelDialog(std::move(*form), messages);
    }

    ChannelDatabase db = sample();
    test::RecordingMessageSink messages;
};

TEST_F(EditDialogsTest, LimitOf21IsRefusedOnOkAndOnLeavingWithTheFocusBack) {
    auto form = ChannelForm::open(db, ChannelRef{0, 0, 0, 0}, {}, messages);
    ChannelDialog dialog(std::move(*form), messages);
    showActive(dialog);
    auto* limit = control(dialog, "limit");

    retype(limit, "21");
    control(dialog, "videoPid")->setFocus();
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::EnterIntegerBetween});
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 0 and 20.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.channel());
    EXPECT_EQ(QApplication::focusWidget(), limit);

    typeAndLeave(limit, "x");
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[1].text, "Please enter an integer.");
    EXPECT_EQ(QApplication::focusWidget(), limit);
    EXPECT_EQ(limit->selectedText(), "x") << "ready to be typed over";

    typeAndLeave(limit, "20");
    EXPECT_EQ(messages.entries.size(), 2u) << "a good value passes quietly";
    EXPECT_NE(QApplication::focusWidget(), limit);
}

TEST_F(EditDialogsTest, ArabicChannelNameOpensRightToLeftWithFourteenCharacters) {
    ChannelRecord& news = db.satellites[0].transponders[0].channels[0];
    encodeReceiverName("\xDE\xE4\xC7\xC9", news.name());
    ASSERT_EQ(news.name()[0], kArabicNameMarker);
    ChannelDialog arabic = editChannel(0);
    auto* name = control(arabic, "name");
    EXPECT_EQ(name->layoutDirection(), Qt::RightToLeft);
    EXPECT_TRUE(name->alignment() & Qt::AlignRight);
    EXPECT_EQ(name->maxLength(), 14);
    EXPECT_EQ(name->text(), QString::fromUtf8("قناة"));

    // Fourteen glyphs, one of them lam-alef, read as fifteen letters: the box shows them all.
    const std::string fifteen = "\xE1\xC7" + std::string(13, '\xC8');
    encodeReceiverName(fifteen, news.name());
    ChannelDialog ligature = editChannel(0);
    EXPECT_EQ(control(ligature, "name")->text().size(), 15);
    QTest::mouseClick(okButton(ligature), Qt::LeftButton);
    ASSERT_TRUE(ligature.channel());
    EXPECT_EQ(ligature.channel()->record, news);

    // A Latin name, and the ECM slots shown as the mask says (a set bit: not used).
    db.satellites[0].transponders[0].channels[1].setEcmMask(0xFFFE);
    ChannelDialog latin = editChannel(1);
    EXPECT_EQ(control(latin, "name")->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(control(latin, "name")->maxLength(), 15);
    for (int i = 1; i <= 16; ++i) {
        auto* box =
            control<QCheckBox>(latin, QStringLiteral("ecm%1").arg(i).toLatin1().constData());
        EXPECT_EQ(box->isChecked(), i == 1) << i;
        EXPECT_FALSE(box->isEnabled());
    }
}

TEST_F(EditDialogsTest, SatelliteLnbSwitchFillsBothBoxesAndABadBoxTakesTheFocusBack) {
    SatelliteRecord stored = db.satellites[0];
    stored.bytes[26] = 0x5A;  // a byte the dialog does not show
    encodeReceiverName("\xDE\xE4\xC7\xC9", stored.name());
    SatelliteDialog dialog(SatelliteForm::forEdit(0, stored), messages);
    showActive(dialog);
    EXPECT_EQ(control(dialog, "name")->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(control(dialog, "name")->maxLength(), 18);

    auto* type = control<QComboBox>(dialog, "lnbType");
    auto* low = control(dialog, "lnbLow");
    auto* high = control(dialog, "lnbHigh");
    ASSERT_EQ(type->currentText(), "Universel");
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);
    EXPECT_EQ(low->text() + " " + high->text(), "0 5150");
    QTest::keyClick(type, Qt::Key_Down);
    EXPECT_EQ(low->text() + " " + high->text(), "9750 10600");

    typeAndLeave(high, "70000");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 0 and 65535.");
    EXPECT_EQ(QApplication::focusWidget(), high);
    // Cancel stays reachable with a bad value.
    retype(high, "x");
    QTest::keyClick(high, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages.entries.size(), 1u);

    SatelliteDialog again(SatelliteForm::forEdit(0, stored), messages);
    again.show();
    QTest::mouseClick(okButton(again), Qt::LeftButton);
    EXPECT_EQ(again.form().record, stored) << "unchanged, hidden bytes and Arabic name included";
}

// Tab walks the controls in the order the receiver's dialog lists them.
TEST_F(EditDialogsTest, ChannelControlsAreInDialogOrder) {
    auto form = ChannelForm::open(db, std::nullopt, {}, messages);
    ChannelDialog dialog(std::move(*form), messages);
    QStringList order;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
            w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
    QStringList expected = {"satellite", "transponder", "name",      "original",      "videoPid",
                            "audioPid",  "pcrPid",      "serviceId", "pmtPid",        "teletextPid",
                            "ac3Pid",    "xPid",        "type",      "audioLanguage", "limit",
                            "crypted",   "locked"};
    for (int i = 1; i <= 16; ++i) expected << QStringLiteral("ecm%1").arg(i);
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace kavro::gui
