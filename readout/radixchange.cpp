#include "readout/radixchange.h"

#include <cstddef>
#include <string>

#include "intmath/numbertext.h"

namespace korvo {

namespace {

// `piece` read as written in one base and written in another.
std::string convertPiece(const std::string& piece, std::uint32_t from, std::uint32_t to) {
    return formatNumber(parseNumber(piece, from), to).whole;
}

// The zeros right after the point carry no value, so the conversion would
// lose them; they are counted and written back as they stood.
std::size_t leadingZeros(const std::string& digits) {
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string::npos ? digits.size() : firstNonZero;
}

// A whole number of 2^63 or more, typed, pasted or recalled, has no real
// texts (the real cannot be written), but its limbs hold its digits.
bool wholeNumberPastTheReals(const CurrentNumber& n) {
    return n.real.integer.empty() && n.real.fraction.empty() && n.limbs.fraction.isZero() &&
           !n.limbs.isZero();
}

}  // namespace

RadixChange changeRadix(const CurrentNumber& number, std::uint32_t toRadix) {
    if (!number.floating || wholeNumberPastTheReals(number)) {
        return {formatNumber(number.limbs, toRadix).whole, std::nullopt};
    }
    // The sign travels with the integer part; an empty text reads as 0.
    RealTexts real{convertPiece(number.real.integer, number.radix, toRadix), {}};
    if (!number.real.fraction.empty()) {
        const std::size_t point = number.real.fraction.find('.');
        const std::string digits = point == std::string::npos
                                       ? number.real.fraction
                                       : number.real.fraction.substr(point + 1);
        real.fraction = "." + std::string(leadingZeros(digits), '0') +
                        convertPiece(digits, number.radix, toRadix);
    }
    return {real.whole(), real};
}

}  // namespace korvo
