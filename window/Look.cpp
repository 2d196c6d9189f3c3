#include "Look.h"

#include <QApplication>
#include <QFont>
#include <QStyle>

void ApplyWindowLook()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Pixels, not points: the layout is in pixels, so the text must not
    // grow with the desktop's font DPI setting.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    QApplication::setFont(font);
}
