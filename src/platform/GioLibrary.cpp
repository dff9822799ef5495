#include "platform/GioLibrary.h"

#ifdef MT_HAVE_GIO
#include <dlfcn.h>

namespace {
const GioLibrary* load() {
    void* handle = dlopen("libgio-2.0.so.0", RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle)
        return nullptr;
    static GioLibrary gio;
    bool complete = true;
#define MT_GIO_RESOLVE(name)                                                                                 \
    gio.name = reinterpret_cast<decltype(gio.name)>(dlsym(handle, #name));                                   \
    complete = complete && gio.name;
    MT_GIO_FUNCTIONS(MT_GIO_RESOLVE)
#undef MT_GIO_RESOLVE
    return complete ? &gio : nullptr;
}
} // namespace

const GioLibrary* gioLibrary() {
    static const GioLibrary* const loaded = load();
    return loaded;
}
#endif
