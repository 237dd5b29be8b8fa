#include "data/StoreFaults.h"

#include <sqlcipher/sqlite3.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace velmora {

StoreFaults::Write StoreFaults::s_write = StoreFaults::Write::None;

namespace {

std::string g_unreadable;
sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_layer;

// A file of the engine opened through the layer; the real file follows it in the same block.
struct LayerFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* realOf(sqlite3_file* file) {
    return reinterpret_cast<LayerFile*>(file)->real;
}

int layerClose(sqlite3_file* f) {
    return realOf(f)->pMethods->xClose(realOf(f));
}
int layerRead(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    return realOf(f)->pMethods->xRead(realOf(f), data, amount, offset);
}
int layerWrite(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
    if (StoreFaults::write() == StoreFaults::Write::DiskFull) return SQLITE_FULL;
    return realOf(f)->pMethods->xWrite(realOf(f), data, amount, offset);
}
int layerTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return realOf(f)->pMethods->xTruncate(realOf(f), size);
}
int layerSync(sqlite3_file* f, int flags) {
    return realOf(f)->pMethods->xSync(realOf(f), flags);
}
int layerFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return realOf(f)->pMethods->xFileSize(realOf(f), size);
}
int layerLock(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xLock(realOf(f), level);
}
int layerUnlock(sqlite3_file* f, int level) {
    return realOf(f)->pMethods->xUnlock(realOf(f), level);
}
int layerCheckReserved(sqlite3_file* f, int* out) {
    return realOf(f)->pMethods->xCheckReservedLock(realOf(f), out);
}
int layerFileControl(sqlite3_file* f, int op, void* arg) {
    return realOf(f)->pMethods->xFileControl(realOf(f), op, arg);
}
int layerSectorSize(sqlite3_file* f) {
    return realOf(f)->pMethods->xSectorSize(realOf(f));
}
int layerDevice(sqlite3_file* f) {
    return realOf(f)->pMethods->xDeviceCharacteristics(realOf(f));
}

// Version 1 of the methods: the game keeps a rollback journal and maps no memory, so the shared
// memory and mapping calls are not needed.
const sqlite3_io_methods kMethods = {1,           layerClose,     layerRead,      layerWrite,
                                     layerTruncate, layerSync,    layerFileSize,  layerLock,
                                     layerUnlock, layerCheckReserved, layerFileControl, layerSectorSize,
                                     layerDevice, nullptr,        nullptr,        nullptr,
                                     nullptr,     nullptr,        nullptr};

int layerOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* layer = reinterpret_cast<LayerFile*>(file);
    layer->base.pMethods = nullptr;
    layer->real = reinterpret_cast<sqlite3_file*>(layer + 1);
    // A journal beside the career is a new file: a folder that takes no writes refuses it.
    if ((flags & SQLITE_OPEN_CREATE) && StoreFaults::write() == StoreFaults::Write::ReadOnlyFolder)
        return SQLITE_CANTOPEN;
    if (name && StoreFaults::unreadable(name)) return SQLITE_CANTOPEN;
    const int opened = g_real->xOpen(g_real, name, layer->real, flags, outFlags);
    if (layer->real->pMethods) layer->base.pMethods = &kMethods;
    return opened;
}

} // namespace

void StoreFaults::install() {
    static const bool installed = [] {
        g_real = sqlite3_vfs_find(nullptr);
        if (!g_real) return false;
        g_layer = *g_real;
        g_layer.zName = "velmora";
        g_layer.pNext = nullptr;
        g_layer.szOsFile = static_cast<int>(sizeof(LayerFile)) + g_real->szOsFile;
        g_layer.xOpen = layerOpen;
        return sqlite3_vfs_register(&g_layer, 1) == SQLITE_OK;
    }();
    (void)installed;
}

void StoreFaults::setWrite(Write fault) {
    s_write = fault;
}

void StoreFaults::setUnreadable(const std::string& path) {
    g_unreadable = path.empty() ? "" : std::filesystem::absolute(path).lexically_normal().string();
}

bool StoreFaults::unreadable(const std::string& path) {
    if (g_unreadable.empty()) return false;
    std::error_code error;
    return std::filesystem::absolute(path, error).lexically_normal().string() == g_unreadable;
}

void StoreFaults::clear() {
    s_write = Write::None;
    g_unreadable.clear();
}

int StoreFaults::createError() {
    switch (s_write) {
    case Write::DiskFull:
        return ENOSPC;
    case Write::ReadOnlyFolder:
        return EACCES;
    case Write::None:
        break;
    }
    return 0;
}

int StoreFaults::writeError() {
    return s_write == Write::DiskFull ? ENOSPC : 0;
}

} // namespace velmora
