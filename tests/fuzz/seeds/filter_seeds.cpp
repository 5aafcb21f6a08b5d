// Writes the seed corpora of filter_file_fuzz and filter_block_fuzz with the library's own
// writers. Not part of any build; run once after a format change:
//   g++ -std=c++20 -Isrc tests/fuzz/seeds/filter_seeds.cpp build/native/libscrvcore.a -o /tmp/seeds
//   /tmp/seeds tests/fuzz/corpus/filter_file_fuzz tests/fuzz/corpus/filter_block_fuzz
#include <cstdio>
#include <string>
#include <vector>
#include "tools/filter_block.h"
#include "tools/filter_file.h"
using namespace scrv;
using namespace filter_flag;
static void Write(const std::string& path, const std::vector<uint8_t>& b) {
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(b.data(), 1, b.size(), f);
  std::fclose(f);
}
static FilterCondition Make(uint64_t flags, int32_t col, int32_t s, int32_t e, std::u16string t) {
  FilterCondition c;
  c.flags = flags;
  c.column = col;
  c.rangeStart = s;
  c.rangeEnd = e;
  c.text = t;
  return c;
}
int main(int, char** argv) {
  std::string fileDir = argv[1], blockDir = argv[2];
  std::vector<FilterCondition> list = {
      Make(kEnabled | kCase | kOnlyWord, -1, 0, -1, u"first"),
      Make(kRegExp | kMatchNL | kCrLf | kLfOnly | kBookmarkedOnly, 2, 0, -1, u"^a.*b$"),
      Make(kEnabled | kNumberRange | kHostOnly, -2, 4, 99, u"[1 , 5]"),
      Make(kEnabled | kEscSeq | kNegative | kWholeString | kLogicalOr | kUnbookmarkedOnly, 0, -1,
           -1, u"caf\u00e9 \\t \"q\" \x01"),
  };
  Write(fileDir + "/full_utf16_bom",
        EncodeFilterFileText(FormatFilterLines(list, FilterFileFormat::kFull)));
  std::vector<uint8_t> plain =
      EncodeFilterFileText(FormatFilterLines(list, FilterFileFormat::kPlain));
  Write(fileDir + "/plain_utf16_nobom", std::vector<uint8_t>(plain.begin() + 2, plain.end()));
  std::u16string mixed =
      u"on\tx\t1\tCR\t0\t-1\rkey\tvalue\tmore\nplain line\r\n\r\noff\t\t-2\t0123\t-1\t7";
  std::vector<uint8_t> ansi;
  for (char16_t c : mixed) ansi.push_back(static_cast<uint8_t>(c));
  ansi.push_back(0xE9);
  Write(fileDir + "/mixed_ansi", ansi);
  std::u16string longTab(254, u'y');
  longTab += u"\tafter tab\r\n";
  longTab += std::u16string(300, u'z') + u"\tnot split";
  Write(fileDir + "/long_first_field", EncodeFilterFileText(longTab));

  Write(blockDir + "/one_record", EncodeFilterBlock(std::vector<FilterCondition>{list[0]}));
  std::vector<uint8_t> two = EncodeFilterBlock(std::vector<FilterCondition>{list[2], list[3]});
  two.resize(two.size() + 100, 0x5A);
  two[0] = 0xFF;
  two[7] = 0xFF;  // flags the dialog does not hand back
  Write(blockDir + "/two_records_and_rest", two);
  std::vector<uint8_t> unterminated = EncodeFilterBlock(std::vector<FilterCondition>{list[1]});
  for (size_t i = kFilterRecordTextOffset; i < unterminated.size(); i += 2) unterminated[i] = 'w';
  Write(blockDir + "/unterminated_text", unterminated);
  Write(blockDir + "/short", std::vector<uint8_t>(100, 1));
}
