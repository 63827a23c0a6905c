#pragma once

#include "platform/Messages.h"

class QtMessages : public Messages
{
public:
    void inform(const QString& text) override;
    bool ask(const QString& text) override;
};
