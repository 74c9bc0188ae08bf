#include "components/iconlist/IconList.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPalette>

#include <cmath>

namespace {

QString foldKey(const QString& key) {
    return key.toCaseFolded();
}

// Selected items show their icons tinted with the highlight colour, as list views do.
QPixmap tinted(const QPixmap& source) {
    QPixmap out = source;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor tint = QGuiApplication::palette().color(QPalette::Highlight);
    tint.setAlpha(110);
    p.fillRect(out.rect(), tint);
    return out;
}

// Disabled icons: grey levels, lightened, keeping the shape's transparency.
QPixmap greyed(const QPixmap& source) {
    QImage img = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int grey = qGray(line[x]);
            const int light = 128 + grey / 2;
            line[x] = qRgba(light, light, light, qAlpha(line[x]) * 3 / 4);
        }
    }
    return QPixmap::fromImage(img);
}

} // namespace

IconList::IconList(QSize imageSize, QObject* parent)
    : QObject(parent),
      m_size(imageSize.isValid() && !imageSize.isEmpty() ? imageSize : QSize(16, 16)) {}

int IconList::store(const QString& key, QImage image, const QString& vectorPath) {
    if (key.isEmpty() || image.isNull() || m_byKey.contains(foldKey(key)))
        return 0;
    if (image.size() != m_size)
        image = image.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.push_back({key, QPixmap::fromImage(image), {}, {}, vectorPath, {}});
    const int index = int(m_images.size());
    m_byKey.insert(foldKey(key), index);
    return index;
}

int IconList::AddImage(const QString& key, const QImage& image) {
    return store(key, image);
}

int IconList::AddImage(const QString& key, const QPixmap& pixmap) {
    return store(key, pixmap.toImage());
}

int IconList::AddImage(const QString& key, const QIcon& icon) {
    return icon.isNull() ? 0 : store(key, icon.pixmap(m_size).toImage());
}

int IconList::AddImage(const QString& key, const QString& path) {
    // Reading at the target size lets vector pictures render sharply instead of scaling.
    QImageReader reader(path);
    const bool vector =
        reader.format() == "svg" || path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    if (vector)
        reader.setScaledSize(m_size);
    return store(key, reader.read(), vector ? path : QString());
}

int IconList::ItemIndex(const QString& key) const {
    return m_byKey.value(foldKey(key), 0);
}

const IconList::Entry* IconList::entry(int index) const {
    return index >= 1 && index <= ImageCount() ? &m_images[index - 1] : nullptr;
}

QString IconList::ItemKey(int index) const {
    const Entry* e = entry(index);
    return e ? e->key : QString();
}

QPixmap IconList::pixmap(int index, Look look) const {
    const Entry* e = entry(index);
    if (!e)
        return {};
    switch (look) {
    case Look::Selected:
        if (e->selected.isNull())
            e->selected = tinted(e->normal);
        return e->selected;
    case Look::Disabled:
        if (e->disabled.isNull())
            e->disabled = greyed(e->normal);
        return e->disabled;
    case Look::Normal:
        break;
    }
    return e->normal;
}

QPixmap IconList::pixmap(int index, Look look, qreal devicePixelRatio) const {
    const Entry* e = entry(index);
    const int ratio = int(std::lround(devicePixelRatio * 100));
    if (!e || e->vectorPath.isEmpty() || ratio <= 100)
        return pixmap(index, look);
    const QPair<int, int> id(int(look), ratio);
    if (const auto found = e->scaled.constFind(id); found != e->scaled.constEnd())
        return *found;
    QImageReader reader(e->vectorPath);
    reader.setScaledSize(m_size * devicePixelRatio);
    QPixmap pm = QPixmap::fromImage(reader.read());
    if (pm.isNull())
        return pixmap(index, look);
    if (look == Look::Selected)
        pm = tinted(pm);
    else if (look == Look::Disabled)
        pm = greyed(pm);
    pm.setDevicePixelRatio(devicePixelRatio);
    e->scaled.insert(id, pm);
    return pm;
}

void IconList::paint(int index, QPainter& painter, const QPoint& topLeft, Look look) const {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap pm = pixmap(index, look, ratio);
    if (pm.isNull())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(topLeft, pm);
    painter.restore();
}

void IconList::PaintImage(int index, QPainter& painter, int x, int y, bool selected) const {
    paint(index, painter, QPoint(x, y), selected ? Look::Selected : Look::Normal);
}
