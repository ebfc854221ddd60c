# Shared settings of the project's scripts (sourced, not run).
SHELL_CACHE=${SHELL_CACHE:-/var/cache/display-shell}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
# The display's X resource database, which a bare X server lacks (see the file).
XENVIRONMENT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/x-resources
export XENVIRONMENT
