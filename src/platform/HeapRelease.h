#pragma once

// Start-up builds and throws away a good deal (the first text layouts, the settings file's parse,
// icon lookups): the C library keeps the freed pages for later allocations. Once the program has
// settled, handing them back keeps a program that mostly sits in the tray small.
namespace HeapRelease {
// Returns the heap's wholly free pages to the system; nothing where the C library cannot.
void releaseFreePages();
} // namespace HeapRelease
