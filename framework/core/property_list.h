// Property lists: the initial property values of a window or control, as typed entries
// "Name" 0x20 value, back to back, with no count, separator or end mark. A value's width follows
// the declared type of the property in the receiving class (class_info.h), so only a reader that
// knows that class can step through a list.
//
// Stored form: one lead byte, then the list. The lead byte is the list's length when that is
// below 32, else 0xFF; it is never part of the list.
//
// Lists are written as code, one entry a line, and built at compile time:
//
//   constexpr auto kTimerList = fw::MakePropertyList<[](auto& p) {
//     p.Enum("RunMode", 1);
//     p.Int("Period", 4000);
//   }>();
//   fw::SetProperties(*timer, kTimerList);
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/core/class_info.h"
#include "framework/core/object.h"

namespace fw {

// The Index of a control that belongs to no control array.
inline constexpr std::int64_t kNoIndex = -2147483648LL;

namespace detail {
// Both passes of the builder run the same entry calls: the first measures, the second writes.
template <class Sink>
class PropertyListWriter {
 public:
  constexpr explicit PropertyListWriter(Sink& sink) : sink_(sink) {}
  constexpr PropertyListWriter& Bool(std::string_view name, bool v) {
    return Entry(name).Le(v ? 1 : 0, 1);
  }
  constexpr PropertyListWriter& Int(std::string_view name, std::int64_t v) {
    return Entry(name).Le(static_cast<std::uint64_t>(v), 8);
  }
  constexpr PropertyListWriter& Enum(std::string_view name, std::int64_t v) { return Int(name, v); }
  constexpr PropertyListWriter& FontUnit(std::string_view name, std::uint8_t v) {
    return Entry(name).Le(v, 1);
  }
  constexpr PropertyListWriter& Single(std::string_view name, float v) {
    return Entry(name).Le(std::bit_cast<std::uint32_t>(v), 4);
  }
  constexpr PropertyListWriter& Double(std::string_view name, double v) {
    return Entry(name).Le(std::bit_cast<std::uint64_t>(v), 8);
  }
  // Bytes in stored order: red, green, blue, transparency.
  constexpr PropertyListWriter& Colour(std::string_view name, std::uint8_t r, std::uint8_t g,
                                       std::uint8_t b, std::uint8_t t = 0) {
    Entry(name);
    sink_.Put(static_cast<char>(r));
    sink_.Put(static_cast<char>(g));
    sink_.Put(static_cast<char>(b));
    sink_.Put(static_cast<char>(t));
    return *this;
  }
  // UTF-8 text; the count is in bytes.
  constexpr PropertyListWriter& Str(std::string_view name, std::string_view v) {
    Entry(name).Le(v.size(), 4);
    for (char c : v) sink_.Put(c);
    return *this;
  }

 private:
  constexpr PropertyListWriter& Entry(std::string_view name) {
    for (char c : name) sink_.Put(c);
    sink_.Put(' ');
    return *this;
  }
  constexpr PropertyListWriter& Le(std::uint64_t v, int width) {
    for (int i = 0; i < width; ++i) {
      sink_.Put(static_cast<char>(v & 0xFF));
      v >>= 8;
    }
    return *this;
  }
  Sink& sink_;
};

struct CountingSink {
  std::size_t size = 0;
  constexpr void Put(char) { ++size; }
};

struct BufferSink {
  char* out;
  constexpr void Put(char c) { *out++ = c; }
};
}  // namespace detail

// A list in its stored form: the lead byte, then the list's N bytes.
template <std::size_t N>
struct StoredPropertyList {
  std::array<char, N + 1> bytes{};
  constexpr std::string_view Stored() const { return {bytes.data(), N + 1}; }
  constexpr std::string_view List() const { return {bytes.data() + 1, N}; }
  constexpr operator std::string_view() const { return Stored(); }
};

template <auto Build>
consteval auto MakePropertyList() {
  constexpr std::size_t n = [] {
    detail::CountingSink counter;
    detail::PropertyListWriter<detail::CountingSink> w(counter);
    Build(w);
    return counter.size;
  }();
  StoredPropertyList<n> list;
  list.bytes[0] = n < 32 ? static_cast<char>(n) : static_cast<char>(0xFF);
  detail::BufferSink sink{list.bytes.data() + 1};
  detail::PropertyListWriter<detail::BufferSink> w(sink);
  Build(w);
  return list;
}

// Applies a stored list (lead byte first) to the object: each entry's name is found among the
// declared properties of the object's class and its bases, without regard to case, and its value,
// read by the declared type, is handed to Object::SetProperty. An unknown name or a value that runs
// past the end raises PropertyListException naming the entry and its byte offset in the list;
// entries before it stay applied. Never reads outside `stored`. A boolean byte other than 0 or 1
// is refused too: it means the list was cut or misread. A name given twice: the later value wins.
// The lead byte is skipped unread; the list's length is the string's.
void SetProperties(Object& object, std::string_view stored);

// One decoded entry, for readers that only walk a list (tests, the fuzzer).
struct PropertyEntry {
  std::string_view name;  // as spelled in the list
  const PropertyDecl* decl;
  PropertyValue value;
  std::size_t offset;  // of the name, from the list's first byte (after the lead byte)
};
// Decodes a stored list against a class's declarations without applying it; same errors as
// SetProperties.
std::vector<PropertyEntry> ReadPropertyList(const ClassInfo& cls, std::string_view stored);

}  // namespace fw
