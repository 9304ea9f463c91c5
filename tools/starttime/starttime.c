// starttime RUNS EXE...: starts each EXE in turn, RUNS rounds, and prints one
// line per start, "EXE MILLISECONDS": the time from CreateProcess until its
// first visible unowned top-level window exists and the process waits for
// input. Each window is then closed and the process awaited before the next
// start. Taking the programs in turn lets a change in the machine's load weigh
// on each alike.
#include <windows.h>
#include <stdio.h>

static DWORD started;
static HWND shown;

static BOOL CALLBACK note_shown_window(HWND window, LPARAM unused) {
    DWORD process;
    (void)unused;
    GetWindowThreadProcessId(window, &process);
    if (process == started && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == NULL) {
        shown = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds until the program shows its window and idles, or -1.
static double start_once(const wchar_t* exe, double ticks_per_ms) {
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process;
    LARGE_INTEGER begin, end;
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(exe, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fwprintf(stderr, L"cannot start %ls: error %lu\n", exe, GetLastError());
        return -1;
    }
    started = process.dwProcessId;
    shown = NULL;
    WaitForInputIdle(process.hProcess, 20000);
    for (int wait = 0; wait < 20000 && !shown; wait++) {
        EnumWindows(note_shown_window, 0);
        if (!shown) Sleep(1);
    }
    // Idle once more: a process may wait for input before its window shows.
    WaitForInputIdle(process.hProcess, 20000);
    QueryPerformanceCounter(&end);
    PostMessageW(shown, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return (end.QuadPart - begin.QuadPart) / ticks_per_ms;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: starttime RUNS EXE...\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < runs; run++) {
        for (int program = 2; program < argc; program++) {
            const double ms = start_once(argv[program], frequency.QuadPart / 1000.0);
            if (ms < 0) return 1;
            printf("%ls %.1f\n", argv[program], ms);
            fflush(stdout);
        }
    }
    return 0;
}
