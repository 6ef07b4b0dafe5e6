// The memory register and its keys MC, MR, MS, M+ and M-. Like the current
// number the memory is held twice, as a limb number and as an extended real,
// and every key updates both sides in either mode. The keys do not
// re-initialise the x87: M+ and M- round under the control word in force.
#include "calc/memory.h"

#include <cstddef>

#include "calc/commandids.h"
#include "calc/entryio.h"
#include "calc/operations.h"
#include "floatmath/realtext.h"
#include "floatmath/x87.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

// Values of pendingOp the signed operations read.
constexpr std::uint32_t kAddition = 1;
constexpr std::uint32_t kSubtraction = 2;
// A recalled number leaves the caret at the end of the field.
constexpr std::size_t kRecallCaret = 33;

void memoryClear(CalculatorState& s, WindowSystem& ws) {
    s.memoryHeld = 0;
    s.memoryReal = Real80{};
    s.memoryNumber = LimbNumber{};
    ws.setMemoryIndicator(text::kBlank);
}

void memoryStore(CalculatorState& s, WindowSystem& ws) {
    s.memoryHeld = 1;
    s.memoryReal = s.realValue;
    s.memoryNumber = s.limbResult;
    ws.setMemoryIndicator(text::kMemoryMark);
    operatorStep(s, ws);
}

// The signed operations work from the operands' texts as much as from their
// limbs: the memory's texts become the first operand's and the current
// number's its own, both as the formatter writes them in the radix in force.
void describeMemoryAndEntry(CalculatorState& s) {
    s.parseRadix = s.radix;
    const LimbNumber entry = s.limbResult;
    s.limbResult = s.memoryNumber;
    formatNumber(s);
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    s.fracWidth = static_cast<std::uint32_t>(s.fracText.size());
    s.limbResult = entry;
    formatNumber(s);
}

// M+ and M-: memory plus or minus the current number on both sides. A
// pending two-operand operation is dropped; the entry is emptied.
void memoryAccumulate(CalculatorState& s, WindowSystem& ws, bool adding) {
    if (s.memoryHeld == 0) {
        memoryStore(s, ws);
        return;
    }
    s.memoryReal = adding ? x87::add(s.fpu, s.memoryReal, s.realValue)
                          : x87::subtract(s.fpu, s.memoryReal, s.realValue);
    // Only the side effects are wanted; the text is overwritten below.
    formatReal(s, s.memoryReal, RealText::Echo);
    s.firstOperand = s.memoryNumber;
    describeMemoryAndEntry(s);
    s.pendingOp = adding ? kAddition : kSubtraction;
    alignOperands(s);
    if (adding) {
        signedAdd(s);
    } else {
        signedSubtract(s);
    }
    s.pendingOp = 0;
    // The sum's limbs can keep an operand's scale and leading zero count;
    // its text (carried and padded) is exact, so the memory is read from it.
    s.workText = s.entryText;
    parseNumber(s);
    s.memoryNumber = s.limbResult;
    ws.setMemoryIndicator(text::kMemoryMark);
    operatorStep(s, ws);
}

// MR shows the memory's own limb number in both modes. Recalled while an
// operation waits, it becomes the second operand and the first stays.
void memoryRecall(CalculatorState& s, WindowSystem& ws) {
    const bool operationWaits = s.pendingOp != 0 || s.powerPending == 1 || s.hypotenusePending == 1;
    s.realValue = s.memoryReal;
    if (!operationWaits) {
        s.firstReal = s.memoryReal;
    }
    formatReal(s, s.realValue, RealText::Echo);
    s.limbResult = s.memoryNumber;
    formatNumber(s);
    ws.setEntryText(s.entryText);
    ws.setCaret(kRecallCaret);
    repaintReadout(s, ws);
}

}  // namespace

void memoryKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    switch (commandId) {
        case cmd::kMemoryClear:
            memoryClear(s, ws);
            break;
        case cmd::kMemoryRecall:
            memoryRecall(s, ws);
            break;
        case cmd::kMemoryStore:
            memoryStore(s, ws);
            break;
        case cmd::kMemoryAdd:
            memoryAccumulate(s, ws, true);
            break;
        case cmd::kMemorySubtract:
            memoryAccumulate(s, ws, false);
            break;
        default:
            break;
    }
}

}  // namespace korvo
