#include "TerminationWatcher.h"

#include <windows.h>

namespace
{
const wchar_t* const windowClassName = L"KindlebrookSessionWatcher";
} // namespace

struct TerminationWatcher::Native
{
    std::function<void()> callback;
    HWND window = nullptr;

    static LRESULT CALLBACK windowProc (HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        // Once this returns, Windows may end the process at any moment: the callback does
        // its writing before.
        if (message == WM_ENDSESSION && wParam != FALSE)
            if (auto* self = reinterpret_cast<Native*> (GetWindowLongPtrW (window, GWLP_USERDATA)))
                if (self->callback != nullptr)
                    self->callback();

        return DefWindowProcW (window, message, wParam, lParam);
    }
};

TerminationWatcher::TerminationWatcher (std::function<void()> onTermination)
    : native (std::make_unique<Native>())
{
    native->callback = std::move (onTermination);

    const auto instance = GetModuleHandleW (nullptr);
    WNDCLASSEXW windowClass {};
    windowClass.cbSize = sizeof (windowClass);
    windowClass.lpfnWndProc = Native::windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW (&windowClass); // fails harmlessly when a previous watcher registered it

    // A hidden top-level window: the session's messages go to top-level windows only, not
    // to message-only ones.
    native->window = CreateWindowExW (WS_EX_TOOLWINDOW, windowClassName, L"", WS_POPUP,
                                      0, 0, 0, 0, nullptr, nullptr, instance, nullptr);

    if (native->window != nullptr)
        SetWindowLongPtrW (native->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR> (native.get()));
}

TerminationWatcher::~TerminationWatcher()
{
    if (native->window != nullptr)
        DestroyWindow (native->window);
}
