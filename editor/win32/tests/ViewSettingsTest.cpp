#include "editor/win32/ViewSettings.h"

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

// A settings key of the test's own, gone before and after.
class ViewSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Path); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, Path); }

    static constexpr const char* Path = "Software\\QuorvelEditorTest\\Quorvel Developer";
    RegistryKey key{HKEY_CURRENT_USER, Path};
    SettingsStore store{key};
};

TEST_F(ViewSettingsTest, AFirstStartHasTheDefaults) {
    const ViewSettings settings = store.Load();
    EXPECT_FALSE(settings.frame);
    EXPECT_EQ(settings.currentFile, "");
    EXPECT_EQ(settings.view, ScriptView::List);
    EXPECT_TRUE(settings.showMainToolbar);
    EXPECT_TRUE(settings.showMenuToolbar);
    EXPECT_TRUE(settings.showTips);
    EXPECT_TRUE(settings.recentFiles.empty());
    EXPECT_FALSE(key.Exists()) << "loading writes nothing";
}

TEST_F(ViewSettingsTest, EverySettingComesBackAsItWasSaved) {
    ViewSettings saved;
    saved.frame = RECT{-1200, 40, -400, 640}; // a monitor left of the main one
    saved.maximized = true;
    saved.currentFile = "C:\\Scripts\\Net & Print.qvs";
    saved.view = ScriptView::Text;
    saved.showMainToolbar = false;
    saved.showMenuToolbar = true;
    saved.pasteVisible = false;
    saved.showTips = false;
    saved.recentFiles = {"C:\\a.qvs", "D:\\b.qvs", "E:\\c.qvs"};
    saved.bandOrder = {1006, 1005};
    saved.bandsOnTwoRows = true;
    store.Save(saved);

    const ViewSettings loaded = store.Load();
    ASSERT_TRUE(loaded.frame);
    EXPECT_EQ(loaded.frame->left, -1200);
    EXPECT_EQ(loaded.frame->top, 40);
    EXPECT_EQ(loaded.frame->right, -400);
    EXPECT_EQ(loaded.frame->bottom, 640);
    EXPECT_TRUE(loaded.maximized);
    EXPECT_EQ(loaded.currentFile, saved.currentFile);
    EXPECT_EQ(loaded.view, ScriptView::Text);
    EXPECT_FALSE(loaded.showMainToolbar);
    EXPECT_TRUE(loaded.showMenuToolbar);
    EXPECT_FALSE(loaded.pasteVisible);
    EXPECT_FALSE(loaded.showTips);
    EXPECT_EQ(loaded.recentFiles, saved.recentFiles);
    EXPECT_EQ(loaded.bandOrder, saved.bandOrder);
    EXPECT_TRUE(loaded.bandsOnTwoRows);

    // A shorter list later leaves none of the longer one behind.
    saved.recentFiles = {"F:\\d.qvs"};
    store.Save(saved);
    EXPECT_EQ(store.Load().recentFiles, saved.recentFiles);
}

TEST_F(ViewSettingsTest, DamagedValuesKeepTheirDefaults) {
    key.WriteDword("Left", 10);
    key.WriteDword("Top", 10);
    key.WriteDword("Width", 5); // too small to use
    key.WriteDword("Height", 400);
    key.WriteDword("View", 7);
    key.WriteString("Show Tips", "yes"); // a text where a number belongs
    key.WriteString("Toolbar Bands", "x y");
    const ViewSettings loaded = store.Load();
    EXPECT_FALSE(loaded.frame);
    EXPECT_EQ(loaded.view, ScriptView::List);
    EXPECT_TRUE(loaded.showTips);
    EXPECT_TRUE(loaded.bandOrder.empty());
}

TEST_F(ViewSettingsTest, Win98IsCreatedAsTrueWhenMissingAndReadAsStored) {
    EXPECT_TRUE(store.ReadWin98());
    EXPECT_EQ(key.ReadDword("Win98"), 1u);
    key.WriteDword("Win98", 0);
    EXPECT_FALSE(store.ReadWin98());
    EXPECT_EQ(key.ReadDword("Win98"), 0u) << "a stored value is not rewritten";
    key.WriteString("Win98", "True"); // not readable as a boolean: written as true again
    EXPECT_TRUE(store.ReadWin98());
    EXPECT_EQ(key.ReadDword("Win98"), 1u);
}

} // namespace
} // namespace qv::win32
