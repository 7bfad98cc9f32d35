#include "Style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace Style {

QFont font(int pixelSize, bool bold, bool condensed)
{
    QFont f(condensed ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

int drawFitted(QPainter &p, const QRectF &rect, const QString &text, const QColor &colour, int maxPixels,
               int minPixels, bool bold, int flags)
{
    if (flags == 0)
        flags = Qt::AlignCenter;
    struct Face
    {
        bool condensed, bold;
    };
    // Narrower faces only when the wider one does not fit at any size.
    const Face faces[] = {{false, bold}, {true, bold}, {true, false}};
    QFont chosen = font(minPixels, false, true);
    int size = minPixels;
    bool found = false;
    for (const Face &face : faces) {
        for (int px = maxPixels; px >= minPixels && !found; --px) {
            const QFont f = font(px, face.bold, face.condensed);
            if (QFontMetricsF(f).horizontalAdvance(text) <= rect.width()) {
                chosen = f;
                size = px;
                found = true;
            }
        }
    }
    p.save();
    p.setFont(chosen);
    p.setPen(colour);
    p.drawText(rect, flags, text);
    p.restore();
    return size;
}

QFont commonFont(const QStringList &texts, qreal width, int maxPixels, int minPixels)
{
    for (int px = maxPixels; px > minPixels; --px) {
        const QFont f = font(px, true, true);
        const QFontMetricsF metrics(f);
        bool fits = true;
        for (const QString &text : texts)
            fits = fits && metrics.horizontalAdvance(text) <= width;
        if (fits)
            return f;
    }
    return font(minPixels, true, true);
}

void keyCap(QPainter &p, const QRectF &rect, qreal radius, const QColor &top, const QColor &bottom,
            const QColor &edge)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(g);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

} // namespace Style
