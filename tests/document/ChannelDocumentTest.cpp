#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "document/commands/AddChannel.h"
#include "document/commands/AddGroup.h"
#include "document/commands/AddSatellite.h"
#include "document/commands/AddTransponder.h"
#include "document/commands/DeleteGroup.h"
#include "document/commands/DeleteSatellite.h"
#include "document/commands/DeleteTransponder.h"
#include "document/commands/EditChannel.h"
#include "document/commands/EditGroup.h"
#include "document/commands/EditSatellite.h"
#include "document/commands/EditSettings.h"
#include "document/commands/EditTransponder.h"
#include "document/commands/MoveGroup.h"
#include "document/commands/MoveSatellite.h"
#include "document/commands/MoveTransponder.h"
#include "document/commands/RemoveCBand.h"
#include "document/commands/RemoveChannels.h"
#include "document/commands/RemoveDataChannels.h"
#include "document/commands/RemoveGroupMembers.h"
#include "document/commands/RenumberChannels.h"
#include "document/commands/ReorderGroupMembers.h"
#include "document/commands/ToggleGroupMember.h"
#include "editing/DemoDatabase.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using test::firstDifference;

class ChannelDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ChannelDatabase demo;
        buildDemoDatabase(demo);
        ASSERT_TRUE(writeFile(demo, demoPath, messages));
        ASSERT_TRUE(document.openDocument(demoPath));
    }

    const ChannelDatabase& db() const { return document.database(); }
    ChannelRecord renamed(const ChannelRecord& channel) {
        ChannelRecord copy = channel;
        test::setPlainName(copy.name(), "Renamed");
        return copy;
    }

    test::TemporaryDirectory dir;
    std::string demoPath = dir.file("Demo.ird");
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
};

TEST_F(ChannelDocumentTest, EveryCommandUndoesAndRedoesExactly) {
    const ChannelDatabase& d = db();
    // Channel numbers out of tree order, so Sort has something to do.
    ASSERT_TRUE(document.push(new MoveSatellite(document, 0, 2)));
    document.undoStack()->setClean();
    const ChannelRef member = d.groups[4].refs.at(0);
    const std::vector<std::function<DocumentCommand*()>> commands = {
        [&] {
            SatelliteRecord s = d.satellites[1];
            s.setLnbLow(5150);
            return new EditSatellite(document, 1, s);
        },
        [&] { return new AddSatellite(document, SatelliteRecord()); },
        [&] { return new DeleteSatellite(document, 0); },
        [&] { return new MoveSatellite(document, 4, 1); },
        [&] {
            TransponderRecord t = d.satellites[0].transponders[2];
            t.setFrequency(12000);
            return new EditTransponder(document, 0, 2, t);
        },
        [&] { return new AddTransponder(document, 2, TransponderRecord()); },
        [&] { return new DeleteTransponder(document, 0, 1); },
        [&] { return new MoveTransponder(document, 1, 0, 3); },
        [&] {
            GroupRecord g = d.groups[4];
            g.refs.pop_back();
            return new EditGroup(document, 4, g);
        },
        [&] { return new AddGroup(document, GroupRecord()); },
        [&] { return new DeleteGroup(document, 4); },
        [&] { return new MoveGroup(document, 5, 0); },
        [&] {
            return new EditChannel(document, {0, 0, 1},
                                   renamed(d.satellites[0].transponders[0].channels[1]));
        },
        [&] { return new AddChannel(document, 1, 1, ChannelRecord()); },
        [&] {
            return new RemoveChannels(document, {member, d.groups[4].refs.at(1)});
        },
        [&] { return new RemoveGroupMembers(document, 4, {member.number}); },
        [&] { return new ToggleGroupMember(document, 5, member); },
        [&] {
            return new ReorderGroupMembers(document, 4, {1, 0});
        },
        [&] { return new RemoveDataChannels(document); },
        [&] { return new RemoveCBand(document); },
        [&] { return new RenumberChannels(document); },
        [&] {
            auto s = d.settings;
            s[40] ^= 0xFF;
            return new EditSettings(document, s, d.startupChannels);
        },
    };
    for (std::size_t i = 0; i < commands.size(); ++i) {
        SCOPED_TRACE("command " + std::to_string(i));
        const ChannelDatabase before = db();
        ASSERT_TRUE(document.push(commands[i]()));
        const ChannelDatabase after = db();
        EXPECT_FALSE(before == after);
        EXPECT_TRUE(document.isModified());
        document.undoStack()->undo();
        EXPECT_EQ(firstDifference(before, db()), "");
        EXPECT_FALSE(document.isModified());
        document.undoStack()->redo();
        EXPECT_EQ(firstDifference(after, db()), "");
        document.undoStack()->undo();
    }
}

TEST_F(ChannelDocumentTest, CommandsThatChangeNothingLeaveNoStep) {
    EXPECT_FALSE(document.push(new DeleteSatellite(document, 99)));
    EXPECT_FALSE(document.push(new DeleteGroup(document, 0)));  // "ALL" is predefined
    EXPECT_FALSE(document.push(new EditSettings(document, db().settings, db().startupChannels)));
    EXPECT_EQ(document.undoStack()->count(), 0);
    EXPECT_FALSE(document.isModified());
}

TEST_F(ChannelDocumentTest, UndoAcrossASaveComesBackToTheOpenedFile) {
    const ChannelDatabase opened = db();
    ASSERT_TRUE(document.push(new DeleteSatellite(document, 0)));
    ASSERT_TRUE(document.push(new RemoveDataChannels(document)));
    document.undoStack()->undo();  // one step on the redo side of the save
    const std::string saved = dir.file("Saved.ird");
    ASSERT_TRUE(document.saveDocument(saved));
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.path(), saved);
    const ChannelDatabase afterSave = db();

    document.undoStack()->redo();
    EXPECT_TRUE(document.isModified());
    document.undoStack()->undo();
    EXPECT_EQ(firstDifference(afterSave, db()), "");
    EXPECT_FALSE(document.isModified());

    document.undoStack()->undo();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(firstDifference(opened, db()), "");
    document.undoStack()->redo();
    EXPECT_EQ(firstDifference(afterSave, db()), "");
}

TEST_F(ChannelDocumentTest, SaveWritesWhatTheReaderGivesBack) {
    ASSERT_TRUE(document.push(new AddChannel(document, 0, 0, ChannelRecord())));
    const std::string saved = dir.file("Saved.ird");
    ASSERT_TRUE(document.saveDocument(saved));
    ChannelDatabase reread;
    ASSERT_TRUE(readFile(reread, saved, messages));
    EXPECT_EQ(firstDifference(reread, db()), "");
    // Numbers follow the image positions again, and every reference is linked.
    std::uint16_t n = 0;
    for (const auto& sat : db().satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) EXPECT_EQ(ch.number, n++);
}

TEST_F(ChannelDocumentTest, FailuresKeepTheDocument) {
    ASSERT_TRUE(document.push(new DeleteSatellite(document, 0)));
    const ChannelDatabase edited = db();

    // An open that fails keeps path, data and the modified flag.
    EXPECT_FALSE(document.openDocument(dir.file("missing.ird")));
    EXPECT_EQ(document.path(), demoPath);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(db() == edited);

    // Read again on a file that vanished: unsaved work is never marked clean.
    std::filesystem::remove(demoPath);
    EXPECT_FALSE(document.readAgain());
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(db() == edited);

    // A save into a folder that does not exist fails and changes nothing.
    EXPECT_FALSE(document.saveDocument(dir.file("no/such/folder/X.ird")));
    EXPECT_TRUE(db() == edited);
    EXPECT_EQ(document.path(), demoPath);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(messages.ids().back(), strings::FileWriteError);
}

TEST_F(ChannelDocumentTest, RefusedSaveLeavesTheDatabaseAsItWas) {
    ChannelDatabase tooBig = test::makeFullCapacityDatabase();
    tooBig.satellites.push_back(SatelliteRecord());
    document.installReceived(tooBig, "");
    const ChannelDatabase before = db();
    EXPECT_FALSE(document.saveDocument(dir.file("Big.ird")));
    EXPECT_EQ(messages.ids().back(), strings::TooManySatellites);
    EXPECT_TRUE(db() == before);  // not even the save date
    EXPECT_FALSE(std::filesystem::exists(dir.file("Big.ird")));
}

TEST_F(ChannelDocumentTest, ReceivedDataStaysModifiedUntilSaved) {
    ChannelDatabase received = db();
    received.satellites.pop_back();
    ASSERT_TRUE(document.push(new DeleteGroup(document, 4)));
    const std::string here = dir.file("ChData.ird");
    document.installReceived(received, here);
    EXPECT_TRUE(document.receivedFromReceiver());
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.undoStack()->count(), 0);
    ASSERT_TRUE(document.push(new DeleteSatellite(document, 0)));
    document.undoStack()->undo();
    EXPECT_TRUE(document.isModified());  // back at the received data, still unsaved

    ASSERT_TRUE(document.saveDocument(here));
    EXPECT_FALSE(document.receivedFromReceiver());
    EXPECT_FALSE(document.isModified());

    // Read again starts a fresh history; the Open command clears the flag by itself.
    ASSERT_TRUE(document.push(new DeleteSatellite(document, 0)));
    ASSERT_TRUE(document.readAgain());
    EXPECT_EQ(document.undoStack()->count(), 0);
    EXPECT_FALSE(document.isModified());
}

}  // namespace
}  // namespace kavro
