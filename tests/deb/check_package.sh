#!/bin/sh
# check_package.sh PACKAGE.deb
# The package as Debian's tools see it: lintian reports no error (its
# warnings are printed), the desktop entry passes desktop-file-validate, the
# metainfo appstreamcli validate; it holds the program's files in their
# places and no password file.
set -eu
deb=$1
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
fail=0

echo "== lintian $deb"
lintian --fail-on error --display-info "$deb" || fail=1

dpkg-deb -x "$deb" "$unpacked"
echo "== desktop-file-validate"
desktop-file-validate "$unpacked/usr/share/applications/selvadoro.desktop" || fail=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml || fail=1

for file in usr/bin/selvadoro "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/selvadoro/selvadoro_sound.so" \
        usr/share/selvadoro/Guida.pdf \
        usr/share/applications/selvadoro.desktop \
        usr/share/icons/hicolor/scalable/apps/selvadoro.svg \
        usr/share/metainfo/it.selvadoro.Selvadoro.metainfo.xml \
        usr/share/man/man1/selvadoro.1.gz usr/share/doc/selvadoro/copyright \
        usr/share/doc/selvadoro/changelog.gz; do
    if [ ! -s "$unpacked/$file" ]; then
        echo "Manca /$file"
        fail=1
    fi
done
if [ -n "$(find "$unpacked" -name unins000.dll)" ]; then
    echo "Il pacchetto contiene un file della password"
    fail=1
fi
# The libraries from the links, and what the program uses without linking.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6multimedia6 libqrencode4 libcsv3 libzip4 libxlsxwriter4 libical3 \
        gstreamer1.0-plugins-good fonts-dejavu-core qt6-translations-l10n; do
    case " $depends," in
    *" $package "* | *" $package,"*) ;;
    *)
        echo "Depends non nomina $package: $depends"
        fail=1
        ;;
    esac
done
exit $fail
