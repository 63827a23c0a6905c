#pragma once

#include <QString>

class QKeyEvent;
class QObject;

// The boxes of the entry row and of the station set-up take capitals: a small letter a-z typed
// on the keyboard goes in as its capital (pasted text is left as it is). Qt cannot change the
// text of a key event in place, so the box's event filter swallows the key and sends the box a
// copy that carries the new text.
class KeyRetyper
{
public:
    // What a typed text becomes: a small a-z its capital, and with slashToUnderscore a "/" a "_"
    // (a callsign names a file, where "/" cannot stand). Anything else unchanged.
    static QString replacement(const QString& typed, bool slashToUnderscore = false);

    // Sends target a copy of event that carries text instead of its own.
    void retype(QObject* target, const QKeyEvent& event, const QString& text);

    // True while the copy is on its way: the filter lets it through untouched.
    bool isRetyping() const { return m_retyping; }

private:
    bool m_retyping = false;
};

// Enter, from the main keyboard or the keypad.
bool isEnterKey(const QKeyEvent& event);

// A key that types something into a box (a character, Enter, Backspace), as opposed to Shift, an
// arrow or Tab, which only move around.
bool isTypedKey(const QKeyEvent& event);
