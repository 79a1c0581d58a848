#include "common/win32/TextView.h"

#include "common/win32/Gdi.h"
#include "common/win32/WindowBase.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace qv::win32 {
namespace {

constexpr int WheelLines = 3;
constexpr int LeftMargin = 2;
// The longest lines (by characters) that are measured to find the horizontal extent.
constexpr std::size_t MeasuredLines = 32;

class TextView final : public WindowBase {
  public:
    TextView() = default;
    static bool Register() { return RegisterControlClass<TextView>(TextViewClass, CS_DBLCLKS); }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Out of memory for a huge text: the view stays as it was.
    LRESULT ResultAfterException(UINT, WPARAM, LPARAM) noexcept override { return 0; }

  private:
    void SetText(const char* text);
    void Metrics();
    void UpdateScrollBars();
    void ScrollTo(int line, int column);
    void OnScroll(int bar, int code);
    void Paint();
    void Copy();
    int VisibleLines() const;
    int VisibleColumns() const;

    std::string text_;
    std::vector<std::size_t> starts_; // each line's offset; lengths exclude the line break
    std::vector<std::size_t> lengths_;
    HFONT font_ = nullptr;
    int lineHeight_ = 13;
    int charWidth_ = 6;
    int widestPixels_ = 0;
    int topLine_ = 0;
    int leftColumn_ = 0;
    bool allSelected_ = false;
};

void TextView::SetText(const char* text) {
    text_ = text != nullptr ? text : "";
    starts_.clear();
    lengths_.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text_.size(); ++i) {
        const bool end = i == text_.size();
        if (end || text_[i] == '\r' || text_[i] == '\n') {
            starts_.push_back(start);
            lengths_.push_back(i - start);
            if (!end && text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    topLine_ = 0;
    leftColumn_ = 0;
    allSelected_ = false;
    Metrics();
    UpdateScrollBars();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TextView::Metrics() {
    WindowDC windowDc(Handle());
    HDC dc = windowDc.Get();
    SelectedObject selected(dc, font_ != nullptr ? font_ : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    lineHeight_ = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    charWidth_ = std::max<int>(1, metrics.tmAveCharWidth);
    // Measure only the longest lines: the widest line is almost always among them.
    std::vector<std::size_t> order(lengths_.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    const std::size_t count = std::min(MeasuredLines, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(count),
                      order.end(),
                      [&](std::size_t a, std::size_t b) { return lengths_[a] > lengths_[b]; });
    widestPixels_ = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t line = order[i];
        // Past what a 16-bit extent can report, the average width is good enough.
        const std::size_t estimate = lengths_[line] * static_cast<std::size_t>(charWidth_);
        int width = 0;
        if (estimate > 30000) {
            width = static_cast<int>(std::min<std::size_t>(estimate, 0x3FFFFFFF));
        } else {
            const DWORD size = ::GetTabbedTextExtentA(dc, text_.data() + starts_[line],
                                                      static_cast<int>(lengths_[line]), 0, nullptr);
            width = LOWORD(size);
        }
        widestPixels_ = std::max(widestPixels_, width);
    }
}

int TextView::VisibleLines() const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    return std::max(1, static_cast<int>(client.bottom) / lineHeight_);
}

int TextView::VisibleColumns() const {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    return std::max(1, static_cast<int>(client.right) / charWidth_);
}

void TextView::UpdateScrollBars() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = std::max(0, static_cast<int>(starts_.size()) - 1);
    info.nPage = static_cast<UINT>(VisibleLines());
    info.nPos = topLine_;
    ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    info.nMax = (widestPixels_ + LeftMargin * 2) / charWidth_ + 1;
    info.nPage = static_cast<UINT>(VisibleColumns());
    info.nPos = leftColumn_;
    ::SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
}

void TextView::ScrollTo(int line, int column) {
    const int lastTop = std::max(0, static_cast<int>(starts_.size()) - VisibleLines());
    const int lastLeft =
        std::max(0, (widestPixels_ + LeftMargin * 2) / charWidth_ + 1 - VisibleColumns() + 1);
    line = std::clamp(line, 0, lastTop);
    column = std::clamp(column, 0, lastLeft);
    if (line == topLine_ && column == leftColumn_) {
        return;
    }
    topLine_ = line;
    leftColumn_ = column;
    UpdateScrollBars();
    ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TextView::OnScroll(int bar, int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    ::GetScrollInfo(Handle(), bar, &info);
    int pos = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (code) {
    case SB_LINEUP:
        --pos;
        break;
    case SB_LINEDOWN:
        ++pos;
        break;
    case SB_PAGEUP:
        pos -= std::max(1, page - 1);
        break;
    case SB_PAGEDOWN:
        pos += std::max(1, page - 1);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = info.nTrackPos; // 32 bits, unlike the message's own position
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = info.nMax;
        break;
    default:
        return;
    }
    if (bar == SB_VERT) {
        ScrollTo(pos, leftColumn_);
    } else {
        ScrollTo(topLine_, pos);
    }
}

void TextView::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(Handle(), &paint);
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &paint.rcPaint, ::GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject selected(dc, font_ != nullptr ? font_ : ::GetStockObject(SYSTEM_FONT));
    ::SetBkMode(dc, OPAQUE);
    ::SetBkColor(dc, ::GetSysColor(allSelected_ ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
    ::SetTextColor(dc, ::GetSysColor(allSelected_ ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int first = topLine_ + static_cast<int>(paint.rcPaint.top) / lineHeight_;
    const int last = std::min(static_cast<int>(starts_.size()) - 1,
                              topLine_ + static_cast<int>(paint.rcPaint.bottom) / lineHeight_);
    const int x = LeftMargin - leftColumn_ * charWidth_;
    for (int line = std::max(first, 0); line <= last; ++line) {
        const auto index = static_cast<std::size_t>(line);
        const int y = (line - topLine_) * lineHeight_;
        // Long lines are cut at what can possibly be seen (no character is under a pixel).
        const std::size_t length = std::min<std::size_t>(
            lengths_[index], static_cast<std::size_t>(leftColumn_) * charWidth_ + client.right);
        ::TabbedTextOutA(dc, x, y, text_.data() + starts_[index], static_cast<int>(length), 0,
                         nullptr, x);
    }
    ::EndPaint(Handle(), &paint);
}

void TextView::Copy() {
    if (!::OpenClipboard(Handle())) {
        return;
    }
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text_.size() + 1);
    if (memory != nullptr) {
        if (void* target = ::GlobalLock(memory)) {
            std::memcpy(target, text_.c_str(), text_.size() + 1);
            ::GlobalUnlock(memory);
            if (::SetClipboardData(CF_TEXT, memory) == nullptr) {
                ::GlobalFree(memory);
            }
        } else {
            ::GlobalFree(memory);
        }
    }
    ::CloseClipboard();
}

LRESULT TextView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (create->lpszName != nullptr && *create->lpszName != '\0') {
            SetText(create->lpszName);
        }
        return Default(message, wParam, lParam);
    }
    case WM_SETTEXT:
        SetText(reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(text_.size());
    case WM_GETTEXT: {
        if (wParam == 0 || lParam == 0) {
            return 0;
        }
        const std::size_t count = std::min<std::size_t>(wParam - 1, text_.size());
        std::memcpy(reinterpret_cast<char*>(lParam), text_.data(), count);
        reinterpret_cast<char*>(lParam)[count] = '\0';
        return static_cast<LRESULT>(count);
    }
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        Metrics();
        UpdateScrollBars();
        if (LOWORD(lParam) != 0) {
            ::InvalidateRect(Handle(), nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
        UpdateScrollBars();
        ScrollTo(topLine_, leftColumn_);
        return 0;
    case WM_VSCROLL:
        OnScroll(SB_VERT, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
        OnScroll(SB_HORZ, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        ScrollTo(topLine_ - GET_WHEEL_DELTA_WPARAM(wParam) * WheelLines / WHEEL_DELTA, leftColumn_);
        return 0;
    case WM_LBUTTONDOWN:
        ::SetFocus(Handle());
        if (allSelected_) {
            allSelected_ = false;
            ::InvalidateRect(Handle(), nullptr, TRUE);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN: {
        const bool control = ::GetKeyState(VK_CONTROL) < 0;
        const int page = std::max(1, VisibleLines() - 1);
        switch (wParam) {
        case VK_UP:
            ScrollTo(topLine_ - 1, leftColumn_);
            break;
        case VK_DOWN:
            ScrollTo(topLine_ + 1, leftColumn_);
            break;
        case VK_PRIOR:
            ScrollTo(topLine_ - page, leftColumn_);
            break;
        case VK_NEXT:
            ScrollTo(topLine_ + page, leftColumn_);
            break;
        case VK_LEFT:
            ScrollTo(topLine_, leftColumn_ - 1);
            break;
        case VK_RIGHT:
            ScrollTo(topLine_, leftColumn_ + 1);
            break;
        case VK_HOME:
            ScrollTo(control ? 0 : topLine_, 0);
            break;
        case VK_END:
            ScrollTo(control ? static_cast<int>(starts_.size()) : topLine_,
                     control ? leftColumn_ : widestPixels_ / charWidth_);
            break;
        case 'A':
            if (control) {
                allSelected_ = true;
                ::InvalidateRect(Handle(), nullptr, TRUE);
            }
            break;
        case 'C':
        case VK_INSERT:
            if (control && allSelected_) {
                Copy();
            }
            break;
        default:
            break;
        }
        return 0;
    }
    case WM_COPY:
        Copy();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return TRUE; // painted with the text
    default:
        return Default(message, wParam, lParam);
    }
}

} // namespace

bool RegisterTextViewClass() {
    return TextView::Register();
}

} // namespace qv::win32
