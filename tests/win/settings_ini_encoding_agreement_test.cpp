// The portable INI encodings against the system's own profile functions: what
// WritePrivateProfileStructW writes must be what EncodeIniBinary produces, byte for byte in
// the file, and each side must accept what the other wrote; the same for "%d" DWORD text.

#include <gtest/gtest.h>

#include <cstdio>

#include "base/text_win.h"
#include "settings/ini_encoding.h"
#include "test_support.h"

using namespace testing_support;

namespace {

class IniEncodingAgreement : public ::testing::Test {
 protected:
  std::wstring SystemFile() const { return folder.File(L"system.ini"); }
  std::wstring OursFile() const { return folder.File(L"ours.ini"); }
  std::wstring Text(const std::wstring& file, const wchar_t* key) const {
    return folder.IniText(file == SystemFile() ? L"system.ini" : L"ours.ini", L"S", key);
  }
  void WriteOurs(const wchar_t* key, const std::u16string& text) {
    ASSERT_TRUE(WritePrivateProfileStringW(L"S", key, scrv::ToW(text).c_str(), OursFile().c_str()));
  }
  void ExpectSameFiles() {
    EXPECT_EQ(folder.ReadBytes(L"system.ini"), folder.ReadBytes(L"ours.ini"));
  }

  AppFolder folder{false, false};
};

// A null buffer asks the profile function to delete the value: even no bytes need an address.
uint8_t* Address(const std::vector<uint8_t>& data) {
  static uint8_t none = 0;
  return data.empty() ? &none : const_cast<uint8_t*>(data.data());
}

std::vector<std::vector<uint8_t>> Samples() {
  std::vector<std::vector<uint8_t>> samples = {{}, {0x01, 0x02}, {0xFF}, {0x80, 0x80}};
  std::vector<uint8_t> every(256);
  for (int i = 0; i < 256; ++i) every[i] = static_cast<uint8_t>(i);
  samples.push_back(every);
  std::vector<uint8_t> noise(301);
  uint32_t x = 12345;
  for (auto& b : noise) b = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 24);
  samples.push_back(noise);
  return samples;
}

TEST_F(IniEncodingAgreement, BinaryTextIsTheSystemsToTheByte) {
  auto samples = Samples();
  for (size_t i = 0; i < samples.size(); ++i) {
    const auto& data = samples[i];
    std::wstring key = L"K" + std::to_wstring(i);
    ASSERT_TRUE(WritePrivateProfileStructW(L"S", key.c_str(), Address(data),
                                           static_cast<UINT>(data.size()), SystemFile().c_str()));
    std::u16string ours = scrv::EncodeIniBinary(data.data(), data.size());
    EXPECT_EQ(Text(SystemFile(), key.c_str()), scrv::ToW(ours)) << "sample " << i;
    WriteOurs(key.c_str(), ours);
  }
  ExpectSameFiles();
}

TEST_F(IniEncodingAgreement, EachSideDecodesWhatTheOtherWrote) {
  auto samples = Samples();
  for (size_t i = 0; i < samples.size(); ++i) {
    const auto& data = samples[i];
    ASSERT_TRUE(WritePrivateProfileStructW(L"S", L"Sys", Address(data),
                                           static_cast<UINT>(data.size()), SystemFile().c_str()));
    auto decoded = scrv::DecodeIniBinary(scrv::ToU(Text(SystemFile(), L"Sys")), data.size());
    ASSERT_TRUE(decoded) << "sample " << i;
    EXPECT_EQ(*decoded, data) << "sample " << i;

    WriteOurs(L"Ours", scrv::EncodeIniBinary(data.data(), data.size()));
    std::vector<uint8_t> back(data.size() + 1, 0xEE);
    EXPECT_TRUE(GetPrivateProfileStructW(L"S", L"Ours", back.data(), static_cast<UINT>(data.size()),
                                         OursFile().c_str()))
        << "sample " << i;
    back.pop_back();
    EXPECT_EQ(back, data) << "sample " << i;
  }
}

TEST_F(IniEncodingAgreement, BothRefuseABrokenChecksum) {
  const uint8_t data[3] = {0x10, 0x20, 0x30};
  std::u16string text = scrv::EncodeIniBinary(data, 3);
  ASSERT_EQ(text, u"10203060");
  text.back() = u'1';
  WriteOurs(L"Broken", text);
  uint8_t back[3];
  EXPECT_FALSE(GetPrivateProfileStructW(L"S", L"Broken", back, 3, OursFile().c_str()));
  EXPECT_FALSE(scrv::DecodeIniBinary(text, 3));
}

TEST_F(IniEncodingAgreement, DwordTextIsTheSystemsSignedDecimal) {
  const uint32_t values[] = {0, 1, 42, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 3000000000u};
  for (uint32_t v : values) {
    std::wstring key = L"D" + std::to_wstring(v);
    wchar_t formatted[16];
    wsprintfW(formatted, L"%d", v);
    ASSERT_TRUE(WritePrivateProfileStringW(L"S", key.c_str(), formatted, SystemFile().c_str()));
    WriteOurs(key.c_str(), scrv::EncodeIniDword(v));
    EXPECT_EQ(GetPrivateProfileIntW(L"S", key.c_str(), 7, OursFile().c_str()), v) << v;
    EXPECT_EQ(scrv::ParseIniDword(scrv::ToU(Text(SystemFile(), key.c_str())), 7), v) << v;
  }
  ExpectSameFiles();
}

TEST_F(IniEncodingAgreement, QwordTextIsTheSystemsUnsignedDecimal) {
  const uint64_t values[] = {0, 1, 0x100000000ull, 0xFFFFFFFFFFFFFFFFull};
  for (uint64_t v : values) {
    std::wstring key = L"Q" + std::to_wstring(v);
    wchar_t formatted[32];
    wsprintfW(formatted, L"%I64u", v);
    ASSERT_TRUE(WritePrivateProfileStringW(L"S", key.c_str(), formatted, SystemFile().c_str()));
    WriteOurs(key.c_str(), scrv::EncodeIniQword(v));
  }
  ExpectSameFiles();
}

}  // namespace
