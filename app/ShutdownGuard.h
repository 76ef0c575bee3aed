#pragma once
// An orderly end however the process is asked to stop. SIGTERM, SIGINT and
// SIGHUP (a session logging out, a service manager stopping the studio
// machine) end the event loop, so the windows close and the data module
// commits as on a normal close. If the process exits behind our back (the
// display connection lost, for one: the toolkit then calls exit()), the
// connections are still closed, and so committed, before the database
// client's own exit handlers run.

#include <functional>

namespace sono::app {

class ShutdownGuard {
 public:
  // Call first thing in main, before any thread exists: the signals are
  // blocked in every thread and read from a descriptor on the UI thread.
  // A signal handler would otherwise interrupt whichever thread it lands on,
  // a database engine thread included, and the embedded engine does not
  // survive that.
  static void blockTerminationSignals();

  // `closeConnections` runs at exit when the guard is still installed.
  explicit ShutdownGuard(std::function<void()> closeConnections);
  ~ShutdownGuard();
  ShutdownGuard(const ShutdownGuard&) = delete;
  ShutdownGuard& operator=(const ShutdownGuard&) = delete;
};

}  // namespace sono::app
