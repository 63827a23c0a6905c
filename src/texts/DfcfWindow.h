#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <memory>

namespace Ui {
class Liste_DFCF1;
}
class QNetworkAccessManager;
class QNetworkReply;
class Screen;

// The DFCF reference list, fetched from the award manager's site and shown as it comes. Without
// network the window says so in its page; closing it drops any transfer still running, and the
// next opening loads the page afresh.
class DfcfWindow : public QWidget
{
    Q_OBJECT

public:
    DfcfWindow(const QUrl& address, const Screen& screen, QWidget* parent = nullptr);
    ~DfcfWindow() override;

    // The page shown, or being loaded.
    QUrl address() const { return m_address; }

Q_SIGNALS:
    // The page is shown, or the reason it could not be reached.
    void settled();

private:
    void load(const QUrl& address);
    void pageArrived(QNetworkReply* reply);
    void followLink(const QUrl& link);

    std::unique_ptr<Ui::Liste_DFCF1> m_ui;
    QNetworkAccessManager* m_network;
    QPointer<QNetworkReply> m_reply;
    QUrl m_address;
};

// Why a transfer failed, in a few French words.
QString networkFailureReason(const QNetworkReply& reply);
