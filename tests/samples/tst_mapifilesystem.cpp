// The folder size manager's file-system services on fixture trees in a temporary folder:
// sizes (empty folders, files only, a file larger than 4 GiB, hard links), links never
// followed (a loop cannot hang the scan), unreadable folders, trailing slashes, the Esc
// cancel, the 64-bit compositions and the volume classifier fed with fixture mount data.

#include "samples/full/mAPIFileSystem.h"

#include "platform/EscMonitor.h"

#include "FixtureTree.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = mAPIFileSystem;

class TestAPIFileSystem : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { fs::ScanCancelled = false; }
    void sizes();
    void linksAreNeverFollowed();
    void unreadableFolder();
    void listingAndSubfolders();
    void escCancelsTheScan();
    void compositions();
    void volumeClassifier();
};

void TestAPIFileSystem::sizes() {
    QTemporaryDir tmp;
    const QString root = tmp.path() + "/tree/";
    QDir().mkpath(root + "empty/inner/deeper");
    QVERIFY(makeFile(root + "files/a.bin", 1000));
    QVERIFY(makeFile(root + "files/b.bin", 24));
    QVERIFY(makeFile(root + "files/.hidden", 100));            // hidden files count like any other
    QVERIFY(makeFile(root + "big/huge.bin", 5000000000LL));    // high half 1
    QVERIFY(makeFile(root + "big/top-bit.bin", 3000000000LL)); // low half's top bit set
    QVERIFY(link(QFile::encodeName(root + "files/a.bin").constData(),
                 QFile::encodeName(root + "files/hard.bin").constData()) == 0);

    QCOMPARE(fs::GetFolderSize(root + "empty/"), quint64(0));
    QCOMPARE(fs::GetFolderSize(root + "files/"), quint64(1000 + 24 + 100 + 1000));
    QCOMPARE(fs::GetFolderSize(root + "big/"), quint64(8000000000ULL));
    const quint64 all = 2124 + 8000000000ULL;
    QCOMPARE(fs::GetFolderSize(root), all);
    // With or without the trailing slash, or with two.
    QCOMPARE(fs::GetFolderSize(tmp.path() + "/tree"), all);
    QCOMPARE(fs::GetFolderSize(tmp.path() + "/tree//"), all);
    QCOMPARE(fs::GetFolderSize(root + "missing/"), quint64(0));
}

void TestAPIFileSystem::linksAreNeverFollowed() {
    QTemporaryDir tmp;
    const QString root = tmp.path() + "/";
    QVERIFY(makeFile(root + "data/f.bin", 10));
    // A loop back to the top and a link to a folder elsewhere.
    QVERIFY(QFile::link(root, root + "data/loop"));
    QTemporaryDir other;
    QVERIFY(makeFile(other.path() + "/outside.bin", 1000));
    QVERIFY(QFile::link(other.path(), root + "data/elsewhere"));
    QVERIFY(QFile::link(root + "data/f.bin", root + "data/f-link"));
    QCOMPARE(fs::GetFolderSize(root), quint64(10));
    // A link to a folder is no subfolder, and a link given as the folder is not followed.
    QDir().mkpath(root + "links-only");
    QVERIFY(QFile::link(other.path(), root + "links-only/to-folder"));
    QVERIFY(!fs::HasSubfolders(root + "links-only"));
    QCOMPARE(fs::GetFolderSize(root + "data/elsewhere/"), quint64(0));
}

void TestAPIFileSystem::unreadableFolder() {
    if (geteuid() == 0)
        QSKIP("root reads every folder");
    QTemporaryDir tmp;
    const QString locked = tmp.path() + "/locked/";
    QVERIFY(makeFile(locked + "secret.bin", 500));
    QVERIFY(makeFile(tmp.path() + "/open.bin", 7));
    QVERIFY(chmod(QFile::encodeName(locked).constData(), 0) == 0);
    QVERIFY(!fs::CanListFolder(locked));
    QCOMPARE(fs::GetFolderSize(locked), quint64(0));
    QCOMPARE(fs::GetFolderSize(tmp.path()), quint64(7));
    QVERIFY(fs::HasSubfolders(tmp.path())); // the locked folder is still a folder
    chmod(QFile::encodeName(locked).constData(), 0700);
}

void TestAPIFileSystem::listingAndSubfolders() {
    QTemporaryDir tmp;
    const QString root = tmp.path() + "/";
    QVERIFY(makeFile(root + "only-files/a", 1));
    QDir().mkpath(root + "only-empty-sub/sub");
    QDir().mkpath(root + "empty");
    QVERIFY(fs::CanListFolder(root + "empty"));
    QVERIFY(!fs::CanListFolder(root + "missing/"));
    QVERIFY(!fs::HasSubfolders(root + "only-files/"));
    QVERIFY(fs::HasSubfolders(root + "only-empty-sub"));
    QVERIFY(!fs::HasSubfolders(root + "empty/"));
    QCOMPARE(fs::GetFolderSize(root + "only-empty-sub/"), quint64(0));
}

void TestAPIFileSystem::escCancelsTheScan() {
    QTemporaryDir tmp;
    const QString root = tmp.path() + "/";
    for (int i = 0; i < 3; ++i)
        QVERIFY(makeFile(root + QString("d%1/f").arg(i), 10));
    EscMonitor::instance().pressedSinceLastPoll(); // watching from here on, nothing pending
    QWidget window;
    window.show();
    // Esc pressed while the scan runs (it reaches the monitor when the scan lets input run).
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &esc);
    QTest::qWait(40); // past the monitor's interval, so the first poll lets input run
    QCOMPARE(fs::GetFolderSize(root), quint64(0));
    QVERIFY(fs::ScanCancelled);
    // Every further call returns nothing until the flag is cleared.
    QCOMPARE(fs::GetFolderSize(root + "d1/"), quint64(0));
    fs::ScanCancelled = false;
    QCOMPARE(fs::GetFolderSize(root), quint64(30));
}

void TestAPIFileSystem::compositions() {
    QCOMPARE(fs::MakeFileSize(1, 705032704), quint64(5000000000ULL));
    QCOMPARE(fs::MakeFileSize(0, 3000000000U), quint64(3000000000ULL));
    QCOMPARE(fs::MakeFileSize(0xFFFFFFFFU, 0xFFFFFFFFU), quint64(0xFFFFFFFFFFFFFFFFULL));
    QCOMPARE(fs::MakeUnsigned64(3000000000U, 2), 2.0 * 4294967296.0 + 3000000000.0);
}

void TestAPIFileSystem::volumeClassifier() {
    const std::vector<fs::MountEntry> mounts = {
        {"/", "/dev/vda", "ext4"},
        {"/proc", "proc", "proc"},
        {"/sys", "sysfs", "sysfs"},
        {"/dev", "devtmpfs", "devtmpfs"},
        {"/run", "tmpfs", "tmpfs"},
        {"/media/usb", "/dev/sdb1", "vfat"},
        {"/media/ntfs", "/dev/sdc1", "fuseblk"},
        {"/srv/bind", "/dev/vda", "ext4"}, // the root disk once more
        {"/snap/core/1", "/dev/loop0", "squashfs"},
        {"/media/cdrom", "/dev/sr0", "iso9660"},
        {"/mnt/share", "server:/export", "nfs4"},
        {"/mnt/smb", "//server/share", "cifs"},
        {"/mnt/ssh", "user@host:", "fuse.sshfs"},
        {"/home", "/dev/vda2", "btrfs"},
    };
    QCOMPARE(fs::LocalVolumeRoots(mounts),
             QStringList({"/", "/media/usb/", "/media/ntfs/", "/home/"}));
    // This machine's own volumes: the root file system is among them, with its space.
    const QStringList here = fs::GetDriveStrings();
    for (const QString& root : here) {
        QVERIFY(root.endsWith('/'));
        double total = 0, free = 0;
        fs::GetDiskSpace(root, total, free);
        QVERIFY2(total > 0 && free <= total, qPrintable(root));
    }
}

QTEST_MAIN(TestAPIFileSystem)
#include "tst_mapifilesystem.moc"
