#include "FakePlatform.h"

QString FakeSettings::read(const QString& section, const QString& key, const QString& fallback) const
{
    return values.value(section + u'\x1f' + key, fallback);
}

void FakeSettings::write(const QString& section, const QString& key, const QString& value)
{
    values.insert(section + u'\x1f' + key, value);
    writes << section + u'|' + key + u'=' + value;
    m_lastWriteKept = !failWrites;
}

bool FakeMessages::ask(const QString& text)
{
    asked << text;
    return answers.isEmpty() ? false : answers.takeFirst();
}

void FakePrinter::setFontName(const QString& name)
{
    m_name = name;
    events << QStringLiteral("font name=") + name;
}

void FakePrinter::setFontSize(double points)
{
    m_size = points;
    events << QStringLiteral("font size=") + QString::number(points);
}

void FakePrinter::setFontBold(bool bold)
{
    m_bold = bold;
    events << QStringLiteral("bold=") + (bold ? u'1' : u'0');
}

bool FakePrinter::showPrintDialog()
{
    events << QStringLiteral("dialog");
    return dialogAnswer;
}

void FakePrinter::printLine(const QString& line)
{
    lines << line;
    events << QStringLiteral("line=") + line;
}

void FakePrinter::printPage(const std::function<void(QPainter&, const QRectF&)>&)
{
    events << QStringLiteral("page");
}

bool FakePrinter::endDoc()
{
    events << QStringLiteral("end");
    return endDocResult;
}
