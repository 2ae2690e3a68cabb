#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <set>

#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "editing/DemoDatabase.h"
#include "editing/NameBox.h"
#include "gui/MainWindow.h"
#include "gui/app/CommandActions.h"
#include "gui/app/CoreTexts.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/GuiMessageSink.h"
#include "gui/app/LanguageSwitcher.h"
#include "gui/app/StatusPanes.h"
#include "gui/dialogs/GroupCandidateModel.h"
#include "gui/dialogs/GroupDialog.h"
#include "gui/find/FindDialog.h"
#include "gui/transfer/TransferDialog.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"
#include "gui/views/OwnDirectionDelegate.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

using L = LanguageSwitcher;

QString arabicText(const char* context, const char* english) {
    QTranslator translator;
    EXPECT_TRUE(translator.load(QDir(L::defaultDirectory()).filePath(L::fileName(L::Arabic))));
    return translator.translate(context, english);
}

// A profile, a switcher started from it, then the window (in that order, as the program
// starts), with the demo database open.
class LanguageSwitchTest : public ::testing::Test {
protected:
    ~LanguageSwitchTest() override {
        window.reset();
        switcher.reset();  // back to the built-in English for the next test
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void start(QVariant saved = {}, QString directory = L::defaultDirectory()) {
        if (saved.isValid()) profile.setValue(QStringLiteral("Settings/Language"), saved);
        switcher = std::make_unique<L>(profile, messages, nullptr, directory);
        switcher->applySaved();
        window = std::make_unique<MainWindow>(document, dialogs, profile);
        switcher->attach(*window);
        window->show();
        ChannelDatabase demo;
        buildDemoDatabase(demo);
        ASSERT_TRUE(writeFile(demo, dir.file("Demo.ird"), messages));
        ASSERT_TRUE(window->openFile(QString::fromStdString(dir.file("Demo.ird"))));
    }

    CommandActions& a() { return *window->actions(); }
    QVariant stored() { return profile.value(QStringLiteral("Settings/Language")); }

    // Clicks the Language button itself, not its arrow (which sits on the left in Arabic).
    void pressLanguageButton() {
        QToolButton* button = nullptr;
        for (auto* b : window->findChildren<QToolButton*>())
            if (b->defaultAction() == a().language) button = b;
        ASSERT_TRUE(button);
        const int x = button->isRightToLeft() ? button->width() - 4 : 4;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(x, button->height() / 2));
    }

    std::vector<bool> checks() {
        return {a().english->isChecked(), a().arabic->isChecked(), a().french->isChecked()};
    }

    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
    NoFileDialogs dialogs;
    QSettings profile{QString::fromStdString(dir.file("profile.ini")), QSettings::IniFormat};
    std::unique_ptr<L> switcher;
    std::unique_ptr<MainWindow> window;
};

TEST_F(LanguageSwitchTest, ButtonCyclesThroughArabicAndFrenchAndStoresEachChoice) {
    start();
    EXPECT_FALSE(stored().isValid());  // nothing written until the user changes the language
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));

    pressLanguageButton();
    EXPECT_EQ(stored().toInt(), 1);
    EXPECT_EQ(checks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(a().open->text(), arabicText("kavro::gui::CommandActions", "&Open..."));
    EXPECT_NE(a().open->text(), QStringLiteral("&Open..."));
    EXPECT_EQ(window->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(window->menuBar()->actions().first()->text(),
              arabicText("kavro::gui::MainWindow", "&File"));

    pressLanguageButton();
    EXPECT_EQ(stored().toInt(), 12);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(a().open->text(), QStringLiteral("&Ouvrir..."));
    EXPECT_EQ(window->layoutDirection(), Qt::LeftToRight);

    pressLanguageButton();
    EXPECT_EQ(stored().toInt(), 9);
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(a().open->text(), QStringLiteral("&Open..."));

    // The menu items keep their own language's name whatever the interface language.
    a().arabic->trigger();
    EXPECT_EQ(a().english->text(), QStringLiteral("English"));
    EXPECT_EQ(a().french->text(), QStringLiteral("Fran\u00E7ais"));
    EXPECT_TRUE(a().arabic->isEnabled());
}

TEST_F(LanguageSwitchTest, ArabicSavedStartsRightToLeftAndMessageBoxesFollow) {
    start(1);
    EXPECT_EQ(switcher->current(), L::Arabic);
    EXPECT_EQ(checks(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(window->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(window->menuBar()->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(a().save->text(), arabicText("kavro::gui::CommandActions", "&Save"));
    // The tree stands on the right of the list.
    EXPECT_GT(window->tree()->mapTo(window.get(), QPoint()).x(),
              window->channelList()->mapTo(window.get(), QPoint()).x());
    EXPECT_EQ(window->channelList()->model()->headerData(1, Qt::Horizontal).toString(),
              QString::fromUtf8("\u0627\u0644\u0642\u0646\u0627\u0629"));  // "Channal"

    // Titles the core numbered keep their number in the translated wording.
    const QString title = coreTitle(formatTitle("   Edit group n\xB0 : %02d", 5));
    EXPECT_EQ(title, arabicText("StringTable", "   Edit group n\u00B0 : %02d")
                         .replace(QLatin1String("%02d"), QLatin1String("05")));
    EXPECT_FALSE(title.contains(QLatin1String("Edit")));

    // A real message box: right to left, and Qt's own buttons in Arabic too.
    GuiMessageSink sink(window.get());
    Qt::LayoutDirection boxDirection = Qt::LeftToRight;
    QString yes;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        boxDirection = box->layoutDirection();
        yes = box->button(QMessageBox::Yes)->text();
        box->done(QMessageBox::No);
    });
    EXPECT_EQ(sink.showMessage(strings::RemoveGroupQuestion, {}, MessageStyle::YesNo),
              MessageButton::No);
    EXPECT_EQ(boxDirection, Qt::RightToLeft);
    EXPECT_FALSE(yes.contains(QStringLiteral("Yes")));
    EXPECT_FALSE(yes.isEmpty());
}

TEST_F(LanguageSwitchTest, UnknownSavedValueStartsInEnglishAndFirstToggleStoresEnglish) {
    start(7);
    EXPECT_EQ(switcher->current(), 7);
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(a().open->text(), QStringLiteral("&Open..."));
    EXPECT_EQ(window->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(coreTitle(formatTitle("   Edit TP n\xB0 : %02d", 12)),
              QString::fromUtf8("   Edit TP n\u00B0 : 12"));
    pressLanguageButton();
    EXPECT_EQ(stored().toInt(), 9);
    EXPECT_EQ(checks(), (std::vector<bool>{true, false, false}));
}

TEST_F(LanguageSwitchTest, MissingLanguageFileFallsBackToEnglishWithAMessage) {
    test::TemporaryDirectory empty;
    const QString folder = QString::fromStdString(empty.file(""));
    start({}, folder);
    a().arabic->trigger();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_NE(messages.entries[0].text.find("ARA.lng"), std::string::npos);
    EXPECT_EQ(stored().toInt(), 1);  // the choice is kept for when the file is back
    EXPECT_TRUE(a().arabic->isChecked());
    EXPECT_EQ(switcher->loaded(), L::English);
    EXPECT_EQ(a().open->text(), QStringLiteral("&Open..."));
    EXPECT_EQ(window->layoutDirection(), Qt::LeftToRight);  // no half-translated mirror
}

// Every text the window shows, in a fixed order.
QStringList windowTexts(MainWindow& window) {
    QStringList texts;
    for (QAction* action : window.findChildren<QAction*>())
        texts << action->text() << action->toolTip() << action->statusTip();
    for (QMenu* menu : window.findChildren<QMenu*>()) texts << menu->title();
    for (QToolBar* bar : window.findChildren<QToolBar*>()) texts << bar->windowTitle();
    QAbstractItemModel* columns = window.channelList()->model();
    for (int c = 0; c < columns->columnCount(); ++c)
        texts << columns->headerData(c, Qt::Horizontal).toString();
    for (int i = 0; i < window.tree()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = window.tree()->topLevelItem(i);
        texts << item->text(0);
        for (int c = 0; c < item->childCount(); ++c) texts << item->child(c)->text(0);
    }
    texts << window.statusPanes()->selectionText() << window.statusPanes()->countText();
    for (auto* find : window.findChildren<FindDialog*>()) {
        texts << find->windowTitle();
        for (auto* widget : find->findChildren<QWidget*>())
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts << label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts << button->text();
            else if (auto* box = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    }
    return texts;
}

TEST_F(LanguageSwitchTest, SwitchIsLiveAndEnglishComesBackWhole) {
    start();
    window->tree()->selectKey(TreeItemKey::transponder(0, 3));
    window->channelList()->selectRow(2);
    a().find->trigger();  // a modeless dialog stays open through the switches
    auto* find = window->findChild<FindDialog*>();
    ASSERT_TRUE(find);
    ASSERT_TRUE(find->isVisible());
    const QStringList english = windowTexts(*window);

    a().arabic->trigger();
    QApplication::processEvents();
    // The user stays where they were: same tree item, same selected channel.
    EXPECT_EQ(window->tree()->currentKey(), TreeItemKey::transponder(0, 3));
    EXPECT_EQ(window->channelList()->selectedRowCount(), 1);
    const QStringList arabic = windowTexts(*window);
    ASSERT_EQ(arabic.size(), english.size());
    EXPECT_EQ(find->windowTitle(), arabicText("kavro::gui::FindDialog", "Find"));
    EXPECT_EQ(find->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(window->tree()->topLevelItem(0)->child(0)->text(0),
              arabicText("StringTable", "Satellites"));
    int changed = 0;
    for (int i = 0; i < english.size(); ++i) changed += english[i] != arabic[i];
    EXPECT_GT(changed, english.size() / 3);

    a().french->trigger();
    a().english->trigger();
    const QStringList back = windowTexts(*window);
    ASSERT_EQ(back.size(), english.size());
    for (int i = 0; i < english.size(); ++i)
        EXPECT_EQ(back[i], english[i]) << i << ": " << english[i].toStdString();
    EXPECT_EQ(find->layoutDirection(), Qt::LeftToRight);
    find->close();
}

// Texts made outside the menus follow a switch too: the transfer countdown (a core text filled
// with a number), the group dialog's column titles (core texts; its cells read as the channel
// list's), and the Undo item's name of the last step, made before the switch.
TEST_F(LanguageSwitchTest, CountdownGroupColumnsAndUndoStepSpeakTheChosenLanguage) {
    start();
    a().removeData->trigger();
    ASSERT_EQ(a().undo->text(), QStringLiteral("&Undo Remove Data"));
    a().arabic->trigger();

    TransferDialog transfer(TransferDialog::Mode::Upload, {}, window.get());
    transfer.showCountdown(3);
    QString countdown = arabicText("StringTable", "Remainder : %d Sec.");
    ASSERT_NE(countdown, "Remainder : %d Sec.");
    EXPECT_EQ(transfer.statusText(), countdown.replace(QLatin1String("%d"), QLatin1String("17")));

    GroupDialog group(*GroupForm::forEdit(document.database(), 0), messages, window.get());
    const QString titles = arabicText("StringTable", "Type\nOrder\nSatellites\nTP\nChannel\n");
    ASSERT_FALSE(titles.startsWith(QLatin1String("Type")));
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(group.candidates()->headerData(c, Qt::Horizontal).toString(),
                  titles.section(u'\n', c, c));
    EXPECT_TRUE(qobject_cast<OwnDirectionDelegate*>(group.candidateView()->itemDelegate()));

    const QString step = arabicText("DocumentCommand", "Remove Data");
    ASSERT_NE(step, QStringLiteral("Remove Data"));
    EXPECT_EQ(a().undo->text(), arabicText("kavro::gui::CommandActions", "&Undo %1").arg(step));
    a().english->trigger();
    EXPECT_EQ(a().undo->text(), QStringLiteral("&Undo Remove Data"));
}

// How many different Alt keys a menu's items answer to.
int distinctAccessKeys(const QWidget* menu) {
    std::set<QString> keys;
    for (QAction* action : menu->actions())
        if (const QKeySequence key = QKeySequence::mnemonic(action->text()); !key.isEmpty())
            keys.insert(key.toString());
    return static_cast<int>(keys.size());
}

TEST_F(LanguageSwitchTest, TranslatedMenusKeepTheirAccessKeysApart) {
    start();
    std::vector<const QWidget*> menus{window->menuBar()};
    for (QAction* title : window->menuBar()->actions()) menus.push_back(title->menu());
    std::vector<int> english;
    for (const QWidget* menu : menus) english.push_back(distinctAccessKeys(menu));
    for (QAction* language : {a().arabic, a().french}) {
        language->trigger();
        for (std::size_t i = 0; i < menus.size(); ++i)
            EXPECT_GE(distinctAccessKeys(menus[i]), english[i])
                << language->text().toStdString() << " menu " << i;
    }
}

}  // namespace
}  // namespace kavro::gui
