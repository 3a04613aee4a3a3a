#include "util/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>

namespace cfgxlate {

bool FileSystem::WriteFile(const std::string& path, const std::string& contents) {
  std::unique_ptr<OutputFile> file = OpenForWriting(path);
  return file != nullptr && file->Write(contents.data(), contents.size()) && file->Commit();
}

namespace {

// Blocks read from the host at once.
constexpr size_t kInputBlockSize = 64 * 1024;

}  // namespace

class HostInputFile : public InputFile {
 public:
  HostInputFile(int descriptor, int* open_count) : descriptor_(descriptor), open_count_(open_count) {}
  ~HostInputFile() override { Close(); }
  bool Close() override {
    if (descriptor_ < 0) return true;
    bool ok = ::close(descriptor_) == 0;
    descriptor_ = -1;
    --*open_count_;
    return ok;
  }

 protected:
  bool NextBlock(const char** data, size_t* size) override {
    if (descriptor_ < 0) return false;
    if (buffer_ == nullptr) buffer_ = std::make_unique<char[]>(kInputBlockSize);
    for (;;) {
      ssize_t n = ::read(descriptor_, buffer_.get(), kInputBlockSize);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;  // a read error ends the file as the end does
      *data = buffer_.get();
      *size = static_cast<size_t>(n);
      return true;
    }
  }

 private:
  int descriptor_;
  int* open_count_;
  std::unique_ptr<char[]> buffer_;
};

std::unique_ptr<InputFile> RealFileSystem::OpenForReading(const std::string& path) {
  if (open_inputs_ >= kMaxOpenInputFiles) return nullptr;
  int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  ++open_inputs_;
  return std::make_unique<HostInputFile>(descriptor, &open_inputs_);
}

namespace {

class HostOutputFile : public OutputFile {
 public:
  HostOutputFile(std::string target, std::string temporary, int descriptor)
      : target_(std::move(target)), temporary_(std::move(temporary)), descriptor_(descriptor) {}
  ~HostOutputFile() override {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_) ::unlink(temporary_.c_str());
  }
  bool Write(const char* data, size_t size) override {
    while (size > 0 && descriptor_ >= 0) {
      ssize_t n = ::write(descriptor_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      size -= static_cast<size_t>(n);
    }
    return descriptor_ >= 0;
  }
  bool Commit() override {
    if (descriptor_ < 0 || committed_) return false;
    bool ok = ::close(descriptor_) == 0;
    descriptor_ = -1;
    // Replaces an earlier output even when that one is read-only.
    ok = ok && std::rename(temporary_.c_str(), target_.c_str()) == 0;
    committed_ = ok;
    return ok;
  }
  const char* TemporaryPath() const override { return committed_ ? nullptr : temporary_.c_str(); }

 private:
  std::string target_;
  std::string temporary_;
  int descriptor_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<OutputFile> RealFileSystem::OpenForWriting(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return nullptr;
  // A name no other file has: the temporary is created, never reused, so
  // removing it can only remove what this run made.
  const std::string base = path + ".tmp" + std::to_string(getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temporary = attempt == 0 ? base : base + "." + std::to_string(attempt);
    int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) return std::make_unique<HostOutputFile>(path, std::move(temporary), descriptor);
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

void RealFileSystem::RemoveFile(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return;
  if (S_ISREG(info.st_mode)) chmod(path.c_str(), S_IRUSR | S_IWUSR);
  ::unlink(path.c_str());
}

std::string RealFileSystem::CurrentDirectory() {
  std::string path(4096, '\0');
  while (getcwd(&path[0], path.size()) == nullptr) {
    if (errno != ERANGE) return ".";
    path.resize(path.size() * 2);
  }
  path.resize(std::char_traits<char>::length(path.c_str()));
  return path;
}

class MemoryInputFile : public InputFile {
 public:
  MemoryInputFile(const std::string* data, size_t block_size, int* open_count)
      : data_(data), block_size_(block_size == 0 ? data->size() : block_size), open_count_(open_count) {}
  ~MemoryInputFile() override { Close(); }
  bool Close() override {
    if (data_ == nullptr) return true;
    data_ = nullptr;
    --*open_count_;
    return true;
  }

 protected:
  bool NextBlock(const char** data, size_t* size) override {
    if (data_ == nullptr || delivered_ == data_->size()) return false;
    *data = data_->data() + delivered_;
    *size = std::min(block_size_, data_->size() - delivered_);
    delivered_ += *size;
    return true;
  }

 private:
  const std::string* data_;
  size_t block_size_;
  size_t delivered_ = 0;
  int* open_count_;
};

std::unique_ptr<InputFile> MemoryFileSystem::OpenForReading(const std::string& path) {
  auto it = files.find(path);
  if (it == files.end() || open_inputs_ >= kMaxOpenInputFiles) return nullptr;
  ++open_inputs_;
  return std::make_unique<MemoryInputFile>(&it->second, input_block_size, &open_inputs_);
}

namespace {

class MemoryOutputFile : public OutputFile {
 public:
  MemoryOutputFile(MemoryFileSystem& fs, std::string path) : fs_(fs), path_(std::move(path)) {
    fs_.in_progress.insert(path_);
  }
  ~MemoryOutputFile() override {
    if (!committed_) fs_.in_progress.erase(path_);
  }
  bool Write(const char* data, size_t size) override {
    contents_.append(data, size);
    return !committed_;
  }
  bool Commit() override {
    if (committed_) return false;
    committed_ = true;
    fs_.in_progress.erase(path_);
    fs_.files[path_] = std::move(contents_);
    return true;
  }
  const char* TemporaryPath() const override { return nullptr; }

 private:
  MemoryFileSystem& fs_;
  std::string path_;
  std::string contents_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<OutputFile> MemoryFileSystem::OpenForWriting(const std::string& path) {
  if (unwritable.count(path) != 0) return nullptr;
  return std::make_unique<MemoryOutputFile>(*this, path);
}

void MemoryFileSystem::RemoveFile(const std::string& path) { files.erase(path); }

}  // namespace cfgxlate
