#include "editor/core/FileCommandModel.h"
#include "DocumentFixture.h"
#include "FakeDialogHost.h"

namespace qv::editor::testing {
namespace {

using Mode = FileCommandMode;
using Rule = OverwriteChoice;

TEST(FileCommandModel, ModesLayTheDialogOut) {
    struct Case {
        const char* tag;
        Mode mode;
        const char *caption, *group1, *help;
        bool group2, more;
        int height;
        std::optional<int> buttonTop;
    };
    const Case cases[] = {
        {"copy", Mode::Copy, "Copy", "Source : ", "Copy_Files", true, true, 204, std::nullopt},
        {"rename", Mode::Rename, "Rename", "Source : ", "Rename_Files", true, false, 204,
         std::nullopt},
        {"delete", Mode::Delete, "Delete", "Delete File(s)", "Delete_Files", false, false, 143, 84},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        const FileCommandModel model(c.mode, host);
        EXPECT_EQ(model.Caption(), c.caption) << c.tag;
        EXPECT_EQ(model.GroupBox1Caption(), c.group1) << c.tag;
        EXPECT_EQ(FileCommandHelpTopic(c.mode), c.help) << c.tag;
        EXPECT_EQ(model.GroupBox2Visible(), c.group2) << c.tag;
        EXPECT_EQ(model.BtnMoreVisible, c.more) << c.tag;
        EXPECT_EQ(model.Height, c.height) << c.tag;
        EXPECT_EQ(model.ButtonTop, c.buttonTop) << c.tag;
        EXPECT_FALSE(model.Button1Enabled) << c.tag;
    }
}

TEST(FileCommandModel, AdvancedButtonTogglesTheHeight) {
    FakeDialogHost host;
    FileCommandModel model(Mode::Copy, host);
    model.btnMoreClick();
    EXPECT_EQ(model.Height, 268);
    EXPECT_EQ(model.BtnMoreCaption, "<< &Less");
    model.btnMoreClick();
    EXPECT_EQ(model.Height, 204);
    EXPECT_EQ(model.BtnMoreCaption, "&Advanced >>");
}

TEST(FileCommandModel, BuildsTheLines) {
    struct Case {
        const char* tag;
        Mode mode;
        bool sourceDirectory;
        const char* source;
        bool destinationDirectory;
        const char* destination;
        Rule rule;
        bool confirm, noSubfolders, readOnly;
        const char* line;
    };
    const Case cases[] = {
        {"copy with switches", Mode::Copy, false, "C:\\Data\\*.TXT", true, "D:\\Backup\\",
         Rule::OnlyNewer, false, true, false, "COPY c:\\data\\*.txt>d:\\backup\\ /ON /DNCS"},
        {"copy with no switch has no trailing blank", Mode::Copy, false, "C:\\A.TXT", false,
         "C:\\B.TXT", Rule::All, false, false, false, "COPY c:\\a.txt>c:\\b.txt"},
        {"every switch in order", Mode::Copy, false, "a", false, "b", Rule::DoNotOverwrite, false,
         true, true, "COPY a>b /DNO /DNCS /ORO"},
        {"confirm", Mode::Copy, false, "a", false, "b", Rule::All, true, false, false,
         "COPY a>b /CIE"},
        {"a folder gets its backslash", Mode::Copy, true, "C:\\Src", true, "D:\\Dst", Rule::All,
         false, false, false, "COPY c:\\src>d:\\dst\\"},
        {"rename", Mode::Rename, false, "C:\\TEMP\\Old.log", false, "C:\\TEMP\\New.log", Rule::All,
         false, false, false, "RENAME c:\\temp\\old.log>c:\\temp\\new.log"},
        {"rename keeps the folder as typed", Mode::Rename, true, "C:\\Old", true, "C:\\New",
         Rule::All, false, false, false, "RENAME c:\\old>c:\\new"},
        {"delete", Mode::Delete, false, "C:\\TEMP\\*.tmp", false, "", Rule::All, false, false,
         false, "DEL c:\\temp\\*.tmp"},
        {"delete a folder", Mode::Delete, true, "C:\\TEMP\\Old", false, "", Rule::All, false, false,
         false, "DEL c:\\temp\\old"},
    };
    FakeDialogHost host;
    for (const Case& c : cases) {
        FileCommandModel model(c.mode, host);
        if (c.sourceDirectory) {
            model.RadioButton2Click();
            model.DEdit1 = c.source;
        } else {
            model.Edit1 = c.source;
        }
        if (c.destinationDirectory) {
            model.RadioButton4Click();
            model.DEdit2 = c.destination;
        } else {
            model.Edit2 = c.destination;
        }
        model.Overwrite = c.rule;
        model.CheckBox3 = c.confirm;
        model.CheckBox4 = c.noSubfolders;
        model.CheckBox5 = c.readOnly;
        model.FormClick();
        EXPECT_TRUE(model.Button1Enabled) << c.tag;
        model.Button1Click();
        EXPECT_EQ(model.BuildLine(), c.line) << c.tag;
    }
}

TEST(FileCommandModel, ReadsALineAndWritesItBack) {
    struct Case {
        const char* tag;
        Mode mode;
        const char* line;
        bool sourceDirectory;
        const char *source, *destination;
        Rule rule;
        bool confirm, noSubfolders, readOnly, expanded;
        const char* rebuilt; // nullptr: the line itself
    };
    const Case cases[] = {
        {"copy with switches", Mode::Copy, "COPY c:\\a.txt>c:\\b\\ /ON /DNCS", false, "c:\\a.txt",
         "c:\\b\\", Rule::OnlyNewer, false, true, false, true, nullptr},
        {"copy without switches stays small", Mode::Copy, "COPY c:\\a.txt>c:\\b.txt", false,
         "c:\\a.txt", "c:\\b.txt", Rule::All, false, false, false, false, nullptr},
        {"only newer wins over do not overwrite", Mode::Copy, "COPY a>b /DNO /ON", false, "a", "b",
         Rule::OnlyNewer, false, false, false, true, "COPY a>b /ON"},
        {"confirm clears do not overwrite", Mode::Copy, "COPY a>b /DNO /CIE /ORO", false, "a", "b",
         Rule::All, true, false, true, true, "COPY a>b /CIE /ORO"},
        {"an existing folder is a directory", Mode::Copy, "COPY C:\\Src>D:\\Dst\\", true, "C:\\Src",
         "D:\\Dst\\", Rule::All, false, false, false, false, "COPY c:\\src>d:\\dst\\"},
        {"rename", Mode::Rename, "RENAME c:\\temp\\old.log>c:\\temp\\new.log", false,
         "c:\\temp\\old.log", "c:\\temp\\new.log", Rule::All, false, false, false, false, nullptr},
        {"delete", Mode::Delete, "DEL c:\\temp\\*.tmp", false, "c:\\temp\\*.tmp", "", Rule::All,
         false, false, false, false, nullptr},
        {"delete an existing folder", Mode::Delete, "DEL C:\\Src", true, "C:\\Src", "", Rule::All,
         false, false, false, false, "DEL c:\\src"},
    };
    FakeDialogHost host;
    host.folders = {"C:\\SRC", "D:\\DST\\"};
    for (const Case& c : cases) {
        FileCommandModel model(c.mode, host);
        model.FromLine(c.line);
        EXPECT_EQ(model.SourceDirectory, c.sourceDirectory) << c.tag;
        EXPECT_EQ(c.sourceDirectory ? model.DEdit1 : model.Edit1, c.source) << c.tag;
        EXPECT_EQ(model.Edit2, c.destination) << c.tag;
        EXPECT_EQ(model.DEdit2, c.destination) << c.tag;
        EXPECT_EQ(model.DestinationDirectory, c.sourceDirectory) << c.tag;
        EXPECT_EQ(model.Overwrite, c.rule) << c.tag;
        EXPECT_EQ(model.CheckBox3, c.confirm) << c.tag;
        EXPECT_EQ(model.CheckBox4, c.noSubfolders) << c.tag;
        EXPECT_EQ(model.CheckBox5, c.readOnly) << c.tag;
        EXPECT_EQ(model.Height, c.expanded ? 268 : (c.mode == Mode::Delete ? 143 : 204)) << c.tag;
        EXPECT_EQ(model.BtnMoreVisible, c.mode == Mode::Copy) << c.tag;
        EXPECT_TRUE(model.Button1Enabled) << c.tag;
        model.Button1Click();
        EXPECT_EQ(model.BuildLine(), c.rebuilt ? c.rebuilt : c.line) << c.tag;
    }
}

TEST(FileCommandModel, AFileIsPreferredToAFolderOfTheSameName) {
    FakeDialogHost host;
    host.files = {"C:\\BOTH"};
    host.folders = {"C:\\BOTH"};
    FileCommandModel copy(Mode::Copy, host);
    copy.FromLine("COPY c:\\both>d:\\");
    EXPECT_FALSE(copy.SourceDirectory);
    FileCommandModel del(Mode::Delete, host);
    del.FromLine("DEL c:\\both");
    EXPECT_TRUE(del.SourceDirectory) << "Delete asks for a folder only";
}

TEST(FileCommandModel, KindButtonsAndOkFollowTheBoxes) {
    FakeDialogHost host;
    FileCommandModel model(Mode::Copy, host);
    model.Edit1 = "a";
    model.FormClick();
    EXPECT_FALSE(model.Button1Enabled) << "no destination yet";
    model.Edit2 = "b";
    model.FormClick();
    EXPECT_TRUE(model.Button1Enabled);
    model.RadioButton2Click();
    EXPECT_TRUE(model.DestinationDirectory) << "a folder can only go to a folder";
    EXPECT_FALSE(model.RadioButton5Enabled);
    model.RadioButton5Click();
    EXPECT_TRUE(model.DestinationDirectory) << "the disabled File button cannot be chosen";
    model.FormClick();
    EXPECT_FALSE(model.Button1Enabled) << "the folder boxes are empty";
    model.DEdit1 = "c:\\src";
    model.DEdit2 = "d:\\dst";
    model.FormClick();
    EXPECT_TRUE(model.Button1Enabled);
    model.DEdit2Exit();
    EXPECT_EQ(model.DEdit2, "d:\\dst\\");
    model.DEdit2Exit();
    EXPECT_EQ(model.DEdit2, "d:\\dst\\") << "one backslash only";
    model.RadioButton3Click();
    EXPECT_TRUE(model.RadioButton5Enabled);
    model.RadioButton5Click();
    EXPECT_FALSE(model.DestinationDirectory);

    FileCommandModel del(Mode::Delete, host);
    del.Edit1 = "x";
    del.FormClick();
    EXPECT_TRUE(del.Button1Enabled) << "Delete has no destination";
    FileCommandModel rename(Mode::Rename, host);
    rename.DEdit2 = "c:\\x";
    rename.DEdit2Exit();
    EXPECT_EQ(rename.DEdit2, "c:\\x") << "only Copy ends the folder with a backslash";
}

TEST(FileCommandModel, DoNotOverwriteAndConfirmNeverGoTogether) {
    FakeDialogHost host;
    FileCommandModel model(Mode::Copy, host);
    model.Checkbox3Click(true);
    model.Checkbox2Click();
    EXPECT_EQ(model.Overwrite, Rule::DoNotOverwrite);
    EXPECT_FALSE(model.CheckBox3);
    model.Checkbox3Click(true);
    EXPECT_EQ(model.Overwrite, Rule::All);
    EXPECT_TRUE(model.CheckBox3);
    model.Edit1 = "a";
    model.Edit2 = "b";
    EXPECT_EQ(model.BuildLine(), "COPY a>b /CIE");
}

class FileCommandDocument : public DocumentFixture {
  protected:
    FakeDialogHost dialogHost;
};

TEST_F(FileCommandDocument, AddAndEditGoThroughTheDocument) {
    Load({"COPY c:\\a.txt>c:\\b\\ /ON /DNCS", "LOGOFF"});
    Select({0}, 0);
    FileCommandModel edit(Mode::Copy, dialogHost);
    edit.FromLine(doc.Rows()[0].Command);
    edit.CheckBox5 = true;
    edit.ApplyOk(doc, DialogUse::Edit);
    EXPECT_EQ(Commands()[0], "COPY c:\\a.txt>c:\\b\\ /ON /DNCS /ORO");
    EXPECT_EQ(Titles()[0], "Copy File(s) or Directory") << "the title is kept";
    EXPECT_TRUE(doc.State().Modified);

    Select({EndRow()}, EndRow());
    FileCommandModel add(Mode::Delete, dialogHost);
    add.Edit1 = "C:\\TEMP\\*.TMP";
    add.ApplyOk(doc, DialogUse::Add);
    EXPECT_EQ(Commands().back(), "DEL c:\\temp\\*.tmp");
    EXPECT_EQ(Titles().back(), "Delete File(s) or Directory");
}

} // namespace
} // namespace qv::editor::testing
