#!/usr/bin/env python3
"""Starts a program and prints the milliseconds until its first top-level
window is mapped, then its resident memory in kB after a second of idling.

It listens on the root window of $DISPLAY for MapNotify, so the timing is as
fine as the X server's events, with no polling. Usage: map_time.py PROGRAM
"""
import ctypes
import ctypes.util
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class MapEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("event", ctypes.c_ulong),
        ("window", ctypes.c_ulong),
        ("override_redirect", ctypes.c_int),
    ]


class Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", MapEvent), ("pad", ctypes.c_long * 24)]


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def main():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(Event)]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]

    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("map_time.py: cannot open the display")
    xlib.XSelectInput(display, xlib.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    xlib.XSync(display, 0)

    start = time.perf_counter()
    process = subprocess.Popen(sys.argv[1:], stderr=subprocess.DEVNULL)
    event = Event()
    while True:
        xlib.XNextEvent(display, ctypes.byref(event))
        if event.type == MAP_NOTIFY and not event.map.override_redirect:
            break
    mapped_ms = (time.perf_counter() - start) * 1000
    time.sleep(1)
    rss = resident_kb(process.pid)
    process.terminate()
    process.wait()
    print(f"{mapped_ms:.1f} {rss}")


if __name__ == "__main__":
    main()
