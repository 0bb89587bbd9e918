#include "browser/pluginpreload.h"

#include <QPluginLoader>

#include <fcntl.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace Tintora {

namespace {

using ObjectNames = std::set<std::string>;

ObjectNames loadedObjects()
{
    ObjectNames names;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            static_cast<ObjectNames *>(data)->insert(info->dlpi_name);
            return 0;
        },
        &names);
    return names;
}

struct Release
{
    ObjectNames before;
    int pagemap; // the kernel's page table of this process
    std::uintptr_t pageSize;
};

// Drops the pages of [begin, end) that are still the file's own: mapped, and no private copy
// (which is what the loader, a debugger or the library itself made of a page it wrote to).
void releaseUnchangedPages(const Release &release, std::uintptr_t begin, std::uintptr_t end)
{
    constexpr std::uint64_t kPresent = std::uint64_t(1) << 63;
    constexpr std::uint64_t kFilePage = std::uint64_t(1) << 61;
    std::vector<std::uint64_t> entries((end - begin) / release.pageSize);
    const auto bytes = ssize_t(entries.size() * sizeof(std::uint64_t));
    const auto offset = off_t(begin / release.pageSize * sizeof(std::uint64_t));
    if (pread(release.pagemap, entries.data(), size_t(bytes), offset) != bytes)
        return;
    std::size_t runStart = 0;
    for (std::size_t page = 0; page <= entries.size(); ++page) {
        const bool unchanged = page < entries.size()
            && (entries[page] & (kPresent | kFilePage)) == (kPresent | kFilePage);
        if (!unchanged) {
            if (page > runStart)
                madvise(reinterpret_cast<void *>(begin + runStart * release.pageSize),
                        (page - runStart) * release.pageSize, MADV_DONTNEED);
            runStart = page + 1;
        }
    }
}

// Of an object loaded since the snapshot, gives back the pages of its read-only segments that
// are unchanged copies of its file: the system keeps the file's pages in its cache and maps them
// again if the program ever reads them. Only whole pages within what the segment maps from the
// file: the loader zeroes the rest of a segment's last file page.
int releaseReadOnlyPages(dl_phdr_info *info, size_t, void *data)
{
    const auto &release = *static_cast<const Release *>(data);
    if (release.before.count(info->dlpi_name))
        return 0;
    for (int index = 0; index < info->dlpi_phnum; ++index) {
        const ElfW(Phdr) &header = info->dlpi_phdr[index];
        if (header.p_type != PT_LOAD || (header.p_flags & PF_W))
            continue;
        const std::uintptr_t start = info->dlpi_addr + header.p_vaddr;
        const std::uintptr_t begin = (start + release.pageSize - 1) & ~(release.pageSize - 1);
        const std::uintptr_t end = (start + header.p_filesz) & ~(release.pageSize - 1);
        if (end > begin)
            releaseUnchangedPages(release, begin, end);
    }
    return 0;
}

} // namespace

PluginPreload::PluginPreload(const QString &filePath)
    : m_thread([filePath, before = loadedObjects()]() mutable {
        if (!QPluginLoader(filePath).load())
            return;
        Release release {std::move(before), open("/proc/self/pagemap", O_RDONLY | O_CLOEXEC),
                         std::uintptr_t(sysconf(_SC_PAGESIZE))};
        if (release.pagemap < 0)
            return;
        // Holding the loader's lock, so no object goes away meanwhile.
        dl_iterate_phdr(releaseReadOnlyPages, &release);
        close(release.pagemap);
    })
{ }

} // namespace Tintora
