#include "language/Diamond.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>
#include <emmintrin.h>

namespace qv {

namespace {

// Slicing by eight: table k holds the register change of a byte followed by k zero bytes, so
// eight bytes take eight independent lookups instead of a chain of eight.
constexpr std::array<std::array<std::uint32_t, 256>, 8> MakeCrcTables() {
    std::array<std::array<std::uint32_t, 256>, 8> tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n)
        for (int k = 1; k < 8; ++k)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 255];
    return tables;
}
constexpr auto CrcTables = MakeCrcTables();
constexpr const std::array<std::uint32_t, 256>& CrcTable = CrcTables[0];

std::uint32_t Crc32Bytes(std::uint32_t reg, const std::uint8_t* p, std::size_t n) {
    for (; n >= 8; n -= 8, p += 8) {
        std::uint32_t a, b;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + 4, 4);
        a ^= reg;
        reg = CrcTables[7][a & 255] ^ CrcTables[6][(a >> 8) & 255] ^ CrcTables[5][(a >> 16) & 255] ^
              CrcTables[4][a >> 24] ^ CrcTables[3][b & 255] ^ CrcTables[2][(b >> 8) & 255] ^
              CrcTables[1][(b >> 16) & 255] ^ CrcTables[0][b >> 24];
    }
    for (; n > 0; --n, ++p)
        reg = (reg >> 8) ^ CrcTable[(reg ^ *p) & 255];
    return reg;
}

// A block as two little-endian words: byte i of the block is byte i % 8 of word i / 8.
struct alignas(16) Wide {
    std::uint64_t lo = 0, hi = 0;
};

// Where the bits of byte value v at position 0 land after the bit permutation (or its inverse):
// bit b of a byte moves back (forward) by b byte positions. A byte at position j lands j
// positions further on, so its spread is this one rotated by j bytes. Looking these up per byte
// fuses the permutation into the substitution, and one small table stays in the first-level
// cache beside the boxes.
using SpreadTable = std::array<Wide, 256>;
constexpr SpreadTable MakeSpread(bool inverse) {
    SpreadTable table{};
    for (int v = 0; v < 256; ++v) {
        Wide w;
        for (int b = 0; b < 8; ++b) {
            if (!(v & (1 << b)))
                continue;
            const int to = inverse ? b & 15 : (16 - b) & 15;
            const std::uint64_t bit = std::uint64_t{1} << ((to & 7) * 8 + b);
            (to < 8 ? w.lo : w.hi) |= bit;
        }
        table[v] = w;
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
inline __m128i Entry(const SpreadTable& spread, std::uint8_t v) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(&spread[v]));
}

// The block rotated towards its last byte by J bytes.
template <int J> inline __m128i RotateBytes(__m128i v) {
    if constexpr (J == 0)
        return v;
    else
        return _mm_or_si128(_mm_slli_si128(v, J), _mm_srli_si128(v, 16 - J));
}

template <typename Boxes, int J>
inline __m128i Pair(const Boxes& boxes, const SpreadTable& spread, const Wide& x) {
    // Position J + 8 lands eight bytes on from position J: in the other word.
    const __m128i a = Entry(spread, boxes[J][static_cast<std::uint8_t>(x.lo >> (8 * J))]);
    const __m128i b = Entry(spread, boxes[J + 8][static_cast<std::uint8_t>(x.hi >> (8 * J))]);
    return RotateBytes<J>(_mm_or_si128(a, _mm_shuffle_epi32(b, 0x4E)));
}

template <typename Boxes>
inline Wide SubstituteSpread(const Boxes& boxes, const SpreadTable& spread, const Wide& x) {
    // A tree, not a chain, of ORs: each round waits for the one before.
    const __m128i r = _mm_or_si128(
        _mm_or_si128(
            _mm_or_si128(Pair<Boxes, 0>(boxes, spread, x), Pair<Boxes, 1>(boxes, spread, x)),
            _mm_or_si128(Pair<Boxes, 2>(boxes, spread, x), Pair<Boxes, 3>(boxes, spread, x))),
        _mm_or_si128(
            _mm_or_si128(Pair<Boxes, 4>(boxes, spread, x), Pair<Boxes, 5>(boxes, spread, x)),
            _mm_or_si128(Pair<Boxes, 6>(boxes, spread, x), Pair<Boxes, 7>(boxes, spread, x))));
    Wide w;
    _mm_store_si128(reinterpret_cast<__m128i*>(&w), r);
    return w;
}

// The last round, which substitutes without a permutation; the result stays in registers.
template <typename Boxes> inline Wide SubstituteLast(const Boxes& boxes, const Wide& x) {
    Wide w;
#pragma GCC unroll 8
    for (int j = 0; j < 8; ++j) {
        w.lo |= std::uint64_t{boxes[j][static_cast<std::uint8_t>(x.lo >> (8 * j))]} << (8 * j);
        w.hi |= std::uint64_t{boxes[j + 8][static_cast<std::uint8_t>(x.hi >> (8 * j))]} << (8 * j);
    }
    return w;
}

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
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

namespace {
template <typename Boxes> inline Wide EncryptWide(const Boxes& boxes, Wide x) {
    for (int round = 0; round < TDiamond::Rounds - 1; ++round)
        x = SubstituteSpread(boxes[round], Spread, x);
    return SubstituteLast(boxes[TDiamond::Rounds - 1], x);
}

template <typename Boxes> inline Wide DecryptWide(const Boxes& boxes, Wide x) {
    for (int round = TDiamond::Rounds - 1; round > 0; --round)
        x = SubstituteSpread(boxes[round], InverseSpread, x);
    return SubstituteLast(boxes[0], x);
}

inline TDiamond::Block ToBlock(const Wide& w) {
    TDiamond::Block out;
    Bytes(w, out.data());
    return out;
}
} // namespace

TDiamond::Block TDiamond::EncryptBlock(const Block& in) const {
    return ToBlock(EncryptWide(s_, Load(in.data())));
}

TDiamond::Block TDiamond::DecryptBlock(const Block& in) const {
    return ToBlock(DecryptWide(si_, Load(in.data())));
}

std::string TDiamond::EncryptString(std::string_view plain) const {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return EncryptString(plain, static_cast<std::uint32_t>(ms.count()));
}

std::string TDiamond::EncryptString(std::string_view plain, std::uint32_t tickCount) const {
    // The padding is never materialised with the text: the last block is built on its own, so a
    // script of many megabytes is not copied before it is enciphered.
    const std::size_t pad = BlockSize - plain.size() % BlockSize;
    const std::size_t whole = plain.size() - (BlockSize - pad) % BlockSize;
    Block last{};
    if (plain.size() > whole)
        std::memcpy(last.data(), plain.data() + whole, plain.size() - whole);
    std::memset(last.data() + (plain.size() - whole), static_cast<int>(pad), pad);

    const auto* src = reinterpret_cast<const std::uint8_t*>(plain.data());
    std::uint32_t crc = Crc32Bytes(Crc32Bytes(0xFFFFFFFFu, src, whole), last.data(), BlockSize);
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < whole; ++i)
        sum += src[i];
    for (std::uint8_t c : last)
        sum += c;
    Block seed{};
    for (int i = 0; i < 4; ++i) {
        seed[i] = static_cast<std::uint8_t>(crc >> (8 * i));
        seed[4 + i] = static_cast<std::uint8_t>(sum >> (8 * i));
        seed[8 + i] = static_cast<std::uint8_t>(tickCount >> (8 * i));
    }

    std::string out(BlockSize + whole + BlockSize, '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    // The chain stays in registers from block to block: each block waits for the one before.
    Wide chain = EncryptWide(s_, Load(seed.data()));
    Bytes(chain, dst);
    chain = EncryptWide(s_, chain);
    for (std::size_t off = 0; off <= whole; off += BlockSize) {
        const Wide in = Load(off < whole ? src + off : last.data());
        chain = EncryptWide(s_, Wide{in.lo ^ chain.lo, in.hi ^ chain.hi});
        Bytes(chain, dst + BlockSize + off);
    }
    return out;
}

void TDiamond::DecryptFour(const std::uint8_t* in, std::uint8_t* out) const {
    Wide x[4];
    for (int k = 0; k < 4; ++k)
        x[k] = Load(in + k * BlockSize);
    for (int round = Rounds - 1; round > 0; --round)
        for (int k = 0; k < 4; ++k)
            x[k] = SubstituteSpread(si_[round], InverseSpread, x[k]);
    for (int k = 0; k < 4; ++k)
        Bytes(SubstituteLast(si_[0], x[k]), out + k * BlockSize);
}

std::string TDiamond::DecryptString(std::string_view cipher) const {
    if (cipher.size() < 2 * BlockSize || cipher.size() % BlockSize != 0)
        return {};
    const auto* src = reinterpret_cast<const std::uint8_t*>(cipher.data());
    Block first;
    std::memcpy(first.data(), src, BlockSize);
    const Block chain = EncryptBlock(first);
    std::string out(cipher.size() - BlockSize, '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    // Each block deciphers on its own (only the XOR takes the one before), so four go side by
    // side and their table lookups overlap.
    const std::size_t blocks = out.size() / BlockSize;
    std::size_t b = 0;
    for (; b + 4 <= blocks; b += 4)
        DecryptFour(src + BlockSize + b * BlockSize, dst + b * BlockSize);
    for (; b < blocks; ++b) {
        Block block;
        std::memcpy(block.data(), src + BlockSize + b * BlockSize, BlockSize);
        const Block plain = DecryptBlock(block);
        std::memcpy(dst + b * BlockSize, plain.data(), BlockSize);
    }
    for (int i = 0; i < BlockSize; ++i)
        dst[i] ^= chain[i];
    for (std::size_t i = BlockSize; i < out.size(); ++i)
        dst[i] ^= src[i];
    const unsigned pad = static_cast<std::uint8_t>(out.back());
    if (pad < 1 || pad > BlockSize)
        return {};
    // The seed block holds the CRC-32 register and the byte sum of the padded text: one changed
    // character garbles a block or two, which the padding alone lets through.
    const Block seed = DecryptBlock(first);
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < out.size(); ++i)
        sum += dst[i];
    if (LittleEndian32(seed.data()) != Crc32Bytes(0xFFFFFFFFu, dst, out.size()) ||
        LittleEndian32(seed.data() + 4) != sum)
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

std::string EncodeText(std::string_view bytes, std::string_view suffix) {
    const std::size_t n = bytes.size();
    const std::size_t encoded = n / 3 * 4 + (n % 3 ? n % 3 + 1 : 0) + 1;
    std::string out(encoded + suffix.size(), '.');
    if (!suffix.empty())
        std::memcpy(out.data() + encoded, suffix.data(), suffix.size());
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
