#!/usr/bin/env python3
"""The time from handing a link to the running application to the history recording it,
beside yt-dlp alone (default settings, and with -N 4) on the same local server, for
fragmented DASH and HLS streams, one large progressive file and a feed read as a playlist;
and the time from hand-over to the first progress line. Called by bench/measure-download,
which starts the display and the window manager (DISPLAY, WORK, BUILD_DIR, MEDIA).
GUARD=1 adds yt-dlp through the guard proxy (build/bench/bench_guardhost), as the runs of
links from outside go; APP=0 leaves the application out.
"""
import json
import os
import shutil
import subprocess
import sys
import time
import urllib.parse

BUILD = os.environ["BUILD_DIR"]
WORK = os.environ["WORK"]
MEDIA = os.environ["MEDIA"]
APP = os.path.join(BUILD, "src", "vireloom")
HERE = os.path.dirname(os.path.abspath(__file__))
DELAY_MS = os.environ.get("DELAY_MS", "40")
RUNS = int(os.environ.get("RUNS", "1"))
GUARD = os.environ.get("GUARD", "0") != "0"
WITH_APP = os.environ.get("APP", "1") != "0"


def ffmpeg(*args):
    subprocess.run(["ffmpeg", "-loglevel", "error", "-y", *args], check=True)


def make_media():
    """Made once per build folder: a ten-minute stream cut into 600 one-second fragments."""
    marker = os.path.join(MEDIA, ".complete-2")
    if os.path.exists(marker):
        return
    shutil.rmtree(MEDIA, ignore_errors=True)
    for sub in ("dash", "hls", "feed"):
        os.makedirs(os.path.join(MEDIA, sub))
    source = os.path.join(MEDIA, "source.mp4")
    ffmpeg("-f", "lavfi", "-i", "testsrc=size=1280x720:rate=10:duration=600", "-f", "lavfi",
           "-i", "sine=frequency=440:duration=600", "-c:v", "libx264", "-preset", "ultrafast", "-b:v", "150k",
           "-g", "10", "-keyint_min", "10", "-sc_threshold", "0", "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "64k",
           source)
    ffmpeg("-i", source, "-map", "0:v", "-map", "0:a", "-c", "copy", "-f", "dash", "-seg_duration", "1",
           "-use_template", "1", "-use_timeline", "0", "-adaptation_sets", "id=0,streams=v id=1,streams=a",
           os.path.join(MEDIA, "dash", "stream.mpd"))
    ffmpeg("-i", source, "-map", "0:v", "-map", "0:a", "-c", "copy", "-f", "hls", "-hls_time", "1",
           "-hls_playlist_type", "vod", "-hls_segment_filename", os.path.join(MEDIA, "hls", "%v_%03d.ts"),
           "-master_pl_name", "master.m3u8", "-var_stream_map", "v:0,agroup:aud a:0,agroup:aud,default:yes",
           os.path.join(MEDIA, "hls", "%v.m3u8"))
    # Noise keeps the encoder from undershooting: 100 s at 16 Mbit/s is 200 MB.
    ffmpeg("-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=25:duration=100", "-vf", "noise=alls=30:allf=t",
           "-c:v", "mpeg4", "-b:v", "16M", "-minrate", "16M", "-maxrate", "16M", "-bufsize", "4M",
           os.path.join(MEDIA, "big.mp4"))
    ffmpeg("-f", "lavfi", "-i", "testsrc=size=320x240:rate=10:duration=2", "-f", "lavfi", "-i",
           "sine=duration=2", "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p", "-c:a", "aac",
           os.path.join(MEDIA, "feed", "clip.mp4"))
    os.remove(source)
    with open(marker, "w"):
        pass


def feed(port):
    items = "".join(
        f'<item><title>Episode {n}</title><guid>e{n}</guid><enclosure url="http://127.0.0.1:{port}/feed/clip.mp4?e={n}" '
        'type="video/mp4"/></item>' for n in range(1, 21))
    with open(os.path.join(MEDIA, "feed", "feed.xml"), "w") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?><rss version="2.0"><channel><title>Bench Feed</title>'
                f'<link>http://127.0.0.1/</link><description>Twenty</description>{items}</channel></rss>\n')


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def engine_alone(link, extra, proxy=None):
    """Seconds to the first progress line and to the end, for yt-dlp alone, or through
    `proxy` with no other proxy variable, as a guarded run goes."""
    out = fresh(os.path.join(WORK, "alone"))
    start = time.monotonic()
    first = None
    env = dict(os.environ, XDG_CACHE_HOME=os.path.join(WORK, "cache"))
    if proxy:
        env = {k: v for k, v in env.items() if not k.lower().endswith("_proxy")}
        extra = extra + ["--proxy", proxy]
    process = subprocess.Popen(["yt-dlp", "--ignore-config", "--newline", "-P", out, *extra, link],
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, env=env)
    for line in process.stdout:
        if first is None and line.startswith("[download]") and "%" in line:
            first = time.monotonic() - start
    process.wait()
    return first, time.monotonic() - start, process.returncode


class App:
    def __init__(self):
        self.home = fresh(os.path.join(WORK, "apphome"))
        self.out = fresh(os.path.join(WORK, "appout"))
        os.makedirs(os.path.join(self.home, "config", "Vireloom"))
        os.makedirs(os.path.join(self.home, "runtime"), mode=0o700)
        with open(os.path.join(self.home, "config", "Vireloom", "Vireloom.conf"), "w") as f:
            f.write(f"[General]\nfolder={self.out}\ncheckEngineUpdates=false\nsoundOnDone=false\nwatchClipboard=false\n"
                    "schemeLocalAddresses=allow\n")
            # EMBED=0: without the metadata and cover that the defaults embed, as yt-dlp alone does.
            if os.environ.get("EMBED") == "0":
                f.write("embedMeta=false\nembedThumb=false\n")
        self.env = {"PATH": "/usr/bin:/bin", "HOME": self.home, "DISPLAY": os.environ["DISPLAY"],
                    "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
                    "XDG_DATA_HOME": os.path.join(self.home, "data"),
                    "XDG_CACHE_HOME": os.path.join(self.home, "cache"),
                    "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime"), "LANGUAGE": "en_US",
                    "QT_LOGGING_RULES": "vireloom.engine.debug=true;vireloom.app.debug=true"}
        self.log = open(os.path.join(WORK, "app.log"), "w+")
        self.process = subprocess.Popen([APP], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        self.wait_for(lambda: "first frame at" in self.read_log(), 30)
        time.sleep(2)

    def read_log(self):
        self.log.seek(0)
        return self.log.read()

    def history(self):
        try:
            with open(os.path.join(self.home, "data", "Vireloom", "history.json")) as f:
                return json.load(f)
        except (OSError, ValueError):
            return []

    @staticmethod
    def wait_for(condition, seconds):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return True
            time.sleep(0.02)
        return False

    def download(self, link):
        """Seconds from hand-over to the first progress line and to the history entry."""
        # Each run fetches anew: a file already in the folder would be found, not fetched.
        fresh(self.out)
        before = len(self.history())
        progress_lines = self.read_log().count("first progress at")
        epoch = time.time()
        start = time.monotonic()
        subprocess.run([APP, link], env=self.env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        done = self.wait_for(lambda: len(self.history()) > before, 600)
        total = time.monotonic() - start
        stamps = [int(line.split()[-1]) for line in self.read_log().splitlines() if "first progress at" in line]
        first = (stamps[progress_lines] / 1000 - epoch) if len(stamps) > progress_lines else None
        return first, total, 0 if done else 1

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def median(values):
    values = sorted(v for v in values if v is not None)
    return values[len(values) // 2] if values else None


def main():
    make_media()
    server = subprocess.Popen([sys.executable, os.path.join(HERE, "delayserver.py"), MEDIA, DELAY_MS],
                              stdout=subprocess.PIPE, text=True)
    port = int(server.stdout.readline())
    feed(port)
    base = f"http://127.0.0.1:{port}"
    cases = [("DASH, 600 fragments", f"{base}/dash/stream.mpd", []),
             ("HLS, 600 segments, separate audio", f"{base}/hls/master.m3u8", []),
             (f"progressive {os.path.getsize(os.path.join(MEDIA, 'big.mp4')) / 1e6:.0f} MB file", f"{base}/big.mp4", []),
             ("feed of 20 entries, as a playlist", f"{base}/feed/feed.xml", ["--yes-playlist"])]
    only = os.environ.get("CASES")
    if only:
        cases = [case for case in cases if any(word in case[0] for word in only.split(","))]
    guard = None
    if GUARD:
        guard = subprocess.Popen([os.path.join(BUILD, "bench", "bench_guardhost")], stdout=subprocess.PIPE, text=True)
        guard_url = f"http://127.0.0.1:{int(guard.stdout.readline())}"
    app = App() if WITH_APP else None
    rows = []
    try:
        for name, link, extra in cases:
            results = {"alone": [], "alone -N 4": []}
            for _ in range(RUNS):
                results["alone"].append(engine_alone(link, extra))
                results["alone -N 4"].append(engine_alone(link, extra + ["-N", "4"]))
                if guard:
                    results.setdefault("guard", []).append(engine_alone(link, extra, guard_url))
                    results.setdefault("guard -N 4", []).append(engine_alone(link, extra + ["-N", "4"], guard_url))
                if not app:
                    continue
                # Asked for as a playlist, as yt-dlp is with --yes-playlist: the address a
                # browser hands over with the playlist box ticked.
                handed = link
                if "--yes-playlist" in extra:
                    handed = "vireloom://download?playlist=1&url=" + urllib.parse.quote(link, safe="")
                results.setdefault("Vireloom", []).append(app.download(handed))
            rows.append((name, {k: (median(r[0] for r in v), median(r[1] for r in v), max(r[2] for r in v))
                                for k, v in results.items()}))
            print(f"measured: {name}", file=sys.stderr, flush=True)
    finally:
        if app:
            app.stop()
        if guard:
            guard.terminate()
        server.terminate()

    print(f"Per-request delay {DELAY_MS} ms, median of {RUNS} run(s), embedding "
          f"{'off' if os.environ.get('EMBED') == '0' else 'as by default'}.")
    if guard:
        print("Through the guard proxy: seconds, and the ratio to the same run without it.")
        print(f"{'case':36} {'yt-dlp':>8} {'guard':>8} {'ratio':>6} {'-N 4':>8} {'guard':>8} {'ratio':>6}")
        for name, r in rows:
            a, g, n, gn = (r[k][1] for k in ("alone", "guard", "alone -N 4", "guard -N 4"))
            failed = " (a run failed)" if any(r[k][2] for k in ("alone", "guard", "alone -N 4", "guard -N 4")) else ""
            print(f"{name:36} {a:8.2f} {g:8.2f} {g / a:6.2f} {n:8.2f} {gn:8.2f} {gn / n:6.2f}{failed}")
    if not app:
        return
    print("Seconds, and Vireloom's ratio to each.")
    print(f"{'case':36} {'yt-dlp':>8} {'-N 4':>8} {'Vireloom':>9} {'x alone':>8} {'x -N 4':>7}   first progress line: "
          f"{'yt-dlp':>6} {'Vireloom':>8} {'ratio':>6}")
    for name, r in rows:
        alone, n4, app_ = r["alone"], r["alone -N 4"], r["Vireloom"]
        failed = " (a run failed)" if any(x[2] for x in r.values()) else ""
        first_ratio = (app_[0] / alone[0]) if app_[0] and alone[0] else float("nan")
        print(f"{name:36} {alone[1]:8.2f} {n4[1]:8.2f} {app_[1]:9.2f} {app_[1] / alone[1]:8.2f} {app_[1] / n4[1]:7.2f}"
              f"   {'':21}{(alone[0] or float('nan')):6.2f} {(app_[0] or float('nan')):8.2f} {first_ratio:6.2f}{failed}")


if __name__ == "__main__":
    main()
