#include <gtest/gtest.h>

#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <QUndoStack>
#include <deque>
#include <filesystem>
#include <set>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "editing/DemoDatabase.h"
#include "gui/MainWindow.h"
#include "gui/app/CommandActions.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/StatusPanes.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

// Answers the file dialogs from a script and remembers what they proposed.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget*, const QString& proposal) override { return next(proposal); }
    QString saveFileName(QWidget*, const QString& proposal) override { return next(proposal); }

    std::deque<QString> answers;
    QStringList proposals;

private:
    QString next(const QString& proposal) {
        proposals << proposal;
        if (answers.empty()) return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        ChannelDatabase demo;
        buildDemoDatabase(demo);
        EXPECT_TRUE(writeFile(demo, demoPath, messages));
        window.show();
    }

    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }
    CommandActions& a() { return *window.actions(); }

    test::TemporaryDirectory dir;
    std::string demoPath = dir.file("Demo.ird");
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
    ScriptedFileDialogs dialogs;
    QSettings profile{QString::fromStdString(dir.file("profile.ini")), QSettings::IniFormat};
    MainWindow window{document, dialogs, profile};
};

TEST_F(MainWindowTest, CommandsFollowTheDocumentState) {
    // No document yet.
    for (QAction* action : {a().save, a().saveAs, a().readAgain, a().removeData, a().removeCBand,
                            a().sort, a().find, a().download, a().parameters})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(a().open->isEnabled());

    ASSERT_TRUE(window.openFile(QString::fromStdString(demoPath)));  // clean
    EXPECT_FALSE(a().save->isEnabled());
    EXPECT_FALSE(a().readAgain->isEnabled());
    for (QAction* action :
         {a().saveAs, a().find, a().findNext, a().removeData, a().removeCBand, a().sort})
        EXPECT_TRUE(action->isEnabled());

    a().removeData->trigger();  // modified
    EXPECT_TRUE(a().save->isEnabled());
    EXPECT_TRUE(a().readAgain->isEnabled());
    EXPECT_TRUE(window.isWindowModified());

    document.installReceived(document.database(), dir.file("ChData.ird"));  // from the receiver
    EXPECT_TRUE(a().save->isEnabled());
    EXPECT_FALSE(a().readAgain->isEnabled());

    // Edit, Add and Del follow the focused view: the tree on a satellite, then the list.
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    window.tree()->setFocus();
    ASSERT_TRUE(window.tree()->selectKey(TreeItemKey::satellite(1)));
    EXPECT_TRUE(a().edit->isEnabled());
    EXPECT_TRUE(a().add->isEnabled());
    EXPECT_TRUE(a().del->isEnabled());
    window.channelList()->setFocus();
    window.channelList()->clearSelection();
    EXPECT_FALSE(a().edit->isEnabled());
    EXPECT_TRUE(a().add->isEnabled());
    EXPECT_FALSE(a().del->isEnabled());

    // One key, one command: Select All keeps Ctrl+A, Add has Insert.
    std::set<QString> keys;
    for (QAction* action : window.findChildren<QAction*>())
        for (const QKeySequence& key : action->shortcuts())
            EXPECT_TRUE(keys.insert(key.toString()).second) << key.toString().toStdString();
    EXPECT_EQ(a().add->shortcut(), QKeySequence(Qt::Key_Insert));
}

TEST_F(MainWindowTest, OpenAsksAboutChangesAndACancelChangesNothing) {
    ASSERT_TRUE(window.openFile(QString::fromStdString(demoPath)));
    a().sort->trigger();
    document.installReceived(document.database(), dir.file("ChData.ird"));
    const ChannelDatabase before = document.database();

    messages.answer({MessageButton::Cancel});
    a().open->trigger();
    EXPECT_TRUE(dialogs.proposals.isEmpty());  // the question came first and stopped it

    messages.answer({MessageButton::No});
    a().open->trigger();  // the dialog is cancelled
    EXPECT_EQ(dialogs.proposals.size(), 1);
    EXPECT_TRUE(document.receivedFromReceiver());
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.database() == before);

    messages.answer({MessageButton::No});
    dialogs.answers = {QString::fromStdString(demoPath)};
    a().open->trigger();
    EXPECT_FALSE(document.receivedFromReceiver());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(profile.value("Recent File List/Files").toStringList().value(0),
              QString::fromStdString(demoPath));
}

TEST_F(MainWindowTest, SaveProposesTheDefaultNameAndSavesWhatTheCommandLineWould) {
    ASSERT_TRUE(window.openFile(QString::fromStdString(demoPath)));
    QFile::setPermissions(QString::fromStdString(demoPath), QFile::ReadOwner);
    a().removeCBand->trigger();
    dialogs.answers = {path("Edited.ird")};
    a().save->trigger();  // read-only file: Save As with the default name
    ASSERT_EQ(dialogs.proposals, QStringList{QStringLiteral("ChData.ird")});
    EXPECT_EQ(document.path(), dir.file("Edited.ird"));
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("Edited.ird")));

    // The command line's resave of the saved file writes the very same bytes.
    QProcess cli;
    cli.start(QStringLiteral(KAVRO_CLI_PATH),
              {QStringLiteral("resave"), path("Edited.ird"), path("Resaved.ird")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(test::readBytes(dir.file("Edited.ird")), test::readBytes(dir.file("Resaved.ird")));

    // Undo after the save marks the document modified again, and Save now writes in place.
    a().undo->trigger();
    EXPECT_TRUE(document.isModified());
    a().save->trigger();
    EXPECT_EQ(dialogs.proposals.size(), 1);
    EXPECT_FALSE(document.isModified());
}

TEST_F(MainWindowTest, SavingReceivedDataAsksBeforeReplacingAFileOfThatName) {
    ChannelDatabase received;
    buildDemoDatabase(received);
    received.satellites.pop_back();
    document.installReceived(received, demoPath);  // an older database lies there
    const auto before = test::readBytes(demoPath);

    messages.answer({MessageButton::No});
    a().save->trigger();  // not replaced: Save As instead, which is cancelled
    EXPECT_EQ(dialogs.proposals, QStringList{QStringLiteral("ChData.ird")});
    EXPECT_EQ(test::readBytes(demoPath), before);
    EXPECT_TRUE(document.receivedFromReceiver());
    EXPECT_TRUE(document.isModified());

    messages.answer({MessageButton::Yes});
    a().save->trigger();
    EXPECT_NE(test::readBytes(demoPath), before);
    EXPECT_FALSE(document.receivedFromReceiver());
    EXPECT_FALSE(document.isModified());
}

TEST_F(MainWindowTest, StatusPanesShowTheListSelection) {
    ASSERT_TRUE(window.openFile(QString::fromStdString(demoPath)));
    // Find a transponder with at least 20 channels? The demo's first satellite has enough.
    ASSERT_TRUE(window.tree()->selectKey(TreeItemKey::satellite(0)));
    ChannelList* list = window.channelList();
    ASSERT_GE(list->rowCountShown(), 20);
    list->clearSelection();
    list->selectionModel()->select(
        QItemSelection(list->model()->index(2, 0), list->model()->index(6, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(window.statusPanes()->selectionText(), QStringLiteral(" Sel (3,7) "));
    EXPECT_EQ(window.statusPanes()->countText(),
              QStringLiteral(" Tot: 5/%1 ").arg(list->rowCountShown()));
    // The clock pane: day first, 24-hour time.
    window.statusPanes()->setClock([] { return QDateTime(QDate(2025, 3, 4), QTime(7, 5, 59)); });
    EXPECT_EQ(window.statusPanes()->clockText(), QStringLiteral(" 04/03/2025 - 07:05 "));
}

TEST_F(MainWindowTest, ReadAgainThatFailsKeepsTheWork) {
    ASSERT_TRUE(window.openFile(QString::fromStdString(demoPath)));
    a().removeData->trigger();
    const ChannelDatabase edited = document.database();
    std::filesystem::remove(demoPath);
    a().readAgain->trigger();
    EXPECT_EQ(messages.ids().back(), strings::FileNotFound);
    EXPECT_TRUE(document.isModified());
    EXPECT_TRUE(document.database() == edited);
    EXPECT_TRUE(a().save->isEnabled());
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedChanges) {
    ASSERT_TRUE(window.openFile(QString::fromStdString(demoPath)));
    a().sort->trigger();
    messages.answer({MessageButton::Cancel});
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    messages.answer({MessageButton::No});
    EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, ADroppedFileOpens) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(demoPath))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(document.path(), demoPath);
    EXPECT_EQ(window.tree()->currentKey(), TreeItemKey::root());
}

TEST(MainWindowGeometry, FitsSmallScreensAndCentresOnLargeOnes) {
    EXPECT_EQ(MainWindow::initialGeometry(QRect(0, 0, 640, 480)), QRect(0, 1, 640, 480));
    EXPECT_EQ(MainWindow::initialGeometry(QRect(0, 0, 1920, 1080)), QRect(585, 1, 750, 520));
    EXPECT_EQ(MainWindow::initialGeometry(QRect(0, 0, 1920, 1080), 900), QRect(510, 1, 900, 520));
    EXPECT_EQ(MainWindow::initialGeometry(QRect(0, 0, 800, 600), 900), QRect(0, 1, 800, 520));
}

}  // namespace
}  // namespace kavro::gui
