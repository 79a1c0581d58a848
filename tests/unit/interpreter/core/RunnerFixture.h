#pragma once
#include "FakeHost.h"
#include "FakeServices.h"
#include "interpreter/core/Runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv::interp::testing {

inline constexpr const char* CommonPath = "C:\\WINDOWS\\common.QVC";
inline constexpr const char* ErrorLogHeading =
    "An Error Has Occurred Whilst Processing the Script(s)\r\n";

class RunnerTest : public ::testing::Test {
  protected:
    RunnerTest() : services(host), runner(host.Ports(), services.Ports()) { host.Attach(runner); }

    void StartWith(const std::vector<std::string>& commonLines) {
        host.AddScript(CommonPath, commonLines);
        runner.FormCreate(std::nullopt);
    }

    void TearDown() override { EXPECT_EQ(host.callsAfterTerminate, 0); }

    static std::string Entry(const std::string& message, const std::string& script, int line,
                             const std::string& text) {
        return message + script + "\r\n\t Line : " + std::to_string(line) + " '" + text + "'\r\n";
    }
    static std::string Invalid(const std::string& script, int line, const std::string& text) {
        return Entry("Invalid Command (200) In Script File : ", script, line, text);
    }

    bool StatusSeen(const std::string& text) const {
        for (const std::string& s : host.statusHistory)
            if (s == text)
                return true;
        return false;
    }

    FakeHost host;
    FakeServices services;
    Runner runner;
};

} // namespace qv::interp::testing
