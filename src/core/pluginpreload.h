#pragma once

#include <QString>

#include <thread>

namespace Tintora {

// Loads a plug-in, and every library it needs, on a thread of its own, ahead of its first use: a
// later QPluginLoader of the same file finds it all in place. Of the libraries it brings in, the
// pages that loading only read (relocation and symbol tables, code) are given back to the system
// once it is done; what stays is what the loader wrote, which the libraries need anyway.
// Destroying the preload waits for the load to end.
class PluginPreload
{
public:
    explicit PluginPreload(const QString &filePath);

private:
    std::jthread m_thread;
};

} // namespace Tintora
