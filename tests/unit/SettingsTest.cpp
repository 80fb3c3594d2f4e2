// The settings store and the spread choices kept in it.
#include <gtest/gtest.h>

#include "ReaderSupport.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "view/Layout.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureReaderWindows();
        DeleteTestSettings();
    }
    void TearDown() override
    {
        DeleteTestSettings();
        ViewState.doublePage = 0;
        ViewState.coverPaired = 0;
    }
    void WriteRaw(const wchar_t *name, DWORD type, const void *data, DWORD size)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kTestSettingsKey, name, type, data, size);
    }
    bool Exists(const wchar_t *name)
    {
        return RegGetValueW(HKEY_CURRENT_USER, kTestSettingsKey, name, RRF_RT_ANY, NULL, NULL, NULL) ==
               ERROR_SUCCESS;
    }
};

TEST_F(SettingsTest, AbsentKeyAndValueReadAsZero)
{
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    SetSetting(L"HideThumbs", 1);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    EXPECT_EQ(GetSetting(L"HideThumbs"), 1);
}

TEST_F(SettingsTest, ValueOfAnotherTypeReadsAsZero)
{
    WriteRaw(L"DoublePage", REG_SZ, L"1", 4);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    unsigned long long big = 1;
    WriteRaw(L"CoverPaired", REG_QWORD, &big, 8);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0);
    BYTE bytes[4] = {1, 0, 0, 0};
    WriteRaw(L"HideThumbs", REG_BINARY, bytes, 4);
    EXPECT_EQ(GetSetting(L"HideThumbs"), 0);
}

TEST_F(SettingsTest, WrittenValueIsADword)
{
    SetSetting(L"NeverAskDefault", 1);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kTestSettingsKey, L"NeverAskDefault", RRF_RT_ANY, &type, &value,
                           &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, (DWORD)REG_DWORD);
    EXPECT_EQ(value, 1u);
}

TEST_F(SettingsTest, SpreadChangesWriteBothValues)
{
    SetSpreadMode(1, 0, 1);
    EXPECT_TRUE(Exists(L"DoublePage"));
    EXPECT_TRUE(Exists(L"CoverPaired"));
    EXPECT_EQ(GetSetting(L"DoublePage"), 1);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 0);
}

TEST_F(SettingsTest, TogglingTwoPagesTwiceKeepsTheCoverChoice)
{
    SetSpreadMode(0, 1, 0);
    EXPECT_FALSE(Exists(L"CoverPaired"));
    SetSpreadMode(!ViewState.doublePage, ViewState.coverPaired, 1);
    SetSpreadMode(!ViewState.doublePage, ViewState.coverPaired, 1);
    EXPECT_EQ(GetSetting(L"DoublePage"), 0);
    EXPECT_EQ(GetSetting(L"CoverPaired"), 1);
}

TEST_F(SettingsTest, StoredChoicesApplyAtStart)
{
    SetSetting(L"DoublePage", 7);
    SetSetting(L"CoverPaired", 1);
    ApplyStoredSpreadMode();
    EXPECT_EQ(ViewState.doublePage, 1);
    EXPECT_EQ(ViewState.coverPaired, 1);
    DeleteTestSettings();
    ApplyStoredSpreadMode();
    EXPECT_EQ(ViewState.doublePage, 0);
    EXPECT_EQ(ViewState.coverPaired, 0);
    EXPECT_FALSE(Exists(L"DoublePage")) << "start-up reads the choices, it does not store them";
}

} // namespace
