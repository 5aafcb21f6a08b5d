#pragma once
// A control's accessible object with a description of our own: the platform's standard object
// for the control's client area, every property and method passed to it, except the
// description, which is the text given. The search marks name themselves this way ("matches
// the search"), since the property service that would attach the text to the window is not
// there on every platform.

#include <windows.h>

#include <string>

namespace scrv {

// The answer to WM_GETOBJECT(OBJID_CLIENT) for `control`, whose request carried `wParam`:
// the standard object described by `description`. 0 when the platform cannot make or hand
// over the object (the control's own answer then stands).
LRESULT AnswerDescribedObject(HWND control, WPARAM wParam, const std::wstring& description);

}  // namespace scrv
