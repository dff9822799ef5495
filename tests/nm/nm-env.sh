# Shell functions that set up and tear down the NetworkManager test environment. Sourced by
# run-nm-tests.sh (and usable by hand: `source tests/nm/nm-env.sh; nm_env_up; ...; nm_env_down`).
#
# Everything lives in one temporary folder ($NM_ENV_DIR):
# - a private bus for the dbusmock stand-in (mock-bus) and one for the real daemon (real-bus), both
#   listening on path sockets (abstract sockets do not cross network namespaces);
# - the real NetworkManager in its own network namespace, managing only veth devices named mtnm*,
#   whose peers (mtpeer*) sit in a second namespace; its /run, state folder, resolv.conf and hostname
#   are private bind mounts inside its own mount namespace, so the host's networking is never touched.

NM_ENV_DIR=""
NM_ENV_NS=""
NM_ENV_PEER_NS=""
NM_ENV_PIDS=()
NM_ENV_IFACES=3

_nm_env_bus_config() { # $1: socket path
    cat <<XML
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=$1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow receive_sender="*"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
XML
}

# Starts a private bus and sets NM_ENV_BUS_ADDRESS to its address. $1: name (folder under
# $NM_ENV_DIR). Not to be called in a subshell: the daemon's pid must reach NM_ENV_PIDS.
_nm_env_start_bus() {
    local d="$NM_ENV_DIR/$1"
    mkdir -p "$d"
    _nm_env_bus_config "$d/socket" >"$d/bus.conf"
    dbus-daemon --config-file="$d/bus.conf" --nofork --nopidfile --print-address=3 3>"$d/address" \
        >"$d/log" 2>&1 &
    NM_ENV_PIDS+=($!)
    local i
    for i in $(seq 100); do
        [ -s "$d/address" ] && break
        sleep 0.05
    done
    [ -s "$d/address" ] || { echo "nm-env: the private bus $1 did not start" >&2; return 1; }
    NM_ENV_BUS_ADDRESS="unix:path=$d/socket"
}

# Prints a reason and returns 1 when the real daemon cannot run here.
nm_env_can_run_real() {
    if [ "$(id -u)" != 0 ]; then echo "not root"; return 1; fi
    command -v NetworkManager >/dev/null || { echo "NetworkManager is not installed"; return 1; }
    command -v ip >/dev/null || { echo "iproute2 is not installed"; return 1; }
    local probe="mtnmprobe$$"
    if ! ip netns add "$probe" 2>/dev/null; then echo "network namespaces are not available"; return 1; fi
    local ok=0
    ip -n "$probe" link add mtprobe0 type veth peer name mtprobe1 2>/dev/null || ok=1
    ip netns del "$probe" 2>/dev/null
    [ $ok = 0 ] || { echo "veth devices are not available"; return 1; }
    return 0
}

nm_env_up_dir() {
    NM_ENV_DIR="$(mktemp -d /tmp/mt-nm-env.XXXXXX)"
    chmod 755 "$NM_ENV_DIR"
}

# The bus for the dbusmock stand-in: exports MT_NM_MOCK_BUS.
nm_env_up_mock_bus() {
    _nm_env_start_bus mock-bus || return 1
    MT_NM_MOCK_BUS="$NM_ENV_BUS_ADDRESS"
    export MT_NM_MOCK_BUS
}

# Starts the daemon in namespace $2 with the files of folder $1, on the bus at address $3, and waits
# until it answers; sets NM_ENV_DAEMON_PID. Also used by nm-ctl.sh to restart it.
_nm_env_start_daemon() {
    local d="$1" ns="$2" bus="$3" i
    # ip netns exec gives the daemon its own mount namespace (with its own /sys); the bind mounts
    # below stay inside it.
    ip netns exec "$ns" unshare --mount --propagation private sh -c '
        d="$1"
        mount --bind "$d/run" /run &&
        mount --bind "$d/lib" /var/lib/NetworkManager &&
        mount --bind "$d/resolv.conf" /etc/resolv.conf &&
        mount --bind "$d/hostname" /etc/hostname &&
        mount -o remount,ro /sys &&
        exec env DBUS_SYSTEM_BUS_ADDRESS="$2" NetworkManager --no-daemon --config="$d/nm.conf" \
            --state-file="$d/NetworkManager.state" --pid-file="$d/nm.pid"
    ' sh "$d" "$bus" >>"$d/log" 2>&1 &
    NM_ENV_DAEMON_PID=$!
    # Every step above execs the next, so this is the daemon's own pid (it writes no pid file when
    # it does not fork).
    echo "$NM_ENV_DAEMON_PID" >"$d/daemon.pid"
    for i in $(seq 200); do
        _nm_env_answers "$bus" && return 0
        sleep 0.05
    done
    echo "nm-env: NetworkManager did not start; its log:" >&2
    cat "$d/log" >&2
    return 1
}

_nm_env_answers() {
    DBUS_SYSTEM_BUS_ADDRESS="$1" dbus-send --system --print-reply --reply-timeout=500 \
        --dest=org.freedesktop.NetworkManager /org/freedesktop/NetworkManager \
        org.freedesktop.DBus.Properties.Get string:org.freedesktop.NetworkManager string:Version \
        >/dev/null 2>&1
}

# The real daemon: exports MT_NM_REAL_BUS, MT_NM_PEER_NS, MT_NM_IFACES, and for nm-ctl.sh MT_NM_ENV_DIR
# and MT_NM_NS.
nm_env_up_real() {
    local d="$NM_ENV_DIR/nm" i
    _nm_env_start_bus real-bus || return 1
    MT_NM_REAL_BUS="$NM_ENV_BUS_ADDRESS"
    mkdir -p "$d/run" "$d/lib" "$d/connections"
    : >"$d/resolv.conf"
    echo mt-nm-test >"$d/hostname"
    NM_ENV_NS="mtnm-$$"
    NM_ENV_PEER_NS="mtnmpeer-$$"
    ip netns add "$NM_ENV_NS" || return 1
    ip netns add "$NM_ENV_PEER_NS" || return 1
    ip -n "$NM_ENV_NS" link set lo up
    local ifaces=()
    for i in $(seq 0 $((NM_ENV_IFACES - 1))); do
        ip link add "mtnm$i" netns "$NM_ENV_NS" type veth peer name "mtpeer$i" netns "$NM_ENV_PEER_NS" ||
            return 1
        ip -n "$NM_ENV_PEER_NS" addr add "10.77.$i.1/24" dev "mtpeer$i"
        ip -n "$NM_ENV_PEER_NS" link set "mtpeer$i" up
        ifaces+=("mtnm$i")
    done
    cat >"$d/nm.conf" <<CONF
[main]
plugins=keyfile
no-auto-default=*
dns=none
rc-manager=unmanaged
hostname-mode=none
auth-polkit=false
dhcp=internal
firewall-backend=none

[keyfile]
path=$d/connections
unmanaged-devices=except:interface-name:mtnm*

[connectivity]
enabled=false

[logging]
level=INFO
CONF
    _nm_env_start_daemon "$d" "$NM_ENV_NS" "$MT_NM_REAL_BUS"
    local rc=$?
    NM_ENV_PIDS+=($NM_ENV_DAEMON_PID)
    [ $rc = 0 ] || return 1
    MT_NM_PEER_NS="$NM_ENV_PEER_NS"
    MT_NM_IFACES="$(IFS=,; echo "${ifaces[*]}")"
    MT_NM_ENV_DIR="$NM_ENV_DIR"
    MT_NM_NS="$NM_ENV_NS"
    MT_NM_CTL="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/nm-ctl.sh"
    export MT_NM_REAL_BUS MT_NM_PEER_NS MT_NM_IFACES MT_NM_ENV_DIR MT_NM_NS MT_NM_CTL
}

# Sends SIGTERM to $1 when it is still one of ours (its command line names our folder), so that a
# pid reused by another process is never touched.
_nm_env_kill_ours() {
    local pid="$1"
    [ -n "$pid" ] && [ -n "$NM_ENV_DIR" ] || return 0
    if { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null | grep -qF "$NM_ENV_DIR"; then
        kill "$pid" 2>/dev/null
    fi
    return 0
}

# Stops everything started above, in reverse order; safe to call more than once.
nm_env_down() {
    local i pid
    # The daemon first (also when nm-ctl.sh restarted it: its pid file names the current one).
    if [ -n "$NM_ENV_DIR" ] && [ -s "$NM_ENV_DIR/nm/daemon.pid" ]; then
        pid="$(cat "$NM_ENV_DIR/nm/daemon.pid")"
        _nm_env_kill_ours "$pid"
        # Not necessarily our child (nm-ctl.sh may have started it): wait for it to go.
        for i in $(seq 100); do
            [ -d "/proc/$pid" ] || break
            sleep 0.05
        done
    fi
    for ((i = ${#NM_ENV_PIDS[@]} - 1; i >= 0; i--)); do
        pid="${NM_ENV_PIDS[$i]}"
        _nm_env_kill_ours "$pid"
        wait "$pid" 2>/dev/null
    done
    NM_ENV_PIDS=()
    [ -n "$NM_ENV_NS" ] && ip netns del "$NM_ENV_NS" 2>/dev/null
    [ -n "$NM_ENV_PEER_NS" ] && ip netns del "$NM_ENV_PEER_NS" 2>/dev/null
    NM_ENV_NS=""
    NM_ENV_PEER_NS=""
    if [ -n "$NM_ENV_DIR" ] && [ -z "${MT_NM_KEEP_ENV:-}" ]; then
        rm -rf "$NM_ENV_DIR"
    fi
    NM_ENV_DIR=""
}
