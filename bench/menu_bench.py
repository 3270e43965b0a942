#!/usr/bin/env python3
"""Measures the real Corvina2.exe from outside, as a customer would see it.

Runs under Wine on the X display in $DISPLAY (a screen at least as large as
--size, holding a Wine virtual desktop of that size), against two café
folders that scripts/bench prepares: one of 10 channels of 100 items and one
of 2 channels of 6, and against the floor: an empty full-screen window
program of our own, started and timed the same way. Times come from the
screen's pixels (read with Xlib, clicks sent with XTest), the memory from
the Linux process that runs the program, the message loop's stalls from a
second Windows program that keeps sending it messages. Each launch times
--starts starts of each program (one Wine start varies by a tenth or more
from the next), then measures the rest once. Prints every launch, the
medians and the ratios of the figures with their targets; exits 1 when a
figure misses its target.
"""

import argparse
import ctypes
import os
import signal
import statistics
import subprocess
import sys
import time

PAGE_TOP = 51  # the top bar's height
# A normal item frame (src/menu/frame_layout.cpp): its size, the gap
# between columns and rows, and where the first frame of a page starts.
FRAME_WIDTH, FRAME_HEIGHT, COLUMN_GAP, ROW_GAP = 240, 170, 13, 10
CHANNEL_START_X, CHANNEL_START_Y = 4, 5
# The part of a picture button its picture is stretched into, from the frame.
PICTURE_LEFT, PICTURE_TOP, PICTURE_WIDTH, PICTURE_HEIGHT = 8, 27, 204, 136
LIGHT_ORANGE = (251, 207, 125)  # a page's ground, shown where a picture is still missing
TOLERANCE = 10
TIMEOUT = 60.0
SCREEN_WIDTH, SCREEN_HEIGHT = 800, 600  # set from --size


# ---------------------------------------------------------------- the screen

class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class Screen:
    def __init__(self):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.POINTER(XImage)
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                       ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XFree.argtypes = [ctypes.c_void_p]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            sys.exit("cannot open the X display")
        self.root = self.x11.XDefaultRootWindow(self.display)

    def row(self, y, left=0, width=None):
        width = SCREEN_WIDTH if width is None else width
        image = self.x11.XGetImage(self.display, self.root, left, y, width, 1, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return None
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line)
        step = image.contents.bits_per_pixel // 8
        self.x11.XFree(image.contents.data)
        self.x11.XFree(image)
        return data, step

    def click(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XFlush(self.display)


def frame_columns():
    """The left edge of each frame in a row: a row wraps when the next frame would pass the screen's right edge."""
    columns, x = [], CHANNEL_START_X
    while x + FRAME_WIDTH <= SCREEN_WIDTH:
        columns.append(x)
        x += FRAME_WIDTH + COLUMN_GAP
    return columns


def frame_areas(count):
    """The picture areas on the screen of a page's first `count` frames that lie in view."""
    columns = frame_columns()
    areas = []
    for index in range(count):
        column = columns[index % len(columns)]
        top = PAGE_TOP + CHANNEL_START_Y + (FRAME_HEIGHT + ROW_GAP) * (index // len(columns)) + PICTURE_TOP
        if top + PICTURE_HEIGHT > SCREEN_HEIGHT:
            break
        areas.append((column + PICTURE_LEFT, top))
    return areas


def sampled_lines(areas):
    return {top + offset for _, top in areas for offset in (34, 68, 102)}


def signature(screen, areas):
    """30 pixels of each picture area, on three lines.

    Every look reads, and picks the pixels of, a full screen of frames,
    whatever the areas asked for: reading a line costs about as much as a
    page switch, so a page of few frames would otherwise be seen sooner only
    because it was looked at faster."""
    full = frame_areas(100)
    looked = full + [area for area in areas if area not in full]
    lines = {y: screen.row(y) for y in sorted(sampled_lines(looked))}
    picked = {}
    for left, top in looked:
        pixels = []
        for offset in (34, 68, 102):
            data, step = lines[top + offset]
            for k in range(10):
                at = (left + 10 + 20 * k) * step
                pixels.append((data[at + 2], data[at + 1], data[at]))
        picked[(left, top)] = pixels
    return [picked[area] for area in areas]


def close(a, b):
    return max(abs(a[0] - b[0]), abs(a[1] - b[1]), abs(a[2] - b[2])) <= TOLERANCE


def matches(current, reference):
    for pixels, wanted in zip(current, reference):
        if sum(close(p, w) for p, w in zip(pixels, wanted)) < 0.9 * len(pixels):
            return False
    return True


def pictured(current):
    """Every area shows something other than the bare page, and not one flat colour."""
    for pixels in current:
        if sum(close(p, LIGHT_ORANGE) for p in pixels) > 0.1 * len(pixels):
            return False
        if len(set(pixels)) < 4:
            return False
    return True


def wait_until(screen, areas, test, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        current = signature(screen, areas)
        if test(current):
            return time.monotonic()
        time.sleep(0.002)
    sys.exit(f"timed out waiting for {what}")


def settled(screen, areas, what):
    """The signature once the pictures are there and nothing changes for a while."""
    deadline = time.monotonic() + TIMEOUT
    previous, same = None, 0
    while time.monotonic() < deadline:
        current = signature(screen, areas)
        same = same + 1 if current == previous and pictured(current) else 0
        if same >= 5:
            return current
        previous = current
        time.sleep(0.2)
    sys.exit(f"{what} never settled")


# ------------------------------------------------------------ the processes

def desktop():
    return f"/desktop=bench,{SCREEN_WIDTH}x{SCREEN_HEIGHT}"


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def our_processes(name):
    """Linux processes of this run's Wine prefix running the program `name` (a path's end)."""
    prefix = os.environ["WINEPREFIX"].encode()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                command = f.read()
            with open(f"/proc/{entry}/environ", "rb") as f:
                environment = f.read().split(b"\0")
        except OSError:
            continue
        program = command.split(b"\0")[0].lower()
        if program.endswith(name.lower().encode()) and b"WINEPREFIX=" + prefix in environment:
            found.append(int(entry))
    return found


def read_report(path, complete):
    deadline = time.monotonic() + TIMEOUT
    text = ""
    while time.monotonic() < deadline:
        if os.path.exists(path):
            with open(path) as f:
                text = f.read()
            if complete(text) or text.startswith("no window"):
                return text
        time.sleep(0.05)
    return text


def private_bytes(pid):
    total = 0
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            if line.startswith(("Private_Clean:", "Private_Dirty:")):
                total += int(line.split()[1]) * 1024
    return total


def end(pids):
    for pid in pids:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline and any(os.path.exists(f"/proc/{pid}") for pid in pids):
        time.sleep(0.05)


class Menu:
    """One launch of the program in a café folder."""

    def __init__(self, screen, cafe, tabs, program="Corvina2.exe"):
        self.screen, self.cafe, self.tabs = screen, cafe, tabs
        self.program = os.path.join(os.path.basename(os.path.abspath(cafe)), program)

    def launch(self):
        started = time.monotonic()
        subprocess.Popen(["wine", "explorer", desktop(), windows_path(os.path.join(self.cafe, os.path.basename(self.program)))],
                         cwd=self.cafe, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return started

    def pid(self):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            pids = our_processes(self.program.replace("/", "\\"))
            if pids:
                return pids[0]
            time.sleep(0.05)
        sys.exit("the program's process was not found")

    def click_tab(self, tab):
        self.screen.click(self.tabs[tab], 30)
        return time.monotonic()

    def quit(self):
        end(our_processes(self.program.replace("/", "\\")) + our_processes("notepad.exe"))
        time.sleep(0.5)


# -------------------------------------------------------------- the figures

def calibrate(screen, cafe, channels, per_channel, tabs):
    """What each page looks like with its pictures (untimed)."""
    areas = frame_areas(per_channel)
    menu = Menu(screen, cafe, tabs)
    menu.launch()
    references = [settled(screen, areas, "the first page")]
    for tab in range(1, channels):
        menu.click_tab(tab)
        references.append(settled(screen, areas, f"page {tab}"))
    menu.quit()
    for tab in range(1, channels):
        if references[tab] == references[tab - 1]:
            sys.exit(f"the click on tab {tab} did not change the page")
    return areas, references


def switches(screen, menu, areas, refs, count=10):
    """The median of switches between the first two tabs, each page made ahead while the menu was idle."""
    times = []
    for n in range(count):
        tab = 1 - n % 2
        time.sleep(1.5)
        clicked = menu.click_tab(tab)
        times.append(wait_until(screen, areas, lambda c: matches(c, refs[tab]), f"page {tab}") - clicked)
    time.sleep(1.5)
    return statistics.median(times)


def timed_start(screen, folder, tabs, areas, reference, program="Corvina2.exe"):
    """A launch timed until its first page shows with its pictures; the program stays running."""
    menu = Menu(screen, folder, tabs, program)
    started = menu.launch()
    return menu, wait_until(screen, areas, lambda c: matches(c, reference), "the first page") - started


def start_only(screen, folder, tabs, areas, reference, program="Corvina2.exe"):
    menu, figure = timed_start(screen, folder, tabs, areas, reference, program)
    menu.quit()
    return figure


def run_large(screen, cafe, tabs, areas, refs, probe, cold, stall_tab):
    figures = {}
    menu, start = timed_start(screen, cafe, tabs, areas, refs[0])
    figures["starts"] = [start]
    pid = menu.pid()
    figures["switch"] = switches(screen, menu, areas, refs)
    clicked = menu.click_tab(cold)
    figures["cold"] = wait_until(screen, areas, lambda c: matches(c, refs[cold]), f"page {cold}") - clicked
    time.sleep(1.5)
    report = os.path.join(cafe, "stall.txt")
    if os.path.exists(report):
        os.remove(report)
    # On the menu's desktop, or it would not see the menu's window.
    subprocess.Popen(["wine", "explorer", desktop(), probe, "TfSmenu", "4000", windows_path(report)],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    lines = read_report(report, lambda text: text.startswith("ready"))
    if not lines.startswith("ready"):
        sys.exit(f"the stall probe did not start: {lines}")
    time.sleep(0.3)
    menu.click_tab(stall_tab)
    wait_until(screen, areas, lambda c: matches(c, refs[stall_tab]), f"page {stall_tab}")
    report = read_report(report, lambda text: "longest" in text).split("\n")[1]
    figures["stall"] = float(report.split()[1]) / 1000.0
    for tab in range(2, len(refs)):
        if tab in (cold, stall_tab):
            continue
        menu.click_tab(tab)
        wait_until(screen, areas, lambda c, t=tab: matches(c, refs[t]), f"page {tab}")
    figures.update(memory(screen, menu, pid))
    menu.quit()
    return figures


def run_small(screen, cafe, tabs, areas, refs):
    figures = {}
    menu, start = timed_start(screen, cafe, tabs, areas, refs[0])
    figures["starts"] = [start]
    pid = menu.pid()
    figures["switch"] = switches(screen, menu, areas, refs)
    figures.update(memory(screen, menu, pid))
    menu.quit()
    return figures


def memory(screen, menu, pid):
    """Private bytes with every channel shown once, then with a started program in front."""
    time.sleep(3.0)
    shown = private_bytes(pid)
    # The first frame's item starts Notepad, which takes the foreground.
    left, top = frame_areas(1)[0]
    screen.click(left + 100, top + 60)
    deadline = time.monotonic() + TIMEOUT
    while not our_processes("notepad.exe") and time.monotonic() < deadline:
        time.sleep(0.05)
    if not our_processes("notepad.exe"):
        sys.exit("the item's program did not start")
    # Wine leaves a program started by another one behind the active window;
    # on a café PC the game takes the foreground. A click into it does here.
    time.sleep(1.0)
    screen.click(300, 200)
    time.sleep(3.0)
    return {"shown": shown, "away": private_bytes(pid)}


def decode_baseline(baseline, files):
    output = subprocess.run(["wine", baseline, "208", "140"] + [windows_path(f) for f in files],
                            capture_output=True, text=True, check=True).stdout
    return float(output.split()[0])


def calibrate_floor(screen, folder, areas):
    menu = Menu(screen, folder, [], "empty_window.exe")
    menu.launch()
    reference = settled(screen, areas, "the empty window")
    menu.quit()
    return reference


def run_floor(screen, folder, areas, reference):
    return {"starts": [start_only(screen, folder, [], areas, reference, "empty_window.exe")]}


def show_launch(number, large, small, floor):
    def starts(run):
        return " ".join(f"{s * 1000:.0f}" for s in run["starts"])

    print(f"  launch {number}: start {starts(large)} / {starts(small)} / {starts(floor)} ms "
          f"(1000 items / 12 items / empty window); "
          f"switch {large['switch'] * 1000:.1f} / {small['switch'] * 1000:.1f} ms; "
          f"cold {large['cold'] * 1000:.1f} ms; stall {large['stall'] * 1000:.1f} ms; "
          f"private {large['shown'] / 2**20:.1f} / {small['shown'] / 2**20:.1f} MiB shown, "
          f"{large['away'] / 2**20:.1f} / {small['away'] / 2**20:.1f} MiB away", flush=True)


def main():
    global SCREEN_WIDTH, SCREEN_HEIGHT
    parser = argparse.ArgumentParser()
    parser.add_argument("--large", required=True)
    parser.add_argument("--small", required=True)
    parser.add_argument("--floor", required=True, help="folder holding empty_window.exe")
    parser.add_argument("--probe", required=True)
    parser.add_argument("--baseline", required=True)
    parser.add_argument("--tabs", required=True, help="x of each tab's middle, comma separated")
    parser.add_argument("--size", default="800x600", help="the virtual desktop's width x height")
    parser.add_argument("--launches", type=int, default=5)
    parser.add_argument("--starts", type=int, default=3, help="timed starts of each program per launch")
    args = parser.parse_args()
    SCREEN_WIDTH, SCREEN_HEIGHT = (int(x) for x in args.size.split("x"))
    tabs = [int(x) for x in args.tabs.split(",")]
    cold, stall_tab = 5, 8
    screen = Screen()
    size = f"{SCREEN_WIDTH} x {SCREEN_HEIGHT}"

    print(f"{size}: calibrating, what each page looks like with its pictures ...", flush=True)
    large_areas, large_refs = calibrate(screen, args.large, 10, 100, tabs)
    small_areas, small_refs = calibrate(screen, args.small, 2, 6, tabs)
    floor_areas = frame_areas(100)
    floor_ref = calibrate_floor(screen, args.floor, floor_areas)

    large, small, floor = [], [], []
    for launch in range(args.launches):
        # Each café in turn within a launch, so that the load of the moment weighs on all three alike.
        large.append(run_large(screen, args.large, tabs, large_areas, large_refs, args.probe, cold, stall_tab))
        small.append(run_small(screen, args.small, tabs, small_areas, small_refs))
        floor.append(run_floor(screen, args.floor, floor_areas, floor_ref))
        for _ in range(args.starts - 1):
            large[-1]["starts"].append(start_only(screen, args.large, tabs, large_areas, large_refs[0]))
            small[-1]["starts"].append(start_only(screen, args.small, tabs, small_areas, small_refs[0]))
            floor[-1]["starts"].append(start_only(screen, args.floor, [], floor_areas, floor_ref, "empty_window.exe"))
        show_launch(launch + 1, large[-1], small[-1], floor[-1])
    pictures = os.path.join(args.large, "LinkBMP")
    # The files of the page switched to: tab 1's frames in view.
    visible = [os.path.join(pictures, f"p{100 + i}.jpg") for i in range(len(large_areas))]
    decode = decode_baseline(args.baseline, visible)

    def values(runs, key):
        if key == "start":
            return [start for run in runs for start in run["starts"]]
        return [run[key] for run in runs]

    def median(runs, key):
        return statistics.median(values(runs, key))

    def spread(runs, key):
        return min(values(runs, key)), max(values(runs, key))

    mib = 1024.0 * 1024.0
    rows = [
        ("start, 1000 items / 12 items", median(large, "start") / median(small, "start"), "<= 1.15", 1.15,
         f"{median(large, 'start'):.3f} s / {median(small, 'start'):.3f} s"),
        ("start, 1000 items / the empty window", median(large, "start") / median(floor, "start"), "<= 1.5", 1.5,
         f"{median(large, 'start'):.3f} s / {median(floor, 'start'):.3f} s"),
        ("page switch between the first two tabs, 100-item page / 6-item page",
         median(large, "switch") / median(small, "switch"), "<= 1.2", 1.2,
         f"{median(large, 'switch') * 1000:.1f} ms / {median(small, 'switch') * 1000:.1f} ms"),
        (f"page switch to tab 1 / libjpeg-turbo alone decoding its {len(visible)} visible files",
         median(large, "switch") / decode, "<= 1.5", 1.5,
         f"{median(large, 'switch') * 1000:.1f} ms / {decode * 1000:.1f} ms"),
        ("private bytes, every channel shown once, 1000 items - 12 items (MiB)",
         (median(large, "shown") - median(small, "shown")) / mib, "<= 16", 16,
         f"{median(large, 'shown') / mib:.1f} MiB - {median(small, 'shown') / mib:.1f} MiB"),
        ("private bytes, a started program in front, 1000 items - 12 items (MiB)",
         (median(large, "away") - median(small, "away")) / mib, "<= 8", 8,
         f"{median(large, 'away') / mib:.1f} MiB - {median(small, 'away') / mib:.1f} MiB"),
        ("longest message-loop stall while a 100-item page loads (ms)", median(large, "stall") * 1000, "<= 50", 50,
         "answers to WM_NULL from another process"),
    ]
    print()
    print(f"medians of {args.launches} launches of each café ({args.launches * args.starts} starts), "
          f"under Wine on a {size} virtual desktop ({len(large_areas)} frames in view):")
    missed = 0
    for name, value, target, limit, detail in rows:
        ok = value <= limit
        missed += 0 if ok else 1
        print(f"  {size} {name}: {value:.2f} (target {target}) {'ok' if ok else 'MISSED'}   [{detail}]")
    print(f"  (no target) a jump to a page whose pictures were not made ahead (tab {cold}): "
          f"{median(large, 'cold') * 1000:.1f} ms, {median(large, 'cold') / decode:.2f} x the decoding")
    print("spread over the launches and starts (min .. max):")
    for key, unit, scale in (("start", "s", 1), ("switch", "ms", 1000), ("cold", "ms", 1000), ("stall", "ms", 1000)):
        low, high = spread(large, key)
        print(f"  1000 items, {key}: {low * scale:.3f} .. {high * scale:.3f} {unit}")
    for key, unit, scale in (("start", "s", 1), ("switch", "ms", 1000)):
        low, high = spread(small, key)
        print(f"  12 items, {key}: {low * scale:.3f} .. {high * scale:.3f} {unit}")
    low, high = spread(floor, "start")
    print(f"  empty window, start: {low:.3f} .. {high:.3f} s")
    for key in ("shown", "away"):
        low, high = spread(large, key)
        low12, high12 = spread(small, key)
        print(f"  private bytes {key}: 1000 items {low / mib:.1f} .. {high / mib:.1f} MiB, "
              f"12 items {low12 / mib:.1f} .. {high12 / mib:.1f} MiB")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
