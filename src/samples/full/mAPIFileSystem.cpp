#include "samples/full/mAPIFileSystem.h"

#include "platform/EscMonitor.h"

#include <QFile>
#include <QSet>
#include <QStorageInfo>

#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mAPIFileSystem {

bool ScanCancelled = false;

namespace {

// File systems that hold no user's disk: the kernel's own, memory, packed read-only images
// (snaps), network shares and optical discs.
const QSet<QByteArray>& unlistedTypes() {
    static const QSet<QByteArray> types = {
        // kernel and memory
        "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "ramfs", "cgroup", "cgroup2", "securityfs",
        "debugfs", "tracefs", "pstore", "bpf", "configfs", "fusectl", "mqueue", "hugetlbfs",
        "autofs", "binfmt_misc", "efivarfs", "nsfs", "rpc_pipefs", "selinuxfs", "overlay", "aufs",
        "squashfs",
        // network
        "nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "afs", "ceph", "glusterfs", "ncpfs",
        "fuse.sshfs", "fuse.davfs2", "fuse.rclone",
        // optical
        "iso9660", "udf"};
    return types;
}

int openFolder(int at, const char* name) {
    return openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool isDotEntry(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Calls visit(name, attributes) for the entries of an open folder other than "." and "..",
// with each entry's own attributes (a link is not followed); entries whose attributes cannot
// be read are skipped. visit returns false to stop.
template <typename Visit> void forEachEntry(DIR* dir, Visit visit) {
    while (const dirent* entry = readdir(dir)) {
        struct stat st;
        if (isDotEntry(entry->d_name) ||
            fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (!visit(entry->d_name, st))
            return;
    }
}

// The folder at path, opened for listing; nullptr when it cannot be.
DIR* openListing(const QString& path) {
    return opendir(QFile::encodeName(WithSlash(path)).constData());
}

// The size of the folder open as `fd` (which this closes), on the volume `device`.
quint64 treeSize(int fd, dev_t device) {
    if (ScanCancelled) {
        close(fd);
        return 0;
    }
    if (EscMonitor::instance().pressedSinceLastPoll()) {
        ScanCancelled = true;
        close(fd);
        return 0;
    }
    DIR* dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return 0;
    }
    quint64 total = 0;
    std::vector<std::string> folders;
    forEachEntry(dir, [&](const char* name, const struct stat& st) {
        if (S_ISREG(st.st_mode))
            total += quint64(st.st_size);
        else if (S_ISDIR(st.st_mode) && st.st_dev == device)
            folders.emplace_back(name); // another volume mounted here is no part
        return true;
    });
    for (const std::string& name : folders) {
        if (ScanCancelled)
            break;
        const int child = openFolder(dirfd(dir), name.c_str());
        if (child >= 0)
            total += treeSize(child, device);
    }
    closedir(dir);
    return total;
}

} // namespace

QString WithSlash(const QString& path) {
    return path.endsWith(u'/') ? path : path + u'/';
}

QStringList LocalVolumeRoots(const std::vector<MountEntry>& mounts) {
    QStringList roots;
    QSet<QByteArray> devices;
    for (const MountEntry& m : mounts) {
        if (!m.device.startsWith("/dev/") || unlistedTypes().contains(m.fsType))
            continue;
        if (devices.contains(m.device))
            continue; // the same disk mounted once more (a bind mount)
        devices.insert(m.device);
        roots << WithSlash(m.root);
    }
    return roots;
}

QStringList GetDriveStrings() {
    std::vector<MountEntry> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            mounts.push_back({volume.rootPath(), volume.device(), volume.fileSystemType()});
    return LocalVolumeRoots(mounts);
}

QString GetVolumeLabel(const QString& root) {
    const QStorageInfo volume(root);
    return volume.isValid() ? volume.name().trimmed() : QString();
}

void GetDiskSpace(const QString& root, double& total, double& free) {
    const QStorageInfo volume(root);
    total = volume.isValid() ? double(volume.bytesTotal()) : 0;
    free = volume.isValid() ? double(volume.bytesFree()) : 0;
}

std::vector<FolderEntry> ListFolder(const QString& path) {
    std::vector<FolderEntry> entries;
    DIR* dir = openListing(path);
    struct stat self;
    if (!dir)
        return entries;
    if (fstat(dirfd(dir), &self) == 0)
        forEachEntry(dir, [&](const char* name, const struct stat& st) {
            if (S_ISDIR(st.st_mode) && st.st_dev == self.st_dev)
                entries.push_back({QFile::decodeName(name), true, 0});
            else if (S_ISREG(st.st_mode))
                entries.push_back({QFile::decodeName(name), false, quint64(st.st_size)});
            return true;
        });
    closedir(dir);
    return entries;
}

bool CanListFolder(const QString& path) {
    DIR* dir = openListing(path);
    if (!dir)
        return false;
    closedir(dir);
    return true;
}

bool HasSubfolders(const QString& path) {
    DIR* dir = openListing(path);
    if (!dir)
        return false;
    bool found = false;
    forEachEntry(dir, [&](const char*, const struct stat& st) {
        found = S_ISDIR(st.st_mode); // its own attributes: a link to a folder is none
        return !found;
    });
    closedir(dir);
    return found;
}

quint64 GetFolderSize(const QString& path) {
    if (ScanCancelled)
        return 0;
    // The folder itself is not followed either when it is a link.
    QString folder = path;
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    const int fd = openFolder(AT_FDCWD, QFile::encodeName(folder).constData());
    if (fd < 0)
        return 0;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return 0;
    }
    return treeSize(fd, st.st_dev);
}

quint64 MakeFileSize(quint32 high, quint32 low) {
    return (quint64(high) << 32) | low;
}

double MakeUnsigned64(quint32 low, quint32 high) {
    return double(MakeFileSize(high, low));
}

} // namespace mAPIFileSystem
