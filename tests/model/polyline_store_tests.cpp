#include "model/polyline_store.h"

#include "drawing_builder.h"

#include <gtest/gtest.h>

#include <functional>

namespace vrex {
namespace {

Integer allocate(PolylineStore& store)
{
    Integer slot = 0;
    EXPECT_TRUE(AllocatePoint(store, slot));
    return slot;
}

TEST(PolylineStore, FirstAllocationsAreSlotsOneAndTwo)
{
    PolylineStore store;
    EXPECT_EQ(allocate(store), 1);
    EXPECT_EQ(store.CadPointHighWater, 1);
    EXPECT_EQ(allocate(store), 2);
    EXPECT_EQ(store.CadPointHighWater, 2);
    EXPECT_TRUE(store.CadPoints[1].InUse);
    EXPECT_TRUE(store.CadPoints[2].InUse);
}

TEST(PolylineStore, FreedSlotIsHandedOutBeforeTheHighWaterMarkGrows)
{
    PolylineStore store;
    for (int k = 1; k <= 5; ++k)
        allocate(store);
    ReleasePoint(store, 3);
    EXPECT_FALSE(store.CadPoints[3].InUse);
    EXPECT_EQ(allocate(store), 3);
    EXPECT_EQ(store.CadPointHighWater, 5);
    EXPECT_EQ(allocate(store), 6);
    EXPECT_EQ(store.CadPointHighWater, 6);
}

TEST(PolylineStore, ReleasingEverySlotKeepsTheHighWaterMarkAndRestartsAtOne)
{
    PolylineStore store;
    for (int k = 1; k <= 7; ++k)
        allocate(store);
    store.CadPoints[4].X = 123;
    for (Integer s = 1; s <= 7; ++s)
        ReleasePoint(store, s);
    EXPECT_EQ(store.CadPointHighWater, 7);
    EXPECT_EQ(store.CadPoints[4].X, 123); // coordinates stay until reused
    EXPECT_EQ(allocate(store), 1);
    EXPECT_EQ(allocate(store), 2);
    EXPECT_EQ(allocate(store), 3);
    EXPECT_EQ(store.CadPointHighWater, 7);
}

TEST(PolylineStore, ReleaseFreesASlotUnlessTwoVerticesReferToIt)
{
    struct Case {
        int references;
        bool freed;
    };
    for (const Case c : {Case{0, true}, Case{1, true}, Case{2, false}}) {
        SCOPED_TRACE(c.references);
        PolylineStore store;
        allocate(store);
        const Integer slot = allocate(store);
        store.CadLineCount = 2;
        store.CadLines[1].PointIds[1] = 1;
        store.CadLines[1].PointCount = 1;
        for (int r = 0; r < c.references; ++r) {
            CadLine& line = store.CadLines[2];
            line.PointCount = addInteger(line.PointCount, 1);
            line.PointIds[line.PointCount] = slot;
        }
        ReleasePoint(store, slot);
        EXPECT_EQ(store.CadPoints[slot].InUse, !c.freed);
        EXPECT_TRUE(store.CadPoints[1].InUse);
    }
}

TEST(PolylineStore, FullPoolRefusesAndChangesNothing)
{
    PolylineStore store;
    for (int k = 1; k <= MaxPoolPoints; ++k)
        EXPECT_EQ(allocate(store), k);
    Integer slot = -1;
    EXPECT_FALSE(AllocatePoint(store, slot));
    EXPECT_EQ(slot, -1);
    EXPECT_EQ(store.CadPointHighWater, 55);
    ReleasePoint(store, 40);
    EXPECT_EQ(allocate(store), 40);
}

TEST(PolylineStore, InvariantCheckNamesTheBrokenInvariant)
{
    struct Case {
        const char* expected;
        std::function<void(PolylineStore&)> corrupt;
    };
    const Case cases[] = {
        {"", [](PolylineStore&) {}},
        {"invariant 1", [](PolylineStore& s) { s.CadLineCount = 44; }},
        {"invariant 2", [](PolylineStore& s) { s.CadLines[2].PointCount = 21; }},
        {"invariant 3", [](PolylineStore& s) { s.CadLines[1].PointIds[2] = 9; }},
        {"invariant 3", [](PolylineStore& s) { s.CadPoints[2].InUse = false; }},
        {"invariant 4", [](PolylineStore& s) { s.CadLines[2].PointIds[1] = 1; }},
        {"invariant 5", [](PolylineStore& s) { s.CadPoints[30].InUse = true; }},
        {"invariant 6", [](PolylineStore& s) { s.CadLines[2].PointCount = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Editor editor;
        testing::addLine(editor, {{1, 1}, {2, 2}});
        testing::addLine(editor, {{3, 3}, {4, 4}, {5, 5}});
        c.corrupt(editor.store);
        const std::string message = checkStoreInvariants(editor.store);
        if (*c.expected == '\0')
            EXPECT_EQ(message, "");
        else
            EXPECT_EQ(message.rfind(c.expected, 0), 0u) << message;
    }
}

} // namespace
} // namespace vrex
