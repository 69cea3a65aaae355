// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the current X display and reports how long it took from
// exec to the first frame drawn into its mapped top-level window, and the
// process's peak resident memory. The window's content is watched with the
// DAMAGE extension from before it is mapped, so no frame can slip by.
//   first_frame PROGRAM [ARGS...]   prints "ms=<float> rss_kib=<int>"
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <span>

namespace {

using Clock = std::chrono::steady_clock;

// Windows may vanish or be input-only; such errors are expected here.
int IgnoreXErrors(Display* /*display*/, XErrorEvent* /*event*/) { return 0; }

bool WaitForEvent(Display* display, Clock::time_point deadline) {
  while (XPending(display) == 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      return false;
    }
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left));
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::span<char*> args(argv, static_cast<std::size_t>(argc));
  if (args.size() < 2) {
    std::fputs("usage: first_frame PROGRAM [ARGS...]\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  int damageEvent = 0;
  int damageError = 0;
  if (display == nullptr || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fputs("first_frame: needs an X display with the DAMAGE extension\n", stderr);
    return 2;
  }
  XSetErrorHandler(IgnoreXErrors);
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(args[1], &args[1]);
    _exit(127);
  }

  std::map<Window, Damage> watched;
  Window mapped = 0;
  double ms = -1;
  const Clock::time_point deadline = start + std::chrono::seconds(20);
  while (ms < 0 && WaitForEvent(display, deadline)) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify && event.xcreatewindow.override_redirect == 0) {
      const Window window = event.xcreatewindow.window;
      watched[window] = XDamageCreate(display, window, XDamageReportNonEmpty);
    } else if (event.type == MapNotify && watched.contains(event.xmap.window)) {
      mapped = event.xmap.window;
    } else if (event.type == damageEvent + XDamageNotify) {
      const auto& damage = *reinterpret_cast<XDamageNotifyEvent*>(&event);
      XDamageSubtract(display, damage.damage, None, None);
      if (damage.drawable == mapped && mapped != 0) {
        ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      }
    }
  }

  // Let start-up settle, then end the program and read its peak memory.
  usleep(300 * 1000);
  kill(child, SIGTERM);
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
  }
  XCloseDisplay(display);
  if (ms < 0) {
    std::fputs("first_frame: no frame within 20 s\n", stderr);
    return 1;
  }
  std::printf("ms=%.2f rss_kib=%ld\n", ms, usage.ru_maxrss);
  return 0;
}
