// Fuzzes the property-list reader. The first byte picks the receiving class among the framework's
// own classes; the rest is the stored list, lead byte first. Beyond the sanitizers' checks, a list
// must either be refused with PropertyListException by both the reader and SetProperties, or be
// read by both, leave each property at the list's last value for it and write back to its bytes.
// The seeds in corpus/ are the program's 21 lists, each behind the byte of its receiving class.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/core/builtin_classes.h"
#include "framework/core/exceptions.h"
#include "framework/core/property_list.h"
#include "tests/framework/core/probe.h"

namespace {

struct StringSink {
  std::string bytes;
  void Put(char c) { bytes.push_back(c); }
};

[[noreturn]] void Finding(const char* what) {
  std::fprintf(stderr, "property-list fuzzer: %s\n", what);
  std::abort();
}

std::string WriteBack(const std::vector<fw::PropertyEntry>& entries) {
  StringSink sink;
  fw::detail::PropertyListWriter<StringSink> w(sink);
  for (const auto& e : entries) {
    switch (e.decl->type) {
      case fw::PropType::Boolean:
        w.Bool(e.name, std::get<bool>(e.value));
        break;
      case fw::PropType::Integer:
        w.Int(e.name, std::get<std::int64_t>(e.value));
        break;
      case fw::PropType::Enum:
        w.Enum(e.name, std::get<std::int64_t>(e.value));
        break;
      case fw::PropType::FontUnit:
        w.FontUnit(e.name, static_cast<std::uint8_t>(std::get<std::int64_t>(e.value)));
        break;
      case fw::PropType::Single:
        w.Single(e.name, std::get<float>(e.value));
        break;
      case fw::PropType::Double:
        w.Double(e.name, std::get<double>(e.value));
        break;
      case fw::PropType::Color: {
        const auto c = std::get<fw::Color>(e.value);
        w.Colour(e.name, c.red, c.green, c.blue, c.transparency);
        break;
      }
      case fw::PropType::String:
        w.Str(e.name, std::get<std::string>(e.value));
        break;
    }
  }
  return sink.bytes;
}

// Compares stored bit patterns: a NaN read from a list must come back as the same NaN.
bool SameBits(const fw::PropertyValue& a, const fw::PropertyValue& b) {
  if (a.index() != b.index()) return false;
  if (const auto* f = std::get_if<float>(&a)) {
    return std::bit_cast<std::uint32_t>(*f) == std::bit_cast<std::uint32_t>(std::get<float>(b));
  }
  if (const auto* d = std::get_if<double>(&a)) {
    return std::bit_cast<std::uint64_t>(*d) == std::bit_cast<std::uint64_t>(std::get<double>(b));
  }
  return a == b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto all = fw::classes::All();
  const fw::ClassInfo& cls = *all[data[0] % all.size()];
  const std::string_view stored(reinterpret_cast<const char*>(data + 1), size - 1);

  std::vector<fw::PropertyEntry> entries;
  bool readable = true;
  try {
    entries = fw::ReadPropertyList(cls, stored);
  } catch (const fw::PropertyListException&) {
    readable = false;
  }

  fw::testing_core::Probe object(cls);
  try {
    fw::SetProperties(object, stored);
    if (!readable) Finding("SetProperties took a list the reader refused");
  } catch (const fw::PropertyListException&) {
    if (readable) Finding("SetProperties refused a list the reader took");
  }
  if (!readable) return 0;

  if (WriteBack(entries) != stored.substr(1)) Finding("the entries do not write back to the list");
  for (const auto& e : entries) {
    const fw::PropertyEntry* last = &e;
    for (const auto& later : entries) {
      if (later.decl == e.decl) last = &later;
    }
    const fw::PropertyValue* held = object.Property(e.decl->name);
    if (!held || !SameBits(*held, last->value)) Finding("a property does not hold its last value");
  }
  return 0;
}
