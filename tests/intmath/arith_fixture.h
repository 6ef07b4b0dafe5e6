// Sets an operation up the way the calculator's operator step does: the
// first text becomes firstOperand (with its texts and the real copy), the
// second the current number, then the operands are aligned and the
// operation runs. The result is the entry text.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "floatmath/realtext.h"
#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"
#include "state/calculatorstate.h"

namespace korvo::arith {

enum class Op : std::uint32_t { Add = 1, Subtract = 2, Multiply = 3, Divide = 4, Power = 5 };

// One operation of a table: first, operation, second, expected entry text.
struct ArithCase {
    std::uint32_t radix;
    std::string first;
    Op op;
    std::string second;
    std::string expected;
};

// The current number from a text, on both sides.
inline void enterNumber(CalculatorState& s, const std::string& text) {
    s.workText = text;
    parseNumber(s);
    formatNumber(s);
    s.workText = text;
    parseReal(s);
}

inline void takeFirstOperand(CalculatorState& s, const std::string& text) {
    enterNumber(s, text);
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    s.fracWidth = static_cast<std::uint32_t>(s.fracText.size());
    s.firstOperand = s.limbResult;
    s.firstReal = s.realValue;
}

// Everything up to the operation itself.
inline void prepare(CalculatorState& s, const ArithCase& c) {
    s.radix = c.radix;
    takeFirstOperand(s, c.first);
    enterNumber(s, c.second);
    s.pendingOp = c.op == Op::Power ? 0 : static_cast<std::uint32_t>(c.op);
    alignOperands(s);
}

inline void runOperation(CalculatorState& s, Op op) {
    switch (op) {
        case Op::Add:
            signedAdd(s);
            break;
        case Op::Subtract:
            signedSubtract(s);
            break;
        case Op::Multiply:
            multiplyNumbers(s);
            break;
        case Op::Divide:
            static_cast<void>(divideNumbers(s));
            break;
        case Op::Power:
            integerPower(s);
            break;
    }
}

inline std::string calculate(CalculatorState& s, const ArithCase& c) {
    prepare(s, c);
    runOperation(s, c.op);
    return s.entryText;
}

inline std::string calculate(const ArithCase& c) {
    CalculatorState s;
    return calculate(s, c);
}

inline const char* opName(Op op) {
    switch (op) {
        case Op::Add:
            return "+";
        case Op::Subtract:
            return "-";
        case Op::Multiply:
            return "x";
        case Op::Divide:
            return "/";
        case Op::Power:
            return "^";
    }
    return "?";
}

// Readable test names in failure output: "10: 0.5 + 0.7".
inline std::string describe(const ArithCase& c) {
    return std::to_string(c.radix) + ": " + c.first + " " + opName(c.op) + " " + c.second;
}

// Failure output names the case: "10: 0.5 + 0.7 -> 1.2".
inline void PrintTo(const ArithCase& c, std::ostream* os) {
    *os << describe(c) << " -> " << c.expected;
}

}  // namespace korvo::arith
