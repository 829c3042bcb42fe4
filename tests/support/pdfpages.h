#pragma once
// A printed PDF read back as a person would measure it: its pages rendered in grey (pdftoppm, from
// poppler-utils), and the marks on a page as the separate dark blots they make, each with its box
// and its ink.

#include <QDir>
#include <cmath>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace pdfpages {

// Pixels per millimetre of the rendered pages.
constexpr int kDpi = 600;
constexpr double kPixelsPerMm = kDpi / 25.4;

// Every page of pdf, rendered into folder at dpi; empty when pdftoppm failed.
inline std::vector<QImage> render(const QString& pdf, const QString& folder, int dpi = kDpi)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    EXPECT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is installed by scripts/install-deps.sh";
    QDir(folder).mkpath(QStringLiteral("."));
    QProcess render;
    render.start(pdftoppm, {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
                               pdf, folder + QStringLiteral("/page")});
    if (!render.waitForFinished(120000) || render.exitCode() != 0)
        return {};
    // A page at this resolution is larger than Qt reads by default.
    QImageReader::setAllocationLimit(1024);
    std::vector<QImage> pages;
    const QStringList files = QDir(folder).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        pages.emplace_back(QDir(folder).filePath(file));
    return pages;
}

// One blot of touching dark pixels: its bounding box in pixels and its ink (the darkness of its
// pixels summed, 1 for a black pixel), so ink / length is a stroke's width whatever the anti-aliasing.
struct Mark {
    QRect box;
    double ink = 0;
    // The box's centre and size in millimetres from the paper's top left corner.
    double centreXMm() const { return (box.left() + box.right() + 1) / 2.0 / kPixelsPerMm; }
    double centreYMm() const { return (box.top() + box.bottom() + 1) / 2.0 / kPixelsPerMm; }
    double widthMm() const { return box.width() / kPixelsPerMm; }
    double heightMm() const { return box.height() / kPixelsPerMm; }
};

// The blots of page, top to bottom, left to right by their first pixel.
inline std::vector<Mark> marks(const QImage& page)
{
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    const int w = grey.width();
    const int h = grey.height();
    auto darkness = [&grey](int x, int y) { return 1.0 - grey.constScanLine(y)[x] / 255.0; };
    std::vector<bool> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    std::vector<Mark> found;
    std::vector<QPoint> todo;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[static_cast<std::size_t>(y) * w + x] || darkness(x, y) < 0.25)
                continue;
            Mark mark{QRect(x, y, 1, 1), 0};
            seen[static_cast<std::size_t>(y) * w + x] = true;
            todo.push_back({x, y});
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                mark.box |= QRect(p, QSize(1, 1));
                mark.ink += darkness(p.x(), p.y());
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx;
                        const int ny = p.y() + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                            continue;
                        const std::size_t i = static_cast<std::size_t>(ny) * w + nx;
                        // Faint edge pixels belong to the blot they touch, and add their ink.
                        if (!seen[i] && darkness(nx, ny) > 0.02) {
                            seen[i] = true;
                            todo.push_back({nx, ny});
                        }
                    }
            }
            found.push_back(mark);
        }
    return found;
}

// The stroke width in millimetres of a cross of two strokes along the diagonals of its box of
// width by height millimetres.
inline double crossStrokeMm(const Mark& cross, double widthMm, double heightMm)
{
    const double strokeLengthMm = 2 * std::hypot(widthMm, heightMm);
    return cross.ink / (kPixelsPerMm * kPixelsPerMm) / strokeLengthMm;
}

}  // namespace pdfpages
