// Text gathered for a generated file. Generated files are large and made of
// short pieces; appending here is an inline copy into room already reserved,
// where a std::string makes a library call for every piece.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

namespace cfgxlate {

class TextBuffer {
 public:
  TextBuffer() { Grow(kInitialCapacity); }

  void append(const char* data, size_t size) {
    if (size > Room()) Grow(size);
    std::memcpy(end_, data, size);
    end_ += size;
  }
  TextBuffer& operator+=(const char* text) {
    append(text, std::strlen(text));
    return *this;
  }
  TextBuffer& operator+=(const std::string& text) {
    append(text.data(), text.size());
    return *this;
  }
  TextBuffer& operator+=(char c) {
    if (Room() == 0) Grow(1);
    *end_++ = c;
    return *this;
  }

  // Room for `size` more bytes: the caller writes them from the returned
  // position and keeps what it wrote with Commit(the end of it).
  char* Reserve(size_t size) {
    if (size > Room()) Grow(size);
    return end_;
  }
  void Commit(char* end) { end_ = end; }

  const char* data() const { return storage_.get(); }
  size_t size() const { return static_cast<size_t>(end_ - storage_.get()); }
  bool empty() const { return end_ == storage_.get(); }
  void clear() { end_ = storage_.get(); }
  void reserve(size_t capacity);
  std::string str() const { return std::string(data(), size()); }

 private:
  static constexpr size_t kInitialCapacity = 4096;
  size_t Room() const { return static_cast<size_t>(limit_ - end_); }
  void Grow(size_t more);
  std::unique_ptr<char[]> storage_;
  char* end_ = nullptr;
  char* limit_ = nullptr;
};

}  // namespace cfgxlate
