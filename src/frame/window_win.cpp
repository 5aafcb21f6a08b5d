#include "frame/window_win.h"

#include <utility>

#include "base/text_win.h"

namespace ATL {
std::wstring CWindow::GetDlgItemText(int id) const {
  return scrv::GetWindowTextString(::GetDlgItem(m_hWnd, id));
}
}  // namespace ATL

namespace scrv {
namespace {

// The object is kept in the dialog's DWLP_USER slot: the slot belongs to the dialog procedure,
// which is ours, and reading it costs nothing, while a window property is a round trip to the
// window manager on every message.
CDialogBase* ObjectOf(HWND hwnd) {
  return reinterpret_cast<CDialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}
void Bind(HWND hwnd, CDialogBase* object) {
  SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(object));
}

// The modal scope whose loop runs innermost on this thread.
thread_local ModalScope* t_scope = nullptr;

void EndFailedDialog(HWND dialog) {
  ::EndDialog(dialog, -1);
}

// Messages whose handled result is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
  return msg == WM_INITDIALOG || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) ||
         msg == WM_COMPAREITEM || msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM ||
         msg == WM_QUERYDRAGICON;
}

}  // namespace

void PushCreationEntry(CreateWndEntry& entry, void* object) {
  ModuleState& m = Module();
  entry.object = object;
  entry.threadId = GetCurrentThreadId();
  EnterCriticalSection(&m.createListLock);
  entry.next = m.createListHead;
  m.createListHead = &entry;
  LeaveCriticalSection(&m.createListLock);
}

void* TakeCreationEntryObject() {
  ModuleState& m = Module();
  DWORD thread = GetCurrentThreadId();
  void* found = nullptr;
  EnterCriticalSection(&m.createListLock);
  for (CreateWndEntry** link = &m.createListHead; *link; link = &(*link)->next) {
    if ((*link)->threadId == thread) {
      CreateWndEntry* entry = *link;
      found = entry->object;
      *link = entry->next;
      entry->next = nullptr;
      break;
    }
  }
  LeaveCriticalSection(&m.createListLock);
  return found;
}

void DropCreationEntry(CreateWndEntry& entry) {
  ModuleState& m = Module();
  EnterCriticalSection(&m.createListLock);
  for (CreateWndEntry** link = &m.createListHead; *link; link = &(*link)->next) {
    if (*link == &entry) {
      *link = entry.next;
      break;
    }
  }
  LeaveCriticalSection(&m.createListLock);
}

void CDialogBase::RegisterForCreation() {
  PushCreationEntry(entry_, this);
}

HWND CDialogBase::GetDlgItem(int id) const {
  // A kept handle is checked first: controls can be destroyed and their numbers reused.
  auto kept = [&](HWND h) {
    return ::IsWindow(h) && GetWindowLongPtrW(h, GWLP_ID) == id &&
           GetAncestor(h, GA_PARENT) == m_hWnd;
  };
  for (auto& [itemId, hwnd] : items_) {
    if (itemId != id) continue;
    if (!kept(hwnd)) hwnd = ::GetDlgItem(m_hWnd, id);
    return hwnd;
  }
  HWND hwnd = ::GetDlgItem(m_hWnd, id);
  if (hwnd && id != -1) items_.emplace_back(id, hwnd);
  return hwnd;
}

std::wstring CDialogBase::GetDlgItemText(int id) const {
  return GetWindowTextString(GetDlgItem(id));
}

CDialogBase* CDialogBase::TakeCreationEntry() {
  return static_cast<CDialogBase*>(TakeCreationEntryObject());
}

ModalScope::ModalScope(EndFn end) : outer_(t_scope), end_(end) {
  t_scope = this;
}

ModalScope::~ModalScope() {
  t_scope = outer_;
}

void ModalScope::SetWindow(HWND window) {
  window_ = window;
  if (failure_) End();
}

void ModalScope::Rethrow() {
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void ModalScope::End() {
  if (window_ && end_) end_(window_);
}

void ModalScope::Fail(std::exception_ptr failure) {
  ModalScope* scope = t_scope;
  if (!scope || scope->failure_) return;
  scope->failure_ = std::move(failure);
  scope->End();
}

INT_PTR CDialogBase::RunModal(HWND owner, UINT templateId) {
  return RunModalWith(
      [&] { return RunModalDialog(Module().resourceModule, templateId, owner, StartDialogProc, 0); });
}

INT_PTR CDialogBase::RunModal(HWND owner, const std::vector<uint8_t>& dialogTemplate) {
  return RunModalWith([&] {
    return RunModalDialog(Module().resourceModule, dialogTemplate, owner, StartDialogProc, 0);
  });
}

INT_PTR CDialogBase::RunModalWith(const std::function<INT_PTR()>& run) {
  ModalScope scope(EndFailedDialog);
  scope_ = &scope;
  RegisterForCreation();
  INT_PTR result = 0;
  try {
    result = run();
  } catch (...) {
    ModalScope::Fail(std::current_exception());
  }
  scope_ = nullptr;
  // A dialog that never got its first message (no template) must not stay on the list.
  if (!m_hWnd && !destroyed_) DropCreationEntry(entry_);
  scope.Rethrow();
  return result;
}

bool CDialogBase::RunParentHooks(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  for (ParentMessageHook* hook : hooks_)
    if (hook->OnParentMessage(m_hWnd, msg, wParam, lParam, result)) return true;
  return false;
}

INT_PTR CALLBACK CDialogBase::StartDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The dialog keeps this procedure, which hands every message after the first to the bound
  // object's own: replacing the procedure would be one more round trip to the window server.
  if (CDialogBase* bound = ObjectOf(hwnd)) return bound->GetDialogProc()(hwnd, msg, wParam, lParam);
  CDialogBase* self = TakeCreationEntry();
  if (!self) return 0;
  self->m_hWnd = hwnd;
  self->destroyed_ = false;
  Bind(hwnd, self);
  if (self->scope_) self->scope_->SetWindow(hwnd);
  return self->GetDialogProc()(hwnd, msg, wParam, lParam);
}

INT_PTR CALLBACK CDialogBase::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CDialogBase* self = ObjectOf(hwnd);
  if (!self) return FALSE;
  MSG m = {hwnd, msg, wParam, lParam, 0, {0, 0}};
  const MSG* saved = self->current_;
  self->current_ = &m;
  ++self->depth_;
  LRESULT result = 0;
  bool handled = false;
  try {
    handled = self->ProcessWindowMessage(hwnd, msg, wParam, lParam, result);
  } catch (...) {
    handled = false;
    ModalScope::Fail(std::current_exception());
  }
  --self->depth_;
  self->current_ = saved;
  if (msg == WM_NCDESTROY) self->destroyed_ = true;
  if (self->destroyed_ && self->depth_ == 0) {
    // No message reaches a window after WM_NCDESTROY, so its slot is left as it is (clearing
    // it would be a round trip to the window server).
    if (msg != WM_NCDESTROY) Bind(hwnd, nullptr);
    self->m_hWnd = nullptr;
    self->OnFinalMessage(hwnd);
    return handled ? TRUE : FALSE;
  }
  if (!handled) return FALSE;
  if (ReturnsDirectly(msg)) return static_cast<INT_PTR>(result);
  // Reading the slot costs nothing; writing it can be a round trip to the window server.
  if (GetWindowLongPtrW(hwnd, DWLP_MSGRESULT) != result)
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace scrv
