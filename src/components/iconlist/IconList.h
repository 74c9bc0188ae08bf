#pragma once
// An image list: same-sized images numbered from 1 in the order they were stored, each
// under a unique key. Windows fill it once at construction and hand it to grids (cell
// icons, header icons, combo entries) or paint from it in their own drawing code.

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QVector>

class QPainter;

class IconList : public QObject {
    Q_OBJECT
public:
    // How an image is drawn: as stored, tinted like a selected item, or greyed out.
    enum class Look { Normal, Selected, Disabled };

    // Every image is kept at this size; images of another size are scaled to it.
    explicit IconList(QSize imageSize = QSize(16, 16), QObject* parent = nullptr);

    // Each returns the new image's index, or 0 when the key is empty or already used or
    // the image could not be read. Keys compare without regard to case.
    int AddImage(const QString& key, const QImage& image);
    int AddImage(const QString& key, const QPixmap& pixmap);
    int AddImage(const QString& key, const QIcon& icon);
    // A picture file or resource (":/icons/x.svg", PNG...), rendered at the list's size.
    int AddImage(const QString& key, const QString& path);
    int AddImage(const QString& key, const char* path) { return AddImage(key, QString(path)); }

    int ItemIndex(const QString& key) const; // 0 for an unknown key
    QString ItemKey(int index) const;        // "" for an index out of range
    int ImageCount() const { return int(m_images.size()); }
    int ImageWidth() const { return m_size.width(); }
    int ImageHeight() const { return m_size.height(); }
    QSize ImageSize() const { return m_size; }

    // Draws image `index` with its top-left corner at (x, y); the painter's state is left
    // as it was. An index out of range draws nothing. On a device with more pixels than
    // logical units (a scaled screen), images read from vector pictures are drawn from a
    // rendering at the device's resolution, so they stay sharp.
    void PaintImage(int index, QPainter& painter, int x, int y, bool selected = false) const;
    void paint(int index, QPainter& painter, const QPoint& topLeft, Look look) const;

    // The image in the given look; a null pixmap for an index out of range.
    QPixmap pixmap(int index, Look look = Look::Normal) const;
    // The same at a device pixel ratio: for a vector picture a rendering with that many
    // pixels per unit (its devicePixelRatio set), otherwise the pixmap above.
    QPixmap pixmap(int index, Look look, qreal devicePixelRatio) const;

private:
    struct Entry {
        QString key;
        QPixmap normal;
        mutable QPixmap selected; // made on first use
        mutable QPixmap disabled;
        QString vectorPath; // the picture it was read from, when that scales without loss
        // Renderings at other device pixel ratios, by look and ratio, made on first use.
        mutable QHash<QPair<int, int>, QPixmap> scaled;
    };

    int store(const QString& key, QImage image, const QString& vectorPath = {});
    const Entry* entry(int index) const;

    QSize m_size;
    QVector<Entry> m_images;
    QHash<QString, int> m_byKey; // folded key -> index
};
