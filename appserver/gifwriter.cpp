#include "gifwriter.h"

namespace appserver::media {
namespace {

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

int cubeIndex(QRgb c)
{
    auto q = [](int v) { return (v * 5 + 127) / 255; };
    return q(qRed(c)) * 36 + q(qGreen(c)) * 6 + q(qBlue(c));
}

// Packs LZW codes of a fixed 9-bit width into sub-blocks of at most 255 bytes.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : FOut(out) {}
    void write(int code)
    {
        FBits |= quint32(code) << FCount;
        FCount += 9;
        while (FCount >= 8) {
            byte(char(FBits & 0xff));
            FBits >>= 8;
            FCount -= 8;
        }
    }
    void finish()
    {
        if (FCount > 0)
            byte(char(FBits & 0xff));
        flushBlock();
        FOut.append(char(0)); // block terminator
    }

private:
    void byte(char b)
    {
        FBlock.append(b);
        if (FBlock.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (FBlock.isEmpty())
            return;
        FOut.append(char(FBlock.size()));
        FOut.append(FBlock);
        FBlock.clear();
    }

    QByteArray& FOut;
    QByteArray FBlock;
    quint32 FBits = 0;
    int FCount = 0;
};

} // namespace

QByteArray EncodeGif(const std::vector<QImage>& frames, int delayCs)
{
    if (frames.empty())
        return {};
    const int w = frames.front().width();
    const int h = frames.front().height();
    QByteArray out("GIF89a");
    put16(out, w);
    put16(out, h);
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 256; ++i) {
        const int r = i < 216 ? (i / 36) * 51 : 0;
        const int g = i < 216 ? ((i / 6) % 6) * 51 : 0;
        const int b = i < 216 ? (i % 6) * 51 : 0;
        out.append(char(r));
        out.append(char(g));
        out.append(char(b));
    }
    // Loop forever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const QImage& frame : frames) {
        const QImage img = frame.convertToFormat(QImage::Format_RGB32);
        out.append("\x21\xF9\x04\x00", 4);
        put16(out, delayCs);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, w);
        put16(out, h);
        out.append(char(0));
        out.append(char(8)); // minimum code size
        CodeWriter codes(out);
        constexpr int clear = 256, end = 257;
        int sinceClear = 0;
        codes.write(clear);
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                // Each literal adds a table entry; clearing before 254 of them
                // keeps the decoder's code width at 9 bits.
                if (sinceClear == 254) {
                    codes.write(clear);
                    sinceClear = 0;
                }
                codes.write(cubeIndex(line[x]));
                ++sinceClear;
            }
        }
        codes.write(end);
        codes.finish();
    }
    out.append(char(0x3B));
    return out;
}

} // namespace appserver::media
