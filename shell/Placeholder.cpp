// Keeps the core library non-empty until the shell's own sources arrive.
namespace vxw {
int ShellPlaceholder() { return 0; }
} // namespace vxw
