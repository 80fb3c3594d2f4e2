// Raw Deflate decoder: generated streams at every output bound, truncation
// at every byte, hand-made malformed and maximal blocks.
#include "Support.h"

#include "archive/Inflate.h"

typedef std::vector<BYTE> Bytes;

// Writes Deflate bit fields least significant bit first, Huffman codes
// most significant bit first.
struct Bits {
    Bytes bytes;
    int used = 0;

    Bits &Put(uint32_t value, int n)
    {
        for (int i = 0; i < n; i++, used++) {
            if (used % 8 == 0) bytes.push_back(0);
            bytes.back() |= ((value >> i) & 1) << (used % 8);
        }
        return *this;
    }
    Bits &Code(uint32_t code, int n)
    {
        for (int i = n - 1; i >= 0; i--) Put(code >> i, 1);
        return *this;
    }
    // A symbol of the fixed literal/length code; Put(3, 3) starts a final
    // block of that code.
    Bits &Fixed(int s)
    {
        if (s < 144) return Code(0x30 + s, 8);
        if (s < 256) return Code(0x190 + s - 144, 9);
        return s < 280 ? Code(s - 256, 7) : Code(0xC0 + s - 280, 8);
    }
    // A final dynamic block's header whose code-length code gives each of
    // its 19 symbols clBits bits, so that with 5 the length v is sent as the
    // code v; then hlit + hdist lengths, 0 but for the listed symbols, if any.
    Bits &Dynamic(int hlit, int hdist, std::initializer_list<std::pair<int, int>> set = {}, int clBits = 5)
    {
        Put(1, 1).Put(2, 2).Put(hlit - 257, 5).Put(hdist - 1, 5).Put(15, 4);
        for (int i = 0; i < 19; i++) Put(clBits, 3);
        std::vector<int> lengths(set.size() ? hlit + hdist : 0, 0);
        for (auto &symbolLength : set) lengths[symbolLength.first] = symbolLength.second;
        for (int length : lengths) Code(length, 5);
        return *this;
    }
};

// Inflates from and into buffers of exactly the stream's size and `room`
// bytes, so that AddressSanitizer sees any read or write past them.
static int64_t Inflate(const Bytes &stream, size_t room, Bytes *out = 0)
{
    Bytes in(stream), buffer(std::max(room, (size_t)1));
    int64_t result = InflateEntry(in.data(), in.size(), buffer.data(), room);
    if (out) out->assign(buffer.begin(), buffer.begin() + std::max(result, (int64_t)0));
    return result;
}

// Every room up to past the fast loop's margin, then the whole output and
// more than it (a directory overstating the size); then the whole output
// with 1 to 16 bytes after the stream, so that the input's end meets the
// fast loop's margin at other symbols. A stream cut at any of its first 700
// bytes (every byte of the short ones) fails.
TEST(InflateEntry, StopsAtEveryOutputBoundAndFailsOnACutStream)
{
    for (const char *name :
         {"text", "noise", "fixed", "mixed", "stored", "huffman-only", "skewed", "periods", "blocks"}) {
        Bytes stream = ReadFixture(std::string("deflate/") + name + ".bin");
        Bytes expected = ReadFixture(std::string("deflate/") + name + ".out"), out;
        std::vector<size_t> rooms = {65536, expected.size() - 1, expected.size(), expected.size() + 1000};
        for (size_t room = 0; room < 700; room++) rooms.push_back(room);
        for (size_t cut = 0; cut < std::min(stream.size(), (size_t)700); cut++)
            ASSERT_EQ(-1, Inflate(Bytes(stream.begin(), stream.begin() + cut), expected.size())) << name << cut;
        for (int junk = 0; junk <= 16; junk++, stream.push_back(0xA5), rooms = {expected.size()}) {
            for (size_t room : rooms) {
                ASSERT_EQ((int64_t)std::min(room, expected.size()), Inflate(stream, room, &out)) << name << junk;
                ASSERT_TRUE(std::equal(out.begin(), out.end(), expected.begin())) << name << " " << room;
            }
        }
    }
}

TEST(InflateEntry, HandMadeBlocks)
{
    const Bytes stored = {0x01, 0x0A, 0x00, 0xF5, 0xFF, '1', '2', '3'}; // LEN 10, 3 bytes
    // 255 zeros, a 1 for literal 255 and three more: the end code and both
    // distance codes; then two literals and the end.
    Bits across = Bits().Dynamic(257, 2).Code(18, 5).Put(127, 7).Code(18, 5).Put(106, 7).Code(1, 5);
    across.Code(16, 5).Put(0, 2).Code(0, 1).Code(0, 1).Code(1, 1);
    // The largest stored block, then the longest match from the farthest
    // distance; a prefix read ends inside that match.
    Bytes longest = {0x00, 0xFF, 0xFF, 0x00, 0x00};
    for (int i = 0; i < 65535; i++) longest.push_back((BYTE)(i * 7 + i / 251));
    std::string whole(longest.begin() + 5, longest.end());
    whole += whole.substr(65535 - 32768, 258);
    Bytes match = Bits().Put(3, 3).Fixed(285).Code(29, 5).Put(8191, 13).Fixed(256).bytes;
    longest.insert(longest.end(), match.begin(), match.end());
    struct {
        const char *name;
        Bytes stream;
        size_t room = 10;
        int64_t result = -1;
        std::string bytes = "";
    } cases[] = {
        {"block type 3", Bits().Put(1, 1).Put(3, 2).bytes},
        {"stored, NLEN not LEN's complement", {0x01, 0x05, 0x00, 0x12, 0x34, 'h', 'e', 'l', 'l', 'o'}, 5, 5, "hello"},
        {"stored, cut short, room full first", stored, 2, 2, "12"},
        {"stored, cut short at the room's end", stored, 3},
        {"empty final stored block", {0x01, 0x00, 0x00, 0xFF, 0xFF}, 16, 0},
        // Bounds checks: the codes would do for a block that gives "a".
        {"HLIT 287", Bits().Dynamic(287, 1, {{'a', 1}, {256, 1}}).Code(0, 1).Code(1, 1).bytes},
        {"HDIST 31", Bits().Dynamic(257, 31, {{'a', 1}, {256, 1}}).Code(0, 1).Code(1, 1).bytes},
        {"over-subscribed code-length code", Bits().Dynamic(257, 1, {}, 1).Put(0, 32).bytes},
        {"over-subscribed literals", Bits().Dynamic(257, 1, {{'a', 1}, {'b', 1}, {256, 1}}).bytes},
        {"over-subscribed distances", Bits().Dynamic(257, 3, {{256, 1}, {257, 1}, {258, 1}, {259, 1}}).bytes},
        // 'a' is 00 and the end 01, two codes of four; one distance code.
        {"incomplete", Bits().Dynamic(257, 1, {{'a', 2}, {256, 2}, {257, 1}}).Code(0, 2).Code(1, 2).bytes, 10, 1, "a"},
        {"incomplete, missing code", Bits().Dynamic(257, 1, {{'a', 2}, {256, 2}, {257, 1}}).Code(3, 2).bytes},
        {"repeat of nothing", Bits().Dynamic(257, 1).Code(16, 5).Put(0, 2).Put(0, 32).bytes},
        {"repeats past the lengths", Bits().Dynamic(257, 1).Code(18, 5).Put(127, 7).Code(18, 5).Put(127, 7).bytes},
        {"repeat across into the distance lengths", across.bytes, 10, 2, "\xFF\xFF"},
        {"longest match", longest, whole.size(), (int64_t)whole.size(), whole},
        {"longest match, cut", longest, 65635, 65635, whole.substr(0, 65635)},
    };
    for (auto &c : cases) {
        Bytes out;
        EXPECT_EQ(c.result, Inflate(c.stream, c.room, &out)) << c.name;
        EXPECT_EQ(c.bytes, std::string(out.begin(), out.end())) << c.name;
    }
    // Length codes 286 and 287, distance codes 30 and 31, and a distance
    // before the output's start, after an 'A': in the slow loop, and in the
    // fast one with room to spare and 16 bytes after the final block.
    for (auto [length, distance] : {std::pair<int, int>{286, 0}, {287, 0}, {257, 30}, {257, 31}, {257, 1}}) {
        Bytes stream = Bits().Put(3, 3).Fixed('A').Fixed(length).Code(distance, 5).Fixed(256).bytes;
        EXPECT_EQ(-1, Inflate(stream, 10)) << length << " " << distance;
        stream.resize(stream.size() + 16);
        EXPECT_EQ(-1, Inflate(stream, 1000)) << length << " " << distance << ", fast loop";
    }
}
