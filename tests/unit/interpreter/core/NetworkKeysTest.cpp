#include "RunnerFixture.h"
#include "interpreter/core/SendKey.h"

#include <string>
#include <vector>

namespace qv::interp::testing {
namespace {

using logic::KeyEvent;

class NetworkKeysTest : public RunnerTest {
  protected:
    void SetUp() override { StartWith({}); }
};

TEST_F(NetworkKeysTest, ConnectDropsAnEarlierConnectionThenConnectsForThisLogon) {
    runner.ProcessLine("CONNECT {x:} [\\\\srv\\share]");
    ASSERT_EQ(services.connections.size(), 1u);
    const logic::NetResourceRequest& made = services.connections[0];
    EXPECT_EQ(made.type, logic::ResourceType::rtDisk);
    EXPECT_EQ(made.localName, "X:");
    EXPECT_EQ(made.remoteName, "\\\\SRV\\SHARE");
    EXPECT_EQ(made.flags, 0u);
    EXPECT_EQ(services.cancelled, std::vector<std::string>{"X:"});
    EXPECT_EQ(host.icons.back().source, CommandIcon::Source::NetworkPicture);
    EXPECT_EQ(host.icons.back().index, 2);
    runner.ProcessLine("CAPTURE {LPT1} [\\\\srv\\laser]");
    EXPECT_EQ(services.connections.back().type, logic::ResourceType::rtPrint);
    EXPECT_EQ(host.icons.back().index, 0);
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST_F(NetworkKeysTest, TheConnectingTextIsPaintedBeforeTheConnectionAndCaptureTakesTheFocusBack) {
    std::vector<std::pair<std::string, std::size_t>> pumps; // the status, connections so far
    host.onProcessMessages = [&] { pumps.emplace_back(host.status, services.connections.size()); };
    runner.ProcessLine("CONNECT {x:} [\\\\srv\\share]");
    ASSERT_EQ(pumps.size(), 2u);
    EXPECT_EQ(pumps[0], std::make_pair(std::string("Connecting Network Resource...\rX: to "
                                                   "\\\\SRV\\SHARE"),
                                       std::size_t{0}));
    EXPECT_EQ(pumps[1].second, 1u);
    const int frontBefore = host.bringToFrontCalls;
    runner.ProcessLine("CONNECT {y:} [\\\\srv\\share]");
    EXPECT_EQ(host.bringToFrontCalls, frontBefore);
    pumps.clear();
    runner.ProcessLine("CAPTURE {LPT1} [\\\\srv\\laser]");
    ASSERT_EQ(pumps.size(), 2u);
    EXPECT_EQ(pumps[0].first, "Connecting Network Printer...\rLPT1 to \\\\SRV\\LASER");
    EXPECT_EQ(host.bringToFrontCalls, frontBefore + 1);
}

TEST_F(NetworkKeysTest, CancelWhileTheConnectingTextIsPaintedConnectsNothing) {
    host.onProcessMessages = [&] { runner.CancelButClick(); };
    runner.ProcessLine("CONNECT {x:} [\\\\srv\\share]");
    EXPECT_TRUE(services.connections.empty());
    EXPECT_TRUE(host.terminated);
}

TEST_F(NetworkKeysTest, FailedConnectionsAreEntries201And202WhileErrorsOn) {
    services.addConnectionResult = 1222; // ERROR_NO_NETWORK
    runner.ProcessLine("CONNECT {x:} [\\\\srv\\share]");
    runner.ProcessLine("CAPTURE {LPT1} [\\\\srv\\laser]");
    runner.ProcessLine("ERROR OFF");
    runner.ProcessLine("CONNECT {y:} [\\\\srv\\share]");
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Unable to Connect (201) In Script File : ", CommonPath, 1,
                    "CONNECT {x:} [\\\\srv\\share]") +
                  Entry("Unable to Capture (202) In Script File : ", CommonPath, 1,
                        "CAPTURE {LPT1} [\\\\srv\\laser]"));
}

TEST_F(NetworkKeysTest, SendKeysTypesIntoTheFirstMatchingWindow) {
    services.AddWindow("Untitled - Notepad");
    const std::uintptr_t setup = services.AddWindow("Setup - Wizard", false);
    services.scanCodes[38] = 0x48;
    runner.ProcessLine("SENDKEYS \"SETUP\",\"^{ESC}A{UP}\"");
    EXPECT_EQ(services.broughtToFront, std::vector<std::uintptr_t>{setup});
    EXPECT_EQ(services.keyEvents, (std::vector<KeyEvent>{{17, 17, 0},
                                                         {27, 27, 0},
                                                         {27, 27, 2},
                                                         {17, 17, 2},
                                                         {16, 16, 0},
                                                         {0x41, 1, 0},
                                                         {0x41, 1, 2},
                                                         {16, 16, 2},
                                                         {38, 0x48, 1},
                                                         {38, 0x48, 3}}));
    EXPECT_EQ(services.keyBursts, 1) << "one input array, so that nothing falls between";
    EXPECT_EQ(runner.State().ErrorReport, "");
}

// A window that Windows will not bring forward, or whose program runs elevated, gets no key:
// they would reach another program, or vanish. The line is reported as a faulty key text is.
TEST_F(NetworkKeysTest, KeysGoOnlyToATargetInFrontAndNotAboveTheInterpreter) {
    const struct {
        const char* name;
        bool takesFront;
        bool elevated;
        const char* fault;
    } cases[] = {
        {"in front", true, false, nullptr},
        {"kept behind", false, false, "Window not in front"},
        {"elevated", true, true, "Window runs with higher rights"},
        {"elevated and behind", false, true, "Window runs with higher rights"},
    };
    const std::string line = "SENDKEYS \"Logon\",\"secret{ENTER}\"";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHost h;
        FakeServices s(h);
        Runner r(h.Ports(), s.Ports());
        s.AddWindow("Bank Logon");
        s.windows.back().takesFront = c.takesFront;
        s.windows.back().elevated = c.elevated;
        r.ProcessLine(line);
        EXPECT_EQ(s.keyEvents.empty(), c.fault != nullptr);
        EXPECT_EQ(r.State().ErrorReport,
                  c.fault ? Entry(std::string(c.fault) + " In Script File : ", "", 1, line) : "");
        r.ProcessLine("ERROR OFF");
        r.ProcessLine(line);
        EXPECT_EQ(r.State().ErrorReport,
                  c.fault ? Entry(std::string(c.fault) + " In Script File : ", "", 1, line) : "");
    }
}

TEST_F(NetworkKeysTest, AFaultyKeyTextKeepsTheKeysSentBeforeItAndIsReported) {
    services.AddWindow("Setup");
    const std::string line = "SENDKEYS \"setup\",\"ab{ENTERX}c\"";
    runner.ProcessLine(line);
    EXPECT_EQ(services.keyEvents,
              (std::vector<KeyEvent>{{0x41, 1, 0}, {0x41, 1, 2}, {0x42, 2, 0}, {0x42, 2, 2}}));
    runner.ProcessLine("SENDKEYS \"setup\",\"{ENTER\"");
    EXPECT_EQ(runner.State().ErrorReport,
              Entry("Invalid token In Script File : ", CommonPath, 1, line) +
                  Entry("No Closing brackets In Script File : ", CommonPath, 1,
                        "SENDKEYS \"setup\",\"{ENTER\""));
}

TEST_F(NetworkKeysTest, WithoutAMatchingWindowNothingIsSentOrReported) {
    services.AddWindow("Calculator");
    runner.ProcessLine("SENDKEYS \"setup\",\"{ENTERX}\"");
    EXPECT_TRUE(services.keyEvents.empty());
    EXPECT_TRUE(services.broughtToFront.empty());
    EXPECT_EQ(runner.State().ErrorReport, "");
}

TEST(TSendKeyTest, TheOutsideLibraryTakesTheTextWhenItLoadsElseTheBuiltInSenderTypes) {
    FakeHost host;
    FakeServices services(host);
    TSendKey sender(services, services);
    sender.UseDll = true;
    services.keyLibraryLoads = true;
    services.keyLibraryResult = 7;
    const std::string longText(300, 'x');
    EXPECT_EQ(sender.Send(longText).value, 7);
    EXPECT_EQ(services.keyLibraryCalls, std::vector<std::string>{std::string(255, 'x')});
    EXPECT_TRUE(services.keyEvents.empty());

    TSendKey fallback(services, services);
    fallback.UseDll = true;
    services.keyLibraryLoads = false;
    EXPECT_EQ(fallback.Send("a").value, 0);
    EXPECT_EQ(services.keyEvents.size(), 2u);
    EXPECT_EQ(fallback.Send("").value, -1);
}

TEST(TSendKeyTest, TokensOnlyTypesTheModifierCharacters) {
    FakeHost host;
    FakeServices services(host);
    TSendKey sender(services, services);
    TSendKey::TokensOnly = true;
    sender.Send("a@b");
    TSendKey::TokensOnly = false;
    // "@" is Shift+2 on the fake layout.
    EXPECT_EQ(services.keyEvents, (std::vector<KeyEvent>{{0x41, 1, 0},
                                                         {0x41, 1, 2},
                                                         {16, 16, 0},
                                                         {0x32, 0x12, 0},
                                                         {0x32, 0x12, 2},
                                                         {16, 16, 2},
                                                         {0x42, 2, 0},
                                                         {0x42, 2, 2}}));
}

} // namespace
} // namespace qv::interp::testing
