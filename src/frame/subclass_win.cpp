#include "frame/subclass_win.h"

#include <exception>
#include <unordered_map>

namespace scrv {
namespace {

// One procedure in a window's chain. A procedure removed while a message runs through the
// chain stays linked, skipped, until the outermost message has returned.
struct Link {
  SUBCLASSPROC proc;
  UINT_PTR id;
  DWORD_PTR data;
  Link* next;  // the procedure set before this one
  bool removed;
};

struct Chain {
  WNDPROC original;  // the window's own procedure
  Link* top = nullptr;
  int depth = 0;  // messages running through the chain
};

// Windows are looked up from any thread; each chain is walked and changed only on its window's.
SRWLOCK g_lock = SRWLOCK_INIT;
std::unordered_map<HWND, Chain*>& Chains() {
  static auto* chains = new std::unordered_map<HWND, Chain*>;  // outlives every window
  return *chains;
}

Chain* Find(HWND hwnd) {
  AcquireSRWLockShared(&g_lock);
  auto it = Chains().find(hwnd);
  Chain* chain = it == Chains().end() ? nullptr : it->second;
  ReleaseSRWLockShared(&g_lock);
  return chain;
}

Link* FindLink(Chain* chain, SUBCLASSPROC proc, UINT_PTR id) {
  for (Link* l = chain ? chain->top : nullptr; l; l = l->next)
    if (!l->removed && l->proc == proc && l->id == id) return l;
  return nullptr;
}

// The procedure running on this thread, for DefSubclass to find the next one.
struct Running {
  HWND hwnd;
  Chain* chain;
  Link* link;
};
thread_local Running t_running = {};

LRESULT CALLBACK ChainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Runs the message from `link` down the chain.
LRESULT CallFrom(HWND hwnd, Chain* chain, Link* link, UINT msg, WPARAM wParam, LPARAM lParam) {
  while (link && link->removed) link = link->next;
  if (!link) return CallWindowProcW(chain->original, hwnd, msg, wParam, lParam);
  struct Restore {
    Running saved = t_running;
    ~Restore() { t_running = saved; }
  } restore;
  t_running = {hwnd, chain, link};
  return link->proc(hwnd, msg, wParam, lParam, link->id, link->data);
}

// Once no message runs through the chain: frees removed procedures, and the chain itself when
// none is left and the window's procedure can be given back (or the window is gone).
void Tidy(HWND hwnd, Chain* chain, bool destroyed) {
  for (Link** at = &chain->top; *at;) {
    Link* l = *at;
    if (!l->removed) {
      at = &l->next;
      continue;
    }
    *at = l->next;
    delete l;
  }
  if (chain->top) return;
  if (!destroyed) {
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(ChainProc)) return;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain->original));
  }
  AcquireSRWLockExclusive(&g_lock);
  Chains().erase(hwnd);
  ReleaseSRWLockExclusive(&g_lock);
  delete chain;
}

LRESULT CALLBACK ChainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Chain* chain = Find(hwnd);
  if (!chain) return DefWindowProcW(hwnd, msg, wParam, lParam);
  ++chain->depth;
  struct Leave {
    HWND hwnd;
    Chain* chain;
    bool destroyed;
    ~Leave() {
      if (destroyed)
        for (Link* l = chain->top; l; l = l->next) l->removed = true;
      if (--chain->depth == 0) Tidy(hwnd, chain, destroyed);
    }
  } leave{hwnd, chain, msg == WM_NCDESTROY};
  return CallFrom(hwnd, chain, chain->top, msg, wParam, lParam);
}

// Runs the message through what lies behind the given procedure.
LRESULT CallBehind(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, UINT msg, WPARAM wParam,
                   LPARAM lParam) {
  Chain* chain = Find(hwnd);
  if (!chain) return DefWindowProcW(hwnd, msg, wParam, lParam);
  Link* link = chain->top;
  while (link && !(link->proc == proc && link->id == id)) link = link->next;
  return CallFrom(hwnd, chain, link ? link->next : nullptr, msg, wParam, lParam);
}

}  // namespace

bool SetSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  if (!hwnd || !proc || !IsWindow(hwnd)) return false;
  Chain* chain = Find(hwnd);
  if (!chain) {
    SetLastError(0);
    LONG_PTR own = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainProc));
    if (!own && GetLastError() != 0) return false;
    chain = new Chain{reinterpret_cast<WNDPROC>(own)};
    AcquireSRWLockExclusive(&g_lock);
    Chains()[hwnd] = chain;
    ReleaseSRWLockExclusive(&g_lock);
  }
  if (Link* l = FindLink(chain, proc, id)) {
    l->data = data;
    return true;
  }
  chain->top = new Link{proc, id, data, chain->top, false};
  return true;
}

bool RemoveSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
  Chain* chain = Find(hwnd);
  Link* link = FindLink(chain, proc, id);
  if (!link) return false;
  link->removed = true;
  if (chain->depth == 0) Tidy(hwnd, chain, !IsWindow(hwnd));
  return true;
}

LRESULT DefSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Running running = t_running;
  if (running.hwnd == hwnd && running.link)
    return CallFrom(hwnd, running.chain, running.link->next, msg, wParam, lParam);
  Chain* chain = Find(hwnd);
  return chain ? CallWindowProcW(chain->original, hwnd, msg, wParam, lParam)
               : DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool FindSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data) {
  Link* link = FindLink(Find(hwnd), proc, id);
  if (link && data) *data = link->data;
  return link != nullptr;
}

namespace {
// The number an object's procedure goes by in the chain (one object per window).
constexpr UINT_PTR kObjectSubclass = 0x5C0B;
}  // namespace

CSubclassedWindow::~CSubclassedWindow() {
  UnsubclassWindow();
}

CSubclassedWindow* CSubclassedWindow::FromHandle(HWND hwnd) {
  DWORD_PTR data = 0;
  if (!hwnd || !FindSubclass(hwnd, WindowProc, kObjectSubclass, &data)) return nullptr;
  return reinterpret_cast<CSubclassedWindow*>(data);
}

bool CSubclassedWindow::SubclassWindow(HWND hwnd) {
  if (m_hWnd || !hwnd || FromHandle(hwnd)) return false;
  if (!SetSubclass(hwnd, WindowProc, kObjectSubclass, reinterpret_cast<DWORD_PTR>(this)))
    return false;
  m_hWnd = hwnd;
  destroyed_ = false;
  return true;
}

HWND CSubclassedWindow::UnsubclassWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd) return nullptr;
  RemoveSubclass(hwnd, WindowProc, kObjectSubclass);
  m_hWnd = nullptr;
  return hwnd;
}

LRESULT CSubclassedWindow::DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return 0;
  return CallBehind(m_hWnd, WindowProc, kObjectSubclass, msg, wParam, lParam);
}

LRESULT CSubclassedWindow::DefWindowProc() {
  if (!current_) return 0;
  return DefWindowProc(current_->message, current_->wParam, current_->lParam);
}

LRESULT CALLBACK CSubclassedWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CSubclassedWindow*>(data);
  MSG m = {hwnd, msg, wParam, lParam, 0, {0, 0}};
  const MSG* saved = self->current_;
  self->current_ = &m;
  ++self->depth_;
  LRESULT result = 0;
  try {
    if (!self->ProcessWindowMessage(hwnd, msg, wParam, lParam, result))
      result = DefSubclass(hwnd, msg, wParam, lParam);
  } catch (...) {
    result = 0;
    ModalScope::Fail(std::current_exception());
  }
  --self->depth_;
  self->current_ = saved;
  if (msg == WM_NCDESTROY) self->destroyed_ = true;
  if (self->destroyed_ && self->depth_ == 0 && self->m_hWnd == hwnd) {
    self->UnsubclassWindow();
    self->OnFinalMessage(hwnd);
  }
  return result;
}

}  // namespace scrv
