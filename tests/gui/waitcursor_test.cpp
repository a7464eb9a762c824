#include "library/gui/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

bool ShowsWaitCursor()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor != nullptr && cursor->shape() == Qt::WaitCursor;
}

TEST(WaitCursorTest, NestedGuardsKeepTheCursorUntilTheLastIsGone)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        utils::WaitCursor outer(true);
        EXPECT_TRUE(ShowsWaitCursor());
        {
            utils::WaitCursor inner(true);
            EXPECT_TRUE(ShowsWaitCursor());
        }
        EXPECT_TRUE(ShowsWaitCursor());
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitCursorTest, RestoreTwicePopsOnce)
{
    utils::WaitCursor outer(true);
    {
        utils::WaitCursor inner(true);
        inner.restore();
        inner.restore();
        EXPECT_TRUE(ShowsWaitCursor());
    }
    EXPECT_TRUE(ShowsWaitCursor());
    outer.restore();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitCursorTest, AGuardWithoutCursorPopsAtOnceAndNeverAgain)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        utils::WaitCursor guard(false);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace
