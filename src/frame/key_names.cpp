#include "frame/key_names.h"

#include <string>

namespace scrv {
namespace {

struct TableName {
  uint16_t vk;
  const char16_t* name;
};

// The table's names are ASCII, which every ANSI code page maps to the same characters.
constexpr TableName kTable[] = {
    {8, u"Backspace"}, {9, u"Tab"},       {13, u"Enter"},        {16, u"Shift"},
    {17, u"Ctrl"},     {18, u"Alt"},      {27, u"Esc"},          {32, u"Space"},
    {33, u"PageUp"},   {34, u"PageDown"}, {35, u"End"},          {36, u"Home"},
    {37, u"Left"},     {38, u"Up"},       {39, u"Right"},        {40, u"Down"},
    {45, u"Insert"},   {46, u"Delete"},   {91, u"Left Windows"}, {92, u"Right Windows"},
    {186, u";"},       {187, u"="},       {188, u","},           {189, u"-"},
    {190, u"."},       {191, u"/"},       {192, u"`"},           {219, u"["},
    {220, u"\\"},      {221, u"]"},       {222, u"'"},
};

std::u16string Ascii(const std::string& s) {
  return std::u16string(s.begin(), s.end());
}

}  // namespace

bool IsExtendedKey(uint32_t vk) {
  return vk == 3 || (vk >= 33 && vk <= 46) || (vk >= 91 && vk <= 93);
}

uint32_t KeyNameArgument(uint32_t scanCode, uint32_t vk) {
  uint32_t arg = scanCode << 16;
  if (IsExtendedKey(vk)) arg |= kExtendedKeyBit;
  return arg;
}

std::u16string FallbackKeyName(uint32_t vk) {
  if ((vk >= 48 && vk <= 57) || (vk >= 65 && vk <= 90)) return std::u16string(1, char16_t(vk));
  if (vk >= 96 && vk <= 105) return u"Num " + Ascii(std::to_string(vk - 96));
  if (vk >= 106 && vk <= 111) return std::u16string(1, char16_t(vk - 64));
  if (vk >= 112 && vk <= 135) return u"F" + Ascii(std::to_string(vk - 111));
  for (const TableName& t : kTable)
    if (t.vk == vk) return t.name;
  return u"(?)";
}

void TitleCaseKeyName(KeyNameSource& source, std::u16string& name) {
  if (name.size() < 2) return;
  for (char16_t c : name)
    if (source.IsLower(c)) return;
  bool wordStart = true;
  for (char16_t& c : name) {
    bool inWord = c == u'-' || source.IsLetterOrDigit(c);
    if (!inWord) {
      wordStart = true;
      continue;
    }
    if (!wordStart) c = source.ToLower(c);
    wordStart = false;
  }
}

std::u16string GetVirtualKeyName(KeyNameSource& source, uint32_t vk, size_t capacity) {
  if (capacity < 2) return {};
  const size_t max = capacity - 1;
  uint32_t arg = KeyNameArgument(source.ScanCode(vk), vk);
  std::u16string name = source.KeyNameText(arg);
  // Some layouts name a key only without the extended bit.
  if (name.empty() && (arg & kExtendedKeyBit)) name = source.KeyNameText(arg & ~kExtendedKeyBit);
  if (name.empty())
    name = FallbackKeyName(vk);
  else {
    if (name.size() > max) name.resize(max);
    TitleCaseKeyName(source, name);
  }
  if (name.size() > max) name.resize(max);
  return name;
}

std::u16string FormatAccelerator(KeyNameSource& source, const Accelerator& accel) {
  constexpr size_t kMax = kAcceleratorTextCapacity - 1;
  std::u16string out;
  auto name = [&](uint32_t vk) {
    if (out.size() < kMax)
      out += GetVirtualKeyName(source, vk, kAcceleratorTextCapacity - out.size());
  };
  auto plus = [&] {
    if (out.size() < kMax) out += u'+';
  };
  if (accel.flags & kAccelAlt) {
    name(kVkAlt);
    plus();
  }
  if (accel.flags & kAccelControl) {
    name(kVkControl);
    plus();
  }
  if (accel.flags & kAccelVirtKey) {
    if (accel.flags & kAccelShift) {
      name(kVkShift);
      plus();
    }
    if (accel.key != kVkShift && accel.key != kVkControl && accel.key != kVkAlt) name(accel.key);
  } else if (kAcceleratorTextCapacity - out.size() > 2 && accel.key != 0) {
    // A character key is written as itself; a zero would only end the text.
    out += static_cast<char16_t>(accel.key);
  }
  return out;
}

}  // namespace scrv
