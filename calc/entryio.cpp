#include "calc/entryio.h"

#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "readout/readout.h"

namespace korvo {

std::string readEntry(WindowSystem& ws, std::size_t bufferSize) {
    std::string text = ws.entryText();
    const std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
    if (text.size() > room) {
        text.resize(room);
    }
    return text;
}

void repaintReadout(CalculatorState& s, WindowSystem& ws) {
    ws.showReadout(paintReadout(s));
}

void refreshEntry(CalculatorState& s, WindowSystem& ws) {
    // Copied as into a 34-byte buffer: at most 33 characters reach the parsers.
    constexpr std::size_t kCopyRoom = 33;
    s.workText = s.entryText.substr(0, kCopyRoom);
    parseNumber(s);
    s.workText = s.entryText.substr(0, kCopyRoom);
    parseReal(s);
    formatReal(s, s.realValue, RealText::Echo);
    repaintReadout(s, ws);
}

}  // namespace korvo
