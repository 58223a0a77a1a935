#!/usr/bin/env bash
# Builds the Debian package into build-package/ and checks it: the desktop
# entry, the AppStream metadata and the whole package, each with its validator.
# Exits non-zero when the build fails or a validator reports an error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh dpkg-dev file lintian desktop-file-utils appstream

# Optimised with debug information, which CPack strips; ccache where present.
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" > build-package.log 2>&1 \
  || { tail -n 40 build-package.log; exit 1; }
cmake --build build-package -j2 --target belegwerk belegwerk_lrelease belegwerk_packaging_docs \
  >> build-package.log 2>&1 || { tail -n 60 build-package.log; exit 1; }
rm -f build-package/belegwerk_*.deb
(cd build-package && cpack -G DEB) >> build-package.log 2>&1 || { tail -n 40 build-package.log; exit 1; }
deb=$(ls build-package/belegwerk_*.deb)
echo "Package: $deb"
dpkg-deb --field "$deb" Depends Recommends

# The validators look at the files as the package installs them.
inhalt=$(mktemp -d)
trap 'rm -rf "$inhalt"' EXIT
dpkg-deb -x "$deb" "$inhalt"
status=0
echo "== desktop-file-validate"
desktop-file-validate "$inhalt"/usr/share/applications/*.desktop || status=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$inhalt"/usr/share/metainfo/*.metainfo.xml || status=1
echo "== lintian"
lintian --info "$deb" || status=1
[ $status -eq 0 ] && echo "All validators passed." || echo "A validator reported an error."
exit $status
