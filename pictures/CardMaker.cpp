#include "pictures/CardMaker.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QLocale>
#include <QPainter>

#include <algorithm>

namespace tessarine {

namespace {

// Names separated by spaces: several spellings where people write several.
struct ColourNames {
    QColor colour;
    const char* english;
    const char* italian;
    const char* spanish;
    const char* french;
    const char* german;
    const char* portuguese;
};

// Strong, plain colours: a swatch must be told from its neighbour at a glance.
const ColourNames ColourTable[] = {
    {QColor(220, 20, 20), "red", "rosso rossa rossi rosse", "rojo roja", "rouge", "rot", "vermelho vermelha"},
    {QColor(20, 160, 40), "green", "verde verdi", "verde", "vert verte", "grün gruen", "verde"},
    {QColor(20, 70, 220), "blue", "blu azzurro azzurra", "azul", "bleu bleue", "blau", "azul"},
    {QColor(255, 220, 0), "yellow", "giallo gialla gialli gialle", "amarillo amarilla", "jaune", "gelb", "amarelo amarela"},
    {QColor(255, 130, 0), "orange", "arancione arancio", "naranja anaranjado", "orange", "orange", "laranja"},
    {QColor(120, 40, 160), "purple violet", "viola porpora", "morado morada violeta púrpura purpura", "violet violette pourpre",
     "lila violett", "roxo roxa violeta"},
    {QColor(255, 140, 190), "pink", "rosa", "rosa rosado rosada", "rose", "rosa", "rosa"},
    {QColor(130, 80, 40), "brown", "marrone marroni", "marrón marron café", "marron brun brune", "braun", "marrom castanho"},
    {QColor(0, 0, 0), "black", "nero nera neri nere", "negro negra", "noir noire", "schwarz", "preto preta"},
    {QColor(255, 255, 255), "white", "bianco bianca bianchi bianche", "blanco blanca", "blanc blanche", "weiß weiss",
     "branco branca"},
    {QColor(128, 128, 128), "grey gray", "grigio grigia grigi grigie", "gris", "gris grise", "grau", "cinza cinzento cinzenta"},
};

const char* namesIn(const ColourNames& names, QLocale::Language language)
{
    switch (language) {
    case QLocale::Italian:
        return names.italian;
    case QLocale::Spanish:
        return names.spanish;
    case QLocale::French:
        return names.french;
    case QLocale::German:
        return names.german;
    case QLocale::Portuguese:
        return names.portuguese;
    default:
        return "";
    }
}

bool names(const char* spaced, const QString& wanted)
{
    return QString::fromUtf8(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(wanted);
}

bool isColourCategory(const QString& category)
{
    const QString word = category.trimmed().toLower();
    if (word == QLatin1String("colour") || word == QLatin1String("color"))
        return true;
    static const QHash<QLocale::Language, QString> local{{QLocale::Italian, QStringLiteral("colore")},
                                                         {QLocale::Spanish, QStringLiteral("color")},
                                                         {QLocale::French, QStringLiteral("couleur")},
                                                         {QLocale::German, QStringLiteral("farbe")},
                                                         {QLocale::Portuguese, QStringLiteral("cor")}};
    return word == local.value(QLocale().language());
}

// The value large in the design font, as big as fits in most of the card, on several lines when
// it has several words.
void writeLarge(QImage& card, const QString& value)
{
    QPainter painter(&card);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    const int side = card.width();
    const QRect area(side / 16, side / 16, side - side / 8, side - side / 8);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (int pixels = side / 3; pixels > 6; pixels = pixels * 9 / 10) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(area, flags, value);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
    }
    painter.setFont(font);
    painter.drawText(area, flags, value);
}

} // namespace

std::optional<QColor> colourNamed(const QString& value)
{
    const QString wanted = value.trimmed().toLower();
    const QLocale::Language language = QLocale().language();
    for (const ColourNames& colour : ColourTable) {
        if (names(colour.english, wanted) || names(namesIn(colour, language), wanted))
            return colour.colour;
    }
    return std::nullopt;
}

QImage makeCard(const QString& category, const QString& value, int side)
{
    side = std::max(side, 16);
    QImage card(side, side, QImage::Format_RGB32);
    const std::optional<QColor> colour = isColourCategory(category) ? colourNamed(value) : std::nullopt;
    card.fill(colour.value_or(Qt::white));
    if (!colour)
        writeLarge(card, value.trimmed());
    return card;
}

} // namespace tessarine
