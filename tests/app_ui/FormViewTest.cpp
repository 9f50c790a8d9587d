// The views stand on a form: a double click on a view's background fits its
// window to the form.
#include "tests/app_ui/AppUiFixture.h"

#include <QTest>

namespace test {
namespace {

TEST_F(AppUiTest, ADoubleClickOnAViewsBackgroundFitsItsWindowToTheFormUnlessMaximized) {
    CFileFrame& file = NewFileWindow(3);
    file.resize(700, 500);
    CFileView& view = file.View();
    const QSize form = view.FormSize();
    ASSERT_TRUE(form.isValid());
    ASSERT_NE(view.size(), form);
    // Above the list, left of it: the form's background.
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(view.size(), form);
    // The controls follow the new size.
    EXPECT_LE(view.GetPatchList().geometry().right(), form.width());

    file.showMaximized();
    const QSize maximized = view.size();
    QTest::mouseDClick(&view, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(file.isMaximized());
    EXPECT_EQ(view.size(), maximized);
}

} // namespace
} // namespace test
