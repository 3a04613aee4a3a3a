// Text that most records leave out (a section name, an entry point, a
// priority symbol): one pointer until it is given, so that records of
// which a large module holds tens of thousands stay small.
#pragma once

#include <memory>
#include <string>

namespace cfgxlate {

class OptionalText {
 public:
  OptionalText() = default;
  OptionalText(const OptionalText& other) { *this = other; }
  OptionalText(OptionalText&&) = default;
  OptionalText& operator=(const OptionalText& other) {
    if (this != &other) text_ = other.text_ == nullptr ? nullptr : std::make_unique<std::string>(*other.text_);
    return *this;
  }
  OptionalText& operator=(OptionalText&&) = default;
  // Gives the text (which may be empty).
  OptionalText& operator=(std::string text) {
    text_ = std::make_unique<std::string>(std::move(text));
    return *this;
  }

  bool Given() const { return text_ != nullptr; }
  // The text given, or an empty one.
  const std::string& Text() const {
    static const std::string kNone;
    return text_ == nullptr ? kNone : *text_;
  }
  const char* c_str() const { return Text().c_str(); }
  bool empty() const { return Text().empty(); }

 private:
  std::unique_ptr<std::string> text_;
};

}  // namespace cfgxlate
