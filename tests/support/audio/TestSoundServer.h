#pragma once

#include <QString>

namespace sono::test {

// Points this process at the sound server that scripts/services/sound-server
// started under $SONO_TEST_RUNTIME (its socket and its ALSA devices). Must
// run before the first use of PortAudio. Returns an explanation when there
// is no such server, the empty text when all is ready.
QString useTestSoundServer();

// The two null sinks the service sets up: the default output and a second one.
inline const char* kDefaultSink = "sono_a";
inline const char* kSecondSink = "sono_b";

// The device number (0 … n−1) whose product name is `name`, or −2.
int deviceNumberNamed(const QString& name);

}  // namespace sono::test
