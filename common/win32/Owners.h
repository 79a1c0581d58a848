#pragma once
// Move-only owners for Win32 handles: each releases its handle with the call that matches how
// it was obtained, exactly once.
#include <windows.h>

#include <commctrl.h>
#include <utility>

namespace qv::win32 {

template <typename Traits> class Owner {
  public:
    using Handle = typename Traits::Handle;

    Owner() = default;
    explicit Owner(Handle handle) : handle_(handle) {}
    ~Owner() { Reset(); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;
    Owner(Owner&& other) noexcept : handle_(other.Release()) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }

    // Gives up ownership without releasing.
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }

    void Reset(Handle handle = Traits::Empty()) {
        Handle old = std::exchange(handle_, handle);
        if (Traits::IsValid(old)) {
            Traits::Close(old);
        }
    }

  private:
    Handle handle_ = Traits::Empty();
};

template <typename H, auto CloseFn> struct NullEmptyTraits {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { CloseFn(h); }
};

// Kernel handles use both null and INVALID_HANDLE_VALUE for "none", depending on the call.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

// A folder search ends with FindClose, not CloseHandle.
struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::FindClose(h); }
};

inline void DeleteGdiObject(HGDIOBJ object) {
    ::DeleteObject(object);
}
inline void CloseKey(HKEY key) {
    ::RegCloseKey(key);
}
inline void FreeLibraryHandle(HMODULE module) {
    ::FreeLibrary(module);
}
inline void DestroyImageList(HIMAGELIST list) {
    ::ImageList_Destroy(list);
}
inline void DestroyIconHandle(HICON icon) {
    ::DestroyIcon(icon);
}
inline void DestroyWindowHandle(HWND window) {
    ::DestroyWindow(window);
}
inline void DestroyMenuHandle(HMENU menu) {
    ::DestroyMenu(menu);
}
inline void DestroyAccelerators(HACCEL table) {
    ::DestroyAcceleratorTable(table);
}

using UniqueHandle = Owner<KernelHandleTraits>;
using UniqueIcon = Owner<NullEmptyTraits<HICON, DestroyIconHandle>>;
using UniqueFont = Owner<NullEmptyTraits<HFONT, DeleteGdiObject>>;
using UniqueBrush = Owner<NullEmptyTraits<HBRUSH, DeleteGdiObject>>;
using UniqueBitmap = Owner<NullEmptyTraits<HBITMAP, DeleteGdiObject>>;
using UniqueKey = Owner<NullEmptyTraits<HKEY, CloseKey>>;
using UniqueModule = Owner<NullEmptyTraits<HMODULE, FreeLibraryHandle>>;
using UniqueImageList = Owner<NullEmptyTraits<HIMAGELIST, DestroyImageList>>;
using UniqueWindow = Owner<NullEmptyTraits<HWND, DestroyWindowHandle>>;
using UniqueMenu = Owner<NullEmptyTraits<HMENU, DestroyMenuHandle>>;
using UniqueAccelerators = Owner<NullEmptyTraits<HACCEL, DestroyAccelerators>>;
using UniqueFindHandle = Owner<FindHandleTraits>;

// Owns one reference of a COM interface.
template <typename T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For calls that hand out a new reference: releases the old one first.
    T** Put() {
        Reset();
        return &p_;
    }
    void Reset() {
        if (p_ != nullptr) {
            std::exchange(p_, nullptr)->Release();
        }
    }

  private:
    T* p_ = nullptr;
};

} // namespace qv::win32
