#pragma once

// An argument of the command line entered into a field of the windows, or the reason the
// field refuses it. zarn-calc never cuts, drops or changes what it was given: an argument
// with a character its field would refuse, or longer than its field, is refused, and the
// message names the field (ANOS, MESES, ...). Blanks are let through: the fields drop them
// as the calculation does. Texts are Windows-1252.

#include <string>
#include <string_view>

namespace zarn {

struct FieldEntry {
    bool Ok = false;
    std::string Text;    // the field text, as the window's field would give it
    std::string Refusal; // when not Ok: "ANOS: ..."
};

// Types the argument into the empty field of that mask, as the user types: refused
// characters beep, a separator jumps to the next sub-field. A character that beeps (other
// than a blank, or the literal the caret has just passed) and one that finds no room left
// refuse the argument.
FieldEntry TypeIntoField(std::string_view name, std::string_view mask, std::string_view argument);

// Pastes the argument into the empty field of that mask: a separator meets its literal, so
// "15/03/2008" and "15032008" give the same date. A character other than a digit, a blank
// or a literal of the mask, or one that finds no room left, refuses the argument.
FieldEntry PasteIntoField(std::string_view name, std::string_view mask, std::string_view argument);

// The field text after the program writes the text into the field of that mask, as
// Continua writes a result (the write fits the text to the mask; nothing is refused).
std::string WriteIntoField(std::string_view mask, std::string_view text);

// Enters the argument into a plain edit field that takes any character up to its typing
// limit (the calendar's term fields).
FieldEntry EnterPlainField(std::string_view name, std::size_t limit, std::string_view argument);

} // namespace zarn
