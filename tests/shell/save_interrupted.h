#pragma once
// A save cut short as by kill -9: WriteSettings runs in a child process that
// is killed right after the given step, at exactly that point and every time.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shell/module1.h"

namespace quorvel::testing {

// Returns whether the child was killed at that step (and not before, nor
// ended some other way).
inline bool SaveKilledAfter(const shell::Module1& module, double left, double top,
                            shell::SaveStep step) {
  const pid_t child = ::fork();
  if (child == 0) {
    shell::Module1 m = module;
    shell::WriteSettings(m, left, top, [step](shell::SaveStep done) {
      if (done == step) ::raise(SIGKILL);
    });
    ::_exit(0);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

inline constexpr shell::SaveStep kEverySaveStep[] = {
    shell::SaveStep::kTemporaryCreated, shell::SaveStep::kContentWritten,
    shell::SaveStep::kContentSynced, shell::SaveStep::kReplaced};

}  // namespace quorvel::testing
