// Numbers as the host's reports print them: doubles so that they read back
// bit for bit, non-finite values as "nan", "inf" and "-inf"; ids in hex.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace panelhost {

inline std::string double_text(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// JSON has no NaN or infinities: those become the strings above.
inline nlohmann::json double_json(double value) {
  if (!std::isfinite(value)) return double_text(value);
  return value;
}

// Parses a double written as the reports write it (also "infinity").
inline std::optional<double> parse_double(std::string_view text) {
  if (text == "nan") return std::nan("");
  if (text == "-nan") return -std::nan("");
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

// Parses a 32-bit number, decimal or with a 0x prefix; a leading minus wraps
// as a 32-bit two's complement value does.
inline std::optional<std::uint32_t> parse_u32(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  std::uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
  if (negative ? value > 0x80000000u : value > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::uint32_t>(negative ? (~value + 1) : value);
}

inline std::optional<std::int32_t> parse_i32(std::string_view text) {
  std::int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace panelhost
