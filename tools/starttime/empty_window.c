// The floor a start is compared with: one window class, one visible 800 x 600
// window with kistvar.exe's frame, a message loop. Built the way kistvar.exe is
// (static, GUI subsystem).
#include <windows.h>

static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI wWinMain(HINSTANCE program, HINSTANCE previous, PWSTR command_line, int show) {
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    WNDCLASSW window_class = {0};
    (void)previous;
    (void)command_line;
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = program;
    window_class.lpszClassName = L"EmptyWindow";
    window_class.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    window_class.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    RegisterClassW(&window_class);
    RECT frame = {0, 0, 800, 600};
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowW(L"EmptyWindow", L"empty", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, NULL, NULL, program, NULL);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
