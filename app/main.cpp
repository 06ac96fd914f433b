// velorin's entry point. The command line and the show state are not used.
#include <windows.h>

#include "app/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*showCommand*/) {
    return runApplication(instance);
}
