#include "widgets/Fonts.h"

#include <QStringList>

QFont listingFont(bool bold)
{
    QFont font;
    font.setFamilies(QStringList {QStringLiteral("Terminal"), QStringLiteral("Liberation Mono"),
        QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New"), QStringLiteral("Monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(9);
    font.setBold(bold);
    return font;
}

QFont arialFont(const QFont& base)
{
    QFont font(base);
    font.setFamilies(QStringList {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return font;
}
