// The Parameters dialog driven through its widgets: what OK stores, what Cancel leaves, undo.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QUndoStack>
#include <cstring>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "editing/DemoDatabase.h"
#include "gui/dialogs/ParametersDialog.h"
#include "gui/dialogs/ParametersDialogPicker.h"

namespace kavro::gui {
namespace {

const LocalDateTime kNow{2025, 3, 14, 15, 9, 26};

class ParametersDialogTest : public ::testing::Test {
protected:
    // Opens the demo database with `change` made to it first, as a clean document.
    void open(const std::function<void(ChannelDatabase&)>& change = {}) {
        ChannelDatabase demo;
        buildDemoDatabase(demo);
        if (change) change(demo);
        ASSERT_TRUE(writeFile(demo, path, messages));
        ASSERT_TRUE(document.openDocument(path));
        before = document.database();
    }

    std::unique_ptr<ParametersDialog> dialog() {
        auto d = std::make_unique<ParametersDialog>(document);
        d->setClock([] { return kNow; });
        d->show();
        return d;
    }

    template <typename W>
    static W* find(QWidget& dialog, const char* name) {
        W* w = dialog.findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    static void choose(QWidget& dialog, const char* name, int index) {
        auto* box = find<QComboBox>(dialog, name);
        for (int i = 0; i < 40 && box->currentIndex() != index; ++i)
            QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_EQ(box->currentIndex(), index) << name;
    }
    static void toggle(QWidget& dialog, const char* name) {
        QTest::keyClick(find<QCheckBox>(dialog, name), Qt::Key_Space);
    }
    static void type(QWidget& dialog, const char* name, const char* text) {
        auto* box = find<QLineEdit>(dialog, name);
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    static void press(QWidget& dialog, QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
    }

    test::TemporaryDirectory dir;
    std::string path = dir.file("Demo.ird");
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
    ChannelDatabase before;
};

TEST_F(ParametersDialogTest, ChangesInEveryFrameAreStoredAsOneStepThatUndoes) {
    open();
    auto d = dialog();
    EXPECT_TRUE(find<ParametersDialogPicker>(*d, "currentTime")->isBlank()) << "no clock stored";
    choose(*d, "videoOutput", 1);  // CVBS
    choose(*d, "conversion", 3);   // Pan-Scan
    toggle(*d, "dolbySound");
    QTest::mouseClick(find<QPushButton>(*d, "update"), Qt::LeftButton);
    auto* wakeup = find<QTimeEdit>(*d, "wakeupTime");
    EXPECT_FALSE(wakeup->isEnabled());
    toggle(*d, "wakeup");
    EXPECT_TRUE(wakeup->isEnabled());
    wakeup->setCurrentSection(QDateTimeEdit::HourSection);
    for (int i = 0; i < 6; ++i) QTest::keyClick(wakeup, Qt::Key_Up);
    choose(*d, "subtitle", 2);          // Text
    choose(*d, "subtitleLanguage", 5);  // Dutch
    choose(*d, "showInfo", 3);          // 5s
    choose(*d, "background", 3);        // Winter
    choose(*d, "transparency", 1);      // 20%
    toggle(*d, "soundEffects");         // off
    choose(*d, "group", 1);
    choose(*d, "channel", 2);
    type(*d, "volume", "12");
    toggle(*d, "ageLock");
    type(*d, "age", "16");
    type(*d, "password", "1234");
    type(*d, "uhfChannel", "45");
    choose(*d, "palStandard", 1);  // PAL-I
    press(*d, QDialogButtonBox::Ok);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_FALSE(d->isVisible());

    const ChannelDatabase& db = document.database();
    const auto& b = db.settings;
    EXPECT_EQ(db.dateText(), "14 Mar 2025");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[24]), 4), "1234");
    EXPECT_EQ(b[32], 45 * 2);
    EXPECT_EQ(readU16(&b[34]), 40 | (16 << 7) | (1 << 12));  // 5s, age 16, age lock
    EXPECT_EQ(b[36], 0x01 | (2 << 4) | 0x40);                // CVBS, PAL-I, wake-up
    EXPECT_EQ(b[37], 3 << 5);                                // Winter, English audio
    EXPECT_EQ(readU16(&b[38]), 0x4000 | (5 << 2));           // Text, Dutch
    EXPECT_EQ(readU16(&b[40]), 12);
    EXPECT_EQ((std::vector<int>{b[43], b[44], b[45], b[46]}), (std::vector<int>{1, 50, 6, 0}));
    EXPECT_EQ((std::vector<int>{b[71], b[72], b[73], b[74], b[75], b[76]}),
              (std::vector<int>{15, 9, 26, 125, 3, 14}));
    EXPECT_EQ((std::vector<int>{b[79], readU16(&b[80]), b[84]}), (std::vector<int>{1, 1, 4}));
    EXPECT_EQ(db.startupChannels[1], 2);
    // Nothing else in the block moved.
    SettingsBlock rest = b, restBefore = before.settings;
    for (int offset : {12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 32, 34,
                       35, 36, 37, 38, 39, 40, 43, 44, 45, 71, 72, 73, 74, 75, 76, 79, 80, 84})
        rest[offset] = restBefore[offset] = 0;
    EXPECT_EQ(rest, restBefore);

    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 1);
    document.undoStack()->undo();
    EXPECT_EQ(test::firstDifference(document.database(), before), "");
    EXPECT_TRUE(document.database() == before);
    EXPECT_FALSE(document.isModified());
}

// The start-up entries past the groups and channels are corrected on opening; only OK keeps
// the corrections.
TEST_F(ParametersDialogTest, CancelAfterAnOpeningCorrectionChangesNothing) {
    open([](ChannelDatabase& db) {
        db.settings[43] = 7;
        db.startupChannels[0] = 999;
    });
    ASSERT_EQ(document.database().settings[43], 7);
    auto cancelled = dialog();
    EXPECT_EQ(find<QComboBox>(*cancelled, "group")->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>(*cancelled, "channel")->currentIndex(), 0);
    choose(*cancelled, "tvType", 2);
    press(*cancelled, QDialogButtonBox::Cancel);
    EXPECT_TRUE(document.database() == before);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 0);

    auto untouched = dialog();
    press(*untouched, QDialogButtonBox::Ok);
    ChannelDatabase corrected = before;
    stampSaveDate(corrected.settings, CalendarDate{kNow.year, kNow.month, kNow.day});
    corrected.settings[43] = 0;
    corrected.startupChannels[0] = 0;
    EXPECT_EQ(test::firstDifference(document.database(), corrected), "");
    EXPECT_TRUE(document.database() == corrected) << "the blank clock is kept as it was";
    EXPECT_TRUE(document.isModified());
}

TEST_F(ParametersDialogTest, NumberBoxesAreCheckedWhileTypedAndAgainOnOk) {
    open();
    auto d = dialog();
    type(*d, "uhfChannel", "2");  // on the way to 21..29
    EXPECT_TRUE(messages.entries.empty());
    type(*d, "uhfChannel", "7");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 21 and 69.");
    type(*d, "uhfChannel", "33");
    type(*d, "volume", "25");
    EXPECT_EQ(messages.entries.size(), 2u);
    messages.entries.clear();

    press(*d, QDialogButtonBox::Ok);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 0 and 20.");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(document.undoStack()->count(), 0);
    type(*d, "volume", "5");
    press(*d, QDialogButtonBox::Ok);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(document.database().settings[32], 66);
}

}  // namespace
}  // namespace kavro::gui
