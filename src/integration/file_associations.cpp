#include "integration/file_associations.h"

#include "associate_ids.h"

#include <algorithm>

namespace scrv {
namespace {

constexpr std::u16string_view kOpenCommandKey = u"\\shell\\open\\command";
constexpr std::u16string_view kPrintCommandKey = u"\\shell\\print\\command";
constexpr std::u16string_view kDefaultIconKey = u"\\DefaultIcon";
constexpr std::u16string_view kOrgFileType = u"OrgFileType";
constexpr std::u16string_view kShellNew = u"ShellNew";
constexpr std::u16string_view kNullFile = u"NullFile";
constexpr std::u16string_view kPlainTextType = u"txtfile";
constexpr std::u16string_view kShellNewExtension = u"txt";

std::u16string Cut(std::u16string text, size_t capacity) {
  if (text.size() >= capacity) text.resize(capacity - 1);
  return text;
}

std::u16string Key(std::u16string_view a, std::u16string_view b = {}) {
  std::u16string k(a);
  k.append(b);
  return k;
}

std::u16string DotKey(std::u16string_view extension) {
  return Key(u".", extension);
}

// Characters a file name extension cannot hold (and that would make the registry key a path).
bool IsForbidden(char16_t c) {
  return c < 0x20 || c == u' ' ||
         std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos;
}

// "%s,%d" of the icon file and index.
std::u16string IconLocationText(const Association& a) {
  std::string index = std::to_string(a.iconIndex);
  return a.iconFile + u"," + std::u16string(index.begin(), index.end());
}

}  // namespace

std::u16string ProgIdOf(std::u16string_view extension) {
  return Key(kProgIdPrefix, extension);
}

std::u16string QuotedProgram(std::u16string_view programPath) {
  if (programPath.find(u' ') == std::u16string_view::npos) return std::u16string(programPath);
  return Key(Key(u"\"", programPath), u"\"");
}

IconLocation ParseIconLocation(std::u16string_view text) {
  size_t comma = text.rfind(u',');
  if (comma == std::u16string_view::npos) return {std::u16string(text), 0};
  IconLocation loc{std::u16string(text.substr(0, comma)), 0};
  std::u16string_view digits = text.substr(comma + 1);
  while (!digits.empty() && digits.front() == u' ') digits.remove_prefix(1);
  bool negative = !digits.empty() && digits.front() == u'-';
  if (negative || (!digits.empty() && digits.front() == u'+')) digits.remove_prefix(1);
  int64_t value = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') break;
    value = std::min<int64_t>(value * 10 + (c - u'0'), int64_t{1} << 31);
  }
  if (negative) value = -value;
  loc.index = static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
  return loc;
}

std::vector<Association> ReadAssociations(ClassesRegistry& registry,
                                          std::u16string_view programPath, const TextCase& tc) {
  std::vector<Association> list;
  for (ClassesTree tree : {ClassesTree::kMachine, ClassesTree::kUser}) {
    for (const std::u16string& name : registry.SubKeyNames(tree, kProgIdPrefix)) {
      if (!name.starts_with(kProgIdPrefix) || name.size() == kProgIdPrefix.size()) continue;
      std::optional<std::u16string> command =
          registry.ReadString(tree, Key(name, kOpenCommandKey), {});
      if (!command || !ContainsIgnoreCase(tc, *command, programPath)) continue;
      std::optional<std::u16string> icon =
          registry.ReadString(tree, Key(name, kDefaultIconKey), {});
      if (!icon || icon->empty()) continue;
      IconLocation loc = ParseIconLocation(*icon);
      Association a;
      a.extension = Cut(name.substr(kProgIdPrefix.size()), kExtensionCapacity);
      a.description = Cut(registry.ReadString(tree, name, {}).value_or(u""), kDescriptionCapacity);
      a.iconFile = Cut(std::move(loc.file), kIconFileCapacity);
      a.iconIndex = loc.index;
      a.machineWide = tree == ClassesTree::kMachine;
      list.push_back(std::move(a));
    }
  }
  return list;
}

NormalizedExtension NormalizeExtension(std::u16string_view typed, const TextCase& tc) {
  NormalizedExtension ext;
  ext.text = tc.Lower(typed);
  if (ext.text.empty() || ext.text.front() != u'.') ext.text.insert(ext.text.begin(), u'.');
  std::u16string_view rest = std::u16string_view(ext.text).substr(1);
  ext.valid = !rest.empty() && rest.front() != u'.' && rest.size() < kExtensionCapacity &&
              std::none_of(rest.begin(), rest.end(), IsForbidden);
  return ext;
}

bool IsReservedExtension(std::u16string_view extension) {
  return extension == u"exe" || extension == u"com" || extension == kWorkspaceExtension;
}

bool CanAcceptAssociation(const NormalizedExtension& ext, std::u16string_view iconFile,
                          bool iconSelected) {
  return ext.valid && !IsReservedExtension(ext.WithoutDot()) && !iconFile.empty() && iconSelected;
}

uint32_t AssociationRefusalText(const NormalizedExtension& ext, std::u16string_view iconFile,
                                bool iconSelected) {
  if (!ext.valid) return IDS_ASSOC_WHY_NO_EXTENSION;
  if (IsReservedExtension(ext.WithoutDot())) return IDS_ASSOC_WHY_RESERVED;
  if (iconFile.empty()) return IDS_ASSOC_WHY_NO_ICON_FILE;
  if (!iconSelected) return IDS_ASSOC_WHY_NO_ICON;
  return 0;
}

bool CanEditAssociation(const Association& a) {
  return a.extension != kWorkspaceExtension && !a.machineWide;
}

bool CanDeleteAssociation(const Association& a) {
  return a.extension != kWorkspaceExtension;
}

bool IsListed(const std::vector<Association>& list, std::u16string_view extension,
              const TextCase& tc) {
  return std::any_of(list.begin(), list.end(), [&](const Association& a) {
    return EqualIgnoreCase(tc, a.extension, extension);
  });
}

std::u16string FormatResourceText(std::u16string_view format, std::u16string_view text) {
  std::u16string out(format);
  size_t at = out.find(u"%s");
  if (at != std::u16string::npos) out.replace(at, 2, text);
  return out;
}

std::u16string CurrentProgId(ClassesRegistry& registry, std::u16string_view extension) {
  return registry.ReadString(ClassesTree::kMerged, DotKey(extension), {}).value_or(u"");
}

std::optional<std::u16string> ReplacedTypeName(ClassesRegistry& registry,
                                               std::u16string_view extension, const TextCase& tc) {
  std::u16string current = CurrentProgId(registry, extension);
  if (current.empty() || current.starts_with(kProgIdPrefix) ||
      EqualIgnoreCase(tc, current, kPlainTextType))
    return std::nullopt;
  std::u16string description = registry.ReadString(ClassesTree::kMerged, current, {}).value_or(u"");
  return description.empty() ? current : description;
}

bool WriteAssociation(ClassesRegistry& registry, const Association& a,
                      std::u16string_view programPath) {
  const std::u16string progId = ProgIdOf(a.extension);
  const std::u16string dotKey = DotKey(a.extension);
  const std::u16string previous = CurrentProgId(registry, a.extension);
  const std::u16string program = QuotedProgram(programPath);
  const std::u16string progIdBelowExtension = Key(dotKey + u"\\", progId);

  bool ok = registry.WriteString(dotKey, {}, progId);
  ok = registry.CreateKey(progIdBelowExtension) && ok;
  if (a.extension == kShellNewExtension)
    ok = registry.WriteString(Key(progIdBelowExtension + u"\\", kShellNew), kNullFile, u"") && ok;
  ok = registry.WriteString(progId, {}, a.description) && ok;
  if (!previous.empty() && previous != progId)
    ok = registry.WriteString(progId, kOrgFileType, previous) && ok;
  ok = registry.WriteString(Key(progId, kDefaultIconKey), {}, IconLocationText(a)) && ok;
  ok = registry.WriteString(Key(progId, kOpenCommandKey), {}, program + u" \"%1\"") && ok;
  ok = registry.WriteString(Key(progId, kPrintCommandKey), {}, program + u" /p \"%1\"") && ok;
  return ok;
}

bool RemoveAssociation(ClassesRegistry& registry, std::u16string_view extension) {
  const std::u16string progId = ProgIdOf(extension);
  const std::u16string dotKey = DotKey(extension);
  const std::u16string previous =
      registry.ReadString(ClassesTree::kUser, progId, kOrgFileType).value_or(u"");
  bool ok = registry.DeleteTree(progId);
  if (previous.empty()) return registry.DeleteTree(dotKey) && ok;
  ok = registry.WriteString(dotKey, {}, previous) && ok;
  ok = registry.DeleteTree(Key(dotKey + u"\\", progId)) && ok;
  if (extension == kShellNewExtension)
    ok = registry.WriteString(Key(dotKey + u"\\", kShellNew), kNullFile, u"") && ok;
  return ok;
}

}  // namespace scrv
