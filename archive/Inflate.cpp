// Raw Deflate decoder (RFC 1951) for ZIP entries.
//
// Bits are read least-significant first through a 32-bit buffer.  Huffman
// codes of up to 9 bits resolve with one lookup in a direct table; longer
// codes fall back to a canonical walk over the per-length counts.  Decoding
// stops the moment the output buffer is full, which is what makes reading
// only the first bytes of an entry cheap.  All state lives on the caller's
// stack and in two tables allocated per call, so any thread may inflate at
// any time.
#include "Inflate.h"

typedef struct InflateStream {
    const BYTE *inCur;  // next unread input byte
    const BYTE *inEnd;  // one past the last input byte
    uint32_t bitBuffer; // bits not yet used, next bit in bit 0
    int32_t bitCount;   // valid bits in bitBuffer
    BYTE *outStart;
    BYTE *outCur; // next byte to write
    BYTE *outEnd; // one past the last writable byte
} InflateStream;

#define MAX_CODE_LENGTH   15
#define FAST_BITS         9
#define FAST_SIZE         (1 << FAST_BITS)
#define MAX_TABLE_SYMBOLS 320

typedef struct HuffmanTable {
    uint16_t count[MAX_CODE_LENGTH + 1]; // codes per length; count[0] = 0
    uint16_t symbol[MAX_TABLE_SYMBOLS];  // symbols by code length, then value
    uint16_t fast[FAST_SIZE];            // (symbol << 4) | length, 0 = none
} HuffmanTable;

// Block results of InflateCodes and the stored-block copy.
#define BLOCK_END     0
#define OUTPUT_FULL   1
#define INFLATE_ERROR (-1)

static const uint16_t LengthBase[29] = {
    3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258,
};
static const uint8_t LengthExtraBits[29] = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0,
};
static const uint16_t DistanceBase[30] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577,
};
static const uint8_t DistanceExtraBits[30] = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13,
};
// Order in which a dynamic block header sends the code-length code lengths.
static const uint8_t CodeLengthOrder[19] = {
    16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15,
};

// Adds whole input bytes to the bit buffer until it holds at least 25 bits
// or the input is exhausted; 25 + 7 bits still fit in 32.
static void TopUpBits(InflateStream *s)
{
    while (s->bitCount < 25 && s->inCur < s->inEnd) {
        s->bitBuffer |= (uint32_t)*s->inCur++ << s->bitCount;
        s->bitCount += 8;
    }
}

static void DropBits(InflateStream *s, int32_t n)
{
    s->bitBuffer >>= n;
    s->bitCount -= n;
}

// Takes the next n bits (0..16), or returns -1 without consuming anything
// when the input ends first.
static int32_t GetBits(InflateStream *s, int32_t n)
{
    if (s->bitCount < n) TopUpBits(s);
    if (s->bitCount < n) return -1;
    int32_t value = (int32_t)(s->bitBuffer & ((1u << n) - 1));
    DropBits(s, n);
    return value;
}

// Decodes one symbol: a single table lookup for short codes, else the
// canonical walk one bit at a time.  Returns -1 for a code that is not in
// the table or that the input ends inside.
static int32_t DecodeSymbol(InflateStream *s, const HuffmanTable *table)
{
    TopUpBits(s);
    uint32_t entry = table->fast[s->bitBuffer & (FAST_SIZE - 1)];
    if (entry != 0 && (int32_t)(entry & 15) <= s->bitCount) {
        DropBits(s, (int32_t)(entry & 15));
        return (int32_t)(entry >> 4);
    }
    // The walk keeps code >= first, so code - first is an index inside the
    // symbols of the current length.
    int32_t code = 0, first = 0, index = 0;
    for (int32_t length = 1; length <= MAX_CODE_LENGTH; length++) {
        int32_t bit = GetBits(s, 1);
        if (bit < 0) return -1;
        code |= bit;
        int32_t count = table->count[length];
        if (code - count < first) return table->symbol[index + code - first];
        index += count;
        first = (first + count) << 1;
        code <<= 1;
    }
    return -1;
}

// Reverses the low `length` bits of code: Deflate sends Huffman codes most
// significant bit first while the bit buffer delivers the oldest bit first.
static uint32_t ReverseBits(uint32_t code, int32_t length)
{
    uint32_t reversed = 0;
    for (int32_t i = 0; i < length; i++) {
        reversed = (reversed << 1) | (code & 1);
        code >>= 1;
    }
    return reversed;
}

// Builds the canonical code of n code lengths (each 0..15, n <= 320).
// Incomplete and over-subscribed sets are built as they come; the direct
// table indexes are masked to 9 bits, so neither can write out of bounds.
static void BuildHuffmanTable(HuffmanTable *table, const uint8_t *lengths, int32_t n)
{
    uint16_t offset[MAX_CODE_LENGTH + 1];
    uint32_t next[MAX_CODE_LENGTH + 1];
    for (int32_t l = 0; l <= MAX_CODE_LENGTH; l++) table->count[l] = 0;
    for (int32_t i = 0; i < n; i++) table->count[lengths[i]]++;
    table->count[0] = 0;

    offset[1] = 0;
    for (int32_t l = 1; l < MAX_CODE_LENGTH; l++) offset[l + 1] = offset[l] + table->count[l];
    for (int32_t i = 0; i < n; i++) {
        if (lengths[i] != 0) table->symbol[offset[lengths[i]]++] = (uint16_t)i;
    }

    for (int32_t i = 0; i < FAST_SIZE; i++) table->fast[i] = 0;
    uint32_t code = 0;
    next[0] = 0;
    for (int32_t l = 1; l <= MAX_CODE_LENGTH; l++) {
        code = (code + table->count[l - 1]) << 1;
        next[l] = code;
    }
    for (int32_t i = 0; i < n; i++) {
        int32_t length = lengths[i];
        if (length == 0) continue;
        uint32_t c = next[length]++;
        if (length > FAST_BITS) continue;
        uint16_t entry = (uint16_t)((i << 4) | length);
        for (uint32_t r = ReverseBits(c, length); r < FAST_SIZE; r += 1u << length) {
            table->fast[r] = entry;
        }
    }
}

// Decodes literal/length and distance symbols until the end-of-block code
// (BLOCK_END) or a full output buffer (OUTPUT_FULL).
static int InflateCodes(InflateStream *s, const HuffmanTable *lengthTable, const HuffmanTable *distanceTable)
{
    for (;;) {
        int32_t symbol = DecodeSymbol(s, lengthTable);
        if (symbol < 0) return INFLATE_ERROR;
        if (symbol < 256) {
            if (s->outCur == s->outEnd) return OUTPUT_FULL;
            *s->outCur++ = (BYTE)symbol;
            continue;
        }
        if (symbol == 256) return BLOCK_END;
        symbol -= 257;
        if (symbol >= 29) return INFLATE_ERROR;
        int32_t extra = GetBits(s, LengthExtraBits[symbol]);
        if (extra < 0) return INFLATE_ERROR;
        int32_t length = LengthBase[symbol] + extra;

        int32_t code = DecodeSymbol(s, distanceTable);
        if (code < 0 || code > 29) return INFLATE_ERROR;
        extra = GetBits(s, DistanceExtraBits[code]);
        if (extra < 0) return INFLATE_ERROR;
        uint64_t distance = (uint64_t)DistanceBase[code] + (uint64_t)extra;
        // No preset dictionary: a match reaches back only into this output.
        if (distance > (uint64_t)(s->outCur - s->outStart)) return INFLATE_ERROR;
        // Byte by byte, so an overlapping match repeats its own output.
        for (int32_t i = 0; i < length; i++) {
            if (s->outCur == s->outEnd) return OUTPUT_FULL;
            *s->outCur = *(s->outCur - distance);
            s->outCur++;
        }
    }
}

// Copies a stored block; its bytes pass through the bit buffer.  NLEN is
// read but never compared with LEN.
static int InflateStoredBlock(InflateStream *s)
{
    DropBits(s, s->bitCount % 8);
    int32_t length = GetBits(s, 16);
    if (length < 0) return INFLATE_ERROR;
    if (GetBits(s, 16) < 0) return INFLATE_ERROR;
    for (int32_t i = 0; i < length; i++) {
        int32_t b = GetBits(s, 8);
        if (b < 0) return INFLATE_ERROR;
        if (s->outCur == s->outEnd) return OUTPUT_FULL;
        *s->outCur++ = (BYTE)b;
    }
    return BLOCK_END;
}

// Fixed-code block: the tables of RFC 1951 section 3.2.6, rebuilt each time.
static int InflateFixedBlock(InflateStream *s, HuffmanTable *lengthTable, HuffmanTable *distanceTable)
{
    uint8_t lengths[288];
    int32_t i = 0;
    for (; i < 144; i++) lengths[i] = 8;
    for (; i < 256; i++) lengths[i] = 9;
    for (; i < 280; i++) lengths[i] = 7;
    for (; i < 288; i++) lengths[i] = 8;
    BuildHuffmanTable(lengthTable, lengths, 288);
    for (i = 0; i < 30; i++) lengths[i] = 5;
    BuildHuffmanTable(distanceTable, lengths, 30);
    return InflateCodes(s, lengthTable, distanceTable);
}

// Dynamic-code block: reads the code-length code (into the literal/length
// table's space), then the literal/length and distance code lengths, then
// decodes the block.  Any read that runs out of input fails the block.
static int InflateDynamicBlock(InflateStream *s, HuffmanTable *lengthTable, HuffmanTable *distanceTable)
{
    int32_t hlit = GetBits(s, 5);
    if (hlit < 0) return INFLATE_ERROR;
    int32_t hdist = GetBits(s, 5);
    if (hdist < 0) return INFLATE_ERROR;
    int32_t hclen = GetBits(s, 4);
    if (hclen < 0) return INFLATE_ERROR;
    hlit += 257;
    hdist += 1;
    hclen += 4;
    if (hlit > 286 || hdist > 30) return INFLATE_ERROR;

    uint8_t lengths[MAX_TABLE_SYMBOLS];
    for (int32_t i = 0; i < 19; i++) lengths[i] = 0;
    for (int32_t i = 0; i < hclen; i++) {
        int32_t value = GetBits(s, 3);
        if (value < 0) return INFLATE_ERROR;
        lengths[CodeLengthOrder[i]] = (uint8_t)value;
    }
    HuffmanTable *codeLengthTable = lengthTable;
    BuildHuffmanTable(codeLengthTable, lengths, 19);

    int32_t total = hlit + hdist;
    int32_t filled = 0;
    while (filled < total) {
        int32_t symbol = DecodeSymbol(s, codeLengthTable);
        if (symbol < 0) return INFLATE_ERROR;
        if (symbol < 16) {
            lengths[filled++] = (uint8_t)symbol;
            continue;
        }
        uint8_t value = 0;
        int32_t extra;
        int32_t repeat;
        if (symbol == 16) {
            if (filled == 0) return INFLATE_ERROR; // nothing to repeat
            value = lengths[filled - 1];
            extra = GetBits(s, 2);
            repeat = 3 + extra;
        } else if (symbol == 17) {
            extra = GetBits(s, 3);
            repeat = 3 + extra;
        } else {
            extra = GetBits(s, 7);
            repeat = 11 + extra;
        }
        if (extra < 0) return INFLATE_ERROR;
        if (repeat > total - filled) return INFLATE_ERROR;
        while (repeat-- > 0) lengths[filled++] = value;
    }
    BuildHuffmanTable(lengthTable, lengths, hlit);
    BuildHuffmanTable(distanceTable, lengths + hlit, hdist);
    return InflateCodes(s, lengthTable, distanceTable);
}

// Block loop: returns the number of bytes written, or -1.
static int64_t Inflate(InflateStream *s, HuffmanTable *lengthTable, HuffmanTable *distanceTable)
{
    for (;;) {
        int32_t final = GetBits(s, 1);
        if (final < 0) return -1;
        int32_t type = GetBits(s, 2);
        if (type < 0) return -1;
        int result;
        if (type == 0) {
            result = InflateStoredBlock(s);
        } else if (type == 1) {
            result = InflateFixedBlock(s, lengthTable, distanceTable);
        } else if (type == 2) {
            result = InflateDynamicBlock(s, lengthTable, distanceTable);
        } else {
            return -1;
        }
        if (result == INFLATE_ERROR) return -1;
        if (result == OUTPUT_FULL || final) break;
    }
    return (int64_t)(s->outCur - s->outStart);
}

int64_t InflateEntry(const BYTE *source, uint64_t sourceLength, BYTE *destination, uint64_t destinationLength)
{
    HuffmanTable *tables = (HuffmanTable *)HeapAlloc(GetProcessHeap(), 0, 2 * sizeof(HuffmanTable));
    if (!tables) return -1;
    InflateStream s;
    s.inCur = source;
    s.inEnd = source + sourceLength;
    s.bitBuffer = 0;
    s.bitCount = 0;
    s.outStart = destination;
    s.outCur = destination;
    s.outEnd = destination + destinationLength;
    int64_t result = Inflate(&s, &tables[0], &tables[1]);
    HeapFree(GetProcessHeap(), 0, tables);
    return result;
}
