#include "widgets/WrapButton.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kPadding = 6;
constexpr int kPreferredWidth = 140;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

// The captions were laid out for narrow buttons, with runs of blanks where a line was meant to
// end (" Affiche tous les   N° de C. P."); those runs break the line on screen.
QString shownText(const QString& caption)
{
    static const QRegularExpression lineBreak(QStringLiteral(" {2,}"));
    return caption.trimmed().replace(lineBreak, QStringLiteral("\n"));
}
} // namespace

WrapButton::WrapButton(QWidget* parent)
    : QPushButton(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrapButton::textRect(const QRect& buttonRect) const
{
    return buttonRect.adjusted(kPadding, kPadding / 2, -kPadding, -kPadding / 2);
}

int WrapButton::heightForWidth(int width) const
{
    const QFontMetrics metrics(font());
    const QRect bounds = metrics.boundingRect(
        QRect(0, 0, std::max(1, width - 2 * kPadding), 10000), kTextFlags, shownText(text()));
    return std::max(bounds.height(), metrics.height()) + 2 * kPadding + 2;
}

QSize WrapButton::sizeHint() const
{
    return {kPreferredWidth, heightForWidth(kPreferredWidth)};
}

QSize WrapButton::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const QString& word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    const int width = widest + 2 * kPadding + 2;
    return {width, heightForWidth(width)};
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textRect(rect()), kTextFlags, shownText(text()));
}
