// A program that does nothing but carry Quarnest.exe's resource script, so that the Qt-free cross
// build can read its version block and icon back.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
