#include "readout/radixchange.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "intmath/numbertext.h"

namespace korvo {

namespace {

// The zeros right after the point carry no value, so the conversion would
// lose them; they are counted and written back as they stood.
std::size_t leadingZeros(std::string_view digits) {
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    return firstNonZero == std::string_view::npos ? digits.size() : firstNonZero;
}

// A whole number of 2^63 or more, typed, pasted or recalled, has no real
// texts (the real cannot be written), but its limbs hold its digits.
bool wholeNumberPastTheReals(const CurrentNumber& n) {
    return n.real.integer.empty() && n.real.fraction.empty() && n.limbs.fraction.isZero() &&
           !n.limbs.isZero();
}

}  // namespace

RadixSource::RadixSource(const CurrentNumber& number) {
    if (!number.floating || wholeNumberPastTheReals(number)) {
        whole_ = number.limbs;
        return;
    }
    // The real's pieces, each read as a whole number in the old base; the
    // sign travels with the integer part, and an empty text reads as 0.
    fromReal_ = true;
    whole_ = parseNumber(number.real.integer, number.radix);
    if (!number.real.fraction.empty()) {
        std::string_view digits = number.real.fraction;
        digits.remove_prefix(std::min(digits.find('.') + 1, digits.size()));
        hasFraction_ = true;
        fractionZeros_ = leadingZeros(digits);
        fraction_ = parseNumber(digits, number.radix);
    }
}

RadixChange RadixSource::writtenIn(std::uint32_t radix) const {
    if (!fromReal_) {
        return {numberText(whole_, radix), std::nullopt};
    }
    RealTexts real{numberText(whole_, radix), {}};
    if (hasFraction_) {
        real.fraction = "." + std::string(fractionZeros_, '0') + numberText(fraction_, radix);
    }
    std::string text = real.whole();
    return {std::move(text), std::move(real)};
}

RadixChange changeRadix(const CurrentNumber& number, std::uint32_t toRadix) {
    return RadixSource(number).writtenIn(toRadix);
}

}  // namespace korvo
