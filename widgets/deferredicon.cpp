#include "widgets/deferredicon.h"

#include <QIconEngine>
#include <optional>

namespace
{

class DeferredIconEngine final : public QIconEngine
{
public:
    explicit DeferredIconEngine(const QString &fileName) : m_fileName(fileName) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_fileName); }
    // Asked when the icon is set on a window: answered without reading the file.
    bool isNull() override { return m_fileName.isEmpty(); }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = QIcon(m_fileName);
        return *m_icon;
    }

    QString m_fileName;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon deferredIcon(const QString &fileName)
{
    return QIcon(new DeferredIconEngine(fileName));
}
