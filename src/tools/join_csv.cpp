#include "tools/join_csv.h"

#include <string>

namespace scrv {
namespace {

constexpr char16_t kJoinFlagsSetting[] = u"JoinCsvFlags";

void AppendAscii(std::u16string& out, std::string_view s) {
  for (char c : s) out += static_cast<char16_t>(c);
}

std::u16string Number(long long n) {
  std::u16string out;
  AppendAscii(out, std::to_string(n));
  return out;
}

// ":n" with the column index plus one, as the host's join addresses a column.
std::u16string ColumnReference(int32_t index) {
  return u":" + Number(int64_t{index} + 1);
}

bool NeedsQuotes(std::u16string_view name) {
  return name.find(u',') != std::u16string_view::npos ||
         name.find(u'>') != std::u16string_view::npos;
}

}  // namespace

JoinCsvModel::JoinCsvModel(std::vector<std::u16string> documentNames, JoinColumnSource columns)
    : documents_(std::move(documentNames)), columnSource_(std::move(columns)) {}

void JoinCsvModel::Load(SettingsStore& settings, const JoinCsvRecord& record) {
  flags = settings.ReadCommonDword(kJoinFlagsSetting, kJoinDefaultFlags) & kJoinOptionMask;
  first_ = {};
  second_ = {};
  if (record.firstDocument >= 0) SelectDocument(JoinSide::kFirst, record.firstDocument);
  if (record.secondDocument >= 0) SelectDocument(JoinSide::kSecond, record.secondDocument);
  BuildPairs();
}

std::u16string_view JoinCsvModel::DocumentName(int32_t document) const {
  if (document < 0 || static_cast<size_t>(document) >= documents_.size()) return {};
  return documents_[static_cast<size_t>(document)];
}

void JoinCsvModel::SelectDocument(JoinSide side, int32_t document) {
  DocumentSide& s = Side(side);
  s = {};
  if (document >= 0 && static_cast<size_t>(document) < documents_.size()) {
    s.document = document;
    if (columnSource_) s.columns = columnSource_(document);
    if (!s.columns.empty()) s.keyColumn = 0;
  }
  BuildPairs();
}

void JoinCsvModel::SelectKeyColumn(JoinSide side, int32_t column) {
  DocumentSide& s = Side(side);
  bool known = column >= 0 && static_cast<size_t>(column) < s.columns.size();
  s.keyColumn = known ? column : -1;
}

void JoinCsvModel::BuildPairs() {
  pairs_.clear();
  if (first_.document < 0 || second_.document < 0) return;
  for (size_t i = 0; i < first_.columns.size(); ++i) {
    pairs_.push_back({static_cast<uint32_t>(i), kColumnTaken});
  }
  if (second_.document == first_.document) return;
  for (size_t i = 0; i < second_.columns.size(); ++i) {
    pairs_.push_back({static_cast<uint32_t>(i), kColumnTaken | kColumnSecondDocument});
  }
}

std::u16string_view JoinCsvModel::RowDocument(size_t row) const {
  if (row >= pairs_.size()) return {};
  const DocumentSide& s = (pairs_[row].flags & kColumnSecondDocument) ? second_ : first_;
  return DocumentName(s.document);
}

std::u16string_view JoinCsvModel::RowColumn(size_t row) const {
  if (row >= pairs_.size()) return {};
  const DocumentSide& s = (pairs_[row].flags & kColumnSecondDocument) ? second_ : first_;
  uint32_t column = pairs_[row].column;
  return column < s.columns.size() ? std::u16string_view(s.columns[column]) : u"";
}

bool JoinCsvModel::RowChecked(size_t row) const {
  return row < pairs_.size() && (pairs_[row].flags & kColumnTaken) != 0;
}

void JoinCsvModel::SetRowChecked(size_t row, bool checked) {
  if (row >= pairs_.size()) return;
  if (checked) {
    pairs_[row].flags |= kColumnTaken;
  } else {
    pairs_[row].flags &= ~kColumnTaken;
  }
}

void JoinCsvModel::SwapRows(size_t a, size_t b) {
  if (a >= pairs_.size() || b >= pairs_.size()) return;
  std::swap(pairs_[a], pairs_[b]);
}

bool JoinCsvModel::CanJoin() const {
  return first_.document >= 0 && second_.document >= 0;
}

JoinCsvRecord JoinCsvModel::Collect(SettingsStore& settings) const {
  settings.WriteCommonDword(kJoinFlagsSetting, flags);
  JoinCsvRecord record;
  record.flags = flags;
  record.firstDocument = first_.document;
  record.firstKeyColumn = first_.keyColumn;
  record.secondDocument = second_.document;
  record.secondKeyColumn = second_.keyColumn;
  return record;
}

std::u16string JoinCsvModel::PairText() const {
  std::u16string text;
  bool firstPair = true;
  for (size_t row = 0; row < pairs_.size(); ++row) {
    if (!(pairs_[row].flags & kColumnTaken)) continue;
    if (!firstPair) text += u',';
    firstPair = false;
    std::u16string_view name = RowDocument(row);
    if (NeedsQuotes(name)) {
      text += u'"';
      text += name;
      text += u'"';
    } else {
      text += name;
    }
    text += u'>';
    text += u":" + Number(int64_t{pairs_[row].column} + 1);
  }
  return text;
}

std::u16string JoinCsvModel::MacroStatement(MacroLanguage language) const {
  const bool js = language == MacroLanguage::kJavaScript;
  std::u16string names;
  if (flags & kJoinSimpleMerge) {
    AppendAscii(names, "scJoinSimpleMerge");
  } else {
    for (const JoinOptionBox& box : kJoinOptionBoxes) {
      if (!(flags & box.bit)) continue;
      if (!names.empty()) AppendAscii(names, js ? " | " : " Or ");
      AppendAscii(names, box.macroName);
    }
    if (names.empty()) names = u"0";
  }
  const bool merge = (flags & kJoinSimpleMerge) != 0;
  auto literal = [language](std::u16string_view text) {
    return MacroStringLiteral(text, language);
  };

  std::u16string out = u"editor.Join";
  out += js ? u"(" : u" ";
  out += names;
  out += u',' + literal(DocumentName(first_.document));
  out += u',' + literal(merge ? u"" : ColumnReference(first_.keyColumn));
  out += u',' + literal(DocumentName(second_.document));
  out += u',' + literal(merge ? u"" : ColumnReference(second_.keyColumn));
  out += u',' + literal(PairText());
  out += js ? u");\r\n" : u"\r\n";
  return out;
}

std::vector<uint8_t> JoinCsvModel::MacroFile(MacroLanguage language) const {
  std::u16string statement = MacroStatement(language);
  std::vector<uint8_t> bytes = {0xFF, 0xFE};
  bytes.reserve(2 + statement.size() * 2);
  for (char16_t c : statement) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
}

}  // namespace scrv
