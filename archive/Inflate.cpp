// Raw Deflate decoder (RFC 1951) for ZIP entries.
//
// Huffman codes resolve by table: one lookup in a main table indexed by the
// next input bits, and a second one in a small subtable for the rare codes
// longer than that index.  A literal/length entry holds two literals at once
// when both codes fit in the index.
//
// Two loops share the tables.  The fast loop runs while at least a word of
// input and room for a whole match are left: it refills its 64-bit buffer
// with one unaligned load, checks no bound per symbol, looks the next code
// up before copying a match and copies in 8-byte words, writing a little
// past a match's end, where the next symbols write anyway.  Near the end of
// either buffer the careful loop takes over, one symbol and one byte at a
// time, so that the decoder never reads past its input, never writes past
// its output and stops at the exact byte where the output fills.  All state
// lives on the caller's stack and in one allocation per call, so any thread
// may inflate at any time.
#include "Inflate.h"

// The alphabets of RFC 1951.
#define MAX_CODE_LENGTH        15
#define LITLEN_SYMBOLS         288 // 0-255 literals, 256 end of block, 257-285 lengths, 286-287 unused
#define END_OF_BLOCK           256
#define FIRST_LENGTH_SYMBOL    257
#define LENGTH_SYMBOLS         29
#define DISTANCE_SYMBOLS       30
#define CODE_LENGTH_SYMBOLS    19
#define MAX_CODE_LENGTH_LENGTH 7  // code-length code lengths are 3-bit fields
#define REPEAT_PREVIOUS        16 // code-length symbols 16-18 repeat a length
#define MAX_HLIT               286
#define MAX_HDIST              30
#define MAX_MATCH_LENGTH       258
#define MAX_LENGTH_BITS        (MAX_CODE_LENGTH + 5)  // a length code and its extra bits
#define MAX_DISTANCE_BITS      (MAX_CODE_LENGTH + 13) // a distance code and its extra bits
#define FIXED_DISTANCE_LENGTH  5

// Index bits of the main tables.
#define LITLEN_TABLE_BITS      11
#define DISTANCE_TABLE_BITS    8
#define CODE_LENGTH_TABLE_BITS MAX_CODE_LENGTH_LENGTH

// Main table plus subtables.  The codes of one length are consecutive
// numbers, so the c codes of length bits + s share at most (c - 1) / 2^s + 2
// prefixes: their subtables of 2^s entries take at most c - 1 + 2^(s+1)
// entries, and all lengths together at most the symbol count plus the sum
// of 2^(s+1) for s = 1 .. 15 - bits.
#define TABLE_SIZE(bits, symbols) ((1 << (bits)) + (symbols) + (1 << (MAX_CODE_LENGTH - (bits) + 2)) - 4)
#define LITLEN_TABLE_SIZE         TABLE_SIZE(LITLEN_TABLE_BITS, LITLEN_SYMBOLS)
#define DISTANCE_TABLE_SIZE       TABLE_SIZE(DISTANCE_TABLE_BITS, DISTANCE_SYMBOLS)
#define CODE_LENGTH_TABLE_SIZE    (1 << CODE_LENGTH_TABLE_BITS)

static_assert(LITLEN_TABLE_BITS <= MAX_CODE_LENGTH && DISTANCE_TABLE_BITS <= MAX_CODE_LENGTH, "no empty subtables");
static_assert(CODE_LENGTH_TABLE_BITS == MAX_CODE_LENGTH_LENGTH, "the code-length code needs no subtables");
static_assert(FIRST_LENGTH_SYMBOL + LENGTH_SYMBOLS == MAX_HLIT, "HLIT covers exactly the used length codes");
static_assert(MAX_HLIT + 2 == LITLEN_SYMBOLS, "the fixed code names two more symbols than HLIT can");
static_assert(MAX_HDIST == DISTANCE_SYMBOLS, "HDIST covers exactly the distance codes");

// A table entry: the bits it takes from the stream (code length plus extra
// bits) in bits 0-5, the code length alone in bits 8-11, the kind in bits
// 12-15 and a value in bits 16-31 (literals, base length or distance,
// subtable offset, code-length symbol).  A subtable pointer takes the main
// index bits and gives the subtable's index bits in place of a code length.
#define ENTRY_DROP_MASK    0x3F
#define ENTRY_TWO_LITERALS 0x40 // a second literal in bits 24-31, its code in the drop count
#define ENTRY_CODE_SHIFT   8
#define ENTRY_LITERAL      0x1000
#define ENTRY_SUBTABLE     0x2000
#define ENTRY_END          0x4000
#define ENTRY_BAD          0x8000 // no such code, or a length or distance code outside the alphabet
#define ENTRY_VALUE_SHIFT  16

static_assert(MAX_DISTANCE_BITS <= ENTRY_DROP_MASK, "a distance code and its extra bits fit the drop count");
static_assert(LITLEN_TABLE_SIZE < 65536 && DISTANCE_TABLE_SIZE < 65536, "subtable offsets fit the value");

// The fast loop's bounds.  Each round refills once, reading 8 bytes, and
// writes either a literal entry and up to MORE_LITERAL_ENTRIES more, two
// bytes each, or one match with up to COPY_SLACK bytes beyond it (and at
// least COPY_WORDS words).
#define MORE_LITERAL_ENTRIES 2
#define COPY_WORDS           5
#define COPY_SLACK           8
#define FAST_INPUT_MARGIN    8
#define FAST_OUTPUT_MARGIN   (MAX_MATCH_LENGTH + COPY_SLACK)
static_assert(8 * COPY_WORDS <= FAST_OUTPUT_MARGIN, "the unconditional words of a copy fit the margin");

// A refill leaves 56 to 63 bits counted, and 64 bits of input in the
// buffer.  A round takes either a length code with its extra bits and a
// distance code with its extra bits, or a literal code that may need a
// subtable and two more from the main table; then it looks the next entry
// up in the bits that are left.
#define BUFFER_BITS       64
#define REFILLED_BITS     56
#define MAX_LITERALS_BITS (MAX_CODE_LENGTH + MORE_LITERAL_ENTRIES * LITLEN_TABLE_BITS)
static_assert(MAX_LENGTH_BITS + MAX_DISTANCE_BITS <= REFILLED_BITS && MAX_LITERALS_BITS <= REFILLED_BITS,
              "a refill covers a round");
static_assert(MAX_LENGTH_BITS + MAX_DISTANCE_BITS + LITLEN_TABLE_BITS <= BUFFER_BITS,
              "the next entry is in the buffer");
static_assert(MAX_LITERALS_BITS + LITLEN_TABLE_BITS <= BUFFER_BITS, "the next entry is in the buffer");

typedef struct InflateStream {
    const BYTE *inCur;  // next input byte not yet in the bit buffer
    const BYTE *inEnd;  // one past the last input byte
    uint64_t bitBuffer; // bits not yet used, next bit in bit 0; above bitCount
                        // it may already hold copies of the bytes at inCur
    uint32_t bitCount;  // valid bits in bitBuffer, at most 63
    BYTE *outStart;
    BYTE *outCur; // next byte to write
    BYTE *outEnd; // one past the last writable byte
} InflateStream;

typedef struct InflateTables {
    uint32_t litlen[LITLEN_TABLE_SIZE];
    uint32_t distance[DISTANCE_TABLE_SIZE];
    uint32_t codeLength[CODE_LENGTH_TABLE_SIZE];
    int32_t fixedBuilt; // litlen and distance hold the fixed code
} InflateTables;

enum TableKind { LITLEN_TABLE, DISTANCE_TABLE, CODE_LENGTH_TABLE };

// Block results.
#define BLOCK_END     0
#define OUTPUT_FULL   1
#define INFLATE_ERROR (-1)
#define NEAR_THE_END  2 // the fast loop leaves the rest to the careful loop

static const uint16_t LengthBase[LENGTH_SYMBOLS] = {
    3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258,
};
static const uint8_t LengthExtraBits[LENGTH_SYMBOLS] = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0,
};
static const uint16_t DistanceBase[DISTANCE_SYMBOLS] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577,
};
static const uint8_t DistanceExtraBits[DISTANCE_SYMBOLS] = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13,
};
// Order in which a dynamic block header sends the code-length code lengths.
static const uint8_t CodeLengthOrder[CODE_LENGTH_SYMBOLS] = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15,
};
// Repeat codes 16 (previous length), 17 and 18 (zeros): base count, extra bits.
static const uint8_t RepeatBase[3] = {3, 3, 11};
static const uint8_t RepeatExtraBits[3] = {2, 3, 7};
// The fixed literal/length code by symbol range: up to `end`, `length` bits.
static const struct {
    uint16_t end;
    uint8_t length;
} FixedLitlenLengths[] = {{144, 8}, {256, 9}, {280, 7}, {LITLEN_SYMBOLS, 8}};

#define INLINE static inline __attribute__((always_inline))

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "input words load as little-endian numbers");

INLINE uint64_t Load64(const BYTE *p)
{
    uint64_t value;
    __builtin_memcpy(&value, p, 8);
    return value;
}

INLINE void Store64(BYTE *p, uint64_t value)
{
    __builtin_memcpy(p, &value, 8);
}

INLINE uint32_t CodeLength(uint32_t entry)
{
    return (entry >> ENTRY_CODE_SHIFT) & 15;
}

INLINE void DropBits(InflateStream *s, uint32_t n)
{
    s->bitBuffer >>= n;
    s->bitCount -= n;
}

// --- Tables -----------------------------------------------------------------

// Reverses the low `length` bits of code: Deflate sends Huffman codes most
// significant bit first while the bit buffer delivers the oldest bit first.
static uint32_t ReverseBits(uint32_t code, uint32_t length)
{
    code = ((code >> 1) & 0x5555) | ((code & 0x5555) << 1);
    code = ((code >> 2) & 0x3333) | ((code & 0x3333) << 2);
    code = ((code >> 4) & 0x0F0F) | ((code & 0x0F0F) << 4);
    code = ((code >> 8) & 0x00FF) | ((code & 0x00FF) << 8);
    return code >> (16 - length);
}

// The entry of a symbol, without its code length.
static uint32_t SymbolEntry(TableKind kind, uint32_t symbol)
{
    if (kind == CODE_LENGTH_TABLE) return symbol << ENTRY_VALUE_SHIFT;
    if (kind == DISTANCE_TABLE) return (uint32_t)DistanceBase[symbol] << ENTRY_VALUE_SHIFT | DistanceExtraBits[symbol];
    if (symbol < END_OF_BLOCK) return symbol << ENTRY_VALUE_SHIFT | ENTRY_LITERAL;
    if (symbol == END_OF_BLOCK) return ENTRY_END;
    symbol -= FIRST_LENGTH_SYMBOL;
    if (symbol >= LENGTH_SYMBOLS) return ENTRY_BAD;
    return (uint32_t)LengthBase[symbol] << ENTRY_VALUE_SHIFT | LengthExtraBits[symbol];
}

// Sorts the coded symbols by code length, then by value, and gives each its
// canonical code (RFC 1951 section 3.2.2), most significant bit first.
// Returns how many symbols have a code, or -1 when the lengths ask for more
// codes than exist; *complete tells whether they use every code.
static int32_t AssignCodes(const uint8_t *lengths, int32_t n, uint16_t *sorted, uint16_t *codes, int32_t *complete)
{
    uint16_t count[MAX_CODE_LENGTH + 1] = {0};
    uint16_t offset[MAX_CODE_LENGTH + 1];
    for (int32_t i = 0; i < n; i++) count[lengths[i]]++;
    int32_t spare = 1, coded = 0; // codes of the current length not yet taken
    for (int32_t length = 1; length <= MAX_CODE_LENGTH; length++) {
        offset[length] = (uint16_t)coded;
        coded += count[length];
        spare = 2 * spare - count[length];
        if (spare < 0) return -1;
    }
    for (int32_t i = 0; i < n; i++) {
        if (lengths[i] != 0) sorted[offset[lengths[i]]++] = (uint16_t)i;
    }
    uint32_t code = 0;
    for (int32_t i = 0; i < coded; i++) {
        codes[i] = (uint16_t)code;
        if (i + 1 < coded) code = (code + 1) << (lengths[sorted[i + 1]] - lengths[sorted[i]]);
    }
    *complete = spare == 0;
    return coded;
}

// Stores entry at every index of a table of 2^bits entries whose low bits
// are the code, reversed.
static void FillCode(uint32_t *table, uint32_t bits, uint32_t entry, uint32_t code, uint32_t length)
{
    for (uint32_t r = ReverseBits(code, length); r < (1u << bits); r += 1u << length) table[r] = entry;
}

// Codes longer than the main index, from sorted[first] on: the codes that
// share their first `bits` bits get one subtable, as wide as the longest
// of them needs.
static int32_t FillSubtables(uint32_t *table, int32_t capacity, uint32_t bits, TableKind kind, const uint8_t *lengths,
                             const uint16_t *sorted, const uint16_t *codes, int32_t first, int32_t coded)
{
    int32_t next = 1 << bits;
    for (int32_t i = first; i < coded;) {
        uint32_t prefix = (uint32_t)codes[i] >> (lengths[sorted[i]] - bits);
        int32_t end = i + 1;
        while (end < coded && (uint32_t)codes[end] >> (lengths[sorted[end]] - bits) == prefix) end++;
        uint32_t subBits = lengths[sorted[end - 1]] - bits;
        if (next + (1 << subBits) > capacity) return 0; // ruled out by TABLE_SIZE
        table[ReverseBits(prefix, bits)] =
            (uint32_t)next << ENTRY_VALUE_SHIFT | ENTRY_SUBTABLE | subBits << ENTRY_CODE_SHIFT | bits;
        for (; i < end; i++) {
            uint32_t rest = lengths[sorted[i]] - bits;
            uint32_t entry = SymbolEntry(kind, sorted[i]) + rest + (rest << ENTRY_CODE_SHIFT);
            FillCode(table + next, subBits, entry, codes[i] & ((1u << rest) - 1), rest);
        }
        next += 1 << subBits;
    }
    return 1;
}

// Builds the decoding table of n code lengths (each 0..15).  Returns 0 for
// an over-subscribed set; an incomplete one is built, its missing codes
// marked bad.
static int32_t BuildHuffmanTable(uint32_t *table, int32_t capacity, uint32_t bits, TableKind kind,
                                 const uint8_t *lengths, int32_t n)
{
    uint16_t sorted[LITLEN_SYMBOLS], codes[LITLEN_SYMBOLS];
    int32_t complete;
    int32_t coded = AssignCodes(lengths, n, sorted, codes, &complete);
    if (coded < 0) return 0;
    if (!complete) {
        for (int32_t i = 0; i < capacity; i++) table[i] = ENTRY_BAD;
    }
    int32_t i = 0;
    for (; i < coded && lengths[sorted[i]] <= bits; i++) {
        uint32_t length = lengths[sorted[i]];
        FillCode(table, bits, SymbolEntry(kind, sorted[i]) + length + (length << ENTRY_CODE_SHIFT), codes[i], length);
    }
    return FillSubtables(table, capacity, bits, kind, lengths, sorted, codes, i, coded);
}

// Lets one lookup give two literals where both codes fit in the main index.
// Downwards, so that the second lookup, at a smaller index, still finds a
// single literal.
static void PairLiterals(uint32_t *table)
{
    for (int32_t i = (1 << LITLEN_TABLE_BITS) - 1; i >= 0; i--) {
        uint32_t first = table[i];
        if (!(first & ENTRY_LITERAL)) continue;
        uint32_t used = first & ENTRY_DROP_MASK;
        uint32_t second = table[i >> used];
        if (!(second & ENTRY_LITERAL) || used + (second & ENTRY_DROP_MASK) > LITLEN_TABLE_BITS) continue;
        uint32_t secondLiteral = (second >> ENTRY_VALUE_SHIFT) & 0xFF;
        table[i] = (first + (second & ENTRY_DROP_MASK)) | secondLiteral << 24 | ENTRY_TWO_LITERALS;
    }
}

static int32_t BuildLitlenTable(InflateTables *t, const uint8_t *lengths, int32_t n)
{
    if (!BuildHuffmanTable(t->litlen, LITLEN_TABLE_SIZE, LITLEN_TABLE_BITS, LITLEN_TABLE, lengths, n)) return 0;
    PairLiterals(t->litlen);
    return 1;
}

// --- The fast loop ----------------------------------------------------------

// Tops the bit buffer up to 56-63 bits with one load of 8 input bytes.  The
// bytes that do not fit whole stay in the input and are loaded again next
// time; their bits above bitCount are the same ones, so the OR is harmless.
INLINE void RefillFast(InflateStream *s)
{
    s->bitBuffer |= Load64(s->inCur) << s->bitCount;
    s->inCur += (BUFFER_BITS - 1 - s->bitCount) >> 3;
    s->bitCount |= REFILLED_BITS;
}

// A subtable pointer's entry: takes the main index bits and looks the rest
// of the code up in the subtable.
INLINE uint32_t SubtableEntry(InflateStream *s, const uint32_t *table, uint32_t entry, uint32_t bits)
{
    DropBits(s, bits);
    uint32_t subMask = (1u << CodeLength(entry)) - 1;
    return table[(entry >> ENTRY_VALUE_SHIFT) + (s->bitBuffer & subMask)];
}

INLINE uint32_t MainEntry(const InflateStream *s, const uint32_t *table, uint32_t bits)
{
    return table[s->bitBuffer & ((1u << bits) - 1)];
}

// Base value plus extra bits, which follow the code in the stream.
INLINE uint32_t TakeValue(InflateStream *s, uint32_t entry)
{
    uint32_t drop = entry & ENTRY_DROP_MASK;
    uint32_t extra = (uint32_t)(s->bitBuffer & ((1ull << drop) - 1)) >> CodeLength(entry);
    DropBits(s, drop);
    return (entry >> ENTRY_VALUE_SHIFT) + extra;
}

// Writes both bytes of the entry's value and keeps one or two.
INLINE void PutLiterals(InflateStream *s, uint32_t entry)
{
    uint16_t pair = (uint16_t)(entry >> ENTRY_VALUE_SHIFT);
    __builtin_memcpy(s->outCur, &pair, 2);
    s->outCur += 1 + ((entry & ENTRY_TWO_LITERALS) >> 6);
    DropBits(s, entry & ENTRY_DROP_MASK);
}

// Copies a match in 8-byte words: at least COPY_WORDS of them, which
// covers most matches without a loop, and at most COPY_SLACK bytes past
// its end.  From distance 8 on, a source word ends before the word being
// written starts; distance 1 repeats one byte.  Shorter distances make
// their first 8 bytes one at a time, then step by the largest multiple of
// the distance within a word, so that each word again reads finished bytes.
INLINE void CopyMatch(BYTE *out, size_t distance, uint32_t length)
{
    const BYTE *from = out - distance;
    BYTE *end = out + length;
    if (distance >= 8) {
        for (int32_t k = 0; k < COPY_WORDS; k++) Store64(out + 8 * k, Load64(from + 8 * k));
        for (out += 8 * COPY_WORDS, from += 8 * COPY_WORDS; out < end; out += 8, from += 8) {
            Store64(out, Load64(from));
        }
    } else if (distance == 1) {
        uint64_t repeated = 0x0101010101010101ull * from[0];
        for (int32_t k = 0; k < COPY_WORDS; k++) Store64(out + 8 * k, repeated);
        for (out += 8 * COPY_WORDS; out < end; out += 8) Store64(out, repeated);
    } else {
        static const uint8_t PatternStep[8] = {0, 0, 8, 6, 8, 5, 6, 7};
        for (int32_t k = 0; k < 8; k++) out[k] = from[k];
        size_t step = PatternStep[distance];
        for (out += step; out < end; out += step) Store64(out, Load64(out - step));
    }
}

// Writes the entry's literals and those of the main-table literal entries
// that follow, up to MORE_LITERAL_ENTRIES; returns the entry after them.
INLINE uint32_t FastLiterals(InflateStream *s, const uint32_t *litlen, uint32_t entry)
{
    PutLiterals(s, entry);
    for (int32_t more = 0; more < MORE_LITERAL_ENTRIES; more++) {
        entry = MainEntry(s, litlen, LITLEN_TABLE_BITS);
        if (!(entry & ENTRY_LITERAL)) return entry;
        PutLiterals(s, entry);
    }
    return MainEntry(s, litlen, LITLEN_TABLE_BITS);
}

// A length entry, then its distance; 0 for a bad distance code or one that
// reaches before the output.  Looks the next entry up before the copy.
INLINE int32_t FastMatch(InflateStream *s, const InflateTables *t, uint32_t *entry)
{
    uint32_t length = TakeValue(s, *entry);
    uint32_t code = MainEntry(s, t->distance, DISTANCE_TABLE_BITS);
    if (code & ENTRY_SUBTABLE) code = SubtableEntry(s, t->distance, code, DISTANCE_TABLE_BITS);
    if (code & ENTRY_BAD) return 0;
    uint32_t distance = TakeValue(s, code);
    if (distance > (size_t)(s->outCur - s->outStart)) return 0;
    *entry = MainEntry(s, t->litlen, LITLEN_TABLE_BITS);
    CopyMatch(s->outCur, distance, length);
    s->outCur += length;
    return 1;
}

INLINE int32_t FarFromTheEnds(const InflateStream *s)
{
    return s->inEnd - s->inCur >= FAST_INPUT_MARGIN && s->outEnd - s->outCur >= FAST_OUTPUT_MARGIN;
}

// Decodes while both buffer ends are far away, without a bound check per
// symbol.  Returns BLOCK_END, INFLATE_ERROR or NEAR_THE_END.
static int32_t InflateFast(InflateStream *stream, const InflateTables *t)
{
    InflateStream s = *stream;
    int32_t result = NEAR_THE_END;
    if (!FarFromTheEnds(&s)) return result;
    RefillFast(&s);
    uint32_t entry = MainEntry(&s, t->litlen, LITLEN_TABLE_BITS);
    for (;;) {
        if (entry & ENTRY_SUBTABLE) entry = SubtableEntry(&s, t->litlen, entry, LITLEN_TABLE_BITS);
        if (entry & ENTRY_LITERAL) {
            entry = FastLiterals(&s, t->litlen, entry);
        } else if (entry & (ENTRY_END | ENTRY_BAD)) {
            DropBits(&s, entry & ENTRY_DROP_MASK);
            result = (entry & ENTRY_END) ? BLOCK_END : INFLATE_ERROR;
            break;
        } else if (!FastMatch(&s, t, &entry)) {
            result = INFLATE_ERROR;
            break;
        }
        if (!FarFromTheEnds(&s)) break;
        RefillFast(&s);
    }
    *stream = s;
    return result;
}

// --- The careful loop -------------------------------------------------------

// Adds whole input bytes until the buffer holds 56 bits or the input ends.
// Past the end the buffer reads as zeros, which a lookup may see but a
// code never takes: DecodeSymbol checks every code against bitCount.
static void RefillCareful(InflateStream *s)
{
    while (s->bitCount < REFILLED_BITS && s->inCur < s->inEnd) {
        s->bitBuffer |= (uint64_t)*s->inCur++ << s->bitCount;
        s->bitCount += 8;
    }
}

// Takes the next n bits (0..16), or returns -1 when the input ends first.
static int32_t GetBits(InflateStream *s, uint32_t n)
{
    if (s->bitCount < n) RefillCareful(s);
    if (s->bitCount < n) return -1;
    int32_t value = (int32_t)(s->bitBuffer & ((1u << n) - 1));
    DropBits(s, n);
    return value;
}

// The entry of the next code, or 0 when the code is bad or the input ends
// inside it or its extra bits.  Only the first of two literals counts.
static int32_t DecodeSymbol(InflateStream *s, const uint32_t *table, uint32_t bits, uint32_t *entry)
{
    RefillCareful(s);
    uint32_t e = MainEntry(s, table, bits);
    if (e & ENTRY_SUBTABLE) {
        if (s->bitCount < bits) return 0;
        e = SubtableEntry(s, table, e, bits);
    }
    uint32_t needed = (e & ENTRY_LITERAL) ? CodeLength(e) : e & ENTRY_DROP_MASK;
    if ((e & ENTRY_BAD) || needed > s->bitCount) return 0;
    *entry = e;
    return 1;
}

// A match near the end of the output: as much of it as fits.
static int32_t CarefulCopy(InflateStream *s, size_t distance, uint32_t length)
{
    size_t room = (size_t)(s->outEnd - s->outCur);
    if (room >= FAST_OUTPUT_MARGIN) {
        CopyMatch(s->outCur, distance, length);
        s->outCur += length;
        return 1;
    }
    for (; length > 0; length--, s->outCur++) {
        if (s->outCur == s->outEnd) return 0;
        *s->outCur = *(s->outCur - distance);
    }
    return 1;
}

// One symbol at a time, every bound checked: the end of a block that comes
// near the end of the input or of the output.
static int32_t InflateCareful(InflateStream *s, const InflateTables *t)
{
    for (;;) {
        uint32_t entry;
        if (!DecodeSymbol(s, t->litlen, LITLEN_TABLE_BITS, &entry)) return INFLATE_ERROR;
        if (entry & ENTRY_LITERAL) {
            if (s->outCur == s->outEnd) return OUTPUT_FULL;
            *s->outCur++ = (BYTE)(entry >> ENTRY_VALUE_SHIFT);
            DropBits(s, CodeLength(entry));
            continue;
        }
        if (entry & ENTRY_END) {
            DropBits(s, entry & ENTRY_DROP_MASK);
            return BLOCK_END;
        }
        uint32_t length = TakeValue(s, entry);
        if (!DecodeSymbol(s, t->distance, DISTANCE_TABLE_BITS, &entry)) return INFLATE_ERROR;
        uint32_t distance = TakeValue(s, entry);
        if (distance > (size_t)(s->outCur - s->outStart)) return INFLATE_ERROR;
        if (!CarefulCopy(s, distance, length)) return OUTPUT_FULL;
    }
}

static int32_t InflateCodes(InflateStream *s, const InflateTables *t)
{
    int32_t result = InflateFast(s, t);
    return result == NEAR_THE_END ? InflateCareful(s, t) : result;
}

// --- Blocks -----------------------------------------------------------------

// A stored block's bytes are copied straight from the input: the whole
// bytes left in the bit buffer go back to it first.  NLEN is never compared
// with LEN.
static int32_t InflateStoredBlock(InflateStream *s)
{
    DropBits(s, s->bitCount & 7);
    s->inCur -= s->bitCount >> 3;
    s->bitBuffer = 0;
    s->bitCount = 0;
    if (s->inEnd - s->inCur < 4) return INFLATE_ERROR;
    size_t length = s->inCur[0] | (size_t)s->inCur[1] << 8;
    s->inCur += 4;
    size_t n = length;
    if (n > (size_t)(s->inEnd - s->inCur)) n = (size_t)(s->inEnd - s->inCur);
    if (n > (size_t)(s->outEnd - s->outCur)) n = (size_t)(s->outEnd - s->outCur);
    __builtin_memcpy(s->outCur, s->inCur, n);
    s->inCur += n;
    s->outCur += n;
    if (n == length) return BLOCK_END;
    return s->inCur == s->inEnd ? INFLATE_ERROR : OUTPUT_FULL;
}

// Fixed-code block: the tables of RFC 1951 section 3.2.6, built once per
// call.
static int32_t InflateFixedBlock(InflateStream *s, InflateTables *t)
{
    if (!t->fixedBuilt) {
        uint8_t lengths[LITLEN_SYMBOLS];
        int32_t symbol = 0;
        for (const auto &range : FixedLitlenLengths) {
            for (; symbol < range.end; symbol++) lengths[symbol] = range.length;
        }
        BuildLitlenTable(t, lengths, LITLEN_SYMBOLS);
        for (symbol = 0; symbol < DISTANCE_SYMBOLS; symbol++) lengths[symbol] = FIXED_DISTANCE_LENGTH;
        BuildHuffmanTable(t->distance, DISTANCE_TABLE_SIZE, DISTANCE_TABLE_BITS, DISTANCE_TABLE, lengths,
                          DISTANCE_SYMBOLS);
        t->fixedBuilt = 1;
    }
    return InflateCodes(s, t);
}

// Reads HLIT, HDIST, HCLEN and the code-length code of a dynamic block
// header, and builds the code-length table.
static int32_t ReadCodeLengthCode(InflateStream *s, InflateTables *t, int32_t *hlit, int32_t *hdist)
{
    int32_t literals = GetBits(s, 5), distances = GetBits(s, 5), sent = GetBits(s, 4);
    if (literals < 0 || distances < 0 || sent < 0) return 0;
    *hlit = literals + FIRST_LENGTH_SYMBOL;
    *hdist = distances + 1;
    if (*hlit > MAX_HLIT || *hdist > MAX_HDIST) return 0;
    uint8_t lengths[CODE_LENGTH_SYMBOLS] = {0};
    for (int32_t i = 0; i < sent + 4; i++) {
        int32_t length = GetBits(s, 3);
        if (length < 0) return 0;
        lengths[CodeLengthOrder[i]] = (uint8_t)length;
    }
    return BuildHuffmanTable(t->codeLength, CODE_LENGTH_TABLE_SIZE, CODE_LENGTH_TABLE_BITS, CODE_LENGTH_TABLE, lengths,
                             CODE_LENGTH_SYMBOLS);
}

// Reads `total` code lengths with the code-length code.  Repeats may run
// from the literal/length lengths into the distance lengths, never past
// the total.
static int32_t ReadCodeLengths(InflateStream *s, const uint32_t *table, uint8_t *lengths, int32_t total)
{
    for (int32_t filled = 0; filled < total;) {
        uint32_t entry;
        if (!DecodeSymbol(s, table, CODE_LENGTH_TABLE_BITS, &entry)) return 0;
        DropBits(s, entry & ENTRY_DROP_MASK);
        uint32_t symbol = entry >> ENTRY_VALUE_SHIFT;
        if (symbol < REPEAT_PREVIOUS) {
            lengths[filled++] = (uint8_t)symbol;
            continue;
        }
        if (symbol == REPEAT_PREVIOUS && filled == 0) return 0; // nothing to repeat
        int32_t extra = GetBits(s, RepeatExtraBits[symbol - REPEAT_PREVIOUS]);
        int32_t repeat = RepeatBase[symbol - REPEAT_PREVIOUS] + extra;
        if (extra < 0 || repeat > total - filled) return 0;
        uint8_t value = symbol == REPEAT_PREVIOUS ? lengths[filled - 1] : 0;
        while (repeat-- > 0) lengths[filled++] = value;
    }
    return 1;
}

static int32_t InflateDynamicBlock(InflateStream *s, InflateTables *t)
{
    int32_t hlit, hdist;
    uint8_t lengths[MAX_HLIT + MAX_HDIST];
    if (!ReadCodeLengthCode(s, t, &hlit, &hdist)) return INFLATE_ERROR;
    if (!ReadCodeLengths(s, t->codeLength, lengths, hlit + hdist)) return INFLATE_ERROR;
    t->fixedBuilt = 0;
    if (!BuildLitlenTable(t, lengths, hlit)) return INFLATE_ERROR;
    if (!BuildHuffmanTable(t->distance, DISTANCE_TABLE_SIZE, DISTANCE_TABLE_BITS, DISTANCE_TABLE, lengths + hlit,
                           hdist)) {
        return INFLATE_ERROR;
    }
    return InflateCodes(s, t);
}

// Block loop: returns the number of bytes written, or -1.
static int64_t Inflate(InflateStream *s, InflateTables *t)
{
    for (;;) {
        int32_t final = GetBits(s, 1);
        int32_t type = GetBits(s, 2);
        if (final < 0 || type < 0) return -1;
        int32_t result = INFLATE_ERROR;
        if (type == 0) result = InflateStoredBlock(s);
        if (type == 1) result = InflateFixedBlock(s, t);
        if (type == 2) result = InflateDynamicBlock(s, t);
        if (result == INFLATE_ERROR) return -1;
        if (result == OUTPUT_FULL || final) break;
    }
    return (int64_t)(s->outCur - s->outStart);
}

int64_t InflateEntry(const BYTE *source, uint64_t sourceLength, BYTE *destination, uint64_t destinationLength)
{
    InflateTables *tables = (InflateTables *)HeapAlloc(GetProcessHeap(), 0, sizeof(InflateTables));
    if (!tables) return -1;
    tables->fixedBuilt = 0;
    InflateStream s = {source, source + sourceLength, 0, 0, destination, destination, destination + destinationLength};
    int64_t result = Inflate(&s, tables);
    HeapFree(GetProcessHeap(), 0, tables);
    return result;
}
