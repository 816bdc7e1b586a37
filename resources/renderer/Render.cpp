#include "resources/renderer/Render.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <map>

namespace velmora::art {

namespace {

void Paint(QPaintDevice& device, const Picture& picture, qreal scale) {
  QPainter painter(&device);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
  // The same vector code at any scale: a larger picture is drawn, not enlarged.
  painter.scale(scale, scale);
  picture.draw(painter);
}

QString Number(qreal value) {
  return QString::number(value, 'g', 10);
}

// The pixels of `image` as squares of one pixel: a path per colour, each row's
// runs of that colour merged into one rectangle.
void WriteSquares(QXmlStreamWriter& writer, const QImage& image) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  std::map<QRgb, QString> paths;
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width();) {
      int end = x + 1;
      while (end < pixels.width() && row[end] == row[x]) {
        ++end;
      }
      if (qAlpha(row[x]) != 0) {
        paths[row[x]] += QStringLiteral("M%1 %2h%3v1h-%3z").arg(x).arg(y).arg(end - x);
      }
      x = end;
    }
  }
  for (const auto& [colour, path] : paths) {
    writer.writeStartElement(QStringLiteral("path"));
    writer.writeAttribute(QStringLiteral("fill"), QColor(colour).name(QColor::HexRgb));
    if (qAlpha(colour) != 255) {
      writer.writeAttribute(QStringLiteral("fill-opacity"), Number(qAlpha(colour) / 255.0));
    }
    writer.writeAttribute(QStringLiteral("stroke"), QStringLiteral("none"));
    writer.writeAttribute(QStringLiteral("d"), path);
    writer.writeEndElement();
  }
}

// An embedded image of the recording, as a group of squares in its place.
// False when the element is not a PNG image written by the generator.
bool WriteImageAsSquares(QXmlStreamWriter& writer, const QXmlStreamAttributes& attributes) {
  const QString data = attributes.value(QStringLiteral("xlink:href")).toString();
  const QString prefix = QStringLiteral("data:image/png;base64,");
  if (!data.startsWith(prefix)) {
    return false;
  }
  const QImage image =
      QImage::fromData(QByteArray::fromBase64(data.mid(prefix.size()).toLatin1()), "PNG");
  if (image.isNull()) {
    return false;
  }
  const auto real = [&](const QString& name) { return attributes.value(name).toDouble(); };
  QString transform = attributes.value(QStringLiteral("transform")).toString();
  transform += QStringLiteral(" translate(%1 %2) scale(%3 %4)")
                   .arg(Number(real(QStringLiteral("x"))), Number(real(QStringLiteral("y"))),
                        Number(real(QStringLiteral("width")) / image.width()),
                        Number(real(QStringLiteral("height")) / image.height()));
  writer.writeStartElement(QStringLiteral("g"));
  writer.writeAttribute(QStringLiteral("transform"), transform.trimmed());
  WriteSquares(writer, image);
  writer.writeEndElement();
  return true;
}

// Rewrites the generator's document: sized in pixels instead of millimetres,
// and without embedded images.
QByteArray SquarePixels(const QByteArray& recorded, QSize size) {
  QXmlStreamReader reader(recorded);
  reader.setNamespaceProcessing(false);
  QByteArray document;
  QXmlStreamWriter writer(&document);
  writer.setAutoFormatting(true);
  writer.writeStartDocument();
  int skipping = 0;  // depth inside an image element that was replaced
  while (!reader.atEnd()) {
    switch (reader.readNext()) {
      case QXmlStreamReader::StartElement: {
        if (skipping > 0) {
          ++skipping;
          break;
        }
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.qualifiedName() == u"image") {
          if (!WriteImageAsSquares(writer, attributes)) {
            return {};
          }
          skipping = 1;
          break;
        }
        writer.writeStartElement(reader.qualifiedName().toString());
        for (const QXmlStreamAttribute& attribute : attributes) {
          QString value = attribute.value().toString();
          if (reader.qualifiedName() == u"svg" && attribute.qualifiedName() == u"width") {
            value = QString::number(size.width());
          } else if (reader.qualifiedName() == u"svg" && attribute.qualifiedName() == u"height") {
            value = QString::number(size.height());
          }
          writer.writeAttribute(attribute.qualifiedName().toString(), value);
        }
        break;
      }
      case QXmlStreamReader::EndElement:
        if (skipping > 0) {
          --skipping;
        } else {
          writer.writeEndElement();
        }
        break;
      case QXmlStreamReader::Characters:
        if (skipping == 0 && !reader.isWhitespace()) {
          writer.writeCharacters(reader.text().toString());
        }
        break;
      default:
        break;
    }
  }
  writer.writeEndDocument();
  return reader.hasError() ? QByteArray() : document;
}

}  // namespace

QImage RenderImage(const Picture& picture, qreal scale) {
  QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  Paint(image, picture, scale);
  return image;
}

QByteArray RenderSvg(const Picture& picture, const QString& title) {
  QBuffer recorded;
  recorded.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&recorded);
  generator.setSize(picture.size);
  generator.setViewBox(QRect(QPoint(0, 0), picture.size));
  generator.setTitle(title);
  Paint(generator, picture, 1.0);
  return SquarePixels(recorded.data(), picture.size);
}

}  // namespace velmora::art
