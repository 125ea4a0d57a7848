#pragma once

// Locale-independent number texts. Everything the program shows or writes goes through
// these functions, so the process locale (which Qt sets from LANG) never changes a digit.

#include <optional>
#include <string>
#include <string_view>

namespace lajes {

// Fixed-decimal text as a calculation sheet rounds it: the exact binary value rounded to
// nearest, ties away from zero (12.125 -> "12.13", 2.675 -> "2.67" because 2.675 is stored
// just below). `decimals` = 2 gives the "%0.2f" form of every box and report line.
// A value that rounds to zero is written without a minus sign.
std::string formatFixed(double value, int decimals, char decimalSeparator);

// Shortest plain form of a number: no exponent, no trailing zeros ("31", "17.5", "6.3").
// Used by the bar descriptions (31Ø6.3c10) and the drawing's labels.
std::string formatShortest(double value, char decimalSeparator);

// The 23-character real form of the configuration and DXF files: a blank or "-", one digit,
// ".", fourteen digits, "E", the exponent's sign and four exponent digits; 15 significant
// digits, rounded. Always ".".
std::string formatFixedReal(double value);

// Reads a whole text as a real number with "." as the decimal point whatever the locale:
// an optional sign, digits with an optional fraction, an optional exponent ("E" or "e").
// Returns nothing for any other text (also for "inf", "nan", an empty text, or trailing
// characters).
std::optional<double> parseReal(std::string_view text);

// The same, for a number typed by the user with either "." or "," as the separator.
std::optional<double> parseUserReal(std::string_view text);

// The message for a typed text that is no number: "'4,5,2' não é um número válido."
std::string notANumberMessage(std::string_view text);

} // namespace lajes
