// The framework's exceptions. Faults travel as these; the dispatch guard (dispatch.h) catches
// them at every entry into program code so that none crosses the event loop.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
  // The exception's class name as a user would see it in a report, e.g. "NilObjectException".
  virtual std::string_view Kind() const { return "RuntimeException"; }
  std::string Message() const { return what(); }
};

// A nil reference was used: a control or menu item that a lookup did not find, a missing window.
class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const std::string& message = "A nil object was used")
      : RuntimeException(message) {}
  std::string_view Kind() const override { return "NilObjectException"; }
};

// A user-interface operation was called from a thread other than the GUI thread.
class ThreadAccessingUIException : public RuntimeException {
 public:
  explicit ThreadAccessingUIException(
      const std::string& message = "User-interface operation called outside the GUI thread")
      : RuntimeException(message) {}
  std::string_view Kind() const override { return "ThreadAccessingUIException"; }
};

// RuntimeCheckCast was given an object that is not an instance of the requested class.
class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  std::string_view Kind() const override { return "IllegalCastException"; }
};

// A property list could not be read: unknown name, truncated value, or a value the property
// refuses.
class PropertyListException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  std::string_view Kind() const override { return "PropertyListException"; }
};

// An argument outside what an operation accepts (an unknown class, a bad event number...).
class InvalidArgumentException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  std::string_view Kind() const override { return "InvalidArgumentException"; }
};

}  // namespace fw
