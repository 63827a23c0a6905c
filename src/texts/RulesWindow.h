#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class RulesWindow;
}
class Screen;

// The rules of one award, read-only: a title and the text, one list item per line. Both rules
// windows share this form; each opening builds a fresh window, so the text is never doubled.
class RulesWindow : public QWidget
{
    Q_OBJECT

public:
    struct Content
    {
        QString name; // objectName: Reglement_10M, Reglement_DVF
        QString caption;
        QString title;
        QStringList lines;
    };

    RulesWindow(const Content& content, const Screen& screen, QWidget* parent = nullptr);
    ~RulesWindow() override;

    static Content reglement10M();
    static Content reglementDvf();

private:
    std::unique_ptr<Ui::RulesWindow> m_ui;
};
