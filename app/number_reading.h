// The number-reading rule by which every text box is read as a number.
#pragma once

#include <string_view>

namespace app {

// Reads the number at the start of a UTF-8 text. Blanks, tabs and line feeds are skipped
// wherever they stand; then the longest leading run that forms a number is read: an
// optional sign, digits with at most one full stop as the decimal point (whatever the
// locale), and an optional exponent introduced by E or D; or "&H" / "&O" followed by a
// hexadecimal or octal integer. The rest of the text is ignored; a text with no leading
// number, the empty text included, reads as 0. Full-width forms that a Japanese input method
// types (digits, full stop, signs, letters, the ideographic space) read as their ASCII
// forms. Never fails, whatever the bytes: invalid UTF-8 ends the number like any other
// character. Decimals are correctly rounded; beyond the range of a double they give
// +-infinity, below it 0; a hexadecimal or octal integer too large gives +infinity. A value
// of zero is always +0, whatever sign the text wrote it with.
double readNumber(std::string_view utf8Text);

}  // namespace app
