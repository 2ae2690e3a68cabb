#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "gui/dialogs/GroupCandidateModel.h"
#include "gui/dialogs/GroupDialog.h"

namespace kavro::gui {
namespace {

using Column = GroupCandidateModel::Column;

QAbstractButton* okButton(QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    for (QAbstractButton* b : buttons->buttons())
        if (buttons->buttonRole(b) == QDialogButtonBox::AcceptRole) return b;
    return nullptr;
}

// Nile: News(0) Sport(1) Info(2, data) | Astra: Kids(3) Movies(4)
// ALL lists Movies and Sport, in that order.
ChannelDatabase sample() {
    test::DatabaseBuilder b;
    b.satellite("Nile").transponder(11000).channel("News").channel("Sport");
    b.channel("Info", ChannelRecord::Data);
    b.satellite("Astra").transponder(12000).channel("Kids").channel("Movies");
    return b.group("ALL", {4, 1}).build();
}

class GroupDialogTest : public ::testing::Test {
protected:
    GroupDialogTest() : dialog(*GroupForm::forEdit(db, 0), messages) {
        dialog.show();
        QCoreApplication::processEvents();
    }

    QTableView* view() { return dialog.candidateView(); }
    GroupCandidateModel* model() { return dialog.candidates(); }
    QString cell(int row, int column) {
        return model()->index(row, column).data().toString().trimmed();
    }
    QStringList column(int c) {
        QStringList texts;
        for (int r = 0; r < model()->rowCount(); ++r) texts << cell(r, c);
        return texts;
    }
    QVariant role(int row, int r) { return model()->index(row, 0).data(r); }

    void clickHeader(int c) {
        QHeaderView* header = view()->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    // Clicks the check box drawn in the row's first cell.
    void clickCheckBox(int row) {
        const QModelIndex index = model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(view());
        option.rect = view()->visualRect(index);
        option.features = QStyleOptionViewItem::HasCheckIndicator |
                          QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
        option.text = index.data().toString();
        option.decorationSize = view()->iconSize().isValid() ? view()->iconSize() : QSize(16, 16);
        const QRect box =
            view()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view());
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, box.center());
    }

    ChannelDatabase db = sample();
    test::RecordingMessageSink messages;
    GroupDialog dialog;
};

TEST_F(GroupDialogTest, MembersComeFirstCheckedWithTheColoursOfTheirSatellites) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("   Edit group n° : 01"));
    EXPECT_FALSE(dialog.findChild<QComboBox*>("satellite")->isEnabled());
    EXPECT_EQ(column(Column::ChannelColumn),
              (QStringList{"5. Movies", "2. Sport", "1. News", "3. Info", "4. Kids"}));
    EXPECT_EQ(column(Column::OrderColumn), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(column(Column::TypeColumn), (QStringList{"5", "2", "1", "3", "4"})) << "fill order";
    EXPECT_EQ(cell(0, Column::SatelliteColumn), "2. Astra");
    EXPECT_EQ(cell(0, Column::TpColumn), "12000 H 27500");

    const QColor first(0xD8, 0xEC, 0xE9), next(0xEC, 0xE9, 0xD8);  // 0xE9ECD8, 0xD8E9EC
    const QColor expected[] = {next, first, first, first, next};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(role(r, Qt::BackgroundRole).value<QColor>(), expected[r]) << r;
        EXPECT_EQ(role(r, Qt::CheckStateRole).toInt(), r < 2 ? Qt::Checked : Qt::Unchecked);
    }
    EXPECT_EQ(role(0, Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
    EXPECT_FALSE(role(2, Qt::ForegroundRole).isValid()) << "untouched rows keep the list's text";
}

TEST_F(GroupDialogTest, TogglingByMouseAndKeyboardBuildsTheGroupInOrder) {
    clickCheckBox(0);  // Movies off
    EXPECT_EQ(role(0, Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(role(0, Qt::ForegroundRole).value<QColor>(), QColor(0xF0, 0, 0));
    clickCheckBox(4);  // Kids on
    EXPECT_EQ(role(4, Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
    view()->setCurrentIndex(model()->index(2, 1));  // News, selected by its Order cell
    QTest::keyClick(view(), Qt::Key_Space);
    EXPECT_EQ(role(2, Qt::CheckStateRole).toInt(), Qt::Checked);

    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    ASSERT_TRUE(dialog.group());
    std::vector<std::uint16_t> numbers;
    for (const ChannelRef& ref : dialog.group()->refs) numbers.push_back(ref.number);
    EXPECT_EQ(numbers, (std::vector<std::uint16_t>{1, 0, 3})) << "Sport, then News and Kids";
    EXPECT_EQ(dialog.group()->count(), 3);
    EXPECT_EQ(decodeReceiverName(dialog.group()->name()), "ALL");
}

TEST_F(GroupDialogTest, SortingByAColumnAndBackByOrder) {
    view()->selectRow(1);  // Sport
    clickHeader(Column::ChannelColumn);
    EXPECT_EQ(column(Column::ChannelColumn),
              (QStringList{"1. News", "2. Sport", "3. Info", "4. Kids", "5. Movies"}));
    EXPECT_EQ(column(Column::OrderColumn), (QStringList{"3", "2", "4", "5", "1"}))
        << "the Order texts stay";
    EXPECT_EQ(view()->selectionModel()->selectedRows().value(0).row(), 1) << "Sport follows";
    clickHeader(Column::SatelliteColumn);
    EXPECT_EQ(column(Column::ChannelColumn),
              (QStringList{"2. Sport", "1. News", "3. Info", "5. Movies", "4. Kids"}))
        << "by satellite, then by Order";
    clickHeader(Column::OrderColumn);
    EXPECT_EQ(column(Column::OrderColumn), (QStringList{"1", "2", "3", "4", "5"}));
    clickHeader(Column::OrderColumn);
    EXPECT_EQ(column(Column::OrderColumn), (QStringList{"5", "4", "3", "2", "1"}));

    // Sorted the other way round, OK still goes by Order.
    clickCheckBox(0);  // Kids (Order 5) on
    QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    ASSERT_TRUE(dialog.group());
    std::vector<std::uint16_t> numbers;
    for (const ChannelRef& ref : dialog.group()->refs) numbers.push_back(ref.number);
    EXPECT_EQ(numbers, (std::vector<std::uint16_t>{4, 1, 3}));
}

}  // namespace
}  // namespace kavro::gui
