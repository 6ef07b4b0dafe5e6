// The x87 layer: one function per instruction the calculator uses. Each loads
// its operands as 80-bit values, loads the control word the modelled unit
// holds, runs the one instruction, stores the 80-bit result and leaves the
// register stack empty. Nothing else in the program computes on extended
// reals, so every result is the hardware's, bit for bit.
#pragma once

#include <cstdint>

#include "state/real80.h"

namespace korvo::x87 {

// FINIT: rounding to nearest, 64-bit precision, all exceptions masked.
void finit(X87& unit);
// FLDCW.
void loadControlWord(X87& unit, std::uint16_t controlWord);

// Constants, rounded under the control word in force as the hardware does.
Real80 loadOne();                     // FLD1
Real80 loadZero();                    // FLDZ
Real80 loadPi(const X87& unit);       // FLDPI
Real80 loadLog2Ten(const X87& unit);  // FLDL2T
Real80 loadLog2E(const X87& unit);    // FLDL2E

// Integer loads and stores (FILD, FISTP). A store of a value that does not
// fit gives the integer indefinite (the lowest value of the type).
Real80 loadInteger(std::int64_t value);
std::int64_t storeInteger64(const X87& unit, Real80 value);
std::int32_t storeInteger32(const X87& unit, Real80 value);
// FST m32: the single-precision bit pattern, rounded under the control word.
std::uint32_t storeSingle(const X87& unit, Real80 value);

// Arithmetic, a op b, rounded under the control word in force.
Real80 add(const X87& unit, Real80 a, Real80 b);         // FADD
Real80 subtract(const X87& unit, Real80 a, Real80 b);    // FSUB: a - b
Real80 multiply(const X87& unit, Real80 a, Real80 b);    // FMUL
Real80 divide(const X87& unit, Real80 a, Real80 b);      // FDIV: a / b
Real80 changeSign(Real80 a);                             // FCHS
Real80 squareRoot(const X87& unit, Real80 a);            // FSQRT
Real80 roundToInteger(const X87& unit, Real80 a);        // FRNDINT
Real80 twoToXMinusOne(const X87& unit, Real80 a);        // F2XM1: 2^a - 1
Real80 scale(const X87& unit, Real80 a, Real80 s);       // FSCALE: a * 2^trunc(s)
Real80 yLog2X(const X87& unit, Real80 y, Real80 x);      // FYL2X: y * log2(x)
Real80 arcTangent(const X87& unit, Real80 y, Real80 x);  // FPATAN: atan(y / x)

// The trigonometric instructions leave their operand unchanged and push
// nothing more when it is outside their range (|x| >= 2^63); `incomplete`
// reports that (the C2 flag).
struct TrigResult {
    Real80 value;
    bool incomplete = false;
};
TrigResult sine(const X87& unit, Real80 a);    // FSIN
TrigResult cosine(const X87& unit, Real80 a);  // FCOS

// FPTAN: `tangent` is ST(1) and `one` is the 1.0 pushed above it; when
// incomplete, `tangent` is the unchanged operand and `one` is zero.
struct PartialTangent {
    Real80 tangent;
    Real80 one;
    bool incomplete = false;
};
PartialTangent partialTangent(const X87& unit, Real80 a);

// FSINCOS: ST(0) = cos, ST(1) = sin; when incomplete, `sin` holds the
// unchanged operand (the only register) and `cos` is zero.
struct SineCosine {
    Real80 sin;
    Real80 cos;
    bool incomplete = false;
};
SineCosine sineCosine(const X87& unit, Real80 a);

}  // namespace korvo::x87
