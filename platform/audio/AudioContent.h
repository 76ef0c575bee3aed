#pragma once

#include <QtGlobal>

class QIODevice;

namespace sono::audio {

enum class AudioContent { Unknown, Wave, Mpeg };

// Tells what a file holds by its bytes, whatever its name says. MPEG audio
// must show a chain of consistent frame headers (after an optional ID3v2
// tag), so that a text or random file is never taken for an MP3.
AudioContent detectAudioContent(QIODevice& file);

// Offset of the first MPEG audio frame of a chain, or −1.
qint64 firstMpegFrame(QIODevice& file);

// Whether an MPEG audio file states its length in a header frame (Xing,
// Info or VBRI); without one the length is only known after a full scan.
bool mpegHasLengthHeader(QIODevice& file);

// The length in bytes of the MPEG audio frame whose header starts at p
// (four bytes), or 0 when these bytes are not a frame header we accept.
int mpegFrameLength(const unsigned char* p);

}  // namespace sono::audio
