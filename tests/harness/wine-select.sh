# Sourced by the harness scripts: which Wine loader runs the Windows test programs here.
# Wine's 32-bit loader is a 32-bit Linux program; a kernel booted without 32-bit
# emulation (ia32_emulation=off) refuses to start it, and Wine's new WoW64 mode needs
# 32-bit system calls as well. There the test programs are built for x86-64 from the
# same sources and run by the 64-bit loader in a 64-bit prefix; the 32-bit product
# is then checked by its header and import table only.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINEARCH=win32
    wine_loader=wine
else
    WINEARCH=win64
    wine_loader=/usr/lib/wine/wine64
    export WINELOADER=$wine_loader
fi
export WINEARCH
