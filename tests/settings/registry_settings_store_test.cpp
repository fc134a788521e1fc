// SPDX-License-Identifier: GPL-3.0-or-later
// The registry settings store against wine's (or Windows') registry, in a key of the test's own.
#include "settings/registry_settings_store.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace parvola::test {

class RegistrySettings : public ::testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, m_key.c_str());
    }
    // The REG_SZ value under root's key as UTF-16, or "(none)".
    std::wstring Stored(HKEY root, const wchar_t* name) const {
        wchar_t text[256] = {};
        DWORD bytes = sizeof(text);
        return RegGetValueW(root, m_key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &bytes) == ERROR_SUCCESS
                   ? text
                   : L"(none)";
    }
    void PutMachineDefault(const wchar_t* name, const wchar_t* text) const {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }

    const std::string m_name = "Software\\Orvane\\Parvola-test-" + std::to_string(GetCurrentProcessId());
    const std::wstring m_key = std::wstring(m_name.begin(), m_name.end());
    RegistrySettingsStore m_store{m_name};
};

TEST_F(RegistrySettings, KeepEachValueAsTextUnderTheUsersKey) {
    struct Row {
        const char* name;
        std::string text;
        const wchar_t* stored;
    };
    const Row rows[] = {
        {"optIdx", "3", L"3"},
        {"txtNum", "", L""},
        {"DestDir", "C:\\Users\\ann\\Größe データ", L"C:\\Users\\ann\\Gr\u00f6\u00dfe \u30c7\u30fc\u30bf"},
        {"fMask", "*.*", L"*.*"},
    };
    EXPECT_EQ(m_store.ReadSetting("optIdx"), std::nullopt);
    for (const Row& row : rows) {
        m_store.WriteSetting(row.name, "overwritten");
        m_store.WriteSetting(row.name, row.text);
    }
    for (const Row& row : rows) {
        EXPECT_EQ(m_store.ReadSetting(row.name), row.text) << row.name;
        const std::wstring name(row.name, row.name + strlen(row.name));
        EXPECT_EQ(Stored(HKEY_CURRENT_USER, name.c_str()), row.stored) << row.name;
        EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, name.c_str()), L"(none)") << row.name;
    }
    // Another store on the same key sees them: nothing is held in memory.
    EXPECT_EQ(RegistrySettingsStore(m_name).ReadSetting("DestDir"), rows[2].text);
}

// The machine's values are defaults: read while the user has none of that name, never written.
TEST_F(RegistrySettings, ReadTheMachinesValueOnlyWhileTheUserHasNone) {
    PutMachineDefault(L"optLabel", L"1");
    PutMachineDefault(L"chk83", L"1");
    m_store.WriteSetting("chk83", "0");
    EXPECT_EQ(m_store.ReadSetting("optLabel"), "1");
    EXPECT_EQ(m_store.ReadSetting("chk83"), "0");
    m_store.WriteSetting("optLabel", "0");
    EXPECT_EQ(m_store.ReadSetting("optLabel"), "0");
    EXPECT_EQ(Stored(HKEY_LOCAL_MACHINE, L"optLabel"), L"1");
    EXPECT_EQ(Stored(HKEY_CURRENT_USER, L"optLabel"), L"0");
}

} // namespace parvola::test
