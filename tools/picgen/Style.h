#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// Colours and type shared by every picture, so the screen reads as one tool.
namespace Style {

// Screen
inline const QColor Base(0x20, 0x29, 0x34);
inline const QColor BaseDeep(0x19, 0x20, 0x29);
inline const QColor Tray(0x2B, 0x36, 0x44);
inline const QColor TrayEdge(0x3B, 0x49, 0x5A);
inline const QColor Well(0x13, 0x19, 0x20);
inline const QColor Paper(0xF3, 0xF0, 0xE8);
inline const QColor PaperHeader(0xDE, 0xD9, 0xCC);
inline const QColor PaperStripe(0xE8, 0xE4, 0xD8);
inline const QColor PaperRule(0xC8, 0xC1, 0xB0);
inline const QColor Ink(0x1E, 0x23, 0x29);
inline const QColor InkSoft(0x5C, 0x63, 0x6B);
inline const QColor LightText(0xE9, 0xEC, 0xEF);
inline const QColor DimText(0x8D, 0x99, 0xA6);
inline const QColor HomeAccent(0x2F, 0xA3, 0x9A);
inline const QColor AwayAccent(0xE0, 0x6C, 0x5A);

// Event buttons, by what the event does to the possession
inline const QColor Rebound(0x2F, 0x6F, 0xB5);
inline const QColor Gain(0x2E, 0x9A, 0x4E);
inline const QColor Loss(0xC8, 0x3A, 0x2E);
inline const QColor Foul(0xD9, 0x8A, 0x12);
inline const QColor Play(0x6E, 0x55, 0xB0);
inline const QColor Clock(0x4C, 0x5A, 0x6A);
inline const QColor Ball(0xE8, 0x7A, 0x24);
inline const QColor BallSeam(0x4A, 0x23, 0x0B);

// Scoreboard
inline const QColor LedLit(0xFF, 0xB3, 0x1F);
inline const QColor LedGhost(0x33, 0x27, 0x14);
inline const QColor LedBack(0x0B, 0x0D, 0x10);
inline const QColor LampLit(0xF0, 0x45, 0x30);

// Court
inline const QColor KeyPaint(0x2B, 0x5B, 0x8C);
inline const QColor CourtLine(0xF8, 0xF6, 0xEF);
inline const QColor Apron(0x2A, 0x39, 0x4B);
inline const QColor Rim(0xF0, 0x6A, 0x1A);

// A DejaVu face at a pixel size; condensed for tight captions.
QFont font(int pixelSize, bool bold = true, bool condensed = false);
// Draws text into a rectangle at the largest size from maxPixels down to
// minPixels that fits its width, changing to the condensed face, then to its
// regular weight, before giving up; returns the pixel size used.
int drawFitted(QPainter &p, const QRectF &rect, const QString &text, const QColor &colour, int maxPixels,
               int minPixels = 6, bool bold = true, int flags = 0);

// The condensed bold face at the largest size from maxPixels down to
// minPixels at which every text fits the width, so a set of pictures reads
// evenly.
QFont commonFont(const QStringList &texts, qreal width, int maxPixels, int minPixels = 6);

// A rounded key-cap with a soft vertical gradient and a one-pixel edge.
void keyCap(QPainter &p, const QRectF &rect, qreal radius, const QColor &top, const QColor &bottom,
            const QColor &edge);

} // namespace Style
