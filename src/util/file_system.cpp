#include "util/file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace cfgxlate {

class HostInputFile : public InputFile {
 public:
  HostInputFile(std::FILE* file, int* open_count) : file_(file), open_count_(open_count) {}
  ~HostInputFile() override { Close(); }
  int Get() override {
    if (file_ == nullptr) return kEndOfFile;
    int c = getc_unlocked(file_);
    return c == EOF ? kEndOfFile : c;
  }
  bool Close() override {
    if (file_ == nullptr) return true;
    bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    --*open_count_;
    return ok;
  }

 private:
  std::FILE* file_;
  int* open_count_;
};

std::unique_ptr<InputFile> RealFileSystem::OpenForReading(const std::string& path) {
  if (open_inputs_ >= kMaxOpenInputFiles) return nullptr;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  ++open_inputs_;
  return std::make_unique<HostInputFile>(file, &open_inputs_);
}

bool RealFileSystem::WriteFile(const std::string& path, const std::string& contents) {
  std::string temporary = path + ".tmp" + std::to_string(getpid());
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  ok = (std::fclose(file) == 0) && ok;
  if (ok) {
    // A read-only earlier output must not stop the rename on hosts that care.
    ok = std::rename(temporary.c_str(), path.c_str()) == 0;
  }
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

void RealFileSystem::RemoveFile(const std::string& path) {
  chmod(path.c_str(), S_IRUSR | S_IWUSR);
  std::remove(path.c_str());
}

class MemoryInputFile : public InputFile {
 public:
  MemoryInputFile(const std::string* data, int* open_count) : data_(data), open_count_(open_count) {}
  ~MemoryInputFile() override { Close(); }
  int Get() override {
    if (data_ == nullptr || position_ >= data_->size()) return kEndOfFile;
    return static_cast<unsigned char>((*data_)[position_++]);
  }
  bool Close() override {
    if (data_ == nullptr) return true;
    data_ = nullptr;
    --*open_count_;
    return true;
  }

 private:
  const std::string* data_;
  size_t position_ = 0;
  int* open_count_;
};

std::unique_ptr<InputFile> MemoryFileSystem::OpenForReading(const std::string& path) {
  auto it = files.find(path);
  if (it == files.end() || open_inputs_ >= kMaxOpenInputFiles) return nullptr;
  ++open_inputs_;
  return std::make_unique<MemoryInputFile>(&it->second, &open_inputs_);
}

bool MemoryFileSystem::WriteFile(const std::string& path, const std::string& contents) {
  if (unwritable.count(path) != 0) return false;
  files[path] = contents;
  return true;
}

void MemoryFileSystem::RemoveFile(const std::string& path) { files.erase(path); }

}  // namespace cfgxlate
