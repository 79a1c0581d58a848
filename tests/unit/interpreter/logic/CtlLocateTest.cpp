#include "interpreter/logic/CtlLocate.h"

#include <gtest/gtest.h>

namespace qv::logic {
namespace {

TEST(LocateWords, TheFirstWordOfTheTableContainedAnywhereDecides) {
    struct Case {
        const char* line;
        std::optional<Placement> placement;
    };
    const Case cases[] = {
        {"LOCATE TOP CENTER", Placement::TopCenter},
        {"LOCATE TOP CENTRE", Placement::TopCenter},
        {"LOCATE BOTTOM CENTRE", Placement::BottomCenter},
        {"LOCATE CENTER LEFT", Placement::CenterLeft},
        {"LOCATE CENTRE RIGHT", Placement::CenterRight},
        {"LOCATE CENTER", Placement::Center},
        {"locate centre", Placement::Center},
        {"LOCATE TOP LEFT", Placement::TopLeft},
        {"LOCATE TOP RIGHT", Placement::TopRight},
        {"LOCATE BOTTOM RIGHT", Placement::BottomRight},
        {"LOCATE BOTTOM LEFT", Placement::BottomLeft},
        {"LOCATE MINIMIZE", Placement::Mini},
        {"LOCATE HIDE", Placement::Hide},
        {"LOCATE SHOW", Placement::Show},
        {"LOCATE please at the top right", Placement::TopRight},
        // A centre word wins over HIDE and SHOW, which come later in the table.
        {"LOCATE SHOW CENTRE", Placement::Center},
        {"LOCATE HIDE, MINI", Placement::Mini},
        // Two blanks make no two-word position, so only the lone words remain.
        {"LOCATE CENTER  LEFT", Placement::Center},
        {"LOCATE TOP  LEFT", std::nullopt},
        {"LOCATE SOMEWHERE", std::nullopt},
        {"LOCATE ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocateLinePlacement(c.line), c.placement) << c.line;
}

TEST(LocateGeometry, PositionsOnAnEightHundredBySixHundredScreen) {
    struct Case {
        Placement placement;
        int left;
        int top;
    };
    const Case cases[] = {
        {Placement::TopRight, 409, 0},   {Placement::Center, 204, 244},
        {Placement::TopCenter, 204, 0},  {Placement::BottomCenter, 204, 489},
        {Placement::CenterLeft, 0, 244}, {Placement::CenterRight, 409, 244},
        {Placement::TopLeft, 0, 0},      {Placement::BottomRight, 409, 489},
        {Placement::BottomLeft, 0, 489},
    };
    for (const Case& c : cases) {
        const std::optional<ScreenPoint> point = PlacementPosition(c.placement, 800, 600, 391, 111);
        ASSERT_TRUE(point);
        EXPECT_EQ(point->left, c.left);
        EXPECT_EQ(point->top, c.top);
    }
}

TEST(LocateGeometry, HalvesRoundTowardZeroForAWindowWiderThanTheScreen) {
    const std::optional<ScreenPoint> point =
        PlacementPosition(Placement::Center, 100, 100, 103, 97);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->left, -1);
    EXPECT_EQ(point->top, 1);
}

TEST(LocateGeometry, ActionsHaveNoPosition) {
    for (Placement action : {Placement::Mini, Placement::Hide, Placement::Show})
        EXPECT_EQ(PlacementPosition(action, 800, 600, 391, 111), std::nullopt);
}

} // namespace
} // namespace qv::logic
