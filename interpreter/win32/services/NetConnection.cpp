#include "interpreter/win32/services/NetConnection.h"

#include <windows.h>

#include <winnetwk.h>

namespace qv::win32 {
namespace {

char* OrNull(std::string& text) {
    return text.empty() ? nullptr : text.data();
}

} // namespace

std::uint32_t NetConnection::AddConnection(const logic::NetResourceRequest& request) {
    std::string local = request.localName;
    std::string remote = request.remoteName;
    std::string provider = request.provider;
    NETRESOURCEA resource{};
    resource.dwType = static_cast<DWORD>(request.type);
    resource.lpLocalName = OrNull(local);
    resource.lpRemoteName = OrNull(remote);
    resource.lpProvider = OrNull(provider);
    // Absent credentials (not empty ones) mean the current user's.
    return ::WNetAddConnection2A(&resource, request.password ? request.password->c_str() : nullptr,
                                 request.userName ? request.userName->c_str() : nullptr,
                                 request.flags);
}

std::uint32_t NetConnection::CancelConnection(const std::string& name, std::uint32_t flags,
                                              bool force) {
    return ::WNetCancelConnection2A(name.c_str(), flags, force ? TRUE : FALSE);
}

} // namespace qv::win32
