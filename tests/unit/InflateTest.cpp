// Raw Deflate decoder: generated streams and hand-made edge cases.
#include "ArchiveTestSupport.h"

#include "archive/Inflate.h"

#include <string.h>

#include <thread>

// Writes Deflate bit fields least-significant bit first, and Huffman codes
// most-significant bit first, as RFC 1951 packs them.
struct BitWriter {
    std::vector<BYTE> bytes;
    uint32_t pending = 0;
    int count = 0;

    void Put(uint32_t value, int bits) {
        for (int i = 0; i < bits; i++) {
            pending |= ((value >> i) & 1) << count;
            if (++count == 8) Flush();
        }
    }
    void PutCode(uint32_t code, int length) {
        for (int i = length - 1; i >= 0; i--) Put((code >> i) & 1, 1);
    }
    // A symbol of the fixed literal/length code.
    void PutFixed(int symbol) {
        if (symbol < 144) PutCode(0x30 + symbol, 8);
        else if (symbol < 256) PutCode(0x190 + symbol - 144, 9);
        else if (symbol < 280) PutCode(symbol - 256, 7);
        else PutCode(0xC0 + symbol - 280, 8);
    }
    void PutDistance(int code) { PutCode(code, 5); }
    void Flush() {
        bytes.push_back((BYTE)pending);
        pending = 0;
        count = 0;
    }
    std::vector<BYTE> Finish() {
        if (count > 0) Flush();
        return bytes;
    }
};

// Inflates into a buffer of exactly `room` bytes (so AddressSanitizer sees
// any write past it) and returns the result; output receives the bytes.
static int64_t Inflate(const std::vector<BYTE>& stream, size_t room, std::vector<BYTE>* output = 0) {
    BYTE* buffer = (BYTE*)malloc(room > 0 ? room : 1);
    int64_t result = InflateEntry(stream.empty() ? 0 : stream.data(), stream.size(), buffer, room);
    if (output) output->assign(buffer, buffer + (result > 0 ? result : 0));
    free(buffer);
    return result;
}

static const char* const GeneratedStreams[] = {"text", "noise", "fixed", "mixed", "stored",
                                               "huffman-only"};

TEST(InflateEntry, DecodesGeneratedStreamsExactly) {
    for (const char* name : GeneratedStreams) {
        std::vector<BYTE> stream = ReadFixture((std::string("deflate/") + name + ".bin").c_str());
        std::vector<BYTE> expected = ReadFixture((std::string("deflate/") + name + ".out").c_str());
        ASSERT_FALSE(stream.empty()) << name;
        std::vector<BYTE> out;
        EXPECT_EQ((int64_t)expected.size(), Inflate(stream, expected.size(), &out)) << name;
        EXPECT_TRUE(out == expected) << name;
        // A directory that overstates the size still yields the real bytes.
        EXPECT_EQ((int64_t)expected.size(), Inflate(stream, expected.size() + 1000, &out)) << name;
        EXPECT_TRUE(out == expected) << name;
    }
}

TEST(InflateEntry, PrefixReadsStopExactlyAtTheBufferEnd) {
    for (const char* name : GeneratedStreams) {
        std::vector<BYTE> stream = ReadFixture((std::string("deflate/") + name + ".bin").c_str());
        std::vector<BYTE> expected = ReadFixture((std::string("deflate/") + name + ".out").c_str());
        for (size_t room : {(size_t)1, (size_t)2, (size_t)257, (size_t)1500, (size_t)65536}) {
            if (room >= expected.size()) continue;
            std::vector<BYTE> out;
            EXPECT_EQ((int64_t)room, Inflate(stream, room, &out)) << name << " " << room;
            EXPECT_TRUE(std::equal(out.begin(), out.end(), expected.begin())) << name << " " << room;
        }
    }
}

TEST(InflateEntry, RepeatsTheLastByteForAMatchAtDistanceOne) {
    BitWriter w;
    w.Put(1, 1);
    w.Put(1, 2);               // final, fixed codes
    w.PutFixed('A');
    w.PutFixed(285);           // length 258
    w.PutDistance(0);          // distance 1
    w.PutFixed(256);
    std::vector<BYTE> stream = w.Finish();
    std::vector<BYTE> out;
    EXPECT_EQ(259, Inflate(stream, 259, &out));
    EXPECT_TRUE(out == std::vector<BYTE>(259, 'A'));
    // The buffer fills in the middle of the match: still a success.
    EXPECT_EQ(100, Inflate(stream, 100, &out));
    EXPECT_TRUE(out == std::vector<BYTE>(100, 'A'));
}

TEST(InflateEntry, CopiesOverlappingMatchesWithExtraBits) {
    BitWriter w;
    w.Put(1, 1);
    w.Put(1, 2);
    w.PutFixed('x');
    w.PutFixed('y');
    w.PutFixed('z');
    w.PutFixed(266);   // length 13 + 1 extra bit
    w.Put(1, 1);       // -> 14
    w.PutDistance(2);  // distance 3
    w.PutFixed(256);
    std::vector<BYTE> out;
    EXPECT_EQ(17, Inflate(w.Finish(), 64, &out));
    EXPECT_EQ(std::string("xyzxyzxyzxyzxyzxy"), std::string(out.begin(), out.end()));
}

TEST(InflateEntry, RefusesAMatchReachingBeforeTheOutput) {
    BitWriter w;
    w.Put(1, 1);
    w.Put(1, 2);
    w.PutFixed('A');
    w.PutFixed(257);
    w.PutDistance(1);   // distance 2 with one byte written
    w.PutFixed(256);
    EXPECT_EQ(-1, Inflate(w.Finish(), 100));
}

TEST(InflateEntry, RefusesLengthAndDistanceCodesOutsideTheTables) {
    for (int symbol : {286, 287}) {
        BitWriter w;
        w.Put(1, 1);
        w.Put(1, 2);
        w.PutFixed('A');
        w.PutFixed(symbol);
        w.PutDistance(0);
        w.PutFixed(256);
        EXPECT_EQ(-1, Inflate(w.Finish(), 100)) << symbol;
    }
    for (int code : {30, 31}) {
        BitWriter w;
        w.Put(1, 1);
        w.Put(1, 2);
        w.PutFixed('A');
        w.PutFixed(257);
        w.PutDistance(code);
        w.PutFixed(256);
        EXPECT_EQ(-1, Inflate(w.Finish(), 100)) << code;
    }
}

TEST(InflateEntry, CopiesStoredBlocksWithoutCheckingNlen) {
    std::vector<BYTE> stream = {0x01, 0x05, 0x00, 0x12, 0x34, 'h', 'e', 'l', 'l', 'o'};
    std::vector<BYTE> out;
    EXPECT_EQ(5, Inflate(stream, 5, &out));
    EXPECT_EQ(std::string("hello"), std::string(out.begin(), out.end()));
    EXPECT_EQ(3, Inflate(stream, 3, &out));
    EXPECT_EQ(std::string("hel"), std::string(out.begin(), out.end()));
}

TEST(InflateEntry, StoredBlockAfterAFixedBlockStartsOnAByteBoundary) {
    BitWriter w;
    w.Put(0, 1);
    w.Put(1, 2);
    w.PutFixed('a');
    w.PutFixed(256);
    w.Put(1, 1);
    w.Put(0, 2);
    std::vector<BYTE> stream = w.Finish();
    for (int b : {0x02, 0x00, 0xFD, 0xFF, (int)'b', (int)'c'}) stream.push_back((BYTE)b);
    std::vector<BYTE> out;
    EXPECT_EQ(3, Inflate(stream, 10, &out));
    EXPECT_EQ(std::string("abc"), std::string(out.begin(), out.end()));
}

TEST(InflateEntry, EmptyFinalStoredBlockGivesZeroBytes) {
    EXPECT_EQ(0, Inflate({0x01, 0x00, 0x00, 0xFF, 0xFF}, 16));
}

TEST(InflateEntry, ZeroRoomEndsAtTheFirstByteWithZero) {
    BitWriter w;
    w.Put(1, 1);
    w.Put(1, 2);
    w.PutFixed('A');
    w.PutFixed(256);
    EXPECT_EQ(0, Inflate(w.Finish(), 0));
    EXPECT_EQ(0, Inflate({0x01, 0x01, 0x00, 0xFE, 0xFF, 'z'}, 0));
}

TEST(InflateEntry, TruncatedStreamsFail) {
    std::vector<BYTE> stream = ReadFixture("deflate/text.bin");
    std::vector<BYTE> expected = ReadFixture("deflate/text.out");
    ASSERT_GT(stream.size(), 100u);
    stream.resize(stream.size() / 2);
    EXPECT_EQ(-1, Inflate(stream, expected.size()));
    // A stored block cut short fails, unless the buffer is full first.
    std::vector<BYTE> cut = {0x01, 0x0A, 0x00, 0xF5, 0xFF, '1', '2', '3'};
    EXPECT_EQ(-1, Inflate(cut, 10));
    EXPECT_EQ(2, Inflate(cut, 2));
    EXPECT_EQ(-1, Inflate({}, 10));
    EXPECT_EQ(-1, Inflate({0x01, 0x05}, 10));   // LEN cut short
    // A non-final block with nothing after it.
    EXPECT_EQ(-1, Inflate({0x00, 0x01, 0x00, 0xFE, 0xFF, 'q'}, 10));
}

TEST(InflateEntry, RefusesBlockTypeThree) {
    EXPECT_EQ(-1, Inflate({0x07, 0x00, 0x00}, 10));
}

// A dynamic block header whose code-length code gives length 1 to the two
// symbols listed (in the order lengths are sent: 16, 17, 18, 0, ...).
static void PutDynamicHeader(BitWriter* w, int hlit, int hdist, int firstSymbolSlot, int secondSymbolSlot) {
    w->Put(1, 1);
    w->Put(2, 2);
    w->Put(hlit - 257, 5);
    w->Put(hdist - 1, 5);
    w->Put(0, 4);   // four code-length code lengths: for 16, 17, 18 and 0
    for (int slot = 0; slot < 4; slot++) {
        w->Put(slot == firstSymbolSlot || slot == secondSymbolSlot ? 1 : 0, 3);
    }
}

TEST(InflateEntry, RefusesDynamicHeadersOutOfRange) {
    BitWriter tooManyLiterals;
    tooManyLiterals.Put(1, 1);
    tooManyLiterals.Put(2, 2);
    tooManyLiterals.Put(30, 5);   // 287 literal/length codes
    tooManyLiterals.Put(0, 5);
    tooManyLiterals.Put(15, 4);
    tooManyLiterals.Put(0, 32);
    EXPECT_EQ(-1, Inflate(tooManyLiterals.Finish(), 10));

    BitWriter tooManyDistances;
    tooManyDistances.Put(1, 1);
    tooManyDistances.Put(2, 2);
    tooManyDistances.Put(0, 5);
    tooManyDistances.Put(30, 5);  // 31 distance codes
    tooManyDistances.Put(15, 4);
    tooManyDistances.Put(0, 32);
    EXPECT_EQ(-1, Inflate(tooManyDistances.Finish(), 10));
}

TEST(InflateEntry, RefusesRepeatWithNothingToRepeat) {
    // Symbols 0 (code 0) and 16 (code 1); the first length sent is a 16.
    BitWriter w;
    PutDynamicHeader(&w, 257, 1, 0, 3);
    w.PutCode(1, 1);
    w.Put(0, 2);
    w.Put(0, 32);
    EXPECT_EQ(-1, Inflate(w.Finish(), 10));
}

TEST(InflateEntry, RefusesRepeatsPastTheAnnouncedLengths) {
    // Symbols 0 (code 0) and 18 (code 1): 138 + 138 zeros > 257 + 1 lengths.
    BitWriter w;
    PutDynamicHeader(&w, 257, 1, 2, 3);
    w.PutCode(1, 1);
    w.Put(127, 7);
    w.PutCode(1, 1);
    w.Put(127, 7);
    w.Put(0, 32);
    EXPECT_EQ(-1, Inflate(w.Finish(), 10));
}

TEST(InflateEntry, DecodesAHandBuiltDynamicBlock) {
    // Code-length code: symbols 1 (code 0) and 18 (code 1), sent in the
    // order 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1.
    // Literal/length lengths: 'a' (97) and 256 get 1 bit, all others 0;
    // one distance code of length 1 (an incomplete code is accepted).
    BitWriter ok;
    ok.Put(1, 1);
    ok.Put(2, 2);
    ok.Put(0, 5);
    ok.Put(0, 5);   // 1 distance code
    ok.Put(14, 4);
    for (int i = 0; i < 18; i++) ok.Put(i == 2 || i == 17 ? 1 : 0, 3);
    ok.PutCode(1, 1); ok.Put(97 - 11, 7);
    ok.PutCode(0, 1);
    ok.PutCode(1, 1); ok.Put(138 - 11, 7);
    ok.PutCode(1, 1); ok.Put(20 - 11, 7);
    ok.PutCode(0, 1);   // 256
    ok.PutCode(0, 1);   // distance code 0
    // Data: 'a' is code 0, end of block is code 1.
    ok.PutCode(0, 1);
    ok.PutCode(0, 1);
    ok.PutCode(0, 1);
    ok.PutCode(1, 1);
    std::vector<BYTE> out;
    EXPECT_EQ(3, Inflate(ok.Finish(), 10, &out));
    EXPECT_EQ(std::string("aaa"), std::string(out.begin(), out.end()));
}

TEST(InflateEntry, ReadsZlibHeadersAsBlockBits) {
    std::vector<BYTE> wrapped = ReadFixture("deflate/zlib-wrapped.bin");
    std::vector<BYTE> expected = ReadFixture("deflate/zlib-wrapped.out");
    std::vector<BYTE> out;
    int64_t result = Inflate(wrapped, expected.size(), &out);
    EXPECT_FALSE(result == (int64_t)expected.size() && out == expected);
    // Skipping the two header bytes by hand gives the raw stream.
    std::vector<BYTE> raw(wrapped.begin() + 2, wrapped.end());
    EXPECT_EQ((int64_t)expected.size(), Inflate(raw, expected.size(), &out));
    EXPECT_TRUE(out == expected);
}

TEST(InflateEntry, IgnoresInputAfterTheFinalBlock) {
    std::vector<BYTE> stream = {0x01, 0x02, 0x00, 0xFD, 0xFF, 'o', 'k', 0xDE, 0xAD, 0xBE, 0xEF};
    std::vector<BYTE> out;
    EXPECT_EQ(2, Inflate(stream, 10, &out));
    EXPECT_EQ(std::string("ok"), std::string(out.begin(), out.end()));
}

TEST(InflateEntry, ThreadsInflateTheSameStreamAtOnce) {
    std::vector<BYTE> stream = ReadFixture("deflate/mixed.bin");
    std::vector<BYTE> expected = ReadFixture("deflate/mixed.out");
    ASSERT_FALSE(stream.empty());
    int failures[4] = {0, 0, 0, 0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; t++) {
        threads.emplace_back([&, t] {
            // Alternate whole reads and prefix reads of different lengths.
            for (int run = 0; run < 20; run++) {
                size_t room = (run % 2) ? expected.size() : (size_t)(1000 * (t + 1) + run);
                std::vector<BYTE> out(room);
                int64_t n = InflateEntry(stream.data(), stream.size(), out.data(), room);
                if (n != (int64_t)room || memcmp(out.data(), expected.data(), room) != 0) failures[t]++;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < 4; t++) EXPECT_EQ(0, failures[t]) << "thread " << t;
}
