#include "language/Diamond.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>

namespace qv {

namespace {

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> CrcTable = MakeCrcTable();

// A block as two little-endian words: byte i of the block is byte i % 8 of word i / 8.
struct Wide {
    std::uint64_t lo = 0, hi = 0;
};

// Where the bits of byte value v at position j land after the bit permutation (or its inverse):
// bit b of a byte moves back (forward) by b byte positions. Looking these up per byte fuses the
// permutation into the substitution, which keeps the block functions to table lookups.
using SpreadTable = std::array<std::array<Wide, 256>, TDiamond::BlockSize>;
constexpr SpreadTable MakeSpread(bool inverse) {
    SpreadTable table{};
    for (int j = 0; j < 16; ++j)
        for (int v = 0; v < 256; ++v) {
            Wide w;
            for (int b = 0; b < 8; ++b) {
                if (!(v & (1 << b)))
                    continue;
                const int to = inverse ? (j + b) & 15 : (j - b + 16) & 15;
                const std::uint64_t bit = std::uint64_t{1} << ((to & 7) * 8 + b);
                (to < 8 ? w.lo : w.hi) |= bit;
            }
            table[j][v] = w;
        }
    return table;
}
constexpr SpreadTable Spread = MakeSpread(false);
constexpr SpreadTable InverseSpread = MakeSpread(true);

// Blocks map onto the words byte for byte on the little-endian machines this runs on.
static_assert(std::endian::native == std::endian::little);

inline Wide Load(const std::uint8_t* p) {
    Wide w;
    std::memcpy(&w.lo, p, 8);
    std::memcpy(&w.hi, p + 8, 8);
    return w;
}

inline void Bytes(const Wide& w, std::uint8_t* p) {
    std::memcpy(p, &w.lo, 8);
    std::memcpy(p + 8, &w.hi, 8);
}

// Substitutes every byte through its box, then spreads it; the OR of the spreads is the
// permuted block.
template <typename Boxes>
inline Wide SubstituteSpread(const Boxes& boxes, const SpreadTable& spread, const Wide& x) {
    std::uint8_t in[16];
    Bytes(x, in);
    std::uint64_t lo0 = 0, hi0 = 0, lo1 = 0, hi1 = 0;
#pragma GCC unroll 16
    for (int j = 0; j < 16; j += 2) {
        const Wide& a = spread[j][boxes[j][in[j]]];
        const Wide& b = spread[j + 1][boxes[j + 1][in[j + 1]]];
        lo0 |= a.lo;
        hi0 |= a.hi;
        lo1 |= b.lo;
        hi1 |= b.hi;
    }
    return {lo0 | lo1, hi0 | hi1};
}

template <typename Boxes>
inline void SubstituteOut(const Boxes& boxes, const Wide& x, std::uint8_t* out) {
    std::uint8_t in[16];
    Bytes(x, in);
#pragma GCC unroll 16
    for (int j = 0; j < 16; ++j)
        out[j] = boxes[j][in[j]];
}

void SecureZero(void* p, std::size_t n) {
    volatile auto* bytes = static_cast<volatile unsigned char*>(p);
    while (n--)
        *bytes++ = 0;
}

// The CRC-driven key stream of the key schedule.
class KeyStream {
  public:
    explicit KeyStream(std::string_view key) : key_(key) {}
    void SetPreviousBox(const std::uint8_t* box) { previous_ = box; }

    unsigned Next(unsigned max) {
        if (max == 0)
            return 0;
        const unsigned mask = std::bit_ceil(max + 1) - 1;
        for (unsigned pass = 1;; ++pass) {
            std::uint8_t b = static_cast<std::uint8_t>(key_[index_]);
            if (previous_)
                b = previous_[b];
            acc_ = Crc32Update(acc_, b);
            if (++index_ == key_.size()) {
                index_ = 0;
                acc_ = Crc32Update(acc_, static_cast<std::uint8_t>(key_.size()));
                acc_ = Crc32Update(acc_, static_cast<std::uint8_t>(key_.size() >> 8));
            }
            unsigned r = acc_ & mask;
            if (pass >= 98 && r > max)
                r -= max;
            if (r <= max)
                return r;
        }
    }

  private:
    std::string_view key_;
    std::size_t index_ = 0;
    std::uint32_t acc_ = 0xFFFFFFFFu;
    const std::uint8_t* previous_ = nullptr;
};

} // namespace

std::uint32_t Crc32Update(std::uint32_t reg, std::uint8_t byte) {
    return (reg >> 8) ^ CrcTable[(reg ^ byte) & 255];
}

void TDiamond::SetKey(std::string_view key) {
    Burn();
    key_.assign(key.empty() ? std::string_view("\0", 1) : key);
    KeyStream stream(key_);
    for (int round = 0; round < Rounds; ++round)
        for (int position = 0; position < BlockSize; ++position) {
            // The free slots in order; taking the pos-th one closes the gap it leaves.
            std::uint8_t free[256];
            for (int i = 0; i < 256; ++i)
                free[i] = static_cast<std::uint8_t>(i);
            Box256& box = s_[round][position];
            for (unsigned n = 256; n-- > 0;) {
                const unsigned pos = stream.Next(n);
                box[free[pos]] = static_cast<std::uint8_t>(n);
                std::memmove(free + pos, free + pos + 1, n - pos);
            }
            stream.SetPreviousBox(box.data());
        }
    for (int round = 0; round < Rounds; ++round)
        for (int position = 0; position < BlockSize; ++position)
            for (int v = 0; v < 256; ++v)
                si_[round][position][s_[round][position][v]] = static_cast<std::uint8_t>(v);
    hasKey_ = true;
}

TDiamond::Block TDiamond::EncryptBlock(const Block& in) const {
    Wide x = Load(in.data());
    for (int round = 0; round < Rounds - 1; ++round)
        x = SubstituteSpread(s_[round], Spread, x);
    Block out;
    SubstituteOut(s_[Rounds - 1], x, out.data());
    return out;
}

TDiamond::Block TDiamond::DecryptBlock(const Block& in) const {
    Wide x = Load(in.data());
    for (int round = Rounds - 1; round > 0; --round)
        x = SubstituteSpread(si_[round], InverseSpread, x);
    Block out;
    SubstituteOut(si_[0], x, out.data());
    return out;
}

std::string TDiamond::EncryptString(std::string_view plain) const {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return EncryptString(plain, static_cast<std::uint32_t>(ms.count()));
}

std::string TDiamond::EncryptString(std::string_view plain, std::uint32_t tickCount) const {
    const std::size_t pad = BlockSize - plain.size() % BlockSize;
    std::string padded(plain);
    padded.append(pad, static_cast<char>(pad));

    std::uint32_t crc = 0xFFFFFFFFu, sum = 0;
    for (char c : padded) {
        crc = Crc32Update(crc, static_cast<std::uint8_t>(c));
        sum += static_cast<std::uint8_t>(c);
    }
    Block seed{};
    for (int i = 0; i < 4; ++i) {
        seed[i] = static_cast<std::uint8_t>(crc >> (8 * i));
        seed[4 + i] = static_cast<std::uint8_t>(sum >> (8 * i));
        seed[8 + i] = static_cast<std::uint8_t>(tickCount >> (8 * i));
    }

    std::string out(BlockSize + padded.size(), '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    Block chain = EncryptBlock(seed);
    std::memcpy(dst, chain.data(), BlockSize);
    chain = EncryptBlock(chain);
    const auto* src = reinterpret_cast<const std::uint8_t*>(padded.data());
    for (std::size_t off = 0; off < padded.size(); off += BlockSize) {
        Block block;
        for (int i = 0; i < BlockSize; ++i)
            block[i] = src[off + i] ^ chain[i];
        chain = EncryptBlock(block);
        std::memcpy(dst + BlockSize + off, chain.data(), BlockSize);
    }
    return out;
}

std::string TDiamond::DecryptString(std::string_view cipher) const {
    if (cipher.size() < 2 * BlockSize || cipher.size() % BlockSize != 0)
        return {};
    const auto* src = reinterpret_cast<const std::uint8_t*>(cipher.data());
    Block chain;
    std::memcpy(chain.data(), src, BlockSize);
    chain = EncryptBlock(chain);
    std::string out(cipher.size() - BlockSize, '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    for (std::size_t off = BlockSize; off < cipher.size(); off += BlockSize) {
        Block block;
        std::memcpy(block.data(), src + off, BlockSize);
        const Block plain = DecryptBlock(block);
        for (int i = 0; i < BlockSize; ++i)
            dst[off - BlockSize + i] = plain[i] ^ chain[i];
        chain = block;
    }
    const unsigned pad = static_cast<std::uint8_t>(out.back());
    if (pad < 1 || pad > BlockSize)
        return {};
    out.erase(out.size() - pad);
    return out;
}

void TDiamond::Burn() {
    SecureZero(key_.data(), key_.size());
    key_.clear();
    SecureZero(s_.data(), sizeof s_);
    SecureZero(si_.data(), sizeof si_);
    hasKey_ = false;
}

namespace {
constexpr std::string_view Alphabet =
    "23456789ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz~#%&*+-";
static_assert(Alphabet.size() == 64);

constexpr std::array<std::uint8_t, 256> MakeDecodeTable() {
    std::array<std::uint8_t, 256> table{};
    for (auto& entry : table)
        entry = 128;
    for (std::size_t i = 0; i < Alphabet.size(); ++i)
        table[static_cast<unsigned char>(Alphabet[i])] = static_cast<std::uint8_t>(i);
    return table;
}
constexpr std::array<std::uint8_t, 256> DecodeTable = MakeDecodeTable();
} // namespace

std::string EncodeText(std::string_view bytes) {
    const std::size_t n = bytes.size();
    std::string out(n / 3 * 4 + (n % 3 ? n % 3 + 1 : 0) + 1, '.');
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    char* o = out.data();
    std::size_t i = 0;
    for (; i + 3 <= n; i += 3, o += 4) {
        const unsigned h = ((p[i] & 192) >> 2) | ((p[i + 1] & 192) >> 4) | ((p[i + 2] & 192) >> 6);
        o[0] = Alphabet[h];
        o[1] = Alphabet[p[i] & 63];
        o[2] = Alphabet[p[i + 1] & 63];
        o[3] = Alphabet[p[i + 2] & 63];
    }
    if (n - i == 1) {
        o[0] = Alphabet[(p[i] & 192) >> 2];
        o[1] = Alphabet[p[i] & 63];
    } else if (n - i == 2) {
        o[0] = Alphabet[((p[i] & 192) >> 2) | ((p[i + 1] & 192) >> 4)];
        o[1] = Alphabet[p[i] & 63];
        o[2] = Alphabet[p[i + 1] & 63];
    }
    return out;
}

std::string DecodeText(std::string_view text) {
    const std::size_t end = std::min(text.find('.'), text.size());
    std::string out(end - (end + 3) / 4, '\0');
    char* o = out.data();
    const auto* t = reinterpret_cast<const std::uint8_t*>(text.data());
    unsigned h = 0;
    for (std::size_t pos = 0; pos < end; ++pos) {
        const unsigned v = DecodeTable[t[pos]];
        const unsigned place = pos % 4;
        if (place == 0)
            h = v;
        else
            *o++ = static_cast<char>(((h << (2 * place)) & 192) | v);
    }
    return out;
}

} // namespace qv
