// Standard output and standard error of one translation, replaceable in
// tests so that both streams and their interleaving can be checked.
#pragma once

#include <string>
#include <string_view>

namespace cfgxlate {

class Console {
 public:
  virtual ~Console() = default;
  virtual void Out(std::string_view text) = 0;
  virtual void Err(std::string_view text) = 0;
  virtual void FlushOut() = 0;
};

class StdConsole : public Console {
 public:
  void Out(std::string_view text) override;
  void Err(std::string_view text) override;
  void FlushOut() override;
};

// Keeps everything written; `both` holds the two streams in write order.
class BufferConsole : public Console {
 public:
  std::string out, err, both;
  void Out(std::string_view text) override {
    out += text;
    both += text;
  }
  void Err(std::string_view text) override {
    err += text;
    both += text;
  }
  void FlushOut() override {}
};

}  // namespace cfgxlate
