#include "util/text_buffer.h"

#include <algorithm>

namespace cfgxlate {

void TextBuffer::reserve(size_t capacity) {
  if (capacity > static_cast<size_t>(limit_ - storage_.get())) Grow(capacity - size());
}

void TextBuffer::Grow(size_t more) {
  const size_t used = size();
  const size_t capacity = std::max(used + more, 2 * static_cast<size_t>(limit_ - storage_.get()));
  std::unique_ptr<char[]> larger(new char[capacity]);
  if (used != 0) std::memcpy(larger.get(), storage_.get(), used);
  storage_ = std::move(larger);
  end_ = storage_.get() + used;
  limit_ = storage_.get() + capacity;
}

}  // namespace cfgxlate
