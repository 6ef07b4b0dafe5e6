#include "calc/clearall.h"

#include "calc/entryio.h"
#include "state/fixedtexts.h"

namespace korvo {

void clearAll(CalculatorState& s, WindowSystem& ws) {
    s.entryText.clear();
    s.formatText.clear();
    s.workText.clear();
    s.intText.clear();
    s.fracText.clear();
    s.realIntText.clear();
    s.realFracText.clear();

    s.hypotenusePending = 0;
    s.powerPending = 0;
    s.pendingOp = PendingOperation::None;
    s.entryHasPoint = 0;

    ws.setEntryText(s.entryText);
    ws.focusMainWindow();
    ws.setOperatorIndicator(text::kBlank);

    // The current number and the limb engine's working numbers, which the
    // parser and the formatter expect to start from zero.
    s.limbResult = LimbNumber{};
    s.quotientLimbs = Limbs4{};
    s.productLimbs = Limbs4{};
    s.radixPower = Limbs4{};

    // The painter reads the zeroed limbs and the emptied real texts; the
    // reals are cleared only after it.
    repaintReadout(s, ws);

    s.firstOperandSet = 0;
    s.realValue = Real80{};
    s.firstReal = Real80{};
}

void refusePaste(CalculatorState& s, WindowSystem& ws) {
    clearAll(s, ws);
    ws.messageBox(text::kPasteMessage, text::kCaption, kMessageExclamationTaskModal);
}

void showStartReadout(CalculatorState& s, WindowSystem& ws) {
    repaintReadout(s, ws);
}

}  // namespace korvo
