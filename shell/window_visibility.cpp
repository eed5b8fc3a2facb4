// NOT YET BUILT; see window_visibility.h.
#include "shell/window_visibility.h"

namespace tessel {

int ShowMainWindow() {
    return 0;
}
int HideMainWindow() {
    return 0;
}
int ToggleMaximised() {
    return 0;
}
int ToggleTrayMode() {
    return 0;
}

}  // namespace tessel
