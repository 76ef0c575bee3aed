#include "platform/audio/PortAudioHost.h"

#include <alsa/asoundlib.h>
#include <portaudio.h>

#include <vector>

namespace sono::audio {

namespace {

// ALSA reports every configuration entry it cannot open (rear, surround,
// HDMI, …) while PortAudio probes them; none of that concerns the operator.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

class Host {
 public:
  Host() {
    snd_lib_error_set_handler(quietAlsa);
    ok_ = Pa_Initialize() == paNoError;
    if (!ok_) return;
    const PaDeviceIndex n = Pa_GetDeviceCount();
    for (PaDeviceIndex i = 0; i < n; ++i) {
      const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
      if (info && info->maxOutputChannels > 0) outputs_.push_back(i);
    }
  }
  // No Pa_Terminate at exit: it would unload ALSA's plugins, whose
  // process-long allocations then show as leaks of an unknown module, and
  // the process ends anyway. Every stream is closed by its output before.
  bool ok() const { return ok_; }
  const std::vector<PaDeviceIndex>& outputs() const { return outputs_; }

 private:
  bool ok_ = false;
  std::vector<PaDeviceIndex> outputs_;
};

Host& host() {
  static Host* h = new Host;  // kept until the process ends
  return *h;
}

}  // namespace

bool portAudioAvailable() { return host().ok(); }

int outputDeviceCount() { return int(host().outputs().size()); }

int portAudioDevice(int deviceId) {
  Host& h = host();
  if (!h.ok()) return paNoDevice;
  if (deviceId == -1) return Pa_GetDefaultOutputDevice();
  if (deviceId < 0 || deviceId >= int(h.outputs().size())) return paNoDevice;
  return h.outputs()[size_t(deviceId)];
}

QString outputDeviceName(int deviceId) {
  const PaDeviceIndex index = portAudioDevice(deviceId);
  if (index == paNoDevice) return {};
  const PaDeviceInfo* info = Pa_GetDeviceInfo(index);
  return info && info->name ? QString::fromUtf8(info->name) : QString();
}

}  // namespace sono::audio
