// File access of the translator. Every input and output file goes through
// this interface so that the whole translator can run on in-memory files in
// tests, benchmarks and the fuzzer.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace cfgxlate {

// An input file read byte by byte.
class InputFile {
 public:
  static constexpr int kEndOfFile = -1;
  virtual ~InputFile() = default;
  // The next byte (0..255), or kEndOfFile.
  virtual int Get() = 0;
  // Closes the file; false when the system reports an error.
  virtual bool Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Opens a file for binary reading; nullptr when it cannot be opened.
  virtual std::unique_ptr<InputFile> OpenForReading(const std::string& path) = 0;
  // Writes a whole file so that no reader ever sees it half written;
  // false when it cannot be written.
  virtual bool WriteFile(const std::string& path, const std::string& contents) = 0;
  // Removes a file, making it writable first when needed.
  virtual void RemoveFile(const std::string& path) = 0;
};

// The host's files. Output goes to a temporary beside the target, which is
// renamed into place once complete.
class RealFileSystem : public FileSystem {
 public:
  // Input files held open at once; a configuration that nests includes
  // deeper (a file including itself) is refused like any failing open.
  static constexpr int kMaxOpenInputFiles = 1000;

  std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& contents) override;
  void RemoveFile(const std::string& path) override;

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

  std::unique_ptr<InputFile> OpenForReading(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& contents) override;
  void RemoveFile(const std::string& path) override;

 private:
  int open_inputs_ = 0;
  friend class MemoryInputFile;
};

}  // namespace cfgxlate
