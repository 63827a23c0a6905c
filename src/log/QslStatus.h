#pragma once

#include "log/LogRecord.h"

#include <QByteArrayView>

// Etat_QSL, the one character that says what became of a contact: "1" neither mark, "2" contact
// made ("Cont"), "3" confirmed only ("Conf"), "4" both, "0" a postal code held without a contact.
// Which of them count as contacted or confirmed differs by reader; each asks here.
class QslStatus
{
public:
    explicit constexpr QslStatus(char digit)
        : m_digit(digit)
    { }
    // The status of a log line; a line too short to hold one has none of the marks.
    static QslStatus of(QByteArrayView line)
    {
        const QByteArrayView status = fieldBytes(line, LogField::Etat_QSL);
        return QslStatus(status.size() == 1 ? status[0] : '\0');
    }
    // The status the two marks of the entry row give.
    static constexpr QslStatus fromMarks(bool made, bool confirmed)
    {
        return QslStatus(made ? (confirmed ? '4' : '2') : (confirmed ? '3' : '1'));
    }

    constexpr char digit() const { return m_digit; }
    // One of the five values the program writes.
    constexpr bool isKnown() const { return m_digit >= '0' && m_digit <= '4'; }
    // A postal code and its town kept without a contact.
    constexpr bool isHeld() const { return m_digit == '0'; }
    // The "Cont" mark.
    constexpr bool isMade() const { return m_digit == '2' || m_digit == '4'; }
    // The "Conf" mark: what scores and what the confirmed listings show.
    constexpr bool isConfirmed() const { return m_digit == '3' || m_digit == '4'; }
    // Counted as contacted by the listings: either mark.
    constexpr bool hasAMark() const { return isMade() || isConfirmed(); }
    // Both marks: the only status the DVF award takes as confirmed.
    constexpr bool hasBothMarks() const { return m_digit == '4'; }

private:
    char m_digit;
};
