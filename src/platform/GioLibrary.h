#pragma once

#ifdef MT_HAVE_GIO
// GIO's headers use "signals" as a field name, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

// GIO, loaded the first time something needs it rather than linked: it brings GObject, libmount,
// libblkid and libselinux with it, which most runs never use (only the browser lookup and launch use
// it). The headers give the types; the functions are looked up in the
// loaded library. A function the code needs is one more line in MT_GIO_FUNCTIONS.
#define MT_GIO_FUNCTIONS(X)                                                                                  \
    X(g_app_info_get_default_for_type)                                                                       \
    X(g_app_info_get_executable)                                                                             \
    X(g_app_info_get_id)                                                                                     \
    X(g_app_info_launch_uris)                                                                                \
    X(g_desktop_app_info_new)                                                                                \
    X(g_error_free)                                                                                          \
    X(g_list_append)                                                                                         \
    X(g_list_free)                                                                                           \
    X(g_object_unref)

struct GioLibrary {
#define MT_GIO_MEMBER(name) decltype(&::name) name = nullptr;
    MT_GIO_FUNCTIONS(MT_GIO_MEMBER)
#undef MT_GIO_MEMBER
};

// GIO's functions, loaded on the first call (from any thread; later calls return at once); null when
// the library or one of the functions cannot be loaded. The library stays loaded until the process
// ends: GObject's type system cannot be unloaded.
const GioLibrary* gioLibrary();
#endif
