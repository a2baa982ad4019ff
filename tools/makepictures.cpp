// Draws the program's pictures and writes them as GIF files: makepictures LIST OUTPUT_FOLDER
// LIST names each picture (see assets/pictures/pictures.txt). Every file written is read back and
// compared pixel by pixel, so a faulty file never reaches the application folder.
#include "framework/Palette.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// ---------- GIF writing ----------

struct Indexed {
    int width = 0, height = 0;
    std::vector<QRgb> palette; // at most 256 entries
    std::vector<unsigned char> pixels;
};

struct Box {
    std::vector<std::pair<QRgb, int>> colours; // colour and how many pixels have it
};

int channel(QRgb c, int ch) {
    return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
}

// Median cut over the colours of the image. Pure white keeps its own entry and is the only colour
// that maps to it, because the toolbar treats exactly white as "outside the button".
Indexed quantise(const QImage& source) {
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    QHash<QRgb, int> counts;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            counts[line[x] | 0xff000000u] += 1;
    }
    const bool hasWhite = counts.remove(white | 0xff000000u) > 0;
    std::vector<Box> boxes(1);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        boxes[0].colours.emplace_back(it.key(), it.value());
    const size_t room = hasWhite ? 255 : 256;
    const auto spread = [](const Box& b, int* longest) {
        int best = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (const auto& [c, n] : b.colours) {
                lo = std::min(lo, channel(c, ch));
                hi = std::max(hi, channel(c, ch));
            }
            if (hi - lo > best) {
                best = hi - lo;
                if (longest) *longest = ch;
            }
        }
        return best;
    };
    while (boxes.size() < room) {
        // Split the box whose spread weighs most over the pixels it holds, so large smooth areas
        // (the tiles' gradients) get their share of the palette as well as the edges do.
        int pick = -1;
        double heaviest = -1;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2) continue;
            long n = 0;
            for (const auto& e : boxes[i].colours)
                n += e.second;
            const double w = double(spread(boxes[i], nullptr)) * std::sqrt(double(n));
            if (w > heaviest) {
                heaviest = w;
                pick = static_cast<int>(i);
            }
        }
        if (pick < 0) break;
        int ch = 0;
        spread(boxes[pick], &ch);
        auto& cs = boxes[pick].colours;
        std::sort(cs.begin(), cs.end(),
                  [ch](auto& a, auto& b) { return channel(a.first, ch) < channel(b.first, ch); });
        long total = 0, half = 0;
        for (auto& e : cs)
            total += e.second;
        size_t cut = 0;
        while (cut + 1 < cs.size() && (half += cs[cut].second) < total / 2)
            ++cut;
        cut = std::min(cut, cs.size() - 2); // both halves keep a colour
        Box upper;
        upper.colours.assign(cs.begin() + static_cast<long>(cut) + 1, cs.end());
        cs.resize(cut + 1);
        boxes.push_back(std::move(upper));
    }
    Indexed out;
    out.width = img.width();
    out.height = img.height();
    QHash<QRgb, unsigned char> index;
    if (hasWhite) {
        out.palette.push_back(white);
        index[white | 0xff000000u] = 0;
    }
    for (const Box& b : boxes) {
        if (b.colours.empty()) continue;
        double r = 0, g = 0, bl = 0, n = 0;
        for (const auto& [c, k] : b.colours) {
            r += qRed(c) * k;
            g += qGreen(c) * k;
            bl += qBlue(c) * k;
            n += k;
        }
        QRgb mean = qRgb(int(r / n + 0.5), int(g / n + 0.5), int(bl / n + 0.5));
        if ((mean & RGB_MASK) == (white & RGB_MASK)) mean = qRgb(254, 254, 254);
        const auto at = static_cast<unsigned char>(out.palette.size());
        out.palette.push_back(mean);
        for (const auto& e : b.colours)
            index[e.first] = at;
    }
    out.pixels.resize(size_t(out.width) * out.height);
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            out.pixels[size_t(y) * out.width + x] = index.value(line[x] | 0xff000000u);
    }
    return out;
}

class BitWriter {
public:
    void put(unsigned code, int bits) {
        acc_ |= code << fill_;
        fill_ += bits;
        while (fill_ >= 8) {
            bytes.push_back(static_cast<char>(acc_ & 0xff));
            acc_ >>= 8;
            fill_ -= 8;
        }
    }
    void flush() {
        if (fill_ > 0) bytes.push_back(static_cast<char>(acc_ & 0xff));
        acc_ = 0;
        fill_ = 0;
    }
    QByteArray bytes;

private:
    unsigned acc_ = 0;
    int fill_ = 0;
};

// LZW as GIF wants it: 8-bit minimum code size, codes growing to 12 bits, a clear code when full.
QByteArray lzw(const std::vector<unsigned char>& pixels) {
    const unsigned clear = 256, eoi = 257;
    BitWriter w;
    QHash<unsigned, unsigned> table; // (prefix << 8 | byte) -> code
    int size = 9;
    unsigned next = eoi + 1;
    w.put(clear, size);
    if (pixels.empty()) {
        w.put(eoi, size);
        w.flush();
        return w.bytes;
    }
    unsigned current = pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const unsigned key = (current << 8) | pixels[i];
        const auto found = table.constFind(key);
        if (found != table.cend()) {
            current = *found;
            continue;
        }
        w.put(current, size);
        table.insert(key, next++);
        // The reader widens its codes once it has made entry 2^size; a full table starts afresh.
        if (next > (1u << size) && size < 12) ++size;
        if (next == 4096) {
            w.put(clear, size);
            table.clear();
            size = 9;
            next = eoi + 1;
        }
        current = pixels[i];
    }
    w.put(current, size);
    w.put(eoi, size);
    w.flush();
    return w.bytes;
}

void put16(QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>((v >> 8) & 0xff));
}

QByteArray gifFile(const Indexed& img) {
    QByteArray b("GIF89a");
    put16(b, img.width);
    put16(b, img.height);
    b.append(static_cast<char>(0xF7)); // global table of 256 entries, 8 bits per primary
    b.append('\0');
    b.append('\0');
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < int(img.palette.size()) ? img.palette[i] : qRgb(0, 0, 0);
        b.append(static_cast<char>(qRed(c)));
        b.append(static_cast<char>(qGreen(c)));
        b.append(static_cast<char>(qBlue(c)));
    }
    b.append(',');
    put16(b, 0);
    put16(b, 0);
    put16(b, img.width);
    put16(b, img.height);
    b.append('\0');
    b.append(static_cast<char>(8));
    const QByteArray data = lzw(img.pixels);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        b.append(static_cast<char>(n));
        b.append(data.mid(at, n));
    }
    b.append('\0');
    b.append(';');
    return b;
}

bool writeGif(const QImage& image, const QString& path) {
    const Indexed idx = quantise(image);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(gifFile(idx)) < 0) return false;
    f.close();
    // Read it back: every pixel must be the palette colour it was given.
    QImageReader reader(path, "gif");
    const QImage back = reader.read().convertToFormat(QImage::Format_RGB32);
    if (back.size() != QSize(idx.width, idx.height)) return false;
    for (int y = 0; y < idx.height; ++y)
        for (int x = 0; x < idx.width; ++x)
            if ((back.pixel(x, y) & RGB_MASK) !=
                (idx.palette[idx.pixels[size_t(y) * idx.width + x]] & RGB_MASK))
                return false;
    return true;
}

// ---------- drawing ----------

// The colour behind a button on every screen; soft edges blend into it instead of into white.
const QColor Behind(246, 239, 237);

QFont labelFont(int pixelSize, bool bold) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Draws the glyph named `g` in a square of side s centred on c.
void glyph(QPainter& p, const QString& g, QPointF c, double s, const QColor& ink, const QColor& fill) {
    const double h = s / 2;
    QPen pen(ink, std::max(1.6, s / 9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const auto tri = [&](double dir, double dx) {
        QPainterPath t;
        t.moveTo(c.x() + dx + dir * h * 0.55, c.y() - h * 0.6);
        t.lineTo(c.x() + dx - dir * h * 0.45, c.y());
        t.lineTo(c.x() + dx + dir * h * 0.55, c.y() + h * 0.6);
        t.closeSubpath();
        p.setBrush(ink);
        p.drawPath(t);
        p.setBrush(Qt::NoBrush);
    };
    const auto page = [&](double w, double hh) {
        QPainterPath d;
        const QRectF r(c.x() - w / 2, c.y() - hh / 2, w, hh);
        d.moveTo(r.topLeft());
        d.lineTo(r.right() - w * 0.3, r.top());
        d.lineTo(r.right(), r.top() + w * 0.3);
        d.lineTo(r.bottomRight());
        d.lineTo(r.bottomLeft());
        d.closeSubpath();
        p.setBrush(fill);
        p.drawPath(d);
        p.setBrush(Qt::NoBrush);
        return r;
    };
    const auto plus = [&](QPointF at, double r) {
        p.drawLine(QPointF(at.x() - r, at.y()), QPointF(at.x() + r, at.y()));
        p.drawLine(QPointF(at.x(), at.y() - r), QPointF(at.x(), at.y() + r));
    };
    if (g == "first") {
        tri(1, h * 0.2);
        p.drawLine(QPointF(c.x() - h * 0.55, c.y() - h * 0.6), QPointF(c.x() - h * 0.55, c.y() + h * 0.6));
    } else if (g == "previous") {
        tri(1, 0);
    } else if (g == "next") {
        tri(-1, 0);
    } else if (g == "last") {
        tri(-1, -h * 0.2);
        p.drawLine(QPointF(c.x() + h * 0.55, c.y() - h * 0.6), QPointF(c.x() + h * 0.55, c.y() + h * 0.6));
    } else if (g == "new") {
        const QRectF r = page(s * 0.62, s * 0.8);
        plus(QPointF(r.center().x(), r.center().y() + s * 0.06), s * 0.17);
    } else if (g == "newbill") {
        QPainterPath d;
        const QRectF r(c.x() - s * 0.32, c.y() - s * 0.42, s * 0.64, s * 0.84);
        d.moveTo(r.topLeft());
        d.lineTo(r.topRight());
        d.lineTo(r.bottomRight());
        for (int i = 1; i <= 4; ++i)
            d.lineTo(r.right() - r.width() * (i - 0.5) / 4, r.bottom() - (i % 2 ? s * 0.09 : 0)),
                d.lineTo(r.right() - r.width() * i / 4, r.bottom());
        d.closeSubpath();
        p.setBrush(fill);
        p.drawPath(d);
        plus(QPointF(r.center().x(), r.center().y() - s * 0.04), s * 0.16);
    } else if (g == "edit") {
        p.save();
        p.translate(c);
        p.rotate(-45);
        const QRectF body(-h * 0.7, -h * 0.2, h * 1.2, h * 0.4);
        p.setBrush(fill);
        p.drawRect(body);
        QPainterPath tip;
        tip.moveTo(body.right(), body.top());
        tip.lineTo(body.right() + h * 0.38, 0);
        tip.lineTo(body.right(), body.bottom());
        p.drawPath(tip);
        p.drawLine(QPointF(body.left() + h * 0.3, body.top()), QPointF(body.left() + h * 0.3, body.bottom()));
        p.restore();
    } else if (g == "delete") {
        const QRectF can(c.x() - s * 0.27, c.y() - s * 0.22, s * 0.54, s * 0.62);
        p.setBrush(fill);
        p.drawRoundedRect(can, 1.5, 1.5);
        p.drawLine(QPointF(c.x() - s * 0.38, can.top() - s * 0.07),
                   QPointF(c.x() + s * 0.38, can.top() - s * 0.07));
        p.drawLine(QPointF(c.x() - s * 0.1, can.top() - s * 0.17),
                   QPointF(c.x() + s * 0.1, can.top() - s * 0.17));
        for (double dx : {-0.1, 0.1})
            p.drawLine(QPointF(c.x() + s * dx, can.top() + s * 0.12),
                       QPointF(c.x() + s * dx, can.bottom() - s * 0.12));
    } else if (g == "viewall") {
        for (int i = -1; i <= 1; ++i) {
            const double y = c.y() + i * s * 0.28;
            p.setBrush(ink);
            p.drawEllipse(QPointF(c.x() - s * 0.34, y), s * 0.04, s * 0.04);
            p.drawLine(QPointF(c.x() - s * 0.16, y), QPointF(c.x() + s * 0.42, y));
        }
    } else if (g == "save") {
        const QRectF r(c.x() - s * 0.38, c.y() - s * 0.38, s * 0.76, s * 0.76);
        p.setBrush(fill);
        p.drawRoundedRect(r, 2, 2);
        p.drawRect(QRectF(r.left() + s * 0.16, r.top(), s * 0.42, s * 0.24));
        p.drawRect(QRectF(r.left() + s * 0.14, r.top() + s * 0.44, s * 0.48, s * 0.32));
    } else if (g == "cross") {
        p.drawLine(QPointF(c.x() - h * 0.55, c.y() - h * 0.55), QPointF(c.x() + h * 0.55, c.y() + h * 0.55));
        p.drawLine(QPointF(c.x() - h * 0.55, c.y() + h * 0.55), QPointF(c.x() + h * 0.55, c.y() - h * 0.55));
    } else if (g == "check") {
        QPainterPath k;
        k.moveTo(c.x() - h * 0.65, c.y());
        k.lineTo(c.x() - h * 0.15, c.y() + h * 0.5);
        k.lineTo(c.x() + h * 0.7, c.y() - h * 0.55);
        p.drawPath(k);
    } else if (g == "plus") {
        plus(c, h * 0.65);
    } else if (g == "print") {
        p.setBrush(fill);
        p.drawRect(QRectF(c.x() - s * 0.24, c.y() - s * 0.42, s * 0.48, s * 0.3));
        p.drawRoundedRect(QRectF(c.x() - s * 0.42, c.y() - s * 0.14, s * 0.84, s * 0.36), 2, 2);
        p.drawRect(QRectF(c.x() - s * 0.24, c.y() + s * 0.08, s * 0.48, s * 0.34));
        p.drawLine(QPointF(c.x() - s * 0.12, c.y() + s * 0.2), QPointF(c.x() + s * 0.12, c.y() + s * 0.2));
    } else if (g == "clear") {
        p.save();
        p.translate(c);
        p.rotate(-35);
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(-h * 0.75, -h * 0.32, h * 1.5, h * 0.64), 2, 2);
        p.drawLine(QPointF(-h * 0.1, -h * 0.32), QPointF(-h * 0.1, h * 0.32));
        p.restore();
        p.drawLine(QPointF(c.x() - h * 0.2, c.y() + h * 0.78), QPointF(c.x() + h * 0.8, c.y() + h * 0.78));
    } else if (g == "generate") {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - h * 0.62, c.y() - h * 0.62, h * 1.24, h * 1.24), 60);
        arc.arcTo(QRectF(c.x() - h * 0.62, c.y() - h * 0.62, h * 1.24, h * 1.24), 60, 280);
        p.drawPath(arc);
        const QPointF end = arc.currentPosition();
        QPainterPath head;
        head.moveTo(end + QPointF(h * 0.32, -h * 0.05));
        head.lineTo(end + QPointF(-h * 0.1, -h * 0.3));
        head.lineTo(end + QPointF(-h * 0.02, h * 0.22));
        head.closeSubpath();
        p.setBrush(ink);
        p.drawPath(head);
    } else if (g == "search") {
        p.setBrush(fill);
        p.drawEllipse(QPointF(c.x() - h * 0.15, c.y() - h * 0.15), h * 0.5, h * 0.5);
        QPen thick = pen;
        thick.setWidthF(pen.widthF() * 1.6);
        p.setPen(thick);
        p.drawLine(QPointF(c.x() + h * 0.22, c.y() + h * 0.22), QPointF(c.x() + h * 0.7, c.y() + h * 0.7));
    } else if (g == "copydb") {
        const double w = s * 0.56, e = s * 0.14;
        const QRectF body(c.x() - w / 2 - s * 0.1, c.y() - s * 0.32, w, s * 0.64);
        p.setBrush(fill);
        QPainterPath cyl;
        cyl.moveTo(body.left(), body.top() + e / 2);
        cyl.lineTo(body.left(), body.bottom() - e / 2);
        cyl.arcTo(QRectF(body.left(), body.bottom() - e, w, e), 180, 180);
        cyl.lineTo(body.right(), body.top() + e / 2);
        p.drawPath(cyl);
        p.drawEllipse(QRectF(body.left(), body.top(), w, e));
        p.drawArc(QRectF(body.left(), body.center().y() - e / 2, w, e), 180 * 16, 180 * 16);
        // The arrow of the copy, leaving the database.
        const QPointF a(body.right() + s * 0.02, c.y() + s * 0.18);
        p.drawLine(a, a + QPointF(s * 0.3, 0));
        p.drawLine(a + QPointF(s * 0.3, 0), a + QPointF(s * 0.18, -s * 0.1));
        p.drawLine(a + QPointF(s * 0.3, 0), a + QPointF(s * 0.18, s * 0.1));
    } else if (g == "login") {
        p.drawEllipse(QPointF(c.x() - h * 0.35, c.y()), h * 0.38, h * 0.38);
        p.drawLine(QPointF(c.x() + h * 0.03, c.y()), QPointF(c.x() + h * 0.8, c.y()));
        p.drawLine(QPointF(c.x() + h * 0.55, c.y()), QPointF(c.x() + h * 0.55, c.y() + h * 0.3));
        p.drawLine(QPointF(c.x() + h * 0.8, c.y()), QPointF(c.x() + h * 0.8, c.y() + h * 0.36));
    }
}

// Puts what was drawn on `art` (with its coverage in alpha) onto white: pixels mostly outside the shape
// become exactly white, the rest are blended onto the colour the button will stand on.
QImage onWhite(const QImage& art) {
    QImage out(art.size(), QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            const QRgb a = art.pixel(x, y);
            const int alpha = qAlpha(a);
            if (alpha < 90) {
                out.setPixel(x, y, qRgb(255, 255, 255));
                continue;
            }
            const auto mix = [&](int fg, int bg) { return (fg * alpha + bg * (255 - alpha)) / 255; };
            const QRgb c = qRgb(mix(qRed(a), Behind.red()), mix(qGreen(a), Behind.green()),
                                mix(qBlue(a), Behind.blue()));
            out.setPixel(x, y, (c & RGB_MASK) == 0xffffff ? qRgb(254, 254, 254) : c);
        }
    return out;
}

// A button: a rounded tile with a glyph and its label. The hover twin is filled with the accent.
QImage tile(QSize size, const QString& label, const QString& g, bool lit, bool sideBySide) {
    QImage art(size, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = QRectF(0, 0, size.width(), size.height()).adjusted(1, 1, -1, -1);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (lit) {
        fill.setColorAt(0, QColor(204, 70, 72));
        fill.setColorAt(1, QColor(158, 40, 48));
    } else {
        fill.setColorAt(0, QColor(255, 253, 252));
        fill.setColorAt(1, Palette::blush());
    }
    p.setPen(QPen(lit ? Palette::wine() : Palette::rose().darker(112), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 7, 7);
    const QColor ink = lit ? QColor(253, 253, 253) : Palette::wine();
    const QColor inner = lit ? Palette::crimson() : QColor(255, 253, 252);
    const QColor text = lit ? QColor(253, 253, 253) : Palette::ink();
    if (sideBySide) {
        glyph(p, g, QPointF(r.left() + 22, r.center().y()), 18, ink, inner);
        p.setFont(labelFont(14, true));
        p.setPen(text);
        p.drawText(r.adjusted(38, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, label);
    } else {
        glyph(p, g, QPointF(r.center().x(), r.top() + 15), 19, ink, inner);
        p.setFont(labelFont(10, true));
        p.setPen(text);
        p.drawText(QRectF(r.left(), r.bottom() - 15, r.width(), 13), Qt::AlignCenter, label);
    }
    p.end();
    return onWhite(art);
}

QImage badge() {
    QImage art(20, 20, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(7, 6), 14);
    g.setColorAt(0, Palette::crimson().lighter(125));
    g.setColorAt(1, Palette::wine());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0.5, 0.5, 19, 19));
    p.setFont(labelFont(14, true));
    p.setPen(QColor(253, 253, 253));
    p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, "?");
    p.end();
    return onWhite(art);
}

// The background of every window: a quiet warm white, a little rosier towards the lower right, with
// two soft sweeps in the corner.
QImage backdrop() {
    QImage img(800, 600, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 800, 600);
    g.setColorAt(0, QColor(253, 251, 250));
    g.setColorAt(0.55, QColor(249, 243, 241));
    g.setColorAt(1, Palette::blush());
    p.fillRect(img.rect(), g);
    for (int i = 0; i < 2; ++i) {
        QPainterPath sweep;
        sweep.moveTo(260 + i * 120, 600);
        sweep.cubicTo(420 + i * 90, 470 - i * 40, 620, 520 - i * 70, 800, 330 + i * 90);
        sweep.lineTo(800, 600);
        sweep.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(228, 184, 184, 34 + i * 22));
        p.drawPath(sweep);
    }
    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: makepictures LIST OUTPUT_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "makepictures: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    int written = 0;
    const auto write = [&](const QImage& img, const QString& name) {
        if (!writeGif(img, folder + "/" + name)) {
            std::fprintf(stderr, "makepictures: cannot write %s\n", qPrintable(name));
            return false;
        }
        ++written;
        return true;
    };
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        // Columns are set apart by two or more blanks; a label may hold one.
        const QStringList col = line.split(QRegularExpression("\\s{2,}"));
        if (col.size() != 4) {
            std::fprintf(stderr, "makepictures: bad line: %s\n", qPrintable(line));
            return 1;
        }
        const QString kind = col[0], file = col[1], label = col[2], g = col[3];
        bool ok = true;
        if (kind == "tool") {
            ok = write(tile({60, 44}, label, g, false, false), file + ".gif") &&
                 write(tile({60, 44}, label, g, true, false), file + "1.gif");
        } else if (kind == "wide") {
            ok = write(tile({104, 34}, label, g, true, true), file + ".gif");
        } else if (kind == "badge") {
            ok = write(badge(), file + ".gif");
        } else if (kind == "backdrop") {
            ok = write(backdrop(), file + ".gif");
        } else {
            std::fprintf(stderr, "makepictures: unknown kind %s\n", qPrintable(kind));
            return 1;
        }
        if (!ok) return 1;
    }
    std::printf("makepictures: %d pictures\n", written);
    return 0;
}
