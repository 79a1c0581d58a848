#include "interpreter/logic/OpsNetwork.h"

#include <gtest/gtest.h>

#include <map>

namespace qv::logic {
namespace {

TEST(OpsNetwork, ErrorTextKnowsTheCodesAndNamesTheOthers) {
    EXPECT_EQ(ErrorText(5), "Access to network resource denied");
    EXPECT_EQ(ErrorText(1326), "User name or password incorrect");
    EXPECT_EQ(ErrorText(2404), "Device in use by active process, cannot disconnect");
    EXPECT_EQ(ErrorText(1203), "Network not started or name could not be handled");
    EXPECT_EQ(ErrorText(9999), "9999: Unhandled Error");
    EXPECT_EQ(ErrorText(0), "0: Unhandled Error");
}

TEST(OpsNetwork, NamesComeFromTheirMarksInUpperCase) {
    struct Case {
        const char* line;
        const char* local;
        const char* remote;
    };
    const Case cases[] = {
        {"CONNECT {F:} [\\\\server\\data]", "F:", "\\\\SERVER\\DATA"},
        {"capture [\\\\srv\\laser] {lpt1}", "LPT1", "\\\\SRV\\LASER"},
        {"CONNECT [\\\\server\\data]", "", "\\\\SERVER\\DATA"},
        {"CONNECT {F: [\\\\server\\data", "", ""},
        {"CONNECT }F:{ ]x[", "", ""},
    };
    for (const Case& c : cases) {
        const NetNames names = ParseNetNames(c.line);
        EXPECT_EQ(names.local, c.local) << c.line;
        EXPECT_EQ(names.remote, c.remote) << c.line;
    }
}

TEST(OpsNetwork, SettersKeepTheirRules) {
    TNetConnection connection;
    EXPECT_EQ(connection.SetReconnectAtLogon(true), "No local resource assigned");
    ASSERT_FALSE(connection.SetLocalName("F:"));
    EXPECT_EQ(connection.SetResourceType(ResourceType::rtAny),
              "Cannot be rtAny when LocalName is set");
    EXPECT_EQ(connection.Type(), ResourceType::rtDisk);
    ASSERT_FALSE(connection.SetReconnectAtLogon(true));
    // A blank name counts as empty and drops the reconnection.
    ASSERT_FALSE(connection.SetLocalName("  "));
    EXPECT_FALSE(connection.ReconnectAtLogon());
    ASSERT_FALSE(connection.SetResourceType(ResourceType::rtAny));
    EXPECT_EQ(connection.SetLocalName("LPT1"), "Cannot be set when ResourseType is rtAny");
    EXPECT_EQ(connection.LocalName(), "  ");
}

class FakeNet : public NetApi {
  public:
    std::map<std::string, std::string> connected; // local (or remote) name -> remote
    std::vector<NetResourceRequest> added;
    std::vector<std::tuple<std::string, std::uint32_t, bool>> cancelled;
    std::uint32_t failAdd = 0;

    std::uint32_t AddConnection(const NetResourceRequest& request) override {
        added.push_back(request);
        if (failAdd)
            return failAdd;
        const std::string key = request.localName.empty() ? request.remoteName : request.localName;
        if (connected.count(key))
            return 85;
        connected[key] = request.remoteName;
        return 0;
    }
    std::uint32_t CancelConnection(const std::string& name, std::uint32_t flags,
                                   bool force) override {
        cancelled.emplace_back(name, flags, force);
        return connected.erase(name) ? 0 : 2250;
    }
};

const EntrySource Entry{"C:\\common.qvc", 6, "CONNECT {f:} [\\\\server\\data]"};

TEST(OpsNetwork, ConnectingTwiceReplacesTheFirstMapping) {
    FakeNet net;
    std::vector<std::string> statuses;
    const auto show = [&](const std::string& text) { statuses.push_back(text); };

    const NetCommandOutcome first =
        RunNetCommand(NetCommand::Connect, Entry.line, net, show, Entry);
    EXPECT_TRUE(first.connected);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Connecting Network Resource...\rF: to "
                                                  "\\\\SERVER\\DATA",
                                                  "Disconnecting if previously connected"}));
    statuses.clear();
    const NetCommandOutcome second =
        RunNetCommand(NetCommand::Connect, Entry.line, net, show, Entry);
    EXPECT_TRUE(second.connected);
    EXPECT_TRUE(second.report.empty());
    EXPECT_EQ(statuses.size(), 1u);
    EXPECT_EQ(net.cancelled.back(), std::make_tuple(std::string("F:"), 1u, true));
    const NetResourceRequest& request = net.added.back();
    EXPECT_EQ(request.type, ResourceType::rtDisk);
    EXPECT_EQ(request.flags, 0u);
    EXPECT_FALSE(request.userName || request.password);
}

TEST(OpsNetwork, FailuresGiveTheCommandsEntries) {
    FakeNet net;
    net.failAdd = 53;
    std::vector<std::string> statuses;
    const auto show = [&](const std::string& text) { statuses.push_back(text); };
    EXPECT_EQ(RunNetCommand(NetCommand::Connect, Entry.line, net, show, Entry).report,
              "Unable to Connect (201) In Script File : C:\\common.qvc\r\n\t Line : 6 "
              "'CONNECT {f:} [\\\\server\\data]'\r\n");

    const EntrySource capture{"C:\\u.qvc", 2, "CAPTURE {LPT1} [\\\\srv\\laser]"};
    statuses.clear();
    const NetCommandOutcome outcome =
        RunNetCommand(NetCommand::Capture, capture.line, net, show, capture);
    EXPECT_FALSE(outcome.connected);
    EXPECT_EQ(outcome.report, "Unable to Capture (202) In Script File : C:\\u.qvc\r\n\t Line : 2 "
                              "'CAPTURE {LPT1} [\\\\srv\\laser]'\r\n");
    EXPECT_EQ(statuses,
              (std::vector<std::string>{"Connecting Network Printer...\rLPT1 to "
                                        "\\\\SRV\\LASER",
                                        "Disconnecting if previously connected printer"}));
    EXPECT_EQ(net.added.back().type, ResourceType::rtPrint);
    EXPECT_EQ(NetCommandImage(NetCommand::Capture), 0);
    EXPECT_EQ(NetCommandImage(NetCommand::Connect), 2);
}

TEST(OpsNetwork, WithoutALocalNameTheRemoteNameIsUsed) {
    FakeNet net;
    net.connected["\\\\SERVER\\DATA"] = "\\\\SERVER\\DATA";
    const NetCommandOutcome outcome = RunNetCommand(
        NetCommand::Connect, "CONNECT [\\\\server\\data]", net, [](const std::string&) {}, Entry);
    EXPECT_TRUE(outcome.connected);
    EXPECT_EQ(std::get<0>(net.cancelled.back()), "\\\\SERVER\\DATA");
    EXPECT_EQ(net.added.back().localName, "");
}

TEST(OpsNetwork, ConnectPassesCredentialsAndReconnectionWhenSet) {
    FakeNet net;
    TNetConnection connection;
    connection.SetLocalName("G:");
    connection.SetRemoteName("\\\\srv\\home");
    connection.SetUserName("ann");
    connection.SetPassword("secret");
    connection.SetReconnectAtLogon(true);
    EXPECT_FALSE(connection.Connect(net));
    EXPECT_EQ(net.added.back().userName, "ann");
    EXPECT_EQ(net.added.back().password, "secret");
    EXPECT_EQ(net.added.back().flags, UpdateProfileFlag);
    EXPECT_EQ(connection.Connect(net), "ERROR: Local device already assigned");
    EXPECT_FALSE(connection.Disconnect(net, false));
    EXPECT_EQ(connection.Disconnect(net, false),
              "ERROR: Not connected to specified resource or on specified device");
}

} // namespace
} // namespace qv::logic
