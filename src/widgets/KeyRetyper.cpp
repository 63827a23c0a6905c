#include "widgets/KeyRetyper.h"

#include <QCoreApplication>
#include <QKeyEvent>

QString KeyRetyper::replacement(const QString& typed, bool slashToUnderscore)
{
    if (typed.size() != 1)
        return typed;
    const QChar c = typed[0];
    if (c >= u'a' && c <= u'z')
        return QString(QChar(c.unicode() - 32));
    if (slashToUnderscore && c == u'/')
        return QStringLiteral("_");
    return typed;
}

void KeyRetyper::retype(QObject* target, const QKeyEvent& event, const QString& text)
{
    int key = event.key();
    if (text.size() == 1 && text[0] >= u'A' && text[0] <= u'Z')
        key = Qt::Key_A + (text[0].unicode() - u'A');
    else if (text == QLatin1String("_"))
        key = Qt::Key_Underscore;
    QKeyEvent copy(QEvent::KeyPress, key, event.modifiers(), text, event.isAutoRepeat(), event.count());
    m_retyping = true;
    QCoreApplication::sendEvent(target, &copy);
    m_retyping = false;
}

bool isEnterKey(const QKeyEvent& event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool isTypedKey(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return false;
    return isEnterKey(event) || !event.text().isEmpty();
}
