#include "win32/aboutdialog.h"

#include "win32/resourceids.h"
#include "win32/shell.h"

namespace korvo::win32 {

void showAboutDialog(const Shell& shell) {
    DialogBoxParamA(shell.appInstance, MAKEINTRESOURCEA(IDD_ABOUT), shell.mainWindow,
                    &aboutDialogProc, 0);
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    // The whole wParam: OK is 1, Esc and the close box give 2.
    if (message == WM_COMMAND && (wParam == IDOK || wParam == IDCANCEL)) {
        EndDialog(dialog, static_cast<INT_PTR>(wParam));
        return TRUE;
    }
    // Nothing else is ours, WM_INITDIALOG included: no focus is set for us.
    return FALSE;
}

}  // namespace korvo::win32
