// The file a CAD output writes to: a std::ostream over a file descriptor that remembers the
// error number of the first failed write, so the driver can report disk full and the like.
#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

#include "core/file_util.h"
#include "core/generic_dialogs.h"

namespace kv9 {

class CadOutputFile {
 public:
  // Creates (or truncates) the file. `no_follow` refuses a symbolic link as the last part of
  // the name (files in shared temporary folders). nullptr on failure, with `error` set to errno.
  static std::unique_ptr<CadOutputFile> Create(const std::string& path, bool no_follow, int& error);
  // A new file that takes the place of `path` when close() succeeds (the batch outputs): until
  // then the old file stays as it was, and a failure or an output given up removes the new one.
  static std::unique_ptr<CadOutputFile> CreateReplacing(const std::string& path, int& error);
  // The output of a batch run: refused when the old file is read-only, else CreateReplacing;
  // either failure is reported through `d`, and the result is nullptr.
  static std::unique_ptr<CadOutputFile> CreateBatch(const DialogContext& d,
                                                    const std::string& path);
  ~CadOutputFile();
  CadOutputFile(const CadOutputFile&) = delete;
  CadOutputFile& operator=(const CadOutputFile&) = delete;

  std::ostream& stream() { return stream_; }
  const std::string& path() const { return path_; }
  bool replacing() const { return replacing_; }
  // errno of the first failed write or close, 0 while all went well.
  int error() const { return buf_.error; }
  // Where that failure happened.
  WritePhase failedPhase() const { return buf_.phase; }
  bool failed() const { return buf_.error != 0 || stream_.fail(); }
  // Flushes and closes (a replacing file then takes its place); false when that failed
  // (error() tells why).
  bool close();

 private:
  struct FdBuf : std::streambuf {
    int fd = -1;
    std::unique_ptr<ReplacingFile> replacing;  // set instead of fd for a replacing file
    int error = 0;
    WritePhase phase = WritePhase::Write;
    char buffer[1 << 16];
    FdBuf() { setp(buffer, buffer + sizeof buffer); }
    bool open() const { return fd >= 0 || replacing != nullptr; }
    bool flushBuffer();
    int_type overflow(int_type c) override;
    int sync() override { return flushBuffer() ? 0 : -1; }
  };

  explicit CadOutputFile(std::string path);
  std::string path_;
  bool replacing_ = false;
  FdBuf buf_;
  std::ostream stream_;
};

}  // namespace kv9
