// Thread-sanitizer settings compiled into each audio test (read only by
// sanitizer builds; ordinary builds never call these).

// The recorder forks parecord from a process whose audio threads are
// running; the child only execs, so the refusal of such forks does not apply.
// The toolkit is not built with the sanitizer either: what its own threads
// (the painting thread pool) allocate and copy under its own locks is left
// to it; our code's accesses are still all seen.
extern "C" const char* __tsan_default_options() { return "die_after_fork=0:ignore_noninstrumented_modules=1"; }

// Libraries not built with the sanitizer, whose own locking it cannot see:
// PulseAudio's client libraries (reached through ALSA's pulse plugin) and
// Qt's wait condition (the Qt Test watchdog).
extern "C" const char* __tsan_default_suppressions() {
  return "race:libpulsecommon\n"
         "race:libpulse.so\n"
         "race:libasound_module_pcm_pulse\n"
         "race:libasound_module_conf_pulse\n"
         "race:QWaitCondition\n"
         "race:libQt6Test.so\n";
}
