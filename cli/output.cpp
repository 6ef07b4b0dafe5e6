#include "cli/output.h"

#include <array>
#include <string_view>
#include <vector>

#include "state/fixedtexts.h"

namespace korvo::cli {

namespace {

struct CheckName {
    Switch control;
    std::string_view name;
};

// The order in which the checked controls are listed.
constexpr std::array kCheckNames{
    CheckName{Switch::FloatingPoint, "Float"}, CheckName{Switch::Arc, "Arc"},
    CheckName{Switch::Degrees, "Deg"},         CheckName{Switch::Radians, "Rad"},
    CheckName{Switch::Decimal, "Dec"},         CheckName{Switch::Hexadecimal, "Hex"},
    CheckName{Switch::Octal, "Oct"},           CheckName{Switch::Binary, "Bin"},
};

// The indicators are blanked with a text of spaces; the blanks carry nothing.
std::string withoutTrailingBlanks(std::string text) {
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

struct ReadoutLines {
    std::string decimal;
    std::string hexadecimal;
    std::string octal;
    std::vector<std::string> binary;
};

// Empty until the panel has been painted once.
ReadoutLines readoutLines(const HeadlessWindow& ws) {
    ReadoutLines lines;
    if (!ws.readoutPainted()) {
        return lines;
    }
    const ReadoutPicture& picture = ws.readout();
    lines.decimal = picture.decimal.text;
    lines.hexadecimal = picture.hexadecimal.text;
    lines.octal = picture.octal.text;
    for (const PictureLine& line : picture.binary) {
        lines.binary.push_back(line.text);
    }
    return lines;
}

std::vector<std::string_view> checkedNames(HeadlessWindow& ws) {
    std::vector<std::string_view> names;
    for (const CheckName& check : kCheckNames) {
        if (ws.isChecked(check.control)) {
            names.push_back(check.name);
        }
    }
    return names;
}

template <typename Texts>
std::string joined(const Texts& texts, std::string_view separator) {
    std::string result;
    bool first = true;
    for (const auto& text : texts) {
        if (!first) {
            result += separator;
        }
        result += text;
        first = false;
    }
    return result;
}

// A JSON string. Bytes of 0x80 and above are written as \u00XX (read as
// Latin-1), so the object stays valid UTF-8 whatever bytes the entry holds.
std::string jsonString(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                result += "\\\"";
                break;
            case '\\':
                result += "\\\\";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\t':
                result += "\\t";
                break;
            default:
                if (code < 0x20 || code >= 0x7F) {
                    constexpr std::string_view kHex = "0123456789ABCDEF";
                    result += "\\u00";
                    result += kHex[(code >> 4U) & 0xFU];
                    result += kHex[code & 0xFU];
                } else {
                    result += c;
                }
        }
    }
    return result + "\"";
}

template <typename Texts>
std::string jsonArray(const Texts& texts) {
    std::string result = "[";
    bool first = true;
    for (const auto& text : texts) {
        result += first ? "" : ",";
        result += jsonString(text);
        first = false;
    }
    return result + "]";
}

// Raised whenever a key is renamed or removed or a value changes its meaning;
// new keys do not raise it.
constexpr int kJsonFormat = 1;

// The calculator's one error: its text fills the entry, stars and blanks
// around it. Scripts get the sentence alone.
std::string errorJson(const std::string& entry) {
    const std::string shown = withoutTrailingBlanks(std::string(text::kOutOfRange));
    if (withoutTrailingBlanks(entry) != shown) {
        return "null";
    }
    constexpr std::size_t kStars = 3;  // "** " and " **"
    return jsonString(std::string_view(shown).substr(kStars, shown.size() - 2 * kStars));
}

// `tokenField` is inserted after the format number.
std::string jsonObject(HeadlessWindow& ws, const std::string& tokenField) {
    const ReadoutLines readout = readoutLines(ws);
    std::vector<std::string> messages;
    for (const HeadlessWindow::Message& message : ws.messages()) {
        messages.push_back(message.text);
    }
    const std::string entry = ws.entryText();
    std::string object = "{\"format\":" + std::to_string(kJsonFormat) + tokenField;
    object += ",\"entry\":" + jsonString(withoutTrailingBlanks(entry));
    object += ",\"entry_raw\":" + jsonString(entry);
    object += ",\"error\":" + errorJson(entry);
    object += ",\"operator\":" + jsonString(withoutTrailingBlanks(ws.operatorIndicator()));
    object += ",\"memory\":" + jsonString(withoutTrailingBlanks(ws.memoryIndicator()));
    object += ",\"readout\":{\"dec\":" + jsonString(readout.decimal);
    object += ",\"hex\":" + jsonString(readout.hexadecimal);
    object += ",\"oct\":" + jsonString(readout.octal);
    object += ",\"bin\":" + jsonArray(readout.binary) + "}";
    object += ",\"checks\":" + jsonArray(checkedNames(ws));
    object += ",\"beeps\":" + std::to_string(ws.beeps());
    object += ",\"messages\":" + jsonArray(messages);
    return object + "}\n";
}

}  // namespace

std::string textBlock(HeadlessWindow& ws) {
    const ReadoutLines readout = readoutLines(ws);
    std::string block;
    block += "entry: " + ws.entryText() + "\n";
    block += "operator: " + withoutTrailingBlanks(ws.operatorIndicator()) + "\n";
    block += "memory: " + withoutTrailingBlanks(ws.memoryIndicator()) + "\n";
    block += "dec: " + readout.decimal + "\n";
    block += "hex: " + readout.hexadecimal + "\n";
    block += "oct: " + readout.octal + "\n";
    block += "bin: " + joined(readout.binary, " | ") + "\n";
    block += "checks: " + joined(checkedNames(ws), " ") + "\n";
    block += "beeps: " + std::to_string(ws.beeps()) + "\n";
    return block;
}

std::string jsonBlock(HeadlessWindow& ws) {
    return jsonObject(ws, "");
}

std::string jsonTraceLine(HeadlessWindow& ws, const std::string* token) {
    return jsonObject(ws, ",\"token\":" + (token != nullptr ? jsonString(*token) : "null"));
}

std::string messageLine(const HeadlessWindow::Message& message) {
    std::string line = "message: ";
    const std::string_view text = message.text;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\r\n") {
            line += "\\n";
            ++i;
        } else {
            line += text[i];
        }
    }
    return line + "\n";
}

}  // namespace korvo::cli
