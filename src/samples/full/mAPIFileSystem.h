#pragma once
// The folder size manager's file-system services: the local volumes, a volume's label and
// space, whether a folder can be listed and has subfolders, and the total size of a folder
// tree. Folder paths end with "/" (one is appended where it is missing). Nothing is cached.
//
// The size of a tree is the sum of its regular files' sizes (hard links counted as often as
// they occur), as 64-bit unsigned byte counts. Symbolic links are never followed and count
// nothing, so a link loop cannot hang a scan, and a scan stays on the volume it starts on:
// folders where other volumes are mounted (and /proc, /sys, /dev) are no part of it. Folders
// that cannot be listed count nothing and raise no error.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <vector>

namespace mAPIFileSystem {

// Set by a scan when the user presses Esc (polled once per folder visited, letting pending
// input run); while set every GetFolderSize returns 0 at once. The window clears it before
// each calculation.
extern bool ScanCancelled;

// A mounted file system as the system lists it.
struct MountEntry {
    QString root;      // mount point
    QByteArray device; // "/dev/sda1", "proc", "server:/export"...
    QByteArray fsType; // "ext4", "vfat", "nfs", "tmpfs"...
};
// The volumes a user measures: local fixed and removable disks (block devices), not pseudo,
// memory, network, optical or packed read-only image file systems; one root per device (the
// first mount of a device mounted twice). Roots end with "/".
QStringList LocalVolumeRoots(const std::vector<MountEntry>& mounts);
// LocalVolumeRoots of the volumes mounted now.
QStringList GetDriveStrings();

QString GetVolumeLabel(const QString& root);                         // "" when there is none
void GetDiskSpace(const QString& root, double& total, double& free); // free: all, not the quota

bool CanListFolder(const QString& path);
bool HasSubfolders(const QString& path); // a symbolic link to a folder is no subfolder
quint64 GetFolderSize(const QString& path);

quint64 MakeFileSize(quint32 high, quint32 low);
double MakeUnsigned64(quint32 low, quint32 high);

// Appends "/" unless the path ends with one.
QString WithSlash(const QString& path);

} // namespace mAPIFileSystem
