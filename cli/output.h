// What the driver prints: the window's visible state as a block of lines or
// as one JSON object, and a line for each message box.
#pragma once

#include <string>

#include "cli/headlesswindow.h"

namespace korvo::cli {

// "entry: ...", "operator: ...", ... "beeps: N", each line ending in "\n".
std::string textBlock(HeadlessWindow& ws);
// One line: the same state and every message shown so far as a JSON object.
std::string jsonBlock(HeadlessWindow& ws);
// The same object with the token just run ("token": null when none ran).
std::string jsonTraceLine(HeadlessWindow& ws, const std::string* token);
// "message: TEXT\n" with each CR LF of the text written as the two characters \n.
std::string messageLine(const HeadlessWindow::Message& message);

}  // namespace korvo::cli
