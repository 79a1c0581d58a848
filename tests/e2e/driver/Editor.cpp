#include "Driver.h"

#include "editor/win32/ControlIds.h"

#include <commctrl.h>

#include <optional>

namespace qv::e2e {
namespace {

constexpr UINT MessageTimeoutMs = 60000;
constexpr std::size_t CellBytes = 4096;

bool SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, MessageTimeoutMs,
                               &result) != 0;
}

// Memory in another process, for the list messages whose results the control writes there.
class RemoteBlock {
  public:
    RemoteBlock(HWND window, std::size_t size) : size_(size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    explicit operator bool() const { return address_ != nullptr; }
    char* Address(std::size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
    bool Write(const void* data, std::size_t size) const {
        return WriteProcessMemory(process_, address_, data, size, nullptr) != 0;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        return offset + size <= size_ &&
               ReadProcessMemory(process_, Address(offset), data, size, nullptr) != 0;
    }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    std::size_t size_;
};

// The import wizard's list is a list box; the editor's lists are list views.
bool IsListBox(HWND list) {
    char name[64] = {};
    GetClassNameA(list, name, sizeof name);
    return lstrcmpiA(name, "ListBox") == 0;
}

// The system carries a list box's texts across processes itself (the wizard's list keeps
// LBS_HASSTRINGS so that it does), in wide characters as Wine passes them between processes;
// they come back in the ANSI code page the editor wrote them in.
bool ReadListBoxRows(HWND list, std::string& rows) {
    DWORD_PTR count = 0;
    if (!SendBounded(list, LB_GETCOUNT, 0, 0, count))
        return false;
    rows.clear();
    std::wstring cell(CellBytes, L'\0');
    std::string text(CellBytes * 2, '\0');
    for (DWORD_PTR row = 0; row < count; ++row) {
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(list, LB_GETTEXTLEN, row, 0, SMTO_NORMAL, MessageTimeoutMs,
                                 &length) ||
            length >= CellBytes ||
            !SendMessageTimeoutW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(cell.data()),
                                 SMTO_NORMAL, MessageTimeoutMs, &length) ||
            length >= CellBytes)
            return false;
        const int bytes =
            WideCharToMultiByte(CP_ACP, 0, cell.data(), static_cast<int>(length), text.data(),
                                static_cast<int>(text.size()), nullptr, nullptr);
        rows.append(text.data(), bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
        rows += '\n';
    }
    return true;
}

} // namespace

std::optional<int> EditorCommandId(const std::string& name) {
    return qv::win32::FindControlId(qv::ids::QvdevControls, name);
}

bool SelectListRow(HWND list, int row) {
    if (IsListBox(list)) {
        DWORD_PTR selected = 0;
        return SendBounded(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0, selected) &&
               static_cast<int>(selected) == row;
    }
    RemoteBlock block(list, sizeof(LVITEMA));
    if (!block)
        return false;
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    DWORD_PTR done = 0;
    if (!block.Write(&item, sizeof item) ||
        !SendBounded(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(block.Address()), done))
        return false;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return block.Write(&item, sizeof item) &&
           SendBounded(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(block.Address()), done) &&
           done != 0;
}

int ListRowCount(HWND list) {
    DWORD_PTR count = 0;
    return SendBounded(list, IsListBox(list) ? LB_GETCOUNT : LVM_GETITEMCOUNT, 0, 0, count)
               ? static_cast<int>(count)
               : -1;
}

int ListRowOverlay(HWND list, int row) {
    DWORD_PTR state = 0;
    if (!SendBounded(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_OVERLAYMASK, state))
        return -1;
    return static_cast<int>((state & LVIS_OVERLAYMASK) >> 8);
}

bool ReadListRows(HWND list, std::string& rows) {
    if (IsListBox(list))
        return ReadListBoxRows(list, rows);
    DWORD_PTR count = 0;
    DWORD_PTR columns = 0;
    DWORD_PTR header = 0;
    if (!SendBounded(list, LVM_GETITEMCOUNT, 0, 0, count) ||
        !SendBounded(list, LVM_GETHEADER, 0, 0, header) || !header ||
        !SendBounded(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, columns))
        return false;
    RemoteBlock block(list, sizeof(LVITEMA) + CellBytes);
    if (!block)
        return false;
    rows.clear();
    std::string cell(CellBytes, '\0');
    for (DWORD_PTR row = 0; row < count; ++row) {
        for (DWORD_PTR column = 0; column < columns; ++column) {
            LVITEMA item{};
            item.iSubItem = static_cast<int>(column);
            item.pszText = block.Address(sizeof(LVITEMA));
            item.cchTextMax = static_cast<int>(CellBytes);
            DWORD_PTR length = 0;
            if (!block.Write(&item, sizeof item) ||
                !SendBounded(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(block.Address()),
                             length) ||
                length >= CellBytes || !block.Read(sizeof(LVITEMA), cell.data(), length))
                return false;
            if (column > 0)
                rows += '\t';
            rows.append(cell.data(), length);
        }
        rows += '\n';
    }
    return true;
}

} // namespace qv::e2e
