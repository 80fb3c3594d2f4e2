// ZIP central-directory reader on generated archives, normal and damaged.
#include "ArchiveTestSupport.h"

#include "archive/ZipReader.h"

#include <string.h>

// One archive read into a fresh book; the bytes stay alive with the book
// because the entries point into them.
struct ZipFixture {
    std::vector<BYTE> bytes;
    ComicBook* book = 0;
    int result = -1;

    explicit ZipFixture(const char* file) {
        bytes = ReadFixture(file);
        book = NewEmptyBook();
        result = ReadZipDirectory(book, bytes.data(), bytes.size());
    }
    ~ZipFixture() { FreeComicBook(book); }

    std::string Name(int i) const { return Utf8(book->entries[i].name); }
    // The entry's data lies inside the archive and starts with bytes.
    bool DataStartsWith(int i, const char* prefix, size_t length) const {
        const ArchiveEntry& e = book->entries[i];
        if (e.data < bytes.data() || e.data + length > bytes.data() + bytes.size()) return false;
        return memcmp(e.data, prefix, length) == 0;
    }
};

static const char PngSignature[] = "\x89PNG\r\n\x1a\n";

TEST(ReadZipDirectory, ListsImageEntriesInDirectoryOrder) {
    ZipFixture zip("zip/basic.zip");
    ASSERT_EQ(0, zip.result);
    ASSERT_EQ(3, zip.book->entryCount);
    EXPECT_EQ("page10.png", zip.Name(0));
    EXPECT_EQ("page2.png", zip.Name(1));
    EXPECT_EQ("Page1.png", zip.Name(2));
    EXPECT_EQ(8u, zip.book->entries[0].method);
    EXPECT_EQ(0u, zip.book->entries[1].method);
    EXPECT_EQ(8u, zip.book->entries[2].method);
    // Stored data is served from the archive bytes, right after the local header.
    EXPECT_TRUE(zip.DataStartsWith(1, PngSignature, 8));
    EXPECT_EQ(zip.book->entries[1].packedSize, zip.book->entries[1].unpackedSize);
    EXPECT_LT(zip.book->entries[0].packedSize, zip.book->entries[0].unpackedSize + 20);
    // Every field the reader does not own stays zero.
    for (int i = 0; i < 3; i++) {
        const ArchiveEntry& e = zip.book->entries[i];
        EXPECT_EQ(0, e.width);
        EXPECT_EQ(0, e.height);
        EXPECT_EQ(nullptr, e.ownedData);
        EXPECT_EQ(nullptr, e.archivePath);
        EXPECT_EQ(0u, e.undecodable);
    }
}

TEST(ReadZipDirectory, FindsTheEndRecordWithinTheLongestCommentOnly) {
    EXPECT_EQ(0, ZipFixture("zip/comment-65535.zip").result);
    EXPECT_EQ(0, ZipFixture("zip/end-at-limit.zip").result);
    EXPECT_EQ(4, ZipFixture("zip/end-too-far.zip").result);
}

TEST(ReadZipDirectory, EmptyArchiveOfTwentyTwoBytesHasNoImage) {
    ZipFixture empty("zip/empty.zip");
    ASSERT_EQ(22u, empty.bytes.size());
    EXPECT_EQ(1, empty.result);
    EXPECT_NE(nullptr, empty.book->entries);   // allocated even for no entry
    EXPECT_EQ(0, empty.book->entryCount);
    ZipFixture shorter("zip/short.zip");
    ASSERT_EQ(21u, shorter.bytes.size());
    EXPECT_EQ(4, shorter.result);
}

TEST(ReadZipDirectory, ReadsZip64CountsThroughTheLocator) {
    ZipFixture zip("zip/zip64-locator.zip");
    ASSERT_EQ(0, zip.result);
    ASSERT_EQ(2, zip.book->entryCount);
    EXPECT_EQ("p1.png", zip.Name(0));
    EXPECT_EQ("p2.png", zip.Name(1));
    // Without the locator the 16-bit count 65535 stays and fails the
    // directory-size check.
    EXPECT_EQ(4, ZipFixture("zip/zip64-no-locator.zip").result);
}

TEST(ReadZipDirectory, ZipRecordOffsetsNearTheTopOfTheRangeDoNotWrap) {
    EXPECT_EQ(4, ZipFixture("zip/zip64-huge-offset.zip").result);
    EXPECT_EQ(4, ZipFixture("zip/zip64-record-past-end.zip").result);
}

TEST(ReadZipDirectory, TakesSaturatedFieldsFromZip64ExtraBlocks) {
    ZipFixture zip("zip/zip64-extra.zip");
    ASSERT_EQ(0, zip.result);
    ASSERT_EQ(1, zip.book->entryCount);
    EXPECT_EQ(101u, zip.book->entries[0].packedSize);
    EXPECT_EQ(101u, zip.book->entries[0].unpackedSize);
    EXPECT_TRUE(zip.DataStartsWith(0, PngSignature, 8));
}

TEST(ReadZipDirectory, ShortOrOverrunningZip64BlocksLeaveTheFieldAsRead) {
    ZipFixture shortBlock("zip/zip64-extra-short.zip");
    ASSERT_EQ(0, shortBlock.result);
    EXPECT_EQ(0xFFFFFFFFu, shortBlock.book->entries[0].unpackedSize);
    ZipFixture overrun("zip/zip64-extra-overrun.zip");
    ASSERT_EQ(0, overrun.result);
    EXPECT_EQ(0xFFFFFFFFu, overrun.book->entries[0].unpackedSize);
    // Every ZIP64 block is examined: the second one wins.
    ZipFixture twice("zip/zip64-extra-twice.zip");
    ASSERT_EQ(0, twice.result);
    EXPECT_EQ(101u, twice.book->entries[0].unpackedSize);
}

TEST(ReadZipDirectory, DecodesNamesFromCodePage437OrUtf8ByFlag) {
    ZipFixture zip("zip/names.zip");
    ASSERT_EQ(0, zip.result);
    ASSERT_EQ(3, zip.book->entryCount);
    EXPECT_EQ(0x00E9, (int)(unsigned short)zip.book->entries[0].name[3]);
    EXPECT_EQ(0, zip.book->entries[0].name[8]);
    EXPECT_EQ("caf\xc3\xa9.png", zip.Name(0));
    EXPECT_EQ("th\xc3\xa9.png", zip.Name(1));
    // UTF-8 bytes without the flag are read as two code page 437 characters.
    EXPECT_EQ("tea\xe2\x94\x9c\xe2\x8c\x90.png", zip.Name(2));
}

TEST(ReadZipDirectory, DataFollowsTheLocalHeadersOwnLengths) {
    ZipFixture zip("zip/local-extra.zip");
    ASSERT_EQ(0, zip.result);
    EXPECT_TRUE(zip.DataStartsWith(0, PngSignature, 8));
    EXPECT_EQ(zip.bytes.data() + 30 + 6 + 100, zip.book->entries[0].data);
}

TEST(ReadZipDirectory, OneDamagedCentralHeaderRejectsTheArchive) {
    EXPECT_EQ(4, ZipFixture("zip/damaged-central.zip").result);
}

TEST(ReadZipDirectory, RejectsDirectoriesOutsideTheFile) {
    EXPECT_EQ(4, ZipFixture("zip/directory-outside.zip").result);
    EXPECT_EQ(4, ZipFixture("zip/directory-too-long.zip").result);
    EXPECT_EQ(4, ZipFixture("zip/too-many-entries.zip").result);
}

TEST(ReadZipDirectory, SkipsMacFoldersAndDotFiles) {
    ZipFixture zip("zip/macosx.zip");
    ASSERT_EQ(0, zip.result);
    ASSERT_EQ(1, zip.book->entryCount);
    EXPECT_EQ("chap/page1.png", zip.Name(0));
}

TEST(ReadZipDirectory, EncryptedImagesAreDroppedAndReportedWhenAlone) {
    EXPECT_EQ(2, ZipFixture("zip/encrypted-only.zip").result);
    ZipFixture mixed("zip/encrypted-plus-plain.zip");
    ASSERT_EQ(0, mixed.result);
    ASSERT_EQ(1, mixed.book->entryCount);
    EXPECT_EQ("p2.png", mixed.Name(0));
    // An encrypted entry that is not an image does not count.
    EXPECT_EQ(1, ZipFixture("zip/encrypted-text-only.zip").result);
}

TEST(ReadZipDirectory, KeepsEntriesOfOtherMethods) {
    ZipFixture zip("zip/method-other.zip");
    ASSERT_EQ(0, zip.result);
    ASSERT_EQ(1, zip.book->entryCount);
    EXPECT_EQ(12u, zip.book->entries[0].method);
}

TEST(ReadZipDirectory, DropsEntriesWhoseLocalHeaderOrDataIsMissing) {
    ZipFixture missing("zip/local-missing.zip");
    ASSERT_EQ(0, missing.result);
    ASSERT_EQ(1, missing.book->entryCount);
    EXPECT_EQ("p2.png", missing.Name(0));
    ZipFixture pastEnd("zip/data-past-end.zip");
    ASSERT_EQ(0, pastEnd.result);
    ASSERT_EQ(1, pastEnd.book->entryCount);
    EXPECT_EQ("p2.png", pastEnd.Name(0));
    EXPECT_EQ(1, ZipFixture("zip/local-at-end.zip").result);
}

TEST(ReadZipDirectory, ShortBuffersAreDamaged) {
    ComicBook* book = NewEmptyBook();
    const BYTE end[22] = {0x50, 0x4B, 0x05, 0x06};
    EXPECT_EQ(4, ReadZipDirectory(book, end, 21));
    EXPECT_EQ(4, ReadZipDirectory(book, end, 0));
    FreeComicBook(book);
    book = NewEmptyBook();
    EXPECT_EQ(1, ReadZipDirectory(book, end, 22));
    FreeComicBook(book);
}
