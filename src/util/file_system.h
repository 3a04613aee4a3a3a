// File access of the translator. Every input and output file goes through
// this interface so that the whole translator can run on in-memory files in
// tests, benchmarks and the fuzzer.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace cfgxlate {

// An input file, read in blocks that the reader scans in memory.
class InputFile {
 public:
  static constexpr int kEndOfFile = -1;
  virtual ~InputFile() = default;

  // The next byte (0..255), or kEndOfFile.
  int Get() {
    if (next_ == end_ && !Refill()) return kEndOfFile;
    return static_cast<unsigned char>(*next_++);
  }
  // The bytes read ahead and not yet taken, refilled when none are left;
  // empty at the end of the file. Valid until the next call of any of these.
  std::string_view Pending() {
    if (next_ == end_) Refill();
    return std::string_view(next_, static_cast<size_t>(end_ - next_));
  }
  // Takes `count` bytes of those Pending returned.
  void Skip(size_t count) { next_ += count; }
  // Closes the file; false when the system reports an error.
  virtual bool Close() = 0;

 protected:
  // The next block of the file, valid until the next call; false at the end.
  virtual bool NextBlock(const char** data, size_t* size) = 0;

 private:
  bool Refill() {
    size_t size = 0;
    if (!NextBlock(&next_, &size) || size == 0) {
      next_ = end_ = nullptr;
      return false;
    }
    end_ = next_ + size;
    return true;
  }
  const char* next_ = nullptr;
  const char* end_ = nullptr;
};

// A generated file while it is written. The bytes go to a temporary beside
// the target; Commit moves the complete file into place. Destroyed without a
// successful Commit, it removes the temporary, so a target is written
// completely or not at all.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // False when the system reports an error.
  virtual bool Write(const char* data, size_t size) = 0;
  virtual bool Commit() = 0;
  // Path of the temporary while it exists, else nullptr; readable without
  // allocating, for the crash handler.
  virtual const char* TemporaryPath() const = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens a file for binary reading; nullptr when it cannot be opened.
  virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) = 0;
  // Starts writing a file; nullptr when it cannot be written (the target is
  // a directory, or no temporary can be created beside it).
  virtual std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) = 0;
  // Removes a regular file, making it writable first when needed; never a
  // directory.
  virtual void RemoveFile(const std::string& path) = 0;
  // The working directory, against which relative names are taken.
  virtual std::string CurrentDirectory() = 0;

  // Writes a whole file through OpenForWriting; false when it cannot be
  // written.
  bool WriteFile(const std::string& path, const std::string& contents);
};

// The host's files.
class RealFileSystem : public FileSystem {
 public:
  // Input files held open at once; a configuration that nests includes
  // deeper (a file including itself) is refused like any failing open.
  static constexpr int kMaxOpenInputFiles = 1000;

  std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
  void RemoveFile(const std::string& path) override;
  std::string CurrentDirectory() override;

 private:
  int open_inputs_ = 0;
  friend class HostInputFile;
};

// Files held in memory, for tests and tools that run the translator
// in-process.
class MemoryFileSystem : public FileSystem {
 public:
  static constexpr int kMaxOpenInputFiles = 1000;

  std::map<std::string, std::string> files;
  // Paths that refuse every write (to test output errors).
  std::map<std::string, bool> unwritable;
  // Paths being written and not yet committed.
  std::set<std::string> in_progress;
  std::string current_directory = "/work";
  // Bytes an input file hands out at a time; 0 for the whole file at once.
  // Tests cut inputs into small blocks to reach every block boundary.
  size_t input_block_size = 0;

  std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
  std::unique_ptr<OutputFile> OpenForWriting(const std::string& path) override;
  void RemoveFile(const std::string& path) override;
  std::string CurrentDirectory() override { return current_directory; }

 private:
  int open_inputs_ = 0;
  friend class MemoryInputFile;
};

}  // namespace cfgxlate
