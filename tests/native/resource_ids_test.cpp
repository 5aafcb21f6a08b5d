// Every string of the localisation module has a number of its own. Two names on one number that
// both have a text in the scripts leave the resource compiler to keep one of the two texts
// without a word; a name that only borrows another's number (its text defined once, under the
// other name) is fine.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::filesystem::path> FilesIn(const char* folder, const char* extension) {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path dir = std::filesystem::path(SCRV_SOURCE_DIR) / folder;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    if (e.path().extension() == extension) files.push_back(e.path());
  return files;
}

TEST(ResourceIds, EveryStringWithATextHasANumberOfItsOwn) {
  std::set<std::string> withText;  // names given a text in a string table of the scripts
  const std::regex entry(R"(^\s+(IDS_\w+)\s+")");
  for (const auto& rc : FilesIn("resources/scrvloc", ".rc")) {
    std::istringstream lines(ReadAll(rc));
    for (std::string line; std::getline(lines, line);)
      if (std::smatch m; std::regex_search(line, m, entry)) withText.insert(m[1]);
  }
  ASSERT_GT(withText.size(), 300u);  // the scripts were found and read

  std::map<long, std::vector<std::string>> byNumber;
  const std::regex define(R"(^#define\s+(IDS_\w+)\s+(\d+))");
  for (const auto& h : FilesIn("resources/ids", ".h")) {
    std::istringstream lines(ReadAll(h));
    for (std::string line; std::getline(lines, line);)
      if (std::smatch m; std::regex_search(line, m, define) && withText.count(m[1]))
        byNumber[std::stol(m[2])].push_back(m[1]);
  }
  for (const auto& [number, names] : byNumber) {
    std::string all;
    for (const auto& n : names) all += n + " ";
    EXPECT_EQ(names.size(), 1u) << "string " << number << " has texts under " << all;
  }
}

}  // namespace
