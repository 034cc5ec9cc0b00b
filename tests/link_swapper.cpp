// Helper of the package's system test (packaging/system-test.sh): plays a
// member of the group tallyvane who watches the shared rates folder and, the
// moment anything new appears in it, puts a symbolic link to TARGET in its
// place. A root script that then writes, chowns or chmods that name reaches
// TARGET instead.
//
//   link_swapper FOLDER TARGET
//
// Prints "ready" once it watches, then "swapped NAME" for each swap, each line
// flushed; runs until killed. Exit status 1 on a failure to watch, 2 for usage.

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: link_swapper FOLDER TARGET\n");
        return 2;
    }
    const std::string folder = argv[1];
    const char* target = argv[2];
    const int fd = inotify_init1(IN_CLOEXEC);
    if (fd < 0 || inotify_add_watch(fd, folder.c_str(), IN_CREATE | IN_MOVED_TO) < 0) {
        std::fprintf(stderr, "link_swapper: %s: %s\n", folder.c_str(), std::strerror(errno));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    // The link is made under a spare name and renamed over the new entry, so
    // the name never goes missing in between.
    const std::string spare = ".swap." + std::to_string(getpid());
    const std::string sparePath = folder + '/' + spare;
    alignas(inotify_event) char buf[64 * (sizeof(inotify_event) + NAME_MAX + 1)];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "link_swapper: %s\n", std::strerror(errno));
            return 1;
        }
        for (const char* p = buf; p < buf + n;) {
            const auto* ev = reinterpret_cast<const inotify_event*>(p);
            p += sizeof(inotify_event) + ev->len;
            if (ev->len == 0 || (ev->mask & IN_ISDIR) != 0)
                continue;
            const std::string name = ev->name;
            const std::string path = folder + '/' + name;
            struct stat st {};
            // Our own renames come back as new entries too.
            if (name == spare || (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)))
                continue;
            if (symlink(target, sparePath.c_str()) != 0 || rename(sparePath.c_str(), path.c_str()) != 0) {
                std::fprintf(stderr, "link_swapper: %s: %s\n", name.c_str(), std::strerror(errno));
                unlink(sparePath.c_str());
                continue;
            }
            std::printf("swapped %s\n", name.c_str());
            std::fflush(stdout);
        }
    }
}
