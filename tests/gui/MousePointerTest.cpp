#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <vector>

#include "gui/shell/MousePointer.h"

namespace kelvane {
namespace {

TEST(MousePointer, NestedPairsRestoreInReverseOrder)
{
    std::vector<std::int16_t> shown;
    MousePointer mouse([&shown](std::int16_t pointer) { shown.push_back(pointer); });

    // Before the first push a pop does nothing at all.
    mouse.PopMousePointer();
    EXPECT_TRUE(shown.empty());

    mouse.PushMousePointer(MousePointer::Hourglass);
    EXPECT_TRUE(mouse.BusyFlag());
    mouse.PushMousePointer(MousePointer::Hourglass);
    mouse.PopMousePointer();
    // An inner hourglass popping back to the outer one stays busy.
    EXPECT_TRUE(mouse.BusyFlag());
    EXPECT_EQ(mouse.Current(), MousePointer::Hourglass);
    mouse.PopMousePointer();
    EXPECT_FALSE(mouse.BusyFlag());
    EXPECT_EQ(mouse.Current(), MousePointer::Default);

    // A pop without a push, once the stack exists: the default, not busy.
    mouse.PushMousePointer(MousePointer::Hourglass);
    mouse.PopMousePointer();
    mouse.PopMousePointer();
    EXPECT_FALSE(mouse.BusyFlag());
    EXPECT_EQ(shown, (std::vector<std::int16_t>{11, 11, 11, 0, 11, 0, 0}));

    // Another pointer over the hourglass is not busy; popping back to the
    // hourglass is not busy either, as only a pushed hourglass sets the flag.
    mouse.PushMousePointer(MousePointer::Hourglass);
    mouse.PushMousePointer(1);
    EXPECT_TRUE(mouse.BusyFlag());
    mouse.PopMousePointer();
    EXPECT_TRUE(mouse.BusyFlag());
}

TEST(MousePointer, DrivesTheOverrideCursor)
{
    MousePointer mouse;
    mouse.PushMousePointer(MousePointer::Hourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    mouse.PushMousePointer(MousePointer::Hourglass);
    mouse.PopMousePointer();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    mouse.PopMousePointer();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace kelvane
