#include "calc/clearall.h"

#include "calc/entryio.h"
#include "state/fixedtexts.h"

namespace korvo {

void clearAll(CalculatorState& s, WindowSystem& ws) {
    s.entryText.clear();
    s.workText.clear();
    s.realIntText.clear();
    s.realFracText.clear();

    s.hypotenusePending = 0;
    s.powerPending = 0;
    s.pendingOp = PendingOperation::None;

    ws.setEntryText(s.entryText);
    ws.focusMainWindow();
    ws.setOperatorIndicator(text::kBlank);

    s.limbResult = LimbNumber{};

    // The painter reads the zeroed limbs and the emptied real texts; the
    // reals are cleared only after it.
    repaintReadout(s, ws);

    s.firstOperandSet = 0;
    s.realValue = Real80{};
    s.firstReal = Real80{};
}

void refusePaste(CalculatorState& s, WindowSystem& ws) {
    clearAll(s, ws);
    ws.messageBox(text::kPasteMessage, text::kCaption, MessageKind::Warning);
}

void showStartReadout(CalculatorState& s, WindowSystem& ws) {
    repaintReadout(s, ws);
}

}  // namespace korvo
