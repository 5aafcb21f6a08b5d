#pragma once
// The editor's rebar as the host stand-in and the test host keep it: the built-in bars (bands
// 768 Standard, 769 Macros, 770 Find, 772 Plug-ins) and the user toolbars (bands 512, 513, ...),
// each band holding a real toolbar. It answers the library's toolbar messages as the editor
// does: shows and hides bars, deletes user toolbars (the later ones move up a number), and
// builds itself anew in the style asked for.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class HostRebar {
 public:
  HostRebar(HWND parent, int userToolbars);
  ~HostRebar();
  HostRebar(const HostRebar&) = delete;
  HostRebar& operator=(const HostRebar&) = delete;

  HWND Hwnd() const { return rebar_; }
  // Answers the toolbar messages (show, hide, rebuild); false for any other message.
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Shows or hides a band as the editor's View menu would.
  void SetShown(uint32_t band, bool shown);

  bool failRebuild = false;         // the next rebuilds answer 0
  std::function<void()> onRebuilt;  // the parent lays itself out again
  uint8_t largeIcons = 0;           // style flag A of the last rebuild
  uint8_t styleValue = 1;           // style value B of the last rebuild
  int optionClicks[2] = {0, 0};     // options 1 and 2

 private:
  struct Band {
    uint32_t id;
    std::wstring title;
    bool shown;
  };
  void Create();
  void Fill();
  HWND MakeToolbar(const Band& band) const;
  Band* Find(uint32_t id);

  HWND parent_;
  HWND rebar_ = nullptr;
  std::vector<Band> bands_;
};
