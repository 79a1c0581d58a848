#include "editor/win32/HelpTopics.h"

#include <gtest/gtest.h>

namespace qv::win32 {
namespace {

TEST(HelpTopics, ATopicIsItsPageInTheHelpFolder) {
    struct Case {
        const char* topic;
        const char* page;
    } cases[] = {
        {"Whats_New...", "C:\\Quorvel\\help\\Whats_New.html"},
        {"Read_Me_First", "C:\\Quorvel\\help\\Read_Me_First.html"},
        {"index", "C:\\Quorvel\\help\\index.html"},
        {"...", ""},
        {"..\\..\\Windows\\win", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HelpPagePath("C:\\Quorvel\\", c.topic), c.page) << c.topic;
    }
}

TEST(HelpTopics, AMissingPageOpensNothing) {
    EXPECT_FALSE(OpenHelpTopic(nullptr, "No_Such_Topic"));
}

} // namespace
} // namespace qv::win32
