#pragma once
// One copy of the program at a time: a lock on a file that the system lets
// go of when the process holding it ends, however it ends.

#include <string>

namespace quorvel::shell {

class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Takes the lock on the file `path`, creating the file if need be. False
  // only when a running process holds the lock: whatever the file holds (it
  // may be empty, or written by anything else) does not matter, and a lock
  // file that cannot be used at all never keeps the program from starting.
  bool Take(const std::string& path);
  // Whether this object holds the lock.
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace quorvel::shell
