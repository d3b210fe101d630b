// The least a Win32 program can do before a person sees it: show one message box. The start-up benchmark
// times it next to the player's first prompt, and the size and memory rows set it beside the player.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"UserName", L"UserName", MB_OK);
    return 0;
}
