#pragma once
// CONNECT and CAPTURE: the names in the line, TNetConnection's rules and calls over an
// abstract network API, the error texts, and the whole command.
#include "interpreter/logic/OpsEntry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qv::logic {

// The platform's text for a network error code; "<code>: Unhandled Error" for unknown codes.
std::string ErrorText(std::uint32_t code);

struct NetNames {
    std::string local;  // between "{" and "}", upper-cased
    std::string remote; // between "[" and "]", upper-cased
};

// The names of a trimmed CONNECT or CAPTURE line; a missing or reversed pair leaves its name
// empty.
NetNames ParseNetNames(std::string_view line);

enum class ResourceType { rtAny = 0, rtDisk = 1, rtPrint = 2 };

// What the platform's add-connection call receives.
struct NetResourceRequest {
    ResourceType type = ResourceType::rtDisk;
    std::string localName;
    std::string remoteName;
    std::string provider;
    std::optional<std::string> password; // both absent: the current user's credentials
    std::optional<std::string> userName;
    std::uint32_t flags = 0; // 1: update the profile (reconnect at logon)
};

// The two platform calls; each returns 0 or the system's last error code.
class NetApi {
  public:
    virtual ~NetApi() = default;
    virtual std::uint32_t AddConnection(const NetResourceRequest& request) = 0;
    virtual std::uint32_t CancelConnection(const std::string& name, std::uint32_t flags,
                                           bool force) = 0;
};

inline constexpr std::uint32_t UpdateProfileFlag = 1;

// The connection component. Setters that break a rule leave the property unchanged and return
// the rule's message; the calls return "ERROR: " + ErrorText on failure.
class TNetConnection {
  public:
    const std::string& UserName() const { return userName_; }
    const std::string& Password() const { return password_; }
    ResourceType Type() const { return resourceType_; }
    const std::string& LocalName() const { return localName_; }
    const std::string& RemoteName() const { return remoteName_; }
    bool ReconnectAtLogon() const { return reconnectAtLogon_; }
    const std::string& Provider() const { return provider_; }

    void SetUserName(std::string value) { userName_ = std::move(value); }
    void SetPassword(std::string value) { password_ = std::move(value); }
    void SetRemoteName(std::string value) { remoteName_ = std::move(value); }
    void SetProvider(std::string value) { provider_ = std::move(value); }
    // Refused while LocalName is set: "Cannot be rtAny when LocalName is set".
    std::optional<std::string> SetResourceType(ResourceType value);
    // Refused under rtAny: "Cannot be set when ResourseType is rtAny"; an empty name also
    // switches ReconnectAtLogon off.
    std::optional<std::string> SetLocalName(std::string value);
    // Refused without a local name: "No local resource assigned".
    std::optional<std::string> SetReconnectAtLogon(bool value);

    // Makes the connection the properties describe.
    std::optional<std::string> Connect(NetApi& api) const;
    // Cancels the connection of LocalName, or of RemoteName when LocalName is empty, forgetting
    // a remembered one too.
    std::optional<std::string> Disconnect(NetApi& api, bool force) const;

  private:
    std::string userName_;
    std::string password_;
    ResourceType resourceType_ = ResourceType::rtDisk;
    std::string localName_;
    std::string remoteName_;
    bool reconnectAtLogon_ = false;
    std::string provider_;
};

enum class NetCommand { Connect, Capture };

struct NetCommandOutcome {
    bool connected = false;
    std::string report;  // to append to ErrorReport while ErrorsOn; empty on success
    std::string failure; // the system's code and text when the connection failed
};

// Runs a trimmed CONNECT or CAPTURE line: shows its progress texts through `showStatus`,
// cancels an earlier connection of the same name, connects for this logon only. Once the first
// text is shown, `processMessages` lets the window paint it before a connection that may block
// for seconds; when it returns false (the run has ended meanwhile) nothing is connected.
NetCommandOutcome RunNetCommand(NetCommand command, std::string_view line, NetApi& api,
                                const std::function<void(const std::string&)>& showStatus,
                                const EntrySource& entry,
                                const std::function<bool()>& processMessages = {});

// The command's picture in the window's command-icon list: 2 for CONNECT, 0 for CAPTURE.
int NetCommandImage(NetCommand command);

} // namespace qv::logic
