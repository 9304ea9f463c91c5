// A process that only waits until it is ended: copied as Torchlight2.exe, it
// is the running game the swap's guard must see.
#include <windows.h>

int main() {
    Sleep(INFINITE);
    return 0;
}
