// Reading a pasted text as a number of the base in force.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvo {

// The number `text` stands for in `radix`, written as the entry holds it
// (capital digits, at most one leading "-" and one "."), taking what the
// calculator shows and what programmers copy: white space around it, "_"
// and single spaces between digits, a prefix 0x, 0o or 0b naming `radix`,
// and in decimal commas between groups of three digits ("1,234,567").
// Empty for a text of white space only; nullopt for anything else that is
// not such a number.
std::optional<std::string> pastedNumber(std::string_view text, std::uint32_t radix);

}  // namespace korvo
