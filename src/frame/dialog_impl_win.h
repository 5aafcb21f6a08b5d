#pragma once
// The frame of every dialog and property page: one message decoder over one resizer, the
// theme's colours and help. A plain dialog declares what the frame needs and overrides the
// handlers it wants:
//
//   enum { IDD = 145 };                                    the template
//   static constexpr Anchor kAnchors[] = {...};            controls laid out on resizing
//   static constexpr const char16_t* kPlacementKey = u"JumpDlgPos";
//   static constexpr uint32_t kResizeMode = 1;             1 width, 2 height, 3 both
//   static constexpr uint32_t kHelpTopic = 7040;
//
//   BOOL OnInitDialog() override;                          fill the controls from the model
//   bool OnCommand(int id, int code, HWND control) override;
//   void OnOK() override;                                  write the model back, then end
//
// Every declaration but IDD may be left out (no anchors, no placement, not resizable, no
// help). A property page (property_page_win.h) is the same frame with the sheet's
// notifications decoded besides. The frame decodes the common messages once:
//   - WM_INITDIALOG: a dialog sets up the resizer and restores its placement, then OnInitDialog
//     runs (TRUE: the system sets the focus; FALSE: the dialog set it); a page takes its
//     anchors after OnInitDialog, against its size then.
//   - WM_COMMAND calls OnCommand; its default runs OnOK for IDOK and OnCancel for IDCANCEL,
//     which end the dialog with IDOK and IDCANCEL. A dialog's own OnCommand handles its
//     controls and returns the base's answer for the rest.
//   - WM_NOTIFY calls OnNotify (nothing handled by default).
//   - The check list's SLM_CHECKLIST calls OnCheckList with its code (check_list_win.h).
//   - WM_SIZE: the resizer lays the anchored controls out, then OnLayout runs (a list refits
//     its columns there).
// Before the decoded handlers a message goes to the frame's own handling (the resizer's
// messages, placement saved at WM_DESTROY, help on F1 and on the caption's help button,
// dark-theme colours of edit fields and lists and, in the dark theme, of the face and every
// other control: see control_look_win.h) and then to the hooks of the dialog's controls
// (AddParentHook). A message none of them knows is left to the dialog's ProcessWindowMessage:
// override it for the rare ones and call the base first.

#include <cstdint>
#include <optional>
#include <span>

#include "frame/control_look_win.h"
#include "frame/dialog_appearance_win.h"
#include "frame/dialog_resizer_win.h"
#include "frame/window_win.h"
#include "settings/app_settings_win.h"

namespace scrv {

// What a dialog or page tells the frame about itself.
struct FrameTraits {
  UINT templateId = 0;
  UINT helpTopic = 0;
  std::span<const Anchor> anchors;
  const char16_t* placementKey = nullptr;
  uint32_t resizeMode = 0;
  bool page = false;  // a property page: a child of its sheet
  // A fixed dialog (a message box): no resizing engine, so no grip, no placement; the dialog
  // places itself.
  bool fixed = false;
};

class CDialogFrame : public CDialogBase {
 public:
  explicit CDialogFrame(FrameTraits traits) : traits_(traits) {}
  ~CDialogFrame() override;

  // The decoded handlers.
  virtual BOOL OnInitDialog() { return TRUE; }
  virtual bool OnCommand(int id, int code, HWND control);
  virtual bool OnNotify(int /*id*/, NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // The check list's message: `code` one of its kCl codes, `lParam` as the list sent it.
  virtual LRESULT OnCheckList(UINT /*code*/, LPARAM /*lParam*/) { return 0; }
  // After the resizer has laid the controls out for a new size.
  virtual void OnLayout() {}
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // F1, the caption's help button or the sheet's Help: the help topic, when there is one.
  virtual void OnHelp();

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override;

  UINT TemplateId() const { return traits_.templateId; }
  // The icon of the about and opening dialogs, in static control 1920.
  void SetDialogIcon();

 protected:
  // Whether the dark theme is on: read when a dialog opens, given by the sheet to a page.
  bool DarkTheme() const { return dark_; }
  void SetDark(bool dark);
  DarkFace& Face() { return face_; }
  // A page's anchors, given before its dialog exists.
  void SetAnchors(std::span<const Anchor> anchors) { traits_.anchors = anchors; }
  // A page's notifications from its sheet, before OnNotify (property_page_win.h).
  virtual bool OnSheetNotify(NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

 private:
  bool FrameMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void AttachResizer();
  HBRUSH OnCtlColor(HDC dc, HWND control);
  void OnColoursChanged();

  FrameTraits traits_;
  DialogResizer resizer_;
  HBRUSH brush_ = nullptr;
  std::optional<ControlColors> colors_;
  bool dark_ = false;
  bool initialised_ = false;
  DarkFace face_;  // the face and the controls that ask for it, in the dark theme
};

// A plain dialog over template T::IDD with T's declarations.
template <class T>
class CMyDialogImpl : public CDialogFrame {
 public:
  CMyDialogImpl() : CDialogFrame(Traits()) {}

  // Runs the dialog modally over template T::IDD of the localisation module.
  INT_PTR DoModal(HWND owner) { return RunModal(owner, T::IDD); }

 private:
  static FrameTraits Traits() {
    FrameTraits t;
    t.templateId = T::IDD;
    if constexpr (requires { T::kAnchors; }) t.anchors = T::kAnchors;
    if constexpr (requires { T::kPlacementKey; }) t.placementKey = T::kPlacementKey;
    if constexpr (requires { T::kResizeMode; }) t.resizeMode = T::kResizeMode;
    if constexpr (requires { T::kHelpTopic; }) t.helpTopic = T::kHelpTopic;
    return t;
  }
};

}  // namespace scrv
