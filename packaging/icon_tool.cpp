// Draws the program's logo as PNG icons for the desktop's icon theme, with
// the very painter code the program uses for its own windows, and compares
// two pictures (the scalable icon, rendered, against the painted one).
//
//   quorvel-icon-tool render SIZE OUT.png
//   quorvel-icon-tool compare A.png B.png MAX_MEAN_DIFFERENCE MAX_PERCENT_OFF
//
// Two pictures compare equal when the mean difference of their colour
// channels (0 to 255) is at most MAX_MEAN_DIFFERENCE and at most
// MAX_PERCENT_OFF per cent of their pixels differ by more than a quarter of
// the range in some channel (edges smoothed in other ways differ a little;
// a misplaced shape differs a lot).

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/vector_icons.h"

namespace {

int Usage() {
  std::fprintf(
      stderr,
      "usage: quorvel-icon-tool render SIZE OUT.png\n"
      "       quorvel-icon-tool compare A.png B.png MAX_MEAN_DIFFERENCE MAX_PERCENT_OFF\n");
  return 2;
}

int Render(const char* size_text, const char* out) {
  char* end = nullptr;
  const long parsed = std::strtol(size_text, &end, 10);
  if (*end != '\0' || parsed < 8 || parsed > 1024) return Usage();
  const int size = static_cast<int>(parsed);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    quorvel::ui::PaintPicture(painter, QRectF(0, 0, size, size), quorvel::ui::Picture::Logo);
  }
  // A logo that painted nothing would still make a valid, empty PNG.
  bool opaque_pixel = false;
  for (int y = 0; y < image.height() && !opaque_pixel; ++y) {
    for (int x = 0; x < image.width() && !opaque_pixel; ++x) {
      opaque_pixel = qAlpha(image.pixel(x, y)) == 255;
    }
  }
  if (!opaque_pixel) {
    std::fprintf(stderr, "quorvel-icon-tool: the logo painted nothing at %d px\n", size);
    return 1;
  }
  if (!image.save(QString::fromLocal8Bit(out), "PNG")) {
    std::fprintf(stderr, "quorvel-icon-tool: cannot write %s\n", out);
    return 1;
  }
  return 0;
}

// Colours are taken on a white background, so that transparent pixels count
// alike whatever colour they carry.
int Compare(const char* a_path, const char* b_path, const char* mean_text,
            const char* percent_text) {
  const QImage a = QImage(QString::fromLocal8Bit(a_path)).convertToFormat(QImage::Format_ARGB32);
  const QImage b = QImage(QString::fromLocal8Bit(b_path)).convertToFormat(QImage::Format_ARGB32);
  if (a.isNull() || b.isNull()) {
    std::fprintf(stderr, "quorvel-icon-tool: cannot read %s\n", a.isNull() ? a_path : b_path);
    return 1;
  }
  if (a.size() != b.size()) {
    std::fprintf(stderr, "quorvel-icon-tool: sizes differ: %dx%d and %dx%d\n", a.width(),
                 a.height(), b.width(), b.height());
    return 1;
  }
  const auto on_white = [](QRgb pixel, int channel) {
    const int alpha = qAlpha(pixel);
    return (channel * alpha + 255 * (255 - alpha)) / 255;
  };
  double total = 0;
  long off = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      const int red = std::abs(on_white(p, qRed(p)) - on_white(q, qRed(q)));
      const int green = std::abs(on_white(p, qGreen(p)) - on_white(q, qGreen(q)));
      const int blue = std::abs(on_white(p, qBlue(p)) - on_white(q, qBlue(q)));
      total += red + green + blue;
      if (std::max({red, green, blue}) > 64) ++off;
    }
  }
  const double pixels = static_cast<double>(a.width()) * a.height();
  const double mean = total / (3.0 * pixels);
  const double percent_off = 100.0 * static_cast<double>(off) / pixels;
  const double max_mean = std::strtod(mean_text, nullptr);
  const double max_percent = std::strtod(percent_text, nullptr);
  std::printf("mean difference %.3f (at most %.3f), pixels off %.2f%% (at most %.2f%%)\n", mean,
              max_mean, percent_off, max_percent);
  return mean <= max_mean && percent_off <= max_percent ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "render" && argc == 4) return Render(argv[2], argv[3]);
  if (command == "compare" && argc == 6) return Compare(argv[2], argv[3], argv[4], argv[5]);
  return Usage();
}
