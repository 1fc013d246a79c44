#include "cad/cad_output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kv9 {

std::unique_ptr<CadOutputFile> CadOutputFile::Create(const std::string& path, bool no_follow,
                                                     int& error) {
  int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (no_follow ? O_NOFOLLOW : 0);
  int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  error = 0;
  return std::unique_ptr<CadOutputFile>(new CadOutputFile(fd, path));
}

CadOutputFile::CadOutputFile(int fd, std::string path) : path_(std::move(path)), stream_(&buf_) {
  buf_.fd = fd;
}

CadOutputFile::~CadOutputFile() {
  close();
}

bool CadOutputFile::FdBuf::flushBuffer() {
  const char* p = pbase();
  while (p < pptr()) {
    ssize_t n = ::write(fd, p, pptr() - p);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (error == 0) error = n < 0 ? errno : EIO;
      setp(buffer, buffer + sizeof buffer);
      return false;
    }
    p += n;
  }
  setp(buffer, buffer + sizeof buffer);
  return true;
}

CadOutputFile::FdBuf::int_type CadOutputFile::FdBuf::overflow(int_type c) {
  if (fd < 0 || error != 0 || !flushBuffer()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

bool CadOutputFile::close() {
  if (buf_.fd < 0) return buf_.error == 0;
  bool ok = buf_.error == 0 && buf_.flushBuffer();
  if (::close(buf_.fd) != 0 && buf_.error == 0) {
    buf_.error = errno;
    ok = false;
  }
  buf_.fd = -1;
  return ok && buf_.error == 0;
}

}  // namespace kv9
