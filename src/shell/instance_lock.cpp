#include "shell/instance_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quorvel::shell {

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::Take(const std::string& path) {
  if (fd_ >= 0) return true;
  // The file is only ever opened for reading, which is all a lock needs, and
  // no link is followed: the lock never writes to, nor creates, a file
  // elsewhere.
  const int fd =
      ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // nothing to lock: no copy can hold it either
  // The lock belongs to the open file, so it goes when the process does,
  // even after kill -9; there is never a stale lock to clear.
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    const bool held_elsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return !held_elsewhere;
  }
  fd_ = fd;
  return true;
}

}  // namespace quorvel::shell
