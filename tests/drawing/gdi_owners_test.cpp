// The handle owners and the off-screen image: only the last owner frees,
// a selection gives back what it replaced, and an image can be made,
// dropped and made again at another size.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "drawing/gdi_handles_win.h"
#include "drawing/offscreen_image_win.h"

namespace tessel::test {
namespace {

// GetObjectType answers 0 once an object is deleted.
bool Alive(HGDIOBJ object) {
    return GetObjectType(object) != 0;
}

TEST(GdiOwners, OnlyTheLastOwnerDeletes) {
    BrushHandle first(CreateSolidBrush(RGB(1, 2, 3)));
    const HBRUSH brush = first.Get();
    ASSERT_NE(brush, nullptr);
    {
        BrushHandle second(std::move(first));
        EXPECT_FALSE(first);
        first.Reset();  // a moved-from owner has nothing to delete
        EXPECT_EQ(second.Get(), brush);
        EXPECT_TRUE(Alive(brush));
    }
    EXPECT_FALSE(Alive(brush));

    MemoryDc dc(CreateCompatibleDC(nullptr));
    const HDC handle = dc.Get();
    {
        MemoryDc other(std::move(dc));
        EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_FALSE(Alive(handle));

    MenuHandle menu(CreatePopupMenu());
    const HMENU menuHandle = menu.Get();
    {
        MenuHandle other(std::move(menu));
        EXPECT_TRUE(IsMenu(menuHandle));
    }
    EXPECT_FALSE(IsMenu(menuHandle));
}

TEST(GdiOwners, MoveAssignmentFreesTheOldObject) {
    PenHandle kept(CreatePen(PS_SOLID, 0, RGB(1, 1, 1)));
    PenHandle incoming(CreatePen(PS_SOLID, 0, RGB(2, 2, 2)));
    const HPEN old = kept.Get();
    const HPEN moved = incoming.Get();
    kept = std::move(incoming);
    EXPECT_FALSE(Alive(old));
    EXPECT_EQ(kept.Get(), moved);
    EXPECT_TRUE(Alive(moved));

    // Release gives the object up: the owner no longer deletes it.
    const HPEN released = kept.Release();
    EXPECT_FALSE(kept);
    EXPECT_TRUE(Alive(released));
    EXPECT_TRUE(DeleteObject(released));
}

TEST(GdiOwners, SelectedObjectPutsBackWhatItReplaced) {
    MemoryDc dc(CreateCompatibleDC(nullptr));
    PenHandle pen(CreatePen(PS_SOLID, 0, RGB(9, 9, 9)));
    const HGDIOBJ before = GetCurrentObject(dc.Get(), OBJ_PEN);
    {
        SelectedObject selected(dc.Get(), pen.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), pen.Get());
    }
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), before);
}

TEST(OffscreenImage, CreateReleaseAndRecreate) {
    const HWND desktop = GetDesktopWindow();
    OffscreenImage image;
    EXPECT_FALSE(image.Create(desktop, 0, 10));
    EXPECT_FALSE(image.Create(desktop, 10, -1));
    EXPECT_EQ(image.Dc(), nullptr);

    ASSERT_TRUE(image.Create(desktop, 30, 20));
    EXPECT_EQ(GetBkMode(image.Dc()), TRANSPARENT);
    EXPECT_NE(SetPixel(image.Dc(), 29, 19, RGB(0x12, 0x34, 0x56)), static_cast<COLORREF>(-1));
    EXPECT_EQ(GetPixel(image.Dc(), 29, 19), RGB(0x12, 0x34, 0x56));

    // A new size replaces the image; a failed size leaves none.
    ASSERT_TRUE(image.Create(desktop, 50, 40));
    BITMAP info{};
    GetObjectA(GetCurrentObject(image.Dc(), OBJ_BITMAP), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 50);
    EXPECT_EQ(info.bmHeight, 40);
    EXPECT_EQ(image.Width(), 50);
    EXPECT_EQ(image.Height(), 40);
    EXPECT_FALSE(image.Create(desktop, 0, 0));
    EXPECT_EQ(image.Dc(), nullptr);
    EXPECT_EQ(image.Width(), 0);

    // Moved, the image is freed once, by its last owner: context and bitmap.
    ASSERT_TRUE(image.Create(desktop, 8, 8));
    const HDC dc = image.Dc();
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    OffscreenImage other;
    ASSERT_TRUE(other.Create(desktop, 4, 4));
    const HDC otherDc = other.Dc();
    other = std::move(image);
    EXPECT_FALSE(Alive(otherDc));
    EXPECT_EQ(image.Dc(), nullptr);
    EXPECT_EQ(other.Dc(), dc);
    EXPECT_EQ(other.Width(), 8);
    image.Release();  // nothing to do
    EXPECT_TRUE(Alive(dc));
    other.Release();
    EXPECT_FALSE(Alive(dc));
    EXPECT_FALSE(Alive(bitmap));
    other.Release();  // twice is harmless
}

}  // namespace
}  // namespace tessel::test
