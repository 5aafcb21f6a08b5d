#include "settings/settings_report.h"

#include <string>

#include "settings_ids.h"

namespace scrv {
namespace {

std::u16string Decimal(uint64_t v) {
  return DecimalText(v);
}

std::u16string DescribeRecord(int64_t elements) {
  if (elements == ReportEntry::kNoFile) return u"(none)";
  if (elements == ReportEntry::kUnreadableFile) return u"(unreadable)";
  return Decimal(static_cast<uint64_t>(elements)) + u" elements";
}

std::u16string TypeName(EntryType t) {
  switch (t) {
    case EntryType::kDword:
      return u"DWORD";
    case EntryType::kQword:
      return u"QWORD";
    case EntryType::kString:
      return u"string";
    case EntryType::kStringList:
      return u"string list";
    case EntryType::kBinary:
      return u"binary value";
  }
  return {};
}

// Why the reader refused a line, in a few words of the file's own terms.
std::u16string ProblemText(FileProblem p) {
  switch (p) {
    case FileProblem::kNotUtf8:
      return u"not UTF-8 text";
    case FileProblem::kNotAnEntry:
      return u"not \"name = type value\"";
    case FileProblem::kBadName:
      return u"not a setting's name";
    case FileProblem::kUnknownType:
      return u"an unknown type";
    case FileProblem::kBadNumber:
      return u"not a number of its type";
    case FileProblem::kBadText:
      return u"a text that is not closed or has an unknown escape";
    case FileProblem::kBadHex:
      return u"binary data that is not pairs of hexadecimal digits";
    case FileProblem::kOutsideSection:
      return u"outside any section";
    case FileProblem::kUnknownSection:
      return u"an unknown section, skipped";
    case FileProblem::kRecordLine:
      return u"a line that is no element of a record";
    case FileProblem::kRecordNotEnded:
      return u"no \"end\" line";
    default:
      return u"unreadable";
  }
}

}  // namespace

std::u16string DecimalText(uint64_t v) {
  const std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

std::u16string DescribeValue(const EntryValue& v) {
  switch (v.type) {
    case EntryType::kDword:
    case EntryType::kQword:
      return Decimal(v.number);
    case EntryType::kString:
      return u"\"" + v.text + u"\"";
    case EntryType::kStringList: {
      std::u16string out;
      for (const std::u16string& item : v.items)
        out += (out.empty() ? u"\"" : u", \"") + item + u"\"";
      return out.empty() ? u"(empty)" : out;
    }
    case EntryType::kBinary: {
      static constexpr char16_t kHex[] = u"0123456789abcdef";
      std::u16string out;
      for (size_t i = 0; i < v.bytes.size() && i < 16; ++i) {
        out += kHex[v.bytes[i] >> 4];
        out += kHex[v.bytes[i] & 15];
      }
      if (v.bytes.size() > 16) out += u"\u2026 (" + Decimal(v.bytes.size()) + u" bytes)";
      return out.empty() ? u"(empty)" : out;
    }
  }
  return {};
}

std::u16string FillIn(std::u16string_view format, const std::vector<std::u16string>& args) {
  std::u16string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] == u'%' && i + 1 < format.size()) {
      const char16_t c = format[i + 1];
      if (c == u'%') {
        out += u'%';
        ++i;
        continue;
      }
      if (c >= u'1' && c <= u'4') {
        const size_t n = static_cast<size_t>(c - u'1');
        if (n < args.size()) out += args[n];
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

ReportText DescribeReport(const ImportPlan& plan, const ReportStrings& strings,
                          const ValueText& describe) {
  ReportText r;
  auto shown = [&](const ReportEntry& e, const EntryValue& v) {
    return describe ? describe(e.name, v) : DescribeValue(v);
  };
  size_t keptOut = 0;
  for (const ReportEntry& e : plan.entries) {
    const std::u16string line = Decimal(e.line);
    auto add = [&](uint32_t id, std::u16string third = {}, std::u16string fourth = {}) {
      r.lines.push_back(FillIn(strings(id), {e.name, line, std::move(third), std::move(fourth)}));
    };
    if (e.kind != ReportKind::kChange) ++keptOut;
    switch (e.kind) {
      case ReportKind::kChange:
        if (e.record)
          add(IDS_ST_RECORD_CHANGE, DescribeRecord(e.wasElements),
              DescribeRecord(e.becomesElements));
        else
          add(IDS_ST_CHANGE, e.was ? shown(e, *e.was) : u"(none)", shown(e, e.becomes));
        break;
      case ReportKind::kLeftOut:
        add(IDS_ST_LEFT_OUT);
        break;
      case ReportKind::kUnknown:
        add(e.record ? IDS_ST_UNKNOWN_RECORD : IDS_ST_UNKNOWN);
        break;
      case ReportKind::kReplaced:
        add(IDS_ST_REPLACED, Decimal(e.replacedBy));
        break;
      case ReportKind::kUnreadable:
        // A value's line names the value when the line gave its name.
        add(e.record          ? IDS_ST_RECORD_REFUSED
            : e.name.empty() ? IDS_ST_LINE_REFUSED
                             : IDS_ST_VALUE_REFUSED,
            ProblemText(e.problem));
        break;
      case ReportKind::kRefused:
        switch (e.reason) {
          case RefusalReason::kWrongType:
            add(IDS_ST_WRONG_TYPE, TypeName(e.expected));
            break;
          case RefusalReason::kOutOfRange:
            add(IDS_ST_OUT_OF_RANGE, Decimal(e.limit));
            break;
          case RefusalReason::kTooLong:
            add(IDS_ST_TOO_LONG, Decimal(e.limit));
            break;
          case RefusalReason::kControlText:
            add(IDS_ST_CONTROL_TEXT);
            break;
          case RefusalReason::kNotARecord:
          case RefusalReason::kNone:
            add(IDS_ST_NOT_A_RECORD);
            break;
        }
        break;
    }
  }
  r.summary = plan.Changes() || keptOut
                  ? FillIn(strings(IDS_ST_SUMMARY), {Decimal(plan.Changes()), Decimal(keptOut)})
                  : strings(IDS_ST_NOTHING);
  if (plan.newerVersion) r.newer = FillIn(strings(IDS_ST_NEWER), {Decimal(plan.version)});
  return r;
}

}  // namespace scrv
