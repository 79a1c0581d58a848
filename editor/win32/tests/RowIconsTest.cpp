#include "editor/win32/RowIcons.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace qv::win32 {
namespace {

using editor::IconRequest;

// The real source, counting what it is asked for.
class CountingSource : public IconSource {
  public:
    std::string Identify(const IconRequest& request) override { return shell.Identify(request); }
    IconPair Extract(const IconRequest& request, const std::string& identity, int largeSize,
                     int smallSize) override {
        asked.push_back(request);
        return shell.Extract(request, identity, largeSize, smallSize);
    }
    std::vector<IconRequest> asked;
    ShellIconSource shell;
};

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

TEST(RowIcons, EachSourceIsExtractedOnceWhateverTheCaseOfItsName) {
    CountingSource source;
    RowIcons icons(source);
    icons.CreateLists(32, 16);
    const std::string program = ProgramPath();
    std::string upper = program;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    const IconRequest file{IconRequest::Kind::Associated, program, 0};
    const IconRequest sameFile{IconRequest::Kind::Associated, upper, 0};
    const IconRequest timer{IconRequest::Kind::BuiltIn, "", 19};

    EXPECT_EQ(icons.AppendIcon(file), 0);
    EXPECT_EQ(icons.AppendIcon(timer), 1);
    EXPECT_EQ(icons.AppendIcon(sameFile), 2);
    EXPECT_EQ(icons.AppendIcon(timer), 3);
    EXPECT_EQ(source.asked.size(), 2u) << "two sources";
    icons.Flush();
    EXPECT_EQ(::ImageList_GetImageCount(icons.Large()), 4);
    EXPECT_EQ(::ImageList_GetImageCount(icons.Small()), 4);

    icons.ClearIcons();
    EXPECT_EQ(icons.AppendIcon(file), 0) << "emptied lists start again at 0";
    EXPECT_EQ(source.asked.size(), 2u) << "emptying the lists keeps the cache";
}

// Two documents of one kind show the shell's one picture for it, taken once.
TEST(RowIcons, FilesTheShellShowsAlikeAreTakenOnce) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string first = std::string(temp) + "qv-icons-a.txt";
    const std::string second = std::string(temp) + "qv-icons-b.txt";
    for (const std::string& path : {first, second}) {
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    CountingSource source;
    RowIcons icons(source);
    icons.CreateLists(32, 16);
    EXPECT_EQ(icons.AppendIcon({IconRequest::Kind::Associated, first, 0}), 0);
    EXPECT_EQ(icons.AppendIcon({IconRequest::Kind::Associated, second, 0}), 1);
    EXPECT_EQ(source.asked.size(), 1u);
    icons.Flush();
    EXPECT_EQ(::ImageList_GetImageCount(icons.Large()), 2);
    ::DeleteFileA(first.c_str());
    ::DeleteFileA(second.c_str());
}

TEST(RowIcons, ASourceWithoutAPictureStillGivesTheRowOne) {
    CountingSource source;
    RowIcons icons(source);
    icons.CreateLists(32, 16);
    EXPECT_EQ(icons.AppendIcon({IconRequest::Kind::Associated, "C:\\no\\such\\program.exe", 0}), 0);
    EXPECT_EQ(icons.AppendIcon({IconRequest::Kind::BuiltIn, "", 999}), 1);
    EXPECT_EQ(icons.AppendIcon({IconRequest::Kind::Library, "shell32.dll", 39}), 2);
    icons.Flush();
    EXPECT_EQ(::ImageList_GetImageCount(icons.Large()), 3);
    EXPECT_EQ(::ImageList_GetImageCount(icons.Small()), 3);
}

// Held-back pictures go in as strips, each row's picture at its own index, across strip ends.
TEST(RowIcons, ManyRowsGoInAtOnceEachAtItsIndex) {
    CountingSource source;
    RowIcons icons(source);
    icons.CreateLists(32, 16);
    const IconRequest timer{IconRequest::Kind::BuiltIn, "", 19};
    const IconRequest run{IconRequest::Kind::BuiltIn, "", 17};
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(icons.AppendIcon(i % 3 == 0 ? run : timer), i);
    }
    icons.Flush();
    EXPECT_EQ(::ImageList_GetImageCount(icons.Large()), 600);
    EXPECT_EQ(::ImageList_GetImageCount(icons.Small()), 600);
    EXPECT_EQ(icons.AppendIcon(timer), 600) << "after a flush, counting goes on";
    // Row 300 shows the RUN picture, row 301 the timer: compare their pixels with the cache's.
    const auto pixelsAt = [&icons](int index) {
        const UniqueIcon icon(::ImageList_GetIcon(icons.Large(), index, ILD_NORMAL));
        return PixelsOf(icon.Get(), 32);
    };
    icons.Flush();
    const std::optional<PicturePixels> first = pixelsAt(0);
    const std::optional<PicturePixels> row300 = pixelsAt(300);
    const std::optional<PicturePixels> row301 = pixelsAt(301);
    ASSERT_TRUE(first && row300 && row301);
    EXPECT_EQ(row300->color, first->color);
    EXPECT_NE(row301->color, first->color);
}

// The icon table is the program's named icons in table order, so that "qvdev.exe,26" is QVS.
TEST(RowIcons, TheIconTableIsTheProgramsIconsInOrder) {
    std::vector<std::string> names;
    ::EnumResourceNamesA(
        nullptr, RT_GROUP_ICON,
        [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
            if (!IS_INTRESOURCE(name)) {
                reinterpret_cast<std::vector<std::string>*>(found)->push_back(name);
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    ASSERT_EQ(names.size(), EditorIconNames.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], EditorIconNames[i]) << i;
        EXPECT_TRUE(LoadEditorIcon(static_cast<int>(i), 16)) << EditorIconNames[i];
    }
    // The shell's numbering of the file's icons starts with the named ones.
    const std::string program = ProgramPath();
    const auto total = reinterpret_cast<UINT_PTR>(
        ::ExtractIconA(::GetModuleHandleA(nullptr), program.c_str(), static_cast<UINT>(-1)));
    EXPECT_GE(total, EditorIconNames.size());
}

} // namespace
} // namespace qv::win32
