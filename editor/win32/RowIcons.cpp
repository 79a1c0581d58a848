#include "editor/win32/RowIcons.h"

#include "language/Text.h"

#include <shellapi.h>

#include <algorithm>

namespace qv::win32 {

UniqueIcon LoadEditorIcon(int index, int size) {
    if (index < 0 || index >= static_cast<int>(EditorIconNames.size())) {
        return UniqueIcon();
    }
    return UniqueIcon(
        static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), EditorIconNames[index],
                                        IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

HICON EditorClassIcon() {
    static const UniqueIcon icon = LoadEditorIcon(0, ::GetSystemMetrics(SM_CXICON));
    return icon.Get();
}

void DrawProgramPicture(const DRAWITEMSTRUCT& item) {
    const int size =
        std::min(item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top);
    const UniqueIcon icon = LoadEditorIcon(0, size);
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, icon.Get(), size, size, 0, nullptr,
                 DI_NORMAL);
}

namespace {

// The icon of `file` itself where it holds icons (a program, a library, an .ico), otherwise the
// one the shell shows for it (a document, a folder).
UniqueIcon FileIcon(const std::string& file, int index, int size) {
    HICON icon = nullptr;
    UINT id = 0;
    if (::PrivateExtractIconsA(file.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR) ==
            1 &&
        icon != nullptr) {
        return UniqueIcon(icon);
    }
    SHFILEINFOA info{};
    const UINT which = size > 16 ? SHGFI_LARGEICON : SHGFI_SMALLICON;
    if (::SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info), SHGFI_ICON | which) != 0 &&
        info.hIcon != nullptr) {
        return UniqueIcon(info.hIcon);
    }
    return UniqueIcon();
}

// A library named without a folder ("shell32.dll") is the system's.
std::string SystemLibraryPath(const std::string& file) {
    if (file.find('\\') != std::string::npos) {
        return file;
    }
    char folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) + "\\" + file : file;
}

} // namespace

UniqueIcon ShellIconSource::Extract(const editor::IconRequest& request, int size) {
    switch (request.kind) {
    case editor::IconRequest::Kind::BuiltIn:
        return LoadEditorIcon(request.index, size);
    case editor::IconRequest::Kind::Associated:
        return FileIcon(request.file, request.index, size);
    case editor::IconRequest::Kind::Library:
        return FileIcon(SystemLibraryPath(request.file), request.index, size);
    }
    return UniqueIcon();
}

void RowIcons::CreateLists(int largeSize, int smallSize) {
    largeSize_ = largeSize;
    smallSize_ = smallSize;
    large_ = ImageList(largeSize, 256);
    small_ = ImageList(smallSize, 256);
    cache_.clear();
}

std::string RowIcons::KeyOf(const editor::IconRequest& icon) {
    // File names compare without regard to case, as the file system does.
    return std::to_string(static_cast<int>(icon.kind)) + '|' + std::to_string(icon.index) + '|' +
           LowerCase(icon.file);
}

const RowIcons::Pictures& RowIcons::PicturesFor(const editor::IconRequest& icon) {
    const std::string key = KeyOf(icon);
    if (const auto found = cache_.find(key); found != cache_.end()) {
        return found->second;
    }
    Pictures pictures{source_.Extract(icon, largeSize_), source_.Extract(icon, smallSize_)};
    // A source without a picture still gives the row one, so that every row's index stays the
    // count of pictures before it: the question mark of unrecognised lines.
    constexpr int Unknown = 7;
    if (!pictures.large) {
        pictures.large = LoadEditorIcon(Unknown, largeSize_);
    }
    if (!pictures.small) {
        pictures.small = LoadEditorIcon(Unknown, smallSize_);
    }
    return cache_.emplace(key, std::move(pictures)).first->second;
}

int RowIcons::AppendIcon(const editor::IconRequest& icon) {
    const int index = large_.Count();
    const Pictures& pictures = PicturesFor(icon);
    // Both lists grow together even when the system refuses a picture, so indices stay aligned.
    if (large_.Add(pictures.large.Get()) < 0) {
        ::ImageList_SetImageCount(large_.Handle(), static_cast<UINT>(index + 1));
    }
    if (small_.Add(pictures.small.Get()) < 0) {
        ::ImageList_SetImageCount(small_.Handle(), static_cast<UINT>(index + 1));
    }
    return index;
}

void RowIcons::ClearIcons() {
    large_.Clear();
    small_.Clear();
}

} // namespace qv::win32
