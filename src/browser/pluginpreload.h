#pragma once

#include <QString>

#include <thread>

namespace Tintora {

// Loads a plug-in, and every library it needs, on a thread of its own, ahead of its first use: a
// later QPluginLoader of the same file finds it all in place. Loading reads far more than the
// libraries keep using (relocation and symbol tables, code run once): once it is done, the pages of
// the libraries loaded meanwhile that are still unchanged copies of their files are given back to
// the system. What stays is what the loader wrote, which the libraries need anyway. Destroying
// the preload waits for the load to end.
class PluginPreload
{
public:
    explicit PluginPreload(const QString &filePath);

private:
    std::jthread m_thread;
};

} // namespace Tintora
