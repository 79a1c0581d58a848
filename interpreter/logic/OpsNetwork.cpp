#include "interpreter/logic/OpsNetwork.h"

#include "language/Grammar.h"
#include "language/Text.h"

#include <array>
#include <utility>

namespace qv::logic {

namespace {

struct CodeText {
    std::uint32_t code;
    std::string_view text;
};

constexpr std::array<CodeText, 20> ErrorTexts = {{
    {5, "Access to network resource denied"},
    {53, "Network path not found"},
    {66, "Local device type does not match network resource type"},
    {67, "Network resource name is invalid or unlocatable"},
    {85, "Local device already assigned"},
    {86, "Invalid password"},
    {170, "Provider is busy"},
    {1200, "Local device is invalid"},
    {1202, "Connection already remembered"},
    {1203, "Network not started or name could not be handled"},
    {1204, "Provider property does not match any provider"},
    {1205, "Cannot save reconnect at logon information"},
    {1206, "User profile is in an incorrect format"},
    {1208, "A network specific error occurred"},
    {1222, "No network present"},
    {1223, "Connection attempt cancelled"},
    {1326, "User name or password incorrect"},
    {2250, "Not connected to specified resource or on specified device"},
    {2401, "Files are open on resource and force disconnect not specified"},
    {2404, "Device in use by active process, cannot disconnect"},
}};

std::string Failure(std::uint32_t code) {
    return "ERROR: " + ErrorText(code);
}

} // namespace

std::string ErrorText(std::uint32_t code) {
    for (const CodeText& entry : ErrorTexts)
        if (entry.code == code)
            return std::string(entry.text);
    return std::to_string(code) + ": Unhandled Error";
}

NetNames ParseNetNames(std::string_view line) {
    const NetFields fields = ParseNet(line);
    return {UpperCase(fields.local), UpperCase(fields.remote)};
}

std::optional<std::string> TNetConnection::SetResourceType(ResourceType value) {
    if (value == ResourceType::rtAny && !Trim(localName_).empty())
        return "Cannot be rtAny when LocalName is set";
    resourceType_ = value;
    return std::nullopt;
}

std::optional<std::string> TNetConnection::SetLocalName(std::string value) {
    const bool empty = Trim(value).empty();
    if (!empty && resourceType_ == ResourceType::rtAny)
        return "Cannot be set when ResourseType is rtAny";
    localName_ = std::move(value);
    if (empty)
        reconnectAtLogon_ = false;
    return std::nullopt;
}

std::optional<std::string> TNetConnection::SetReconnectAtLogon(bool value) {
    if (value && Trim(localName_).empty())
        return "No local resource assigned";
    reconnectAtLogon_ = value;
    return std::nullopt;
}

std::optional<std::string> TNetConnection::Connect(NetApi& api) const {
    NetResourceRequest request;
    request.type = resourceType_;
    request.localName = localName_;
    request.remoteName = remoteName_;
    request.provider = provider_;
    request.flags = reconnectAtLogon_ ? UpdateProfileFlag : 0;
    if (!userName_.empty()) {
        request.password = password_;
        request.userName = userName_;
    }
    if (const std::uint32_t code = api.AddConnection(request); code != 0)
        return Failure(code);
    return std::nullopt;
}

std::optional<std::string> TNetConnection::Disconnect(NetApi& api, bool force) const {
    const std::string local = Trim(localName_);
    const std::string& name = local.empty() ? remoteName_ : local;
    if (const std::uint32_t code = api.CancelConnection(name, UpdateProfileFlag, force); code != 0)
        return Failure(code);
    return std::nullopt;
}

int NetCommandImage(NetCommand command) {
    return command == NetCommand::Connect ? 2 : 0;
}

NetCommandOutcome RunNetCommand(NetCommand command, std::string_view line, NetApi& api,
                                const std::function<void(const std::string&)>& showStatus,
                                const EntrySource& entry,
                                const std::function<bool()>& processMessages) {
    const bool disk = command == NetCommand::Connect;
    const NetNames names = ParseNetNames(line);
    showStatus(
        std::string(disk ? "Connecting Network Resource..." : "Connecting Network Printer...") +
        "\r" + names.local + " to " + names.remote);
    if (processMessages && !processMessages())
        return {};

    // Keeps the system's code of the connection attempt for the outcome.
    struct RecordingApi final : NetApi {
        explicit RecordingApi(NetApi& inner) : inner(inner) {}
        std::uint32_t AddConnection(const NetResourceRequest& request) override {
            return lastAddCode = inner.AddConnection(request);
        }
        std::uint32_t CancelConnection(const std::string& name, std::uint32_t flags,
                                       bool force) override {
            return inner.CancelConnection(name, flags, force);
        }
        NetApi& inner;
        std::uint32_t lastAddCode = 0;
    } recording(api);

    TNetConnection connection;
    connection.SetRemoteName(names.remote);
    connection.SetResourceType(disk ? ResourceType::rtDisk : ResourceType::rtPrint);
    connection.SetLocalName(names.local);
    if (connection.Disconnect(recording, true))
        showStatus(disk ? "Disconnecting if previously connected"
                        : "Disconnecting if previously connected printer");

    NetCommandOutcome outcome;
    outcome.connected = !connection.Connect(recording).has_value();
    if (!outcome.connected)
        outcome.failure = "code " + std::to_string(recording.lastAddCode) + ": " +
                          ErrorText(recording.lastAddCode);
    if (!outcome.connected)
        outcome.report =
            FormatErrorEntry(disk ? UnableToConnectMessage : UnableToCaptureMessage, entry);
    return outcome;
}

} // namespace qv::logic
