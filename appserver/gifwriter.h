#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace appserver::media {

// GIF89a of the given frames (same size), looping forever, `delayCs`
// hundredths of a second per frame. Qt reads GIF but cannot write it, so this
// small writer exists; it quantises to a fixed 6x6x6 colour cube and emits
// uncompressed LZW (a clear code before the code width would grow), which
// every decoder reads.
QByteArray EncodeGif(const std::vector<QImage>& frames, int delayCs);

} // namespace appserver::media
