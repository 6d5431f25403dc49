// Small text helpers shared by the file readers and writers. Data files are single-byte text, so
// letter case is folded for ASCII letters only.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ascii_case.h"

namespace qw {

// Without leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanks(std::string_view text);
std::string ToUpperAscii(std::string_view text);
// a < b ignoring ASCII letter case.
bool LessIgnoringCase(std::string_view a, std::string_view b);

// Cuts text at every comma into trimmed pieces ("USA, INTL" -> "USA", "INTL").
std::vector<std::string> SplitList(std::string_view text);

// A decimal number with optional sign, fraction and exponent, surrounded by optional blanks.
// Both '.' and ',' are taken as the decimal separator. Infinite and NaN values fail.
std::optional<double> ParseNumber(std::string_view text);
// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);
// The number rounded to the nearest integer, exact halves to the even neighbour, when it lies
// in the 16-bit (or 32-bit) range.
std::optional<int16_t> ParseInt16(std::string_view text);
std::optional<int32_t> ParseInt32(std::string_view text);
// A number (true when not zero) or the words "True" / "False" in any letter case.
std::optional<bool> ParseBool(std::string_view text);
// The leading decimal number of the text, 0 when there is none; blanks before it are skipped.
double LeadingNumber(std::string_view text);

}  // namespace qw
