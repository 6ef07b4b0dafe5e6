#include "calc/entryio.h"

#include "calc/numberstate.h"
#include "readout/readout.h"

namespace korvo {

std::string readEntry(WindowSystem& ws) {
    return ws.entryText();
}

void repaintReadout(CalculatorState& s, WindowSystem& ws) {
    ws.showReadout(paintReadout(currentNumberOf(s)));
}

void refreshEntry(CalculatorState& s, WindowSystem& ws) {
    readLimbs(s, s.entryText);
    readReal(s, s.entryText);
    writeReal(s, s.realValue, RealText::Echo);
    repaintReadout(s, ws);
}

std::string withoutZeroSign(std::string text) {
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

void unsignZeroRealTexts(CalculatorState& s) {
    const std::string whole = s.realIntText + s.realFracText;
    if (withoutZeroSign(whole) != whole) {
        s.realIntText.erase(0, 1);
    }
}

}  // namespace korvo
