// The PDF engine (pdfium.dll built from the WebAssembly module) through its
// exported interface, against the documents of tests/fixtures/pdf_fixtures.py.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "view/Pdfium.h"

// Test hooks of our pdfium.dll, outside PDFium's interface.
extern "C" {
unsigned long long FPDF_CALLCONV FolivexEngine_MemoryBytes(void);
int FPDF_CALLCONV FolivexEngine_ForceTrap(int kind);
int FPDF_CALLCONV FolivexEngine_UsesGuardPages(void);
}

namespace {

// Layout of report.pdf and links.pdf, as the generator writes them.
const double kA4Width = 595, kA4Height = 842;
const int kLeft = 72, kHeadingY = 770, kBodyTop = 720, kBodyStep = 20;

std::string FixturePath(const char* name) {
  const char* dir = std::getenv("FOLIVEX_FIXTURES");
  return std::string(dir ? dir : ".") + "\\" + name;
}

std::vector<unsigned char> ReadFixture(const char* name) {
  std::vector<unsigned char> data;
  FILE* f = std::fopen(FixturePath(name).c_str(), "rb");
  if (!f) return data;
  std::fseek(f, 0, SEEK_END);
  long size = std::ftell(f);
  std::fseek(f, 0, SEEK_SET);
  data.resize(size > 0 ? size : 0);
  if (size > 0 && std::fread(data.data(), 1, size, f) != (size_t)size) data.clear();
  std::fclose(f);
  return data;
}

// A loaded fixture; the bytes outlive the document, as the engine reads them
// on demand.
struct Doc {
  std::vector<unsigned char> bytes;
  FPDF_DOCUMENT doc = nullptr;
};

bool Open(Doc& d, const char* name, const char* password = nullptr) {
  d.bytes = ReadFixture(name);
  d.doc = FPDF_LoadMemDocument64(d.bytes.data(), d.bytes.size(), password);
  return d.doc != nullptr;
}

void Close(Doc& d) {
  if (d.doc) FPDF_CloseDocument(d.doc);
  d.doc = nullptr;
}

class PdfEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { FPDF_InitLibrary(); }
  static void TearDownTestSuite() { FPDF_DestroyLibrary(); }
};

bool IsDark(const unsigned char* p) { return p[0] < 100 && p[1] < 100 && p[2] < 100; }
bool IsWhite(const unsigned char* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }

// Dark pixels of a BGRx buffer inside [x0, x1) x [y0, y1).
int DarkPixels(const unsigned char* bits, int stride, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y < y1; y++)
    for (int x = x0; x < x1; x++) n += IsDark(bits + (size_t)y * stride + x * 4);
  return n;
}

// Renders page `index` into a new white bitmap of width x height.
FPDF_BITMAP RenderToBitmap(FPDF_DOCUMENT doc, int index, int width, int height, int flags) {
  FPDF_PAGE page = FPDF_LoadPage(doc, index);
  if (!page) return nullptr;
  FPDF_BITMAP bitmap = FPDFBitmap_Create(width, height, 0);
  if (bitmap) {
    FPDFBitmap_FillRect(bitmap, 0, 0, width, height, 0xFFFFFFFF);
    FPDF_RenderPageBitmap(bitmap, page, 0, 0, width, height, 0, flags);
  }
  FPDF_ClosePage(page);
  return bitmap;
}

TEST_F(PdfEngine, PageCountsAndSizesInPoints) {
  Doc report, mixed, longDoc;
  ASSERT_TRUE(Open(report, "report.pdf"));
  EXPECT_EQ(FPDF_GetPageCount(report.doc), 10);
  double w = 0, h = 0;
  ASSERT_TRUE(FPDF_GetPageSizeByIndex(report.doc, 9, &w, &h));
  EXPECT_DOUBLE_EQ(w, kA4Width);
  EXPECT_DOUBLE_EQ(h, kA4Height);
  EXPECT_FALSE(FPDF_GetPageSizeByIndex(report.doc, 10, &w, &h));
  EXPECT_FALSE(FPDF_GetPageSizeByIndex(report.doc, -1, &w, &h));
  EXPECT_EQ(FPDF_LoadPage(report.doc, 10), nullptr);

  ASSERT_TRUE(Open(mixed, "mixed.pdf"));
  const double sizes[5][2] = {{595, 842}, {842, 595}, {612, 792}, {420, 595}, {300, 300}};
  ASSERT_EQ(FPDF_GetPageCount(mixed.doc), 5);
  for (int i = 0; i < 5; i++) {
    ASSERT_TRUE(FPDF_GetPageSizeByIndex(mixed.doc, i, &w, &h));
    EXPECT_DOUBLE_EQ(w, sizes[i][0]) << "page " << i;
    EXPECT_DOUBLE_EQ(h, sizes[i][1]) << "page " << i;
  }

  ASSERT_TRUE(Open(longDoc, "long.pdf"));
  EXPECT_EQ(FPDF_GetPageCount(longDoc.doc), 5000);
  ASSERT_TRUE(FPDF_GetPageSizeByIndex(longDoc.doc, 4999, &w, &h));
  EXPECT_DOUBLE_EQ(w, 200);
  EXPECT_DOUBLE_EQ(h, 100);
  Close(report);
  Close(mixed);
  Close(longDoc);
}

TEST_F(PdfEngine, RendersWhitePaperAndDarkText) {
  Doc report;
  ASSERT_TRUE(Open(report, "report.pdf"));
  // One pixel per point: page y (up) = 842 - row.
  FPDF_BITMAP bitmap = RenderToBitmap(report.doc, 0, 595, 842, FPDF_ANNOT | FPDF_LCD_TEXT);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(FPDFBitmap_GetStride(bitmap), 595 * 4);
  EXPECT_EQ(FPDFBitmap_GetWidth(bitmap), 595);
  EXPECT_EQ(FPDFBitmap_GetHeight(bitmap), 842);
  auto* bits = static_cast<const unsigned char*>(FPDFBitmap_GetBuffer(bitmap));
  ASSERT_NE(bits, nullptr);
  int stride = 595 * 4;
  // The heading "Page 1" sits on baseline 770, from x = 72.
  int headingRow = 842 - kHeadingY;
  EXPECT_GT(DarkPixels(bits, stride, kLeft, headingRow - 18, kLeft + 80, headingRow), 100);
  // The lower half of the page and the margins are empty paper.
  EXPECT_EQ(DarkPixels(bits, stride, 0, 500, 595, 842), 0);
  EXPECT_EQ(DarkPixels(bits, stride, 0, 0, 60, 842), 0);
  EXPECT_TRUE(IsWhite(bits + 700 * stride + 300 * 4));
  FPDFBitmap_Destroy(bitmap);
  Close(report);
}

TEST_F(PdfEngine, RendersLandscapePage) {
  Doc doc;
  ASSERT_TRUE(Open(doc, "landscape.pdf"));
  double w = 0, h = 0;
  ASSERT_TRUE(FPDF_GetPageSizeByIndex(doc.doc, 0, &w, &h));
  EXPECT_DOUBLE_EQ(w, 842);
  EXPECT_DOUBLE_EQ(h, 595);
  FPDF_BITMAP bitmap = RenderToBitmap(doc.doc, 0, 842, 595, FPDF_ANNOT | FPDF_LCD_TEXT);
  ASSERT_NE(bitmap, nullptr);
  auto* bits = static_cast<const unsigned char*>(FPDFBitmap_GetBuffer(bitmap));
  int row = 595 - 500;  // "Landscape" on baseline y = 500
  EXPECT_GT(DarkPixels(bits, 842 * 4, kLeft, row - 18, kLeft + 110, row), 100);
  EXPECT_EQ(DarkPixels(bits, 842 * 4, 0, 200, 842, 595), 0);
  FPDFBitmap_Destroy(bitmap);
  Close(doc);
}

TEST_F(PdfEngine, PasswordsAndUnreadableFiles) {
  Doc user, owner, empty, garbage;
  EXPECT_FALSE(Open(user, "user-password.pdf"));
  EXPECT_EQ(FPDF_GetLastError(), (unsigned long)FPDF_ERR_PASSWORD);
  ASSERT_TRUE(Open(user, "user-password.pdf", "secret"));
  EXPECT_EQ(FPDF_GetPageCount(user.doc), 10);

  ASSERT_TRUE(Open(owner, "owner-only.pdf"));
  EXPECT_EQ(FPDF_GetPageCount(owner.doc), 10);

  EXPECT_FALSE(Open(empty, "empty.pdf"));
  EXPECT_NE(FPDF_GetLastError(), (unsigned long)FPDF_ERR_PASSWORD);
  EXPECT_NE(FPDF_GetLastError(), (unsigned long)FPDF_ERR_SUCCESS);

  const char junk[] = "%PDF-1.7\nthis is not a document";
  EXPECT_EQ(FPDF_LoadMemDocument64(junk, sizeof junk - 1, nullptr), nullptr);
  EXPECT_EQ(FPDF_GetLastError(), (unsigned long)FPDF_ERR_FORMAT);
  Close(user);
  Close(owner);
}

// Matches of `what` on one page: (first index, count) in search order.
std::vector<std::pair<int, int>> Find(FPDF_TEXTPAGE text, const wchar_t* what) {
  std::vector<std::pair<int, int>> found;
  FPDF_SCHHANDLE search = FPDFText_FindStart(text, (FPDF_WIDESTRING)what, 0, 0);
  if (!search) return found;
  while (FPDFText_FindNext(search))
    found.emplace_back(FPDFText_GetSchResultIndex(search), FPDFText_GetSchCount(search));
  FPDFText_FindClose(search);
  return found;
}

TEST_F(PdfEngine, TextSearchIsCaseInsensitiveInPageOrder) {
  Doc report;
  ASSERT_TRUE(Open(report, "report.pdf"));
  const int expected[10] = {0, 1, 0, 0, 2, 0, 0, 0, 1, 0};
  for (int i = 0; i < 10; i++) {
    FPDF_PAGE page = FPDF_LoadPage(report.doc, i);
    ASSERT_NE(page, nullptr);
    FPDF_TEXTPAGE text = FPDFText_LoadPage(page);
    ASSERT_NE(text, nullptr);
    auto found = Find(text, L"needle");
    EXPECT_EQ((int)found.size(), expected[i]) << "page " << i + 1;
    if (i == 4) {
      // "needle" on body line 2, "NEEDLE" on line 6: both, in page order,
      // each six characters, each boxed on its own line in page space.
      ASSERT_EQ(found.size(), 2u);
      EXPECT_LT(found[0].first, found[1].first);
      const int lines[2] = {2, 6};
      for (int m = 0; m < 2; m++) {
        EXPECT_EQ(found[m].second, 6);
        ASSERT_GE(FPDFText_CountRects(text, found[m].first, found[m].second), 1);
        double left, top, right, bottom;
        ASSERT_TRUE(FPDFText_GetRect(text, 0, &left, &top, &right, &bottom));
        double baseline = kBodyTop - kBodyStep * lines[m];
        EXPECT_GT(left, kLeft);
        EXPECT_LT(left, 400);
        EXPECT_GT(right, left + 20);
        EXPECT_GT(top, baseline + 4);
        EXPECT_LT(top, baseline + 14);
        EXPECT_GT(bottom, baseline - 4);
        EXPECT_LT(bottom, top);
      }
    }
    EXPECT_TRUE(Find(text, L"haystack").empty());
    FPDFText_ClosePage(text);
    FPDF_ClosePage(page);
  }
  Close(report);
}

TEST_F(PdfEngine, LinksAndUriBytes) {
  Doc doc;
  ASSERT_TRUE(Open(doc, "links.pdf"));
  FPDF_PAGE page = FPDF_LoadPage(doc.doc, 0);
  ASSERT_NE(page, nullptr);
  std::string uris[7] = {"https://example.com/a", "HTTP://EXAMPLE.COM/B",
                         "mailto:someone@example.com", "ftp://example.com/f", "docs/readme.html"};
  uris[5] = "https://example.com/" + std::string(2047 - 20, 'a');
  uris[6] = "https://example.com/" + std::string(2048 - 20, 'b');
  for (int i = 0; i < 7; i++) {
    double x = kLeft + 150, y = 700 - 40 * i + 10;  // centre of link box i
    FPDF_LINK link = FPDFLink_GetLinkAtPoint(page, x, y);
    ASSERT_NE(link, nullptr) << "link " << i;
    FPDF_ACTION action = FPDFLink_GetAction(link);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(FPDFAction_GetType(action), (unsigned long)PDFACTION_URI);
    char buffer[2048];
    std::memset(buffer, 0x55, sizeof buffer);
    unsigned long length = FPDFAction_GetURIPath(doc.doc, action, buffer, sizeof buffer);
    EXPECT_EQ(length, uris[i].size() + 1) << "link " << i;
    if (uris[i].size() + 1 <= sizeof buffer) {
      EXPECT_EQ(std::string(buffer), uris[i]);
    } else {
      // Too long for the buffer: nothing is copied.
      EXPECT_EQ((unsigned char)buffer[0], 0x55);
    }
    EXPECT_EQ(FPDFAction_GetURIPath(doc.doc, action, nullptr, 0), uris[i].size() + 1);
  }
  // The GoTo link is a link, but not a URI.
  FPDF_LINK go = FPDFLink_GetLinkAtPoint(page, kLeft + 150, 700 - 40 * 7 + 10);
  ASSERT_NE(go, nullptr);
  FPDF_ACTION goAction = FPDFLink_GetAction(go);
  if (goAction) {
    EXPECT_NE(FPDFAction_GetType(goAction), (unsigned long)PDFACTION_URI);
  }
  // Between boxes and outside them: no link.
  EXPECT_EQ(FPDFLink_GetLinkAtPoint(page, kLeft + 150, 700 - 40 * 0 - 10), nullptr);
  EXPECT_EQ(FPDFLink_GetLinkAtPoint(page, 20, 20), nullptr);
  FPDF_ClosePage(page);
  Close(doc);
}

TEST_F(PdfEngine, PageAndDeviceCoordinates) {
  Doc report;
  ASSERT_TRUE(Open(report, "report.pdf"));
  FPDF_PAGE page = FPDF_LoadPage(report.doc, 0);
  ASSERT_NE(page, nullptr);
  int dx = 0, dy = 0;
  ASSERT_TRUE(FPDF_PageToDevice(page, 0, 0, 1190, 1684, 0, 72, 770, &dx, &dy));
  EXPECT_EQ(dx, 144);
  EXPECT_EQ(dy, (842 - 770) * 2);
  double px = 0, py = 0;
  ASSERT_TRUE(FPDF_DeviceToPage(page, 10, 20, 595, 842, 0, 10 + 100, 20 + 42, &px, &py));
  EXPECT_NEAR(px, 100, 0.5);
  EXPECT_NEAR(py, 800, 0.5);
  FPDF_ClosePage(page);
  Close(report);
}

struct CountingPause : IFSDK_PAUSE {
  int calls = 0;
};

FPDF_BOOL AlwaysPause(IFSDK_PAUSE* pause) {
  static_cast<CountingPause*>(pause)->calls++;
  return 1;
}

TEST_F(PdfEngine, ProgressiveRenderPausesAndResumesToSamePixels) {
  Doc doc;
  ASSERT_TRUE(Open(doc, "dense.pdf"));
  const int w = 595, h = 842;
  FPDF_BITMAP whole = RenderToBitmap(doc.doc, 0, w, h, FPDF_ANNOT);
  ASSERT_NE(whole, nullptr);

  FPDF_PAGE page = FPDF_LoadPage(doc.doc, 0);
  FPDF_BITMAP steps = FPDFBitmap_Create(w, h, 0);
  FPDFBitmap_FillRect(steps, 0, 0, w, h, 0xFFFFFFFF);
  CountingPause pause;
  pause.version = 1;
  pause.NeedToPauseNow = AlwaysPause;
  pause.user = nullptr;
  int status = FPDF_RenderPageBitmap_Start(steps, page, 0, 0, w, h, 0, FPDF_ANNOT, &pause);
  EXPECT_EQ(status, FPDF_RENDER_TOBECONTINUED);
  int rounds = 0;
  while (status == FPDF_RENDER_TOBECONTINUED && rounds < 100000) {
    status = FPDF_RenderPage_Continue(page, &pause);
    rounds++;
  }
  EXPECT_EQ(status, FPDF_RENDER_DONE);
  EXPECT_GT(rounds, 1);
  EXPECT_GT(pause.calls, 1);
  FPDF_RenderPage_Close(page);
  EXPECT_EQ(std::memcmp(FPDFBitmap_GetBuffer(steps), FPDFBitmap_GetBuffer(whole), (size_t)w * h * 4), 0);

  // A pause record of an unknown version is refused.
  pause.version = 2;
  EXPECT_EQ(FPDF_RenderPageBitmap_Start(steps, page, 0, 0, w, h, 0, FPDF_ANNOT, &pause),
            FPDF_RENDER_FAILED);
  FPDF_RenderPage_Close(page);
  FPDF_ClosePage(page);
  FPDFBitmap_Destroy(steps);
  FPDFBitmap_Destroy(whole);
  Close(doc);
}

// A 32-bit top-down DIB section selected into a memory DC, filled with grey.
struct MemoryCanvas {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
  unsigned char* bits = nullptr;
  int width = 0, height = 0;
};

bool MakeCanvas(MemoryCanvas& c, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  c.dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  c.bitmap = CreateDIBSection(c.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!c.dc || !c.bitmap) return false;
  c.old = SelectObject(c.dc, c.bitmap);
  c.bits = static_cast<unsigned char*>(bits);
  c.width = width, c.height = height;
  std::memset(c.bits, 0x80, (size_t)width * height * 4);
  return true;
}

void FreeCanvas(MemoryCanvas& c) {
  SelectObject(c.dc, c.old);
  DeleteObject(c.bitmap);
  DeleteDC(c.dc);
}

TEST_F(PdfEngine, RenderPageOntoMemoryDeviceContextInBands) {
  Doc report;
  ASSERT_TRUE(Open(report, "report.pdf"));
  FPDF_PAGE page = FPDF_LoadPage(report.doc, 0);
  ASSERT_NE(page, nullptr);
  // 2480 x 3508 (A4 at 300 dpi) is 35 MB: drawn in several bands.
  const int w = 2480, h = 3508;
  MemoryCanvas canvas;
  ASSERT_TRUE(MakeCanvas(canvas, w, h));
  FPDF_RenderPage(canvas.dc, page, 0, 0, w, h, 0, FPDF_ANNOT | FPDF_PRINTING);
  GdiFlush();
  FPDF_BITMAP reference = FPDFBitmap_Create(w, h, 0);
  ASSERT_NE(reference, nullptr);
  FPDFBitmap_FillRect(reference, 0, 0, w, h, 0xFFFFFFFF);
  FPDF_RenderPageBitmap(reference, page, 0, 0, w, h, 0, FPDF_ANNOT | FPDF_PRINTING);
  auto* ref = static_cast<const unsigned char*>(FPDFBitmap_GetBuffer(reference));
  int differing = 0;
  for (size_t i = 0; i < (size_t)w * h; i++)
    differing += std::memcmp(canvas.bits + i * 4, ref + i * 4, 3) != 0;
  EXPECT_EQ(differing, 0);
  EXPECT_TRUE(IsWhite(canvas.bits + ((size_t)(h - 10) * w + w / 2) * 4));
  int headingRow = (842 - kHeadingY) * h / 842;
  EXPECT_GT(DarkPixels(canvas.bits, w * 4, kLeft * w / 595, headingRow - 60, 700, headingRow), 1000);
  FPDFBitmap_Destroy(reference);
  FreeCanvas(canvas);
  FPDF_ClosePage(page);
  Close(report);
}

TEST_F(PdfEngine, RenderPageRotatedAndOntoMetafile) {
  Doc doc;
  ASSERT_TRUE(Open(doc, "landscape.pdf"));
  FPDF_PAGE page = FPDF_LoadPage(doc.doc, 0);
  ASSERT_NE(page, nullptr);
  // A landscape page turned a quarter clockwise fills a portrait box; its
  // heading (top left of the page) ends up along the right edge.
  MemoryCanvas canvas;
  ASSERT_TRUE(MakeCanvas(canvas, 595, 842));
  FPDF_RenderPage(canvas.dc, page, 0, 0, 595, 842, 1, FPDF_ANNOT | FPDF_PRINTING);
  GdiFlush();
  EXPECT_GT(DarkPixels(canvas.bits, 595 * 4, 595 - 120, 50, 595, 250), 100);
  EXPECT_EQ(DarkPixels(canvas.bits, 595 * 4, 0, 0, 300, 842), 0);
  FreeCanvas(canvas);

  // Onto an enhanced metafile, then played back.
  HDC meta = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(meta, nullptr);
  FPDF_RenderPage(meta, page, 0, 0, 842, 595, 0, FPDF_ANNOT);
  HENHMETAFILE emf = CloseEnhMetaFile(meta);
  ASSERT_NE(emf, nullptr);
  EXPECT_GT(GetEnhMetaFileBits(emf, 0, nullptr), 842u * 595u * 3);
  MemoryCanvas played;
  ASSERT_TRUE(MakeCanvas(played, 842, 595));
  RECT all = {0, 0, 842, 595};
  ENHMETAHEADER header;
  GetEnhMetaFileHeader(emf, sizeof header, &header);
  all.right = header.rclBounds.right + 1;
  all.bottom = header.rclBounds.bottom + 1;
  EXPECT_TRUE(PlayEnhMetaFile(played.dc, emf, &all));
  GdiFlush();
  int row = 595 - 500;
  EXPECT_GT(DarkPixels(played.bits, 842 * 4, kLeft, row - 18, kLeft + 110, row), 100);
  DeleteEnhMetaFile(emf);
  FreeCanvas(played);
  FPDF_ClosePage(page);
  Close(doc);
}

// A caller-supplied reader over a byte vector, counting its reads.
struct VectorReader {
  FPDF_FILEACCESS access;
  const std::vector<unsigned char>* bytes;
  int reads = 0;
};

int ReadBlock(void* param, unsigned long position, unsigned char* buffer, unsigned long size) {
  auto* reader = static_cast<VectorReader*>(param);
  reader->reads++;
  if ((unsigned long long)position + size > reader->bytes->size()) return 0;
  std::memcpy(buffer, reader->bytes->data() + position, size);
  return 1;
}

TEST_F(PdfEngine, CustomDocumentIsReadOnDemand) {
  std::vector<unsigned char> bytes = ReadFixture("long.pdf");
  ASSERT_FALSE(bytes.empty());
  VectorReader reader;
  reader.bytes = &bytes;
  reader.access.m_FileLen = (unsigned long)bytes.size();
  reader.access.m_GetBlock = ReadBlock;
  reader.access.m_Param = &reader;
  FPDF_DOCUMENT doc = FPDF_LoadCustomDocument(&reader.access, nullptr);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(FPDF_GetPageCount(doc), 5000);
  int readsAfterOpen = reader.reads;
  EXPECT_GT(readsAfterOpen, 0);
  FPDF_PAGE page = FPDF_LoadPage(doc, 4321);
  ASSERT_NE(page, nullptr);
  EXPECT_GT(reader.reads, readsAfterOpen);  // the page's objects came later
  FPDF_ClosePage(page);
  FPDF_CloseDocument(doc);
}

TEST_F(PdfEngine, RenderPageHonoursOffsetsBeyondTheDeviceContext) {
  Doc report;
  ASSERT_TRUE(Open(report, "report.pdf"));
  FPDF_PAGE page = FPDF_LoadPage(report.doc, 0);
  ASSERT_NE(page, nullptr);
  // The page at twice the canvas size, shifted up and left: only the part
  // that falls on the canvas is drawn, exactly as a bitmap render shows it.
  const int w = 595, h = 842;
  MemoryCanvas canvas;
  ASSERT_TRUE(MakeCanvas(canvas, w, h));
  FPDF_RenderPage(canvas.dc, page, -100, -40, 2 * w, 2 * h, 0, FPDF_ANNOT);
  GdiFlush();
  FPDF_BITMAP reference = FPDFBitmap_Create(w, h, 0);
  FPDFBitmap_FillRect(reference, 0, 0, w, h, 0xFFFFFFFF);
  FPDF_RenderPageBitmap(reference, page, -100, -40, 2 * w, 2 * h, 0, FPDF_ANNOT);
  auto* ref = static_cast<const unsigned char*>(FPDFBitmap_GetBuffer(reference));
  int differing = 0;
  for (size_t i = 0; i < (size_t)w * h; i++)
    differing += std::memcmp(canvas.bits + i * 4, ref + i * 4, 3) != 0;
  EXPECT_EQ(differing, 0);
  EXPECT_GT(DarkPixels(canvas.bits, w * 4, 0, 0, w, 200), 1000);
  FPDFBitmap_Destroy(reference);
  FreeCanvas(canvas);
  FPDF_ClosePage(page);
  Close(report);
}

TEST_F(PdfEngine, DamagedDocumentsFailOrRenderWithoutHarm) {
  std::vector<unsigned char> original = ReadFixture("report.pdf");
  ASSERT_FALSE(original.empty());
  unsigned seed = 12345;
  for (int round = 0; round < 40; round++) {
    std::vector<unsigned char> bytes = original;
    if (round % 4 == 0) bytes.resize(bytes.size() * (round + 1) / 41);  // truncated
    for (int k = 0; k < 20; k++) {
      seed = seed * 1103515245u + 12345u;
      bytes[(seed >> 8) % bytes.size()] = (unsigned char)(seed >> 24);
    }
    FPDF_DOCUMENT doc = FPDF_LoadMemDocument64(bytes.data(), bytes.size(), nullptr);
    if (!doc) continue;
    int count = FPDF_GetPageCount(doc);
    for (int i = 0; i < count && i < 3; i++) {
      FPDF_BITMAP bitmap = RenderToBitmap(doc, i, 120, 170, FPDF_ANNOT);
      if (bitmap) FPDFBitmap_Destroy(bitmap);
    }
    FPDF_CloseDocument(doc);
  }
  // Whatever happened above, the engine still opens a sound document.
  Doc report;
  ASSERT_TRUE(Open(report, "report.pdf"));
  EXPECT_EQ(FPDF_GetPageCount(report.doc), 10);
  Close(report);
}

TEST_F(PdfEngine, DocumentBytesStayInCallersMemory) {
  Doc small, large;
  ASSERT_TRUE(Open(small, "report.pdf"));
  unsigned long long before = FolivexEngine_MemoryBytes();
  ASSERT_GT(before, 0u);
  ASSERT_TRUE(Open(large, "large-stream.pdf"));
  ASSERT_GT(large.bytes.size(), 24u << 20);
  FPDF_BITMAP bitmap = RenderToBitmap(large.doc, 0, 100, 141, FPDF_ANNOT);
  ASSERT_NE(bitmap, nullptr);
  FPDFBitmap_Destroy(bitmap);
  unsigned long long after = FolivexEngine_MemoryBytes();
  EXPECT_LT(after - before, large.bytes.size() / 4);
  Close(large);
  Close(small);
}

TEST_F(PdfEngine, TrapsAreContainedAndTheEngineStartsAfresh) {
  for (int kind = 0; kind < 3; kind++) {
    SCOPED_TRACE(kind);
    Doc first;
    ASSERT_TRUE(Open(first, "report.pdf"));
    FPDF_PAGE page = FPDF_LoadPage(first.doc, 0);
    ASSERT_NE(page, nullptr);
    FPDF_BITMAP bitmap = FPDFBitmap_Create(50, 50, 0);
    ASSERT_NE(bitmap, nullptr);
    if (kind == 0) {
      EXPECT_EQ(FolivexEngine_UsesGuardPages(), 1);
    }

    EXPECT_EQ(FolivexEngine_ForceTrap(kind), 0);
    // Every call fails cleanly now.
    EXPECT_EQ(FPDF_GetPageCount(first.doc), 0);
    EXPECT_EQ(FPDF_LoadPage(first.doc, 1), nullptr);
    EXPECT_EQ(FPDFText_LoadPage(page), nullptr);
    EXPECT_EQ(FPDFBitmap_GetBuffer(bitmap), nullptr);
    EXPECT_EQ(FPDF_RenderPageBitmap_Start(bitmap, page, 0, 0, 50, 50, 0, 0, nullptr),
              FPDF_RENDER_FAILED);
    EXPECT_EQ(FPDF_GetLastError(), (unsigned long)FPDF_ERR_UNKNOWN);
    Doc second;
    EXPECT_FALSE(Open(second, "mixed.pdf"));  // the old document is still open

    FPDFBitmap_Destroy(bitmap);
    FPDF_ClosePage(page);
    Close(first);
    ASSERT_TRUE(Open(second, "mixed.pdf"));
    EXPECT_EQ(FPDF_GetPageCount(second.doc), 5);
    FPDF_BITMAP again = RenderToBitmap(second.doc, 0, 60, 85, FPDF_ANNOT);
    EXPECT_NE(again, nullptr);
    FPDFBitmap_Destroy(again);
    Close(second);
  }
}

TEST_F(PdfEngine, StaleHandlesAreRefused) {
  Doc doc;
  ASSERT_TRUE(Open(doc, "report.pdf"));
  FPDF_PAGE page = FPDF_LoadPage(doc.doc, 0);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(FolivexEngine_ForceTrap(1), 0);
  FPDF_DOCUMENT old = doc.doc;
  FPDF_ClosePage(page);
  Close(doc);
  Doc fresh;
  ASSERT_TRUE(Open(fresh, "report.pdf"));
  EXPECT_EQ(FPDF_GetPageCount(old), 0);
  EXPECT_EQ(FPDF_LoadPage(old, 0), nullptr);
  EXPECT_EQ(FPDF_GetPageCount(fresh.doc), 10);
  Close(fresh);
}

}  // namespace
