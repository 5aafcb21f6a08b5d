#include "controls/text_drag_win.h"

#include <string_view>
#include <vector>

#include "base/text_win.h"
#include "controls/clipboard_rows.h"

namespace scrv {
namespace {

FORMATETC TextFormat(CLIPFORMAT format) {
  return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

}  // namespace

CTextDataObject::CTextDataObject(std::wstring text)
    : CFormatDataObject({CF_UNICODETEXT, CF_TEXT}), text_(std::move(text)) {}

HGLOBAL CTextDataObject::Render(CLIPFORMAT format) const {
  if (format == CF_UNICODETEXT)
    return NewMovableBlock(text_.c_str(), (text_.size() + 1) * sizeof(wchar_t));
  int length = static_cast<int>(text_.size());
  int bytes =
      length ? WideCharToMultiByte(CP_ACP, 0, text_.data(), length, nullptr, 0, nullptr, nullptr)
             : 0;
  std::vector<char> ansi(static_cast<size_t>(bytes) + 1, '\0');
  if (bytes)
    WideCharToMultiByte(CP_ACP, 0, text_.data(), length, ansi.data(), bytes, nullptr, nullptr);
  return NewMovableBlock(ansi.data(), ansi.size());
}

HRESULT CTextDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
  if (escapePressed) return DRAGDROP_S_CANCEL;
  if (keyState & MK_LBUTTON) return S_OK;
  return lastEffect_ != DROPEFFECT_NONE ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
}

HRESULT CTextDropSource::GiveFeedback(DWORD effect) {
  lastEffect_ = effect;
  return DRAGDROP_S_USEDEFAULTCURSORS;
}

bool ReadDroppedText(IDataObject* data, CLIPFORMAT format, std::wstring& text) {
  text.clear();
  if (!data || (format != CF_UNICODETEXT && format != CF_TEXT)) return false;
  FORMATETC fe = TextFormat(format);
  STGMEDIUM medium = {};
  if (FAILED(data->GetData(&fe, &medium))) return false;
  bool ok = false;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
    size_t size = GlobalSize(medium.hGlobal);
    if (const void* p = GlobalLock(medium.hGlobal)) {
      ok = true;
      if (format == CF_UNICODETEXT) {
        text = ToW(ClipboardBlockText(p, size));
      } else {
        std::string_view ansi(static_cast<const char*>(p), size);
        text = ToW(FromAnsi(ansi.substr(0, ansi.find('\0'))));
      }
      GlobalUnlock(medium.hGlobal);
    }
  }
  ReleaseStgMedium(&medium);
  return ok;
}

CDropTargetText::CDropTargetText(HWND edit)
    : CComObject<IDropTarget>(IID_IDropTarget), edit_(edit) {}

DWORD CDropTargetText::AskEffect(DWORD keyState, DWORD allowed) {
  if (!format_ || !edit_) return DROPEFFECT_NONE;
  DWORD effect = allowed;
  SendMessageW(edit_, SLM_TEXT_DRAGOVER, keyState, reinterpret_cast<LPARAM>(&effect));
  effect &= DROPEFFECT_COPY | DROPEFFECT_MOVE;
  // The window decides by keys alone; keep to what the source allows.
  if (effect & allowed) return effect & allowed;
  if (effect && (allowed & DROPEFFECT_COPY)) return DROPEFFECT_COPY;
  return DROPEFFECT_NONE;
}

HRESULT CDropTargetText::DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) {
  format_ = 0;
  if (data) {
    FORMATETC unicode = TextFormat(CF_UNICODETEXT), ansi = TextFormat(CF_TEXT);
    if (data->QueryGetData(&unicode) == S_OK)
      format_ = CF_UNICODETEXT;
    else if (data->QueryGetData(&ansi) == S_OK)
      format_ = CF_TEXT;
  }
  return DragOver(keyState, pt, effect);
}

HRESULT CDropTargetText::DragOver(DWORD keyState, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  last_ = {pt.x, pt.y};
  *effect = AskEffect(keyState, *effect);
  return S_OK;
}

HRESULT CDropTargetText::DragLeave() {
  format_ = 0;
  return S_OK;
}

HRESULT CDropTargetText::Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  last_ = {pt.x, pt.y};
  DWORD result = AskEffect(keyState, *effect);
  std::wstring text;
  if (result != DROPEFFECT_NONE && ReadDroppedText(data, format_, text))
    SendMessageW(edit_, SLM_TEXT_DROP, result, reinterpret_cast<LPARAM>(text.c_str()));
  else
    result = DROPEFFECT_NONE;
  format_ = 0;
  *effect = result;
  return S_OK;
}

}  // namespace scrv
