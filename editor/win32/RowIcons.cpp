#include "editor/win32/RowIcons.h"

#include "common/win32/Gdi.h"
#include "language/Text.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

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

constexpr std::string_view BuiltInPicture = "builtin:";
constexpr std::string_view FilePicture = "file:";
constexpr std::string_view ShellPicture = "shell:";
constexpr std::string_view TypePicture = "type:";

// Both sizes of icon `index` of a file that holds icons (a program, a library, an .ico).
IconPair FileIcons(const std::string& file, int index, int largeSize, int smallSize) {
    HICON icons[2] = {};
    UINT ids[2] = {};
    ::PrivateExtractIconsA(file.c_str(), index, MAKELONG(largeSize, smallSize),
                           MAKELONG(largeSize, smallSize), icons, ids, 2, LR_DEFAULTCOLOR);
    return IconPair{UniqueIcon(icons[0]), UniqueIcon(icons[1])};
}

// Both sizes of picture `index` of the shell's own image lists.
IconPair ShellIcons(int index) {
    HIMAGELIST large = nullptr;
    HIMAGELIST small = nullptr;
    if (::Shell_GetImageLists(&large, &small) == FALSE) {
        return IconPair{};
    }
    return IconPair{UniqueIcon(::ImageList_GetIcon(large, index, ILD_NORMAL)),
                    UniqueIcon(::ImageList_GetIcon(small, index, ILD_NORMAL))};
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

std::string ShellIconSource::Identify(const editor::IconRequest& request) {
    if (request.kind == editor::IconRequest::Kind::BuiltIn) {
        return std::string(BuiltInPicture) + std::to_string(request.index);
    }
    const std::string file = request.kind == editor::IconRequest::Kind::Library
                                 ? SystemLibraryPath(request.file)
                                 : request.file;
    // A file's own icons (a negative index names one by its resource number), else the picture
    // the shell shows for its kind of file.
    const UINT icons =
        ::PrivateExtractIconsA(file.c_str(), 0, 0, 0, nullptr, nullptr, 0, LR_DEFAULTCOLOR);
    if (icons != 0 && icons != 0xFFFFFFFF &&
        (request.index < 0 || static_cast<UINT>(request.index) < icons)) {
        return std::string(FilePicture) + std::to_string(request.index) + '|' + LowerCase(file);
    }
    // Without icons of its own a file shows its type's picture, the same for every file of the
    // type, so the type names it without asking the shell about each file; a folder may have
    // a picture of its own.
    const DWORD attributes = ::GetFileAttributesA(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        const std::size_t slash = file.find_last_of("\\/:");
        const std::size_t dot = file.rfind('.');
        const bool hasType =
            dot != std::string::npos && (slash == std::string::npos || dot > slash);
        return std::string(TypePicture) + (hasType ? LowerCase(file.substr(dot)) : std::string());
    }
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX) != 0) {
        return std::string(ShellPicture) + std::to_string(info.iIcon);
    }
    return "none";
}

IconPair ShellIconSource::Extract(const editor::IconRequest& request, const std::string& identity,
                                  int largeSize, int smallSize) {
    const std::string_view name(identity);
    if (name.starts_with(BuiltInPicture)) {
        return IconPair{LoadEditorIcon(request.index, largeSize),
                        LoadEditorIcon(request.index, smallSize)};
    }
    if (name.starts_with(FilePicture)) {
        const std::size_t bar = name.find('|');
        return FileIcons(identity.substr(bar + 1), request.index, largeSize, smallSize);
    }
    if (name.starts_with(ShellPicture)) {
        return ShellIcons(std::atoi(identity.c_str() + ShellPicture.size()));
    }
    if (name.starts_with(TypePicture)) {
        // The type's picture: asked by its extension alone (a name with no extension: a file).
        const std::string type = "file" + identity.substr(TypePicture.size());
        SHFILEINFOA info{};
        if (::SHGetFileInfoA(type.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                             SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES) != 0) {
            return ShellIcons(info.iIcon);
        }
    }
    return IconPair{};
}

namespace {

// 32-bit pixels, top row first.
BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

} // namespace

std::optional<PicturePixels> PixelsOf(HICON icon, int size) {
    ICONINFO info{};
    if (icon == nullptr || ::GetIconInfo(icon, &info) == FALSE) {
        return std::nullopt;
    }
    const UniqueBitmap color(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP shape{};
    if (!color || ::GetObjectA(color.Get(), sizeof(shape), &shape) == 0 || shape.bmWidth != size ||
        shape.bmHeight != size) {
        return std::nullopt;
    }
    BITMAPINFO format = TopDown32(size, size);
    const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    PicturePixels pixels{size, std::vector<std::uint32_t>(count), std::vector<std::uint8_t>(count)};
    std::vector<std::uint32_t> maskPixels(count);
    const WindowDC screen(nullptr);
    BITMAPINFO maskFormat = format;
    if (::GetDIBits(screen.Get(), color.Get(), 0, static_cast<UINT>(size), pixels.color.data(),
                    &format, DIB_RGB_COLORS) != size ||
        ::GetDIBits(screen.Get(), mask.Get(), 0, static_cast<UINT>(size), maskPixels.data(),
                    &maskFormat, DIB_RGB_COLORS) != size) {
        return std::nullopt;
    }
    bool hasAlpha = false;
    for (std::size_t i = 0; i < count; ++i) {
        pixels.transparent[i] = (maskPixels[i] & 0xFFFFFFu) != 0 ? 1 : 0;
        hasAlpha = hasAlpha || (pixels.color[i] >> 24) != 0;
    }
    // A picture without alpha takes it from its mask, so that lists with alpha draw it alike.
    if (!hasAlpha) {
        for (std::size_t i = 0; i < count; ++i) {
            pixels.color[i] = pixels.transparent[i] != 0 ? 0u : (pixels.color[i] | 0xFF000000u);
        }
    }
    return pixels;
}

namespace {

constexpr std::size_t StripLength = 256;

int CountOf(HIMAGELIST list) {
    return list != nullptr ? ::ImageList_GetImageCount(list) : 0;
}

// A list of pictures with alpha, which needs no mask; room for `capacity` before it grows.
UniqueImageList CreateRowList(int size, std::size_t capacity) {
    return UniqueImageList(::ImageList_Create(size, size, ILC_COLOR32,
                                              static_cast<int>(std::max(capacity, StripLength)),
                                              static_cast<int>(StripLength)));
}

// One strip of pictures of `size` pixels in a row, added to `list` at once; false when the
// system refused it (nothing was added then).
bool AddStrip(HIMAGELIST list, int size, const std::vector<const PicturePixels*>& strip) {
    const int width = size * static_cast<int>(strip.size());
    BITMAPINFO format = TopDown32(width, size);
    void* bits = nullptr;
    const WindowDC screen(nullptr);
    const UniqueBitmap color(
        ::CreateDIBSection(screen.Get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color || bits == nullptr) {
        return false;
    }
    auto* rows = static_cast<std::uint32_t*>(bits);
    for (std::size_t k = 0; k < strip.size(); ++k) {
        for (int y = 0; y < size; ++y) {
            const std::size_t from = static_cast<std::size_t>(y) * static_cast<std::size_t>(size);
            std::copy_n(strip[k]->color.begin() + static_cast<std::ptrdiff_t>(from), size,
                        rows + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                            k * static_cast<std::size_t>(size));
        }
    }
    const int before = CountOf(list);
    if (::ImageList_Add(list, color.Get(), nullptr) < 0) {
        return false;
    }
    if (CountOf(list) != before + static_cast<int>(strip.size())) {
        ::ImageList_SetImageCount(list, static_cast<UINT>(before));
        return false;
    }
    return true;
}

} // namespace

void RowIcons::CreateLists(int largeSize, int smallSize) {
    largeSize_ = largeSize;
    smallSize_ = smallSize;
    large_ = CreateRowList(largeSize, StripLength);
    small_ = CreateRowList(smallSize, StripLength);
    pending_.clear();
    requests_.clear();
    pictures_.clear();
}

std::string RowIcons::KeyOf(const editor::IconRequest& icon) {
    // File names compare without regard to case, as the file system does.
    return std::to_string(static_cast<int>(icon.kind)) + '|' + std::to_string(icon.index) + '|' +
           LowerCase(icon.file);
}

RowIcons::Picture RowIcons::Take(UniqueIcon taken, int size) {
    // A source without a picture still gives the row one, so that every row's index stays the
    // count of pictures before it: the question mark of unrecognised lines.
    constexpr int Unknown = 7;
    if (!taken) {
        taken = LoadEditorIcon(Unknown, size);
    }
    std::optional<PicturePixels> pixels = PixelsOf(taken.Get(), size);
    return Picture{std::move(taken), std::move(pixels)};
}

const RowIcons::Pictures& RowIcons::PicturesFor(const editor::IconRequest& icon) {
    const std::string key = KeyOf(icon);
    if (const auto found = requests_.find(key); found != requests_.end()) {
        return *found->second;
    }
    const std::string identity = source_.Identify(icon);
    auto found = pictures_.find(identity);
    if (found == pictures_.end()) {
        IconPair pair = source_.Extract(icon, identity, largeSize_, smallSize_);
        Pictures pictures{Take(std::move(pair.large), largeSize_),
                          Take(std::move(pair.small), smallSize_)};
        found = pictures_.emplace(identity, std::move(pictures)).first;
    }
    requests_.emplace(key, &found->second);
    return found->second;
}

int RowIcons::AppendIcon(const editor::IconRequest& icon) {
    const int index = CountOf(large_.Get()) + static_cast<int>(pending_.size());
    pending_.push_back(&PicturesFor(icon));
    return index;
}

void RowIcons::AddPending(UniqueImageList& owned, int size, Picture Pictures::*which) const {
    // A list filled from empty is made with room for all, so that it never grows on the way.
    if (CountOf(owned.Get()) == 0 && pending_.size() > StripLength) {
        owned = CreateRowList(size, pending_.size());
    }
    const HIMAGELIST list = owned.Get();
    std::vector<const PicturePixels*> strip;
    for (std::size_t start = 0; start < pending_.size(); start += StripLength) {
        const std::size_t end = std::min(pending_.size(), start + StripLength);
        strip.clear();
        for (std::size_t i = start; i < end; ++i) {
            const std::optional<PicturePixels>& pixels = ((*pending_[i]).*which).pixels;
            if (!pixels) {
                break;
            }
            strip.push_back(&*pixels);
        }
        const int before = CountOf(list);
        if (strip.size() == end - start && AddStrip(list, size, strip)) {
            continue;
        }
        // One by one where a strip cannot be had; the list grows by one for each all the same,
        // so the rows' indices stay right.
        for (std::size_t i = start; i < end; ++i) {
            const int expected = before + static_cast<int>(i - start) + 1;
            const HICON icon = ((*pending_[i]).*which).icon.Get();
            if (icon == nullptr || ::ImageList_AddIcon(list, icon) < 0 ||
                CountOf(list) != expected) {
                ::ImageList_SetImageCount(list, static_cast<UINT>(expected));
            }
        }
    }
}

void RowIcons::Flush() {
    if (pending_.empty()) {
        return;
    }
    AddPending(large_, largeSize_, &Pictures::large);
    AddPending(small_, smallSize_, &Pictures::small);
    pending_.clear();
}

void RowIcons::ClearIcons() {
    pending_.clear();
    ::ImageList_RemoveAll(large_.Get());
    ::ImageList_RemoveAll(small_.Get());
}

} // namespace qv::win32
