#include "framework/core/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace fw {
namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsPlaceholder(char c) {
  return c == '#' || c == '0';
}

// A number that from_chars finds out of range: infinite when its decimal exponent is positive,
// else (an underflow) zero.
double OutOfRange(std::string_view mantissa, long long exponent) {
  long long magnitude = exponent;
  const auto point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const auto firstNonZero = whole.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    magnitude += static_cast<long long>(whole.size() - firstNonZero);
  } else if (point != std::string_view::npos) {
    const auto fraction = mantissa.substr(point + 1);
    magnitude -= static_cast<long long>(fraction.find_first_not_of('0'));
  }
  return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// The digits of `value` before and after the point, rounded to `places` with halves away from
// zero. The exact expansion first, so that no value is rounded twice.
std::pair<std::string, std::string> RoundHalfAway(double value, int places) {
  constexpr int kExactPlaces = 1075;  // enough for every fraction a double can hold
  const int precision = std::max(places + 1, kExactPlaces);
  std::vector<char> buffer(static_cast<std::size_t>(precision) + 320);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, precision);
  const std::string_view exact(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const auto point = exact.find('.');
  std::string digits(exact.substr(0, point));
  digits += exact.substr(point + 1, static_cast<std::size_t>(places));
  if (exact[point + 1 + static_cast<std::size_t>(places)] >= '5') {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  const std::size_t whole = digits.size() - static_cast<std::size_t>(places);
  return {digits.substr(0, whole), digits.substr(whole)};
}
}  // namespace

double Val(std::string_view text) {
  constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return kNotANumber;
  const std::string_view mantissa = text.substr(start, i - start);
  std::size_t end = i;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
      }
      if (negativeExponent) exponent = -exponent;
      end = j;
    }
  }
  if (end != text.size()) return kNotANumber;
  const std::string_view number = text.substr(start, end - start);
  double value = 0;
  const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) value = OutOfRange(mantissa, exponent);
  return negative ? -value : value;
}

std::string Format(double number, std::string_view mask) {
  if (std::isnan(number)) return "NaN";
  if (std::isinf(number)) return number < 0 ? "-INF" : "INF";

  const auto point = mask.find('.');
  const std::string_view wholeMask = mask.substr(0, point);
  const std::string_view fractionMask =
      point == std::string_view::npos ? std::string_view{} : mask.substr(point + 1);
  int places = 0;
  for (char c : fractionMask) places += IsPlaceholder(c) ? 1 : 0;

  const auto [wholeDigitsText, fractionDigits] = RoundHalfAway(std::fabs(number), places);
  std::string_view wholeDigits = wholeDigitsText;
  const bool zero = (wholeDigitsText + fractionDigits).find_first_not_of('0') == std::string::npos;
  if (wholeDigits == "0") wholeDigits = {};  // a "0" in the mask writes the zero where it wants one

  // The whole part, right to left; digits without a place go before the leftmost placeholder.
  std::string whole;
  std::size_t left = wholeDigits.size();
  const auto leftmost = wholeMask.find_first_of("#0");
  if (leftmost == std::string_view::npos) {
    whole = std::string(wholeMask) + std::string(wholeDigits);
  } else {
    for (std::size_t k = wholeMask.size(); k-- > 0;) {
      const char c = wholeMask[k];
      if (IsPlaceholder(c)) {
        if (left > 0) {
          whole.insert(whole.begin(), wholeDigits[--left]);
        } else if (c == '0') {
          whole.insert(whole.begin(), '0');
        }
        if (k == leftmost) whole.insert(0, wholeDigits.substr(0, left));
      } else {
        whole.insert(whole.begin(), c);
      }
    }
  }

  // The fraction, left to right; trailing zeros on "#" places are dropped.
  std::string fraction;
  std::size_t next = 0;
  std::size_t keep = 0;
  for (char c : fractionMask) {
    if (IsPlaceholder(c)) {
      const char digit = fractionDigits[next++];
      fraction.push_back(digit);
      if (c == '0' || digit != '0') keep = fraction.size();
    } else {
      fraction.push_back(c);
      keep = fraction.size();
    }
  }
  fraction.resize(keep);

  std::string out = number < 0 && !zero ? "-" : "";
  out += whole;
  if (point != std::string_view::npos) out += '.';
  out += fraction;
  return out;
}

std::string Chr(std::int64_t code) {
  // Not a Unicode scalar value: no character, so the empty text.
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  const auto c = static_cast<std::uint32_t>(code);
  std::string out;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return out;
}

std::int64_t Asc(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  std::uint32_t code = 0;
  std::uint32_t minimum = 0;
  if (lead < 0x80) return lead;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return lead;
  }
  if (text.size() < length) return lead;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return lead;
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and codes past Unicode are no characters: the byte stands alone.
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return lead;
  return code;
}

}  // namespace fw
