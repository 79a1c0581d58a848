#include "language/Diamond.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace qv {
namespace {

// A bit-by-bit model of the block cipher, written straight from its definition, to hold the
// table-driven implementation against.
struct ReferenceCipher {
    // S[round][position][value], built with a plain scan for the pos-th free slot.
    std::vector<std::vector<std::vector<int>>> s;

    explicit ReferenceCipher(std::string key) {
        if (key.empty())
            key.assign(1, '\0');
        std::size_t k = 0;
        std::uint32_t acc = 0xFFFFFFFFu;
        const std::vector<int>* previous = nullptr;
        auto stream = [&](unsigned max) -> unsigned {
            if (max == 0)
                return 0;
            unsigned mask = 1;
            while (mask < max)
                mask = mask * 2 + 1;
            for (unsigned pass = 1;; ++pass) {
                int b = static_cast<unsigned char>(key[k]);
                if (previous)
                    b = (*previous)[b];
                acc = Crc32Update(acc, static_cast<std::uint8_t>(b));
                ++k;
                if (k >= key.size()) {
                    k = 0;
                    acc = Crc32Update(acc, key.size() & 255);
                    acc = Crc32Update(acc, (key.size() >> 8) & 255);
                }
                unsigned r = acc & mask;
                if (pass >= 98 && r > max)
                    r -= max;
                if (r <= max)
                    return r;
            }
        };
        s.assign(10, std::vector<std::vector<int>>(16, std::vector<int>(256)));
        for (int round = 0; round < 10; ++round)
            for (int position = 0; position < 16; ++position) {
                std::vector<bool> used(256, false);
                for (int n = 255; n >= 0; --n) {
                    unsigned pos = stream(static_cast<unsigned>(n));
                    int slot = 0;
                    for (;; ++slot)
                        if (!used[slot] && pos-- == 0)
                            break;
                    s[round][position][slot] = n;
                    used[slot] = true;
                }
                previous = &s[round][position];
            }
    }

    static TDiamond::Block Permute(const TDiamond::Block& x, bool inverse) {
        TDiamond::Block y{};
        for (int i = 0; i < 16; ++i)
            for (int b = 0; b < 8; ++b) {
                const int from = inverse ? (i - b + 16) % 16 : (i + b) % 16;
                if (x[from] & (1 << b))
                    y[i] |= static_cast<std::uint8_t>(1 << b);
            }
        return y;
    }

    TDiamond::Block Substitute(int round, const TDiamond::Block& x) const {
        TDiamond::Block y;
        for (int i = 0; i < 16; ++i)
            y[i] = static_cast<std::uint8_t>(s[round][i][x[i]]);
        return y;
    }

    TDiamond::Block Encrypt(const TDiamond::Block& x) const {
        TDiamond::Block y = Substitute(0, x);
        for (int round = 1; round < 10; ++round)
            y = Substitute(round, Permute(y, false));
        return y;
    }
};

TDiamond::Block RandomBlock(std::mt19937& random) {
    TDiamond::Block block;
    for (auto& b : block)
        b = static_cast<std::uint8_t>(random());
    return block;
}

TEST(Diamond, Crc32MatchesTheStandardCheckValue) {
    std::uint32_t reg = 0xFFFFFFFFu;
    for (char c : std::string("123456789"))
        reg = Crc32Update(reg, static_cast<std::uint8_t>(c));
    EXPECT_EQ(~reg, 0xCBF43926u);
}

TEST(Diamond, KeySchedulesMatchTheReferenceModel) {
    // Short, fixed, empty and long keys: the long one wraps many times and mixes its length.
    std::string longKey(3000, '\0');
    for (std::size_t i = 0; i < longKey.size(); ++i)
        longKey[i] = static_cast<char>(i * 7 + 3);
    for (const std::string& key : {std::string(ScriptKey), std::string("x"), std::string(),
                                   std::string("\xff\x00\x80", 3), longKey}) {
        auto cipher = std::make_unique<TDiamond>(key);
        const ReferenceCipher reference(key);
        for (int round = 0; round < 10; ++round)
            for (int position = 0; position < 16; ++position)
                for (int v = 0; v < 256; ++v)
                    ASSERT_EQ(cipher->Box(round, position, v), reference.s[round][position][v])
                        << "key length " << key.size() << " box " << round << "," << position;
    }
}

TEST(Diamond, BlocksMatchTheReferenceAndInvert) {
    auto cipher = std::make_unique<TDiamond>(ScriptKey);
    const ReferenceCipher reference{std::string(ScriptKey)};
    std::mt19937 random(7);
    for (int i = 0; i < 500; ++i) {
        const TDiamond::Block plain = RandomBlock(random);
        const TDiamond::Block encrypted = cipher->EncryptBlock(plain);
        ASSERT_EQ(encrypted, reference.Encrypt(plain));
        ASSERT_EQ(cipher->DecryptBlock(encrypted), plain);
    }
}

TEST(Diamond, PermutationModelInverts) {
    std::mt19937 random(3);
    const TDiamond::Block x = RandomBlock(random);
    EXPECT_EQ(ReferenceCipher::Permute(ReferenceCipher::Permute(x, false), true), x);
}

class DiamondString : public ::testing::Test {
  protected:
    std::unique_ptr<TDiamond> cipher = std::make_unique<TDiamond>(ScriptKey);
};

TEST_F(DiamondString, RoundTripsEveryLengthWithTheRightPadding) {
    for (std::size_t n = 0; n <= 70; ++n) {
        std::string plain(n, '\0');
        for (std::size_t i = 0; i < n; ++i)
            plain[i] = static_cast<char>(i * 31 + n);
        const std::string encrypted = cipher->EncryptString(plain, 1234);
        // One seed block, the text, and 1 to 16 bytes of padding: a whole block at multiples of 16.
        EXPECT_EQ(encrypted.size(), 16 + (n / 16 + 1) * 16) << n;
        EXPECT_EQ(cipher->DecryptString(encrypted), plain) << n;
    }
}

TEST_F(DiamondString, EmptyTextGivesTwoBlocks) {
    const std::string encrypted = cipher->EncryptString("", 0);
    EXPECT_EQ(encrypted.size(), 32u);
    EXPECT_EQ(cipher->DecryptString(encrypted), "");
}

TEST_F(DiamondString, TickCountMakesEachEnciphermentDifferent) {
    const std::string a = cipher->EncryptString("WAIT 5", 1);
    EXPECT_NE(a, cipher->EncryptString("WAIT 5", 2));
    EXPECT_EQ(a, cipher->EncryptString("WAIT 5", 1));
    EXPECT_EQ(cipher->DecryptString(cipher->EncryptString("WAIT 5")), "WAIT 5");
}

TEST_F(DiamondString, UnusableInputDecryptsToNothing) {
    const std::string good = cipher->EncryptString("0123456789abcdefXYZ", 5); // 48 bytes
    EXPECT_EQ(cipher->DecryptString(good.substr(0, 31)), "");
    EXPECT_EQ(cipher->DecryptString(good.substr(0, 40)), "");
    EXPECT_EQ(cipher->DecryptString(good.substr(0, 16)), "");
    EXPECT_EQ(cipher->DecryptString(""), "");

    // Chain blocks by hand so that the last plain byte is 0, then 17: both are bad padding.
    for (std::uint8_t last : {std::uint8_t{0}, std::uint8_t{17}, std::uint8_t{255}}) {
        TDiamond::Block seed{}, plain{};
        plain.fill('A');
        plain[15] = last;
        const TDiamond::Block c0 = cipher->EncryptBlock(seed);
        TDiamond::Block chain = cipher->EncryptBlock(c0);
        for (int i = 0; i < 16; ++i)
            plain[i] ^= chain[i];
        const TDiamond::Block c1 = cipher->EncryptBlock(plain);
        std::string data(reinterpret_cast<const char*>(c0.data()), 16);
        data.append(reinterpret_cast<const char*>(c1.data()), 16);
        EXPECT_EQ(cipher->DecryptString(data), "") << int(last);
    }
}

TEST_F(DiamondString, TamperedCipherTextNeverCrashes) {
    std::string encrypted = cipher->EncryptString("LOAD c:\\tools\\app.exe", 9);
    std::mt19937 random(11);
    for (int i = 0; i < 200; ++i) {
        std::string damaged = encrypted;
        damaged[random() % damaged.size()] ^= static_cast<char>(1 + random() % 255);
        const std::string plain = cipher->DecryptString(damaged);
        EXPECT_LE(plain.size(), damaged.size() - 16);
    }
}

TEST(Diamond, BurnWipesTheBoxes) {
    auto cipher = std::make_unique<TDiamond>(ScriptKey);
    cipher->Burn();
    EXPECT_FALSE(cipher->HasKey());
    for (int v = 0; v < 256; ++v)
        ASSERT_EQ(cipher->Box(3, 7, v), 0);
}

TEST(Diamond, BoxesArePermutationsAndDifferByKey) {
    auto a = std::make_unique<TDiamond>("a");
    auto b = std::make_unique<TDiamond>("b");
    int same = 0;
    for (int round = 0; round < 10; ++round)
        for (int position = 0; position < 16; ++position) {
            std::vector<int> seen(256, 0);
            for (int v = 0; v < 256; ++v) {
                ++seen[a->Box(round, position, v)];
                same += a->Box(round, position, v) == b->Box(round, position, v);
            }
            ASSERT_EQ(std::count(seen.begin(), seen.end(), 1), 256);
        }
    EXPECT_LT(same, 10 * 16 * 256 / 50);
}

} // namespace
} // namespace qv
