// Property lists checked entry by entry against a table written out once per window: for each
// receiving class, the lists it receives and one row per entry in stored order, giving the
// entry's name as spelled in the list, its declared type and its value, either one value for all
// of the class's lists or one per list, in the order the lists are named.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/core/class_info.h"
#include "framework/core/property_list.h"

namespace quorvan::list_table {

inline constexpr fw::PropType kBoolean = fw::PropType::Boolean;
inline constexpr fw::PropType kInteger = fw::PropType::Integer;
inline constexpr fw::PropType kEnum = fw::PropType::Enum;
inline constexpr fw::PropType kFontUnit = fw::PropType::FontUnit;
inline constexpr fw::PropType kSingle = fw::PropType::Single;
inline constexpr fw::PropType kDouble = fw::PropType::Double;
inline constexpr fw::PropType kColour = fw::PropType::Color;
inline constexpr fw::PropType kString = fw::PropType::String;

inline constexpr long long kNoIndex = -2147483648LL;

// A colour as its four bytes in stored order.
constexpr fw::Color Bytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  return fw::Color{b0, b1, b2, b3};
}

// One value as the table writes it; the row's type says what the list must hold.
class Cell {
 public:
  Cell(bool v) : v_(v) {}
  Cell(int v) : v_(std::int64_t{v}) {}
  Cell(long long v) : v_(std::int64_t{v}) {}
  Cell(double v) : v_(v) {}
  Cell(const char* v) : v_(std::string(v)) {}
  Cell(std::string_view v) : v_(std::string(v)) {}
  Cell(fw::Color v) : v_(v) {}

  // Nothing when the cell cannot stand for a value of that type: a slip in the table itself.
  std::optional<fw::PropertyValue> As(fw::PropType type) const {
    switch (type) {
      case fw::PropType::Boolean:
        return Held<bool>();
      case fw::PropType::Integer:
      case fw::PropType::Enum:
      case fw::PropType::FontUnit:
        return Held<std::int64_t>();
      case fw::PropType::Single:
        if (const auto* d = std::get_if<double>(&v_)) return static_cast<float>(*d);
        return std::nullopt;
      case fw::PropType::Double:
        return Held<double>();
      case fw::PropType::Color:
        return Held<fw::Color>();
      case fw::PropType::String:
        return Held<std::string>();
    }
    return std::nullopt;
  }

 private:
  template <class T>
  std::optional<fw::PropertyValue> Held() const {
    if (const auto* v = std::get_if<T>(&v_)) return fw::PropertyValue(*v);
    return std::nullopt;
  }
  std::variant<bool, std::int64_t, double, std::string, fw::Color> v_;
};

struct Row {
  const char* name;
  fw::PropType type;
  std::vector<Cell> values;  // one for every list, or one per list
};

struct Subject {
  const char* label;  // "window" for the window's own list, else the control's name
  std::string_view stored;
};

// The lists one class receives, and their entries.
struct ClassTable {
  const fw::ClassInfo& (*receiver)();
  std::vector<Subject> lists;
  std::vector<Row> rows;
};

inline std::string TypeName(fw::PropType type) {
  static constexpr const char* kNames[] = {"boolean", "integer", "enumeration", "FontUnits",
                                           "single",  "double",  "colour",      "string"};
  return kNames[static_cast<int>(type)];
}

// The shortest form that reads back as the same value.
template <class Floating>
std::string Shortest(Floating v) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v).ptr;
  return std::string(text, end);
}

inline std::string Shown(const fw::PropertyValue& value) {
  struct {
    std::string operator()(bool v) const { return v ? "true" : "false"; }
    std::string operator()(std::int64_t v) const { return std::to_string(v); }
    std::string operator()(float v) const { return Shortest(v); }
    std::string operator()(double v) const { return Shortest(v); }
    std::string operator()(const fw::Color& c) const {
      char text[24];
      std::snprintf(text, sizeof text, "bytes %02X %02X %02X %02X", c.red, c.green, c.blue,
                    c.transparency);
      return text;
    }
    std::string operator()(const std::string& v) const {
      std::string quoted = "\"";
      for (char c : v) quoted += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
      return quoted + "\" (" + std::to_string(v.size()) + " bytes)";
    }
  } show;
  return std::visit(show, value);
}

// Reads each list with its receiver's declared types and compares every entry with its row; a
// failure names the window, the list, the entry and both values.
inline void ExpectListsAsTabled(std::string_view window, const std::vector<ClassTable>& tables) {
  for (const ClassTable& table : tables) {
    for (std::size_t k = 0; k < table.lists.size(); ++k) {
      const Subject& list = table.lists[k];
      const std::string where = std::string(window) + ", " + list.label;
      const std::size_t length = list.stored.size() - 1;
      const std::size_t lead = static_cast<unsigned char>(list.stored.front());
      EXPECT_EQ(lead, length < 32 ? length : std::size_t{0xFF}) << where << ": lead byte";
      std::vector<fw::PropertyEntry> entries;
      try {
        entries = fw::ReadPropertyList(table.receiver(), list.stored);
      } catch (const std::exception& e) {
        ADD_FAILURE() << where << ": " << e.what();
        continue;
      }
      EXPECT_EQ(entries.size(), table.rows.size()) << where << ": number of entries";
      for (std::size_t i = 0; i < std::min(entries.size(), table.rows.size()); ++i) {
        const Row& row = table.rows[i];
        const fw::PropertyEntry& entry = entries[i];
        const std::string at = where + ", entry " + std::to_string(i + 1) + " " + row.name;
        ASSERT_TRUE(row.values.size() == 1 || row.values.size() == table.lists.size())
            << at << ": the table gives " << row.values.size() << " values";
        const auto expected = row.values[row.values.size() == 1 ? 0 : k].As(row.type);
        ASSERT_TRUE(expected) << at << ": the table's value is not a " << TypeName(row.type);
        EXPECT_EQ(entry.name, std::string_view(row.name))
            << at << ": the list names it differently";
        EXPECT_EQ(TypeName(entry.decl->type), TypeName(row.type)) << at << ": declared type";
        // Shown exactly, so equal texts mean equal values.
        EXPECT_EQ(Shown(entry.value), Shown(*expected)) << at << ": value";
      }
    }
  }
}

}  // namespace quorvan::list_table
