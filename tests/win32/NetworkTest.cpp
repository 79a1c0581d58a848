#include "interpreter/win32/services/NetConnection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::win32 {
namespace {

// The name fails before any network is asked: no such host exists and the prefix has no
// network provider, so the calls answer with the system's "cannot connect" codes at once.
constexpr const char* NoSuchShare = "\\\\QV-NO-SUCH-HOST\\x";

TEST(NetConnection, ConnectingWithoutANetworkGivesTheSystemsErrorCode) {
    NetConnection network;
    logic::NetResourceRequest request;
    request.type = logic::ResourceType::rtDisk;
    request.remoteName = NoSuchShare;
    const std::uint32_t code = network.AddConnection(request);
    EXPECT_NE(code, 0u);

    logic::TNetConnection connection;
    connection.SetRemoteName(NoSuchShare);
    const std::optional<std::string> failure = connection.Connect(network);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->rfind("ERROR: ", 0), 0u) << *failure;
    EXPECT_EQ(*failure, "ERROR: " + logic::ErrorText(code));
}

TEST(NetConnection, ConnectAndCaptureLinesReportThatTheyCouldNotConnect) {
    NetConnection network;
    const struct {
        logic::NetCommand command;
        const char* line;
        std::string_view message;
    } cases[] = {
        {logic::NetCommand::Connect, "CONNECT {Q:} [\\\\QV-NO-SUCH-HOST\\x]",
         UnableToConnectMessage},
        {logic::NetCommand::Capture, "CAPTURE {LPT3:} [\\\\QV-NO-SUCH-HOST\\x]",
         UnableToCaptureMessage},
    };
    for (const auto& c : cases) {
        std::vector<std::string> statuses;
        const logic::NetCommandOutcome outcome = logic::RunNetCommand(
            c.command, c.line, network, [&](const std::string& s) { statuses.push_back(s); },
            {"C:\\WINDOWS\\COMMON.QVC", 4, c.line});
        EXPECT_FALSE(outcome.connected) << c.line;
        EXPECT_EQ(outcome.report.rfind(std::string(c.message), 0), 0u) << outcome.report;
        EXPECT_FALSE(statuses.empty());
    }
}

TEST(NetConnection, CancellingAConnectionThatIsNotThereFails) {
    NetConnection network;
    EXPECT_NE(network.CancelConnection("Q:", 0, true), 0u);
    EXPECT_NE(network.CancelConnection(NoSuchShare, logic::UpdateProfileFlag, false), 0u);
}

} // namespace
} // namespace qv::win32
