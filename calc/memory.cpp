// The memory register and its keys MC, MR, MS, M+ and M-. Like the current
// number the memory is held twice, as a limb number and as an extended real,
// and every key updates both sides in either mode. The keys do not
// re-initialise the x87: M+ and M- round under the control word in force.
#include "calc/memory.h"

#include <cstddef>
#include <optional>
#include <string>

#include "calc/commandids.h"
#include "calc/entryio.h"
#include "calc/numberstate.h"
#include "calc/operations.h"
#include "floatmath/x87.h"
#include "intmath/limboperation.h"
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

void memoryClear(CalculatorState& s, WindowSystem& ws) {
    s.memoryHeld = 0;
    s.memoryReal = Real80{};
    s.memoryNumber = LimbNumber{};
    ws.setMemoryIndicator(text::kBlank);
}

// The number MS, M+ and M- work on, on both sides. Right after an operator
// key (the entry empty, a first operand taken) it is the running result as
// it stands; otherwise the current number.
struct MemoryOperand {
    LimbNumber number;
    Real80 real;
};

MemoryOperand memoryOperand(CalculatorState& s) {
    if (!s.workText.empty() || s.firstOperandSet == 0) {
        return {s.limbResult, s.realValue};
    }
    if (s.floatMode == 0) {
        return {s.firstOperand, parseReal(numberText(s.firstOperand, s.radix), s.radix)};
    }
    // A floating-point chain's running result lives in firstReal: the limb
    // side holds its shown digits.
    const std::optional<RealTexts> shown = formatReal(s.firstReal, s.radix);
    return {shown ? parseNumber(shown->whole(), s.radix) : LimbNumber{}, s.firstReal};
}

// The operator step that ends MS, M+ and M-: it looks at the entry as the
// command read it, which the memory work has since written over.
void finishMemoryKey(CalculatorState& s, WindowSystem& ws, const std::string& entry) {
    ws.setMemoryIndicator(text::kMemoryMark);
    s.workText = entry;
    operatorStep(s, ws, StepKey::Memory);
}

// A stored zero carries no sign, even when the entry shows a typed "-0".
void dropZeroSign(LimbNumber& number, Real80& real) {
    if (number.isZero()) {
        number.negative = 0;
    }
    if (real.isZero()) {
        real = Real80{};
    }
}

void memoryStore(CalculatorState& s, WindowSystem& ws) {
    const std::string entry = s.workText;
    MemoryOperand stored = memoryOperand(s);
    dropZeroSign(stored.number, stored.real);
    s.memoryHeld = 1;
    s.memoryReal = stored.real;
    s.memoryNumber = stored.number;
    finishMemoryKey(s, ws, entry);
}

// M+ and M-: memory plus or minus the number on both sides. Integer mode
// computes exactly on limbs and the real side follows the sum's text;
// floating-point mode computes on reals and the limb side holds the sum's
// shown digits. Either way MR shows the one number both sides hold. A
// pending two-operand operation is dropped; the entry is emptied.
void memoryAccumulate(CalculatorState& s, WindowSystem& ws, bool adding) {
    if (s.memoryHeld == 0) {
        memoryStore(s, ws);
        return;
    }
    const std::string entry = s.workText;
    const MemoryOperand operand = memoryOperand(s);
    const LimbNumber current = s.limbResult;
    if (s.floatMode == 0) {
        const std::string sum =
            operateOnLimbs(adding ? PendingOperation::Add : PendingOperation::Subtract,
                           s.memoryNumber, operand.number, s.radix)
                .text;
        s.memoryNumber = parseNumber(sum, s.radix);
        s.memoryReal = parseReal(sum, s.radix);
    } else {
        s.memoryReal = adding ? x87::add(s.fpu, s.memoryReal, operand.real)
                              : x87::subtract(s.fpu, s.memoryReal, operand.real);
        if (const std::optional<RealTexts> shown = formatReal(s.memoryReal, s.radix)) {
            s.memoryNumber = parseNumber(shown->whole(), s.radix);
        }
    }
    dropZeroSign(s.memoryNumber, s.memoryReal);
    s.limbResult = current;
    // A waiting operation is dropped, power and hypotenuse included.
    s.pendingOp = PendingOperation::None;
    s.powerPending = 0;
    s.hypotenusePending = 0;
    finishMemoryKey(s, ws, entry);
}

// MR shows the memory's own limb number in both modes. Recalled while an
// operation waits, it becomes the second operand and the first stays.
void memoryRecall(CalculatorState& s, WindowSystem& ws) {
    const bool operationWaits =
        s.pendingOp != PendingOperation::None || s.powerPending == 1 || s.hypotenusePending == 1;
    s.realValue = s.memoryReal;
    if (!operationWaits) {
        s.firstReal = s.memoryReal;
    }
    writeReal(s, s.realValue, RealText::Echo);
    s.limbResult = s.memoryNumber;
    writeLimbs(s);
    s.savedFracZeros = s.limbResult.fracZeros;
    ws.setEntryText(s.entryText);
    ws.setCaret(kCaretAtEnd);
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
