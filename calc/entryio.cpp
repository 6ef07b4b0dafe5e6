#include "calc/entryio.h"

#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "readout/readout.h"

namespace korvo {

std::string readEntry(WindowSystem& ws) {
    return ws.entryText();
}

void repaintReadout(CalculatorState& s, WindowSystem& ws) {
    ws.showReadout(paintReadout(s));
}

void refreshEntry(CalculatorState& s, WindowSystem& ws) {
    s.workText = s.entryText;
    parseNumber(s);
    s.workText = s.entryText;
    parseReal(s);
    formatReal(s, s.realValue, RealText::Echo);
    repaintReadout(s, ws);
}

std::string withoutZeroSign(std::string text) {
    if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

}  // namespace korvo
