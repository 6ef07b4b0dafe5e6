// The one-operand keys. All but x squared in integer mode and 1/x compute on
// the x87 in either mode: the argument is the real side of the current
// number, the result is written in the current radix and the result step
// re-derives both sides from the shown text, dropping a pending operation.
#include "calc/functions.h"

#include <algorithm>

#include "calc/commandids.h"
#include "calc/numberstate.h"
#include "calc/operations.h"
#include "floatmath/exponential.h"
#include "floatmath/x87.h"
#include "intmath/limboperation.h"
#include "intmath/wholepower.h"

namespace korvo {

namespace {

constexpr std::uint32_t kDegrees = 1;
// FSIN, FCOS, FPTAN and FSINCOS give up from 2^63 on: that biased exponent
// and every larger one (infinities and NaN included).
constexpr std::uint16_t kTrigLimitExponent = 0x403E;

// Formats realValue as a result and shows it.
void showReal(CalculatorState& s, WindowSystem& ws) {
    writeReal(s, s.realValue);
    showResult(s, ws);
}

void squareRootKey(CalculatorState& s, WindowSystem& ws) {
    x87::finit(s.fpu);
    readReal(s, s.workText);
    s.realValue = x87::squareRoot(s.fpu, s.realValue);
    showReal(s, ws);
}

// The common logarithm: log2 x / log2 10.
void logKey(CalculatorState& s, WindowSystem& ws) {
    x87::finit(s.fpu);
    readReal(s, s.workText);
    const Real80 log2X = x87::yLog2X(s.fpu, x87::loadOne(), s.realValue);
    s.realValue = x87::divide(s.fpu, log2X, x87::loadLog2Ten(s.fpu));
    showReal(s, ws);
}

// 2^x, 10^x, e^x. An empty entry leaves realValue as it is, so these work on
// the last number (such as a first operand just taken).
void powerKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    x87::finit(s.fpu);
    readReal(s, s.workText);
    const std::uint32_t base = commandId == cmd::kTwoToX ? 2 : 10;
    if (const auto exact = wholePowerOf(base, s.limbResult);
        exact && s.floatMode == 0 && commandId != cmd::kEToX) {
        s.limbResult = *exact;  // a whole power in integer mode is exact
        writeLimbs(s);
        showResult(s, ws);
        return;
    }
    if (commandId == cmd::kTwoToX) {
        s.realValue = powerOfTwo(s.fpu, s.realValue);
    } else if (commandId == cmd::kTenToX) {
        s.realValue = powerOfTen(s.fpu, s.realValue);
    } else {
        s.realValue = powerOfE(s.fpu, s.realValue);
    }
    showReal(s, ws);
}

void squareKey(CalculatorState& s, WindowSystem& ws) {
    if (s.floatMode == 1) {
        x87::finit(s.fpu);
        readReal(s, s.workText);
        s.realValue = x87::multiply(s.fpu, s.realValue, s.realValue);
        showReal(s, ws);
        return;
    }
    // The first operand taken before stays for a later percent.
    s.entryText = squareOfLimbs(s.limbResult, s.radix).text;
    showResult(s, ws);
}

// 1 divided by the current number, as "=" divides; the first operand taken
// before stays as it was.
void reciprocalKey(CalculatorState& s, WindowSystem& ws) {
    if (s.floatMode == 1) {
        x87::finit(s.fpu);
        if (s.realValue.isZero()) {
            showOutOfRangeResult(s, ws);
            return;
        }
        s.realValue = x87::divide(s.fpu, x87::loadOne(), s.realValue);
        showReal(s, ws);
        return;
    }
    LimbNumber one;
    one.integer = U128::of(1);
    const LimbOutcome quotient =
        operateOnLimbs(PendingOperation::Divide, one, s.limbResult, s.radix);
    if (quotient.outcome == Outcome::OutOfRange) {
        showOutOfRangeResult(s, ws);
        return;
    }
    s.entryText = quotient.text;
    showResult(s, ws);
}

Real80 reciprocalOf(const X87& unit, Real80 value) {
    return x87::divide(unit, x87::loadOne(), value);
}

// sin, cos, tan, csc, sec, cot of an argument in radians.
Real80 forwardFunction(const X87& unit, std::uint32_t commandId, Real80 x) {
    switch (commandId) {
        case cmd::kSin:
            return x87::sine(unit, x).value;
        case cmd::kCos:
            return x87::cosine(unit, x).value;
        case cmd::kTan: {
            // FPTAN pushes 1.0 above the tangent; FMUL ST(0), ST(1).
            const x87::PartialTangent t = x87::partialTangent(unit, x);
            return x87::multiply(unit, t.one, t.tangent);
        }
        case cmd::kCsc:
            return reciprocalOf(unit, x87::sine(unit, x).value);
        case cmd::kSec:
            return reciprocalOf(unit, x87::cosine(unit, x).value);
        default: {
            const x87::SineCosine sc = x87::sineCosine(unit, x);
            return x87::divide(unit, sc.cos, sc.sin);
        }
    }
}

// The inverse functions, each an arctangent, in radians; those that square
// x first see only its magnitude.
Real80 unsignedInverse(const X87& unit, std::uint32_t commandId, Real80 x) {
    const Real80 one = x87::loadOne();
    if (commandId == cmd::kTan) {
        return x87::arcTangent(unit, x, one);
    }
    if (commandId == cmd::kCot) {
        return x87::arcTangent(unit, one, x);
    }
    const Real80 square = x87::multiply(unit, x, x);
    Real80 ratio;
    if (commandId == cmd::kSin) {
        ratio = x87::divide(unit, square, x87::subtract(unit, one, square));
    } else if (commandId == cmd::kCos) {
        ratio = x87::divide(unit, x87::subtract(unit, one, square), square);
    } else if (commandId == cmd::kCsc) {
        ratio = x87::divide(unit, one, x87::subtract(unit, square, one));
    } else {
        ratio = x87::subtract(unit, square, one);
    }
    return x87::arcTangent(unit, x87::squareRoot(unit, ratio), one);
}

// The inverse functions, each an arctangent, in radians. Arc Sin, Arc Cos,
// Arc Csc and Arc Sec square x first, so the sign of x is put back after:
// Arc Sin and Arc Csc are odd, Arc Cos and Arc Sec of a negative x are the
// supplement of the angle.
Real80 inverseFunction(const X87& unit, std::uint32_t commandId, Real80 x) {
    const Real80 angle = unsignedInverse(unit, commandId, x);
    if (commandId == cmd::kTan || commandId == cmd::kCot || !x.signBit() || x.isZero()) {
        return angle;
    }
    if (commandId == cmd::kSin || commandId == cmd::kCsc) {
        return x87::changeSign(angle);
    }
    return x87::subtract(unit, x87::loadPi(unit), angle);
}

bool outsideTrigRange(const Real80& x) {
    return x.biasedExponent() >= kTrigLimitExponent;
}

// The angle keys take realValue as it stands: it follows the entry after
// every digit and equals the shown text after every result.
void angleKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    x87::finit(s.fpu);
    const X87& unit = s.fpu;
    Real80 x = s.realValue;
    const bool inDegrees = s.angleUnit == kDegrees;
    Real80 result;
    if (s.arcMode == 1) {
        result = inverseFunction(unit, commandId, x);
        if (inDegrees) {
            result = x87::multiply(unit, s.radiansToDegrees, result);
        }
    } else {
        if (inDegrees) {
            x = x87::multiply(unit, s.degreesToRadians, x);
        }
        // The unit cannot reduce such an argument; it would come back as is.
        if (outsideTrigRange(x)) {
            showOutOfRangeResult(s, ws);
            return;
        }
        result = forwardFunction(unit, commandId, x);
    }
    s.realValue = result;
    // Arc Tan shows every digit the unit produced; every other result is
    // trimmed like any real, so sin 30 degrees reads 0.5 in every base.
    const bool untrimmed = s.arcMode == 1 && commandId == cmd::kTan;
    writeReal(s, s.realValue, RealText::Result, untrimmed ? Trimming::KeepDigits : Trimming::Trim);
    showResult(s, ws);
}

// Square root, x squared, 1/x, Log and e^x need a typed number.
bool needsEntry(std::uint32_t commandId) {
    return commandId == cmd::kSquareRoot || commandId == cmd::kSquare ||
           commandId == cmd::kReciprocal || commandId == cmd::kLog || commandId == cmd::kEToX;
}

}  // namespace

void functionKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    if (needsEntry(commandId) && s.workText.empty()) {
        return;
    }
    if (commandId >= cmd::kSin && commandId <= cmd::kCot) {
        angleKey(s, ws, commandId);
    } else if (commandId >= cmd::kTwoToX && commandId <= cmd::kEToX) {
        powerKey(s, ws, commandId);
    } else if (commandId == cmd::kSquareRoot) {
        squareRootKey(s, ws);
    } else if (commandId == cmd::kSquare) {
        squareKey(s, ws);
    } else if (commandId == cmd::kReciprocal) {
        reciprocalKey(s, ws);
    } else if (commandId == cmd::kLog) {
        logKey(s, ws);
    }
}

}  // namespace korvo
