#!/usr/bin/env bash
# Builds the Debian package from a Release build, checks it (desktop-file-validate, lintian
# errors, control fields), installs it with apt-get as a user would, and runs the installed
# programs: lajes-cli design on the worked example, lajes-cli report, lajes-cli --version, and
# the desktop program under a virtual display up to its main window and out through its menu
# "&Arquivos" → "&Saída" (typed with xdotool), and without any display. Removes the package
# at the end.
# Needs root (or sudo) for apt-get.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/pkg-release
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
fail() { echo "package-checks: $*" >&2; exit 1; }

# Debian's hardening flags, as a package built by dpkg-buildpackage would have them.
# CMake reads CXXFLAGS and LDFLAGS but not CPPFLAGS, which carries _FORTIFY_SOURCE.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CPPFLAGS ${CXXFLAGS/-g /}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLAJES_BUILD_TESTS=OFF \
    -DLAJES_BUILD_BENCHMARKS=OFF -DLAJES_BUILD_GUI=ON
cmake --build "$build" -j "$(nproc)"

# The install tree.
stage=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$stage" "$work"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
for f in bin/lajes bin/lajes-cli share/applications/lajes.desktop \
    share/icons/hicolor/scalable/apps/lajes.svg share/man/man1/lajes-cli.1.gz \
    share/man/man1/lajes.1.gz share/doc/lajes/copyright share/doc/lajes/changelog.gz \
    share/mime/packages/lajes.xml share/doc/lajes/examples/L3-caso3.laje; do
    [ -e "$stage/usr/$f" ] || fail "cmake --install did not install usr/$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$stage/usr/share/icons/hicolor/${size}x${size}/apps/lajes.png
    file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a ${size}px PNG"
done
desktop-file-validate "$stage/usr/share/applications/lajes.desktop"
grep -qx 'Name=Cálculo de Lajes' "$stage/usr/share/applications/lajes.desktop" ||
    fail "the menu entry is not named Cálculo de Lajes"
# A double-click on a .laje file opens it in the program.
grep -qx 'Exec=lajes %f' "$stage/usr/share/applications/lajes.desktop" ||
    fail "the menu entry does not pass the file to the program"
grep -qx 'MimeType=application/x-lajes;application/x-lajes-pavimento;' "$stage/usr/share/applications/lajes.desktop" ||
    fail "the menu entry does not claim the .laje and .pavimento files"
grep -q '<glob pattern="\*.laje"/>' "$stage/usr/share/mime/packages/lajes.xml" ||
    fail "the file type does not match *.laje"
grep -q '<glob pattern="\*.pavimento"/>' "$stage/usr/share/mime/packages/lajes.xml" ||
    fail "the floor file type does not match *.pavimento"
echo "== install tree and menu entry: ok"

# The package.
rm -f "$build"/lajes_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/lajes_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single lajes_*.deb"
deb=${debs[0]}
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = lajes ] || fail "Package is $(field Package)"
[ "$(field Section)" = science ] || fail "Section is $(field Section)"
field Maintainer | grep -q '^Equipe Lajes <' || fail "Maintainer is $(field Maintainer)"
depends=$(field Depends)
version=$(sed -n 's/^project(Lajes VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project's $version"
for dep in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 fonts-liberation \
    qt6-qpa-plugins qt6-translations-l10n; do
    grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done
echo "== $deb: Depends: $depends"

# Lintian: errors fail, warnings and notes are shown.
set +e
findings=$(lintian --fail-on error --display-info "$deb" 2>&1)
status=$?
set -e
grep -v 'running with root privileges' <<<"$findings" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"
echo "== lintian: no errors"

# Install as a user would; apt fetches what is missing (its lists are refreshed if needed).
if dpkg-query -W -f='${Status}' lajes 2>/dev/null | grep -q "install ok installed"; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq lajes >/dev/null
fi
install_deb() {
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "./$deb"
}
if ! install_deb; then
    "${sudo_cmd[@]}" apt-get update -qq
    install_deb
fi
[ -x /usr/bin/lajes ] && [ -x /usr/bin/lajes-cli ] || fail "the package did not install the programs"
echo "== installed $(dpkg-query -W -f='${Package} ${Version}' lajes)"

# The installed command line, in an empty folder (no Quenvor.cfg): the worked example.
cd "$work"
set +e
output=$(echo '{"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200}' | /usr/bin/lajes-cli design)
status=$?
set -e
[ "$status" -eq 0 ] || fail "lajes-cli design ended with $status: $output"
grep -qF '"AsxpbEdit":"33Ø5.0c12"' <<<"$output" || fail "lajes-cli design: $output"
echo "== /usr/bin/lajes-cli design: AsxpbEdit 33Ø5.0c12"
example=/usr/share/doc/lajes/examples/L3-caso3.laje
/usr/bin/lajes-cli dxf --input "$example" --output L3.dxf >/dev/null || fail "lajes-cli dxf $example"
tr -d '\r' <L3.dxf | grep -qx 'L3' || fail "lajes-cli dxf did not take the name of $example"
echo "== /usr/bin/lajes-cli dxf of $example: named L3"
if [ -f /usr/share/mime/globs2 ]; then
    grep -q '^[0-9]*:application/x-lajes:\*\.laje$' /usr/share/mime/globs2 ||
        fail "the MIME database does not know *.laje"
    echo "== MIME database: *.laje is application/x-lajes"
    grep -q '^[0-9]*:application/x-lajes-pavimento:\*\.pavimento$' /usr/share/mime/globs2 ||
        fail "the MIME database does not know *.pavimento"
fi

if /usr/bin/lajes-cli --help | grep -q '^  report '; then
    echo '{"SupportCase":1,"Lx":4,"Ly":4,"h":10,"g":250,"q":200}' >slab.json
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        /usr/bin/lajes-cli report --input slab.json --output laje.pdf --decimal , >/dev/null ||
        fail "lajes-cli report failed"
    [ "$(head -c 5 laje.pdf)" = "%PDF-" ] || fail "lajes-cli report wrote no PDF"
    echo "== /usr/bin/lajes-cli report: laje.pdf ($(stat -c %s laje.pdf) bytes)"
fi

[ "$(/usr/bin/lajes-cli --version)" = "lajes-cli $version" ] || fail "lajes-cli --version"
zcat /usr/share/man/man1/lajes.1.gz | head -n 1 | grep -qF "\"Lajes $version\"" ||
    fail "the manual page does not carry version $version"
echo "== /usr/bin/lajes-cli --version: lajes-cli $version"

# The installed desktop program under a virtual display, as a user meets it: up to its main
# window, then Alt+A ("&Arquivos") and "&Saída", leaving its configuration file behind.
rm -f Quenvor.cfg
cat >through-menu.sh <<'EOF'
/usr/bin/lajes "$@" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Estruturas de Concreto - Cálculo de Lajes' | head -n 1)
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+a
sleep 0.5
# "&Salvar Laje" shares the S of "&Saída": the first S marks "Salvar Laje", the second "Saída".
xdotool key s
sleep 0.3
xdotool key s
sleep 0.3
xdotool key Return
wait "$pid"
EOF
set +e
env -u QT_QPA_PLATFORM timeout 60 xvfb-run -a bash through-menu.sh
status=$?
set -e
[ "$status" -eq 0 ] || fail "lajes ended with $status"
[ "$(tail -n 1 Quenvor.cfg | tr -d '\r')" = EOF ] || fail "lajes did not write Quenvor.cfg on exit"
echo "== /usr/bin/lajes: main window reached, left through Arquivos → Saída, Quenvor.cfg written"

# Opened with a slab file, as a double-click does; the recent files go to the program's own
# settings, not to Quenvor.cfg.
set +e
XDG_CONFIG_HOME=$work env -u QT_QPA_PLATFORM timeout 60 xvfb-run -a bash through-menu.sh "$example"
status=$?
set -e
[ "$status" -eq 0 ] || fail "lajes $example ended with $status"
grep -qF "$example" "$work/Lajes/Lajes.conf" || fail "lajes did not open $example"
[ "$(grep -c . Quenvor.cfg)" -eq 9 ] || fail "Quenvor.cfg does not have nine lines"
echo "== /usr/bin/lajes $example: opened, in the recent files"

# Without any display: one line of its own and status 1.
set +e
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/lajes 2>&1)
status=$?
set -e
[ "$status" -eq 1 ] && [ "$(wc -l <<<"$message")" -eq 1 ] && grep -q 'nenhuma tela gráfica' <<<"$message" ||
    fail "lajes without a display ended with $status: $message"
echo "== /usr/bin/lajes without a display: $message"
cd - >/dev/null

DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq lajes >/dev/null
echo "== package checks passed"
