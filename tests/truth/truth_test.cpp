// Random key sequences whose true value is known exactly (GMP rationals, MPFR
// at 256 bits), run through the calculator: the number shown must be that
// value. Integer mode shows it digit for digit (a quotient to 19 fraction
// digits, the last raised; products round the 19th digit by the 20th; powers
// keep the low 128 bits); reals agree to 19 significant digits beyond the x87's
// own rounding. KORVO_TRUTH_SEED and KORVO_TRUTH_COUNT choose another seed and
// another number of sequences.
#include <gmpxx.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cstdlib>
#include <iomanip>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "cli/driver.h"
#include "cli/output.h"

namespace {

using Tokens = std::vector<std::string>;

mpz_class pow10(unsigned n) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, n);
    return p;
}

// A decimal text ("-12.5") as an exact rational.
mpq_class decimalValue(std::string text) {
    const std::size_t point = std::min(text.find('.'), text.size());
    const auto scale = static_cast<unsigned>(text.size() - std::min(point + 1, text.size()));
    text.erase(point, 1);
    if (!std::regex_match(text, std::regex("-?[0-9]+"))) {
        return mpq_class(1, 7);  // not a number: never a true value here
    }
    mpq_class value(mpz_class(text, 10), pow10(scale));
    value.canonicalize();
    return value;
}

// Integer mode's quotient: 19 fraction digits, the last raised when digits were cut.
mpq_class quotient19(const mpq_class& a, const mpq_class& b) {
    const mpq_class q = a / b;
    const mpz_class scaled = abs(q.get_num()) * pow10(19);
    mpz_class digits = scaled / q.get_den();
    if (digits * q.get_den() != scaled) {
        digits += 1;
    }
    mpq_class result(sgn(q) < 0 ? mpz_class(-digits) : digits, pow10(19));
    result.canonicalize();
    return result;
}

// A product in integer mode: 19 fraction digits rounded at the 20th, and the
// integer part wrapped at 128 bits.
mpq_class product(const mpq_class& a, const mpq_class& b) {
    const mpq_class v = a * b;
    const mpz_class scaled = (abs(v.get_num()) * pow10(20) / v.get_den() + 5) / 10;
    const mpz_class whole = scaled / pow10(19);
    const mpz_class fraction = scaled - whole * pow10(19);
    mpq_class magnitude((whole % (mpz_class(1) << 128)) * pow10(19) + fraction, pow10(19));
    magnitude.canonicalize();
    return sgn(v) < 0 ? mpq_class(-magnitude) : magnitude;
}

struct Case {
    Tokens tokens;
    mpq_class truth;
    double tolerance = 0;   // reals: shown to 19 digits, relative to the scale; 0: integer mode
    mpq_class allowed = 0;  // how far the operations may have gone from the truth
    mpq_class scale = 1;    // the largest magnitude the sequence went through
};

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // Types a number of up to maxInt + 1 integer and maxFrac fraction digits.
    mpq_class number(Tokens& tokens, int maxInt, int maxFrac, bool sign = true) {
        std::string text = std::to_string(1 + below(9));
        for (int i = below(maxInt + 1); i > 0; --i) {
            text += static_cast<char>('0' + below(10));
        }
        if (maxFrac > 0 && below(2) == 0) {
            text += '.';
            for (int i = 1 + below(maxFrac); i > 0; --i) {
                text += static_cast<char>('0' + below(10));
            }
        }
        type(tokens, text);
        if (sign && below(4) == 0) {
            tokens.emplace_back("+/-");
            return -decimalValue(text);
        }
        return decimalValue(text);
    }
    static void type(Tokens& tokens, const std::string& text) {
        for (const char c : text) {
            tokens.emplace_back(1, static_cast<char>(std::toupper(c)));
        }
    }
    static void digits(Tokens& tokens, const mpz_class& n, int base) {
        type(tokens, n.get_str(base));
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

// Chains of + - x / with decimals, doubled operator keys among them, and how
// far the shown number may be from the true one: integer mode keeps sums and
// products exact and lets each quotient be one unit off in its 19th fraction
// digit; reals may be off by the x87's rounding (2^-63 of each value read or
// computed). Each error is carried through the rest of the chain.
Case chain(Generator& g, bool floatMode) {
    static const char* const kOps[] = {"+", "-", "x", "/"};
    const mpq_class ulp(1, pow10(19));
    const mpq_class eps(1, mpz_class(1) << 63);
    Case c;
    if (floatMode) {
        c.tokens.emplace_back("Float");
    }
    mpq_class value = g.number(c.tokens, 5, 4);
    mpq_class bound = floatMode ? mpq_class(eps * abs(value)) : mpq_class(0);
    const auto rounded = [&](bool quotient) {
        if (floatMode) {
            bound += eps * abs(value);
        } else if (quotient) {
            bound += ulp;
        } else if (mpq_class(value * pow10(19)).get_den() != 1) {
            bound += ulp / 2;  // the 20th digit rounds the 19th
        }
    };
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
        rounded(op == 3);
        c.scale = std::max({c.scale, mpq_class(abs(value)), mpq_class(abs(operand))});
    };
    for (int steps = 1 + g.below(4); steps > 0; --steps) {
        const int op = g.below(4);
        if (g.below(6) == 0) {  // the running result is the operand too
            c.tokens.emplace_back(kOps[op]);
            if (op != 3 || (floatMode && value != 0)) {  // an empty entry never divides
                operate(op, mpq_class(value), mpq_class(bound));
            }
        }
        c.tokens.emplace_back(kOps[op]);
        const mpq_class operand = g.number(c.tokens, op == 3 ? 3 : 5, 4);
        operate(op, operand, floatMode ? mpq_class(eps * abs(operand)) : mpq_class(0));
    }
    c.tokens.emplace_back("=");
    c.truth = value;
    c.allowed = bound;
    c.tolerance = floatMode ? 2e-18 : 0;
    return c;
}

// One product or quotient of long fractions: a product rounds its 19th
// fraction digit by the 20th; a quotient whose dividend has no more fraction
// digits than its divisor shows 19 digits, the last raised when any are left.
Case exactOperation(Generator& g) {
    Case c;
    const bool divide = g.below(2) == 0;
    const mpq_class a = g.number(c.tokens, divide ? 6 : 1, divide ? 0 : 12);
    c.tokens.emplace_back(divide ? "/" : "x");
    const mpq_class b = g.number(c.tokens, divide ? 3 : 1, divide ? 5 : 12);
    c.tokens.emplace_back("=");
    c.truth = divide ? quotient19(a, b) : product(a, b);
    return c;
}

// Percent in a chain; percent after a result takes that operation's first operand.
Case percent(Generator& g) {
    Case c;
    const mpq_class a = g.number(c.tokens, 4, 2, false);
    const int op = g.below(3);
    c.tokens.emplace_back(op == 0 ? "+" : op == 1 ? "-" : "x");
    const mpq_class b = g.number(c.tokens, 2, 2, false);
    if (op == 2) {
        c.tokens.insert(c.tokens.end(), {"=", "CE"});
        const mpq_class p = g.number(c.tokens, 2, 1, false);
        c.tokens.emplace_back("%");
        c.truth = a * p / 100;
    } else {
        c.tokens.insert(c.tokens.end(), {"%", "="});
        c.truth = op == 0 ? mpq_class(a + a * b / 100) : mpq_class(a - a * b / 100);
    }
    return c;
}

// HYP and x^N after a chain, and a chain's result kept by MS.
Case afterChain(Generator& g, bool floatMode) {
    Case c;
    if (floatMode) {
        c.tokens.emplace_back("Float");
    }
    const mpq_class a = g.number(c.tokens, 3, 2, false);
    const bool divide = g.below(2) == 0;
    c.tokens.emplace_back(divide ? "/" : "+");
    const mpq_class b = g.number(c.tokens, 2, 1, false);
    const mpq_class first = divide ? mpq_class(a / b) : mpq_class(a + b);
    c.tolerance = 1e-17;
    switch (g.below(3)) {
        case 0: {
            c.tokens.emplace_back("HYP");
            const mpq_class h = g.number(c.tokens, 2, 1, false);
            c.truth = exactly(mpfr_sqrt, first * first + h * h);
            break;
        }
        case 1: {
            c.tokens.emplace_back("x^N");
            const int n = 2 + g.below(3);
            c.tokens.emplace_back(std::to_string(n));
            c.truth = 1;
            for (int i = 0; i < n; ++i) {
                c.truth *= first;
            }
            break;
        }
        default: {
            c.tokens.insert(c.tokens.end(), {divide ? "/" : "+", "MS"});
            if (g.below(2) == 0) {
                c.tokens.insert(c.tokens.end(), {"Clear", "MR"});
                c.truth = first;
            } else {  // the chain goes on from the stored result
                c.tokens.emplace_back("x");
                const mpq_class n = g.number(c.tokens, 2, 0);
                c.truth = first * n;
                c.allowed = divide ? mpq_class(abs(n) / pow10(19)) : mpq_class(0);
            }
            c.tolerance = floatMode ? 1e-17 : 0;
            c.allowed = divide && c.allowed == 0 ? mpq_class(1, pow10(19)) : c.allowed;
        }
    }
    c.tokens.emplace_back("=");
    return c;
}

// Memory sums, and long results typed again in another base.
Case memoryAndBases(Generator& g) {
    Case c;
    switch (g.below(4)) {
        case 0: {
            c.truth = g.number(c.tokens, 12, 4);
            c.tokens.emplace_back("MS");
            for (int i = 1 + g.below(3); i > 0; --i) {
                const mpq_class n = g.number(c.tokens, 12, 4);
                const bool add = g.below(2) == 0;
                c.tokens.emplace_back(add ? "M+" : "M-");
                c.truth = add ? mpq_class(c.truth + n) : mpq_class(c.truth - n);
            }
            c.tokens.insert(c.tokens.end(), {"Clear", "MR"});
            break;
        }
        case 1: {  // radix^N + 1, then 1 more, shown whole in decimal
            static const char* const kBases[] = {"Bin", "Oct", "Hex", "Dec"};
            static const int kRadix[] = {2, 8, 16, 10};
            static const int kMaxExponent[] = {127, 42, 31, 38};
            const int which = g.below(4);
            const int n = 1 + g.below(kMaxExponent[which]);
            c.tokens.insert(c.tokens.end(), {kBases[which], "1", "0", "x^N"});
            g.digits(c.tokens, n, kRadix[which]);
            c.tokens.insert(c.tokens.end(), {"=", "+", "1", "="});
            mpz_class p;
            mpz_ui_pow_ui(p.get_mpz_t(), kRadix[which], n);
            c.truth = mpq_class(p + 1);
            break;
        }
        case 2: {  // a whole power keeps the low 128 bits
            const int base = 2 + g.below(30);
            const int n = 1 + g.below(120);
            g.digits(c.tokens, base, 10);
            c.tokens.emplace_back("x^N");
            g.digits(c.tokens, n, 10);
            c.tokens.emplace_back("=");
            mpz_class p;
            mpz_ui_pow_ui(p.get_mpz_t(), base, n);
            c.truth = mpq_class(p % (mpz_class(1) << 128));
            break;
        }
        default: {  // an integer through all four bases and back
            c.truth = g.number(c.tokens, 30, 0);
            static const char* const kOrders[][3] = {
                {"Hex", "Oct", "Bin"}, {"Bin", "Hex", "Oct"}, {"Oct", "Bin", "Hex"}};
            const auto& order = kOrders[g.below(3)];
            c.tokens.insert(c.tokens.end(), {order[0], order[1], order[2], "Dec"});
        }
    }
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
        Generator::digits(c.tokens, angle.get_num(), 10);
        c.tokens.emplace_back(f == 0 ? "Sin" : f == 1 ? "Cos" : "Tan");
        const auto fn = f == 0 ? mpfr_sin : f == 1 ? mpfr_cos : mpfr_tan;
        c.truth = exactly(fn, angle * kDegree);
        if (g.below(2) == 0 && f != 2) {  // and back: Arc of the shown sine or cosine
            static const char* const kSines[] = {"0.5", "1", "0"};
            const std::string x = kSines[g.below(3)];
            const bool negative = g.below(2) == 0;
            c.tokens = {"Arc"};
            Generator::type(c.tokens, x);
            if (negative) {
                c.tokens.emplace_back("+/-");
            }
            c.tokens.emplace_back(f == 0 ? "Sin" : "Cos");
            const mpq_class v = negative ? mpq_class(-decimalValue(x)) : decimalValue(x);
            c.truth = mpq_class(exactly(f == 0 ? mpfr_asin : mpfr_acos, v) / kDegree);
        }
        return c;
    }
    const int f = g.below(7);
    const mpq_class x = g.number(c.tokens, f >= 4 ? 0 : 4, 3, f >= 4);
    static const char* const kKeys[] = {"sqrt", "x^2", "1/x", "Log", "2^x", "10^x", "e^x"};
    c.tokens.emplace_back(kKeys[f]);
    switch (f) {
        case 0:
            c.truth = exactly(mpfr_sqrt, x);
            break;
        case 1:
            c.truth = product(x, x);
            c.tolerance = 0;
            break;
        case 2:
            c.truth = 1 / x;
            c.allowed = mpq_class(1, pow10(19));
            c.tolerance = 0;
            break;
        case 3:
            c.truth = exactly(mpfr_log10, x);
            break;
        case 4:
            c.truth = exactly(mpfr_exp2, x);
            break;
        case 5:
            c.truth = exactly(mpfr_exp10, x);
            break;
        default:
            c.truth = exactly(mpfr_exp, x);
    }
    return c;
}

// Reals may lose what the trimming removes: a run of nine zeros or nines.
bool trimmable(const mpq_class& truth) {
    mpf_class f(truth, 256);
    mp_exp_t exponent = 0;
    const std::string digits = f.get_str(exponent, 10, 19);
    return digits.find("000000000") != std::string::npos ||
           digits.find("999999999") != std::string::npos;
}

TEST(Truth, ShownNumbersAreTrue) {
    const char* seedText = std::getenv("KORVO_TRUTH_SEED");
    const char* countText = std::getenv("KORVO_TRUTH_COUNT");
    const std::uint64_t seed =
        seedText != nullptr ? std::strtoull(seedText, nullptr, 10) : 20261207;
    const long count = countText != nullptr ? std::strtol(countText, nullptr, 10) : 10000;
    Generator g(seed);
    int failures = 0;
    for (long i = 0; i < count && failures < 20; ++i) {
        const int kind = g.below(8);
        const Case c = kind == 7   ? exactOperation(g)
                       : kind < 2  ? chain(g, kind == 1)
                       : kind == 2 ? percent(g)
                       : kind < 5  ? afterChain(g, kind == 4)
                       : kind == 5 ? memoryAndBases(g)
                                   : function(g);
        korvo::CalculatorState s;
        korvo::HeadlessWindow ws;
        for (const std::string& token : c.tokens) {
            korvo::cli::perform(*korvo::cli::parseToken(token), s, ws);
        }
        const std::string block = korvo::cli::textBlock(ws);
        const auto at = block.find("\ndec: ") + 6;
        const std::string shown = block.substr(at, block.find('\n', at) - at);
        const mpq_class value = decimalValue(shown);
        const mpq_class error = abs(value - c.truth);
        const mpq_class scale = std::max({c.scale, mpq_class(abs(c.truth))});
        const bool outOfRange = ws.entryText().rfind("**", 0) == 0;
        if (c.tolerance == 0 && scale >= mpq_class(mpz_class(1) << 127)) {
            continue;  // a chain that wrapped: the powers check the wrap
        }
        const bool ok = c.tolerance == 0 ? error <= c.allowed && !outOfRange
                        : outOfRange     ? scale >= mpq_class(pow10(17))
                                         : error <= c.allowed + c.tolerance * scale ||
                                           (trimmable(c.truth) && error <= 1e-9 * scale);
        if (!ok) {
            std::string line;
            for (const std::string& token : c.tokens) {
                line += " " + token;
            }
            ADD_FAILURE() << "korvocalc-cli" << line << "\n  shows " << shown << ", true value "
                          << std::setprecision(25) << mpf_class(c.truth, 256);
            ++failures;
        }
    }
}

}  // namespace
