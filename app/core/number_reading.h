// The number-reading rule by which every text box is read as a number.
#pragma once

#include <cstddef>
#include <string_view>

namespace app {

// What the number-reading rule made of the start of a text.
struct NumberReading {
    // The number, as readNumber gives it.
    double value;
    // Whether a digit took part: a decimal digit of the mantissa, or a hexadecimal or octal
    // digit after "&H" / "&O". Without one the text has no leading number and reads as 0.
    bool anyDigit;
    // How many bytes the number takes: from the start of the text to the end of its last
    // character, the blanks, tabs and line feeds skipped before and inside it included and
    // those after it left out. 0 when no digit took part. An exponent letter, with or
    // without a sign, that no digit follows is no part of the number, nor is a second full
    // stop.
    std::size_t consumedBytes;
};

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

// Reads the number at the start of a UTF-8 text as readNumber does, and tells as well
// whether a digit took part and where in the text the number ends.
NumberReading readNumberPrefix(std::string_view utf8Text);

// Given a UTF-8 text; returns whether the number-reading rule skips every character of it
// (blanks, tabs, line feeds and the ideographic space; the empty text included), so that
// text after a number holding only these leaves nothing over.
bool isOnlySkipped(std::string_view utf8Text);

}  // namespace app
