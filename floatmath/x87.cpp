// The only inline assembly of the program. Every sequence saves the host's
// control word, loads the modelled unit's, runs its instruction and puts the
// host's back, all within one asm statement, so code the compiler generates
// around it (x87 doubles on 32-bit targets) never runs under our rounding.
// Each sequence leaves the register stack as it found it.
#include "floatmath/x87.h"

#if !defined(__i386__) && !defined(__x86_64__)
#error "korvocalc computes on the x87 80-bit extended format: build it for x86 or x86-64."
#endif

namespace korvo::x87 {

namespace {
constexpr std::uint16_t kStatusC2 = 0x0400;  // "operand out of range" of FSIN and friends
}  // namespace

// The instruction sequences must reach asm as string literals, so the few
// shapes they share are macros.
// NOLINTBEGIN(cppcoreguidelines-macro-usage)

// The sequence is wrapped between saving the host's control word and loading
// ours, and restoring the host's afterwards.
#define KORVO_X87_SEQUENCE(instructions) \
    "fnstcw %[saved]\n\t"                \
    "fldcw %[cw]\n\t" instructions "fldcw %[saved]\n\t"
#define KORVO_X87_CLOBBERS \
    "memory", "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)"

// a op b: b is loaded first so that ST(0) = a and ST(1) = b; the non-popping
// "op %st(1), %st" form computes ST(0) = a op b in every assembler dialect.
#define KORVO_X87_BINARY(name, instruction)                                \
    Real80 name(const X87& unit, Real80 a, Real80 b) {                     \
        Real80 result;                                                     \
        std::uint16_t saved = 0;                                           \
        const std::uint16_t cw = unit.controlWord;                         \
        asm volatile(KORVO_X87_SEQUENCE("fldt %[b]\n\t"                    \
                                        "fldt %[a]\n\t" instruction "\n\t" \
                                        "fstpt %[r]\n\t"                   \
                                        "fstp %%st(0)\n\t")                \
                     : [r] "=m"(result), [saved] "=m"(saved)               \
                     : [a] "m"(a), [b] "m"(b), [cw] "m"(cw)                \
                     : KORVO_X87_CLOBBERS);                                \
        return result;                                                     \
    }

// One operand in ST(0), replaced by the result.
#define KORVO_X87_UNARY(name, instruction)                                 \
    Real80 name(const X87& unit, Real80 a) {                               \
        Real80 result;                                                     \
        std::uint16_t saved = 0;                                           \
        const std::uint16_t cw = unit.controlWord;                         \
        asm volatile(KORVO_X87_SEQUENCE("fldt %[a]\n\t" instruction "\n\t" \
                                        "fstpt %[r]\n\t")                  \
                     : [r] "=m"(result), [saved] "=m"(saved)               \
                     : [a] "m"(a), [cw] "m"(cw)                            \
                     : KORVO_X87_CLOBBERS);                                \
        return result;                                                     \
    }

// A constant pushed by the instruction.
#define KORVO_X87_CONSTANT(name, instruction)                         \
    Real80 name(const X87& unit) {                                    \
        Real80 result;                                                \
        std::uint16_t saved = 0;                                      \
        const std::uint16_t cw = unit.controlWord;                    \
        asm volatile(KORVO_X87_SEQUENCE(instruction "\n\t"            \
                                                    "fstpt %[r]\n\t") \
                     : [r] "=m"(result), [saved] "=m"(saved)          \
                     : [cw] "m"(cw)                                   \
                     : KORVO_X87_CLOBBERS);                           \
        return result;                                                \
    }

// Two operands, ST(1) = y and ST(0) = x, popped to one result.
#define KORVO_X87_POPPING(name, instruction)                               \
    Real80 name(const X87& unit, Real80 y, Real80 x) {                     \
        Real80 result;                                                     \
        std::uint16_t saved = 0;                                           \
        const std::uint16_t cw = unit.controlWord;                         \
        asm volatile(KORVO_X87_SEQUENCE("fldt %[y]\n\t"                    \
                                        "fldt %[x]\n\t" instruction "\n\t" \
                                        "fstpt %[r]\n\t")                  \
                     : [r] "=m"(result), [saved] "=m"(saved)               \
                     : [y] "m"(y), [x] "m"(x), [cw] "m"(cw)                \
                     : KORVO_X87_CLOBBERS);                                \
        return result;                                                     \
    }

void finit(X87& unit) {
    unit.controlWord = kNearestControlWord;
}

void loadControlWord(X87& unit, std::uint16_t controlWord) {
    unit.controlWord = controlWord;
}

Real80 loadOne() {
    return loadInteger(1);
}
Real80 loadZero() {
    return loadInteger(0);
}

KORVO_X87_CONSTANT(loadPi, "fldpi")
KORVO_X87_CONSTANT(loadLog2Ten, "fldl2t")
KORVO_X87_CONSTANT(loadLog2E, "fldl2e")

Real80 loadInteger(std::int64_t value) {
    Real80 result;
    asm volatile(
        "fildll %[v]\n\t"
        "fstpt %[r]\n\t"
        : [r] "=m"(result)
        : [v] "m"(value)
        : KORVO_X87_CLOBBERS);
    return result;
}

std::int64_t storeInteger64(const X87& unit, Real80 value) {
    std::int64_t result = 0;
    std::uint16_t saved = 0;
    const std::uint16_t cw = unit.controlWord;
    asm volatile(KORVO_X87_SEQUENCE("fldt %[a]\n\t"
                                    "fistpll %[r]\n\t")
                 : [r] "=m"(result), [saved] "=m"(saved)
                 : [a] "m"(value), [cw] "m"(cw)
                 : KORVO_X87_CLOBBERS);
    return result;
}

std::int32_t storeInteger32(const X87& unit, Real80 value) {
    std::int32_t result = 0;
    std::uint16_t saved = 0;
    const std::uint16_t cw = unit.controlWord;
    asm volatile(KORVO_X87_SEQUENCE("fldt %[a]\n\t"
                                    "fistpl %[r]\n\t")
                 : [r] "=m"(result), [saved] "=m"(saved)
                 : [a] "m"(value), [cw] "m"(cw)
                 : KORVO_X87_CLOBBERS);
    return result;
}

std::uint32_t storeSingle(const X87& unit, Real80 value) {
    std::uint32_t result = 0;
    std::uint16_t saved = 0;
    const std::uint16_t cw = unit.controlWord;
    asm volatile(KORVO_X87_SEQUENCE("fldt %[a]\n\t"
                                    "fstps %[r]\n\t")
                 : [r] "=m"(result), [saved] "=m"(saved)
                 : [a] "m"(value), [cw] "m"(cw)
                 : KORVO_X87_CLOBBERS);
    return result;
}

KORVO_X87_BINARY(add, "fadd %%st(1), %%st")
KORVO_X87_BINARY(subtract, "fsub %%st(1), %%st")
KORVO_X87_BINARY(multiply, "fmul %%st(1), %%st")
KORVO_X87_BINARY(divide, "fdiv %%st(1), %%st")

Real80 changeSign(Real80 a) {
    Real80 result;
    asm volatile(
        "fldt %[a]\n\t"
        "fchs\n\t"
        "fstpt %[r]\n\t"
        : [r] "=m"(result)
        : [a] "m"(a)
        : KORVO_X87_CLOBBERS);
    return result;
}

KORVO_X87_UNARY(squareRoot, "fsqrt")
KORVO_X87_UNARY(roundToInteger, "frndint")
KORVO_X87_UNARY(twoToXMinusOne, "f2xm1")

Real80 scale(const X87& unit, Real80 a, Real80 s) {
    Real80 result;
    std::uint16_t saved = 0;
    const std::uint16_t cw = unit.controlWord;
    asm volatile(KORVO_X87_SEQUENCE("fldt %[s]\n\t"
                                    "fldt %[a]\n\t"
                                    "fscale\n\t"
                                    "fstpt %[r]\n\t"
                                    "fstp %%st(0)\n\t")
                 : [r] "=m"(result), [saved] "=m"(saved)
                 : [a] "m"(a), [s] "m"(s), [cw] "m"(cw)
                 : KORVO_X87_CLOBBERS);
    return result;
}

KORVO_X87_POPPING(yLog2X, "fyl2x")
KORVO_X87_POPPING(arcTangent, "fpatan")

// FSIN and FCOS give one result either way; C2 tells whether it is the
// operand left unchanged.
#define KORVO_X87_TRIG(name, instruction)                                          \
    TrigResult name(const X87& unit, Real80 a) {                                   \
        TrigResult out;                                                            \
        std::uint16_t status = 0;                                                  \
        std::uint16_t saved = 0;                                                   \
        const std::uint16_t cw = unit.controlWord;                                 \
        asm volatile(KORVO_X87_SEQUENCE("fldt %[a]\n\t" instruction "\n\t"         \
                                        "fnstsw %[sw]\n\t"                         \
                                        "fstpt %[r]\n\t")                          \
                     : [r] "=m"(out.value), [sw] "=m"(status), [saved] "=m"(saved) \
                     : [a] "m"(a), [cw] "m"(cw)                                    \
                     : KORVO_X87_CLOBBERS);                                        \
        out.incomplete = (status & kStatusC2) != 0;                                \
        return out;                                                                \
    }

KORVO_X87_TRIG(sine, "fsin")
KORVO_X87_TRIG(cosine, "fcos")

// FPTAN and FSINCOS push a second value only when the operand was in range,
// so the number of registers to store depends on C2.
#define KORVO_X87_TWO_RESULTS(name, type, top, second, instruction)                           \
    type name(const X87& unit, Real80 a) {                                                    \
        type out;                                                                             \
        std::uint16_t status = 0;                                                             \
        std::uint16_t saved = 0;                                                              \
        const std::uint16_t cw = unit.controlWord;                                            \
        asm volatile(                                                                         \
            KORVO_X87_SEQUENCE("fldt %[a]\n\t" instruction "\n\t"                             \
                               "fnstsw %%ax\n\t"                                              \
                               "movw %%ax, %[sw]\n\t"                                         \
                               "testw $0x400, %%ax\n\t"                                       \
                               "jnz 1f\n\t"                                                   \
                               "fstpt %[t]\n\t"                                               \
                               "1:\n\t"                                                       \
                               "fstpt %[s]\n\t")                                              \
            : [t] "+m"(out.top), [s] "=m"(out.second), [sw] "=m"(status), [saved] "=m"(saved) \
            : [a] "m"(a), [cw] "m"(cw)                                                        \
            : "ax", KORVO_X87_CLOBBERS);                                                      \
        out.incomplete = (status & kStatusC2) != 0;                                           \
        return out;                                                                           \
    }

KORVO_X87_TWO_RESULTS(partialTangent, PartialTangent, one, tangent, "fptan")
KORVO_X87_TWO_RESULTS(sineCosine, SineCosine, cos, sin, "fsincos")

// NOLINTEND(cppcoreguidelines-macro-usage)

}  // namespace korvo::x87
