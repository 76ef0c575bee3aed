#include "app/ShutdownGuard.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <sys/signalfd.h>
#include <unistd.h>

namespace sono::app {
namespace {

int g_signalFd = -1;
QSocketNotifier* g_notifier = nullptr;
std::function<void()>* g_close = nullptr;  // UI thread only

sigset_t terminationSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGHUP);
  return set;
}

void atExit() {
  if (g_close && *g_close) (*g_close)();
}

}  // namespace

void ShutdownGuard::blockTerminationSignals() {
  const sigset_t set = terminationSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

ShutdownGuard::ShutdownGuard(std::function<void()> closeConnections) {
  static bool registered = false;
  if (!registered) {
    // Registered after the database client loaded, so it runs before the
    // client's own exit handlers.
    std::atexit(atExit);
    registered = true;
  }
  g_close = new std::function<void()>(std::move(closeConnections));
  const sigset_t set = terminationSignals();
  g_signalFd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (g_signalFd < 0) return;
  g_notifier = new QSocketNotifier(g_signalFd, QSocketNotifier::Read);
  QObject::connect(g_notifier, &QSocketNotifier::activated, [] {
    signalfd_siginfo info;
    while (::read(g_signalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    }
    QCoreApplication::quit();
  });
}

ShutdownGuard::~ShutdownGuard() {
  delete g_notifier;
  g_notifier = nullptr;
  if (g_signalFd >= 0) ::close(g_signalFd);
  g_signalFd = -1;
  delete g_close;
  g_close = nullptr;
}

}  // namespace sono::app
