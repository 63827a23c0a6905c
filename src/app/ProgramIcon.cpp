#include "app/ProgramIcon.h"

#include <QDir>
#include <QIconEngine>

namespace {

// Hands out the icon's images, decoding them when a size is first asked for. Qt decodes every
// image of an icon as it is added; a desktop that takes the program's icon from its menu entry
// (Wayland) never asks for one, and the start of the program does not wait for them.
class ProgramIconEngine final : public QIconEngine
{
public:
    ProgramIconEngine(const QStringList& files, const QList<QSize>& sizes)
        : m_files(files)
        , m_sizes(sizes)
    { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return decoded().pixmap(size, scale, mode, state);
    }
    // The sizes are known from the names of the images: nothing is decoded to list them.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return mode == QIcon::Normal && state == QIcon::Off ? m_sizes : QList<QSize>();
    }
    bool isNull() override { return m_files.isEmpty(); }
    QString key() const override { return QStringLiteral("KerlanicProgramIcon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    const QIcon& decoded()
    {
        if (m_icon.isNull()) {
            for (const QString& file : std::as_const(m_files))
                m_icon.addFile(file);
        }
        return m_icon;
    }

    QStringList m_files;
    QList<QSize> m_sizes;
    QIcon m_icon;
};

} // namespace

QIcon programIcon()
{
    const QDir folder(QStringLiteral(":/icons"));
    QStringList files;
    QList<QSize> sizes;
    for (const QString& name : folder.entryList(QDir::Files)) {
        // kerlanic-48.png is 48 by 48.
        const int side = name.section(u'-', -1).section(u'.', 0, 0).toInt();
        files << folder.filePath(name);
        sizes << QSize(side, side);
    }
    return QIcon(new ProgramIconEngine(files, sizes));
}
