#include "media.h"

#include "gifwriter.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <turbojpeg.h>

#include <stdexcept>

namespace appserver::media {
namespace {

QImage drawCaption(const QString& caption, int width, int height, QColor background, int shift = 0)
{
    QImage img(width, height, QImage::Format_RGB888);
    img.fill(background);
    QPainter p(&img);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(2, 2, width - 5, height - 5);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(8, height / 5));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(shift, 0, width, height), Qt::AlignCenter | Qt::TextWordWrap, caption);
    p.end();
    return img;
}

} // namespace

QByteArray CaptionJpeg(const QString& caption, int width, int height, QColor background, int quality)
{
    const QImage img = drawCaption(caption, width, height, background);
    tjhandle h = tjInitCompress();
    if (!h)
        throw std::runtime_error("TurboJPEG cannot start");
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(h, img.constBits(), width, int(img.bytesPerLine()), height, TJPF_RGB, &out, &size,
                               TJSAMP_420, quality, TJFLAG_ACCURATEDCT);
    QByteArray bytes;
    if (rc == 0)
        bytes = QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(h);
    if (rc != 0)
        throw std::runtime_error("TurboJPEG cannot compress the picture");
    return bytes;
}

QByteArray CaptionGif(const QString& caption, int width, int height, QColor background, int frames)
{
    std::vector<QImage> images;
    for (int i = 0; i < frames; ++i)
        images.push_back(drawCaption(caption, width, height, background, (i - frames / 2) * width / (4 * frames)));
    return EncodeGif(images, 25);
}

QByteArray CaptionBmp(const QString& caption, int width, int height, QColor background)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    drawCaption(caption, width, height, background).save(&buf, "BMP");
    return bytes;
}

QByteArray SimplePdf(const QString& title, const QStringList& lines)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buf);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(72);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Velkora"));
    QPainter p(&pdf);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.drawText(40, 60, title);
    f.setPixelSize(11);
    f.setBold(false);
    p.setFont(f);
    int y = 100;
    for (const QString& line : lines) {
        p.drawText(40, y, line);
        y += 16;
    }
    p.end();
    return bytes;
}

} // namespace appserver::media
