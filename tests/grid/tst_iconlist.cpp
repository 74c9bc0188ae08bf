#include "components/iconlist/IconList.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage solid(QSize size, QColor colour) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(colour);
    return img;
}

QImage canvas(QSize size = QSize(40, 40)) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    return img;
}

// A vector picture of the given size and contents, written into the folder.
QString writeSvg(const QTemporaryDir& dir, const QString& name, int size, const char* body) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" )"
                           R"(viewBox="0 0 %1 %1">)")
                .arg(size)
                .toUtf8() +
            body + "</svg>");
    return path;
}

} // namespace

class TestIconList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numbersImagesFromOneInStoreOrder();
    void rejectsDuplicateEmptyAndUnreadableImages();
    void keysCompareWithoutCase();
    void outOfRangeIndexesAreHarmless();
    void scalesImagesToTheListSize();
    void readsVectorPicturesAtTheListSize();
    void paintImageDrawsAtTheGivenCornerOnly();
    void paintImageRestoresThePainter();
    void selectedAndDisabledLooksDiffer();
    void vectorPicturesStaySharpOnScaledDevices();
};

void TestIconList::numbersImagesFromOneInStoreOrder() {
    IconList list;
    QCOMPARE(list.ImageCount(), 0);
    QCOMPARE(list.AddImage("red", solid({16, 16}, Qt::red)), 1);
    QCOMPARE(list.AddImage("green", QPixmap::fromImage(solid({16, 16}, Qt::green))), 2);
    QCOMPARE(list.AddImage("blue", QIcon(QPixmap::fromImage(solid({16, 16}, Qt::blue)))), 3);
    QCOMPARE(list.ImageCount(), 3);
    QCOMPARE(list.ItemIndex("green"), 2);
    QCOMPARE(list.ItemKey(3), QString("blue"));
    QCOMPARE(list.pixmap(2).toImage().pixelColor(5, 5), QColor(Qt::green));
}

void TestIconList::rejectsDuplicateEmptyAndUnreadableImages() {
    IconList list;
    QCOMPARE(list.AddImage("a", solid({16, 16}, Qt::red)), 1);
    QCOMPARE(list.AddImage("A", solid({16, 16}, Qt::green)), 0);
    QCOMPARE(list.AddImage("", solid({16, 16}, Qt::green)), 0);
    QCOMPARE(list.AddImage("null", QImage()), 0);
    QCOMPARE(list.AddImage("icon", QIcon()), 0);
    QCOMPARE(list.AddImage("missing", ":/no/such/picture.png"), 0);
    QCOMPARE(list.ImageCount(), 1);
    QCOMPARE(list.pixmap(1).toImage().pixelColor(0, 0), QColor(Qt::red));
}

void TestIconList::keysCompareWithoutCase() {
    IconList list;
    list.AddImage("Launch_hot", solid({16, 16}, Qt::red));
    list.AddImage("Launch_normal", solid({16, 16}, Qt::blue));
    QCOMPARE(list.ItemIndex("launch_NORMAL"), 2);
    QCOMPARE(list.ItemKey(2), QString("Launch_normal")); // stored spelling comes back
    QCOMPARE(list.ItemIndex("unknown"), 0);
    QCOMPARE(list.ItemIndex(""), 0);
}

void TestIconList::outOfRangeIndexesAreHarmless() {
    IconList list;
    list.AddImage("x", solid({16, 16}, Qt::red));
    for (int index : {0, -1, 2, 1000}) {
        QCOMPARE(list.ItemKey(index), QString());
        QVERIFY(list.pixmap(index).isNull());
    }
    QImage img = canvas();
    QPainter p(&img);
    list.PaintImage(0, p, 0, 0);
    list.PaintImage(7, p, 0, 0, true);
    p.end();
    QCOMPARE(img, canvas());
}

void TestIconList::scalesImagesToTheListSize() {
    IconList list(QSize(100, 20));
    QCOMPARE(list.ImageWidth(), 100);
    QCOMPARE(list.ImageHeight(), 20);
    list.AddImage("big", solid({300, 60}, Qt::red));
    QCOMPARE(list.pixmap(1).size(), QSize(100, 20));

    IconList fallback(QSize(0, 0)); // an empty size falls back to small icons
    QCOMPARE(fallback.ImageSize(), QSize(16, 16));
}

void TestIconList::readsVectorPicturesAtTheListSize() {
    QTemporaryDir dir;
    const QString path = writeSvg(dir, "square.svg", 8,
                                  R"(<rect x="0" y="0" width="8" height="8" fill="#0000ff"/>)");
    IconList list(QSize(24, 24));
    QCOMPARE(list.AddImage("square", path), 1);
    const QImage img = list.pixmap(1).toImage();
    QCOMPARE(img.size(), QSize(24, 24));
    QCOMPARE(img.pixelColor(23, 23), QColor(Qt::blue));
}

void TestIconList::paintImageDrawsAtTheGivenCornerOnly() {
    IconList list;
    list.AddImage("red", solid({16, 16}, Qt::red));
    QImage img = canvas();
    QPainter p(&img);
    list.PaintImage(1, p, 10, 12);
    p.end();
    QCOMPARE(img.pixelColor(10, 12), QColor(Qt::red));
    QCOMPARE(img.pixelColor(25, 27), QColor(Qt::red));
    QCOMPARE(img.pixelColor(9, 12), QColor(Qt::white));
    QCOMPARE(img.pixelColor(26, 12), QColor(Qt::white));
    QCOMPARE(img.pixelColor(10, 28), QColor(Qt::white));
}

void TestIconList::paintImageRestoresThePainter() {
    IconList list;
    list.AddImage("red", solid({16, 16}, Qt::red));
    QImage img = canvas();
    QPainter p(&img);
    const QPen pen(Qt::green, 3);
    p.setPen(pen);
    p.setBrush(Qt::yellow);
    p.setClipRect(QRect(0, 0, 20, 20));
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    list.PaintImage(1, p, 0, 0, true);
    QCOMPARE(p.pen(), pen);
    QCOMPARE(p.brush().color(), QColor(Qt::yellow));
    QCOMPARE(p.clipBoundingRect().toRect(), QRect(0, 0, 20, 20));
    QCOMPARE(p.compositionMode(), QPainter::CompositionMode_Multiply);
}

void TestIconList::selectedAndDisabledLooksDiffer() {
    IconList list;
    QImage shape = solid({16, 16}, Qt::transparent);
    shape.setPixelColor(8, 8, Qt::red);
    list.AddImage("dot", shape);
    const QImage normal = list.pixmap(1).toImage();
    const QImage selected = list.pixmap(1, IconList::Look::Selected).toImage();
    const QImage disabled = list.pixmap(1, IconList::Look::Disabled).toImage();
    QVERIFY(selected.pixelColor(8, 8) != normal.pixelColor(8, 8));
    const QColor grey = disabled.pixelColor(8, 8);
    QCOMPARE(grey.red(), grey.green());
    QCOMPARE(grey.green(), grey.blue());
    // Transparent parts stay transparent in every look, so the cell shows through.
    QCOMPARE(selected.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(disabled.pixelColor(0, 0).alpha(), 0);
}

void TestIconList::vectorPicturesStaySharpOnScaledDevices() {
    // A stripe half a unit wide: at 1x it blends into one pixel, at 2x it is one whole pixel.
    QTemporaryDir dir;
    const QString path = writeSvg(dir, "stripe.svg", 16,
                                  R"(<rect x="0" y="0" width="16" height="16" fill="#ffffff"/>)"
                                  R"(<rect x="0" y="0" width="0.5" height="16" fill="#ff0000"/>)");
    IconList list;
    QCOMPARE(list.AddImage("stripe", path), 1);
    QCOMPARE(list.pixmap(1, IconList::Look::Normal, 2).size(), QSize(32, 32));

    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::white);
    QPainter p(&img);
    list.PaintImage(1, p, 0, 0);
    list.PaintImage(1, p, 8, 0, true); // the selected look too, at the same resolution
    p.end();
    QCOMPARE(img.pixelColor(0, 10), QColor(Qt::red));
    QCOMPARE(img.pixelColor(1, 10), QColor(Qt::white));
    QVERIFY(img.pixelColor(16, 10).green() < img.pixelColor(17, 10).green());
    QCOMPARE(img.pixelColor(17, 10), img.pixelColor(30, 10));

    // Pictures that are not vectors come out as stored.
    list.AddImage("red", solid({16, 16}, Qt::red));
    QCOMPARE(list.pixmap(2, IconList::Look::Normal, 2).size(), QSize(16, 16));
}

QTEST_MAIN(TestIconList)
#include "tst_iconlist.moc"
