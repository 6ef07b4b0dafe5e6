// Random key sequences whose true value is known exactly (GMP rationals, MPFR
// at 256 bits), run through the calculator: the number shown must be that
// value. Integer mode shows it digit for digit, in any base (a quotient to 19
// fraction digits, the last raised; products round the 19th digit by the 20th;
// powers keep the low 128 bits); reals agree to the last digit they show beyond
// the x87's own rounding; digits typed, pasted or recalled show as they were
// read. KORVO_TRUTH_SEED and KORVO_TRUTH_COUNT choose another seed and another
// number of sequences.
#include <gmpxx.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "cli/driver.h"

namespace {

using Tokens = std::vector<std::string>;

const char* const kBases[] = {"Bin", "Oct", "Hex", "Dec"};
const int kRadix[] = {2, 8, 16, 10};
const char* const kOps[] = {"+", "-", "x", "/"};

mpz_class power(int radix, unsigned n) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), radix, n);
    return p;
}

// n / d in lowest terms, with the sign of `like`.
mpq_class ratio(const mpz_class& n, const mpz_class& d, const mpq_class& like = 1) {
    mpq_class r(sgn(like) < 0 ? mpz_class(-n) : n, d);
    r.canonicalize();
    return r;
}

// radix^n, n of either sign.
mpq_class place(int radix, int n) {
    return n >= 0 ? mpq_class(power(radix, n)) : mpq_class(1, power(radix, -n));
}

// A text in a radix ("-C.8") as an exact rational: the value of its digits.
mpq_class valueIn(std::string text, int radix = 10) {
    const std::size_t point = std::min(text.find('.'), text.size());
    const auto scale = static_cast<unsigned>(text.size() - std::min(point + 1, text.size()));
    text.erase(point, 1);
    const std::string digits = std::string("0123456789ABCDEF").substr(0, radix);
    if (!std::regex_match(text, std::regex("-?[" + digits + "]+"))) {
        return mpq_class(1, 7);  // not a number: never a true value here
    }
    return ratio(mpz_class(text, radix), power(radix, scale));
}

// Integer mode's quotient: 19 fraction digits, the last raised when digits were cut.
mpq_class quotient19(const mpq_class& a, const mpq_class& b, int radix = 10) {
    const mpq_class q = a / b;
    const mpz_class scaled = abs(q.get_num()) * power(radix, 19);
    mpz_class digits = scaled / q.get_den();
    if (digits * q.get_den() != scaled) {
        digits += 1;
    }
    return ratio(digits, power(radix, 19), q);
}

// A product in integer mode: 19 fraction digits rounded at the 20th, and the
// integer part wrapped at 128 bits.
mpq_class product(const mpq_class& a, const mpq_class& b) {
    const mpq_class v = a * b;
    const mpz_class scaled = (abs(v.get_num()) * power(10, 20) / v.get_den() + 5) / 10;
    const mpz_class whole = scaled / power(10, 19);
    const mpz_class fraction = scaled - whole * power(10, 19);
    return ratio((whole % (mpz_class(1) << 128)) * power(10, 19) + fraction, power(10, 19), v);
}

// A held number after a base change: the integer part converts exactly, the
// fraction's digits are read as one whole number and written in the new base
// behind the zeros that led them (0.5 stays 0.5, 0.05 stays 0.05).
mpq_class rewritten(const mpq_class& v, int from, int to) {
    const mpz_class whole = abs(v.get_num()) / v.get_den();
    const mpq_class fraction = abs(v) - whole;
    unsigned places = 0;
    while (mpq_class(fraction * power(from, places)).get_den() != 1 && places < 64) {
        ++places;
    }
    const mpz_class digits = mpq_class(fraction * power(from, places)).get_num();
    const auto length = [&](int radix) {
        return digits == 0 ? 0U : static_cast<unsigned>(digits.get_str(radix).size());
    };
    const mpz_class scale = power(to, places - length(from) + length(to));
    return ratio(digits + whole * scale, scale, v);
}

// The weight of the last digit a real shows: 19 significant digits in Dec, 16 in
// Hex, 22 in Oct, 64 in Bin, and never more than 19 after the point.
mpq_class lastPlace(const mpq_class& v, int radix) {
    const int significant = radix == 10 ? 19 : radix == 16 ? 16 : radix == 8 ? 22 : 64;
    mpq_class m = abs(v);
    int exponent = 0;
    for (; m >= radix; m /= radix) {
        ++exponent;
    }
    for (; m < 1 && m != 0 && exponent > -40; m *= radix) {
        --exponent;
    }
    return std::max(place(radix, exponent - significant + 1), place(radix, -19));
}

struct Case {
    Tokens tokens;
    mpq_class truth;
    int radix = 10;         // the base in force at the end, whose readout line is read
    bool real = false;      // a real: the message is right for 2^63 or more
    double tolerance = 0;   // reals: how far the x87 may go, relative to the scale
    mpq_class allowed = 0;  // how far the operations and the digits shown may go from the truth
    mpq_class scale = 1;    // the largest magnitude the sequence went through
    void add(const Tokens& keys) { tokens.insert(tokens.end(), keys.begin(), keys.end()); }
};

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    // Floating-point mode half the time.
    bool floatMode(Tokens& tokens) { return key(tokens, below(2) == 0, "Float"); }
    // The key when `on`; `on` back.
    static bool key(Tokens& tokens, bool on, const char* name) {
        tokens.insert(tokens.end(), on ? 1 : 0, name);
        return on;
    }

    // Types a number of up to maxInt + 1 integer and maxFrac fraction digits in
    // a radix; a fraction never ends in 0, so its digits are the ones shown.
    mpq_class number(Tokens& tokens, int maxInt, int maxFrac, bool sign = true, int radix = 10) {
        const auto digit = [&](int from) { return "0123456789ABCDEF"[from + below(radix - from)]; };
        std::string text(1, digit(1));
        for (int i = below(maxInt + 1); i > 0; --i) {
            text += digit(0);
        }
        if (maxFrac > 0 && below(2) == 0) {
            text += '.';
            for (int i = 1 + below(maxFrac); i > 0; --i) {
                text += digit(i == 1 ? 1 : 0);
            }
        }
        type(tokens, text);
        const bool negative = key(tokens, sign && below(4) == 0, "+/-");
        return negative ? mpq_class(-valueIn(text, radix)) : valueIn(text, radix);
    }
    static void type(Tokens& tokens, const std::string& text) {
        for (const char c : text) {
            tokens.emplace_back(1, static_cast<char>(std::toupper(c)));
        }
    }

  private:
    std::mt19937_64 random_;
};

// f(v) at 256 bits.
mpq_class exactly(int (*f)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), const mpq_class& v) {
    mpfr_t x;
    mpfr_t y;
    mpfr_inits2(256, x, y, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_q(x, v.get_mpq_t(), MPFR_RNDN);
    f(y, x, MPFR_RNDN);
    mpq_class result;
    mpfr_get_q(result.get_mpq_t(), y);
    mpfr_clears(x, y, static_cast<mpfr_ptr>(nullptr));
    return result;
}

const mpq_class kDegree = exactly(mpfr_atan, 1) / 45;  // pi / 180
const mpq_class kEps(1, mpz_class(1) << 63);           // the x87's rounding, relative

// Chains of + - x / with decimals, doubled operator keys among them, ended by
// "=" or by an operator key (the readout then shows the running result), and
// how far the shown number may be from the true one: integer mode keeps sums
// and products exact and lets each quotient be one unit off in its 19th
// fraction digit, whatever the divisor's width; reals may be off by the x87's
// rounding (2^-63 of each value read or computed). Each error is carried
// through the rest of the chain.
Case chain(Generator& g) {
    const mpq_class ulp = place(10, -19);
    Case c;
    const bool floatMode = c.real = g.floatMode(c.tokens);
    mpq_class& value = c.truth = g.number(c.tokens, 5, 4);
    mpq_class& bound = c.allowed = floatMode ? mpq_class(kEps * abs(value)) : mpq_class(0);
    const auto operate = [&](int op, const mpq_class& operand, const mpq_class& operandBound) {
        if (op == 2) {
            bound = bound * abs(operand) + operandBound * abs(value) + bound * operandBound;
            value *= operand;
        } else if (op == 3) {
            bound = (bound + abs(value / operand) * operandBound) / (abs(operand) - operandBound);
            value /= operand;
        } else {
            bound += operandBound;
            value = op == 0 ? mpq_class(value + operand) : mpq_class(value - operand);
        }
        if (floatMode) {
            bound += kEps * abs(value);
        } else if (op == 3) {
            bound += ulp;
        } else if (mpq_class(value / ulp).get_den() != 1 || (op == 2 && bound != 0)) {
            bound +=
                ulp / 2;  // the 20th digit rounds the 19th (of a product of inexact digits too)
        }
        c.scale = std::max({c.scale, mpq_class(abs(value)), mpq_class(abs(operand))});
    };
    for (int steps = 1 + g.below(4); steps > 0; --steps) {
        const int op = g.below(4);
        if (g.below(6) == 0) {  // the running result is the operand too
            c.add({kOps[op]});
            if (op != 3 || (floatMode && value != 0)) {  // an empty entry never divides
                operate(op, mpq_class(value), mpq_class(bound));
            }
        }
        c.add({kOps[op]});
        const mpq_class operand = g.number(c.tokens, 5, 4);
        operate(op, operand, floatMode ? mpq_class(kEps * abs(operand)) : mpq_class(0));
    }
    c.add({g.below(4) == 0 ? kOps[g.below(4)] : "="});
    c.tolerance = floatMode ? 2e-18 : 0;
    return c;
}

// One product of long fractions (the 19th fraction digit rounded by the 20th),
// or one quotient in any base by a divisor of up to 19 characters, ended by
// "=", by the next operator or taken as 1/x: 19 fraction digits in that base,
// the last raised when any are left.
Case exactOperation(Generator& g) {
    Case c;
    if (g.below(2) == 0) {
        const mpq_class a = g.number(c.tokens, 1, 12);
        c.add({"x"});
        const mpq_class b = g.number(c.tokens, 1, 12);
        c.add({"="});
        c.truth = product(a, b);
        return c;
    }
    const int which = g.below(4);
    c.radix = kRadix[which];
    c.add({kBases[which]});
    const int form = g.below(3);
    const mpq_class a =
        form == 2 ? mpq_class(1) : g.number(c.tokens, c.radix == 16 ? 27 : 29, 0, true, c.radix);
    Generator::key(c.tokens, form != 2, "/");
    const mpq_class b = g.number(c.tokens, 12, 5, true, c.radix);
    c.add({form == 2 ? "1/x" : form == 1 && c.radix == 10 ? "+" : "="});
    c.truth = quotient19(a, b, c.radix);
    return c;
}

// Percent in a chain; percent after a result takes that operation's first operand.
Case percent(Generator& g) {
    Case c;
    const mpq_class a = g.number(c.tokens, 4, 2, false);
    const int op = g.below(3);
    c.add({op == 0 ? "+" : op == 1 ? "-" : "x"});
    const mpq_class b = g.number(c.tokens, 2, 2, false);
    if (op == 2) {
        c.add({"=", "CE"});
        const mpq_class p = g.number(c.tokens, 2, 1, false);
        c.add({"%"});
        c.truth = a * p / 100;
    } else {
        c.add({"%", "="});
        c.truth = op == 0 ? mpq_class(a + a * b / 100) : mpq_class(a - a * b / 100);
    }
    return c;
}

// HYP and x^N after a chain, and a chain's result kept by MS.
Case afterChain(Generator& g) {
    Case c;
    const bool floatMode = g.floatMode(c.tokens);
    const mpq_class a = g.number(c.tokens, 3, 2, false);
    const bool divide = g.below(2) == 0;
    c.add({divide ? "/" : "+"});
    const mpq_class b = g.number(c.tokens, 2, 1, false);
    const mpq_class first = divide ? mpq_class(a / b) : mpq_class(a + b);
    c.tolerance = 1e-17;
    switch (g.below(3)) {
        case 0: {
            c.add({"HYP"});
            const mpq_class h = g.number(c.tokens, 2, 1, false);
            c.truth = exactly(mpfr_sqrt, first * first + h * h);
            break;
        }
        case 1: {
            const int n = 2 + g.below(3);
            c.add({"x^N", std::to_string(n)});
            c.truth = 1;
            for (int i = 0; i < n; ++i) {
                c.truth *= first;
            }
            break;
        }
        default: {  // MS, then MR after Clear, or the chain goes on from the stored result
            c.add({divide ? "/" : "+", "MS"});
            const bool recalled = g.below(2) == 0;
            c.add({recalled ? "Clear" : "x"});
            const mpq_class n = recalled ? 1 : g.number(c.tokens, 2, 0);
            Generator::key(c.tokens, recalled, "MR");
            c.truth = first * n;
            c.tolerance = floatMode ? 1e-17 : 0;
            c.allowed =
                divide ? mpq_class(std::max(mpq_class(1), mpq_class(abs(n))) * place(10, -19)) : 0;
        }
    }
    c.add({"="});
    return c;
}

// Memory sums, and whole powers in every base: x^N, and 2^x and 10^x of whole
// numbers, keep the low 128 bits.
Case memoryAndPowers(Generator& g) {
    Case c;
    if (g.below(2) == 0) {
        c.truth = g.number(c.tokens, 12, 4);
        c.add({"MS"});
        for (int i = 1 + g.below(3); i > 0; --i) {
            const mpq_class n = g.number(c.tokens, 12, 4);
            c.add({g.below(2) == 0 ? "M+" : "M-"});
            c.truth += c.tokens.back() == "M+" ? n : mpq_class(-n);
        }
        c.add({"Clear", "MR"});
        return c;
    }
    const int which = g.below(4);
    const int radix = kRadix[which];
    const int key = g.below(3);  // x^N, 2^x, 10^x (ten to the x in Dec)
    const int base = key == 0 ? 2 + g.below(30) : key == 2 && radix == 10 ? 10 : 2;
    const int n = g.below(key == 0 ? 128 : 140);
    c.add({kBases[which]});
    if (key == 0) {
        Generator::type(c.tokens, mpz_class(base).get_str(radix));
        c.add({"x^N"});
    }
    Generator::type(c.tokens, mpz_class(n).get_str(radix));
    c.add({key == 0 ? "=" : base == 2 ? "2^x" : "10^x"});
    c.truth = mpq_class(power(base, n) % (mpz_class(1) << 128));
    return c;
}

// Functions at typical values, and degree trigonometry at textbook angles.
Case function(Generator& g) {
    Case c;
    c.tolerance = 2e-17;
    if (g.below(2) == 0) {
        static const int kAngles[] = {0, 15, 30, 45, 60, 75, 90, 120, 135, 150, 210, 225, 300, 330};
        const int f = g.below(3);
        const int pick = kAngles[g.below(14)];
        const mpq_class angle = pick == 90 && f == 2 ? 45 : pick;  // Tan 90 has no value
        Generator::type(c.tokens, angle.get_str());
        c.add({f == 0 ? "Sin" : f == 1 ? "Cos" : "Tan"});
        const auto fn = f == 0 ? mpfr_sin : f == 1 ? mpfr_cos : mpfr_tan;
        c.truth = exactly(fn, angle * kDegree);
        if (g.below(2) == 0 && f != 2) {  // and back: Arc of the shown sine or cosine
            static const char* const kSines[] = {"0.5", "1", "0"};
            const std::string x = kSines[g.below(3)];
            const bool negative = g.below(2) == 0;
            c.tokens = {"Arc"};
            Generator::type(c.tokens, x);
            Generator::key(c.tokens, negative, "+/-");
            c.add({f == 0 ? "Sin" : "Cos"});
            const mpq_class v = negative ? mpq_class(-valueIn(x)) : valueIn(x);
            c.truth = mpq_class(exactly(f == 0 ? mpfr_asin : mpfr_acos, v) / kDegree);
        }
        return c;
    }
    static const char* const kKeys[] = {"sqrt", "x^2", "Log", "2^x", "10^x", "e^x"};
    static const decltype(&mpfr_sqrt) kTrue[] = {mpfr_sqrt, mpfr_sqr,   mpfr_log10,
                                                 mpfr_exp2, mpfr_exp10, mpfr_exp};
    const int f = g.below(6);
    const mpq_class x = g.number(c.tokens, f >= 3 ? 0 : 4, 3, f >= 3);
    c.add({kKeys[f]});
    c.truth = f == 1 ? product(x, x) : exactly(kTrue[f], x);
    c.tolerance = f == 1 ? 0 : 2e-17;
    return c;
}

// Reals written in every base: a product or a quotient in floating-point mode
// near 2^63 (a computed 2^63 or more shows the message), and in both modes a
// square root after a base change and the pi key, alone or times a whole number.
Case realInRadix(Generator& g) {
    Case c;
    const int which = g.below(4);
    c.radix = kRadix[which];
    c.real = true;
    const int form = g.below(3);
    Generator::key(c.tokens, !g.floatMode(c.tokens) && form == 0, "Float");
    if (form == 0) {  // a product or quotient about as wide as 2^63 (in Bin as typing allows)
        const auto typed = [&](int length) {
            mpz_class n = 1 + g.below(c.radix - 1);
            for (int i = 1; i < length; ++i) {
                n = n * c.radix + g.below(c.radix);
            }
            Generator::type(c.tokens, mpz_class(n).get_str(c.radix));
            return mpq_class(n);
        };
        c.add({kBases[which]});
        const int wanted = c.radix == 2 ? 35 : c.radix == 8 ? 21 : c.radix == 16 ? 16 : 19;
        const bool times = g.below(2) == 0;
        const int length =
            times ? 1 + g.below(std::min(19, wanted - 3)) : std::min(19, wanted - g.below(3));
        const mpq_class a = typed(length);
        c.add({times ? "x" : "/"});
        const mpq_class b =
            typed(times ? std::clamp(wanted - length - 2 + g.below(5), 1, 16) : 1 + g.below(2));
        c.add({"="});
        c.truth = times ? mpq_class(a * b) : mpq_class(a / b);
        c.allowed = 3 * kEps * abs(c.truth);
    } else if (form == 1) {
        const mpq_class a = g.number(c.tokens, 18, 0, false);
        c.add({kBases[which], "sqrt"});
        c.truth = exactly(mpfr_sqrt, a);
        c.allowed = 2 * kEps * c.truth;
    } else {
        c.add({kBases[which], "pi"});
        const mpq_class pi = 4 * exactly(mpfr_atan, 1);
        const bool timesKey = Generator::key(c.tokens, g.below(2) == 0, "x");
        const mpq_class times = timesKey ? g.number(c.tokens, 4, 0, false, c.radix) : 1;
        Generator::key(c.tokens, timesKey, "=");
        c.truth = pi * times;
        c.allowed = times * lastPlace(pi, c.radix) + 2 * kEps * c.truth;
    }
    c.allowed += 2 * lastPlace(c.truth, c.radix);  // a tail run rounded up is one more
    return c;
}

// Floating-point mode shows digits it read as they were: a real of up to 18
// significant digits typed, pasted or recalled, and after "+ 0 ="; a whole
// number typed, or typed in integer mode and recalled, in any base and after a
// base change, 2^63 and more too.
Case readBack(Generator& g) {
    Case c;
    c.add({"Float"});
    if (g.below(2) == 0) {
        std::string text;
        const int significant = g.below(4) == 0 ? 1 + g.below(9) : 10 + g.below(9);
        for (int i = 0; i < significant; ++i) {
            text += static_cast<char>('0' + (i == 0 ? 1 + g.below(9) : g.below(10)));
        }
        const int point = g.below(2) == 0 ? 0 : g.below(significant + 1);
        text.insert(point, point == 0 ? "." + std::string(g.below(19 - significant), '0') : ".");
        c.truth = valueIn(text);
        const int way = g.below(4);  // typed, pasted, recalled, plus zero
        if (way == 1) {
            c.tokens.push_back("paste:" + text);
            return c;
        }
        Generator::type(c.tokens, text);
        c.truth = Generator::key(c.tokens, g.below(4) == 0, "+/-") ? mpq_class(-c.truth) : c.truth;
        const Tokens after[] = {{}, {}, {"MS", "Clear", "MR"}, {"+", "0", "="}};
        c.add(after[way]);
        return c;
    }
    const int from = g.below(4);
    const bool recalled = g.below(2) == 0;
    c.tokens.resize(recalled ? 0 : 1);  // a recalled number is typed in integer mode
    c.add({kBases[from]});
    c.truth = g.number(c.tokens, recalled ? (from == 2 ? 27 : 33) : 18, 0, false, kRadix[from]);
    c.add(recalled ? Tokens{"MS", "Float", "MR"} : Tokens{});
    const int to = g.below(4);
    c.add({kBases[to]});
    c.radix = kRadix[to];
    return c;
}

// A base change in the middle of a calculation, in both modes: the first
// operand, the memory and the current number keep the digits shown (the
// fraction's digits read whole), an empty entry stays empty, and what follows
// works on those digits in the new base: operations, memory keys and functions.
Case baseChange(Generator& g) {
    Case c;
    bool floatMode = g.floatMode(c.tokens);
    const int which = g.below(3);
    c.radix = kRadix[which];
    const char* const base = kBases[which];
    const int form = g.below(5);
    const int op = g.below(4);
    const mpq_class a = g.number(c.tokens, form == 4 ? 0 : 3, 4, form != 4);
    const mpq_class shown = rewritten(a, 10, c.radix);
    const auto operand = [&] { return g.number(c.tokens, 3, op < 2 ? 3 : 0, true, c.radix); };
    const auto apply = [&](const mpq_class& x, const mpq_class& y) {
        return op == 0     ? mpq_class(x + y)
               : op == 1   ? mpq_class(x - y)
               : op == 2   ? mpq_class(x * y)
               : floatMode ? mpq_class(x / y)
                           : quotient19(x, y, c.radix);
    };
    switch (form) {
        case 0:  // the first operand held: a OP Base [CE] b =, or a OP Base =
            c.add({kOps[op], base});
            if (op < 2 && g.below(3) == 0) {
                c.truth = apply(shown, shown);
            } else {
                Generator::key(c.tokens, g.below(4) == 0, "CE");
                c.truth = apply(shown, operand());
            }
            c.add({"="});
            break;
        case 1:  // the current number: a Base OP b =
            c.add({base, kOps[op]});
            c.truth = apply(shown, operand());
            c.add({"="});
            break;
        case 2:  // the memory: a MS Clear Base MR OP b =, or a MS Base M+ (M-) MR
            c.add({"MS"});
            if (g.below(2) == 0) {
                c.add({"Clear", base, "MR", kOps[op]});
                c.truth = apply(shown, operand());
                c.add({"="});
            } else {
                c.add({base, op % 2 == 0 ? "M+" : "M-", "MR"});
                c.truth = op % 2 == 0 ? mpq_class(2 * shown) : mpq_class(0);
            }
            break;
        case 3:  // the real side of MS: a Base MS Float MR + 0 =
            c.add({base, "MS", "Float", "MR", "+", "0", "="});
            c.truth = shown;
            floatMode = !floatMode;
            break;
        default: {  // a function: square root, sine in radians, a power's exponent, x squared
            const int f = g.below(floatMode ? 4 : 3);
            const int b = 2 + g.below(8);
            if (f == 1) {
                c.tokens.insert(c.tokens.begin(), "Rad");
            } else if (f == 2) {
                c.tokens.insert(c.tokens.begin() + (floatMode ? 1 : 0), {std::to_string(b), "x^N"});
            }
            static const char* const kKeys[] = {"sqrt", "Sin", "=", "x^2"};
            c.add({base, kKeys[f]});
            c.truth = f == 0   ? exactly(mpfr_sqrt, shown)
                      : f == 1 ? exactly(mpfr_sin, shown)
                      : f == 2 ? exactly(mpfr_exp, shown * exactly(mpfr_log, b))
                               : mpq_class(shown * shown);
            c.tolerance = 2e-17;
            // The unit's sine is off by a part of its argument's size: its pi has 66 bits.
            c.scale = f == 1 ? mpq_class(abs(shown)) : mpq_class(abs(c.truth));
        }
    }
    if (floatMode || form == 4) {
        c.real = true;
        c.allowed = 2 * lastPlace(c.truth, c.radix) + 2 * kEps * abs(c.truth);
    } else if (op == 3) {
        c.allowed = place(c.radix, -19);  // rounded, not raised, when the dividend has more places
    }
    return c;
}

TEST(Truth, ShownNumbersAreTrue) {
    const char* seed = std::getenv("KORVO_TRUTH_SEED");
    const char* count = std::getenv("KORVO_TRUTH_COUNT");
    Generator g(seed != nullptr ? std::strtoull(seed, nullptr, 10) : 20261207);
    const long sequences = count != nullptr ? std::strtol(count, nullptr, 10) : 10000;
    static Case (*const kKinds[])(Generator&) = {
        chain,    chain,       afterChain, afterChain, percent,    exactOperation,
        function, realInRadix, readBack,   baseChange, baseChange, memoryAndPowers};
    int failures = 0;
    for (long i = 0; i < sequences && failures < 20; ++i) {
        const Case c = kKinds[g.below(std::size(kKinds))](g);
        korvo::CalculatorState s;
        korvo::HeadlessWindow ws;
        for (const std::string& token : c.tokens) {
            korvo::cli::perform(*korvo::cli::parseToken(token), s, ws);
        }
        // The number read: the readout's line of the base, the entry in binary
        // (the binary block pads a fraction's digits).
        const korvo::ReadoutPicture& p = ws.readout();
        std::string shown = c.radix == 10   ? p.decimal.text
                            : c.radix == 16 ? p.hexadecimal.text
                            : c.radix == 8  ? p.octal.text
                                            : ws.entryText();
        shown.erase(shown.find_last_not_of(' ') + 1);
        const mpq_class value = valueIn(shown, c.radix);
        const mpq_class error = abs(value - c.truth);
        const mpq_class scale = std::max({c.scale, mpq_class(abs(c.truth))});
        const bool outOfRange = ws.entryText().rfind("**", 0) == 0;
        const bool real = c.real || c.tolerance > 0;
        if (!real && scale >= mpq_class(mpz_class(1) << 127)) {
            continue;  // a chain that wrapped: the powers check the wrap
        }
        const bool ok = outOfRange ? real && scale >= (1 - kEps) * mpq_class(mpz_class(1) << 63)
                                   : error <= c.allowed + c.tolerance * scale &&
                                         (value != 0 || shown[0] != '-');
        if (!ok) {
            std::string line;
            for (const std::string& token : c.tokens) {
                line += " " + token;
            }
            ADD_FAILURE() << "korvocalc-cli" << line << "\n  shows " << shown << ", true value "
                          << std::setprecision(25) << mpf_class(c.truth, 256)
                          << (c.radix == 10 ? "" : " (in decimal)");
            ++failures;
        }
    }
}

}  // namespace
