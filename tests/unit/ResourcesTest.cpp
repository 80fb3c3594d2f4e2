// The resources built into Folivex.exe: the icon group drawn by our script,
// the version block and the manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct IconDirEntry {
    BYTE width;
    BYTE height;
    BYTE colors;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct IconDir {
    WORD reserved;
    WORD type;
    WORD count;
    IconDirEntry entries[1];
};
#pragma pack(pop)

std::wstring ProgramPath()
{
    wchar_t path[1024] = L"";
    GetEnvironmentVariableW(L"FOLIVEX_EXE", path, 1024);
    return path;
}

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = ProgramPath();
        module = LoadLibraryExW(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        if (!module) GTEST_SKIP() << "Folivex.exe is not built";
    }
    void TearDown() override
    {
        if (module) FreeLibrary(module);
    }
    std::string Resource(LPCWSTR type, LPCWSTR name)
    {
        HRSRC found = FindResourceW(module, name, type);
        if (!found) return std::string();
        const char *data = (const char *)LockResource(LoadResource(module, found));
        return std::string(data, SizeofResource(module, found));
    }
    std::wstring VersionString(const std::vector<BYTE> &block, const wchar_t *name)
    {
        std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        wchar_t *value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block.data(), query.c_str(), (void **)&value, &length)) return L"";
        return value;
    }
    std::wstring path;
    HMODULE module = NULL;
};

TEST_F(ResourcesTest, IconGroupOneHoldsFivePngImages)
{
    std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6u);
    const IconDir *dir = (const IconDir *)group.data();
    ASSERT_EQ(dir->count, 5);
    const int sizes[5] = {16, 24, 32, 48, 256};
    for (int i = 0; i < 5; i++) {
        SCOPED_TRACE(sizes[i]);
        const IconDirEntry &entry = dir->entries[i];
        EXPECT_EQ(entry.width ? entry.width : 256, sizes[i]);
        EXPECT_EQ(entry.height ? entry.height : 256, sizes[i]);
        EXPECT_EQ(entry.bitCount, 32);
        std::string image = Resource(RT_ICON, MAKEINTRESOURCEW(entry.id));
        ASSERT_GT(image.size(), 8u);
        EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        // The PNG header's own size must agree with the directory.
        const unsigned char *ihdr = (const unsigned char *)image.data() + 16;
        EXPECT_EQ((ihdr[0] << 24) | (ihdr[1] << 16) | (ihdr[2] << 8) | ihdr[3], sizes[i]);
    }
    HICON icon = (HICON)LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0);
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
}

TEST_F(ResourcesTest, VersionBlockNamesTheProgram)
{
    DWORD unused = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", (void **)&fixed, &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00000005u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);
    EXPECT_EQ(VersionString(block, L"ProductName"), L"Folivex");
    EXPECT_EQ(VersionString(block, L"FileDescription"), L"Folivex");
    EXPECT_EQ(VersionString(block, L"InternalName"), L"Folivex");
    EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"Folivex.exe");
    EXPECT_FALSE(VersionString(block, L"CompanyName").empty());
    EXPECT_FALSE(VersionString(block, L"LegalCopyright").empty());
}

TEST_F(ResourcesTest, ManifestAsksForCommonControlsSixInvokerAndDpiAwareness)
{
    std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
}

} // namespace
