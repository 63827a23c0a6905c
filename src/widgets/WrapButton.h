#pragma once

#include <QPushButton>

// A push button whose caption wraps on several lines inside the button's width, as the main
// window's column of buttons needs. The caption itself stays exactly as given.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrapButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect(const QRect& buttonRect) const;
};
