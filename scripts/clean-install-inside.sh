#!/bin/sh
# The part of check-clean-install.sh that runs inside the fresh Debian 12 tree.
set -eu
export DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8
apt-get update -q
# Without recommends, so the package's own Depends must be enough.
apt-get install -y -q --no-install-recommends /tmp/kalvio.deb
apt-get install -y -q --no-install-recommends xvfb xauth x11-utils x11-apps

kalvio --version
kalvio-cli --version
[ "$(kalvio-cli '1+2*3')" = 7 ]
fc-list :lang=ja family | grep -q . || { echo "no Japanese font installed" >&2; exit 1; }
echo "Japanese font: $(fc-match -f '%{family}' 'Noto Sans CJK JP')"

id tester >/dev/null 2>&1 || useradd --create-home tester
su tester -s /bin/sh -c '
    set -eu
    cd
    Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
    xvfb=$!
    export DISPLAY=:77
    tries=0
    until xdpyinfo >/dev/null 2>&1; do
        tries=$((tries + 1)); [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    kalvio >/tmp/kalvio.log 2>&1 &
    kalvio=$!
    tries=0
    until xwininfo -name Kalvio 2>/dev/null | grep -q "Map State: IsViewable"; do
        tries=$((tries + 1))
        if [ $tries -ge 300 ] || ! kill -0 $kalvio 2>/dev/null; then
            echo "kalvio mapped no window; its output:" >&2; cat /tmp/kalvio.log >&2
            kill $xvfb; exit 1
        fi
        sleep 0.1
    done
    xwininfo -name Kalvio | grep -E "Window id|Width|Height|Map State"
    xprop -name Kalvio WM_CLASS | tee /tmp/wm_class.txt
    sleep 1
    xwd -root -silent >/tmp/window.xwd
    kill $kalvio; wait $kalvio || true
    kill $xvfb; wait $xvfb || true
    echo "kalvio mapped its window"
'

# The desktop ties the window to its entry (and icon) by this class on X11.
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.orvelle.Kalvio.desktop)
grep -q "\"$wm_class\"" /tmp/wm_class.txt ||
    { echo "window class is not StartupWMClass=$wm_class" >&2; exit 1; }
