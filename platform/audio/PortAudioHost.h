#pragma once

#include <QString>

namespace sono::audio {

// The wave-out devices as the system numbers them: −1 is the system's
// default output, 0 … count − 1 the output devices in enumeration order.
// PortAudio is set up on first use and kept for the whole run; with no
// sound server or card the list is empty and the default is missing.
// UI thread only.

int outputDeviceCount();

// The product name of a device (−1: the default device's name); the empty
// text for a number that names no device.
QString outputDeviceName(int deviceId);

// The PortAudio device index for a device number, or −1 (paNoDevice) when
// there is no such device.
int portAudioDevice(int deviceId);

// Whether PortAudio could be set up at all.
bool portAudioAvailable();

}  // namespace sono::audio
