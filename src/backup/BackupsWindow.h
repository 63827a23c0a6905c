#pragma once

#include "app/AppContext.h"
#include "backup/Backups.h"

#include <QWidget>

#include <memory>

namespace Ui {
class BackupsWindow;
}

// The backups of the current station, newest first, with their date, number of lines and 10
// Millions total, one of which can be put back in the log's place; and the second folder every
// day's backup is copied to. A backup that cannot be read is listed as such and cannot be chosen.
class BackupsWindow : public QWidget
{
    Q_OBJECT

public:
    BackupsWindow(AppContext context, QWidget* parent = nullptr);
    ~BackupsWindow() override;

    void chooseList();

Q_SIGNALS:
    // A backup is now the log.
    void restored();

private:
    void listBackups();
    void restoreChosen();
    void browseFolder();
    void saveFolder();

    std::unique_ptr<Ui::BackupsWindow> m_ui;
    AppContext m_context;
    QList<BackupSummary> m_backups;
};
