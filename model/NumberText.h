#pragma once

#include "model/Cell.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between typed text and model numbers. None of them depends on the
// process locale: the decimal point is always '.'.

/// Lenient parse of a typed number.
///
/// Blanks, tabs and line feeds are ignored wherever they stand ('1 500' is 1500).
/// '&H' or '&O' (either case) starts a hexadecimal or octal whole number.
/// Otherwise the longest leading part of the form [sign] digits [. digits]
/// [E|D [sign] digits] is read and the rest ignored; text without a digit reads
/// 0 ('12.50kN' is 12.5, '1,5' is 1, 'abc' is 0).
///
/// Returns no value only when the number lies beyond the range of a double
/// ('1E400'); numbers too small to represent read as zero of their sign.
std::optional<double> TextToNumber(std::string_view text);

/// Significant digits of the boxes and reports, and of the frame page.
inline constexpr int ReportDigits = 15;
inline constexpr int PageDigits = 6;

/// The text a box or report shows for a number: up to 15 significant digits,
/// no trailing zeros, '0' for both zeros, exponent form ('1E+15', '2.5E-05')
/// when the decimal exponent is below -4 or 15 and above.
std::string NumberToText(double value);

/// As above; an empty cell gives the empty text.
std::string NumberToText(const Cell& cell);

/// The same form with up to `digits` significant digits (1 to 17): the value is
/// rounded to that many digits, to nearest with ties to even, and the exponent
/// form starts at a decimal exponent of `digits` ('1.23457E+06' for 6 digits).
std::string NumberToText(double value, int digits);
std::string NumberToText(const Cell& cell, int digits);

/// A whole number as the boxes, reports and page write it: "12", "-3", "0".
std::string WholeToText(long long value);

/// TextToNumber rounded to the nearest whole number, ties to the even one
/// ('2.5' is 2, '3.5' is 4). No value when the text is beyond the range of a
/// double or the result lies outside -32768 .. 32767.
std::optional<std::int16_t> TextToInt16(std::string_view text);

/// Appends NumberToText(value, digits) to `out` without a temporary string.
void AppendNumber(std::string& out, double value, int digits = ReportDigits);
