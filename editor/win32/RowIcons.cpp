#include "editor/win32/RowIcons.h"

#include "common/win32/Gdi.h"
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

// The icons of `file` itself where it holds icons (a program, a library, an .ico), otherwise
// the ones the shell shows for it (a document, a folder): both sizes in one look each.
IconPair FileIcons(const std::string& file, int index, int largeSize, int smallSize) {
    HICON icons[2] = {};
    UINT ids[2] = {};
    const UINT found =
        ::PrivateExtractIconsA(file.c_str(), index, MAKELONG(largeSize, smallSize),
                               MAKELONG(largeSize, smallSize), icons, ids, 2, LR_DEFAULTCOLOR);
    IconPair pair{UniqueIcon(icons[0]), UniqueIcon(icons[1])};
    if (found != 0 && found != 0xFFFFFFFF && pair.large && pair.small) {
        return pair;
    }
    pair = IconPair{};
    SHFILEINFOA info{};
    const auto large = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        file.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
    if (large == nullptr) {
        return pair;
    }
    const auto small = reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(
        file.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    pair.large.Reset(::ImageList_GetIcon(large, info.iIcon, ILD_NORMAL));
    if (small != nullptr) {
        pair.small.Reset(::ImageList_GetIcon(small, info.iIcon, ILD_NORMAL));
    }
    return pair;
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

IconPair ShellIconSource::Extract(const editor::IconRequest& request, int largeSize,
                                  int smallSize) {
    switch (request.kind) {
    case editor::IconRequest::Kind::BuiltIn:
        return IconPair{LoadEditorIcon(request.index, largeSize),
                        LoadEditorIcon(request.index, smallSize)};
    case editor::IconRequest::Kind::Associated:
        return FileIcons(request.file, request.index, largeSize, smallSize);
    case editor::IconRequest::Kind::Library:
        return FileIcons(SystemLibraryPath(request.file), request.index, largeSize, smallSize);
    }
    return IconPair{};
}

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
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = size;
    format.bmiHeader.biHeight = -size; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
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

// One strip of pictures of `size` pixels in a row, added to `list` at once; false when the
// system refused it (nothing was added then).
bool AddStrip(const ImageList& list, int size, const std::vector<const PicturePixels*>& strip) {
    const int width = size * static_cast<int>(strip.size());
    BITMAPINFO colorFormat{};
    colorFormat.bmiHeader.biSize = sizeof(colorFormat.bmiHeader);
    colorFormat.bmiHeader.biWidth = width;
    colorFormat.bmiHeader.biHeight = -size;
    colorFormat.bmiHeader.biPlanes = 1;
    colorFormat.bmiHeader.biBitCount = 32;
    colorFormat.bmiHeader.biCompression = BI_RGB;
    struct MonoFormat {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } maskFormat{colorFormat.bmiHeader, {{0, 0, 0, 0}, {255, 255, 255, 0}}};
    maskFormat.header.biBitCount = 1;
    void* colorBits = nullptr;
    void* maskBits = nullptr;
    const WindowDC screen(nullptr);
    const UniqueBitmap color(
        ::CreateDIBSection(screen.Get(), &colorFormat, DIB_RGB_COLORS, &colorBits, nullptr, 0));
    const UniqueBitmap mask(::CreateDIBSection(screen.Get(),
                                               reinterpret_cast<BITMAPINFO*>(&maskFormat),
                                               DIB_RGB_COLORS, &maskBits, nullptr, 0));
    if (!color || !mask || colorBits == nullptr || maskBits == nullptr) {
        return false;
    }
    auto* colorRows = static_cast<std::uint32_t*>(colorBits);
    auto* maskRows = static_cast<std::uint8_t*>(maskBits);
    const std::size_t maskStride = static_cast<std::size_t>((width + 31) / 32) * 4;
    std::fill(maskRows, maskRows + maskStride * static_cast<std::size_t>(size), std::uint8_t{0});
    for (std::size_t k = 0; k < strip.size(); ++k) {
        const PicturePixels& picture = *strip[k];
        for (int y = 0; y < size; ++y) {
            const std::size_t from = static_cast<std::size_t>(y) * static_cast<std::size_t>(size);
            const std::size_t left = k * static_cast<std::size_t>(size);
            std::copy_n(picture.color.begin() + static_cast<std::ptrdiff_t>(from), size,
                        colorRows + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                            left);
            std::uint8_t* maskRow = maskRows + static_cast<std::size_t>(y) * maskStride;
            for (int x = 0; x < size; ++x) {
                if (picture.transparent[from + static_cast<std::size_t>(x)] != 0) {
                    const std::size_t bit = left + static_cast<std::size_t>(x);
                    maskRow[bit / 8] |= static_cast<std::uint8_t>(0x80u >> (bit % 8));
                }
            }
        }
    }
    const int before = list.Count();
    if (::ImageList_Add(list.Handle(), color.Get(), mask.Get()) < 0) {
        return false;
    }
    if (list.Count() != before + static_cast<int>(strip.size())) {
        ::ImageList_SetImageCount(list.Handle(), static_cast<UINT>(before));
        return false;
    }
    return true;
}

} // namespace

void RowIcons::CreateLists(int largeSize, int smallSize) {
    largeSize_ = largeSize;
    smallSize_ = smallSize;
    large_ = ImageList(largeSize, static_cast<int>(StripLength));
    small_ = ImageList(smallSize, static_cast<int>(StripLength));
    pending_.clear();
    cache_.clear();
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
    if (const auto found = cache_.find(key); found != cache_.end()) {
        return found->second;
    }
    IconPair pair = source_.Extract(icon, largeSize_, smallSize_);
    Pictures pictures{Take(std::move(pair.large), largeSize_),
                      Take(std::move(pair.small), smallSize_)};
    return cache_.emplace(key, std::move(pictures)).first->second;
}

int RowIcons::AppendIcon(const editor::IconRequest& icon) {
    const int index = large_.Count() + static_cast<int>(pending_.size());
    pending_.push_back(&PicturesFor(icon));
    return index;
}

void RowIcons::AddPending(const ImageList& list, int size, Picture Pictures::*which) const {
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
        const int before = list.Count();
        if (strip.size() == end - start && AddStrip(list, size, strip)) {
            continue;
        }
        // One by one where a strip cannot be had; the list grows by one for each all the same,
        // so the rows' indices stay right.
        for (std::size_t i = start; i < end; ++i) {
            const int expected = before + static_cast<int>(i - start) + 1;
            if (list.Add(((*pending_[i]).*which).icon.Get()) < 0 || list.Count() != expected) {
                ::ImageList_SetImageCount(list.Handle(), static_cast<UINT>(expected));
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
    large_.Clear();
    small_.Clear();
}

} // namespace qv::win32
