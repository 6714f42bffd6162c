// Draws Quorvan's three pictures and its program icon, so that they can be remade from source:
//
//   draw_pictures <pictures-dir> <packaging-dir>
//
// writes KTR8.png (the calculator's banner), KTR6.png (the About box's banner) and LinesSmall.png
// into <pictures-dir>, the hicolor icon sizes into <packaging-dir>/icons/<N>x<N>/quorvan.png and
// the Windows icon group into <packaging-dir>/windows/quorvan.ico. Run it on the offscreen
// platform (QT_QPA_PLATFORM=offscreen) from the source tree, then commit what changed.
//
// The figure in every picture is the same: posttest against pretest probability for a handful of
// likelihood ratios, the curves the program computes.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QColor kNavy(0x14, 0x2a, 0x5c);
const QColor kBlue(0x2b, 0x5c, 0x96);
const QColor kPaleCyan(0xea, 0xff, 0xff);
const QColor kSubtitle(0xc9, 0xdc, 0xee);

double Posttest(double pretest, double ratio) {
  return pretest * ratio / (1.0 - pretest + pretest * ratio);
}

// The curve for one likelihood ratio across the unit square mapped onto `box` (y grows upwards).
QPainterPath Curve(const QRectF& box, double ratio) {
  QPainterPath path;
  const int steps = 96;
  for (int i = 0; i <= steps; ++i) {
    const double p = static_cast<double>(i) / steps;
    const QPointF point(box.left() + p * box.width(),
                        box.bottom() - Posttest(p, ratio) * box.height());
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

void DrawCurves(QPainter& painter, const QRectF& box, const std::vector<double>& ratios,
                const QColor& colour, double width) {
  painter.setBrush(Qt::NoBrush);
  for (double ratio : ratios) {
    QColor c = colour;
    // The ratio of 1 (a test that tells nothing) is the diagonal: drawn fainter than the others.
    if (ratio == 1.0) c.setAlphaF(c.alphaF() * 0.55);
    painter.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(Curve(box, ratio));
  }
}

QFont Font(double pixelSize, QFont::Weight weight) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setWeight(weight);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// A banner: the product name and what it does on a navy field, the curves at its right end. The
// bottom `covered` rows lie under a control of the window (the calculator's credit line), whose
// text shows on them: the figure keeps to the rows above and leaves those clear.
QImage Banner(int width, int height, int covered) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const double shown = height - covered;
  QLinearGradient field(0, 0, width, height);
  field.setColorAt(0.0, kNavy);
  field.setColorAt(1.0, kBlue);
  painter.fillRect(QRectF(0, 0, width, shown), field);

  const double margin = shown * 0.16;
  const double side = shown - 2 * margin;
  const QRectF plot(width - margin * 1.6 - side * 1.5, margin, side * 1.5, side);
  QPen axis(QColor(255, 255, 255, 70), 1.0);
  painter.setPen(axis);
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  DrawCurves(painter, plot, {0.1, 0.33, 1.0, 3.0, 10.0}, QColor(255, 255, 255, 150), 1.4);

  const double left = shown * 0.32;
  painter.setPen(Qt::white);
  painter.setFont(Font(shown * 0.40, QFont::DemiBold));
  painter.drawText(QRectF(left, shown * 0.08, width, shown * 0.54), Qt::AlignLeft | Qt::AlignBottom,
                   QStringLiteral("Quorvan"));
  painter.setPen(kSubtitle);
  painter.setFont(Font(shown * 0.17, QFont::Normal));
  painter.drawText(QRectF(left, shown * 0.64, width, shown * 0.30), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Pretest to posttest probability"));

  painter.fillRect(QRectF(0, shown - 2, width, 2), QColor(0x8f, 0xc3, 0xe6));
  return image;
}

// The About box's small figure: the curves in navy on a pale field, with a light frame.
QImage Lines(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF frame(0.5, 0.5, size - 1.0, size - 1.0);
  painter.setPen(QPen(QColor(0x9d, 0xb4, 0xd3), 1.0));
  painter.setBrush(kPaleCyan);
  painter.drawRoundedRect(frame, size * 0.08, size * 0.08);

  const QRectF plot = frame.adjusted(size * 0.14, size * 0.14, -size * 0.14, -size * 0.14);
  painter.setPen(QPen(QColor(0x14, 0x2a, 0x5c, 60), 1.0, Qt::DotLine));
  for (int i = 1; i < 4; ++i) {
    const double x = plot.left() + plot.width() * i / 4.0;
    const double y = plot.top() + plot.height() * i / 4.0;
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
  }
  painter.setPen(QPen(QColor(0x14, 0x2a, 0x5c, 140), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);
  DrawCurves(painter, plot, {0.1, 0.33, 1.0, 3.0, 10.0}, kNavy, 1.5);
  return image;
}

// The program icon: a rounded navy tile with the curves in white; small sizes get fewer curves.
QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const double inset = size >= 32 ? size / 16.0 : 0.5;
  const QRectF tile(inset, inset, size - 2 * inset, size - 2 * inset);
  QLinearGradient field(tile.topLeft(), tile.bottomRight());
  field.setColorAt(0.0, kBlue);
  field.setColorAt(1.0, kNavy);
  painter.setPen(Qt::NoPen);
  painter.setBrush(field);
  painter.drawRoundedRect(tile, tile.width() * 0.18, tile.width() * 0.18);

  const QRectF plot = tile.adjusted(tile.width() * 0.2, tile.width() * 0.2, -tile.width() * 0.2,
                                    -tile.width() * 0.2);
  const double line = std::max(1.0, size / 24.0);
  const std::vector<double> ratios =
      size >= 32 ? std::vector<double>{0.2, 1.0, 5.0} : std::vector<double>{0.15, 6.0};
  DrawCurves(painter, plot, ratios, Qt::white, line);
  return image;
}

bool Save(const QImage& image, const QString& path) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// --- The Windows icon group, written by hand: an ICONDIR, one entry per image, then the images.
// The 256-pixel image is stored as PNG, the others as bottom-up DIBs with their AND mask.

void PutU16(QByteArray& out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}

void PutU32(QByteArray& out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

int RowBytes(int width, int bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 32) * 4;
}

// The AND mask: 1 where the pixel is transparent, rows bottom-up and padded to four bytes.
void PutMask(QByteArray& out, const QImage& argb) {
  const int stride = RowBytes(argb.width(), 1);
  for (int y = argb.height() - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < argb.width(); ++x) {
      if (qAlpha(argb.pixel(x, y)) < 128)
        row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
}

void PutInfoHeader(QByteArray& out, int size, int bitsPerPixel, quint32 imageBytes, int colours) {
  PutU32(out, 40);
  PutU32(out, static_cast<quint32>(size));
  PutU32(out, static_cast<quint32>(size * 2));  // colour bitmap and mask stacked
  PutU16(out, 1);
  PutU16(out, static_cast<quint16>(bitsPerPixel));
  PutU32(out, 0);
  PutU32(out, imageBytes);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, static_cast<quint32>(colours));
  PutU32(out, 0);
}

QByteArray Dib32(const QImage& source) {
  const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
  const int size = argb.width();
  QByteArray out;
  const quint32 bytes = static_cast<quint32>((RowBytes(size, 32) + RowBytes(size, 1)) * size);
  PutInfoHeader(out, size, 32, bytes, 0);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) {
      const QRgb p = argb.pixel(x, y);
      const char bgra[4] = {static_cast<char>(qBlue(p)), static_cast<char>(qGreen(p)),
                            static_cast<char>(qRed(p)), static_cast<char>(qAlpha(p))};
      out.append(bgra, 4);
    }
  }
  PutMask(out, argb);
  return out;
}

QByteArray Dib8(const QImage& source) {
  const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
  // Transparent pixels are masked out, so the palette only has to carry the opaque colours.
  QImage opaque(argb.size(), QImage::Format_RGB32);
  opaque.fill(kNavy);
  {
    QPainter painter(&opaque);
    painter.drawImage(0, 0, argb);
  }
  const QImage indexed =
      opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
  const int size = argb.width();
  QByteArray out;
  const quint32 bytes = static_cast<quint32>((RowBytes(size, 8) + RowBytes(size, 1)) * size);
  PutInfoHeader(out, size, 8, bytes, 256);
  const QList<QRgb> table = indexed.colorTable();
  for (int i = 0; i < 256; ++i) {
    const QRgb c = i < table.size() ? table[i] : 0;
    const char bgrx[4] = {static_cast<char>(qBlue(c)), static_cast<char>(qGreen(c)),
                          static_cast<char>(qRed(c)), 0};
    out.append(bgrx, 4);
  }
  const int stride = RowBytes(size, 8);
  for (int y = size - 1; y >= 0; --y) {
    QByteArray row(stride, '\0');
    for (int x = 0; x < size; ++x) row[x] = static_cast<char>(indexed.pixelIndex(x, y));
    out.append(row);
  }
  PutMask(out, argb);
  return out;
}

QByteArray Png(const QImage& image) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return out;
}

struct IconImage {
  int size;
  int bitsPerPixel;
};

bool SaveIco(const QString& path) {
  const std::vector<IconImage> images = {{48, 8},  {32, 8},  {16, 8}, {256, 32},
                                         {48, 32}, {32, 32}, {16, 32}};
  std::vector<QByteArray> data;
  for (const IconImage& i : images) {
    const QImage icon = Icon(i.size);
    data.push_back(i.size == 256 ? Png(icon) : i.bitsPerPixel == 8 ? Dib8(icon) : Dib32(icon));
  }
  QByteArray out;
  PutU16(out, 0);
  PutU16(out, 1);  // icon, not cursor
  PutU16(out, static_cast<quint16>(images.size()));
  quint32 offset = static_cast<quint32>(6 + 16 * images.size());
  for (size_t n = 0; n < images.size(); ++n) {
    const int size = images[n].size;
    out.append(static_cast<char>(size == 256 ? 0 : size));
    out.append(static_cast<char>(size == 256 ? 0 : size));
    out.append('\0');  // colour count: 0 when there are 256 or more
    out.append('\0');
    PutU16(out, 1);
    PutU16(out, static_cast<quint16>(images[n].bitsPerPixel));
    PutU32(out, static_cast<quint32>(data[n].size()));
    PutU32(out, offset);
    offset += static_cast<quint32>(data[n].size());
  }
  for (const QByteArray& d : data) out.append(d);

  QFile file(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
      file.write(out) != out.size()) {
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: draw_pictures <pictures-dir> <packaging-dir>\n");
    return 2;
  }
  const QString pictures = QString::fromLocal8Bit(argv[1]);
  const QString packaging = QString::fromLocal8Bit(argv[2]);

  // The calculator's credit line covers the lowest 15 rows of its banner.
  bool ok = Save(Banner(580, 97, 15), pictures + "/KTR8.png");
  ok = Save(Banner(433, 67, 0), pictures + "/KTR6.png") && ok;
  ok = Save(Lines(101), pictures + "/LinesSmall.png") && ok;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString name = QStringLiteral("%1/icons/%2x%2/quorvan.png").arg(packaging).arg(size);
    ok = Save(Icon(size), name) && ok;
  }
  ok = SaveIco(packaging + "/windows/quorvan.ico") && ok;
  return ok ? 0 : 1;
}
