// FileDescriptor: a POSIX file descriptor closed when it goes out of scope, so
// every early return of file-reading code closes what it opened.
#pragma once

#include <unistd.h>

namespace solvane {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace solvane
