#include "language/Diamond.h"

#include <gtest/gtest.h>

#include <random>

namespace qv {
namespace {

constexpr std::string_view Alphabet =
    "23456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz~#%&*+-";

TEST(Codec, KnownEncodings) {
    EXPECT_EQ(EncodeText("abc"), "Pbcd.");
    EXPECT_EQ(EncodeText(""), ".");
    EXPECT_EQ(EncodeText(std::string(1, '\0')), "22.");
    EXPECT_EQ(EncodeText(std::string(2, '\xff')), "&--.");
    EXPECT_EQ(EncodeText(std::string(3, '\xff')), "----.");
}

TEST(Codec, LengthsAndAlphabet) {
    std::mt19937 random(1);
    for (std::size_t n = 0; n < 40; ++n) {
        std::string bytes(n, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const std::string text = EncodeText(bytes);
        const std::size_t groups = n / 3, rest = n % 3;
        EXPECT_EQ(text.size(), groups * 4 + (rest ? rest + 1 : 0) + 1) << n;
        EXPECT_EQ(text.back(), '.');
        EXPECT_EQ(text.find_first_not_of(Alphabet), text.size() - 1);
        EXPECT_EQ(DecodeText(text), bytes) << n;
    }
}

TEST(Codec, DecodeStopsAtTheFirstDot) {
    const std::string text = EncodeText("hello world");
    EXPECT_EQ(DecodeText(text + "\r\n"), "hello world");
    EXPECT_EQ(DecodeText(text + "Pbcd."), "hello world");
    EXPECT_EQ(DecodeText(text + ".Pbcd"), "hello world");
    EXPECT_EQ(DecodeText(""), "");
    EXPECT_EQ(DecodeText("."), "");
}

TEST(Codec, ForeignCharactersDecodeWithoutHarm) {
    // Characters outside the alphabet read as 128; decoding still yields one byte each.
    EXPECT_EQ(DecodeText("2!!!"), std::string(3, '\x80'));
    EXPECT_EQ(DecodeText("!2").size(), 1u);
}

} // namespace
} // namespace qv
