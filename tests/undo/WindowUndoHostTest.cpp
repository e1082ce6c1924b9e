#include "UndoTestSupport.h"

#include "undo/FieldChanges.h"
#include "undo/WindowUndoHost.h"

#include "model/School.h"

#include <gtest/gtest.h>

#include <memory>

using namespace belltide;
using namespace belltide::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// Stands in for the document window and records its hooks.
class TestWindow final : public WindowUndoHost {
public:
    using WindowUndoHost::WindowUndoHost;

    void Rename(const std::shared_ptr<School>& school, FakeClock& clock)
    {
        clock.Advance(1'000'000);
        UndoManager().Add(std::make_shared<SchoolNameChange>(school, u"Elm"_s, Clock()));
    }

    std::vector<Heard> Received;
    std::vector<bool> DirtySeenByHook;
    int MenuEvents = 0;
    int MenuRefreshes = 0;

protected:
    void NotificationReceived(Notification name, const ActionTag& tag) override
    {
        Received.push_back({ name, tag });
        DirtySeenByHook.push_back(Dirty());
    }
    void EnableMenuItemsEvent() override { ++MenuEvents; }
    void RefreshMenus() override { ++MenuRefreshes; }
};

TEST(WindowUndoHost, ListensToItsOwnManagerAndKeepsTheDirtyFlagAfterTheHook)
{
    FakeClock clock;
    TestWindow window(clock);
    const auto school = std::make_shared<School>();
    EXPECT_EQ(&window.UndoManager(), &window.UndoManager());
    EXPECT_EQ(window.UndoManager().Listeners.size(), 1u);
    EXPECT_FALSE(window.Dirty());

    window.Rename(school, clock);
    EXPECT_TRUE(window.Dirty());
    window.UndoManager().MarkSave();
    window.MarkDirty(false);
    EXPECT_TRUE(window.EditUndo());
    EXPECT_TRUE(window.Dirty());
    EXPECT_TRUE(window.EditRedo());
    EXPECT_FALSE(window.Dirty());

    EXPECT_EQ(window.DirtySeenByHook, (std::vector { false, false, true }));
    EXPECT_EQ(window.Received.front().Name, Notification::SchoolNameChange);
    EXPECT_TRUE(window.Received.front().Tag.Is(school));
    EXPECT_EQ(window.MenuRefreshes, 2) << "undo and redo ask for a refresh, adding does not";
}

TEST(WindowUndoHost, EditMenuStateFollowsTheStacks)
{
    const MenuItemState off { u"&Undo"_s, false };
    const MenuItemState typing { u"Undo Typing"_s, true };
    const MenuItemState cantUndo { u"Can't Undo"_s, false }, cantRedo { u"Can't Redo"_s, false };
    const MenuItemState undo { u"Undo Rename School"_s, true }, redo { u"Redo Rename School"_s, true };
    struct Case {
        int Edits, Undos;
        MenuItemState Before;
        EditMenuState Expected;
    };
    const Case cases[] = {
        { 0, 0, off, { cantUndo, cantRedo } },
        { 1, 0, off, { undo, cantRedo } },
        { 1, 1, off, { cantUndo, redo } },
        { 2, 1, off, { undo, redo } },
        { 1, 0, typing, { typing, { u"Can't Redo"_s, true } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Edits << " edits, " << c.Undos << " undone");
        FakeClock clock;
        TestWindow window(clock);
        const auto school = std::make_shared<School>();
        for (int i = 0; i < c.Edits; ++i)
            window.Rename(school, clock);
        for (int i = 0; i < c.Undos; ++i)
            window.EditUndo();
        EXPECT_EQ(window.EnableMenuItems({ c.Before, c.Before }), c.Expected);
        EXPECT_EQ(window.MenuEvents, 1);
    }
}

} // namespace
