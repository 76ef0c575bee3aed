#pragma once

#include <QString>

namespace sono::test {

enum class ToneKind { Wav, Mp3Cbr, Mp3Vbr };

// Writes a sine tone with libsndfile: 16-bit WAV or LAME-encoded MP3 (the
// VBR file carries a Xing header telling its length).
bool writeTone(const QString& path, ToneKind kind, double frequency, double seconds, double amplitude = 0.5,
               int rate = 44100, int channels = 2);

// Removes the Xing/Info header frame of an MP3, leaving a VBR stream whose
// length can only be found by reading it all. False when there was none.
bool stripXingFrame(const QString& path);

bool writeFile(const QString& path, const QByteArray& data);

}  // namespace sono::test
