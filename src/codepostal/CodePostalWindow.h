#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class CodePostal;
}
class PostalBase;
class PostalSearchModel;

// The search program's one window: a search box, the postal codes and communes it finds as the
// user types, and a status line. Enter or a double-click copies the chosen postal code to the
// clipboard, ready to be pasted into the logbook.
class CodePostalWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CodePostalWindow(const PostalBase& base, QWidget* parent = nullptr);
    ~CodePostalWindow() override;

    // The status line's texts.
    static QString promptText();
    static QString countText(int rows);
    static QString noResultText(const QString& search);
    static QString copiedText(const QString& postalCode, const QString& commune);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& text);
    void copyRow(int row);

    std::unique_ptr<Ui::CodePostal> m_ui;
    PostalSearchModel* m_model;
};
