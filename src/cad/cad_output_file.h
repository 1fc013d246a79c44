// The file a CAD output writes to: a std::ostream over a file descriptor that remembers the
// error number of the first failed write, so the driver can report disk full and the like.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace kv9 {

class CadOutputFile {
 public:
  // Creates (or truncates) the file. `no_follow` refuses a symbolic link as the last part of
  // the name (files in shared temporary folders). nullptr on failure, with `error` set to errno.
  static std::unique_ptr<CadOutputFile> Create(const std::string& path, bool no_follow, int& error);
  ~CadOutputFile();
  CadOutputFile(const CadOutputFile&) = delete;
  CadOutputFile& operator=(const CadOutputFile&) = delete;

  std::ostream& stream() { return stream_; }
  const std::string& path() const { return path_; }
  // errno of the first failed write or close, 0 while all went well.
  int error() const { return buf_.error; }
  bool failed() const { return buf_.error != 0 || stream_.fail(); }
  // Flushes and closes; false when that failed (error() tells why).
  bool close();

 private:
  struct FdBuf : std::streambuf {
    int fd = -1;
    int error = 0;
    char buffer[1 << 16];
    FdBuf() { setp(buffer, buffer + sizeof buffer); }
    bool flushBuffer();
    int_type overflow(int_type c) override;
    int sync() override { return flushBuffer() ? 0 : -1; }
  };

  CadOutputFile(int fd, std::string path);
  std::string path_;
  FdBuf buf_;
  std::ostream stream_;
};

}  // namespace kv9
