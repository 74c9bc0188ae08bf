// The other program of the real drag tests: a small window at a given place that either
// starts a drag of URLs when pressed (as a file manager does: text/uri-list and the same as
// text) and prints the action the target took, or takes one drop and prints what it got.
//
//   tessix-dnd-peer source <x> <y> <url>...   prints "ready", then "effect <n>" (0 refused)
//   tessix-dnd-peer target <x> <y>            prints "ready", then "urls <...>", one
//                                             "file <path>" per local file and "text <...>"
//                                             (escaped) of the drop, as a folder takes it
//   tessix-dnd-peer edit <x> <y>              a text field: prints "ready", then "text <...>"
//                                             of the drop and "edit <...>", what it shows

#include "PeerText.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <cstdio>

namespace {

void say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

class Source : public QWidget {
public:
    explicit Source(QList<QUrl> urls) : m_urls(std::move(urls)) {}

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* mime = new QMimeData;
        mime->setUrls(m_urls);
        QStringList lines;
        for (const QUrl& url : m_urls)
            lines << url.toString();
        mime->setText(lines.join('\n'));
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction done =
            drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
        say(QString("effect %1").arg(int(done)));
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    QList<QUrl> m_urls;
};

class Target : public QWidget {
public:
    Target() { setAcceptDrops(true); }

protected:
    void dragEnterEvent(QDragEnterEvent* e) override { e->acceptProposedAction(); }
    void dropEvent(QDropEvent* e) override {
        QStringList urls;
        for (const QUrl& url : e->mimeData()->urls())
            urls << url.toString(QUrl::FullyEncoded);
        say("urls " + urls.join(' '));
        for (const QUrl& url : e->mimeData()->urls())
            if (url.isLocalFile())
                say("file " + url.toLocalFile());
        say("text " + escapedForPeer(e->mimeData()->text()));
        e->acceptProposedAction();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

class Edit : public QPlainTextEdit {
protected:
    void dropEvent(QDropEvent* e) override {
        say("text " + escapedForPeer(e->mimeData()->text()));
        QPlainTextEdit::dropEvent(e);
        say("edit " + escapedForPeer(toPlainText()));
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || (args[1] != "source" && args[1] != "target" && args[1] != "edit")) {
        std::fprintf(stderr, "usage: %s source|target|edit <x> <y> [url...]\n", argv[0]);
        return 2;
    }
    QList<QUrl> urls;
    for (qsizetype i = 4; i < args.size(); ++i)
        urls << QUrl(args[i]);
    std::unique_ptr<QWidget> window;
    if (args[1] == "source")
        window = std::make_unique<Source>(urls);
    else if (args[1] == "target")
        window = std::make_unique<Target>();
    else
        window = std::make_unique<Edit>();
    window->setGeometry(args[2].toInt(), args[3].toInt(), 120, 120);
    window->show();
    QTimer::singleShot(200, [] { say("ready"); });
    // Never left hanging: a test that went wrong ends it too.
    QTimer::singleShot(20000, qApp, &QApplication::quit);
    return app.exec();
}
