#include "SmallFileSystem.h"

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace kbtest
{
struct SmallFileSystem::Saved
{
    rlimit limit {};
    void (*handler) (int) = SIG_DFL;
};

SmallFileSystem::SmallFileSystem (int kilobytes, bool mayMount)
    : root (juce::File::createTempFile ("kbsmallfs"))
{
    root.createDirectory();

    if (mayMount && geteuid() == 0)
    {
        const auto options = "size=" + juce::String (kilobytes) + "k,mode=0700";
        mounted = mount ("tmpfs", root.getFullPathName().toRawUTF8(), "tmpfs", MS_NOSUID | MS_NODEV,
                         options.toRawUTF8()) == 0;
    }

    folder = root.getChildFile ("work");
    folder.createDirectory();
    filler = root.getChildFile ("filler");
}

SmallFileSystem::~SmallFileSystem()
{
    makeRoom();

    if (mounted)
        umount2 (root.getFullPathName().toRawUTF8(), MNT_DETACH);

    root.deleteRecursively();
}

void SmallFileSystem::leaveFree (juce::int64 bytes)
{
    makeRoom();

    if (mounted)
    {
        struct statvfs info {};
        if (statvfs (root.getFullPathName().toRawUTF8(), &info) != 0)
            return;

        const auto available = (juce::int64) info.f_bavail * (juce::int64) info.f_bsize;
        if (available <= bytes)
            return;

        // Written in one block of zeros: tmpfs charges whole pages, so the rest stays free.
        juce::MemoryBlock zeros ((size_t) (available - bytes), true);
        juce::FileOutputStream out (filler, 0);
        out.write (zeros.getData(), zeros.getSize());
        return;
    }

    saved = std::make_unique<Saved>();
    getrlimit (RLIMIT_FSIZE, &saved->limit);
    saved->handler = std::signal (SIGXFSZ, SIG_IGN);

    rlimit limit = saved->limit;
    limit.rlim_cur = (rlim_t) bytes;
    setrlimit (RLIMIT_FSIZE, &limit);
}

void SmallFileSystem::makeRoom()
{
    filler.deleteFile();

    if (saved != nullptr)
    {
        setrlimit (RLIMIT_FSIZE, &saved->limit);
        std::signal (SIGXFSZ, saved->handler);
        saved = nullptr;
    }
}

juce::String SmallFileSystem::describe() const
{
    return mounted ? "a full tmpfs" : "a file size limit";
}

juce::String SmallFileSystem::whyUnavailable()
{
    return {};
}
} // namespace kbtest
