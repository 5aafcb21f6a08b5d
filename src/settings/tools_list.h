#pragma once
// The user's external tools, which the host keeps as one binary value "Tools" in "Common".
// This library only reads the list, to offer the tools by name; what the texts, numbers and
// flags mean is the host's business, and they are carried as stored.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace scrv {

// Format words of the stored list; each later format adds fields to every tool.
constexpr uint32_t kToolsFormat0 = 0xFF0800;
constexpr uint32_t kToolsFormat1 = 0xFF0801;  // adds number B
constexpr uint32_t kToolsFormat2 = 0xFF0802;  // adds text 6, numbers C and D, flags 5 to 8

constexpr size_t kToolTitleMax = 79;
constexpr size_t kToolTextMax = 259;

struct ToolRecord {
  std::u16string title;  // longer stored texts are cut to the maximum
  std::u16string text2, text3, text4, text5, text6;
  uint32_t numberA = 0;
  // The tool's running number among the tools that have a text 5; -1 for the others.
  int32_t toolNumber = -1;
  uint32_t numberC = 0;
  uint32_t numberD = 0;
  uint32_t numberB = 0;
  // Flags 1 to 8 as 0 or 1, except flags[5] (byte 6), which is a number kept as stored.
  std::array<uint8_t, 8> flags{};
};

// Appends the tools of a stored value to tools and tells whether the value is valid: a known
// format word, and the last tool ending exactly at the end. A wrong format word appends
// nothing; bytes left over, or a field running past the end, keep the whole tools read
// before it. Nothing past size is read.
bool ParseToolsList(const uint8_t* data, size_t size, std::vector<ToolRecord>& tools);

// Numbers the tools that have a text 5 from 0 in list order; the others get -1.
void AssignToolNumbers(std::vector<ToolRecord>& tools);

// Empties tools, then reads "Tools" from "Common" (opened read-only for this one read),
// parses it and numbers the tools. Returns whether the stored value was valid.
bool LoadToolsList(SettingsStore& store, std::vector<ToolRecord>& tools);

}  // namespace scrv
