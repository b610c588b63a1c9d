// startup_probe: starts a program and times, from outside, when its windows
// appear on the X screen; then reads the program's resident memory.
//
//   startup_probe [--settle MS] [--timeout MS] TITLE... -- PROGRAM [ARG...]
//
// The clock starts just before the program is started. For each TITLE, in the
// order given, it prints the time at which a top-level window with exactly
// that title was first mapped, and the processor time that the program's
// threads had used by then (from /proc/PID/task/*/schedstat; it does not
// grow while the program sleeps, and little while other processes hold the
// processor):
//
//   map <milliseconds> <processor milliseconds> <title>
//
// Once every title has been seen it waits MS milliseconds more (--settle,
// default 1000) so that the last window is painted, prints the program's
// memory from /proc/PID/status and /proc/PID/smaps_rollup (kB),
//
//   mem VmRSS=<kB> VmHWM=<kB> RssAnon=<kB> RssFile=<kB> RssShmem=<kB> Pss=<kB>
//
// and ends the program (SIGTERM, then SIGKILL). Exit status 0 when every title
// appeared, 1 when the program ended first or --timeout (default 30000 ms)
// passed, 2 on bad usage or no X display.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

double NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Windows come and go while we look at them; a request on a window that has
// gone is no error here.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

std::string TitleOf(Display* display, Window window, Atom net_wm_name, Atom utf8) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long rest = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, net_wm_name, 0, 1024, False, utf8, &type, &format, &count,
                         &rest, &data) == Success &&
      data != nullptr && type == utf8 && format == 8) {
    std::string title(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
  }
  if (data != nullptr) XFree(data);
  char* name = nullptr;
  if (XFetchName(display, window, &name) && name != nullptr) {
    std::string title(name);
    XFree(name);
    return title;
  }
  return {};
}

// Memory lines of /proc/PID/status (VmRSS, ...) and smaps_rollup (Pss).
std::string MemoryOf(pid_t pid) {
  const char* wanted[] = {"VmRSS:", "VmHWM:", "RssAnon:", "RssFile:", "RssShmem:"};
  std::string out = "mem";
  auto scan = [&out](const std::string& path, const char* key) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
      if (line.rfind(key, 0) == 0) {
        long kb = std::strtol(line.c_str() + std::strlen(key), nullptr, 10);
        std::string name(key, std::strlen(key) - 1);
        out += " " + name + "=" + std::to_string(kb);
        return;
      }
    }
    out += " " + std::string(key, std::strlen(key) - 1) + "=?";
  };
  const std::string proc = "/proc/" + std::to_string(pid);
  for (const char* key : wanted) scan(proc + "/status", key);
  scan(proc + "/smaps_rollup", "Pss:");
  return out;
}

// Processor time of all the program's threads so far, in milliseconds.
double ProcessorMs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (dir == nullptr) return -1;
  double total_ns = 0;
  while (const dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream file(tasks + "/" + entry->d_name + "/schedstat");
    double ns = 0;
    if (file >> ns) total_ns += ns;
  }
  closedir(dir);
  return total_ns / 1e6;
}

bool Ended(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == pid;
}

void EndProgram(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 50; ++i) {
    if (Ended(pid)) return;
    usleep(20000);
  }
  kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
}

}  // namespace

int main(int argc, char** argv) {
  double settle_ms = 1000;
  double timeout_ms = 30000;
  std::vector<std::string> titles;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--") break;
    if ((arg == "--settle" || arg == "--timeout") && i + 1 < argc) {
      (arg == "--settle" ? settle_ms : timeout_ms) = std::atof(argv[++i]);
    } else {
      titles.push_back(arg);
    }
  }
  if (titles.empty() || i + 1 >= argc) {
    std::fprintf(stderr, "usage: %s [--settle MS] [--timeout MS] TITLE... -- PROGRAM [ARG...]\n",
                 argv[0]);
    return 2;
  }
  char** command = argv + i + 1;

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: cannot open the X display\n");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  const Window root = DefaultRootWindow(display);
  const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("startup_probe: fork");
    return 2;
  }
  if (pid == 0) {
    close(ConnectionNumber(display));
    execvp(command[0], command);
    std::perror("startup_probe: exec");
    _exit(127);
  }

  std::vector<double> seen(titles.size(), -1);
  std::size_t found = 0;
  std::set<Window> mapped;
  auto check = [&](Window window, double when) {
    const std::string title = TitleOf(display, window, net_wm_name, utf8);
    for (std::size_t t = 0; t < titles.size(); ++t) {
      if (seen[t] < 0 && title == titles[t]) {
        seen[t] = when - start;
        ++found;
        std::printf("map %.1f %.1f %s\n", seen[t], ProcessorMs(pid), titles[t].c_str());
        std::fflush(stdout);
      }
    }
  };

  while (found < titles.size()) {
    if (NowMs() - start > timeout_ms) {
      std::fprintf(stderr, "startup_probe: timed out waiting for the windows\n");
      EndProgram(pid);
      return 1;
    }
    if (Ended(pid)) {
      std::fprintf(stderr, "startup_probe: the program ended before its windows appeared\n");
      return 1;
    }
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    if (XPending(display) == 0) poll(&fd, 1, 20);
    while (XPending(display) > 0 && found < titles.size()) {
      XEvent event;
      XNextEvent(display, &event);
      const double when = NowMs();
      switch (event.type) {
        case CreateNotify:
          // Titles set after mapping show up as property changes.
          if (event.xcreatewindow.parent == root) {
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
          }
          break;
        case MapNotify:
          if (event.xmap.event == root) {
            mapped.insert(event.xmap.window);
            check(event.xmap.window, when);
          }
          break;
        case UnmapNotify:
          if (event.xunmap.event == root) mapped.erase(event.xunmap.window);
          break;
        case PropertyNotify:
          if ((event.xproperty.atom == net_wm_name || event.xproperty.atom == XA_WM_NAME) &&
              mapped.count(event.xproperty.window) != 0) {
            check(event.xproperty.window, when);
          }
          break;
        default:
          break;
      }
    }
  }

  const double settled = NowMs() + settle_ms;
  while (NowMs() < settled) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
    }
    if (Ended(pid)) {
      std::fprintf(stderr, "startup_probe: the program ended while settling\n");
      return 1;
    }
    usleep(10000);
  }
  std::printf("%s\n", MemoryOf(pid).c_str());
  std::fflush(stdout);
  EndProgram(pid);
  XCloseDisplay(display);
  return 0;
}
