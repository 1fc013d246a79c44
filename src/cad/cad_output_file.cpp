#include "cad/cad_output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kv9 {

std::unique_ptr<CadOutputFile> CadOutputFile::Create(const std::string& path, bool no_follow,
                                                     int& error) {
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (no_follow ? O_NOFOLLOW : 0);
  int fd = NameHasNul(path) ? -1 : ::open(path.c_str(), flags, 0666);
  if (fd < 0) {
    error = NameHasNul(path) ? EINVAL : errno;
    return nullptr;
  }
  error = 0;
  std::unique_ptr<CadOutputFile> file(new CadOutputFile(path));
  file->buf_.fd = fd;
  return file;
}

std::unique_ptr<CadOutputFile> CadOutputFile::CreateReplacing(const std::string& path, int& error) {
  auto replacing = std::make_unique<ReplacingFile>(path);
  error = replacing->error();
  if (error != 0) return nullptr;
  std::unique_ptr<CadOutputFile> file(new CadOutputFile(path));
  file->buf_.replacing = std::move(replacing);
  file->replacing_ = true;
  return file;
}

std::unique_ptr<CadOutputFile> CadOutputFile::CreateBatch(const DialogContext& d,
                                                          const std::string& path) {
  if (FileIsReadOnly(path)) {
    ReportReadOnlyFile(d, path);
    return nullptr;
  }
  int error = 0;
  std::unique_ptr<CadOutputFile> file = CreateReplacing(path, error);
  if (!file) ReportFileError(d, path, WritePhase::Create, error);
  return file;
}

CadOutputFile::CadOutputFile(std::string path) : path_(std::move(path)), stream_(&buf_) {}

CadOutputFile::~CadOutputFile() {
  // A replacing file that was not closed is given up (its destructor removes it); a plain file
  // is closed with what it holds.
  if (!replacing_) close();
}

bool CadOutputFile::FdBuf::flushBuffer() {
  const char* p = pbase();
  std::size_t size = static_cast<std::size_t>(pptr() - p);
  setp(buffer, buffer + sizeof buffer);
  if (replacing) {
    if (replacing->write(std::string_view(p, size))) return true;
    if (error == 0) error = replacing->error();
    return false;
  }
  while (size > 0) {
    ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (error == 0) error = n < 0 ? errno : EIO;
      return false;
    }
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

CadOutputFile::FdBuf::int_type CadOutputFile::FdBuf::overflow(int_type c) {
  if (!open() || error != 0 || !flushBuffer()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

bool CadOutputFile::close() {
  if (!buf_.open()) return buf_.error == 0;
  bool ok = buf_.error == 0 && buf_.flushBuffer();
  if (buf_.replacing) {
    if (ok && !buf_.replacing->commit()) {
      buf_.error = buf_.replacing->error();
      buf_.phase = WritePhase::Close;
      ok = false;
    }
    buf_.replacing.reset();  // gone, or given up and removed
    return ok;
  }
  if (::close(buf_.fd) != 0 && buf_.error == 0) {
    buf_.error = errno;
    buf_.phase = WritePhase::Close;
    ok = false;
  }
  buf_.fd = -1;
  return ok && buf_.error == 0;
}

}  // namespace kv9
