#pragma once
// TDiamond: the script cipher. A 128-bit block cipher with key-dependent substitution boxes
// drawn from a CRC-32 key stream, used in a chained string mode with padding.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The standard reflected CRC-32 register update (polynomial 0xEDB88320), no final inversion.
std::uint32_t Crc32Update(std::uint32_t reg, std::uint8_t byte);

// The fixed key that both the compiler and the interpreter use.
inline constexpr std::string_view ScriptKey = "Morvenic Lanterncraft 1987";

class TDiamond {
  public:
    static constexpr int Rounds = 10;
    static constexpr int BlockSize = 16;
    using Block = std::array<std::uint8_t, BlockSize>;

    TDiamond() = default;
    explicit TDiamond(std::string_view key) { SetKey(key); }
    ~TDiamond() { Burn(); }
    TDiamond(const TDiamond&) = delete;
    TDiamond& operator=(const TDiamond&) = delete;

    // Runs the key schedule; an empty key is taken as the single byte 0.
    void SetKey(std::string_view key);
    bool HasKey() const { return hasKey_; }

    Block EncryptBlock(const Block& in) const;
    Block DecryptBlock(const Block& in) const;

    // Chained encipherment with padding; 16 bytes longer than the padded input. The tick
    // count goes into the seed block so that two encipherments differ.
    std::string EncryptString(std::string_view plain, std::uint32_t tickCount) const;
    std::string EncryptString(std::string_view plain) const;
    // Empty for input that is too short, not whole blocks, badly padded, or whose seed block
    // does not hold the CRC-32 register and byte sum of the padded text.
    std::string DecryptString(std::string_view cipher) const;

    // Wipes the key text and every box.
    void Burn();

    // Box access for tests.
    std::uint8_t Box(int round, int position, int value) const {
        return s_[round][position][value];
    }

  private:
    // Four consecutive blocks, deciphered side by side.
    void DecryptFour(const std::uint8_t* in, std::uint8_t* out) const;

    using Box256 = std::array<std::uint8_t, 256>;
    std::string key_;
    bool hasKey_ = false;
    std::array<std::array<Box256, BlockSize>, Rounds> s_{};
    std::array<std::array<Box256, BlockSize>, Rounds> si_{};
};

// Printable codec over a 64-character alphabet; the encoded text ends with one ".". `suffix`
// (a line end) is appended in the same allocation.
std::string EncodeText(std::string_view bytes, std::string_view suffix = {});
// Reads up to the first "." (or the end); anything after it is ignored.
std::string DecodeText(std::string_view text);

} // namespace qv
