// The program's version where a reader of the program file finds it (see
// GetFileVersion): compiled into every executable that links the core, so the
// file itself carries it however the core is linked.

namespace {

// SOH, the tag and STX, then the version and NUL. Kept in the binary although nothing refers to it.
[[gnu::used]] const char versionMarker[] = "\x01VELINOR-FILEVERSION\x02" VELINOR_VERSION;

} // namespace
