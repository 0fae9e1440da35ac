#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace examtrainer {

// The leading decimal number of a text (blanks before it skipped), 0 when it has none:
// "12 points" is 12, "two" is 0.
double lenientNumber(const std::string& text);

// The whole text as a decimal number, blanks around it allowed; nothing when it is not one.
// An empty text is not a number.
std::optional<double> strictNumber(const std::string& text);

// Like strictNumber, for the 16-bit integer fields of the data files: the number is rounded to
// a whole one (halves to the even neighbour) and must lie in -32768..32767.
std::optional<int16_t> strictInt16(const std::string& text);

// Whole number nearest to x, halves to the even neighbour.
double roundHalfEven(double x);

// x rounded to one decimal, ties to the even last digit; exact for the clock's multiples of 1/8.
double roundToOneDecimal(double x);

// Plain decimal text with a point: a whole number has no decimals ("96", "95.9", "-3").
std::string numberText(double x);

} // namespace examtrainer
