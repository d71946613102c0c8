#!/usr/bin/env python3
"""Called by bench/measure-perlink, which starts the display and the window manager
(DISPLAY, WORK, BUILD_DIR). See there."""
import os
import subprocess
import sys
import time

BUILD = os.environ["BUILD_DIR"]
WORK = os.environ["WORK"]
APP = os.path.join(BUILD, "src", "vireloom")
LINKS = int(os.environ.get("LINKS", "5000"))
BATCH = 100
TICK = os.sysconf("SC_CLK_TCK")

# Answers a probe with a small reading, and a download with what a short real run prints:
# its reading, the file's name, the title, a few progress lines and the file, made empty.
STAND_IN = r"""#!/bin/sh
[ "$2" = "--version" ] && { echo 2023.03.04; exit 0; }
token=; folder=; prev=; link=
for arg; do
    case "$arg" in before_dl:VIRLOTITLE\|*) token=${arg#before_dl:VIRLOTITLE|}; token=${token%%|*} ;; esac
    [ "$prev" = "-P" ] && folder=$arg
    prev=$arg; link=$arg
done
name=${link##*/}
if [ "$2" = "-J" ]; then
    echo "{\"title\": \"Clip $name\", \"extractor_key\": \"Stand\", \"duration\": 10, \"filesize\": 1000}"
    exit 0
fi
echo "VIRLOINFO|$token|{}|{\"title\": \"Clip $name\", \"extractor_key\": \"Stand\", \"filesize\": 1000}"
echo "VIRLODEST|$token|NA|\"$folder/$name.mp4\""
echo "VIRLOTITLE|$token|\"Clip $name\""
for done in 0 250 500 750 1000; do echo "VIRLOP|$token|$done|1000|NA|100000|1|NA|NA|18"; done
: > "$folder/$name.mp4"
echo "VIRLOFILE|$token|\"$folder/$name.mp4\""
"""


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def main():
    home = os.path.join(WORK, "perlink")
    data = os.path.join(home, "data", "Vireloom")
    out = os.path.join(home, "out")
    for folder in (os.path.join(home, "config", "Vireloom"), os.path.join(data, "bin"), out):
        os.makedirs(folder, exist_ok=True)
    os.makedirs(os.path.join(home, "runtime"), mode=0o700, exist_ok=True)
    with open(os.path.join(home, "config", "Vireloom", "Vireloom.conf"), "w") as f:
        f.write(f"[General]\nfolder={out}\ncheckEngineUpdates=false\nsoundOnDone=false\nwatchClipboard=false\n")
    engine = os.path.join(data, "bin", "yt-dlp")
    with open(engine, "w") as f:
        f.write(STAND_IN)
    os.chmod(engine, 0o700)
    env = {"PATH": "/usr/bin:/bin", "HOME": home, "DISPLAY": os.environ["DISPLAY"],
           "XDG_CONFIG_HOME": os.path.join(home, "config"), "XDG_DATA_HOME": os.path.join(home, "data"),
           "XDG_CACHE_HOME": os.path.join(home, "cache"), "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
           "LANGUAGE": "en_US", "QT_LOGGING_RULES": "vireloom.app.debug=true;vireloom.engine.debug=true"}
    log = open(os.path.join(WORK, "perlink.log"), "w+")
    app = subprocess.Popen([APP], env=env, stdout=log, stderr=subprocess.STDOUT)

    # The history keeps the latest thousand; the log counts every download that ended done.
    def recorded():
        with open(log.name) as f:
            return f.read().count("download done at")

    try:
        deadline = time.monotonic() + 30
        while "first frame at" not in open(log.name).read() and time.monotonic() < deadline:
            time.sleep(0.05)
        time.sleep(2)
        # PERF=<file>: a profile of the application over the span, for `perf report -i <file>`.
        profiler = None
        if os.environ.get("PERF"):
            profiler = subprocess.Popen(["perf", "record", "-g", "-q", "--no-inherit", "-o", os.environ["PERF"], "-p", str(app.pid)])
            time.sleep(1)
        cpu_before, rss_before = cpu_seconds(app.pid), rss_mb(app.pid)
        start = time.monotonic()
        for first in range(0, LINKS, BATCH):
            links = [f"http://127.0.0.1:9/v/{n}" for n in range(first, min(first + BATCH, LINKS))]
            subprocess.run([APP, *links], env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        last, still = -1, time.monotonic()
        while True:
            count = recorded()
            if count >= LINKS:
                break
            if count != last:
                last, still = count, time.monotonic()
            elif time.monotonic() - still > 60:
                print(f"stalled at {count} of {LINKS} recorded", file=sys.stderr)
                break
            time.sleep(0.5)
        elapsed = time.monotonic() - start
        cpu = cpu_seconds(app.pid) - cpu_before
        count = max(recorded(), 1)
        if profiler:
            profiler.send_signal(2)
            profiler.wait()
        print(f"{count} downloads in {elapsed:.1f} s; application CPU {cpu:.1f} s, {1000 * cpu / count:.2f} ms per download; "
              f"resident memory {rss_before:.1f} -> {rss_mb(app.pid):.1f} MB")
    finally:
        app.terminate()
        try:
            app.wait(20)
        except subprocess.TimeoutExpired:
            app.kill()


if __name__ == "__main__":
    main()
