#include "frame/message_box_dlg.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "base/text_win.h"
#include "controls/url_text_win.h"
#include "frame/dialog_impl_win.h"
#include "frame/dialog_resizer_win.h"
#include "frame/message_box_layout.h"
#include "frame/message_box_win.h"
#include "frame/placement.h"
#include "resource_ids.h"

namespace scrv {
namespace {

// The main text's font is this much larger than the dialog's.
constexpr int kMainScaleNum = 4, kMainScaleDen = 3;

std::u16string CommonButtonCaption(int32_t id) {
  struct Caption {
    int32_t id;
    UINT stringId;
    const char16_t* fallback;
  };
  static constexpr Caption kCaptions[] = {{button_id::kOk, IDS_BUTTON_OK, u"OK"},
                                          {button_id::kCancel, IDS_BUTTON_CANCEL, u"Cancel"},
                                          {button_id::kYes, IDS_BUTTON_YES, u"&Yes"},
                                          {button_id::kNo, IDS_BUTTON_NO, u"&No"},
                                          {button_id::kRetry, IDS_BUTTON_RETRY, u"&Retry"}};
  for (const Caption& c : kCaptions) {
    if (c.id != id) continue;
    std::wstring text = LoadResString(c.stringId);
    return text.empty() ? std::u16string(c.fallback) : ToU(text);
  }
  return {};
}

// Text sizes in dialog units of the font the dialog will have: the template's point size as the
// modal runner scales it for the owner's monitor, at the screen's pixels per inch.
class TemplateFontMeasure {
 public:
  explicit TemplateFontMeasure(UINT scalePercent) {
    LOGFONTW lf = {};
    lf.lfHeight = -MulDiv(MulDiv(kBoxPointSize, static_cast<int>(scalePercent), 100),
                          GetDeviceCaps(dc_, LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    // The dialog manager takes "MS Shell Dlg 2" for a template with DS_SHELLFONT.
    lstrcpynW(lf.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
    text_ = CreateFontIndirectW(&lf);
    lf.lfHeight = lf.lfHeight * kMainScaleNum / kMainScaleDen;
    main_ = CreateFontIndirectW(&lf);
    old_ = SelectObject(dc_, text_);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc_, &tm);
    SIZE alphabet = {};
    GetTextExtentPoint32W(dc_, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52,
                          &alphabet);
    baseX_ = std::max<int>(1, (alphabet.cx / 26 + 1) / 2);
    baseY_ = std::max<int>(1, tm.tmHeight);
  }
  ~TemplateFontMeasure() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(text_);
    DeleteObject(main_);
  }
  TemplateFontMeasure(const TemplateFontMeasure&) = delete;
  TemplateFontMeasure& operator=(const TemplateFontMeasure&) = delete;

  BoxRect operator()(std::u16string_view text, BoxFont font, int wrapWidth) {
    SelectObject(dc_, font == BoxFont::kMain ? main_ : text_);
    std::wstring w = ToW(text);
    RECT r = {0, 0, wrapWidth > 0 ? MulDiv(wrapWidth, baseX_, 4) : 0x7FFF, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE) |
                 (font == BoxFont::kCaption ? 0 : DT_NOPREFIX);
    DrawTextW(dc_, w.empty() ? L" " : w.c_str(), w.empty() ? 1 : static_cast<int>(w.size()), &r,
              flags);
    BoxRect size;
    size.cx = static_cast<int16_t>(std::min<LONG>((r.right * 4 + baseX_ - 1) / baseX_, 0x7FFF));
    size.cy = static_cast<int16_t>(std::min<LONG>((r.bottom * 8 + baseY_ - 1) / baseY_, 0x7FFF));
    return size;
  }

 private:
  HDC dc_ = CreateCompatibleDC(nullptr);
  HFONT text_ = nullptr;
  HFONT main_ = nullptr;
  HGDIOBJ old_ = nullptr;
  int baseX_ = 1, baseY_ = 1;
};

class CMessageBoxDlg : public CDialogFrame {
 public:
  CMessageBoxDlg(const TaskDialogRequest& request, MessageBoxLayout layout)
      : CDialogFrame(Traits()),
        icon_(request.icon),
        overOwner_((request.flags & tdf::kPositionRelativeToWindow) != 0),
        layout_(std::move(layout)) {}
  ~CMessageBoxDlg() override {
    if (mainFont_) DeleteObject(mainFont_);
    if (iconHandle_) DestroyIcon(iconHandle_);
  }

  TaskDialogResult Run(HWND owner) {
    INT_PTR pressed = RunModal(owner, MessageBoxTemplate(layout_));
    if (pressed <= 0) return {};
    return {static_cast<int32_t>(pressed), radio_, verified_};
  }

 private:
  static FrameTraits Traits() {
    FrameTraits t;
    t.fixed = true;
    return t;
  }

  BOOL OnInitDialog() override {
    Place();
    ShowIcon();
    for (const BoxControl& c : layout_.controls) {
      if (c.part == BoxPart::kMain) SetMainFont(GetDlgItem(c.id));
      if (c.part != BoxPart::kLink) continue;
      auto link = std::make_unique<CUrlText>();
      link->SubclassWindow(GetDlgItem(c.id));
      link->SetOpener([this, target = c.target] {
        // Messages about the link belong to this dialog.
        WinMessageUi dialogUi(m_hWnd, m_hWnd);
        OnHyperlinkClicked(dialogUi, target);
      });
      AddParentHook(*link);
      links_.push_back(std::move(link));
    }
    radio_ = layout_.defaultRadio;
    if (radio_) CheckDlgButton(radio_, BST_CHECKED);
    if (!layout_.cancellable)
      EnableMenuItem(GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    ::SendMessageW(m_hWnd, DM_SETDEFID, static_cast<WPARAM>(layout_.defaultButton), 0);
    ::SetFocus(GetDlgItem(layout_.defaultButton));
    return FALSE;
  }

  bool OnCommand(int id, int code, HWND) override {
    if (code != BN_CLICKED) return false;
    if (IsPart(id, BoxPart::kRadio)) radio_ = id;
    if (IsPart(id, BoxPart::kButton) || (id == IDCANCEL && layout_.cancellable)) {
      verified_ = IsDlgButtonChecked(kBoxVerificationId);
      EndDialog(id);
    }
    // Esc and the close button do nothing where the question has no way out but its buttons.
    return true;
  }

  bool ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                            LRESULT& result) override {
    switch (msg) {
      case TDM_CLICK_BUTTON:
        if (IsPart(static_cast<int>(wParam), BoxPart::kButton))
          ::SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(wParam, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(static_cast<int>(wParam))));
        result = 0;
        return true;
      case TDM_CLICK_RADIO_BUTTON: {
        const int id = static_cast<int>(wParam);
        if (IsPart(id, BoxPart::kRadio)) {
          for (const BoxControl& c : layout_.controls)
            if (c.part == BoxPart::kRadio) CheckDlgButton(c.id, c.id == id ? BST_CHECKED : BST_UNCHECKED);
          radio_ = id;
        }
        result = 0;
        return true;
      }
      case TDM_CLICK_VERIFICATION:
        CheckDlgButton(kBoxVerificationId, wParam ? BST_CHECKED : BST_UNCHECKED);
        if (lParam) ::SetFocus(GetDlgItem(kBoxVerificationId));
        result = 0;
        return true;
    }
    return CDialogFrame::ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
  }

  bool IsPart(int id, BoxPart part) const {
    for (const BoxControl& c : layout_.controls)
      if (c.part == part && c.id == id) return true;
    return false;
  }

  // Over the owner when asked, else in the middle of the owner's monitor.
  void Place() {
    if (overOwner_) {
      CenterOverOwner(m_hWnd);
      return;
    }
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    MONITORINFO monitor = {sizeof monitor};
    RECT rc = {};
    if (!GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY),
                         &monitor) ||
        !GetWindowRect(m_hWnd, &rc))
      return;
    const Rect work = {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right,
                       monitor.rcWork.bottom};
    const Point at = CenterPosition(work, work, {rc.right - rc.left, rc.bottom - rc.top});
    SetWindowPos(m_hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void ShowIcon() {
    LPCWSTR which = icon_ == TaskIcon::kWarning ? IDI_WARNING
                    : icon_ == TaskIcon::kError ? IDI_ERROR
                                                : IDI_INFORMATION;
    const int size =
        MulDiv(GetSystemMetrics(SM_CXICON), static_cast<int>(WindowScalePercent(m_hWnd)), 100);
    iconHandle_ = static_cast<HICON>(LoadImageW(nullptr, which, IMAGE_ICON, size, size, 0));
    if (iconHandle_) SendDlgItemMessage(kBoxIconId, STM_SETICON, reinterpret_cast<WPARAM>(iconHandle_));
  }

  void SetMainFont(HWND text) {
    LOGFONTW lf = {};
    auto font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    if (!text || !font || !GetObjectW(font, sizeof lf, &lf)) return;
    lf.lfHeight = lf.lfHeight * kMainScaleNum / kMainScaleDen;
    mainFont_ = CreateFontIndirectW(&lf);
    if (mainFont_) ::SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(mainFont_), FALSE);
  }

  TaskIcon icon_;
  bool overOwner_;
  MessageBoxLayout layout_;
  std::vector<std::unique_ptr<CUrlText>> links_;
  HFONT mainFont_ = nullptr;
  HICON iconHandle_ = nullptr;
  int32_t radio_ = 0;
  bool verified_ = false;
};

}  // namespace

TaskDialogResult RunOwnMessageBox(HWND owner, const TaskDialogRequest& request) {
  MessageBoxTexts texts =
      BoxTexts(request, [](const UiText& t) { return t.id ? ToU(LoadResString(t.id)) : t.text; },
               CommonButtonCaption);
  TemplateFontMeasure measure(WindowScalePercent(owner));
  CMessageBoxDlg dialog(request,
                        LayOutMessageBox(request, texts, [&](std::u16string_view text, BoxFont f,
                                                             int wrap) { return measure(text, f, wrap); }));
  return dialog.Run(owner);
}

}  // namespace scrv
