// Find Duplicates over a window's list: the groups it shows and the rows it
// selects, also when the list is sorted.
#include "tests/views/ViewsTestSupport.h"

#include "app/ui/DuplicatesDialog.h"

namespace viewstest {
namespace {

TEST(DuplicatesDialog, GroupsEqualSoundsAndChoosingOneSelectsItsRowsInASortedList) {
    FileList file(8);
    // Patches 1, 4 and 6 share a sound under three names; 2 and 7 another.
    for (int index : {1, 4, 6})
        AsPatch(&file.Patches()[static_cast<std::size_t>(index)])->Data()[3] = 0x11;
    for (int index : {2, 7})
        AsPatch(&file.Patches()[static_cast<std::size_t>(index)])->Data()[90] = 0x22;
    // The rest differ from each other.
    for (int index : {0, 3, 5})
        AsPatch(&file.Patches()[static_cast<std::size_t>(index)])->Data()[10] =
            static_cast<std::uint8_t>(0x40 + index);
    file.list.SortByColumn(1);
    file.list.SortByColumn(1); // names descending: rows are not in index order

    CDuplicatesDialog dialog(file.list, [](int index) { return QStringLiteral("#%1").arg(index + 1); });
    ASSERT_EQ(dialog.Groups().size(), 2u);
    EXPECT_EQ(dialog.Groups()[0], (std::vector<int>{1, 4, 6}));
    ASSERT_EQ(dialog.Tree().topLevelItemCount(), 2);
    QTreeWidgetItem* group = dialog.Tree().topLevelItem(0);
    EXPECT_EQ(group->text(1), QStringLiteral("P1, P4, P6"));
    ASSERT_EQ(group->childCount(), 3);
    EXPECT_EQ(group->child(1)->text(0), QStringLiteral("#5"));

    dialog.Tree().setCurrentItem(group);
    EXPECT_EQ(file.list.GetSelectedIndexes().size(), 3u);
    std::vector<int> selected = file.list.GetSelectedIndexes();
    std::sort(selected.begin(), selected.end());
    EXPECT_EQ(selected, (std::vector<int>{1, 4, 6}));

    dialog.Tree().setCurrentItem(dialog.Tree().topLevelItem(1)->child(1));
    EXPECT_EQ(file.list.GetSelectedIndexes(), std::vector<int>{7});

    // A change in the window shows after Search Again.
    AsPatch(&file.Patches()[7])->Data()[90] = 0;
    dialog.Refill();
    EXPECT_EQ(dialog.Groups().size(), 1u);
}

} // namespace
} // namespace viewstest
