#include "framework/core/property_list.h"

#include <bit>
#include <string>

#include "framework/core/exceptions.h"
#include "framework/core/ui_thread.h"

namespace fw {
namespace {
// Steps through one list; every read is checked against the end first.
class ListReader {
 public:
  ListReader(const ClassInfo& cls, std::string_view stored) : cls_(cls) {
    if (stored.empty()) Fail("the stored list has no lead byte");
    list_ = stored.substr(1);
  }

  bool AtEnd() const { return pos_ == list_.size(); }

  PropertyEntry Next() {
    ++entry_;
    entryOffset_ = pos_;
    const std::size_t space = list_.find(' ', pos_);
    name_ = list_.substr(pos_, space == std::string_view::npos ? space : space - pos_);
    if (space == std::string_view::npos) Fail("the name has no separator before the list ends");
    const std::string_view name = name_;
    pos_ = space + 1;
    const PropertyDecl* decl = cls_.FindProperty(name);
    if (!decl) Fail("class " + cls_.name + " declares no such property");
    return PropertyEntry{name, decl, Value(decl->type), entryOffset_};
  }

 private:
  PropertyValue Value(PropType type) {
    switch (type) {
      case PropType::Boolean: {
        const auto byte = Unsigned(1);
        if (byte > 1) Fail("a boolean is 0 or 1, not " + std::to_string(byte));
        return byte == 1;
      }
      case PropType::Integer:
      case PropType::Enum:
        return static_cast<std::int64_t>(Unsigned(8));
      case PropType::FontUnit:
        return static_cast<std::int64_t>(Unsigned(1));
      case PropType::Single:
        return std::bit_cast<float>(static_cast<std::uint32_t>(Unsigned(4)));
      case PropType::Double:
        return std::bit_cast<double>(Unsigned(8));
      case PropType::Color: {
        const auto bytes = Unsigned(4);
        return Color{static_cast<std::uint8_t>(bytes), static_cast<std::uint8_t>(bytes >> 8),
                     static_cast<std::uint8_t>(bytes >> 16),
                     static_cast<std::uint8_t>(bytes >> 24)};
      }
      case PropType::String: {
        const auto count = Unsigned(4);
        Need(count);
        std::string text(list_.substr(pos_, count));
        pos_ += count;
        return text;
      }
    }
    Fail("the property has a type the reader does not know");
  }

  std::uint64_t Unsigned(std::size_t width) {
    Need(width);
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < width; ++i) {
      v |= std::uint64_t{static_cast<unsigned char>(list_[pos_ + i])} << (8 * i);
    }
    pos_ += width;
    return v;
  }

  void Need(std::uint64_t bytes) {
    const std::size_t left = list_.size() - pos_;
    if (bytes > left) {
      Fail("the value needs " + std::to_string(bytes) + " bytes at byte " + std::to_string(pos_) +
           " but the list ends " + std::to_string(left) + " bytes further on");
    }
  }

  [[noreturn]] void Fail(const std::string& problem) const {
    constexpr std::size_t kShownName = 40;  // a broken list can make the "name" run on and on
    const std::string shown = name_.size() > kShownName
                                  ? std::string(name_.substr(0, kShownName)) + "..."
                                  : std::string(name_);
    throw PropertyListException("Property list for " + cls_.name + ", entry " +
                                std::to_string(entry_) + " (\"" + shown + "\") at byte " +
                                std::to_string(entryOffset_) + ": " + problem);
  }

  const ClassInfo& cls_;
  std::string_view list_;
  std::size_t pos_ = 0;
  std::size_t entry_ = 0;
  std::size_t entryOffset_ = 0;
  std::string_view name_;
};
}  // namespace

void SetProperties(Object& object, std::string_view stored) {
  CheckGuiThread();
  ListReader reader(object.Class(), stored);
  while (!reader.AtEnd()) {
    PropertyEntry entry = reader.Next();
    object.SetProperty(entry.decl->name, std::move(entry.value));
  }
}

std::vector<PropertyEntry> ReadPropertyList(const ClassInfo& cls, std::string_view stored) {
  ListReader reader(cls, stored);
  std::vector<PropertyEntry> entries;
  while (!reader.AtEnd()) entries.push_back(reader.Next());
  return entries;
}

}  // namespace fw
