#pragma once
// The network calls TNetConnection makes: add and cancel a connection of the system's network
// providers.
#include "interpreter/core/Services.h"

namespace qv::win32 {

class NetConnection : public interp::NetworkPort {
  public:
    std::uint32_t AddConnection(const logic::NetResourceRequest& request) override;
    std::uint32_t CancelConnection(const std::string& name, std::uint32_t flags,
                                   bool force) override;
};

} // namespace qv::win32
