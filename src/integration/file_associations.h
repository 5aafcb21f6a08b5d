#pragma once
// File associations of the editor: the shell's class entries that make files of an extension
// open in this copy of the editor. Each association is a program identifier of the editor's own,
// "scrivlet64." + extension, whose open and print commands start the editor; the extension's
// previous identifier is kept in it ("OrgFileType") and put back when the association goes.
//
// Everything is written per user, below the current user's "Software\Classes". Associations of
// the machine-wide tree are listed but only the elevated administration tool removes them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/text_case.h"

namespace scrv {

// The trees of class entries the association code reads: the user's and the machine's
// "Software\Classes", and the merged view of both (the classes root).
enum class ClassesTree { kUser, kMachine, kMerged };

// The registry as the association code sees it. Keys are paths below the tree's
// "Software\Classes"; an empty value name is the key's default value. Writes go to the user's
// tree only.
class ClassesRegistry {
 public:
  virtual ~ClassesRegistry() = default;
  // The names of the keys directly below the tree's root that begin with `prefix` (exactly,
  // case-sensitively); empty when the tree cannot be read.
  virtual std::vector<std::u16string> SubKeyNames(ClassesTree tree, std::u16string_view prefix) = 0;
  // A string value (REG_SZ or REG_EXPAND_SZ, unexpanded); nothing when the key or the value is
  // missing or holds another type.
  virtual std::optional<std::u16string> ReadString(ClassesTree tree, std::u16string_view key,
                                                   std::u16string_view name) = 0;
  // Sets a REG_SZ value, creating the key and the keys above it.
  virtual bool WriteString(std::u16string_view key, std::u16string_view name,
                           std::u16string_view data) = 0;
  virtual bool CreateKey(std::u16string_view key) = 0;
  // Deletes the key with everything below it; true when it is gone (also when it was not there).
  virtual bool DeleteTree(std::u16string_view key) = 0;
};

constexpr std::u16string_view kProgIdPrefix = u"scrivlet64.";
constexpr std::u16string_view kEditorProgram = u"scrivlet.exe";
constexpr std::u16string_view kAdminTool = u"scadmin.exe";
constexpr std::u16string_view kWorkspaceExtension = u"scworkspace";
// Capacities of the fields, in UTF-16 units including the terminator.
constexpr size_t kExtensionCapacity = 256;
constexpr size_t kDescriptionCapacity = 256;
constexpr size_t kIconFileCapacity = 260;

// One listed association.
struct Association {
  std::u16string extension;  // without the dot, lower case
  std::u16string iconFile;
  std::u16string description;
  int32_t iconIndex = 0;
  bool machineWide = false;
  friend bool operator==(const Association&, const Association&) = default;
};

std::u16string ProgIdOf(std::u16string_view extension);
// The editor as the shell's commands start it: the full path, quoted when it contains a blank.
std::u16string QuotedProgram(std::u16string_view programPath);

// "file,index" of a "DefaultIcon" value: the index after the last comma (0 without one).
struct IconLocation {
  std::u16string file;
  int32_t index = 0;
};
IconLocation ParseIconLocation(std::u16string_view text);

// The associations of both trees (the machine's first) whose open command starts the editor at
// `programPath` and that name an icon, in the order found. Keys with missing or wrong-typed
// values are skipped; texts longer than their fields are cut.
std::vector<Association> ReadAssociations(ClassesRegistry& registry,
                                          std::u16string_view programPath, const TextCase& tc);

// The properties dialog's rules.
struct NormalizedExtension {
  std::u16string text;  // lower case with a leading dot, as the edit shows it
  bool valid = false;   // something follows the dot, and nothing a file name cannot hold
  std::u16string WithoutDot() const { return text.empty() ? text : text.substr(1); }
};
NormalizedExtension NormalizeExtension(std::u16string_view typed, const TextCase& tc);
// "exe", "com" and the editor's workspaces may not be associated.
bool IsReservedExtension(std::u16string_view extensionWithoutDot);
// OK of the properties dialog is enabled.
bool CanAcceptAssociation(const NormalizedExtension& ext, std::u16string_view iconFile,
                          bool iconSelected);
// Why OK of the properties dialog is disabled: the string that says so (0 while it is enabled),
// with the rules of CanAcceptAssociation in their order.
uint32_t AssociationRefusalText(const NormalizedExtension& ext, std::u16string_view iconFile,
                                bool iconSelected);
// The list dialog's buttons for the selected association.
bool CanEditAssociation(const Association& a);
bool CanDeleteAssociation(const Association& a);
// Whether `extension` (without dot) is listed already, without regard to case.
bool IsListed(const std::vector<Association>& list, std::u16string_view extension,
              const TextCase& tc);

// The first "%s" of a resource text replaced by `text` (resource texts are never used as
// printf formats).
std::u16string FormatResourceText(std::u16string_view format, std::u16string_view text);

// The extension's current program identifier in the merged view; empty when missing.
std::u16string CurrentProgId(ClassesRegistry& registry, std::u16string_view extension);
// The name to ask about before the extension is taken from another program: the current
// identifier's description, else the identifier; nothing when there is no other program
// (none, the editor's own, or plain text files).
std::optional<std::u16string> ReplacedTypeName(ClassesRegistry& registry,
                                               std::u16string_view extension, const TextCase& tc);

// Writes the association of `a` (extension, description, icon) for the editor at
// `programPath`, keeping the extension's previous identifier. False when a key or value could
// not be written (what was written stays).
bool WriteAssociation(ClassesRegistry& registry, const Association& a,
                      std::u16string_view programPath);
// Removes the user's association of `extension`, putting the previous identifier back, or
// deleting the extension's key when there was none.
bool RemoveAssociation(ClassesRegistry& registry, std::u16string_view extension);

}  // namespace scrv
