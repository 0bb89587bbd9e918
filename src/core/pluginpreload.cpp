#include "core/pluginpreload.h"

#include <QPluginLoader>

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

struct PageRange
{
    std::uintptr_t begin;
    std::uintptr_t end;
};

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

// Text relocations make the loader write to read-only segments: those pages hold the only copy
// of what it wrote.
bool hasTextRelocations(const dl_phdr_info &info)
{
    for (int index = 0; index < info.dlpi_phnum; ++index) {
        const ElfW(Phdr) &header = info.dlpi_phdr[index];
        if (header.p_type != PT_DYNAMIC)
            continue;
        const auto *entry = reinterpret_cast<const ElfW(Dyn) *>(info.dlpi_addr + header.p_vaddr);
        for (; entry->d_tag != DT_NULL; ++entry) {
            if (entry->d_tag == DT_TEXTREL
                || (entry->d_tag == DT_FLAGS && (entry->d_un.d_val & DF_TEXTREL)))
                return true;
        }
    }
    return false;
}

// Drops the pages of an object loaded since the snapshot in data that the loader only read. They
// are unchanged copies of the file: the system keeps the file's pages in its cache and maps them
// again if the program ever reads them. Pages the loader wrote to (writable segments, relocated
// read-only data) are private copies and stay.
int releaseReadOnlyPages(dl_phdr_info *info, size_t, void *data)
{
    if (static_cast<const ObjectNames *>(data)->count(info->dlpi_name) || hasTextRelocations(*info))
        return 0;
    const auto pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto pageStart = [pageSize](std::uintptr_t address) {
        return address & ~(pageSize - 1);
    };
    const auto pageEnd = [&](std::uintptr_t address) {
        return pageStart(address + pageSize - 1);
    };

    std::vector<PageRange> written;
    for (int index = 0; index < info->dlpi_phnum; ++index) {
        const ElfW(Phdr) &header = info->dlpi_phdr[index];
        const std::uintptr_t start = info->dlpi_addr + header.p_vaddr;
        if ((header.p_type == PT_LOAD && (header.p_flags & PF_W)) || header.p_type == PT_GNU_RELRO)
            written.push_back({pageStart(start), pageEnd(start + header.p_memsz)});
    }
    for (int index = 0; index < info->dlpi_phnum; ++index) {
        const ElfW(Phdr) &header = info->dlpi_phdr[index];
        if (header.p_type != PT_LOAD || (header.p_flags & PF_W))
            continue;
        const std::uintptr_t start = info->dlpi_addr + header.p_vaddr;
        PageRange range {pageEnd(start), pageStart(start + header.p_memsz)};
        // Segments share a page at most at their ends; a written range inside one is no ELF layout
        // the loader makes, and the segment is left alone then.
        for (const PageRange &taken : written) {
            if (taken.end <= range.begin || taken.begin >= range.end)
                continue;
            if (taken.begin <= range.begin)
                range.begin = taken.end;
            else if (taken.end >= range.end)
                range.end = taken.begin;
            else
                range.end = range.begin;
        }
        if (range.end > range.begin)
            madvise(reinterpret_cast<void *>(range.begin), range.end - range.begin, MADV_DONTNEED);
    }
    return 0;
}

} // namespace

PluginPreload::PluginPreload(const QString &filePath)
    : m_thread([filePath, before = loadedObjects()]() mutable {
        if (QPluginLoader(filePath).load())
            dl_iterate_phdr(releaseReadOnlyPages, &before);
    })
{ }

} // namespace Tintora
