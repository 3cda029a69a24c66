// A small Windows console helper for the checks under Wine: it looks at the
// program's window from inside the same Windows session.
//   winprobe window TEXT [SECONDS]   wait for a shown top-level window whose
//                                    caption holds TEXT; print its caption,
//                                    client size and client origin on screen
//   winprobe clipboard FILE          write the clipboard's text to FILE (UTF-8)
//   winprobe startup TEXT PROGRAM    start PROGRAM, print the milliseconds until
//                                    its window holding TEXT is shown, close it
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

static void PrintUtf8(const wchar_t* text) {
    char bytes[4096];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, static_cast<int>(sizeof bytes),
                                nullptr, nullptr);
    if (n > 0) fwrite(bytes, 1, static_cast<size_t>(n - 1), stdout);
}

struct Search {
    const wchar_t* text;
    DWORD process;  // 0: any
    HWND found;
};

static BOOL CALLBACK Visit(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t caption[1024];
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->process && owner != search->process) return TRUE;
    if (!IsWindowVisible(window) || !GetWindowTextW(window, caption, 1024)) return TRUE;
    if (!wcsstr(caption, search->text)) return TRUE;
    search->found = window;
    return FALSE;
}

static HWND Find(const wchar_t* text, DWORD process) {
    Search search{text, process, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static int Window(const wchar_t* text, int seconds) {
    HWND window = nullptr;
    for (int i = 0; i < seconds * 100 && !(window = Find(text, 0)); ++i) Sleep(10);
    if (!window) {
        fprintf(stderr, "winprobe: no window shown whose caption holds the text\n");
        return 1;
    }
    Sleep(300);  // let it finish its first paint
    wchar_t caption[1024];
    GetWindowTextW(window, caption, 1024);
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    printf("caption: ");
    PrintUtf8(caption);
    printf("\nclient: %ldx%ld\norigin: %ld %ld\n", client.right - client.left,
           client.bottom - client.top, origin.x, origin.y);
    return 0;
}

static int Clipboard(const wchar_t* path) {
    for (int i = 0; i < 100 && !OpenClipboard(nullptr); ++i) Sleep(20);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!text) {
        CloseClipboard();
        fprintf(stderr, "winprobe: the clipboard holds no text\n");
        return 1;
    }
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    char* bytes = static_cast<char*>(malloc(static_cast<size_t>(n)));
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, n, nullptr, nullptr);
    GlobalUnlock(data);
    CloseClipboard();
    FILE* file = _wfopen(path, L"wb");
    if (!file) return 1;
    fwrite(bytes, 1, static_cast<size_t>(n - 1), file);
    fclose(file);
    free(bytes);
    return 0;
}

static int Startup(const wchar_t* text, const wchar_t* program) {
    wchar_t command[2048];
    swprintf(command, 2048, L"\"%ls\"", program);
    STARTUPINFOW start;
    ZeroMemory(&start, sizeof start);
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                        &process)) {
        fprintf(stderr, "winprobe: cannot start the program\n");
        return 1;
    }
    HWND window = nullptr;
    for (;;) {
        if ((window = Find(text, process.dwProcessId))) break;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            fprintf(stderr, "winprobe: the program ended without a window\n");
            return 1;
        }
    }
    QueryPerformanceCounter(&now);
    printf("%.1f\n", 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) /
                         static_cast<double>(frequency.QuadPart));
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

int wmain(int argc, wchar_t* argv[]) {
    if (argc >= 3 && !wcscmp(argv[1], L"window"))
        return Window(argv[2], argc > 3 ? _wtoi(argv[3]) : 30);
    if (argc == 3 && !wcscmp(argv[1], L"clipboard")) return Clipboard(argv[2]);
    if (argc == 4 && !wcscmp(argv[1], L"startup")) return Startup(argv[2], argv[3]);
    fprintf(stderr,
            "usage: winprobe window TEXT [SECONDS] | clipboard FILE | startup TEXT PROGRAM\n");
    return 1;
}
