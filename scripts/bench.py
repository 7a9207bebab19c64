#!/usr/bin/env python3
"""Measures the real program under a virtual display and a PulseAudio server
with null sinks: start-up, memory, idle cost, bell punctuality and sound
start, next to three desktop timers that Debian ships. Prints one table of
medians and writes the raw figures to bench-results/.

Run through scripts/bench, which installs what this needs and builds the
optimised program first.
"""
import datetime
import json
import math
import os
import platform
import shutil
import signal
import statistics
import struct
import subprocess
import sys
import tempfile
import threading
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = os.path.join(TOP, "build", "release", "selvantora")
TITLE = "Selvantora Meditation Timer"
RATE = 48000
TICKS = os.sysconf("SC_CLK_TCK")
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
RUNS = 5

work = tempfile.mkdtemp(prefix="selvantora-bench-")
env = dict(os.environ)
procs = []


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def run(*cmd, **kw):
    return subprocess.run(cmd, env=kw.pop("env", env), capture_output=True, text=True, **kw)


# --- The desktop: a virtual display and a sound server ------------------------------

SINKS = ["idle", "busy", "test", "clock"] + ["med%d" % i for i in range(RUNS)]


def start_desktop():
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700)
    env.update(XDG_RUNTIME_DIR=runtime, PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"),
               HOME=work, QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    args = ["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "-n",
            "--load=module-native-protocol-unix"]
    args += ["--load=module-null-sink sink_name=%s rate=%d" % (s, RATE) for s in SINKS]
    procs.append(subprocess.Popen(args, env=env, stderr=subprocess.DEVNULL))
    for _ in range(100):
        if run("pactl", "info").returncode == 0:
            break
        time.sleep(0.1)
    display = next(n for n in range(91, 200) if not os.path.exists("/tmp/.X11-unix/X%d" % n))
    procs.append(subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", "1280x1024x24",
                                   "-nolisten", "tcp"], stderr=subprocess.DEVNULL))
    env["DISPLAY"] = ":%d" % display
    for _ in range(100):
        if run("xdpyinfo").returncode == 0:
            break
        time.sleep(0.05)
    time.sleep(1)  # a fresh server's monitors record nothing for a moment


class Recording:
    """The sound a sink played, as signed 16-bit mono samples, with the wall
    time at which each piece arrived: a null sink's monitor can start late or
    pause while its sink is idle, so sample counts alone do not tell the time."""

    CHUNK = 2 * RATE // 200  # 5 ms

    def __init__(self, sink):
        self.chunks = []  # (wall time of arrival, bytes)
        self.proc = subprocess.Popen(
            ["parec", "--latency-msec=5", "-d", sink + ".monitor", "--format=s16le",
             "--rate=%d" % RATE, "--channels=1"], env=env, stdout=subprocess.PIPE, bufsize=0)
        self.reader = threading.Thread(target=self._read)
        self.reader.start()

    def _read(self):
        while True:
            data = self.proc.stdout.read(self.CHUNK)
            if not data:
                return
            self.chunks.append((time.time(), data))

    def stop(self):
        self.proc.send_signal(signal.SIGINT)
        self.proc.wait()
        self.reader.join()

    def onsets(self):
        """Wall-clock times at which a sound starts: the level of 5 ms of sound
        jumps well above what it was a moment before."""
        samples, ends = [], []  # ends: (index after a chunk's last sample, its arrival)
        for arrived, data in self.chunks:
            n = len(data) // 2
            samples.extend(struct.unpack("<%dh" % n, data[:n * 2]))
            ends.append((len(samples), arrived))

        def wall(index):
            # A sample reached us when the chunk holding it did, less what followed it.
            for end, arrived in ends:
                if index < end:
                    return arrived - (end - index) / RATE
            return ends[-1][1] if ends else 0.0

        win = RATE // 200
        levels = []
        for i in range(0, len(samples) - win, win):
            chunk = samples[i:i + win]
            levels.append(math.sqrt(sum(x * x for x in chunk) / win) / 32767)
        found, last = [], -1.0
        for i, level in enumerate(levels):
            before = max(levels[max(0, i - 20):max(0, i - 2)] or [0])
            t = i * win / RATE
            if level > 0.02 and level > 2.5 * before + 0.005 and t - last > 0.5:
                first = next((k for k in range(i * win, i * win + win) if abs(samples[k]) > 200),
                             i * win)
                found.append(wall(first))
                last = t
        return found


# --- Programs ---------------------------------------------------------------------

def settings(folder, **kw):
    """A settings file: custom meditation time, list positions, options."""
    name = lambda t: bytes([len(t)]) + t.encode()
    data = struct.pack("<H5i6i", 3, kw.get("rem_pos", 3), 0, kw.get("med_pos", 4), 0,
                       kw.get("delay_pos", 1), kw.get("auto_start", 0), kw.get("custom_med", 25),
                       3, 0, kw.get("clock_bells", 0), 0)
    data += name("Internal Chime") * 3 + struct.pack("<ii", 30, 1) + b"\0\0" * 3
    with open(os.path.join(folder, "selvantora.2sx"), "wb") as f:
        f.write(data)


def app_pid(p, name):
    """The program's own process: for a peer started through a session bus,
    the child of that name in its process group."""
    if name is None:
        return p.pid
    for _ in range(500):
        r = run("pgrep", "-g", str(p.pid), "-x", name[:15])
        if r.stdout.strip():
            return int(r.stdout.split()[0])
        time.sleep(0.01)
    return p.pid


def launch(cmd, sink="idle", extra=None, folder=None):
    folder = folder or tempfile.mkdtemp(dir=work)
    e = dict(env, PULSE_SINK=sink, **(extra or {}))
    started = time.monotonic()
    p = subprocess.Popen(cmd, cwd=folder, env=e, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL, start_new_session=True)
    procs.append(p)
    return p, started, folder


def window_of(pid, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        r = run("xdotool", "search", "--onlyvisible", "--pid", str(pid))
        if r.stdout.strip():
            return r.stdout.split()[0], time.monotonic()
        time.sleep(0.002)
    return None, None


def keys(window, *names):
    run("xdotool", "windowfocus", "--sync", window)
    run("xdotool", "key", "--delay", "15", *names)


def stop(p):
    if p.poll() is None:
        os.killpg(p.pid, signal.SIGTERM)
        try:
            p.wait(10)
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)


def cpu_ms(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000.0 / TICKS


def rss_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def wakeups(pid):
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/status" % (pid, task)) as f:
                for line in f:
                    if "ctxt_switches" in line:
                        total += int(line.split()[1])
        except OSError:
            pass
    return total


# --- The measurements ----------------------------------------------------------------

results = {}


def median(values):
    values = [v for v in values if v is not None and not math.isnan(v)]
    return statistics.median(values) if values else float("nan")


def startup(name, cmd, extra=None):
    times = []
    for _ in range(RUNS):
        p, started, _ = launch(cmd, extra=extra)
        window, at = window_of(app_pid(p, None if name == "selvantora" else cmd[-1]))
        if window:
            times.append((at - started) * 1000)
        time.sleep(1.0)
        stop(p)
    results.setdefault(name, {})["startup_ms"] = times
    log("start-up of %s: %s" % (name, ["%.0f" % t for t in times]))


def resident(name, cmd, extra=None, setup=None, minutes=10):
    """Memory after 10 s and after `minutes`, and CPU and wake-ups per minute between."""
    p, started, folder = launch(cmd, sink="busy" if setup else "idle", extra=extra,
                                folder=prepare(setup))
    pid = app_pid(p, None if cmd[0] == PROGRAM else cmd[-1])
    window, _ = window_of(pid, timeout=60)
    if setup and window:
        setup(window)
    r = results.setdefault(name, {})
    try:
        time.sleep(max(0, 10 - (time.monotonic() - started)))
        r["rss_10s_mb"] = rss_mb(pid)
        time.sleep(max(0, 60 - (time.monotonic() - started)))
        cpu, wake = [], []
        for _ in range(minutes - 1):
            c0, w0, t0 = cpu_ms(pid), wakeups(pid), time.monotonic()
            time.sleep(60)
            dt = time.monotonic() - t0
            cpu.append((cpu_ms(pid) - c0) * 60 / dt)
            wake.append((wakeups(pid) - w0) / dt)
        r["cpu_ms_per_min"] = cpu
        r["wakeups_per_s"] = wake
        r["rss_10min_mb"] = rss_mb(pid)
    except (OSError, ValueError):
        log("%s ended early" % name)
        return
    finally:
        stop(p)
    log("%s: %.1f MB, %.1f MB after %d min, %.1f ms CPU/min" %
        (name, r["rss_10s_mb"], r["rss_10min_mb"], minutes, median(r["cpu_ms_per_min"])))


def prepare(setup):
    folder = tempfile.mkdtemp(dir=work)
    if setup:
        # A meditation of 10 hours and a Random reminder that starts by itself.
        settings(folder, med_pos=13, custom_med=600, rem_pos=12, auto_start=1, delay_pos=0)
    return folder


def start_meditation(window):
    keys(window, *["Tab"] * 8, "space")


def meditations():
    """Delay 5 s and a 2-minute period, several at once on their own sinks."""
    runs = []
    for i in range(RUNS):
        folder = tempfile.mkdtemp(dir=work)
        settings(folder, med_pos=13, custom_med=2, delay_pos=1)
        sink = "med%d" % i
        p, _, _ = launch([PROGRAM], sink=sink, folder=folder)
        window, _ = window_of(p.pid)
        rec = Recording(sink)
        time.sleep(1)
        run("xdotool", "windowfocus", "--sync", window)
        run("xdotool", "key", "--delay", "15", *["Tab"] * 8)
        clicked = time.time()
        run("xdotool", "key", "space")
        runs.append((p, rec, clicked))
        time.sleep(7)  # apart, so their bells do not fall together
    time.sleep(130)
    lags, ends, first, second = [], [], [], []
    for p, rec, clicked in runs:
        rec.stop()
        stop(p)
        on = rec.onsets()
        if len(on) != 4:
            log("a meditation rang %d bells" % len(on))
            continue
        lags.append((on[0] - (clicked + 5)) * 1000)
        ends.append((on[1] - (clicked + 125)) * 1000)
        first.append(on[2] - on[1])
        second.append(on[3] - on[2])
    results["selvantora"].update(start_bell_lag_ms=lags, end_bell_lag_ms=ends,
                                 strike_gap1_s=first, strike_gap2_s=second)
    log("meditation bells: lags %s ms, end %s ms, gaps %s / %s" % (lags, ends, first, second))


def clock_bells():
    """Clock bells at second 0 of a quarter hour, with the clock set ahead."""
    lags = []
    for _ in range(RUNS):
        now = time.time()
        local = datetime.datetime.fromtimestamp(now)
        quarter = local.replace(minute=local.minute // 15 * 15, second=0, microsecond=0)
        target = quarter + datetime.timedelta(minutes=15)
        due = now + 8  # the bell is due 8 s from now, by the program's clock
        offset = target.timestamp() - due
        folder = tempfile.mkdtemp(dir=work)
        settings(folder, clock_bells=1)
        rec = Recording("clock")
        extra = {"LD_PRELOAD": FAKETIME, "FAKETIME": "%+.3f" % offset,
                 "DONT_FAKE_MONOTONIC": "1", "FAKETIME_DONT_FAKE_MONOTONIC": "1"}
        p, _, _ = launch([PROGRAM], sink="clock", extra=extra, folder=folder)
        time.sleep(max(0, due - time.time()) + 2)
        rec.stop()
        stop(p)
        on = rec.onsets()
        if on:
            lags.append((on[0] - due) * 1000)
    results["selvantora"]["clock_bell_lag_ms"] = lags
    log("clock bell lags: %s" % ["%.0f" % x for x in lags])


def sound_start():
    p, _, _ = launch([PROGRAM], sink="test")
    window, _ = window_of(p.pid)
    time.sleep(3)  # past the moment the chime is decoded
    rec = Recording("test")
    keys(window, "Tab", "Tab", "Tab")
    clicks = []
    for _ in range(RUNS):
        time.sleep(3.5)  # the device is let go after the last sound; it opens again
        clicks.append(time.time())
        run("xdotool", "key", "space")
    time.sleep(1)
    rec.stop()
    stop(p)
    on = rec.onsets()
    lags = []
    for c in clicks:
        after = [t for t in on if t >= c - 0.05]
        if after:
            lags.append((after[0] - c) * 1000)
    results["selvantora"]["sound_start_ms"] = lags
    log("sound start lags: %s" % ["%.0f" % x for x in lags])


PEERS = {
    "gnome-clocks": ["dbus-run-session", "--", "gnome-clocks"],
    "kteatime": ["dbus-run-session", "--", "kteatime"],
    "workrave": ["dbus-run-session", "--", "workrave"],
}


def table():
    ours = results["selvantora"]
    rows = [
        ("start-up, exec to window shown (ms)", "startup_ms", 150),
        ("memory after 10 s (MB)", "rss_10s_mb", 30),
        ("memory after 10 min (MB)", "rss_10min_mb", 30),
        ("CPU per minute, idle (ms)", "cpu_ms_per_min", 10),
        ("wake-ups per second, idle", "wakeups_per_s", None),
    ]
    lines = ["| figure | Selvantora | " + " | ".join(PEERS) + " | target |",
             "|---|---|" + "---|" * len(PEERS) + "---|"]

    def fig(name, key):
        v = results.get(name, {}).get(key)
        v = median(v) if isinstance(v, list) else v
        return v

    for label, key, target in rows:
        cells = []
        ours_v = fig("selvantora", key)
        for peer in PEERS:
            v = fig(peer, key)
            if v is None or math.isnan(v):
                cells.append("—")
            elif v == 0:
                cells.append("%.1f" % v)
            else:
                cells.append("%.1f (ours ÷ theirs %.2f)" % (v, ours_v / v))
        lines.append("| %s | %.1f | %s | %s |" % (label, ours_v if ours_v is not None else float("nan"),
                                                  " | ".join(cells), target or ""))
    busy = results.get("selvantora busy", {})
    lines.append("| CPU per minute, meditation and Random reminder running (ms) | %.1f |%s |  |"
                 % (median(busy.get("cpu_ms_per_min", [])), " — |" * len(PEERS)))
    lines.append("| wake-ups per second, the same | %.1f |%s |  |"
                 % (median(busy.get("wakeups_per_s", [])), " — |" * len(PEERS)))
    for label, key, unit, nominal in [
            ("start bell lag (ms)", "start_bell_lag_ms", "50", 0),
            ("end bell lag (ms)", "end_bell_lag_ms", "50", 0),
            ("clock bell lag, tick included (ms)", "clock_bell_lag_ms", "", 0),
            ("sound start after a click (ms)", "sound_start_ms", "", 0),
            ("end strikes 1 to 2 (s)", "strike_gap1_s", "3.000 ± 0.020", 3),
            ("end strikes 2 to 3 (s)", "strike_gap2_s", "4.000 ± 0.020", 4)]:
        v = ours.get(key, [])
        worst = max(v, key=lambda x: abs(x - nominal)) if v else float("nan")
        lines.append("| %s | median %.3f, worst %.3f |%s | %s |" %
                     (label, median(v), worst, " — |" * len(PEERS), unit))
    return "\n".join(lines)


def main():
    start_desktop()
    results["selvantora"] = {}
    background = [
        threading.Thread(target=resident, args=("selvantora", [PROGRAM])),
        threading.Thread(target=resident, args=("selvantora busy", [PROGRAM]),
                         kwargs={"setup": start_meditation}),
    ]
    for peer, cmd in PEERS.items():
        if shutil.which(cmd[-1]):
            background.append(threading.Thread(target=resident, args=(peer, cmd)))
    for t in background:
        t.start()
    startup("selvantora", [PROGRAM])
    if shutil.which("gnome-clocks"):
        startup("gnome-clocks", PEERS["gnome-clocks"])
    sound_start()
    clock_bells()
    meditations()
    for t in background:
        t.join()

    out = os.path.join(TOP, "bench-results")
    os.makedirs(out, exist_ok=True)
    machine = "%s, %d cores, %s" % (platform.processor() or platform.machine(), os.cpu_count(),
                                   run("sh", "-c", "grep -m1 'model name' /proc/cpuinfo").stdout
                                   .split(":")[-1].strip())
    stamp = datetime.datetime.now().strftime("%Y-%m-%d %H:%M")
    with open(os.path.join(out, "latest.json"), "w") as f:
        json.dump({"when": stamp, "machine": machine, "results": results}, f, indent=1)
    text = "Measured %s on %s (Xvfb, PulseAudio null sinks).\n\n%s\n" % (stamp, machine, table())
    with open(os.path.join(out, "latest.md"), "w") as f:
        f.write(text)
    print(text)


if sys.argv[1:] == ["--table"]:
    # The table of the last run again, from its raw figures.
    with open(os.path.join(TOP, "bench-results", "latest.json")) as f:
        saved = json.load(f)
    results = saved["results"]
    print("Measured %s on %s (Xvfb, PulseAudio null sinks).\n\n%s" %
          (saved["when"], saved["machine"], table()))
    shutil.rmtree(work, ignore_errors=True)
    sys.exit(0)

try:
    main()
finally:
    for p in reversed(procs):
        try:
            if p.poll() is None:
                p.terminate()
                p.wait(5)
        except Exception:
            pass
    shutil.rmtree(work, ignore_errors=True)
