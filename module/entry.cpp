// The DLL entry: nothing to set up or tear down, success for every reason.
// The language runtime's own start-up runs before it and its shut-down after.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
