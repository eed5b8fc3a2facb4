// NOT YET BUILT; see command_dispatch.h.
#include "mainwindow/command_dispatch.h"

namespace tessel {

int DispatchCommand(HWND, WPARAM) {
    return 1;
}

}  // namespace tessel
