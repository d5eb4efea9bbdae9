// The DLL's entry point.  Nothing is set up at load time (every global is
// initialised statically); thread notifications are turned off because the
// library keeps no per-thread state.
#ifdef _WIN32
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return 1;
}
#endif
