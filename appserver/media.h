#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

// Pictures and documents the demo data carries, all drawn by this program.
namespace appserver::media {

// A JPEG (TurboJPEG) of the given size: a coloured field with a caption.
QByteArray CaptionJpeg(const QString& caption, int width, int height, QColor background, int quality = 80);

// An animated GIF of `frames` frames in which the caption slides across.
QByteArray CaptionGif(const QString& caption, int width, int height, QColor background, int frames = 4);

// A BMP (Qt's writer) with the caption.
QByteArray CaptionBmp(const QString& caption, int width, int height, QColor background);

// A one-page A4 PDF (QPdfWriter) with a title and the given lines.
QByteArray SimplePdf(const QString& title, const QStringList& lines);

} // namespace appserver::media
