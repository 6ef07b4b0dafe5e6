#include "win32/shell.h"

namespace korvo::win32 {

Shell& shell() {
    // One main window per process, and its procedures reach the shell from
    // the system's callbacks, which carry no context of ours.
    static Shell instance;
    return instance;
}

}  // namespace korvo::win32
