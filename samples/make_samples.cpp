// make_samples: draws Tessarine's sample pictures and tones.
//
//   make_samples <output-folder>
//
// Writes <output-folder>/Images, Symbols, Attributes (512x512 JPEG) and
// Sounds (16-bit mono WAV). The output is fully determined by the tables
// below, so running it twice gives byte-identical files.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr int kSide = 512;
constexpr int kJpegQuality = 88;
constexpr int kSampleRate = 22050;
constexpr double kPeak = 0.5; // -6 dBFS: loud enough, never harsh

const char* const kEmojiFontFile = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
const char* const kEmojiFamily = "Noto Color Emoji";
const char* const kDigitFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
// The colour bitmaps in Noto Color Emoji are stored at this size; drawing at
// it gives the glyph pixel for pixel, and we do the enlarging ourselves.
constexpr int kEmojiStrike = 109;

const QColor kObjectBackground(0xF8, 0xF6, 0xF0); // warm off-white, softer than paper white
const QColor kInk(0x20, 0x20, 0x20);              // near-black for borders, digits, outlines

// ---------------------------------------------------------------- tables

struct ColourValue {
    std::string_view name;
    QColor card;
    double hueFrom, hueTo; // degrees; the emoji of this colour must mostly fall in here
};

// Hue ranges are generous on purpose: Noto's "red" apple leans to orange.
const std::array kColours{
    ColourValue{"red", QColor(0xD8, 0x1B, 0x1B), -30, 22},
    ColourValue{"green", QColor(0x1E, 0x9E, 0x3A), 70, 165},
    ColourValue{"blue", QColor(0x1E, 0x5A, 0xDC), 190, 250},
    ColourValue{"yellow", QColor(0xFF, 0xD2, 0x00), 38, 66},
};

struct NumberValue {
    std::string_view name;
    int count;
};

const std::array kNumbers{
    NumberValue{"one", 1},
    NumberValue{"two", 2},
    NumberValue{"three", 3},
};

struct SymbolEntry {
    std::string_view key;
    std::string_view emoji; // drawn grey as the symbol picture
};

const std::array kSymbols{
    SymbolEntry{"apple", "🍎"},      SymbolEntry{"car", "🚗"},
    SymbolEntry{"heart", "❤️"}, SymbolEntry{"flower", "🌷"}, // a neutral flower, neither the rose nor the sunflower
    SymbolEntry{"book", "📕"},       SymbolEntry{"star", "⭐"},
};

struct ObjectEntry {
    std::string_view name; // file name without .jpg: symbol.category.value[.extra]
    std::string_view emoji;
};

const std::array kObjects{
    ObjectEntry{"apple.colour.red", "🍎"},       ObjectEntry{"apple.colour.green", "🍏"},
    ObjectEntry{"car.colour.red", "🚗"},         ObjectEntry{"car.colour.blue", "🚙"},
    ObjectEntry{"car.colour.yellow.taxi", "🚕"}, // also shows an extra name part
    ObjectEntry{"heart.colour.red", "❤️"},  ObjectEntry{"heart.colour.green", "💚"},
    ObjectEntry{"heart.colour.blue", "💙"},      ObjectEntry{"heart.colour.yellow", "💛"},
    ObjectEntry{"flower.colour.red", "🌹"},      ObjectEntry{"flower.colour.yellow", "🌻"},
    ObjectEntry{"book.colour.red", "📕"},        ObjectEntry{"book.colour.green", "📗"},
    ObjectEntry{"book.colour.blue", "📘"},       ObjectEntry{"star.colour.yellow", "⭐"},
    ObjectEntry{"apple.number.one", "🍎"},       ObjectEntry{"apple.number.two", "🍎"},
    ObjectEntry{"apple.number.three", "🍎"},     ObjectEntry{"car.number.one", "🚗"},
    ObjectEntry{"car.number.three", "🚗"},       ObjectEntry{"heart.number.two", "❤️"},
    ObjectEntry{"flower.number.two", "🌻"},      ObjectEntry{"book.number.three", "📘"},
    ObjectEntry{"star.number.one", "⭐"},        ObjectEntry{"star.number.two", "⭐"},
    ObjectEntry{"star.number.three", "⭐"},
};

// ---------------------------------------------------------------- helpers

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "make_samples: %s\n", qPrintable(message));
    std::exit(1);
}

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

struct ParsedName {
    QString symbol, category, value;
};

ParsedName parseObjectName(std::string_view name)
{
    const QStringList parts = qs(name).split(u'.');
    if (parts.size() < 3)
        fail(QStringLiteral("object name %1 needs symbol.category.value").arg(qs(name)));
    return {parts[0], parts[1], parts[2]};
}

const ColourValue* findColour(const QString& name)
{
    for (const auto& c : kColours)
        if (qs(c.name) == name)
            return &c;
    return nullptr;
}

const NumberValue* findNumber(const QString& name)
{
    for (const auto& n : kNumbers)
        if (qs(n.name) == name)
            return &n;
    return nullptr;
}

// Every object must be answerable: its symbol and its attribute picture exist.
void checkTables()
{
    for (const auto& o : kObjects) {
        const ParsedName p = parseObjectName(o.name);
        const bool hasSymbol = std::ranges::any_of(kSymbols, [&](const SymbolEntry& s) { return qs(s.key) == p.symbol; });
        if (!hasSymbol)
            fail(QStringLiteral("%1: no symbol picture for %2").arg(qs(o.name), p.symbol));
        const bool hasAttribute = (p.category == u"colour" && findColour(p.value))
                                  || (p.category == u"number" && findNumber(p.value));
        if (!hasAttribute)
            fail(QStringLiteral("%1: no attribute picture %2.%3").arg(qs(o.name), p.category, p.value));
    }
}

void savePicture(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "jpg");
    writer.setQuality(kJpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
}

QImage blankPicture(const QColor& background)
{
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

// ---------------------------------------------------------------- emoji

QRect opaqueBounds(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Share of the drawn pixels per colour (hue buckets of one degree), counting
// only clearly coloured ones. A missing glyph draws nothing or a grey box.
struct ColourCensus {
    int drawn = 0;
    int coloured = 0;
    std::array<int, 360> byHue{};

    double shareIn(double from, double to) const
    {
        int n = 0;
        for (int h = 0; h < 360; ++h) {
            const double d = h > 180 ? h - 360 : h; // lets red span 0 degrees
            if ((d >= from && d <= to) || (h >= from && h <= to))
                n += byHue[size_t(h)];
        }
        return coloured ? double(n) / coloured : 0.0;
    }
};

ColourCensus takeCensus(const QImage& glyph)
{
    ColourCensus census;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor c = QColor::fromRgba(glyph.pixel(x, y));
            if (c.alpha() < 200)
                continue;
            ++census.drawn;
            if (c.hsvSaturationF() >= 0.35f && c.valueF() >= 0.55f) {
                ++census.coloured;
                census.byHue[size_t(std::max(0, c.hsvHue()))]++;
            }
        }
    }
    return census;
}

QFont emojiFont()
{
    QFont font(QString::fromLatin1(kEmojiFamily));
    font.setPixelSize(kEmojiStrike);
    return font;
}

// The glyph at its stored size, cropped to what was drawn.
QImage renderEmoji(std::string_view emoji)
{
    const QString text = qs(emoji);
    QImage canvas(kEmojiStrike * 3, kEmojiStrike * 3, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(emojiFont());
    painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    painter.end();

    const QRect bounds = opaqueBounds(canvas);
    if (bounds.isEmpty())
        fail(QStringLiteral("emoji %1 drew nothing; is fonts-noto-color-emoji installed?").arg(text));
    const QImage glyph = canvas.copy(bounds);
    const ColourCensus census = takeCensus(glyph);
    if (census.drawn < 1500 || census.coloured < census.drawn / 4)
        fail(QStringLiteral("emoji %1 did not draw in colour (%2 of %3 pixels coloured)")
                 .arg(text)
                 .arg(census.coloured)
                 .arg(census.drawn));
    return glyph;
}

// Catmull-Rom resampling: the emoji bitmaps are small, and plain bilinear
// enlarging makes their outlines look smeared at 3-4x.
double cubicWeight(double t)
{
    t = std::abs(t);
    if (t < 1)
        return 1.5 * t * t * t - 2.5 * t * t + 1;
    if (t < 2)
        return -0.5 * t * t * t + 2.5 * t * t - 4 * t + 2;
    return 0;
}

using Plane = std::vector<std::array<double, 4>>; // premultiplied a, r, g, b

Plane resampleAxis(const Plane& src, int srcW, int srcH, int dstW, int dstH, bool horizontal)
{
    Plane dst(size_t(dstW) * size_t(dstH));
    const int srcLen = horizontal ? srcW : srcH;
    const int dstLen = horizontal ? dstW : dstH;
    const double scale = double(srcLen) / dstLen;
    for (int i = 0; i < dstLen; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        const int first = int(std::floor(centre)) - 1;
        std::array<double, 4> weights{};
        double total = 0;
        for (int k = 0; k < 4; ++k)
            total += weights[size_t(k)] = cubicWeight(centre - (first + k));
        const int others = horizontal ? dstH : dstW;
        for (int j = 0; j < others; ++j) {
            std::array<double, 4> sum{};
            for (int k = 0; k < 4; ++k) {
                const int s = std::clamp(first + k, 0, srcLen - 1);
                const auto& px = horizontal ? src[size_t(j) * srcW + s] : src[size_t(s) * srcW + j];
                for (int ch = 0; ch < 4; ++ch)
                    sum[size_t(ch)] += px[size_t(ch)] * weights[size_t(k)] / total;
            }
            dst[horizontal ? size_t(j) * dstW + i : size_t(i) * dstW + j] = sum;
        }
    }
    return dst;
}

QImage enlarge(const QImage& source, QSize size)
{
    const QImage src = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Plane plane(size_t(src.width()) * size_t(src.height()));
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QRgb p = src.pixel(x, y);
            plane[size_t(y) * src.width() + x] = {double(qAlpha(p)), double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
        }
    const Plane wide = resampleAxis(plane, src.width(), src.height(), size.width(), src.height(), true);
    const Plane full = resampleAxis(wide, size.width(), src.height(), size.width(), size.height(), false);

    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const auto& p = full[size_t(y) * size.width() + x];
            const int a = std::clamp(int(std::lround(p[0])), 0, 255);
            auto channel = [a](double v) { return std::clamp(int(std::lround(v)), 0, a); };
            out.setPixel(x, y, qRgba(channel(p[1]), channel(p[2]), channel(p[3]), a));
        }
    return out;
}

// Largest copy of the glyph that fits in the box, centred in it.
void drawFitted(QPainter& painter, const QImage& glyph, const QRectF& box)
{
    const QSize size = glyph.size().scaled(box.size().toSize(), Qt::KeepAspectRatio);
    const QImage big = enlarge(glyph, size);
    const QPointF topLeft = box.center() - QPointF(size.width() / 2.0, size.height() / 2.0);
    painter.drawImage(topLeft.toPoint(), big);
}

// ---------------------------------------------------------------- pictures

// Boxes for one, two or three copies: one big; two side by side; three as a
// triangle so each copy stays large enough to count at a glance.
std::vector<QRectF> copyBoxes(int count)
{
    switch (count) {
    case 1:
        return {QRectF(56, 56, 400, 400)};
    case 2:
        return {QRectF(26, 136, 220, 240), QRectF(266, 136, 220, 240)};
    case 3:
        return {QRectF(40, 40, 205, 205), QRectF(267, 40, 205, 205), QRectF(153, 267, 205, 205)};
    default:
        fail(QStringLiteral("no layout for %1 copies").arg(count));
    }
}

QImage objectPicture(const ObjectEntry& entry)
{
    const ParsedName name = parseObjectName(entry.name);
    const QImage glyph = renderEmoji(entry.emoji);

    if (name.category == u"colour") {
        const ColourValue* colour = findColour(name.value);
        const ColourCensus census = takeCensus(glyph);
        const double share = census.shareIn(colour->hueFrom, colour->hueTo);
        if (share < 0.5)
            fail(QStringLiteral("%1: only %2% of the emoji is %3").arg(qs(entry.name)).arg(int(share * 100)).arg(name.value));
    }

    const int count = name.category == u"number" ? findNumber(name.value)->count : 1;
    QImage image = blankPicture(kObjectBackground);
    QPainter painter(&image);
    for (const QRectF& box : copyBoxes(count))
        drawFitted(painter, glyph, box);
    return image;
}

// Grey, contrast-stretched and ringed with a dark outline: clearly the same
// thing as the coloured object, but a pictogram rather than a copy of it.
QImage greyPictogram(const QImage& glyph, QSize size)
{
    QImage grey = enlarge(glyph, size);
    int darkest = 255, lightest = 0;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = grey.pixel(x, y);
            if (qAlpha(p) < 250)
                continue;
            const int l = qGray(p);
            darkest = std::min(darkest, l);
            lightest = std::max(lightest, l);
        }
    const double span = std::max(1, lightest - darkest);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb p = grey.pixel(x, y);
            const int a = qAlpha(p);
            if (a == 0)
                continue;
            const int l = qGray(qUnpremultiply(p));
            const int g = std::clamp(int(std::lround(85 + (l - darkest) / span * 155)), 0, 255);
            const int pg = g * a / 255;
            grey.setPixel(x, y, qRgba(pg, pg, pg, a));
        }

    QImage silhouette = grey;
    {
        QPainter p(&silhouette);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(silhouette.rect(), kInk);
    }
    const int ring = 8;
    QImage out(size + QSize(2 * ring, 2 * ring), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int step = 0; step < 32; ++step) {
        const double angle = step * 2 * std::numbers::pi / 32;
        p.drawImage(QPointF(ring + ring * std::cos(angle), ring + ring * std::sin(angle)), silhouette);
    }
    p.drawImage(QPoint(ring, ring), grey);
    return out;
}

QImage symbolPicture(const SymbolEntry& entry)
{
    const QImage glyph = renderEmoji(entry.emoji);
    const QSize size = glyph.size().scaled(QSize(372, 372), Qt::KeepAspectRatio);
    const QImage pictogram = greyPictogram(glyph, size);
    QImage image = blankPicture(Qt::white);
    QPainter painter(&image);
    painter.drawImage((kSide - pictogram.width()) / 2, (kSide - pictogram.height()) / 2, pictogram);
    return image;
}

QPainterPath cardOutline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(48, 48, kSide - 96, kSide - 96), 56, 56);
    return path;
}

QImage cardPicture(const QColor& fill)
{
    QImage image = blankPicture(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 12));
    painter.setBrush(fill);
    painter.drawPath(cardOutline());
    return image;
}

QFont digitFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPixelSize(250);
    return font;
}

QImage numberPicture(const NumberValue& number)
{
    QImage image = cardPicture(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kInk);
    painter.setFont(digitFont());
    painter.drawText(QRectF(48, 60, kSide - 96, 280), Qt::AlignCenter, QString::number(number.count));

    const double radius = 26, gap = 88, y = 385;
    const double firstX = kSide / 2.0 - gap * (number.count - 1) / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    for (int i = 0; i < number.count; ++i)
        painter.drawEllipse(QPointF(firstX + i * gap, y), radius, radius);
    painter.end();

    // The digit is the point of the card; a missing font must not pass silently.
    int inked = 0;
    for (int py = 80; py < 330; ++py)
        for (int px = 80; px < kSide - 80; ++px)
            inked += qGray(image.pixel(px, py)) < 100;
    if (inked < 5000)
        fail(QStringLiteral("digit %1 did not draw").arg(number.count));
    return image;
}

// ---------------------------------------------------------------- sounds

struct Partial {
    double ratio; // of the note's frequency
    double gain;
    double decay; // per second, exponential
};

// One note added into the buffer: soft attack, exponential decay, and a short
// fade at the end so nothing clicks.
void addNote(std::vector<double>& buffer, double start, double length, double frequency, double attack,
             std::initializer_list<Partial> partials)
{
    const size_t first = size_t(start * kSampleRate);
    const size_t count = size_t(length * kSampleRate);
    const double fade = 0.03;
    buffer.resize(std::max(buffer.size(), first + count), 0.0);
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double rise = t < attack ? std::sin(t / attack * std::numbers::pi / 2) : 1.0;
        const double tail = std::min(1.0, (length - t) / fade);
        double v = 0;
        for (const Partial& p : partials)
            v += p.gain * std::exp(-p.decay * t) * std::sin(2 * std::numbers::pi * frequency * p.ratio * t);
        buffer[first + i] += v * rise * std::max(0.0, tail);
    }
}

std::vector<double> chimeUp()
{
    std::vector<double> b;
    const auto chime = {Partial{1, 1.0, 6}, Partial{2, 0.25, 12}, Partial{3, 0.06, 20}};
    addNote(b, 0.00, 0.24, 659.25, 0.008, chime); // E5
    addNote(b, 0.13, 0.28, 987.77, 0.008, chime); // B5
    return b;
}

// Low, round and falling: says "not that one" without startling.
std::vector<double> softDown()
{
    std::vector<double> b;
    const auto hum = {Partial{1, 1.0, 4}, Partial{2, 0.15, 8}};
    addNote(b, 0.00, 0.22, 329.63, 0.03, hum); // E4
    addNote(b, 0.17, 0.25, 261.63, 0.03, hum); // C4
    return b;
}

std::vector<double> bell()
{
    std::vector<double> b;
    addNote(b, 0.0, 0.9, 880.0, 0.005,
            {Partial{1, 1.0, 4}, Partial{2.0, 0.35, 6}, Partial{2.76, 0.2, 9}, Partial{5.4, 0.06, 16}});
    return b;
}

// A quick downward blip, like a bubble popping.
std::vector<double> pop()
{
    const double length = 0.12;
    std::vector<double> b(size_t(length * kSampleRate));
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double frequency = 300 + 600 * std::exp(-t * 40);
        phase += 2 * std::numbers::pi * frequency / kSampleRate;
        const double rise = std::min(1.0, t / 0.004);
        const double tail = std::min(1.0, (length - t) / 0.02);
        b[i] = std::sin(phase) * std::exp(-t * 30) * rise * tail;
    }
    return b;
}

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, int(v & 0xFFFF));
    put16(out, int(v >> 16));
}

void saveWav(const std::vector<double>& samples, const QString& path)
{
    const double loudest = std::ranges::max(samples, {}, [](double v) { return std::abs(v); });
    const double gain = kPeak / std::abs(loudest) * 32767.0;
    const quint32 dataBytes = quint32(samples.size() * 2);

    QByteArray out;
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16); // fmt chunk size
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2); // bytes per second
    put16(out, 2);               // bytes per frame
    put16(out, 16);              // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (double v : samples)
        put16(out, int(std::lround(v * gain)));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

// ---------------------------------------------------------------- main

// Stale files from an older table would otherwise linger and be picked up.
QDir freshFolder(const QString& root, const QString& name, const QString& pattern)
{
    QDir dir(root);
    if (!dir.mkpath(name))
        fail(QStringLiteral("cannot create %1/%2").arg(root, name));
    dir.cd(name);
    for (const QString& old : dir.entryList({pattern}, QDir::Files))
        dir.remove(old);
    return dir;
}

void loadFonts()
{
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(kEmojiFontFile)) < 0
        && !QFontDatabase::hasFamily(QString::fromLatin1(kEmojiFamily)))
        fail(QStringLiteral("cannot load %1 (package fonts-noto-color-emoji)").arg(kEmojiFontFile));
    // Optional: without it the sans-serif fallback draws the digits.
    QFontDatabase::addApplicationFont(QString::fromLatin1(kDigitFontFile));
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples <output-folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    checkTables();
    loadFonts();

    const QDir images = freshFolder(root, QStringLiteral("Images"), QStringLiteral("*.jpg"));
    for (const auto& o : kObjects)
        savePicture(objectPicture(o), images.filePath(qs(o.name) + QStringLiteral(".jpg")));

    const QDir symbols = freshFolder(root, QStringLiteral("Symbols"), QStringLiteral("*.jpg"));
    for (const auto& s : kSymbols)
        savePicture(symbolPicture(s), symbols.filePath(qs(s.key) + QStringLiteral(".jpg")));

    const QDir attributes = freshFolder(root, QStringLiteral("Attributes"), QStringLiteral("*.jpg"));
    for (const auto& c : kColours)
        savePicture(cardPicture(c.card), attributes.filePath(QStringLiteral("colour.%1.jpg").arg(qs(c.name))));
    for (const auto& n : kNumbers)
        savePicture(numberPicture(n), attributes.filePath(QStringLiteral("number.%1.jpg").arg(qs(n.name))));

    const QDir sounds = freshFolder(root, QStringLiteral("Sounds"), QStringLiteral("*.wav"));
    saveWav(chimeUp(), sounds.filePath(QStringLiteral("ok.wav")));
    saveWav(softDown(), sounds.filePath(QStringLiteral("error.wav")));
    saveWav(bell(), sounds.filePath(QStringLiteral("bell.wav")));
    saveWav(pop(), sounds.filePath(QStringLiteral("pop.wav")));

    std::printf("wrote %zu objects, %zu symbols, %zu attributes, 4 sounds to %s\n", kObjects.size(), kSymbols.size(),
                kColours.size() + kNumbers.size(), qPrintable(QDir(root).absolutePath()));
    return 0;
}
