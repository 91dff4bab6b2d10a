#include "AppInfo/StartUpSystem_win.h"

#include <gtest/gtest.h>

#include <string>

namespace vrx::test {
namespace {

// A key of the test's own under the current user, removed at the end.
class TestKey {
public:
    TestKey() {
        path_ = L"Software\\Vantorix-test-" + std::to_wstring(GetCurrentProcessId());
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                                  nullptr),
                  ERROR_SUCCESS);
    }
    ~TestKey() {
        RegCloseKey(key_);
        RegDeleteKeyW(HKEY_CURRENT_USER, path_.c_str());
    }
    void set(const wchar_t* name, DWORD type, const std::wstring& text) {
        const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        EXPECT_EQ(RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
                  ERROR_SUCCESS);
    }
    HKEY key() const { return key_; }

private:
    std::wstring path_;
    HKEY key_ = nullptr;
};

TEST(RegistryOverrides, PlainAndExpandableTextsAreReadOthersAreNot) {
    SetEnvironmentVariableW(L"VANTORIX_TEST_ROOT", L"D:\\Games");
    TestKey key;
    key.set(L"Plain", REG_SZ, L"C:\\Data\\%VANTORIX_TEST_ROOT%\\");
    key.set(L"Expandable", REG_EXPAND_SZ, L"%VANTORIX_TEST_ROOT%\\Vantorix\\");
    key.set(L"Unknown", REG_EXPAND_SZ, L"%VANTORIX_NO_SUCH_VARIABLE%\\");
    key.set(L"Several", REG_MULTI_SZ, L"C:\\Data\\");
    EXPECT_EQ(readRegistryText(key.key(), L"Plain"), "C:\\Data\\%VANTORIX_TEST_ROOT%\\");
    EXPECT_EQ(readRegistryText(key.key(), L"Expandable"), "D:\\Games\\Vantorix\\");
    EXPECT_EQ(readRegistryText(key.key(), L"Unknown"), "%VANTORIX_NO_SUCH_VARIABLE%\\");
    EXPECT_EQ(readRegistryText(key.key(), L"Several"), "");
    EXPECT_EQ(readRegistryText(key.key(), L"Missing"), "");
}

}  // namespace
}  // namespace vrx::test
