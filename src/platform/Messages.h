#pragma once

#include <QString>

// Modal message boxes titled "Kerlanic", without icon.
class Messages
{
public:
    virtual ~Messages() = default;
    // One OK button.
    virtual void inform(const QString& text) = 0;
    // Yes and No buttons; true when the user answers Yes.
    virtual bool ask(const QString& text) = 0;
};
