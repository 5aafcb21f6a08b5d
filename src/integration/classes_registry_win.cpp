#include "integration/classes_registry_win.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <vector>

#include "base/text_win.h"

namespace scrv {
namespace {

constexpr wchar_t kClasses[] = L"Software\\Classes";
// A value longer than this is not a class entry of ours and is not read.
constexpr DWORD kMaxValueBytes = 64 * 1024;
// Characters of the first read of a value: class names, commands and icon locations fit.
constexpr size_t kFirstReadChars = 520;

std::wstring UnderClasses(std::u16string_view key) {
  std::wstring path = kClasses;
  if (!key.empty()) path += L'\\' + ToW(key);
  return path;
}

HKEY RootOf(ClassesTree tree) {
  return tree == ClassesTree::kMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// A key path that names a key below the classes root (not the root, not a path that climbs).
bool IsClassKey(std::u16string_view key) {
  return !key.empty() && key.front() != u'\\';
}

char16_t Fold(char16_t c, bool upper) {
  if (upper && c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (!upper && c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  return c;
}

// Whether `name` sorts before every name that begins with `prefix` (an ASCII text), with both
// sides folded to upper or to lower case.
bool PrecedesPrefix(std::u16string_view name, std::u16string_view prefix, bool upper) {
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (i == name.size()) return true;
    char16_t a = Fold(name[i], upper), b = Fold(prefix[i], upper);
    if (a != b) return a < b;
  }
  return false;
}

bool StartsWithIgnoringCase(std::u16string_view name, std::u16string_view prefix) {
  if (name.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Fold(name[i], true) != Fold(prefix[i], true)) return false;
  return true;
}

}  // namespace

std::vector<std::u16string> WinClassesRegistry::SubKeyNames(ClassesTree tree,
                                                            std::u16string_view prefix) {
  std::vector<std::u16string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExW(RootOf(tree), UnderClasses({}).c_str(), 0,
                    KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return names;
  DWORD count = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    count = 0;
  // The two searches below probe mostly the same indexes: each name is enumerated once.
  std::map<DWORD, std::u16string> seen;
  auto nameAt = [&](DWORD i) -> const std::u16string& {
    auto [at, added] = seen.try_emplace(i);
    if (!added) return at->second;
    wchar_t name[256];
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
      at->second.assign(reinterpret_cast<const char16_t*>(name), length);
    return at->second;
  };
  // A tree of classes holds hundreds or thousands of keys; reading every name costs more than
  // the dialog itself. Subkeys are kept sorted without regard to case (Windows compares the
  // names upper-cased, Wine lower-cased), so the keys that begin with the prefix are one run,
  // found by a binary search on the enumeration index under each of the two orders.
  std::vector<DWORD> taken;
  for (bool upper : {true, false}) {
    DWORD lo = 0, hi = count;
    while (lo < hi) {
      DWORD mid = lo + (hi - lo) / 2;
      if (PrecedesPrefix(nameAt(mid), prefix, upper))
        lo = mid + 1;
      else
        hi = mid;
    }
    for (DWORD i = lo; i < count; ++i) {
      const std::u16string& name = nameAt(i);
      if (!StartsWithIgnoringCase(name, prefix)) break;
      if (std::find(taken.begin(), taken.end(), i) != taken.end()) continue;
      taken.push_back(i);
      if (name.starts_with(prefix)) names.push_back(name);
    }
  }
  RegCloseKey(key);
  return names;
}

std::optional<std::u16string> WinClassesRegistry::ReadString(ClassesTree tree,
                                                             std::u16string_view key,
                                                             std::u16string_view name) {
  // The merged view, as the classes root shows it on Windows: the user's entry where there is
  // one, else the machine's. (Wine's classes root shows the machine's tree only.)
  if (tree == ClassesTree::kMerged) {
    std::optional<std::u16string> user = ReadString(ClassesTree::kUser, key, name);
    return user ? user : ReadString(ClassesTree::kMachine, key, name);
  }
  const std::wstring path = UnderClasses(key);
  const std::wstring value = ToW(name);
  const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  // Each call opens the key anew: a buffer that fits the usual entry reads it in one call, and
  // only a longer value is asked for its size and read again.
  std::vector<wchar_t> buffer(kFirstReadChars, L'\0');
  DWORD bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
  LONG r = RegGetValueW(RootOf(tree), path.c_str(), value.c_str(), flags, nullptr, buffer.data(),
                        &bytes);
  if (r == ERROR_MORE_DATA && bytes <= kMaxValueBytes) {
    buffer.assign(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    r = RegGetValueW(RootOf(tree), path.c_str(), value.c_str(), flags, nullptr, buffer.data(),
                     &bytes);
  }
  if (r != ERROR_SUCCESS) return std::nullopt;
  buffer.back() = L'\0';
  return ToU(buffer.data());
}

bool WinClassesRegistry::WriteString(std::u16string_view key, std::u16string_view name,
                                     std::u16string_view data) {
  if (!IsClassKey(key)) return false;
  const std::wstring text = ToW(data);
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, UnderClasses(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &k, nullptr) != ERROR_SUCCESS)
    return false;
  LONG r =
      RegSetValueExW(k, ToW(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  return r == ERROR_SUCCESS;
}

bool WinClassesRegistry::CreateKey(std::u16string_view key) {
  if (!IsClassKey(key)) return false;
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, UnderClasses(key).c_str(), 0, nullptr, 0, KEY_READ,
                      nullptr, &k, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(k);
  return true;
}

bool WinClassesRegistry::DeleteTree(std::u16string_view key) {
  if (!IsClassKey(key)) return false;
  LONG r = RegDeleteTreeW(HKEY_CURRENT_USER, UnderClasses(key).c_str());
  return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
}

}  // namespace scrv
