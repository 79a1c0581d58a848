#include "editor/core/LocateModel.h"
#include "DocumentFixture.h"

namespace qv::editor::testing {
namespace {

using V = VerticalChoice;
using H = HorizontalChoice;
using W = WindowChoice;

TEST(LocateModel, ReadsEveryPositionAndWritesItBack) {
    struct Case {
        const char* tag;
        const char* line;
        V vertical;
        H horizontal;
        W window;
        const char* rebuilt;
    };
    const Case cases[] = {
        {"top center", "LOCATE TOP CENTER", V::Top, H::Center, W::None, "LOCATE TOP CENTER"},
        {"top centre", "LOCATE TOP CENTRE", V::Top, H::Center, W::None, "LOCATE TOP CENTER"},
        {"bottom centre", "LOCATE BOTTOM CENTRE", V::Bottom, H::Center, W::None,
         "LOCATE BOTTOM CENTER"},
        {"centre left", "LOCATE CENTRE LEFT", V::Center, H::Left, W::None, "LOCATE CENTER LEFT"},
        {"center right", "LOCATE CENTER RIGHT", V::Center, H::Right, W::None,
         "LOCATE CENTER RIGHT"},
        {"centre alone", "LOCATE CENTRE", V::Center, H::Center, W::None, "LOCATE CENTER CENTER"},
        {"center center", "LOCATE CENTER CENTER", V::Center, H::Center, W::None,
         "LOCATE CENTER CENTER"},
        {"top left", "LOCATE TOP LEFT", V::Top, H::Left, W::None, "LOCATE TOP LEFT"},
        {"top right", "LOCATE TOP RIGHT", V::Top, H::Right, W::None, "LOCATE TOP RIGHT"},
        {"bottom right", "LOCATE BOTTOM RIGHT", V::Bottom, H::Right, W::None,
         "LOCATE BOTTOM RIGHT"},
        {"bottom left", "locate bottom left", V::Bottom, H::Left, W::None, "LOCATE BOTTOM LEFT"},
        {"mini", "LOCATE MINI", V::None, H::None, W::Minimize, "LOCATE MINI"},
        {"minimize holds mini", "LOCATE MINIMIZE", V::None, H::None, W::Minimize, "LOCATE MINI"},
        {"hide", "LOCATE HIDE", V::None, H::None, W::Hide, "LOCATE HIDE"},
        {"show", "LOCATE SHOW", V::None, H::None, W::Show, "LOCATE SHOW"},
        {"no word keeps the defaults", "LOCATE SOMEWHERE", V::Center, H::Center, W::None,
         "LOCATE CENTER CENTER"},
    };
    for (const Case& c : cases) {
        LocateModel model;
        model.FromLine(c.line);
        EXPECT_EQ(model.VerticalButton, c.vertical) << c.tag;
        EXPECT_EQ(model.HorizontalButton, c.horizontal) << c.tag;
        EXPECT_EQ(model.OtherButton, c.window) << c.tag;
        EXPECT_TRUE(model.OkEnabled()) << c.tag;
        EXPECT_EQ(model.BuildLine(), c.rebuilt) << c.tag;
    }
}

TEST(LocateModel, HideShowAndMinimizeExcludeThePositions) {
    LocateModel model;
    EXPECT_EQ(model.BuildLine(), "LOCATE CENTER CENTER");
    model.RadioButton1Click();
    model.RadioButton6Click();
    model.RadioButton7Click();
    EXPECT_EQ(model.VerticalButton, V::None);
    EXPECT_EQ(model.HorizontalButton, H::None);
    EXPECT_EQ(model.BuildLine(), "LOCATE HIDE");
    model.RadioButton1Click();
    EXPECT_EQ(model.OtherButton, W::None);
    EXPECT_FALSE(model.OkEnabled()) << "a horizontal choice is still needed";
    model.RadioButton4Click();
    EXPECT_TRUE(model.OkEnabled());
    EXPECT_EQ(model.BuildLine(), "LOCATE TOP RIGHT");
    model.RadioButton9Click();
    EXPECT_EQ(model.BuildLine(), "LOCATE MINI");
    model.RadioButton8Click();
    EXPECT_EQ(model.BuildLine(), "LOCATE SHOW");
}

class LocateDocument : public DocumentFixture {};

TEST_F(LocateDocument, EditKeepsTheTitle) {
    Load({"LOCATE TOP CENTER"});
    Select({0}, 0);
    LocateModel model;
    model.FromLine(doc.Rows()[0].Command);
    model.RadioButton3Click();
    model.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands(), (std::vector<std::string>{"LOCATE BOTTOM CENTER"}));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Window Position"}));
    EXPECT_TRUE(doc.State().Modified);
}

} // namespace
} // namespace qv::editor::testing
